// Editing cells in place: how an edit starts and ends (the events of each
// path as one list), refused values, the editor kinds, the end-of-edit
// message.
#include "edit_fixture.h"
#include "grid/edit/grid_combo.h"

#include "grid/core/column_grid.h"
#include "grid/core/column_items.h"

using Log = std::vector<std::string>;

// ---- starting an edit ------------------------------------------------------------------------

TEST_F(EditTest, TypingF2AndEnterStartAnEdit)
{
    // A typed character: OnKeyPress once, the editor opens with it alone.
    Goto(1, 1);
    TestKit::TypeText(grid, "x");
    EXPECT_EQ(log, Log{"press x"});
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "x");
    EXPECT_EQ(S(grid->Cells(1, 1)), "x") << "the cell follows the editor";
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(log, Log{"press x"});

    // F2: the cell's text, the caret at its end.
    Key(VK_ESCAPE);
    Goto(2, 2);
    TestKit::TypeKey(grid, VK_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "2,2");
    EXPECT_EQ(Editor()->SelStart(), 3);
    EXPECT_EQ(Editor()->SelLength(), 0);
    EXPECT_EQ(log, Log{});

    // Enter on the grid: the editor opens, all selected.
    Key(VK_ESCAPE);
    Goto(3, 2);
    TestKit::TypeKey(grid, VK_RETURN);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "3,2");
    EXPECT_EQ(Editor()->SelLength(), 3);
    EXPECT_EQ(log, Log{"press Enter"});
}

// With FocusHelper on, the halo floats around the cell being edited (text
// editor and combo alike) and the grid is the active one; a valid value ends
// it.
TEST_F(EditTest, TheFocusHaloShowsWhileACellIsEdited)
{
    grid->FocusHelper()->SetEnabled(true);
    for (const bool combo : {false, true}) {
        SCOPED_TRACE(combo ? "combo" : "text editor");
        grid->OnGetEditorType = [combo](TObject*, int, int, TEditorType& E) {
            if (combo)
                E = TEditorType::edComboEdit;
        };
        Goto(1, 1);
        EXPECT_FALSE(grid->FocusWindow()->Visible());
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
        EXPECT_TRUE(grid->FocusWindow()->Visible());
        EXPECT_EQ(HookActiveGrid(), grid);
        const TPoint at = grid->ClientToScreen(TPoint(grid->CellRect(1, 1).Left, grid->CellRect(1, 1).Top));
        EXPECT_EQ(grid->FocusWindow()->Left(), at.X - 4);
        EXPECT_EQ(grid->FocusWindow()->Top(), at.Y - 4);
        EXPECT_TRUE(grid->ValidateCell("good"));
        EXPECT_FALSE(grid->FocusWindow()->Visible());
        EXPECT_EQ(HookActiveGrid(), nullptr);
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
    }
    // Off: nothing shows.
    grid->FocusHelper()->SetEnabled(false);
    grid->OnGetEditorType = nullptr;
    Goto(2, 2);
    TestKit::TypeKey(grid, VK_F2);
    EXPECT_FALSE(grid->FocusWindow()->Visible());
    EXPECT_EQ(HookActiveGrid(), nullptr);
}

TEST_F(EditTest, EditKeysOnACellThatCannotBeEdited)
{
    // F2 and Enter go to OnKeyDown and no further; typing does nothing.
    readOnly.insert({1, 1});
    std::vector<Word> keys;
    grid->OnKeyDown = [&](TObject*, Word& K, TShiftState) { keys.push_back(K); };
    Goto(1, 1);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::TypeKey(grid, VK_RETURN);
    EXPECT_EQ(keys, (std::vector<Word>{VK_F2, VK_RETURN}));
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(log, Log{"press Enter"}) << "the character of Enter is dropped after OnKeyPress";
    // A check box is operated, not edited: typing opens nothing.
    grid->AddCheckBox(2, 1, false, false);
    Goto(2, 1);
    TestKit::TypeText(grid, "q");
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(EditorShown());
}

