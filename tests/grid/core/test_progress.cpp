// Cell indicators: the classic bar's text and fill, the levelled bar's
// blocks and bands, the pie's sector, the range bar and the error underline.
#include <gtest/gtest.h>

#include <cmath>

#include "grid/core/grid_progress.h"
#include "pixel_surface.h"

namespace {

constexpr TColor Bar = RGBColor(200, 10, 10);
constexpr TColor Rest = RGBColor(10, 200, 10);
constexpr TColor Frame = RGBColor(10, 10, 200);
constexpr TColor OldBrush = RGBColor(250, 250, 0);
constexpr TColor L0 = RGBColor(0, 250, 250);
constexpr TColor L1 = RGBColor(250, 0, 250);
constexpr TColor L2 = RGBColor(120, 60, 30);
constexpr TColor L3 = RGBColor(30, 60, 120);
constexpr TColor Empty = RGBColor(255, 255, 255);

// The columns of row Y, from X0 up to X1 excluded, that hold Color.
std::vector<int> columnsOf(Surface& S, TColor Color, int Y, int X0, int X1)
{
    std::vector<int> v;
    for (int x = X0; x < X1; ++x)
        if (S.At(x, Y) == Color)
            v.push_back(x);
    return v;
}

std::vector<int> range(int From, int To)  // From..To-1
{
    std::vector<int> v;
    for (int i = From; i < To; ++i)
        v.push_back(i);
    return v;
}

TProgressDrawParams levels()
{
    TProgressDrawParams p;
    p.Level0Color = L0;
    p.Level1Color = L1;
    p.Level2Color = L2;
    p.Level3Color = L3;
    p.Level1Perc = 70;
    p.Level2Perc = 90;
    p.UnCompleteColor = Empty;
    p.BorderColor = Frame;
    p.CompletionSmooth = true;
    return p;
}

}  // namespace

TEST(ProgressBar, TextAndPercent)
{
    const struct {
        double value;
        int min, max;
        const char* format;
        const char* text;
        int percent;
    } cases[] = {
        {42.6, 0, 0, "", "43%", 43},
        {4, 0, 10, "%d of 10", "4 of 10", 40},
        {-5, 0, 100, "", "-5%", 0},
        {150, 0, 100, "", "150%", 100},
        {-1, 0, 10, "%d", "-1", 0},
        {11, 0, 10, "%d", "11", 100},
        {15, 10, 20, "%d", "15", 50},
        {5, 0, 10, "%.1f done", "5.0 done", 50},  // a float format with a "d" in its text
        {5, 0, 10, "%s", "%s", 50},               // not a number format: shown as it stands
        {5, 0, 10, "%d of %d", "%d of %d", 50},
        {5, 7, 7, "%d", "5", 0},                  // an empty range fills nothing
        {std::nan(""), 0, 10, "", "0%", 0},
    };
    for (const auto& c : cases) {
        String text;
        int percent = -1;
        GetProgressBarText(c.value, c.min, c.max, QString::fromLatin1(c.format), text, percent);
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.format << " " << c.value;
        EXPECT_EQ(percent, c.percent) << c.format << " " << c.value;
    }
}

