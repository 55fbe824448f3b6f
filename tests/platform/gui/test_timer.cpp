// Timers on the fake clock; one test on the real clock inside a nested loop.
#include <QElapsedTimer>
#include <QTimer>

#include "gui_fixture.h"

namespace {

struct TimerTest : ::testing::Test {
    TestKit::FakeClock clock;
    std::vector<int64_t> ticks;  // Clock().Now() at each tick

    void Count(TTimer& T)
    {
        T.OnTimer = [this](TObject*) { ticks.push_back(Clock().Now()); };
    }
};

// Records its WM_TIMER messages.
class TTicking : public TBox {
public:
    explicit TTicking(TComponent* AOwner) : TBox(AOwner) {}
    std::vector<std::string>* log = nullptr;
    bool destroyed = false;

protected:
    void WMTimer(TMessage& Message) override
    {
        log->push_back("ctl" + std::to_string(Message.TimerID()) + "@" + std::to_string(Clock().Now()));
    }
    void WMDestroy(TMessage& Message) override
    {
        destroyed = true;
        TBox::WMDestroy(Message);
    }
};

}  // namespace

TEST_F(TimerTest, FiresEveryIntervalAtItsDueTime)
{
    TTimer t(nullptr);
    t.SetInterval(300);
    Count(t);
    clock.Advance(299);
    EXPECT_TRUE(ticks.empty());
    clock.Advance(701);
    EXPECT_EQ(ticks, (std::vector<int64_t>{300, 600, 900}));
    EXPECT_EQ(Clock().Now(), 1000);
}

TEST_F(TimerTest, EnablingAnEnabledTimerKeepsItsCountdown)
{
    TTimer t(nullptr);
    t.SetInterval(300);
    Count(t);
    clock.Advance(200);
    t.SetEnabled(true);
    t.SetInterval(300);  // the same interval: no restart either
    clock.Advance(100);
    EXPECT_EQ(ticks, std::vector<int64_t>{300});
}

TEST_F(TimerTest, ChangingTheIntervalRestartsTheCountdown)
{
    TTimer t(nullptr);
    t.SetInterval(300);
    Count(t);
    clock.Advance(200);
    t.SetInterval(500);
    clock.Advance(499);
    EXPECT_TRUE(ticks.empty());
    clock.Advance(1);
    EXPECT_EQ(ticks, std::vector<int64_t>{700});
}

TEST_F(TimerTest, ADisabledTimerIsSilentAndRestartsFreshWhenEnabled)
{
    TTimer t(nullptr);
    t.SetInterval(100);
    Count(t);
    t.SetEnabled(false);
    clock.Advance(5000);
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(t.Running());
    t.SetEnabled(true);
    clock.Advance(150);
    EXPECT_EQ(ticks, std::vector<int64_t>{5100});
    t.SetInterval(0);  // 0 stops it
    clock.Advance(1000);
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(TimerTest, AHandlerMayStopOrFreeItsTimer)
{
    auto* t = new TTimer(nullptr);
    t->SetInterval(100);
    t->OnTimer = [&](TObject* Sender) {
        ticks.push_back(Clock().Now());
        if (ticks.size() == 2)
            static_cast<TTimer*>(Sender)->SetEnabled(false);
    };
    clock.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200}));
    t->SetEnabled(true);
    t->OnTimer = [&](TObject* Sender) {
        ticks.push_back(-Clock().Now());
        delete static_cast<TTimer*>(Sender);
    };
    clock.Advance(1000);
    EXPECT_EQ(ticks.back(), -1100);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST_F(TimerTest, FireTimerTicksNowWithoutTouchingTheCountdown)
{
    TTimer t(nullptr);
    t.SetInterval(300);
    Count(t);
    clock.Advance(200);
    TestKit::FireTimer(t);
    clock.Advance(100);
    EXPECT_EQ(ticks, (std::vector<int64_t>{200, 300}));
}

