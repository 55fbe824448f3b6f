#pragma once
// What the keyboard and the mouse look like "right now", and the system
// metrics and settings the controls read.
//
// The input state is the layer's own record: the Qt backend updates it from
// every key and mouse event before the message is delivered, the test kit
// updates it the same way (or sets it directly). Nothing asks the windowing
// system, so the answers are the same under the offscreen platform.
#include <array>
#include <cstdint>

#include "platform/gui/classes.h"
#include "platform/gui/graphics.h"
#include "platform/gui/messages.h"

class TControl;

class TInputState {
public:
    virtual ~TInputState() = default;

    // Keyboard and mouse buttons by virtual key (VK_LBUTTON, VK_SHIFT, 'A' ...).
    virtual bool IsKeyDown(int VK) const;
    virtual void SetKeyDown(int VK, bool Down);
    // Toggle keys (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL).
    virtual bool IsKeyToggled(int VK) const;
    virtual void SetKeyToggled(int VK, bool On);

    // Brings Shift, Ctrl and Alt in line with Shift (ssShift, ssCtrl, ssAlt),
    // with their left-hand keys (VK_LSHIFT, VK_LCONTROL, VK_LMENU): Qt does
    // not tell left from right, so a held modifier counts as the left one.
    virtual void SyncModifiers(TShiftState Shift);
    // Brings the mouse buttons in line with ssLeft, ssRight, ssMiddle.
    virtual void SyncButtons(TShiftState Shift);
    // Shift, Ctrl, Alt and the buttons held.
    virtual TShiftState ShiftState() const;

    // The mouse pointer in screen coordinates.
    virtual TPoint CursorPos() const { return cursorPos_; }
    virtual void SetCursorPos(TPoint P) { cursorPos_ = P; }
    // The control under the pointer (graphic controls included), as the
    // last mouse event found it; nullptr when none or destroyed.
    virtual TControl* ControlUnderCursor() const;
    virtual void SetControlUnderCursor(TControl* Control);

    // All keys and buttons up, toggles off, pointer at (0,0), nothing hovered.
    virtual void Reset();

private:
    std::array<uint8_t, 256> keys_{};  // bit 0 down, bit 1 toggled
    TPoint cursorPos_;
    TWeakRef<TControl> hover_;
};

// The current input state (the layer's own until replaced).
TInputState& InputState();
// Replaces the input state (nullptr: back to the layer's own); returns the
// previous one. The caller keeps ownership.
TInputState* SetInputState(TInputState* State);

// The platform's key query: negative (high bit set) while the key is down,
// bit 0 set while a toggle key is on.
int16_t GetKeyState(int VK);
int16_t GetAsyncKeyState(int VK);
// Shift, Ctrl and Alt from the keyboard (no buttons).
TShiftState GetKeyboardShiftState();
TPoint GetCursorPos();

// ---- system metrics and settings --------------------------------------------------------------

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CXFIXEDFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYFIXEDFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_MOUSEPRESENT = 19;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CXSIZEFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CYSIZEFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_CMONITORS = 80;

// The metric, as the classic 96-dpi look has it (scroll bars 17 px, edges
// 2 px, double-click box 4 px ...). SM_CXSCREEN/SM_CYSCREEN come from the
// primary screen unless set. Unknown indexes give 0.
int GetSystemMetrics(int Index);
// Overrides one metric (tests, or the program adapting to the style).
void SetSystemMetric(int Index, int Value);
// Drops every override.
void ResetSystemMetrics();

// Milliseconds between the clicks of a double click (500).
unsigned GetDoubleClickTime();
void SetDoubleClickTime(unsigned Ms);
// Lines scrolled per wheel notch (3; WHEEL_PAGESCROLL means a page).
unsigned GetWheelScrollLines();
void SetWheelScrollLines(unsigned Lines);
// Pixels the mouse moves with a button down before a drag starts (5).
int GetDragThreshold();
