// The font map and TFont: face names, pixel height against point size,
// change notification and metrics that depend only on the pinned font file.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "platform/gui/canvas.h"

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
