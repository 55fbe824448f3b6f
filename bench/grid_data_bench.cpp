// The string grid's row operations on a seeded table of n rows of 20
// cells, each at n = 50,000 and 100,000 (the doubled size should take at
// most 2.2 times as long: one pass, not one pass per row):
// - RemoveDuplicates with every text of column 1 there twice (50 %
//   duplicates) and RemoveSelectedRows of 10 % rows selected one by one
//   (disjunct), each next to its baseline measured in the same run: the
//   same removal as an erase-remove over a std::vector of row pointers
//   (aim: under 2x);
// - HideRowList of half the rows, then UnHideRowList;
// - HideRow of every other row, then UnHideRowsAll;
// - 100,000 DisplToRealRow calls at random rows with half the rows hidden.
// Only the operation is timed; the table is built again before each run.
#include <benchmark/benchmark.h>

#include <QSet>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

#include "bench_main.h"
#include "grid/core/grid_options.h"
#include "grid/core/vyn_string_grid.h"

namespace {

constexpr int Width = 20;

// Row r's cells; column 1 holds one of n / 2 keys, each in two rows.
std::vector<std::vector<QString>> Table(int N)
{
    std::mt19937 rng(38);
    std::vector<int> keys(static_cast<size_t>(N));
    for (int r = 0; r < N; ++r)
        keys[size_t(r)] = r / 2;
    std::shuffle(keys.begin(), keys.end(), rng);
    std::vector<std::vector<QString>> t(static_cast<size_t>(N), std::vector<QString>(Width));
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < Width; ++c)
            t[size_t(r)][size_t(c)] = c == 1 ? QStringLiteral("key%1").arg(keys[size_t(r)])
                                             : QString::number(uint32_t(rng()) % 100000);
    return t;
}

// n / 10 (or n / 2) distinct seeded rows below the fixed row, ascending.
std::vector<int> SomeRows(int N, int Count)
{
    std::mt19937 rng(3838);
    std::vector<int> rows(static_cast<size_t>(N - 1));
    std::iota(rows.begin(), rows.end(), 1);
    std::shuffle(rows.begin(), rows.end(), rng);
    rows.resize(size_t(Count));
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::unique_ptr<TVynStringGrid> Grid(int N)
{
    static std::vector<std::vector<QString>> table;
    if (int(table.size()) != N)
        table = Table(N);
    auto g = std::make_unique<TVynStringGrid>(nullptr);
    g->SetColCount(Width);
    g->SetRowCount(N);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < Width; ++c)
            g->SetCells(c, r, table[size_t(r)][size_t(c)]);
    return g;
}

using Rows = std::vector<std::unique_ptr<std::vector<QString>>>;

Rows PlainRows(int N)
{
    const auto t = Table(N);
    Rows rows;
    rows.reserve(size_t(N));
    for (const auto& r : t)
        rows.push_back(std::make_unique<std::vector<QString>>(r));
    return rows;
}

// Runs Setup untimed and Work timed, once per iteration.
template <typename S, typename W>
void Timed(benchmark::State& State, S Setup, W Work)
{
    for (auto _ : State) {
        State.PauseTiming();
        auto fixture = Setup();
        State.ResumeTiming();
        Work(*fixture);
        State.PauseTiming();
        fixture.reset();
        State.ResumeTiming();
    }
}

// ---- removals and their baselines

void BM_RemoveDuplicates(benchmark::State& State)
{
    const int n = int(State.range(0));
    Timed(State, [n] { return Grid(n); }, [](TVynStringGrid& G) { G.RemoveDuplicates(1, true); });
}

void BM_RemoveDuplicates_Baseline_VectorOfRows(benchmark::State& State)
{
    const int n = int(State.range(0));
    Timed(
        State, [n] { return std::make_unique<Rows>(PlainRows(n)); },
        [](Rows& R) {
            QSet<QString> seen;
            R.erase(std::remove_if(R.begin() + 1, R.end(),
                                   [&seen](const auto& Row) {
                                       const QString& t = (*Row)[1];
                                       if (seen.contains(t))
                                           return true;
                                       seen.insert(t);
                                       return false;
                                   }),
                    R.end());
            benchmark::DoNotOptimize(R.size());
        });
}

void BM_RemoveSelectedRows(benchmark::State& State)
{
    const int n = int(State.range(0));
    const std::vector<int> picked = SomeRows(n, n / 10);
    Timed(
        State,
        [n, &picked] {
            auto g = Grid(n);
            g->MouseActions()->SetDisjunctRowSelect(true);
            for (int r : picked)
                g->SetRowSelect(r, true);
            return g;
        },
        [](TVynStringGrid& G) { G.RemoveSelectedRows(); });
}

void BM_RemoveSelectedRows_Baseline_VectorOfRows(benchmark::State& State)
{
    const int n = int(State.range(0));
    const std::vector<int> picked = SomeRows(n, n / 10);
    std::vector<char> flags(static_cast<size_t>(n), 0);
    for (int r : picked)
        flags[size_t(r)] = 1;
    Timed(
        State, [n] { return std::make_unique<Rows>(PlainRows(n)); },
        [&flags](Rows& R) {
            size_t i = 0;
            R.erase(std::remove_if(R.begin(), R.end(), [&](const auto&) { return flags[i++] != 0; }), R.end());
            benchmark::DoNotOptimize(R.size());
        });
}

// ---- hiding and showing

void BM_HideRowList_UnHideRowList(benchmark::State& State)
{
    const int n = int(State.range(0));
    const std::vector<int> picked = SomeRows(n, n / 2);
    TIntList list(0, 0);
    for (int r : picked)
        list.Add(r);
    Timed(State, [n] { return Grid(n); },
          [&list](TVynStringGrid& G) {
              G.HideRowList(list);
              G.UnHideRowList();
          });
}

void BM_HideRowEveryOther_UnHideRowsAll(benchmark::State& State)
{
    const int n = int(State.range(0));
    Timed(State, [n] { return Grid(n); },
          [n](TVynStringGrid& G) {
              for (int r = 1; r < n; r += 2)
                  G.HideRow(r);
              G.UnHideRowsAll();
          });
}

void BM_DisplToRealRow_HalfHidden(benchmark::State& State)
{
    const int n = int(State.range(0));
    auto g = Grid(n);
    TIntList list(0, 0);
    for (int r = 1; r < n; r += 2)
        list.Add(r);
    g->HideRowList(list);
    std::mt19937 rng(380);
    std::vector<int> asked(100000);
    for (int& a : asked)
        a = int(rng() % uint32_t(g->RowCount()));
    for (auto _ : State) {
        long long sum = 0;
        for (int a : asked)
            sum += g->DisplToRealRow(a);
        benchmark::DoNotOptimize(sum);
    }
}

#define VYN_ROWS_CASE(F) \
    BENCHMARK(F)->Arg(50000)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond)->Apply(Repeated)
VYN_ROWS_CASE(BM_RemoveDuplicates_Baseline_VectorOfRows);
VYN_ROWS_CASE(BM_RemoveDuplicates);
VYN_ROWS_CASE(BM_RemoveSelectedRows_Baseline_VectorOfRows);
VYN_ROWS_CASE(BM_RemoveSelectedRows);
VYN_ROWS_CASE(BM_HideRowList_UnHideRowList);
VYN_ROWS_CASE(BM_HideRowEveryOther_UnHideRowsAll);
BENCHMARK(BM_DisplToRealRow_HalfHidden)->Arg(50000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
