#include "platform/testing/fake_clock.h"

#include <algorithm>

namespace TestKit {

FakeClock::FakeClock() { previous_ = SetClock(this); }

FakeClock::~FakeClock() { SetClock(previous_); }

void FakeClock::Advance(int64_t Ms)
{
    const int64_t target = now_ + std::max<int64_t>(Ms, 0);
    for (;;) {
        const int64_t next = TTimerService::Instance().NextDue();
        if (next < 0 || next > target)
            break;
        now_ = std::max(now_, next);
        TTimerService::Instance().FireDue();
    }
    now_ = std::max(now_, target);
}

void FireTimer(TTimer& Timer) { Timer.Timer(); }

void FireControlTimer(TControl* Control, uintptr_t ID)
{
    if (Control)
        Control->Perform(WM_TIMER, intptr_t(ID));
}

}  // namespace TestKit
