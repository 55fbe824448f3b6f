// Header clicks that sort (and those that must not), the bookkeeping after
// moved columns and rows with a synchronised grid, and the fixed-cell
// editors.
#include <functional>

#include "header_sort_fixture.h"

#include "grid/edit/grid_special_editors.h"
#include "platform/gui/input_state.h"
#include "platform/testing/fake_clock.h"

namespace {

struct HeaderSortTest : HeaderGridTest {
    std::vector<int> clickSorts;
    HeaderSortTest() { Record(); }
    void Record()
    {
        g->OnClickSort = [this](TObject*, int C) { clickSorts.push_back(C); };
    }
    // A new grid in place of g, for one case of a table.
    void FreshGrid()
    {
        delete g;
        g = MakeGrid();
        g->SetFocus();
        clickSorts.clear();
        Record();
    }
};

// ---- sorting by header clicks ----------------------------------------------------------------------

TEST_F(HeaderSortTest, ClicksSortInvertAndWithUndoSortUnsort)
{
    struct Case {
        TSortDirection init;
        bool undo;
        std::vector<std::string> columns;  // column 1 after clicks 1..4
        std::vector<int> sorted;           // OnClickSort's column per click
    };
    const Case cases[] = {
        {TSortDirection::sdAscending, true, {"abcde", "edcba", "caebd", "abcde"}, {1, 1, -1, 1}},
        {TSortDirection::sdDescending, true, {"edcba", "abcde", "caebd", "edcba"}, {1, 1, -1, 1}},
        {TSortDirection::sdAscending, false, {"abcde", "edcba", "abcde", "edcba"}, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.undo ? "undo " : "") + (c.init == TSortDirection::sdAscending ? "up" : "down"));
        const char* letters[] = {"c", "a", "e", "b", "d"};
        for (int r = 1; r < 6; ++r) {
            g->SetCells(1, r, letters[r - 1]);
            g->SetCells(2, r, QString::number(r));
        }
        g->SortSettings()->SetColumn(-1);
        g->InitSortXRef();
        g->SortSettings()->SetInitSortDirection(c.init);
        g->SortSettings()->SetUndoSort(c.undo);
        clickSorts.clear();
        std::vector<std::string> seen;
        for (int i = 0; i < 4; ++i) {
            ClickHeader(1);
            seen.push_back(Column(1));
        }
        EXPECT_EQ(seen, c.columns);
        EXPECT_EQ(clickSorts, c.sorted);
        // The rows moved whole.
        EXPECT_EQ(g->Cells(2, 1).toInt(), int(std::string("caebd").find(g->Cells(1, 1).toStdString())) + 1);
    }
}

