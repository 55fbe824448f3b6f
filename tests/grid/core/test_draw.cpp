// Drawing utilities: pixel checks at the points the routines fix (band
// boundaries, frame corners, button edges) on small offscreen bitmaps.
#include <gtest/gtest.h>

#include "grid/core/grid_draw.h"
#include "pixel_surface.h"

namespace {

constexpr TColor C1 = RGBColor(200, 10, 10);
constexpr TColor C2 = RGBColor(10, 200, 10);
constexpr TColor C3 = RGBColor(10, 10, 200);
constexpr TColor C4 = RGBColor(250, 250, 0);
constexpr TColor C5 = RGBColor(0, 250, 250);
constexpr TColor C6 = RGBColor(250, 0, 250);
constexpr TColor C7 = RGBColor(120, 60, 30);

int red(TColor C) { return GetRValue(C); }

// Themes switched for one test.
class ThemeScope {
public:
    explicit ThemeScope(ThemePainter* P) { SetThemes(P); }
    ~ThemeScope() { SetThemes(nullptr); }
};

TColorTones tones()
{
    TColorTones t;
    t.Background = {C1, C2, C3};
    t.Hover = {C4, C2, C3};
    t.Selected = {C5, C2, C3};
    t.Disabled = {C6, C2, C3};
    return t;
}

}  // namespace

TEST(GridColours, Arithmetic)
{
    EXPECT_EQ(HalfColor(RGBColor(200, 101, 3)), RGBColor(100, 50, 1));
    EXPECT_EQ(HalfColor(clWhite), RGBColor(127, 127, 127));
    EXPECT_EQ(HalfColor(clBtnFace), HalfColor(ColorToRGB(clBtnFace)));  // system colours are resolved

    const struct {
        TColor in;
        int percent;
        TColor out;
    } brightness[] = {
        {RGBColor(200, 200, 200), -50, RGBColor(100, 100, 100)},
        {RGBColor(200, 200, 200), 50, RGBColor(255, 255, 255)},  // kept within the channel
        {clWhite, 7, clWhite},
        {RGBColor(100, 0, 50), 10, RGBColor(110, 0, 55)},
        {RGBColor(5, 3, 0), 50, RGBColor(8, 4, 0)},  // 7.5 -> 8, 4.5 -> 4: halves to even
        {RGBColor(80, 80, 80), -150, clBlack},
    };
    for (const auto& c : brightness)
        EXPECT_EQ(ChangeBrightness(c.in, c.percent), c.out) << c.percent;

    EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, 10, 5), RGBColor(128, 128, 128));
    EXPECT_EQ(GradientColorAt(clBlack, clWhite, 0, 100, 30), RGBColor(76, 76, 76));
    EXPECT_EQ(GradientColorAt(clBlack, RGBColor(100, 0, 0), 10, 20, 5), RGBColor(50, 0, 0));  // Pos not reduced
    EXPECT_EQ(GradientColorAt(C1, clNone, 0, 10, 5), C1);
    EXPECT_EQ(GradientColorAt(C1, C2, 7, 7, 3), C1);  // an empty range
}

