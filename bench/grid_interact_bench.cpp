// The grid's interaction on the benchmark table (100,000 x 20), each next
// to its baseline measured in the same run:
// - scrolling to the end and back (Ctrl+End / Ctrl+Home, the thumb dragged
//   to the end and back, 1,000 wheel notches down and back) with the
//   repaint, next to the platform's string grid doing the same (aim: at
//   most 2 times);
// - BeginUpdate, every cell written, EndUpdate, next to the platform's
//   string grid writing every cell (aim: at most 2 times);
// - SelectRows of every row and SelectedRowCount with DisjunctRowSelect,
//   next to setting and counting a std::vector<bool> (aim: at most 3 times,
//   and linear: twice the rows at most 2.2 times the time).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

template <typename TGrid>
void Fill(TGrid& G, int RowCount)
{
    const std::vector<QString>& t = Texts();
    G.SetColCount(Cols);
    G.SetRowCount(RowCount);
    for (int r = 0; r < RowCount; ++r)
        for (int c = 0; c < Cols; ++c)
            G.SetCells(c, r, t[size_t(r) * Cols + size_t(c)]);
}

template <typename TGrid>
struct Stage {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TGrid* grid;
    explicit Stage(int RowCount)
    {
        VynGridModule::Start();
        form.SetBounds(0, 0, 700, 400);
        grid = new TGrid(&form);
        grid->SetBounds(0, 0, 680, 380);
        Fill(*grid, RowCount);
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
    }
};

void Wheel(TCustomGrid& G, int Delta)
{
    const TPoint p = G.ClientToScreen(TPoint(50, 50));
    G.Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), MAKELPARAM(p.X, p.Y));
}

// ---- scrolling to the end -----------------------------------------------------------------------

template <typename TGrid>
void CtrlEnd(benchmark::State& State)
{
    Stage<TGrid> s(Rows);
    TGrid& g = *s.grid;
    for (auto _ : State) {
        TestKit::TypeKey(&g, VK_END, {ssCtrl});
        benchmark::DoNotOptimize(g.PaintToImage());
        TestKit::TypeKey(&g, VK_HOME, {ssCtrl});
        benchmark::DoNotOptimize(g.PaintToImage());
    }
    if (g.Row() != g.FixedRows())
        State.SkipWithError("Ctrl+Home did not come back");
}

template <typename TGrid>
void ThumbToEnd(benchmark::State& State)
{
    Stage<TGrid> s(Rows);
    TGrid& g = *s.grid;
    for (auto _ : State) {
        for (int p : {127, 0}) {
            g.Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, p), 0);
            g.Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, p), 0);
            g.Perform(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
            benchmark::DoNotOptimize(g.PaintToImage());
        }
    }
    if (g.TopRow() != g.FixedRows())
        State.SkipWithError("the thumb did not come back");
}

template <typename TGrid>
void WheelNotches(benchmark::State& State)
{
    Stage<TGrid> s(Rows);
    TGrid& g = *s.grid;
    for (auto _ : State) {
        for (int delta : {-120, 120}) {
            for (int i = 0; i < 1000; ++i)
                Wheel(g, delta);
            benchmark::DoNotOptimize(g.PaintToImage());
        }
    }
    if (g.Row() != g.FixedRows())
        State.SkipWithError("the wheel did not come back");
}

void BM_CtrlEnd_VynGrid(benchmark::State& S) { CtrlEnd<TVynStringGrid>(S); }
void BM_CtrlEnd_PlatformGrid(benchmark::State& S) { CtrlEnd<TStringGrid>(S); }
void BM_ThumbToEnd_VynGrid(benchmark::State& S) { ThumbToEnd<TVynStringGrid>(S); }
void BM_ThumbToEnd_PlatformGrid(benchmark::State& S) { ThumbToEnd<TStringGrid>(S); }
void BM_Wheel1000_VynGrid(benchmark::State& S) { WheelNotches<TVynStringGrid>(S); }
void BM_Wheel1000_PlatformGrid(benchmark::State& S) { WheelNotches<TStringGrid>(S); }

// ---- writing every cell inside an update bracket ------------------------------------------------

void BM_WriteAll_VynGrid_InUpdate(benchmark::State& State)
{
    Stage<TVynStringGrid> s(Rows);
    TVynStringGrid& g = *s.grid;
    const std::vector<QString>& t = Texts();
    for (auto _ : State) {
        g.BeginUpdate();
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                g.SetCells(c, r, t[size_t(Rows - 1 - r) * Cols + size_t(c)]);
        g.EndUpdate();
        benchmark::DoNotOptimize(g.PaintToImage());
    }
}

void BM_WriteAll_PlatformGrid(benchmark::State& State)
{
    Stage<TStringGrid> s(Rows);
    TStringGrid& g = *s.grid;
    const std::vector<QString>& t = Texts();
    for (auto _ : State) {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                g.SetCells(c, r, t[size_t(Rows - 1 - r) * Cols + size_t(c)]);
        benchmark::DoNotOptimize(g.PaintToImage());
    }
}

// ---- disjunct row selection ---------------------------------------------------------------------

void BM_SelectRowsAll_VynGrid(benchmark::State& State)
{
    const int n = int(State.range(0));
    TVynStringGrid g(nullptr);
    g.SetColCount(Cols);
    g.SetRowCount(n);
    g.MouseActions()->SetDisjunctRowSelect(true);
    int count = 0;
    for (auto _ : State) {
        g.ClearRowSelect();
        g.SelectRows(g.FixedRows(), n);
        count = g.SelectedRowCount();
        benchmark::DoNotOptimize(count);
    }
    if (count != n - g.FixedRows())
        State.SkipWithError("not every row selected");
}

void BM_SelectRowsAll_VectorBool(benchmark::State& State)
{
    const int n = int(State.range(0));
    std::vector<bool> flags;
    int count = 0;
    for (auto _ : State) {
        flags.assign(size_t(n), false);
        for (int r = 1; r < n; ++r)
            flags[size_t(r)] = true;
        count = int(std::count(flags.begin(), flags.end(), true));
        benchmark::DoNotOptimize(count);
    }
    if (count != n - 1)
        State.SkipWithError("not every row set");
}

}  // namespace

BENCHMARK(BM_CtrlEnd_VynGrid)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CtrlEnd_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThumbToEnd_VynGrid)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThumbToEnd_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Wheel1000_VynGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wheel1000_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAll_VynGrid_InUpdate)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAll_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectRowsAll_VynGrid)->Arg(50000)->Arg(100000)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectRowsAll_VectorBool)->Arg(50000)->Arg(100000)->Apply(Repeated)->Unit(benchmark::kMicrosecond);

VYN_BENCH_MAIN();
