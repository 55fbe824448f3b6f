// The cell store's screen side: geometry of cells and merges, the frame
// painter (merges once per pass, lines, selection looks, hover and active
// rows, clipping under the fixed cells) and the keys and wheel over merges.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "cell_store_fixture.h"
#include "grid/core/grid_draw.h"
#include "pixel_surface.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"
#include "platform/testing/test_kit.h"

namespace {

// A shown grid without border and scroll bars: 8 columns x 12 rows of
// 64 x 24 pixels that touch (the lines are inside the cells), one fixed
// column and row, 400 x 200 pixels.
struct BaseGridTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TTestGrid* grid;
    BaseGridTest()
    {
        form.SetBounds(0, 0, 640, 480);
        grid = new TTestGrid(&form);
        grid->SetBorderStyle(bsNone);
        grid->SetScrollBars(ssNone);
        grid->SetBounds(8, 8, 400, 200);
        grid->SetColCount(8);
        grid->SetRowCount(12);
        grid->SetColor(clWhite);
        grid->SetFixedColor(clSilver);
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
    }
    QImage Paint()
    {
        grid->ClearLog();
        return grid->PaintToImage();
    }
    static TColor At(const QImage& I, int X, int Y) { return FromQColor(I.pixelColor(X, Y)); }
    int CountContent(int C, int R) const
    {
        int n = 0;
        for (const auto& cr : grid->ContentCells)
            if (cr.first == C && cr.second == R)
                ++n;
        return n;
    }
};

TEST_F(BaseGridTest, CellRectsOfCellsAndMerges)
{
    EXPECT_EQ(grid->CellRect(2, 3), (TRect{128, 72, 192, 96}));
    EXPECT_EQ(grid->CalcCellRect(2, 3), (TRect{128, 72, 192, 96}));
    grid->MergeCells(1, 1, 3, 2);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ(grid->CellRect(c, r), (TRect{64, 24, 256, 72})) << c << "," << r;
    EXPECT_EQ(grid->CellSize(2, 2), (TPoint{192, 48}));
    // Scrolled: the rectangle follows, also for a base scrolled away.
    grid->SetLeftCol(2);
    grid->SetTopRow(2);
    EXPECT_EQ(grid->CalcCellRect(1, 1), (TRect{0, 0, 64, 24}));  // under the fixed column and row
    EXPECT_EQ(grid->CellRect(3, 2), (TRect{0, 0, 192, 48}));
    EXPECT_EQ(grid->CalcCellRect(0, 0), (TRect{0, 0, 64, 24}));
    EXPECT_EQ(grid->CalcCellRect(6, 9), (TRect{64 + 4 * 64, 24 + 7 * 24, 64 + 5 * 64, 24 + 8 * 24}));
    grid->SetLeftCol(1);
    grid->SetTopRow(1);
    // Zero-wide edge columns still give one pixel on that side.
    grid->SplitCells(1, 1);
    grid->SetColWidths(1, 0);
    grid->SetColWidths(3, 0);
    grid->MergeCells(1, 4, 3, 1);
    const TRect m = grid->CellRect(2, 4);
    EXPECT_EQ(m, (TRect{64, 96, 128, 120}));
    // All three zero-wide: a pixel at each side instead of nothing.
    grid->SetColWidths(2, 0);
    EXPECT_EQ(grid->CellRect(2, 4), (TRect{63, 96, 65, 120}));
    // Outside the grid: empty.
    EXPECT_EQ(grid->CellRect(8, 1), TRect{});
}

TEST_F(BaseGridTest, AMergeIsPaintedOncePerPass)
{
    grid->MergeCells(1, 1, 3, 2);
    for (int pass = 0; pass < 2; ++pass) {
        const int id = grid->PaintID();
        Paint();
        EXPECT_EQ(grid->PaintID(), id + 1);
        EXPECT_EQ(CountContent(1, 1), 1);
        for (int c = 1; c <= 3; ++c) {
            for (int r = 1; r <= 2; ++r) {
                if (c != 1 || r != 1) {
                    EXPECT_EQ(CountContent(c, r), 0) << c << "," << r;
                }
            }
        }
        EXPECT_EQ(CountContent(4, 1), 1);
    }
    // The merge's content rectangle is the whole merge less the line width.
    Paint();
    EXPECT_EQ(grid->ContentRectOf(1, 1), (TRect{65, 25, 255, 71}));
    // Asked for a non-base cell alone (scrolled so the base is hidden): once.
    grid->SetTopRow(2);
    Paint();
    EXPECT_EQ(CountContent(1, 1), 1);
}

