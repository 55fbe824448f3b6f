// Pixel rules of the canvas on a bitmap: shapes, lines, text background,
// clipping, keyed drawing, XOR and the classic 3-D parts.
#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "test_canvas_util.h"

using Rows = std::vector<std::string>;

namespace {

const std::map<TColor, char> kLegend = {
    {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'}, {clYellow, 'y'}, {clLime, 'g'}, {clFuchsia, 'm'}};

}  // namespace

TEST(CanvasShapes, RectangleFamilyTouchesExactlyLeftToRightMinusOne)
{
    struct Case {
        const char* Name;
        std::function<void(TCanvas&)> Draw;
        Rows Expected;
    };
    const std::vector<Case> cases = {
        {"Rectangle: pen outline, brush inside",
         [](TCanvas& c) { c.Rectangle(1, 1, 6, 5); },
         {".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."}},
        {"Rectangle with swapped corners",
         [](TCanvas& c) { c.Rectangle(6, 5, 1, 1); },
         {".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."}},
        {"Rectangle without pen fills one less right and bottom",
         [](TCanvas& c) {
             c.Pen().SetStyle(psClear);
             c.Rectangle(1, 1, 6, 5);
         },
         {".......", ".rrrr..", ".rrrr..", ".rrrr..", ".......", "......."}},
        {"Rectangle with clear brush",
         [](TCanvas& c) {
             c.Brush().SetStyle(bsClear);
             c.Rectangle(1, 1, 6, 5);
         },
         {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}},
        {"Rectangle with a 2-pixel pen",
         [](TCanvas& c) {
             c.Pen().SetWidth(2);
             c.Rectangle(1, 0, 7, 6);
         },
         {".######", ".######", ".##rr##", ".##rr##", ".######", ".######"}},
        {"FillRect: brush only",
         [](TCanvas& c) { c.FillRect(Rect(1, 1, 6, 5)); },
         {".......", ".rrrrr.", ".rrrrr.", ".rrrrr.", ".rrrrr.", "......."}},
        {"FrameRect: one pixel in the brush colour",
         [](TCanvas& c) {
             c.Brush().SetColor(clBlue);
             c.FrameRect(Rect(1, 1, 6, 5));
         },
         {".......", ".bbbbb.", ".b...b.", ".b...b.", ".bbbbb.", "......."}},
        {"One-pixel rectangle",
         [](TCanvas& c) { c.Rectangle(2, 2, 3, 3); },
         {".......", ".......", "..#....", ".......", ".......", "......."}},
        {"Empty rectangles draw nothing",
         [](TCanvas& c) {
             c.FillRect(Rect(2, 2, 2, 5));
             c.FrameRect(Rect(2, 2, 5, 2));
             c.Rectangle(3, 3, 3, 3);
         },
         {".......", ".......", ".......", ".......", ".......", "......."}},
        {"Pixels",
         [](TCanvas& c) {
             c.SetPixels(0, 0, clBlue);
             c.SetPixels(6, 5, clRed);
         },
         {"b......", ".......", ".......", ".......", ".......", "......r"}},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(7, 6);
        TCanvas& c = b->Canvas();
        c.Pen().SetColor(clBlack);
        c.Brush().SetColor(clRed);
        k.Draw(c);
        EXPECT_EQ(Art(*b, kLegend), k.Expected) << k.Name;
    }
}

TEST(CanvasShapes, LineToExcludesEndPointAndMovesPen)
{
    struct Case {
        TPoint From, To;
        Rows Expected;
    };
    const std::vector<Case> cases = {
        {{1, 1}, {5, 1}, {"......", ".####.", "......", "......", "......", "......"}},
        {{5, 1}, {1, 1}, {"......", "..####", "......", "......", "......", "......"}},
        {{2, 0}, {2, 4}, {"..#...", "..#...", "..#...", "..#...", "......", "......"}},
        {{0, 0}, {5, 5}, {"#.....", ".#....", "..#...", "...#..", "....#.", "......"}},
        {{5, 0}, {0, 5}, {".....#", "....#.", "...#..", "..#...", ".#....", "......"}},
        {{0, 0}, {5, 2}, {"##....", "..##..", "....#.", "......", "......", "......"}},
        {{3, 3}, {3, 3}, {"......", "......", "......", "......", "......", "......"}},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(6, 6);
        TCanvas& c = b->Canvas();
        c.MoveTo(k.From.X, k.From.Y);
        c.LineTo(k.To.X, k.To.Y);
        EXPECT_EQ(Art(*b, kLegend), k.Expected) << k.From.X << "," << k.From.Y << " -> " << k.To.X << "," << k.To.Y;
        EXPECT_EQ(c.PenPos(), k.To);
    }
}

TEST(CanvasShapes, ConnectedLinesCloseAFrameAndStyledPensFillGapsWhenOpaque)
{
    auto b = WhiteBitmap(6, 5);
    TCanvas& c = b->Canvas();
    c.MoveTo(1, 1);
    c.LineTo(4, 1);
    c.LineTo(4, 3);
    c.LineTo(1, 3);
    c.LineTo(1, 1);
    EXPECT_EQ(Art(*b, kLegend), (Rows{"......", ".####.", ".#..#.", ".####.", "......"}));

    // psDot: runs of 3 on, 3 off; the gaps take the background colour when
    // the brush is solid, and stay untouched when it is clear.
    auto d = WhiteBitmap(14, 2);
    TCanvas& dc = d->Canvas();
    dc.Pen().SetStyle(psDot);
    dc.Brush().SetColor(clYellow);
    dc.MoveTo(0, 0);
    dc.LineTo(14, 0);
    dc.Brush().SetStyle(bsClear);
    dc.MoveTo(0, 1);
    dc.LineTo(14, 1);
    EXPECT_EQ(Art(*d, kLegend), (Rows{"###yyy###yyy##", "###...###...##"}));
}

TEST(CanvasShapes, PolygonFillsInsideAndOutlinesEveryVertex)
{
    auto b = WhiteBitmap(9, 9);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clRed);
    c.Polygon({{1, 1}, {7, 1}, {1, 7}});
    EXPECT_EQ(Art(*b, kLegend), (Rows{".........", ".#######.", ".#rrrr#..", ".#rrr#...", ".#rr#....", ".#r#.....",
                                      ".##......", ".#.......", "........."}));

    // Without a pen the fill keeps the left/top edges and leaves the
    // right/bottom ones out, like FillRect.
    auto f = WhiteBitmap(6, 5);
    f->Canvas().Pen().SetStyle(psClear);
    f->Canvas().Brush().SetColor(clRed);
    f->Canvas().Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
    EXPECT_EQ(Art(*f, kLegend), (Rows{"......", ".rrrr.", ".rrrr.", ".rrrr.", "......"}));
}

TEST(CanvasShapes, PolygonFillModes)
{
    // A pentagram: alternate leaves the centre empty, winding fills it.
    const std::vector<TPoint> star = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    for (auto mode : {TPolyFillMode::pfAlternate, TPolyFillMode::pfWinding}) {
        auto b = WhiteBitmap(21, 21);
        TCanvas& c = b->Canvas();
        c.Pen().SetStyle(psClear);
        c.Brush().SetColor(clRed);
        c.SetPolyFillMode(mode);
        c.Polygon(star);
        EXPECT_EQ(c.Pixels(10, 11), mode == TPolyFillMode::pfWinding ? clRed : clWhite);
        EXPECT_EQ(c.Pixels(10, 3), clRed);
    }
}

TEST(CanvasShapes, CurvedShapesStayInsideTheirBox)
{
    struct Case {
        const char* Name;
        std::function<void(TCanvas&)> Draw;
        std::vector<TPoint> Inked, Blank;
    };
    const std::vector<Case> cases = {
        {"Ellipse", [](TCanvas& c) { c.Ellipse(2, 2, 22, 12); },
         {{2, 7}, {21, 7}, {12, 2}, {12, 11}, {12, 7}}, {{2, 2}, {21, 2}, {2, 11}, {21, 11}}},
        {"RoundRect", [](TCanvas& c) { c.RoundRect(2, 2, 22, 12, 8, 8); },
         {{2, 7}, {21, 7}, {12, 2}, {12, 11}, {12, 7}, {3, 3}}, {{2, 2}, {21, 2}, {2, 11}, {21, 11}}},
        // A quarter from 3 o'clock counter-clockwise to 12 o'clock.
        {"Pie", [](TCanvas& c) { c.Pie(2, 2, 22, 22, 22, 12, 12, 2); },
         {{16, 7}, {20, 11}, {13, 4}}, {{7, 7}, {7, 17}, {17, 17}}},
        {"Sector", [](TCanvas& c) { c.Sector(Rect(2, 2, 22, 22), 180, 90); },
         {{7, 17}, {3, 12}}, {{7, 7}, {16, 7}, {17, 17}}},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(24, 24);
        TCanvas& c = b->Canvas();
        c.Brush().SetColor(clRed);
        k.Draw(c);
        const TRect ink = InkBounds(*b);
        EXPECT_GE(ink.Left, 2) << k.Name;
        EXPECT_GE(ink.Top, 2) << k.Name;
        EXPECT_LE(ink.Right, 22) << k.Name;
        EXPECT_LE(ink.Bottom, 22) << k.Name;
        for (TPoint p : k.Inked)
            EXPECT_NE(c.Pixels(p.X, p.Y), clWhite) << k.Name << " at " << p.X << "," << p.Y;
        for (TPoint p : k.Blank)
            EXPECT_EQ(c.Pixels(p.X, p.Y), clWhite) << k.Name << " at " << p.X << "," << p.Y;
    }
}

TEST(CanvasText, SolidBrushFillsTheTextCellClearBrushDoesNot)
{
    struct Case {
        const char* Name;
        std::function<void(TCanvas&)> Setup;
        TColor Cell;  // expected colour of the cell's corners
    };
    const std::vector<Case> cases = {
        {"solid brush", [](TCanvas& c) { c.Brush().SetColor(clYellow); }, clYellow},
        {"clear brush", [](TCanvas& c) { c.Brush().SetStyle(bsClear); }, clWhite},
        {"explicit transparent over a solid brush",
         [](TCanvas& c) {
             c.Brush().SetColor(clYellow);
             c.SetBkMode(TRANSPARENT);
         },
         clWhite},
        {"explicit opaque colour over a clear brush",
         [](TCanvas& c) {
             c.Brush().SetStyle(bsClear);
             c.SetBkMode(OPAQUE);
             c.SetBkColor(clLime);
         },
         clLime},
        {"a brush change resets the explicit mode",
         [](TCanvas& c) {
             c.SetBkMode(TRANSPARENT);
             c.Brush().SetColor(clYellow);
         },
         clYellow},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(60, 24);
        TCanvas& c = b->Canvas();
        c.Font().SetColor(clBlack);
        k.Setup(c);
        c.TextOut(5, 4, "Wg");
        const TSize cell = c.TextExtent("Wg");
        EXPECT_EQ(c.PenPos(), Point(5 + cell.cx, 4)) << k.Name;
        EXPECT_EQ(c.Pixels(5, 4), k.Cell) << k.Name;
        EXPECT_EQ(c.Pixels(5 + cell.cx - 1, 4 + cell.cy - 1), k.Cell) << k.Name;
        EXPECT_EQ(c.Pixels(4, 4), clWhite) << k.Name;
        EXPECT_EQ(c.Pixels(5 + cell.cx, 4), clWhite) << k.Name;
        EXPECT_EQ(c.Pixels(5, 4 + cell.cy), clWhite) << k.Name;
        EXPECT_GT(CountDark(*b), 10) << k.Name;
    }
}

TEST(CanvasText, TextRectFillsTheRectAndClipsTheText)
{
    auto b = WhiteBitmap(80, 30);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clYellow);
    c.Font().SetColor(clBlack);
    c.TextRect(Rect(10, 5, 30, 20), 12, 6, "WWWWWWWWWW");
    EXPECT_EQ(InkBounds(*b), Rect(10, 5, 30, 20));
    for (TPoint p : {Point(10, 5), Point(29, 5), Point(10, 19), Point(29, 19)})
        EXPECT_EQ(c.Pixels(p.X, p.Y), clYellow);
    EXPECT_GT(CountDark(*b, Rect(12, 6, 30, 20)), 20);
}

