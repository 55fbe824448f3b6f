#pragma once
// Time and timers: one clock, one timer service.
//
// Every timer of the layer (TTimer components and the per-control timers of
// SetTimer, which arrive as WM_TIMER) runs on the timer service, and the
// service reads the time from one clock. In the program that is the real
// clock: a QElapsedTimer for the time and a single-shot QTimer that wakes the
// service when the next timer falls due, so timers fire from any Qt event
// loop, nested modal loops included. Tests install the test kit's fake
// clock instead: time stands still until the test advances it, and then
// every timer that falls due fires in time order, without sleeping.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/gui/classes.h"

class TControl;

class TClock {
public:
    virtual ~TClock() = default;
    // Milliseconds on a monotonic scale.
    virtual int64_t Now() const = 0;
    // Asks for TTimerService::FireDue at Deadline or soon after (a negative
    // Deadline: nothing is due). A clock driven by hand ignores it.
    virtual void WakeAt(int64_t Deadline) = 0;
};

// The clock the layer runs on.
TClock& Clock();
// Installs a clock (nullptr: back to the real one) and returns the previous
// one; running timers keep the time they had left. The caller keeps ownership.
TClock* SetClock(TClock* NewClock);

// The shortest interval a timer runs at, as on the platform.
constexpr unsigned USER_TIMER_MINIMUM = 10;

class TTimerService {
public:
    using THandle = uint64_t;

    static TTimerService& Instance();

    // A periodic callback every Interval ms from now (at least
    // USER_TIMER_MINIMUM); returns its handle.
    THandle Start(unsigned Interval, std::function<void()> Tick);
    void Stop(THandle Handle);
    bool IsRunning(THandle Handle) const;

    // The platform's SetTimer: WM_TIMER with WParam = ID to Control every
    // Interval ms. Setting an ID that runs already restarts it with the new
    // interval. Returns ID (0 for a null control).
    uintptr_t SetControlTimer(TControl* Control, uintptr_t ID, unsigned Interval);
    bool KillControlTimer(TControl* Control, uintptr_t ID);
    void KillControlTimers(TControl* Control);
    bool HasControlTimer(const TControl* Control, uintptr_t ID) const;

    // When the next timer falls due (-1: none).
    int64_t NextDue() const;
    // Fires every timer due at Clock().Now(), earliest first, each once; each
    // is rescheduled Interval after the time it fired.
    void FireDue();
    // Moves every due time by Delta (a clock change).
    void Shift(int64_t Delta);

private:
    struct Entry {
        THandle handle = 0;
        unsigned interval = 0;
        int64_t due = 0;
        uint64_t order = 0;
        std::function<void()> tick;
        bool isControlTimer = false;
        TWeakRef<TControl> control;
        const TControl* controlKey = nullptr;
        uintptr_t id = 0;
    };
    Entry* Find(THandle Handle);
    void Arm();

    std::vector<Entry> entries_;
    THandle nextHandle_ = 1;
    uint64_t nextOrder_ = 1;
};

// The platform's timer functions, on the service.
uintptr_t SetTimer(TControl* Control, uintptr_t IDEvent, unsigned Elapse);
bool KillTimer(TControl* Control, uintptr_t IDEvent);

// ---- TTimer -------------------------------------------------------------------------------------

// A component that fires OnTimer every Interval ms while Enabled.
// - Setting Enabled to the value it has changes nothing (a running countdown
//   is not restarted).
// - Setting Interval to a new value while enabled restarts the countdown.
// - An Interval of 0 stops the timer.
// - Ticks keep coming inside nested (modal) event loops.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned Value);
    // True while a countdown runs.
    bool Running() const;

    // Fires OnTimer once, now; the countdown is left as it is. (The test
    // kit's FireTimer.)
    virtual void Timer();

    TNotifyEvent OnTimer;

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TTimerService::THandle handle_ = 0;
};
