#include "platform/gui/input_route.h"

#include "platform/gui/application.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/input_state.h"
#include "platform/gui/popupform.h"

namespace {

bool enabledUpTheChain(const TControl* C)
{
    for (const TControl* c = C; c; c = c->Parent())
        if (!c->Enabled())
            return false;
    return true;
}

void setModifierKeyDown(TInputState& State, Word VK, bool Down)
{
    auto both = [&](Word generic, Word left, Word right) {
        State.SetKeyDown(generic, Down);
        if (Down) {
            if (!State.IsKeyDown(right))
                State.SetKeyDown(left, true);
        } else {
            State.SetKeyDown(left, false);
            State.SetKeyDown(right, false);
        }
    };
    switch (VK) {
    case VK_SHIFT: both(VK_SHIFT, VK_LSHIFT, VK_RSHIFT); break;
    case VK_CONTROL: both(VK_CONTROL, VK_LCONTROL, VK_RCONTROL); break;
    case VK_MENU: both(VK_MENU, VK_LMENU, VK_RMENU); break;
    default: State.SetKeyDown(VK, Down); break;
    }
}

// The window whose messages the mouse goes to: the capture's when there is one.
TWinControl* mouseWindow(TWinControl* Window)
{
    if (TControl* capture = GetCaptureControl()) {
        if (auto* w = dynamic_cast<TWinControl*>(capture))
            return w;
        if (capture->Parent())
            return capture->Parent();
    }
    return Window;
}

// A point on the window's non-client frame (inside the window, outside its
// client area) while nothing holds the capture: no client input there.
bool onFrame(const TWinControl* Window, TPoint ScreenPos)
{
    if (GetCaptureControl())
        return false;
    const TPoint w = Window->WindowOrigin();
    const TPoint p{ScreenPos.X - w.X, ScreenPos.Y - w.Y};
    if (!Rect(0, 0, Window->Width(), Window->Height()).Contains(p))
        return false;
    const TPoint c = Window->ScreenToClient(ScreenPos);
    return !Window->ClientRect().Contains(c);
}

bool isPress(unsigned Msg)
{
    switch (Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: return true;
    default: return false;
    }
}

// While a popup is open and nothing holds the capture, the mouse belongs to
// the popup: what happens outside it goes to it (the window Qt's popup grab
// delivers to). Null when the popup does not take Window's input.
TWinControl* popupGrab(TWinControl* Window)
{
    if (GetCaptureControl())
        return nullptr;
    TPopupForm* top = ActivePopup();
    if (!top || (Window && GetParentForm(Window) == top))
        return nullptr;
    return top;
}

// A press on Window while popups are open: each open popup above Window,
// the top one first, learns of the press outside it (PopupDeactivate); false
// when one of them keeps the press from going on.
bool pressPassesPopups(TWinControl* Window)
{
    if (GetCaptureControl())
        return true;
    std::vector<TWeakRef<TPopupForm>> open;
    for (TPopupForm* p : OpenPopups())
        open.insert(open.begin(), TWeakRef<TPopupForm>(p));
    TWeakRef<TWinControl> window(Window);
    for (const TWeakRef<TPopupForm>& ref : open) {
        TPopupForm* p = ref.Get();
        if (!p || !p->Visible())
            continue;
        if (window.Get() && GetParentForm(window.Get()) == p)
            break;  // the press is inside this popup
        if (!p->PressOutside(window.Get()))
            return false;
    }
    return !Window || window.Get();
}

void syncPointer(TPoint ScreenPos, TShiftState Shift)
{
    TInputState& s = InputState();
    s.SyncModifiers(Shift);
    s.SyncButtons(Shift);
    s.SetCursorPos(ScreenPos);
}

void updateHover(TWinControl* Window, TPoint ScreenPos)
{
    TControl* now = Window;
    if (Window)
        if (TControl* c = Window->ControlAtPos(Window->ScreenToClient(ScreenPos), false))
            now = c;
    TControl* before = InputState().ControlUnderCursor();
    if (now == before)
        return;
    InputState().SetControlUnderCursor(now);
    TWeakRef<TControl> entered(now);
    if (before)
        before->Perform(CM_MOUSELEAVE);
    if (TControl* c = entered.Get())
        c->Perform(CM_MOUSEENTER);
}

}  // namespace