TEST(CanvasText, RotatedTextRunsUpwardsFromItsPoint)
{
    auto b = WhiteBitmap(40, 80);
    TCanvas& c = b->Canvas();
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(clBlack);
    c.Font().SetOrientation(900);
    c.TextOut(10, 70, "Rotated");
    const TRect ink = InkBounds(*b);
    const int w = c.TextWidth("Rotated"), h = c.TextHeight("Rotated");
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 10 + h + 1);
    EXPECT_LE(ink.Bottom, 71);
    EXPECT_GE(ink.Top, 70 - w - 1);
    EXPECT_GT(ink.Height(), w - 4);
}

TEST(CanvasClip, DrawingStaysInsideTheClip)
{
    auto b = WhiteBitmap(8, 8);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clRed);
    c.SetClipRect(Rect(2, 2, 6, 5));
    EXPECT_EQ(c.ClipRect(), Rect(2, 2, 6, 5));
    c.FillRect(Rect(0, 0, 8, 8));
    c.MoveTo(0, 6);
    c.LineTo(8, 6);
    EXPECT_EQ(InkBounds(*b), Rect(2, 2, 6, 5));
    EXPECT_EQ(CountColor(*b, clRed), 12);

    // Rectangle minus rectangle.
    auto r = WhiteBitmap(8, 8);
    TCanvas& rc = r->Canvas();
    rc.Brush().SetColor(clRed);
    rc.SetClipRegion(TRegion(Rect(1, 1, 7, 7)).Subtract(Rect(3, 3, 5, 5)));
    rc.FillRect(Rect(0, 0, 8, 8));
    EXPECT_EQ(Art(*r, kLegend), (Rows{"........", ".rrrrrr.", ".rrrrrr.", ".rr..rr.", ".rr..rr.", ".rrrrrr.",
                                      ".rrrrrr.", "........"}));
    rc.RemoveClip();
    EXPECT_EQ(rc.ClipRect(), Rect(0, 0, 8, 8));
    rc.ExcludeClipRect(Rect(0, 0, 8, 7));
    rc.FillRect(Rect(0, 0, 8, 8));
    EXPECT_EQ(CountColor(*r, clRed), 32 + 8);
}