TEST_F(EditTest, TypedCharacterReplacedOrFromAnotherScript)
{
    grid->OnKeyPress = [this](TObject*, QChar& Key) {
        log.push_back("press " + S(QString(Key)));
        if (Key == u'a')
            Key = u'b';
    };
    Goto(1, 1);
    TestKit::TypeText(grid, "a");
    TestKit::PumpPostedMessages();
    EXPECT_EQ(EditorText(), "b");
    EXPECT_EQ(log, Log{"press a"}) << "the replayed character is not announced twice";
    Key(VK_ESCAPE);
    // A Cyrillic letter starts an edit like any printable character.
    Goto(2, 1);
    TestKit::KeyPress(grid, QChar(0x0416));
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), QString(QChar(0x0416)));
    // Backspace counts as typing: an empty editor.
    Key(VK_ESCAPE);
    Goto(3, 1);
    TestKit::TypeKey(grid, VK_BACK);
    TestKit::PumpPostedMessages();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "");
}

// ---- ending an edit: one event list per path -------------------------------------------------

TEST_F(EditTest, LeavingByEnterArrowClickAndFocus)
{
    Validate();
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->Navigation()->SetAdvanceAutoEdit(false);
    struct Path {
        const char* name;
        std::function<void()> leave;
        TPoint to;
    };
    const std::vector<Path> paths{
        {"Enter", [&] { Key(VK_RETURN); }, TPoint(2, 1)},
        {"arrow", [&] { Key(VK_DOWN); }, TPoint(1, 2)},
        {"click", [&] { TestKit::Click(grid, Mid(3, 2).X, Mid(3, 2).Y); }, TPoint(3, 2)},
        {"focus", [&] { other->SetFocus(); }, TPoint(1, 1)},
    };
    for (const Path& p : paths) {
        SCOPED_TRACE(p.name);
        grid->SetFocus();
        Goto(1, 1);
        grid->SetCells(1, 1, "old");
        EditWith("N");
        log.clear();
        p.leave();
        Log expected{"validate 1,1 'oldN' cell 'oldN'", "editingdone"};
        if (std::string(p.name) == "Enter")
            expected.push_back("press Enter");
        EXPECT_EQ(log, expected);
        EXPECT_EQ(S(grid->Cells(1, 1)), "oldN");
        EXPECT_EQ(Current(), p.to);
        EXPECT_FALSE(EditorShown());
        // OnEditCellDone waits for the message loop.
        TestKit::PumpPostedMessages();
        expected.push_back("editcelldone 1,1");
        EXPECT_EQ(log, expected);
    }
}

TEST_F(EditTest, EnterMovesOnAndEditsTheNextCell)
{
    // The defaults with AdvanceOnEnter: the editor opens on the next cell.
    Validate();
    grid->Navigation()->SetAdvanceOnEnter(true);
    Goto(1, 1);
    EditWith("N");
    log.clear();
    Key(VK_RETURN);
    EXPECT_EQ(Current(), TPoint(2, 1));
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "2,1");
    EXPECT_EQ(S(grid->Cells(1, 1)), "1,1N");
    TestKit::PumpPostedMessages();
    EXPECT_EQ(log, (Log{"validate 1,1 '1,1N' cell '1,1N'", "editingdone", "press Enter", "editcelldone 1,1"}));
}

TEST_F(EditTest, ValidationOnlyForAChange)
{
    Validate();
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->Navigation()->SetAdvanceAutoEdit(false);
    // Unchanged: no OnCellValidate.
    Goto(1, 1);
    EditWith("");
    Key(VK_RETURN);
    EXPECT_EQ(log, (Log{"editingdone", "press Enter"}));
    // A change of letter case is a change.
    Goto(1, 1);
    grid->SetCells(1, 1, "abc");
    TestKit::TypeKey(grid, VK_F2);
    Editor()->SetText("ABC");
    Key(VK_RETURN);
    EXPECT_EQ(log.at(0), "validate 1,1 'ABC' cell 'ABC'");
    // AlwaysValidate: an unchanged value too.
    grid->SetAlwaysValidate(true);
    Goto(1, 1);
    EditWith("");
    Key(VK_RETURN);
    EXPECT_EQ(log.at(0), "validate 1,1 'ABC' cell 'ABC'");
}

