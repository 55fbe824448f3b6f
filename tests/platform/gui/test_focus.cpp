// The layer's focus: Tab order, SetFocus, ActiveControl, OnEnter/OnExit,
// forms becoming active. Runs on the offscreen platform.
#include "gui_fixture.h"

namespace {

// Edit1, a panel holding Edit2 and Edit3, Edit4, and three controls Tab must
// skip: Disabled, Hidden and NoStop.
struct FocusTest : GuiTest {
    TCustomForm* form = new TCustomForm(nullptr);
    TEditLike* edit1 = MakeControl<TEditLike>(form, form, "Edit1", 10, 10, 100, 20);
    TBox* panel = MakeControl<TBox>(form, form, "Panel", 10, 40, 200, 80);
    TEditLike* edit2 = MakeControl<TEditLike>(form, panel, "Edit2", 5, 5, 100, 20);
    TEditLike* edit3 = MakeControl<TEditLike>(form, panel, "Edit3", 5, 35, 100, 20);
    TEditLike* edit4 = MakeControl<TEditLike>(form, form, "Edit4", 10, 130, 100, 20);
    TEditLike* disabled = MakeControl<TEditLike>(form, form, "Disabled", 10, 160, 100, 20);
    TEditLike* hidden = MakeControl<TEditLike>(form, form, "Hidden", 10, 190, 100, 20);
    TEditLike* noStop = MakeControl<TEditLike>(form, form, "NoStop", 10, 220, 100, 20);
    EventLog log;

    void SetUp() override
    {
        form->SetName("Form");
        disabled->SetEnabled(false);
        hidden->SetVisible(false);
        noStop->SetTabStop(false);
        for (TWinControl* c : std::initializer_list<TWinControl*>{edit1, panel, edit2, edit3, edit4})
            Watch(c, log);
    }
    void TearDown() override { delete form; }

    std::string Focus() const
    {
        TWinControl* f = GetFocusedControl();
        return f ? f->Name().toStdString() : "(none)";
    }
};

}  // namespace

TEST_F(FocusTest, ShowingTheFormFocusesTheFirstTabStop)
{
    EXPECT_EQ(Focus(), "(none)");
    form->Show();
    EXPECT_EQ(Focus(), "Edit1");
    EXPECT_EQ(form->ActiveControl(), edit1);
    EXPECT_EQ(Screen.ActiveForm(), form);
    EXPECT_EQ(Screen.ActiveControl(), edit1);
    EXPECT_TRUE(edit1->Focused());
}

TEST_F(FocusTest, TabAndShiftTabWalkTheChain)
{
    form->Show();
    std::vector<std::string> forward, backward;
    for (int i = 0; i < 5; ++i) {
        TestKit::TypeKey(nullptr, VK_TAB);
        forward.push_back(Focus());
    }
    // Disabled, Hidden and NoStop are skipped; the panel is no tab stop but
    // its children are walked in place; the walk wraps around.
    EXPECT_EQ(forward, (std::vector<std::string>{"Edit2", "Edit3", "Edit4", "Edit1", "Edit2"}));
    for (int i = 0; i < 5; ++i) {
        TestKit::TypeKey(nullptr, VK_TAB, {ssShift});
        backward.push_back(Focus());
    }
    EXPECT_EQ(backward, (std::vector<std::string>{"Edit1", "Edit4", "Edit3", "Edit2", "Edit1"}));
}

TEST_F(FocusTest, TabOrderDecidesTheWalk)
{
    form->Show();
    edit4->SetTabOrder(0);
    EXPECT_EQ(edit4->TabOrder(), 0);
    EXPECT_EQ(edit1->TabOrder(), 1);
    edit3->SetTabOrder(0);  // within the panel
    std::vector<std::string> walk;
    for (int i = 0; i < 4; ++i) {
        TestKit::TypeKey(nullptr, VK_TAB);
        walk.push_back(Focus());
    }
    EXPECT_EQ(walk, (std::vector<std::string>{"Edit3", "Edit2", "Edit4", "Edit1"}));
    edit2->SetTabOrder(99);  // clamped to the last place
    EXPECT_EQ(edit2->TabOrder(), 1);
}