TWinControl* KeyboardTarget(TWinControl* Window)
{
    TWinControl* focused = GetFocusedControl();
    if (focused && Window) {
        TCustomForm* form = GetParentForm(Window);
        if (form && GetParentForm(focused) == form)
            return focused;
    }
    return Window;
}

void RouteKeyDown(TWinControl* Target, const TKeyStroke& Stroke)
{
    Application.CancelHint();
    if (!Target && !DragLoopActive())
        return;
    TInputState& state = InputState();
    state.SyncModifiers(Stroke.Shift);
    const bool wasDown = state.IsKeyDown(Stroke.VK);
    setModifierKeyDown(state, Stroke.VK, true);
    // A drag in progress takes the keyboard.
    if (DragLoopActive()) {
        DragLoopKey(Stroke.VK, true);
        return;
    }
    const bool alt = state.IsKeyDown(VK_MENU);
    const bool ctrl = state.IsKeyDown(VK_CONTROL);
    const bool sys = (alt && !ctrl) || Stroke.VK == VK_F10;
    const bool repeat = Stroke.AutoRepeat || wasDown;

    // The characters are worked out from the stroke as it was pressed, as
    // the platform's key translation does before the key message is handled.
    String text;
    if (Stroke.Text) {
        text = *Stroke.Text;
    } else {
        TShiftState shift;
        if (state.IsKeyDown(VK_SHIFT))
            shift.Include(ssShift);
        if (ctrl)
            shift.Include(ssCtrl);
        if (alt)
            shift.Include(ssAlt);
        if (const QChar c = CharFromVirtualKey(Stroke.VK, shift); !c.isNull())
            text = QString(c);
    }

    TWeakRef<TWinControl> target(Target);
    TMessage down{sys ? WM_SYSKEYDOWN : WM_KEYDOWN, Stroke.VK, MakeKeyData(Stroke.VK, Stroke.Keypad, alt, repeat, false), 0};
    if (DeliverKeyMessage(Target, down))
        return;
    for (QChar c : text) {
        TWinControl* t = target.Get();
        if (!t)
            return;
        TMessage ch{sys ? WM_SYSCHAR : WM_CHAR, c.unicode(), MakeKeyData(Stroke.VK, Stroke.Keypad, alt, repeat, false), 0};
        DeliverKeyMessage(t, ch);
    }
}

void RouteKeyUp(TWinControl* Target, const TKeyStroke& Stroke)
{
    Application.CancelHint();
    TInputState& state = InputState();
    state.SyncModifiers(Stroke.Shift);
    setModifierKeyDown(state, Stroke.VK, false);
    if (DragLoopActive()) {
        DragLoopKey(Stroke.VK, false);
        return;
    }
    if (!Target)
        return;
    const bool alt = state.IsKeyDown(VK_MENU);
    const bool ctrl = state.IsKeyDown(VK_CONTROL);
    const bool sys = (alt && !ctrl) || Stroke.VK == VK_MENU || Stroke.VK == VK_F10;
    TMessage up{sys ? WM_SYSKEYUP : WM_KEYUP, Stroke.VK, MakeKeyData(Stroke.VK, Stroke.Keypad, alt, true, true), 0};
    DeliverKeyMessage(Target, up);
}

void RouteChars(TWinControl* Target, const String& Text)
{
    Application.CancelHint();
    if (DragLoopActive())
        return;
    TWeakRef<TWinControl> target(Target);
    for (QChar c : Text) {
        TWinControl* t = target.Get();
        if (!t)
            return;
        TMessage ch{WM_CHAR, c.unicode(), 1, 0};
        DeliverKeyMessage(t, ch);
    }
}

