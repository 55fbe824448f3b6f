// The drop-down drawing routines at fixed points.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "controls/dropdown/DropDownDraw.h"
#include "platform/gui/bitmap.h"

namespace {

constexpr TColor WHITE = 0xFFFFFF;

std::unique_ptr<TBitmap> blankBitmap(int W, int H)
{
    auto b = std::make_unique<TBitmap>(W, H);
    b->Canvas().Brush().SetColor(WHITE);
    b->Canvas().FillRect(Rect(0, 0, W, H));
    return b;
}

TColor px(TBitmap& B, int X, int Y) { return FromQColor(B.Image().pixelColor(X, Y)); }

TEST(DropDownDraw, SteppedGradientStepsZeroIsOneBandLeavingTheLastColumnOrRow)
{
    for (bool horizontal : {true, false}) {
        SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
        auto bp = blankBitmap(20, 10);
    TBitmap& b = *bp;
        DrawSteppedGradient(b.Canvas(), 0x0000FF, 0xFF0000, horizontal, Rect(0, 0, 20, 10), 0);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool edge = horizontal ? x == 19 : y == 9;
                ASSERT_EQ(px(b, x, y), edge ? WHITE : 0x0000FF) << x << "," << y;
            }
    }
}

TEST(DropDownDraw, SteppedGradientBands)
{
    // Extent 40 (41 less the last column) in 4 bands of d = 10: band n from
    // 10 n over 11 pixels, the next band painting over the shared pixel.
    auto bp = blankBitmap(41, 6);
    TBitmap& b = *bp;
    DrawSteppedGradient(b.Canvas(), 0x000000, 0x0000FF, true, Rect(0, 0, 41, 6), 4);
    struct Row {
        int X;
        TColor Expected;
    };
    // Red per band: round(n * 255 / 4) = 0, 64, 128 (127.5 to even), 191.
    for (const Row r : {Row{0, 0x000000}, Row{9, 0x000000}, Row{10, 0x000040}, Row{19, 0x000040}, Row{20, 0x000080},
                        Row{30, 0x0000BF}, Row{39, 0x0000BF}, Row{40, WHITE}})
        EXPECT_EQ(px(b, r.X, 3), r.Expected) << "x = " << r.X;
    // An offset rectangle: the bands start at its left edge.
    auto op = blankBitmap(30, 4);
    TBitmap& o = *op;
    DrawSteppedGradient(o.Canvas(), 0x00FF00, 0x00FF00, false, Rect(5, 0, 25, 4), 80);
    EXPECT_EQ(px(o, 4, 1), WHITE);
    EXPECT_EQ(px(o, 5, 0), 0x00FF00);
    EXPECT_EQ(px(o, 24, 2), 0x00FF00);
    EXPECT_EQ(px(o, 25, 1), WHITE);
    EXPECT_EQ(px(o, 10, 3), WHITE) << "the last row is left";
}

TEST(DropDownDraw, SteppedGradientCoversItsAreaExactly)
{
    // Tall and flat areas at odd offsets, with fewer and with more bands
    // than pixels: every row of upright bands (every column of lying ones)
    // is the same, nothing outside the area (nor the left-out column or row)
    // is touched, the colours climb from the first band's to the last's, and
    // the pen and brush are left in the last band's colour.
    struct Case {
        bool Horizontal;
        TRect R;
        int Steps;
    };
    for (const Case& c : {Case{true, Rect(3, 5, 44, 306), 4}, Case{true, Rect(1, 2, 21, 40), 80},
                          Case{false, Rect(2, 3, 30, 24), 80}, Case{false, Rect(4, 1, 40, 302), 7}}) {
        SCOPED_TRACE(testing::Message() << (c.Horizontal ? "horizontal " : "vertical ") << c.Steps);
        auto bp = blankBitmap(50, 310);
        TBitmap& b = *bp;
        DrawSteppedGradient(b.Canvas(), 0x000000, 0xFF40FF, c.Horizontal, c.R, c.Steps);
        const int right = c.R.Right - (c.Horizontal ? 1 : 0), bottom = c.R.Bottom - (c.Horizontal ? 0 : 1);
        for (int y = 0; y < 310; ++y)
            for (int x = 0; x < 50; ++x) {
                const bool inside = x >= c.R.Left && x < right && y >= c.R.Top && y < bottom;
                const TColor got = px(b, x, y);
                if (!inside) {
                    ASSERT_EQ(got, WHITE) << x << "," << y;
                    continue;
                }
                ASSERT_EQ(got, c.Horizontal ? px(b, x, c.R.Top) : px(b, c.R.Left, y)) << x << "," << y;
            }
        TColor before = 0x000000;
        const int extent = c.Horizontal ? right - c.R.Left : bottom - c.R.Top;
        for (int p = 0; p < extent; ++p) {
            const TColor now = c.Horizontal ? px(b, c.R.Left + p, c.R.Top) : px(b, c.R.Left, c.R.Top + p);
            ASSERT_GE(now & 0xFF, before & 0xFF) << p;
            ASSERT_GE((now >> 8) & 0xFF, (before >> 8) & 0xFF) << p;
            before = now;
        }
        const TColor last = b.Canvas().Brush().Color();
        EXPECT_EQ(b.Canvas().Pen().Color(), last);
        EXPECT_EQ(b.Canvas().Brush().Style(), bsSolid);
        EXPECT_GE(last & 0xFF, before & 0xFF);
        if (c.Steps <= extent) {
            // Every band has pixels of its own: the first and the last show.
            EXPECT_EQ(px(b, c.R.Left, c.R.Top), 0x000000u);
            EXPECT_EQ(before, last);
        }
    }
}

