// The string grid's per-cell questions: every dispatcher with a recording
// handler (arguments and their order), and the algorithms behind the
// colour, border, fixed-cell, can-edit, combo, spin, filter, save, row
// deletion and paste questions; the cell graphics.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/cell_graphic.h"
#include "grid/core/grid_undo.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/canvas.h"

namespace {

class TOpsGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FEditDisable;
    using TVynStringGrid::FFixedColsMin;
    using TVynStringGrid::FFixedRowsMin;
    using TVynStringGrid::FSelChange;
    using TVynStringGrid::FDisableChange;
};

struct OpsTest : ::testing::Test {
    TOpsGrid g{nullptr};
    std::vector<std::string> log;
    OpsTest()
    {
        g.SetColCount(5);
        g.SetRowCount(6);
    }
    void Rec(const std::string& S) { log.push_back(S); }
    static std::string N(int V) { return std::to_string(V); }
};

}  // namespace

// One row per dispatcher: it installs a recording handler, calls the
// dispatcher with (column 3, row 4) where it takes a cell, and names what
// the handler must have seen. "r4 c3" means the row came first.
TEST_F(OpsTest, EveryDispatcherPassesItsArgumentsInItsOrder)
{
    TBrush brush;
    TFont font;
    TPen pen;
    TStringList values;
    struct Row {
        const char* Name;
        std::function<void()> Install;
        std::function<void()> Call;
        std::string Expected;
    };
    auto& G = g;
    const std::vector<Row> rows = {
        {"DoClickSort", [&] { G.OnClickSort = [&](TObject*, int c) { Rec("c" + N(c)); }; },
         [&] { G.DoClickSort(3); }, "c3"},
        {"DoPrintGetPageNum",
         [&] { G.OnPrintGetPageNum = [&](TObject*, int p, int pc, String& s) { Rec(N(p) + "," + N(pc) + s.toStdString()); }; },
         [&] {
             String s = "x";
             G.DoPrintGetPageNum(2, 7, s);
         },
         "2,7x"},
        {"DoGetEditorProp (both events, the column first)",
         [&] {
             G.OnGetEditorProp = [&](TObject*, int c, int r, TEditLink*) { Rec("c" + N(c) + " r" + N(r)); };
             G.OnGetEditorPropInt = [&](TObject*, int a, int b) { Rec(N(a) + "," + N(b)); };
         },
         [&] { G.DoGetEditorProp(3, 4, nullptr); }, "c3 r4|3,4"},
        {"DoCheckBoxClickEvent",
         [&] { G.OnCheckBoxClick = [&](TObject*, int c, int r, bool s) { Rec("c" + N(c) + " r" + N(r) + " " + N(s)); }; },
         [&] { G.DoCheckBoxClickEvent(3, 4, true); }, "c3 r4 1"},
        {"DoFixedEdit",
         [&] {
             G.OnFixedEdit = [&](TObject*, int c, int r, TGridFixedCellEditor&, TStringList* v) {
                 Rec("c" + N(c) + " r" + N(r) + (v == &values ? " values" : ""));
             };
         },
         [&] {
             TGridFixedCellEditor e = TGridFixedCellEditor::fceEdit;
             G.DoFixedEdit(3, 4, e, &values);
         },
         "c3 r4 values"},
        {"DoSelectionChanged",
         [&] { G.OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { Rec(N(l) + N(t) + N(r) + N(b)); }; },
         [&] { G.DoSelectionChanged(1, 2, 3, 4); }, "1234"},
        {"DoFilterDone", [&] { G.OnFilterDone = [&](TObject*) { Rec("done"); }; }, [&] { G.DoFilterDone(); }, "done"},
        {"UpdateColSize",
         [&] { G.OnUpdateColumnSize = [&](TObject*, int c, int& w) { Rec("c" + N(c) + " w" + N(w)); }; },
         [&] {
             int w = 50;
             G.UpdateColSize(3, w);
         },
         "c3 w50"},
        {"DoCanEditCellEvent (row first)",
         [&] { G.OnCanEditCell = [&](TObject*, int r, int c, bool& e) { Rec("r" + N(r) + " c" + N(c) + " " + N(e)); }; },
         [&] {
             bool e = true;
             G.DoCanEditCellEvent(3, 4, e);
         },
         "r4 c3 1"},
        {"DoSearchFooterAction",
         [&] {
             G.OnSearchFooterAction = [&](TObject*, const String& v, int c, int r, TSearchAction a) {
                 Rec(v.toStdString() + " c" + N(c) + " r" + N(r) + " a" + N(int(a)));
             };
         },
         [&] { G.DoSearchFooterAction("x", 3, 4, TSearchAction::saFindNext); }, "x c3 r4 a2"},
        {"DoButtonClick", [&] { G.OnButtonClick = [&](TObject*, int c, int r) { Rec("c" + N(c) + " r" + N(r)); }; },
         [&] { G.DoButtonClick(3, 4); }, "c3 r4"},
        {"DoExpandClick",
         [&] { G.OnExpandClick = [&](TObject*, int c, int r, bool e) { Rec("c" + N(c) + " r" + N(r) + " " + N(e)); }; },
         [&] { G.DoExpandClick(3, 4, true); }, "c3 r4 1"},
        {"DoComboCloseUp (row first)",
         [&] { G.OnComboCloseUp = [&](TObject*, int r, int c) { Rec("r" + N(r) + " c" + N(c)); }; },
         [&] { G.DoComboCloseUp(4, 3); }, "r4 c3"},
        {"DoComboDropDown (row first)",
         [&] { G.OnComboDropDown = [&](TObject*, int r, int c) { Rec("r" + N(r) + " c" + N(c)); }; },
         [&] { G.DoComboDropDown(4, 3); }, "r4 c3"},
        {"DoGetCellCursor",
         [&] {
             G.OnGetCellCursor = [&](TObject*, int c, int r, int x, int y, TCursor&) {
                 Rec("c" + N(c) + " r" + N(r) + " " + N(x) + "," + N(y));
             };
         },
         [&] { G.DoGetCellCursor(3, 4, 10, 20); }, "c3 r4 10,20"},
        {"DoCellsChanged",
         [&] { G.OnCellsChanged = [&](TObject*, TRect& R) { Rec(N(R.Left) + N(R.Top) + N(R.Right) + N(R.Bottom)); }; },
         [&] {
             TRect R(1, 2, 3, 4);
             G.DoCellsChanged(R);
         },
         "1234"},
        {"DoGridHint (row first, both events)",
         [&] {
             G.OnGridHint = [&](TObject*, int r, int c, String& h) { Rec("r" + N(r) + " c" + N(c) + " " + h.toStdString()); };
             G.OnGridWideHint = [&](TObject*, int r, int c, String&) { Rec("w r" + N(r) + " c" + N(c)); };
         },
         [&] {
             String h = "h", w;
             G.DoGridHint(3, 4, h, w);
         },
         "r4 c3 h|w r4 c3"},
        {"DoGetCellColor (row first)",
         [&] {
             G.OnGetCellColor = [&](TObject*, int r, int c, TGridDrawState, TBrush* b, TFont* f) {
                 Rec("r" + N(r) + " c" + N(c) + (b == &brush && f == &font ? " objs" : ""));
             };
         },
         [&] { G.DoGetCellColor(3, 4, {}, &brush, &font); }, "r4 c3 objs"},
        {"DoGetCellPrintColor (row first)",
         [&] {
             G.OnGetCellPrintColor = [&](TObject*, int r, int c, TGridDrawState, TBrush*, TFont*) {
                 Rec("r" + N(r) + " c" + N(c));
             };
         },
         [&] { G.DoGetCellPrintColor(3, 4, {}, &brush, &font); }, "r4 c3"},
        {"DoGetCellBorder (row first)",
         [&] {
             G.OnGetCellBorder = [&](TObject*, int r, int c, TPen* p, TCellBorders&) {
                 Rec("r" + N(r) + " c" + N(c) + (p == &pen ? " pen" : ""));
             };
         },
         [&] {
             TCellBorders b;
             G.DoGetCellBorder(3, 4, &pen, b);
         },
         "r4 c3 pen"},
        {"DoGetCellPrintBorder (row first)",
         [&] { G.OnGetCellPrintBorder = [&](TObject*, int r, int c, TPen*, TCellBorders&) { Rec("r" + N(r) + " c" + N(c)); }; },
         [&] {
             TCellBorders b;
             G.DoGetCellPrintBorder(3, 4, &pen, b);
         },
         "r4 c3"},
        {"DoGetAlignment (row first)",
         [&] {
             G.OnGetAlignment = [&](TObject*, int r, int c, TAlignment&, TVAlignment&) { Rec("r" + N(r) + " c" + N(c)); };
         },
         [&] {
             TAlignment h = taLeftJustify;
             TVAlignment v = TVAlignment::vtaTop;
             G.DoGetAlignment(3, 4, h, v);
         },
         "r4 c3"},
        {"DoGetFormat",
         [&] {
             G.OnGetFormat = [&](TObject*, int c, TSortStyle&, String& p, String& s) {
                 Rec("c" + N(c) + p.toStdString() + s.toStdString());
             };
         },
         [&] {
             TSortStyle st = TSortStyle::ssAutomatic;
             String p = "<", s = ">";
             G.DoGetFormat(3, st, p, s);
         },
         "c3<>"},
        {"DoGetEditorType",
         [&] { G.OnGetEditorType = [&](TObject*, int c, int r, TEditorType&) { Rec("c" + N(c) + " r" + N(r)); }; },
         [&] {
             TEditorType e = TEditorType::edNormal;
             G.DoGetEditorType(3, 4, e);
         },
         "c3 r4"},
        {"DoGetSpinEditorType asks OnGetEditorType",
         [&] { G.OnGetEditorType = [&](TObject*, int c, int r, TEditorType&) { Rec("c" + N(c) + " r" + N(r)); }; },
         [&] {
             TEditorType e = TEditorType::edNormal;
             G.DoGetSpinEditorType(3, 4, e);
         },
         "c3 r4"},
        {"DoIsFixedCell (row first)",
         [&] { G.OnIsFixedCell = [&](TObject*, int r, int c, bool& f) { Rec("r" + N(r) + " c" + N(c) + " " + N(f)); }; },
         [&] {
             bool f = false;
             G.DoIsFixedCell(3, 4, f);
         },
         "r4 c3 0"},
        {"DoIsPasswordCell (row first)",
         [&] { G.OnIsPasswordCell = [&](TObject*, int r, int c, bool&) { Rec("r" + N(r) + " c" + N(c)); }; },
         [&] {
             bool p = false;
             G.DoIsPasswordCell(3, 4, p);
         },
         "r4 c3"},
        {"DoGetWordWrap",
         [&] { G.OnGetWordWrap = [&](TObject*, int c, int r, bool&) { Rec("c" + N(c) + " r" + N(r)); }; },
         [&] {
             bool w = false;
             G.DoGetWordWrap(3, 4, w);
         },
         "c3 r4"},
        {"DoHasComboBox",
         [&] { G.OnHasComboBox = [&](TObject*, int c, int r, bool& h) { Rec("c" + N(c) + " r" + N(r) + " " + N(h)); }; },
         [&] { G.DoHasComboBox(3, 4); }, "c3 r4 0"},
        {"DoHasSpinEdit",
         [&] { G.OnHasSpinEdit = [&](TObject*, int c, int r, bool& h) { Rec("c" + N(c) + " r" + N(r) + " " + N(h)); }; },
         [&] { G.DoHasSpinEdit(3, 4); }, "c3 r4 0"},
        {"GetCheckTrue",
         [&] { G.OnGetCheckTrue = [&](TObject*, int c, int r, String& v) { Rec("c" + N(c) + " r" + N(r) + " " + v.toStdString()); }; },
         [&] { G.GetCheckTrue(3, 4); }, "c3 r4 Y"},
        {"GetCheckFalse",
         [&] { G.OnGetCheckFalse = [&](TObject*, int c, int r, String& v) { Rec("c" + N(c) + " r" + N(r) + " " + v.toStdString()); }; },
         [&] { G.GetCheckFalse(3, 4); }, "c3 r4 N"},
        {"DoGetColumnFilter",
         [&] { G.OnGetColumnFilter = [&](TObject*, int c, TStringList* l) { Rec("c" + N(c) + (l == G.FilterList() ? " list" : "")); }; },
         [&] { G.DoGetColumnFilter(3); }, "c3 list"},
        {"DoCanAddRow", [&] { G.OnCanAddRow = [&](TObject*, bool& a) { Rec(N(a)); }; },
         [&] {
             bool a = true;
             G.DoCanAddRow(a);
         },
         "1"},
        {"DoCanInsertRow", [&] { G.OnCanInsertRow = [&](TObject*, int r, bool&) { Rec("r" + N(r)); }; },
         [&] {
             bool a = true;
             G.DoCanInsertRow(4, a);
         },
         "r4"},
        {"DoCheckBoxChange",
         [&] { G.OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { Rec("c" + N(c) + " r" + N(r) + " " + N(s)); }; },
         [&] { G.DoCheckBoxChange(3, 4, false); }, "c3 r4 0"},
        {"DoRatingChange",
         [&] { G.OnRatingChange = [&](TObject*, int c, int r, double& v, bool&) { Rec("c" + N(c) + " r" + N(r) + " " + N(int(v))); }; },
         [&] {
             double v = 2;
             G.DoRatingChange(3, 4, v);
         },
         "c3 r4 2"},
        {"DoColorSelect",
         [&] {
             G.OnColorSelect = [&](TObject*, int c, int r, TColor col, const String& v) {
                 Rec("c" + N(c) + " r" + N(r) + " " + N(int(col)) + v.toStdString());
             };
         },
         [&] { G.DoColorSelect(3, 4, 7, "v"); }, "c3 r4 7v"},
        {"DoImageSelect",
         [&] { G.OnImageSelect = [&](TObject*, int c, int r, int i) { Rec("c" + N(c) + " r" + N(r) + " " + N(i)); }; },
         [&] { G.DoImageSelect(3, 4, 9); }, "c3 r4 9"},
        {"DoCanShowFixedDropDown",
         [&] { G.OnCanShowFixedDropDown = [&](TObject*, int c, bool& s) { Rec("c" + N(c) + " " + N(s)); }; },
         [&] { G.DoCanShowFixedDropDown(3); }, "c3 1"},
        {"FilterMatch", [&] { G.OnCustomFilter = [&](TObject*, int r, bool& a) { Rec("r" + N(r) + " " + N(a)); }; },
         [&] { G.FilterMatch(4); }, "r4 1"},
        {"SetCellTextFromLoad",
         [&] { G.OnLoadCell = [&](TObject*, int c, int r, String& v) { Rec("c" + N(c) + " r" + N(r) + " " + v.toStdString()); }; },
         [&] { G.SetCellTextFromLoad(3, 4, "t"); }, "c3 r4 t"},
        // The removal's own cells-changed report is not this row's subject.
        {"DeleteRowAt fires OnAutoDeleteRow",
         [&] {
             G.OnCellsChanged = nullptr;
             G.OnAutoDeleteRow = [&](TObject*, int r) { Rec("r" + N(r)); };
         },
         [&] { G.DeleteRowAt(4); }, "r4"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Name);
        log.clear();
        r.Install();
        r.Call();
        std::string joined;
        for (const auto& l : log)
            joined += (joined.empty() ? "" : "|") + l;
        EXPECT_EQ(joined, r.Expected);
    }
}

