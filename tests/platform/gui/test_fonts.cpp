// The font map and TFont: face names, pixel height against point size,
// change notification and metrics that depend only on the pinned font file.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <functional>
#include <set>

#include "platform/gui/canvas.h"
#include "test_canvas_util.h"

TEST(FontMap, ClassicFacesMapToThePinnedFamilies)
{
    const std::vector<std::pair<String, String>> cases = {
        {"Verdana", "DejaVu Sans"},          {"Tahoma", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},    {"segoe ui", "DejaVu Sans"},
        {"Arial", "DejaVu Sans"},            {"Microsoft Sans Serif", "DejaVu Sans"},
        {"Courier New", "DejaVu Sans Mono"}, {"Consolas", "DejaVu Sans Mono"},
        {"No Such Face 123", "DejaVu Sans"}, {"", "DejaVu Sans"},
        {"DejaVu Serif", "DejaVu Serif"},  // installed: used as it is
    };
    for (const auto& [name, family] : cases) {
        EXPECT_EQ(MapFontFamily(name), family) << name.toStdString();
        EXPECT_EQ(QFontInfo(MakeQFont(name, -11)).family(), family) << name.toStdString() << " resolves";
    }
    SetFontSubstitute("Fancy", "DejaVu Serif");
    EXPECT_EQ(MapFontFamily("fancy"), "DejaVu Serif");
    SetFontSubstitute("Fancy", "");
    EXPECT_EQ(MapFontFamily("Fancy"), "DejaVu Sans");
}

TEST(FontMap, RenderingSettingsArePinned)
{
    const QFont f = MakeQFont("Verdana", -11, true, true, true, false, TFontQuality::fqNonAntialiased);
    EXPECT_EQ(f.pixelSize(), 11);
    EXPECT_EQ(f.hintingPreference(), QFont::PreferNoHinting);
    EXPECT_TRUE(f.styleStrategy() & QFont::NoAntialias);
    EXPECT_TRUE(f.bold() && f.italic() && f.underline() && !f.strikeOut());
    EXPECT_TRUE(MakeQFont("Verdana", -11).styleStrategy() & QFont::PreferAntialias);
    // A positive height is the cell height: the character height is smaller.
    EXPECT_EQ(MakeQFont("Verdana", 13).pixelSize(), 11);
}

TEST(Font, HeightAndSizeAt96Dpi)
{
    TFont f;
    EXPECT_EQ(f.Name(), "Tahoma");
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Color(), clWindowText);
    struct Case {
        int Size, Height;
    };
    for (Case k : std::vector<Case>{{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}, {72, -96}}) {
        f.SetSize(k.Size);
        EXPECT_EQ(f.Height(), k.Height) << k.Size;
        EXPECT_EQ(f.Size(), k.Size) << k.Size;
        EXPECT_EQ(f.ToQFont().pixelSize(), -k.Height);
    }
}

TEST(Font, OnChangeFiresOncePerRealChange)
{
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &f);
        ++changes;
    };
    f.SetName("Verdana");
    f.SetName("Verdana");
    f.SetStyle({fsBold});
    f.SetColor(clRed);
    f.SetOrientation(900);
    EXPECT_EQ(changes, 4);
    TFont g;
    g.Assign(f);
    EXPECT_TRUE(g == f);
    f.Assign(g);
    EXPECT_EQ(changes, 4) << "assigning equal state changes nothing";
    g.SetHeight(-20);
    f.Assign(g);
    EXPECT_EQ(changes, 5);
    EXPECT_TRUE(f.ToQFont().bold());
    EXPECT_EQ(f.ToQFont().pixelSize(), 20);

    TPen p;
    TBrush b;
    EXPECT_THROW(p.Assign(b), Exception);
}

TEST(Font, MetricsDependOnlyOnTheFontFile)
{
    TCanvas c;
    struct Case {
        int Height;
        TFontStyles Style;
        int TextHeight, HelloWidth;
    };
    const std::vector<Case> cases = {
        {-11, {}, 13, 28},
        {-11, {fsBold}, 13, 32},
        {-13, {}, 15, 33},
        {-16, {}, 19, 41},
        {16, {}, 16, 35},
    };
    for (const Case& k : cases) {
        c.Font().SetHeight(k.Height);
        c.Font().SetStyle(k.Style);
        EXPECT_EQ(c.TextHeight("gh"), k.TextHeight) << k.Height;
        EXPECT_EQ(c.TextWidth("Hello"), k.HelloWidth) << k.Height;
    }
    c.Font().SetHeight(-11);
    c.Font().SetStyle({});
    EXPECT_EQ(c.AveCharWidth(), 6);
    c.Font().SetName("Courier New");
    EXPECT_EQ(c.TextWidth("iiiii"), c.TextWidth("WWWWW"));
}

