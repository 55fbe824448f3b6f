// The column grid over one fixture (6 columns, a fixed row and a fixed
// column, real column 3 hidden): the count rule with hidden columns,
// headers in step, the per-cell answers from the columns and their guards,
// the column move by real index, widths, masks, filters, scaling.
#include <gtest/gtest.h>

#include "column_grid_probe.h"
#include "grid/core/cell_graphic.h"
#include "grid/core/grid_options.h"
#include "platform/gui/stdctrls.h"

namespace {

using ColumnGridTest = ColumnGridFixture;

}  // namespace

TEST_F(ColumnGridTest, HiddenColumnsKeepTheirDefinitions)
{
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.Columns()->Count(), 6);
    EXPECT_EQ(Col(3).Name(), "c3");

    TProbeColumnGrid wide(nullptr);
    wide.SetColCount(18);
    wide.SetFixedRows(1);
    EXPECT_EQ(wide.Columns()->Count(), 18);
    wide.Columns()->Items(17)->SetName("last");
    wide.HideColumn(4);
    wide.HideColumn(9);
    EXPECT_EQ(wide.ColCount(), 16);
    EXPECT_EQ(wide.Columns()->Count(), 18);
    EXPECT_EQ(wide.Columns()->Items(17)->Name(), "last");
    // A ColCount write keeps the hidden ones counted.
    wide.SetColCount(17);
    EXPECT_EQ(wide.Columns()->Count(), 19);
    EXPECT_EQ(wide.ColumnByName("last"), wide.Columns()->Items(17));
    EXPECT_EQ(wide.ColumnByName("LAST"), nullptr);
}

TEST_F(ColumnGridTest, HeadersGoIntoRowZeroAndTheListWithAFixedRowOnly)
{
    Col(2).SetHeader("Type");
    EXPECT_EQ(g.AllCells(2, 0), "Type");
    ASSERT_EQ(g.ColumnHeaders()->Count(), 6);
    EXPECT_EQ(g.ColumnHeaders()->Strings(2), "Type");
    // The hidden column's header goes to its real cell.
    Col(3).SetHeader("Hidden");
    EXPECT_EQ(g.AllCells(3, 0), "Hidden");
    EXPECT_EQ(g.ColumnHeaders()->Strings(3), "Hidden");
    // A column without a header takes the text of its header cell.
    g.SetAllCells(4, 0, "Cell");
    Col(1).SetHeader("One");
    EXPECT_EQ(Col(4).Header(), "Cell");
    EXPECT_EQ(g.ColumnHeaders()->Strings(4), "Cell");
    // A new list is copied back into the definitions.
    TStringList list;
    for (const char* h : {"a", "b", "c", "d", "e", "f"})
        list.Add(h);
    g.SetColumnHeaders(list);
    EXPECT_EQ(Col(5).Header(), "f");
    EXPECT_EQ(g.AllCells(5, 0), "f");

    TProbeColumnGrid flat(nullptr);
    flat.SetColCount(4);
    flat.SetFixedRows(0);
    flat.SetCells(3, 0, "data");
    flat.Columns()->Items(3)->SetHeader("Type");
    EXPECT_EQ(flat.Cells(3, 0), "data");
    EXPECT_EQ(flat.Columns()->Items(3)->Header(), "Type");
    ASSERT_EQ(flat.ColumnHeaders()->Count(), 4);
    EXPECT_EQ(flat.ColumnHeaders()->Strings(3), "Type");
}

TEST_F(ColumnGridTest, DataCheckBoxCellsShareOneGraphic)
{
    g.SetRowCount(6);
    g.SetFixedFooters(1);
    Col(2).SetEditor(TEditorType::edDataCheckBox);
    g.AddCheckBox(2, 3, cbChecked);
    struct Case {
        int Col, Row;
        bool Shared;
        const char* What;
    } cases[] = {
        {2, 1, true, "empty data cell"},
        {2, 4, true, "last data row"},
        {2, 0, false, "header"},
        {2, 5, false, "footer"},
        {2, 3, false, "own graphic"},
        {1, 1, false, "other column"},
    };
    TCellGraphic* shared = g.GetCellGraphic(2, 1);
    ASSERT_NE(shared, nullptr);
    for (const Case& c : cases) {
        TCellGraphic* gr = g.GetCellGraphic(c.Col, c.Row);
        EXPECT_EQ(g.GetCellType(c.Col, c.Row) == TCellType::ctDataCheckBox, c.Shared) << c.What;
        EXPECT_EQ(gr == shared, c.Shared) << c.What;
        if (c.Shared) {
            EXPECT_EQ(gr->CellType(), TCellType::ctVirtCheckBox) << c.What;
        }
    }
    EXPECT_EQ(g.GetCellType(2, 3), TCellType::ctTriStateCheckBox);
}

