// The per-cell look of the string grid: reads that create nothing, the
// default look of a new property object, repaints while updating, the row
// colours, cell controls and highlighting a text in the cells.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <vector>

#include "cell_store_fixture.h"
#include "grid/core/grid_options.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"
#include "string_grid_probe.h"


TEST(CellLook, ReadsCreateNoPropertyObjectExceptWordWraps)
{
    TProbeStringGrid g(nullptr);
    EXPECT_EQ(g.Colors(2, 2), clNone);
    EXPECT_EQ(g.ColorsTo(2, 2), clNone);
    EXPECT_EQ(g.Gradients(2, 2), TCellGradientDirection::GradientVertical);
    EXPECT_EQ(g.FontColors(2, 2), clNone);
    EXPECT_TRUE(g.FontStyles(2, 2).Empty());
    EXPECT_EQ(g.FontNames(2, 2), "");
    EXPECT_EQ(g.FontSizes(2, 2), 0);
    EXPECT_EQ(g.Fonts(2, 2), &g.Font());
    EXPECT_EQ(g.Alignments(2, 2), taLeftJustify);
    EXPECT_FALSE(g.ReadOnly(2, 2));
    EXPECT_EQ(g.CellControls(2, 2), nullptr);
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    // Outside the grid too, without an error.
    EXPECT_EQ(g.Colors(99, 99), clNone);
    EXPECT_EQ(g.FontSizes(-1, 2), 0);
    EXPECT_TRUE(g.WordWraps(99, 99));
    // WordWraps leaves the default look's object behind.
    g.SetWordWrap(false);
    EXPECT_FALSE(g.WordWraps(2, 2));
    EXPECT_TRUE(g.HasCellProperties(2, 2));
}

TEST(CellLook, WritesStoreInTheCellsPropertyObject)
{
    TProbeStringGrid g(nullptr);
    g.SetColors(1, 1, clRed);
    g.SetColorsTo(1, 1, clBlue);
    g.SetGradients(1, 1, TCellGradientDirection::GradientHorizontal);
    g.SetFontColors(1, 1, clGreen);
    g.SetFontStyles(1, 1, TFontStyles{TFontStyle::fsItalic});
    g.SetFontNames(1, 1, "Courier");
    g.SetFontSizes(1, 1, 14);
    g.SetAlignments(1, 1, taCenter);
    g.SetReadOnly(1, 1, true);
    g.SetWordWraps(1, 1, false);
    EXPECT_EQ(g.Colors(1, 1), clRed);
    EXPECT_EQ(g.ColorsTo(1, 1), clBlue);
    EXPECT_EQ(g.Gradients(1, 1), TCellGradientDirection::GradientHorizontal);
    EXPECT_EQ(g.FontColors(1, 1), clGreen);
    EXPECT_TRUE(g.FontStyles(1, 1).Contains(TFontStyle::fsItalic));
    EXPECT_EQ(g.FontNames(1, 1), "Courier");
    EXPECT_EQ(g.FontSizes(1, 1), 14);
    EXPECT_EQ(g.Alignments(1, 1), taCenter);
    EXPECT_TRUE(g.ReadOnly(1, 1));
    EXPECT_FALSE(g.WordWraps(1, 1));
    // A font is copied, not kept.
    TFont f;
    f.SetName("Serif");
    f.SetSize(11);
    f.SetStyle(TFontStyles{TFontStyle::fsBold});
    f.SetColor(clMaroon);
    g.SetFonts(2, 2, f);
    f.SetName("Other");
    EXPECT_EQ(g.Fonts(2, 2)->Name(), "Serif");
    EXPECT_EQ(g.FontSizes(2, 2), 11);
    EXPECT_TRUE(g.FontStyles(2, 2).Contains(TFontStyle::fsBold));
    EXPECT_EQ(g.FontColors(2, 2), clMaroon);
}

TEST(CellLook, ANewPropertyObjectHasNoColourOfItsOwnWhereTheGridDecides)
{
    TProbeStringGrid g(nullptr);
    g.SetFontColors(2, 2, clRed);
    EXPECT_EQ(g.Colors(2, 2), g.Color());  // a normal cell: the grid's colour
    g.SetFontColors(0, 2, clRed);
    EXPECT_EQ(g.Colors(0, 2), clNone);  // fixed
    g.SetFontColors(2, 0, clRed);
    EXPECT_EQ(g.Colors(2, 0), clNone);
    g.Bands()->SetActive(true);
    g.SetFontColors(3, 3, clRed);
    EXPECT_EQ(g.Colors(3, 3), clNone);
    g.Bands()->SetActive(false);
    g.BackGround()->SetDisplay(TBackGroundDisplay::bdGradientVert);
    g.SetFontColors(3, 4, clRed);
    EXPECT_EQ(g.Colors(3, 4), clNone);
    EXPECT_EQ(g.ColorsTo(3, 4), clNone);
}

