// The grid's looks and styles: the colours each entry writes, in the order
// that decides the result, read back from fresh grids (no pixels).
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/vyn_style_if.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"
#include "looks_fixture.h"

namespace {

constexpr TColor N = clNone;
constexpr TColor B = clBtnFace;
// Marks a value the entry leaves as a fresh grid has it.
constexpr TColor KEEP = 0x2ABCDEF0;

struct Looks : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    std::unique_ptr<TCountingGrid> fresh;
    TCountingGrid* NewGrid()
    {
        auto* g = new TCountingGrid(&form);
        g->SetParent(&form);
        return g;
    }
    Looks() { fresh.reset(new TCountingGrid(nullptr)); }
};

struct Snapshot {
    TGridLook Look;
    TColor From, To, MFrom, MTo, Active, ActiveTo, Sel, SelTo, SelText;
    TGridSelectionStyle SelStyle;
    TColor Line, FixedLine, Footer, FooterTo, CLFrom, CLTo;
};

Snapshot Take(TVynStringGrid& g)
{
    return {g.Look(),
            g.VynGradientFrom(),
            g.VynGradientTo(),
            g.VynGradientMirrorFrom(),
            g.VynGradientMirrorTo(),
            g.ActiveCellColor(),
            g.ActiveCellColorTo(),
            g.SelectionColor(),
            g.SelectionColorTo(),
            g.SelectionTextColor(),
            g.SelectionStyle(),
            g.GridLineColor(),
            g.GridFixedLineColor(),
            g.SearchFooter()->Color(),
            g.SearchFooter()->ColorTo(),
            g.ControlLook()->FixedGradientFrom(),
            g.ControlLook()->FixedGradientTo()};
}

#define EXPECT_COLOR(field, expected, freshValue)                                        \
    do {                                                                                 \
        const TColor e = (expected) == KEEP ? (freshValue) : (expected);                 \
        EXPECT_EQ(got.field, e) << #field << " of " << name << std::hex << " got 0x" << got.field; \
    } while (0)

void ExpectSnapshot(const char* name, const Snapshot& got, const Snapshot& want, const Snapshot& fresh)
{
    EXPECT_EQ(int(got.Look), int(want.Look)) << name;
    EXPECT_COLOR(From, want.From, fresh.From);
    EXPECT_COLOR(To, want.To, fresh.To);
    EXPECT_COLOR(MFrom, want.MFrom, fresh.MFrom);
    EXPECT_COLOR(MTo, want.MTo, fresh.MTo);
    EXPECT_COLOR(Active, want.Active, fresh.Active);
    EXPECT_COLOR(ActiveTo, want.ActiveTo, fresh.ActiveTo);
    EXPECT_COLOR(Sel, want.Sel, fresh.Sel);
    EXPECT_COLOR(SelTo, want.SelTo, fresh.SelTo);
    EXPECT_COLOR(SelText, want.SelText, fresh.SelText);
    EXPECT_EQ(int(got.SelStyle), int(want.SelStyle)) << name;
    EXPECT_COLOR(Line, want.Line, fresh.Line);
    EXPECT_COLOR(FixedLine, want.FixedLine, fresh.FixedLine);
    EXPECT_COLOR(Footer, want.Footer, fresh.Footer);
    EXPECT_COLOR(FooterTo, want.FooterTo, fresh.FooterTo);
    EXPECT_COLOR(CLFrom, want.CLFrom, fresh.CLFrom);
    EXPECT_COLOR(CLTo, want.CLTo, fresh.CLTo);
}

using L = TGridLook;
using SS = TGridSelectionStyle;
using GS = TVynGridStyle;

}  // namespace

