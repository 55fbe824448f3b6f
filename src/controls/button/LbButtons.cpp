#include "controls/button/LbButtons.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/exceptions.h"

// ---- colours --------------------------------------------------------------------------------

TColor BlendColorByStep(TColor Color, TColor HotTrackColor, int Step)
{
    const TColor c1 = ColorToRGB(Color);
    const TColor c2 = ColorToRGB(HotTrackColor);
    const double f = Step / 8.0;
    auto channel = [f](int a, int b) { return std::clamp(int(std::trunc(a * (1.0 - f) + b * f)), 0, 255); };
    return RGBColor(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
                    channel(GetBValue(c1), GetBValue(c2)));
}

bool GetColorStyleColors(TLbColorStyle Style, TLbColorStyleColors& C)
{
    C = TLbColorStyleColors();
    auto set = [&C](TColor Face, TColor Light, TColor Shadow, TColor Down, TColor Hot, bool Flat, TColor Font,
                    TLbButtonStyle S) {
        C.Face = Face;
        C.Light = Light;
        C.Shadow = Shadow;
        C.Down = Down;
        C.HotTrack = Hot;
        C.Flat = Flat;
        C.FontColor = Font;
        C.Style = S;
    };
    switch (Style) {
    case lcsCustom: return false;
    case lcsGold: set(0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, 0x000000, bsModern); break;
    case lcsChrome: set(0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, 0x000000, bsModern); break;
    case lcsBlue: set(0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, 0x000000, bsModern); break;
    case lcsRed: set(0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, 0x000000, bsModern); break;
    case lcsUltraFlat1: set(clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, 0x000000, bsNormal); break;
    case lcsUltraFlat2: set(clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, 0x000000, bsNormal); break;
    case lcsUltraFlatXP: set(0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, 0x000000, bsNormal); break;
    case lcsAqua: set(0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, 0x000000, bsModern); break;
    case lcsDefault: set(clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, 0x000000, bsNormal); break;
    case lcsQuicken: set(0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, 0xFFFFFF, bsQuicken); break;
    }
    return true;
}

void FillGradientBands(TCanvas& Canvas, TColor StartColor, TColor EndColor, int Left, int Top, int Right, int Bottom)
{
    const TColor s = ColorToRGB(StartColor), e = ColorToRGB(EndColor);
    double r = GetRValue(s), g = GetGValue(s), b = GetBValue(s);
    const double dr = (GetRValue(e) - GetRValue(s)) / 31.0;
    const double dg = (GetGValue(e) - GetGValue(s)) / 31.0;
    const double db = (GetBValue(e) - GetBValue(s)) / 31.0;
    const int d = Bottom - Top;
    auto channel = [](double v) { return std::clamp(int(std::trunc(v)), 0, 255); };
    Canvas.Brush().SetStyle(bsSolid);
    for (int i = 0; i <= 31; ++i) {
        const int top = Top + (i * d) / 31;
        const int bottom = std::min(top + d / 31 + 1, Bottom);
        Canvas.Brush().SetColor(RGBColor(channel(r), channel(g), channel(b)));
        Canvas.FillRect(Rect(Left, top, Right, bottom));
        r += dr;
        g += dg;
        b += db;
    }
}

// ---- caption and glyph placement ----------------------------------------------------------------

TLbTextMetrics CanvasTextMetrics(TCanvas& Canvas)
{
    TLbTextMetrics m;
    m.TextWidth = [&Canvas](const String& Text) { return Canvas.TextWidth(Text); };
    m.WrappedHeight = [&Canvas](const String& Text, int Width) {
        TRect r = Rect(0, 0, Width, 0);
        Canvas.DrawText(r, Text, DT_CALCRECT | DT_WORDBREAK);
        return r.Height();
    };
    return m;
}

namespace {

unsigned AlignmentFormat(TAlignment Alignment)
{
    switch (Alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    case taCenter: break;
    }
    return DT_CENTER;
}

}  // namespace

