// The special editors and the grid's combo: which kinds open what, the
// combo's placement, loading and commit, its keys by style, look-up, wheel,
// drop width, label, its change reports, and the grid's combo item list.
#include "edit_fixture.h"

#include <QFontMetrics>

#include "grid/core/grid_types.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_dropdown_editors.h"
#include "grid/edit/grid_edit_kinds.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/bitmap.h"

namespace {

struct ComboTest : EditTest {
    // The editor kind of every cell of column 2 (others: the text editor).
    TEditorType kind = TEditorType::edComboList;
    int comboChanges = 0;

    ComboTest()
    {
        grid->OnGetEditorType = [this](TObject*, int C, int, TEditorType& E) {
            if (C == 2)
                E = kind;
        };
        grid->ClearComboString();
        for (const char* s : {"Int8", "Int16", "UInt8", "Bool"})
            grid->AddComboString(s);
        grid->OnComboChange = [this](TObject*, int C, int R, int I, const String& T) {
            ++comboChanges;
            log.push_back("combochange " + std::to_string(C) + "," + std::to_string(R) + " " + std::to_string(I) +
                          " " + S(T));
        };
    }
    TGridCombo* Combo() const { return grid->ComboEditor(); }
    bool ComboShown() const { return Combo()->Visible(); }
    // F2 on (C, R).
    void Open(int C, int R)
    {
        Goto(C, R);
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
    }
    void Logged(const std::vector<std::string>& Expected) { EXPECT_EQ(log, Expected); }
};

}  // namespace

// ---- which kinds open what ------------------------------------------------------------------

TEST_F(ComboTest, EveryKindOpensItsEditorOrNothing)
{
    for (int k = 0; k <= int(TEditorType::edMaskEditBtn); ++k) {
        kind = TEditorType(k);
        SCOPED_TRACE(EnumToName(kind).toStdString());
        // The drop-down and rich-text editors: test_dropdown_editors.cpp.
        if (kind == TEditorType::edRichEdit ||
            (IsDropDownEditorKind(kind) && kind != TEditorType::edGridDropDown && kind != TEditorType::edVynGridDropDown))
            continue;
        Goto(2, 1);
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
        const bool text = IsTextEditorKind(kind);
        const bool combo = kind == TEditorType::edComboEdit || kind == TEditorType::edComboList;
        // The spin, edit-button, unit, check-box, button and date kinds
        // (test_simple_editors.cpp).
        const bool simple = (kind >= TEditorType::edSpinEdit && kind <= TEditorType::edButton && !combo) ||
                            kind == TEditorType::edUnitEditBtn || kind == TEditorType::edDateTimeEdit ||
                            (kind >= TEditorType::edFloatSpinEdit && kind <= TEditorType::edFloatEditBtn) ||
                            kind >= TEditorType::edNumericUnitEditBtn;
        EXPECT_EQ(EditorShown(), text);
        EXPECT_EQ(ComboShown(), combo);
        EXPECT_EQ(grid->EditActive(), combo || simple);
        // A kind whose control is not built leaves no edit open: the cell
        // keeps its text and the grid goes on as before.
        EXPECT_EQ(grid->EditMode, text || combo || simple);
        if (simple) {
            grid->HideInplaceEdit();
            grid->SetFocus();
        }
        if (combo || text)
            Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(ComboShown());
        EXPECT_EQ(S(grid->Cells(2, 1)), "2,1");
    }
}

// ---- the combo's placement, loading and commit ------------------------------------------------