TEST_F(FocusTest, EnterAndExitFollowTheContainers)
{
    edit2->FocusLog = &log;
    edit1->FocusLog = &log;
    edit3->FocusLog = &log;
    form->Show();
    log.Clear();
    edit2->SetFocus();
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit1.WM_KILLFOCUS", "Edit1.OnExit", "Panel.OnEnter",
                                                    "Edit2.OnEnter", "Edit2.WM_SETFOCUS"}));
    log.Clear();
    edit3->SetFocus();  // inside the same panel
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit2.WM_KILLFOCUS", "Edit2.OnExit", "Edit3.OnEnter",
                                                    "Edit3.WM_SETFOCUS"}));
    log.Clear();
    edit4->SetFocus();
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"Edit3.WM_KILLFOCUS", "Edit3.OnExit", "Panel.OnExit", "Edit4.OnEnter"}));
}

TEST_F(FocusTest, FocusMovedInOnExitWins)
{
    form->Show();
    // A validation that sends the focus back.
    edit1->OnExit = [&](TObject*) {
        log.Add("Edit1.OnExit");
        edit1->SetFocus();
    };
    edit4->SetFocus();
    EXPECT_EQ(Focus(), "Edit1");
    EXPECT_EQ(form->ActiveControl(), edit1);
}

TEST_F(FocusTest, SetFocusAndActiveControl)
{
    form->Show();
    edit3->SetFocus();
    EXPECT_EQ(Focus(), "Edit3");
    EXPECT_EQ(form->ActiveControl(), edit3);
    form->SetActiveControl(edit4);
    EXPECT_EQ(Focus(), "Edit4");
    EXPECT_TRUE(edit4->Focused());
    EXPECT_FALSE(edit3->Focused());
    EXPECT_THROW(disabled->SetFocus(), EInvalidOperation);
    EXPECT_THROW(hidden->SetFocus(), EInvalidOperation);
    EXPECT_THROW(form->SetActiveControl(disabled), EInvalidOperation);
    EXPECT_FALSE(disabled->CanFocus());
    edit2->SetEnabled(false);
    panel->SetEnabled(true);
    EXPECT_FALSE(edit2->CanFocus());
    panel->SetEnabled(false);
    edit2->SetEnabled(true);
    EXPECT_FALSE(edit2->CanFocus());  // a disabled parent
    EXPECT_EQ(Focus(), "Edit4");
}

TEST_F(FocusTest, ActiveControlOfAHiddenFormWaitsForTheShow)
{
    EXPECT_THROW(edit3->SetFocus(), EInvalidOperation);  // the form is not shown
    form->SetActiveControl(edit3);
    EXPECT_EQ(Focus(), "(none)");
    form->Show();
    EXPECT_EQ(Focus(), "Edit3");
}

TEST_F(FocusTest, HidingOrDisablingTheFocusedControlGivesTheFocusToTheForm)
{
    form->Show();
    edit2->SetFocus();
    log.Clear();
    edit2->Hide();
    EXPECT_EQ(Focus(), "Form");
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit2.OnExit", "Panel.OnExit"}));
    // Tab from the form itself starts at the first control.
    TestKit::TypeKey(nullptr, VK_TAB);
    EXPECT_EQ(Focus(), "Edit1");
    edit1->SetEnabled(false);
    EXPECT_EQ(Focus(), "Form");
}

TEST_F(FocusTest, DestroyingTheFocusedControlLeavesNoDanglingFocus)
{
    form->Show();
    edit3->SetFocus();
    delete edit3;
    EXPECT_EQ(Focus(), "Form");
    TestKit::TypeKey(nullptr, VK_TAB);
    EXPECT_EQ(Focus(), "Edit1");
}

TEST_F(FocusTest, SwitchingFormsKeepsEachFormsActiveControl)
{
    form->Show();
    edit4->SetFocus();
    TCustomForm other(nullptr);
    other.SetName("Other");
    auto* otherEdit = MakeControl<TEditLike>(&other, &other, "OtherEdit", 5, 5, 50, 20);
    log.Clear();
    other.Show();
    EXPECT_EQ(Focus(), "OtherEdit");
    EXPECT_EQ(Screen.ActiveForm(), &other);
    EXPECT_FALSE(form->Active());
    EXPECT_TRUE(log.lines.empty());  // leaving a form fires no OnExit
    other.Hide();
    EXPECT_EQ(Screen.ActiveForm(), form);
    EXPECT_EQ(Focus(), "Edit4");
    (void)otherEdit;
}