TEST_F(HeaderSortTest, ReleasesThatDoNotSort)
{
    struct Case {
        const char* name;
        std::function<void(HeaderSortTest&)> setup;
        // The press and release points relative to the header cell of column 1.
        int pressDx, pressDy, releaseDx;
    };
    const TRect h = g->CellRect(1, 0);
    const int mid = h.Width() / 2, midY = h.Height() / 2;
    const Case cases[] = {
        {"within 3 px of the left border with goColSizing", [](HeaderSortTest& t) { t.g->SetGridOption(goColSizing, true); }, 3, midY, 3},
        {"within 3 px of the right border with goColSizing", [](HeaderSortTest& t) { t.g->SetGridOption(goColSizing, true); }, h.Width() - 3, midY, h.Width() - 3},
        {"the drop-down button zone", [](HeaderSortTest& t) { t.g->ControlLook()->SetFixedDropDownButton(true); }, h.Width() - 10, midY, h.Width() - 10},
        {"the filter zone", [](HeaderSortTest& t) { t.g->SetFilterDropDownAuto(true); }, h.Width() - 10, midY, h.Width() - 10},
        {"pressed in a data row", [](HeaderSortTest&) {}, mid, h.Height() + 10, mid},
        {"OnCanSort refuses", [](HeaderSortTest& t) { t.g->OnCanSort = [](TObject*, int, bool& D) { D = false; }; }, mid, midY, mid},
        {"an ignored column", [](HeaderSortTest& t) { t.g->IgnoreColumns()->Add(1); }, mid, midY, mid},
        {"SortSettings.Show off", [](HeaderSortTest& t) { t.g->SortSettings()->SetShow(false); }, mid, midY, mid},
        {"one data row", [](HeaderSortTest& t) { t.g->SetRowCount(2); }, mid, midY, mid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreshGrid();
        c.setup(*this);
        const std::string before = Column(1);
        TestKit::MouseMove(g, h.Left + c.pressDx, h.Top + c.pressDy);
        TestKit::MouseDown(g, h.Left + c.pressDx, h.Top + c.pressDy);
        TestKit::MouseUp(g, h.Left + c.releaseDx, h.Top + midY);
        EXPECT_EQ(Column(1), before);
        EXPECT_TRUE(clickSorts.empty());
        EXPECT_EQ(g->SortSettings()->Column(), -1);
    }
    // The same click 5 pixels inside the borders sorts.
    FreshGrid();
    g->SetGridOption(goColSizing, true);
    ClickAt(h.Left + 5, h.Top + midY);
    EXPECT_EQ(Column(1), "abcde");
    ClickAt(h.Right - 5, h.Top + midY);
    EXPECT_EQ(Column(1), "edcba");
}

TEST_F(HeaderSortTest, NoSortAfterADragMoveOfTheColumn)
{
    for (bool enh : {false, true}) {
        SCOPED_TRACE(enh ? "EnhRowColMove" : "platform move");
        FreshGrid();
        g->SetEnhRowColMove(enh);
        g->SetGridOption(goColMoving, true);
        const TPoint from = Mid(1, 0), to = Mid(3, 0);
        TestKit::MouseMove(g, from.X, from.Y);
        TestKit::MouseDown(g, from.X, from.Y);
        TestKit::MouseMove(g, (from.X + to.X) / 2, to.Y);
        TestKit::MouseMove(g, to.X, to.Y);
        TestKit::MouseUp(g, to.X, to.Y);
        // Moved, not sorted.
        EXPECT_EQ(g->Cells(3, 0), "H1");
        EXPECT_EQ(Column(3), "caebd");
        EXPECT_TRUE(clickSorts.empty());
        // The next plain click on it sorts: the move is not remembered.
        ClickHeader(3);
        EXPECT_EQ(Column(3), "abcde");
        EXPECT_EQ(clickSorts, std::vector<int>{3});
    }
}

TEST_F(HeaderSortTest, AClickThatJittersWithinTheDragThresholdStillSorts)
{
    // (dx, dy) of the pointer between press and release, in the pressed
    // header cell: within the drag threshold the click sorts, past it the
    // press is a column move and does not.
    struct Case {
        int dx, dy;
        bool sorts;
    };
    const Case cases[] = {{1, 0, true}, {0, -1, true}, {-2, 2, true}, {GetDragThreshold(), 0, true},
                          {GetDragThreshold() + 1, 0, false}, {0, GetDragThreshold() + 1, false}};
    for (bool enh : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(enh ? "EnhRowColMove " : "platform move ") + std::to_string(c.dx) + "," +
                         std::to_string(c.dy));
            FreshGrid();
            g->SetEnhRowColMove(enh);
            g->SetGridOption(goColMoving, true);
            const TPoint p = Mid(1, 0);
            TestKit::MouseMove(g, p.X, p.Y);
            TestKit::MouseDown(g, p.X, p.Y);
            TestKit::MouseMove(g, p.X + c.dx, p.Y + c.dy);
            TestKit::MouseUp(g, p.X + c.dx, p.Y + c.dy);
            EXPECT_EQ(g->Cells(1, 0), "H1");  // no column moved
            EXPECT_EQ(Column(1), c.sorts ? "abcde" : "caebd");
            EXPECT_EQ(clickSorts, c.sorts ? std::vector<int>{1} : std::vector<int>{});
        }
    }
}

TEST_F(HeaderSortTest, AMoveFromCodeDoesNotBlockTheNextClick)
{
    g->SetEnhRowColMove(true);
    g->MoveColumn(4, 5);
    g->MoveRow(4, 5);
    ClickHeader(1);
    EXPECT_EQ(clickSorts, std::vector<int>{1});
}

