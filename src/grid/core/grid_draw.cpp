#include "grid/core/grid_draw.h"

#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/gui/bitmap.h"
#include "platform/gui/layered_window.h"

namespace {

int clampChannel(int64_t C) { return static_cast<int>(std::clamp<int64_t>(C, 0, 255)); }

void setPen(TCanvas& Canvas, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    Canvas.Pen().SetStyle(psSolid);
}

// The brush fills with Color (a brush set to a colour is a solid brush).
void setBrush(TCanvas& Canvas, TColor Color)
{
    Canvas.Brush().SetColor(Color);
    Canvas.Brush().SetStyle(bsSolid);
}

void setPenAndBrush(TCanvas& Canvas, TColor Color)
{
    setPen(Canvas, Color);
    setBrush(Canvas, Color);
}

void line(TCanvas& Canvas, TColor Color, int X1, int Y1, int X2, int Y2)
{
    if (Color == clNone)
        return;
    setPen(Canvas, Color);
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}

void pixel(TCanvas& Canvas, TColor Color, int X, int Y)
{
    if (Color != clNone)
        Canvas.SetPixels(X, Y, ColorToRGB(Color));
}

const TColorTone& toneOf(const TColorTones& Tones, int State)
{
    switch (State) {
    case 1:
        return Tones.Hover;
    case 2:
        return Tones.Selected;
    case 3:
        return Tones.Disabled;
    default:
        return Tones.Background;
    }
}

// Kind 0 draws through the program's themed parts; false when there are
// none, so the caller draws kind 1 instead.
bool drawThemed(TCanvas& Canvas, const char* ClassName, int Part, int State, const TRect& R)
{
    ThemePainter& t = Themes();
    return t.IsActive() && t.DrawPart(Canvas, String::fromLatin1(ClassName), Part, State, R);
}

}  // namespace

// ---- colours ---------------------------------------------------------------------------------

