// Filtering, narrowing down and grouping on a seeded table of 10 columns
// (ids, numbers 0 .. 10,000 with 2 decimals, words, texts of 1,000 and of
// 10,000 distinct values, free texts, 10% blanks), at 50,000 and 100,000
// rows (the doubled size should cost at most 2.2x):
// - ApplyFilter with ">500&<1000" on the number column and "A*" on the word
//   column, then FilterActive False; baseline in the same run: a
//   QSortFilterProxyModel over a QStandardItemModel with the same values,
//   its filterAcceptsRow comparing doubles for the range and a wildcard
//   expression on the words, the filter invalidated once and dropped again
//   (aim: faster).
// - NarrowDown over five keystrokes and their five Backspaces on the free
//   texts; baseline: the proxy with a "contains" filter, invalidated once
//   per keystroke.
// - BuildFilterList of the 1,000-value column; baseline: the column's
//   trimmed texts through a QSet and one sort.
// - Group then UnGroup by the 1,000- and the 10,000-value column; baseline:
//   a std::stable_sort of the rows by that column plus one pass building a
//   vector of row pointers with a header per group (aim: under 3x).
#include <benchmark/benchmark.h>

#include <QRegularExpression>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <algorithm>
#include <map>
#include <random>

#include "bench_main.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_filter_holders.h"

namespace {

constexpr int NCols = 10;
enum { cId, cNum, cWord, cText1k, cText10k, cFree, cInt, cBlank, cCode, cLast };

struct Table {
    std::vector<std::vector<QString>> Text;  // [col][row]
    std::vector<double> Num;
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
    std::mt19937 rnd(4711);
    std::uniform_int_distribution<int> cents(0, 1000000), k1(0, 999), k10(0, 9999), pct(0, 99), letter(0, 25);
    auto word = [&](int Len) {
        QString w;
        for (int i = 0; i < Len; ++i)
            w += QChar(u'a' + letter(rnd));
        return w;
    };
    for (int r = 0; r < N; ++r) {
        auto& x = t.Text;
        const size_t i = size_t(r);
        x[cId][i] = QString::number(r + 1);
        t.Num[i] = cents(rnd) / 100.0;
        x[cNum][i] = QString::number(t.Num[i], 'f', 2);
        QString w = word(6);
        w[0] = w[0].toUpper();
        x[cWord][i] = w;
        x[cText1k][i] = QStringLiteral("item %1").arg(k1(rnd));
        x[cText10k][i] = QStringLiteral("name%1").arg(k10(rnd));
        x[cFree][i] = word(3) + QLatin1Char(' ') + word(4) + QLatin1Char(' ') + word(3);
        x[cInt][i] = QString::number(k10(rnd));
        x[cBlank][i] = pct(rnd) < 10 ? QString() : QString::number(k1(rnd));
        x[cCode][i] = word(2);
        x[cLast][i] = QString::number(pct(rnd));
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
    }
};

// The keystrokes of NarrowDown: five characters typed, then five Backspaces.
const std::vector<QString>& Keystrokes()
{
    static const std::vector<QString> keys = {"a", "ab", "abc", "abc ", "abc d", "abc ", "abc", "ab", "a", ""};
    return keys;
}

void BM_ApplyFilter_FilterActiveFalse(benchmark::State& State)
{
    Grid g(int(State.range(0)));
    TFilterData* f = g.G.Filter()->Add();
    f->SetColumn(cNum);
    f->SetCondition(QStringLiteral(">500&<1000"));
    f = g.G.Filter()->Add();
    f->SetColumn(cWord);
    f->SetCondition(QStringLiteral("A*"));
    f->SetCaseSensitive(false);
    for (auto _ : State) {
        g.G.SetFilterActive(true);
        g.G.SetFilterActive(false);
    }
}

void BM_NarrowDown_FiveKeysAndBack(benchmark::State& State)
{
    Grid g(int(State.range(0)));
    for (auto _ : State)
        for (const QString& k : Keystrokes())
            g.G.NarrowDown(k, cFree);
}

void BM_BuildFilterList(benchmark::State& State)
{
    Grid g(int(State.range(0)));
    g.G.SetFilterDropDownAuto(true);
    for (auto _ : State)
        benchmark::DoNotOptimize(g.G.BuildFilterList(cText1k));
}

void GroupUnGroup(benchmark::State& State, int Col)
{
    Grid g(int(State.range(0)));
    for (auto _ : State) {
        g.G.Group(Col);
        g.G.UnGroup();
    }
}

void BM_Group_UnGroup_1k(benchmark::State& S) { GroupUnGroup(S, cText1k); }
void BM_Group_UnGroup_10k(benchmark::State& S) { GroupUnGroup(S, cText10k); }

// ---- baselines ----------------------------------------------------------------------------------

void FillModel(QStandardItemModel& M, int N)
{
    const Table& t = Data(N);
    M.setRowCount(N);
    M.setColumnCount(NCols);
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < NCols; ++c) {
            auto* item = new QStandardItem();
            item->setData(c == cNum ? QVariant(t.Num[size_t(r)]) : QVariant(t.Text[size_t(c)][size_t(r)]),
                          Qt::DisplayRole);
            M.setItem(r, c, item);
        }
}

