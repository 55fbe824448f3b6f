#pragma once
// The open popups of the calculator, the time picker (its watch at a fixed
// time, the clock not running) and the track bar drop-down on a real X
// display (the xcb platform), for the real-display test: a real click on
// each drop button opens the popup, the X server shows what the popup
// paints offscreen, and a real click outside closes it.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// AdvanceClock moves the layer's clock on (the test runs on a fake clock);
// screenshots go into ShotDir when it is not empty (calculator-screen.png,
// timepicker-screen.png, trackbar-screen.png).
void CheckDropDownKindsOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                                 const std::string& ShotDir);

}  // namespace DisplayCheck