TEST_F(Looks, EveryGridStyleFromAFreshGrid)
{
    const TColor hl = clHighlight, ht = clHighlightText, bk = clBlack;
    const TColor rgbFace = ColorToRGB(clBtnFace);
    struct Row {
        GS style;
        const char* name;
        Snapshot want;
    };
    // clang-format off
    const Row rows[] = {
        {GS::gsOffice2003Blue, "2003Blue", {L::glXP, 0xFCE1CB, 0xE0A57D, N, N, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, bk, SS::ssDefault, 0xC0C0C0, 0x808080, 0xFCE1CB, N, 0xFCE1CB, 0xE0A57D}},
        {GS::gsOffice2003Silver, "2003Silver", {L::glXP, 0xECE2E1, 0xB39698, N, N, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, bk, SS::ssDefault, 0xC0C0C0, 0x808080, 0xECE2E1, N, 0xECE2E1, 0xB39698}},
        {GS::gsOffice2003Olive, "2003Olive", {L::glXP, 0xCFF0EA, 0x8CC0B1, N, N, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, bk, SS::ssDefault, 0xC0C0C0, 0x808080, 0xCFF0EA, N, 0xCFF0EA, 0x8CC0B1}},
        {GS::gsOffice2003Classic, "2003Classic", {L::glXP, 0xFFFFFF, 0xCCD4D8, N, N, 0xD8D5D4, 0xD8D5D4, hl, N, ht, SS::ssDefault, 0xC0C0C0, 0x808080, 0xFFFFFF, N, N, N}},
        {GS::gsOffice2007Luna, "2007Luna", {L::glOffice2007, 0xFBF9F6, 0xE8DBD2, N, N, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, N, bk, SS::ssOffice2007, 0xF1EDEB, 0xD1BBA4, 0xFBF9F6, N, 0xFBF9F6, 0xE8DBD2}},
        {GS::gsOffice2007Obsidian, "2007Obsidian", {L::glOffice2007, 0xF7F7F7, 0xDEDEDE, N, N, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, N, bk, SS::ssOffice2007, 0xE5D7D0, 0x808080, 0xF7F7F7, N, 0xF7F7F7, 0xDEDEDE}},
        {GS::gsWindowsXP, "WindowsXP", {L::glXP, B, B, N, N, B, B, hl, N, ht, SS::ssDefault, 0xC0C0C0, 0x808080, B, N, N, N}},
        {GS::gsWhidbey, "Whidbey", {L::glXP, 0xFFFFFF, B, N, N, 0x94E6FB, 0x1595EE, hl, N, ht, SS::ssDefault, 0xC0C0C0, 0x808080, 0xFFFFFF, N, N, N}},
        {GS::gsCustom, "Custom", {L::glXP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, hl, N, ht, SS::ssDefault, KEEP, KEEP, KEEP, KEEP, N, N}},
        {GS::gsOffice2007Silver, "2007Silver", {L::glOffice2007, 0xF3F3F1, 0xCAC9C8, N, N, 0x99CCFF, 0x699CFF, 0x95C7F5, N, bk, SS::ssOffice2007, 0xE5D7D0, 0x808080, 0xF3F3F1, N, 0xF3F3F1, 0xCAC9C8}},
        {GS::gsWindowsVista, "Vista", {L::glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, N, bk, SS::ssVista, 0xECECF0, 0xD4D2D1, 0xFFFFFF, 0xF4F2F1, N, N}},
        {GS::gsWindows7, "Win7", {L::glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, N, bk, SS::ssWin7, 0xECECF0, 0xD4D2D1, 0xFDFCFA, 0xF7E9DD, N, N}},
        {GS::gsTerminal, "Terminal", {L::glStandard, rgbFace, N, N, N, 0x808080, N, hl, N, ht, SS::ssDefault, 0xC0C0C0, 0x808080, B, B, B, N}},
        {GS::gsOffice2010Blue, "2010Blue", {L::glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, N, bk, SS::ssDefault, 0xC0C0C0, 0xC7B0A0, 0xF5E7DA, 0xF5E7DA, N, N}},
        {GS::gsOffice2010Silver, "2010Silver", {L::glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, N, bk, SS::ssDefault, 0xC0C0C0, 0xBAB5B1, 0xE8E3DF, 0xE8E3DF, N, N}},
        {GS::gsOffice2010Black, "2010Black", {L::glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, N, bk, SS::ssDefault, 0xC0C0C0, 0x444444, 0x6A6A6A, 0x6A6A6A, N, N}},
    };
    // clang-format on
    const Snapshot freshValues = Take(*fresh);
    for (const Row& r : rows) {
        TCountingGrid* g = NewGrid();
        g->SetScrollType(TScrollType::ssMetro);
        g->SetBorderColor(0x123456);
        g->SetStyle(r.style);
        ExpectSnapshot(r.name, Take(*g), r.want, freshValues);
        // A look change sets the scroll type and the border; a style
        // without one leaves them.
        const bool lookChanged = r.want.Look != L::glXP;
        EXPECT_EQ(g->ScrollType(), lookChanged ? TScrollType::ssNormal : TScrollType::ssMetro) << r.name;
        EXPECT_EQ(g->BorderColor(), lookChanged ? TColor(0xB99D7F) : TColor(0x123456)) << r.name;
        EXPECT_GT(g->invalidations, 0) << r.name;
    }
}

