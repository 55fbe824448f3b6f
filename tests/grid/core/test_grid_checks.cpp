// Check boxes, radio buttons and radio groups in string-grid cells: adding
// them (columns, data boxes, cells outside the grid), reading and setting
// states with and without the change event, clicks (can-edit question,
// three-state cycles, undo), the hit test, the radio column group and the
// keyboard step through a radio group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/grid_options.h"
#include "grid/core/grid_undo.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "string_grid_probe.h"

namespace {

class TChecksGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
};

// One fixed row and five columns; Rows rows in all.
struct ChecksTest : ::testing::Test {
    TChecksGrid g{nullptr};
    std::vector<std::string> changes;
    ChecksTest()
    {
        g.SetColCount(5);
        g.SetRowCount(5);
        g.SetFixedRows(1);
        g.OnCheckBoxChange = [this](TObject*, int c, int r, bool s) {
            changes.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + (s ? "1" : "0"));
        };
    }
    TCellType Kind(int C, int R) { return g.GetCellType(C, R); }
    // A three-state box as the typed access adds one.
    void AddTriState(int C, int R, TCheckBoxState S)
    {
        g.CreateCellGraphic(C, R)->SetCheckBox(S, true, TCellHAlign::haBeforeText, TCellVAlign::vaTop);
    }
    TCheckBoxState TriState(int C, int R) { return g.GetCellGraphic(C, R)->CellCheckBoxState(); }
};

}  // namespace

TEST_F(ChecksTest, ACheckBoxColumnFromTheFirstRowBelowTheFixedRows)
{
    g.AddCheckBoxColumn(1, false, false);
    EXPECT_EQ(Kind(1, 0), TCellType::ctEmpty);
    for (int r = 1; r < 5; ++r) {
        ASSERT_EQ(Kind(1, r), TCellType::ctCheckBox) << r;
        const TCellGraphic* box = g.GetCellGraphic(1, r);
        EXPECT_EQ(box->CellHAlign(), TCellHAlign::haBeforeText);
        EXPECT_EQ(box->CellVAlign(), TCellVAlign::vaTop);
        EXPECT_TRUE(box->CellTransparent()) << "flat";
    }
    bool state = true;
    ASSERT_TRUE(g.GetCheckBoxState(1, 2, state));
    EXPECT_FALSE(state);
    EXPECT_TRUE(g.ToggleCheckBox(1, 2));
    ASSERT_TRUE(g.GetCheckBoxState(1, 2, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(changes, std::vector<std::string>{"1,2=1"});
    // The texts stay as they were: a plain box keeps its state itself.
    EXPECT_EQ(g.Cells(1, 2), "");

    // With CheckAllCheck the fixed row gets one too; the grid's vertical
    // alignment places the boxes.
    g.MouseActions()->SetCheckAllCheck(true);
    g.SetVAlignment(TVAlignment::vtaBottom);
    g.AddCheckBoxColumn(3, true, false);
    for (int r = 0; r < 5; ++r) {
        EXPECT_TRUE(g.IsChecked(3, r)) << r;
        EXPECT_EQ(g.GetCellGraphic(3, r)->CellVAlign(), TCellVAlign::vaBottom);
    }
    g.RemoveCheckBoxColumn(3);
    for (int r = 0; r < 5; ++r)
        EXPECT_FALSE(g.HasCheckBox(3, r)) << r;
}

TEST_F(ChecksTest, DataCheckBoxesKeepACheckTextAndWriteTheirStateIntoAnyOther)
{
    const struct {
        const char* text;
        bool state;
        const char* after;
        bool checked;
    } cases[] = {
        {"N", true, "N", false},      // a check text is the state from now on
        {"Y", false, "Y", true},
        {"", true, "Y", true},        // an empty cell gets the text of the state
        {"", false, "N", false},
        {"maybe", true, "Y", true},   // so does any other text
    };
    for (const auto& c : cases) {
        g.SetCells(2, 1, c.text);
        g.AddCheckBox(2, 1, c.state, true);
        EXPECT_EQ(Kind(2, 1), TCellType::ctDataCheckBox);
        EXPECT_EQ(g.Cells(2, 1), c.after) << c.text << " " << c.state;
        EXPECT_EQ(g.IsChecked(2, 1), c.checked) << c.text << " " << c.state;
    }
    EXPECT_TRUE(g.HasDataCheckBox(2, 1));
    EXPECT_TRUE(changes.empty());

    // A cell's own check texts (here through the event) are the ones used.
    g.OnGetCheckTrue = [](TObject*, int, int, String& V) { V = "on"; };
    g.OnGetCheckFalse = [](TObject*, int, int, String& V) { V = "off"; };
    g.SetCells(3, 1, "Y");
    g.AddCheckBox(3, 1, true, true);
    EXPECT_EQ(g.Cells(3, 1), "on");
    EXPECT_TRUE(g.IsChecked(3, 1));

    // Clicking a data box whose text is neither check text checks it.
    g.OnGetCheckTrue = nullptr;
    g.OnGetCheckFalse = nullptr;
    g.SetCells(2, 1, "perhaps");
    EXPECT_TRUE(g.DoCheckBoxClick(2, 1, false));
    EXPECT_EQ(g.Cells(2, 1), "Y");
    EXPECT_TRUE(g.DoCheckBoxClick(2, 1, false));
    EXPECT_EQ(g.Cells(2, 1), "N");
    EXPECT_EQ(changes, (std::vector<std::string>{"2,1=1", "2,1=0"}));
}

TEST_F(ChecksTest, CellsOutsideTheGridAreRefusedBeforeAnythingChanges)
{
    const struct {
        int col, row;
    } outside[] = {{-1, 1}, {1, -1}, {5, 1}, {1, 5}, {-1, -1}};
    for (const auto& o : outside) {
        for (int form = 0; form < 4; ++form) {
            try {
                switch (form) {
                case 0: g.AddCheckBox(o.col, o.row, true, false); break;
                case 1: g.AddCheckBox(o.col, o.row, true, true); break;
                case 2: g.AddRadioButton(o.col, o.row, true); break;
                default: g.AddRadio(o.col, o.row, 0, 0, nullptr); break;
                }
                ADD_FAILURE() << "form " << form << " accepted " << o.col << "," << o.row;
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), QStringLiteral("Invalid cell"));
            }
        }
    }
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            EXPECT_FALSE(g.HasCellProperties(c, r)) << c << "," << r;
    // A hidden column still counts: with real column 2 hidden the display
    // shows four columns, real column 4 takes a box and real column 5 (the
    // display count plus the hidden one) is refused.
    HideGridColumn(g, 2);
    ASSERT_EQ(g.ColCount(), 4);
    g.AddCheckBox(4, 1, true, false);
    EXPECT_EQ(g.GetCellType(4, 1), TCellType::ctCheckBox);
    g.AddCheckBox(2, 1, true, false);
    EXPECT_EQ(g.GetCellType(2, 1), TCellType::ctCheckBox);
    try {
        g.AddCheckBox(5, 1, true, false);
        ADD_FAILURE() << "accepted a column beyond the hidden ones";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid cell"));
    }
    EXPECT_FALSE(g.HasCellProperties(5, 1));
}

