// The rule tables' row commands over both families: a column grid (6
// columns, a fixed row and column, column 1 a data check-box column, real
// column 3 hidden) and a string grid with a check box in column 1 of every
// data row; the message boxes scripted; Enter and the header double click.
#include <gtest/gtest.h>

#include "../../grid/core/string_grid_probe.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/tables/Table_Rows.h"
#include "grid/core/column_grid.h"
#include "platform/testing/message_box_script.h"

namespace {

using TestKit::MessageBoxScript;

struct TableRowsTest : ::testing::Test {
    TVynColumnGrid cg{nullptr};
    TVynStringGrid sg{nullptr};

    TableRowsTest()
    {
        Load_Default_Lang();
        Row_Clipboard.Clear();
        // Column grid: real columns 0..5, column 3 hidden: data columns
        // 1..5 (N = 5), rows 1..4.
        cg.SetColCount(6);
        cg.SetRowCount(5);
        cg.SetFixedRows(1);
        cg.SetFixedCols(1);
        cg.Columns()->Items(1)->SetEditor(TEditorType::edDataCheckBox);
        for (int r = 1; r < 5; ++r)
            for (int c = 2; c < 6; ++c)
                cg.SetCells(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c - 2)).arg(r));
        for (int r = 1; r < 5; ++r)
            cg.SetCells(1, r, r % 2 ? "Y" : "N");
        HideGridColumn(cg, 3);
        // String grid: columns 1..4 (N = 4), boxes in column 1.
        sg.SetColCount(5);
        sg.SetRowCount(5);
        sg.SetFixedRows(1);
        sg.SetFixedCols(1);
        sg.AddCheckBoxColumn(1, false);
        for (int r = 1; r < 5; ++r) {
            sg.SetCheckBoxState(1, r, r % 2 == 1);
            for (int c = 2; c < 5; ++c)
                sg.SetCells(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c - 2)).arg(r));
        }
        for (TVynStringGrid* g : {static_cast<TVynStringGrid*>(&cg), &sg}) {
            g->SetCells(0, 0, "fixed");
            g->SetCells(2, 0, "Header");
        }
    }
    ~TableRowsTest() override
    {
        Opt_Jump_Field_Tables = false;
        Opt_Double_Click_Auto_Size = false;
        Row_Clipboard.Clear();
    }

    // Texts of data columns 1..N of a row ("|" between; a box as [x] / [ ]).
    static String Row(TVynStringGrid& G, int R)
    {
        QStringList parts;
        for (int c = 1; c < G.ColCount() + G.NumHiddenColumns(); ++c) {
            bool state;
            if (!dynamic_cast<TVynColumnGrid*>(&G) && G.GetCheckBoxState(c, R, state))
                parts << (state ? "[x]" : "[ ]");
            else
                parts << G.Cells(c, R);
        }
        return parts.join(u'|');
    }
    // The row, then its read-only flags (R or . per column).
    static String RowAndFlags(TVynStringGrid& G, int R)
    {
        String s = Row(G, R) + u' ';
        for (int c = 1; c < G.ColCount() + G.NumHiddenColumns(); ++c)
            s += G.ReadOnly(c, R) ? u'R' : u'.';
        return s;
    }
    static void ExpectError(MessageBoxScript& Boxes, int Text) { Boxes.Expect(mtError, Lang_Text(Text), {mbOK}, mrOk); }
    static void ExpectOverwrite(MessageBoxScript& Boxes, TModalResult Answer)
    {
        Boxes.Expect(mtConfirmation, Lang_Text(1100), mbYesNo, Answer);
    }
};

}  // namespace

TEST_F(TableRowsTest, TheFixturesRows)
{
    EXPECT_EQ(Row(cg, 2), "N|a2|b2|c2|d2");  // c2 sits in the hidden column
    EXPECT_EQ(Row(sg, 1), "[x]|a1|b1|c1");
    EXPECT_EQ(Lang_Text(1142), "Error!!! The last row is used: empty or delete it before inserting a row");
}

// ---- delete ----------------------------------------------------------------------------------

TEST_F(TableRowsTest, DeleteMovesRowsUpWithBoxesAndReadOnlyFlags)
{
    sg.SetReadOnly(2, 3, true);
    sg.SetReadOnly(4, 2, true);
    Delete_Row_Check_Grid(2, &sg, true);
    EXPECT_EQ(Row(sg, 1), "[x]|a1|b1|c1");
    EXPECT_EQ(RowAndFlags(sg, 2), "[x]|a3|b3|c3 .R..");
    EXPECT_EQ(RowAndFlags(sg, 3), "[ ]|a4|b4|c4 ....");
    // The freed last row: empty, read-only, its box set to the flag.
    EXPECT_EQ(RowAndFlags(sg, 4), "[x]||| RRRR");
    EXPECT_EQ(sg.Cells(0, 0), "fixed");
    EXPECT_EQ(sg.Cells(2, 0), "Header");

    Delete_Row_Grid(2, &cg);
    EXPECT_EQ(Row(cg, 1), "Y|a1|b1|c1|d1");
    EXPECT_EQ(Row(cg, 2), "Y|a3|b3|c3|d3");
    EXPECT_EQ(Row(cg, 3), "N|a4|b4|c4|d4");
    EXPECT_EQ(Row(cg, 4), "||||");
}