TEST_F(OpsTest, WithoutHandlersTheDispatchersKeepTheirValues)
{
    bool fixed = false, password = false, ww = true, canAdd = true;
    String hint = "h", wide;
    g.DoIsFixedCell(3, 4, fixed);
    g.DoIsPasswordCell(3, 4, password);
    g.DoGetWordWrap(3, 4, ww);
    g.DoCanAddRow(canAdd);
    g.DoGridHint(3, 4, hint, wide);
    EXPECT_FALSE(fixed);
    EXPECT_FALSE(password);
    EXPECT_TRUE(ww);
    EXPECT_TRUE(canAdd);
    EXPECT_EQ(hint, "h");
    EXPECT_TRUE(g.FilterMatch(2));
    EXPECT_TRUE(g.DoCanShowFixedDropDown(2));
    double rate = 1;
    EXPECT_TRUE(g.DoRatingChange(1, 1, rate));
    EXPECT_FALSE(g.HasNoEditor(1, 1));
}

TEST_F(OpsTest, AWideHintReplacesTheHintInTheWideCoding)
{
    g.OnGridWideHint = [](TObject*, int, int, String& w) { w = QString::fromUtf8("Ωmega"); };
    String hint = "plain", wide;
    g.DoGridHint(1, 1, hint, wide);
    EXPECT_TRUE(hint.startsWith("|\\"));
}

