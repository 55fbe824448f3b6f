#include "grid/core/grid_progress.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "grid/core/grid_text.h"
#include "platform/gui/bitmap.h"

namespace {

void setPen(TCanvas& Canvas, TColor Color, int Width = 1)
{
    Canvas.Pen().SetColor(Color);
    Canvas.Pen().SetStyle(Color == clNone ? psClear : psSolid);
    Canvas.Pen().SetWidth(Width);
}

void setBrush(TCanvas& Canvas, TColor Color)
{
    Canvas.Brush().SetColor(Color);
    Canvas.Brush().SetStyle(Color == clNone ? bsClear : bsSolid);
}

int percentOf(double Value) { return static_cast<int>(Round(std::clamp(Value, -1.0, 101.0))); }

}  // namespace

// ---- classic progress bar ------------------------------------------------------------------------

void GetProgressBarText(double Value, int Min, int Max, const String& Format, String& Text, int& Percent)
{
    if (!std::isfinite(Value))
        Value = 0;
    if (Format.isEmpty()) {
        Text = (std::fabs(Value) < 9.0e18 ? IntToStr(Round(Value)) : FloatToStrF(Value, 0)) + u'%';
        Percent = percentOf(Value);
    } else {
        if (!TryFormatNumber(Format, Value, Text))
            Text = Format;
        // An empty range has no place for the value: nothing is filled.
        Percent = Max == Min ? 0 : percentOf((Value - Min) * 100.0 / (double(Max) - Min));
    }
    Percent = std::clamp(Percent, 0, 100);
}

void DrawProgressBar(TCanvas& Canvas, const TRect& Rect, TColor BarColor, TColor BarFontColor, TColor RestColor,
                     TColor RestFontColor, double Value, int MarginX, int MarginY, int Min, int Max,
                     const String& Format, TColor BorderColor, bool /*Printing*/)
{
    const TColor old = Canvas.Brush().Color();
    String text;
    int percent;
    GetProgressBarText(Value, Min, Max, Format, text, percent);

    setBrush(Canvas, BarColor);
    setPen(Canvas, BarColor);
    Canvas.Font().SetColor(BarFontColor);

    TRect r{Rect.Left + MarginX, Rect.Top + MarginY, Rect.Right - MarginX, Rect.Bottom - MarginY};
    TRect filled = r;
    filled.Right = r.Left + static_cast<int>(Round((r.Right - r.Left) * percent / 100.0));
    const int x = r.Left + (r.Right - r.Left - Canvas.TextWidth(text)) / 2;
    const int y = r.Top + (r.Bottom - r.Top - Canvas.TextHeight(text)) / 2;
    Canvas.TextRect(filled, x, y, text);

    setBrush(Canvas, RestColor);
    setPen(Canvas, RestColor);
    Canvas.Font().SetColor(RestFontColor);
    Canvas.TextRect(TRect{filled.Right, r.Top, r.Right, r.Bottom}, x, y, text);

    Canvas.Pen().SetColor(old);
    InflateRect(r, 1, 1);
    if (BorderColor != clNone) {
        setBrush(Canvas, BorderColor);
        Canvas.FrameRect(r);
    }
    setBrush(Canvas, old);
    InflateRect(r, 1, 1);
    Canvas.FrameRect(r);
}

// ---- levelled progress bar --------------------------------------------------------------------