TEST_F(ColumnGridTest, TheColumnsCheckTextsBeatTheEvent)
{
    g.OnGetCheckTrue = [](TObject*, int, int, String& V) { V = "1"; };
    g.OnGetCheckFalse = [](TObject*, int, int, String& V) { V = "0"; };
    Col(2).SetCheckTrue("Y");
    EXPECT_EQ(g.GetCheckTrue(2, 1), "Y");
    EXPECT_EQ(g.GetCheckFalse(2, 1), "N");
    // Outside the inner data cells the event holds.
    EXPECT_EQ(g.GetCheckTrue(2, 0), "1");
    EXPECT_EQ(g.GetCheckTrue(0, 1), "1");
    EXPECT_EQ(g.GetCheckFalse(9, 1), "0");
}

TEST_F(ColumnGridTest, EditingFollowsTheColumnsAlone)
{
    g.SetOptions(g.Options() - TGridOptions({goEditing}));
    Col(1).SetReadOnly(true);
    Col(2).SetFixed(true);
    g.SetReadOnly(4, 2, true);
    struct Case {
        int Col, Row;
        bool CanEdit;
        const char* What;
    } cases[] = {
        {5, 1, true, "plain column without goEditing"},
        {1, 1, false, "read-only column"},
        {2, 1, false, "fixed column"},
        {4, 2, false, "read-only cell"},
        {4, 1, true, "its neighbour"},
        {5, 0, false, "header"},
        {0, 1, false, "fixed column 0"},
    };
    for (const Case& c : cases) {
        bool can = true;
        g.DoCanEditCell(c.Col, c.Row, can);
        EXPECT_EQ(can, c.CanEdit) << c.What;
    }
    // The event has the last word, with the row first.
    int seenRow = -1, seenCol = -1;
    g.OnCanEditCell = [&](TObject*, int R, int C, bool& Can) {
        seenRow = R, seenCol = C;
        Can = false;
    };
    bool can = true;
    g.DoCanEditCell(5, 2, can);
    EXPECT_FALSE(can);
    EXPECT_EQ(seenRow, 2);
    EXPECT_EQ(seenCol, 5);
}

TEST_F(ColumnGridTest, AFixedColumnIsFixedAndPaintedInTheFixedColour)
{
    Col(4).SetFixed(true);
    Col(4).SetColor(0x00FF00);
    Col(5).SetColor(0x0000FF);
    g.SetFixedColor(0x777777);
    bool fixed = false;
    g.DoIsFixedCell(g.DisplColIndex(4), 1, fixed);
    EXPECT_TRUE(fixed);
    fixed = false;
    g.DoIsFixedCell(g.DisplColIndex(5), 1, fixed);
    EXPECT_FALSE(fixed);

    TBrush brush;
    TFont font;
    g.DoGetCellColor(4, 1, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), TColor(0x777777));
    g.DoGetCellColor(5, 1, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), TColor(0x0000FF));
    // The header row takes the header font; a cell colour wins.
    TFont hf;
    hf.SetName("Verdana");
    Col(5).SetHeaderFont(hf);
    g.DoGetCellColor(5, 0, {}, &brush, &font);
    EXPECT_EQ(font.Name(), "Verdana");
    g.SetColors(5, 2, 0x101010);
    g.DoGetCellColor(5, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), TColor(0x101010));
}

TEST_F(ColumnGridTest, ColumnAnswersForAlignmentFormatBordersAndPassword)
{
    Col(2).SetAlignment(taRightJustify);
    Col(2).SetHeaderAlignment(taCenter);
    Col(2).SetSortStyle(TSortStyle::ssNumeric);
    Col(2).SetSortPrefix("$");
    Col(2).SetBorders({TCellBorder::cbBottom});
    Col(2).BorderPen()->SetColor(0x0000FF);
    Col(2).SetPassword(true);
    TAlignment ha = taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    g.DoGetAlignment(2, 1, ha, va);
    EXPECT_EQ(ha, taRightJustify);
    g.DoGetAlignment(2, 0, ha, va);
    EXPECT_EQ(ha, taCenter);
    TSortStyle st = TSortStyle::ssAutomatic;
    String pre, suf;
    g.DoGetFormat(2, st, pre, suf);
    EXPECT_EQ(st, TSortStyle::ssNumeric);
    EXPECT_EQ(pre, "$");
    TPen pen;
    TCellBorders b;
    g.DoGetCellBorder(2, 1, &pen, b);
    EXPECT_TRUE(b.Contains(TCellBorder::cbBottom));
    EXPECT_EQ(pen.Color(), TColor(0x0000FF));
    bool pw = false;
    g.DoIsPasswordCell(2, 1, pw);
    EXPECT_TRUE(pw);
    // Past the definitions the string grid answers.
    TCellBorders none;
    g.DoGetCellBorder(40, 1, &pen, none);
    EXPECT_TRUE(none.Empty());
}

