// Typed access to the string grid's cells: integers and floats under both
// decimal separators, dates and times, the derived texts, the sort
// cross-reference, links in the display text, the cell kinds with the
// shared row check box, the room of a cell's graphic and the three-state
// check boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "cell_store_fixture.h"
#include "grid/core/grid_options.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/bitmap.h"
#include "string_grid_probe.h"

namespace {

class TypedAccess : public ::testing::TestWithParam<QChar> {
protected:
    DecimalSeparatorScope separator{GetParam()};
    TProbeStringGrid g{nullptr};
    // "." in a case text becomes the decimal separator under test.
    String Local(const char* Text) const
    {
        String s = QString::fromUtf8(Text);
        s.replace(u'.', GetParam());
        return s;
    }
};

INSTANTIATE_TEST_SUITE_P(Separators, TypedAccess, ::testing::Values(QChar(u'.'), QChar(u',')),
                         [](const auto& Info) { return Info.param == u'.' ? "DotDecimal" : "CommaDecimal"; });

}  // namespace

TEST_P(TypedAccess, IntsOfTheStrippedDisplayText)
{
    struct Case {
        const char* Text;
        int Value;
    };
    const Case cases[] = {{"", 0}, {"-", 0}, {" 42 ", 42}, {"<b>42</b>", 42}, {"-17", -17}, {"$1F", 31}, {"0x10", 16}};
    for (const Case& c : cases) {
        g.SetCells(1, 1, c.Text);
        EXPECT_EQ(g.Ints(1, 1), c.Value) << c.Text;
    }
    for (const char* bad : {"4 2", "12a", "1.5"}) {
        g.SetCells(1, 1, bad);
        try {
            g.Ints(1, 1);
            ADD_FAILURE() << bad;
        } catch (const EVynGridError& e) {
            EXPECT_EQ(e.Message(), "Cell does not contain integer value");
        }
        EXPECT_EQ(g.Cells(1, 1), bad);
    }
    // The All form reads the text as it is: tags are not stripped.
    g.SetCells(1, 1, "<b>42</b>");
    EXPECT_THROW(g.AllInts(1, 1), EVynGridError);
    g.SetCells(1, 1, " 7 ");
    EXPECT_EQ(g.AllInts(1, 1), 7);
    g.SetInts(2, 2, -5);
    EXPECT_EQ(g.Cells(2, 2), "-5");
    g.SetAllInts(2, 3, 9);
    EXPECT_EQ(g.Cells(2, 3), "9");
}

TEST_P(TypedAccess, FloatsRoundTripInTheLocalesNotation)
{
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.Cells(1, 1), Local("3.14"));
    EXPECT_DOUBLE_EQ(g.Floats(1, 1), 3.14);
    g.SetAllFloats(1, 2, -0.5);
    EXPECT_EQ(g.Cells(1, 2), Local("-0.50"));
    EXPECT_DOUBLE_EQ(g.AllFloats(1, 2), -0.5);
    // Only the number takes the separator, not the format's own text.
    g.SetFloatFormat("%.1f kg.");
    g.SetFloats(1, 1, 2.34);
    EXPECT_EQ(g.Cells(1, 1), Local("2.3") + " kg.");
    // A format the grid cannot apply: the value's shortest text.
    for (const char* fmt : {"%s", "%d %d", "%.123f", ""}) {
        g.SetFloatFormat(fmt);
        g.SetFloats(1, 1, 2.5);
        EXPECT_EQ(g.Cells(1, 1), Local("2.5")) << fmt;
    }
    // Thousands, signs and the error.
    g.SetCells(1, 1, GetParam() == u'.' ? "1,234.5" : "1.234,5");
    EXPECT_DOUBLE_EQ(g.Floats(1, 1), 1234.5);
    g.SetCells(1, 1, "");
    EXPECT_EQ(g.Floats(1, 1), 0);
    g.SetCells(1, 1, "1e5e5");
    try {
        g.Floats(1, 1);
        ADD_FAILURE();
    } catch (const EVynGridError& e) {
        EXPECT_EQ(e.Message(), "Cell does not contain a float value");
    }
}

