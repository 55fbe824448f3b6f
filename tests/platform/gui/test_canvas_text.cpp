// DrawText flags and text measuring. The font is the default one (Tahoma,
// -11 pixels, mapped to DejaVu Sans), so widths are pinned by the font file:
// line height 13, TextWidth("Hello") 28, average character width 6.
#include <gtest/gtest.h>

#include "test_canvas_util.h"

namespace {

// The canvas of a white bitmap with black text on a clear brush.
struct TextFixture {
    std::unique_ptr<TBitmap> Bitmap = WhiteBitmap(160, 60);
    TCanvas& C = Bitmap->Canvas();
    TextFixture()
    {
        C.Font().SetColor(clBlack);
        C.Brush().SetStyle(bsClear);
    }
};

}  // namespace

TEST(CanvasDrawText, CalcRectMeasures)
{
    TextFixture f;
    TCanvas& c = f.C;
    ASSERT_EQ(c.TextHeight("gh"), 13);
    ASSERT_EQ(c.TextWidth("Hello"), 28);
    struct Case {
        const char* Name;
        String Text;
        unsigned Flags;
        int Width;  // of the rectangle given
        TRect Expected;
    };
    const std::vector<Case> cases = {
        {"single line", "Hello", DT_SINGLELINE, 0, Rect(5, 5, 5 + 28, 5 + 13)},
        {"empty text: one line, no width", "", DT_SINGLELINE, 50, Rect(5, 5, 5, 18)},
        {"line breaks CR LF, LF and CR", "Hello\r\nHello Hello\nab\rc", 0, 0,
         Rect(5, 5, 5 + c.TextWidth("Hello Hello"), 5 + 4 * 13)},
        {"a final line break opens no line", "Hello\n", 0, 0, Rect(5, 5, 33, 18)},
        {"single line ignores breaks", "ab\ncd", DT_SINGLELINE, 0, Rect(5, 5, 5 + c.TextWidth("ab\ncd"), 18)},
        {"word break within the width", "one two three four", DT_WORDBREAK, 60,
         Rect(5, 5, 5 + std::max(c.TextWidth("one two"), c.TextWidth("three four")), 5 + 2 * 13)},
        {"a word wider than the rectangle stays whole", "Supercalifragilistic", DT_WORDBREAK, 30,
         Rect(5, 5, 5 + c.TextWidth("Supercalifragilistic"), 18)},
        {"prefix: & removed", "&Save", DT_SINGLELINE, 0, Rect(5, 5, 5 + c.TextWidth("Save"), 18)},
        {"prefix: && gives &", "Fish && Chips", DT_SINGLELINE, 0, Rect(5, 5, 5 + c.TextWidth("Fish & Chips"), 18)},
        {"no prefix", "&Save", DT_SINGLELINE | DT_NOPREFIX, 0, Rect(5, 5, 5 + c.TextWidth("&Save"), 18)},
        {"tabs every 8 average characters", "a\tb", DT_SINGLELINE | DT_EXPANDTABS, 0,
         Rect(5, 5, 5 + 48 + c.TextWidth("b"), 18)},
        {"the ellipsis does not shorten the measure", "A fairly long caption", DT_SINGLELINE | DT_END_ELLIPSIS, 30,
         Rect(5, 5, 5 + c.TextWidth("A fairly long caption"), 18)},
    };
    for (const Case& k : cases) {
        TRect r = Bounds(5, 5, k.Width, 100);
        const int height = c.DrawText(r, k.Text, k.Flags | DT_CALCRECT);
        EXPECT_EQ(r, k.Expected) << k.Name;
        EXPECT_EQ(height, k.Expected.Height()) << k.Name;
    }
    EXPECT_EQ(CountColor(*f.Bitmap, clWhite, {}, true), 0) << "DT_CALCRECT draws nothing";

    // Breaking inside words (DT_EDITCONTROL) keeps every line within the width.
    TRect r = Bounds(0, 0, 30, 100);
    const int h = c.DrawText(r, "Supercalifragilistic", DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
    EXPECT_GT(h, 13);
    EXPECT_LE(r.Width(), 30);
}

TEST(CanvasDrawText, AlignmentAndReturnedHeight)
{
    struct Case {
        const char* Name;
        unsigned Flags;
        int Height;        // returned
        TRect InkWithin;   // where the ink must lie (in the 100 x 40 rectangle at 10, 10)
    };
    const std::vector<Case> cases = {
        {"top left", DT_LEFT, 13, Rect(10, 10, 10 + 28, 23)},
        {"right", DT_RIGHT, 13, Rect(110 - 28, 10, 110, 23)},
        {"centre", DT_CENTER, 13, Rect(10 + 36, 10, 10 + 36 + 28, 23)},
        {"vcenter needs single line", DT_VCENTER, 13, Rect(10, 10, 38, 23)},
        {"vcenter single line", DT_VCENTER | DT_SINGLELINE, 13 + 13, Rect(10, 23, 38, 36)},
        {"bottom single line", DT_BOTTOM | DT_SINGLELINE, 40, Rect(10, 37, 38, 50)},
    };
    for (const Case& k : cases) {
        TextFixture f;
        TRect r = Bounds(10, 10, 100, 40);
        EXPECT_EQ(f.C.DrawText(r, "Hello", k.Flags), k.Height) << k.Name;
        const TRect ink = InkBounds(*f.Bitmap);
        TRect both;
        IntersectRect(both, ink, k.InkWithin);
        EXPECT_EQ(both, ink) << k.Name;
        EXPECT_GT(ink.Width(), 20) << k.Name;
    }
}

TEST(CanvasDrawText, ClippingPartialLinesAndBackground)
{
    // Clipped to the rectangle unless DT_NOCLIP.
    for (unsigned flags : {0u, unsigned(DT_NOCLIP)}) {
        TextFixture f;
        TRect r = Bounds(10, 10, 20, 8);
        f.C.DrawText(r, "Hello Hello", flags);
        const TRect ink = InkBounds(*f.Bitmap);
        if (flags == DT_NOCLIP) {
            EXPECT_GT(ink.Right, 40);
        } else {
            EXPECT_TRUE(ink.Left >= 10 && ink.Top >= 10 && ink.Right <= 30 && ink.Bottom <= 18);
        }
    }
    // DT_EDITCONTROL leaves out the partly visible last line.
    {
        TextFixture f;
        EXPECT_EQ(f.C.DrawText(Bounds(0, 0, 100, 30), "one\ntwo\nthree", 0), 39);
        TextFixture g;
        EXPECT_EQ(g.C.DrawText(Bounds(0, 0, 100, 30), "one\ntwo\nthree", DT_EDITCONTROL), 26);
        EXPECT_LE(InkBounds(*g.Bitmap).Bottom, 26);
        EXPECT_GT(InkBounds(*f.Bitmap).Bottom, 26);
    }
    // A solid brush fills behind each line (the text cell), not the whole rectangle.
    {
        TextFixture f;
        f.C.Brush().SetStyle(bsSolid);
        f.C.Brush().SetColor(clYellow);
        f.C.DrawText(Bounds(0, 0, 100, 40), "Hello", DT_CENTER);
        EXPECT_EQ(f.C.Pixels(36, 0), clYellow);
        EXPECT_EQ(f.C.Pixels(36 + 27, 12), clYellow);
        EXPECT_EQ(f.C.Pixels(35, 0), clWhite);
        EXPECT_EQ(f.C.Pixels(36, 13), clWhite);
    }
}

TEST(CanvasDrawText, DrawsTheCutAndTabbedText)
{
    // The drawn pixels equal plain TextOuts of the pieces shown.
    struct Piece {
        int X, Y;
        String Text;
    };
    struct Case {
        String Text;
        unsigned Flags;
        int Width;
        std::vector<Piece> Shown;
    };
    const std::vector<Case> cases = {
        // "A fairly l..." is 56 pixels wide, "A fairly lo..." more than 60.
        {"A fairly long caption", DT_SINGLELINE | DT_END_ELLIPSIS, 60, {{0, 0, "A fairly l..."}}},
        {"Short", DT_SINGLELINE | DT_END_ELLIPSIS, 60, {{0, 0, "Short"}}},
        {"&Open the file", DT_SINGLELINE | DT_END_ELLIPSIS | DT_HIDEPREFIX, 50, {{0, 0, "Open t..."}}},
        // Two lines fit in 30 pixels; the last one shown says that more follows.
        {"one two three four five six", DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS, 60,
         {{0, 0, "one two"}, {0, 13, "three fo..."}}},
        {"a\tb\tc", DT_SINGLELINE | DT_EXPANDTABS, 200, {{0, 0, "a"}, {48, 0, "b"}, {96, 0, "c"}}},
        {"a\tb", DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (2 << 8), 200, {{0, 0, "a"}, {12, 0, "b"}}},
        // Right-to-left reading order puts the neutral "!" before the text.
        {"abc!", DT_SINGLELINE | DT_RTLREADING, 200, {{0, 0, "!abc"}}},
    };
    for (const Case& k : cases) {
        TextFixture drawn, expected;
        drawn.C.DrawText(Bounds(0, 0, k.Width, 30), k.Text, k.Flags);
        for (const Piece& p : k.Shown)
            expected.C.TextOut(p.X, p.Y, p.Text);
        EXPECT_EQ(drawn.Bitmap->Image(), expected.Bitmap->Image()) << k.Text.toStdString();
    }
}

TEST(CanvasDrawText, PrefixUnderlinesOneCharacter)
{
    TextFixture plain, prefixed, hidden;
    plain.C.DrawText(Bounds(0, 0, 100, 20), "Save", DT_SINGLELINE);
    prefixed.C.DrawText(Bounds(0, 0, 100, 20), "S&ave", DT_SINGLELINE);
    hidden.C.DrawText(Bounds(0, 0, 100, 20), "S&ave", DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(hidden.Bitmap->Image(), plain.Bitmap->Image());
    const int x0 = plain.C.TextWidth("S"), x1 = plain.C.TextWidth("Sa");
    int changed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (plain.C.Pixels(x, y) != prefixed.C.Pixels(x, y)) {
                EXPECT_TRUE(x >= x0 && x < x1) << x << "," << y;
                EXPECT_EQ(prefixed.C.Pixels(x, y), clBlack);
                ++changed;
            }
    EXPECT_GE(changed, x1 - x0 - 1);
}

TEST(CanvasText, CharacterPositions)
{
    TCanvas c;  // measuring needs no surface
    EXPECT_EQ(c.TextCharPositions("Hello"), (std::vector<int>{0, 8, 15, 18, 21, 28}));
    EXPECT_EQ(c.TextCharPositions(""), (std::vector<int>{0}));
    const String s = "Wide text, 123";
    const std::vector<int> pos = c.TextCharPositions(s);
    EXPECT_EQ(pos.back(), c.TextWidth(s));
    EXPECT_TRUE(std::is_sorted(pos.begin(), pos.end()));
}
