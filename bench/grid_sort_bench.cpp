// Sorting and nodes on a seeded table of 10 columns (ids, 2-decimal
// numbers, dd/mm/yyyy dates, texts of 1,000 and of 10,000 distinct values,
// a mixed column of numbers, negatives, blanks and texts, free texts,
// times, integers, 10% blanks), at 50,000 and 100,000 rows (the doubled
// size should cost at most 2.2x):
// - QSort by a numeric, a text, a date and an ssAutomatic column,
//   QSortIndexed by two keys, QUnSort; baseline in the same run:
//   QSortFilterProxyModel::sort over a QStandardItemModel holding the same
//   values in their natural types (double, QDate, QString) as DisplayRole,
//   by the same column (two keys: a lessThan over both; unsort: sort(-1)).
//   Aim: faster than the baseline for every column kind.
// - ContractAll and ExpandAll with one node per 10 rows (10,000 nodes at
//   100,000 rows); baseline: the proxy model filtering the same child rows
//   out and in again. ExpandAll with ExpandOne (only the last node stays
//   expanded): the doubled size within 2.2x.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <map>
#include <random>

#include "bench_main.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"

namespace {

constexpr int NCols = 10;
enum { cId, cNum, cDate, cText1k, cText10k, cMixed, cFree, cTime, cInt, cBlank };

struct Table {
    std::vector<std::vector<QString>> Text;  // [col][row]
    std::vector<double> Num;
    std::vector<QDate> Date;
};

const Table& Data(int N)
{
    static std::map<int, Table> tables;
    auto it = tables.find(N);
    if (it != tables.end())
        return it->second;
    Table t;
    t.Text.assign(NCols, std::vector<QString>(size_t(N)));
    t.Num.resize(size_t(N));
    t.Date.resize(size_t(N));
    std::mt19937 rnd(4711);
    std::uniform_int_distribution<int> cents(-1000000, 10000000), days(0, 9000), k1(0, 999), k10(0, 9999),
        pct(0, 99), secs(0, 86399);
    for (int r = 0; r < N; ++r) {
        auto& x = t.Text;
        const size_t i = size_t(r);
        x[cId][i] = QString::number(r + 1);
        t.Num[i] = cents(rnd) / 100.0;
        x[cNum][i] = QString::number(t.Num[i], 'f', 2);
        t.Date[i] = QDate(2000, 1, 1).addDays(days(rnd));
        x[cDate][i] = t.Date[i].toString(QStringLiteral("dd/MM/yyyy"));
        x[cText1k][i] = QStringLiteral("item %1").arg(k1(rnd));
        x[cText10k][i] = QStringLiteral("name%1").arg(k10(rnd));
        const int p = pct(rnd);
        x[cMixed][i] = p < 10 ? QString() : p < 60 ? QString::number(k10(rnd) - 5000) : QStringLiteral("t%1").arg(k1(rnd));
        x[cFree][i] = QStringLiteral("free text %1 %2").arg(k10(rnd)).arg(k1(rnd));
        const int s = secs(rnd);
        x[cTime][i] = QStringLiteral("%1:%2:%3").arg(s / 3600, 2, 10, QChar(u'0')).arg(s / 60 % 60, 2, 10, QChar(u'0')).arg(s % 60, 2, 10, QChar(u'0'));
        x[cInt][i] = QString::number(k10(rnd));
        x[cBlank][i] = pct(rnd) < 10 ? QString() : QString::number(k1(rnd));
    }
    return tables.emplace(N, std::move(t)).first->second;
}

struct Grid {
    TVynStringGrid G{nullptr};
    explicit Grid(int N)
    {
        const Table& t = Data(N);
        G.SetColCount(NCols);
        G.SetRowCount(N + 1);
        for (int c = 0; c < NCols; ++c)
            for (int r = 0; r < N; ++r)
                G.SetCells(c, r + 1, t.Text[size_t(c)][size_t(r)]);
        G.OnGetFormat = [](TObject*, int ACol, TSortStyle& S, String&, String&) {
            if (ACol == cNum)
                S = TSortStyle::ssNumeric;
            else if (ACol == cDate)
                S = TSortStyle::ssDate;
            else if (ACol == cText1k || ACol == cText10k)
                S = TSortStyle::ssAlphabetic;
        };
        G.InitSortXRef();
    }
};

void GridSort(benchmark::State& State, int Col)
{
    Grid g(int(State.range(0)));
    for (auto _ : State) {
        g.G.Sort(Col, TSortDirection::sdAscending);
        State.PauseTiming();
        g.G.QUnSort();
        State.ResumeTiming();
    }
}

void BM_QSort_Numeric(benchmark::State& S) { GridSort(S, cNum); }
void BM_QSort_Text(benchmark::State& S) { GridSort(S, cText10k); }
void BM_QSort_Date(benchmark::State& S) { GridSort(S, cDate); }
void BM_QSort_Automatic(benchmark::State& S) { GridSort(S, cMixed); }

void BM_QSortIndexed_TwoKeys(benchmark::State& State)
{
    Grid g(int(State.range(0)));
    g.G.SortIndexes()->AddIndex(cText1k, true);
    g.G.SortIndexes()->AddIndex(cNum, false);
    for (auto _ : State) {
        g.G.QSortIndexed();
        State.PauseTiming();
        g.G.QUnSort();
        State.ResumeTiming();
    }
}

void BM_QUnSort(benchmark::State& State)
{
    Grid g(int(State.range(0)));
    for (auto _ : State) {
        State.PauseTiming();
        g.G.Sort(cText10k, TSortDirection::sdAscending);
        State.ResumeTiming();
        g.G.QUnSort();
    }
}

struct NodeGrid : Grid {
    explicit NodeGrid(int N) : Grid(N)
    {
        for (int r = 1; r + 9 <= N; r += 10)
            G.AddNode(r, 10);
    }
};

void BM_ContractAll_ExpandAll(benchmark::State& State)
{
    NodeGrid g(int(State.range(0)));
    for (auto _ : State) {
        g.G.ContractAll();
        g.G.ExpandAll();
    }
}

// ExpandAll with CellNode.ExpandOne (every node but the last contracted)
// after ExpandAll without it.
void BM_ExpandAll_ExpandOne(benchmark::State& State)
{
    NodeGrid g(int(State.range(0)));
    for (auto _ : State) {
        g.G.CellNode()->SetExpandOne(true);
        g.G.ExpandAll();
        State.PauseTiming();
        g.G.CellNode()->SetExpandOne(false);
        g.G.ExpandAll();
        State.ResumeTiming();
    }
}

// ---- baselines ----------------------------------------------------------------------------------

class TwoKeys : public QSortFilterProxyModel {
protected:
    bool lessThan(const QModelIndex& L, const QModelIndex& R) const override
    {
        const QString a = sourceModel()->index(L.row(), cText1k).data().toString();
        const QString b = sourceModel()->index(R.row(), cText1k).data().toString();
        if (const int c = a.compare(b))
            return c < 0;
        // The second key descending.
        return sourceModel()->index(L.row(), cNum).data().toDouble() >
               sourceModel()->index(R.row(), cNum).data().toDouble();
    }
};

class ChildFilter : public QSortFilterProxyModel {
public:
    bool Contracted = false;
    void Toggle(bool Value)
    {
        Contracted = Value;
        invalidateFilter();
        // The proxy filters when its rows are asked for.
        rowCount();
    }

protected:
    bool filterAcceptsRow(int Row, const QModelIndex&) const override { return !Contracted || Row % 10 == 0; }
};

void FillModel(QStandardItemModel& M, int N)
{
    const Table& t = Data(N);
    M.setRowCount(N);
    M.setColumnCount(NCols);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < NCols; ++c) {
            QVariant v;
            const QString& s = t.Text[size_t(c)][size_t(r)];
            if (c == cNum)
                v = t.Num[size_t(r)];
            else if (c == cDate)
                v = t.Date[size_t(r)];
            else if (c == cId || c == cInt || ((c == cMixed || c == cBlank) && !s.isEmpty() && s[0] != u't'))
                v = s.toDouble();
            else
                v = s;
            auto* item = new QStandardItem();
            item->setData(v, Qt::DisplayRole);
            M.setItem(r, c, item);
        }
}

