// Placement of caption and glyph, as a pure function of the button's size,
// glyph, layout, alignment and word wrap, measured with fixed-width fake
// metrics: every character 6 pixels wide, lines 10 pixels high.
#include <gtest/gtest.h>

#include <QStringList>

#include "controls/button/LbButtons.h"

namespace {

constexpr int CharW = 6, LineH = 10;

TLbTextMetrics FakeMetrics()
{
    TLbTextMetrics m;
    m.TextWidth = [](const String& s) { return int(s.size()) * CharW; };
    // Greedy breaking at blanks; a word wider than the box stays whole.
    m.WrappedHeight = [](const String& s, int width) {
        int lines = 1, current = 0;
        for (const QString& word : s.split(u' ', Qt::SkipEmptyParts)) {
            const int w = int(word.size()) * CharW;
            if (current == 0)
                current = w;
            else if (current + CharW + w <= width)
                current += CharW + w;
            else {
                ++lines;
                current = w;
            }
        }
        return lines * LineH;
    };
    return m;
}

using L = TLbButtonLayout;

struct LayoutCase {
    const char* Name;
    int W, H, G;  // G: the glyph's width and height (0: none)
    int P;
    TLbButtonStyle Style;
    L Layout;
    TAlignment Align;
    bool Wrap;
    const char* Caption;
    // Expected.
    const char* Drawn;
    int Avail, TH, TX;
    TRect Text;
    TPoint Glyph;
    unsigned Format;
};

constexpr unsigned WB = DT_WORDBREAK;

const LayoutCase Cases[] = {
    // W 100, H 30, glyph 16, "Go" (12 px, TX 16), one line (TH 10).
    {"left_left", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taLeftJustify, false, "Go",
     "Go", 72, 10, 16, {24, 10, 96, 20}, {4, 7}, WB | DT_LEFT},
    {"left_right", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taRightJustify, false, "Go",
     "Go", 72, 10, 16, {24, 10, 96, 20}, {64, 7}, WB | DT_RIGHT},
    {"left_center", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taCenter, false, "Go",
     "Go", 72, 10, 16, {24, 10, 96, 20}, {34, 7}, WB | DT_CENTER},
    {"left_right_wrap", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taRightJustify, true, "Go",
     "Go", 72, 10, 16, {24, 10, 96, 20}, {4, 7}, WB | DT_RIGHT},
    {"right_left", 100, 30, 16, 0, bsNormal, L::blGlyphRight, taLeftJustify, false, "Go",
     "Go", 72, 10, 16, {4, 10, 76, 20}, {20, 7}, WB | DT_LEFT},
    {"right_right", 100, 30, 16, 0, bsNormal, L::blGlyphRight, taRightJustify, false, "Go",
     "Go", 72, 10, 16, {4, 10, 76, 20}, {80, 7}, WB | DT_RIGHT},
    {"right_center", 100, 30, 16, 0, bsNormal, L::blGlyphRight, taCenter, false, "Go",
     "Go", 72, 10, 16, {4, 10, 76, 20}, {50, 7}, WB | DT_CENTER},
    {"right_center_wrap", 100, 30, 16, 0, bsNormal, L::blGlyphRight, taCenter, true, "Go",
     "Go", 72, 10, 16, {4, 10, 76, 20}, {20, 7}, WB | DT_CENTER},
    // Top and bottom: block B = TH + GH + 4 = 30; glyph x by alignment always.
    {"top_center", 100, 30, 16, 0, bsNormal, L::blGlyphTop, taCenter, false, "Go",
     "Go", 92, 10, 16, {4, 16, 96, 26}, {42, 0}, WB | DT_CENTER},
    {"top_left_wrap", 100, 30, 16, 0, bsNormal, L::blGlyphTop, taLeftJustify, true, "Go",
     "Go", 92, 10, 16, {4, 16, 96, 26}, {4, 0}, WB | DT_LEFT},
    {"top_right", 100, 30, 16, 0, bsNormal, L::blGlyphTop, taRightJustify, false, "Go",
     "Go", 92, 10, 16, {4, 16, 96, 26}, {80, 0}, WB | DT_RIGHT},
    {"bottom_center", 100, 30, 16, 0, bsNormal, L::blGlyphBottom, taCenter, false, "Go",
     "Go", 92, 10, 16, {4, 0, 96, 10}, {42, 10}, WB | DT_CENTER},
    {"bottom_right_wrap", 100, 30, 16, 0, bsNormal, L::blGlyphBottom, taRightJustify, true, "Go",
     "Go", 92, 10, 16, {4, 0, 96, 10}, {80, 10}, WB | DT_RIGHT},
    // Press offset.
    {"left_left_pressed", 100, 30, 16, 1, bsNormal, L::blGlyphLeft, taLeftJustify, false, "Go",
     "Go", 72, 10, 16, {25, 11, 97, 21}, {5, 8}, WB | DT_LEFT},
    {"top_center_pressed", 100, 30, 16, 1, bsNormal, L::blGlyphTop, taCenter, false, "Go",
     "Go", 92, 10, 16, {5, 17, 97, 27}, {43, 1}, WB | DT_CENTER},
    // Without a glyph.
    {"no_glyph_left_center", 100, 30, 0, 0, bsNormal, L::blGlyphLeft, taCenter, false, "Go",
     "Go", 92, 10, 16, {4, 10, 96, 20}, {42, 15}, WB | DT_CENTER},
    {"no_glyph_top_center", 100, 30, 0, 0, bsNormal, L::blGlyphTop, taCenter, false, "Go",
     "Go", 92, 10, 16, {4, 10, 96, 20}, {50, 10}, WB | DT_CENTER},
    // An empty caption has TX 0 (the glyph is centred) and one empty line.
    {"empty_caption", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taCenter, false, "",
     "", 72, 10, 0, {24, 10, 96, 20}, {42, 7}, WB | DT_CENTER},
    // Without word wrap the caption loses characters from its end until it fits.
    {"cut_to_fit", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taLeftJustify, false, "ABCDEFGHIJKLMNOP",
     "ABCDEFGHIJKL", 72, 10, 76, {24, 10, 96, 20}, {4, 7}, WB | DT_LEFT},
    {"cut_centred", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taCenter, false, "AAAA BBBB CCCC DDDD",
     "AAAA BBBB CC", 72, 10, 76, {24, 10, 96, 20}, {4, 7}, WB | DT_CENTER},
    {"wrap_keeps_long_word", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taLeftJustify, true, "ABCDEFGHIJKLMNOP",
     "ABCDEFGHIJKLMNOP", 72, 10, 100, {24, 10, 96, 20}, {4, 7}, WB | DT_LEFT},
    {"wrap_two_lines", 100, 30, 16, 0, bsNormal, L::blGlyphLeft, taLeftJustify, true, "AAAA BBBB CCCC DDDD",
     "AAAA BBBB CCCC DDDD", 72, 20, 118, {24, 5, 96, 25}, {4, 7}, WB | DT_LEFT},
    // The available width never goes below 0: everything is cut.
    {"too_narrow", 20, 30, 16, 0, bsNormal, L::blGlyphLeft, taCenter, false, "Go",
     "", 0, 10, 0, {24, 10, 24, 20}, {2, 7}, WB | DT_CENTER},
    {"too_narrow_top", 6, 30, 0, 0, bsNormal, L::blGlyphTop, taLeftJustify, false, "Go",
     "", 0, 10, 0, {4, 10, 4, 20}, {4, 10}, WB | DT_LEFT},
    // Halves truncate towards zero: (5 - 10) div 2 = -2.
    {"taller_text_than_button", 100, 5, 0, 0, bsNormal, L::blGlyphLeft, taLeftJustify, false, "Go",
     "Go", 92, 10, 16, {4, -2, 96, 8}, {4, 2}, WB | DT_LEFT},
    // The shape style centres both and ignores alignment and layout.
    {"shape", 100, 30, 16, 0, bsShape, L::blGlyphLeft, taRightJustify, false, "Go",
     "Go", 92, 10, 16, {0, 10, 100, 30}, {42, 7}, WB | DT_CENTER},
    {"shape_pressed", 100, 30, 16, 1, bsShape, L::blGlyphTop, taLeftJustify, false, "Go",
     "Go", 92, 10, 16, {1, 11, 100, 30}, {42, 7}, WB | DT_CENTER},
    // The other styles place like bsNormal.
    {"encarta_like_normal", 100, 30, 16, 0, bsEncarta, L::blGlyphRight, taCenter, false, "Go",
     "Go", 72, 10, 16, {4, 10, 76, 20}, {50, 7}, WB | DT_CENTER},
};

std::string RectText(const TRect& R)
{
    return "(" + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
           std::to_string(R.Bottom) + ")";
}

}  // namespace