TEST_P(TypedAccess, DatesAndTimes)
{
    g.SetShowNullDates(false);
    g.SetDates(1, 1, 0);
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetShowNullDates(true);
    g.SetDates(1, 1, 0);
    EXPECT_EQ(g.Cells(1, 1), DateToStr(0));
    const TDateTime d = EncodeDate(2024, 3, 5);
    g.SetDates(1, 1, d);
    EXPECT_EQ(g.Dates(1, 1), d);
    const TDateTime t = EncodeTime(13, 45, 10, 0);
    g.SetTimes(1, 2, t);
    EXPECT_NEAR(g.Times(1, 2), t, 1e-9);
    g.SetCells(1, 1, "no date");
    EXPECT_THROW(g.Dates(1, 1), EConvertError);
}

// ---- derived texts ----------------------------------------------------------------------------

TEST(TypedTexts, StrippedLinesControlValuesAndTheSortCrossReference)
{
    TProbeStringGrid g(nullptr);
    g.SetCells(1, 1, "<b>bold</b> text");
    EXPECT_EQ(g.StrippedCells(1, 1), "bold text");
    g.SetCells(1, 1, "a\rb\rc");
    EXPECT_EQ(g.LinesInCell(1, 1), 3);
    EXPECT_EQ(g.LinesInCell(1, 2), 1);
    const String form = "Name: <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"40\">";
    g.SetCells(1, 1, form);
    EXPECT_EQ(g.ControlValues(1, 1, "e1"), "abc");
    EXPECT_EQ(g.ControlValues(1, 1, "e2"), "");
    g.SetControlValues(1, 1, "e1", "xyz");
    EXPECT_EQ(g.ControlValues(1, 1, "e1"), "xyz");
    const String after = g.Cells(1, 1);
    g.SetControlValues(1, 1, "e2", "nope");
    EXPECT_EQ(g.Cells(1, 1), after);
    g.SetWideCells(2, 1, QString::fromUtf8("\u00e4\u4e2d"));
    EXPECT_EQ(g.WideCells(2, 1), QString::fromUtf8("\u00e4\u4e2d"));
    // Row i stood at row xref[i] before sorting.
    for (int r = 0; r < 6; ++r)
        g.SetCells(1, r, QString("r%1").arg(r));
    for (int v : {0, 1, 3, 2, 5, 4})
        g.FSortRowXRef->Add(v);
    EXPECT_EQ(g.SortedRowIndex(2), 3);
    EXPECT_EQ(g.SortedRowIndex(8), 8);
    EXPECT_EQ(g.UnSortedRowIndex(3), 2);
    EXPECT_EQ(g.UnSortedRowIndex(9), 6);
    EXPECT_EQ(g.UnSortedCells(1, 3), "r2");
    g.SetUnSortedCells(1, 5, "five");
    EXPECT_EQ(g.Cells(1, 4), "five");
}

TEST(TypedTexts, TheFirstAddressPrefixFoundBecomesALink)
{
    TProbeStringGrid g(nullptr);
    g.SetCells(1, 1, "see www.example.com now");
    EXPECT_EQ(g.Cells(1, 1), "see www.example.com now");
    g.SetURLShowInText(true);
    EXPECT_EQ(g.Cells(1, 1), "see <a href=\"www.example.com\">www.example.com</a> now");
    // "HTTP://" is tried before "FTP://": only the web address is linked.
    g.SetCells(1, 1, "ftp://files.test and http://web.test");
    const String shown = g.Cells(1, 1);
    EXPECT_TRUE(shown.contains("<a href=\"http://web.test\">")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("href=\"ftp")) << shown.toStdString();
    EXPECT_EQ(g.GridCells(1, 1), "ftp://files.test and http://web.test");
    g.SetCells(1, 1, "mailto:a@b.test");
    EXPECT_TRUE(g.Cells(1, 1).startsWith("<a href=\"mailto:a@b.test\">"));
}

TEST(TypedTexts, SortIndicatorOnTheSortRow)
{
    TProbeStringGrid g(nullptr);
    EXPECT_FALSE(g.HasSortIndicator(1, 0));
    g.SortSettings()->SetShow(true);
    EXPECT_TRUE(g.HasSortIndicator(1, 0));
    EXPECT_FALSE(g.HasSortIndicator(1, 1));
    g.SetRowCount(2);
    EXPECT_FALSE(g.HasSortIndicator(1, 0));
}

