// Finding, replacing and highlighting on a seeded table of n rows of 20
// cells, each at n = 50,000 and 100,000 (the doubled size should take at
// most 2.2 times as long), next to a baseline measured in the same run: a
// loop of QString::contains with Qt::CaseInsensitive over the same texts.
// - a Find that misses every cell (case-insensitive; aim: under 1.5x the
//   baseline);
// - a chain of FindNext over the 1 % of cells holding "needle";
// - Replace of the 10 % of cells holding "tenpc" (and back on the next
//   iteration);
// - HilightInGrid then UnHilightInGrid of "needle";
// - one keystroke in the search bar with the highlight on: the text grows
//   from "needl" to "needle" and back, the old highlight replaced by the new
//   one (aim: under 3x the baseline).
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "bench_main.h"
#include "grid/core/vyn_string_grid.h"

namespace {

constexpr int Width = 20;
const char* const Words[] = {"valve", "pump", "sensor", "flow", "input", "output", "status", "alarm",
                             "motor", "speed", "limit", "level", "temp", "pressure", "gate", "bank"};

// Free text of two words and a number, numbers, a few HTML cells; 1 % of
// the cells hold "needle", 10 % "tenpc".
std::vector<QString> Table(int N)
{
    std::mt19937 rng(42);
    std::vector<QString> t;
    t.reserve(size_t(N) * Width);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < Width; ++c) {
            const uint32_t v = rng();
            QString s;
            if (c % 4 == 1)
                s = QString::fromLatin1(Words[v % 16]) + ' ' + QString::fromLatin1(Words[(v >> 4) % 16]) + ' ' +
                    QString::number(v % 100000);
            else if (c % 4 == 2 && v % 100 == 0)
                s = "<b>" + QString::fromLatin1(Words[(v >> 8) % 16]) + "</b> " + QString::number(v % 1000);
            else
                s = QString::number(v % 1000000);
            const uint32_t k = (v >> 12) % 100;
            if (k == 0)
                s += QStringLiteral(" needle");
            else if (k <= 10)
                s += QStringLiteral(" tenpc");
            t.push_back(s);
        }
    return t;
}

const std::vector<QString>& CachedTable(int N)
{
    static std::map<int, std::vector<QString>> tables;
    auto it = tables.find(N);
    if (it == tables.end())
        it = tables.emplace(N, Table(N)).first;
    return it->second;
}

TVynStringGrid& SharedGrid(int N)
{
    static std::map<int, std::unique_ptr<TVynStringGrid>> grids;
    auto& g = grids[N];
    if (!g) {
        const auto& t = CachedTable(N);
        g = std::make_unique<TVynStringGrid>(nullptr);
        g->SetColCount(Width);
        g->SetRowCount(N + 1);
        g->SetEnableHTML(true);
        for (int r = 0; r < N; ++r)
            for (int c = 0; c < Width; ++c)
                g->SetCells(c, r + 1, t[size_t(r) * Width + size_t(c)]);
    }
    return *g;
}

using P = TVynStringGrid::TFindParams;

// ---- baseline -------------------------------------------------------------------------------

void BM_Baseline_ContainsLoop(benchmark::State& State)
{
    const auto& t = CachedTable(int(State.range(0)));
    const QString s = QStringLiteral("zzqx");
    for (auto _ : State) {
        int n = 0;
        for (const QString& x : t)
            n += x.contains(s, Qt::CaseInsensitive);
        benchmark::DoNotOptimize(n);
    }
}

// ---- finding --------------------------------------------------------------------------------

void BM_FindMiss(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(g.FindFirst(QStringLiteral("zzqx"), P{}));
}

void BM_FindMissRowByRow(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(g.FindFirst(QStringLiteral("zzqx"), P{TVynStringGrid::fnDirectionLeftRight}));
}

void BM_FindNextChain(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)));
    for (auto _ : State) {
        int n = 0;
        for (TPoint p = g.FindFirst(QStringLiteral("needle"), P{}); p.X >= 0; p = g.FindNext())
            ++n;
        benchmark::DoNotOptimize(n);
    }
}

void BM_Replace(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)));
    // Which way the next replacement goes, kept across the repetitions.
    static std::map<int64_t, bool> forth;
    bool& f = forth.try_emplace(State.range(0), true).first->second;
    for (auto _ : State) {
        const int n = f ? g.Replace(QStringLiteral("tenpc"), QStringLiteral("tenpd"), P{})
                        : g.Replace(QStringLiteral("tenpd"), QStringLiteral("tenpc"), P{});
        if (n == 0)
            State.SkipWithError("nothing replaced");
        f = !f;
    }
}

// ---- highlighting ---------------------------------------------------------------------------

void BM_HilightAndUnHilightGrid(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)));
    for (auto _ : State) {
        g.HilightInGrid(false, false, QStringLiteral("needle"));
        g.UnHilightInGrid(false);
    }
}

class TBar : public TVynStringGrid::TSearchBarLink {
public:
    String SearchText() const override { return Text; }
    bool HighlightDown() const override { return true; }
    bool MatchCaseChecked() const override { return false; }
    void SetEditColor(TColor) override {}
    void RepaintBar() override {}
    String Text;
};

void BM_SearchBarKeystrokeHighlighted(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)));
    TBar bar;
    g.SetSearchBarLink(&bar);
    bar.Text = QStringLiteral("needl");
    g.SearchEditChange(&g);
    for (auto _ : State) {
        bar.Text = bar.Text.size() == 5 ? QStringLiteral("needle") : QStringLiteral("needl");
        g.SearchEditChange(&g);
    }
    bar.Text.clear();
    g.SearchEditChange(&g);
    g.SetSearchBarLink(nullptr);
}

void Sizes(benchmark::internal::Benchmark* B)
{
    Repeated(B);
    B->Unit(benchmark::kMillisecond)->Arg(50000)->Arg(100000);
}

}  // namespace

BENCHMARK(BM_Baseline_ContainsLoop)->Apply(Sizes);
BENCHMARK(BM_FindMiss)->Apply(Sizes);
BENCHMARK(BM_FindMissRowByRow)->Apply(Sizes);
BENCHMARK(BM_FindNextChain)->Apply(Sizes);
BENCHMARK(BM_Replace)->Apply(Sizes);
BENCHMARK(BM_HilightAndUnHilightGrid)->Apply(Sizes);
BENCHMARK(BM_SearchBarKeystrokeHighlighted)->Apply(Sizes);

VYN_BENCH_MAIN()
