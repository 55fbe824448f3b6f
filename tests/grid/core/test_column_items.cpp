// The column definitions: creation values, the look-only copy of an
// appended column, the full copy, setter effects on the grid, the count rule
// of the collection and its no-recursion flag, the display name, the order
// restore, the stream holder.
#include <gtest/gtest.h>

#include "column_grid_probe.h"

namespace {

struct ItemsTest : ::testing::Test {
    TProbeColumnGrid g{nullptr};
    ItemsTest()
    {
        g.SetColCount(3);
        g.SetRowCount(4);
    }
    TGridColumnItem& Col(int I) { return *g.Columns()->Items(I); }
};

void ExpectCreationValues(const TGridColumnItem& C)
{
    EXPECT_EQ(C.Editor(), TEditorType::edNormal);
    EXPECT_EQ(C.CheckTrue(), "Y");
    EXPECT_EQ(C.CheckFalse(), "N");
    EXPECT_EQ(C.DropDownCount(), 8);
    EXPECT_EQ(C.SpinStep(), 1);
    EXPECT_EQ(C.PrintColor(), TColor(0xFFFFFF));
    EXPECT_EQ(C.BorderPen()->Color(), TColor(0xC0C0C0));
    EXPECT_EQ(C.PrintBorderPen()->Color(), TColor(0));
    EXPECT_TRUE(C.PrintBorders() == TCellBorders({TCellBorder::cbTop, TCellBorder::cbLeft, TCellBorder::cbRight, TCellBorder::cbBottom}));
    EXPECT_TRUE(C.Borders().Empty());
    EXPECT_TRUE(C.PrintBorderCustom());
    EXPECT_TRUE(C.PrintFontCustom());
    EXPECT_FALSE(C.ReadOnly());
    EXPECT_TRUE(C.Header().isEmpty());
    EXPECT_EQ(C.ComboItems()->Count(), 0);
    EXPECT_EQ(C.ColumnPopupType(), TColumnPopupType::cpFixedCellsRClick);
}

}  // namespace

TEST_F(ItemsTest, TheGridStartsWithOneDefinitionPerColumnInCreationValues)
{
    TProbeColumnGrid fresh(nullptr);
    EXPECT_EQ(fresh.Columns()->Count(), fresh.ColCount());
    ASSERT_EQ(g.Columns()->Count(), 3);
    for (int i = 0; i < 3; ++i)
        ExpectCreationValues(Col(i));
    EXPECT_EQ(Col(0).Color(), g.Color());
    EXPECT_TRUE(*Col(0).Font() == g.Font());
}

TEST_F(ItemsTest, AnAppendedColumnTakesTheLookOfTheLastButNotItsIdentity)
{
    TGridColumnItem& third = Col(2);
    third.SetEditor(TEditorType::edComboList);
    third.SetBorders({TCellBorder::cbLeft});
    third.SetCheckTrue("J");
    third.SetCheckFalse("Nein");
    third.SetReadOnly(true);
    third.SetColor(0x123456);
    TFont f;
    f.SetName("Verdana");
    third.SetFont(f);
    third.SetHeader("Mode");
    third.ComboItems()->Add("a");
    third.SetDropDownCount(12);
    third.SetName("mode");
    third.SetTag(7);

    TGridColumnItem* fourth = g.Columns()->Add();
    EXPECT_EQ(fourth->Editor(), TEditorType::edComboList);
    EXPECT_TRUE(fourth->Borders().Contains(TCellBorder::cbLeft));
    EXPECT_EQ(fourth->CheckTrue(), "J");
    EXPECT_EQ(fourth->CheckFalse(), "Nein");
    EXPECT_TRUE(fourth->ReadOnly());
    EXPECT_EQ(fourth->Color(), g.Color());
    EXPECT_TRUE(*fourth->Font() == g.Font());
    EXPECT_TRUE(fourth->Header().isEmpty());
    EXPECT_EQ(fourth->ComboItems()->Count(), 0);
    EXPECT_EQ(fourth->DropDownCount(), 8);
    EXPECT_TRUE(fourth->Name().isEmpty());
    EXPECT_EQ(fourth->Tag(), 0);
    // With the flag clear the grid grows with the collection.
    EXPECT_EQ(g.ColCount(), 4);
}

TEST_F(ItemsTest, InsertGivesCreationValuesAndShiftsTheOthers)
{
    Col(1).SetName("was1");
    Col(1).SetEditor(TEditorType::edDataCheckBox);
    TGridColumnItem* n = g.Columns()->Insert(1);
    EXPECT_EQ(n->Index(), 1);
    ExpectCreationValues(*n);
    EXPECT_EQ(n->StoredWidth(), 50);
    EXPECT_EQ(Col(2).Name(), "was1");
    EXPECT_EQ(g.ColCount(), 4);
}

TEST_F(ItemsTest, WidthIsTheGridsWidthEntry)
{
    Col(2).SetWidth(80);
    EXPECT_EQ(g.AllColWidths(2), 80);
    EXPECT_EQ(Col(2).Width(), 80);
    g.SetColWidths(1, 33);
    EXPECT_EQ(Col(1).Width(), 33);
    TGridColumnItem loose(nullptr);
    EXPECT_EQ(loose.Width(), 0);
    EXPECT_EQ(loose.StoredWidth(), 50);
    ExpectCreationValues(loose);
    // The grid's width changes are copied back into the stored field.
    EXPECT_EQ(Col(1).StoredWidth(), 33);
}