template <typename Proxy>
struct Model {
    QStandardItemModel M;
    Proxy P;
    explicit Model(int N)
    {
        FillModel(M, N);
        P.setSourceModel(&M);
    }
};

void ProxySort(benchmark::State& State, int Col)
{
    Model<QSortFilterProxyModel> m(int(State.range(0)));
    for (auto _ : State) {
        m.P.sort(Col, Qt::AscendingOrder);
        State.PauseTiming();
        m.P.sort(-1);
        State.ResumeTiming();
    }
}

void BM_QSort_Numeric_Baseline_Proxy(benchmark::State& S) { ProxySort(S, cNum); }
void BM_QSort_Text_Baseline_Proxy(benchmark::State& S) { ProxySort(S, cText10k); }
void BM_QSort_Date_Baseline_Proxy(benchmark::State& S) { ProxySort(S, cDate); }
void BM_QSort_Automatic_Baseline_Proxy(benchmark::State& S) { ProxySort(S, cMixed); }

void BM_QSortIndexed_TwoKeys_Baseline_Proxy(benchmark::State& State)
{
    Model<TwoKeys> m(int(State.range(0)));
    for (auto _ : State) {
        m.P.sort(0, Qt::AscendingOrder);
        State.PauseTiming();
        m.P.sort(-1);
        State.ResumeTiming();
    }
}

void BM_QUnSort_Baseline_Proxy(benchmark::State& State)
{
    Model<QSortFilterProxyModel> m(int(State.range(0)));
    for (auto _ : State) {
        State.PauseTiming();
        m.P.sort(cText10k, Qt::AscendingOrder);
        State.ResumeTiming();
        m.P.sort(-1);
    }
}

void BM_ContractAll_ExpandAll_Baseline_Proxy(benchmark::State& State)
{
    Model<ChildFilter> m(int(State.range(0)));
    for (auto _ : State) {
        m.P.Toggle(true);
        m.P.Toggle(false);
    }
}

#define VYN_CASE(F) BENCHMARK(F)->Unit(benchmark::kMillisecond)->Arg(50000)->Arg(100000)->Iterations(3)->Apply(Repeated)
VYN_CASE(BM_QSort_Numeric);
VYN_CASE(BM_QSort_Numeric_Baseline_Proxy);
VYN_CASE(BM_QSort_Text);
VYN_CASE(BM_QSort_Text_Baseline_Proxy);
VYN_CASE(BM_QSort_Date);
VYN_CASE(BM_QSort_Date_Baseline_Proxy);
VYN_CASE(BM_QSort_Automatic);
VYN_CASE(BM_QSort_Automatic_Baseline_Proxy);
VYN_CASE(BM_QSortIndexed_TwoKeys);
VYN_CASE(BM_QSortIndexed_TwoKeys_Baseline_Proxy);
VYN_CASE(BM_QUnSort);
VYN_CASE(BM_QUnSort_Baseline_Proxy);
VYN_CASE(BM_ContractAll_ExpandAll);
VYN_CASE(BM_ContractAll_ExpandAll_Baseline_Proxy);
VYN_CASE(BM_ExpandAll_ExpandOne);

}  // namespace

VYN_BENCH_MAIN()
