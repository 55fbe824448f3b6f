// The grid's keys and pointer on the benchmark table (100,000 x 20), each
// next to the platform's string grid doing the same in the same run, every
// step followed by its repaint (aim: at most 2 times):
// - 1,000 Down keys;
// - Page Down from the first row to the last;
// - 1,000 pointer moves across the rows, hover rows on.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

template <typename TGrid>
struct Stage {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TGrid* grid;
    Stage()
    {
        VynGridModule::Start();
        form.SetBounds(0, 0, 700, 400);
        grid = new TGrid(&form);
        grid->SetBounds(0, 0, 680, 380);
        const std::vector<QString>& t = Texts();
        grid->SetColCount(Cols);
        grid->SetRowCount(Rows);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                grid->SetCells(c, r, t[size_t(r) * Cols + size_t(c)]);
        if constexpr (std::is_same_v<TGrid, TVynStringGrid>)
            grid->SetHoverRow(true);
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
    }
};

template <typename TGrid>
void Down1000(benchmark::State& State)
{
    Stage<TGrid> s;
    TGrid& g = *s.grid;
    for (auto _ : State) {
        State.PauseTiming();
        g.MoveColRow(1, 1, true, true);
        State.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            TestKit::TypeKey(&g, VK_DOWN);
            benchmark::DoNotOptimize(g.PaintToImage());
        }
    }
    if (g.Row() != 1001)
        State.SkipWithError("Down did not move");
}

template <typename TGrid>
void PageDownToEnd(benchmark::State& State)
{
    Stage<TGrid> s;
    TGrid& g = *s.grid;
    int pages = 0;
    for (auto _ : State) {
        State.PauseTiming();
        g.MoveColRow(1, 1, true, true);
        State.ResumeTiming();
        pages = 0;
        while (g.Row() < g.RowCount() - 1 && pages < Rows) {
            TestKit::TypeKey(&g, VK_NEXT);
            benchmark::DoNotOptimize(g.PaintToImage());
            ++pages;
        }
    }
    if (g.Row() != g.RowCount() - 1)
        State.SkipWithError("Page Down did not reach the end");
    State.counters["pages"] = pages;
}

template <typename TGrid>
void PointerMoves1000(benchmark::State& State)
{
    Stage<TGrid> s;
    TGrid& g = *s.grid;
    const int top = g.CellRect(1, 1).Top;
    const int height = g.CellRect(1, g.TopRow() + g.VisibleRowCount() - 1).Bottom - top;
    for (auto _ : State) {
        for (int i = 0; i < 1000; ++i) {
            TestKit::MouseMove(&g, 100 + (i % 7), top + (i * 7) % height);
            benchmark::DoNotOptimize(g.PaintToImage());
        }
    }
}

void BM_Down1000_VynGrid(benchmark::State& S) { Down1000<TVynStringGrid>(S); }
void BM_Down1000_PlatformGrid(benchmark::State& S) { Down1000<TStringGrid>(S); }
void BM_PageDownToEnd_VynGrid(benchmark::State& S) { PageDownToEnd<TVynStringGrid>(S); }
void BM_PageDownToEnd_PlatformGrid(benchmark::State& S) { PageDownToEnd<TStringGrid>(S); }
void BM_PointerMoves1000_VynGrid(benchmark::State& S) { PointerMoves1000<TVynStringGrid>(S); }
void BM_PointerMoves1000_PlatformGrid(benchmark::State& S) { PointerMoves1000<TStringGrid>(S); }

}  // namespace

BENCHMARK(BM_Down1000_VynGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Down1000_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDownToEnd_VynGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDownToEnd_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointerMoves1000_VynGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointerMoves1000_PlatformGrid)->Apply(Repeated)->Unit(benchmark::kMillisecond);

VYN_BENCH_MAIN();
