#pragma once
// The open grid drop-down on a real X display (the xcb platform), for the
// real-display test: a real click on the drop button opens the popup (the
// list with its header, bands, search footer and a sorted column), the X
// server shows what the popup paints offscreen, and a real click on a row
// chooses it and closes the popup.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// AdvanceClock moves the layer's clock on (the test runs on a fake clock);
// screenshots go into ShotDir when it is not empty (griddropdown-screen.png,
// griddropdown-painted.png).
void CheckGridDropDownOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                                const std::string& ShotDir);

}  // namespace DisplayCheck