TEST(CanvasClip, ClipAndOriginFollowTheLogicalCoordinates)
{
    auto b = WhiteBitmap(10, 10);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clRed);
    c.SetOrigin(Point(3, 2));
    c.SetClipRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 2, 2));
    c.FillRect(Rect(-5, -5, 10, 10));
    EXPECT_EQ(InkBounds(*b), Rect(3, 2, 5, 4));
    EXPECT_EQ(c.Pixels(0, 0), clRed);

    // Reading the pixels ends the bitmap's painting; drawing resumes with the
    // same clip and origin.
    c.Brush().SetColor(clBlue);
    c.FillRect(Rect(-5, -5, 10, 10));
    EXPECT_EQ(InkBounds(*b), Rect(3, 2, 5, 4));
    EXPECT_EQ(c.Pixels(1, 1), clBlue);
}

TEST(CanvasState, GuardRestoresOnEveryPathOut)
{
    auto b = WhiteBitmap(10, 10);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clBlue);
    c.Pen().SetColor(clRed);
    c.Font().SetHeight(-20);
    c.SetBkMode(TRANSPARENT);
    try {
        auto guard = c.SaveState();
        c.Brush().SetColor(clYellow);
        c.Pen().SetWidth(3);
        c.Font().SetHeight(-9);
        c.SetClipRect(Rect(0, 0, 1, 1));
        c.SetOrigin(Point(4, 4));
        throw Exception("user draw failed");
    } catch (const Exception&) {
    }
    EXPECT_EQ(c.Brush().Color(), clBlue);
    EXPECT_EQ(c.Pen().Color(), clRed);
    EXPECT_EQ(c.Pen().Width(), 1);
    EXPECT_EQ(c.Font().Height(), -20);
    EXPECT_EQ(c.BkMode(), TRANSPARENT);
    EXPECT_FALSE(c.HasClip());
    EXPECT_EQ(c.Origin(), Point(0, 0));
    c.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(CountColor(*b, clBlue), 100);
}