// Set... never fires; Change... fires exactly when the state changed, for
// plain and data boxes alike; CheckAll and UnCheckAll change through it.
TEST_F(ChecksTest, SetIsSilentAndChangeFiresOnlyOnAChange)
{
    g.AddCheckBox(1, 1, false, false);
    g.AddCheckBox(2, 1, false, true);
    for (int col : {1, 2}) {
        EXPECT_TRUE(g.SetCheckBoxState(col, 1, true));
        EXPECT_TRUE(g.IsChecked(col, 1));
        EXPECT_TRUE(g.SetCheckBoxState(col, 1, true));
        EXPECT_TRUE(g.SetCheckBoxState(col, 1, false));
    }
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(g.Cells(2, 1), "N");

    for (int col : {1, 2}) {
        g.ChangeCheckBoxState(col, 1, true);
        g.ChangeCheckBoxState(col, 1, true);
        g.ChangeCheckBoxState(col, 1, false);
    }
    EXPECT_EQ(changes, (std::vector<std::string>{"1,1=1", "1,1=0", "2,1=1", "2,1=0"}));

    // Cells without a box it can set answer False and stay as they are.
    g.SetCells(3, 1, "Y");
    EXPECT_FALSE(g.SetCheckBoxState(3, 1, true));
    EXPECT_FALSE(g.IsChecked(3, 1));
    bool state = true;
    EXPECT_FALSE(g.GetCheckBoxState(3, 1, state));
    EXPECT_TRUE(state) << "left unchanged";
    AddTriState(4, 1, cbGrayed);
    EXPECT_FALSE(g.SetCheckBoxState(4, 1, true)) << "a three-state box takes its own form";
    EXPECT_FALSE(g.GetCheckBoxState(4, 1, state));
    EXPECT_TRUE(g.SetCheckBoxState(4, 1, cbChecked));
    EXPECT_EQ(TriState(4, 1), cbChecked);
    EXPECT_FALSE(g.SetCheckBoxState(1, 1, cbChecked)) << "a plain box has no three-state form";

    changes.clear();
    g.AddCheckBoxColumn(0, false, false);
    g.SetCheckBoxState(0, 2, true);
    g.CheckAll(0);
    EXPECT_EQ(changes, (std::vector<std::string>{"0,1=1", "0,3=1", "0,4=1"}));
    changes.clear();
    g.UnCheckAll(0);
    EXPECT_EQ(changes, (std::vector<std::string>{"0,1=0", "0,2=0", "0,3=0", "0,4=0"}));
}