TEST(ProgressBar, FillAndFrames)
{
    // Rect 104 x 24 less margins 2: the bar covers x 2..101, y 2..21.
    auto draw = [](Surface& S, double Value, int Min, int Max, const char* Format, TColor Border) {
        S.C().Brush().SetColor(OldBrush);
        DrawProgressBar(S.C(), TRect{0, 0, 104, 24}, Bar, clWhite, Rest, clBlack, Value, 2, 2, Min, Max,
                        QString::fromLatin1(Format), Border, false);
    };
    Surface s(110, 30);
    draw(s, 42.6, 0, 0, "", Frame);
    expectPixels(s,
                 {{2, 2, Bar}, {44, 3, Bar}, {45, 3, Rest}, {101, 3, Rest}, {44, 21, Bar}, {45, 21, Rest},
                  {1, 1, Frame}, {102, 22, Frame}, {50, 1, Frame}, {0, 0, OldBrush}, {103, 23, OldBrush},
                  {104, 10, Back}},
                 "43%");
    EXPECT_EQ(s.C().Brush().Color(), OldBrush);

    Surface f(110, 30);
    draw(f, 4, 0, 10, "%d of 10", clNone);
    expectPixels(f, {{41, 3, Bar}, {42, 3, Rest}, {1, 1, Back}, {0, 0, OldBrush}}, "4 of 10, no inner frame");

    Surface below(110, 30), above(110, 30), empty(110, 30);
    draw(below, -3, 0, 10, "%d", Frame);
    draw(above, 13, 0, 10, "%d", Frame);
    draw(empty, 3, 5, 5, "%d", Frame);
    expectPixels(below, {{2, 3, Rest}, {101, 3, Rest}}, "below Min");
    expectPixels(above, {{2, 3, Bar}, {101, 3, Bar}}, "above Max");
    expectPixels(empty, {{2, 3, Rest}, {101, 3, Rest}}, "empty range");
}

TEST(LevelledProgressBar, Blocks)
{
    // 102 x 12: Len 100; blocks from x 2 (7 pixels, 2 apart), rows 2..9.
    TProgressDrawParams p = levels();
    p.CompletionSmooth = false;
    const struct {
        int percent;
        std::vector<int> columns;
    } cases[] = {
        {50, [] {
             std::vector<int> v;
             for (int k = 0; k < 5; ++k)
                 for (int x = 2 + 9 * k; x < 9 + 9 * k; ++x)
                     v.push_back(x);
             for (int x = 47; x < 51; ++x)  // 50 mod 9 = 5: a last block of 4
                 v.push_back(x);
             return v;
         }()},
        {2, {2}},
        {1, {}},
        {11, range(2, 9)},  // 11 mod 9 = 2: no last block
        {12, [] {
             auto v = range(2, 9);
             v.push_back(11);
             v.push_back(12);
             return v;
         }()},
    };
    for (const auto& c : cases) {
        Surface s(102, 12);
        DrawVynProgressBar(s.C(), TRect{0, 0, 102, 12}, c.percent, p);
        EXPECT_EQ(columnsOf(s, L0, 5, 0, 102), c.columns) << c.percent << "%";
        EXPECT_EQ(columnsOf(s, L0, 1, 0, 102), std::vector<int>{}) << c.percent << "%";
        EXPECT_EQ(columnsOf(s, L0, 10, 0, 102), std::vector<int>{}) << c.percent << "%";
        if (!c.columns.empty()) {
            EXPECT_EQ(s.At(c.columns.front(), 2), L0);
            EXPECT_EQ(s.At(c.columns.front(), 9), L0);
        }
    }
}

TEST(LevelledProgressBar, LevelsAndBands)
{
    const struct {
        int percent;
        TColor color;
    } levelsByPercent[] = {{69, L0}, {70, L1}, {89, L1}, {90, L2}, {99, L2}, {100, L3}, {150, L3}};
    for (const auto& c : levelsByPercent) {
        Surface s(102, 12);
        DrawVynProgressBar(s.C(), TRect{0, 0, 102, 12}, c.percent, levels());
        const int n = static_cast<int>(std::lround(std::min(c.percent, 100) * 1.0));
        EXPECT_EQ(columnsOf(s, c.color, 5, 0, 102), range(1, 1 + n)) << c.percent << "%";
        expectPixels(s, {{0, 5, Empty}, {1, 0, Empty}}, "outline in the uncomplete colour");
    }

    // Stacked 50 / 75 at 60: Level0 up to 50 %, Level1 for the next 10 %.
    TProgressDrawParams p = levels();
    p.Stacked = true;
    p.Level1Perc = 50;
    p.Level2Perc = 75;
    p.ShowBorder = true;
    Surface st(102, 12);
    DrawVynProgressBar(st.C(), TRect{0, 0, 102, 12}, 60, p);
    EXPECT_EQ(columnsOf(st, L0, 5, 0, 102), range(1, 51));
    EXPECT_EQ(columnsOf(st, L1, 5, 0, 102), range(51, 61));
    EXPECT_EQ(st.At(61, 5), Empty);
    expectPixels(st, {{0, 0, Frame}, {101, 11, Frame}, {5, 1, L0}, {5, 10, L0}}, "stacked");

    // Complete: the third band fills what the first two leave, in Level3.
    Surface full(102, 12);
    DrawVynProgressBar(full.C(), TRect{0, 0, 102, 12}, 100, p);
    EXPECT_EQ(columnsOf(full, L0, 5, 0, 102), range(1, 51));
    EXPECT_EQ(columnsOf(full, L1, 5, 0, 102), range(51, 76));
    EXPECT_EQ(columnsOf(full, L3, 5, 0, 102), range(76, 101));
    EXPECT_TRUE(columnsOf(full, L2, 5, 0, 102).empty());
}

