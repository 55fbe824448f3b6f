// TForm: the form events, ShowModal (the nested loop and the modal driver),
// and the dialog keys (Enter / Esc to the default / cancel buttons).
#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QTimer>

#include "gui_fixture.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"

namespace {

constexpr unsigned WM_CLICK_OK = WM_USER + 1;

// A dialog with an edit, OK (default, mrOk) and Cancel (cancel, mrCancel);
// posting WM_CLICK_OK to it clicks OK from inside the modal loop.
class TDialog : public TForm {
public:
    TEdit* Edit;
    TButton* Ok;
    TButton* Cancel;
    EventLog* Log = nullptr;

    explicit TDialog(TComponent* AOwner) : TForm(AOwner)
    {
        BeginLoading();
        SetName("FDialog");
        Edit = MakeControl<TEdit>(this, this, "Edit", 8, 8, 120, 21);
        Ok = MakeControl<TButton>(this, this, "Ok", 8, 40, 75, 25);
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel = MakeControl<TButton>(this, this, "Cancel", 90, 40, 75, 25);
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
        Edit->SetTabOrder(0);
        Ok->SetTabOrder(1);
        Cancel->SetTabOrder(2);
        OnCreate = [this](TObject*) { Add("OnCreate"); };
        OnShow = [this](TObject*) { Add("OnShow"); };
        OnHide = [this](TObject*) { Add("OnHide"); };
        OnActivate = [this](TObject*) { Add("OnActivate"); };
        OnClose = [this](TObject*, TCloseAction&) { Add("OnClose"); };
        Ok->OnClick = [this](TObject*) { Add("Ok.OnClick result=" + std::to_string(ModalResult())); };
        Cancel->OnClick = [this](TObject*) { Add("Cancel.OnClick"); };
        SetClientWidth(200);
        SetClientHeight(80);
        Loaded();
    }
    void Add(const std::string& S)
    {
        if (Log)
            Log->Add(S);
    }

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_CLICK_OK) {
            Ok->Click();
            return;
        }
        TForm::Dispatch(Message);
    }
};

struct FormTest : GuiTest {
    EventLog log;
};

}  // namespace

// ---- the form's events and its window -----------------------------------------------------------

TEST_F(FormTest, OnCreateOnceOnShowEachTimeOnCloseHides)
{
    TDialog f(nullptr);
    f.Log = &log;
    f.OnCreate = [this](TObject*) { log.Add("late OnCreate"); };
    f.DoCreate();  // already fired by Loaded: not again
    f.Show();
    f.Close();
    f.Show();
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnShow", "OnActivate", "OnClose", "OnHide", "OnShow",
                                                   "OnActivate"}));
    EXPECT_TRUE(f.Visible());
}

TEST_F(FormTest, CloseQueryAndCloseActionDecideWhetherTheFormCloses)
{
    TDialog f(nullptr);
    bool allow = false;
    TCloseAction action = caNone;
    f.OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = allow; };
    f.OnClose = [&](TObject*, TCloseAction& A) { A = action; };
    f.Show();
    f.Close();  // refused by OnCloseQuery
    EXPECT_TRUE(f.Visible());
    allow = true;
    f.Close();  // caNone from OnClose
    EXPECT_TRUE(f.Visible());
    action = caHide;
    f.Close();
    EXPECT_FALSE(f.Visible());
}

TEST_F(FormTest, ScreenCentreAndFixedBorder)
{
    TForm f(nullptr);
    f.SetBounds(0, 0, 300, 200);
    f.SetPosition(poScreenCenter);
    f.SetBorderStyle(bsSingle);
    f.Show();
    const TRect area = Screen.WorkAreaRect();
    EXPECT_EQ(f.Left(), area.Left + (area.Width() - 300) / 2);
    EXPECT_EQ(f.Top(), area.Top + (area.Height() - 200) / 2);
    // A fixed border: Qt holds the size; the program can still change it.
    EXPECT_EQ(f.Widget()->minimumSize(), QSize(300, 200));
    EXPECT_EQ(f.Widget()->maximumSize(), QSize(300, 200));
    f.SetClientWidth(350);
    EXPECT_EQ(f.Widget()->maximumSize(), QSize(350, 200));
    f.SetBorderStyle(bsSizeable);
    EXPECT_EQ(f.Widget()->minimumSize(), QSize(0, 0));
    EXPECT_TRUE(f.Visible());
}

TEST_F(FormTest, ChildrenTakeTheFormsFont)
{
    TForm f(nullptr);
    f.Font().SetName("Verdana");
    f.Font().SetHeight(-11);
    auto* label = MakeControl<TLabel>(&f, &f, "L", 0, 0, 10, 10);
    auto* edit = MakeControl<TEdit>(&f, &f, "E", 0, 20, 10, 10);
    f.Font().SetColor(RGBColor(0x33, 0x33, 0x33));
    EXPECT_EQ(label->Font().Name(), "Verdana");
    EXPECT_EQ(edit->Font().Color(), RGBColor(0x33, 0x33, 0x33));
    label->Font().SetHeight(-13);  // its own font from now on
    f.Font().SetHeight(-20);
    EXPECT_EQ(label->Font().Height(), -13);
    EXPECT_EQ(edit->Font().Height(), -20);
}