TEST_F(OpsTest, TheFixedCellQuestionIsNeverAskedAboutFixedCells)
{
    g.SetFixedCols(1);
    g.SetFixedRows(2);
    std::vector<std::pair<int, int>> asked;
    g.OnIsFixedCell = [&](TObject*, int r, int c, bool& f) {
        asked.emplace_back(c, r);
        f = (c == 4 && r == 5);
    };
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) {
            bool f = false;
            g.DoIsFixedCell(c, r, f);
            EXPECT_EQ(f, c < 1 || r < 2 || (c == 4 && r == 5)) << c << "," << r;
        }
    for (const auto& [c, r] : asked)
        EXPECT_TRUE(c >= 1 && r >= 2) << c << "," << r;
    EXPECT_EQ(int(asked.size()), 4 * 4);
    EXPECT_TRUE(g.IsFixed(4, 5));
    EXPECT_TRUE(g.IsFixed(0, 3));
    EXPECT_FALSE(g.IsFixed(3, 3));

    // Every row fixed: FixedRowAlways with as many rows as the recorded minimum.
    asked.clear();
    g.SetFixedRowAlways(true);
    g.FFixedRowsMin = g.RowCount();
    bool f = false;
    g.DoIsFixedCell(3, 4, f);
    EXPECT_TRUE(f);
    EXPECT_TRUE(asked.empty());
}