void DrawVynProgressBar(TCanvas& Canvas, const TRect& Rect, int Percent, const TProgressDrawParams& Params)
{
    const TProgressDrawParams& p = Params;
    Percent = std::clamp(Percent, 0, 100);
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
    const int len = (p.Vertical ? B - T : R - L) - 2;
    const TColor outline = p.ShowBorder ? p.BorderColor : p.UnCompleteColor;

    setBrush(Canvas, p.UnCompleteColor);
    setPen(Canvas, outline);
    Canvas.Rectangle(L, T, R, B);

    // One filled piece: two mirrored gradients across the bar, or solid.
    auto piece = [&](const TRect& Piece, TColor C, TColor CTo) {
        if (Piece.IsEmpty())
            return;
        if (!p.ShowGradient) {
            FillRectColor(Canvas, Piece, C);
            return;
        }
        TRect first = Piece, second = Piece;
        if (p.Vertical)
            first.Right = second.Left = Piece.Left + (Piece.Right - Piece.Left) / 2;
        else
            first.Bottom = second.Top = Piece.Top + (Piece.Bottom - Piece.Top) / 2;
        DrawGradient(Canvas, CTo, C, p.Steps, first, p.Vertical);
        DrawGradient(Canvas, C, CTo, p.Steps, second, p.Vertical);
    };
    // A piece of the given length from Offset pixels after the bar's start.
    auto along = [&](int Offset, int Length, int Inset) {
        if (p.Vertical)
            return TRect{L + Inset, B - Inset - Offset - Length, R - Inset, B - Inset - Offset};
        return TRect{L + Inset + Offset, T + Inset, L + Inset + Offset + Length, B - Inset};
    };

    if (Percent > 0 && len > 0) {
        if (p.Stacked) {
            const int p1 = Percent < p.Level1Perc ? Percent : p.Level1Perc;
            const int w1 = static_cast<int>(Round(p1 / 100.0 * len));
            if (p.Vertical)
                piece(TRect{L + 1, B - w1, R - 1, B - 1}, p.Level0Color, p.Level0ColorTo);
            else
                piece(along(0, w1, 1), p.Level0Color, p.Level0ColorTo);
            if (Percent >= p.Level1Perc) {
                const int p2 = Percent < p.Level2Perc ? Percent : p.Level2Perc;
                const int w2 = static_cast<int>(Round(len * (p2 - p.Level1Perc) / 100.0));
                if (p.Vertical)
                    piece(TRect{L + 1, B - w1 - w2, R - 1, B - w1}, p.Level1Color, p.Level1ColorTo);
                else
                    piece(along(w1, w2, 1), p.Level1Color, p.Level1ColorTo);
                if (Percent >= p.Level2Perc) {
                    const int w3 = static_cast<int>(
                        Round(Percent == 100 ? double(len - w1 - w2) : len * (Percent - p.Level2Perc) / 100.0));
                    if (p.Vertical)
                        piece(TRect{L + 1, B - w1 - w2 - 1 - w3, R - 1, B - w1 - w2 - 1}, p.Level3Color,
                              p.Level3ColorTo);
                    else
                        piece(along(w1 + w2, w3, 1), p.Level3Color, p.Level3ColorTo);
                }
            }
        } else {
            TColor c = p.Level3Color, cTo = p.Level3ColorTo;
            if (Percent < p.Level1Perc)
                c = p.Level0Color, cTo = p.Level0ColorTo;
            else if (Percent < p.Level2Perc)
                c = p.Level1Color, cTo = p.Level1ColorTo;
            else if (Percent < 100)
                c = p.Level2Color, cTo = p.Level2ColorTo;
            const int n = static_cast<int>(Round(Percent * len / 100.0));
            if (p.CompletionSmooth) {
                piece(along(0, n, 1), c, cTo);
            } else if (n > 9) {
                // Blocks of 7 pixels, 2 pixels apart, from 2 pixels inside.
                int offset = 0;
                for (int k = 0; k < n / 9; ++k, offset += 9)
                    piece(along(offset, 7, 2), c, cTo);
                if (n % 9 > 2)
                    piece(along(offset, n % 9 - 1, 2), c, cTo);
            } else if (n > 1) {
                piece(along(0, n - 1, 2), c, cTo);
            }
        }
    }

    if (p.ShowPercentage) {
        Canvas.Brush().SetStyle(bsClear);
        if (p.Font)
            Canvas.Font().Assign(*p.Font);
        Canvas.Font().SetColor(p.CompleteFontColor);
        const String text = IntToStr(Percent) + u'%';
        const int tw = Canvas.TextWidth(text), th = Canvas.TextHeight(text);
        if (p.Vertical) {
            const int orientation = Canvas.Font().Orientation();
            Canvas.Font().SetOrientation(900);
            Canvas.TextOut(L + (R - L) / 2 - th / 2, T + (B - T) / 2 + tw / 2, text);
            Canvas.Font().SetOrientation(orientation);
        } else {
            Canvas.TextOut(L + (R - L) / 2 - tw / 2, T + (B - T) / 2 - th / 2, text);
        }
    }

    setPen(Canvas, outline);
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Rectangle(L, T, R, B);
}

// ---- pie ------------------------------------------------------------------------------------------

namespace {

// The circle and the two radii of a pie, in grey.
void pieOutline(TCanvas& Canvas, const TRect& Rect, int Percent)
{
    setPen(Canvas, RGBColor(0x80, 0x80, 0x80));
    Canvas.Ellipse(Rect);
    const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
    const int cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
    Canvas.MoveTo(cx, Rect.Top);
    Canvas.LineTo(cx, cy);
    const double a = Percent / 100.0 * 2 * std::numbers::pi;
    Canvas.LineTo(cx + static_cast<int>(Round(std::sin(a) * (w + 1) * 0.5)),
                  cy - static_cast<int>(Round(std::cos(a) * (h + 1) * 0.5)));
}

}  // namespace

