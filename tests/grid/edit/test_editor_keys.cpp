// The text editor's keys (one table of the edge cases) and moving on to the
// next cell (AdvanceEditCell, one table of its cases).
#include "edit_fixture.h"

using Log = std::vector<std::string>;

TEST_F(EditTest, EditorKeyTable)
{
    Validate();
    struct Case {
        const char* name;
        std::function<void()> setup;  // before the edit opens on (2, 2)
        std::function<void()> keys;   // in the open editor
        std::function<void()> check;
    };
    const std::vector<Case> cases{
        {"Esc after several validated edits",
         // Enter validates and the editor stays on the cell.
         [&] { grid->Navigation()->SetAdvanceAutoEdit(false); },
         [&] {
             Type("a");
             Key(VK_RETURN);
             Type("b");
             Key(VK_RETURN);
             Key(VK_ESCAPE);
         },
         [&] {
             EXPECT_EQ(Filter(log, "validate").size(), 2u);
             EXPECT_EQ(S(grid->Cells(2, 2)), "2,2");
             EXPECT_FALSE(EditorShown());
             EXPECT_EQ(Current(), TPoint(2, 2));
         }},
        {"Ctrl+Enter with word wrap, Ctrl+Enter not allowed",
         [&] {
             grid->SetWordWrap(true);
             grid->Navigation()->SetAllowCtrlEnter(false);
             grid->Navigation()->SetAdvanceOnEnter(true);
             grid->Navigation()->SetAdvanceAutoEdit(false);
         },
         [&] {
             Key(VK_RETURN, {ssCtrl});
             EXPECT_EQ(S(EditorText()), "2,2");
             EXPECT_TRUE(EditorShown());
             Type("x");
             Key(VK_RETURN);
         },
         [&] {
             EXPECT_EQ(Current(), TPoint(3, 2)) << "plain Enter still leaves";
             EXPECT_EQ(S(grid->Cells(2, 2)), "2,2x");
         }},
        {"Ctrl+Enter with word wrap makes a line",
         [&] {
             grid->SetWordWrap(true);
             grid->Navigation()->SetAllowCtrlEnter(true);
         },
         [&] {
             Key(VK_RETURN, {ssCtrl});
             Type("y");
         },
         [&] {
             EXPECT_EQ(S(grid->Cells(2, 2)), "2,2\r\ny");
             EXPECT_TRUE(EditorShown());
             EXPECT_EQ(Current(), TPoint(2, 2));
         }},
        {"Up in a multi-line text",
         [&] {
             grid->SetMultilinecells(true);
             grid->SetCells(2, 2, "one\r\ntwo");
         },
         [&] {
             Key(VK_UP);
             EXPECT_EQ(Current(), TPoint(2, 2)) << "the caret goes up a line first";
             EXPECT_EQ(Filter(log, "validate").size(), 0u);
             EXPECT_TRUE(Editor()->CaretOnFirstLine());
             Type("!");
             Key(VK_UP);
         },
         [&] {
             EXPECT_EQ(Current(), TPoint(2, 1));
             EXPECT_EQ(S(grid->Cells(2, 2)), "one!\r\ntwo");
             EXPECT_EQ(Filter(log, "validate").size(), 1u);
         }},
        {"Left at 0 with CursorWalkEditor",
         [&] { grid->Navigation()->SetCursorWalkEditor(true); },
         [&] {
             Key(VK_HOME);
             Key(VK_LEFT);
         },
         [&] { EXPECT_EQ(Current(), TPoint(1, 2)); }},
        {"Left at 0 in the first column wraps to the row above",
         [&] {
             grid->Navigation()->SetCursorWalkEditor(true);
             Goto(1, 2);
         },
         [&] {
             Key(VK_HOME);
             Key(VK_LEFT);
         },
         [&] { EXPECT_EQ(Current(), TPoint(4, 1)); }},
        {"Right at the end with CursorWalkEditor",
         [&] { grid->Navigation()->SetCursorWalkEditor(true); },
         [&] {
             Type("z");
             Key(VK_RIGHT);
         },
         [&] {
             EXPECT_EQ(Current(), TPoint(3, 2));
             EXPECT_EQ(Filter(log, "validate"), Log{"validate 2,2 '2,2z' cell '2,2z'"});
         }},
        {"Tab with goTabs",
         [&] { grid->SetOptions(grid->Options() + TGridOptions{goTabs}); },
         [&] {
             Type("t");
             Key(VK_TAB);
         },
         [&] {
             EXPECT_EQ(Current(), TPoint(3, 2));
             EXPECT_EQ(Filter(log, "validate").size(), 1u);
             EXPECT_TRUE(grid->Focused());
         }},
        {"Tab without goTabs: a posted Tab leaves the grid",
         [] {},
         [&] {
             Type("t");
             Key(VK_TAB);
             TestKit::PumpPostedMessages();
         },
         [&] {
             EXPECT_EQ(Filter(log, "validate").size(), 1u);
             EXPECT_EQ(S(grid->Cells(2, 2)), "2,2t");
             EXPECT_TRUE(other->Focused());
         }},
        {"Ctrl+A selects the text",
         [] {},
         [&] { Key('A', {ssCtrl}); },
         [&] {
             EXPECT_EQ(Editor()->SelLength(), 3);
             EXPECT_EQ(S(EditorText()), "2,2");
         }},
        {"password cell",
         [&] {
             grid->SetWordWrap(true);
             grid->SetPasswordChar(u'#');
             grid->OnGetEditorType = [](TObject*, int, int, TEditorType& E) { E = TEditorType::edPassword; };
         },
         [] {},
         [&] {
             EXPECT_EQ(Editor()->PasswordChar(), QChar(u'#'));
             EXPECT_FALSE(Editor()->MultiLine());
         }},
        {"right-aligned cell",
         [&] {
             grid->OnGetAlignment = [](TObject*, int, int, TAlignment& H, TVAlignment&) { H = taRightJustify; };
         },
         [] {},
         [&] {
             EXPECT_TRUE(Editor()->VAlign());
             EXPECT_EQ(Editor()->Alignment(), taRightJustify);
         }},
        {"Alt+Backspace held while the focus goes",
         [] {},
         [&] {
             Type("q");
             Editor()->Perform(WM_SYSKEYDOWN, VK_BACK, 0);
             other->SetFocus();
             TestKit::PumpPostedMessages();
         },
         [&] {
             EXPECT_EQ(Filter(log, "validate").size(), 0u);
             EXPECT_EQ(Filter(log, "editingdone").size(), 0u);
             EXPECT_EQ(Filter(log, "editcelldone").size(), 0u);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetFocus();
        Goto(2, 2);
        c.setup();
        if (Current() == TPoint(2, 2))
            grid->SetCells(2, 2, grid->Cells(2, 2).isEmpty() ? String("2,2") : grid->Cells(2, 2));
        TestKit::TypeKey(grid, VK_F2);
        ASSERT_TRUE(EditorShown());
        log.clear();
        c.keys();
        c.check();
        // Back to the defaults.
        if (EditorShown() && Editor()->Focused())
            Key(VK_ESCAPE);
        if (Editor())
            Editor()->Perform(WM_SYSKEYUP, VK_BACK, 0);
        TestKit::PumpPostedMessages();
        grid->SetWordWrap(false);
        grid->SetMultilinecells(false);
        grid->Navigation()->SetAllowCtrlEnter(true);
        grid->Navigation()->SetAdvanceOnEnter(false);
        grid->Navigation()->SetAdvanceAutoEdit(true);
        grid->Navigation()->SetCursorWalkEditor(false);
        grid->SetOptions(grid->Options() - TGridOptions{goTabs});
        grid->OnGetEditorType = nullptr;
        grid->OnGetAlignment = nullptr;
        for (int r = 0; r < 6; ++r)
            for (int col = 0; col < 5; ++col)
                grid->SetCells(col, r, QString("%1,%2").arg(col).arg(r));
    }
}

// ---- AdvanceEditCell -------------------------------------------------------------------------

TEST_F(EditTest, AdvanceTable)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    // Data cells: columns 1 .. 4, rows 1 .. 5.
    struct Case {
        const char* name;
        std::function<void()> setup;
        TPoint from;
        bool forward;
        TPoint to;
        int rows;
    };
    std::vector<std::string> added;
    bool canAdd = true;
    grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = canAdd; };
    grid->OnAutoAddRow = [&](TObject*, int R) { added.push_back("added " + std::to_string(R)); };
    auto dir = [&](TAdvanceDirection D) { return [this, D] { grid->Navigation()->SetAdvanceDirection(D); }; };
    const std::vector<Case> cases{
        {"last column of a middle row", dir(TAdvanceDirection::adLeftRight), {4, 2}, true, {1, 3}, 6},
        {"last cell, a row may be added",
         [&] {
             grid->Navigation()->SetAdvanceInsert(true);
             canAdd = true;
         },
         {4, 5}, true, {1, 6}, 7},
        {"last cell, no row may be added",
         [&] {
             grid->Navigation()->SetAdvanceInsert(true);
             canAdd = false;
         },
         {4, 5}, true, {1, 5}, 6},
        {"in the row without loop", dir(TAdvanceDirection::adLeftRightInRow), {4, 2}, true, {4, 2}, 6},
        {"in the row with loop",
         [&] {
             grid->Navigation()->SetAdvanceDirection(TAdvanceDirection::adLeftRightInRow);
             grid->Navigation()->SetAdvanceOnEnterLoop(true);
         },
         {4, 2}, true, {1, 2}, 6},
        {"top to bottom, last cell", dir(TAdvanceDirection::adTopBottom), {4, 5}, true, {1, 1}, 6},
        {"backward from the first cell", dir(TAdvanceDirection::adLeftRight), {1, 1}, false, {4, 5}, 6},
        {"read-only cells are passed over, into the next row",
         [&] {
             grid->Navigation()->SetAdvanceSkipReadOnlyCells(true);
             readOnly = {{3, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
         },
         {2, 2}, true, {1, 4}, 6},
        {"OnAutoAdvance refuses",
         [&] { grid->OnAutoAdvance = [](TObject*, int, int, int&, int&, bool& Allow) { Allow = false; }; },
         {2, 2}, true, {2, 2}, 6},
        {"a merged cell of three columns is one cell",
         [&] { grid->MergeCells(1, 2, 3, 1); },
         {1, 2}, true, {4, 2}, 6},
        {"every cell read-only, loop on: one pass, then nowhere",
         [&] {
             grid->Navigation()->SetAdvanceSkipReadOnlyCells(true);
             grid->Navigation()->SetAdvanceOnEnterLoop(true);
             for (int r = 1; r < 6; ++r)
                 for (int c = 1; c < 5; ++c)
                     readOnly.insert({c, r});
         },
         {2, 2}, true, {2, 2}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.setup();
        Goto(c.from.X, c.from.Y);
        grid->AdvanceEditCell(grid->Col(), grid->Row(), false, false, c.forward, false, false);
        EXPECT_EQ(Current(), c.to);
        EXPECT_EQ(grid->RowCount(), c.rows);
        if (c.rows == 7) {
            EXPECT_EQ(added, std::vector<std::string>{"added 6"});
        }
        // Back to the defaults.
        grid->SetRowCount(6);
        grid->SplitCells(1, 2);
        readOnly.clear();
        grid->OnAutoAdvance = nullptr;
        grid->Navigation()->SetAdvanceDirection(TAdvanceDirection::adLeftRight);
        grid->Navigation()->SetAdvanceInsert(false);
        grid->Navigation()->SetAdvanceOnEnterLoop(false);
        grid->Navigation()->SetAdvanceSkipReadOnlyCells(false);
    }
}

TEST_F(EditTest, EnterInAReadOnlyCellWithoutAdvance)
{
    // Swallowed after OnKeyPress: no editor, no move.
    readOnly.insert({2, 2});
    Goto(2, 2);
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    TestKit::TypeKey(grid, VK_RETURN);
    EXPECT_EQ(log, Log{"press Enter"});
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Current(), TPoint(2, 2));
}

// ---- moving the current cell ----------------------------------------------------------------

TEST_F(EditTest, RowUpdatesOnlyForAcceptedMoves)
{
    Log rows;
    grid->OnRowUpdate = [&](TObject*, int OldRow, int NewRow) {
        rows.push_back(std::to_string(OldRow) + "->" + std::to_string(NewRow));
    };
    Goto(1, 1);
    Key(VK_DOWN);
    Key(VK_DOWN);
    // A refused value keeps the row: not reported.
    Validate([](String&, bool& Valid) { Valid = false; });
    EditWith("x");
    Key(VK_DOWN);
    EXPECT_EQ(Current(), TPoint(1, 3));
    EXPECT_EQ(rows, (Log{"-1->1", "1->2", "2->3"}));
}

TEST_F(EditTest, ClickOnACoveredCellSelectsTheMerge)
{
    grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
    grid->MergeCells(1, 2, 2, 2);
    Goto(4, 4);
    TestKit::Click(grid, Mid(2, 3).X, Mid(2, 3).Y);
    EXPECT_EQ(Current(), TPoint(1, 2));
}