class RangeAndWord : public QSortFilterProxyModel {
public:
    bool On = false;
    QRegularExpression Word{QRegularExpression::wildcardToRegularExpression(QStringLiteral("A*")),
                            QRegularExpression::CaseInsensitiveOption};
    void Set(bool Value)
    {
        On = Value;
        invalidateFilter();
        // The proxy filters when its rows are asked for.
        rowCount();
    }

protected:
    bool filterAcceptsRow(int Row, const QModelIndex&) const override
    {
        if (!On)
            return true;
        const double v = sourceModel()->index(Row, cNum).data().toDouble();
        return v > 500 && v < 1000 && Word.match(sourceModel()->index(Row, cWord).data().toString()).hasMatch();
    }
};

class Contains : public QSortFilterProxyModel {
public:
    QString Text;
    void Set(const QString& Value)
    {
        Text = Value;
        invalidateFilter();
        // The proxy filters when its rows are asked for.
        rowCount();
    }

protected:
    bool filterAcceptsRow(int Row, const QModelIndex&) const override
    {
        return Text.isEmpty() || sourceModel()->index(Row, cFree).data().toString().contains(Text, Qt::CaseInsensitive);
    }
};

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

void BM_ApplyFilter_FilterActiveFalse_Baseline_Proxy(benchmark::State& State)
{
    Model<RangeAndWord> m(int(State.range(0)));
    for (auto _ : State) {
        m.P.Set(true);
        m.P.Set(false);
    }
}

void BM_NarrowDown_FiveKeysAndBack_Baseline_Proxy(benchmark::State& State)
{
    Model<Contains> m(int(State.range(0)));
    for (auto _ : State)
        for (const QString& k : Keystrokes())
            m.P.Set(k);
}

void BM_BuildFilterList_Baseline_SetAndSort(benchmark::State& State)
{
    const Table& t = Data(int(State.range(0)));
    for (auto _ : State) {
        QSet<QString> seen;
        for (const QString& s : t.Text[cText1k])
            seen.insert(s.trimmed());
        QStringList list(seen.begin(), seen.end());
        list.sort();
        benchmark::DoNotOptimize(list.size());
    }
}

void GroupBaseline(benchmark::State& State, int Col)
{
    const Table& t = Data(int(State.range(0)));
    using Row = std::vector<QString>;
    std::vector<Row> rows(t.Text[0].size(), Row(NCols));
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < NCols; ++c)
            rows[r][size_t(c)] = t.Text[size_t(c)][r];
    const Row header(NCols);
    for (auto _ : State) {
        std::vector<const Row*> order(rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            order[i] = &rows[i];
        std::stable_sort(order.begin(), order.end(),
                         [Col](const Row* A, const Row* B) { return (*A)[size_t(Col)] < (*B)[size_t(Col)]; });
        std::vector<const Row*> grouped;
        grouped.reserve(order.size() * 2);
        for (size_t i = 0; i < order.size(); ++i) {
            if (i == 0 || (*order[i])[size_t(Col)] != (*order[i - 1])[size_t(Col)])
                grouped.push_back(&header);
            grouped.push_back(order[i]);
        }
        benchmark::DoNotOptimize(grouped.data());
    }
}

void BM_Group_UnGroup_1k_Baseline_SortAndPass(benchmark::State& S) { GroupBaseline(S, cText1k); }
void BM_Group_UnGroup_10k_Baseline_SortAndPass(benchmark::State& S) { GroupBaseline(S, cText10k); }

#define VYN_CASE(F) BENCHMARK(F)->Unit(benchmark::kMillisecond)->Arg(50000)->Arg(100000)->Iterations(3)->Apply(Repeated)
VYN_CASE(BM_ApplyFilter_FilterActiveFalse);
VYN_CASE(BM_ApplyFilter_FilterActiveFalse_Baseline_Proxy);
VYN_CASE(BM_NarrowDown_FiveKeysAndBack);
VYN_CASE(BM_NarrowDown_FiveKeysAndBack_Baseline_Proxy);
VYN_CASE(BM_BuildFilterList);
VYN_CASE(BM_BuildFilterList_Baseline_SetAndSort);
VYN_CASE(BM_Group_UnGroup_1k);
VYN_CASE(BM_Group_UnGroup_1k_Baseline_SortAndPass);
VYN_CASE(BM_Group_UnGroup_10k);
VYN_CASE(BM_Group_UnGroup_10k_Baseline_SortAndPass);

}  // namespace

VYN_BENCH_MAIN()