namespace {

// What a font measures, made afresh from its state (nothing remembered).
struct Fresh {
    int Width, Height, Average;
};
Fresh MeasureFresh(const TFont& F, const String& Text)
{
    TFont copy;
    copy.SetName(F.Name());
    copy.SetHeight(F.Height());
    copy.SetStyle(F.Style());
    copy.SetPitch(F.Pitch());
    copy.SetQuality(F.Quality());
    const QFontMetrics m(copy.ToQFont());
    return {m.horizontalAdvance(Text), m.height(), m.averageCharWidth()};
}

}  // namespace

TEST(FontMeasure, RememberedMeasuresFollowEveryChangeOfTheFont)
{
    TCanvas c;
    TFont other;
    other.SetName("Courier New");
    other.SetHeight(-15);
    struct Step {
        const char* Name;
        std::function<void()> Change;
    };
    const std::vector<Step> steps = {
        {"default", [] {}},
        {"size", [&] { c.Font().SetSize(14); }},
        {"bold", [&] { c.Font().SetStyle({fsBold}); }},
        {"italic instead", [&] { c.Font().SetStyle({fsItalic}); }},
        {"height", [&] { c.Font().SetHeight(18); }},
        {"name", [&] { c.Font().SetName("DejaVu Serif"); }},
        {"fixed pitch", [&] { c.Font().SetPitch(TFontPitch::fpFixed); }},
        {"colour only", [&] { c.Font().SetColor(clRed); }},
        {"assigned", [&] { c.Font().Assign(other); }},
        {"back to the default", [&] { c.Font().Assign(TFont()); }},
        {"a mapped face", [&] { c.Font().SetName("Fancy Face"); }},
        {"the map changes under it", [&] { SetFontSubstitute("Fancy Face", "DejaVu Sans Mono"); }},
        {"and again", [&] { SetFontSubstitute("Fancy Face", "DejaVu Serif"); }},
    };
    std::set<int> widths;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Name);
        s.Change();
        for (const String& text : {String("Hello"), String("WWW iii ..."), String()}) {
            // Twice: the second answer comes from what was remembered.
            for (int round = 0; round < 2; ++round) {
                const Fresh f = MeasureFresh(c.Font(), text);
                EXPECT_EQ(c.TextWidth(text), f.Width) << text.toStdString();
                EXPECT_EQ(c.TextHeight(text), f.Height);
                EXPECT_EQ(c.AveCharWidth(), f.Average);
            }
        }
        widths.insert(c.TextWidth("WWW iii ..."));
    }
    SetFontSubstitute("Fancy Face", "");
    EXPECT_GE(widths.size(), 7u) << "the steps change the measures";
    // A font assigned from another shares its measures until one changes.
    TFont a, b;
    b.SetColor(clRed);
    b.Assign(a);
    a.Measure();
    b.Assign(other);
    b.Assign(a);
    EXPECT_EQ(&b.Measure(), &a.Measure());
}

TEST(FontMeasure, EllipsisCutsDrawTheSameAsAFreshCanvas)
{
    // One canvas draws every case twice (the second time from what it
    // remembered), a fresh canvas each case once: the pixels agree.
    auto warm = WhiteBitmap(120, 24);
    struct Case {
        int Height;
        TFontStyles Style;
        String Text;
        int Width;
    };
    const std::vector<Case> cases = {
        {-11, {}, "Hello wide world", 60},   {-11, {}, "Hello wide world", 40}, {-11, {}, "Hello wide world", 200},
        {-15, {}, "Hello wide world", 60},   {-15, {fsBold}, "Hello wide world", 60},
        {-11, {}, "Tab\there and there", 50}, {-11, {}, "&Prefix text here", 50},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Text.toStdString() + " in " + std::to_string(k.Width));
        auto fresh = WhiteBitmap(120, 24);
        for (TBitmap* b : {warm.get(), fresh.get()}) {
            TCanvas& cv = b->Canvas();
            cv.Brush().SetStyle(bsSolid);
            cv.Brush().SetColor(clWhite);
            cv.FillRect(Rect(0, 0, 120, 24));
            cv.Font().SetHeight(k.Height);
            cv.Font().SetStyle(k.Style);
            cv.Font().SetColor(clBlack);
            cv.Brush().SetStyle(bsClear);
            const unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_EXPANDTABS;
            cv.DrawText(Rect(2, 0, 2 + k.Width, 24), k.Text, flags);
            if (b == warm.get()) {
                cv.Brush().SetStyle(bsSolid);
                cv.Brush().SetColor(clWhite);
                cv.FillRect(Rect(0, 0, 120, 24));
                cv.Brush().SetStyle(bsClear);
                cv.DrawText(Rect(2, 0, 2 + k.Width, 24), k.Text, flags);
            }
        }
        EXPECT_EQ(warm->Image(), fresh->Image());
    }
}