TEST_F(ComboTest, PlacedOverTheCellAndLoaded)
{
    struct Case {
        const char* name;
        TEditorType kind;
        const char* cell;
        int comboIdx;
        bool emptyList;
        int itemIndex;
        const char* text;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"list, the cell's item", TEditorType::edComboList, "UInt8", -1, false, 2, "UInt8", {}},
        {"list, letter case ignored", TEditorType::edComboList, "bool", -1, false, 3, "Bool", {}},
        {"list, a text not in the list takes item 0", TEditorType::edComboList, "float", -1, false, 0, "Int8",
         {"combochange 2,1 0 Int8"}},
        {"list, preselected item", TEditorType::edComboList, "float", 1, false, 1, "Int16", {}},
        {"list, empty list", TEditorType::edComboList, "float", -1, true, -1, "", {}},
        {"edit, any text", TEditorType::edComboEdit, "float", -1, false, -1, "float", {}},
        {"edit, preselected item when the text is none", TEditorType::edComboEdit, "", 3, false, 3, "Bool", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kind = c.kind;
        grid->SetCells(2, 1, c.cell);
        grid->SetComboSelection(c.comboIdx);
        if (c.emptyList)
            grid->ClearComboString();
        Open(2, 1);
        ASSERT_TRUE(ComboShown());
        EXPECT_EQ(Combo()->ItemIndex(), c.itemIndex);
        EXPECT_EQ(S(Combo()->Text()), c.text);
        Logged(c.events);
        // The control is as high as the cell (minus its line) and as wide.
        const TRect r = grid->CellRect(2, 1);
        EXPECT_EQ(Combo()->BoundsRect(), TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
        EXPECT_EQ(Combo()->Style(), c.kind == TEditorType::edComboList ? csDropDownList : csDropDown);
        // Closing writes what the combo holds.
        log.clear();
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(ComboShown());
        EXPECT_EQ(S(grid->Cells(2, 1)), c.text);
        Logged({"editingdone", "press Enter", "editcelldone 2,1"});
        grid->SetComboSelection(-1);
        grid->ClearComboString();
        for (const char* s : {"Int8", "Int16", "UInt8", "Bool"})
            grid->AddComboString(s);
    }
}

TEST_F(ComboTest, AMergedCellIsCoveredWhole)
{
    grid->MergeCells(2, 1, 2, 2);
    Open(2, 1);
    ASSERT_TRUE(ComboShown());
    const TRect r = grid->CellRect(2, 1);
    EXPECT_EQ(r.Width(), 2 * 80) << "the merged area";
    EXPECT_EQ(Combo()->BoundsRect(), TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
}

TEST_F(ComboTest, ComboEditKeepsTypedTextUpToMaxComboLength)
{
    kind = TEditorType::edComboEdit;
    for (int limit : {0, 5}) {
        SCOPED_TRACE(limit);
        grid->SetMaxComboLength(limit);
        grid->SetCells(2, 1, "");
        Open(2, 1);
        Type("float64x");
        EXPECT_EQ(S(Combo()->Text()), limit ? "float" : "float64x");
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(S(grid->Cells(2, 1)), limit ? "float" : "float64x");
    }
}

TEST_F(ComboTest, TheStartCharacterIsReplayedIntoTheCombo)
{
    // Edit style: the typed character replaces the selected text.
    kind = TEditorType::edComboEdit;
    Goto(2, 1);
    Type("b");
    ASSERT_TRUE(ComboShown());
    EXPECT_EQ(S(Combo()->Text()), "b");
    Logged({"press b", "combochange 2,1 -1 b"});
    Key(VK_ESCAPE);
    // List style: the character chooses the next item starting with it,
    // reported once; the grid's OnKeyPress had the character once.
    kind = TEditorType::edComboList;
    grid->SetCells(2, 2, "Int8");
    Goto(2, 2);
    Type("u");
    ASSERT_TRUE(ComboShown());
    EXPECT_EQ(S(Combo()->Text()), "UInt8");
    Logged({"press u", "combochange 2,2 2 UInt8"});
}

// ---- the combo's edge cases ---------------------------------------------------------------------

TEST_F(ComboTest, LookupCompletesAndBackspaceDoesNotRecomplete)
{
    kind = TEditorType::edComboEdit;
    grid->SetLookup(true);
    grid->SetCells(2, 1, "");
    Open(2, 1);
    Type("in");
    EXPECT_EQ(S(Combo()->Text()), "int8");
    EXPECT_EQ(Combo()->SelStart(), 2);
    EXPECT_EQ(Combo()->SelLength(), 2);
    EXPECT_EQ(Combo()->ItemIndex(), 0) << "Int8 is the chosen item";
    TestKit::TypeKey(nullptr, VK_BACK);
    EXPECT_EQ(S(Combo()->Text()), "in");
    // The next character completes again; from LookupItems when no item fits.
    Type("t1");
    EXPECT_EQ(S(Combo()->Text()), "int16");
    grid->LookupItems()->Add("double");
    Combo()->SetText("");
    Type("do");
    EXPECT_EQ(S(Combo()->Text()), "double");
    EXPECT_EQ(Combo()->ItemIndex(), -1);
    // With LookupHistory a text not in the list joins it when the focus leaves.
    grid->SetLookupHistory(true);
    other->SetFocus();
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(S(grid->Cells(2, 1)), "double");
    EXPECT_GE(Combo()->Items().IndexOf("double"), 0);
}

TEST_F(ComboTest, EscRestoresTheCellsValue)
{
    for (bool handlerWrites : {false, true}) {
        SCOPED_TRACE(handlerWrites);
        grid->SetCells(2, 1, "Int16");
        grid->OnComboChange = [&](TObject*, int C, int R, int, const String& T) {
            if (handlerWrites)
                grid->SetCells(C, R, T);
        };
        Open(2, 1);
        Key(VK_DOWN);
        EXPECT_EQ(S(Combo()->Text()), "UInt8");
        EXPECT_EQ(S(grid->Cells(2, 1)), handlerWrites ? "UInt8" : "Int16");
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(ComboShown());
        EXPECT_EQ(S(grid->Cells(2, 1)), "Int16");
        EXPECT_TRUE(grid->Focused());
    }
}

TEST_F(ComboTest, EnterWithTheListClosedWritesValidatesClosesAndAdvances)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->Navigation()->SetAdvanceAutoEdit(false);
    Validate();
    grid->SetCells(2, 1, "Int8");
    Open(2, 1);
    Key(VK_DOWN);
    log.clear();
    Key(VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(S(grid->Cells(2, 1)), "Int16");
    EXPECT_EQ(Current(), TPoint(3, 1));
    Logged({"validate 2,1 'Int16' cell 'Int16'", "editingdone", "press Enter", "editcelldone 2,1"});
}

TEST_F(ComboTest, TheListIsAsWideAsItsWidestItem)
{
    grid->Navigation()->SetAutoComboDropSize(true);
    grid->ControlLook()->SetDropDownCount(8);
    grid->ClearComboString();
    const QFontMetrics fm(grid->Font().ToQFont());
    String wide = "W";
    while (fm.horizontalAdvance(wide) < 79 + 30)
        wide += "W";
    for (int i = 0; i < 19; ++i)
        grid->AddComboString(QString("item %1").arg(i));
    grid->AddComboString(wide);
    Open(2, 1);
    EXPECT_EQ(Combo()->Width(), 79);
    EXPECT_EQ(Combo()->DroppedWidth(), fm.horizontalAdvance(wide) + 25);
    Key(VK_ESCAPE);
    // Without scrolling (4 items) the margin is 8.
    grid->ClearComboString();
    grid->AddComboString(wide);
    Open(2, 2);
    EXPECT_EQ(Combo()->DroppedWidth(), fm.horizontalAdvance(wide) + 8);
}

TEST_F(ComboTest, ButtonWidthOutsideItsRangeIsIgnored)
{
    EXPECT_EQ(Combo()->ButtonWidth(), 16);
    for (auto [set, expected] : std::vector<std::pair<int, int>>{{40, 16}, {13, 16}, {14, 14}, {32, 32}, {33, 32}}) {
        Combo()->SetButtonWidth(set);
        EXPECT_EQ(Combo()->ButtonWidth(), expected) << set;
    }
}

TEST_F(ComboTest, TheWheelChoosesTheNextItemAndStopsAtTheLast)
{
    grid->SetCells(2, 1, "UInt8");
    std::vector<std::string> edits;
    grid->OnEditChange = [&](TObject*, int C, int, const String& V) {
        edits.push_back(std::to_string(C) + " " + S(V));
    };
    Open(2, 1);
    const TPoint mid(Combo()->Width() / 2, Combo()->Height() / 2);
    TestKit::Wheel(Combo(), mid.X, mid.Y, -120);
    EXPECT_EQ(S(Combo()->Text()), "Bool");
    TestKit::Wheel(Combo(), mid.X, mid.Y, -120);
    EXPECT_EQ(S(Combo()->Text()), "Bool") << "the last item stays";
    TestKit::Wheel(Combo(), mid.X, mid.Y, 120);
    EXPECT_EQ(S(Combo()->Text()), "UInt8");
    Logged({"combochange 2,1 3 Bool", "combochange 2,1 2 UInt8"});
    EXPECT_EQ(edits, (std::vector<std::string>{"2 Bool", "2 UInt8"}));
}

TEST_F(ComboTest, TheLabelIsPlacedByItsPosition)
{
    TVsgComboBox box(&form);
    box.SetParent(&form);
    box.SetBounds(200, 300, 100, 24);
    box.SetLabelCaption("Label");
    TLabel* l = box.ComboLabel();
    ASSERT_NE(l, nullptr);
    l->SetAutoSize(false);
    l->SetBounds(0, 0, 41, 15);
    struct Case {
        TLabelPosition pos;
        int left, top;
    };
    int w = 0;
    {
        TBitmap scratch(1, 1);
        scratch.Canvas().SetFont(l->Font());
        w = scratch.Canvas().TextWidth("Label");
    }
    const std::vector<Case> cases = {
        {lpTopCenter, 229, 300 - 15 - 4}, {lpBottomCenter, 229, 328}, {lpLeftTop, 200 - w - 4, 300},
        {lpLeftCenter, 200 - w - 4, 304}, {lpTopLeft, 200, 281},     {lpRightCenter, 304, 304},
        {lpRighBottom, 304, 309},
    };
    for (const Case& c : cases) {
        box.SetLabelPosition(c.pos);
        EXPECT_EQ(l->Left(), c.left) << int(c.pos);
        EXPECT_EQ(l->Top(), c.top) << int(c.pos);
    }
    // The label follows the combo.
    box.SetLabelPosition(lpTopCenter);
    box.SetBounds(100, 300, 100, 24);
    EXPECT_EQ(l->Left(), 129);
    box.SetVisible(false);
    EXPECT_FALSE(l->Visible());
}

// ---- keys by style ----------------------------------------------------------------------------

TEST_F(ComboTest, KeysByStyleWithTheDefaults)
{
    struct Case {
        const char* name;
        TEditorType kind;
        Word key;
        bool open;        // the combo still open afterwards
        TPoint cell;      // the current cell afterwards
        const char* text; // the cell's text afterwards
    };
    const std::vector<Case> cases = {
        {"list Down changes the item", TEditorType::edComboList, VK_DOWN, true, {2, 1}, "Int8"},
        {"list Up changes the item", TEditorType::edComboList, VK_UP, true, {2, 1}, "Int8"},
        {"list Left leaves sideways", TEditorType::edComboList, VK_LEFT, false, {1, 1}, "Int8"},
        {"list Right leaves sideways", TEditorType::edComboList, VK_RIGHT, false, {3, 1}, "Int8"},
        {"edit Down commits and moves a row", TEditorType::edComboEdit, VK_DOWN, false, {2, 2}, "Int8x"},
        {"edit Up commits and moves a row", TEditorType::edComboEdit, VK_UP, false, {2, 0}, "Int8x"},
        {"edit Left moves the caret", TEditorType::edComboEdit, VK_LEFT, true, {2, 1}, "Int8"},
        {"edit Page Down ends the edit", TEditorType::edComboEdit, VK_NEXT, false, {2, 1}, "Int8x"},
    };
    grid->SetFixedRows(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kind = c.kind;
        grid->SetCells(2, 1, "Int8");
        Open(2, 1);
        if (c.kind == TEditorType::edComboEdit) {
            Combo()->SetSelStart(4);
            Type("x");
        }
        Key(c.key);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(ComboShown(), c.open);
        EXPECT_EQ(Current(), c.cell);
        if (!c.open) {
            EXPECT_EQ(S(grid->Cells(2, 1)), c.text);
        }
        if (c.open && c.kind == TEditorType::edComboList) {
            EXPECT_EQ(S(Combo()->Text()), c.key == VK_DOWN ? "Int16" : "Int8");
        }
        if (ComboShown())
            Key(VK_ESCAPE);
    }
}

TEST_F(ComboTest, TabWithAndWithoutGoTabs)
{
    Validate();
    std::vector<Word> gridKeys;
    grid->OnKeyDown = [&](TObject*, Word& K, TShiftState) { gridKeys.push_back(K); };
    for (bool tabs : {true, false}) {
        SCOPED_TRACE(tabs);
        TGridOptions o = grid->Options();
        if (tabs)
            o.Include(goTabs);
        else
            o.Exclude(goTabs);
        grid->SetOptions(o);
        grid->SetCells(2, 1, "Int8");
        Open(2, 1);
        Key(VK_DOWN);
        log.clear();
        gridKeys.clear();
        Key(VK_TAB);
        TestKit::PumpPostedMessages();
        EXPECT_FALSE(ComboShown());
        EXPECT_EQ(S(grid->Cells(2, 1)), "Int16");
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "validate 2,1 'Int16' cell 'Int16'");
        if (tabs) {
            // The grid moved on by its own Tab.
            EXPECT_EQ(Current(), TPoint(3, 1));
        } else {
            // A Tab key-down went to the grid after the editor was left.
            EXPECT_FALSE(gridKeys.empty());
            EXPECT_EQ(gridKeys.back(), VK_TAB);
        }
    }
}

TEST_F(ComboTest, ARefusedEnterKeepsTheEditorWithTheValidatedText)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    for (TEditorType k : {TEditorType::edComboEdit, TEditorType::edComboList}) {
        SCOPED_TRACE(EnumToName(k).toStdString());
        kind = k;
        Validate([](String& Value, bool& Valid) {
            Valid = false;
            Value = "Bool";
        });
        grid->SetCells(2, 1, "Int8");
        Open(2, 1);
        if (k == TEditorType::edComboList) {
            Key(VK_DOWN);
        } else {
            Combo()->SetSelStart(4);
            Type("z");
        }
        Key(VK_RETURN);
        TestKit::PumpPostedMessages();
        EXPECT_TRUE(ComboShown());
        EXPECT_EQ(S(Combo()->Text()), "Bool") << "the validated text";
        EXPECT_EQ(Current(), TPoint(2, 1)) << "no advance";
        EXPECT_EQ(S(grid->Cells(2, 1)), "Bool");
        grid->OnCellValidate = nullptr;
        Key(VK_ESCAPE);
        TestKit::PumpPostedMessages();
    }
}