TEST_F(HeaderSortTest, TheIndexKeyBuildsAMultiColumnSort)
{
    g->SortSettings()->SetIndexShow(true);
    // Column 2 gets ties so the second key decides.
    const char* numbers[] = {"2", "1", "2", "1", "2"};
    for (int r = 1; r < 6; ++r)
        g->SetCells(2, r, numbers[r - 1]);
    ClickHeader(2);
    EXPECT_EQ(g->SortIndexes()->Count(), 1);
    ClickHeader(1, {ssShift});
    ASSERT_EQ(g->SortIndexes()->Count(), 2);
    EXPECT_EQ(g->SortSettings()->Column(), 2);
    EXPECT_EQ(Column(2) + Column(1), "11222" "abcde");
    // Shift on a column already there toggles its direction.
    ClickHeader(1, {ssShift});
    EXPECT_EQ(Column(2) + Column(1), "11222" "baedc");
    // Without the key a new column replaces the list.
    ClickHeader(1);
    EXPECT_EQ(g->SortIndexes()->Count(), 1);
    EXPECT_EQ(g->SortSettings()->Column(), 1);
    EXPECT_EQ(Column(1), "abcde");
    EXPECT_EQ(clickSorts, (std::vector<int>{2, 2, 2, 1}));
}

TEST_F(HeaderSortTest, SortTimeIsTheRunOnThePlatformClock)
{
    TestKit::FakeClock clock;
    // Each time the run asks for the column's format, 7 ms pass.
    int asked = 0;
    g->OnGetFormat = [&](TObject*, int, TSortStyle&, String&, String&) {
        ++asked;
        clock.Advance(7);
    };
    ClickHeader(1);
    EXPECT_EQ(Column(1), "abcde");
    ASSERT_GT(asked, 0);
    EXPECT_EQ(g->SortTime(), 7 * asked);
}

// ---- moved columns and rows -------------------------------------------------------------------------

TEST_F(HeaderSortTest, TheSortColumnAndTheColumnOrderFollowAMove)
{
    g->SortSettings()->SetColumn(5);
    g->SortIndexes()->AddIndex(3, true);
    g->SortIndexes()->AddIndex(1, false);
    g->MoveColumn(2, 5);
    // The sorted column was at 5 and is now at 4; the index keys follow.
    EXPECT_EQ(g->SortSettings()->Column(), 4);
    EXPECT_EQ(g->SortIndexes()->SortColumns(0), 2);
    EXPECT_EQ(g->SortIndexes()->SortColumns(1), 1);
    // The column order list holds the moved column at 5.
    EXPECT_EQ(g->ColumnAtPosition(5), 2);
    EXPECT_EQ(g->Cells(5, 0), "H2");
    // Moving back the other way.
    g->MoveColumn(5, 1);
    EXPECT_EQ(g->SortSettings()->Column(), 5);
    EXPECT_EQ(g->Cells(1, 0), "H2");
}

TEST_F(HeaderSortTest, WithHiddenColumnsCellsAndHiddenRowsMoveByRealColumn)
{
    g->SetColWidths(4, 33);
    g->HideColumn(2);
    g->HideRow(5);
    ASSERT_EQ(g->NumHiddenColumns(), 1);
    std::vector<std::pair<int, int>> moved;
    g->OnColumnMoved = [&](TObject*, int F, int T) { moved.emplace_back(F, T); };
    // Display 1 (real 1) to display 3 (real 4).
    g->MoveColumn(1, 3);
    EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 4}}));
    // Real order now: 0, (hidden 2), 3, 4, 1, 5.
    std::string headers;
    for (int c = 0; c < g->TotalColCount(); ++c)
        headers += g->AllCells(c, 0).toStdString() + " ";
    EXPECT_EQ(headers, "H0 H2 H3 H4 H1 H5 ");
    EXPECT_TRUE(g->IsHiddenColumn(1));
    EXPECT_EQ(g->AllCells(1, 2), "1");  // the hidden column's cells went along
    EXPECT_EQ(g->Cells(g->RealColIndex(3), 0), "H1");  // display 3 shows the moved column
    EXPECT_EQ(g->ColWidths(2), 33);     // display widths moved with the columns
    // The hidden row's texts moved the same way.
    g->UnHideRow(5);
    EXPECT_EQ(g->AllCells(4, 5), "d");
    EXPECT_EQ(g->AllCells(1, 5), "4");
}