// A validated change reaches OnCellsChanged and every registered notifier
// exactly once; an unchanged value reaches none.
TEST_F(EditTest, AValidatedChangeIsReportedOnce)
{
    struct TCounter : TGridChangeNotifier {
        using TGridChangeNotifier::TGridChangeNotifier;
        std::vector<TRect> Seen;
        void CellsChanged(const TRect& R) override { Seen.push_back(R); }
    };
    auto* a = new TCounter(&form);
    auto* b = new TCounter(&form);
    grid->RegisterNotifier(a);
    grid->RegisterNotifier(b);
    int events = 0;
    grid->OnCellsChanged = [&](TObject*, TRect&) { ++events; };
    Goto(2, 1);
    TestKit::TypeKey(grid, VK_F2);
    Editor()->SetText("changed");
    Key(VK_RETURN);
    EXPECT_EQ(events, 1);
    ASSERT_EQ(a->Seen.size(), 1u);
    EXPECT_EQ(a->Seen[0], TRect(2, 1, 2, 1));
    EXPECT_EQ(b->Seen.size(), 1u);
    Goto(2, 1);
    TestKit::TypeKey(grid, VK_F2);
    Key(VK_RETURN);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(a->Seen.size(), 1u);
}

TEST_F(EditTest, RefusedValues)
{
    struct Case {
        const char* leave;
        bool handlerChanges;
        bool balloonText;
    };
    std::vector<Case> cases;
    for (const char* leave : {"Enter", "arrow", "click", "focus"})
        for (bool changes : {false, true})
            cases.push_back({leave, changes, changes});
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->Navigation()->SetAdvanceAutoEdit(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.leave) + (c.handlerChanges ? " handler's text" : " old text"));
        Validate([&](String& Value, bool& Valid) {
            Valid = false;
            if (c.handlerChanges)
                Value = "fixed";
        });
        grid->SetInvalidEntryTitle(c.balloonText ? "Not valid" : "");
        grid->SetInvalidEntryText(c.balloonText ? "Only numbers" : "");
        if (grid->InvalidEntryBalloon())
            grid->InvalidEntryBalloon()->ReleaseHandle();
        grid->SetFocus();
        Goto(1, 1);
        grid->SetCells(1, 1, "old");
        grid->SetModified(false);
        EditWith("X");
        const std::string leave = c.leave;
        if (leave == "Enter")
            Key(VK_RETURN);
        else if (leave == "arrow")
            Key(VK_DOWN);
        else if (leave == "click")
            TestKit::Click(grid, Mid(3, 2).X, Mid(3, 2).Y);
        else
            other->SetFocus();
        const std::string back = c.handlerChanges ? "fixed" : "old";
        EXPECT_EQ(S(grid->Cells(1, 1)), back);
        EXPECT_EQ(S(EditorText()), back);
        EXPECT_EQ(Current(), TPoint(1, 1));
        // The editor stays open on the cell, unless the focus went elsewhere.
        EXPECT_EQ(EditorShown(), leave != "focus");
        EXPECT_FALSE(grid->Modified());
        const bool balloon = grid->InvalidEntryBalloon() && grid->InvalidEntryBalloon()->IsHintShowing();
        EXPECT_EQ(balloon, c.balloonText);
        EXPECT_EQ(Filter(log, "editingdone").size(), leave == "focus" ? 1u : 0u);
        if (EditorShown())
            Key(VK_ESCAPE);
        log.clear();
    }
}

// ---- the editor kinds ---------------------------------------------------------------------------

