// The drop-down controls' drawing routines.
#include "controls/dropdown/DropDownDraw.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QImage>

#include "grid/render/html/html_draw.h"
#include "platform/rtl/strings.h"

namespace {

int red(TColor C) { return int(C & 0xFF); }
int green(TColor C) { return int((C >> 8) & 0xFF); }
int blue(TColor C) { return int((C >> 16) & 0xFF); }
TColor rgb(int R, int G, int B)
{
    return TColor(std::clamp(R, 0, 255) | (std::clamp(G, 0, 255) << 8) | (std::clamp(B, 0, 255) << 16));
}

// Pictures of stepped gradients, the last ones drawn (a popup paints the
// same background every time it opens).
constexpr qint64 MaxGradientPicturePixels = 1024 * 1024;
constexpr size_t MaxGradientPictures = 16;

struct TGradientPicture {
    std::vector<TColor> Along;
    bool Horizontal = false;
    int Cross = 0;
    QImage Image;
};

// The colours along the gradient across Cross pixels: each row (column) of
// the picture in its colour.
const QImage& GradientPicture(const std::vector<TColor>& Along, bool Horizontal, int Cross)
{
    static std::vector<TGradientPicture> kept;
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i].Horizontal == Horizontal && kept[i].Cross == Cross && kept[i].Along == Along) {
            std::rotate(kept.begin(), kept.begin() + qsizetype(i), kept.begin() + qsizetype(i) + 1);
            return kept.front().Image;
        }
    const int extent = int(Along.size());
    QImage image(Horizontal ? extent : Cross, Horizontal ? Cross : extent, QImage::Format_RGB32);
    auto colour = [&](int I) { return qRgb(red(Along[size_t(I)]), green(Along[size_t(I)]), blue(Along[size_t(I)])); };
    if (Horizontal) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(0));
        for (int x = 0; x < extent; ++x)
            line[x] = colour(x);
        for (int y = 1; y < Cross; ++y)
            std::copy(line, line + extent, reinterpret_cast<QRgb*>(image.scanLine(y)));
    } else {
        for (int y = 0; y < extent; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + Cross, colour(y));
        }
    }
    if (kept.size() == MaxGradientPictures)
        kept.pop_back();
    kept.insert(kept.begin(), TGradientPicture{Along, Horizontal, Cross, std::move(image)});
    return kept.front().Image;
}

}  // namespace

void DrawSteppedGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R,
                         int Steps)
{
    if (Steps <= 0)
        Steps = 1;
    const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
    TRect area = R;
    if (Horizontal)
        area.Right -= 1;
    else
        area.Bottom -= 1;
    const int extent = Horizontal ? area.Width() : area.Height();
    if (extent <= 0 || (Horizontal ? area.Height() : area.Width()) <= 0)
        return;
    const double d = double(extent) / Steps;
    const int dr = red(to) - red(from), dg = green(to) - green(from), db = blue(to) - blue(from);
    const int bandWidth = int(Round(d)) + 1;
    auto bandColor = [&](int n) {
        return rgb(red(from) + int(Round(double(n) * dr / Steps)), green(from) + int(Round(double(n) * dg / Steps)),
                   blue(from) + int(Round(double(n) * db / Steps)));
    };
    // The colour each pixel along the gradient ends with: the bands are laid
    // in order, a later band over the pixel it shares with the one before
    // (with more bands than pixels, over whole earlier bands).
    std::vector<TColor> along(size_t(extent), from);
    for (int n = 0; n < Steps; ++n) {
        const int p1 = int(Round(n * d)), p2 = std::min(p1 + bandWidth, extent);
        if (p2 > p1)
            std::fill(along.begin() + p1, along.begin() + p2, bandColor(n));
    }
    // The pen and brush are left in the last band's colour, as filling each
    // band with a Rectangle in a 1-pixel solid pen and a solid brush of its
    // colour would leave them.
    const TColor last = bandColor(Steps - 1);
    Canvas.Pen().SetColor(last);
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Brush().SetStyle(bsSolid);
    // The runs of pixels of one colour along the gradient.
    std::vector<std::pair<int, int>> runs;
    for (int p1 = 0; p1 < extent;) {
        int p2 = p1 + 1;
        while (p2 < extent && along[size_t(p2)] == along[size_t(p1)])
            ++p2;
        runs.emplace_back(p1, p2);
        p1 = p2;
    }
    // Many runs cost the painter one fill each (narrow upright ones one span
    // per row and run): then a picture of the area, made once for these
    // colours and this size and kept, is drawn in one step, the same pixels
    // as the fills. Otherwise each run is one fill.
    const int cross = Horizontal ? area.Height() : area.Width();
    const bool picture = (Horizontal && extent < 8 * int(runs.size())) ||
                         (runs.size() > 4 && qint64(extent) * cross <= MaxGradientPicturePixels);
    if (picture) {
        Canvas.StretchDrawImage(area, GradientPicture(along, Horizontal, cross));
    } else {
        for (const auto& [p1, p2] : runs) {
            Canvas.Brush().SetColor(along[size_t(p1)]);
            Canvas.FillRect(Horizontal ? Rect(area.Left + p1, area.Top, area.Left + p2, area.Bottom)
                                       : Rect(area.Left, area.Top + p1, area.Right, area.Top + p2));
        }
    }
    Canvas.Brush().SetColor(last);
}

