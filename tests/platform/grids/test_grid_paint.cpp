// What Paint asks DrawCell for, with which states, and the pixels of the
// default drawing.
#include <QCoreApplication>
#include <QFile>
#include <QPainter>

#include <cstdlib>
#include <map>

#include "grid_fixture.h"
#include "platform/gui/bitmap.h"
#include "support/temp_dir.h"

namespace {

struct PaintTest : GridTest {
    PaintTest() { grid->LogDraw = true; }

    // The state DrawCell got for each cell in one full paint.
    std::map<std::string, std::string> States()
    {
        grid->Drawn.clear();
        grid->PaintToImage();
        std::map<std::string, std::string> m;
        for (const auto& d : grid->Drawn) {
            const auto colon = d.find(':');
            m[d.substr(0, colon)] = d.substr(colon + 1);
        }
        return m;
    }
    static TColor Pixel(const QImage& Image, int X, int Y) { return FromQColor(Image.pixelColor(X, Y)); }
};

}  // namespace

TEST_F(PaintTest, DrawStatesForFixedSelectedAndFocusedCells)
{
    grid->FocusCell(2, 2, true);
    TestKit::TypeKey(grid, VK_DOWN, {ssShift});
    TestKit::TypeKey(grid, VK_RIGHT, {ssShift});  // current 3,3, anchor 2,2
    struct Case {
        const char* what;
        TGridOptions extra;
        bool focused;
        std::map<std::string, std::string> expected;
    };
    const Case cases[] = {
        {"focused grid", {}, true,
         {{"0,0", "F"}, {"2,0", "F"}, {"0,3", "F"}, {"2,2", "S"}, {"3,3", "C"}, {"2,3", "S"}, {"4,4", "-"},
          {"1,1", "-"}}},
        {"goDrawFocusSelected", {goDrawFocusSelected}, true, {{"3,3", "SC"}, {"2,2", "S"}}},
        {"goRowSelect: the whole rows", {goRowSelect}, true, {{"3,3", "SC"}, {"1,2", "S"}, {"5,3", "S"}, {"0,3", "F"}}},
        {"without the focus the current cell is only selected", {}, false, {{"3,3", "S"}, {"2,2", "S"}, {"4,4", "-"}}},
    };
    auto* other = new TEdit(&form);
    other->SetBounds(420, 300, 100, 21);
    other->SetParent(&form);
    const TGridOptions base = grid->Options();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetOptions(base + c.extra);
        if (c.focused)
            grid->SetFocus();
        else
            other->SetFocus();
        const auto states = States();
        for (const auto& [cell, state] : c.expected)
            EXPECT_EQ(states.count(cell) ? states.at(cell) : "not drawn", state) << cell;
    }
}

TEST_F(PaintTest, OnlyTheCellsShownAreDrawn)
{
    grid->SetTopRow(5);
    grid->SetLeftCol(3);
    const auto states = States();
    // Fixed row and column, and the scrollable cells from (3, 5) that start
    // inside the client area: 6 columns x 10 rows.
    EXPECT_EQ(states.size(), 60u);
    EXPECT_TRUE(states.count("0,0"));
    EXPECT_TRUE(states.count("7,13"));
    EXPECT_FALSE(states.count("8,5"));
    EXPECT_FALSE(states.count("2,5"));
    EXPECT_FALSE(states.count("3,4"));
    EXPECT_FALSE(states.count("3,14"));
}

