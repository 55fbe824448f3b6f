// The grid's looks and styles: SetLook, SetStyle, SetComponentStyle,
// SetColorTones, SetTheme, AdaptToOfficeTheme and the appearance setters
// (docs/GRID.md, "Looks and styles"). The entries call each other and a
// later write wins, so the order of the writes below is part of the result.
#include <algorithm>

#include "controls/dropdown/VynDropDown.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/vyn_style_if.h"
#include "platform/gui/bitmap.h"

namespace {

using L = TGridLook;
using S = TVynGridStyle;

bool isLoading(const TComponent& C) { return C.ComponentState().Contains(TComponentStateItem::csLoading); }

void setSortHeader(TSortSettings& SS, TColor C, TColor CTo, TColor M, TColor MTo)
{
    SS.SetHeaderColor(C);
    SS.SetHeaderColorTo(CTo);
    SS.SetHeaderMirrorColor(M);
    SS.SetHeaderMirrorColorTo(MTo);
}

void setHover(TControlLook& CL, TColor From, TColor To, TColor MFrom, TColor MTo, TColor Border)
{
    CL.SetFixedGradientHoverFrom(From);
    CL.SetFixedGradientHoverTo(To);
    CL.SetFixedGradientHoverMirrorFrom(MFrom);
    CL.SetFixedGradientHoverMirrorTo(MTo);
    CL.SetFixedGradientHoverBorder(Border);
}

void setDown(TControlLook& CL, TColor From, TColor To, TColor MFrom, TColor MTo, TColor Border)
{
    CL.SetFixedGradientDownFrom(From);
    CL.SetFixedGradientDownTo(To);
    CL.SetFixedGradientDownMirrorFrom(MFrom);
    CL.SetFixedGradientDownMirrorTo(MTo);
    CL.SetFixedGradientDownBorder(Border);
}

// The values of one row of the style table; a flag off leaves that group.
struct TStyleRow {
    S Style;
    int Look;  // -1: unchanged
    bool Grad;
    TColor From, To, MFrom, MTo;
    bool KeepMirrors;
    bool Active;
    TColor ActiveColor, ActiveTo;
    bool Sel;
    TColor SelColor, SelTo, SelText;
    bool Lines;
    TColor Line, FixedLine;
    bool FooterPair;
    TColor Footer1, Footer2;
    int CL;  // 0: ControlLook From/To none, 1: = From/To, 2: untouched
};

constexpr TColor N = clNone;
constexpr TColor B = clBtnFace;
constexpr int XP = int(L::glXP), O7 = int(L::glOffice2007);

// clang-format off
const TStyleRow StyleRows[] = {
    {S::gsOffice2003Blue,    XP, true, 0xFCE1CB, 0xE0A57D, N, N, false, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB, 0x1595EE, clBlack, true, 0xC0C0C0, 0x808080, true, 0xFCE1CB, 0xE0A57D, 1},
    {S::gsOffice2003Silver,  XP, true, 0xECE2E1, 0xB39698, N, N, false, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB, 0x1595EE, clBlack, true, 0xC0C0C0, 0x808080, true, 0xECE2E1, 0xB39698, 1},
    {S::gsOffice2003Olive,   XP, true, 0xCFF0EA, 0x8CC0B1, N, N, false, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB, 0x1595EE, clBlack, true, 0xC0C0C0, 0x808080, true, 0xCFF0EA, 0x8CC0B1, 1},
    {S::gsOffice2003Classic, XP, true, 0xFFFFFF, 0xCCD4D8, N, N, false, true, 0xD8D5D4, 0xD8D5D4, false, 0, 0, 0,                 true, 0xC0C0C0, 0x808080, true, 0xFFFFFF, 0xD8D5D4, 0},
    {S::gsOffice2007Luna,    O7, true, 0xFBF9F6, 0xE8DBD2, N, N, false, true, 0x9DD8F9, 0x5EC1F1, true, 0x5EC1F1, N, clBlack,        true, 0xF1EDEB, 0xD1BBA4, true, 0xFFEFE3, 0xFFD2AF, 1},
    {S::gsOffice2007Obsidian,O7, true, 0xF7F7F7, 0xDEDEDE, N, N, false, true, 0x9DD8F9, 0x5EC1F1, true, 0x5EC1F1, N, clBlack,        true, 0xE5D7D0, 0x808080, true, 0xF2F1F0, 0xC9C2BD, 1},
    {S::gsWindowsXP,         XP, true, B, B, N, N,               false, true, B, B,               false, 0, 0, 0,                 true, 0xC0C0C0, 0x808080, true, B, B,               0},
    {S::gsWhidbey,           -1, true, 0xFFFFFF, B, N, N,        false, true, 0x94E6FB, 0x1595EE, false, 0, 0, 0,                 true, 0xC0C0C0, 0x808080, true, 0xEBEEEF, 0x7E9898, 0},
    {S::gsCustom,            -1, false, 0, 0, 0, 0,              false, false, 0, 0,              false, 0, 0, 0,                 false, 0, 0,              false, 0, 0,               2},
    {S::gsOffice2007Silver,  O7, true, 0xF3F3F1, 0xCAC9C8, N, N, true,  true, 0x99CCFF, 0x699CFF, true, 0x95C7F5, N, clBlack,        true, 0xE5D7D0, 0x808080, true, 0xEEEEEE, 0xC1C1C1, 1},
    {S::gsWindowsVista,      int(L::glVista), true, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, false, true, 0xFDF8F1, 0xFCEFD5, true, 0xEACAB6, N, clBlack, true, 0xECECF0, 0xD4D2D1, false, 0, 0, 2},
    {S::gsWindows7,          int(L::glWin7), true, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, false, true, 0xFCEBDC, 0xFCDBC1, true, 0xEACAB6, N, clBlack, true, 0xECECF0, 0xD4D2D1, false, 0, 0, 2},
    {S::gsTerminal,          int(L::glStandard), false, 0, 0, 0, 0, false, false, 0, 0,     false, 0, 0, 0,                 false, 0, 0,              false, 0, 0,               2},
    {S::gsOffice2010Blue,    O7, true, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, false, true, 0x5BD5FF, 0x71EFFF, true, 0xFFDBB7, N, clBlack, true, 0xC0C0C0, 0xC7B0A0, false, 0, 0, 2},
    {S::gsOffice2010Silver,  O7, true, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, false, true, 0x5BD5FF, 0x71EFFF, true, 0xFFDBB7, N, clBlack, true, 0xC0C0C0, 0xBAB5B1, false, 0, 0, 2},
    {S::gsOffice2010Black,   O7, true, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, false, true, 0x5BD5FF, 0x71EFFF, true, 0xFFDBB7, N, clBlack, true, 0xC0C0C0, 0x444444, false, 0, 0, 2},
};
// clang-format on

}  // namespace

