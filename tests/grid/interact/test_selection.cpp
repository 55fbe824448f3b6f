// The selection model: whole rows and columns, the disjunct selections and
// their events, counts over merged cells, the bounds of the flag lists, the
// flags moving with their rows, the one report of a change.
#include "interact_fixture.h"

namespace {

using SelectionTest = InteractTest;

TEST_F(SelectionTest, SelectRowsSpansTheDataColumnsWithoutEvents)
{
    struct Case {
        int rows, index, count;
        const char* selection;
        int col, row;
    };
    const Case cases[] = {
        {10, 5, 1, "1,5,5,5", 5, 5},  // the rule editors' click on a row number
        {10, 8, 4, "1,8,5,9", 5, 9},  // cut to the rows there are
        {10, 1, 3, "1,1,5,3", 5, 3},
    };
    bool selectCell = false;
    g->OnSelectCell = [&](TObject*, int, int, bool&) { selectCell = true; };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + "+" + std::to_string(c.count));
        g->SetRowCount(c.rows);
        g->SelectRows(c.index, c.count);
        EXPECT_EQ(RectText(g->Selection()), c.selection);
        EXPECT_EQ(g->Col(), c.col);
        EXPECT_EQ(g->Row(), c.row);
    }
    EXPECT_FALSE(selectCell);
    EXPECT_TRUE(log.empty());
}

// The selection listener hears of every cell that the grid's select-cell
// step makes current, and of none that a handler refuses; unregistered,
// nothing.
TEST_F(SelectionTest, TheSelectionListenerHearsOfEveryNewCurrentCell)
{
    struct Listener : TVynStringGrid::ISelectListener {
        std::vector<std::pair<int, int>> heard;
        void CellSelected(int ACol, int ARow) override { heard.emplace_back(ACol, ARow); }
    } listener;
    g->FocusCell(2, 3);
    g->RegisterSelListener(&listener);
    TestKit::TypeKey(g, VK_DOWN);
    TestKit::TypeKey(g, VK_RIGHT);
    g->OnSelectCell = [](TObject*, int C, int, bool& Can) { Can = C != 2; };
    TestKit::TypeKey(g, VK_LEFT);
    g->OnSelectCell = nullptr;
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(3, 4));
    EXPECT_EQ(listener.heard, (std::vector<std::pair<int, int>>{{2, 4}, {3, 4}}));
    g->UnRegisterSelListener(nullptr);
    TestKit::TypeKey(g, VK_DOWN);
    EXPECT_EQ(listener.heard.size(), 2u);
}

TEST_F(SelectionTest, DisjunctRowsKeepTheRangeAndAskFirst)
{
    g->MouseActions()->SetDisjunctRowSelect(true);
    g->FocusCell(2, 2);
    std::vector<std::string> events;
    g->OnRowDisjunctSelect = [&](TObject*, int R, bool State, bool& Allow) {
        events.push_back("ask " + std::to_string(R) + (State ? " on" : " off"));
        if (R == 4)
            Allow = false;
    };
    g->OnRowDisjunctSelected = [&](TObject*, int R) { events.push_back("done " + std::to_string(R)); };
    g->SelectRows(3, 3);
    EXPECT_EQ(RectText(g->Selection()), "2,2,2,2");
    // The veto keeps row 4 and suppresses its "selected" event.
    EXPECT_EQ(events, (std::vector<std::string>{"ask 3 on", "done 3", "ask 4 on", "ask 5 on", "done 5"}));
    EXPECT_EQ(g->RowSelectCount(), 2);
    EXPECT_EQ(g->SelectedRowCount(), 2);
    EXPECT_EQ(g->SelectedRow(0), 3);
    EXPECT_EQ(g->SelectedRow(1), 5);
    EXPECT_EQ(g->SelectedRow(2), -1);
    // Selecting a selected row again asks nobody.
    events.clear();
    g->SetRowSelect(3, true);
    EXPECT_EQ(events, (std::vector<std::string>{"done 3"}));
    g->UnSelectRows(3, 1);
    EXPECT_FALSE(g->GetRowSelect(3));
    EXPECT_EQ(g->SelectedRowCount(), 1);
    g->ClearRowSelect();
    EXPECT_EQ(g->RowSelectCount(), 0);
}