TEST_F(BaseGridTest, GridLinesInsideTheCellByWidth)
{
    grid->SilentContent = true;
    grid->SetGridLineColor(clBlack);
    // The bottom rows and right columns of the cell (2, 3) that take the line.
    for (int w : {1, 2, 3}) {
        SCOPED_TRACE(w);
        grid->SetGridLineWidth(w);
        const QImage img = Paint();
        const TRect r = grid->CellRect(2, 3);
        const int midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
        int lineRows = 0, lineCols = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            if (At(img, midX, y) == ColorToRGB(clBlack))
                ++lineRows;
        for (int x = r.Left; x < r.Right; ++x)
            if (At(img, x, midY) == ColorToRGB(clBlack))
                ++lineCols;
        EXPECT_EQ(lineRows, w);
        EXPECT_EQ(lineCols, w);
        EXPECT_EQ(At(img, midX, r.Bottom - 1), ColorToRGB(clBlack));
        EXPECT_EQ(At(img, r.Right - 1, midY), ColorToRGB(clBlack));
        EXPECT_EQ(At(img, midX, r.Bottom - 1 - w), ColorToRGB(clWhite));
        EXPECT_EQ(At(img, midX, r.Top), ColorToRGB(clWhite));
        // The content lies inside the lines.
        EXPECT_EQ(grid->ContentRectOf(2, 3), (TRect{r.Left + w, r.Top + w, r.Right - w, r.Bottom - w}));
    }
    // Width 0: no line, the content fills the cell.
    grid->SetGridLineWidth(0);
    const QImage img = Paint();
    const TRect r = grid->CellRect(2, 3);
    EXPECT_EQ(At(img, (r.Left + r.Right) / 2, r.Bottom - 1), ColorToRGB(clWhite));
    EXPECT_EQ(At(img, r.Right - 1, (r.Top + r.Bottom) / 2), ColorToRGB(clWhite));
    EXPECT_EQ(grid->ContentRectOf(2, 3), r);
    // Fixed cells: a 1-pixel line in the fixed line colour.
    grid->SetGridFixedLineColor(clRed);
    const QImage f = Paint();
    EXPECT_EQ(At(f, 30, 23), ColorToRGB(clRed));
    EXPECT_EQ(At(f, 63, 10), ColorToRGB(clRed));
    EXPECT_EQ(At(f, 30, 22), ColorToRGB(clSilver));
}

// The default content: the text centred in the content rectangle, measured
// with the font it is drawn with (also after the font changed, when widths
// of the old font are still remembered).
TEST_F(BaseGridTest, DefaultContentIsCentredInTheFontDrawn)
{
    grid->SetCells(2, 3, "88");
    struct TInk {
        int Left, Right;  // first and last column with ink
    };
    auto ink = [&](const QImage& I) {
        const TRect c = grid->ContentRectOf(2, 3);
        TInk k{INT_MAX, INT_MIN};
        for (int y = c.Top; y < c.Bottom; ++y)
            for (int x = c.Left; x < c.Right; ++x)
                if (At(I, x, y) != ColorToRGB(clWhite)) {
                    k.Left = std::min(k.Left, x);
                    k.Right = std::max(k.Right, x);
                }
        return k;
    };
    for (int height : {-11, -22, -11}) {
        SCOPED_TRACE(height);
        grid->Font().SetHeight(height);
        const QImage img = Paint();
        const TRect c = grid->ContentRectOf(2, 3);
        const TInk k = ink(img);
        ASSERT_LE(k.Left, k.Right);
        const int width = k.Right - k.Left + 1;
        // Wide enough to tell the two fonts apart, and as far from both sides.
        EXPECT_GE(width, height == -22 ? 18 : 9);
        EXPECT_NEAR(k.Left - c.Left, c.Right - 1 - k.Right, 3);
    }
}

