// Reading through the string grid's hidden-column and hidden-row mappings,
// each next to baselines measured in the same run:
// - every shown cell of 100,000 rows of 20 columns with columns 3 and 11
//   hidden, read through its display column (RealColIndex, then Cells);
//   baselines: the cell store (TBaseGrid) reading 18 columns directly, and
//   a QSortFilterProxyModel that rejects the two columns over a
//   QStandardItemModel. Aims: at most 1.3x the cell store, faster than the
//   proxy model.
// - RealRowIndex of every display row of 100,000 with 1,000 rows hidden,
//   next to the same loop without hidden rows.
#include <benchmark/benchmark.h>

#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <memory>

#include "bench_main.h"
#include "grid_bench_cases.h"
#include "grid/core/base_grid.h"
#include "grid/core/vyn_string_grid.h"

namespace {

constexpr int HiddenA = 3;
constexpr int HiddenB = 11;
constexpr int ShownCols = Cols - 2;

// The string grid as the hiding operations leave it: the flags cleared,
// ColCount lowered, every cell at its real column.
struct HiddenColumnsGrid {
    TVynStringGrid Grid{nullptr};
    HiddenColumnsGrid()
    {
        Fill(Grid);
        Grid.SetVisibleCol(HiddenA, false);
        Grid.SetVisibleCol(HiddenB, false);
        Grid.SetColCount(ShownCols);
    }
};

struct BaseGridTable {
    TBaseGrid Grid{nullptr};
    BaseGridTable() { Fill(Grid); }
};

class RejectColumns : public QSortFilterProxyModel {
protected:
    bool filterAcceptsColumn(int Column, const QModelIndex&) const override
    {
        return Column != HiddenA && Column != HiddenB;
    }
};

struct ProxyTable {
    QStandardItemModel Model;
    RejectColumns Proxy;
    ProxyTable()
    {
        FillModel(Model);
        Proxy.setSourceModel(&Model);
    }
};

void BM_ReadShown_Baseline_CellStore(benchmark::State& State)
{
    BaseGridTable t;
    for (auto _ : State) {
        qsizetype n = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < ShownCols; ++c)
                n += t.Grid.Cells(c, r).size();
        benchmark::DoNotOptimize(n);
    }
}

void BM_ReadShown_Baseline_ProxyModel(benchmark::State& State)
{
    ProxyTable t;
    for (auto _ : State) {
        qsizetype n = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < ShownCols; ++c)
                n += t.Proxy.data(t.Proxy.index(r, c)).toString().size();
        benchmark::DoNotOptimize(n);
    }
}

void BM_ReadShown_StringGrid(benchmark::State& State)
{
    HiddenColumnsGrid t;
    TVynStringGrid& g = t.Grid;
    for (auto _ : State) {
        qsizetype n = 0;
        for (int r = 0; r < Rows; ++r)
            for (int d = 0; d < g.ColCount(); ++d)
                n += g.Cells(g.RealColIndex(d), r).size();
        benchmark::DoNotOptimize(n);
    }
}

// ---- the row mapping

class RowsGrid : public TVynStringGrid {
public:
    explicit RowsGrid(int Hidden) : TVynStringGrid(nullptr)
    {
        SetRowCount(::Rows);
        // Every 101st real row hidden, spread over the table.
        for (int i = 0; i < Hidden; ++i) {
            auto item = std::make_unique<TGridItem>();
            item->SetIdx(i * 101 + 50);
            InsertGridItem(std::move(item));
        }
    }
};

void RealRowsCase(benchmark::State& State, int Hidden)
{
    RowsGrid g(Hidden);
    for (auto _ : State) {
        long long sum = 0;
        for (int d = 0; d < g.RowCount(); ++d)
            sum += g.RealRowIndex(d);
        benchmark::DoNotOptimize(sum);
    }
}

void BM_RealRowIndex_Baseline_NoHiddenRows(benchmark::State& S) { RealRowsCase(S, 0); }
void BM_RealRowIndex_1000HiddenRows(benchmark::State& S) { RealRowsCase(S, 1000); }

#define VYN_CASE(F, U) BENCHMARK(F)->Unit(U)->Apply(Repeated)
VYN_CASE(BM_ReadShown_Baseline_CellStore, benchmark::kMillisecond);
VYN_CASE(BM_ReadShown_StringGrid, benchmark::kMillisecond);
VYN_CASE(BM_ReadShown_Baseline_ProxyModel, benchmark::kMillisecond);
VYN_CASE(BM_RealRowIndex_Baseline_NoHiddenRows, benchmark::kMicrosecond);
VYN_CASE(BM_RealRowIndex_1000HiddenRows, benchmark::kMicrosecond);

}  // namespace

VYN_BENCH_MAIN()
