// The string grid (TVynStringGrid) with 100,000 rows of 20 columns, each
// measurement next to two baselines doing the same work in the same run:
// the cell store (TBaseGrid) it is built on, and a QStandardItemModel
// (rendered by a QTableView for the paint cases).
// - filling every cell through Cells;
// - painting one screen at the top and one scrolled to the end.
// Aims: the string grid at most 1.3x the cell store, and faster than the
// model. The item model and view run last in every group: their million
// items leave the heap slow to allocate from for whatever runs next.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

#include "bench_main.h"
#include "grid_bench_cases.h"
#include "grid/core/base_grid.h"
#include "grid/core/vyn_string_grid.h"

namespace {

// ---- fill

template <typename G>
void FillCase(benchmark::State& State)
{
    Texts();
    for (auto _ : State) {
        G g(nullptr);
        Fill(g);
        benchmark::DoNotOptimize(g.RowCount());
    }
}

void BM_Fill_Baseline_CellStore(benchmark::State& S) { FillCase<TBaseGrid>(S); }
void BM_Fill_StringGrid(benchmark::State& S) { FillCase<TVynStringGrid>(S); }

// Both grids in each iteration, taking turns at going first (see PairedFill).
void BM_Fill_Paired(benchmark::State& State)
{
    PairedFill<TBaseGrid, TVynStringGrid>(State, "cellstore_s", "stringgrid_s", [](auto&) {});
}

void BM_Fill_Baseline_ItemModel(benchmark::State& State)
{
    Texts();
    for (auto _ : State) {
        QStandardItemModel m;
        FillModel(m);
        benchmark::DoNotOptimize(m.rowCount());
    }
}

// ---- paint one screen

void BM_PaintTop_Baseline_CellStore(benchmark::State& S) { PaintCase<GridPaint<TBaseGrid>>(S, false); }
void BM_PaintTop_Baseline_ItemView(benchmark::State& S) { PaintCase<ModelPaint>(S, false); }
void BM_PaintTop_StringGrid(benchmark::State& S) { PaintCase<GridPaint<TVynStringGrid>>(S, false); }
void BM_PaintEnd_Baseline_CellStore(benchmark::State& S) { PaintCase<GridPaint<TBaseGrid>>(S, true); }
void BM_PaintEnd_Baseline_ItemView(benchmark::State& S) { PaintCase<ModelPaint>(S, true); }
void BM_PaintEnd_StringGrid(benchmark::State& S) { PaintCase<GridPaint<TVynStringGrid>>(S, true); }

#define VYN_CASE(F, U) BENCHMARK(F)->Unit(U)->Apply(Repeated)
// The model's million items leave the heap slow to allocate from for
// whatever fills next, so it fills after the two grids.
VYN_CASE(BM_Fill_Baseline_CellStore, benchmark::kMillisecond);
VYN_CASE(BM_Fill_StringGrid, benchmark::kMillisecond);
BENCHMARK(BM_Fill_Paired)->Unit(benchmark::kMillisecond)->Iterations(4)->Apply(Repeated);
VYN_CASE(BM_Fill_Baseline_ItemModel, benchmark::kMillisecond);
VYN_CASE(BM_PaintTop_Baseline_CellStore, benchmark::kMicrosecond);
VYN_CASE(BM_PaintTop_StringGrid, benchmark::kMicrosecond);
VYN_CASE(BM_PaintTop_Baseline_ItemView, benchmark::kMicrosecond);
VYN_CASE(BM_PaintEnd_Baseline_CellStore, benchmark::kMicrosecond);
VYN_CASE(BM_PaintEnd_StringGrid, benchmark::kMicrosecond);
VYN_CASE(BM_PaintEnd_Baseline_ItemView, benchmark::kMicrosecond);

}  // namespace

VYN_BENCH_MAIN()
