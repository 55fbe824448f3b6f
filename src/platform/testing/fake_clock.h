#pragma once
// A clock for tests: time stands still until the test moves it on.
#include <cstdint>

#include "platform/gui/controls.h"
#include "platform/gui/timers.h"

namespace TestKit {

// Installs itself as the layer's clock for its lifetime (starting at 0) and
// puts the previous clock back when destroyed. Timers started before keep
// the time they had left.
class FakeClock : public TClock {
public:
    FakeClock();
    ~FakeClock() override;
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    int64_t Now() const override { return now_; }
    void WakeAt(int64_t) override {}

    // Moves the time on by Ms, firing every timer that falls due on the way
    // in time order (a 300 ms timer fires three times in Advance(1000)),
    // each at its own moment: Now() reads its due time inside the handler.
    void Advance(int64_t Ms);

private:
    int64_t now_ = 0;
    TClock* previous_ = nullptr;
};

// Fires the timer's OnTimer now; its countdown is left as it is.
void FireTimer(TTimer& Timer);
// Sends WM_TIMER with ID to Control now, as its timer would.
void FireControlTimer(TControl* Control, uintptr_t ID);

}  // namespace TestKit