TEST_F(ComboTest, OnKeyPressGetsTheGridAsSender)
{
    std::vector<TObject*> senders;
    grid->OnKeyPress = [&](TObject* Sender, QChar&) { senders.push_back(Sender); };
    kind = TEditorType::edComboEdit;
    Open(2, 1);
    Type("ab");
    Key(VK_RETURN);
    ASSERT_EQ(senders.size(), 3u);
    for (TObject* s : senders)
        EXPECT_EQ(s, grid);
}

TEST_F(ComboTest, AHandlerThatRaisesLeavesNoSwitchTurned)
{
    grid->MouseActions()->SetDirectComboClose(true);
    grid->Navigation()->SetAlwaysEdit(false);
    grid->OnEditingDone = [](TObject*) { throw Exception("handler"); };
    grid->SetCells(2, 1, "Int8");
    for (Word key : {VK_LEFT, VK_ESCAPE}) {
        Open(2, 1);
        try {
            Key(key);
        } catch (const Exception&) {
        }
        EXPECT_TRUE(grid->MouseActions()->DirectComboClose()) << key;
        EXPECT_FALSE(grid->Navigation()->AlwaysEdit()) << key;
        EXPECT_FALSE(grid->EditActive()) << key;
    }
    grid->OnEditingDone = nullptr;
}