// ---- ShowModal with the nested loop ---------------------------------------------------------------

TEST_F(FormTest, ModalResultSetInsideTheLoopEndsTheShow)
{
    TDialog f(nullptr);
    f.Log = &log;
    PostMessage(&f, WM_CLICK_OK);
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_FALSE(f.Visible());
    EXPECT_FALSE(f.Modal());
    // OnClick ran before the button gave its result to the form.
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnShow", "OnActivate", "Ok.OnClick result=0", "OnClose",
                                                   "OnHide"}));
    // The same instance shows modally again, from mrNone.
    log.Clear();
    PostMessage(&f, WM_CLOSE);
    EXPECT_EQ(f.ShowModal(), mrCancel);
    EXPECT_EQ(log.lines.front(), "OnShow");
}

TEST_F(FormTest, CloseQueryRefusalKeepsTheModalShowGoing)
{
    TDialog f(nullptr);
    int asked = 0;
    f.OnCloseQuery = [&](TObject*, bool& CanClose) {
        CanClose = ++asked > 1;
        if (!CanClose)
            PostMessage(&f, WM_CLICK_OK);  // the user tries again
    };
    PostMessage(&f, WM_CLICK_OK);
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(asked, 2);
}

TEST_F(FormTest, TimersKeepRunningDuringAModalShow)
{
    TDialog f(nullptr);
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 3)
            f.SetModalResult(mrYes);
    };
    // A safety net: a loop that delivers nothing would wait forever.
    QTimer::singleShot(20000, [&] {
        if (f.Modal())
            f.SetModalResult(mrAbort);
    });
    timer.SetEnabled(true);
    EXPECT_EQ(f.ShowModal(), mrYes);
    EXPECT_EQ(ticks, 3);
}

TEST_F(FormTest, ShowModalOfAVisibleFormRaises)
{
    TDialog f(nullptr);
    f.Show();
    EXPECT_THROW(f.ShowModal(), EInvalidOperation);
}

// ---- the modal driver -----------------------------------------------------------------------------

TEST_F(FormTest, ModalDriverRunsTheRegisteredActionOnTheShownForm)
{
    TestKit::ModalFormDriver modal;
    TDialog f(nullptr);
    f.Log = &log;
    modal.When(&f, [&](TForm& Form) {
        auto& d = static_cast<TDialog&>(Form);
        EXPECT_TRUE(d.Visible());
        EXPECT_TRUE(d.Edit->Focused());
        TestKit::TypeText(nullptr, "demo");
        TestKit::TypeKey(nullptr, VK_RETURN);  // the default button
    });
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(f.Edit->Text(), "demo");
    EXPECT_FALSE(f.Visible());
    ASSERT_EQ(modal.Shown().size(), 1u);
    EXPECT_EQ(modal.Shown()[0].Name, "FDialog");
    EXPECT_EQ(modal.Shown()[0].Result, mrOk);
}

TEST_F(FormTest, ModalDriverMatchesByNameAndClassAndOffersReadyActions)
{
    TestKit::ModalFormDriver modal;
    TDialog a(nullptr), b(nullptr);
    b.SetName("Other");
    modal.WhenNamed("other", TestKit::ModalFormDriver::ClickControl("Cancel"));
    modal.WhenClass<TDialog>([](TDialog& d) { d.SetModalResult(mrRetry); });
    EXPECT_EQ(a.ShowModal(), mrRetry);
    EXPECT_EQ(b.ShowModal(), mrCancel);
    modal.When(&a, TestKit::ModalFormDriver::SetResult(mrIgnore));  // an instance rule wins
    EXPECT_EQ(a.ShowModal(), mrIgnore);
}

TEST_F(FormTest, ModalDriverLeavesTheResultToTheForm)
{
    TestKit::ModalFormDriver modal;
    TDialog f(nullptr);
    f.OnShow = [&](TObject*) { PostMessage(&f, WM_CLICK_OK); };
    modal.When(&f, TestKit::ModalFormDriver::LeaveToForm());
    EXPECT_EQ(f.ShowModal(), mrOk);
}

TEST_F(FormTest, ModalDriverFailsOnUnexpectedOrAbandonedForms)
{
    TDialog f(nullptr);
    EXPECT_NONFATAL_FAILURE(
        {
            TestKit::ModalFormDriver modal;
            EXPECT_EQ(f.ShowModal(), mrCancel);
        },
        "Unexpected modal form: FDialog");
    EXPECT_NONFATAL_FAILURE(
        {
            TestKit::ModalFormDriver modal;
            modal.When(&f, [](TForm&) {});
            EXPECT_EQ(f.ShowModal(), mrCancel);
        },
        "was left open");
    EXPECT_FALSE(f.Visible());
}