TEST(DropDownDraw, BlendAndShade)
{
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 50), 0x808080) << "127.5 goes to the even 128";
    EXPECT_EQ(BlendColor(0x0000FF, 0x00FF00, 25), 0x00BF40);
    EXPECT_EQ(BlendColor(clBtnFace, 0x000000, 100), clBtnFace) << "100 % gives C1 unconverted";
    EXPECT_EQ(BlendColor(0x000000, clBtnFace, 0), clBtnFace);
    EXPECT_EQ(ShadeColor(0xF9D2B2, -10, -10, 0), 0xF9BDA0);
    EXPECT_EQ(ShadeColor(0x000000, 20, -5, 0), 0x000014) << "a zero channel becomes max(0, P)";
    EXPECT_EQ(ShadeColor(0x808080, 50, 50, 50), 0x808080) << "never brighter than the channel";
    EXPECT_EQ(ShadeColor(0x808080, -150, -100, 0), 0x800000) << "never below 0";
}

TEST(DropDownDraw, TextSizeAndFitting)
{
    auto bp = blankBitmap(10, 10);
    TBitmap& b = *bp;
    TCanvas& c = b.Canvas();
    EXPECT_EQ(GetTextSize(c, ""), (TSize{0, 0}));
    const TSize s = GetTextSize(c, "Header");
    EXPECT_EQ(s.cx, c.TextWidth("Header"));
    EXPECT_EQ(s.cy, c.TextHeight("Header"));

    const String text = "A longer caption";
    String r;
    FitTextToWidth(c, text, c.TextWidth(text), r, true);
    EXPECT_EQ(r, text) << "a text that fits stays, without \"...\"";
    const int max = c.TextWidth("A long...") + 1;
    FitTextToWidth(c, text, max, r, true);
    EXPECT_TRUE(r.endsWith("...")) << r.toStdString();
    EXPECT_LT(c.TextWidth(r), max);
    EXPECT_TRUE(text.startsWith(r.chopped(3)));
    FitTextToWidth(c, text, c.TextWidth("A lo"), r, false);
    EXPECT_EQ(r, "A l");
    FitTextToWidth(c, text, 1, r, true);
    EXPECT_EQ(r, text) << "nothing fits: the text stays";
    EXPECT_EQ(CaseText("Aäb", false), "AÄB");
    EXPECT_EQ(CaseText("Aäb", true), "Aäb");
}

TEST(DropDownDraw, ButtonBackgroundFillGradientAndBorder)
{
    auto bp = blankBitmap(20, 12);
    TBitmap& b = *bp;
    DrawButtonBackground(b.Canvas(), Rect(0, 0, 20, 12), 0x00FF00, gdVertical, 1, 0x0000FF, clNone);
    EXPECT_EQ(px(b, 0, 0), 0x0000FF);
    EXPECT_EQ(px(b, 19, 11), 0x0000FF);
    EXPECT_EQ(px(b, 10, 6), 0x00FF00);
    // A vertical gradient: the top row is FromColor, the colour changes
    // downwards only; no border with BorderColor none.
    auto gp = blankBitmap(20, 81);
    TBitmap& g = *gp;
    DrawButtonBackground(g.Canvas(), Rect(0, 0, 20, 81), 0x000000, gdVertical, 1, clNone, 0xFF0000);
    EXPECT_EQ(px(g, 0, 0), 0x000000);
    EXPECT_EQ(px(g, 19, 0), 0x000000);
    EXPECT_EQ(px(g, 5, 40), px(g, 15, 40));
    EXPECT_EQ(px(g, 5, 79), 0xFC0000) << "band 79: round(79 * 255 / 80)";
    EXPECT_EQ(px(g, 5, 80), WHITE);
}

TEST(DropDownDraw, ImageAndText)
{
    TImageList images(nullptr, 8, 6);
    TBitmap img(8, 6);
    img.Canvas().Brush().SetColor(0x0000FF);
    img.Canvas().FillRect(Rect(0, 0, 8, 6));
    images.Add(img);
    auto bp = blankBitmap(60, 20);
    TBitmap& b = *bp;
    DrawImageAndText(b.Canvas(), Rect(10, 0, 60, 20), "", 0, &images);
    // At R.Left + 4, (20 - 6) / 2 = 7 down.
    EXPECT_EQ(px(b, 14, 7), 0x0000FF);
    EXPECT_EQ(px(b, 13, 7), WHITE);
    EXPECT_EQ(px(b, 14, 6), WHITE);
    EXPECT_EQ(px(b, 21, 12), 0x0000FF);
    EXPECT_EQ(px(b, 14, 13), WHITE);
    // No image list: nothing but the text, centred.
    auto tp = blankBitmap(60, 20);
    TBitmap& t = *tp;
    DrawImageAndText(t.Canvas(), Rect(0, 0, 60, 20), "I", 0, nullptr);
    int first = -1;
    for (int x = 0; x < 60 && first < 0; ++x)
        for (int y = 0; y < 20; ++y)
            if (px(t, x, y) != WHITE) {
                first = x;
                break;
            }
    EXPECT_GT(first, 20) << "the text is centred";
}

