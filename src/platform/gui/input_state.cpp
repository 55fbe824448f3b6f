#include "platform/gui/input_state.h"

#include <QGuiApplication>
#include <QScreen>

#include <map>

#include "platform/gui/controls.h"

// ---- input state ------------------------------------------------------------------------------

bool TInputState::IsKeyDown(int VK) const { return VK >= 0 && VK < 256 && (keys_[VK] & 1); }

void TInputState::SetKeyDown(int VK, bool Down)
{
    if (VK < 0 || VK >= 256)
        return;
    keys_[VK] = uint8_t(Down ? (keys_[VK] | 1) : (keys_[VK] & ~1));
}

bool TInputState::IsKeyToggled(int VK) const { return VK >= 0 && VK < 256 && (keys_[VK] & 2); }

void TInputState::SetKeyToggled(int VK, bool On)
{
    if (VK < 0 || VK >= 256)
        return;
    keys_[VK] = uint8_t(On ? (keys_[VK] | 2) : (keys_[VK] & ~2));
}

void TInputState::SyncModifiers(TShiftState Shift)
{
    auto sync = [this](bool down, Word generic, Word left, Word right) {
        if (down) {
            // Keep a right-hand key that is already known to be down.
            if (!IsKeyDown(right))
                SetKeyDown(left, true);
        } else {
            SetKeyDown(left, false);
            SetKeyDown(right, false);
        }
        SetKeyDown(generic, down);
    };
    sync(Shift.Contains(ssShift), VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    sync(Shift.Contains(ssCtrl), VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    sync(Shift.Contains(ssAlt), VK_MENU, VK_LMENU, VK_RMENU);
}

void TInputState::SyncButtons(TShiftState Shift)
{
    SetKeyDown(VK_LBUTTON, Shift.Contains(ssLeft));
    SetKeyDown(VK_RBUTTON, Shift.Contains(ssRight));
    SetKeyDown(VK_MBUTTON, Shift.Contains(ssMiddle));
}

TShiftState TInputState::ShiftState() const
{
    TShiftState s;
    if (IsKeyDown(VK_SHIFT))
        s.Include(ssShift);
    if (IsKeyDown(VK_CONTROL))
        s.Include(ssCtrl);
    if (IsKeyDown(VK_MENU))
        s.Include(ssAlt);
    if (IsKeyDown(VK_LBUTTON))
        s.Include(ssLeft);
    if (IsKeyDown(VK_RBUTTON))
        s.Include(ssRight);
    if (IsKeyDown(VK_MBUTTON))
        s.Include(ssMiddle);
    return s;
}

TControl* TInputState::ControlUnderCursor() const { return hover_.Get(); }

void TInputState::SetControlUnderCursor(TControl* Control) { hover_ = TWeakRef<TControl>(Control); }

void TInputState::Reset()
{
    keys_.fill(0);
    cursorPos_ = {};
    hover_.Reset();
}

namespace {
TInputState* g_installedInput = nullptr;
}

TInputState& InputState()
{
    static TInputState builtin;
    return g_installedInput ? *g_installedInput : builtin;
}

TInputState* SetInputState(TInputState* State)
{
    TInputState* previous = &InputState();
    g_installedInput = State;
    return previous;
}

int16_t GetKeyState(int VK)
{
    const TInputState& s = InputState();
    int16_t r = 0;
    if (s.IsKeyDown(VK))
        r = int16_t(0x8000 | r);
    if (s.IsKeyToggled(VK))
        r = int16_t(r | 1);
    return r;
}

int16_t GetAsyncKeyState(int VK) { return GetKeyState(VK); }

TShiftState GetKeyboardShiftState() { return InputState().ShiftState() * TShiftState{ssShift, ssCtrl, ssAlt}; }

TPoint GetCursorPos() { return InputState().CursorPos(); }

// ---- system metrics ---------------------------------------------------------------------------

namespace {

struct Settings {
    std::map<int, int> overrides;
    unsigned doubleClickTime = 500;
    unsigned wheelScrollLines = 3;
};

Settings& settings()
{
    static Settings s;
    return s;
}

int defaultMetric(int Index)
{
    switch (Index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return Index == SM_CXSCREEN ? 1024 : 768;
        const QRect g = screen->geometry();
        return Index == SM_CXSCREEN ? g.width() : g.height();
    }
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME: return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 20;
    case SM_MOUSEPRESENT: return 1;
    case SM_SWAPBUTTON: return 0;
    case SM_CXMIN: return 136;
    case SM_CYMIN: return 39;
    case SM_CXSIZEFRAME:
    case SM_CYSIZEFRAME: return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_CMONITORS: return 1;
    default: return 0;
    }
}

}  // namespace

int GetSystemMetrics(int Index)
{
    const auto& o = settings().overrides;
    auto it = o.find(Index);
    return it != o.end() ? it->second : defaultMetric(Index);
}

void SetSystemMetric(int Index, int Value) { settings().overrides[Index] = Value; }

void ResetSystemMetrics()
{
    settings() = Settings();
}

unsigned GetDoubleClickTime() { return settings().doubleClickTime; }
void SetDoubleClickTime(unsigned Ms) { settings().doubleClickTime = Ms; }
unsigned GetWheelScrollLines() { return settings().wheelScrollLines; }
void SetWheelScrollLines(unsigned Lines) { settings().wheelScrollLines = Lines; }
int GetDragThreshold() { return 5; }