TEST(CanvasPictures, ColourKeyedDrawLeavesTheKeyOut)
{
    // A 4x3 glyph: magenta background, blue centre, one lime pixel top-left.
    TBitmap glyph(4, 3);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 4, 3));
    glyph.Canvas().Brush().SetColor(clBlue);
    glyph.Canvas().FillRect(Rect(1, 1, 3, 2));
    glyph.Canvas().SetPixels(0, 0, clLime);
    EXPECT_EQ(glyph.BottomLeftColor(), clFuchsia);
    EXPECT_EQ(glyph.TopLeftColor(), clLime);

    auto b = WhiteBitmap(6, 5);
    b->Canvas().DrawTransparent(1, 1, glyph, glyph.BottomLeftColor());
    EXPECT_EQ(Art(*b, kLegend), (Rows{"......", ".g....", "..bb..", "......", "......"}));

    // Through the bitmap's own transparency: tmAuto keys on the bottom-left
    // pixel, tmTopLeft on the top-left one.
    glyph.SetTransparent(true);
    auto a = WhiteBitmap(6, 5);
    a->Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(Art(*a, kLegend), (Rows{"......", ".g....", "..bb..", "......", "......"}));
    glyph.SetTransparentMode(TTransparentMode::tmTopLeft);
    auto t = WhiteBitmap(6, 5);
    t->Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(Art(*t, kLegend), (Rows{"......", "..mmm.", ".mbbm.", ".mmmm.", "......"}));
    glyph.SetTransparentColor(clBlue);
    auto f = WhiteBitmap(6, 5);
    f->Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(Art(*f, kLegend), (Rows{"......", ".gmmm.", ".m..m.", ".mmmm.", "......"}));
}