TEST_F(PaintTest, OnlyTheCellsMeetingTheInvalidAreaAreDrawn)
{
    const TRect cell = grid->CellRect(3, 3);
    QImage image(grid->Width(), grid->Height(), QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setClipRect(cell.ToQt());
    grid->Drawn.clear();
    grid->Perform(WM_PAINT, intptr_t(&painter));
    EXPECT_EQ(grid->Drawn, (std::vector<std::string>{"3,3:-"}));
}

TEST_F(PaintTest, PixelsOfLinesFixedCellsAndTheAreaPastTheCells)
{
    grid->SetColCount(4);  // the columns end at x 260
    grid->FocusCell(2, 2, true);
    TestKit::TypeKey(grid, VK_DOWN, {ssShift});
    const QImage image = TestKit::RenderToImage(grid);
    struct Case {
        const char* what;
        int x, y;
        TColor expected;
    };
    const Case cases[] = {
        {"fixed cell", 40, 16, ColorToRGB(clBtnFace)},
        {"line right of a fixed column", 64, 60, clBlack},
        {"line under the fixed row", 100, 24, clBlack},
        {"line between two fixed-row cells", 129, 10, clBlack},
        {"line between normal cells", 129, 60, clSilver},
        {"line under a normal row", 100, 49, clSilver},
        {"normal cell", 110, 45, ColorToRGB(clWindow)},
        {"selected cell (not the current one)", 180, 70, ColorToRGB(clHighlight)},
        {"past the last column", 300, 40, ColorToRGB(clWindow)},
        {"scroll bar arrow face", 386, 13, ColorToRGB(clBtnFace)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Pixel(image, c.x, c.y), c.expected) << c.what;

    // Lines of width 0: the cells touch, no silver between them.
    grid->SetGridLineWidth(0);
    const QImage flat = TestKit::RenderToImage(grid);
    for (int x = 64; x < 256; ++x)
        EXPECT_NE(Pixel(flat, x, 45), clSilver) << x;
    // Another colour past the cells.
    grid->SetColor(clYellow);
    EXPECT_EQ(Pixel(TestKit::RenderToImage(grid), 300, 40), clYellow);
}

TEST_F(PaintTest, DefaultDrawingOffLeavesTheCellsToDrawCell)
{
    grid->SetDefaultDrawing(false);
    grid->SetFixedColor(clRed);
    grid->OnDrawCell = [&](TObject*, int ACol, int ARow, TRect R, TGridDrawState) {
        // The canvas brush has the cell's colour; nothing was filled yet.
        if (ACol == 0 && ARow == 0)
            grid->Canvas().FillRect(R);
    };
    const QImage image = TestKit::RenderToImage(grid);
    EXPECT_EQ(Pixel(image, 30, 10), clRed);
    EXPECT_EQ(Pixel(image, 30, 40), ColorToRGB(clWindow));  // erased background only
    EXPECT_EQ(Pixel(image, 64, 40), clBlack);               // lines are still drawn
}

TEST_F(PaintTest, PaintingOntoAnotherCanvas)
{
    TBitmap bitmap(200, 100);
    bitmap.Canvas().Brush().SetColor(clWhite);
    bitmap.Canvas().FillRect(Rect(0, 0, 200, 100));
    // One cell, even one scrolled out of view.
    grid->SetTopRow(10);
    grid->SetCells(4, 2, "");
    grid->SetSelection({4, 2, 5, 2});  // anchor 4,2; current 5,2
    grid->PaintCellTo(bitmap.Canvas(), 4, 2, Rect(10, 10, 74, 34));
    EXPECT_EQ(bitmap.Canvas().Pixels(40, 20), ColorToRGB(clHighlight));
    EXPECT_EQ(bitmap.Canvas().Pixels(5, 5), clWhite);
    // The whole grid.
    grid->PaintTo(bitmap.Canvas(), 0, 50);
    EXPECT_EQ(bitmap.Canvas().Pixels(30, 60), ColorToRGB(clBtnFace));
}

TEST_F(PaintTest, InvalidationFollowsTheChanges)
{
    QCoreApplication::processEvents();
    grid->Drawn.clear();
    grid->InvalidateCell(4, 4);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->Drawn, (std::vector<std::string>{"4,4:-"}));
    // The redraw switch of an update lock.
    grid->SetRedraw(false);
    EXPECT_FALSE(grid->Widget()->updatesEnabled());
    grid->SetRedraw(true);
    EXPECT_TRUE(grid->Widget()->updatesEnabled());
}

TEST_F(PaintTest, DemoPicture)
{
    grid->LogDraw = false;
    grid->SetBorderStyle(bsSingle);
    grid->SetBounds(8, 8, 560, 300);
    grid->SetColCount(30);
    grid->SetRowCount(12);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    for (int c = 1; c < 30; ++c)
        grid->SetCells(c, 0, QString("Col %1").arg(c));
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, QString("Row %1").arg(r));
        for (int c = 1; c < 30; ++c)
            grid->SetCells(c, r, QString("%1").arg(c * 100 + r));
    }
    grid->SetSelection({4, 6, 2, 3});  // anchor 4,6; current 2,3
    TestKit::TypeKey(grid, VK_F2);
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    TestKit::TypeText(nullptr, "42");
    TempDir dir;
    const QString path = dir.file("grid_demo.png");
    ASSERT_TRUE(TestKit::RenderToPng(grid, path));
    if (const char* keep = std::getenv("VYN_RENDER_DIR")) {
        const QString copy = QString::fromLocal8Bit(keep) + "/grid_demo.png";
        QFile::remove(copy);
        QFile::copy(path, copy);
    }
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(560, 300));
    // What the picture shows, sampled 4 to 6 pixels inside a cell's bottom
    // right corner (the border moves the cells by a pixel or two, the text
    // stands at the top left): the fixed cells, the selection, a plain cell,
    // and the text of a column header.
    auto inside = [&](int ACol, int ARow) {
        const TRect r = grid->CellRect(ACol, ARow);
        return Pixel(image, r.Right - 6, r.Bottom - 4);
    };
    EXPECT_EQ(inside(0, 5), ColorToRGB(clBtnFace)) << "fixed column";
    EXPECT_EQ(inside(5, 0), ColorToRGB(clBtnFace)) << "fixed row";
    EXPECT_EQ(inside(3, 4), ColorToRGB(clHighlight)) << "selected cell";
    EXPECT_EQ(inside(4, 6), ColorToRGB(clHighlight)) << "the selection's anchor";
    EXPECT_EQ(inside(6, 8), ColorToRGB(clWindow)) << "plain cell";
    const TRect header = grid->CellRect(1, 0);
    int dark = 0;
    for (int y = header.Top + 2; y < header.Bottom - 2; ++y)
        for (int x = header.Left + 2; x < header.Left + 40; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 10) << "the text \"Col 1\"";
    // The editor sits on the current cell.
    EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(2, 3));
    EXPECT_EQ(grid->InplaceEditor()->Text(), "20342");
}