TEST_F(OpsTest, CanEditCellAsksReadOnlyThenEditingThenTheEvent)
{
    std::vector<std::string> seen;
    g.OnCanEditCell = [&](TObject*, int r, int c, bool& e) { seen.push_back(N(c) + "," + N(r) + "=" + N(e)); };
    struct Case {
        const char* What;
        bool Props, ReadOnly, Editing, EditDisable, RangeSelectAndEdit, Start;
        std::string Event;
    };
    const Case cases[] = {
        {"no properties: the event decides", false, false, false, false, false, true, "2,3=1"},
        {"read-only cell", true, true, true, false, false, true, "2,3=0"},
        {"editable with goEditing", true, false, true, false, false, true, "2,3=1"},
        {"without goEditing", true, false, false, false, false, true, "2,3=0"},
        {"without goEditing, edit-disable flag", true, false, false, true, false, true, "2,3=1"},
        {"without goEditing, RangeSelectAndEdit", true, false, false, false, true, true, "2,3=1"},
        {"coming in False stays unless the event changes it", true, false, true, false, false, false, "2,3=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TOpsGrid grid(nullptr);
        grid.SetColCount(5);
        grid.SetRowCount(6);
        grid.OnCanEditCell = g.OnCanEditCell;
        if (c.Props)
            grid.GetCellProperties(2, 3)->SetReadOnly(c.ReadOnly);
        TGridOptions o = grid.Options();
        if (c.Editing)
            o.Include(goEditing);
        grid.SetOptions(o);
        grid.FEditDisable = c.EditDisable;
        grid.MouseActions()->SetRangeSelectAndEdit(c.RangeSelectAndEdit);
        seen.clear();
        bool e = c.Start;
        grid.DoCanEditCell(2, 3, e);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0], c.Event);
    }
    // A cell of a merge asks about its base cell.
    TOpsGrid merged(nullptr);
    merged.SetColCount(5);
    merged.SetRowCount(6);
    merged.MergeCells(1, 1, 2, 2);
    merged.OnCanEditCell = g.OnCanEditCell;
    seen.clear();
    bool e = true;
    merged.DoCanEditCell(2, 2, e);
    EXPECT_EQ(seen, std::vector<std::string>{"1,1=0"});
}

