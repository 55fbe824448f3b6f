#pragma once
// The drawing routines of the drop-down controls: banded gradients, colour
// blending and shading, bar and button backgrounds, image and caption
// placement, text measuring and fitting. The popup, its bars, the list-like
// drop-downs and the grid's painting use them.
//
// Colours go through ColorToRGB before any arithmetic; channel results are
// rounded half to even. Rectangles have Right and Bottom outside.
#include "controls/dropdown/DropDownTypes.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"

// Steps bands (0 counts as 1) from FromColor to ToColor, left to right when
// Horizontal, else top to bottom. The last column (Horizontal) or row is
// left unpainted: the extent is the rectangle's less one pixel, d = extent /
// Steps; band n has the colour From + round(n * (To - From) / Steps) per
// channel and covers round(d) + 1 pixels from round(n * d), so bands overlap
// by a pixel where the rounding would leave a gap, and never reach the
// unpainted edge. Each band is one Rectangle in pen and brush of its colour.
void DrawSteppedGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R,
                         int Steps);
// Percent >= 100: C1; <= 0: C2 (both unconverted); otherwise each channel
// round(p * c1 + (1 - p) * c2), p = Percent / 100.
TColor BlendColor(TColor C1, TColor C2, int Percent);
// Per channel (PR red, PG green, PB blue): a non-zero channel becomes
// round(min(100, P + 100) / 100 * channel) (never below 0), a zero channel
// becomes max(0, P) (never above 255).
TColor ShadeColor(TColor C, int PR, int PG, int PB);
// A gradient of 80 bands from FromColor to ToColor (horizontal for
// gdHorizontal) when ToColor is set, else a fill of FromColor when set; then
// a frame of BorderWidth pixels in BorderColor when both are set.
void DrawButtonBackground(TCanvas& Canvas, const TRect& R, TColor FromColor, TGradientDirection Gradient,
                          int BorderWidth, TColor BorderColor, TColor ToColor);
// Image ImageIndex of Images (when both exist) at R.Left + 4, centred
// vertically; the text single-line, centred vertically, with an end
// ellipsis, to the right of the image (image width + 8 from R.Left), or
// centred horizontally when no image was drawn. The text is drawn without
// background.
void DrawImageAndText(TCanvas& Canvas, const TRect& R, const String& Text, int ImageIndex, const TImageList* Images);
// Width and height of Text on one line; (0, 0) for an empty text.
TSize GetTextSize(TCanvas& Canvas, const String& Text);
// Result := Text; when Text is wider than MaxWidth, the longest of its
// first Length - 1, Length - 2, ... 1 characters (followed by "..." with
// Ellipsis) that is narrower than MaxWidth. A text that fits, or one of
// which nothing fits, stays as it is.
void FitTextToWidth(TCanvas& Canvas, const String& Text, int MaxWidth, String& Result, bool Ellipsis);
// Draws (Draw) or only measures an HTML-formatted caption in R with the
// HTML renderer (DrawHTMLText, pictures "IDX:n" from Images); Size receives
// the laid-out width and height ((0, 0) for an empty text).
void DrawHTMLCaption(TCanvas& Canvas, const String& Text, const TRect& R, TSize& Size, bool Draw,
                     TImageList* Images);
// S itself when CaseSensitive, else S in upper case (all letters).
String CaseText(const String& S, bool CaseSensitive);

namespace VynDropDown {
// The bitmap copied into R of the canvas (stretched to R), its pixels of
// the colour of its top-left pixel showing BackColor. (The grid utilities'
// DrawTransparentBitmap draws in the bitmap's own size; this is the
// drop-down's.)
void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, const TRect& R);
}  // namespace VynDropDown