TColor BlendColor(TColor C1, TColor C2, int Percent)
{
    if (Percent >= 100)
        return C1;
    if (Percent <= 0)
        return C2;
    const double p = Percent / 100.0;
    const TColor a = ColorToRGB(C1), b = ColorToRGB(C2);
    auto mix = [p](int x, int y) { return int(Round(p * x + (1 - p) * y)); };
    return rgb(mix(red(a), red(b)), mix(green(a), green(b)), mix(blue(a), blue(b)));
}

TColor ShadeColor(TColor C, int PR, int PG, int PB)
{
    const TColor c = ColorToRGB(C);
    auto shade = [](int channel, int P) {
        if (channel == 0)
            return std::max(0, P);
        return int(Round(std::min(100, P + 100) / 100.0 * channel));
    };
    return rgb(shade(red(c), PR), shade(green(c), PG), shade(blue(c), PB));
}

void DrawButtonBackground(TCanvas& Canvas, const TRect& R, TColor FromColor, TGradientDirection Gradient,
                          int BorderWidth, TColor BorderColor, TColor ToColor)
{
    if (ToColor != clNone) {
        DrawSteppedGradient(Canvas, FromColor, ToColor, Gradient == gdHorizontal, R, 80);
    } else if (FromColor != clNone) {
        Canvas.Brush().SetStyle(bsSolid);
        Canvas.Brush().SetColor(FromColor);
        Canvas.FillRect(R);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas.Brush().SetStyle(bsClear);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetColor(BorderColor);
        Canvas.Pen().SetWidth(BorderWidth);
        Canvas.Rectangle(R);
        Canvas.Pen().SetWidth(1);
    }
}

void DrawImageAndText(TCanvas& Canvas, const TRect& R, const String& Text, int ImageIndex, const TImageList* Images)
{
    TRect textRect = R;
    bool image = false;
    if (ImageIndex >= 0 && Images && ImageIndex < Images->Count()) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex, true);
        textRect.Left = R.Left + Images->Width() + 8;
        image = true;
    }
    if (Text.isEmpty())
        return;
    Canvas.Brush().SetStyle(bsClear);
    Canvas.DrawText(textRect, Text, image ? 0x8024u : 0x8025u);
}

TSize GetTextSize(TCanvas& Canvas, const String& Text)
{
    if (Text.isEmpty())
        return {0, 0};
    TRect r = Rect(0, 0, 1000, 500);
    Canvas.DrawText(r, Text, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
}

void FitTextToWidth(TCanvas& Canvas, const String& Text, int MaxWidth, String& Result, bool Ellipsis)
{
    Result = Text;
    if (Canvas.TextWidth(Text) <= MaxWidth)
        return;
    for (qsizetype n = Text.size() - 1; n >= 1; --n) {
        String candidate = Text.left(n);
        if (Ellipsis)
            candidate += QStringLiteral("...");
        if (Canvas.TextWidth(candidate) < MaxWidth) {
            Result = candidate;
            return;
        }
    }
}

void DrawHTMLCaption(TCanvas& Canvas, const String& Text, const TRect& R, TSize& Size, bool Draw,
                     TImageList* Images)
{
    Size = {0, 0};
    if (Text.isEmpty())
        return;
    THTMLDrawOptions o;
    o.ImageList = Images;
    o.MeasureOnly = !Draw;
    const THTMLDrawResult r = DrawHTMLText(Canvas, Text, R, o);
    Size = {r.LaidOutWidth, r.LaidOutHeight};
}

String CaseText(const String& S, bool CaseSensitive) { return CaseSensitive ? S : AnsiUpperCase(S); }

namespace VynDropDown {

void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, const TRect& R)
{
    if (Bitmap.Empty())
        return;
    const TRect all = Rect(0, 0, Bitmap.Width(), Bitmap.Height());
    TBitmap tmp(Bitmap.Width(), Bitmap.Height());
    tmp.Canvas().Brush().SetStyle(bsSolid);
    tmp.Canvas().Brush().SetColor(BackColor);
    tmp.Canvas().BrushCopy(all, Bitmap, all, Bitmap.TopLeftColor());
    Canvas.CopyRect(R, tmp.Canvas(), all);
}

}  // namespace VynDropDown