TEST(LbButtonLayout, LayoutsAlignmentsWordWrapAndGlyph)
{
    const TLbTextMetrics metrics = FakeMetrics();
    for (const LayoutCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        const TLbCaptionLayout r =
            LayoutLbButtonCaption(c.W, c.H, c.G, c.G, c.P, c.Style, c.Layout, c.Align, c.Wrap, c.Caption, metrics);
        EXPECT_EQ(r.Caption.toStdString(), c.Drawn);
        EXPECT_EQ(r.AvailableWidth, c.Avail);
        EXPECT_EQ(r.TextHeight, c.TH);
        EXPECT_EQ(r.TextExtent, c.TX);
        EXPECT_EQ(RectText(r.TextRect), RectText(c.Text));
        EXPECT_EQ(r.GlyphPos.X, c.Glyph.X);
        EXPECT_EQ(r.GlyphPos.Y, c.Glyph.Y);
        EXPECT_EQ(r.TextFormat, c.Format);
    }
}

TEST(LbButtonLayout, GlyphImageSelection)
{
    struct Case {
        int Images;
        bool Pressed, Hot, Enabled;
        int Expected;
    };
    const Case cases[] = {
        {1, false, false, true, 0},  {1, false, false, false, 1}, {2, true, true, true, 0},
        {2, false, false, false, 1}, {3, true, false, true, 2},   {3, false, true, true, 0},
        {4, false, true, true, 3},   {4, true, true, true, 2},    {4, true, true, false, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LbGlyphIndex(c.Images, c.Pressed, c.Hot, c.Enabled), c.Expected)
            << c.Images << " images, pressed " << c.Pressed << ", hot " << c.Hot << ", enabled " << c.Enabled;
}
