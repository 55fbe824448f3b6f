// Painting the string grid (TVynStringGrid) with its looks, next to the
// platform's string grid (TStringGrid) painting the same texts in the same
// run. The 100,000 x 20 table, 800 x 600 pixels, scrolled to the end; one
// screen painted per iteration.
// - plain texts with the glXP look and bands: aim under 2x the platform grid;
// - a mixed screen (an HTML column, a gradient background, picture and
//   check-box cells): aim under 3x;
// - GetVisualProperties for every cell of one screen (reported, no aim).
// The Paired cases paint the platform grid and the string grid by turns and
// report the ratio of their fastest paints: the figure to compare.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench_main.h"
#include "grid_bench_cases.h"
#include "grid/core/base_grid.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/bitmap.h"
#include "platform/grids/grids.h"

namespace {

struct PlainLook : GridPaint<TVynStringGrid> {
    PlainLook() : GridPaint<TVynStringGrid>(true)
    {
        Grid.SetLook(TGridLook::glXP);
        Grid.Bands()->SetPrimaryColor(0xF7EFE8);
        Grid.Bands()->SetSecondaryColor(0xFFFFFF);
        Grid.Bands()->SetActive(true);
    }
};

struct MixedLook : PlainLook {
    TBitmap Picture{16, 16};
    MixedLook()
    {
        Picture.Canvas().Brush().SetColor(0x2E9B3A);
        Picture.Canvas().FillRect(TRect{0, 0, 16, 16});
        Grid.BackGround()->SetDisplay(TBackGroundDisplay::bdGradientVert);
        Grid.BackGround()->SetColor(0xFFFFFF);
        Grid.BackGround()->SetColorTo(0xE0E0E0);
        // The rows on the last screens.
        for (int r = Rows - 40; r < Rows; ++r) {
            Grid.SetCells(3, r, QString("<b>%1</b> rows <i>shown</i>").arg(r));
            Grid.AddCheckBox(2, r, r % 2 == 0, true);
            Grid.AddBitmap(5, r, &Picture, false, TCellHAlign::haBeforeText, TCellVAlign::vaCenter);
        }
    }
};

struct Baseline : GridPaint<TStringGrid> {
    Baseline() : GridPaint<TStringGrid>(true) {}
};

struct CellStore : GridPaint<TBaseGrid> {
    CellStore() : GridPaint<TBaseGrid>(true) {}
};

template <typename F>
void Case(benchmark::State& State)
{
    Texts();
    F f;
    for (auto _ : State)
        f.Paint();
}

void BM_PaintEnd_Baseline_PlatformGrid(benchmark::State& S) { Case<Baseline>(S); }
void BM_PaintEnd_CellStore(benchmark::State& S) { Case<CellStore>(S); }
void BM_PaintEnd_PlainXPBands(benchmark::State& S) { Case<PlainLook>(S); }
void BM_PaintEnd_Mixed(benchmark::State& S) { Case<MixedLook>(S); }

// Both painters in each iteration, one after the other, each timed: the
// counters are the fastest paint of each (microseconds) and their ratio, so
// the load of the machine at any moment weighs on both alike.
template <typename B, typename M>
void Paired(benchmark::State& State)
{
    Texts();
    B base;
    M measured;
    using Clock = std::chrono::steady_clock;
    double bestBase = 1e9, bestMeasured = 1e9;
    for (auto _ : State) {
        auto t0 = Clock::now();
        base.Paint();
        auto t1 = Clock::now();
        measured.Paint();
        auto t2 = Clock::now();
        bestBase = std::min(bestBase, std::chrono::duration<double, std::micro>(t1 - t0).count());
        bestMeasured = std::min(bestMeasured, std::chrono::duration<double, std::micro>(t2 - t1).count());
    }
    State.counters["platform_us"] = bestBase;
    State.counters["grid_us"] = bestMeasured;
    State.counters["ratio"] = bestMeasured / bestBase;
}

void BM_Paired_PlainXPBands(benchmark::State& S) { Paired<Baseline, PlainLook>(S); }
void BM_Paired_Mixed(benchmark::State& S) { Paired<Baseline, MixedLook>(S); }
// The string grid's default look against the bare cell store it paints on.
struct DefaultLook : GridPaint<TVynStringGrid> {
    DefaultLook() : GridPaint<TVynStringGrid>(true) {}
};
void BM_Paired_CellStore_DefaultLook(benchmark::State& S) { Paired<CellStore, DefaultLook>(S); }

void BM_VisualProperties_OneScreen(benchmark::State& State)
{
    Texts();
    PlainLook f;
    TVynStringGrid& g = f.Grid;
    TBrush brush;
    TFont font;
    for (auto _ : State) {
        for (int r = g.TopRow(); r < std::min(g.RowCount(), g.TopRow() + g.VisibleRowCount() + 1); ++r)
            for (int c = 0; c < g.ColCount(); ++c) {
                TGridDrawState st;
                TColor to, mirror, mirrorTo;
                TAlignment ha;
                TVAlignment va;
                bool ww = false;
                TCellGradientDirection gd;
                g.GetVisualProperties(c, r, st, false, true, true, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
            }
        benchmark::DoNotOptimize(brush.Color());
    }
}

#define VYN_CASE(F) BENCHMARK(F)->Unit(benchmark::kMicrosecond)->Apply(Repeated)
VYN_CASE(BM_PaintEnd_Baseline_PlatformGrid);
VYN_CASE(BM_PaintEnd_CellStore);
VYN_CASE(BM_PaintEnd_PlainXPBands);
VYN_CASE(BM_PaintEnd_Mixed);
VYN_CASE(BM_VisualProperties_OneScreen);
BENCHMARK(BM_Paired_PlainXPBands)->Unit(benchmark::kMicrosecond)->Iterations(300);
BENCHMARK(BM_Paired_Mixed)->Unit(benchmark::kMicrosecond)->Iterations(100);
BENCHMARK(BM_Paired_CellStore_DefaultLook)->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace

VYN_BENCH_MAIN()
