// The in-place editor: how it starts, what it asks the grid in which
// order, and how it ends.
#include "grid_fixture.h"
#include "support/mask_cases.h"

namespace {

struct EditorTest : GridTest {
    EditorTest()
    {
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->Clear();
    }
    // The editing hooks in the order they were called.
    std::vector<std::string> Hooks() const
    {
        std::vector<std::string> r;
        for (const auto& l : grid->Log)
            for (const char* p : {"CanEditShow", "CreateEditor", "GetEdit", "SetEditText"})
                if (l.rfind(p, 0) == 0)
                    r.push_back(l);
        return r;
    }
    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
    bool EditorShown() const { return Editor() && Editor()->Visible(); }
};

}  // namespace

TEST_F(EditorTest, F2ThenTypingThenEnter)
{
    TestKit::TypeKey(grid, VK_F2);
    EXPECT_EQ(Hooks(), (std::vector<std::string>{"CanEditShow true", "CreateEditor", "GetEditMask 1,1",
                                                 "GetEditText 1,1=1,1", "GetEditLimit"}));
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->Parent(), grid);
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
    EXPECT_EQ(Editor()->Text(), "1,1");
    EXPECT_EQ(Editor()->SelLength(), 0);  // F2 edits the text as it is
    grid->Clear();
    TestKit::TypeText(nullptr, "xy");
    // Every change reaches the cell at once.
    EXPECT_EQ(Hooks(), (std::vector<std::string>{"SetEditText 1,1=1,1x", "SetEditText 1,1=1,1xy"}));
    EXPECT_EQ(grid->Cells(1, 1), "1,1xy");
    grid->Clear();
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_EQ(Hooks(), std::vector<std::string>{"SetEditText 1,1=1,1xy"});
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(grid->Focused());
    // Shown again: loaded again, the same editor.
    TInplaceEdit* first = Editor();
    grid->Clear();
    TestKit::TypeKey(grid, VK_F2);
    EXPECT_EQ(Hooks(), (std::vector<std::string>{"CanEditShow true", "GetEditMask 1,1", "GetEditText 1,1=1,1xy",
                                                 "GetEditLimit"}));
    EXPECT_EQ(Editor(), first);
}

TEST_F(EditorTest, EnterTogglesTheEditor)
{
    TestKit::TypeKey(grid, VK_RETURN);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->SelLength(), 3);  // all selected: typing replaces
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_FALSE(EditorShown());
    // OnKeyPress may take the Enter away from the grid.
    grid->OnKeyPress = [](TObject*, QChar& Key) {
        if (Key.unicode() == 13)
            Key = QChar();
    };
    TestKit::TypeKey(grid, VK_RETURN);
    EXPECT_FALSE(EditorShown());
}

TEST_F(EditorTest, ATypedCharacterStartsTheEditorAndReplacesTheText)
{
    std::vector<int> pressed;
    grid->OnKeyPress = [&](TObject*, QChar& Key) { pressed.push_back(Key.unicode()); };
    TestKit::TypeKey(grid, 'Q');
    ASSERT_TRUE(EditorShown());
    // The character is posted to the editor.
    EXPECT_EQ(Editor()->Text(), "1,1");
    EXPECT_TRUE(pressed.empty());
    TestKit::PumpPostedMessages();
    EXPECT_EQ(Editor()->Text(), "q");
    EXPECT_EQ(pressed, std::vector<int>{'q'});
    EXPECT_EQ(Hooks(), (std::vector<std::string>{"CanEditShow true", "CreateEditor", "GetEditMask 1,1",
                                                 "GetEditText 1,1=1,1", "GetEditLimit", "SetEditText 1,1=q"}));
    // Backspace starts editing too.
    TestKit::TypeKey(nullptr, VK_RETURN);
    grid->SetRow(2);
    TestKit::TypeKey(grid, VK_BACK);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(grid->Cells(1, 2), "");
}

TEST_F(EditorTest, EscRestoresTheText)
{
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeText(nullptr, "zz");
    EXPECT_EQ(grid->Cells(1, 1), "1,1zz");
    grid->Clear();
    TestKit::TypeKey(nullptr, VK_ESCAPE);
    EXPECT_EQ(Hooks(), std::vector<std::string>{"SetEditText 1,1=1,1"});
    EXPECT_EQ(grid->Cells(1, 1), "1,1");
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(grid->Focused());
}