TEST(GridDrawing, GradientBands)
{
    // 11 pixels, 100 steps: 10 steps, 11 bands, halves rounded to even.
    const int expected[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
    Surface h(16, 6);
    DrawGradient(h.C(), clBlack, clWhite, 100, TRect{3, 1, 14, 5}, true);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(red(h.At(3 + i, 1)), expected[i]) << "band " << i;
        EXPECT_EQ(red(h.At(3 + i, 4)), expected[i]) << "band " << i;
    }
    expectPixels(h, {{2, 2, Back}, {14, 2, Back}, {5, 0, Back}, {5, 5, Back}}, "outside");

    Surface v(6, 16);
    DrawGradient(v.C(), clBlack, clWhite, 100, TRect{1, 14, 5, 3}, false);  // an inverted range is swapped
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(red(v.At(2, 3 + i)), expected[i]) << "band " << i;
    expectPixels(v, {{2, 2, Back}, {2, 14, Back}}, "outside");

    // Fewer steps than pixels: wider bands, the last one clipped.
    Surface w(12, 2);
    DrawGradient(w.C(), clBlack, RGBColor(200, 0, 0), 2, TRect{0, 0, 11, 2}, true);
    expectPixels(w, {{0, 0, clBlack}, {4, 0, clBlack}, {5, 0, RGBColor(100, 0, 0)}, {9, 0, RGBColor(100, 0, 0)},
                     {10, 0, RGBColor(200, 0, 0)}, {11, 0, Back}},
                 "two steps");

    // A single pixel: every band lands on it, the last one stays.
    Surface one(3, 3);
    DrawGradient(one.C(), clBlack, clWhite, 10, TRect{1, 1, 2, 2}, true);
    DrawGradient(one.C(), clBlack, clWhite, 0, TRect{1, 0, 2, 1}, false);
    expectPixels(one, {{1, 1, clWhite}, {1, 0, clWhite}, {0, 1, Back}, {2, 1, Back}, {1, 2, Back}}, "one pixel");
}

TEST(GridDrawing, GradientWithoutColours)
{
    Surface s(20, 4);
    DrawGradient(s.C(), C1, clNone, 10, TRect{0, 0, 5, 4}, true);
    DrawGradient(s.C(), clNone, C2, 10, TRect{5, 0, 10, 4}, true);
    DrawGradient(s.C(), clNone, clNone, 10, TRect{10, 0, 15, 4}, true);
    DrawGradient(s.C(), C1, C2, 10, TRect{15, 2, 20, 2}, true);  // empty
    DrawGradient(s.C(), C1, C2, 10, TRect{17, 0, 17, 4}, true);  // empty
    expectPixels(s, {{0, 0, C1}, {4, 3, C1}, {5, 0, C2}, {9, 3, C2}, {12, 1, Back}, {15, 2, Back}, {17, 1, Back}},
                 "solid");
}

TEST(GridDrawing, GradientCell)
{
    // Solid: one row taller, framed around the taller rectangle.
    Surface s(12, 12);
    DrawGradientCell(s.C(), TRect{2, 2, 10, 8}, C1, clNone, clNone, clNone, true, C2, false, true);
    expectPixels(s, {{2, 2, C2}, {9, 2, C2}, {5, 8, C2}, {9, 8, C2}, {5, 7, C1}, {3, 3, C1}, {5, 9, Back}, {10, 5, Back}},
                 "solid cell");

    // Mirrored halves, split at the middle across the gradient direction.
    Surface m(10, 12);
    DrawGradientCell(m.C(), TRect{0, 0, 4, 10}, C1, C1, C3, C3, true, clNone, false, true);
    DrawGradientCell(m.C(), TRect{5, 0, 9, 10}, C1, C1, C3, C3, false, clNone, false, true);
    expectPixels(m, {{1, 0, C1}, {1, 4, C1}, {1, 5, C3}, {1, 9, C3}, {1, 10, Back}, {5, 8, C1}, {6, 8, C1},
                     {7, 8, C3}, {8, 1, C3}},
                 "mirror");

    // Side lines only, without a fill.
    Surface l(12, 8);
    DrawGradientCell(l.C(), TRect{2, 1, 10, 7}, C1, clNone, clNone, clNone, true, C2, true, false);
    expectPixels(l, {{2, 1, C2}, {2, 6, C2}, {9, 3, C2}, {5, 1, Back}, {5, 3, Back}, {2, 7, Back}}, "sides");

    // A gradient from top to bottom.
    Surface g(4, 12);
    DrawGradientCell(g.C(), TRect{0, 0, 4, 11}, clBlack, clWhite, clNone, clNone, true, clNone, false, true);
    EXPECT_EQ(red(g.At(1, 0)), 0);
    EXPECT_EQ(red(g.At(1, 10)), 255);
    EXPECT_EQ(red(g.At(1, 5)), 128);
}