TEST_F(HeaderSortTest, ASynchronisedGridRepeatsEachMoveOnce)
{
    TSortGrid* other = MakeGrid(510);
    g->SyncGrid()->SetGrid(other);
    g->SyncGrid()->SetMoveColumn(true);
    g->SyncGrid()->SetMoveRow(true);
    other->SyncGrid()->SetGrid(g);
    other->SyncGrid()->SetMoveColumn(true);
    other->SyncGrid()->SetMoveRow(true);
    std::vector<std::string> moves;
    for (TVynStringGrid* grid : {static_cast<TVynStringGrid*>(g), static_cast<TVynStringGrid*>(other)}) {
        const std::string name = grid == g ? "g" : "other";
        grid->OnColumnMoved = [&moves, name](TObject*, int F, int T) {
            moves.push_back(name + " col " + std::to_string(F) + "-" + std::to_string(T));
        };
        grid->OnRowMoved = [&moves, name](TObject*, int F, int T) {
            moves.push_back(name + " row " + std::to_string(F) + "-" + std::to_string(T));
        };
    }
    g->MoveColumn(1, 4);
    other->MoveRow(2, 5);
    EXPECT_EQ(moves, (std::vector<std::string>{"g col 1-4", "other col 1-4", "other row 2-5", "g row 2-5"}));
    EXPECT_EQ(g->Cells(4, 0), other->Cells(4, 0));
    EXPECT_EQ(Column(1), Column(1, other));
}

TEST_F(HeaderSortTest, AMoveOntoTheFloatingFooterRowIsNone)
{
    g->FloatingFooter()->SetFooterStyle(TFooterStyle::fsFixedLastRow);
    g->FloatingFooter()->SetVisible(true);
    int rowMoves = 0;
    g->OnRowMoved = [&](TObject*, int, int) { ++rowMoves; };
    const String footer = g->Cells(1, g->RowCount() - 1);
    g->MoveRow(1, g->RowCount() - 1);
    EXPECT_EQ(rowMoves, 0);
    EXPECT_EQ(g->Cells(1, g->RowCount() - 1), footer);
    g->MoveRow(1, 2);
    EXPECT_EQ(rowMoves, 1);
}

// ---- fixed-cell editors ---------------------------------------------------------------------------

TEST_F(HeaderSortTest, ADoubleClickOpensTheFixedCellEditorOverTheCell)
{
    g->MouseActions()->SetFixedRowsEdit(TGridFixedCellEdit::fceDblClick);
    std::vector<std::string> asked;
    // (Data cells are asked too, for the current cell's editor.)
    g->OnCanEditCell = [&](TObject*, int R, int C, bool&) {
        if (R == 0)
            asked.push_back("can " + std::to_string(C) + "," + std::to_string(R));
    };
    const TPoint p = Mid(2, 0);
    TestKit::DblClick(g, p.X, p.Y);
    TGridTransEdit* e = g->FixedCellEdit();
    ASSERT_TRUE(e->Visible());
    TRect r = g->CellRect(2, 0);
    InflateRect(r, -1, -1);
    EXPECT_EQ(TRect(e->Left(), e->Top(), e->Left() + e->Width(), e->Top() + e->Height()), r);
    EXPECT_EQ(e->Text(), "H2");
    EXPECT_EQ(e->Col(), 2);
    EXPECT_EQ(e->Row(), 0);
    EXPECT_EQ(asked, std::vector<std::string>{"can 2,0"});
    // The focus leaving writes the text.
    e->SetText("Renamed");
    g->SetFocus();
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(g->Cells(2, 0), "Renamed");
}

