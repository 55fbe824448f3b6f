// Lines drawn from kept glyph runs: the same pixels as shaping them anew,
// for fonts, texts and placements of every kind; only inside a scope.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/gui/text_runs.h"
#include "test_canvas_util.h"

namespace {

struct FontCase {
    const char* name;
    std::function<void(TFont&)> set;
};

const FontCase Fonts[] = {
    {"default", [](TFont&) {}},
    {"bold", [](TFont& F) { F.SetStyle(TFontStyles{fsBold}); }},
    {"italic, large", [](TFont& F) {
         F.SetStyle(TFontStyles{fsItalic});
         F.SetHeight(-23);
     }},
    {"fixed pitch", [](TFont& F) { F.SetName(QStringLiteral("Courier New")); }},
    {"without smoothing", [](TFont& F) { F.SetQuality(TFontQuality::fqNonAntialiased); }},
    {"underlined (never kept)", [](TFont& F) { F.SetStyle(TFontStyles{fsUnderline}); }},
};

const char* const Texts[] = {
    "Address 4711, bank 2",
    "Zone valve  ",
    "Gr\u00f6\u00dfe caf\u00e9 \u00e0 \u00bd \u03a9 \u0416",
    "W.AV.To ffi fl 1234567890 ,.;:!?",
    "A long caption that is cut with an ellipsis at the end of the rectangle",
};

// Every text with every font, left, centred and cut, on a coloured
// background with a coloured font and a clip; Shaped: inside a scope.
QImage Draw(bool Shaped)
{
    std::unique_ptr<TBitmap> b = WhiteBitmap(420, 40 * int(std::size(Fonts)) * int(std::size(Texts)));
    TCanvas& c = b->Canvas();
    c.Brush().SetColor(TColor(0xF3E5DA));
    c.FillRect(Rect(0, 0, 420, b->Height()));
    c.Brush().SetStyle(bsClear);
    std::optional<TTextRunCacheScope> scope;
    if (Shaped)
        scope.emplace();
    int y = 0;
    for (const FontCase& f : Fonts) {
        for (const char* t : Texts) {
            c.Font().Assign(TFont());
            f.set(c.Font());
            c.Font().SetColor(TColor(0x0040C0));
            const String text = QString::fromUtf8(t);
            TRect r = Rect(3, y, 417, y + 20);
            c.DrawText(r, text, DT_SINGLELINE | DT_NOPREFIX);
            r = Rect(50, y + 20, 260, y + 40);
            c.DrawText(r, text, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CENTER | DT_NOPREFIX);
            y += 40;
        }
    }
    return b->Image().copy();
}

}  // namespace

TEST(TextRuns, KeptLinesDrawTheSamePixelsAsLinesShapedAnew)
{
    const QImage fresh = Draw(false);
    const int before = TextRunCacheCount();
    const QImage first = Draw(true);
    EXPECT_GT(TextRunCacheCount(), before);
    const int kept = TextRunCacheCount();
    // The second time every line comes from the cache.
    const QImage again = Draw(true);
    EXPECT_EQ(TextRunCacheCount(), kept);
    ASSERT_EQ(fresh.size(), first.size());
    for (int y = 0; y < fresh.height(); y += 40) {
        SCOPED_TRACE(y / 40);
        EXPECT_EQ(fresh.copy(0, y, 420, 40), first.copy(0, y, 420, 40));
    }
    EXPECT_EQ(first, again);
}

TEST(TextRuns, OnlyAScopeOrTheSwitchOnKeepsLines)
{
    std::unique_ptr<TBitmap> b = WhiteBitmap(200, 20);
    TCanvas& c = b->Canvas();
    TRect r = Rect(0, 0, 200, 20);
    const String text = QStringLiteral("kept only in a scope %1").arg(quintptr(&c));
    const int before = TextRunCacheCount();
    c.DrawText(r, text, DT_SINGLELINE);
    EXPECT_EQ(TextRunCacheCount(), before);
    SetTextRunCacheEnabled(false);
    {
        TTextRunCacheScope scope;
        c.DrawText(r, text, DT_SINGLELINE);
    }
    EXPECT_EQ(TextRunCacheCount(), before);
    SetTextRunCacheEnabled(true);
    {
        TTextRunCacheScope scope;
        c.DrawText(r, text, DT_SINGLELINE);
    }
    EXPECT_EQ(TextRunCacheCount(), before + 1);
}