// ---- cell kinds and graphics ------------------------------------------------------------------

TEST(CellKinds, EmptyWithoutAGraphicAndTheRowCheckBoxOfColumnZero)
{
    TProbeStringGrid g(nullptr);
    EXPECT_EQ(int(g.GetCellType(1, 1)), 10);
    EXPECT_EQ(g.CellTypes(1, 1), TCellType::ctEmpty);
    EXPECT_EQ(g.GetCellType(-1, 1), TCellType::ctEmpty);
    Counted foreign;
    g.SetGraphicObjects(2, 2, &foreign);
    EXPECT_EQ(g.GetCellType(2, 2), TCellType::ctEmpty);
    EXPECT_EQ(g.GetCellGraphic(2, 2), nullptr);
    g.SetGraphicObjects(2, 2, nullptr);
    g.CreateCellGraphic(0, 3)->SetAngle(10);
    // Every cell of column 0 is a row check box, with or without a graphic.
    g.MouseActions()->SetHotmailRowSelect(true);
    for (int r : {0, 1, 3, 9})
        EXPECT_EQ(g.CellTypes(0, r), TCellType::ctRowCheckBox) << r;
    EXPECT_EQ(g.CellTypes(1, 1), TCellType::ctEmpty);
    // The one shared graphic, prepared for each row: rows 2 and 3 selected.
    g.FRowSelect->assign(10, 0);
    (*g.FRowSelect)[2] = 1;
    (*g.FRowSelect)[3] = 1;
    TCellGraphic* header = g.GetCellGraphic(0, 0);
    EXPECT_EQ(header->CellAngle(), 1);
    EXPECT_FALSE(header->CellBoolean());
    EXPECT_FALSE(header->CellTransparent());
    EXPECT_TRUE(g.GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_EQ(g.GetCellGraphic(0, 2)->CellAngle(), 0);
    EXPECT_FALSE(g.GetCellGraphic(0, 4)->CellBoolean());
    EXPECT_EQ(g.GetCellGraphic(0, 4), header);
    TCheckBoxState st = cbGrayed;
    EXPECT_TRUE(g.GetCheckBoxState(0, 3, st));
    EXPECT_EQ(st, cbChecked);
    // Every row below the fixed one selected: the header box is checked.
    g.FRowSelect->assign(10, 1);
    g.ControlLook()->SetControlStyle(VynObj::TControlStyle::csFlat);
    header = g.GetCellGraphic(0, 0);
    EXPECT_EQ(header->CellAngle(), 0);
    EXPECT_TRUE(header->CellBoolean());
    EXPECT_TRUE(header->CellTransparent());
    // The cell's own graphic is not lost under the shared one.
    g.MouseActions()->SetHotmailRowSelect(false);
    EXPECT_EQ(g.GetCellType(0, 3), TCellType::ctRotated);
}

TEST(CellKinds, TheRoomOfACellsGraphic)
{
    TProbeStringGrid g(nullptr);
    TBitmap bmp(20, 10);
    TImageList images(nullptr, 16, 12);
    g.SetGridImages(&images);
    struct Case {
        const char* What;
        std::function<void(TCellGraphic&)> Make;
        const char* Text;
        TPoint Layout;
        TPoint Print;
    };
    const std::vector<Case> cases = {
        {"check box", [](TCellGraphic& G) { G.SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop); },
         "", TPoint(15, 15), TPoint(15, 15)},
        {"radio button",
         [](TCellGraphic& G) { G.SetRadioButton(true, false, TCellHAlign::haLeft, TCellVAlign::vaTop); }, "x",
         TPoint(10, 10), TPoint(10, 10)},
        {"bitmap over text", [&](TCellGraphic& G) { G.SetBitmap(&bmp, false, TCellHAlign::haLeft, TCellVAlign::vaTop); },
         "x", TPoint(0, 0), TPoint(20, 10)},
        {"bitmap before text",
         [&](TCellGraphic& G) { G.SetBitmap(&bmp, false, TCellHAlign::haBeforeText, TCellVAlign::vaTop); }, "x",
         TPoint(20, 0), TPoint(20, 10)},
        {"bitmap alone", [&](TCellGraphic& G) { G.SetBitmap(&bmp, false, TCellHAlign::haLeft, TCellVAlign::vaTop); },
         "", TPoint(20, 10), TPoint(20, 10)},
        {"image under text",
         [](TCellGraphic& G) { G.SetImageIdx(1, TCellHAlign::haLeft, TCellVAlign::vaUnderText); }, "x",
         TPoint(0, 12), TPoint(0, 12)},
        {"button alone", [](TCellGraphic& G) { G.SetButton(30, 18, "Go", TCellHAlign::haLeft, TCellVAlign::vaTop); },
         "", TPoint(30, 18), TPoint(30, 18)},
        {"button beside text",
         [](TCellGraphic& G) { G.SetButton(30, 18, "Go", TCellHAlign::haLeft, TCellVAlign::vaTop); }, "x",
         TPoint(30, 0), TPoint(30, 18)},
        {"rating",
         [](TCellGraphic& G) {
             G.SetCellType(TCellType::ctRating);
             G.SetCellAngle(3);
         },
         "", TPoint(54, 16), TPoint(0, 0)},
        {"pie", [](TCellGraphic& G) { G.SetCellType(TCellType::ctProgressPie); }, "", TPoint(20, 20), TPoint(20, 20)},
        {"node", [](TCellGraphic& G) { G.SetCellType(TCellType::ctNode); }, "", TPoint(0, 0), TPoint(20, 20)},
        {"progress", [](TCellGraphic& G) { G.SetCellType(TCellType::ctProgress); }, "", TPoint(0, 0),
         TPoint(64, 22)},
        {"shape", [](TCellGraphic& G) { G.SetCellType(TCellType::ctShape); }, "", TPoint(0, 0), TPoint(18, 18)},
        {"check box filling the cell's height",
         [](TCellGraphic& G) { G.SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaFull); }, "",
         TPoint(15, 22), TPoint(15, 15)},
    };
    for (const Case& c : cases) {
        TCellGraphic* gr = g.CreateCellGraphic(1, 1);
        c.Make(*gr);
        g.SetCells(1, 1, c.Text);
        EXPECT_EQ(g.GetCellGraphicLayoutSize(1, 1, 0), c.Layout) << c.What;
        EXPECT_EQ(g.CellGraphicSize(1, 1), c.Layout) << c.What;
        EXPECT_EQ(g.GetCellGraphicPrintSize(1, 1, 100, 100, 1.0), c.Print) << c.What;
    }
    EXPECT_EQ(g.GetCellGraphicLayoutSize(2, 2, 0), TPoint(0, 0));
    g.SetGridImages(nullptr);
}