// ---- names --------------------------------------------------------------------------------------

String TVynStringGrid::LookToText(TGridLook ALook)
{
    static const char* const names[] = {"glStandard", "glSoft",  "glClassic", "glVyn",        "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007", ""};
    return QString::fromLatin1(names[int(ALook)]);
}

String TVynStringGrid::LookToDisplayName(TGridLook ALook)
{
    static const char* const names[] = {"Standard",    "Soft",          "Classic",   "Vyn",        "Windows XP",
                                        "ListView",    "Windows Vista", "Windows 7", "Office2007", ""};
    return QString::fromLatin1(names[int(ALook)]);
}

// ---- the look -----------------------------------------------------------------------------------

void TVynStringGrid::SetLook(TGridLook Value)
{
    if (Value == FLook)
        return;
    FLook = Value;
    TControlLook& CL = *FControlLook;
    // 1.
    if (Value != L::glCustom) {
        CL.SetFixedGradientMirrorFrom(clNone);
        CL.SetFixedGradientMirrorTo(clNone);
        CL.SetFixedGradientFrom(clNone);
        CL.SetFixedGradientTo(clNone);
        FVynGradientFrom = FVynGradientTo = FVynGradientMirrorFrom = FVynGradientMirrorTo = clNone;
        FSortSettings->SetHeaderColor(clNone);
    }
    // 2. and 3.
    switch (Value) {
    case L::glVista:
        SetStyle(S::gsWindowsVista);
        FStyle = tsWindowsVista;
        SetSelectionStyle(TGridSelectionStyle::ssVista);
        break;
    case L::glWin7:
        SetStyle(S::gsWindows7);
        FStyle = tsWindows7;
        SetSelectionStyle(TGridSelectionStyle::ssWin7);
        break;
    case L::glOffice2007:
        SetStyle(S::gsOffice2007Luna);
        FStyle = tsOffice2007Luna;
        SetSelectionStyle(TGridSelectionStyle::ssOffice2007);
        break;
    case L::glCustom: break;
    default: ApplyLookColours(Value); break;
    }
    // 4.
    FScrollType = TScrollType::ssNormal;
    SetBorderStyle(bsSingle);
    FBorderColor = 0xB99D7F;
    PaintBorder();
    Invalidate();
    if (!isLoading(*this))
        UpdateFooter();
}

