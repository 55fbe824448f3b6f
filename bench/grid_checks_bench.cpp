// A check-box column of 100,000 rows: the string grid's AddCheckBoxColumn,
// then every state read (GetCheckBoxState) and toggled (SetCheckBoxState),
// next to a QStandardItemModel doing the same with Qt::CheckStateRole
// (checkable items, the state read and written through the model) in the
// same run. Aim: the grid faster than the model.
//
// The figure to compare is the paired case: both in each iteration, taking
// turns at going first, so neither always inherits the heap the other left.
// The heap keeps freed memory as the program's does (bench_main.h): with
// the allocator's default, every grid dropped gave its pages back and the
// next one faulted them in again, which on a virtual machine cost more than
// the grid's work (about 1.9x the model, the grid holding about twice its
// memory per box). The ReadToggle cases measure the states alone, on a
// column made once.
#include <benchmark/benchmark.h>

#include <QStandardItemModel>

#include <chrono>

#include "bench_main.h"
#include "grid/core/vyn_string_grid.h"

namespace {

// One fixed row and Rows rows of three columns, the boxes in column 1.
void MakeBoxColumn(TVynStringGrid& G)
{
    G.SetColCount(3);
    G.SetRowCount(Rows + 1);
    G.SetFixedRows(1);
    G.AddCheckBoxColumn(1, false, false);
}

// Every state read and toggled.
void ReadToggle(TVynStringGrid& G)
{
    int checked = 0;
    for (int r = 1; r <= Rows; ++r) {
        bool s = false;
        G.GetCheckBoxState(1, r, s);
        checked += s;
        G.SetCheckBoxState(1, r, !s);
    }
    benchmark::DoNotOptimize(checked);
}

// The same in the model: checkable items in column 1.
void MakeBoxColumn(QStandardItemModel& M)
{
    for (int r = 0; r < Rows; ++r) {
        auto* item = new QStandardItem();
        item->setCheckable(true);
        item->setCheckState(Qt::Unchecked);
        M.setItem(r, 1, item);
    }
}

void ReadToggle(QStandardItemModel& M)
{
    int checked = 0;
    for (int r = 0; r < Rows; ++r) {
        const QModelIndex i = M.index(r, 1);
        const bool s = M.data(i, Qt::CheckStateRole).toInt() == Qt::Checked;
        checked += s;
        M.setData(i, s ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    benchmark::DoNotOptimize(checked);
}

void GridRun()
{
    TVynStringGrid g(nullptr);
    MakeBoxColumn(g);
    ReadToggle(g);
}

void ModelRun()
{
    QStandardItemModel m(Rows, 3);
    MakeBoxColumn(m);
    ReadToggle(m);
}

// The states alone: every state of a column made once read and toggled.
void BM_ReadToggle_StringGrid(benchmark::State& State)
{
    TVynStringGrid g(nullptr);
    MakeBoxColumn(g);
    for (auto _ : State)
        ReadToggle(g);
}

void BM_ReadToggle_Baseline_ItemModel(benchmark::State& State)
{
    QStandardItemModel m(Rows, 3);
    MakeBoxColumn(m);
    for (auto _ : State)
        ReadToggle(m);
}

void BM_CheckColumn_StringGrid(benchmark::State& State)
{
    for (auto _ : State)
        GridRun();
}

void BM_CheckColumn_Baseline_ItemModel(benchmark::State& State)
{
    for (auto _ : State)
        ModelRun();
}

// Both in each iteration, taking turns at going first; the counters are
// the seconds of each and their ratio (grid over model).
void BM_CheckColumn_Paired(benchmark::State& State)
{
    using Clock = std::chrono::steady_clock;
    auto timed = [](void (*Run)()) {
        const auto t0 = Clock::now();
        Run();
        return std::chrono::duration<double>(Clock::now() - t0).count();
    };
    double grid = 0, model = 0;
    bool gridFirst = true;
    for (auto _ : State) {
        if (gridFirst) {
            grid += timed(GridRun);
            model += timed(ModelRun);
        } else {
            model += timed(ModelRun);
            grid += timed(GridRun);
        }
        gridFirst = !gridFirst;
    }
    const double n = double(State.iterations());
    State.counters["model_s"] = model / n;
    State.counters["stringgrid_s"] = grid / n;
    State.counters["ratio"] = grid / model;
}

// The model's items leave the heap slow to allocate from for whatever runs
// next, so it runs after the grid.
BENCHMARK(BM_CheckColumn_StringGrid)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_CheckColumn_Baseline_ItemModel)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_ReadToggle_StringGrid)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_ReadToggle_Baseline_ItemModel)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_CheckColumn_Paired)->Unit(benchmark::kMillisecond)->Iterations(6)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