TEST_F(OpsTest, CellColourGivesThePropertyBrushOnlyToTheListedKindsAndTheFontToAll)
{
    struct Case {
        const char* What;
        bool Graphic;
        TCellType Kind;
        bool Brush;
    };
    const Case cases[] = {
        {"no graphic (ctEmpty)", false, TCellType::ctEmpty, true},
        {"ctNone", true, TCellType::ctNone, true},
        {"ctIcon", true, TCellType::ctIcon, true},
        {"ctImageList", true, TCellType::ctImageList, true},
        {"ctImages", true, TCellType::ctImages, true},
        {"ctComment", true, TCellType::ctComment, true},
        {"ctCheckBox", true, TCellType::ctCheckBox, false},
        {"ctProgress", true, TCellType::ctProgress, false},
        {"ctButton", true, TCellType::ctButton, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TOpsGrid grid(nullptr);
        TCellProperties* p = grid.GetCellProperties(2, 2);
        p->SetBrushColor(0x00FF00);
        p->SetFontColor(0x0000FF);
        p->SetFontStyle(TFontStyles{TFontStyle::fsItalic});
        p->SetFontSize(17);
        p->SetFontName("DejaVu Serif");
        if (c.Graphic)
            grid.CreateCellGraphic(2, 2)->SetCellType(c.Kind);
        TBrush brush;
        brush.SetColor(0x111111);
        TFont font;
        grid.DoGetCellColor(2, 2, {}, &brush, &font);
        EXPECT_EQ(brush.Color(), c.Brush ? TColor(0x00FF00) : TColor(0x111111));
        EXPECT_EQ(font.Color(), TColor(0x0000FF));
        EXPECT_TRUE(font.Style().Contains(TFontStyle::fsItalic));
        EXPECT_EQ(font.Size(), 17);
        EXPECT_EQ(font.Name(), "DejaVu Serif");
    }
}

TEST_F(OpsTest, ActiveCellHeadersTakeTheActiveCellLookAndTheEventHasTheLastWord)
{
    g.SetActiveCellShow(true);
    g.SetActiveCellColor(0x0000AA);
    g.ActiveCellFont()->SetColor(0x00BB00);
    g.SetCol(3);
    g.SetRow(4);
    auto colour = [&](int c, int r) {
        TBrush b;
        b.SetColor(0x222222);
        TFont f;
        g.DoGetCellColor(c, r, {}, &b, &f);
        return b.Color();
    };
    EXPECT_EQ(colour(0, 4), TColor(0x0000AA));  // the current row's header
    EXPECT_EQ(colour(3, 0), TColor(0x0000AA));  // the current column's header
    EXPECT_EQ(colour(0, 3), TColor(0x222222));
    EXPECT_EQ(colour(2, 2), TColor(0x222222));
    g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) { b->SetColor(0x333333); };
    EXPECT_EQ(colour(0, 4), TColor(0x333333));
}

