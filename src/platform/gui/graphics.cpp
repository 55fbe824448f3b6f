#include "platform/gui/graphics.h"

#include <algorithm>

namespace {

// The classic system palette; fixed so that rendering is the same on every
// machine.
constexpr TColor kSystemPalette[31] = {
    RGBColor(0xC8, 0xC8, 0xC8),  // 0 scroll bar
    RGBColor(0x00, 0x00, 0x00),  // 1 background (desktop)
    RGBColor(0x99, 0xB4, 0xD1),  // 2 active caption
    RGBColor(0xBF, 0xCD, 0xDB),  // 3 inactive caption
    RGBColor(0xF0, 0xF0, 0xF0),  // 4 menu
    RGBColor(0xFF, 0xFF, 0xFF),  // 5 window
    RGBColor(0x64, 0x64, 0x64),  // 6 window frame
    RGBColor(0x00, 0x00, 0x00),  // 7 menu text
    RGBColor(0x00, 0x00, 0x00),  // 8 window text
    RGBColor(0x00, 0x00, 0x00),  // 9 caption text
    RGBColor(0xB4, 0xB4, 0xB4),  // 10 active border
    RGBColor(0xF4, 0xF7, 0xFC),  // 11 inactive border
    RGBColor(0xAB, 0xAB, 0xAB),  // 12 application workspace
    RGBColor(0x00, 0x78, 0xD7),  // 13 highlight
    RGBColor(0xFF, 0xFF, 0xFF),  // 14 highlight text
    RGBColor(0xF0, 0xF0, 0xF0),  // 15 button face
    RGBColor(0xA0, 0xA0, 0xA0),  // 16 button shadow
    RGBColor(0x6D, 0x6D, 0x6D),  // 17 grey text
    RGBColor(0x00, 0x00, 0x00),  // 18 button text
    RGBColor(0x00, 0x00, 0x00),  // 19 inactive caption text
    RGBColor(0xFF, 0xFF, 0xFF),  // 20 button highlight
    RGBColor(0x69, 0x69, 0x69),  // 21 3-D dark shadow
    RGBColor(0xE3, 0xE3, 0xE3),  // 22 3-D light
    RGBColor(0x00, 0x00, 0x00),  // 23 info text
    RGBColor(0xFF, 0xFF, 0xE1),  // 24 info background
    RGBColor(0xB5, 0xB5, 0xB5),  // 25 (unused slot)
    RGBColor(0x00, 0x66, 0xCC),  // 26 hot light
    RGBColor(0xB9, 0xD1, 0xEA),  // 27 gradient active caption
    RGBColor(0xD7, 0xE4, 0xF2),  // 28 gradient inactive caption
    RGBColor(0x33, 0x99, 0xFF),  // 29 menu highlight
    RGBColor(0xF0, 0xF0, 0xF0),  // 30 menu bar
};

}  // namespace

TColor ColorToRGB(TColor Color)
{
    if (IsSystemColor(Color)) {
        const int index = Color & 0xFF;
        return index < int(std::size(kSystemPalette)) ? kSystemPalette[index] : clBlack;
    }
    if (Color == clNone || Color == clDefault)
        return clBlack;
    return Color & 0x00FFFFFF;
}

QColor ToQColor(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& Color) { return RGBColor(Color.red(), Color.green(), Color.blue()); }

bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B)
{
    Dst = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (Dst.IsEmpty()) {
        Dst = {};
        return false;
    }
    return true;
}

bool UnionRect(TRect& Dst, const TRect& A, const TRect& B)
{
    if (A.IsEmpty()) {
        Dst = B.IsEmpty() ? TRect{} : B;
        return !Dst.IsEmpty();
    }
    if (B.IsEmpty()) {
        Dst = A;
        return true;
    }
    Dst = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
    return true;
}