namespace {

// The selection frame in a 20 x 12 cell: L 0, T 0, R 19, B 10, M 5.
// Fill C1, top line C2, bottom line C3, border C4, corner C5, back C6.
void roundedFrame(Surface& S, int RoundType, TColor Corner = C5, TColor BackC = C6)
{
    DrawRoundedGradientFrame(S.C(), C1, clNone, clNone, clNone, C2, C3, C4, Corner, BackC, TRect{0, 0, 20, 12},
                             RoundType);
}

}  // namespace

TEST(GridDrawing, RoundedFrameBothSides)
{
    Surface s(20, 12);
    roundedFrame(s, 0);
    expectPixels(s,
                 {
                     {0, 0, C6},  {1, 0, C5},  {2, 0, C4},  {16, 0, C4}, {17, 0, C5}, {18, 0, C6},  // top edge
                     {0, 1, C5},  {1, 1, C5},  {5, 1, C2},  {17, 1, C5}, {18, 1, C5},               // top line
                     {1, 3, C2},  {1, 6, C3},  {17, 3, C2}, {17, 7, C3},                           // inner sides
                     {0, 5, C4},  {18, 5, C4},                                                     // borders
                     {0, 9, C5},  {1, 9, C5},  {5, 9, C3},  {18, 9, C5},                           // bottom line
                     {0, 10, C6}, {1, 10, C5}, {5, 10, C4}, {17, 10, C5}, {18, 10, C6},            // bottom edge
                     {2, 2, C1},  {16, 8, C1}, {8, 5, C1},                                         // fill
                     {19, 5, Back}, {5, 11, Back},
                 },
                 "round type 0");
}

TEST(GridDrawing, RoundedFrameOtherTypes)
{
    // No rounded side: straight borders, no side borders, no corner pixels.
    Surface none(20, 12);
    roundedFrame(none, 3);
    expectPixels(none,
                 {{0, 0, C4}, {1, 0, C4}, {18, 0, C4}, {0, 1, C2}, {1, 1, C2}, {0, 5, C1}, {18, 5, C1},
                  {1, 3, C1}, {0, 10, C4}, {18, 10, C4}, {0, 9, C3}, {19, 5, Back}},
                 "round type 3");

    Surface left(20, 12);
    roundedFrame(left, 1);
    expectPixels(left, {{0, 0, C6}, {1, 0, C5}, {18, 0, C4}, {18, 1, C2}, {18, 5, C1}, {0, 5, C4}}, "round type 1");

    Surface right(20, 12);
    roundedFrame(right, 2);
    expectPixels(right, {{0, 0, C4}, {0, 5, C1}, {18, 0, C6}, {17, 0, C5}, {18, 5, C4}}, "round type 2");

    // Insets without rounding: the two columns at each end stay untouched.
    Surface inset(20, 12);
    roundedFrame(inset, 4);
    expectPixels(inset, {{1, 0, Back}, {2, 0, C4}, {16, 0, C4}, {17, 0, Back}, {0, 5, Back}, {1, 5, Back}, {2, 5, C1},
                         {17, 5, Back}, {0, 1, C2}},
                 "round type 4");

    // Colours that are none are not drawn.
    Surface unset(20, 12);
    roundedFrame(unset, 0, clNone, clNone);
    expectPixels(unset, {{0, 0, Back}, {1, 0, Back}, {18, 10, Back}, {2, 0, C4}}, "none colours");
}