TLbCaptionLayout LayoutLbButtonCaption(int W, int H, int GW, int GH, int P, TLbButtonStyle Style,
                                       TLbButtonLayout Layout, TAlignment Alignment, bool WordWrap,
                                       const String& Caption, const TLbTextMetrics& Metrics)
{
    TLbCaptionLayout r;
    const bool sideBySide = Layout == TLbButtonLayout::blGlyphLeft || Layout == TLbButtonLayout::blGlyphRight;
    int avail = W - 8;
    if (Style != bsShape && sideBySide && GW > 0)
        avail -= GW + 4;
    r.AvailableWidth = std::max(avail, 0);

    r.Caption = Caption;
    if (!WordWrap)
        while (!r.Caption.isEmpty() && Metrics.TextWidth(r.Caption) > r.AvailableWidth)
            r.Caption.chop(1);
    r.TextHeight = Metrics.WrappedHeight(r.Caption, r.AvailableWidth);
    r.TextExtent = r.Caption.isEmpty() ? 0 : Metrics.TextWidth(r.Caption) + 4;
    r.TextFormat = DT_WORDBREAK | AlignmentFormat(Alignment);
    const int TH = r.TextHeight, TX = r.TextExtent;

    if (Style == bsShape) {
        r.GlyphPos = Point((W - GW) / 2, (H - GH) / 2);
        r.TextRect = Rect(P, (H - TH) / 2 + P, W, H);
        r.TextFormat = DT_WORDBREAK | DT_CENTER;
        return r;
    }

    int textLeft = P + 4;
    int textTop = 0;
    TPoint glyph;
    if (sideBySide) {
        textTop = (H - TH) / 2 + P;
        glyph.Y = (H - GH) / 2 + P;
        if (Layout == TLbButtonLayout::blGlyphLeft) {
            if (GW > 0)
                textLeft += GW + 4;
            glyph.X = P + 4;
            if (!WordWrap) {
                switch (Alignment) {
                case taLeftJustify: glyph.X = P + 4; break;
                case taRightJustify: glyph.X = W - 4 - GW - TX + P; break;
                case taCenter: glyph.X = (W - GW) / 2 + P - TX / 2; break;
                }
            }
        } else {
            glyph.X = textLeft + TX;
            if (!WordWrap) {
                switch (Alignment) {
                case taLeftJustify: glyph.X = textLeft + TX; break;
                case taRightJustify: glyph.X = W - 4 - GW + P; break;
                case taCenter: glyph.X = (W - GW) / 2 + P + TX / 2; break;
                }
            }
        }
    } else {
        const int B = TH + (GH > 0 ? GH + 4 : 0);
        switch (Alignment) {
        case taLeftJustify: glyph.X = P + 4; break;
        case taRightJustify: glyph.X = W - GW - 4 + P; break;
        case taCenter: glyph.X = (W - GW) / 2 + P; break;
        }
        if (Layout == TLbButtonLayout::blGlyphTop) {
            glyph.Y = (H - B) / 2 + P;
            textTop = (H - B) / 2 + GH + P;
        } else {
            textTop = (H - B) / 2 + P;
            glyph.Y = (H - B) / 2 + TH + P;
        }
    }
    r.GlyphPos = glyph;
    r.TextRect = Rect(textLeft, textTop, textLeft + r.AvailableWidth, textTop + TH);
    return r;
}

int LbGlyphIndex(int NumGlyphs, bool Pressed, bool Hot, bool Enabled)
{
    if (!Enabled)
        return 1;
    if (Pressed && NumGlyphs > 2)
        return 2;
    if (Hot && NumGlyphs > 3)
        return 3;
    return 0;
}

// ---- the painter --------------------------------------------------------------------------------

namespace {

// Image Index of the strip (GW x GH) drawn at (X, Y), its bottom-left pixel
// transparent. An index past the strip's end cuts out blank (white) pixels,
// which then are all transparent.
void DrawGlyphImage(TCanvas& Canvas, int X, int Y, const TBitmap& Glyph, int Index, int GW, int GH)
{
    TBitmap cut(GW, GH);
    cut.Canvas().StretchDrawImage(Bounds(-Index * GW, 0, Glyph.Width(), Glyph.Height()), Glyph.Image());
    Canvas.DrawTransparent(X, Y, cut, cut.BottomLeftColor());
}

void SetPen(TCanvas& Canvas, TColor Color)
{
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetMode(pmCopy);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Color);
}

}  // namespace

