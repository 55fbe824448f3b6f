// The edit link of edCustom cells: in place and in the popup "gridform",
// the want-key flags and the leave keys.
#include "edit_fixture.h"

#include "grid/core/grid_types.h"
#include "grid/edit/grid_edit_link.h"
#include "platform/gui/popupform.h"

namespace {

// An application's edit link over a plain edit.
class TTextLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TEdit* Edit = nullptr;
    TWinControl* Parent = nullptr;
    void CreateEditor(TWinControl* AParent) override
    {
        Parent = AParent;
        if (!Edit) {
            Edit = new TEdit(AParent);
            Edit->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
        }
        Edit->SetParent(AParent);
    }
    void DestroyEditor() override {}
    TWinControl* GetEditControl() override { return Edit; }
    String GetEditorValue() override { return Edit ? Edit->Text() : String(); }
    void SetEditorValue(const String& Value) override
    {
        if (Edit)
            Edit->SetText(Value);
    }
};

struct LinkTest : EditTest {
    TTextLink* link = nullptr;
    LinkTest()
    {
        link = new TTextLink(&form);
        grid->SetEditLink(link);
        grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
            if (C == 2)
                E = TEditorType::edCustom;
        };
    }
    ~LinkTest() override
    {
        if (TComponent* f = Application.FindComponent("gridform"))
            delete f;
    }
    bool LinkShown() const { return link->Edit && link->Edit->Visible() && grid->EditMode; }
    void Open(int C, int R)
    {
        Goto(C, R);
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
    }
    using EditTest::Key;
};

}  // namespace

TEST_F(LinkTest, InPlaceTheLinkEditsTheCellAndEnterAdvances)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    Validate();
    Open(2, 1);
    ASSERT_TRUE(LinkShown());
    EXPECT_EQ(link->Parent, grid);
    EXPECT_EQ(link->Grid(), grid);
    EXPECT_EQ(link->EditCell(), TPoint(2, 1));
    EXPECT_EQ(S(link->Edit->Text()), "2,1");
    const TRect r = grid->CellRect(2, 1);
    EXPECT_EQ(link->Edit->Left(), r.Left);
    EXPECT_EQ(link->Edit->Width(), r.Width() - grid->GridLineWidth());
    link->Edit->SetText("linked");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "linked");
    EXPECT_EQ(Current(), TPoint(3, 1)) << "the advance goes left to right";
    EXPECT_NE(std::find(log.begin(), log.end(), "validate 2,1 'linked' cell 'linked'"), log.end());
}

TEST_F(LinkTest, ShiftEnterAdvancesBackward)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    Open(2, 3);
    ASSERT_TRUE(LinkShown());
    Key(VK_RETURN, TShiftState{ssShift});
    TestKit::PumpPostedMessages();
    EXPECT_EQ(Current(), TPoint(1, 3));
}

TEST_F(LinkTest, WantKeyUpDownKeepsUpAndDownInTheControl)
{
    for (bool want : {true, false}) {
        SCOPED_TRACE(want);
        link->SetWantKeyUpDown(want);
        Open(2, 2);
        ASSERT_TRUE(LinkShown());
        Key(VK_DOWN);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(LinkShown(), want);
        EXPECT_EQ(Current(), want ? TPoint(2, 2) : TPoint(2, 3));
        if (want)
            Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
    }
}

TEST_F(LinkTest, ARefusedValueReopensTheEditorOnTheSameCell)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    Validate([](String&, bool& Valid) { Valid = false; });
    Open(2, 1);
    link->Edit->SetText("bad");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(Current(), TPoint(2, 1));
    EXPECT_TRUE(LinkShown());
    EXPECT_EQ(S(grid->Cells(2, 1)), "2,1");
}

TEST_F(LinkTest, EscapeGivesBackTheOriginalText)
{
    Open(2, 1);
    link->Edit->SetText("changed");
    Key(VK_ESCAPE);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "2,1");
    EXPECT_FALSE(LinkShown());
}

TEST_F(LinkTest, TabWithTabToNextAtEndOpensTheNextCellThroughF2)
{
    grid->Navigation()->SetTabToNextAtEnd(true);
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 2 || C == 3)
            E = TEditorType::edCustom;
    };
    link->SetWantTabs(false);
    Open(2, 1);
    ASSERT_TRUE(LinkShown());
    link->Edit->SetText("one");
    // The link's control sees Tab as its key-down (the grid takes Tab).
    Word tab = VK_TAB;
    link->EditKeyDown(link->Edit, tab, {});
    TestKit::PumpPostedMessages();
    EXPECT_EQ(tab, 0);
    EXPECT_EQ(S(grid->Cells(2, 1)), "one");
    EXPECT_EQ(Current(), TPoint(3, 1));
    EXPECT_TRUE(LinkShown()) << "the posted F2 opened the next cell's editor";
    EXPECT_EQ(S(link->Edit->Text()), "3,1");
}

TEST_F(LinkTest, ThePopupIsABorderlessStayOnTopFormNamedGridform)
{
    link->SetEditStyle(esPopup);
    link->SetPopupWidth(180);
    link->SetPopupHeight(60);
    struct Case {
        int left, top;
    };
    for (const Case c : {Case{-1, -1}, Case{300, 200}}) {
        SCOPED_TRACE(c.left);
        link->SetPopupLeft(c.left);
        link->SetPopupTop(c.top);
        Open(2, 1);
        auto* form = dynamic_cast<TPopupForm*>(Application.FindComponent("gridform"));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(link->PopupForm(), form);
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(form->BorderStyle(), bsNone);
        EXPECT_EQ(link->Parent, form);
        const TPoint at = c.left == -1 ? grid->ClientToScreen(grid->CellRect(2, 1).TopLeft()) : TPoint(300, 200);
        EXPECT_EQ(form->Left(), at.X);
        EXPECT_EQ(form->Top(), at.Y);
        EXPECT_EQ(form->Width(), 180);
        EXPECT_EQ(form->Height(), 60);
        link->Edit->SetText("popped");
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(form->Visible());
        EXPECT_EQ(S(grid->Cells(2, 1)), "popped");
        grid->SetCells(2, 1, "2,1");
    }
}

TEST_F(LinkTest, WithoutALinkEdCustomOpensNothing)
{
    grid->SetEditLink(nullptr);
    Open(2, 1);
    EXPECT_FALSE(grid->EditMode);
    EXPECT_EQ(S(grid->Cells(2, 1)), "2,1");
}