TEST_F(Looks, HoverPressedAndSortHeaderColoursOfTheStylesThatWriteThem)
{
    struct Row {
        GS style;
        TColor hover[5], down[5], sort[4];
    };
    // clang-format off
    const Row rows[] = {
        {GS::gsOffice2007Luna, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}, {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, {N, N, N, N}},
        // Obsidian and Silver keep Luna's after the look change.
        {GS::gsOffice2007Obsidian, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}, {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, {N, N, N, N}},
        {GS::gsOffice2007Silver, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}, {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, {N, N, N, N}},
        {GS::gsWindowsVista, {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993}, {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}, {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
        {GS::gsWindows7, {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3}, {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}, {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
        {GS::gsOffice2010Blue, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8}, {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7}},
        {GS::gsOffice2010Silver, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8}, {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}},
        {GS::gsOffice2010Black, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8}, {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA}},
    };
    // clang-format on
    for (const Row& r : rows) {
        TCountingGrid* g = NewGrid();
        g->SetStyle(r.style);
        const TColor hover[5] = {g->VynGradientHoverFrom(), g->VynGradientHoverTo(), g->VynGradientHoverMirrorFrom(),
                                 g->VynGradientHoverMirrorTo(), g->VynGradientHoverBorder()};
        const TColor down[5] = {g->VynGradientDownFrom(), g->VynGradientDownTo(), g->VynGradientDownMirrorFrom(),
                                g->VynGradientDownMirrorTo(), g->VynGradientDownBorder()};
        TSortSettings* s = g->SortSettings();
        const TColor sort[4] = {s->HeaderColor(), s->HeaderColorTo(), s->HeaderMirrorColor(), s->HeaderMirrorColorTo()};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(hover[i], r.hover[i]) << int(r.style) << " hover " << i;
            EXPECT_EQ(down[i], r.down[i]) << int(r.style) << " down " << i;
        }
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(sort[i], r.sort[i]) << int(r.style) << " sort " << i;
    }
}