TEST_F(ItemsTest, TheEditorRepaintsOnlyAroundTheDataCheckBox)
{
    struct Case {
        TEditorType From, To;
        bool Repaints;
    } cases[] = {
        {TEditorType::edNormal, TEditorType::edComboList, false},
        {TEditorType::edNormal, TEditorType::edDataCheckBox, true},
        {TEditorType::edDataCheckBox, TEditorType::edNormal, true},
        {TEditorType::edDataCheckBox, TEditorType::edDataCheckBox, false},
    };
    for (const Case& c : cases) {
        Col(1).SetEditor(c.From);
        g.Invalidates = 0;
        Col(1).SetEditor(c.To);
        EXPECT_EQ(g.Invalidates > 0, c.Repaints) << int(c.From) << "->" << int(c.To);
    }
}

TEST_F(ItemsTest, TheNoRecursionFlagKeepsTheColumnCount)
{
    g.Columns()->SetNoRecursiveUpdate(true);
    g.Columns()->Add();
    g.Columns()->Add();
    EXPECT_EQ(g.ColCount(), 3);
    g.Columns()->Delete(4);
    g.Columns()->Delete(3);
    g.Columns()->SetNoRecursiveUpdate(false);
    g.Columns()->Add();
    EXPECT_EQ(g.ColCount(), 4);
    // Deleting one shrinks it again; a count at or below the fixed
    // columns is left alone.
    g.Columns()->Delete(3);
    EXPECT_EQ(g.ColCount(), 3);
    // And writing ColCount brings the definitions along.
    g.SetColCount(7);
    EXPECT_EQ(g.Columns()->Count(), 7);
    g.SetColCount(2);
    EXPECT_EQ(g.Columns()->Count(), 2);
}

TEST_F(ItemsTest, DisplayName)
{
    g.SetColCount(5);
    EXPECT_EQ(Col(4).GetDisplayName(), "Column 4");
    Col(4).SetName("Mode");
    EXPECT_EQ(Col(4).GetDisplayName(), "Col 4: Mode");
}

TEST_F(ItemsTest, AssignCopiesEverySettingAndSendsNothing)
{
    TGridColumnItem& s = Col(0);
    s.SetColumnPopupType(TColumnPopupType::cpAllCellsLClick);
    s.SetPrintBorderCustom(false);
    s.SetPrintFontCustom(false);
    s.SetHeaderText("H");
    s.SetName("n");
    s.SetTag(3);
    s.SetDropDownCount(20);
    s.SetFloatFormat("%.3f");
    s.Filter()->Add("Large=>100");
    s.SetWidth(77);
    s.SetDefIdx(5);
    TFont hf;
    hf.SetStyle({TFontStyle::fsBold});
    s.SetHeaderFont(hf);

    TGridColumnItem copy(nullptr);
    copy.Assign(s);
    EXPECT_EQ(copy.ColumnPopupType(), TColumnPopupType::cpAllCellsLClick);
    EXPECT_FALSE(copy.PrintBorderCustom());
    EXPECT_FALSE(copy.PrintFontCustom());
    EXPECT_EQ(copy.Header(), "H");
    EXPECT_EQ(copy.Name(), "n");
    EXPECT_EQ(copy.Tag(), 3);
    EXPECT_EQ(copy.DropDownCount(), 20);
    EXPECT_EQ(copy.FloatFormat(), "%.3f");
    EXPECT_EQ(copy.Filter()->Strings(0), "Large=>100");
    EXPECT_EQ(copy.StoredWidth(), 77);
    EXPECT_EQ(copy.DefIdx(), 5);
    EXPECT_TRUE(copy.HeaderFont()->Style().Contains(TFontStyle::fsBold));

    // A copy into a live column neither writes the header cell nor changes
    // the column count.
    g.SetFixedRows(1);
    g.SetCells(2, 0, "");
    g.Invalidates = 0;
    Col(2).Assign(copy);
    EXPECT_EQ(g.Cells(2, 0), "");
    EXPECT_EQ(g.Invalidates, 0);
    EXPECT_EQ(g.ColCount(), 3);

    // Anything but a column is ignored.
    TFont notAColumn;
    Col(1).Assign(notAColumn);
    Col(1).AssignVisuals(notAColumn);
    EXPECT_EQ(Col(1).Editor(), TEditorType::edNormal);
}

TEST_F(ItemsTest, ItemsOutsideTheCollectionRaise)
{
    EXPECT_THROW(g.Columns()->Items(3), Exception);
    EXPECT_THROW(g.Columns()->Items(-1), Exception);
}

TEST_F(ItemsTest, ResetOrganizationMovesColumnsBackAndAlwaysEnds)
{
    g.SetColCount(4);
    for (int i = 0; i < 4; ++i) {
        Col(i).SetName(QString::number(i));
        g.SetCells(i, 1, QString::number(i));
    }
    g.Columns()->SetOrganization();
    g.MoveColumn(1, 3);  // 0 2 3 1
    ASSERT_EQ(Col(3).Name(), "1");
    g.Columns()->ResetOrganization();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Col(i).Name(), QString::number(i));
        EXPECT_EQ(g.Cells(i, 1), QString::number(i));
    }
    // Two columns naming the same place cannot both get there: the restore
    // still ends.
    Col(2).SetDefIdx(0);
    Col(3).SetDefIdx(0);
    g.Columns()->ResetOrganization();
    EXPECT_EQ(g.Columns()->Count(), 4);
}

TEST(ColumnGridIO, TheHolderNeedsAColumnGridAndLeavesItsCountAlone)
{
    TComponent plain(nullptr);
    EXPECT_THROW(TVynColumnGridIO bad(&plain), EInvalidCast);
    TProbeColumnGrid g(nullptr);
    const int cols = g.ColCount();
    auto* io = new TVynColumnGridIO(&g);
    io->Items()->Add();
    io->Items()->Add();
    EXPECT_EQ(g.ColCount(), cols);
    io->SetItems(*g.Columns());
    EXPECT_EQ(io->Items()->Count(), g.Columns()->Count());
    io->Free();
}