TEST_F(HeaderSortTest, OnFixedEditChoosesTheComboAndItsItems)
{
    g->MouseActions()->SetFixedRowsEdit(TGridFixedCellEdit::fceDblClick);
    TStringList values;
    values.Add("H3");
    values.Add("Other");
    g->MouseActions()->SetFixedComboValues(values);
    std::vector<std::string> seen;
    g->OnFixedEdit = [&](TObject*, int C, int R, TGridFixedCellEditor& E, TStringList* V) {
        seen.push_back(std::to_string(C) + "," + std::to_string(R) + " " + std::to_string(V->Count()));
        E = TGridFixedCellEditor::fceComboList;
        V->Add("Third");
    };
    g->HideColumn(1);
    // Display 2 is real 3.
    const TPoint p = Mid(2, 0);
    TestKit::DblClick(g, p.X, p.Y);
    TGridTransCombo* cb = g->FixedCellCombo();
    ASSERT_TRUE(cb->Visible());
    EXPECT_FALSE(g->FixedCellEdit()->Visible());
    EXPECT_EQ(seen, std::vector<std::string>{"3,0 2"});
    EXPECT_EQ(cb->Style(), csDropDownList);
    EXPECT_EQ(cb->Items().Count(), 3);
    EXPECT_EQ(cb->Text(), "H3");
    EXPECT_EQ(cb->Col(), 3);
    TRect r = g->CellRect(2, 0);
    InflateRect(r, -1, -1);
    EXPECT_EQ(TRect(cb->Left(), cb->Top(), cb->Left() + cb->Width(), cb->Top() + cb->Height()),
              TRect(r.Left - 1, r.Top - 1, r.Right, r.Bottom - 1));
}

TEST_F(HeaderSortTest, ARefusingFixedCellEditorKeepsItsPlace)
{
    g->OnCellValidate = [](TObject*, int, int, String& V, bool& Ok) { Ok = V != "bad"; };
    g->EditFixedCell(1, 0);
    TGridTransEdit* e = g->FixedCellEdit();
    ASSERT_TRUE(e->Visible());
    const int left = e->Left();
    e->SetText("bad");
    g->EditFixedCell(3, 0);
    EXPECT_TRUE(e->Visible());
    EXPECT_EQ(e->Left(), left);
    EXPECT_EQ(e->Col(), 1);
    EXPECT_EQ(g->FixedCellEditing(), TPoint(1, 0));
    EXPECT_EQ(g->Cells(1, 0), "H1");
    // Accepted, the next cell opens.
    e->SetText("ok");
    g->EditFixedCell(3, 0);
    EXPECT_EQ(g->Cells(1, 0), "ok");
    EXPECT_EQ(e->Col(), 3);
    // OnCanEditCell refusing opens nothing.
    g->SetFocus();
    g->OnCanEditCell = [](TObject*, int, int, bool& Can) { Can = false; };
    g->EditFixedCell(4, 0);
    EXPECT_FALSE(e->Visible());
}

TEST_F(HeaderSortTest, SingleClickModesAvoidTheSizingBorder)
{
    g->MouseActions()->SetFixedRowsEdit(TGridFixedCellEdit::fceLeftClick);
    g->SetGridOption(goColSizing, true);
    const TRect h = g->CellRect(2, 0);
    TestKit::MouseMove(g, h.Right - 2, h.Top + 10);
    TestKit::Click(g, h.Right - 2, h.Top + 10);
    EXPECT_FALSE(g->FixedCellEdit()->Visible());
    ClickAt(h.Left + 20, h.Top + 10);
    EXPECT_TRUE(g->FixedCellEdit()->Visible());
    // A right click on a fixed column with fceRightClick.
    g->SetFocus();
    g->MouseActions()->SetFixedColsEdit(TGridFixedCellEdit::fceRightClick);
    const TPoint p = Mid(0, 3);
    TestKit::Click(g, p.X, p.Y, {}, mbRight);
    EXPECT_TRUE(g->FixedCellEdit()->Visible());
    EXPECT_EQ(g->FixedCellEditing(), TPoint(0, 3));
}

}  // namespace
