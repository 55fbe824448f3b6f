// Keys of the grid: the Home/End modes, scroll-only keys, edge wrapping,
// skipped fixed cells and disabled rows, the clipboard keys, the keypad's
// decimal key, an OnKeyDown that zeroes the key, the selection reports and
// the painting lock; Tab navigation and the row keys.
#include "keys_mouse_fixture.h"

#include "grid/core/grid_format.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/rtl/datetime.h"

namespace {

TEST_F(KeyMouseTest, HomeAndEndFollowTheirMode)
{
    struct Case {
        THomeEndAction mode;
        Word key;
        TShiftState shift;
        const char* from;
        const char* to;
        const char* selection;
    };
    const Case cases[] = {
        {THomeEndAction::heFirstLastColumn, VK_END, {}, "2,4", "5,4", "5,4,5,4"},
        {THomeEndAction::heFirstLastColumn, VK_HOME, {}, "4,4", "1,4", "1,4,1,4"},
        {THomeEndAction::heFirstLastColumn, VK_HOME, {ssCtrl}, "4,4", "1,1", "1,1,1,1"},
        {THomeEndAction::heFirstLastColumn, VK_END, {ssShift}, "2,4", "5,4", "2,4,5,4"},
        {THomeEndAction::heFirstLastRow, VK_HOME, {}, "3,6", "3,1", "3,1,3,1"},
        {THomeEndAction::heFirstLastRow, VK_END, {}, "3,2", "3,9", "3,9,3,9"},
        {THomeEndAction::heFirstLastCell, VK_HOME, {}, "3,6", "1,1", "1,1,1,1"},
        {THomeEndAction::heFirstLastCell, VK_END, {}, "2,2", "5,9", "5,9,5,9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " key " + std::to_string(c.key));
        g->Navigation()->SetHomeEndKey(c.mode);
        const int fc = c.from[0] - '0', fr = c.from[2] - '0';
        Goto(fc, fr);
        RecordKeys();
        Key(c.key, c.shift);
        EXPECT_EQ(Current(), c.to);
        const TGridRect s = g->Selection();
        EXPECT_EQ(std::to_string(s.Left) + "," + std::to_string(s.Top) + "," + std::to_string(s.Right) + "," +
                      std::to_string(s.Bottom),
                  c.selection);
        // The key is reported once, whoever moved the cell.
        EXPECT_EQ(std::count(log.begin(), log.end(), "keydown " + std::to_string(c.key)), 1);
        EXPECT_EQ(g->FUpdateCount, 0);
    }
}

TEST_F(KeyMouseTest, HomeProbesEveryColumnUpToTheFirstTabStop)
{
    Editing(true);
    // Column 1 refuses editing, column 2 is refused by OnSelectCell.
    g->OnCanEditCell = [](TObject*, int, int C, bool& E) { E = E && C != 1; };
    g->OnSelectCell = [this](TObject*, int C, int R, bool& Can) {
        log.push_back("select " + Cell(C, R));
        if (C == 2)
            Can = false;
    };
    Goto(5, 3);
    Key(VK_HOME);
    EXPECT_EQ(Current(), "3,3");
    EXPECT_EQ(log, (std::vector<std::string>{"select 0,3", "select 1,3", "select 2,3", "select 3,3"}));
    // A row without any tab stop keeps its column.
    g->OnSelectCell = [](TObject*, int, int, bool& Can) { Can = false; };
    Goto(4, 3);
    Key(VK_HOME);
    EXPECT_EQ(g->Col(), 4);
}

TEST_F(KeyMouseTest, ScrollOnlyKeysMoveTheViewAlone)
{
    g->Navigation()->SetMoveScrollOnly(true);
    g->SetClientSize(g->ClientWidth(), 21 * 5);
    Goto(2, 2);
    RecordKeys();
    const int top = g->TopRow();
    Key(VK_DOWN);
    EXPECT_EQ(g->TopRow(), top + 1);
    Key(VK_END);
    EXPECT_EQ(g->TopRow(), g->RowCount() - g->VisibleRowCount());
    Key(VK_HOME);
    EXPECT_EQ(g->TopRow(), 1);
    EXPECT_EQ(Current(), "2,2");
    EXPECT_TRUE(log.empty());
}

TEST_F(KeyMouseTest, CursorAdvanceWrapsAtTheEdges)
{
    struct Case {
        TCursorAdvance mode;
        Word key;
        const char* from;
        const char* to;
    };
    // Right and Down look at the very last column and row; Left and Up
    // stop before the right fixed columns and footer rows.
    const Case cases[] = {
        {TCursorAdvance::caLoop, VK_RIGHT, "5,4", "1,4"}, {TCursorAdvance::caSnake, VK_RIGHT, "5,4", "1,5"},
        {TCursorAdvance::caLoop, VK_LEFT, "1,4", "5,4"},  {TCursorAdvance::caSnake, VK_LEFT, "1,4", "5,3"},
        {TCursorAdvance::caLoop, VK_DOWN, "3,9", "3,1"},  {TCursorAdvance::caSnake, VK_DOWN, "3,9", "4,1"},
        {TCursorAdvance::caLoop, VK_UP, "3,1", "3,9"},    {TCursorAdvance::caSnake, VK_UP, "3,1", "2,9"},
        {TCursorAdvance::caDefault, VK_RIGHT, "5,4", "5,4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " key " + std::to_string(c.key));
        g->Navigation()->SetCursorAdvance(c.mode);
        Goto(c.from[0] - '0', c.from[2] - '0');
        Key(c.key);
        EXPECT_EQ(Current(), c.to);
    }
}

TEST_F(KeyMouseTest, ArrowsSkipFixedCellsAndDisabledRows)
{
    // Column 3 reports itself fixed.
    g->OnIsFixedCell = [](TObject*, int, int C, bool& F) { F = F || C == 3; };
    Goto(2, 4);
    Key(VK_RIGHT);
    EXPECT_EQ(Current(), "4,4");
    Key(VK_LEFT);
    EXPECT_EQ(Current(), "2,4");
    g->Navigation()->SetSkipFixedCells(false);
    g->OnIsFixedCell = nullptr;
    g->SetRowEnabled(5, false);
    g->SetRowEnabled(6, false);
    Goto(2, 4);
    Key(VK_DOWN);
    EXPECT_EQ(Current(), "2,7");
    Key(VK_UP);
    EXPECT_EQ(Current(), "2,4");
}

TEST_F(KeyMouseTest, ClipboardKeysNeedTheOptionAndTheirEvents)
{
    bool allow = true;
    g->OnClipboardCopy = [&](TObject*, bool& A) {
        log.push_back("ask copy");
        A = allow;
    };
    g->OnKeyPress = [this](TObject*, QChar& K) { log.push_back("press " + std::to_string(K.unicode())); };
    Goto(2, 2);
    // Off: an ordinary key.
    TestKit::TypeKey(g, 'C', {ssCtrl});
    EXPECT_EQ(std::count(log.begin(), log.end(), "copy"), 0);
    g->Navigation()->SetAllowClipboardShortCuts(true);
    struct Case {
        Word key;
        TShiftState shift;
        const char* op;
    };
    const Case cases[] = {{'C', {ssCtrl}, "copy"},        {VK_INSERT, {ssCtrl}, "copy"},
                          {'X', {ssCtrl}, "cut"},         {VK_DELETE, {ssShift}, "cut"},
                          {'V', {ssCtrl}, "paste"},       {VK_INSERT, {ssShift}, "paste"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        log.clear();
        TestKit::TypeKey(g, c.key, c.shift);
        EXPECT_EQ(std::count(log.begin(), log.end(), c.op), 1);
        // The control characters that follow are swallowed.
        for (const std::string& e : log)
            EXPECT_EQ(e.rfind("press", 0), std::string::npos) << e;
    }
    allow = false;
    log.clear();
    TestKit::TypeKey(g, 'C', {ssCtrl});
    EXPECT_EQ(log, (std::vector<std::string>{"ask copy"}));
}

TEST_F(KeyMouseTest, TheKeypadDecimalKeyTypesTheDecimalSeparator)
{
    const QChar old = FormatSettings().DecimalSeparator;
    Editing(true);
    g->SetExcelStyleDecimalSeparator(true);
    for (QChar sep : {QChar(','), QChar('.')}) {
        FormatSettings().DecimalSeparator = sep;
        for (bool keypad : {true, false}) {
            SCOPED_TRACE(std::string(1, char(sep.unicode())) + (keypad ? " keypad" : " main"));
            Goto(2, 2);
            TestKit::TypeKey(g, keypad ? VK_DECIMAL : VK_OEM_PERIOD, {}, keypad);
            TestKit::PumpPostedMessages();
            ASSERT_TRUE(g->NormalEdit() && g->NormalEdit()->Visible());
            EXPECT_EQ(g->NormalEdit()->Text(), keypad ? String(sep) : String("."));
            TestKit::TypeKey(nullptr, VK_ESCAPE);
        }
    }
    FormatSettings().DecimalSeparator = old;
}

TEST_F(KeyMouseTest, AZeroedKeyStopsTheGridAndEveryKeyLeavesTheLockAndOneReport)
{
    g->OnSelectionChanged = [this](TObject*, int L, int T, int, int) { log.push_back("report " + Cell(L, T)); };
    Goto(2, 2);
    Key(VK_DOWN);
    EXPECT_EQ(log, (std::vector<std::string>{"report 2,3"}));
    Goto(2, 9);
    Key(VK_DOWN);  // nothing moves: no report
    EXPECT_TRUE(log.empty());
    g->OnKeyDown = [](TObject*, Word& K, TShiftState) { K = 0; };
    Goto(2, 2);
    for (Word k : {VK_DOWN, VK_NEXT, VK_RIGHT, VK_UP})
        Key(k);
    EXPECT_EQ(Current(), "2,2");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(g->FUpdateCount, 0);
    // The row-select keys keep the horizontal scroll inside the lock.
    g->OnKeyDown = nullptr;
    g->SetColCount(20);
    g->SetOptions(g->Options() + TGridOptions{goRowSelect});
    g->Navigation()->SetKeepHorizScroll(true);
    g->SetLeftCol(5);
    Goto(1, 2);
    Key(VK_DOWN);
    EXPECT_EQ(g->LeftCol(), 5);
    EXPECT_EQ(g->FUpdateCount, 0);
}

// ---- Tab and row keys -------------------------------------------------------------------------

struct TabTest : KeyMouseTest {
    TabTest()
    {
        Editing(true);
        g->SetOptions(g->Options() + TGridOptions{goTabs});
        g->Navigation()->SetAdvanceAutoEdit(false);
    }
};

TEST_F(TabTest, TabWalksTheTabStopsAndWrapsRows)
{
    Goto(4, 2);
    Key(VK_TAB);
    EXPECT_EQ(Current(), "5,2");
    Key(VK_TAB);
    EXPECT_EQ(Current(), "1,3");
    Key(VK_TAB, {ssShift});
    EXPECT_EQ(Current(), "5,2");
    // The row wrap asks three events on one Allow; any of them may refuse.
    for (int refuse = 0; refuse < 4; ++refuse) {
        SCOPED_TRACE(refuse);
        g->Navigation()->SetTabAdvanceDirection(TAdvanceDirection::adLeftRight);
        // Column 5 is no tab stop: Tab from 4 wraps.
        g->OnCanEditCell = [](TObject*, int, int C, bool& E) { E = E && C != 5; };
        g->OnRowChanging = [&](TObject*, int, int, bool& A) {
            log.push_back("row");
            A = A && refuse != 1;
        };
        g->OnCellChanging = [&](TObject*, int, int, int, int, bool& A) {
            log.push_back("cell");
            A = A && refuse != 2;
        };
        g->OnColChanging = [&](TObject*, int, int, bool& A) {
            log.push_back("col");
            A = A && refuse != 3;
        };
        Goto(4, 2);
        Key(VK_TAB);
        EXPECT_EQ(log, (std::vector<std::string>{"row", "cell", "col"}));
        EXPECT_EQ(Current(), refuse == 0 ? "1,3" : "4,2");
    }
}

TEST_F(TabTest, TheEndOfTheGrid)
{
    int added = 0;
    bool canAdd = true;
    g->OnCanAddRow = [&](TObject*, bool& A) { A = canAdd; };
    g->OnAutoAddRow = [&](TObject*, int R) { added = R; };
    // AdvanceInsert: a new row, its first tab stop.
    g->Navigation()->SetAdvanceInsert(true);
    Goto(5, 9);
    Key(VK_TAB);
    EXPECT_EQ(g->RowCount(), 11);
    EXPECT_EQ(added, 10);
    EXPECT_EQ(Current(), "1,10");
    // Refused: the first data row.
    canAdd = false;
    Goto(5, 10);
    Key(VK_TAB);
    EXPECT_EQ(g->RowCount(), 11);
    EXPECT_EQ(Current(), "1,1");
    // TabToNextAtEnd: False, and the form moves the focus on afterwards.
    g->Navigation()->SetTabToNextAtEnd(true);
    Goto(5, 10);
    EXPECT_FALSE(g->AdvanceOnTab(false));
    EXPECT_TRUE(g->Focused());
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(next->Focused());
}

TEST_F(TabTest, TabWithoutAnyEditableCellLeavesTheCell)
{
    g->OnCanEditCell = [](TObject*, int, int, bool& E) { E = false; };
    for (TAdvanceDirection d : {TAdvanceDirection::adLeftRight, TAdvanceDirection::adTopBottom}) {
        g->Navigation()->SetTabAdvanceDirection(d);
        for (bool back : {false, true}) {
            Goto(3, 4);
            EXPECT_TRUE(g->AdvanceOnTab(back));
            EXPECT_EQ(Current(), "3,4");
        }
    }
}

TEST_F(KeyMouseTest, RowKeys)
{
    g->Navigation()->SetAllowInsertRow(true);
    g->Navigation()->SetAllowDeleteRow(true);
    g->OnAutoInsertRow = [this](TObject*, int R) { log.push_back("inserted " + std::to_string(R)); };
    // Insert before, then after the current row.
    Goto(2, 4);
    Key(VK_INSERT);
    EXPECT_EQ(g->RowCount(), 11);
    EXPECT_EQ(g->Cells(2, 4), "");
    EXPECT_EQ(g->Cells(2, 5), "2,4");
    EXPECT_EQ(Current(), "2,4");
    g->Navigation()->SetInsertPosition(TInsertPosition::pInsertAfter);
    Goto(2, 6);
    Key(VK_INSERT);
    EXPECT_EQ(log, (std::vector<std::string>{"inserted 7"}));
    EXPECT_EQ(Current(), "2,7");
    EXPECT_EQ(g->Cells(2, 7), "");
    // Delete, refused and allowed.
    bool canDelete = false;
    g->OnCanDeleteRow = [&](TObject*, int, bool& D) { D = canDelete; };
    Goto(2, 7);
    Key(VK_DELETE);
    EXPECT_EQ(g->RowCount(), 12);
    canDelete = true;
    Key(VK_DELETE);
    EXPECT_EQ(g->RowCount(), 11);
    // The only data row is emptied, not removed.
    g->SetRowCount(2);
    g->SetCells(2, 1, "x");
    Goto(2, 1);
    Key(VK_DELETE);
    EXPECT_EQ(g->RowCount(), 2);
    EXPECT_EQ(g->Cells(2, 1), "");
    // Down on the last row appends one.
    g->Navigation()->SetAppendOnArrowDown(true);
    Key(VK_DOWN);
    EXPECT_EQ(g->RowCount(), 3);
    EXPECT_EQ(Current(), "2,2");
}

TEST_F(KeyMouseTest, CtrlASelectsTheDataCells)
{
    g->SetFixedRightCols(1);
    Goto(2, 3);
    Key('A', {ssCtrl});
    const TGridRect s = g->Selection();
    EXPECT_EQ(Cell(s.Left, s.Top) + " " + Cell(s.Right, s.Bottom), "1,1 4,9");
    EXPECT_EQ(Current(), "4,9");
    // Without range or row selection it does nothing.
    g->SetOptions(g->Options() - TGridOptions{goRangeSelect});
    Goto(2, 3);
    Key('A', {ssCtrl});
    EXPECT_EQ(Current(), "2,3");
}

}  // namespace
