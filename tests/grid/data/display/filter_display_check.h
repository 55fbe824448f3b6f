#pragma once
// The grid's header filter drop-down on a real X display (the xcb
// platform), for the real-display test: the check list opens in its popup
// below the header button, the X server shows what it paints offscreen,
// and a real press outside the list hides it and forgets the open column.
#include <functional>
#include <string>

namespace DisplayCheck {

struct TRealInput;

// Screenshots go into ShotDir when it is not empty (filter-list.png, with
// filter-list-painted.png, the offscreen picture, and filter-list-closed.png).
void CheckFilterListOnDisplay(const TRealInput& Input, const std::string& ShotDir);

}  // namespace DisplayCheck