TEST_F(ColumnGridTest, WidthLimitsClampOnlyWhenSet)
{
    Col(2).SetMinSize(40);
    Col(4).SetMaxSize(60);
    Col(5).SetAutoMinSize(30);
    struct Case {
        int Col, In, Out;
        bool Auto;
    } cases[] = {
        {2, 10, 40, false}, {2, 500, 500, false}, {4, 100, 60, false}, {4, 5, 5, false},
        {5, 10, 30, true},  {5, 10, 10, false},   {1, 3, 3, false},    {40, 3, 3, false},
    };
    for (const Case& c : cases) {
        int w = c.In;
        if (c.Auto)
            g.UpdateAutoColSize(c.Col, w);
        else
            g.UpdateColSize(c.Col, w);
        EXPECT_EQ(w, c.Out) << c.Col << " " << c.In;
    }
}

TEST_F(ColumnGridTest, AFilterEntryShowsItsNameAndSetsItsCondition)
{
    Col(2).Filter()->Add("Large=>100");
    Col(2).Filter()->Add("<5");
    g.SetAutoFilterDisplay(true);
    ASSERT_TRUE(g.DoGetColumnFilter(2));
    ASSERT_EQ(g.FilterList()->Count(), 2);
    EXPECT_EQ(g.FilterList()->Strings(0), "Large");
    EXPECT_EQ(g.FilterList()->Strings(1), "<5");
    EXPECT_FALSE(g.DoGetColumnFilter(1));

    String cond, name;
    g.OnFilterSelect = [&](TObject*, int, int, const String& N, String& C) { name = N, cond = C; };
    g.FFilterColumn = 2;
    g.DoFilterSelect(0);
    EXPECT_EQ(cond, ">100");
    EXPECT_EQ(name, "Large");
    EXPECT_EQ(Col(2).Header(), "Large");
    EXPECT_EQ(g.AllCells(2, 0), "Large");
    EXPECT_EQ(g.FFilterColumn, -1);
    // An index outside the list does nothing but forget the column.
    cond.clear();
    g.FFilterColumn = 2;
    g.DoFilterSelect(5);
    EXPECT_TRUE(cond.isEmpty());
    EXPECT_EQ(g.FFilterColumn, -1);
}

TEST_F(ColumnGridTest, AMoveAcrossTheHiddenColumnReportsRealIndexes)
{
    for (int c = 0; c < 6; ++c)
        g.SetAllCells(c, 1, QStringLiteral("v%1").arg(c));
    Col(1).SetHeader("one");
    int from = -1, to = -1;
    g.OnAfterColumnMoved = [&](TObject*, int F, int T) { from = F, to = T; };
    g.MoveColumn(1, 3);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 4);
    EXPECT_EQ(g.Columns()->Count(), 6);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(Col(4).Name(), "c1");
    EXPECT_EQ(Col(4).Header(), "one");
    EXPECT_EQ(Col(1).Name(), "c2");
    EXPECT_FALSE(g.ColMoving());
}

TEST_F(ColumnGridTest, FloatFormatsOfTheColumn)
{
    g.SetFloatFormat("%.2f");
    Col(2).SetFloatFormat("%.3f");
    g.SetFloats(2, 1, 2.5);
    EXPECT_EQ(g.Cells(2, 1), "2.500");
    g.SetCells(2, 2, "7");
    EXPECT_EQ(g.GetFormattedCell(2, 2), "7.000");
    TEditorType e = TEditorType::edNormal;
    g.DoGetEditorType(2, 1, e);
    EXPECT_EQ(g.FloatFormat(), "%.2f");
    // A text the event calls a float is shown as it is.
    g.SetCells(2, 3, "abc");
    g.OnGetFloatFormat = [](TObject*, int, int, bool& IsFloat, String&) { IsFloat = true; };
    EXPECT_EQ(g.GetFormattedCell(2, 3), "abc");
    EXPECT_EQ(g.GetFormattedCell(1, 3), "");
}

