// The grid drop-down as the cell editor of edVynGridDropDown: opened through
// the registered factory, loaded with the cell, the wrapper family's keys,
// and a row chosen in the popup written back to the cell.
#include "grid/edit/edit_fixture.h"

#include "controls/dropdown/grid/GridDropDownEditors.h"
#include "grid/core/grid_types.h"

namespace {

// A grid whose column 2 opens the editor of Kind, TDrop, through the
// registered factory.
template <class TDrop, TEditorType Kind> struct DropEditorTest : EditTest {

    DropEditorTest()
    {
        RegisterGridDropDownEditors();
        grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
            if (C == 2)
                E = Kind;
        };
    }
    ~DropEditorTest() override { RegisterGridDropDownFactory(Kind, nullptr); }
    // The editor (made when Make is set).
    TDrop* Drop(bool Make = false) const { return dynamic_cast<TDrop*>(grid->DropDownEditor(Kind, Make)); }
    bool DropShown() const { return Drop() && Drop()->Visible(); }
    void Open(int C, int R)
    {
        Goto(C, R);
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
    }
    // Alt+Down opens the popup, Down moves Downs rows there and Enter picks
    // the row; the keys go where the focus is, as a user's do.
    void PickInPopup(int Downs)
    {
        Key(VK_DOWN, TShiftState{ssAlt});
        TestKit::PumpPostedMessages();
        ASSERT_TRUE(Drop()->DroppedDown());
        for (int i = 0; i < Downs; ++i)
            Key(VK_DOWN);
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
    }
    // The cell holding Text opens its editor over the cell, loaded with it.
    void OpenLoadedWith(const std::string& Text)
    {
        grid->SetCells(2, 1, String::fromStdString(Text));
        Open(2, 1);
        ASSERT_TRUE(DropShown()) << "the registered factory makes the control";
        EXPECT_TRUE(grid->EditMode);
        EXPECT_EQ(S(Drop()->Text()), Text);
        const TRect r = grid->CellRect(2, 1);
        EXPECT_EQ(Drop()->Left(), r.Left);
        EXPECT_EQ(Drop()->Top(), r.Top);
    }
    // Esc on the open editor ends the edit and the cell keeps Text.
    void EscKeeps(const std::string& Text)
    {
        Drop()->SetTextDirect("changed");
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(DropShown());
        EXPECT_FALSE(grid->EditMode);
        EXPECT_EQ(S(grid->Cells(2, 1)), Text);
        EXPECT_TRUE(grid->Focused());
    }
    // Down commits the edited text and moves to the next row.
    void DownCommitsAndMoves()
    {
        Validate();
        Open(2, 1);
        ASSERT_TRUE(DropShown());
        Drop()->SetTextDirect("new");
        Key(VK_DOWN);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(S(grid->Cells(2, 1)), "new");
        EXPECT_EQ(Current(), TPoint(2, 2));
    }
    // A row picked with Enter leaves the editor open with the focus, so the
    // next Enter commits the picked text.
    void PickThenCommit(int Downs, const std::string& Picked)
    {
        Validate();
        Open(2, 1);
        ASSERT_TRUE(DropShown());
        PickInPopup(Downs);
        EXPECT_FALSE(Drop()->DroppedDown());
        EXPECT_EQ(S(Drop()->Text()), Picked);
        EXPECT_TRUE(grid->EditMode);
        EXPECT_TRUE(Drop()->Focused()) << "the editor keeps the focus after the popup closes";
        EXPECT_FALSE(grid->Focused());
        log.clear();
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(S(grid->Cells(2, 1)), Picked);
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "validate 2,1 '" + Picked + "' cell '" + Picked + "'");
        EXPECT_FALSE(DropShown());
        EXPECT_TRUE(grid->Focused());
    }
};

struct GridDropEditor : DropEditorTest<TGridVynGridDropDown, TEditorType::edVynGridDropDown> {
    // Items the application gives the editor before it opens.
    void Fruit()
    {
        auto* d = Drop(true);
        ASSERT_NE(d, nullptr);
        d->Columns().Clear();
        d->Columns().Add()->SetHeader("Name");
        d->Items().Clear();
        for (const char* t : {"Apple", "Avocado", "Banana"})
            d->Items().AddTexts({t});
        d->EndUpdate();
    }
};

}  // namespace

