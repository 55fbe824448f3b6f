// The cell store (TBaseGrid) with 100,000 rows of 20 columns, each
// measurement next to two baselines doing the same work in the same run:
// the platform's TStringGrid, and a QStandardItemModel (with a QTableView
// rendering the same viewport for the paint cases).
// - filling every cell through Cells and reading every cell back;
// - 1,000 rows inserted and 1,000 deleted in the middle, with a property
//   object (the string grid and the model: an object / a data role) in one
//   cell of ten;
// - painting one screen at the top and one scrolled to the end (the same
//   screen again and again, as a grid repaints under hover and selection);
// - scrolling a screen down and painting it, texts never painted before
//   (no item-view baseline).
// Aims: the cell store at most 1.3x the string grid, and faster than the model.
// The scrolled screens show what stays above that: the cell store centres
// its texts, so each new text is measured before it is drawn (the string
// grid draws at the left without measuring), and its lines lie inside the
// cells, so the same 800 x 600 shows a column and a row more.
// Every case runs 5 times; the minimum is the number to compare. The
// item model and view run last in every group: their million items leave
// the heap slow to allocate from for whatever runs next. The fill is also
// measured paired (both grids in each iteration, taking turns at going
// first), which no order of separate cases can make fair.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench_main.h"
#include "grid_bench_cases.h"
#include "grid/core/base_grid.h"