TEST(GridDrawing, RoundedFrameGradientFill)
{
    Surface s(20, 12);
    DrawRoundedGradientFrame(s.C(), clBlack, RGBColor(60, 0, 0), clNone, clNone, C2, C3, C4, C5, C6,
                             TRect{0, 0, 20, 12}, 0);
    EXPECT_EQ(s.At(8, 2), clBlack);             // inner rows 2..8
    EXPECT_EQ(s.At(8, 8), RGBColor(60, 0, 0));

    Surface m(20, 12);
    DrawRoundedGradientFrame(m.C(), C1, C1, C3, C3, C2, C3, C4, C5, C6, TRect{0, 0, 20, 12}, 0);
    expectPixels(m, {{8, 2, C1}, {8, 4, C1}, {8, 5, C3}, {8, 8, C3}}, "mirrored fill");
}

TEST(GridDrawing, ComboButtonKinds)
{
    const TColorTones t = tones();
    // Kind 3: (Right-19, Top+1, Right-2, Bottom-1), left edge moved in by 3.
    const TColor brushOf[] = {C1, C4, C5, C6};
    for (int state = 0; state <= 3; ++state) {
        Surface s(40, 20);
        DrawComboButton(s.C(), nullptr, TRect{0, 0, 40, 20}, t, state, 3);
        expectPixels(s,
                     {{24, 5, brushOf[state]}, {37, 5, brushOf[state]}, {26, 17, brushOf[state]}, {24, 1, brushOf[state]},
                      {25, 5, C2}, {25, 18, C2}, {32, 10, C3}, {32, 9, C3},
                      {23, 5, Back}, {38, 5, Back}, {30, 0, Back}, {30, 19, Back}},
                     "combo kind 3");
    }

    // The frame-control kinds stay inside the button rectangle.
    for (int kind : {1, 2}) {
        Surface s(40, 20);
        DrawComboButton(s.C(), nullptr, TRect{0, 0, 40, 20}, t, 0, kind);
        expectPixels(s, {{20, 10, Back}, {38, 10, Back}, {30, 0, Back}, {30, 19, Back}}, "combo frame kinds");
        EXPECT_NE(s.At(21, 1), Back);
        EXPECT_NE(s.At(37, 18), Back);
    }
}

namespace {

std::vector<TColor> region(Surface& S, const TRect& R)
{
    std::vector<TColor> v;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            v.push_back(S.At(x, y));
    return v;
}

std::vector<TColor> comboPixels(int State, int Kind)
{
    Surface s(40, 20);
    DrawComboButton(s.C(), nullptr, TRect{0, 0, 40, 20}, tones(), State, Kind);
    return region(s, TRect{0, 0, 40, 20});
}

}  // namespace

// The themed drop button knows only normal and disabled; without themed
// parts it is the classic frame control.
TEST(GridDrawing, ThemedComboButton)
{
    StyledThemePainter styled;
    {
        ThemeScope scope(&styled);
        const auto normal = comboPixels(0, 0);
        EXPECT_EQ(comboPixels(1, 0), normal);
        EXPECT_EQ(comboPixels(2, 0), normal);
        EXPECT_NE(comboPixels(3, 0), normal);
    }
    ClassicThemePainter classic;
    ThemeScope scope(&classic);
    EXPECT_EQ(comboPixels(0, 0), comboPixels(0, 1));
    EXPECT_EQ(comboPixels(3, 0), comboPixels(3, 1));
}

TEST(GridDrawing, CellButton)
{
    const TColorTones t = tones();
    Surface s(14, 12);
    DrawCellButton(s.C(), nullptr, TRect{2, 2, 12, 10}, t, 1, 3);
    expectPixels(s, {{2, 2, C2}, {11, 9, C2}, {11, 2, C2}, {6, 6, C4}, {12, 6, Back}, {6, 10, Back}, {1, 6, Back}},
                 "cell button kind 3");

    // Classic faces: pressed differs from normal, and nothing leaves Rect.
    Surface up(14, 12), down(14, 12);
    DrawCellButton(up.C(), nullptr, TRect{2, 2, 12, 10}, t, 0, 1);
    DrawCellButton(down.C(), nullptr, TRect{2, 2, 12, 10}, t, 2, 1);
    EXPECT_NE(region(up, TRect{2, 2, 12, 10}), region(down, TRect{2, 2, 12, 10}));
    expectPixels(up, {{1, 5, Back}, {12, 5, Back}, {5, 1, Back}, {5, 10, Back}}, "classic button");
    EXPECT_NE(up.At(2, 2), Back);
}