TEST_F(GridDropEditor, OpensTheGridDropDownLoadedWithTheCellAndEscKeepsIt)
{
    OpenLoadedWith("Avocado");
    ASSERT_TRUE(DropShown());
    EXPECT_EQ(Drop()->Grid(), Drop()->GetColGrid()) << "Grid is the list grid in the popup";
    EXPECT_NE(Drop()->Grid(), static_cast<TVynStringGrid*>(grid));
    EscKeeps("Avocado");
}

TEST_F(GridDropEditor, TypedTextIsCompletedWrittenAndValidatedOnEnter)
{
    Fruit();
    Validate();
    grid->SetCells(2, 1, "");
    Open(2, 1);
    ASSERT_TRUE(DropShown());
    Type("av");
    EXPECT_EQ(S(Drop()->Text()), "Avocado");
    log.clear();
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "Avocado");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "validate 2,1 'Avocado' cell 'Avocado'");
    EXPECT_FALSE(DropShown());
}

TEST_F(GridDropEditor, AltDownOpensThePopupAndARowChosenThereReachesTheCell)
{
    Fruit();
    grid->SetCells(2, 1, "Apple");
    Open(2, 1);
    ASSERT_TRUE(DropShown());
    Key(VK_DOWN, TShiftState{ssAlt});
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(Drop()->DroppedDown()) << "Alt+Down opens the popup instead of leaving the cell";
    EXPECT_EQ(Current(), TPoint(2, 1));
    TVynColGrid* list = Drop()->GetColGrid();
    EXPECT_EQ(list->Row(), 1) << "the list starts on the cell's item";
    TestKit::TypeKey(list, VK_DOWN);
    TestKit::TypeKey(list, VK_DOWN);
    TestKit::TypeKey(list, VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(Drop()->DroppedDown());
    EXPECT_EQ(S(Drop()->Text()), "Banana");
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_EQ(S(grid->Cells(2, 1)), "Banana");
    EXPECT_FALSE(DropShown());
}

TEST_F(GridDropEditor, ARowPickedWithEnterKeepsTheFocusAndEnterCommitsIt)
{
    Fruit();
    grid->SetCells(2, 1, "Apple");
    PickThenCommit(2, "Banana");
}

TEST_F(GridDropEditor, DownCommitsAndMovesARow) { DownCommitsAndMoves(); }

// ---- edGridDropDown: the multi-column drop-down as the cell editor ----------------------------

namespace {

struct MultiColumnDropEditor : DropEditorTest<TGridGridDropDown, TEditorType::edGridDropDown> {
    // Two columns, the code looked up by its name in column 1.
    void Towns()
    {
        auto* d = Drop(true);
        ASSERT_NE(d, nullptr);
        d->Columns().Clear();
        d->Columns().Add()->SetHeader("Code");
        d->Columns().Add()->SetHeader("Name");
        d->Items().Clear();
        for (const auto& [code, name] : {std::pair{"B", "Berlin"}, {"BE", "Bern"}, {"BN", "Bonn"}}) {
            auto* item = d->Items().Add();
            item->Text().Add(code);
            item->Text().Add(name);
        }
        d->SetLookupColumn(1);
        d->EndUpdate();
    }
};

}  // namespace

TEST_F(MultiColumnDropEditor, OpensLoadedWithTheCellAndEscKeepsTheCell)
{
    Towns();
    OpenLoadedWith("Bern");
    ASSERT_TRUE(DropShown());
    EscKeeps("Bern");
}

TEST_F(MultiColumnDropEditor, DownCommitsTheTextAndMovesARow) { DownCommitsAndMoves(); }

TEST_F(MultiColumnDropEditor, ARowPickedWithEnterKeepsTheFocusAndEnterCommitsIt)
{
    Towns();
    grid->SetCells(2, 1, "Berlin");
    PickThenCommit(2, "Bonn");
}
