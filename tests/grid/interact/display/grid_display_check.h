#pragma once
// The string grid's own windows on a real X display (the xcb platform), for
// the real-display test: the search bar under the grid, the balloon shown
// over a cell after the real pointer rests there, and an edit link's popup
// form "gridform" opened by a real key and closed by a real press outside.
// Each must show on the screen what it paints offscreen, and the balloon
// must leave the form active.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// AdvanceClock moves the layer's clock on (the test runs on a fake clock);
// screenshots go into ShotDir when it is not empty (grid-searchbar-*.png,
// grid-balloon-*.png, grid-linkpopup-*.png).
void CheckGridWindowsOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                               const std::string& ShotDir);

}  // namespace DisplayCheck