void RouteMouseButton(TWinControl* Window, unsigned Msg, TPoint ScreenPos, TShiftState Shift)
{
    Application.CancelHint();
    syncPointer(ScreenPos, Shift);
    // A drag in progress takes the mouse: a release drops.
    if (DragLoopActive()) {
        DragLoopMouseButton(Msg, ScreenPos);
        return;
    }
    if (isPress(Msg)) {
        if (!pressPassesPopups(Window))
            return;
    } else if (TWinControl* popup = popupGrab(Window)) {
        Window = popup;
    }
    TWinControl* target = mouseWindow(Window);
    if (!target || onFrame(target, ScreenPos))
        return;
    const TPoint p = target->ScreenToClient(ScreenPos);
    target->Perform(Msg, ShiftStateToKeys(Shift), PointToSmallPoint(p));
}

void RouteMouseMove(TWinControl* Window, TPoint ScreenPos, TShiftState Shift)
{
    syncPointer(ScreenPos, Shift);
    if (DragLoopActive()) {
        DragLoopMouseMove(ScreenPos);
        return;
    }
    TWinControl* popup = popupGrab(Window);
    if (popup)
        Window = popup;
    TWeakRef<TWinControl> window(Window);
    const bool captured = GetCaptureControl() != nullptr || popup;
    if (!captured) {
        updateHover(Window, ScreenPos);
        if (TWinControl* w = window.Get())
            w->Perform(WM_SETCURSOR, intptr_t(w->Widget()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    TWinControl* target = mouseWindow(window.Get());
    if (!target || onFrame(target, ScreenPos))
        return;
    const TPoint p = target->ScreenToClient(ScreenPos);
    target->Perform(WM_MOUSEMOVE, ShiftStateToKeys(Shift), PointToSmallPoint(p));
}

void RouteMouseWheel(TWinControl* Window, TPoint ScreenPos, int Delta, TShiftState Shift, bool Horizontal)
{
    Application.CancelHint();
    syncPointer(ScreenPos, Shift);
    if (DragLoopActive())
        return;
    if (TWinControl* popup = popupGrab(Window))
        Window = popup;
    TWinControl* target = mouseWindow(Window);
    if (!target)
        return;
    target->Perform(Horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL, MAKEWPARAM(int(ShiftStateToKeys(Shift)), Delta),
                    MAKELPARAM(ScreenPos.X, ScreenPos.Y));
}

void RouteMouseEnter(TWinControl* Window, TPoint ScreenPos)
{
    InputState().SetCursorPos(ScreenPos);
    if (!GetCaptureControl() && !DragLoopActive())
        updateHover(Window, ScreenPos);
}

void RouteMouseLeave(TWinControl* Window)
{
    if (Window && !Window->Parent())  // the pointer left the window
        Application.CancelHint();
    if (GetCaptureControl() || DragLoopActive())
        return;
    TControl* hovered = InputState().ControlUnderCursor();
    if (!hovered || !Window)
        return;
    if (hovered != Window && hovered->Parent() != Window)
        return;
    if (hovered != Window && dynamic_cast<TWinControl*>(hovered))
        return;
    InputState().SetControlUnderCursor(nullptr);
    hovered->Perform(CM_MOUSELEAVE);
}

TWinControl* WindowAtPos(TWinControl* Root, TPoint ScreenPos)
{
    if (!Root)
        return nullptr;
    TWinControl* w = Root;
    for (;;) {
        const TPoint p = w->ScreenToClient(ScreenPos);
        TControl* child = nullptr;
        // The frame's own controls (scroll bars), in window coordinates.
        const TPoint o = w->ClientOffset();
        for (TWinControl* c : w->NonClientControls())
            if (c->Visible() && c->BoundsRect().Contains({p.X + o.X, p.Y + o.Y}))
                child = c;
        if (child) {
            w = static_cast<TWinControl*>(child);
            break;
        }
        // The topmost visible windowed child under the point, enabled or not.
        for (int i = w->ControlCount() - 1; i >= 0; --i) {
            TControl* c = w->Controls(i);
            if (dynamic_cast<TWinControl*>(c) && c->Visible() && c->BoundsRect().Contains(p)) {
                child = c;
                break;
            }
        }
        if (!child)
            break;
        w = static_cast<TWinControl*>(child);
    }
    while (w && !enabledUpTheChain(w))
        w = w->Parent();
    return w;
}