TEST_F(ShownGrid, ColorsAndFontsSkipTheirOwnRepaintWhileUpdating)
{
    const TRect cell = g->CellRect(2, 2);
    const QPoint inside(cell.Left + 3, cell.Top + 3);
    PaintProbe probe;
    g->Widget()->installEventFilter(&probe);
    auto paintsCell = [&](const std::function<void()>& Write) {
        QCoreApplication::processEvents();
        probe.Painted = QRegion();
        Write();
        QCoreApplication::processEvents();
        return probe.Painted.contains(inside);
    };
    TFont f;
    f.SetSize(13);
    EXPECT_TRUE(paintsCell([&] { g->SetFonts(2, 2, f); }));
    EXPECT_TRUE(paintsCell([&] { g->SetAlignments(2, 2, taCenter); }));
    g->FUpdateCount = 1;
    EXPECT_FALSE(paintsCell([&] { g->SetFonts(2, 2, f); }));
    // The colour's own setter repaints; the colour is stored.
    EXPECT_TRUE(paintsCell([&] { g->SetColors(2, 2, clRed); }));
    EXPECT_EQ(g->Colors(2, 2), clRed);
    g->FUpdateCount = 0;
    g->Widget()->removeEventFilter(&probe);
    // Through the update lock itself.
    g->BeginUpdate();
    g->SetColors(2, 2, clBlue);
    g->EndUpdate();
    EXPECT_EQ(g->Colors(2, 2), clBlue);
}

// ---- row colours ------------------------------------------------------------------------------

TEST(RowColours, FixedColumnsLeftOutHiddenColumnsIncluded)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(5);
    g.HideColumn(3);
    g.SetRowColor(2, clRed);
    EXPECT_FALSE(g.HasCellProperties(0, 2));
    for (int c = 1; c < 5; ++c)
        EXPECT_EQ(g.Colors(c, 2), clRed) << c;
    g.SetRowColorTo(2, clBlue);
    g.SetRowFontColor(2, clGreen);
    EXPECT_EQ(g.ColorsTo(3, 2), clBlue);
    EXPECT_EQ(g.FontColors(3, 2), clGreen);
    EXPECT_EQ(g.Colors(1, 1), clNone);
}