TEST(DropDownDraw, TransparentBitmapTakesTheTopLeftColourAsKeyAndFillsR)
{
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush().SetColor(0x00FF00);  // the key (top-left)
    glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas().Brush().SetColor(0x0000FF);
    glyph.Canvas().FillRect(Rect(2, 2, 4, 4));
    auto bp = blankBitmap(20, 20);
    TBitmap& b = *bp;
    VynDropDown::DrawTransparentBitmap(b.Canvas(), glyph, 0xFF0000, Rect(0, 0, 8, 8));
    EXPECT_EQ(px(b, 0, 0), 0xFF0000) << "the key shows BackColor";
    EXPECT_EQ(px(b, 3, 3), 0xFF0000);
    EXPECT_EQ(px(b, 4, 4), 0x0000FF) << "stretched into R";
    EXPECT_EQ(px(b, 7, 7), 0x0000FF);
    EXPECT_EQ(px(b, 8, 8), WHITE);
}

}  // namespace

namespace {

TEST(DropDownDraw, HTMLCaptionMeasuresAndDraws)
{
    auto bp = blankBitmap(120, 20);
    TBitmap& b = *bp;
    TSize size{5, 5};
    DrawHTMLCaption(b.Canvas(), "", Rect(0, 0, 120, 20), size, true, nullptr);
    EXPECT_EQ(size, (TSize{0, 0}));
    DrawHTMLCaption(b.Canvas(), "<b>Head</b>", Rect(0, 0, 120, 20), size, false, nullptr);
    EXPECT_EQ(px(b, 2, 8), WHITE) << "measured only";
    // Drawn by the HTML renderer: the bold run is wider than plain text.
    TSize plain{0, 0};
    DrawHTMLCaption(b.Canvas(), "Head", Rect(0, 0, 120, 20), plain, false, nullptr);
    EXPECT_GT(size.cx, plain.cx) << "<b> makes the text bold";
    DrawHTMLCaption(b.Canvas(), "<b>Head</b>", Rect(0, 0, 120, 20), size, true, nullptr);
    bool inked = false;
    for (int x = 0; x < size.cx; ++x)
        for (int y = 0; y < size.cy; ++y)
            inked = inked || px(b, x, y) != WHITE;
    EXPECT_TRUE(inked);
}

}  // namespace

TEST(DropDownDraw, SteppedGradientsDrawnAgainAreTheSameAndKeepToTheClip)
{
    // The first drawing of an area makes its picture, the next ones reuse
    // it: the same pixels wherever it is drawn; another pair of colours or
    // another size is a picture of its own; a clip is kept to.
    struct Case {
        TColor From, To;
        bool Horizontal;
        TRect R;
    };
    const Case cases[] = {{0x000000, 0xFF40FF, false, Rect(0, 0, 30, 200)},
                          {0x000000, 0xFF40FF, false, Rect(0, 0, 31, 200)},
                          {0xFF40FF, 0x000000, false, Rect(0, 0, 30, 200)},
                          {0x102030, 0xF0E0D0, true, Rect(0, 0, 200, 30)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.From << " " << c.R.Width() << " " << c.Horizontal);
        auto once = blankBitmap(c.R.Width(), c.R.Height());
        DrawSteppedGradient(once->Canvas(), c.From, c.To, c.Horizontal, c.R, 80);
        auto moved = blankBitmap(c.R.Width() + 9, c.R.Height() + 7);
        TRect r = c.R;
        OffsetRect(r, 9, 7);
        DrawSteppedGradient(moved->Canvas(), c.From, c.To, c.Horizontal, r, 80);
        EXPECT_EQ(moved->Image().copy(9, 7, c.R.Width(), c.R.Height()), once->Image());
        // The same drawn once more under a clip: only the clipped part.
        auto clipped = blankBitmap(c.R.Width(), c.R.Height());
        clipped->Canvas().SetClipRect(Rect(5, 5, 15, 15));
        DrawSteppedGradient(clipped->Canvas(), c.From, c.To, c.Horizontal, c.R, 80);
        for (int y = 0; y < c.R.Height(); ++y)
            for (int x = 0; x < c.R.Width(); ++x) {
                const bool inside = x >= 5 && x < 15 && y >= 5 && y < 15;
                ASSERT_EQ(px(*clipped, x, y), inside ? px(*once, x, y) : WHITE) << x << "," << y;
            }
    }
}