void DrawProgressPie(TCanvas& Canvas, const TRect& Rect, TColor Color, int Percent, bool Printing)
{
    Percent = std::clamp(Percent, 0, 100);
    const TColor ellipseBrush = Canvas.Brush().Color();
    const TBrushStyle ellipseStyle = Canvas.Brush().Style();
    pieOutline(Canvas, Rect, Percent);
    setBrush(Canvas, Color);
    if (Percent == 0)
        return;
    const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
    if (w <= 0 || h <= 0)
        return;
    const TPoint seed{Rect.Left + w / 2 + 1, Printing ? Rect.Top - 2 : Rect.Top + 2};

    // Flood fill from the seed up to the grey border. The outline is drawn
    // once more on a scratch bitmap (which any surface can be, a printer's
    // too) with a margin that holds the printing seed; the region found
    // there is painted onto the canvas row by row, with an explicit stack.
    constexpr int M = 3;
    TBitmap scratch(w + 2 * M, h + 2 * M);
    TCanvas& s = scratch.Canvas();
    s.Brush().SetColor(clWhite);
    s.Brush().SetStyle(bsSolid);
    s.FillRect(TRect{0, 0, w + 2 * M, h + 2 * M});
    s.Brush().SetColor(ellipseBrush);
    s.Brush().SetStyle(ellipseStyle);
    pieOutline(s, TRect{M, M, M + w, M + h}, Percent);

    const int sw = w + 2 * M, sh = h + 2 * M;
    const int dx = Rect.Left - M, dy = Rect.Top - M;  // scratch to canvas
    const TColor border = ColorToRGB(RGBColor(0x80, 0x80, 0x80));
    std::vector<uint8_t> in(size_t(sw) * size_t(sh), 0);  // 1: to be filled
    std::vector<TPoint> todo{{seed.X - dx, seed.Y - dy}};
    while (!todo.empty()) {
        const TPoint p = todo.back();
        todo.pop_back();
        if (p.X < 0 || p.Y < 0 || p.X >= sw || p.Y >= sh)
            continue;
        uint8_t& mark = in[size_t(p.Y) * size_t(sw) + size_t(p.X)];
        if (mark || ColorToRGB(s.Pixels(p.X, p.Y)) == border)
            continue;
        mark = 1;
        todo.push_back({p.X + 1, p.Y});
        todo.push_back({p.X - 1, p.Y});
        todo.push_back({p.X, p.Y + 1});
        todo.push_back({p.X, p.Y - 1});
    }
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw;) {
            if (!in[size_t(y) * size_t(sw) + size_t(x)]) {
                ++x;
                continue;
            }
            int end = x;
            while (end < sw && in[size_t(y) * size_t(sw) + size_t(end)])
                ++end;
            Canvas.FillRect(TRect{x + dx, y + dy, end + dx, y + dy + 1});
            x = end;
        }
}

// ---- range indicator ---------------------------------------------------------------------------

void DrawRangeIndicator(TCanvas& Canvas, const TRect& Rect, int Value, int Range, bool ShowValue,
                        TColor NegativeColor, TColor PositiveColor)
{
    if (Range <= 0)
        return;
    const TRect r{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
    const int half = (r.Right - r.Left) / 2;
    Value = std::clamp(Value, -Range, Range);
    const int b = static_cast<int>(Round(double(Value) * half / Range));
    const int mid = r.Left + half;
    if (Value < 0) {
        setBrush(Canvas, NegativeColor);
        setPen(Canvas, NegativeColor);
        Canvas.Rectangle(mid + b, r.Top, mid, r.Bottom);
    } else {
        setBrush(Canvas, PositiveColor);
        setPen(Canvas, PositiveColor);
        Canvas.Rectangle(mid, r.Top, mid + b, r.Bottom);
    }
    if (ShowValue) {
        Canvas.SetBkMode(TRANSPARENT);
        const String text = IntToStr(Value);
        Canvas.TextOut(r.Left + (r.Right - r.Left - Canvas.TextWidth(text)) / 2,
                       r.Top + (r.Bottom - r.Top - Canvas.TextHeight(text)) / 2, text);
    }
}

// ---- error underline --------------------------------------------------------------------------

void DrawErrorLine(TWinControl* /*Owner*/, TCanvas& Canvas, const String& Text, const TRect& Rect, int YOffset,
                   int Start, int Length)
{
    const std::vector<int> caret = Canvas.TextCharPositions(Text);
    const int n = ::Length(Text);
    auto xOf = [&](int Index) { return ErrorLineTextX + caret[std::clamp(Index, 0, n)]; };
    Start = std::max(Start, 0);
    const int y = ErrorLineTextY;
    const int x1 = Start < n ? xOf(Start) : xOf(n) + 4;
    const int x2 = Start + Length < n ? xOf(Start + Length - 1) : xOf(n - 1) + 4;

    setPen(Canvas, clRed, 2);
    Canvas.MoveTo(Rect.Left + x1, Rect.Top + y + YOffset + 3);
    int x = x1, d = 3;
    while (x <= x2) {
        d = d == 3 ? 0 : 3;
        Canvas.LineTo(Rect.Left + x + 3, Rect.Top + y + YOffset + d);
        x += 3;
    }
    d = d == 3 ? 0 : 3;
    Canvas.LineTo(Rect.Left + x + 3, Rect.Top + y + YOffset + d);
}
