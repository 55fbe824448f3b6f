#pragma once
// The drop-down's popup on a real X display (the xcb platform), for the
// real-display test: a real click on the drop button opens it, the X
// server shows the frame and gradient the popup paints offscreen, a press
// on the drop button of the open popup closes it without opening it again,
// and a press outside closes it and reaches the window there. A second
// drop-down's popup with header, footer and a 20-colour item selector shows
// on the screen what it paints offscreen and closes by its OK button.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// AdvanceClock moves the layer's clock on (the test runs on a fake clock);
// screenshots go into ShotDir when it is not empty (dropdown-open.png,
// dropdown-closed.png, dropdown-bars-open.png).
void CheckDropDownOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                            const std::string& ShotDir);

}  // namespace DisplayCheck