TEST_F(TableRowsTest, DeletingTheLastRowOnlyEmptiesIt)
{
    Delete_Row_Check_Grid(4, &sg, false);
    EXPECT_EQ(Row(sg, 3), "[x]|a3|b3|c3");
    EXPECT_EQ(RowAndFlags(sg, 4), "[ ]||| RRRR");
    Delete_Row_Grid(4, &cg);
    EXPECT_EQ(Row(cg, 3), "Y|a3|b3|c3|d3");
    EXPECT_EQ(Row(cg, 4), "||||");
}

TEST_F(TableRowsTest, RowsOutsideTheDataRowsChangeNothing)
{
    MessageBoxScript boxes;  // and nothing is asked
    Row_Clipboard.Texts.Add("kept");
    for (int r : {-1, 0, 5, 100}) {
        Delete_Row_Check_Grid(r, &sg, true);
        Delete_Row_Grid(r, &cg);
        EXPECT_FALSE(Insert_Row_Check_Grid(r, &sg, true));
        EXPECT_FALSE(Insert_Row_Grid(r, &cg, true));
        Copy_Row_Grid(&cg, r);
        Copy_Row_Check_Grid(&sg, r);
        EXPECT_FALSE(Paste_Row_Grid(&cg, r, true));
        EXPECT_FALSE(Paste_Row_Check_Grid(&sg, r, true));
    }
    EXPECT_EQ(Row_Clipboard.Texts.Text(), "kept\n");
    EXPECT_EQ(Row(sg, 4), "[ ]|a4|b4|c4");
    EXPECT_EQ(Row(cg, 4), "N|a4|b4|c4|d4");
    EXPECT_EQ(Row(cg, 1), "Y|a1|b1|c1|d1");
}

// ---- insert ----------------------------------------------------------------------------------

TEST_F(TableRowsTest, InsertIsRefusedWhileTheLastRowIsUsed)
{
    MessageBoxScript boxes;
    ExpectError(boxes, 1142);
    ExpectError(boxes, 1142);
    EXPECT_FALSE(Insert_Row_Check_Grid(2, &sg, true));
    EXPECT_FALSE(Insert_Row_Grid(2, &cg, true));
    EXPECT_EQ(boxes.Pending(), 0);
    EXPECT_EQ(Row(sg, 2), "[ ]|a2|b2|c2");
    EXPECT_EQ(Row(sg, 4), "[ ]|a4|b4|c4");
    EXPECT_EQ(Row(cg, 4), "N|a4|b4|c4|d4");

    // The in-use test is the family's: only blanks use a string grid's row,
    // a column grid's only where the text is not blank; the check-box
    // column's text never counts in a column grid, a box never in a string
    // grid.
    for (int c = 2; c < 5; ++c)
        sg.SetCells(c, 4, c == 3 ? " " : "");
    sg.SetCheckBoxState(1, 4, true);
    ExpectError(boxes, 1142);
    EXPECT_FALSE(Insert_Row_Check_Grid(2, &sg, true));
    for (int c = 2; c < 6; ++c)
        cg.SetCells(c, 4, c == 3 ? "  " : "");
    cg.SetCells(1, 4, "Y");
    EXPECT_TRUE(Insert_Row_Grid(2, &cg, true));
    EXPECT_EQ(boxes.Pending(), 0);
    EXPECT_EQ(boxes.Shown().size(), 3u);
}

TEST_F(TableRowsTest, InsertOverAnEmptyLastRowMovesRowsDown)
{
    for (int c = 2; c < 5; ++c)
        sg.SetCells(c, 4, "");
    sg.SetReadOnly(3, 2, true);
    sg.SetReadOnly(2, 3, true);
    EXPECT_TRUE(Insert_Row_Check_Grid(2, &sg, true));
    EXPECT_EQ(Row(sg, 1), "[x]|a1|b1|c1");
    EXPECT_EQ(RowAndFlags(sg, 2), "[x]||| ....");
    EXPECT_EQ(RowAndFlags(sg, 3), "[ ]|a2|b2|c2 ..R.");
    EXPECT_EQ(RowAndFlags(sg, 4), "[x]|a3|b3|c3 .R..");

    for (int c = 1; c < 6; ++c)
        cg.SetCells(c, 4, "");
    EXPECT_TRUE(Insert_Row_Grid(1, &cg, false));
    EXPECT_EQ(Row(cg, 1), "||||");
    EXPECT_EQ(Row(cg, 2), "Y|a1|b1|c1|d1");
    EXPECT_EQ(Row(cg, 4), "Y|a3|b3|c3|d3");
}

