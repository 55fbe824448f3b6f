#pragma once
// The popup form on a real X display (the xcb platform): a press outside it
// closes it, with and without a window manager; and the overlay window,
// which takes no input. For the real-display test;
// it reads what the X server shows (the root window's pixels), not what the
// widgets would paint.
#include <functional>
#include <string>

namespace DisplayCheck {

// Real input as the X server gets it from a device (not Qt events).
struct TRealInput {
    // A left click at the screen point (the pointer moves there first).
    std::function<bool(int X, int Y)> ClickAt;
    // One key stroke typing the letter.
    std::function<bool(char Letter)> TypeLetter;
    // Moves the pointer to the screen point, pressing nothing.
    std::function<bool(int X, int Y)> MoveTo;
};

// Real input through the xdotool program (Debian package xdotool); empty
// functions when it is not installed.
TRealInput XdotoolInput();

// Delivers events until Done or Ms milliseconds are up; false on time-out.
bool waitFor(const std::function<bool()>& Done, int Ms = 3000);

// Lets the X server and the window manager settle (maps, exposes, repaints).
void settle(int Ms = 300);

// Opens a popup over a form, checks on the screen that it shows and that
// keys reach it, then presses outside it: on the form (PopupDeactivate gets
// the control there, the popup closes, the control gets the press) and on
// the bare desktop (PopupDeactivate gets no window). Reports through
// GoogleTest's EXPECT/ASSERT; writes the screenshots into ShotDir when it is
// not empty (popup-open.png, popup-closed.png).
void CheckPopupOnDisplay(const TRealInput& Input, const std::string& ShotDir);

// Shows an overlay window (with a window region) over a form's control and
// checks on the screen that only its region shows, that it leaves the
// form active and focused, and that a real click and a key at it reach the
// form's control below. Writes overlay-shown.png into ShotDir when it is
// not empty.
void CheckOverlayOnDisplay(const TRealInput& Input, const std::string& ShotDir);

}  // namespace DisplayCheck