TEST(CanvasPictures, StretchBrushCopyAndCopyRect)
{
    TBitmap src(2, 2);
    src.Canvas().Brush().SetColor(clRed);
    src.Canvas().FillRect(Rect(0, 0, 2, 2));
    src.Canvas().SetPixels(1, 1, clBlue);

    auto b = WhiteBitmap(6, 4);
    b->Canvas().StretchDraw(Rect(0, 0, 4, 4), src);
    EXPECT_EQ(Art(*b, kLegend), (Rows{"rrrr..", "rrrr..", "rrbb..", "rrbb.."}));

    auto bc = WhiteBitmap(3, 2);
    bc->Canvas().Brush().SetColor(clYellow);
    bc->Canvas().BrushCopy(Rect(1, 0, 3, 2), src, Rect(0, 0, 2, 2), clRed);
    EXPECT_EQ(Art(*bc, kLegend), (Rows{".yy", ".yb"}));

    auto cr = WhiteBitmap(4, 2);
    cr->Canvas().CopyRect(Rect(2, 0, 4, 2), src.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(Art(*cr, kLegend), (Rows{"..rr", "..rb"}));
}

TEST(CanvasXor, FocusRectAndXorPenRestoreWhenDrawnTwice)
{
    auto b = WhiteBitmap(12, 10);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clRed);
    c.FillRect(Rect(0, 0, 6, 10));
    const QImage before = b->Image().copy();

    c.DrawFocusRect(Rect(1, 1, 11, 9));
    // Every other pixel of the 10x8 outline (32 pixels) is inverted.
    EXPECT_EQ(CountColor(*b, clBlack) + CountColor(*b, clAqua), 16);
    EXPECT_NE(b->Image(), before);
    c.DrawFocusRect(Rect(1, 1, 11, 9));
    EXPECT_EQ(b->Image(), before);

    c.Pen().SetMode(pmXor);
    c.Pen().SetColor(clWhite);
    c.Brush().SetStyle(bsClear);
    for (int i = 0; i < 2; ++i) {
        c.MoveTo(3, 0);
        c.LineTo(3, 10);
        c.Rectangle(2, 2, 10, 8);
        if (i == 0) {
            EXPECT_EQ(c.Pixels(3, 0), clAqua);
        }
    }
    EXPECT_EQ(b->Image(), before);

    c.Pen().SetMode(pmNot);
    c.MoveTo(0, 5);
    c.LineTo(12, 5);
    EXPECT_EQ(c.Pixels(0, 5), clAqua);
    EXPECT_EQ(c.Pixels(8, 5), clBlack);
}