TEST(LevelledProgressBar, VerticalAndGradient)
{
    TProgressDrawParams p = levels();
    p.Vertical = true;
    Surface v(12, 102);
    DrawVynProgressBar(v.C(), TRect{0, 0, 12, 102}, 50, p);
    expectPixels(v, {{5, 100, L0}, {5, 51, L0}, {5, 50, Empty}, {1, 75, L0}, {10, 75, L0}, {11, 75, Empty}},
                 "vertical");

    // Mirrored gradients across the bar: the edges in ColorTo, the middle in Color.
    p = levels();
    p.ShowGradient = true;
    p.Steps = 8;
    p.Level0ColorTo = RGBColor(0, 0, 250);
    Surface g(102, 12);
    DrawVynProgressBar(g.C(), TRect{0, 0, 102, 12}, 20, p);
    expectPixels(g, {{5, 1, RGBColor(0, 0, 250)}, {5, 5, L0}, {5, 6, L0}, {5, 10, RGBColor(0, 0, 250)}, {30, 5, Empty}},
                 "gradient");
}

TEST(ProgressPie, Sector)
{
    const TColor fill = RGBColor(200, 0, 0);
    const TColor grey = RGBColor(0x80, 0x80, 0x80);
    auto pie = [&](int Percent) {
        auto s = std::make_unique<Surface>(24, 24);
        s->C().Brush().SetColor(clWhite);
        DrawProgressPie(s->C(), TRect{0, 0, 20, 20}, fill, Percent, false);
        return s;
    };
    auto zero = pie(0);
    expectPixels(*zero, {{10, 5, grey}, {14, 5, clWhite}, {5, 5, clWhite}, {5, 14, clWhite}, {22, 22, Back}}, "0%");

    const struct {
        int percent;
        bool topRight, bottomRight, bottomLeft, topLeft;
    } cases[] = {
        {25, true, false, false, false}, {50, true, true, false, false}, {75, true, true, true, false},
        {100, true, true, true, true},   {150, true, true, true, true},
    };
    for (const auto& c : cases) {
        auto s = pie(c.percent);
        EXPECT_EQ(s->At(14, 6) == fill, c.topRight) << c.percent;
        EXPECT_EQ(s->At(14, 14) == fill, c.bottomRight) << c.percent;
        EXPECT_EQ(s->At(6, 14) == fill, c.bottomLeft) << c.percent;
        EXPECT_EQ(s->At(6, 6) == fill, c.topLeft) << c.percent;
        EXPECT_NE(s->At(0, 0), fill) << c.percent;  // only inside the circle
        EXPECT_EQ(s->At(22, 10), Back) << c.percent;
    }
}