TEST_F(ChecksTest, AReadOnlyCellRefusesAClickUnlessChecksAreAlwaysActive)
{
    TGridOptions o = g.Options();
    o.Include(goEditing);
    g.SetOptions(o);
    g.AddCheckBox(1, 1, false, false);
    g.AddRadioButton(2, 1, false);
    g.GetCellProperties(1, 1)->SetReadOnly(true);
    g.GetCellProperties(2, 1)->SetReadOnly(true);

    EXPECT_FALSE(g.DoCheckBoxClick(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_FALSE(g.DoRadioButtonClick(2, 1, true));
    EXPECT_FALSE(g.IsRadioButtonChecked(2, 1));
    EXPECT_TRUE(changes.empty());
    // Without the question (a toggle by code) the box changes.
    EXPECT_TRUE(g.ToggleCheckBox(1, 1));
    EXPECT_TRUE(g.IsChecked(1, 1));
    // CheckAlwaysActive skips the question, for radio buttons too.
    g.ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(g.DoCheckBoxClick(1, 1, true));
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.DoRadioButtonClick(2, 1, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 1));
    // An editable cell's click is asked and allowed.
    g.ControlLook()->SetCheckAlwaysActive(false);
    g.AddCheckBox(3, 1, false, false);
    EXPECT_TRUE(g.DoCheckBoxClick(3, 1, true));
    EXPECT_TRUE(g.IsChecked(3, 1));
    // A cell without a box is no click.
    EXPECT_FALSE(g.DoCheckBoxClick(4, 1, false));
}

TEST_F(ChecksTest, AThreeStateBoxCyclesUncheckedGrayedChecked)
{
    const struct {
        TCheckBoxState from, to;
        bool reported;
    } cycle[] = {
        {cbUnchecked, cbGrayed, false},
        {cbGrayed, cbChecked, true},
        {cbChecked, cbUnchecked, false},
    };
    for (const auto& c : cycle) {
        AddTriState(1, 2, c.from);
        changes.clear();
        EXPECT_TRUE(g.DoCheckBoxClick(1, 2, false));
        EXPECT_EQ(TriState(1, 2), c.to) << int(c.from);
        EXPECT_EQ(changes, std::vector<std::string>{std::string("1,2=") + (c.reported ? "1" : "0")});
    }
}

TEST_F(ChecksTest, UndoOfABoxClickGivesTheBoxItsStateBack)
{
    TVynGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    g.AddCheckBox(1, 1, false, false);
    AddTriState(2, 1, cbUnchecked);
    g.AddCheckBox(3, 1, false, true);
    g.SetCells(3, 1, "maybe");

    g.DoCheckBoxClick(1, 1, false);  // plain: checked
    g.DoCheckBoxClick(2, 1, false);  // three-state: grayed
    g.DoCheckBoxClick(2, 1, false);  // three-state: checked
    g.DoCheckBoxClick(3, 1, false);  // data: "Y"
    ASSERT_EQ(undo.Level(), 4);
    EXPECT_EQ(g.Cells(3, 1), "Y");

    undo.Undo();
    EXPECT_EQ(g.Cells(3, 1), "maybe") << "the data box's text before the click";
    undo.Undo();
    EXPECT_EQ(TriState(2, 1), cbGrayed);
    undo.Undo();
    EXPECT_EQ(TriState(2, 1), cbUnchecked);
    undo.Undo();
    EXPECT_FALSE(g.IsChecked(1, 1));
    // The boxes' texts were never touched.
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(2, 1), "");
    EXPECT_EQ(Kind(1, 1), TCellType::ctCheckBox);

    undo.Redo();
    EXPECT_TRUE(g.IsChecked(1, 1));
    undo.Redo();
    undo.Redo();
    EXPECT_EQ(TriState(2, 1), cbChecked);
    undo.Redo();
    EXPECT_EQ(g.Cells(3, 1), "Y");
    EXPECT_EQ(g.Cells(1, 1), "");
    // Undo and redo set the states silently.
    EXPECT_EQ(changes.size(), 4u);
    g.SetUndoRedo(nullptr);
}

