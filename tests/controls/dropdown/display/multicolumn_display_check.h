#pragma once
// The multi-column drop-down on a real X display (the xcb platform), for
// the real-display test: a real click on the drop button opens the popup
// grid, the X server shows what it paints offscreen (header gradient,
// lines, the selected row), letters typed on the real keyboard find a row,
// and a real click on an item row picks it and closes the popup.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// AdvanceClock moves the layer's clock on (the test runs on a fake clock);
// screenshots go into ShotDir when it is not empty (multicolumn.png with
// multicolumn-painted.png, the offscreen picture).
void CheckMultiColumnOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                               const std::string& ShotDir);

}  // namespace DisplayCheck