TEST_F(OpsTest, ComboAndSpinButtonsNeedTheEventOrTheAlwaysVisibleLook)
{
    g.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
        e = c == 1 ? TEditorType::edComboList : c == 2 ? TEditorType::edFloatSpinEdit : TEditorType::edNormal;
    };
    // Neither the event nor the look: no combo, even in a combo column.
    EXPECT_FALSE(g.DoHasComboBox(1, 2));
    EXPECT_FALSE(g.DoHasSpinEdit(2, 2));
    g.ControlLook()->SetDropDownAlwaysVisible(true);
    g.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(g.DoHasComboBox(1, 2));
    EXPECT_FALSE(g.DoHasComboBox(2, 2));
    EXPECT_TRUE(g.DoHasSpinEdit(2, 2));
    EXPECT_FALSE(g.DoHasSpinEdit(1, 2));
    EXPECT_FALSE(g.DoHasSpinEdit(2, 0));  // fixed row
    EXPECT_FALSE(g.DoHasSpinEdit(0, 2));  // fixed column
    // The events answer before the look.
    g.OnHasComboBox = [](TObject*, int, int, bool&) {};
    g.OnHasSpinEdit = [](TObject*, int, int, bool& h) { h = true; };
    EXPECT_FALSE(g.DoHasComboBox(1, 2));
    EXPECT_TRUE(g.DoHasSpinEdit(3, 3));
    // HasNoEditor: only an edNone answer.
    g.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
        if (c == 4)
            e = TEditorType::edNone;
    };
    EXPECT_TRUE(g.HasNoEditor(4, 1));
    EXPECT_FALSE(g.HasNoEditor(3, 1));
}

TEST_F(OpsTest, TheColumnFilterListQuotesTextsWithABlank)
{
    g.SetFilterDropDownAuto(true);
    const char* texts[] = {"", "Paris", "New York", " Paris ", "Rome"};
    for (int r = 1; r < 6; ++r)
        g.SetCells(2, r, texts[r - 1]);
    ASSERT_TRUE(g.DoGetColumnFilter(2));
    std::vector<std::string> items;
    for (int i = 0; i < g.FilterList()->Count(); ++i)
        items.push_back(g.FilterList()->Strings(i).toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"(All)", "", "New York=\"New York\"", "Paris", "Rome"}));
    EXPECT_FALSE(g.FilterList()->Sorted());
    // Off, or a fixed column: only what the event adds.
    g.SetFilterDropDownAuto(false);
    EXPECT_FALSE(g.DoGetColumnFilter(2));
    g.SetFilterDropDownAuto(true);
    EXPECT_FALSE(g.DoGetColumnFilter(0));
    g.SetFilterDropDownColumns(TFilterDropDownColumns::fdAll);
    EXPECT_TRUE(g.DoGetColumnFilter(0));
    g.SetFilterDropDownClear("");
    g.OnGetColumnFilter = [](TObject*, int, TStringList* l) { l->Clear(); };
    EXPECT_FALSE(g.DoGetColumnFilter(2));
}