void DrawLbButton(TCanvas& Canvas, int W, int H, int HotTrackStep, int NumGlyphs, const TBitmap& Glyph, bool Pressed,
                  bool Hot, bool Enabled, bool Flat, bool WordWrap, bool HasPopupMenu, TLbButtonStyle Style,
                  TColor FaceColor, TColor ColorWhenDown, TColor HotTrackColor, TColor LightColor, TColor ShadowColor,
                  const TFont& Font, TLbButtonLayout Layout, const String& Caption, TAlignment Alignment)
{
    // 1. State and press offset.
    if (!Enabled)
        Pressed = false;
    const int P = Pressed && Style != bsEncarta ? 1 : 0;

    // 2. Face colour.
    TColor face = ColorToRGB(FaceColor);
    if (Enabled && HotTrackColor != clNone)
        face = BlendColorByStep(FaceColor, HotTrackColor, HotTrackStep);
    if (Pressed && ColorWhenDown != clNone)
        face = ColorToRGB(ColorWhenDown);
    const TColor light = ColorToRGB(LightColor);
    const TColor shadow = ColorToRGB(ShadowColor);

    // 3. Face.
    Canvas.Brush().SetStyle(bsSolid);
    switch (Style) {
    case bsShape:
        Canvas.Brush().SetColor(LbTransparentKey);
        Canvas.FillRect(Rect(-1, -1, W + 1, H + 1));
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        Canvas.Brush().SetColor(face);
        Canvas.FillRect(Rect(-1, -1, W + 1, H + 1));
        break;
    case bsModern:
        FillGradientBands(Canvas, light, face, 2, 2, W - 2, H / 4 + P);
        FillGradientBands(Canvas, face, light, 2, H / 4 + P, W - 2, H - 1);
        break;
    case bsQuicken: break;
    }

    // 4. Edges.
    Canvas.Brush().SetStyle(bsClear);
    const bool edges = (Enabled && (!Flat || Hot || Pressed)) || (!Enabled && !Flat);
    switch (Style) {
    case bsNormal:
    case bsEncarta:
        if (edges) {
            SetPen(Canvas, Pressed ? shadow : light);
            Canvas.MoveTo(0, H - 1);
            Canvas.LineTo(0, 0);
            Canvas.LineTo(W - 1, 0);
            SetPen(Canvas, Pressed ? light : shadow);
            Canvas.LineTo(W - 1, H - 1);
            Canvas.LineTo(0, H - 1);
        }
        break;
    case bsOld:
        if (edges) {
            const TColor dark = ColorToRGB(cl3DDkShadow);
            SetPen(Canvas, shadow);
            if (Pressed) {
                Canvas.MoveTo(1, H - 3);
                Canvas.LineTo(1, 1);
                Canvas.LineTo(W - 2, 1);
            } else {
                Canvas.MoveTo(W - 2, 0);
                Canvas.LineTo(W - 2, H - 2);
                Canvas.LineTo(0, H - 2);
            }
            SetPen(Canvas, Pressed ? dark : light);
            Canvas.MoveTo(0, H - 1);
            Canvas.LineTo(0, 0);
            Canvas.LineTo(W - 1, 0);
            SetPen(Canvas, Pressed ? light : dark);
            Canvas.LineTo(W - 1, H - 1);
            Canvas.LineTo(-1, H - 1);
        }
        break;
    case bsModern:
        SetPen(Canvas, Pressed ? shadow : face);
        Canvas.Rectangle(1, 1, W - 1, H - 1);
        SetPen(Canvas, shadow);
        Canvas.RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(face);
        Canvas.Pen().SetStyle(psClear);
        Canvas.RoundRect(0, 1, W, H, 4, 4);
        Canvas.Brush().SetStyle(bsClear);
        SetPen(Canvas, shadow);
        Canvas.MoveTo(4, 0);
        Canvas.LineTo(W - 5, 0);
        Canvas.MoveTo(4, H - 1);
        Canvas.LineTo(W - 5, H - 1);
        break;
    case bsShape: break;
    }

    // 5. Font.
    Canvas.SetFont(Font);
    if (Style == bsEncarta && Pressed)
        Canvas.Font().SetStyle(Canvas.Font().Style() + TFontStyles{fsBold});

    // 6. Glyph image.
    const int GW = NumGlyphs > 0 ? Glyph.Width() / NumGlyphs : 0;
    const int GH = Glyph.Height();
    const int index = LbGlyphIndex(NumGlyphs, Pressed, Hot, Enabled);

    // 7.-9. Caption and glyph placement.
    const TLbCaptionLayout layout =
        LayoutLbButtonCaption(W, H, GW, GH, P, Style, Layout, Alignment, WordWrap, Caption, CanvasTextMetrics(Canvas));

    // 10. Caption, then the glyph.
    Canvas.Brush().SetStyle(bsClear);
    if (Style != bsShape && !Enabled)
        Canvas.Font().SetColor(LbDisabledTextColor);
    if (Style == bsShape && GW > 0 && GH > 0)
        DrawGlyphImage(Canvas, layout.GlyphPos.X, layout.GlyphPos.Y, Glyph, index, GW, GH);
    Canvas.DrawText(layout.TextRect, layout.Caption, layout.TextFormat);
    if (Style != bsShape && GW > 0 && GH > 0)
        DrawGlyphImage(Canvas, layout.GlyphPos.X, layout.GlyphPos.Y, Glyph, index, GW, GH);

    // 11. The popup menu's arrow.
    if (HasPopupMenu) {
        TBitmap arrow;
        LoadLbButtonBitmap(arrow, "LBARROW");
        Canvas.DrawTransparent(W - 11, H / 2 - 1, arrow, arrow.BottomLeftColor());
    }
}

// ---- bitmaps of the predefined kinds ------------------------------------------------------------

