#pragma once
// Cell indicators: the classic progress bar with its two-coloured text, the
// levelled progress bar, the pie, the range bar around a zero point and the
// wavy underline under wrong characters.
//
// Percentages are kept within 0..100 and empty ranges fill nothing. Printing
// uses the same geometry as the screen.
#include "grid/core/grid_draw.h"
#include "platform/gui/canvas.h"

class TWinControl;

// The look of the levelled progress bar (the painter fills it from the
// grid's progress appearance and font).
struct TProgressDrawParams {
    TColor Level0Color = clNone;  // level 0, the lowest
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clNone;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = clNone;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clNone;  // level 3, complete
    TColor Level3ColorTo = clNone;
    int Level1Perc = 0;  // level 1 starts at this percentage
    int Level2Perc = 0;  // level 2 starts at this percentage
    TColor BorderColor = clNone;
    bool ShowBorder = false;  // outline in BorderColor, else in UnCompleteColor
    bool Stacked = false;     // bands side by side instead of one colour
    bool ShowPercentage = false;
    // Name, size and style of the percentage text (nullptr: the canvas font).
    const TFont* Font = nullptr;
    TColor CompleteFontColor = clNone;
    bool CompletionSmooth = false;  // one bar instead of 7-pixel blocks
    bool ShowGradient = false;      // mirrored gradients instead of solid fills
    int Steps = 0;                  // gradient steps
    TColor UnCompleteColor = clNone;
    bool Vertical = false;  // growing from the bottom
};

// The text and the filled percentage of DrawProgressBar. Without a format:
// the rounded value and "%", the value being the percentage. With one: the
// format applied to the value (only a single number conversion is accepted,
// see TryFormatNumber; any other format is shown as it stands) and the
// value's place in Min..Max.
void GetProgressBarText(double Value, int Min, int Max, const String& Format, String& Text, int& Percent);

// The classic bar in Rect less the margins, its text centred and drawn in
// BarFontColor over the filled part and RestFontColor over the rest; framed
// in BorderColor (unless none) and, one pixel further out, in the canvas's
// brush colour as it was.
void DrawProgressBar(TCanvas& Canvas, const TRect& Rect, TColor BarColor, TColor BarFontColor, TColor RestColor,
                     TColor RestFontColor, double Value, int MarginX, int MarginY, int Min, int Max,
                     const String& Format, TColor BorderColor, bool Printing);
// The levelled bar: one colour chosen by the level reached, or (Stacked) up
// to three bands; smooth or in blocks of 7 pixels with 2-pixel gaps.
void DrawVynProgressBar(TCanvas& Canvas, const TRect& Rect, int Percent, const TProgressDrawParams& Params);
// A grey circle with the twelve o'clock radius and the radius at Percent
// (clockwise); the part right of the twelve o'clock radius up to the other
// one is flood-filled in Color from just right of the first radius, two
// pixels below the top (two pixels above it when Printing). The brush is
// left in Color.
void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor Color, int Percent, bool Printing);
// A bar from the middle of Rect (less 2 pixels on every side), to the left
// for a negative Value, whose length is Value's share of Range. ShowValue
// writes the value, clamped to -Range..Range, centred and transparent.
void DrawRangeIndicator(TCanvas& Canvas, const TRect& Rect, int Value, int Range, bool ShowValue,
                        TColor NegativeColor, TColor PositiveColor);

// Where the in-place editor puts the first character of a single-line text,
// relative to the cell rectangle.
constexpr int ErrorLineTextX = 2;
constexpr int ErrorLineTextY = 1;

// A red zig-zag, 3 pixels high in steps of 3, under the characters Start
// (0-based) to Start + Length - 1 of a single-line text laid out as the
// in-place editor shows it in Rect with the canvas's font.
void DrawErrorLine(TWinControl* Owner, TCanvas& Canvas, const String& Text, const TRect& Rect, int YOffset, int Start,
                   int Length);
