// The watch's component-style colours and its twelve preset looks.
#include <algorithm>

#include "controls/dropdown/VynWatch.h"

namespace {

struct TStyleRow {
    TVynStyle Style;
    TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, L, P, N, Second, D;
};

constexpr TColor kSame = 0xFEFEFEFE;  // the second hand as column N

const TStyleRow kStyles[] = {
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, kSame, 0xFFFFFF},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, kSame, 0xFFFFFF},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, kSame, 0xFFFFFF},
    {tsWindowsXP, clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack, kSame, 0xFFFFFF},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, kSame, 0xFFFFFF},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, kSame, 0xFFFFFF},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, kSame, 0xFFFFFF},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, kSame, 0xFFFFFF},
    {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, kSame, 0xFFFFFF},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, kSame, 0xFFFFFF},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, kSame, 0xC0C0C0},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, kSame, 0xFFFFFF},
};

void msFont(TFont& F)
{
    F.SetName(QStringLiteral("MS Sans Serif"));
    F.SetStyle(TFontStyles{});
}

// "hand X": the hour hand X with its shadow.
void hand(TWatchAppearance& A, TColor X)
{
    A.SetHourPointer(X);
    A.SetHourPointerShadow(clBtnShadow);
    A.SetHourPointerSize(5);
}

// "dial X, shape K".
void dial(TWatchAppearance& A, TColor X, TWatchShape K)
{
    A.SetCenterPointSize(20);
    A.HourFont().SetColor(clWindowText);
    A.HourFont().SetSize(8);
    msFont(A.HourFont());
    A.SetHourColor(X);
    A.SetHourPointer(X);
    A.SetMinuteColor(X);
    A.SetMinutePointer(X);
    A.SetHourMarkLength(10);
    A.SetHourPointerSize(2);
    A.SetMinutePointerSize(2);
    A.SetHourPointerShadow(clBtnShadow);
    A.SetMinutePointerShadow(clBtnShadow);
    A.SetShape(K);
    A.SetCenterPointOuterBorderColor(clBlack);
    A.SetHourMarkWidth(2);
    A.SetHourMarkStyle(hmsQuartDblLine);
}

// The block that sports and smooth share.
void sportsSmooth(TWatchAppearance& A, TColor Hour, TColor Shadow, TColor Minute, TColor Second)
{
    A.SetHourColor(0xABB0B1);
    A.HourFont().SetColor(0x797979);
    A.HourFont().SetName(QStringLiteral("Times New Roman"));
    A.HourFont().SetSize(9);
    A.SetHourPointer(Hour);
    A.SetHourPointerShadow(Shadow);
    A.SetMinutePointerShadow(Shadow);
    A.SetHourPointerSize(2);
    A.SetMinutePointerSize(2);
    A.SetMinuteColor(0x808080);
    A.SetMinutePointer(Minute);
    A.SetMinuteMarkLength(1);
    A.SetSecondPointer(Second);
    A.SetTickMarks(tmQuartHours);
}

uint8_t byteOf(int V) { return uint8_t(std::clamp(V, 0, 255)); }

}  // namespace

void ApplyWatchComponentStyle(TWatchAppearance& A, TVynStyle AStyle)
{
    A.SetCenterPointOuterBorderColor(clBlack);
    A.HourFont().SetColor(clBlack);
    A.AMPMFont().SetColor(clBlack);
    const auto* row = std::find_if(std::begin(kStyles), std::end(kStyles),
                                   [&](const TStyleRow& R) { return R.Style == AStyle; });
    if (row == std::end(kStyles))
        return;  // tsCustom
    A.SetAMPMBorderColor(row->AMPMBorder);
    A.SetAMPMColor(row->AMPM);
    A.SetBackgroundColor(row->Background);
    A.SetBackgroundColorTo(row->BackgroundTo);
    A.SetBorderColor(row->Border);
    A.SetCenterPointBorderColor(row->L);
    A.SetCenterPointColor(row->P);
    A.SetHourColor(row->N);
    A.SetMinuteColor(row->N);
    A.SetHourPointer(row->N);
    A.SetMinutePointer(row->N);
    A.SetSecondPointer(row->Second == kSame ? row->N : row->Second);
    A.SetHourPointerShadow(row->D);
    A.SetMinutePointerShadow(row->D);
    if (AStyle == tsOffice2007Obsidian) {
        A.AMPMFont().SetColor(0xF2F1F0);
        A.HourFont().SetColor(0xF2F1F0);
    }
}