TEST(CanvasParts, DrawEdgeRingsInSystemColours)
{
    const std::map<TColor, char> legend = {{ColorToRGB(cl3DLight), 'l'}, {ColorToRGB(cl3DDkShadow), 'D'},
                                           {ColorToRGB(clBtnHighlight), 'h'}, {ColorToRGB(clBtnShadow), 's'},
                                           {ColorToRGB(clBtnFace), 'f'}};
    struct Case {
        unsigned Edge, Flags;
        Rows Expected;
        TRect Adjusted;
    };
    // clBtnHighlight is white, so it shows as '.'.
    const std::vector<Case> cases = {
        {EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST,
         {"lllllD", "l...sD", "l.ffsD", "l.ffsD", "lssssD", "DDDDDD"}, Rect(2, 2, 4, 4)},
        {EDGE_SUNKEN, BF_RECT, {"sssss.", "sDDDl.", "sD  l.", "sD  l.", "sllll.", "......"}, Rect(0, 0, 6, 6)},
        {EDGE_ETCHED, BF_RECT, {"sssss.", "s...s.", "s.  s.", "s.  s.", "sssss.", "......"}, Rect(0, 0, 6, 6)},
        {BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_ADJUST,
         {"......", ".     ", ".     ", ".     ", ".     ", ".     "}, Rect(1, 1, 6, 6)},
        {BDR_SUNKENOUTER, BF_BOTTOM | BF_ADJUST,
         {"      ", "      ", "      ", "      ", "      ", "......"}, Rect(0, 0, 6, 5)},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(6, 6);
        b->Canvas().Brush().SetColor(clRed);
        b->Canvas().FillRect(Rect(0, 0, 6, 6));
        TRect r = Rect(0, 0, 6, 6);
        EXPECT_TRUE(DrawEdge(b->Canvas(), r, k.Edge, k.Flags));
        Rows art = Art(*b, legend);
        Rows expected = k.Expected;
        // ' ' in the table stands for the untouched red background.
        for (std::string& row : expected)
            for (char& ch : row)
                if (ch == ' ')
                    ch = '?';
        EXPECT_EQ(art, expected) << "edge " << k.Edge;
        EXPECT_EQ(r, k.Adjusted) << "edge " << k.Edge;
        EXPECT_EQ(b->Canvas().Brush().Color(), clRed) << "the canvas state is restored";
    }
}