TEST_F(BaseGridTest, SelectionLookPositionsOfAThreeColumnSelection)
{
    grid->SilentContent = true;
    grid->SetSelectionStyle(TGridSelectionStyle::ssVista);
    grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
    struct Case {
        TGridRect sel;
        int col;
        int position;
    };
    const Case cases[] = {
        {{1, 2, 3, 2}, 1, 1}, {{1, 2, 3, 2}, 2, 3}, {{1, 2, 3, 2}, 3, 2}, {{2, 2, 2, 2}, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "col " << c.col << " position " << c.position);
        grid->SetSelection(c.sel);
        const QImage img = Paint();
        const TRect r = grid->CellRect(c.col, 2);
        Surface expect(r.Width(), r.Height());
        DrawRoundedGradientFrame(expect.C(), 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99,
                                 0xFCEDCB, clWhite, TRect{0, 0, r.Width(), r.Height()}, c.position);
        int diff = 0;
        for (int y = 0; y < r.Height() - 1; ++y)
            for (int x = 0; x < r.Width() - 1; ++x)
                if (At(img, r.Left + x, r.Top + y) != expect.At(x, y))
                    ++diff;
        EXPECT_EQ(diff, 0);
    }
    // The unfocused look when the grid loses the focus.
    grid->SetOptions(grid->Options() - TGridOptions{goDrawFocusSelected});
    grid->SetSelection({2, 2, 3, 2});
    auto* other = new TEdit(&form);
    other->SetBounds(420, 300, 80, 21);
    other->SetParent(&form);
    other->SetFocus();
    const QImage img = Paint();
    const TRect r = grid->CellRect(2, 2);
    Surface expect(r.Width(), r.Height());
    DrawRoundedGradientFrame(expect.C(), 0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF,
                             clWhite, TRect{0, 0, r.Width(), r.Height()}, 1);
    EXPECT_EQ(At(img, r.Left + 20, r.Top + 10), expect.At(20, 10));
}

TEST_F(BaseGridTest, MergeUnderTheFixedColumnIsClipped)
{
    grid->SetGridFixedLineColor(clSilver);
    grid->MergeCells(1, 2, 3, 1);
    grid->UsePropsLook = true;
    grid->GetCellProperties(1, 2)->SetBrushColor(clRed);
    grid->SetLeftCol(2);  // the base column scrolled away, the merge starts under column 0
    const QImage img = Paint();
    EXPECT_EQ(CountContent(1, 2), 1);
    const int y = 2 * 24 + 10;
    EXPECT_EQ(At(img, 20, y), ColorToRGB(clSilver));  // the fixed cell keeps its look
    EXPECT_EQ(At(img, 70, y), ColorToRGB(clRed));     // the merge from the fixed column on
    EXPECT_EQ(At(img, 64 + 2 * 64 - 5, y), ColorToRGB(clRed));
}

