#pragma once
// Input for tests: the same messages, in the same order, as a real key
// stroke or click, delivered through the Qt backend's routing (input_route.h)
// without Qt events.
//
// Mouse positions are client coordinates of the control named; the input
// goes to the window under that point (a windowed child lying there gets it,
// as on the screen, and a graphic control gets it through its parent; an
// open popup lying over the point gets it, as it lies above everything). The
// buttons held are remembered between calls in the input state, so
// MouseDown then MouseMove reports the button as held. No implicit mouse
// moves are made: call MouseMove to hover.
//
// Keys go to the control named, or to the focused control when it is
// nullptr. Shift is what is held during the stroke (ssShift, ssCtrl, ssAlt);
// no separate key messages are sent for the modifier keys themselves.
#include <optional>

#include "platform/gui/controls.h"
#include "platform/gui/input_state.h"

namespace TestKit {

// ---- mouse
void MouseDown(TControl* Control, int X, int Y, TMouseButton Button = mbLeft, TShiftState Shift = {});
void MouseUp(TControl* Control, int X, int Y, TMouseButton Button = mbLeft, TShiftState Shift = {});
void MouseMove(TControl* Control, int X, int Y, TShiftState Shift = {});
// Down and up at the same point.
void Click(TControl* Control, int X, int Y, TShiftState Shift = {}, TMouseButton Button = mbLeft);
// Down, up, double-click, up: what the platform sends for a double click.
void DblClick(TControl* Control, int X, int Y, TShiftState Shift = {}, TMouseButton Button = mbLeft);
// The wheel at (X, Y); Delta in WHEEL_DELTA (120) units, negative towards the user.
void Wheel(TControl* Control, int X, int Y, int Delta, TShiftState Shift = {});
// The pointer leaves the control's window.
void MouseLeave(TControl* Control);

// ---- keyboard
// Key down with its characters (WM_KEYDOWN, WM_CHAR ...); Text overrides
// the characters the key types (see TKeyStroke).
void KeyDown(TWinControl* Control, Word VK, TShiftState Shift = {}, std::optional<String> Text = std::nullopt,
             bool Keypad = false);
void KeyUp(TWinControl* Control, Word VK, TShiftState Shift = {}, bool Keypad = false);
// A character alone (CN_CHAR + WM_CHAR), as an input method delivers it.
void KeyPress(TWinControl* Control, QChar Char);
// KeyDown then KeyUp; the key up goes to the control focused by then.
void TypeKey(TWinControl* Control, Word VK, TShiftState Shift = {}, bool Keypad = false);
// Types each character with the key (and Shift) that types it on a US
// layout; a character no key types arrives as KeyPress.
void TypeText(TWinControl* Control, const String& Text);

// ---- state
// Resets the input state (keys, buttons, pointer, hover), ends a drag in
// progress and releases the mouse capture when created and again when
// destroyed.
class InputStateScope {
public:
    InputStateScope();
    ~InputStateScope();
    InputStateScope(const InputStateScope&) = delete;
    InputStateScope& operator=(const InputStateScope&) = delete;
};

// Delivers the posted messages (see ProcessPostedMessages); returns how many.
int PumpPostedMessages();

}  // namespace TestKit