TEST(CanvasParts, FrameControlsAndThemedParts)
{
    auto count = [](unsigned Type, unsigned State, TColor C) {
        auto b = WhiteBitmap(13, 13);
        EXPECT_TRUE(DrawFrameControl(b->Canvas(), Rect(0, 0, 13, 13), Type, State));
        return CountColor(*b, ColorToRGB(C));
    };
    // The check mark: seven columns of three pixels.
    EXPECT_EQ(count(DFC_BUTTON, DFCS_BUTTONCHECK, clWindowText), 0);
    EXPECT_EQ(count(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, clWindowText), 21);
    EXPECT_EQ(count(DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clWindowText), 0);
    EXPECT_GT(count(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, clWindowText), 4);
    EXPECT_EQ(count(DFC_BUTTON, DFCS_BUTTONRADIO, clWindowText), 0);
    // Scroll arrows: 5 + 3 + 1 pixels in a 13-pixel button, moved by one when pushed.
    EXPECT_EQ(count(DFC_SCROLL, DFCS_SCROLLCOMBOBOX, clBtnText), 9);
    {
        auto arrowPixels = [](unsigned State) {
            auto b = WhiteBitmap(17, 17);
            DrawFrameControl(b->Canvas(), Rect(0, 0, 17, 17), DFC_SCROLL, State);
            std::vector<TPoint> pts;
            for (int y = 0; y < 17; ++y)
                for (int x = 0; x < 17; ++x)
                    if (b->Canvas().Pixels(x, y) == ColorToRGB(clBtnText))
                        pts.push_back({x, y});
            return pts;
        };
        const auto up = arrowPixels(DFCS_SCROLLUP), pushed = arrowPixels(DFCS_SCROLLUP | DFCS_PUSHED);
        ASSERT_EQ(up.size(), 16u);  // 1 + 3 + 5 + 7, pointing up
        EXPECT_EQ(up.front(), Point(8, 6));
        ASSERT_EQ(pushed.size(), up.size());
        for (size_t i = 0; i < up.size(); ++i)
            EXPECT_EQ(pushed[i], Point(up[i].X + 1, up[i].Y + 1));
    }
    EXPECT_EQ(count(DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE, clBtnText), 0);
    EXPECT_FALSE(DrawFrameControl(WhiteBitmap(4, 4)->Canvas(), Rect(0, 0, 4, 4), DFC_CAPTION, 0));

    ClassicThemePainter classic;
    auto b = WhiteBitmap(20, 20);
    EXPECT_FALSE(classic.IsActive());
    EXPECT_FALSE(classic.DrawPart(b->Canvas(), "button", BP_PUSHBUTTON, PBS_NORMAL, Rect(0, 0, 20, 20)));
    EXPECT_EQ(CountColor(*b, clWhite), 400);
    EXPECT_TRUE(Themes().IsActive());
    for (const auto& [cls, part, state] :
         std::vector<std::tuple<const char*, int, int>>{{"header", HP_HEADERITEM, HIS_HOT},
                                                        {"button", BP_PUSHBUTTON, PBS_PRESSED},
                                                        {"button", BP_CHECKBOX, CBS_CHECKEDNORMAL},
                                                        {"button", BP_RADIOBUTTON, RBS_CHECKEDDISABLED},
                                                        {"ComboBox", CP_DROPDOWNBUTTON, CBXS_NORMAL},
                                                        {"spin", SPNP_UP, UPS_DISABLED},
                                                        {"progress", PP_CHUNK, 1}}) {
        auto t = WhiteBitmap(20, 20);
        EXPECT_TRUE(Themes().DrawPart(t->Canvas(), cls, part, state, Rect(2, 2, 18, 18))) << cls;
        EXPECT_GT(CountColor(*t, clWhite, {}, true), 0) << cls;
        EXPECT_EQ(CountColor(*t, clWhite, Rect(0, 0, 20, 2)), 40) << cls << " stays inside its rectangle";
    }
    EXPECT_FALSE(Themes().DrawPart(b->Canvas(), "tab", 1, 1, Rect(0, 0, 20, 20)));
    SetThemes(&classic);
    EXPECT_FALSE(Themes().IsActive());
    SetThemes(nullptr);
    EXPECT_TRUE(Themes().IsActive());
}