void ApplyWatchPreset(TWatchAppearance& A, TWatchStyle Style, int Width, int Height, bool& ShowAMPM,
                      bool& ShowNumbers)
{
    A.InitDefaults();
    const int side = std::min(Width, Height);
    switch (Style) {
    case TWatchStyle::wsClassic:
        msFont(A.AMPMFont());
        A.HourFont().SetName(QStringLiteral("Comic Sans MS"));
        A.HourFont().SetSize(10);
        A.HourFont().SetStyle(TFontStyles{fsBold});
        A.SetHourMarkLength(8);
        hand(A, clBlack);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetMinuteMarkLength(4);
        ShowAMPM = true;
        ShowNumbers = true;
        break;
    case TWatchStyle::wsTower:
        msFont(A.AMPMFont());
        A.SetAMPMFrame(apRect);
        A.SetBorderWidth(1);
        A.SetBackgroundColor(0xB1F0FE);
        A.SetBackgroundGradient(wgDiagonalForward);
        A.SetCenterPointColor(0x002BD5);
        A.SetCenterPointSize(6);
        A.HourFont().SetColor(clWindowText);
        A.HourFont().SetName(QStringLiteral("Century"));
        A.HourFont().SetStyle(TFontStyles{fsBold});
        hand(A, clBlack);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetSecondPointer(0x002BD5);
        A.SetShape(wsRect);
        A.SetPointerStyle(psPointer);
        A.SetBackgroundColorTo(0x5BCCE8);
        A.SetAMPMColor(A.BackgroundColor());
        A.SetTickMarks(tmHours);
        ShowNumbers = false;
        break;
    case TWatchStyle::wsFluorescent:
        A.AMPMFont().SetColor(clWindowText);
        A.AMPMFont().SetSize(10);
        msFont(A.AMPMFont());
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0xFF3E3E);
        A.SetBackgroundColor(clBlack);
        A.SetBackgroundColorTo(clBlack);
        A.SetCenterPointColor(0xFF3E3E);
        A.SetCenterPointBorderColor(clBlack);
        dial(A, 0xFF3E3E, wsRoundRect);
        A.SetTickMarks(tmHours);
        ShowAMPM = false;
        ShowNumbers = false;
        break;
    case TWatchStyle::wsEmerald:
        A.AMPMFont().SetColor(0xA00000);
        msFont(A.AMPMFont());
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0x3AE800);
        A.SetBackgroundColor(0x3AE800);
        A.SetBackgroundColorTo(clBlack);
        A.SetBackgroundGradient(wgDiagonalForward);
        A.SetCenterPointBorderColor(0x40FF00);
        A.SetCenterPointColor(0x38E100);
        A.SetCenterPointSize(16);
        msFont(A.HourFont());
        A.HourFont().SetColor(A.BackgroundColor());
        hand(A, 0x40FF00);
        A.SetMinutePointer(0x40FF00);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetShape(wsRect);
        A.SetPointerStyle(psPointer);
        A.SetAMPMColor(clNone);
        A.SetHourMarkStyle(hmsQuartDblLine);
        A.SetHourColor(A.BackgroundColor());
        A.SetSecondPointer(0x00FFFF);
        A.SetTickMarks(tmHours);
        ShowAMPM = false;
        ShowNumbers = false;
        break;
    case TWatchStyle::wsBlueStar:
        A.AMPMFont().SetColor(0xA00000);
        A.AMPMFont().SetSize(10);
        msFont(A.AMPMFont());
        A.SetAMPMBorderColor(clNone);
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0xFFD5D5);
        A.SetBackgroundColor(0xFFD5D5);
        A.SetBackgroundColorTo(0xA00000);
        A.SetBackgroundGradient(wgRadial);
        A.HourFont().SetSize(8);
        msFont(A.HourFont());
        A.HourFont().SetColor(A.BackgroundColor());
        hand(A, 0xA00000);
        A.SetMinutePointer(0xA00000);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetShape(wsRoundRect);
        A.SetPointerStyle(psPointer);
        A.SetAMPMColor(clNone);
        ShowAMPM = true;
        ShowNumbers = true;
        break;
    case TWatchStyle::wsFuchsia:
        A.AMPMFont().SetColor(clWindowText);
        A.AMPMFont().SetSize(10);
        msFont(A.AMPMFont());
        A.SetAMPMFrame(apRoundRect);
        A.SetBorderColor(0xFFD0FF);
        A.SetBackgroundColor(clBlack);
        A.SetBackgroundColorTo(clBlack);
        A.SetCenterPointBorderColor(0xDD68DD);
        dial(A, 0xFFD0FF, wsRect);
        A.SetSecondPointer(0xDD68DD);
        A.SetTickMarks(tmQuartHours);
        ShowAMPM = false;
        ShowNumbers = false;
        break;
    case TWatchStyle::wsBlack:
        msFont(A.AMPMFont());
        A.SetBackgroundColor(0x202020);
        A.SetBackgroundColorTo(clNone);
        A.SetBorderColor(clBlack);
        A.SetCenterPointBorderColor(clWhite);
        A.SetCenterPointOuterBorderColor(clWhite);
        A.SetCenterPointColor(clWhite);
        A.SetHourColor(0x585858);
        A.SetMinuteColor(0x585858);
        A.HourFont().SetColor(clWhite);
        A.HourFont().SetName(QStringLiteral("Century Gothic"));
        A.HourFont().SetSize(11);
        hand(A, clWhite);
        A.SetMinutePointer(clWhite);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetMinuteMarkLength(4);
        ShowAMPM = false;
        ShowNumbers = true;
        break;
    case TWatchStyle::wsBlackWhite:
        A.SetBackgroundColor(clWhite);
        A.SetBackgroundColorTo(clNone);
        A.SetBorderColor(clBlack);
        A.SetBorderWidth(8);
        A.SetCenterPointBorderColor(clBlack);
        A.SetCenterPointOuterBorderColor(clBlack);
        A.SetCenterPointColor(clBlack);
        A.SetCenterPointSize(8);
        A.SetHourColor(0x585858);
        A.HourFont().SetColor(clBlack);
        A.HourFont().SetName(QStringLiteral("Century Gothic"));
        A.HourFont().SetSize(14);
        A.HourFont().SetStyle(TFontStyles{fsBold});
        hand(A, clBlack);
        A.SetMinutePointer(clBlack);
        A.SetMinutePointerShadow(clBtnShadow);
        A.SetMinuteMarkLength(4);
        A.SetSecondPointer(0x000080);
        A.SetPointerStyle(psPointer);
        A.SetTickMarks(tmQuartHours);
        ShowAMPM = false;
        ShowNumbers = true;
        break;
    case TWatchStyle::wsGray:
        A.AMPMFont().SetName(QStringLiteral("MS Sans Serif"));
        A.AMPMFont().SetSize(10);
        A.SetBackgroundColor(0xD1D1D1);
        A.SetBackgroundColorTo(0x6C6C6C);
        A.SetBackgroundGradient(wgRadial);
        A.SetBorderColor(0x454545);
        A.SetCenterPointBorderColor(0x454545);
        A.SetCenterPointColor(clBlack);
        A.SetCenterPointOuterBorderColor(clNone);
        A.SetHourColor(clBlack);
        A.HourFont().SetName(QStringLiteral("Comic Sans MS"));
        A.HourFont().SetSize(8);
        A.HourFont().SetStyle(TFontStyles{});
        A.SetHourPointer(0x4E4E4E);
        A.SetMinutePointer(0x4E4E4E);
        A.SetHourPointerShadow(clNone);
        A.SetMinutePointerShadow(clNone);
        A.SetHourPointerSize(1);
        A.SetMinutePointerSize(1);
        A.SetMinuteColor(0x808080);
        A.SetSecondPointer(0x0000FF);
        ShowAMPM = true;
        ShowNumbers = true;
        break;
    case TWatchStyle::wsSuperNova:
        A.SetBackgroundColorTo(0xD1D3D3);
        A.SetBorderColor(clNone);
        A.SetCenterPointOuterBorderColor(clBlack);
        A.SetCenterPointSize(10);
        A.SetHourMarkLength(byteOf(WatchRound(side / 4.5)));
        A.SetHourPointer(clBlack);
        A.SetHourPointerShadow(clBtnShadow);
        A.SetMinuteColor(0x808080);
        A.SetMinuteMarkLength(byteOf(side / 3));
        A.SetMinutePointer(clBlack);
        ShowAMPM = false;
        ShowNumbers = false;
        break;
    case TWatchStyle::wsSports:
        A.SetBackgroundColor(clBlack);
        A.SetBackgroundColorTo(clNone);
        A.SetBorderColor(clBlack);
        A.SetBorderWidth(1);
        A.SetCenterPointBorderColor(0xFF0000);
        A.SetCenterPointOuterBorderColor(clBlack);
        A.SetCenterPointColor(0x191919);
        A.SetCenterPointSize(byteOf(WatchRound(side / 3.6)));
        sportsSmooth(A, 0x0000FF, clNone, 0x00FFFF, 0x188BFE);
        ShowAMPM = false;
        ShowNumbers = true;
        break;
    case TWatchStyle::wsSmooth:
        A.SetBackgroundColor(clWhite);
        A.SetBackgroundColorTo(0xABB0B1);
        A.SetBorderColor(0x585858);
        A.SetBorderWidth(1);
        A.SetCenterPointBorderColor(clBlack);
        A.SetCenterPointOuterBorderColor(0x4A4A4A);
        A.SetCenterPointColor(clWhite);
        A.SetCenterPointSize(6);
        sportsSmooth(A, 0x4A4A4A, 0xB2B2B2, 0x4A4A4A, 0x4A4A4A);
        ShowAMPM = false;
        ShowNumbers = true;
        break;
    }
}