TEST_F(SelectionTest, DisjunctColumnsCountTheSelectedColumns)
{
    g->MouseActions()->SetDisjunctColSelect(true);
    g->SelectCols(2, 2);
    g->SetColSelect(5, true);
    g->SetColSelect(5, false);
    // The flag list reaches column 5; two columns are selected.
    EXPECT_EQ(g->ColSelectCount(), 2);
    EXPECT_EQ(g->SelectedColCount(), 2);
    g->MouseActions()->SetDisjunctColSelect(false);
    g->SelectCols(1, 3);
    EXPECT_EQ(RectText(g->Selection()), "1,1,3,9");
    EXPECT_EQ(g->SelectedColCount(), 3);
}

TEST_F(SelectionTest, CountsTakeMergedCellsWhole)
{
    struct Case {
        TGridRect sel;
        int mergeCol, mergeRow, spanX, spanY;
        int rows, cols;
    };
    const Case cases[] = {
        {{2, 3, 2, 3}, 2, 3, 1, 3, 3, 1},  // one merged cell selected: its rows and columns
        {{2, 2, 3, 4}, 2, 4, 1, 3, 5, 2},  // the last row starts a merge below
        {{1, 2, 3, 2}, 3, 2, 2, 1, 1, 4},  // the right column starts a merge to the right
        {{1, 1, 2, 2}, 4, 4, 1, 1, 2, 2},  // no merge involved
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(RectText(c.sel));
        g->SplitAllCells();
        g->MergeCells(c.mergeCol, c.mergeRow, c.spanX, c.spanY);
        g->SetSelection(c.sel);
        EXPECT_EQ(g->SelectedRowCount(), c.rows);
        EXPECT_EQ(g->SelectedColCount(), c.cols);
    }
}

TEST_F(SelectionTest, FooterRowsAreNeverCountedOrFlaggedByARange)
{
    g->SetFixedFooters(2);
    g->SetSelection(TGridRect{1, 6, 3, 9});
    EXPECT_EQ(g->SelectedRowCount(), 2);
    g->MouseActions()->SetDisjunctRowSelect(true);
    g->SelectionToRowSelect(false);
    EXPECT_EQ(g->RowSelectCount(), 2);
    EXPECT_FALSE(g->GetRowSelect(8));
}