namespace {

// Background of the kind bitmaps (their bottom-left pixel, so transparent).
constexpr TColor KindBackground = 0x808000;  // teal
constexpr TColor DisabledInk = 0x808080;
constexpr TColor DisabledLight = 0xFFFFFF;

enum class TSymbol { Check, Cross, Question, Door, Retry, Ignore, DoubleCheck };

void DrawSymbol(TCanvas& C, int X0, TSymbol Symbol, TColor Ink)
{
    SetPen(C, Ink);
    C.Pen().SetWidth(1);
    auto line = [&C, X0](int x1, int y1, int x2, int y2) {
        C.MoveTo(X0 + x1, y1);
        C.LineTo(X0 + x2, y2);
    };
    auto thick = [&line](int x1, int y1, int x2, int y2) {
        line(x1, y1, x2, y2);
        line(x1, y1 + 1, x2, y2 + 1);
    };
    switch (Symbol) {
    case TSymbol::Check:
        thick(3, 9, 7, 13);
        thick(7, 13, 15, 5);
        break;
    case TSymbol::DoubleCheck:
        thick(1, 9, 4, 12);
        thick(4, 12, 10, 6);
        thick(7, 10, 10, 13);
        thick(10, 13, 16, 7);
        break;
    case TSymbol::Cross:
        thick(4, 4, 14, 14);
        thick(14, 4, 4, 14);
        break;
    case TSymbol::Question:
        line(6, 5, 8, 3);
        line(8, 3, 11, 3);
        line(11, 3, 12, 5);
        line(12, 5, 12, 7);
        line(12, 7, 9, 9);
        line(9, 9, 9, 12);
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(Ink);
        C.FillRect(Rect(X0 + 8, 13, X0 + 10, 15));
        break;
    case TSymbol::Door:
        C.Brush().SetStyle(bsClear);
        C.Rectangle(X0 + 5, 2, X0 + 13, 16);
        line(10, 9, 12, 9);
        break;
    case TSymbol::Retry:
        C.Brush().SetStyle(bsClear);
        C.Arc(X0 + 3, 3, X0 + 15, 15, X0 + 15, 9, X0 + 9, 3);
        line(9, 3, 12, 1);
        line(9, 3, 12, 6);
        break;
    case TSymbol::Ignore:
        C.Brush().SetStyle(bsClear);
        C.Ellipse(X0 + 3, 3, X0 + 15, 15);
        line(5, 13, 13, 5);
        break;
    }
}

void MakeKindBitmap(TBitmap& B, int Height, TSymbol Symbol, TColor Ink)
{
    B.SetPixelFormat(pfDevice);
    B.SetSize(36, Height);
    TCanvas& c = B.Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(KindBackground);
    c.FillRect(Rect(0, 0, 36, Height));
    DrawSymbol(c, 0, Symbol, Ink);
    // The disabled image: the shape embossed in grey.
    DrawSymbol(c, 19, Symbol, DisabledLight);
    DrawSymbol(c, 18, Symbol, DisabledInk);
}

}  // namespace

void LoadLbButtonBitmap(TBitmap& Bitmap, const String& Name)
{
    const String n = Name.toUpper();
    if (n == "LBARROW") {
        Bitmap.SetPixelFormat(pfDevice);
        Bitmap.SetSize(5, 3);
        TCanvas& c = Bitmap.Canvas();
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(KindBackground);
        c.FillRect(Rect(0, 0, 5, 3));
        // A small arrow pointing down; the bottom row keeps its corners
        // in the background colour.
        c.Brush().SetColor(clBlack);
        c.FillRect(Rect(0, 0, 5, 1));
        c.FillRect(Rect(1, 1, 4, 2));
        c.FillRect(Rect(2, 2, 3, 3));
        return;
    }
    struct Entry {
        const char* Name;
        TSymbol Symbol;
        TColor Ink;
    };
    static const Entry entries[] = {
        {"LBOK", TSymbol::Check, 0x008000},      {"LBCANCEL", TSymbol::Cross, 0x0000C0},
        {"LBHELP", TSymbol::Question, 0x800000}, {"LBYES", TSymbol::Check, 0x008000},
        {"LBNO", TSymbol::Ignore, 0x0000C0},     {"LBCLOSE", TSymbol::Door, 0x004080},
        {"LBABORT", TSymbol::Cross, 0x0000C0},   {"LBRETRY", TSymbol::Retry, 0x008000},
        {"LBIGNORE", TSymbol::Ignore, 0x808080}, {"LBALL", TSymbol::DoubleCheck, 0x008000},
    };
    for (const Entry& e : entries)
        if (n == e.Name) {
            MakeKindBitmap(Bitmap, n == "LBALL" ? 19 : 18, e.Symbol, e.Ink);
            return;
        }
    throw Exception("Bitmap resource not found: " + Name);
}