// ---- the combo's item list, cell graphics, password cells --------------------------------------

TEST_F(ComboTest, ComboItemListAndCellServices)
{
    // Two items after a clear, for every combo cell.
    grid->ClearComboString();
    grid->AddComboString("a");
    grid->AddComboStringObject("B", grid);
    EXPECT_EQ(grid->GetComboCount(), 2);
    // Find ignores letter case; a text not in the list leaves the preselection.
    grid->SetComboSelection(1);
    EXPECT_FALSE(grid->SetComboSelectionString("c"));
    EXPECT_EQ(grid->ComboSelection(), 1);
    EXPECT_TRUE(grid->SetComboSelectionString("A"));
    EXPECT_EQ(grid->ComboSelection(), 0);
    // ComboIndex of a text not in the list is -1; OnGetEditorProp comes first.
    int props = 0;
    grid->OnGetEditorProp = [&](TObject*, int, int, TEditLink*) { ++props; };
    grid->SetCells(1, 1, "b");
    EXPECT_EQ(grid->ComboIndex(1, 1), 1);
    grid->SetCells(1, 1, "zz");
    EXPECT_EQ(grid->ComboIndex(1, 1), -1);
    EXPECT_EQ(props, 2);
    grid->SetComboIndex(1, 1, 0);
    EXPECT_EQ(S(grid->Cells(1, 1)), "a");
    EXPECT_THROW(grid->SetComboIndex(1, 1, 5), EStringListError);
    EXPECT_TRUE(grid->RemoveComboString("b"));
    EXPECT_FALSE(grid->RemoveComboString("b"));
    EXPECT_EQ(grid->GetComboCount(), 1);
    // The graphic of a cell: removed only by its own type; an empty cell keeps its text.
    grid->SetCells(3, 3, "");
    TCellGraphic* g = grid->CreateCellGraphic(3, 3);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(S(grid->Cells(3, 3)), "");
    EXPECT_EQ(grid->CellGraphics(3, 3), g);
    EXPECT_FALSE(grid->RemoveCellGraphicOfType(3, 3, TCellType::ctProgress));
    EXPECT_EQ(grid->CellGraphics(3, 3), g);
    EXPECT_TRUE(grid->RemoveCellGraphic(3, 3));
    EXPECT_FALSE(grid->RemoveCellGraphic(3, 3));
    // Password cells come from the grid's question.
    EXPECT_FALSE(grid->CellIsPassword(1, 1));
    grid->OnIsPasswordCell = [](TObject*, int R, int C, bool& P) { P = C == 1 && R == 1; };
    EXPECT_TRUE(grid->CellIsPassword(1, 1));
    EXPECT_FALSE(grid->CellIsPassword(1, 2));
}