TEST_F(TimerTest, AllTimersFireInTimeOrder)
{
    std::vector<std::string> log;
    TTimer a(nullptr), b(nullptr);
    a.SetInterval(250);
    b.SetInterval(100);
    a.OnTimer = [&](TObject*) { log.push_back("a@" + std::to_string(Clock().Now())); };
    b.OnTimer = [&](TObject*) { log.push_back("b@" + std::to_string(Clock().Now())); };
    TTicking c(nullptr);
    c.log = &log;
    SetTimer(&c, 111, 350);
    clock.Advance(480);
    EXPECT_EQ(log, (std::vector<std::string>{"b@100", "b@200", "a@250", "b@300", "ctl111@350", "b@400"}));
}

TEST_F(TimerTest, ControlTimersByID)
{
    std::vector<std::string> log;
    auto* c = new TTicking(nullptr);
    c->log = &log;
    EXPECT_EQ(SetTimer(c, 111, 500), 111u);
    SetTimer(c, 999, 10);
    clock.Advance(30);
    EXPECT_TRUE(KillTimer(c, 999));
    EXPECT_FALSE(KillTimer(c, 999));
    SetTimer(c, 111, 200);  // the same id again: restarted with the new interval
    clock.Advance(200);
    EXPECT_EQ(log, (std::vector<std::string>{"ctl999@10", "ctl999@20", "ctl999@30", "ctl111@230"}));
    TestKit::FireControlTimer(c, 7);
    EXPECT_EQ(log.back(), "ctl7@230");

    // The window's destruction ends its timers.
    log.clear();
    c->HandleNeeded();
    c->DestroyHandle();
    EXPECT_TRUE(c->destroyed);
    clock.Advance(1000);
    EXPECT_TRUE(log.empty());

    // A control freed with a timer running: nothing arrives, nothing breaks.
    SetTimer(c, 5, 10);
    delete c;
    clock.Advance(100);
    EXPECT_TRUE(log.empty());
}

TEST(Destruction, FreeingThroughParentOwnerOrFreeRunsTheFullDestroyHandler)
{
    // A plain delete reaches only the base classes' WM_DESTROY handling; the
    // paths below give the complete object the message first.
    struct TFlagged : TBox {
        using TBox::TBox;
        bool* flag = nullptr;
        void WMDestroy(TMessage& M) override
        {
            *flag = true;
            TBox::WMDestroy(M);
        }
    };
    bool byFree = false, byParent = false, byOwner = false;
    auto* owner = new TBox(nullptr);
    TBox elsewhere(nullptr);
    auto* a = new TFlagged(owner);
    a->flag = &byFree;
    a->SetParent(owner);
    auto* b = new TFlagged(nullptr);
    b->flag = &byParent;
    b->SetParent(owner);
    auto* c = new TFlagged(owner);
    c->flag = &byOwner;
    c->SetParent(&elsewhere);
    owner->HandleNeeded();
    elsewhere.HandleNeeded();
    EXPECT_TRUE(a->HandleAllocated());
    EXPECT_TRUE(c->HandleAllocated());
    a->Free();
    EXPECT_TRUE(byFree);
    delete owner;
    EXPECT_TRUE(byParent);
    EXPECT_TRUE(byOwner);
    EXPECT_EQ(elsewhere.ControlCount(), 0);
}

TEST(TimerRealClock, TimersKeepRunningInANestedModalLoop)
{
    // Real time, a few tens of milliseconds: a timer's handler waits in a
    // nested loop for another timer to tick three times.
    TTimer outer(nullptr), inner(nullptr);
    int innerTicks = 0;
    bool outerDone = false;
    QElapsedTimer elapsed;
    elapsed.start();
    auto timedOut = [&] { return elapsed.elapsed() > 5000; };
    inner.SetInterval(10);
    inner.OnTimer = [&](TObject*) { ++innerTicks; };
    outer.SetInterval(10);
    outer.OnTimer = [&](TObject*) {
        outer.SetEnabled(false);
        Application.WaitUntil([&] { return innerTicks >= 3 || timedOut(); });
        outerDone = true;
    };
    QTimer wake;  // keeps the waiting loops turning even if something stalls
    wake.start(50);
    Application.WaitUntil([&] { return outerDone || timedOut(); });
    EXPECT_TRUE(outerDone);
    EXPECT_GE(innerTicks, 3);
}