TEST_F(Looks, EveryLookFromAFreshGrid)
{
    const TColor hl = clHighlight, ht = clHighlightText, bk = clBlack;
    const TColor rgbFace = ColorToRGB(clBtnFace);
    struct Row {
        L look;
        const char* name;
        Snapshot want;
        TVynStyle style;
    };
    const TVynStyle xp = tsWindowsXP;
    // clang-format off
    const Row rows[] = {
        {L::glStandard, "Standard", {L::glStandard, rgbFace, N, N, N, 0x808080, N, hl, KEEP, ht, SS::ssDefault, 0xC0C0C0, 0x808080, B, B, B, N}, xp},
        {L::glSoft, "Soft", {L::glSoft, rgbFace, N, N, N, 0x808080, N, hl, KEEP, ht, SS::ssDefault, 0xC0C0C0, 0x808080, B, B, B, N}, xp},
        {L::glClassic, "Classic", {L::glClassic, rgbFace, N, N, N, 0x808080, N, hl, KEEP, ht, SS::ssDefault, 0xC0C0C0, 0x808080, B, B, B, N}, xp},
        {L::glVyn, "Vyn", {L::glVyn, 0xFFFFFF, 0xC0C0C0, N, N, 0xEACAB6, N, 0xEACAB6, N, bk, SS::ssDefault, 0xC0C0C0, 0x808080, 0xFFFFFF, rgbFace, 0xFFFFFF, 0xC0C0C0}, xp},
        {L::glListView, "ListView", {L::glListView, 0xFFFFFF, rgbFace, N, N, 0x808080, N, hl, KEEP, ht, SS::ssDefault, 0xC0C0C0, 0x808080, B, B, 0xFFFFFF, B}, xp},
        {L::glVista, "Vista", {L::glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, N, bk, SS::ssVista, 0xECECF0, 0xD4D2D1, 0xFFFFFF, 0xF4F2F1, N, N}, tsWindowsVista},
        {L::glWin7, "Win7", {L::glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, N, bk, SS::ssWin7, 0xECECF0, 0xD4D2D1, 0xFDFCFA, 0xF7E9DD, N, N}, tsWindows7},
        {L::glOffice2007, "Office2007", {L::glOffice2007, 0xFBF9F6, 0xE8DBD2, N, N, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, N, bk, SS::ssOffice2007, 0xF1EDEB, 0xD1BBA4, 0xFBF9F6, N, 0xFBF9F6, 0xE8DBD2}, tsOffice2007Luna},
        {L::glCustom, "Custom", {L::glCustom, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, SS::ssDefault, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP}, xp},
    };
    // clang-format on
    const Snapshot freshValues = Take(*fresh);
    for (const Row& r : rows) {
        TCountingGrid* g = NewGrid();
        g->SetScrollType(TScrollType::ssMetro);
        g->SetBorderStyle(bsNone);
        g->SetBorderColor(0x123456);
        g->invalidations = 0;
        g->SetLook(r.look);
        ExpectSnapshot(r.name, Take(*g), r.want, freshValues);
        EXPECT_EQ(g->ScrollType(), TScrollType::ssNormal) << r.name;
        EXPECT_EQ(g->BorderStyle(), bsSingle) << r.name;
        EXPECT_EQ(g->BorderColor(), TColor(0xB99D7F)) << r.name;
        EXPECT_EQ(g->ComponentStyle(), r.style) << r.name;
        EXPECT_GT(g->invalidations, 0) << r.name;
    }
    // glXP is the fresh look: reached from another look it writes its own.
    TCountingGrid* g = NewGrid();
    g->SetLook(L::glStandard);
    g->SetLook(L::glXP);
    const Snapshot want{L::glXP, 0xFFFFFF, rgbFace, N, N, 0xEACAB6, N, 0xEACAB6, N, bk, SS::ssDefault,
                        0xC0C0C0, 0x808080, 0xFFFFFF, rgbFace, 0xFFFFFF, B};
    ExpectSnapshot("XP", Take(*g), want, freshValues);
    EXPECT_EQ(g->VynGradientHoverFrom(), TColor(0xCFD0D1));
    EXPECT_EQ(g->VynGradientHoverMirrorTo(), TColor(0xABBCBF));
    EXPECT_EQ(g->VynGradientDownMirrorTo(), TColor(0x627376));
}

TEST_F(Looks, SettingTheCurrentLookChangesNothing)
{
    TCountingGrid* g = NewGrid();
    g->SetLook(L::glVista);
    g->SetScrollType(TScrollType::ssMetro);
    g->SetBorderColor(0x123456);
    g->SetBorderStyle(bsNone);
    g->SetVynGradientFrom(0x010203);
    const Snapshot before = Take(*g);
    g->invalidations = 0;
    g->SetLook(L::glVista);
    ExpectSnapshot("same look", Take(*g), before, before);
    EXPECT_EQ(g->ScrollType(), TScrollType::ssMetro);
    EXPECT_EQ(g->BorderColor(), TColor(0x123456));
    EXPECT_EQ(g->BorderStyle(), bsNone);
    EXPECT_EQ(g->invalidations, 0);
}