TEST_F(TableRowsTest, InsertingAtAnEmptyLastRowReplacesIt)
{
    for (int c = 2; c < 5; ++c)
        sg.SetCells(c, 4, "");
    sg.SetReadOnly(2, 4, true);
    EXPECT_TRUE(Insert_Row_Check_Grid(4, &sg, true));
    EXPECT_EQ(Row(sg, 3), "[x]|a3|b3|c3");
    EXPECT_EQ(RowAndFlags(sg, 4), "[x]||| ....");
    for (int c = 2; c < 6; ++c)
        cg.SetCells(c, 4, "");
    EXPECT_TRUE(Insert_Row_Grid(4, &cg, true));
    EXPECT_EQ(Row(cg, 4), "Y||||");
}

// ---- copy and paste --------------------------------------------------------------------------

TEST_F(TableRowsTest, PasteErrorsComeBeforeTheQuestion)
{
    MessageBoxScript boxes;
    Copy_Row_Grid(&cg, 1);
    ExpectError(boxes, 1102);
    EXPECT_FALSE(Paste_Row_Grid(&cg, 2, false));
    ExpectError(boxes, 1102);
    EXPECT_FALSE(Paste_Row_Check_Grid(&sg, 2, false));
    // Five texts into a string grid of four columns.
    ExpectError(boxes, 1101);
    EXPECT_FALSE(Paste_Row_Check_Grid(&sg, 2, true));
    Copy_Row_Check_Grid(&sg, 1);
    ExpectError(boxes, 1101);
    EXPECT_FALSE(Paste_Row_Grid(&cg, 2, true));
    EXPECT_EQ(boxes.Pending(), 0);
    EXPECT_EQ(Row(cg, 2), "N|a2|b2|c2|d2");
    EXPECT_EQ(Row(sg, 2), "[ ]|a2|b2|c2");
}

TEST_F(TableRowsTest, PasteOverARowInUseAsksFirst)
{
    MessageBoxScript boxes;
    Copy_Row_Grid(&cg, 1);
    ExpectOverwrite(boxes, mrNo);
    EXPECT_FALSE(Paste_Row_Grid(&cg, 2, true));
    EXPECT_EQ(Row(cg, 2), "N|a2|b2|c2|d2");
    ExpectOverwrite(boxes, mrYes);
    EXPECT_TRUE(Paste_Row_Grid(&cg, 2, true));
    EXPECT_EQ(Row(cg, 2), "Y|a1|b1|c1|d1");

    Copy_Row_Check_Grid(&sg, 1);
    EXPECT_EQ(Row_Clipboard.Texts.Text(), "Y\na1\nb1\nc1\n");
    EXPECT_EQ(Row_Clipboard.Check, (std::vector<bool>{true, false, false, false}));
    ExpectOverwrite(boxes, mrNo);
    EXPECT_FALSE(Paste_Row_Check_Grid(&sg, 2, true));
    EXPECT_EQ(Row(sg, 2), "[ ]|a2|b2|c2");
    sg.SetReadOnly(3, 2, true);
    ExpectOverwrite(boxes, mrYes);
    EXPECT_TRUE(Paste_Row_Check_Grid(&sg, 2, true));
    // Read-only flags stay as they were.
    EXPECT_EQ(RowAndFlags(sg, 2), "[x]|a1|b1|c1 ..R.");
    // The clipboard is kept for the next paste.
    EXPECT_EQ(Row_Clipboard.Texts.Count(), 4);
    EXPECT_EQ(boxes.Pending(), 0);
}