// The box is CheckSize pixels square, 2 pixels inside the cell at the side
// the alignments give; without PreciseCheckBoxCheck the whole cell counts.
TEST_F(ChecksTest, TheHitTestFindsTheBoxWhereItIsDrawn)
{
    g.SetDefaultColWidth(60);
    g.SetDefaultRowHeight(30);
    g.ControlLook()->SetCheckSize(15);
    const TRect cell = g.CellRect(2, 2);
    ASSERT_EQ(cell.Width(), 60);
    ASSERT_EQ(cell.Height(), 30);
    const struct {
        TVAlignment va;
        TAlignment ha;
        int left, top;  // of the box, relative to the cell
    } cases[] = {
        {TVAlignment::vtaTop, taLeftJustify, 2, 2},
        {TVAlignment::vtaCenter, taLeftJustify, 2, 7},
        {TVAlignment::vtaBottom, taLeftJustify, 2, 13},
        {TVAlignment::vtaTop, taCenter, 22, 2},
        {TVAlignment::vtaCenter, taRightJustify, 43, 7},
        {TVAlignment::vtaBottom, taRightJustify, 43, 13},
    };
    g.MouseActions()->SetPreciseCheckBoxCheck(true);
    for (const auto& c : cases) {
        g.SetVAlignment(c.va);
        g.AddCheckBox(2, 2, false, false);
        g.GetCellProperties(2, 2)->SetAlignment(c.ha);
        const int x = cell.Left + c.left, y = cell.Top + c.top;
        const std::string where = std::to_string(int(c.va)) + "/" + std::to_string(int(c.ha));
        EXPECT_TRUE(g.IsInCheckBox(2, 2, x, y)) << where;
        EXPECT_TRUE(g.IsInCheckBox(2, 2, x + 14, y + 14)) << where;
        EXPECT_FALSE(g.IsInCheckBox(2, 2, x - 1, y)) << where;
        EXPECT_FALSE(g.IsInCheckBox(2, 2, x, y - 1)) << where;
        EXPECT_FALSE(g.IsInCheckBox(2, 2, x + 15, y + 7)) << where;
        EXPECT_FALSE(g.IsInCheckBox(2, 2, x + 7, y + 15)) << where;
    }
    // A radio button is hit the same way; a cell without either never.
    g.SetVAlignment(TVAlignment::vtaTop);
    g.AddRadioButton(3, 2, false);
    const TRect radio = g.CellRect(3, 2);
    EXPECT_TRUE(g.IsInCheckBox(3, 2, radio.Left + 2, radio.Top + 2));
    EXPECT_FALSE(g.IsInCheckBox(1, 2, g.CellRect(1, 2).Left + 2, g.CellRect(1, 2).Top + 2));
    // Without the precise test any point of the cell is in the box.
    g.MouseActions()->SetPreciseCheckBoxCheck(false);
    EXPECT_TRUE(g.IsInCheckBox(2, 2, cell.Right - 1, cell.Top));
    EXPECT_FALSE(g.IsInCheckBox(1, 2, 0, 0));
}

TEST_F(ChecksTest, ARadioColumnKeepsOneButtonChecked)
{
    g.AddRadioButtonColumn(2);
    EXPECT_EQ(Kind(2, 0), TCellType::ctEmpty);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), -1);
    EXPECT_TRUE(g.DoRadioButtonClick(2, 2, false));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 2);
    EXPECT_TRUE(g.DoRadioButtonClick(2, 4, false));
    EXPECT_FALSE(g.IsRadioButtonChecked(2, 2));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 4));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 4);
    EXPECT_TRUE(g.DoRadioButtonClick(2, 4, false)) << "already checked";
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 4));

    g.SetRadioButtonColumnIndex(2, 3);
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(g.IsRadioButtonChecked(2, r), r == 3) << r;
    EXPECT_FALSE(g.SetRadioButtonState(1, 3, true)) << "no radio button there";
    EXPECT_FALSE(g.DoRadioButtonClick(1, 3, false));
    g.SetRadioButtonColumnIndex(2, -1);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), -1);

    // A merge asks its base cell.
    g.MergeCells(2, 1, 2, 2);
    EXPECT_TRUE(g.HasRadioButton(3, 2));
    EXPECT_TRUE(g.SetRadioButtonState(3, 2, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 1));

    g.RemoveRadioButtonColumn(2);
    for (int r = 0; r < 5; ++r)
        EXPECT_FALSE(g.HasRadioButton(2, r)) << r;
    EXPECT_TRUE(changes.empty()) << "radio buttons are not check boxes";
}