TEST_F(Looks, ComponentStyleAndColourTones)
{
    TCountingGrid* g = NewGrid();
    TColorTones t;
    t.Background = {0xFFFFFF, 0xAAAAAA, 0x111111};
    t.Foreground = {0x646464, 0x555555, 0x222222};
    t.Selected = {0x0078D7, 0x0078D7, 0xFFFFFF};
    t.Hover = {0xE5E5E5, 0xE5E5E5, 0x000000};
    t.Disabled = {0xCCCCCC, 0xCCCCCC, 0x888888};
    g->SetColorTones(t);
    EXPECT_EQ(g->Look(), L::glClassic);
    EXPECT_TRUE(g->Flat());
    EXPECT_EQ(g->ScrollType(), TScrollType::ssMetro);
    EXPECT_EQ(g->BorderStyle(), bsNone);
    EXPECT_EQ(g->FixedColor(), TColor(0x646464));
    EXPECT_EQ(g->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(g->Font().Color(), TColor(0x111111));
    EXPECT_EQ(g->Font().Name(), GetDefaultUIFontName());
    EXPECT_EQ(g->FixedFont()->Color(), TColor(0x222222));
    EXPECT_EQ(g->SelectionColor(), TColor(0x0078D7));
    EXPECT_EQ(g->SelectionTextColor(), TColor(0xFFFFFF));
    EXPECT_EQ(g->SelectionColorTo(), N);
    EXPECT_EQ(g->GridLineColor(), TColor(0xE6E6E6));
    // 20 % darker: every channel 100 -> 80.
    EXPECT_EQ(g->GridFixedLineColor(), TColor(0x505050));
    EXPECT_EQ(g->ControlLook()->ControlStyle(), VynObj::TControlStyle::csGlyph);
    EXPECT_TRUE(g->ControlLook()->FlatButton());
    EXPECT_FALSE(g->ControlLook()->CheckedGlyph()->Empty());
    EXPECT_EQ(g->SearchFooter()->Color(), TColor(0x646464));
    EXPECT_EQ(g->ColorTones().Hover.BrushColor, TColor(0xE5E5E5));

    // A component style leaves the metro scroll bar, tsCustom keeps it.
    g->SetComponentStyle(tsCustom);
    EXPECT_EQ(g->ScrollType(), TScrollType::ssMetro);
    g->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(g->ScrollType(), TScrollType::ssNormal);
    EXPECT_EQ(g->ComponentStyle(), tsOffice2010Black);
    EXPECT_EQ(g->VynGradientFrom(), TColor(0x6A6A6A));
}

TEST_F(Looks, SetThemeWritesTheFieldsWithoutRepainting)
{
    struct Row {
        TXPColorScheme scheme;
        TColor from, to, mfrom, mto, active, activeTo, clFrom, clTo, footer, footerTo;
    };
    const Row rows[] = {
        {TXPColorScheme::xpNone, 0xFFFFFF, B, N, N, 0xFFFFFF, 0xFFD9B3, N, N, 0xFFFFFF, 0xFFD9B3},
        {TXPColorScheme::xpBlue, 0xFCE1CB, 0xE0A57D, N, N, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D},
        {TXPColorScheme::xpGreen, 0xCFF0EA, 0x8CC0B1, N, N, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1},
        {TXPColorScheme::xpGray, 0xECE2E1, 0xB39698, N, N, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698},
        {TXPColorScheme::vistaAero, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xFFFFFF, 0xFFFFFF,
         0xECE2E1, 0xB39698},
    };
    for (const Row& r : rows) {
        TCountingGrid* g = NewGrid();
        g->ControlLook()->SetFixedGradientFrom(0x010101);
        g->invalidations = 0;
        g->SetTheme(r.scheme);
        EXPECT_EQ(g->invalidations, 0) << int(r.scheme);
        EXPECT_EQ(g->VynGradientFrom(), r.from);
        EXPECT_EQ(g->VynGradientTo(), r.to);
        EXPECT_EQ(g->VynGradientMirrorFrom(), r.mfrom);
        EXPECT_EQ(g->VynGradientMirrorTo(), r.mto);
        EXPECT_EQ(g->ActiveCellColor(), r.active);
        EXPECT_EQ(g->ActiveCellColorTo(), r.activeTo);
        EXPECT_EQ(g->ControlLook()->FixedGradientFrom(), r.clFrom);
        EXPECT_EQ(g->ControlLook()->FixedGradientTo(), r.clTo);
        EXPECT_EQ(g->SearchFooter()->Color(), r.footer);
        EXPECT_EQ(g->SearchFooter()->ColorTo(), r.footerTo);
    }
}

TEST_F(Looks, AppearanceSetters)
{
    TCountingGrid* g = NewGrid();
    struct Row {
        int in, out;
    };
    for (const Row r : {Row{150, 100}, Row{-5, 0}, Row{40, 40}, Row{100, 100}}) {
        g->SetSelectionColorMixerFactor(r.in);
        EXPECT_EQ(g->SelectionColorMixerFactor(), r.out) << r.in;
    }
    g->SetSelectionRectangle(false);
    g->SetSelectionResizer(false);
    g->SetOptions(TGridOptions{});
    g->SetSpreadSheet(false);
    EXPECT_FALSE(g->SpreadSheet());
    EXPECT_TRUE(g->SelectionRectangle());
    EXPECT_TRUE(g->SelectionResizer());
    EXPECT_TRUE(g->Navigation()->AllowSmartClipboard());
    EXPECT_TRUE(g->MouseActions()->RangeSelectAndEdit());
    EXPECT_TRUE(g->Options().Contains(goRangeSelect));
    EXPECT_TRUE(g->Options().Contains(goEditing));

    // Repaint only on a change.
    g->SetSelectionColor(0x112233);
    g->invalidations = 0;
    g->SetSelectionColor(0x112233);
    EXPECT_EQ(g->invalidations, 0);
    g->SetSelectionColor(0x332211);
    EXPECT_EQ(g->invalidations, 1);

    EXPECT_EQ(TVynStringGrid::LookToText(L::glOffice2007), "glOffice2007");
    EXPECT_EQ(TVynStringGrid::LookToText(L::glCustom), "");
    EXPECT_EQ(TVynStringGrid::LookToDisplayName(L::glXP), "Windows XP");
    EXPECT_EQ(TVynStringGrid::LookToDisplayName(L::glCustom), "");
}

// ---- the Office theme ---------------------------------------------------------------------------

namespace {

struct FakeThemeSource : TOfficeThemeSource {
    bool has11 = false, has12 = false, has14 = false;
    int theme12 = -1, theme14 = -1;
    int scheme = 0;
    std::function<void()> onChange;
    bool HasOfficeSettings(int Major) override
    {
        return Major == 14 ? has14 : Major == 12 ? has12 : Major == 11 ? has11 : false;
    }
    bool ReadTheme(int Major, int& Value) override
    {
        const int v = Major == 14 ? theme14 : Major == 12 ? theme12 : -1;
        if (v < 0)
            return false;
        Value = v;
        return true;
    }
    int ColorScheme() override { return scheme; }
    void SetOnChange(std::function<void()> F) override { onChange = std::move(F); }
};

struct SourceScope {
    FakeThemeSource* fake;
    SourceScope()
    {
        auto f = std::make_unique<FakeThemeSource>();
        fake = f.get();
        SetOfficeThemeSource(std::move(f));
    }
    ~SourceScope() { SetOfficeThemeSource(nullptr); }
};

// Counts the theme-change messages it gets.
class TThemeWindow : public TWinControl {
public:
    using TWinControl::TWinControl;
    int changes = 0;
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_OFFICETHEMECHANGE)
            ++changes;
        TWinControl::WndProc(Message);
    }
};

}  // namespace

