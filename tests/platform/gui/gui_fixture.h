#pragma once
// Controls and a log shared by the tests of the control layer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/application.h"
#include "platform/gui/controls.h"
#include "platform/testing/test_kit.h"

// A list of what happened, compared as a whole.
struct EventLog {
    std::vector<std::string> lines;
    void Add(const std::string& Line) { lines.push_back(Line); }
    void Clear() { lines.clear(); }
};

inline std::string ShiftText(TShiftState S)
{
    std::string r;
    const std::pair<TShiftStateItem, const char*> names[] = {{ssShift, "Shift"}, {ssAlt, "Alt"},     {ssCtrl, "Ctrl"},
                                                             {ssLeft, "Left"},   {ssRight, "Right"}, {ssMiddle, "Middle"},
                                                             {ssDouble, "Double"}};
    for (const auto& [item, name] : names)
        if (S.Contains(item))
            r += (r.empty() ? "" : "+") + std::string(name);
    return "[" + r + "]";
}

inline const char* ButtonText(TMouseButton B) { return B == mbLeft ? "L" : B == mbRight ? "R" : "M"; }

// Hooks every mouse, key and focus event of a control into the log, named
// after the control.
inline void Watch(TControl* C, EventLog& Log)
{
    const std::string n = C->Name().toStdString();
    C->OnMouseDown = [&Log, n](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
        Log.Add(n + ".MouseDown " + ButtonText(B) + " " + std::to_string(X) + "," + std::to_string(Y) + " " +
                ShiftText(S));
    };
    C->OnMouseUp = [&Log, n](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
        Log.Add(n + ".MouseUp " + ButtonText(B) + " " + std::to_string(X) + "," + std::to_string(Y) + " " +
                ShiftText(S));
    };
    C->OnMouseMove = [&Log, n](TObject*, TShiftState S, int X, int Y) {
        Log.Add(n + ".MouseMove " + std::to_string(X) + "," + std::to_string(Y) + " " + ShiftText(S));
    };
    C->OnClick = [&Log, n](TObject*) { Log.Add(n + ".Click"); };
    C->OnDblClick = [&Log, n](TObject*) { Log.Add(n + ".DblClick"); };
    C->OnMouseEnter = [&Log, n](TObject*) { Log.Add(n + ".Enter(mouse)"); };
    C->OnMouseLeave = [&Log, n](TObject*) { Log.Add(n + ".Leave(mouse)"); };
    if (auto* w = dynamic_cast<TWinControl*>(C)) {
        w->OnKeyDown = [&Log, n](TObject*, Word& Key, TShiftState S) {
            Log.Add(n + ".KeyDown " + std::to_string(Key) + " " + ShiftText(S));
        };
        w->OnKeyPress = [&Log, n](TObject*, QChar& Key) { Log.Add(n + ".KeyPress " + std::to_string(Key.unicode())); };
        w->OnKeyUp = [&Log, n](TObject*, Word& Key, TShiftState S) {
            Log.Add(n + ".KeyUp " + std::to_string(Key) + " " + ShiftText(S));
        };
        w->OnEnter = [&Log, n](TObject*) { Log.Add(n + ".OnEnter"); };
        w->OnExit = [&Log, n](TObject*) { Log.Add(n + ".OnExit"); };
    }
}

// An edit-like control: a tab stop that wants characters and arrows (and,
// when asked, Tab), keeps the characters that reach its default handling in
// Typed, and logs its focus messages.
class TEditLike : public TCustomControl {
public:
    explicit TEditLike(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }

    String Typed;
    intptr_t LastCharKeyData = 0;
    // Key downs that reached the default handling (not swallowed).
    std::vector<Word> DefaultKeys;
    // Receives WM_SETFOCUS / WM_KILLFOCUS when set.
    EventLog* FocusLog = nullptr;
    intptr_t DlgCode = DLGC_WANTCHARS | DLGC_WANTARROWS;
    // WM_CANCELMODE messages received.
    int CancelModes = 0;

protected:
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DlgCode; }
    void WMCancelMode(TMessage& Message) override
    {
        ++CancelModes;
        TCustomControl::WMCancelMode(Message);
    }
    void DefaultHandler(TMessage& Message) override
    {
        if (Message.Msg == WM_KEYDOWN)
            DefaultKeys.push_back(Message.CharCode());
        if (Message.Msg == WM_CHAR) {
            Typed += QChar(char16_t(Message.WParam));
            LastCharKeyData = Message.KeyData();
        }
        TCustomControl::DefaultHandler(Message);
    }
    void WMSetFocus(TMessage& Message) override
    {
        if (FocusLog)
            FocusLog->Add(Name().toStdString() + ".WM_SETFOCUS");
        TCustomControl::WMSetFocus(Message);
    }
    void WMKillFocus(TMessage& Message) override
    {
        if (FocusLog)
            FocusLog->Add(Name().toStdString() + ".WM_KILLFOCUS");
        TCustomControl::WMKillFocus(Message);
    }
};

// A plain container.
class TBox : public TCustomControl {
public:
    explicit TBox(TComponent* AOwner) : TCustomControl(AOwner) {}
};

// Starts and ends each test with a clean input state and no capture.
struct GuiTest : ::testing::Test {
    TestKit::InputStateScope input;
};

template <typename T>
T* MakeControl(TComponent* Owner, TWinControl* Parent, const char* Name, int L, int T_, int W, int H)
{
    auto* c = new T(Owner);
    c->SetName(QString::fromLatin1(Name));
    c->SetBounds(L, T_, W, H);
    c->SetParent(Parent);
    return c;
}
