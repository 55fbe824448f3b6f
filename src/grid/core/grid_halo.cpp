#include "grid/core/grid_halo.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <typeinfo>
#include <vector>

#include "platform/rtl/strings.h"

// ---- the window --------------------------------------------------------------------------------

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TOverlayWindow(AOwner, true)
{
    SetBounds(Left(), Top(), 0, 0);
    SetParentColor(false);
    SetColor(0x0000FF);
}

TGridFocusWindow::~TGridFocusWindow() = default;

// ---- the alpha mask ----------------------------------------------------------------------------

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TGridAlphaMask*>(&Source)) {
        opacity_ = other->opacity_;
        if (PixelFormat() != pf32bit)
            SetPixelFormat(pf32bit);
        const int rows = std::min(Height(), other->Height());
        const int bytes = std::min(Width(), other->Width()) * 4;
        for (int y = 0; y < rows; ++y)
            std::memcpy(ScanLine(y), other->ScanLine(y), size_t(bytes));
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap)
{
    if (Bitmap.PixelFormat() != pf24bit || Mask.PixelFormat() != pf24bit || Mask.Width() < Bitmap.Width() ||
        Mask.Height() < Bitmap.Height())
        return;
    if (PixelFormat() != pf32bit)
        SetPixelFormat(pf32bit);
    SetSize(Bitmap.Width(), Bitmap.Height());
    for (int y = 0; y < Bitmap.Height(); ++y) {
        const uint8_t* m = Mask.ScanLine(y);
        const uint8_t* b = Bitmap.ScanLine(y);
        uint8_t* d = ScanLine(y);
        for (int x = 0; x < Bitmap.Width(); ++x, m += 3, b += 3, d += 4) {
            const uint8_t a = m[2];
            const double f = a / 255.0;
            for (int c = 0; c < 3; ++c)
                d[c] = uint8_t(Round(b[c] * f));
            d[3] = a;
        }
    }
}

// ---- the mask picture ---------------------------------------------------------------------------

void CreateRoundRectMask(TBitmap& Bitmap, int Width, int Height, int PenWidth, int Corner, double Radius)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(std::max(0, Width), std::max(0, Height));
    TCanvas& c = Bitmap.Canvas();
    {
        auto saved = c.SaveState();
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clBlack);
        c.FillRect(Rect(0, 0, Bitmap.Width(), Bitmap.Height()));
        c.Pen().SetStyle(psSolid);
        c.Pen().SetColor(clWhite);
        if (PenWidth > 0) {
            c.Pen().SetWidth(PenWidth);
            c.Brush().SetColor(clBlack);
        } else {
            c.Pen().SetWidth(1);
            c.Brush().SetColor(clWhite);
        }
        const int half = PenWidth / 2;
        c.RoundRect(2 + half, 2 + half, Width - 2 - half, Height - 2 - half, Corner, Corner);
    }
    if (Radius > 0)
        BlurBitmap24(Bitmap, Radius);
}

// ---- the blur -----------------------------------------------------------------------------------

namespace {

constexpr int kReach = 10;

struct BlurKernel {
    int half = 1;
    std::array<float, 2 * kReach + 1> w{};  // index k + kReach
    float at(int k) const { return w[size_t(k + kReach)]; }
};

BlurKernel makeKernel(double Radius)
{
    BlurKernel K;
    double sum = 0;
    for (int k = -kReach; k <= kReach; ++k) {
        const double q = k / Radius;
        K.w[size_t(k + kReach)] = float(std::exp(-(q * q) / 2));
        sum += K.w[size_t(k + kReach)];
    }
    for (float& v : K.w)
        v = float(v / sum);
    int half = kReach;
    double dropped = 0;
    while (dropped < 1.0 / (2 * 255) && half > 1) {
        dropped += 2.0 * K.at(half);
        --half;
    }
    K.half = half;
    double kept = 0;
    for (int k = -half; k <= half; ++k)
        kept += K.at(k);
    for (int k = -half; k <= half; ++k)
        K.w[size_t(k + kReach)] = float(K.at(k) / kept);
    return K;
}

// Filters a line of N pixels of 3 bytes each from its unfiltered values
// (kept in Scratch).
void filterLine(const BlurKernel& K, uint8_t* Line, int N, std::vector<uint8_t>& Scratch)
{
    Scratch.assign(Line, Line + size_t(N) * 3);
    for (int j = 0; j < N; ++j) {
        double s[3] = {0, 0, 0};
        for (int k = -K.half; k <= K.half; ++k) {
            const int src = std::clamp(j - k, 0, N - 1);
            const double w = K.at(k);
            for (int c = 0; c < 3; ++c)
                s[c] += w * Scratch[size_t(src) * 3 + size_t(c)];
        }
        for (int c = 0; c < 3; ++c)
            Line[size_t(j) * 3 + size_t(c)] = GridHalo::BlurChannel(s[c]);
    }
}

}  // namespace

namespace GridHalo {

int BlurKernelHalfWidth(double Radius) { return makeKernel(Radius).half; }

uint8_t BlurChannel(double Sum)
{
    if (Sum < 0)
        return 0;
    if (Sum >= 255)
        return 255;
    return uint8_t(Sum);
}

}  // namespace GridHalo

void BlurBitmap24(TBitmap& Bitmap, double Radius)
{
    if (Bitmap.PixelFormat() != pf24bit)
        throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    if (!(Radius > 0))
        return;
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w <= 0 || h <= 0)
        return;
    const BlurKernel K = makeKernel(Radius);
    std::vector<uint8_t*> rows(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y)
        rows[size_t(y)] = Bitmap.ScanLine(y);
    std::vector<uint8_t> scratch;
    for (int y = 0; y < h; ++y)
        filterLine(K, rows[size_t(y)], w, scratch);
    std::vector<uint8_t> column(size_t(h) * 3);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            std::memcpy(&column[size_t(y) * 3], rows[size_t(y)] + size_t(x) * 3, 3);
        filterLine(K, column.data(), h, scratch);
        for (int y = 0; y < h; ++y)
            std::memcpy(rows[size_t(y)] + size_t(x) * 3, &column[size_t(y) * 3], 3);
    }
}