TEST(GridDrawing, SpinButtons)
{
    // Kind 3: P = (Right-16, Top-1, Right-1, Bottom-1), M = P.Top + 10.
    Surface s(40, 20);
    DrawSpinButtons(s.C(), nullptr, TRect{0, 0, 40, 20}, tones(), 2, 3);
    expectPixels(s,
                 {{24, 0, C5}, {38, 8, C5}, {24, 10, C5}, {38, 18, C5},  // the two buttons
                  {30, 9, Back},                                        // the gap at M
                  {39, 5, Back}, {23, 5, Back}, {30, 19, Back},
                  {31, 3, clBlack}, {30, 4, clBlack}, {31, 12, clBlack}, {30, 11, clBlack}},
                 "spin kind 3");

    for (int kind : {1, 2}) {
        Surface f(40, 20);
        DrawSpinButtons(f.C(), nullptr, TRect{0, 0, 40, 20}, tones(), 0, kind);
        expectPixels(f, {{23, 5, Back}, {39, 5, Back}, {30, 19, Back}}, "spin frame kinds");
        EXPECT_NE(f.At(24, 0), Back);
        EXPECT_NE(f.At(38, 18), Back);
    }
}

TEST(GridDrawing, CellShapes)
{
    using enum TCellShape;
    // A circle in a 20 x 10 box has diameter 10.
    Surface circle(24, 12);
    DrawCellShape(circle.C(), 0, 0, C1, C2, csCircle, 10, 20);
    expectPixels(circle, {{5, 5, C2}, {15, 5, Back}, {10, 5, Back}, {0, 0, Back}}, "circle");

    // Beyond the last shape nothing is drawn and the pen stays.
    Surface none(20, 20);
    none.C().Pen().SetColor(C7);
    DrawCellShape(none.C(), 0, 0, C1, C2, static_cast<TCellShape>(19), 16, 16);
    for (int y = 0; y < 20; y += 2)
        for (int x = 0; x < 20; x += 2)
            ASSERT_EQ(none.At(x, y), Back);
    EXPECT_EQ(none.C().Pen().Color(), C7);

    const struct {
        TCellShape shape;
        std::initializer_list<PixelCase> pixels;
    } cases[] = {
        {csRectangle, {{1, 1, C1}, {14, 14, C1}, {7, 7, C2}, {0, 0, Back}, {15, 7, Back}}},
        {csSquare, {{1, 1, C1}, {14, 14, C1}, {15, 7, Back}}},
        {csLineVert, {{8, 0, C1}, {8, 15, C1}, {7, 5, Back}, {9, 5, Back}}},
        {csLineHorz, {{0, 8, C1}, {15, 8, C1}, {5, 7, Back}, {5, 9, Back}}},
        {csTriangleUp, {{8, 12, C2}, {1, 2, Back}, {14, 2, Back}}},
        {csTriangleDown, {{8, 3, C2}, {1, 13, Back}, {14, 13, Back}}},
        {csTriangleLeft, {{12, 8, C2}, {1, 1, Back}, {1, 14, Back}}},
        {csTriangleRight, {{3, 8, C2}, {14, 1, Back}, {14, 14, Back}}},
        {csDiamond, {{8, 8, C2}, {1, 1, Back}, {14, 14, Back}}},
        {csArrowUp, {{8, 4, C2}, {8, 13, C2}, {1, 13, Back}, {14, 13, Back}}},
        {csArrowDown, {{8, 11, C2}, {8, 2, C2}, {1, 2, Back}, {14, 2, Back}}},
        {csArrowLeft, {{4, 8, C2}, {13, 8, C2}, {13, 1, Back}, {13, 14, Back}}},
        {csArrowRight, {{11, 8, C2}, {2, 8, C2}, {2, 1, Back}, {2, 14, Back}}},
        {csStar, {{8, 0, C1}, {8, 8, C2}, {1, 1, Back}, {14, 14, Back}, {1, 10, Back}}},
        {csHalfStar, {{8, 0, C1}, {7, 8, C2}, {11, 8, Back}, {13, 4, Back}}},
        {csEllips, {{8, 8, C2}, {0, 0, Back}, {15, 15, Back}}},
        {csRoundRect, {{8, 8, C2}, {0, 0, Back}, {8, 0, C1}}},
    };
    for (const auto& c : cases) {
        Surface s(18, 18);
        DrawCellShape(s.C(), 0, 0, C1, C2, c.shape, 16, 16);
        expectPixels(s, c.pixels, EnumToName(c.shape).toStdString().c_str());
    }
}

