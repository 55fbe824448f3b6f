#include "platform/gui/timers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <memory>

#include "platform/gui/controls.h"

namespace {

// Time from a QElapsedTimer; wakes the service with a single-shot QTimer,
// which fires from whatever Qt event loop runs (nested ones included).
class RealClock : public TClock {
public:
    RealClock() { elapsed_.start(); }

    int64_t Now() const override { return elapsed_.elapsed(); }

    void WakeAt(int64_t Deadline) override
    {
        if (!QCoreApplication::instance())
            return;
        if (!timer_) {
            timer_ = std::make_unique<QTimer>();
            timer_->setSingleShot(true);
            timer_->setTimerType(Qt::PreciseTimer);
            QObject::connect(timer_.get(), &QTimer::timeout, [] { TTimerService::Instance().FireDue(); });
        }
        if (Deadline < 0) {
            timer_->stop();
            return;
        }
        timer_->start(int(std::clamp<int64_t>(Deadline - Now(), 0, INT32_MAX)));
    }

private:
    QElapsedTimer elapsed_;
    std::unique_ptr<QTimer> timer_;
};

RealClock& realClock()
{
    // Never destroyed: its QTimer must not outlive the QCoreApplication's
    // destruction order.
    static RealClock* clock = new RealClock();
    return *clock;
}

TClock* g_clock = nullptr;

}  // namespace

TClock& Clock() { return g_clock ? *g_clock : realClock(); }

TClock* SetClock(TClock* NewClock)
{
    TClock* previous = &Clock();
    const int64_t oldNow = previous->Now();
    previous->WakeAt(-1);
    g_clock = NewClock;
    TTimerService::Instance().Shift(Clock().Now() - oldNow);
    return previous;
}

// ---- the service ----------------------------------------------------------------------------------

TTimerService& TTimerService::Instance()
{
    static TTimerService service;
    return service;
}

TTimerService::Entry* TTimerService::Find(THandle Handle)
{
    for (Entry& e : entries_)
        if (e.handle == Handle)
            return &e;
    return nullptr;
}

TTimerService::THandle TTimerService::Start(unsigned Interval, std::function<void()> Tick)
{
    Entry e;
    e.handle = nextHandle_++;
    e.interval = std::max(Interval, USER_TIMER_MINIMUM);
    e.due = Clock().Now() + e.interval;
    e.order = nextOrder_++;
    e.tick = std::move(Tick);
    entries_.push_back(std::move(e));
    Arm();
    return entries_.back().handle;
}

void TTimerService::Stop(THandle Handle)
{
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.handle == Handle; }),
                   entries_.end());
    Arm();
}

bool TTimerService::IsRunning(THandle Handle) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.handle == Handle; });
}

uintptr_t TTimerService::SetControlTimer(TControl* Control, uintptr_t ID, unsigned Interval)
{
    if (!Control)
        return 0;
    KillControlTimer(Control, ID);
    Entry e;
    e.handle = nextHandle_++;
    e.interval = std::max(Interval, USER_TIMER_MINIMUM);
    e.due = Clock().Now() + e.interval;
    e.order = nextOrder_++;
    e.isControlTimer = true;
    e.control = TWeakRef<TControl>(Control);
    e.controlKey = Control;
    e.id = ID;
    entries_.push_back(std::move(e));
    Arm();
    return ID;
}

bool TTimerService::KillControlTimer(TControl* Control, uintptr_t ID)
{
    const auto before = entries_.size();
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) {
                                      return e.isControlTimer && e.controlKey == Control && e.id == ID;
                                  }),
                   entries_.end());
    Arm();
    return entries_.size() != before;
}

void TTimerService::KillControlTimers(TControl* Control)
{
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.isControlTimer && e.controlKey == Control; }),
                   entries_.end());
    Arm();
}

bool TTimerService::HasControlTimer(const TControl* Control, uintptr_t ID) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.isControlTimer && e.controlKey == Control && e.id == ID && e.control.Get();
    });
}

int64_t TTimerService::NextDue() const
{
    int64_t next = -1;
    for (const Entry& e : entries_)
        if (next < 0 || e.due < next)
            next = e.due;
    return next;
}

void TTimerService::Arm() { Clock().WakeAt(NextDue()); }

void TTimerService::Shift(int64_t Delta)
{
    for (Entry& e : entries_)
        e.due += Delta;
    Arm();
}

void TTimerService::FireDue()
{
    // Each timer fires at most once per call, so a slow handler cannot keep
    // one timer firing forever; a handler may start or stop timers, or run
    // a nested event loop that fires others meanwhile.
    std::vector<THandle> fired;
    for (;;) {
        const int64_t now = Clock().Now();
        Entry* next = nullptr;
        for (Entry& e : entries_) {
            if (e.due > now || std::find(fired.begin(), fired.end(), e.handle) != fired.end())
                continue;
            if (!next || e.due < next->due || (e.due == next->due && e.order < next->order))
                next = &e;
        }
        if (!next)
            break;
        fired.push_back(next->handle);
        if (next->isControlTimer && !next->control.Get()) {
            Stop(next->handle);  // its control is gone
            continue;
        }
        next->due = now + next->interval;
        next->order = nextOrder_++;
        const bool isControl = next->isControlTimer;
        TControl* control = next->control.Get();
        const uintptr_t id = next->id;
        const std::function<void()> tick = next->tick;  // the entry may go away in the call
        Arm();
        if (isControl)
            control->Perform(WM_TIMER, intptr_t(id));
        else if (tick)
            tick();
    }
    Arm();
}

uintptr_t SetTimer(TControl* Control, uintptr_t IDEvent, unsigned Elapse)
{
    return TTimerService::Instance().SetControlTimer(Control, IDEvent, Elapse);
}

bool KillTimer(TControl* Control, uintptr_t IDEvent)
{
    return TTimerService::Instance().KillControlTimer(Control, IDEvent);
}

// ---- TTimer -------------------------------------------------------------------------------------

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer()
{
    if (handle_)
        TTimerService::Instance().Stop(handle_);
}

void TTimer::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value)
{
    if (interval_ == Value)
        return;
    interval_ = Value;
    UpdateTimer();
}

bool TTimer::Running() const { return handle_ != 0 && TTimerService::Instance().IsRunning(handle_); }

void TTimer::UpdateTimer()
{
    if (handle_) {
        TTimerService::Instance().Stop(handle_);
        handle_ = 0;
    }
    if (enabled_ && interval_ > 0) {
        TWeakRef<TTimer> self(this);
        handle_ = TTimerService::Instance().Start(interval_, [self] {
            if (TTimer* t = self.Get())
                t->Timer();
        });
    }
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}