TEST_F(FormTest, ModalDriverHandlesNestedModalShows)
{
    TestKit::ModalFormDriver modal;
    TDialog outer(nullptr), inner(nullptr);
    inner.SetName("Inner");
    modal.When(&inner, TestKit::ModalFormDriver::SetResult(mrYes));
    modal.When(&outer, [&](TForm& F) {
        F.SetModalResult(inner.ShowModal() == mrYes ? mrOk : mrAbort);
        EXPECT_EQ(Screen.ActiveForm(), &outer);  // active again after the inner show
    });
    EXPECT_EQ(outer.ShowModal(), mrOk);
}

// ---- dialog keys -------------------------------------------------------------------------------------

TEST_F(FormTest, EnterAndEscGoToTheDefaultAndCancelButtons)
{
    struct Case {
        const char* what;
        std::function<void(TDialog&)> setup;
        Word key;
        std::vector<std::string> expected;
        TModalResult result;
    };
    const Case cases[] = {
        {"Enter in the edit", {}, VK_RETURN, {"Ok.OnClick result=0"}, mrOk},
        {"Esc in the edit", {}, VK_ESCAPE, {"Cancel.OnClick"}, mrCancel},
        {"Enter on the focused Cancel button", [](TDialog& d) { d.Cancel->SetFocus(); }, VK_RETURN, {"Cancel.OnClick"},
         mrCancel},
        {"Enter with the default button disabled", [](TDialog& d) { d.Ok->SetEnabled(false); }, VK_RETURN, {}, mrNone},
        {"Enter with no default button", [](TDialog& d) { d.Ok->SetDefault(false); }, VK_RETURN, {}, mrNone},
        {"Esc with no cancel button", [](TDialog& d) { d.Cancel->SetCancel(false); }, VK_ESCAPE, {}, mrNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDialog f(nullptr);
        EventLog local;
        f.Log = &local;
        f.Show();
        if (c.setup)
            c.setup(f);
        local.Clear();
        TestKit::TypeKey(nullptr, c.key);
        EXPECT_EQ(local.lines, c.expected);
        EXPECT_EQ(f.ModalResult(), c.result);
    }
}

TEST_F(FormTest, EnterReachesTheEditWhenNoButtonTakesIt)
{
    TDialog f(nullptr);
    f.Ok->SetDefault(false);
    std::vector<int> pressed;
    f.Edit->OnKeyPress = [&](TObject*, QChar& Key) { pressed.push_back(Key.unicode()); };
    f.Show();
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_EQ(pressed, std::vector<int>{13});
}

TEST_F(FormTest, AnyControlMayAnswerADialogKey)
{
    // A control of its own that takes Enter through CM_DIALOGKEY.
    struct TAnswering : TCustomControl {
        using TCustomControl::TCustomControl;
        int enters = 0;

    protected:
        void CMDialogKey(TMessage& M) override
        {
            if (M.CharCode() == VK_RETURN) {
                ++enters;
                M.Result = 1;
                return;
            }
            TCustomControl::CMDialogKey(M);
        }
    };
    TForm f(nullptr);
    auto* edit = MakeControl<TEdit>(&f, &f, "Edit", 0, 0, 50, 21);
    auto* answering = MakeControl<TAnswering>(&f, &f, "Answering", 0, 30, 10, 10);
    f.Show();
    edit->SetFocus();
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_EQ(answering->enters, 1);
}

TEST_F(FormTest, TabWalksTheTabOrderAndSkipsDisabledControls)
{
    TDialog f(nullptr);
    f.Show();
    EXPECT_TRUE(f.Edit->Focused());
    TestKit::TypeKey(nullptr, VK_TAB);
    EXPECT_TRUE(f.Ok->Focused());
    f.Cancel->SetEnabled(false);
    TestKit::TypeKey(nullptr, VK_TAB);
    EXPECT_TRUE(f.Edit->Focused());
    TestKit::TypeKey(nullptr, VK_TAB, {ssShift});
    EXPECT_TRUE(f.Ok->Focused());
}

namespace {

// A control that notes the clip rectangle its canvas reports while painting.
class TClipProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<TRect> Clips;

protected:
    void Paint() override { Clips.push_back(Canvas().ClipRect()); }
};

}  // namespace

// A control lower and further right in its form reports the clip of its own
// client area, whether the form paints it through the window's backing
// store or as a picture: the offset of the control in the window is not in
// it (a renderer that skips lines outside the clip would lose them).
TEST(FormPaint, ACanvasClipIsInTheControlsOwnCoordinates)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(150);
    auto* probe = MakeControl<TClipProbe>(&form, &form, "Probe", 30, 60, 80, 40);
    form.Show();
    QApplication::processEvents();
    probe->Clips.clear();
    probe->Repaint();
    QApplication::processEvents();
    ASSERT_FALSE(probe->Clips.empty());
    for (const TRect& r : probe->Clips)
        EXPECT_EQ(r, TRect(0, 0, 80, 40));
    probe->Clips.clear();
    probe->InvalidateClientRect(TRect(10, 5, 30, 25));
    probe->Update();
    QApplication::processEvents();
    ASSERT_FALSE(probe->Clips.empty());
    EXPECT_EQ(probe->Clips.back(), TRect(10, 5, 30, 25));
    form.Hide();
}