TEST_F(OpsTest, ACheckBoxCellSavesAsTheCheckTexts)
{
    TCellGraphic* box = g.CreateCellGraphic(1, 1);
    box->SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    TCellGraphic* off = g.CreateCellGraphic(1, 2);
    off->SetCheckBox(false, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    TCellGraphic* tri = g.CreateCellGraphic(1, 3);
    tri->SetCheckBox(cbGrayed, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    TCellGraphic* triOn = g.CreateCellGraphic(1, 4);
    triOn->SetCheckBox(cbChecked, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.GetCellTextForSave(1, 1), "Y");
    EXPECT_EQ(g.GetCellTextForSave(1, 2), "N");
    EXPECT_EQ(g.GetCellTextForSave(1, 3), "N");  // only checked counts
    EXPECT_EQ(g.GetCellTextForSave(1, 4), "Y");
    // A text wins over the box; HTML loses its tags unless kept; the event
    // has the last word.
    g.SetCells(1, 1, "text");
    EXPECT_EQ(g.GetCellTextForSave(1, 1), "text");
    g.SetCells(2, 1, "<B>bold</B> &amp; more");
    EXPECT_EQ(g.GetCellTextForSave(2, 1), "<B>bold</B> &amp; more");
    g.SetSaveWithHTML(false);
    EXPECT_EQ(g.GetCellTextForSave(2, 1), "bold &amp; more");  // tags go, entities stay
    g.SetSaveWithRTF(true);
    g.SetCells(3, 1, "{\\rtf1\r\nx}");
    EXPECT_EQ(g.GetCellTextForSave(3, 1), "{\\rtf1x}");
    g.OnSaveCell = [](TObject*, int c, int r, String& v) { v += QString("@%1,%2").arg(c).arg(r); };
    EXPECT_EQ(g.GetCellTextForSave(1, 2), "N@1,2");
    g.OnGetCheckTrue = [](TObject*, int, int, String& v) { v = "yes"; };
    g.OnSaveCell = nullptr;
    g.SetCells(1, 1, "");
    EXPECT_EQ(g.GetCellTextForSave(1, 1), "yes");
}

TEST_F(OpsTest, DeleteRowAtClearsTheOnlyNormalRowInsteadOfDeletingIt)
{
    g.SetRowCount(3);
    g.SetCells(1, 1, "a");
    g.SetCells(1, 2, "b");
    g.DeleteRowAt(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "b");
    // The last normal row: cleared, kept.
    g.GetCellProperties(1, 1);
    g.DeleteRowAt(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_FALSE(g.HasCellProperties(1, 1));
    // With FixedRowAlways it is deleted.
    g.SetRowCount(3);
    g.SetFixedRowAlways(true);
    g.DeleteRowAt(2);
    g.DeleteRowAt(1);
    EXPECT_EQ(g.RowCount(), 1);
}

TEST_F(OpsTest, APasteIsUndoneToTheOldTextInTheRightColumn)
{
    TVynGridUndoRedo undo(nullptr);
    g.SetUndoRedo(&undo);
    g.SetCells(2, 3, "old");
    g.StorePastedValue(2, 3, "pasted");
    EXPECT_EQ(g.Cells(2, 3), "pasted");
    undo.Undo();
    EXPECT_EQ(g.Cells(2, 3), "old");
    undo.Redo();
    EXPECT_EQ(g.Cells(2, 3), "pasted");
    // A check-box cell takes the paste as its state.
    TCellGraphic* box = g.CreateCellGraphic(1, 2);
    box->SetCheckBox(false, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    std::vector<bool> changes;
    g.OnCheckBoxChange = [&](TObject*, int, int, bool s) { changes.push_back(s); };
    g.StorePastedValue(1, 2, "Y");
    bool state = false;
    ASSERT_TRUE(g.GetCheckBoxState(1, 2, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(changes, std::vector<bool>{true});
    g.SetUndoRedo(nullptr);
}

TEST_F(OpsTest, CellChangingAsksRowColumnAndCellEventsForWhatChanges)
{
    g.SetCol(1);
    g.SetRow(1);
    g.OnRowChanging = [&](TObject*, int o, int n, bool&) { Rec("row " + N(o) + ">" + N(n)); };
    g.OnColChanging = [&](TObject*, int o, int n, bool&) { Rec("col " + N(o) + ">" + N(n)); };
    g.OnCellChanging = [&](TObject*, int orow, int ocol, int nrow, int ncol, bool& a) {
        Rec("cell r" + N(orow) + " c" + N(ocol) + " > r" + N(nrow) + " c" + N(ncol));
        a = false;
    };
    bool allow = true;
    g.DoCellChanging(1, 3, allow);
    EXPECT_EQ(log, (std::vector<std::string>{"row 1>3", "cell r1 c1 > r3 c1"}));
    EXPECT_FALSE(allow);
    log.clear();
    allow = true;
    g.DoCellChanging(1, 1, allow);
    EXPECT_TRUE(log.empty());
    g.FDisableChange = true;
    g.DoCellChanging(2, 1, allow);
    EXPECT_EQ(log, (std::vector<std::string>{"col 1>2"}));
}

TEST_F(OpsTest, GroupingLinesAndHotmailAlignment)
{
    TPen pen;
    TCellBorders b{TCellBorder::cbLeft};
    g.Grouping()->SetHeaderUnderline(true);
    g.DoGetCellBorder(1, 1, &pen, b);
    // No node rows yet: the borders stay as they came.
    EXPECT_EQ(b, TCellBorders{TCellBorder::cbLeft});
    TAlignment h = taLeftJustify;
    TVAlignment v = TVAlignment::vtaTop;
    g.MouseActions()->SetHotmailRowSelect(true);
    g.DoGetAlignment(0, 2, h, v);
    EXPECT_EQ(h, taCenter);
    h = taLeftJustify;
    g.DoGetAlignment(1, 2, h, v);
    EXPECT_EQ(h, taLeftJustify);
}

TEST_F(OpsTest, SmallOperations)
{
    g.SetCol(2);
    g.SetRow(3);
    g.SetCells(2, 3, "cur");
    EXPECT_EQ(g.CurrentCell(), "cur");
    g.SetCurrentCell("new");
    EXPECT_EQ(g.Cells(2, 3), "new");
    EXPECT_EQ(g.CurrentCellDisplayText(), "new");
    String fmt;
    g.GetCellFloatFormat(1, 1, fmt);
    EXPECT_EQ(fmt, "%.2f");
    g.SetCells(1, 1, "x");
    g.SetCells(3, 4, "y");
    const TGridRect used = g.UsedCells();
    EXPECT_EQ(std::vector<int>({used.Left, used.Top, used.Right, used.Bottom}), std::vector<int>({1, 1, 3, 4}));
    TOpsGrid empty(nullptr);
    const TGridRect none = empty.UsedCells();
    EXPECT_EQ(std::vector<int>({none.Left, none.Top, none.Right, none.Bottom}), std::vector<int>({0, 0, 0, 0}));
    g.AddAutoRow();
    EXPECT_EQ(g.RowCount(), 7);
    g.SetRow(5);
    g.MoveToFirstRow();
    EXPECT_EQ(g.Row(), 1);
    g.SetOptions(g.Options() + TGridOptions{goEditing});
    g.DisableEditing();
    EXPECT_FALSE(g.Options().Contains(goEditing));
    g.Navigation()->SetAllowFmtClipboard(true);
    EXPECT_TRUE(g.AllowFMTClipboard());
    TGridRect all{0, 0, 4, 5};
    g.SelectAllHook(all);
    g.DoSelectionChanged(0, 0, 0, 0);
    EXPECT_TRUE(g.FSelChange);
    String result;
    g.OnEllipsClick = [](TObject*, int c, int r, String& s) { s += QString("@%1,%2").arg(c).arg(r); };
    g.DoEllipsClick("v", result);
    EXPECT_EQ(result, "v@2,1");
    EXPECT_EQ(g.GetVersionString(), "6.2.1.3 Sep, 2012");
}

// ---- cell graphics ------------------------------------------------------------------------------

TEST_F(OpsTest, CellGraphicsAreCreatedReplacedAndRemoved)
{
    TCellGraphic* a = g.CreateCellGraphic(1, 1);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(g.GetCellGraphic(1, 1), a);
    EXPECT_EQ(g.Cells(1, 1), "");  // an empty cell stays empty
    a->SetAngle(45);
    TCellGraphic* b = g.CreateCellGraphic(1, 1);  // the old one is released
    EXPECT_EQ(g.GetCellGraphic(1, 1), b);
    b->SetAngle(90);
    EXPECT_FALSE(g.RemoveCellGraphicOfType(1, 1, TCellType::ctCheckBox));
    EXPECT_EQ(g.GetCellGraphic(1, 1), b);
    EXPECT_TRUE(g.RemoveCellGraphicOfType(1, 1, TCellType::ctRotated));
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
    EXPECT_FALSE(g.RemoveCellGraphic(1, 1));
    EXPECT_EQ(g.GetCellType(1, 1), TCellType::ctEmpty);
    // A shared graphic is taken out of the cell but never freed.
    TCellGraphic shared;
    shared.SetCellType(TCellType::ctRowCheckBox);
    g.SetGraphicObjects(2, 2, &shared);
    EXPECT_TRUE(g.RemoveCellGraphic(2, 2));
    EXPECT_EQ(g.GetCellGraphic(2, 2), nullptr);
    g.SetGraphicObjects(2, 2, &shared);
    g.CreateCellGraphic(2, 2);
    EXPECT_EQ(shared.CellType(), TCellType::ctRowCheckBox);
    g.SetCells(3, 3, "keep");
    g.CreateCellGraphic(3, 3);
    EXPECT_EQ(g.Cells(3, 3), "keep");
}