TEST(OfficeTheme, QueriesReadTheSource)
{
    // The default source: no Office, no colour scheme.
    EXPECT_EQ(GetOfficeVersion(), 0);
    EXPECT_EQ(GetOfficeTheme(), TOfficeTheme::ot2003Classic);
    EXPECT_TRUE(IsWinVistaOrLater());
    EXPECT_EQ(GetDefaultUIFontName(), "DejaVu Sans");

    SourceScope s;
    struct Row {
        bool has12, has14;
        int theme12, theme14, scheme;
        int version;
        TOfficeTheme theme;
    };
    const Row rows[] = {
        {false, false, -1, -1, 0, 0, TOfficeTheme::ot2003Classic},
        {false, false, -1, -1, 1, 0, TOfficeTheme::ot2003Blue},
        {false, false, -1, -1, 2, 0, TOfficeTheme::ot2003Olive},
        {false, false, -1, -1, 3, 0, TOfficeTheme::ot2003Silver},
        {false, false, -1, -1, 9, 0, TOfficeTheme::ot2003Classic},
        {true, false, 1, -1, 0, 1, TOfficeTheme::ot2007Blue},
        {true, false, 2, -1, 0, 1, TOfficeTheme::ot2007Silver},
        {true, false, 3, -1, 0, 1, TOfficeTheme::ot2007Black},
        {true, true, 1, 3, 0, 2, TOfficeTheme::ot2010Black},  // 2010 wins over 2007
        {false, true, -1, 1, 0, 2, TOfficeTheme::ot2010Blue},
        {false, true, -1, 2, 0, 2, TOfficeTheme::ot2010Silver},
        {false, true, -1, 4, 0, 2, TOfficeTheme::ot2003Blue},
        {true, false, 4, -1, 0, 1, TOfficeTheme::ot2003Blue},
    };
    for (const Row& r : rows) {
        s.fake->has12 = r.has12;
        s.fake->has14 = r.has14;
        s.fake->theme12 = r.theme12;
        s.fake->theme14 = r.theme14;
        s.fake->scheme = r.scheme;
        EXPECT_EQ(GetOfficeVersion(), r.version);
        EXPECT_EQ(GetOfficeTheme(), r.theme) << r.theme12 << " " << r.theme14 << " " << r.scheme;
    }
}