TEST_F(EditorTest, TheEditorKeepsEnterAndEscFromTheDialogButtons)
{
    int clicks = 0;
    auto* ok = new TButton(&form);
    ok->SetBounds(500, 400, 75, 25);
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->OnClick = [&](TObject*) { ++clicks; };
    ok->SetParent(&form);
    grid->SetFocus();
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeKey(nullptr, VK_ESCAPE);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_EQ(clicks, 0);
    // The grid itself leaves Enter to the default button.
    TestKit::TypeKey(grid, VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(EditorShown());
}

TEST_F(EditorTest, MovingTheCurrentCellCommitsAndHides)
{
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeText(nullptr, "!");
    grid->Clear();
    TestKit::TypeKey(nullptr, VK_DOWN);  // the editor passes it to the grid
    EXPECT_EQ(Hooks(), std::vector<std::string>{"SetEditText 1,1=1,1!"});
    EXPECT_EQ(Cur(), "1,2");
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_TRUE(grid->Focused());
    // A vetoed move keeps the editor where it is.
    TestKit::TypeKey(grid, VK_F2);
    grid->VetoCol = 1;
    grid->VetoRow = 3;
    TestKit::TypeKey(nullptr, VK_DOWN);
    EXPECT_EQ(Cur(), "1,2");
    EXPECT_TRUE(EditorShown());
}

TEST_F(EditorTest, ClicksOnTheCurrentCellStartEditing)
{
    ClickCell(2, 2);
    EXPECT_FALSE(EditorShown());
    int clicks = 0;
    grid->OnClick = [&](TObject*) { ++clicks; };
    ClickCell(2, 2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Editor()->SelLength(), 3);
    TestKit::TypeText(nullptr, "#");
    // A click elsewhere stores the text and moves on.
    ClickCell(4, 3);
    EXPECT_EQ(grid->Cells(2, 2), "#");
    EXPECT_EQ(Cur(), "4,3");
    EXPECT_FALSE(EditorShown());
    // A double click on a cell moves there and opens the editor.
    const TPoint p = Mid(3, 5);
    TestKit::DblClick(grid, p.X, p.Y);
    EXPECT_EQ(Cur(), "3,5");
    EXPECT_TRUE(EditorShown());
}

TEST_F(EditorTest, AlwaysShowEditorFollowsTheCurrentCell)
{
    grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(Editor()->Focused());
    TestKit::TypeText(nullptr, "a");
    TestKit::TypeKey(nullptr, VK_DOWN);
    EXPECT_EQ(grid->Cells(1, 1), "a");
    EXPECT_EQ(Cur(), "1,2");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), "1,2");
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 2));
    EXPECT_TRUE(Editor()->Focused());
    // Esc brings the text back and leaves the editor open.
    TestKit::TypeText(nullptr, "b");
    TestKit::TypeKey(nullptr, VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 2), "1,2");
    EXPECT_TRUE(EditorShown());
    // Enter does not close it; Right at the end of the text moves on.
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_TRUE(EditorShown());
    TestKit::TypeKey(nullptr, VK_END);
    TestKit::TypeKey(nullptr, VK_RIGHT);
    EXPECT_EQ(Cur(), "2,2");
}

TEST_F(EditorTest, TheEditorFollowsScrollingAndSizes)
{
    TestKit::TypeKey(grid, VK_F2);
    grid->SetTopRow(6);
    EXPECT_EQ(Editor()->BoundsRect(), TRect{});  // the cell is off screen
    EXPECT_TRUE(grid->EditorMode());
    grid->SetTopRow(1);
    grid->SetColWidths(0, 30);
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(1, 1));
    EXPECT_EQ(Editor()->BoundsRect(), Rect(31, 25, 95, 49));
}

TEST_F(EditorTest, OptionsMayChangeWhileEditing)
{
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeText(nullptr, "?");
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "1,1?");
    EXPECT_TRUE(grid->Focused());
    // Without goEditing the keys that start editing do nothing.
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeKey(grid, 'A');
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "1,1?");
    // goRowSelect keeps the editor away as well.
    grid->SetOptions(grid->Options() + TGridOptions{goEditing, goRowSelect});
    grid->ShowEditor();
    EXPECT_FALSE(EditorShown());
}

TEST_F(EditorTest, LimitAndMask)
{
    grid->Limit = 3;
    TestKit::TypeKey(grid, VK_RETURN);
    TestKit::TypeText(nullptr, "abcdef");
    EXPECT_EQ(grid->Cells(1, 1), "abc");
    TestKit::TypeKey(nullptr, VK_RETURN);

    grid->Limit = 0;
    for (const MaskCase& c : CommonMaskCases) {
        SCOPED_TRACE(c.mask);
        grid->Mask = c.mask;
        grid->SetCells(2, 2, "");
        grid->FocusCell(2, 2, true);
        TestKit::TypeKey(grid, VK_F2);
        ASSERT_TRUE(EditorShown());
        Editor()->SetSelStart(0);
        TestKit::TypeText(nullptr, c.typed);
        EXPECT_EQ(grid->InplaceEditor()->EditMask(), c.mask);
        EXPECT_EQ(Editor()->EditValue(), c.stored);
        TestKit::TypeKey(nullptr, VK_RETURN);
        EXPECT_EQ(grid->Cells(2, 2), c.stored);
    }
}

TEST_F(EditorTest, LeavingTheGridStoresAndHidesTheEditor)
{
    auto* other = new TEdit(&form);
    other->SetBounds(420, 300, 100, 21);
    other->SetParent(&form);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeText(nullptr, "+");
    other->SetFocus();
    EXPECT_TRUE(other->Focused());
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "1,1+");
    // Shrinking the grid under an open editor stores its text first.
    grid->SetFocus();
    grid->SetRow(4);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeText(nullptr, "-");
    grid->Clear();
    grid->SetRowCount(3);
    EXPECT_EQ(grid->Log.front(), "SetEditText 1,4=1,4-");
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Cur(), "1,2");
}

TEST_F(EditorTest, AClickIntoAnUnfocusedGridWithAlwaysShowEditor)
{
    auto* other = new TEdit(&form);
    other->SetBounds(420, 300, 100, 21);
    other->SetParent(&form);
    other->SetFocus();
    grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    ASSERT_TRUE(EditorShown());  // shown without the focus too
    EXPECT_FALSE(Editor()->Focused());
    ClickCell(2, 3);
    EXPECT_EQ(Cur(), "2,3");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->BoundsRect(), grid->CellRect(2, 3));
    EXPECT_TRUE(Editor()->Focused());
}