TEST(CanvasRender, SampleDrawingAsPng)
{
    TempDir dir;
    auto b = WhiteBitmap(200, 120);
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, 200, 120));
    TRect r = Rect(8, 8, 92, 32);
    DrawEdge(c, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    c.Brush().SetStyle(bsClear);
    c.Font().SetName("Tahoma");
    c.DrawText(r, "Find &next", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clWindow);
    c.Rectangle(100, 8, 192, 56);
    c.Brush().SetColor(clRed);
    c.Polygon({{110, 48}, {130, 16}, {150, 48}});
    c.Brush().SetColor(clLime);
    c.Ellipse(154, 14, 186, 46);
    c.Brush().SetColor(clBlue);
    c.Pie(154, 14, 186, 46, 186, 30, 170, 14);
    DrawFrameControl(c, Rect(8, 40, 21, 53), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    DrawFrameControl(c, Rect(28, 40, 41, 53), DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    DrawFrameControl(c, Rect(48, 38, 65, 55), DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    Themes().DrawPart(c, "button", BP_CHECKBOX, CBS_CHECKEDHOT, Rect(70, 40, 83, 53));
    c.Brush().SetColor(clInfoBk);
    c.Font().SetColor(clInfoText);
    TRect t = Rect(8, 64, 120, 112);
    c.FillRect(t);
    c.DrawText(t, "A long text that wraps over several lines and ends", DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS);
    c.DrawFocusRect(Rect(6, 62, 122, 114));
    c.Font().SetOrientation(900);
    c.Brush().SetStyle(bsClear);
    c.TextOut(130, 112, "Vertical");
    const QString path = RenderImage(*b, dir.path(), "canvas_sample");
    EXPECT_TRUE(QFileInfo(path).size() > 0);
    EXPECT_EQ(QImage(path).size(), QSize(200, 120));
}

TEST(CanvasShapes, HatchedBrushesFillTheirGapsOnlyWhenOpaque)
{
    for (bool opaque : {false, true}) {
        auto b = WhiteBitmap(16, 16);
        TCanvas& c = b->Canvas();
        c.Brush().SetColor(clBlue);
        c.Brush().SetStyle(bsCross);
        EXPECT_EQ(c.BkMode(), TRANSPARENT);
        if (opaque) {
            c.SetBkMode(OPAQUE);
            c.SetBkColor(clYellow);
        }
        c.FillRect(Rect(0, 0, 16, 16));
        const int lines = CountColor(*b, clBlue);
        EXPECT_GT(lines, 16);
        EXPECT_LT(lines, 128);
        EXPECT_EQ(CountColor(*b, opaque ? clYellow : clWhite), 256 - lines);
    }
}

TEST(CanvasState, PainterOfAWidgetPaintIsAttachedAndReleased)
{
    // A control's canvas during Paint: an outside painter attached, then detached.
    QImage surface(10, 10, QImage::Format_RGB32);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    painter.translate(2, 2);  // the painter's own state survives the canvas
    TCanvas c;
    EXPECT_FALSE(c.HandleAllocated());
    c.Brush().SetColor(clRed);
    c.FillRect(Rect(0, 0, 1, 1));  // without a painter: nothing, no crash
    c.SetPainter(&painter);
    EXPECT_TRUE(c.HandleAllocated());
    EXPECT_EQ(c.ClipRect(), Rect(-2, -2, 8, 8));
    c.SetClipRect(Rect(0, 0, 2, 2));
    c.MoveTo(5, 5);
    c.SetBkMode(TRANSPARENT);
    c.FillRect(Rect(0, 0, 10, 10));
    c.SetPainter(nullptr);
    EXPECT_FALSE(c.HandleAllocated());
    EXPECT_FALSE(c.HasClip());
    EXPECT_EQ(c.PenPos(), Point(0, 0));
    EXPECT_EQ(c.BkMode(), OPAQUE);
    EXPECT_EQ(c.Brush().Color(), clRed);
    EXPECT_EQ(painter.worldTransform(), QTransform::fromTranslate(2, 2));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    int red = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            red += surface.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_EQ(red, 4);
    EXPECT_EQ(surface.pixelColor(2, 2), QColor(Qt::red));
}