TEST_F(EditTest, CanEditShowByKind)
{
    TEditorType kind = TEditorType::edNormal;
    grid->OnGetEditorType = [&](TObject*, int, int, TEditorType& E) { E = kind; };
    grid->AddCheckBox(1, 2, false, false);
    struct Case {
        const char* name;
        TEditorType kind;
        int row;
        bool opens;
        bool editMode;
    };
    const std::vector<Case> cases{
        {"edNormal", TEditorType::edNormal, 1, true, true},
        {"edNumeric", TEditorType::edNumeric, 1, true, true},
        {"edNone", TEditorType::edNone, 1, false, false},
        {"edComboList", TEditorType::edComboList, 1, false, true},
        // No control: no edit is left open.
        {"edDataCheckBox", TEditorType::edDataCheckBox, 1, false, false},
        {"check-box cell", TEditorType::edNormal, 2, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kind = c.kind;
        Goto(1, c.row);
        grid->EditMode = false;
        TestKit::TypeKey(grid, VK_F2);
        EXPECT_EQ(EditorShown(), c.opens);
        EXPECT_EQ(grid->EditMode, c.editMode);
        EXPECT_EQ(grid->ComboEditor()->Visible(), c.kind == TEditorType::edComboList);
        if (EditorShown() || grid->ComboEditor()->Visible())
            Key(VK_ESCAPE);
        grid->SetFocus();
        // Editing mode off: the next cell does not open an editor on its own.
        grid->SetEditorMode(false);
    }
    // Never while a value is validated.
    Goto(1, 1);
    kind = TEditorType::edNormal;
    grid->EditMode = false;
    grid->SetEditorMode(true);
    grid->FValidating = true;
    EXPECT_FALSE(grid->CanEditShow());
    grid->FValidating = false;
    EXPECT_TRUE(grid->CanEditShow());
}

TEST(EditColumnGrid, ReadOnlyColumnIsNotEditable)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    auto* g = new TVynColumnGrid(&form);
    g->SetParent(&form);
    g->SetColCount(3);
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->Columns()->Items(2)->SetReadOnly(true);
    EXPECT_TRUE(g->IsEditable(1, 1));
    EXPECT_FALSE(g->IsEditable(2, 1));
    EXPECT_FALSE(g->IsEditable(1, 0)) << "a fixed cell";
}

// ---- the end-of-edit message ---------------------------------------------------------------------

TEST_F(EditTest, GridEditDoneMessage)
{
    // Column and row as posted; the double-click-only tail leaves edit mode.
    PostMessage(grid, GridEditDoneMsg(), 3, 4);
    EXPECT_EQ(log, Log{});
    TestKit::PumpPostedMessages();
    EXPECT_EQ(log, Log{"editcelldone 3,4"});
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    PostMessage(grid, GridEditDoneMsg(), 1, 1);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(grid->Options().Contains(goEditing));
}

TEST(EditGridGone, GridEditDoneAfterTheGridIsFreed)
{
    // An edit ends, the grid goes before the message runs: nothing happens.
    TestKit::InputStateScope input;
    const bool started = VynGridModule::Start();
    int calls = 0;
    {
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        auto* g = new TVynStringGrid(&form);
        g->SetParent(&form);
        g->SetOptions(g->Options() + TGridOptions{goEditing});
        g->OnEditCellDone = [&](TObject*, int, int) { ++calls; };
        auto* other = new TEdit(&form);
        other->SetParent(&form);
        form.Show();
        g->SetFocus();
        TestKit::TypeKey(g, VK_F2);
        TestKit::TypeText(nullptr, "z");
        other->SetFocus();
        EXPECT_GE(PostedMessageCount(), 1);
    }
    EXPECT_NO_THROW(TestKit::PumpPostedMessages());
    EXPECT_EQ(calls, 0);
    if (started)
        VynGridModule::End();
}

// ---- the editor's own events and the grid's editing operations ----------------------------