TEST(RowColours, NoneResetsOnlyThatColour)
{
    TProbeStringGrid g(nullptr);
    Counted user;
    g.SetRowColor(2, clRed);
    g.SetRowColorTo(2, clBlue);
    g.SetRowFontColor(2, clGreen);
    g.SetColors(4, 2, clNone);  // a cell without a brush colour
    g.SetAlignments(1, 2, taRightJustify);
    g.SetReadOnly(1, 2, true);
    g.SetObjects(2, 2, &user);
    g.CreateCellGraphic(3, 2)->SetCheckBox(true, false, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    g.MergeCells(1, 2, 2, 1);
    // The gradient colour goes, nothing else.
    g.SetRowColorTo(2, clNone);
    for (int c = 1; c < 5; ++c) {
        EXPECT_TRUE(g.HasCellProperties(c, 2)) << c;
        EXPECT_EQ(g.ColorsTo(c, 2), clNone) << c;
    }
    EXPECT_EQ(g.Alignments(1, 2), taRightJustify);
    EXPECT_TRUE(g.ReadOnly(1, 2));
    EXPECT_EQ(g.Objects(2, 2), &user);
    EXPECT_EQ(g.GetCellType(3, 2), TCellType::ctCheckBox);
    EXPECT_TRUE(g.IsMergedCell(2, 2));
    EXPECT_EQ(g.Colors(1, 2), clRed);
    // The font colour goes only where there is no brush colour.
    g.SetRowFontColor(2, clNone);
    EXPECT_EQ(g.FontColors(1, 2), clGreen);
    EXPECT_EQ(g.FontColors(4, 2), clNone);
    // The brush colour goes; the cells keep their objects.
    g.SetRowColor(2, clNone);
    EXPECT_EQ(g.Colors(3, 2), clNone);
    EXPECT_TRUE(g.ReadOnly(1, 2));
    EXPECT_EQ(g.GetCellType(3, 2), TCellType::ctCheckBox);
    EXPECT_TRUE(g.IsMergedCell(1, 2));
}

// ---- cell controls ----------------------------------------------------------------------------

TEST_F(ShownGrid, CellControlsPlacedReplacedAndRemoved)
{
    auto* a = new TPanel(&form);
    auto* b = new TPanel(&form);
    g->SetCellControls(2, 3, a);
    EXPECT_EQ(g->CellControls(2, 3), a);
    EXPECT_EQ(a->Parent(), g);
    const TRect q = g->CellRect(2, 3);
    EXPECT_EQ(a->Left(), q.Left - 1);
    EXPECT_EQ(a->Top(), q.Top - 1);
    EXPECT_EQ(a->Width(), q.Right - q.Left + 1);
    EXPECT_EQ(a->Height(), q.Bottom - q.Top + 1);
    g->SetCellControls(2, 3, b);
    EXPECT_EQ(g->NumCellControls(), 1);
    ASSERT_EQ(g->ControlList()->Count(), 1);
    EXPECT_EQ(g->ControlList()->Control(0)->Control, b);
    EXPECT_EQ(a->Parent(), g);  // the old control is left where it was
    g->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(g->NumCellControls(), 0);
    EXPECT_EQ(g->ControlList()->Count(), 0);
    EXPECT_EQ(g->CellControls(2, 3), nullptr);
    g->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(g->NumCellControls(), 0);
    // With a row hidden above, the control is recorded by its real row.
    g->HideRow(1);
    g->SetCellControls(2, 3, a);
    ASSERT_EQ(g->ControlList()->Count(), 1);
    EXPECT_EQ(g->ControlList()->Control(0)->Y, 4);
    EXPECT_EQ(g->ControlList()->Control(0)->X, 2);
    g->SetCellControls(2, 3, b);
    EXPECT_EQ(g->ControlList()->Count(), 1);
    g->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(g->ControlList()->Count(), 0);
}

// ---- highlighting -----------------------------------------------------------------------------

TEST(Highlight, MatchesAreTaggedAndTheTextComesBack)
{
    struct Case {
        const char* Text;
        const char* Search;
        bool DoCase;
        const char* Highlighted;
    };
    const Case cases[] = {
        {"ABC", "b", false, "A<hi>B</hi>C"},
        {"ABC", "b", true, "ABC"},
        {"abcb", "B", false, "a<hi>b</hi>c<hi>b</hi>"},
        {"a<b", "<", false, "a<hi>&lt;</hi>b"},
        {"x < y & z", "y", false, "x &lt; <hi>y</hi> &amp; z"},
        {"x < y", "q", false, "x < y"},
        {"&lt;", "lt", false, "&amp;<hi>lt</hi>;"},
        {"&lt;", "<", false, "&lt;"},
        {"<b>bold</b> b", "b", false, "<b><hi>b</hi>old</b> <hi>b</hi>"},
        {"<i>x</i> &lt;lt", "lt", false, "<i>x</i> &lt;<hi>lt</hi>"},
        {"<i>x</i> a<b", "<", false, "<i>x</i> a<b"},
        {"<i>x</i> &lt;", "<", false, "<i>x</i> <hi>&lt;</hi>"},
        {"", "a", false, ""},
    };
    for (const Case& c : cases) {
        TProbeStringGrid g(nullptr);
        g.SetCells(1, 1, c.Text);
        g.HilightInRect(c.Search, "hi", 1, 1, 1, 1, c.DoCase);
        EXPECT_EQ(g.Cells(1, 1), c.Highlighted) << c.Text << " / " << c.Search;
        g.UnHilightInRect("hi", 1, 1, 1, 1);
        EXPECT_EQ(g.Cells(1, 1), c.Text) << c.Text << " / " << c.Search;
    }
}

TEST(Highlight, RectanglesMarksRepeatsAndMerges)
{
    TProbeStringGrid g(nullptr);
    g.SetCells(1, 1, "abc");
    g.SetCells(2, 1, "bbb");
    g.SetCells(1, 2, "x");
    g.SetCells(3, 3, "b");
    g.HilightInRect("b", "e", 1, 1, 2, 2, true);
    EXPECT_EQ(g.Cells(1, 1), "a<e>b</e>c");
    EXPECT_EQ(g.Cells(2, 1), "<e>b</e><e>b</e><e>b</e>");
    EXPECT_EQ(g.Cells(1, 2), "x");
    EXPECT_EQ(g.Cells(3, 3), "b");  // outside the rectangle
    // Highlighting again does not encode the earlier tags.
    g.HilightInRect("c", "hi", 1, 1, 1, 1, true);
    EXPECT_EQ(g.Cells(1, 1), "a<e>b</e><hi>c</hi>");
    g.UnHilightInRect("hi", 1, 1, 1, 1);
    EXPECT_EQ(g.Cells(1, 1), "a<e>b</e>c");
    g.UnHilightInRect("E", 1, 1, 2, 2);
    EXPECT_EQ(g.Cells(1, 1), "abc");
    EXPECT_EQ(g.Cells(2, 1), "bbb");
    // An empty rectangle changes nothing.
    g.HilightInRect("b", "hi", 2, 1, 1, 1, true);
    g.HilightInRect("b", "hi", 1, 2, 1, 1, true);
    EXPECT_EQ(g.Cells(1, 1), "abc");
    // A merge is highlighted at its base cell only.
    g.SetGridCells(2, 1, "b");
    g.MergeCells(1, 1, 2, 1);
    g.HilightInRect("b", "hi", 1, 1, 2, 1, true);
    EXPECT_EQ(g.GridCells(1, 1), "a<hi>b</hi>c");
    EXPECT_EQ(g.GridCells(2, 1), "b");
}
