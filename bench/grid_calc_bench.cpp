// Automatic sizing, column calculations and the floating footer on a seeded
// table of n rows of 20 cells, each at n = 50,000 and 100,000 (the doubled
// size should take at most 2.2 times as long), next to baselines measured
// in the same run:
// - AutoSizeCol of a plain column (free text and numbers) next to
//   QFontMetrics::horizontalAdvance of the same texts, and of an HTML
//   column next to the HTML renderer's size call (DrawHTMLText measuring
//   only) of the same texts (aim: under 1.5x);
// - ColumnSum, ColumnMin, ColumnDistinct and ColumnStdDev of a 2-decimal
//   column with 0 % and with 50 % of the rows hidden (counted as real rows),
//   next to parsing the same texts (CleanNumberText, then TryStrToFloat)
//   into a std::vector<double> and summing it (aim: under 2x);
// - 1,000 single-cell edits (the cell written, then CellsChanged for it)
//   with a visible footer summing, counting and taking the maximum of the
//   edited column, next to the same edits with the footer hidden
//   (aim: under 2x).
#include <benchmark/benchmark.h>

#include <QFontMetrics>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "bench_main.h"
#include "grid/core/grid_format.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"

namespace {

constexpr int Width = 20;
constexpr int PlainCol = 1;
constexpr int HtmlCol = 2;
constexpr int NumberCol = 3;
constexpr int KeyCol = 4;

const char* const Words[] = {"valve", "pump", "sensor", "flow", "input", "output", "status", "alarm",
                             "motor", "speed", "limit", "level", "temp", "pressure", "gate", "bank"};

// Column 1 free text and ids, column 2 HTML, column 3 two-decimal numbers,
// column 4 one of 1,000 keys, the rest integers; row 0 the header.
std::vector<std::vector<QString>> Table(int N)
{
    std::mt19937 rng(39);
    std::vector<std::vector<QString>> t(static_cast<size_t>(N), std::vector<QString>(Width));
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < Width; ++c) {
            QString& s = t[size_t(r)][size_t(c)];
            const uint32_t v = rng();
            switch (c) {
            case PlainCol:
                s = QString::fromLatin1(Words[v % 16]) + ' ' + QString::fromLatin1(Words[(v >> 4) % 16]) + ' ' +
                    QString::number(v % 100000);
                break;
            case HtmlCol:
                s = "<b>" + QString::fromLatin1(Words[v % 16]) + "</b> " + QString::number(v % 1000);
                break;
            case NumberCol: s = QString::number((v % 10000000) / 100.0, 'f', 2); break;
            case KeyCol: s = "key" + QString::number(v % 1000); break;
            default: s = QString::number(v % 100000); break;
            }
        }
    return t;
}

const std::vector<std::vector<QString>>& CachedTable(int N)
{
    static std::map<int, std::vector<std::vector<QString>>> tables;
    auto it = tables.find(N);
    if (it == tables.end())
        it = tables.emplace(N, Table(N)).first;
    return it->second;
}

std::unique_ptr<TVynStringGrid> MakeGrid(int N, int ExtraRows = 0)
{
    const auto& t = CachedTable(N);
    auto g = std::make_unique<TVynStringGrid>(nullptr);
    g->SetColCount(Width);
    g->SetRowCount(N + ExtraRows);
    g->SetEnableHTML(true);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < Width; ++c)
            g->SetCells(c, r, t[size_t(r)][size_t(c)]);
    return g;
}

// One grid per size, with every other row hidden when Half.
TVynStringGrid& SharedGrid(int N, bool Half)
{
    static std::map<std::pair<int, bool>, std::unique_ptr<TVynStringGrid>> grids;
    auto& g = grids[{N, Half}];
    if (!g) {
        g = MakeGrid(N);
        if (Half) {
            TIntList list(0, 0);
            for (int r = 1; r < N; r += 2)
                list.Add(r);
            g->HideRowList(list);
        }
    }
    return *g;
}

// ---- sizing ---------------------------------------------------------------------------------

void BM_AutoSizeCol_Plain(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)), false);
    for (auto _ : State) {
        g.AutoSizeCol(PlainCol, 0);
        benchmark::DoNotOptimize(g.ColWidths(PlainCol));
    }
}

void BM_AutoSizeCol_Plain_Baseline_HorizontalAdvance(benchmark::State& State)
{
    const int n = int(State.range(0));
    const auto& t = CachedTable(n);
    TVynStringGrid& g = SharedGrid(n, false);
    const QFontMetrics fm(g.Font().Measure().Font());
    for (auto _ : State) {
        int w = 0;
        for (int r = 0; r < n; ++r)
            w = std::max(w, int(fm.horizontalAdvance(t[size_t(r)][PlainCol])));
        benchmark::DoNotOptimize(w);
    }
}

void BM_AutoSizeCol_Html(benchmark::State& State)
{
    TVynStringGrid& g = SharedGrid(int(State.range(0)), false);
    for (auto _ : State) {
        g.AutoSizeCol(HtmlCol, 0);
        benchmark::DoNotOptimize(g.ColWidths(HtmlCol));
    }
}

