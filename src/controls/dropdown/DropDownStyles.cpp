// The component styles, colour tones and selection looks of a drop-down.
#include <iterator>

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/VynDropDown.h"
#include "grid/core/grid_draw.h"

namespace {

// A table cell that leaves the value as it was.
constexpr TColor KEEP = TColor(0x7EFEFEFE);

struct TPopupColors {
    TColor Color, ColorTo, BorderColor;
    TColor HeaderColor, HeaderColorTo, FontColor, HeaderBorder;
    TColor FooterColor, FooterColorTo, FooterBorder;
};

// Popup, header and footer colours by style (tsCustom keeps everything).
const TPopupColors kPopup[] = {
    /* tsOffice2003Blue */ {0xFFFFFF, clNone, KEEP, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x962D00},
    /* tsOffice2003Silver */ {0xFFFFFF, clNone, KEEP, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x947C7C},
    /* tsOffice2003Olive */ {0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x588060},
    /* tsOffice2003Classic */ {0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0x808080},
    /* tsOffice2007Luna */ {0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0xFFD2AF},
    /* tsOffice2007Obsidian */ {0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x5C534C},
    /* tsWindowsXP */ {0xFFFFFF, clNone, KEEP, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0xFFFFFF, clBtnFace, 0x808080},
    /* tsWhidbey */ {0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0x962D00},
    /* tsCustom */ {KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP},
    /* tsOffice2007Silver */ {0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x74706F},
    /* tsWindowsVista */ {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0xFCF2DA},
    /* tsWindows7 */ {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8},
    /* tsTerminal */ {0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0x000000, clNone, clBtnFace, clBtnFace, clNone},
    /* tsOffice2010Blue */ {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0xC7B29F},
    /* tsOffice2010Silver */ {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8},
    /* tsOffice2010Black */ {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0x6D6D6D},
};
static_assert(std::size(kPopup) == 16);

struct TButtonColors {
    TColor Color, ColorTo, BorderColor;
    TColor Hot, HotTo, HotBorder, Down, DownTo, DownBorder, Disabled, DisabledTo, Checked, CheckedTo, CheckedBorder;
};

#define SET_O 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B
#define SET_T 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE

// The bar buttons' colours by style.
const TButtonColors kButtons[] = {
    /* tsOffice2003Blue */ {0xFCE1CB, 0xE0A57D, clNone, SET_O},
    /* tsOffice2003Silver */ {0xECE2E1, 0xB39698, clNone, SET_O},
    /* tsOffice2003Olive */ {0xCFF0EA, 0x8CC0B1, clNone, SET_O},
    /* tsOffice2003Classic */ {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080,
                               0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080},
    /* tsOffice2007Luna */ {0xFFEFE3, 0xFFDDC4, clNone, SET_O},
    /* tsOffice2007Obsidian */ {0xF2F1F0, 0xC9C2BD, clNone, SET_O},
    /* tsWindowsXP */ {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption,
                       clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000},
    /* tsWhidbey */ {0xFFFFFF, 0xDFEDF0, clNone, SET_O},
    /* tsCustom */ {KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP, KEEP},
    /* tsOffice2007Silver */ {0xF9F8F8, 0xE4E2DF, clNone, SET_O},
    /* tsWindowsVista */ {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF,
                          0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
    /* tsWindows7 */ {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF,
                      0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D},
    /* tsTerminal */ {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080,
                      clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight},
    /* tsOffice2010Blue */ {0xFDF6EF, 0xF0DAC7, 0xC7B29F, SET_T},
    /* tsOffice2010Silver */ {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, SET_T},
    /* tsOffice2010Black */ {0xBFBFBF, 0x919191, 0xD7D7D6, SET_T},
};
static_assert(std::size(kButtons) == 16);
#undef SET_O
#undef SET_T

template <typename Setter>
void put(TColor Value, Setter Set)
{
    if (Value != KEEP)
        Set(Value);
}

}  // namespace

void TVynCustomDropDown::SetComponentStyle(TVynStyle AStyle)
{
    fVynStyle_ = AStyle;
    const int i = int(AStyle);
    if (i < 0 || i >= int(std::size(kPopup)) || AStyle == tsCustom)
        return;
    const TPopupColors& p = kPopup[i];
    put(p.Color, [this](TColor c) { SetDropDownColor(c); });
    put(p.ColorTo, [this](TColor c) { fDropDownColorTo_ = c; });
    put(p.BorderColor, [this](TColor c) { fDropDownBorderColor_ = c; });
    THeaderAppearance& h = *fDropDownHeader_;
    TFooterAppearance& f = *fDropDownFooter_;
    put(p.HeaderColor, [&](TColor c) { h.SetColor(c); });
    put(p.HeaderColorTo, [&](TColor c) { h.SetColorTo(c); });
    put(p.FontColor, [&](TColor c) {
        h.Font().SetColor(c);
        f.Font().SetColor(c);
    });
    put(p.HeaderBorder, [&](TColor c) { h.SetBorderColor(c); });
    put(p.FooterColor, [&](TColor c) { f.SetColor(c); });
    put(p.FooterColorTo, [&](TColor c) { f.SetColorTo(c); });
    put(p.FooterBorder, [&](TColor c) { f.SetBorderColor(c); });

    const TButtonColors& b = kButtons[i];
    TVynButtonAppearance& a = *fButtonAppearance_;
    put(b.Color, [&](TColor c) { a.SetColor(c); });
    put(b.ColorTo, [&](TColor c) { a.SetColorTo(c); });
    put(b.BorderColor, [&](TColor c) { a.SetBorderColor(c); });
    put(b.Hot, [&](TColor c) { a.SetColorHot(c); });
    put(b.HotTo, [&](TColor c) { a.SetColorHotTo(c); });
    put(b.HotBorder, [&](TColor c) { a.SetBorderColorHot(c); });
    put(b.Down, [&](TColor c) { a.SetColorDown(c); });
    put(b.DownTo, [&](TColor c) { a.SetColorDownTo(c); });
    put(b.DownBorder, [&](TColor c) { a.SetBorderColorDown(c); });
    put(b.Disabled, [&](TColor c) { a.SetColorDisabled(c); });
    put(b.DisabledTo, [&](TColor c) { a.SetColorDisabledTo(c); });
    put(b.Checked, [&](TColor c) { a.SetColorChecked(c); });
    put(b.CheckedTo, [&](TColor c) { a.SetColorCheckedTo(c); });
    put(b.CheckedBorder, [&](TColor c) { a.SetBorderColorChecked(c); });
}

void TVynCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    if (fButton_) {
        fButton_->SetButtonColor(ATones.Background.BrushColor);
        fButton_->SetButtonColorHot(ATones.Hover.BrushColor);
        fButton_->SetButtonColorDown(ATones.Selected.BrushColor);
        fButton_->SetButtonBorderColor(ATones.Background.BorderColor);
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TVynCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle)
{
    fSelectionColorStyle_ = AStyle;
    switch (AStyle) {
    case scOffice2007:
        fSelectionColor_ = 0xD7FFFD;
        fSelectionColorTo_ = 0x58D4FC;
        break;
    case scWindowsVista:
        fSelectionColor_ = 0xFDF8F1;
        fSelectionColorTo_ = 0xFCEFD5;
        break;
    case scWindows7:
        fSelectionColor_ = 0xFCEBDC;
        fSelectionColorTo_ = 0xFCDBC1;
        break;
    default: break;
    }
}

void TVynCustomDropDown::DrawSelectedBackground(TCanvas& Canvas, const TRect& R, int RoundType, TColor CornerColor)
{
    switch (fSelectionColorStyle_) {
    case scCustom:
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(fSelectionColor_);
        Canvas.Pen().SetColor(fSelectionColor_);
        Canvas.FillRect(R);
        break;
    case scOffice2007:
        DrawRoundedGradientFrame(Canvas, fSelectionColor_, fSelectionColorTo_, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                 0x8DD7D3, 0xC3D9DF, CornerColor, R, RoundType);
        break;
    case scWindowsVista:
        DrawRoundedGradientFrame(Canvas, fSelectionColor_, fSelectionColorTo_, clNone, clNone, 0xFDFBF6, 0xFDF5E7,
                                 0xFDDE99, 0xFCEDCB, CornerColor, R, RoundType);
        break;
    case scWindows7:
        DrawRoundedGradientFrame(Canvas, fSelectionColor_, fSelectionColorTo_, clNone, clNone, 0xFDF4EB, 0xFDEADB,
                                 0xCEA27D, 0xE0C5AE, CornerColor, R, RoundType);
        break;
    }
}

void TVynCustomDropDown::DrawDropDownGradient(TCanvas& Canvas, TColor FromColor, TGradientDirection Direction,
                                              const TRect& R, int Steps, TColor ToColor)
{
    DrawSteppedGradient(Canvas, FromColor, ToColor, Direction == gdHorizontal, R, Steps);
}

void TVynCustomDropDown::SetItemAppearanceStyle(TItemAppearance* Appearance, TVynStyle AStyle)
{
    if (!Appearance || AStyle == tsCustom || int(AStyle) < 0 || int(AStyle) > int(tsOffice2010Black))
        return;
    TItemAppearance& a = *Appearance;
    a.BorderColorHot = clNone;
    a.BorderColorSelected = clNone;
    a.ColorSelectedText = 0;
    a.ColorHotText = 0;
    auto set = [&a](TColor Hot, TColor HotTo, TColor MHot, TColor MHotTo, TColor Sel, TColor SelTo, TColor MSel,
                    TColor MSelTo, TColor Border, TColor Top, TColor Bottom, TColor Edge, TColor SelText) {
        a.ColorHot = Hot;
        a.ColorHotTo = HotTo;
        a.ColorMirrorHot = MHot;
        a.ColorMirrorHotTo = MHotTo;
        a.ColorSelected = Sel;
        a.ColorSelectedTo = SelTo;
        a.ColorMirrorSelected = MSel;
        a.ColorMirrorSelectedTo = MSelTo;
        a.BorderColor = Border;
        a.BorderColorTop = Top;
        a.BorderColorBottom = Bottom;
        a.EdgeColor = Edge;
        a.ColorSelectedText = SelText;
    };
    switch (AStyle) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
        set(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone,
            clNone, 0);
        break;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver:
        set(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF,
            0xCAF8FF, 0xC3D9DF, 0);
        break;
    case tsOffice2003Classic:
        set(0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone, clNone, clNone, 0);
        break;
    case tsWindowsXP:
        set(0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone,
            clNone, clHighlightText);
        break;
    case tsWindowsVista:
        set(0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7,
            0xFCEDCB, 0);
        break;
    case tsWindows7:
        set(0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB,
            0xE0C5AE, 0);
        break;
    case tsTerminal:
        set(0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone, clNone,
            clHighlightText);
        break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        set(0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone,
            clNone, 0);
        break;
    default: break;
    }
}