// The fill stops at the grey twelve o'clock radius: the column of the
// radius is grey, the one right of it filled, the one left of it not.
TEST(ProgressPie, FloodFillsRightOfTheRadiusUpToTheBorder)
{
    const TColor fill = RGBColor(200, 0, 0);
    const TColor grey = RGBColor(0x80, 0x80, 0x80);
    auto pie = [&](int Percent, bool Printing, const TRect& R, int Size) {
        auto s = std::make_unique<Surface>(Size, Size);
        s->C().Brush().SetColor(clWhite);
        DrawProgressPie(s->C(), R, fill, Percent, Printing);
        return s;
    };
    auto quarter = pie(25, false, TRect{0, 0, 20, 20}, 24);
    expectPixels(*quarter, {{10, 3, grey}, {10, 8, grey}, {11, 3, fill}, {9, 3, clWhite}, {15, 9, fill},
                            {15, 11, clWhite}, {9, 12, clWhite}},
                 "25%");
    EXPECT_EQ(ColorToRGB(quarter->C().Brush().Color()), fill);
    auto half = pie(50, false, TRect{0, 0, 20, 20}, 24);
    expectPixels(*half, {{10, 14, grey}, {11, 14, fill}, {9, 14, clWhite}, {9, 3, clWhite}, {11, 3, fill}}, "50%");

    // Printing starts two pixels above the top: the fill is outside the circle.
    auto printed = pie(25, true, TRect{2, 2, 22, 22}, 28);
    expectPixels(*printed, {{3, 3, fill}, {13, 0, fill}, {14, 6, clWhite}, {26, 26, Back}}, "printing");
}

TEST(RangeIndicator, BarFromTheMiddle)
{
    // Rect 44 x 20 less 2: x 2..41, the middle at 22.
    const struct {
        int value, range;
        std::vector<int> negative, positive;
    } cases[] = {
        {-20, 10, range(2, 22), {}},  // clamped: the whole left half
        {-5, 10, range(12, 22), {}},
        {5, 10, {}, range(22, 32)},
        {99, 10, {}, range(22, 42)},
        {0, 10, {}, {}},
        {5, 0, {}, {}},  // no range: nothing
    };
    for (const auto& c : cases) {
        Surface s(44, 20);
        DrawRangeIndicator(s.C(), TRect{0, 0, 44, 20}, c.value, c.range, false, L0, L1);
        EXPECT_EQ(columnsOf(s, L0, 10, 0, 44), c.negative) << c.value;
        EXPECT_EQ(columnsOf(s, L1, 10, 0, 44), c.positive) << c.value;
        // Rows 2..17 only.
        const int col = !c.negative.empty() ? c.negative.front() : !c.positive.empty() ? c.positive.front() : -1;
        if (col >= 0) {
            const TColor bar = c.negative.empty() ? L1 : L0;
            expectPixels(s, {{col, 2, bar}, {col, 17, bar}, {col, 1, Back}, {col, 18, Back}}, "rows");
        }
    }
}

TEST(ErrorLine, UnderTheMarkedCharacters)
{
    const String text = QStringLiteral("abcdefgh");
    Surface s(220, 40);
    const std::vector<int> caret = s.C().TextCharPositions(text);
    const TRect cell{10, 5, 200, 30};
    DrawErrorLine(nullptr, s.C(), text, cell, 0, 2, 3);

    const int x1 = cell.Left + ErrorLineTextX + caret[2];
    const int x2 = cell.Left + ErrorLineTextX + caret[4];
    const int top = cell.Top + ErrorLineTextY;  // the zig-zag lies 0..3 (+pen) below this
    int first = -1, last = -1;
    for (int x = 0; x < 220; ++x)
        for (int y = 0; y < 40; ++y)
            if (s.At(x, y) == clRed) {
                if (first < 0)
                    first = x;
                last = x;
                EXPECT_GE(y, top - 1) << x;
                EXPECT_LE(y, top + 5) << x;
            }
    ASSERT_GE(first, 0);
    EXPECT_NEAR(first, x1, 1);
    EXPECT_GE(last, x2);
    EXPECT_LE(last, x2 + 8);

    // Past the end of the text the line starts 4 pixels after it.
    Surface past(220, 40);
    DrawErrorLine(nullptr, past.C(), text, cell, 0, 20, 2);
    int start = -1;
    for (int x = 0; x < 220 && start < 0; ++x)
        for (int y = 0; y < 40; ++y)
            if (past.At(x, y) == clRed) {
                start = x;
                break;
            }
    EXPECT_NEAR(start, cell.Left + ErrorLineTextX + caret.back() + 4, 1);
}
