#pragma once
// The push button's drawing: styles, colour presets, the face blend, the
// gradient of the modern style, the placement of caption and glyph, and the
// bitmaps of the predefined kinds.
//
// Everything here is a free function of its arguments, so the button
// (LbButton.h) and the tests call the same code.
#include <functional>

#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"

enum class TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
using TLbButtonStyle::bsNormal, TLbButtonStyle::bsEncarta, TLbButtonStyle::bsModern, TLbButtonStyle::bsOld,
    TLbButtonStyle::bsShape, TLbButtonStyle::bsQuicken;

// The colour presets of ColorStyle (lcsCustom: none).
enum class TLbColorStyle {
    lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP, lcsAqua,
    lcsDefault, lcsQuicken
};
using TLbColorStyle::lcsCustom, TLbColorStyle::lcsGold, TLbColorStyle::lcsChrome, TLbColorStyle::lcsBlue,
    TLbColorStyle::lcsRed, TLbColorStyle::lcsUltraFlat1, TLbColorStyle::lcsUltraFlat2, TLbColorStyle::lcsUltraFlatXP,
    TLbColorStyle::lcsAqua, TLbColorStyle::lcsDefault, TLbColorStyle::lcsQuicken;

// The kinds and the layouts keep their classic value names, which other
// button classes share (a bitmap button's kinds, a speed button's layouts),
// so they are written qualified: TLbButtonKind::bkOK, TLbButtonLayout::blGlyphRight.
enum class TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// Where the glyph sits relative to the caption.
enum class TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The key colour of the off-screen bitmap: what the transparent styles leave
// unpainted shows the parent.
constexpr TColor LbTransparentKey = 0xFF00FF;
// Disabled captions.
constexpr TColor LbDisabledTextColor = 0x808080;

// ---- colours --------------------------------------------------------------------------------

// Color blended towards HotTrackColor by Step/8, each channel truncated
// (step 8 gives HotTrackColor, step 0 Color). System colours are resolved.
TColor BlendColorByStep(TColor Color, TColor HotTrackColor, int Step);

// A colour preset (ColorStyle).
struct TLbColorStyleColors {
    TColor Face = clBtnFace;
    TColor Light = 0xFFFFFF;
    TColor Shadow = 0x808080;
    TColor Down = clNone;
    TColor HotTrack = clNone;
    TColor FontColor = 0x000000;
    bool Flat = false;
    TLbButtonStyle Style = TLbButtonStyle::bsNormal;
};
// The preset of a colour style; false for lcsCustom (nothing to apply).
bool GetColorStyleColors(TLbColorStyle Style, TLbColorStyleColors& Colors);

// Fills Left..Right x Top..Bottom with 32 horizontal bands from StartColor
// to EndColor (each channel grows by (end - start) / 31 per band); band i
// starts at Top + i * (Bottom - Top) div 31 and is (Bottom - Top) div 31 + 1
// pixels high, cut at Bottom. The pen is left as it was.
void FillGradientBands(TCanvas& Canvas, TColor StartColor, TColor EndColor, int Left, int Top, int Right, int Bottom);

// ---- caption and glyph placement ----------------------------------------------------------------

// How captions are measured: the canvas's font in the program, fixed-width
// fakes in tests.
struct TLbTextMetrics {
    // Width of a single line.
    std::function<int(const String& Text)> TextWidth;
    // Height of Text broken into lines at blanks to fit Width.
    std::function<int(const String& Text, int Width)> WrappedHeight;
};

// The measuring of a canvas with its current font (DrawText with
// DT_CALCRECT | DT_WORDBREAK for the height).
TLbTextMetrics CanvasTextMetrics(TCanvas& Canvas);

struct TLbCaptionLayout {
    // The caption as drawn: without word wrap, characters are removed from
    // its end until it fits AvailableWidth.
    String Caption;
    int AvailableWidth = 0;  // never below 0
    int TextHeight = 0;      // TH: the caption word-broken into AvailableWidth
    int TextExtent = 0;      // TX: caption width + 4, 0 for an empty caption
    // Where the caption is drawn (with TextFormat), and the glyph's top-left.
    TRect TextRect;
    unsigned TextFormat = 0;
    TPoint GlyphPos;
};

// Places caption and glyph on a W x H button. GW x GH is one glyph image (0
// when there is none), P the press offset (1 while pressed, except for
// bsEncarta). Only bsShape differs among the styles: glyph and caption
// centred, no alignment.
TLbCaptionLayout LayoutLbButtonCaption(int W, int H, int GW, int GH, int P, TLbButtonStyle Style,
                                       TLbButtonLayout Layout, TAlignment Alignment, bool WordWrap,
                                       const String& Caption, const TLbTextMetrics& Metrics);

// Which image of a strip of NumGlyphs is shown: 1 disabled; else 2 pressed
// (with more than 2 images); else 3 hot (with more than 3); else 0.
int LbGlyphIndex(int NumGlyphs, bool Pressed, bool Hot, bool Enabled);

// ---- the painter --------------------------------------------------------------------------------

// Draws a button of W x H at the canvas's (0, 0): face, edges, caption and
// glyph in the given state. Hot: the pointer is on the button or it has the
// focus. HotTrackStep 0..8 blends the face towards HotTrackColor. The glyph's
// transparent colour is the bottom-left pixel of the image drawn.
void DrawLbButton(TCanvas& Canvas, int W, int H, int HotTrackStep, int NumGlyphs, const TBitmap& Glyph, bool Pressed,
                  bool Hot, bool Enabled, bool Flat, bool WordWrap, bool HasPopupMenu, TLbButtonStyle Style,
                  TColor FaceColor, TColor ColorWhenDown, TColor HotTrackColor, TColor LightColor, TColor ShadowColor,
                  const TFont& Font, TLbButtonLayout Layout, const String& Caption, TAlignment Alignment);

// ---- bitmaps of the predefined kinds ------------------------------------------------------------

// "LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT",
// "LBRETRY", "LBIGNORE" (36 x 18: normal and disabled image, 18 x 18 each),
// "LBALL" (36 x 19) and "LBARROW" (5 x 3). The background, whose colour is
// the bottom-left pixel, is drawn transparently. Raises Exception for an
// unknown name.
void LoadLbButtonBitmap(TBitmap& Bitmap, const String& Name);
