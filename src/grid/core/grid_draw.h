#pragma once
// Canvas routines shared by the grid's painter, the cell store, the cell
// editors and the drop-down controls: colour arithmetic, banded gradients,
// the rounded gradient frame of the selection looks, two-part cell
// backgrounds, combo, push-button and spin parts in four kinds, the cell
// shapes, a drop arrow and bitmaps with a transparent key colour.
//
// Rectangles have Right and Bottom outside; a line from A to B leaves out B.
// Colours are resolved with ColorToRGB; clNone means "no colour" and is
// never drawn. The routines keep no state and leave the canvas's pen, brush
// and font as they set them.
//
// Part states: 0 normal, 1 hot, 2 down, 3 disabled. Kinds: 0 themed (falls
// back to 1 when the program draws no themed parts), 1 classic frame
// control, 2 flat frame control, 3 the colour tones.
#include <cstdint>

#include "grid/core/grid_types.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"

class TWinControl;
class TBitmap;

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// ---- colours -----------------------------------------------------------------------------

// Every channel halved.
TColor HalfColor(TColor Color);
// Every channel c becomes round(c + Percent * c / 100), kept within 0..255.
TColor ChangeBrightness(TColor Color, int Percent);
// The colour at Pos of a gradient over RangeStart..RangeEnd: each channel is
// From + round((To - From) / (RangeEnd - RangeStart) * Pos); Pos is not
// reduced by RangeStart. ToColor none, or an empty range, gives FromColor.
TColor GradientColorAt(TColor FromColor, TColor ToColor, int RangeStart, int RangeEnd, int Pos);

// ---- gradients and frames ------------------------------------------------------------------

// Steps + 1 bands (Steps at most the rectangle's extent - 1, at least 1),
// each a Rectangle in pen and brush of its colour. One colour none fills the
// rectangle with the other; both none, or an empty rectangle, draw nothing.
void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect, bool Horizontal);
// A cell background: a two-part gradient split at the middle when
// MirrorColor is set, a solid fill one pixel taller when ColorTo is none,
// else a 128-step gradient (running down when Vertical); then side lines
// (SidesOnly) or a frame in BorderColor.
void DrawGradientCell(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor MirrorColor,
                      TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SidesOnly, bool Fill);
// The button-like selection frame. RoundType: 0 both sides rounded, 1 left
// only, 2 right only, 3 none, 4 none but inset by 2 pixels at both ends.
void DrawRoundedGradientFrame(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                              TColor MirrorColorTo, TColor TopLineColor, TColor BottomLineColor,
                              TColor BorderColor, TColor CornerColor, TColor BackColor, const TRect& Rect,
                              int RoundType);
void FillRectColor(TCanvas& Canvas, const TRect& Rect, TColor Color);

// ---- combo, push-button and spin parts -------------------------------------------------------

// Window is the control whose look is used (may be nullptr).
// A 17-pixel drop button at the right of Rect: (Right-19, Top+1, Right-2, Bottom-1).
void DrawComboButton(TCanvas& Canvas, TWinControl* Window, const TRect& Rect, const TColorTones& Tones, int State,
                     int Kind);
// A push-button face filling Rect.
void DrawCellButton(TCanvas& Canvas, TWinControl* Window, const TRect& Rect, const TColorTones& Tones, int State,
                    int Kind);
// Up and down buttons in the 15 pixels at the right of Rect, moved up and
// left by one pixel.
void DrawSpinButtons(TCanvas& Canvas, TWinControl* Window, const TRect& Rect, const TColorTones& Tones, int State,
                     int Kind);

// ---- shapes and glyphs -----------------------------------------------------------------------

// One shape at (X, Y) in a Width x Height box (circles and squares use the
// smaller side); a value beyond csHalfStar draws nothing.
void DrawCellShape(TCanvas& Canvas, int X, int Y, TColor PenColor, TColor BrushColor, TCellShape Shape, int Height,
                   int Width);
// The filled triangle (X-3, Y), (X+3, Y), (X, Y+3).
void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color);
// The bitmap at Rect's top-left in its own size; its pixels of the colour of
// its top-left pixel show BackColor (or stay untouched when BackColor is
// none).
void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, const TRect& Rect);
// One of the program's own glyphs, drawn by DrawTransparentBitmap: the tree
// node boxes "VSGLEAFCLOSE" and "VSGLEAFOPEN" (plus and minus) and their
// themed forms "XPNODEC" and "XPNODEO"; with the grid library also its
// glyphs (check boxes "VSGCHK01".."VSGCHK08", radios "VSGRAD01".."VSGRAD08",
// "VSGFILT", "metrocheckon"/"metrocheckoff", "metroradioon"/"metroradiooff"),
// read once per process. An unknown name draws nothing.
void DrawResourceBitmap(TCanvas& Canvas, TColor BackColor, const TRect& Rect, const String& ResourceName);
// The glyph DrawResourceBitmap draws; false for an unknown name.
bool LoadResourceBitmap(const String& ResourceName, TBitmap& Bitmap);

// ---- layered windows -------------------------------------------------------------------------

// A top-level window shows Source (a 32-bit bitmap, bytes blue, green,
// red, alpha, colours premultiplied) with per-pixel alpha and the constant
// ConstantAlpha on top, sized to the bitmap. False (nothing changed) for a
// null window, one that is not top-level, or a bitmap that is not 32-bit.
bool CallUpdateLayeredWindow(TWinControl* Window, const TBitmap& Source, uint8_t ConstantAlpha);
// Flags: LWA_ALPHA makes Alpha the window's opacity, LWA_COLORKEY cuts out
// the pixels of KeyColor in the window's current picture. False for a null
// window or one that is not top-level.
constexpr unsigned LWA_COLORKEY = 0x1;
constexpr unsigned LWA_ALPHA = 0x2;
bool CallSetLayeredWindowAttributes(TWinControl* Window, TColor KeyColor, uint8_t Alpha, unsigned Flags);