TEST_F(EditTest, EditorChangeDoubleClickAndRowGrowth)
{
    Log changes;
    grid->OnEditChange = [&](TObject*, int C, int R, const String& V) {
        changes.push_back(std::to_string(C) + "," + std::to_string(R) + " " + S(V));
    };
    grid->OnDblClickCell = [&](TObject*, int R, int C) {
        changes.push_back("dblclick row " + std::to_string(R) + " col " + std::to_string(C));
    };
    grid->OnEndRowSize = [&](TObject*, int R) { changes.push_back("rowsize " + std::to_string(R)); };
    Goto(2, 3);
    EditWith("ab");
    // Loading the editor is no change; each typed character is.
    EXPECT_EQ(changes, (Log{"2,3 2,3a", "2,3 2,3ab"}));
    changes.clear();
    TestKit::DblClick(Editor(), 5, 5);
    EXPECT_EQ(changes, Log{"dblclick row 3 col 2"});
    // Shift+Enter in multi-line cells that grow while typing: a line more.
    changes.clear();
    grid->SetMultilinecells(true);
    grid->SizeWhileTyping()->SetHeight(true);
    const int before = grid->RowHeights(3);
    Key(VK_RETURN, {ssShift});
    EXPECT_GT(grid->RowHeights(3), before);
    EXPECT_EQ(Filter(changes, "rowsize"), Log{"rowsize 3"});
}

TEST_F(EditTest, WriteEditedValueAndRestoreOriginalCell)
{
    // A hidden column: the value lands at the real column, and the platform
    // is told (display column).
    Log told;
    grid->OnSetEditText = [&](TObject*, int C, int R, const String& V) {
        told.push_back(std::to_string(C) + "," + std::to_string(R) + " " + S(V));
    };
    grid->SetVisibleCol(1, false);
    grid->SetColCount(4);
    grid->WriteEditedValue(2, 3, "new");
    EXPECT_EQ(S(grid->AllCells(2, 3)), "new");
    EXPECT_EQ(S(grid->AllCells(1, 3)), "1,3");
    EXPECT_EQ(told, Log{"1,3 new"});
    // ShowCellEdit opens as F2 does; Esc through the grid's key press puts
    // the original text back.
    grid->SetVisibleCol(1, true);
    grid->SetColCount(5);
    Goto(3, 2);
    grid->ShowCellEdit();
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(S(grid->OriginalCellValue()), "3,2");
    Editor()->SetText("changed");
    QChar esc(27);
    grid->KeyPress(esc);
    EXPECT_EQ(S(grid->Cells(3, 2)), "3,2");
}

TEST_F(EditTest, SwitchesComeBackWhenAHandlerRaises)
{
    // A validation handler that raises: the validation is over, the
    // advance switch is back, the current cell is the edit cell.
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->OnCellValidate = [](TObject*, int, int, String&, bool&) { throw Exception("handler failed"); };
    Goto(1, 1);
    EditWith("x");
    EXPECT_THROW(grid->ValidateCell(Editor()->Text()), Exception);
    EXPECT_FALSE(grid->FValidating);
    EXPECT_TRUE(grid->Navigation()->AdvanceOnEnter());
    grid->OnCellValidate = nullptr;
    Key(VK_ESCAPE);
    // A special editor's Enter: AlwaysEdit is back after a raising advance.
    grid->Navigation()->SetAlwaysEdit(true);
    grid->OnAutoAdvance = [](TObject*, int, int, int&, int&, bool&) { throw Exception("advance failed"); };
    Word enter = VK_RETURN;
    EXPECT_THROW(grid->DoneInplaceEdit(enter, {}), Exception);
    EXPECT_TRUE(grid->Navigation()->AlwaysEdit());
    grid->OnAutoAdvance = nullptr;
    // And without a fault it moves on.
    grid->DoneInplaceEdit(enter, {});
    EXPECT_EQ(Current(), TPoint(2, 1));
    EXPECT_TRUE(grid->Navigation()->AlwaysEdit());
}