TEST(GridDrawing, DropArrow)
{
    Surface s(20, 12);
    DrawDropArrow(s.C(), 10, 5, C3);
    expectPixels(s, {{10, 5, C3}, {8, 5, C3}, {12, 5, C3}, {10, 6, C3}, {6, 5, Back}, {14, 5, Back}, {10, 9, Back},
                     {10, 4, Back}},
                 "drop arrow");
}

TEST(GridDrawing, TransparentBitmaps)
{
    TBitmap glyph(3, 3);
    glyph.Canvas().Brush().SetColor(C1);  // the key: the top-left pixel's colour
    glyph.Canvas().FillRect(TRect{0, 0, 3, 3});
    glyph.Canvas().SetPixels(1, 1, C3);

    Surface s(12, 12);
    DrawTransparentBitmap(s.C(), glyph, C2, TRect{5, 5, 12, 12});
    expectPixels(s, {{5, 5, C2}, {7, 7, C2}, {6, 6, C3}, {8, 8, Back}, {4, 4, Back}}, "with back colour");

    Surface t(12, 12);
    DrawTransparentBitmap(t.C(), glyph, clNone, TRect{5, 5, 12, 12});
    expectPixels(t, {{5, 5, Back}, {6, 6, C3}, {7, 7, Back}}, "no back colour");

    // The tree node glyphs: key margin, grey box, plus or minus.
    Surface plus(12, 12), minus(12, 12), unknown(12, 12);
    DrawResourceBitmap(plus.C(), clWhite, TRect{0, 0, 12, 12}, QStringLiteral("VSGLEAFCLOSE"));
    DrawResourceBitmap(minus.C(), clWhite, TRect{0, 0, 12, 12}, QStringLiteral("VSGLEAFOPEN"));
    DrawResourceBitmap(unknown.C(), clWhite, TRect{0, 0, 12, 12}, QStringLiteral("NOSUCHGLYPH"));
    expectPixels(plus, {{0, 0, clWhite}, {1, 1, clGray}, {9, 9, clGray}, {3, 5, clBlack}, {5, 3, clBlack},
                        {3, 3, clWhite}, {11, 11, Back}},
                 "plus box");
    expectPixels(minus, {{3, 5, clBlack}, {5, 3, clWhite}, {5, 7, clWhite}}, "minus box");
    expectPixels(unknown, {{0, 0, Back}, {5, 5, Back}}, "unknown glyph");

    for (const char* name : {"XPNODEC", "XPNODEO"}) {
        TBitmap b;
        ASSERT_TRUE(LoadResourceBitmap(QString::fromLatin1(name), b)) << name;
        EXPECT_EQ(b.Width(), 11);
        EXPECT_EQ(b.TopLeftColor(), b.BottomLeftColor());  // the margin is the key
    }
}

TEST(GridDrawing, LayeredWindowsReportFailure)
{
    EXPECT_FALSE(CallUpdateLayeredWindow(nullptr, TBitmap(1, 1, pf32bit), 255));
    EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, clNone, 255, 0));
}