TEST_F(BaseGridTest, HoverAndActiveRowPrecedence)
{
    grid->SilentContent = true;
    grid->SetGridLineWidth(0);
    grid->FocusCell(2, 3, true);
    grid->SetActiveRowShow(true);
    grid->SetActiveRowColor(clYellow);
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(clAqua);
    auto centre = [&](const QImage& I, int C, int R) {
        const TRect r = grid->CellRect(C, R);
        return At(I, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    struct Case {
        const char* what;
        int hoverRow;
        THoverRowCells cells;
        int c, r;
        TColor expected;
    };
    const Case cases[] = {
        {"active row, other column", -1, {THoverRowCell::hcNormal}, 4, 3, clYellow},
        {"the current cell itself is not active-coloured", -1, {THoverRowCell::hcNormal}, 2, 3, clWhite},
        {"active wins over hover", 3, {THoverRowCell::hcNormal}, 4, 3, clYellow},
        {"hover on another row", 5, {THoverRowCell::hcNormal}, 4, 5, clAqua},
        {"hover leaves fixed cells alone", 5, {THoverRowCell::hcNormal}, 0, 5, clSilver},
        {"hover with hcFixed", 5, {THoverRowCell::hcFixed}, 0, 5, clAqua},
        {"the active row leaves the fixed column", -1, {}, 0, 3, clSilver},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        grid->FHoverRowIdx = k.hoverRow;
        grid->SetHoverRowCells(k.cells);
        EXPECT_EQ(centre(Paint(), k.c, k.r), ColorToRGB(k.expected));
    }
    // A selected cell takes the hover colour only with hcSelected.
    grid->SetActiveRowShow(false);
    grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
    grid->UsePropsLook = false;
    grid->FHoverRowIdx = 3;
    grid->SetHoverRowCells({THoverRowCell::hcNormal});
    EXPECT_EQ(centre(Paint(), 2, 3), ColorToRGB(clWhite));
    grid->SetHoverRowCells({THoverRowCell::hcSelected});
    EXPECT_EQ(centre(Paint(), 2, 3), ColorToRGB(clAqua));
    // The hidden last row is background only.
    grid->FHideLastRow = true;
    grid->SetTopRow(4);
    const QImage img = Paint();
    EXPECT_EQ(CountContent(3, 11), 0);
    EXPECT_EQ(CountContent(3, 10), 1);
}

TEST_F(BaseGridTest, ArrowKeysStepOverAMerge)
{
    grid->MergeCells(2, 2, 3, 2);  // columns 2..4, rows 2..3
    struct Step {
        Word key;
        const char* to;
    };
    grid->FocusCell(2, 2, true);
    const Step steps[] = {
        {VK_RIGHT, "5,2"}, {VK_LEFT, "2,2"}, {VK_LEFT, "1,2"}, {VK_RIGHT, "2,2"}, {VK_DOWN, "2,4"},
        {VK_UP, "2,2"},    {VK_UP, "2,1"},   {VK_DOWN, "2,2"},
    };
    for (const Step& s : steps) {
        TestKit::TypeKey(grid, s.key);
        EXPECT_EQ(std::to_string(grid->Col()) + "," + std::to_string(grid->Row()), s.to) << "key " << s.key;
    }
    // From below into the merge: onto its base cell.
    grid->FocusCell(3, 4, true);
    TestKit::TypeKey(grid, VK_UP);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(BaseGridTest, PageDownAndWheelWithTheHiddenLastRow)
{
    grid->FHideLastRow = true;
    // The view shows rows 1..7 whole (200 / 24 = 8 rows, one fixed).
    grid->SetTopRow(grid->RowCount() - grid->VisibleRowCount());
    grid->FocusCell(1, 6, true);
    ASSERT_EQ(grid->VisibleRowCount() + grid->TopRow() - grid->FixedRows(), grid->RowCount() - 1);
    TestKit::TypeKey(grid, VK_NEXT);
    EXPECT_EQ(grid->Row(), grid->RowCount() - 2);
    // The wheel moves the current row down and keeps it in view.
    grid->SetTopRow(1);
    grid->FocusCell(1, 1, true);
    for (int i = 0; i < 6; ++i)
        TestKit::Wheel(grid, 100, 100, -120);
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_GE(grid->Row(), grid->TopRow());
    EXPECT_LT(grid->Row(), grid->TopRow() + grid->VisibleRowCount());
    // Over a merge of two rows: onto its base, then past it.
    grid->MergeCells(1, 8, 1, 2);
    TestKit::Wheel(grid, 100, 100, -120);
    EXPECT_EQ(grid->Row(), 8);
    TestKit::Wheel(grid, 100, 100, -120);
    EXPECT_EQ(grid->Row(), 10);
    // Up into it from below: onto the base.
    TestKit::Wheel(grid, 100, 100, 120);
    EXPECT_EQ(grid->Row(), 8);
}

TEST_F(BaseGridTest, ScaleKeepsCellSizes)
{
    grid->ChangeScale(2, 1);
    EXPECT_EQ(grid->ColWidths(1), 64);
    EXPECT_EQ(grid->RowHeights(1), 24);
    EXPECT_EQ(grid->Width(), 800);
}

// A picture to look at: VYN_GRID_PNG=<path> writes the grid as shown.
TEST_F(BaseGridTest, RenderedLook)
{
    grid->SetBounds(8, 8, 420, 300);
    grid->SetGridLineWidth(2);
    grid->UsePropsLook = true;
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 12; ++r)
            grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
    grid->MergeCells(1, 1, 3, 2);
    grid->SetCells(1, 1, "merge 3 x 2");
    grid->GetCellProperties(1, 1)->SetBrushColor(0xE0F0FF);
    grid->MergeCells(1, 5, 3, 1);
    grid->SetCells(1, 5, "under the fixed column");
    grid->GetCellProperties(1, 5)->SetBrushColor(0xD0FFD0);
    grid->SetSelectionStyle(TGridSelectionStyle::ssVista);
    grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
    grid->SetActiveRowShow(true);
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(0xF0D8F0);
    grid->FHoverRowIdx = 9;
    grid->SetLeftCol(2);
    grid->SetSelection({3, 7, 5, 7});
    const QImage img = Paint();
    EXPECT_EQ(CountContent(1, 1), 1);
    if (const char* path = std::getenv("VYN_GRID_PNG")) {
        EXPECT_TRUE(TestKit::RenderToPng(grid, QString::fromLocal8Bit(path)));
        // On a real display (VYN_TEST_DISPLAY=1 under xvfb-run): the screen as well.
        grid->Invalidate();
        QCoreApplication::processEvents();
        const std::string screen = std::string("import -window root ") + path + ".screen.png";
        EXPECT_EQ(std::system(screen.c_str()), 0);
    }
}

}  // namespace