TEST_F(SelectionTest, IndexesOutsideTheRowsRaise)
{
    auto message = [](auto&& F) {
        try {
            F();
        } catch (const EVynGridError& E) {
            return Txt(E.Message());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { g->GetRowSelect(-1); }), "Invalid row -1 accessed");
    EXPECT_EQ(message([&] { g->GetRowSelect(10); }), "Invalid row 10 accessed");
    EXPECT_EQ(message([&] { g->SetRowSelect(10, true); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { g->SetRowModified(100000000, true); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { g->RowModified(-1); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { g->SetRowEnabled(10, false); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { g->SetSelectedCells(1, 10, true); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { g->GetColSelect(6); }), "Invalid column accessed");
    // Nothing grew.
    EXPECT_EQ(g->FModifiedRows->Count(), 0);
    EXPECT_LE(g->FRowSelect->size(), size_t(10));
    // The last row is inside.
    EXPECT_EQ(message([&] { g->SetRowModified(9, true); }), "no error");
    EXPECT_TRUE(g->RowModified(9));
}

TEST_F(SelectionTest, ModifiedAndEnabledRowsDefaultsAndCurrentRow)
{
    EXPECT_FALSE(g->RowModified(3));
    EXPECT_TRUE(g->RowEnabled(3));
    EXPECT_FALSE(g->UseEnabledRows());
    g->FocusCell(2, 3);
    // Enabling the current row leaves it where it is.
    g->SetRowEnabled(3, true);
    EXPECT_EQ(g->Row(), 3);
    EXPECT_TRUE(g->UseEnabledRows());
    // Disabling it moves it to the first other enabled row.
    g->SetRowEnabled(1, false);
    g->SetRowEnabled(3, false);
    EXPECT_EQ(g->Row(), 2);
    EXPECT_FALSE(g->RowEnabled(3));
    g->SetRowModified(4, true);
    g->SetRowModified(6, true);
    g->SetRowModified(6, false);
    EXPECT_EQ(g->ModifiedRowCount(), 1);
    g->ClearModifiedRows();
    EXPECT_EQ(g->ModifiedRowCount(), 0);
}

TEST_F(SelectionTest, FlagsMoveWithTheirRows)
{
    g->SetRowCount(12);
    g->MouseActions()->SetDisjunctRowSelect(true);
    g->SetRowModified(5, true);
    g->SetRowEnabled(6, false);
    g->SetRowSelect(7, true);
    auto marks = [&] {
        std::string s;
        for (int r = 0; r < g->RowCount(); ++r) {
            if (g->RowModified(r))
                s += "m" + std::to_string(r) + " ";
            if (!g->RowEnabled(r))
                s += "d" + std::to_string(r) + " ";
            if (g->GetRowSelect(r))
                s += "s" + std::to_string(r) + " ";
        }
        return s;
    };
    EXPECT_EQ(marks(), "m5 d6 s7 ");
    g->InsertRows(2, 2, false);
    EXPECT_EQ(marks(), "m7 d8 s9 ");
    g->RemoveRows(1, 1);
    EXPECT_EQ(marks(), "m6 d7 s8 ");
    g->MoveRows(6, 1, 3);
    EXPECT_EQ(marks(), "m1 d2 s3 ");
    // Hidden rows keep their marks by real row and show them again.
    g->HideRow(2);
    EXPECT_TRUE(g->RowModified(1));
    EXPECT_FALSE(g->RowEnabled(2));
    g->UnHideRow(2);
    EXPECT_EQ(marks(), "m1 d2 s3 ");
}

TEST_F(SelectionTest, SelectedCellsAreColumnRowPairs)
{
    g->SetRowCount(70000);
    g->MouseActions()->SetDisjunctCellSelect(true);
    // 65537 and 1 alias in a packed 16:16 form.
    g->SetSelectedCells(2, 65537, true);
    EXPECT_TRUE(g->SelectedCells(2, 65537));
    EXPECT_FALSE(g->SelectedCells(2, 1));
    g->SetSelectedCells(3, 1, true);
    g->SetSelectedCells(3, 1, true);
    EXPECT_EQ(g->SelectedCellsCount(), 2);
    EXPECT_EQ(g->SelectedCell(1), TPoint(3, 1));
    g->FocusCell(4, 5);
    g->ClearSelectedCells();
    EXPECT_EQ(g->SelectedCellsCount(), 0);
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(1, 1));
    // Without the disjunct mode the list is the range, column by column.
    g->MouseActions()->SetDisjunctCellSelect(false);
    g->SetSelection(TGridRect{1, 1, 2, 2});
    EXPECT_EQ(g->SelectedCellsCount(), 4);
    EXPECT_EQ(g->SelectedCell(1), TPoint(1, 2));
}

TEST_F(SelectionTest, RepaintRectIgnoresNegativeCoordinates)
{
    g->SetRowCount(200);
    g->Repaints = 0;
    g->RepaintRect(TRect(-1, 2, 3, 4));
    EXPECT_EQ(g->Repaints, 0);
    // A cell off screen repaints the whole grid at once.
    g->RepaintRect(TRect(1, 2, 3, 150));
    EXPECT_EQ(g->Repaints, 1);
}

TEST_F(SelectionTest, SwapCellsExchangesTextsAndObjects)
{
    TObject a;
    g->SetCells(1, 1, "one");
    g->SetGridObject(1, 1, &a);
    g->SetCells(2, 3, "two");
    g->SwapCells(TPoint(1, 1), TPoint(2, 3));
    EXPECT_EQ(Txt(g->Cells(1, 1)), "two");
    EXPECT_EQ(Txt(g->Cells(2, 3)), "one");
    EXPECT_EQ(g->GetGridObject(2, 3), &a);
    EXPECT_EQ(g->GetGridObject(1, 1), nullptr);
    g->SetGridObject(2, 3, nullptr);
}

}  // namespace