TEST_F(TableRowsTest, WhatCountsAsARowInUseWhenPasting)
{
    MessageBoxScript boxes;  // no box at all
    // A column grid: blanks and the check-box column are no use.
    Copy_Row_Grid(&cg, 1);
    for (int c = 2; c < 6; ++c)
        cg.SetCells(c, 3, " \t ");
    cg.SetCells(1, 3, "Y");
    EXPECT_TRUE(Paste_Row_Grid(&cg, 3, true));
    EXPECT_EQ(Row(cg, 3), "Y|a1|b1|c1|d1");
    // A string grid: boxes set but no texts.
    Copy_Row_Check_Grid(&sg, 2);
    for (int c = 2; c < 5; ++c)
        sg.SetCells(c, 3, "");
    sg.SetCheckBoxState(1, 3, true);
    EXPECT_TRUE(Paste_Row_Check_Grid(&sg, 3, true));
    EXPECT_EQ(Row(sg, 3), "[ ]|a2|b2|c2");
    EXPECT_TRUE(boxes.Shown().empty());
    // A string grid: a blank is in use.
    for (int c = 2; c < 5; ++c)
        sg.SetCells(c, 4, c == 4 ? " " : "");
    ExpectOverwrite(boxes, mrNo);
    EXPECT_FALSE(Paste_Row_Check_Grid(&sg, 4, true));
    EXPECT_EQ(boxes.Pending(), 0);
}

TEST_F(TableRowsTest, EveryCopyReplacesTheWholeClipboard)
{
    MessageBoxScript boxes;
    // A column grid of as many columns as the string grid has.
    TVynColumnGrid narrow(nullptr);
    narrow.SetColCount(5);
    narrow.SetRowCount(3);
    narrow.SetFixedRows(1);
    narrow.SetFixedCols(1);
    for (int c = 1; c < 5; ++c)
        narrow.SetCells(c, 1, QStringLiteral("n%1").arg(c));

    Copy_Row_Check_Grid(&sg, 1);
    EXPECT_EQ(Row_Clipboard.Check.size(), 4u);
    Copy_Row_Grid(&narrow, 1);
    EXPECT_EQ(Row_Clipboard.Texts.Text(), "n1\nn2\nn3\nn4\n");
    EXPECT_TRUE(Row_Clipboard.Check.empty());
    // Without check flags the clipboard does not fit a string grid's row.
    ExpectError(boxes, 1101);
    EXPECT_FALSE(Paste_Row_Check_Grid(&sg, 2, true));
    EXPECT_EQ(Row(sg, 2), "[ ]|a2|b2|c2");
    // A string grid's copy pastes into a column grid as texts.
    Copy_Row_Check_Grid(&sg, 3);
    EXPECT_TRUE(Paste_Row_Grid(&narrow, 2, true));
    EXPECT_EQ(Row(narrow, 2), "Y|a3|b3|c3");
    EXPECT_EQ(boxes.Pending(), 0);
}

// ---- Enter and the header double click -------------------------------------------------------

TEST_F(TableRowsTest, EnterMovesToTheNextCellAndWraps)
{
    struct Case {
        int Col, Row, WantCol, WantRow;
    };
    Opt_Jump_Field_Tables = true;
    // cg shows display columns 0..4.
    for (const Case& k : {Case{1, 2, 2, 2}, Case{4, 2, 1, 3}, Case{4, 4, 1, 1}, Case{3, 4, 4, 4}}) {
        cg.SetCol(k.Col);
        cg.SetRow(k.Row);
        QChar key(13);
        Grid_Enter_Next_Cell(&cg, key);
        EXPECT_EQ(key, QChar(0));
        EXPECT_EQ(cg.Col(), k.WantCol) << k.Col << "," << k.Row;
        EXPECT_EQ(cg.Row(), k.WantRow) << k.Col << "," << k.Row;
    }
    // Another key passes.
    QChar key(u'a');
    Grid_Enter_Next_Cell(&cg, key);
    EXPECT_EQ(key, QChar(u'a'));
    EXPECT_EQ(cg.Col(), 4);

    Opt_Jump_Field_Tables = false;
    key = QChar(13);
    Grid_Enter_Next_Cell(&sg, key);
    EXPECT_EQ(key, QChar(13));
}

TEST_F(TableRowsTest, ADoubleClickSizesOnlyAHeaderColumn)
{
    cg.SetCells(2, 3, "a much longer text than the others");
    cg.SetColWidths(2, 20);
    // The widest text, the cell margins (2 x 2), two grid lines and 2.
    const int want = cg.Font().Measure().Width("a much longer text than the others") + 8;

    Grid_DblClick_AutoSize(&cg, 0, 2);
    EXPECT_EQ(cg.ColWidths(2), 20);  // the option is off
    Opt_Double_Click_Auto_Size = true;
    Grid_DblClick_AutoSize(&cg, 1, 2);
    EXPECT_EQ(cg.ColWidths(2), 20);  // a data row
    Grid_DblClick_AutoSize(&cg, 0, 2);
    EXPECT_EQ(cg.ColWidths(2), want);
    // The column's automatic limits still hold.
    cg.Columns()->Items(2)->SetAutoMaxSize(60);
    Grid_DblClick_AutoSize(&cg, 0, 2);
    EXPECT_EQ(cg.ColWidths(2), 60);
}