void BM_AutoSizeCol_Html_Baseline_MeasureHTML(benchmark::State& State)
{
    const int n = int(State.range(0));
    const auto& t = CachedTable(n);
    TVynStringGrid& g = SharedGrid(n, false);
    TBitmap scratch(1, 1);
    TCanvas& cv = scratch.Canvas();
    cv.Font().Assign(g.Font());
    THTMLDrawOptions o;
    o.MeasureOnly = true;
    o.WrapWords = true;
    for (auto _ : State) {
        int w = 0;
        for (int r = 0; r < n; ++r) {
            const THTMLDrawResult m = DrawHTMLText(cv, t[size_t(r)][HtmlCol], TRect(0, 0, 0xFFFF, 0xFFFF), o);
            w = std::max(w, m.LaidOutWidth);
        }
        benchmark::DoNotOptimize(w);
    }
}

// ---- calculations -----------------------------------------------------------------------------

enum CalcKind { Sum, Min, Distinct, StdDev };

template <CalcKind K>
void BM_Column(benchmark::State& State)
{
    const int n = int(State.range(0));
    TVynStringGrid& g = SharedGrid(n, State.range(1) != 0);
    // Real rows: every row of the table, hidden ones included.
    const int last = g.TotalRowCount() - 1;
    for (auto _ : State) {
        double v = 0;
        switch (K) {
        case Sum: v = g.ColumnSum(NumberCol, 1, last); break;
        case Min: v = g.ColumnMin(NumberCol, 1, last); break;
        case Distinct: v = g.ColumnDistinct(KeyCol, 1, last); break;
        case StdDev: v = g.ColumnStdDev(NumberCol, 1, last); break;
        }
        benchmark::DoNotOptimize(v);
    }
}

void BM_Column_Baseline_ParseIntoVector(benchmark::State& State)
{
    const int n = int(State.range(0));
    const auto& t = CachedTable(n);
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    for (auto _ : State) {
        std::vector<double> values;
        values.reserve(size_t(n));
        for (int r = 1; r < n; ++r) {
            double v = 0;
            if (TryStrToFloat(CleanNumberText(t[size_t(r)][NumberCol], fs), v, u'.'))
                values.push_back(v);
        }
        double sum = 0;
        for (const double v : values)
            sum += v;
        benchmark::DoNotOptimize(sum);
    }
}

// ---- footer ------------------------------------------------------------------------------------

void Edits(benchmark::State& State, bool FooterShown)
{
    const int n = int(State.range(0));
    // n rows and the footer row.
    auto g = MakeGrid(n, 1);
    TFloatingFooter& ff = *g->FloatingFooter();
    ff.SetVisible(true);
    ff.SetColumnCalc(NumberCol, TColumnCalcType::acSUM);
    ff.SetColumnCalc(PlainCol, TColumnCalcType::acCOUNT);
    ff.SetColumnCalc(NumberCol + 5, TColumnCalcType::acMAX);
    ff.SetVisible(FooterShown);
    std::mt19937 rng(3939);
    std::vector<std::pair<int, QString>> edits;
    for (int i = 0; i < 1000; ++i)
        edits.emplace_back(1 + int(rng() % uint32_t(n - 1)), QString::number((rng() % 100000) / 100.0, 'f', 2));
    for (auto _ : State) {
        for (const auto& [row, text] : edits) {
            g->SetCells(NumberCol, row, text);
            g->CellsChanged(TRect(NumberCol, row, NumberCol, row));
        }
        benchmark::DoNotOptimize(g->Cells(NumberCol, n));
    }
}

void BM_FooterEdits_Shown(benchmark::State& State) { Edits(State, true); }
void BM_FooterEdits_Baseline_Hidden(benchmark::State& State) { Edits(State, false); }

#define VYN_SIZE_CASE(F) \
    BENCHMARK(F)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Apply(Repeated)
VYN_SIZE_CASE(BM_AutoSizeCol_Plain_Baseline_HorizontalAdvance);
VYN_SIZE_CASE(BM_AutoSizeCol_Plain);
VYN_SIZE_CASE(BM_AutoSizeCol_Html_Baseline_MeasureHTML);
VYN_SIZE_CASE(BM_AutoSizeCol_Html);
VYN_SIZE_CASE(BM_Column_Baseline_ParseIntoVector);
#define VYN_CALC_CASE(F)                                                                              \
    BENCHMARK(F)->ArgsProduct({{50000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond)->Apply(Repeated)
VYN_CALC_CASE(BM_Column<Sum>);
VYN_CALC_CASE(BM_Column<Min>);
VYN_CALC_CASE(BM_Column<Distinct>);
VYN_CALC_CASE(BM_Column<StdDev>);
VYN_SIZE_CASE(BM_FooterEdits_Baseline_Hidden);
VYN_SIZE_CASE(BM_FooterEdits_Shown);

}  // namespace

VYN_BENCH_MAIN()
