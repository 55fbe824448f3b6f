#include "platform/testing/input_driver.h"

#include "platform/gui/application.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/input_route.h"
#include "platform/gui/popupform.h"

namespace TestKit {

namespace {

TShiftState buttonsHeld() { return InputState().ShiftState() * TShiftState{ssLeft, ssRight, ssMiddle}; }

TShiftStateItem buttonItem(TMouseButton Button)
{
    switch (Button) {
    case mbRight: return ssRight;
    case mbMiddle: return ssMiddle;
    default: return ssLeft;
    }
}

unsigned buttonMessage(TMouseButton Button, int Kind)  // 0 down, 1 up, 2 double click
{
    const unsigned base = Button == mbRight ? WM_RBUTTONDOWN : Button == mbMiddle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    return base + unsigned(Kind);
}

// The screen point and the window under it.
struct Target {
    TWinControl* window = nullptr;
    TPoint screen;
};

Target locate(TControl* Control, int X, int Y)
{
    Target t;
    if (!Control)
        return t;
    t.screen = Control->ClientToScreen({X, Y});
    // An open popup lies above every other window.
    const std::vector<TPopupForm*> popups = OpenPopups();
    for (auto it = popups.rbegin(); it != popups.rend(); ++it)
        if ((*it)->BoundsRect().Contains(t.screen)) {
            t.window = WindowAtPos(*it, t.screen);
            return t;
        }
    TWinControl* root = dynamic_cast<TWinControl*>(Control);
    if (!root)
        root = Control->Parent();
    t.window = WindowAtPos(root, t.screen);
    return t;
}

TShiftState keyboardPart(TShiftState Shift) { return Shift * TShiftState{ssShift, ssCtrl, ssAlt}; }

TWinControl* keyTarget(TWinControl* Control) { return Control ? Control : GetFocusedControl(); }

}  // namespace

void MouseDown(TControl* Control, int X, int Y, TMouseButton Button, TShiftState Shift)
{
    const Target t = locate(Control, X, Y);
    const TShiftState held = buttonsHeld() + TShiftState{buttonItem(Button)};
    RouteMouseButton(t.window, buttonMessage(Button, 0), t.screen, keyboardPart(Shift) + held);
}

void MouseUp(TControl* Control, int X, int Y, TMouseButton Button, TShiftState Shift)
{
    const Target t = locate(Control, X, Y);
    const TShiftState held = buttonsHeld() - TShiftState{buttonItem(Button)};
    RouteMouseButton(t.window, buttonMessage(Button, 1), t.screen, keyboardPart(Shift) + held);
}

void MouseMove(TControl* Control, int X, int Y, TShiftState Shift)
{
    const Target t = locate(Control, X, Y);
    RouteMouseMove(t.window, t.screen, keyboardPart(Shift) + buttonsHeld());
}

void Click(TControl* Control, int X, int Y, TShiftState Shift, TMouseButton Button)
{
    TWeakRef<TControl> c(Control);
    MouseDown(Control, X, Y, Button, Shift);
    if (c.Get())
        MouseUp(Control, X, Y, Button, Shift);
    else
        InputState().SyncButtons(buttonsHeld() - TShiftState{buttonItem(Button)});
}

void DblClick(TControl* Control, int X, int Y, TShiftState Shift, TMouseButton Button)
{
    TWeakRef<TControl> c(Control);
    Click(Control, X, Y, Shift, Button);
    if (!c.Get())
        return;
    const Target t = locate(Control, X, Y);
    RouteMouseButton(t.window, buttonMessage(Button, 2), t.screen,
                     keyboardPart(Shift) + buttonsHeld() + TShiftState{buttonItem(Button)});
    if (c.Get())
        MouseUp(Control, X, Y, Button, Shift);
    else
        InputState().SyncButtons(buttonsHeld() - TShiftState{buttonItem(Button)});
}

void Wheel(TControl* Control, int X, int Y, int Delta, TShiftState Shift)
{
    const Target t = locate(Control, X, Y);
    RouteMouseWheel(t.window, t.screen, Delta, keyboardPart(Shift) + buttonsHeld());
}

void MouseLeave(TControl* Control)
{
    if (!Control)
        return;
    auto* w = dynamic_cast<TWinControl*>(Control);
    RouteMouseLeave(w ? w : Control->Parent());
}

void KeyDown(TWinControl* Control, Word VK, TShiftState Shift, std::optional<String> Text, bool Keypad)
{
    TKeyStroke s;
    s.VK = VK;
    s.Shift = keyboardPart(Shift);
    s.Text = std::move(Text);
    s.Keypad = Keypad;
    RouteKeyDown(keyTarget(Control), s);
}

void KeyUp(TWinControl* Control, Word VK, TShiftState Shift, bool Keypad)
{
    TKeyStroke s;
    s.VK = VK;
    s.Shift = keyboardPart(Shift);
    s.Keypad = Keypad;
    RouteKeyUp(keyTarget(Control), s);
}

void KeyPress(TWinControl* Control, QChar Char) { RouteChars(keyTarget(Control), QString(Char)); }

void TypeKey(TWinControl* Control, Word VK, TShiftState Shift, bool Keypad)
{
    // The key up goes where the focus is by then, as a real release does.
    TWinControl* downTarget = keyTarget(Control);
    TWinControl* focusedBefore = GetFocusedControl();
    KeyDown(downTarget, VK, Shift, std::nullopt, Keypad);
    TWinControl* upTarget = downTarget;
    if (Control == nullptr || Control == focusedBefore)
        upTarget = GetFocusedControl() ? GetFocusedControl() : downTarget;
    KeyUp(upTarget, VK, Shift, Keypad);
}

void TypeText(TWinControl* Control, const String& Text)
{
    for (QChar c : Text) {
        // Find the key that types c on a US layout.
        Word vk = 0;
        TShiftState shift;
        for (int k = 1; k < 256 && vk == 0; ++k)
            for (const TShiftState s : {TShiftState{}, TShiftState{ssShift}})
                if (CharFromVirtualKey(Word(k), s) == c && (k < VK_NUMPAD0 || k > VK_DIVIDE)) {
                    vk = Word(k);
                    shift = s;
                    break;
                }
        if (vk)
            TypeKey(Control, vk, shift);
        else
            KeyPress(Control, c);
    }
}

InputStateScope::InputStateScope()
{
    CancelDragLoop();
    InputState().Reset();
    SetCaptureControl(nullptr);
}

InputStateScope::~InputStateScope()
{
    CancelDragLoop();
    InputState().Reset();
    SetCaptureControl(nullptr);
}

int PumpPostedMessages() { return ProcessPostedMessages(); }

}  // namespace TestKit