namespace {

bool TenthCell(int C, int R) { return (R * Cols + C) % 10 == 0; }

template <typename G>
qsizetype ReadAll(G& Grid)
{
    qsizetype n = 0;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            n += Grid.Cells(c, r).size();
    return n;
}

// ---- fill and read back

void BM_FillRead_CellStore(benchmark::State& State)
{
    Texts();
    for (auto _ : State) {
        TBaseGrid g(nullptr);
        Fill(g);
        benchmark::DoNotOptimize(ReadAll(g));
    }
}

void BM_FillRead_Baseline_StringGrid(benchmark::State& State)
{
    Texts();
    for (auto _ : State) {
        TStringGrid g(nullptr);
        Fill(g);
        benchmark::DoNotOptimize(ReadAll(g));
    }
}

// Both grids in each iteration, taking turns at going first (see PairedFill).
void BM_FillRead_Paired(benchmark::State& State)
{
    PairedFill<TStringGrid, TBaseGrid>(State, "stringgrid_s", "cellstore_s",
                                       [](auto& G) { benchmark::DoNotOptimize(ReadAll(G)); });
}

void BM_FillRead_Baseline_ItemModel(benchmark::State& State)
{
    Texts();
    for (auto _ : State) {
        QStandardItemModel m;
        FillModel(m);
        qsizetype n = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                n += m.data(m.index(r, c)).toString().size();
        benchmark::DoNotOptimize(n);
    }
}

// ---- insert and delete rows in the middle

void BM_InsertDelete_CellStore(benchmark::State& State)
{
    TBaseGrid g(nullptr);
    Fill(g);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            if (TenthCell(c, r))
                g.GetCellProperties(c, r);
    for (auto _ : State) {
        for (int i = 0; i < 1000; ++i) {
            g.InsertRow(Rows / 2);
            g.GetCellProperties(i % Cols, Rows / 2);
        }
        for (int i = 0; i < 1000; ++i)
            g.DeleteRow(Rows / 2);
        benchmark::DoNotOptimize(g.RowCount());
    }
}

void BM_InsertDelete_Baseline_StringGrid(benchmark::State& State)
{
    TStringGrid g(nullptr);
    Fill(g);
    std::vector<std::unique_ptr<TObject>> objects;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            if (TenthCell(c, r)) {
                objects.push_back(std::make_unique<TObject>());
                g.SetObjects(c, r, objects.back().get());
            }
    TObject extra;
    for (auto _ : State) {
        for (int i = 0; i < 1000; ++i) {
            g.InsertRow(Rows / 2);
            g.SetObjects(i % Cols, Rows / 2, &extra);
        }
        for (int i = 0; i < 1000; ++i)
            g.DeleteRow(Rows / 2);
        benchmark::DoNotOptimize(g.RowCount());
    }
}

void BM_InsertDelete_Baseline_ItemModel(benchmark::State& State)
{
    QStandardItemModel m;
    FillModel(m);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            if (TenthCell(c, r))
                m.setData(m.index(r, c), 1, Qt::UserRole);
    for (auto _ : State) {
        for (int i = 0; i < 1000; ++i) {
            m.insertRow(Rows / 2);
            m.setData(m.index(Rows / 2, i % Cols), 1, Qt::UserRole);
        }
        for (int i = 0; i < 1000; ++i)
            m.removeRow(Rows / 2);
        benchmark::DoNotOptimize(m.rowCount());
    }
}

// ---- paint one screen

template <typename G>
void ScrollCase(benchmark::State& State)
{
    GridPaint<G> f(false);
    for (auto _ : State)
        f.ScrollAndPaint();
}

void BM_PaintTop_CellStore(benchmark::State& S) { PaintCase<GridPaint<TBaseGrid>>(S, false); }
void BM_PaintTop_Baseline_StringGrid(benchmark::State& S) { PaintCase<GridPaint<TStringGrid>>(S, false); }
void BM_PaintTop_Baseline_ItemView(benchmark::State& S) { PaintCase<ModelPaint>(S, false); }
void BM_PaintEnd_CellStore(benchmark::State& S) { PaintCase<GridPaint<TBaseGrid>>(S, true); }
void BM_PaintEnd_Baseline_StringGrid(benchmark::State& S) { PaintCase<GridPaint<TStringGrid>>(S, true); }
void BM_PaintEnd_Baseline_ItemView(benchmark::State& S) { PaintCase<ModelPaint>(S, true); }
void BM_ScrollPaint_CellStore(benchmark::State& S) { ScrollCase<TBaseGrid>(S); }
void BM_ScrollPaint_Baseline_StringGrid(benchmark::State& S) { ScrollCase<TStringGrid>(S); }

#define VYN_CASE(F, U) BENCHMARK(F)->Unit(U)->Apply(Repeated)
VYN_CASE(BM_FillRead_Baseline_StringGrid, benchmark::kMillisecond);
VYN_CASE(BM_FillRead_CellStore, benchmark::kMillisecond);
BENCHMARK(BM_FillRead_Paired)->Unit(benchmark::kMillisecond)->Iterations(4)->Apply(Repeated);
VYN_CASE(BM_FillRead_Baseline_ItemModel, benchmark::kMillisecond);
VYN_CASE(BM_InsertDelete_Baseline_StringGrid, benchmark::kMillisecond);
VYN_CASE(BM_InsertDelete_CellStore, benchmark::kMillisecond);
VYN_CASE(BM_InsertDelete_Baseline_ItemModel, benchmark::kMillisecond);
VYN_CASE(BM_PaintTop_Baseline_StringGrid, benchmark::kMicrosecond);
VYN_CASE(BM_PaintTop_CellStore, benchmark::kMicrosecond);
VYN_CASE(BM_PaintTop_Baseline_ItemView, benchmark::kMicrosecond);
VYN_CASE(BM_PaintEnd_Baseline_StringGrid, benchmark::kMicrosecond);
VYN_CASE(BM_PaintEnd_CellStore, benchmark::kMicrosecond);
VYN_CASE(BM_PaintEnd_Baseline_ItemView, benchmark::kMicrosecond);
VYN_CASE(BM_ScrollPaint_Baseline_StringGrid, benchmark::kMicrosecond);
VYN_CASE(BM_ScrollPaint_CellStore, benchmark::kMicrosecond);

}  // namespace

VYN_BENCH_MAIN()
