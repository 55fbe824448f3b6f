#pragma once
// Colours, points and rectangles with the classic device conventions:
// a colour is 0x00BBGGRR, a rectangle's Right and Bottom lie outside it.
#include <QColor>
#include <QPoint>
#include <QRect>

#include <cstdint>

// ---- colours ---------------------------------------------------------------------------
//
// TColor: 0x00BBGGRR for an RGB colour; 0xFF0000nn for system colour nn
// (resolved through one fixed palette by ColorToRGB, so results are the same
// on every machine); clNone (0x1FFFFFFF) means "no colour set";
// clDefault (0x20000000) "the control's default".
using TColor = int32_t;

constexpr TColor RGBColor(int R, int G, int B) { return TColor((B & 0xFF) << 16 | (G & 0xFF) << 8 | (R & 0xFF)); }
constexpr int GetRValue(TColor C) { return C & 0xFF; }
constexpr int GetGValue(TColor C) { return (C >> 8) & 0xFF; }
constexpr int GetBValue(TColor C) { return (C >> 16) & 0xFF; }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor SystemColor(int Index) { return TColor(0xFF000000u | unsigned(Index)); }
constexpr bool IsSystemColor(TColor C) { return (uint32_t(C) & 0xFF000000u) == 0xFF000000u; }

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// Resolves a system colour through the fixed palette; an RGB colour is
// returned as it is (without the high byte); clNone and clDefault give black.
TColor ColorToRGB(TColor Color);
// The resolved colour as a QColor (opaque).
QColor ToQColor(TColor Color);
TColor FromQColor(const QColor& Color);

// ---- points and rectangles ----------------------------------------------------------------

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
    QPoint ToQt() const { return QPoint(X, Y); }
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// Left/Top inside, Right/Bottom outside: the rectangle covers the pixels
// Left..Right-1 x Top..Bottom-1.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool operator==(const TRect&) const = default;
    // QRect of the same pixels.
    QRect ToQt() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQt(const QRect& R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }
};

constexpr TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
constexpr TRect Bounds(int Left, int Top, int Width, int Height) { return {Left, Top, Left + Width, Top + Height}; }
constexpr TPoint Point(int X, int Y) { return {X, Y}; }
constexpr bool PtInRect(const TRect& R, TPoint P) { return R.Contains(P); }
inline void InflateRect(TRect& R, int Dx, int Dy) { R.Left -= Dx; R.Top -= Dy; R.Right += Dx; R.Bottom += Dy; }
inline void OffsetRect(TRect& R, int Dx, int Dy) { R.Left += Dx; R.Right += Dx; R.Top += Dy; R.Bottom += Dy; }
// The common part; false (and an empty Dst) when they do not overlap.
bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B);
// The smallest rectangle holding both (an empty one is ignored).
bool UnionRect(TRect& Dst, const TRect& A, const TRect& B);
constexpr bool IsRectEmpty(const TRect& R) { return R.IsEmpty(); }

// The direction of a two-colour gradient fill.
enum class TGradientDirection { gdHorizontal, gdVertical };
using TGradientDirection::gdHorizontal, TGradientDirection::gdVertical;
