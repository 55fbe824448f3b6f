#pragma once
// The popups of the detail drop-down and the colour and image pickers on a
// real X display (the xcb platform), for the real-display test: each opens
// on a real click on its drop button, the X server shows what it paints
// offscreen (the detail list with its notes, the colour list, the palette,
// the cube, the spectrum, the pictures), and a real click on an item, box,
// cell or pixel picks it and closes the popup.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// AdvanceClock moves the layer's clock on (the test runs on a fake clock);
// screenshots go into ShotDir when it is not empty (picker-<name>.png, each
// with picker-<name>-painted.png, the offscreen picture).
void CheckPickersOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                           const std::string& ShotDir);

}  // namespace DisplayCheck
