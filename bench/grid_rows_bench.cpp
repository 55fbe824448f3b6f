// Rows in bulk on a base string grid of 100,000 rows x 20 columns, each
// next to the same work on a plain vector of row pointers:
// - sorting by a key column: the keys read, an order sorted and applied
//   with PermuteRows   vs. std::sort of the row pointers by the key;
// - 50,000 single-row DeleteRows at scattered places
//                      vs. one erase-remove pass dropping the same rows.
#include <QString>

#include <memory>
#include <random>
#include <vector>

#include "bench_main.h"
#include "grid_bench_cases.h"
#include "platform/grids/grids.h"

namespace {

constexpr int Rows = 100000;  // below one fixed row
constexpr int Cols = 20;
constexpr int KeyCol = 3;
constexpr int Deletes = 50000;

using Row = std::vector<QString>;

// The cells of data row r (0-based, without the fixed row); the key column
// holds a random number.
const std::vector<Row>& Data()
{
    static const std::vector<Row> data = [] {
        std::mt19937 rng(15);
        std::vector<Row> d(static_cast<size_t>(Rows), Row(static_cast<size_t>(Cols)));
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                d[size_t(r)][size_t(c)] =
                    c == KeyCol ? QString::number(rng() % 1000000000u) : QString::number(r * 100 + c);
        return d;
    }();
    return data;
}

// ---- sort by a key column

void BM_SortByKey_Grid_PermuteRows(benchmark::State& State)
{
    TStringGrid g(nullptr);
    Fill(g);
    std::vector<int> order(size_t(Rows) + 1);
    std::vector<QString> keys(size_t(Rows) + 1);
    for (auto _ : State) {
        // The keys of the data rows, an order sorted by them, applied.
        for (int r = 1; r <= Rows; ++r)
            keys[size_t(r)] = g.Cells(KeyCol, r);
        for (int r = 0; r <= Rows; ++r)
            order[size_t(r)] = r;
        std::sort(order.begin() + 1, order.end(), [&](int A, int B) { return keys[size_t(A)] < keys[size_t(B)]; });
        g.PermuteRows(order);

        State.PauseTiming();
        std::vector<int> back(order.size());  // the grid as it was, for the next round
        for (size_t i = 0; i < order.size(); ++i)
            back[size_t(order[i])] = int(i);
        g.PermuteRows(back);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_SortByKey_Grid_PermuteRows)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_SortByKey_Baseline_StdSortRowPointers(benchmark::State& State)
{
    std::vector<std::unique_ptr<Row>> rows;
    for (const Row& r : Data())
        rows.push_back(std::make_unique<Row>(r));
    std::vector<Row*> unsorted;
    for (auto& r : rows)
        unsorted.push_back(r.get());
    std::vector<Row*> ptrs;
    for (auto _ : State) {
        State.PauseTiming();
        ptrs = unsorted;
        State.ResumeTiming();
        std::sort(ptrs.begin(), ptrs.end(),
                  [](const Row* A, const Row* B) { return (*A)[KeyCol] < (*B)[KeyCol]; });
        benchmark::DoNotOptimize(ptrs.data());
    }
}
BENCHMARK(BM_SortByKey_Baseline_StdSortRowPointers)->Unit(benchmark::kMillisecond)->Apply(Repeated);

// ---- scattered single-row deletes

// Where each delete happens (a data row of the grid as it is then), and
// which of the original data rows they remove.
struct Scatter {
    std::vector<int> At;      // grid rows, the fixed row counted
    std::vector<char> Dead;   // per original data row
};

const Scatter& Deletions()
{
    static const Scatter s = [] {
        Scatter s;
        std::mt19937 rng(51);
        // A Fenwick tree over the rows still there finds the k-th of them.
        std::vector<int> tree(size_t(Rows) + 1, 0);
        auto add = [&](int I, int V) {
            for (++I; I <= Rows; I += I & -I)
                tree[size_t(I)] += V;
        };
        for (int i = 0; i < Rows; ++i)
            add(i, 1);
        int log = 1;
        while ((1 << log) <= Rows)
            ++log;
        s.Dead.assign(size_t(Rows), 0);
        int alive = Rows;
        for (int i = 0; i < Deletes; ++i) {
            const int k = int(rng() % unsigned(alive));  // the k-th row still there (0-based)
            int pos = 0, rest = k + 1;
            for (int step = 1 << log; step; step >>= 1)
                if (pos + step <= Rows && tree[size_t(pos + step)] < rest) {
                    pos += step;
                    rest -= tree[size_t(pos)];
                }
            s.At.push_back(k + 1);
            s.Dead[size_t(pos)] = 1;
            add(pos, -1);
            --alive;
        }
        return s;
    }();
    return s;
}

void BM_ScatteredDeletes_Grid_DeleteRows(benchmark::State& State)
{
    const Scatter& s = Deletions();
    for (auto _ : State) {
        State.PauseTiming();
        auto g = std::make_unique<TStringGrid>(nullptr);
        Fill(*g);
        State.ResumeTiming();
        for (int at : s.At)
            g->DeleteRows(at, 1);
        State.PauseTiming();
        if (g->RowCount() != Rows - Deletes + 1)
            State.SkipWithError("the grid lost a wrong number of rows");
        g.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_ScatteredDeletes_Grid_DeleteRows)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(Repeated);

void BM_ScatteredDeletes_Baseline_EraseRemove(benchmark::State& State)
{
    const Scatter& s = Deletions();
    struct Item {
        Row Cells;
        bool Dead;
    };
    for (auto _ : State) {
        State.PauseTiming();
        std::vector<std::unique_ptr<Item>> rows;
        rows.reserve(size_t(Rows));
        for (int r = 0; r < Rows; ++r)
            rows.push_back(std::make_unique<Item>(Item{Data()[size_t(r)], s.Dead[size_t(r)] != 0}));
        State.ResumeTiming();
        rows.erase(std::remove_if(rows.begin(), rows.end(), [](const std::unique_ptr<Item>& I) { return I->Dead; }),
                   rows.end());
        benchmark::DoNotOptimize(rows.data());
        State.PauseTiming();
        rows.clear();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_ScatteredDeletes_Baseline_EraseRemove)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
