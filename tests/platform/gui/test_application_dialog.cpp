// The dialog pattern of docs/ARCHITECTURE.md ("GUI layer"), as written
// there: a form built from a table of its controls, then Loaded.
#include "gui_fixture.h"

namespace {

// A caption painted by itself.
class TCaptionBox : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetStyle(bsClear);
        Canvas().TextOut(0, 0, Caption());
    }
};

// An edit-like field: a tab stop that keeps what is typed.
class TField : public TCustomControl {
public:
    explicit TField(TComponent* AOwner) : TCustomControl(AOwner)
    {
        SetTabStop(true);
        SetColor(clWindow);
    }
    String Value;

protected:
    void WMGetDlgCode(TMessage& M) override { M.Result = DLGC_WANTCHARS | DLGC_WANTARROWS; }
    // Characters OnKeyPress let through.
    void DefaultHandler(TMessage& M) override
    {
        if (M.Msg == WM_CHAR && M.CharCode() >= 32) {
            Value += QChar(char16_t(M.CharCode()));
            Invalidate();
        }
        TCustomControl::DefaultHandler(M);
    }
    void Paint() override
    {
        Canvas().Pen().SetColor(clGray);
        Canvas().Rectangle(ClientRect());
        Canvas().TextOut(3, 3, Value);
    }
};

enum class TKind { Caption, Field };
struct TControlRow {
    const char* Name;
    TKind Kind;
    TRect BoundsRect;
    TAnchors Anchors;
    int TabOrder;  // -1: none
    const char* Caption;
};

// The design's control list of the dialog, one row per control.
const TControlRow kLoginControls[] = {
    {"L_User", TKind::Caption, Bounds(8, 12, 60, 13), {akLeft, akTop}, -1, "User"},
    {"E_Password", TKind::Field, Bounds(72, 36, 160, 21), {akLeft, akTop, akRight}, 1, ""},
    {"E_User", TKind::Field, Bounds(72, 8, 160, 21), {akLeft, akTop, akRight}, 0, ""},
};

class TFLogin : public TCustomForm {
public:
    TField* E_User = nullptr;
    TField* E_Password = nullptr;

    explicit TFLogin(TComponent* AOwner) : TCustomForm(AOwner)
    {
        BeginLoading();  // controls created now load with the form
        SetCaption("Log in");
        for (const TControlRow& r : kLoginControls) {
            TControl* c = r.Kind == TKind::Caption ? static_cast<TControl*>(new TCaptionBox(this))
                                                   : static_cast<TControl*>(new TField(this));
            c->SetName(r.Name);
            c->SetBoundsRect(r.BoundsRect);
            c->SetAnchors(r.Anchors);
            c->SetCaption(r.Caption);
            c->SetParent(this);
            if (auto* w = dynamic_cast<TWinControl*>(c); w && r.TabOrder >= 0)
                w->SetTabOrder(r.TabOrder);
        }
        SetClientWidth(240);
        SetClientHeight(64);
        E_User = static_cast<TField*>(FindComponent("E_User"));
        E_Password = static_cast<TField*>(FindComponent("E_Password"));
        Loaded();  // anchors measured, tab order put together
    }
};

}  // namespace

TEST(DialogPattern, AFormBuiltFromItsControlTable)
{
    TestKit::InputStateScope input;
    TFLogin f(nullptr);
    EXPECT_EQ(f.ActiveControl(), nullptr);
    f.Show();
    // The table lists E_Password first; its tab orders put E_User first.
    EXPECT_TRUE(f.E_User->Focused());
    TestKit::TypeText(nullptr, "bob\tpw");
    EXPECT_EQ(f.E_User->Value, "bob");
    EXPECT_EQ(f.E_Password->Value, "pw");
    // Anchored left and right: the fields grow with the form.
    f.SetClientWidth(340);
    EXPECT_EQ(f.E_User->Width(), 260);
    EXPECT_EQ(f.FindComponent("L_User")->Owner(), &f);
}