TEST(CellKinds, AUsersGraphicReplacedOrRemovedStaysTheUsers)
{
    CountedGraphic::Alive = 0;
    TProbeStringGrid g(nullptr);
    auto* mine = new CountedGraphic();
    g.SetGraphicObjects(1, 1, mine);
    g.CreateCellGraphic(1, 1);
    EXPECT_EQ(CountedGraphic::Alive, 1);
    g.SetGraphicObjects(1, 2, mine);
    EXPECT_TRUE(g.RemoveCellGraphic(1, 2));
    EXPECT_EQ(CountedGraphic::Alive, 1);
    delete mine;
}

TEST(CellKinds, ImageRefsAndImageLists)
{
    TProbeStringGrid g(nullptr);
    TBitmap bmp(4, 4);
    g.CreateCellGraphic(1, 1)->SetBitmap(&bmp, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.GetCellImageRef(1, 1), intptr_t(&bmp));
    g.CreateCellGraphic(1, 2)->SetImageIdx(7, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.GetCellImageRef(1, 2), 7);
    EXPECT_EQ(g.GetCellImageRef(1, 3), -1);
    EXPECT_EQ(g.CellImages(1, 2), nullptr);
    g.CreateCellGraphic(1, 3)->SetMultiImage(1, 3, 0, TCellHAlign::haLeft, TCellVAlign::vaTop, nullptr);
    ASSERT_NE(g.CellImages(1, 3), nullptr);
    g.CellImages(1, 3)->Add(4);
    g.CellImages(1, 3)->Add(5);
    TImageList images(nullptr, 16, 12);
    g.SetGridImages(&images);
    EXPECT_EQ(g.CellGraphicSize(1, 3), TPoint(32, 12));
    g.SetGridImages(nullptr);
}