TEST_F(ChecksTest, TheKeyboardStepsThroughARadioGroup)
{
    TStringList items;
    items.Add("red");
    items.Add("green");
    items.Add("blue");
    const struct {
        int selected;
        const char* text;
        int selectedAfter;
        const char* textAfter;
    } steps[] = {
        {0, "", 1, "green"},
        {2, "blue", 0, "red"},        // wraps to the first item
        {-1, "green", 2, "blue"},     // no item selected: the text's item is the start
        {-1, "purple", 0, "red"},     // a text that is no item starts at the first
        {-2, "red", -2, "green"},     // below -1: driven by the text alone
    };
    for (const auto& s : steps) {
        g.AddRadio(1, 1, 0, s.selected, &items);
        g.SetCells(1, 1, s.text);
        g.SelectNextRadioItem(1, 1, false);
        int idx = 99;
        EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
        EXPECT_EQ(idx, s.selectedAfter) << s.selected << " " << s.text;
        EXPECT_EQ(g.Cells(1, 1), s.textAfter) << s.selected << " " << s.text;
    }
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellVar().toInt(), 1);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellAngle(), 3) << "the item count";
    EXPECT_FALSE(g.GetCellGraphic(1, 1)->CellBoolean());
    EXPECT_TRUE(g.IsRadio(1, 1));
    EXPECT_EQ(g.GetRadioStrings(1, 1), &items);

    // A read-only cell refuses the step unless radios are always active.
    TGridOptions o = g.Options();
    o.Include(goEditing);
    g.SetOptions(o);
    g.GetCellProperties(1, 1)->SetReadOnly(true);
    g.SetRadioIdx(1, 1, 0);
    g.SelectNextRadioItem(1, 1, true);
    int idx = 99;
    g.GetRadioIdx(1, 1, idx);
    EXPECT_EQ(idx, 0);
    g.ControlLook()->SetRadioAlwaysActive(true);
    g.SelectNextRadioItem(1, 1, true);
    g.GetRadioIdx(1, 1, idx);
    EXPECT_EQ(idx, 1);

    // SetRadioIdx(-1) empties the text; other graphics store but answer False.
    g.SetCells(1, 1, "green");
    EXPECT_TRUE(g.SetRadioIdx(1, 1, -1));
    EXPECT_EQ(g.Cells(1, 1), "");
    g.AddCheckBox(2, 1, false, false);
    EXPECT_FALSE(g.SetRadioIdx(2, 1, 4));
    EXPECT_FALSE(g.GetRadioIdx(2, 1, idx));
    EXPECT_EQ(idx, 4);
    EXPECT_FALSE(g.SetRadioIdx(3, 1, 0)) << "no graphic";
    EXPECT_EQ(g.GetRadioStrings(2, 1), nullptr);

    // A group made by CreateRadio owns its list (a horizontal one here);
    // one without items steps nowhere.
    TStringList* own = g.CreateRadio(3, 2, 1, -1);
    EXPECT_TRUE(g.GetCellGraphic(3, 2)->CellBoolean());
    EXPECT_TRUE(g.GetCellGraphic(3, 2)->CellCreated());
    EXPECT_EQ(g.GetCellGraphic(3, 2)->CellAngle(), 0);
    g.SetCells(3, 2, "kept");
    g.SelectNextRadioItem(3, 2, false);
    EXPECT_EQ(g.Cells(3, 2), "kept");
    own->Add("one");
    g.SelectNextRadioItem(3, 2, false);
    EXPECT_EQ(g.Cells(3, 2), "one");
    g.RemoveRadio(3, 2);
    EXPECT_EQ(Kind(3, 2), TCellType::ctEmpty);
    // The caller's list outlives its group.
    g.RemoveRadio(1, 1);
    EXPECT_EQ(items.Count(), 3);
}