// Step 3 of SetLook: the looks that are no style of their own.
void TVynStringGrid::ApplyLookColours(TGridLook Value)
{
    TControlLook& CL = *FControlLook;
    if (!FDesigning)
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* dd = dynamic_cast<TVynCustomDropDown*>(Components(i)))
                dd->SetComponentStyle(tsWindowsXP);
    SetSelectionStyle(TGridSelectionStyle::ssDefault);
    if (isLoading(*this))
        return;
    const bool plain = Value == L::glStandard || Value == L::glSoft || Value == L::glClassic;
    TColor from = 0xFFFFFF, to = clBtnFace;
    if (plain) {
        SetFixedColor(clBtnFace);
        from = clBtnFace;
        to = clNone;
    }
    CL.SetFixedGradientFrom(from);
    CL.SetFixedGradientTo(to);
    SetGridFixedLineColor(0x808080);
    CL.SetFixedGradientMirrorFrom(clNone);
    CL.SetFixedGradientMirrorTo(clNone);
    FVynGradientMirrorFrom = FVynGradientMirrorTo = clNone;
    SetGridLineColor(0xC0C0C0);
    if (plain || Value == L::glListView) {
        FActiveCellColor = 0x808080;
        FActiveCellColorTo = clNone;
        FSelectionColor = clHighlight;
        FSelectionTextColor = clHighlightText;
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
    } else if (Value == L::glVyn || Value == L::glXP) {
        FActiveCellColor = 0xEACAB6;
        FActiveCellColorTo = clNone;
        FSelectionColor = 0xEACAB6;
        FSelectionColorTo = clNone;
        FSelectionTextColor = clBlack;
        FSearchFooter->SetColor(FVynGradientFrom);
        FSearchFooter->SetColorTo(FVynGradientTo);
        CL.SetFixedGradientFrom(0xFFFFFF);
        CL.SetFixedGradientTo(Value == L::glXP ? clBtnFace : TColor(0xC0C0C0));
        setHover(CL, 0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, CL.FixedGradientHoverBorder());
        setDown(CL, 0x868788, 0x737C7E, 0x737C7E, 0x627376, CL.FixedGradientDownBorder());
    }
}

// ---- the grid styles ----------------------------------------------------------------------------