// ---- three-state check boxes ------------------------------------------------------------------

TEST(TriStateCheckBoxes, AddedReadAndRefused)
{
    TProbeStringGrid g(nullptr);
    g.SetVAlignment(TVAlignment::vtaCenter);
    g.AddCheckBox(2, 2, cbGrayed);
    TCheckBoxState st = cbUnchecked;
    EXPECT_TRUE(g.GetCheckBoxState(2, 2, st));
    EXPECT_EQ(st, cbGrayed);
    const TCellGraphic* gr = g.GetCellGraphic(2, 2);
    EXPECT_EQ(gr->CellType(), TCellType::ctTriStateCheckBox);
    EXPECT_TRUE(gr->CellTransparent());
    EXPECT_EQ(gr->CellHAlign(), TCellHAlign::haBeforeText);
    EXPECT_EQ(gr->CellVAlign(), TCellVAlign::vaCenter);
    // Two-state boxes answer checked or unchecked.
    g.CreateCellGraphic(1, 1)->SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_TRUE(g.GetCheckBoxState(1, 1, st));
    EXPECT_EQ(st, cbChecked);
    g.CreateCellGraphic(1, 2)->SetCheckBox(false, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    g.SetCells(1, 2, "Y");
    EXPECT_TRUE(g.GetCheckBoxState(1, 2, st));
    EXPECT_EQ(st, cbChecked);
    g.SetCells(1, 2, "N");
    EXPECT_TRUE(g.GetCheckBoxState(1, 2, st));
    EXPECT_EQ(st, cbUnchecked);
    // No box: false, State as it was.
    st = cbGrayed;
    EXPECT_FALSE(g.GetCheckBoxState(3, 3, st));
    g.CreateCellGraphic(3, 4)->SetAngle(5);
    EXPECT_FALSE(g.GetCheckBoxState(3, 4, st));
    EXPECT_EQ(st, cbGrayed);
    // Outside the grid.
    for (auto [c, r] : {std::pair{-1, 1}, std::pair{1, -1}, std::pair{5, 1}, std::pair{1, 10}}) {
        try {
            g.AddCheckBox(c, r, cbChecked);
            ADD_FAILURE() << c << "," << r;
        } catch (const EVynGridError&) {
            ADD_FAILURE() << "the platform's exception is expected";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Invalid cell");
        }
    }
    EXPECT_EQ(TVynStringGrid::BoolToCheckBoxState(true), cbChecked);
    EXPECT_EQ(TVynStringGrid::BoolToCheckBoxState(false), cbUnchecked);
}

TEST(TriStateCheckBoxes, AColumnOfBoxesAndBoxesOfHiddenRows)
{
    TProbeStringGrid g(nullptr);
    g.AddTriStateCheckBoxColumn(3, cbChecked);
    EXPECT_EQ(g.GetCellType(3, 0), TCellType::ctEmpty);
    for (int r = 1; r < g.RowCount(); ++r)
        EXPECT_EQ(g.GetCellType(3, r), TCellType::ctTriStateCheckBox) << r;
    g.MouseActions()->SetCheckAllCheck(true);
    g.AddTriStateCheckBoxColumn(4, cbUnchecked);
    EXPECT_EQ(g.GetCellType(4, 0), TCellType::ctTriStateCheckBox);
    // A hidden row's saved box is read by its real row.
    g.AddCheckBox(2, 5, cbGrayed);
    g.CreateCellGraphic(1, 5)->SetCheckBox(false, true, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    g.SetCells(1, 5, "Y");
    g.HideRow(5);
    TCheckBoxState st = cbUnchecked;
    EXPECT_TRUE(g.GetCheckBoxState(2, 5, st));
    EXPECT_EQ(st, cbGrayed);
    EXPECT_TRUE(g.GetCheckBoxState(1, 5, st));
    EXPECT_EQ(st, cbChecked);
    // A shown row below it, by its real row.
    g.AddCheckBox(2, 6, cbChecked);  // display row 6 is real row 7
    EXPECT_TRUE(g.GetCheckBoxState(2, 7, st));
    EXPECT_EQ(st, cbChecked);
}
