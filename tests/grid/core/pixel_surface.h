#pragma once
// Small offscreen bitmaps for the drawing tests, and pixel checks on them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/gui/bitmap.h"

// The untouched background of every surface.
constexpr TColor Back = RGBColor(1, 2, 3);

// A bitmap filled with Back, drawn on through its canvas.
class Surface {
public:
    Surface(int W, int H) : bmp_(W, H)
    {
        bmp_.Canvas().Brush().SetColor(Back);
        bmp_.Canvas().FillRect(TRect{0, 0, W, H});
    }
    TCanvas& C() { return bmp_.Canvas(); }
    TColor At(int X, int Y) { return ColorToRGB(bmp_.Canvas().Pixels(X, Y)); }
    TBitmap& Bitmap() { return bmp_; }

private:
    TBitmap bmp_;
};

struct PixelCase {
    int x, y;
    TColor color;
};

inline void expectPixels(Surface& S, std::initializer_list<PixelCase> Cases, const std::string& What)
{
    for (const PixelCase& c : Cases)
        EXPECT_EQ(S.At(c.x, c.y), ColorToRGB(c.color)) << What << " at (" << c.x << "," << c.y << ")";
}