TEST_F(ComboTest, TheComboReportsItsListAndChanges)
{
    std::vector<std::string> events;
    grid->OnComboDropDown = [&](TObject*, int R, int C) {
        events.push_back("dropdown " + std::to_string(C) + "," + std::to_string(R));
    };
    grid->OnComboCloseUp = [&](TObject*, int R, int C) {
        events.push_back("closeup " + std::to_string(C) + "," + std::to_string(R));
    };
    grid->OnComboObjectChange = [&](TObject*, int C, int, int I, const String& T, TObject* O) {
        events.push_back("object " + std::to_string(C) + " " + std::to_string(I) + " " + S(T) +
                         (O == grid ? " grid" : ""));
    };
    int dropUps = 0;
    Combo()->OnDropUp = [&](TObject*) { ++dropUps; };
    grid->ClearComboString();
    grid->AddComboString("a");
    grid->AddComboStringObject("b", grid);
    grid->SetCells(2, 1, "a");
    Open(2, 1);
    Key(VK_DOWN);
    Combo()->SetDroppedDown(true);
    Combo()->SetDroppedDown(false);
    EXPECT_EQ(events, (std::vector<std::string>{"object 2 1 b grid", "dropdown 2,1", "closeup 2,1"}));
    EXPECT_EQ(dropUps, 1);
    Logged({"combochange 2,1 1 b"});
    // DirectComboClose: closing the list ends the edit with the chosen item.
    grid->MouseActions()->SetDirectComboClose(true);
    Combo()->SetDroppedDown(true);
    Combo()->SetDroppedDown(false);
    TestKit::PumpPostedMessages();
    EXPECT_FALSE(ComboShown());
    EXPECT_EQ(S(grid->Cells(2, 1)), "b");
    EXPECT_TRUE(grid->Focused());
}