void TVynStringGrid::SetStyle(TVynGridStyle AStyle)
{
    TControlLook& CL = *FControlLook;
    // The common start.
    FSelectionColor = clHighlight;
    FSelectionColorTo = clNone;
    FSelectionTextColor = clHighlightText;
    SetSelectionStyle(TGridSelectionStyle::ssDefault);
    setSortHeader(*FSortSettings, clNone, clNone, clNone, clNone);
    CL.Init();

    const TStyleRow& R = StyleRows[int(AStyle)];
    if (R.Look >= 0)
        SetLook(TGridLook(R.Look));
    const bool office2010 =
        AStyle == S::gsOffice2010Blue || AStyle == S::gsOffice2010Silver || AStyle == S::gsOffice2010Black;
    if (R.Grad) {
        FVynGradientFrom = R.From;
        FVynGradientTo = R.To;
        if (!R.KeepMirrors) {
            FVynGradientMirrorFrom = R.MFrom;
            FVynGradientMirrorTo = R.MTo;
        }
    }
    if (R.Active) {
        FActiveCellColor = R.ActiveColor;
        FActiveCellColorTo = R.ActiveTo;
    }
    if (R.Sel) {
        FSelectionColor = R.SelColor;
        FSelectionColorTo = R.SelTo;
        FSelectionTextColor = R.SelText;
    }
    if (R.Lines) {
        SetGridLineColor(R.Line);
        SetGridFixedLineColor(R.FixedLine);
    }
    if (R.FooterPair) {
        FSearchFooter->SetColor(R.Footer1);
        FSearchFooter->SetColorTo(R.Footer2);
    }
    if (R.Grad) {
        FSearchFooter->SetColor(FVynGradientFrom);
        FSearchFooter->SetColorTo(FVynGradientMirrorTo);
    }
    if (R.CL == 0) {
        CL.SetFixedGradientFrom(clNone);
        CL.SetFixedGradientTo(clNone);
    } else if (R.CL == 1) {
        CL.SetFixedGradientFrom(FVynGradientFrom);
        CL.SetFixedGradientTo(FVynGradientTo);
    }

    switch (AStyle) {
    case S::gsOffice2007Luna:
        setHover(CL, 0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87);
        setDown(CL, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D);
        if (FLook == L::glOffice2007)
            SetSelectionStyle(TGridSelectionStyle::ssOffice2007);
        break;
    case S::gsWindowsVista:
    case S::gsWindows7: {
        const bool vista = AStyle == S::gsWindowsVista;
        if (vista) {
            FVynGradientHoverFrom = FVynGradientHoverTo = 0xFFF7E3;
            FVynGradientHoverMirrorFrom = 0xFFEDBD;
            FVynGradientHoverMirrorTo = 0xFBE7B7;
            FVynGradientHoverBorder = 0xE3C993;
        } else {
            FVynGradientHoverFrom = 0xFDF8F3;
            FVynGradientHoverTo = 0xF9F3EF;
            FVynGradientHoverMirrorFrom = FVynGradientHoverMirrorTo = clNone;
            FVynGradientHoverBorder = 0xEEE8E3;
        }
        CL.SetFixedGradientFrom(FVynGradientFrom);
        CL.SetFixedGradientTo(FVynGradientTo);
        CL.SetFixedGradientMirrorFrom(FVynGradientMirrorFrom);
        CL.SetFixedGradientMirrorTo(FVynGradientMirrorTo);
        if (vista)
            setHover(CL, FVynGradientHoverFrom, FVynGradientHoverTo, FVynGradientHoverMirrorFrom,
                     FVynGradientHoverMirrorTo, FVynGradientHoverBorder);
        else
            setHover(CL, 0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, FVynGradientHoverBorder);
        if (vista)
            setDown(CL, 0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F);
        else
            setDown(CL, 0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA);
        setSortHeader(*FSortSettings, 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
        CL.SetFixedGradientFrom(clNone);
        CL.SetFixedGradientTo(clNone);
        FSearchFooter->SetColor(FVynGradientFrom);
        FSearchFooter->SetColorTo(FVynGradientMirrorTo);
        SetSelectionStyle(vista ? TGridSelectionStyle::ssVista : TGridSelectionStyle::ssWin7);
        break;
    }
    default:
        if (office2010) {
            FVynGradientHoverFrom = FVynGradientHoverTo = clNone;
            FVynGradientHoverMirrorFrom = FVynGradientHoverMirrorTo = clNone;
            FVynGradientHoverBorder = clNone;
            CL.SetFixedGradientFrom(FVynGradientFrom);
            CL.SetFixedGradientTo(FVynGradientTo);
            CL.SetFixedGradientMirrorFrom(FVynGradientMirrorFrom);
            CL.SetFixedGradientMirrorTo(FVynGradientMirrorTo);
            setHover(CL, 0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8);
            setDown(CL, 0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2);
            const TColor sort = AStyle == S::gsOffice2010Blue     ? TColor(0xD6CEC7)
                                : AStyle == S::gsOffice2010Silver ? TColor(0xAAAAAA)
                                                                  : TColor(0xBABABA);
            setSortHeader(*FSortSettings, sort, sort, sort, sort);
            CL.SetFixedGradientFrom(clNone);
            CL.SetFixedGradientTo(clNone);
            FSearchFooter->SetColor(FVynGradientFrom);
            FSearchFooter->SetColorTo(FVynGradientMirrorTo);
            SetSelectionStyle(TGridSelectionStyle::ssDefault);
        }
        break;
    }
    Invalidate();
}

void TVynStringGrid::SetComponentStyle(TVynStyle AStyle)
{
    FStyle = AStyle;
    SetStyle(TVynGridStyle(int(AStyle)));
    // A look change inside SetStyle notes the look's own style; the grid
    // keeps the one it was given.
    FStyle = AStyle;
    if (!FDesigning)
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* dd = dynamic_cast<TVynCustomDropDown*>(Components(i)))
                dd->SetComponentStyle(AStyle);
    if (AStyle != tsCustom && FScrollType == TScrollType::ssMetro)
        FScrollType = TScrollType::ssNormal;
}