TColor HalfColor(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return RGBColor(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

TColor ChangeBrightness(TColor Color, int Percent)
{
    const TColor c = ColorToRGB(Color);
    auto change = [Percent](int Ch) { return clampChannel(Round(Ch + Percent * Ch / 100.0)); };
    return RGBColor(change(GetRValue(c)), change(GetGValue(c)), change(GetBValue(c)));
}

TColor GradientColorAt(TColor FromColor, TColor ToColor, int RangeStart, int RangeEnd, int Pos)
{
    if (ToColor == clNone || RangeEnd == RangeStart)
        return FromColor;
    const TColor f = ColorToRGB(FromColor), t = ColorToRGB(ToColor);
    const double range = double(RangeEnd) - RangeStart;
    auto at = [&](int F, int T) { return clampChannel(F + Round((T - F) / range * Pos)); };
    return RGBColor(at(GetRValue(f), GetRValue(t)), at(GetGValue(f), GetGValue(t)), at(GetBValue(f), GetBValue(t)));
}

// ---- gradients and frames ------------------------------------------------------------------------

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Rect, bool Horizontal)
{
    TRect r = Rect;
    if (r.Top == r.Bottom || r.Left >= r.Right)
        return;
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    if (FromColor == clNone || ToColor == clNone) {
        if (FromColor == ToColor)
            return;
        setPenAndBrush(Canvas, ColorToRGB(FromColor == clNone ? ToColor : FromColor));
        Canvas.Rectangle(r);
        return;
    }
    const TColor f = ColorToRGB(FromColor), t = ColorToRGB(ToColor);
    const int extent = (Horizontal ? r.Right - r.Left : r.Bottom - r.Top) - 1;
    Steps = std::max(std::min(Steps, extent), 1);
    const double w = double(extent) / Steps;
    const int band = static_cast<int>(Trunc(w + 1));
    for (int i = 0; i <= Steps; ++i) {
        auto channel = [&](int F, int T) { return clampChannel(F + Round(i * double(T - F) / Steps)); };
        setPenAndBrush(Canvas, RGBColor(channel(GetRValue(f), GetRValue(t)), channel(GetGValue(f), GetGValue(t)),
                                        channel(GetBValue(f), GetBValue(t))));
        const int o = static_cast<int>(Trunc(i * w));
        if (Horizontal)
            Canvas.Rectangle(r.Left + o, r.Top, std::min(r.Right, r.Left + o + band), r.Bottom);
        else
            Canvas.Rectangle(r.Left, r.Top + o, r.Right, std::min(r.Bottom, r.Top + o + band));
    }
}

void DrawGradientCell(TCanvas& Canvas, const TRect& Rect, TColor Color, TColor ColorTo, TColor MirrorColor,
                      TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SidesOnly, bool Fill)
{
    TRect r = Rect;
    if (Fill && Color != clNone) {
        if (MirrorColor != clNone) {
            TRect first = r, second = r;
            if (Vertical)
                first.Bottom = second.Top = r.Top + (r.Bottom - r.Top) / 2;
            else
                first.Right = second.Left = r.Left + (r.Right - r.Left) / 2;
            DrawGradient(Canvas, Color, ColorTo, 128, first, !Vertical);
            DrawGradient(Canvas, MirrorColor, MirrorColorTo, 128, second, !Vertical);
        } else if (ColorTo == clNone) {
            setPenAndBrush(Canvas, Color);
            Canvas.Pen().SetWidth(1);
            r.Bottom += 1;
            Canvas.FillRect(r);
        } else {
            DrawGradient(Canvas, Color, ColorTo, 128, r, !Vertical);
        }
    }
    if (BorderColor == clNone)
        return;
    if (SidesOnly) {
        line(Canvas, BorderColor, r.Left, r.Top, r.Left, r.Bottom);
        line(Canvas, BorderColor, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    } else {
        setBrush(Canvas, BorderColor);
        Canvas.FrameRect(r);
    }
}

void DrawRoundedGradientFrame(TCanvas& Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                              TColor MirrorColorTo, TColor TopLineColor, TColor BottomLineColor,
                              TColor BorderColor, TColor CornerColor, TColor BackColor, const TRect& Rect,
                              int RoundType)
{
    const int L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 2;
    const int M = T + (B - T) / 2;
    const bool roundLeft = RoundType == 0 || RoundType == 1;
    const bool roundRight = RoundType == 0 || RoundType == 2;
    const int li = (RoundType == 2 || RoundType == 3) ? 0 : 2;
    const int ri = (RoundType == 1 || RoundType == 3) ? 0 : 2;
    Canvas.Pen().SetWidth(1);

    line(Canvas, TopLineColor, L, T + 1, R, T + 1);
    if (roundLeft)
        line(Canvas, TopLineColor, L + 1, T + 1, L + 1, M);
    if (roundRight)
        line(Canvas, TopLineColor, R - 2, T + 1, R - 2, M);

    line(Canvas, BottomLineColor, L, B - 1, R, B - 1);
    if (roundLeft)
        line(Canvas, BottomLineColor, L + 1, M, L + 1, B - 1);
    if (roundRight)
        line(Canvas, BottomLineColor, R - 2, M, R - 2, B - 1);

    line(Canvas, BorderColor, L + li, T, R - ri, T);
    line(Canvas, BorderColor, L + li, B, R - ri, B);
    if (roundRight)
        line(Canvas, BorderColor, R - 1, T + 2, R - 1, B - 1);
    if (roundLeft)
        line(Canvas, BorderColor, L, T + 2, L, B - 1);

    if (roundLeft) {
        for (const TPoint p : {TPoint{L + 1, T}, TPoint{L + 1, T + 1}, TPoint{L, T + 1}, TPoint{L + 1, B},
                               TPoint{L + 1, B - 1}, TPoint{L, B - 1}})
            pixel(Canvas, CornerColor, p.X, p.Y);
        pixel(Canvas, BackColor, L, T);
        pixel(Canvas, BackColor, L, B);
    }
    if (roundRight) {
        for (const TPoint p : {TPoint{R - 2, T}, TPoint{R - 2, T + 1}, TPoint{R - 1, T + 1}, TPoint{R - 2, B},
                               TPoint{R - 2, B - 1}, TPoint{R - 1, B - 1}})
            pixel(Canvas, CornerColor, p.X, p.Y);
        pixel(Canvas, BackColor, R - 1, T);
        pixel(Canvas, BackColor, R - 1, B);
    }

    const TRect inner{L + li, T + 2, R - ri, B - 1};
    if (ColorTo == clNone) {
        if (Color != clNone) {
            setPenAndBrush(Canvas, Color);
            Canvas.FillRect(inner);
        }
    } else if (MirrorColor == clNone) {
        DrawGradient(Canvas, Color, ColorTo, 16, inner, false);
    } else {
        TRect upper = inner, lower = inner;
        upper.Bottom = lower.Top = inner.Top + (inner.Bottom - inner.Top) / 2;
        DrawGradient(Canvas, Color, ColorTo, 16, upper, false);
        DrawGradient(Canvas, MirrorColor, MirrorColorTo, 16, lower, false);
    }
}

void FillRectColor(TCanvas& Canvas, const TRect& Rect, TColor Color)
{
    setBrush(Canvas, Color);
    Canvas.FillRect(Rect);
}

// ---- combo, push-button and spin parts -----------------------------------------------------------

void DrawComboButton(TCanvas& Canvas, TWinControl*, const TRect& Rect, const TColorTones& Tones, int State, int Kind)
{
    TRect p{Rect.Right - 19, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
    if (Kind == 0 && drawThemed(Canvas, "combobox", CP_DROPDOWNBUTTON, State == 3 ? CBXS_DISABLED : CBXS_NORMAL, p))
        return;
    if (Kind == 0 || Kind == 1 || Kind == 2) {
        DrawFrameControl(Canvas, p, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (State == 3 ? DFCS_INACTIVE : 0) | (Kind == 2 ? DFCS_FLAT : 0));
        return;
    }
    if (Kind != 3)
        return;
    p.Left += 3;
    setPenAndBrush(Canvas, toneOf(Tones, State).BrushColor);
    Canvas.Rectangle(p);
    line(Canvas, Tones.Background.BorderColor, p.Left + 1, p.Top, p.Left + 1, p.Bottom);
    setPenAndBrush(Canvas, Tones.Background.TextColor);
    Canvas.Polygon({{p.Left + 5, p.Top + 8}, {p.Left + 11, p.Top + 8}, {p.Left + 8, p.Top + 11}});
}

void DrawCellButton(TCanvas& Canvas, TWinControl*, const TRect& Rect, const TColorTones& Tones, int State, int Kind)
{
    const int s = std::clamp(State, 0, 3);
    if (Kind == 0 && drawThemed(Canvas, "button", BP_PUSHBUTTON, PBS_NORMAL + s, Rect))
        return;
    if (Kind == 0 || Kind == 1 || Kind == 2) {
        static constexpr unsigned stateFlags[4] = {0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
        DrawFrameControl(Canvas, Rect, DFC_BUTTON, DFCS_BUTTONPUSH | stateFlags[s] | (Kind == 2 ? DFCS_FLAT : 0));
        return;
    }
    if (Kind != 3)
        return;
    const TColorTone& tone = toneOf(Tones, State);
    setBrush(Canvas, tone.BrushColor);
    setPen(Canvas, tone.BorderColor);
    Canvas.Rectangle(Rect);
}

void DrawSpinButtons(TCanvas& Canvas, TWinControl*, const TRect& Rect, const TColorTones& Tones, int State, int Kind)
{
    TRect p{Rect.Right - 15, Rect.Top, Rect.Right, Rect.Bottom};
    OffsetRect(p, -1, -1);
    const int m = p.Top + (p.Bottom - p.Top) / 2;
    const TRect up{p.Left, p.Top, p.Right, m};
    if (Kind == 0) {
        const int s = State == 3 ? UPS_DISABLED : UPS_NORMAL;
        ThemePainter& t = Themes();
        if (t.IsActive() && t.DrawPart(Canvas, QStringLiteral("spin"), SPNP_UP, s, up) &&
            t.DrawPart(Canvas, QStringLiteral("spin"), SPNP_DOWN, s, TRect{p.Left, m, p.Right, p.Bottom}))
            return;
    }
    const TRect down{p.Left, m + 1, p.Right, p.Bottom};
    if (Kind == 0 || Kind == 1 || Kind == 2) {
        const unsigned extra = (State == 3 ? DFCS_INACTIVE : 0) | (Kind == 2 ? DFCS_FLAT : 0);
        DrawFrameControl(Canvas, up, DFC_SCROLL, DFCS_SCROLLUP | extra);
        DrawFrameControl(Canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | extra);
        return;
    }
    if (Kind != 3)
        return;
    setPenAndBrush(Canvas, toneOf(Tones, State).BrushColor);
    Canvas.Rectangle(up);
    Canvas.Rectangle(down);
    setPenAndBrush(Canvas, clBlack);
    Canvas.Polygon({{p.Left + 5, p.Top + 5}, {p.Left + 9, p.Top + 5}, {p.Left + 7, p.Top + 3}});
    Canvas.Polygon({{p.Left + 5, m + 2}, {p.Left + 9, m + 2}, {p.Left + 7, m + 4}});
}

// ---- shapes and glyphs -------------------------------------------------------------------------------

void DrawCellShape(TCanvas& Canvas, int X, int Y, TColor PenColor, TColor BrushColor, TCellShape Shape, int Height,
                   int Width)
{
    const int shape = static_cast<int>(Shape);
    if (shape < 0 || shape > static_cast<int>(TCellShape::csHalfStar))
        return;
    setPen(Canvas, PenColor);
    setBrush(Canvas, BrushColor);
    using enum TCellShape;
    if ((Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) && Width != Height)
        Width = Height = std::min(Width, Height);
    const int W = Width, H = Height, cw = W / 2, ch = H / 2;
    const int W2 = W - W % 2, qw = W2 / 4, H2 = H - H % 2, qh = H2 / 4;

    // Points on the star's outer (even) and inner (odd) ellipse at angles
    // measured clockwise from the top.
    auto starPoint = [&](double Degrees, bool Outer) {
        const double a = Degrees * std::numbers::pi / 180.0;
        const double rx = Outer ? cw : cw / 3.0, ry = Outer ? ch : ch / 3.0;
        return TPoint{X + cw + static_cast<int>(Round(std::sin(a) * rx)),
                      Y + ch - static_cast<int>(Round(std::cos(a) * ry))};
    };

    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas.Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas.Ellipse(X, Y, X + W, Y + H);
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas.RoundRect(X, Y, X + W, Y + H, 10, 10);
        break;
    case csLineVert:
        Canvas.Rectangle(X + cw, Y, X + cw + 1, Y + H);
        break;
    case csLineHorz:
        Canvas.Rectangle(X, Y + ch, X + W, Y + ch + 1);
        break;
    case csTriangleLeft:
        Canvas.Polygon({{X + W, Y}, {X + W, Y + H}, {X, Y + ch}});
        break;
    case csTriangleRight:
        Canvas.Polygon({{X, Y}, {X, Y + H}, {X + W, Y + ch}});
        break;
    case csTriangleUp:
        Canvas.Polygon({{X, Y + H}, {X + W, Y + H}, {X + cw, Y}});
        break;
    case csTriangleDown:
        Canvas.Polygon({{X, Y}, {X + W, Y}, {X + cw, Y + H}});
        break;
    case csDiamond:
        Canvas.Polygon({{X, Y + ch}, {X + cw, Y}, {X + 2 * cw, Y + ch}, {X + cw, Y + 2 * ch}});
        break;
    case csArrowUp:
        Canvas.Polygon({{X, Y + ch}, {X + W2 / 2, Y}, {X + W2, Y + ch}, {X + 3 * qw, Y + ch}, {X + 3 * qw, Y + H},
                        {X + qw, Y + H}, {X + qw, Y + ch}});
        break;
    case csArrowDown:
        Canvas.Polygon({{X, Y + ch}, {X + W2 / 2, Y + H}, {X + W2, Y + ch}, {X + 3 * qw, Y + ch}, {X + 3 * qw, Y},
                        {X + qw, Y}, {X + qw, Y + ch}});
        break;
    case csArrowLeft:
        Canvas.Polygon({{X, Y + H2 / 2}, {X + cw, Y}, {X + cw, Y + qh}, {X + W, Y + qh}, {X + W, Y + 3 * qh},
                        {X + cw, Y + 3 * qh}, {X + cw, Y + H2}});
        break;
    case csArrowRight:
        Canvas.Polygon({{X + W, Y + H2 / 2}, {X + cw, Y}, {X + cw, Y + qh}, {X, Y + qh}, {X, Y + 3 * qh},
                        {X + cw, Y + 3 * qh}, {X + cw, Y + H2}});
        break;
    case csStar: {
        std::vector<TPoint> points;
        for (int i = 0; i < 10; ++i)
            points.push_back(starPoint(36.0 * i, i % 2 == 0));
        Canvas.Polygon(points);
        break;
    }
    case csHalfStar:
        Canvas.Polygon({starPoint(0, true), starPoint(180, false), starPoint(216, true), starPoint(252, false),
                        starPoint(288, true), starPoint(324, false)});
        break;
    }
}

void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color)
{
    setPenAndBrush(Canvas, Color);
    Canvas.Polygon({{X - 3, Y}, {X + 3, Y}, {X, Y + 3}});
}

void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, const TRect& Rect)
{
    if (Bitmap.Empty())
        return;
    const TColor key = Bitmap.TopLeftColor();
    if (BackColor == clNone) {
        Canvas.DrawTransparent(Rect.Left, Rect.Top, Bitmap, key);
        return;
    }
    TBitmap scratch(Bitmap.Width(), Bitmap.Height());
    const TRect all{0, 0, Bitmap.Width(), Bitmap.Height()};
    setBrush(scratch.Canvas(), BackColor);
    scratch.Canvas().BrushCopy(all, Bitmap, all, key);
    Canvas.Draw(Rect.Left, Rect.Top, scratch);
}

namespace {

// The tree node boxes: 9 x 9 inside an 11 x 11 bitmap whose margin holds the
// key colour (the top-left pixel).
constexpr TColor GlyphKey = clFuchsia;

QImage nodeGlyph(bool Themed, bool Expanded)
{
    QImage img(11, 11, QImage::Format_RGB32);
    img.fill(ToQColor(GlyphKey));
    const QColor border = Themed ? ToQColor(RGBColor(0x78, 0x98, 0xB5)) : ToQColor(clGray);
    const QColor sign = Themed ? ToQColor(RGBColor(0x21, 0x21, 0x21)) : ToQColor(clBlack);
    for (int i = 1; i <= 9; ++i) {
        img.setPixelColor(i, 1, border);
        img.setPixelColor(i, 9, border);
        img.setPixelColor(1, i, border);
        img.setPixelColor(9, i, border);
    }
    for (int y = 2; y <= 8; ++y) {
        // The themed box darkens slightly towards its bottom.
        const int shade = Themed ? 255 - (y - 2) * 8 : 255;
        for (int x = 2; x <= 8; ++x)
            img.setPixelColor(x, y, QColor(shade, shade, shade));
    }
    for (int i = 3; i <= 7; ++i) {
        img.setPixelColor(i, 5, sign);
        if (!Expanded)
            img.setPixelColor(5, i, sign);
    }
    return img;
}

// The glyphs the grid library carries as resources (":/grid/<name>.bmp"),
// read once per process.
bool LoadGridResourceImage(const String& Name, QImage& Image)
{
    static QHash<String, QImage> loaded;
    const auto it = loaded.constFind(Name);
    if (it != loaded.constEnd()) {
        Image = *it;
        return !Image.isNull();
    }
    QImage img(QStringLiteral(":/grid/") + Name + QStringLiteral(".bmp"));
    loaded.insert(Name, img);
    Image = img;
    return !img.isNull();
}

}  // namespace

bool LoadResourceBitmap(const String& ResourceName, TBitmap& Bitmap)
{
    const String n = ResourceName.toUpper();
    QImage glyph;
    if (LoadGridResourceImage(ResourceName, glyph) || LoadGridResourceImage(n, glyph)) {
        Bitmap.SetImage(glyph);
        return true;
    }
    if (n == QStringLiteral("VSGLEAFCLOSE"))
        Bitmap.SetImage(nodeGlyph(false, false));
    else if (n == QStringLiteral("VSGLEAFOPEN"))
        Bitmap.SetImage(nodeGlyph(false, true));
    else if (n == QStringLiteral("XPNODEC"))
        Bitmap.SetImage(nodeGlyph(true, false));
    else if (n == QStringLiteral("XPNODEO"))
        Bitmap.SetImage(nodeGlyph(true, true));
    else
        return false;
    return true;
}

void DrawResourceBitmap(TCanvas& Canvas, TColor BackColor, const TRect& Rect, const String& ResourceName)
{
    TBitmap glyph;
    if (LoadResourceBitmap(ResourceName, glyph))
        DrawTransparentBitmap(Canvas, glyph, BackColor, Rect);
}

// ---- layered windows -----------------------------------------------------------------------------

bool CallUpdateLayeredWindow(TWinControl* Window, const TBitmap& Source, uint8_t ConstantAlpha)
{
    if (!Window || Source.PixelFormat() != pf32bit)
        return false;
    QImage image(std::max(Source.Width(), 0), std::max(Source.Height(), 0), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), Source.ScanLine(y), size_t(image.width()) * 4);
    if (!SetWindowAlphaImage(Window, image))
        return false;
    return SetWindowOpacity(Window, ConstantAlpha);
}

bool CallSetLayeredWindowAttributes(TWinControl* Window, TColor KeyColor, uint8_t Alpha, unsigned Flags)
{
    if (!Window)
        return false;
    bool ok = true;
    if (Flags & LWA_ALPHA)
        ok = SetWindowOpacity(Window, Alpha) && ok;
    if (Flags & LWA_COLORKEY)
        ok = SetWindowColorKey(Window, KeyColor) && ok;
    return ok;
}