TEST_F(ColumnGridTest, EditorComboAndEditLimitsComeFromTheColumn)
{
    Col(2).SetEditor(TEditorType::edComboList);
    Col(4).SetEditor(TEditorType::edComboEdit);
    Col(5).SetEditMask("99;0");
    Col(5).SetEditLength(15);
    TEditorType e = TEditorType::edNormal;
    g.DoGetEditorType(2, 1, e);
    EXPECT_EQ(e, TEditorType::edComboList);
    EXPECT_TRUE(g.DoHasComboBox(2, 1));
    EXPECT_TRUE(g.DoHasComboBox(4, 1));
    EXPECT_FALSE(g.DoHasComboBox(2, 0));
    EXPECT_FALSE(g.DoHasComboBox(5, 1));
    // Display column 4 is real column 5.
    EXPECT_EQ(g.GetEditMask(4, 1), "99;0");
    g.SetCol(4);
    EXPECT_EQ(g.GetEditLimit(), 15);
    g.SetCol(1);
    EXPECT_EQ(g.GetEditLimit(), 0);
}

TEST_F(ColumnGridTest, TheSharedComboTakesTheItemsOfTheColumnBeingEdited)
{
    TComboBox combo(nullptr);
    g.EditCombo = &combo;
    Col(2).SetEditor(TEditorType::edComboList);
    Col(2).ComboItems()->SetCommaText("int8,int16");
    Col(2).SetDropDownCount(4);
    Col(5).SetEditor(TEditorType::edComboEdit);
    Col(5).ComboItems()->SetCommaText("a,b,c");
    Col(5).SetFloatFormat("%.3f");
    const String gridFormat = g.FloatFormat();
    TEditorType e = TEditorType::edNormal;
    g.DoGetEditorType(2, 1, e);
    EXPECT_EQ(combo.Items().CommaText(), "int8,int16");
    EXPECT_EQ(combo.DropDownCount(), 4);
    g.DoGetEditorType(5, 2, e);
    EXPECT_EQ(e, TEditorType::edComboEdit);
    EXPECT_EQ(combo.Items().CommaText(), "a,b,c");
    EXPECT_EQ(combo.DropDownCount(), 8);
    // A header cell asks nothing of the combo; the grid's float format is
    // never the column's.
    g.DoGetEditorType(2, 0, e);
    EXPECT_EQ(combo.Items().CommaText(), "a,b,c");
    EXPECT_EQ(g.FloatFormat(), gridFormat);
    g.EditCombo = nullptr;
}

TEST_F(ColumnGridTest, ColumnOperationsKeepOneDefinitionPerColumn)
{
    // Inserted columns get new definitions at their place; a removed
    // column takes its own definition with it, the others keep theirs.
    Col(2).SetHeader("Type");
    Col(5).SetHeader("Last");
    g.InsertCols(2, 2);
    EXPECT_EQ(g.Columns()->Count(), 8);
    EXPECT_EQ(Col(4).Header(), "Type");
    EXPECT_EQ(Col(2).Header(), "");
    EXPECT_EQ(Col(7).Header(), "Last");
    g.RemoveCols(1, 1);
    EXPECT_EQ(g.Columns()->Count(), g.ColCount() + g.NumHiddenColumns());
    EXPECT_EQ(g.Columns()->Count(), 7);
    EXPECT_EQ(Col(0).Name(), "c0");
    EXPECT_EQ(Col(3).Header(), "Type");
    EXPECT_EQ(Col(6).Header(), "Last");
    // Grouping takes the grouped column out; ungrouping brings its
    // definition back in its place.
    Col(2).SetHeader("Grouped");
    g.Group(2);
    EXPECT_EQ(g.Columns()->Count(), g.ColCount() + g.NumHiddenColumns());
    g.UnGroup();
    EXPECT_EQ(g.Columns()->Count(), 7);
    EXPECT_EQ(Col(2).Header(), "Grouped");
}

TEST_F(ColumnGridTest, ScalingReachesHiddenColumnsToo)
{
    for (int c = 0; c < 6; ++c)
        Col(c).Font()->SetSize(10);
    g.ChangeScale(2, 1);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(Col(c).Font()->Size(), 20) << c;
}

TEST_F(ColumnGridTest, WidthsAreCopiedBackAndVersion)
{
    g.SetColWidths(3, 71);  // real column 4
    EXPECT_EQ(Col(4).StoredWidth(), 71);
    EXPECT_EQ(Col(4).Width(), 71);
    EXPECT_EQ(g.GetVersionNr(), 0x03010301);
    EXPECT_EQ(g.GetVersionString(), "3.1.3.1 Aug, 2012");
}
