#pragma once
// Where keyboard and mouse input goes, and in which messages it arrives.
//
// The Qt backend and the test kit both deliver input through these
// functions, so that a test drives a control exactly as a real key stroke or
// click does. Each function first brings the input state (GetKeyState, the
// cursor position) in line with the event, then sends the messages.
#include <optional>

#include "platform/gui/controls.h"

// One key stroke.
struct TKeyStroke {
    Word VK = 0;
    // Shift, Ctrl and Alt held (other members are ignored).
    TShiftState Shift;
    // The characters the stroke types; nullopt: what CharFromVirtualKey(VK,
    // Shift) gives (nothing for keys that type nothing).
    std::optional<String> Text;
    // The key of the numeric keypad (scan code bit 22 set in the key data).
    bool Keypad = false;
    // Auto-repeat of a key already down (key data bit 30).
    bool AutoRepeat = false;
};

// The control the keyboard input of a window goes to: the focused control
// when it sits on the same form, otherwise the window itself.
TWinControl* KeyboardTarget(TWinControl* Window);

// Key down: WM_KEYDOWN (WM_SYSKEYDOWN with Alt and no Ctrl, or for F10)
// through DeliverKeyMessage; unless a dialog key used it, one WM_CHAR (or
// WM_SYSCHAR) per typed character to the same control, even if the focus
// moved in between.
void RouteKeyDown(TWinControl* Target, const TKeyStroke& Stroke);
// Key up: WM_KEYUP (WM_SYSKEYUP while Alt is held, or for Alt itself).
void RouteKeyUp(TWinControl* Target, const TKeyStroke& Stroke);
// Characters without a key (input methods): CN_CHAR + WM_CHAR each.
void RouteChars(TWinControl* Target, const String& Text);

// Mouse: ScreenPos is the pointer in screen coordinates; Shift holds the
// modifiers and the buttons held AFTER the event (a release no longer holds
// its button), as the platform's MK_* flags do. Window is the window under
// the pointer; while a control has the capture, the messages go to the
// capturing window instead (and a graphic captor gets them through it).
// While a popup is open (popupform.h) and nothing holds the capture, a press
// outside it reaches its PopupDeactivate first and goes on only when the
// popup passes it; moves, releases and the wheel outside it go to it.
void RouteMouseButton(TWinControl* Window, unsigned Msg, TPoint ScreenPos, TShiftState Shift);
// Hover first (CM_MOUSELEAVE to the control left, CM_MOUSEENTER to the one
// entered; not while captured), then WM_SETCURSOR (not while captured), then
// WM_MOUSEMOVE.
void RouteMouseMove(TWinControl* Window, TPoint ScreenPos, TShiftState Shift);
// While a drag runs (dragdrop.h) the mouse and the keys go to the drag
// instead: moves step it, a release drops, Esc cancels, the rest is dropped.
// WM_MOUSEWHEEL (or WM_MOUSEHWHEEL) with Delta in WHEEL_DELTA units.
void RouteMouseWheel(TWinControl* Window, TPoint ScreenPos, int Delta, TShiftState Shift, bool Horizontal = false);
// The pointer came over Window without moving (a window appeared under it).
void RouteMouseEnter(TWinControl* Window, TPoint ScreenPos);
// The pointer left Window: CM_MOUSELEAVE to the control hovered in it.
void RouteMouseLeave(TWinControl* Window);

// The window the pointer is over, searching Root and its visible windowed
// descendants; a disabled window passes its input to its nearest enabled
// parent (nullptr when there is none). Root itself when the point is outside.
TWinControl* WindowAtPos(TWinControl* Root, TPoint ScreenPos);
