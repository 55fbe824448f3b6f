// The drop-down popup's background: DrawSteppedGradient of 80 bands over a
// 1920 x 1080 surface (each band one Rectangle through TCanvas, pen and
// brush of its colour), next to the same 80 bands filled with plain
// QPainter::fillRect.
#include <QImage>
#include <QPainter>

#include "bench_main.h"
#include "controls/dropdown/DropDownDraw.h"

namespace {

constexpr int W = 1920, H = 1080, Steps = 80;
constexpr TColor From = 0xF3E5DA, To = 0xF0DED0;

void BM_Gradient80_DrawSteppedGradient(benchmark::State& State)
{
    QImage image(W, H, QImage::Format_ARGB32_Premultiplied);
    TCanvas cv;
    for (auto _ : State) {
        QPainter painter(&image);
        cv.SetPainter(&painter);
        DrawSteppedGradient(cv, From, To, true, Rect(0, 0, W, H), Steps);
        cv.SetPainter(nullptr);
    }
}
BENCHMARK(BM_Gradient80_DrawSteppedGradient)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_Gradient80_Baseline_FillRect(benchmark::State& State)
{
    QImage image(W, H, QImage::Format_ARGB32_Premultiplied);
    const double d = double(W - 1) / Steps;
    const int fr = From & 0xFF, fg = (From >> 8) & 0xFF, fb = (From >> 16) & 0xFF;
    const int dr = (To & 0xFF) - fr, dg = ((To >> 8) & 0xFF) - fg, db = ((To >> 16) & 0xFF) - fb;
    for (auto _ : State) {
        QPainter p(&image);
        for (int n = 0; n < Steps; ++n) {
            const QColor c(fr + qRound(double(n) * dr / Steps), fg + qRound(double(n) * dg / Steps),
                           fb + qRound(double(n) * db / Steps));
            const int x = qRound(n * d);
            p.fillRect(QRect(x, 0, std::min(qRound(d) + 1, W - 1 - x), H), c);
        }
    }
}
BENCHMARK(BM_Gradient80_Baseline_FillRect)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