TEST(OfficeTheme, NotifierFollowsOnlyOffice2007And2010)
{
    TestKit::InputStateScope input;
    {
        // Only 2003 settings: nothing is followed, registering does nothing.
        SourceScope s;
        s.fake->has11 = true;
        TThemeNotifier* n = GetThemeNotifier();
        EXPECT_FALSE(n->Monitoring());
        EXPECT_FALSE(bool(s.fake->onChange));
        TThemeWindow w(nullptr);
        n->RegisterWindow(&w);
        EXPECT_EQ(n->WindowCount(), 0);
    }
    SourceScope s;
    s.fake->has12 = true;
    TThemeNotifier* n = GetThemeNotifier();
    ASSERT_TRUE(n->Monitoring());
    ASSERT_TRUE(bool(s.fake->onChange));
    TForm form(nullptr);
    auto* a = new TThemeWindow(&form);
    auto* b = new TThemeWindow(&form);
    auto* gone = new TThemeWindow(&form);
    n->RegisterWindow(a);
    n->RegisterWindow(a);
    n->RegisterWindow(b);
    n->RegisterWindow(gone);
    EXPECT_EQ(n->WindowCount(), 3);
    n->UnRegisterWindow(nullptr);
    EXPECT_EQ(n->WindowCount(), 3);
    int events = 0;
    n->OnOfficeThemeChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, n);
        ++events;
    };
    delete gone;
    s.fake->onChange();
    // Posted, not sent: nothing arrives before the queue runs.
    EXPECT_EQ(a->changes, 0);
    ProcessPostedMessages();
    EXPECT_EQ(a->changes, 1);
    EXPECT_EQ(b->changes, 1);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(n->WindowCount(), 2);
    n->UnRegisterWindow(b);
    s.fake->onChange();
    ProcessPostedMessages();
    EXPECT_EQ(a->changes, 2);
    EXPECT_EQ(b->changes, 1);
}

TEST(OfficeTheme, AdaptToOfficeThemeAppliesEachThemeOnce)
{
    TestKit::InputStateScope input;
    SourceScope s;
    TForm form(nullptr);
    auto* g = new TCountingGrid(&form);
    s.fake->has14 = true;
    s.fake->theme14 = 3;
    g->AdaptToOfficeTheme();
    EXPECT_EQ(g->ComponentStyle(), tsOffice2010Black);
    EXPECT_EQ(g->OfficeTheme(), TOfficeTheme::ot2010Black);
    // The same theme again: no second style (a changed colour stays).
    g->SetActiveCellColor(0x010203);
    g->AdaptToOfficeTheme();
    EXPECT_EQ(g->ActiveCellColor(), TColor(0x010203));
    // otUnknown changes nothing but is remembered, so the next real theme
    // applies again.
    g->ApplyOfficeTheme(TOfficeTheme::otUnknown);
    EXPECT_EQ(g->ActiveCellColor(), TColor(0x010203));
    EXPECT_EQ(g->OfficeTheme(), TOfficeTheme::otUnknown);
    g->AdaptToOfficeTheme();
    EXPECT_EQ(g->ActiveCellColor(), TColor(0x5BD5FF));
    const struct {
        TOfficeTheme theme;
        TVynStyle style;
    } map[] = {{TOfficeTheme::ot2003Blue, tsOffice2003Blue},     {TOfficeTheme::ot2003Silver, tsOffice2003Silver},
               {TOfficeTheme::ot2003Olive, tsOffice2003Olive},   {TOfficeTheme::ot2003Classic, tsOffice2003Classic},
               {TOfficeTheme::ot2007Blue, tsOffice2007Luna},     {TOfficeTheme::ot2007Silver, tsOffice2007Silver},
               {TOfficeTheme::ot2007Black, tsOffice2007Obsidian}, {TOfficeTheme::ot2010Blue, tsOffice2010Blue},
               {TOfficeTheme::ot2010Silver, tsOffice2010Silver}, {TOfficeTheme::ot2010Black, tsOffice2010Black}};
    for (const auto& m : map) {
        g->ApplyOfficeTheme(m.theme);
        EXPECT_EQ(g->ComponentStyle(), m.style) << int(m.theme);
    }
}