void TVynStringGrid::SetColorTones(const TColorTones& ATones)
{
    FColorTones = ATones;
    FTones.BrushColor = ATones.Background.BrushColor;
    FTones.BorderColor = ATones.Background.BorderColor;
    SetLook(L::glClassic);
    SetFlat(true);
    FScrollType = TScrollType::ssMetro;
    SetFixedColor(ATones.Foreground.BrushColor);
    FFixedFont->SetColor(ATones.Foreground.TextColor);
    FFixedFont->SetName(GetDefaultUIFontName());
    SetColor(ATones.Background.BrushColor);
    Font().SetName(GetDefaultUIFontName());
    Font().SetColor(ATones.Background.TextColor);
    FSelectionColor = ATones.Selected.BrushColor;
    FSelectionTextColor = ATones.Selected.TextColor;
    FSelectionColorTo = clNone;
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(ChangeBrightness(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);
    TControlLook& CL = *FControlLook;
    CL.SetControlStyle(VynObj::TControlStyle::csGlyph);
    TBitmap glyph;
    if (LoadResourceBitmap("metrocheckon", glyph))
        CL.SetCheckedGlyph(glyph);
    if (LoadResourceBitmap("metrocheckoff", glyph))
        CL.SetUnCheckedGlyph(glyph);
    if (LoadResourceBitmap("metroradiooff", glyph))
        CL.SetRadioOffGlyph(glyph);
    if (LoadResourceBitmap("metroradioon", glyph))
        CL.SetRadioOnGlyph(glyph);
    if (!FDesigning)
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* dd = dynamic_cast<TVynCustomDropDown*>(Components(i)))
                dd->SetColorTones(ATones);
    CL.SetFlatButton(true);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
}

void TVynStringGrid::SetTheme(TXPColorScheme Scheme)
{
    struct Row {
        TColor From, To, MFrom, MTo, Active, ActiveTo, Footer, FooterTo;
        bool CLFromTo;
    };
    static const Row rows[] = {
        {0xFFFFFF, clBtnFace, clNone, clNone, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3, false},
        {0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},
        {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},
        {0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
        {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
    };
    const Row& r = rows[int(Scheme)];
    FVynGradientFrom = r.From;
    FVynGradientTo = r.To;
    FVynGradientMirrorFrom = r.MFrom;
    FVynGradientMirrorTo = r.MTo;
    FActiveCellColor = r.Active;
    FActiveCellColorTo = r.ActiveTo;
    // The fields only: a detached copy takes the writes, then goes back
    // without telling the grid.
    TControlLook copy(nullptr);
    copy.Assign(*FControlLook);
    copy.SetFixedGradientFrom(r.CLFromTo ? r.From : clNone);
    copy.SetFixedGradientTo(r.CLFromTo ? r.To : clNone);
    FControlLook->Assign(copy);
    FSearchFooter->SetColor(r.Footer);
    FSearchFooter->SetColorTo(r.FooterTo);
}

void TVynStringGrid::AdaptToOfficeTheme()
{
    if (FDesigning)
        return;
    ApplyOfficeTheme(GetOfficeTheme());
}

void TVynStringGrid::ApplyOfficeTheme(TOfficeTheme ATheme)
{
    if (ATheme != FOfficeTheme && ATheme != TOfficeTheme::otUnknown) {
        static const TVynStyle map[] = {tsOffice2003Blue,   tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
                                        tsOffice2007Luna,   tsOffice2007Silver, tsOffice2007Obsidian,
                                        tsOffice2010Blue,   tsOffice2010Silver, tsOffice2010Black};
        SetComponentStyle(map[int(ATheme)]);
    }
    FOfficeTheme = ATheme;
}

// ---- appearance setters -------------------------------------------------------------------------

void TVynStringGrid::SetRepaintColor(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Invalidate();
}

#define VYN_REPAINT_BOOL(N)                      \
    void TVynStringGrid::Set##N(const bool& Value) \
    {                                            \
        if (F##N == Value)                       \
            return;                              \
        F##N = Value;                            \
        Invalidate();                            \
    }
VYN_REPAINT_BOOL(SelectionColorMixer)
VYN_REPAINT_BOOL(SelectionRectangle)
VYN_REPAINT_BOOL(SelectionResizer)
#undef VYN_REPAINT_BOOL

void TVynStringGrid::SetSelectionColorMixerFactor(const int& Value)
{
    if (Value == FSelectionColorMixerFactor)
        return;
    FSelectionColorMixerFactor = std::clamp(Value, 0, 100);
    Invalidate();
}

void TVynStringGrid::SetVAlignment(const TVAlignment& Value)
{
    FVAlignment = Value;
    FVAlign = Value == TVAlignment::vtaCenter ? DT_VCENTER : Value == TVAlignment::vtaBottom ? DT_BOTTOM : 0u;
    if (FUpdateCount == 0)
        Invalidate();
}

void TVynStringGrid::SetSpreadSheet(bool Value)
{
    FSpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    FMouseActions->SetRangeSelectAndEdit(true);
    SetOptions(Options() + TGridOptions{goRangeSelect, goEditing});
}
