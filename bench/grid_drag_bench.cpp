// The floating picture a cell drag shows (CellsToForm: the picture of the
// cells in a form that is never activated) for a selection of 1,000 cells
// (10 columns x 100 rows), next to painting the same cells with the
// platform grid's PaintCellTo into a bitmap of the same size. Aim: under 2x.
// The Paired case makes both by turns and reports the ratio of their
// fastest runs: the figure to compare.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench_main.h"
#include "grid/core/no_active_form.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/bitmap.h"

namespace {

constexpr int PicCols = 10, PicRows = 100;

struct DragGrid {
    TVynStringGrid Grid{nullptr};
    const TRect Cells{1, 1, PicCols, PicRows};
    DragGrid()
    {
        Grid.SetColCount(PicCols + 1);
        Grid.SetRowCount(PicRows + 1);
        for (int r = 0; r <= PicRows; ++r)
            for (int c = 0; c <= PicCols; ++c)
                Grid.SetCells(c, r, QString::number(r * 100 + c));
        Grid.SetBounds(0, 0, 64 * (PicCols + 1) + 20, 24 * (PicRows + 1) + 20);
        Grid.SetDefaultColWidth(64);
        Grid.SetDefaultRowHeight(24);
    }
    void Picture()
    {
        TNoActiveForm* f = Grid.CellsToForm(Cells);
        benchmark::DoNotOptimize(f);
        f->Free();
    }
    void PaintCells(TBitmap& Bmp)
    {
        TCanvas& C = Bmp.Canvas();
        int y = 0;
        for (int r = Cells.Top; r <= Cells.Bottom; ++r) {
            int x = 0;
            for (int c = Cells.Left; c <= Cells.Right; ++c) {
                Grid.PaintCellTo(C, c, r, TRect(x, y, x + 64, y + 24));
                x += 64;
            }
            y += 24;
        }
    }
};

DragGrid& Shared()
{
    static DragGrid g;
    return g;
}

void BM_FloatingPicture1000Cells(benchmark::State& state)
{
    DragGrid& g = Shared();
    for (auto _ : state)
        g.Picture();
}
BENCHMARK(BM_FloatingPicture1000Cells)->Apply(Repeated)->Unit(benchmark::kMillisecond);

void BM_PaintCellTo1000Cells(benchmark::State& state)
{
    DragGrid& g = Shared();
    for (auto _ : state) {
        TBitmap bmp(64 * PicCols, 24 * PicRows);
        g.PaintCells(bmp);
        benchmark::DoNotOptimize(bmp.Width());
    }
}
BENCHMARK(BM_PaintCellTo1000Cells)->Apply(Repeated)->Unit(benchmark::kMillisecond);

void BM_Paired_PictureVsPaintCellTo(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    DragGrid& g = Shared();
    double bestPic = 1e18, bestPaint = 1e18;
    for (auto _ : state) {
        auto t0 = Clock::now();
        g.Picture();
        auto t1 = Clock::now();
        TBitmap bmp(64 * PicCols, 24 * PicRows);
        g.PaintCells(bmp);
        auto t2 = Clock::now();
        bestPic = std::min(bestPic, std::chrono::duration<double, std::micro>(t1 - t0).count());
        bestPaint = std::min(bestPaint, std::chrono::duration<double, std::micro>(t2 - t1).count());
    }
    state.counters["picture_us"] = bestPic;
    state.counters["paintcellto_us"] = bestPaint;
    state.counters["ratio"] = bestPic / bestPaint;
}
BENCHMARK(BM_Paired_PictureVsPaintCellTo)->Apply(Repeated)->Unit(benchmark::kMillisecond);

}  // namespace

VYN_BENCH_MAIN()
