// TVynStringGrid: sorting rows. A run reads every cell it compares once
// into a key (the text as shown or stored, the column's style asked once,
// the parsed number, date, time, check state or image index, the upper-cased
// or collated text), puts a permutation of the rows in a stable order (by
// the ranks of the keys, or with a merge sort that stays in bounds and
// finite whatever a compare handler answers), and then moves the rows once
// through the store's PermuteRows. RowCount and ColCount never change
// during a run.
//
// The comparison is a consistent order: ssAutomatic classifies each cell
// once (empty, number, date, date-time, time, text, check box, in that
// order) and compares cells of one class by that class's rule; a number
// that does not convert counts as the value of its valid leading part.
#include <algorithm>
#include <limits>
#include <memory>

#include <QCollator>
#include <QLocale>

#include "grid/core/grid_format.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"
#include "grid/data/grid_sort_keys.h"
#include "platform/gui/application.h"

namespace {

int Sign(int V) { return V < 0 ? -1 : V > 0 ? 1 : 0; }

}  // namespace

// ---- the keys of a run --------------------------------------------------------------------------

// The cells of the rows of one run (Rows, local index i = Rows[i]) read as
// keys, one column at a time as the comparison first needs it.
class TSortEngine {
public:
    TSortEngine(TVynStringGrid& G, std::vector<int> Rows)
        : g_(G), s_(*G.SortSettings()), rows_(std::move(Rows)), fs_(CurrentGridFormatSettings()),
          cols_(size_t(std::max(G.TotalColCount(), 0)))
    {
    }

    int Count() const { return int(rows_.size()); }
    int RowOf(int I) const { return rows_[size_t(I)]; }

    // Ascending comparison of one column's cells of two local rows.
    int CompareCells(int Col, int A, int B)
    {
        ++g_.Compares;
        const TSortColumnKeys& k = Keys(Col);
        switch (k.Style) {
        case TSortStyle::ssCustom: {
            int res = 0;
            if (g_.OnCustomCompare)
                g_.OnCustomCompare(&g_, k.Text[size_t(A)], k.Text[size_t(B)], res);
            return Sign(res);
        }
        case TSortStyle::ssRaw: {
            int res = 0;
            if (g_.OnRawCompare)
                g_.OnRawCompare(&g_, Col, RowOf(A), RowOf(B), res);
            return Sign(res);
        }
        default: return CompareSortKeys(k, size_t(A), size_t(B));
        }
    }

    // With the direction (+1, -1) and the blank placement.
    int CompareDir(int Col, int A, int B, int Dir)
    {
        if (g_.IsIgnoredColumn(Col))
            return 0;
        const TSortColumnKeys& k = Keys(Col);
        if (s_.IgnoreBlanks() && k.Empty[size_t(A)] != k.Empty[size_t(B)]) {
            const int first = s_.BlankPos() == TSortBlankPosition::blFirst ? -1 : 1;
            return k.Empty[size_t(A)] ? first : -first;
        }
        return Dir * CompareCells(Col, A, B);
    }

    // The local rows in order; Less(a, b) < 0 puts a first.
    template <typename Compare>
    std::vector<int> Order(Compare Less)
    {
        std::vector<int> v(rows_.size());
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = int(i);
        StableMergeSort(v, [&](int A, int B) { return Less(A, B) < 0; });
        return v;
    }

    // One key of a run: a column and its direction (+1, -1).
    struct TKeyCol {
        int Col, Dir;
    };

    // The local rows in the order of Cols compared one after the other, as
    // CompareDir does (ignored columns left out; rows that tie on every key
    // keep their order). With Group (one value per local row, below
    // GroupCount) the rows are ordered by their group first.
    std::vector<int> OrderBy(const std::vector<TKeyCol>& Cols, const std::vector<uint32_t>* Group = nullptr,
                             size_t GroupCount = 0)
    {
        std::vector<TKeyCol> keys;
        for (const TKeyCol& k : Cols)
            if (!g_.IsIgnoredColumn(k.Col))
                keys.push_back(k);
        const size_t n = rows_.size();
        if (keys.empty() || n < 2) {
            std::vector<int> v(n);
            for (size_t i = 0; i < n; ++i)
                v[i] = int(i);
            return Group ? CountingOrder(v, *Group, GroupCount) : v;
        }
        const TSortStyle first = Keys(keys[0].Col).Style;
        if (first == TSortStyle::ssCustom || first == TSortStyle::ssRaw)
            return Order([&](int A, int B) {
                if (Group && (*Group)[size_t(A)] != (*Group)[size_t(B)])
                    return (*Group)[size_t(A)] < (*Group)[size_t(B)] ? -1 : 1;
                for (const TKeyCol& k : keys)
                    if (const int r = CompareDir(k.Col, A, B, k.Dir))
                        return r;
                return 0;
            });
        return OrderByFirstKey(keys, Group, GroupCount);
    }

private:
    // Order (local rows) stably reordered by Code (values below Count).
    static std::vector<int> CountingOrder(const std::vector<int>& Order, const std::vector<uint32_t>& Code,
                                          size_t Count)
    {
        std::vector<uint32_t> next(Count + 1, 0);
        for (const uint32_t c : Code)
            ++next[c + 1];
        for (size_t c = 1; c < next.size(); ++c)
            next[c] += next[c - 1];
        std::vector<int> out(Order.size());
        for (const int i : Order)
            out[next[Code[size_t(i)]]++] = i;
        return out;
    }

    // The first key is turned into one code per row (its rank in the key's
    // direction, the blank placement above it) and the rows are put in
    // order by counting passes (the code, then the group). Rows that agree
    // on both go on through the other keys in a run of their own over those
    // rows only, grouped by what they agreed on, so a column that breaks
    // ties is read only for the rows that tie.
    std::vector<int> OrderByFirstKey(const std::vector<TKeyCol>& Keys_, const std::vector<uint32_t>* Group,
                                     size_t GroupCount)
    {
        const size_t n = rows_.size();
        const TKeyCol key = Keys_[0];
        const TSortColumnKeys& k = Keys(key.Col);
        size_t compares = 0;
        const std::vector<uint32_t> rank = SortKeyRanks(k, &compares);
        g_.Compares += int(std::min<size_t>(compares, size_t(std::numeric_limits<int>::max() - g_.Compares)));
        const uint32_t top = *std::max_element(rank.begin(), rank.end());
        const bool blanks = s_.IgnoreBlanks();
        const uint32_t blankBand = s_.BlankPos() == TSortBlankPosition::blFirst ? 0 : 2;
        const size_t band = size_t(top) + 1;
        std::vector<uint32_t> code(n);
        for (size_t i = 0; i < n; ++i) {
            const uint32_t r = key.Dir > 0 ? rank[i] : top - rank[i];
            code[i] = uint32_t((blanks && k.Empty[i] ? blankBand : 1) * band + r);
        }
        std::vector<int> order(n);
        for (size_t i = 0; i < n; ++i)
            order[i] = int(i);
        order = CountingOrder(order, code, 3 * band);
        if (Group)
            order = CountingOrder(order, *Group, GroupCount);
        if (Keys_.size() == 1)
            return order;
        // The runs of rows that agree on the group and the code.
        std::vector<uint32_t> run(n), runStart, runSize;
        for (size_t p = 0; p < n; ++p) {
            const size_t i = size_t(order[p]);
            if (p == 0 || code[i] != code[size_t(order[p - 1])] ||
                (Group && (*Group)[i] != (*Group)[size_t(order[p - 1])])) {
                runStart.push_back(uint32_t(p));
                runSize.push_back(0);
            }
            run[i] = uint32_t(runStart.size() - 1);
            ++runSize.back();
        }
        if (runStart.size() == n)
            return order;
        // The rows that tie, in their order, with their run as the group.
        std::vector<int> ties, tieRows;
        std::vector<uint32_t> tieRun;
        for (size_t i = 0; i < n; ++i)
            if (runSize[run[i]] > 1) {
                ties.push_back(int(i));
                tieRows.push_back(RowOf(int(i)));
                tieRun.push_back(run[i]);
            }
        TSortEngine sub(g_, std::move(tieRows));
        const std::vector<int> subOrder =
            sub.OrderBy(std::vector<TKeyCol>(Keys_.begin() + 1, Keys_.end()), &tieRun, runStart.size());
        // Each tying row, taken in the order of the other keys, fills the
        // next place of its run.
        for (const int j : subOrder) {
            const int i = ties[size_t(j)];
            order[runStart[run[size_t(i)]]++] = i;
        }
        return order;
    }

    const TSortColumnKeys& Keys(int Col)
    {
        TSortColumnKeys& k = cols_[size_t(Col)];
        if (!k.Ready)
            Fill(Col, k);
        return k;
    }

    void Fill(int Col, TSortColumnKeys& K)
    {
        TSortStyle style = s_.AutoFormat()
                               ? TSortStyle::ssAutomatic
                               : (s_.IgnoreCase() ? TSortStyle::ssAlphaNoCase : TSortStyle::ssAlphabetic);
        String prefix, suffix;
        g_.DoGetFormat(Col, style, prefix, suffix);
        TSortCellReader reader;
        reader.Text = [this, Col](int R) {
            return s_.SortOnVirtualCells() ? g_.GetCellEx(Col, R) : g_.GridCells(Col, R);
        };
        reader.Stripped = [this, Col](int R) { return g_.StrippedCells(Col, R); };
        reader.Type = [this, Col](int R) { return g_.GetCellType(Col, R); };
        reader.Checked = [this, Col](int R) {
            bool state = false;
            return g_.GetCheckBoxState(Col, R, state) && state;
        };
        reader.ImageIndex = [this, Col](int R) { return g_.GetCellImageRef(Col, R); };
        FillSortKeys(K, style, prefix, suffix, s_.IgnoreCase(), fs_, rows_, reader);
    }

    TVynStringGrid& g_;
    TSortSettings& s_;
    std::vector<int> rows_;
    TGridFormatSettings fs_;
    std::vector<TSortColumnKeys> cols_;
};

// ---- orders and their application ---------------------------------------------------------------

std::vector<int> TVynStringGrid::SortedOrder(int Col, int Left, int Right, bool Indexed)
{
    std::vector<int> order(static_cast<size_t>(RowCount()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    Left = std::max(Left, 0);
    Right = std::min(Right, RowCount() - 1);
    if (Right - Left < 1)
        return order;
    std::vector<int> rows;
    rows.reserve(size_t(Right - Left + 1));
    for (int r = Left; r <= Right; ++r)
        rows.push_back(r);
    TSortEngine e(*this, std::move(rows));
    const int dir = FSortSettings->Direction() == TSortDirection::sdAscending ? 1 : -1;
    // The keys in the order the comparison reads them.
    std::vector<TSortEngine::TKeyCol> keys;
    if (Indexed) {
        for (int k = 0; k < FSortIndexes->Count(); ++k) {
            const auto v = static_cast<uint32_t>(FSortIndexes->Items(k));
            const int c = int(v & 0x7FFFFFFFu);
            if (c < TotalColCount())
                keys.push_back({c, (v & 0x80000000u) ? -1 : 1});
            if (!FSortSettings->Full())
                break;
        }
    } else if (Col >= 0) {
        const int lastCol = FSortSettings->Full() ? TotalColCount() - 1 : Col;
        for (int c = Col; c <= lastCol; ++c)
            keys.push_back({c, dir});
    }
    const std::vector<int> local = e.OrderBy(keys);
    for (size_t i = 0; i < local.size(); ++i)
        order[size_t(Left) + i] = e.RowOf(local[i]);
    return order;
}

void TVynStringGrid::ApplyRowOrder(const std::vector<int>& Order, bool SingleColumn, int SingleCol, bool XRef)
{
    const int n = RowCount();
    std::vector<int> newIndex(static_cast<size_t>(n));
    int moved = 0;
    for (int i = 0; i < n; ++i) {
        newIndex[size_t(Order[size_t(i)])] = i;
        moved += Order[size_t(i)] != i;
    }
    if (moved == 0)
        return;
    Swaps += moved;
    if (XRef && FSortRowXRef->Count() == n) {
        std::vector<int> x(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            x[size_t(i)] = FSortRowXRef->Items(Order[size_t(i)]);
        for (int i = 0; i < n; ++i)
            FSortRowXRef->SetItems(i, x[size_t(i)]);
    }
    if (SortRow >= 0 && SortRow < n)
        SortRow = newIndex[size_t(SortRow)];
    if (SingleColumn) {
        // Only the column's texts and objects move.
        std::vector<String> texts(static_cast<size_t>(n));
        std::vector<TObject*> objects(static_cast<size_t>(n));
        for (int r = 0; r < n; ++r) {
            texts[size_t(r)] = GridCells(SingleCol, r);
            objects[size_t(r)] = GridObjects(SingleCol, r);
        }
        for (int r = 0; r < n; ++r) {
            SetGridCells(SingleCol, r, texts[size_t(Order[size_t(r)])]);
            SetGridObjects(SingleCol, r, objects[size_t(Order[size_t(r)])]);
        }
        return;
    }

    // The real order: each hidden row stays after the shown row before it.
    const int total = TotalRowCount();
    std::vector<int> realOrder;
    if (FGridItems.empty()) {
        realOrder = Order;
    } else {
        std::vector<int> reals(static_cast<size_t>(n) + 1);
        {
            size_t i = 0;
            int r = -1;
            for (int d = 0; d < n; ++d) {
                ++r;
                while (i < FGridItems.size() && FGridItems[i]->Idx() == r) {
                    ++i;
                    ++r;
                }
                reals[size_t(d)] = r;
            }
            reals[size_t(n)] = total;
        }
        realOrder.reserve(size_t(total));
        for (int x = 0; x < reals[0]; ++x)
            realOrder.push_back(x);
        for (int i = 0; i < n; ++i) {
            const int d = Order[size_t(i)];
            for (int x = reals[size_t(d)]; x < reals[size_t(d) + 1]; ++x)
                realOrder.push_back(x);
        }
    }
    std::vector<int> newReal(static_cast<size_t>(total));
    for (int i = 0; i < total; ++i)
        newReal[size_t(realOrder[size_t(i)])] = i;
    if (!FGridItems.empty()) {
        for (auto& item : FGridItems)
            item->SetIdx(newReal[size_t(item->Idx())]);
        std::sort(FGridItems.begin(), FGridItems.end(), [](const auto& A, const auto& B) { return A->Idx() < B->Idx(); });
        FRowMapHint = 0;
    }
    // Marks kept by real row.
    auto permuteList = [&](TIntList& L) {
        if (L.Count() == 0)
            return;
        std::vector<int> v(static_cast<size_t>(std::max(L.Count(), total)), 0);
        for (int i = 0; i < total; ++i)
            if (realOrder[size_t(i)] < L.Count())
                v[size_t(i)] = L.Items(realOrder[size_t(i)]);
        for (int i = total; i < L.Count(); ++i)
            v[size_t(i)] = L.Items(i);
        L.Clear();
        for (const int x : v)
            L.Add(x);
    };
    permuteList(*FModifiedRows);
    permuteList(*FEnabledRows);
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
        const bool byReal = FMouseActions->RowSelectPersistent();
        const std::vector<int>& ord = byReal ? realOrder : Order;
        std::vector<int>& sel = *FRowSelect;
        const std::vector<int> old = sel;
        for (size_t i = 0; i < ord.size() && i < sel.size(); ++i)
            sel[i] = size_t(ord[i]) < old.size() ? old[size_t(ord[i])] : 0;
    }
    for (int i = 0; i < FControlList->Count(); ++i)
        if (TControlItem* c = FControlList->Control(i); c->Y >= 0 && c->Y < total)
            c->Y = newReal[size_t(c->Y)];
    // Column 0 keeps its cells with NormalCellsOnly.
    const bool keepFirst = FSortSettings->NormalCellsOnly() && FixedCols() > 0;
    std::vector<String> firstTexts;
    std::vector<TObject*> firstObjects;
    if (keepFirst) {
        firstTexts.resize(size_t(n));
        firstObjects.resize(size_t(n));
        for (int r = 0; r < n; ++r) {
            firstTexts[size_t(r)] = GridCells(0, r);
            firstObjects[size_t(r)] = GridObjects(0, r);
        }
    }
    PermuteRows(Order);
    if (keepFirst)
        for (int r = 0; r < n; ++r) {
            SetGridCells(0, r, firstTexts[size_t(r)]);
            SetGridObjects(0, r, firstObjects[size_t(r)]);
        }
}

// ---- the runs -----------------------------------------------------------------------------------

void TVynStringGrid::InitSortXRef()
{
    FSortRowXRef->Clear();
    for (int i = 0; i < RowCount(); ++i)
        FSortRowXRef->Add(i);
}

void TVynStringGrid::RunSort(int SortCol, bool Indexed, bool Group, bool Housekeeping)
{
    if (Housekeeping && FSortRowXRef->Count() != RowCount())
        InitSortXRef();
    TRowsScope bracket(*this);  // the cursor and one update bracket
    const int oldRow = Row(), oldTop = TopRow();
    SortRow = oldRow;
    const int first = FixedRows(), last = NodeRowLimit();
    std::vector<int> order;
    int top = first, bottom = last;
    if (!Group) {
        order = SortedOrder(SortCol, first, last, Indexed);
    } else {
        // The children of the expanded nodes of the deepest level.
        order.resize(size_t(RowCount()));
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        int deepest = 0;
        for (int r = first; r <= last; ++r)
            deepest = std::max(deepest, GetNodeLevel(r));
        top = last + 1;
        bottom = first - 1;
        for (int r = first; deepest > 0 && r <= last; ++r) {
            if (GetNodeLevel(r) != deepest || GetNodeState(r) || GetNodeSpan(r) < 3)
                continue;
            const int to = std::min(r + GetNodeSpan(r) - 1, last);
            const std::vector<int> part = SortedOrder(SortCol, r + 1, to, Indexed);
            std::copy(part.begin() + r + 1, part.begin() + to + 1, order.begin() + r + 1);
            top = std::min(top, r + 1);
            bottom = std::max(bottom, to);
        }
    }
    ApplyRowOrder(order, FSortSettings->SingleColumn() && SortCol >= 0, SortCol, Housekeeping);
    const bool follow = Housekeeping && FNavigation->MoveRowOnSort() &&
                        (Indexed || !FMouseActions->DisjunctRowSelect());
    if (!follow && Row() != oldRow && oldRow < RowCount())
        MoveColRow(Col() < ColCount() ? Col() : FixedCols(), oldRow, true, false);
    if (Housekeeping && FNavigation->KeepScrollOnSort())
        SetTopRow(oldTop);
    if (bottom >= top)
        CellsChanged(TRect(0, top, ColCount() - 1, bottom));
}

void TVynStringGrid::QSort()
{
    if (FSortSettings->Column() < 0)
        return;
    FSortIndexes->Clear();
    SortDir = FSortSettings->Direction() == TSortDirection::sdAscending ? 1 : -1;
    RunSort(FSortSettings->Column(), false, false, true);
}

void TVynStringGrid::QSortIndexed()
{
    if (FSortRowXRef->Count() != RowCount())
        InitSortXRef();
    if (FSortIndexes->Count() == 0)
        throw EVynGridError("No indexes specified for indexed sort");
    RunSort(-1, true, false, true);
}

void TVynStringGrid::QSortGroup()
{
    if (FSortSettings->Column() < 0)
        return;
    SortDir = FSortSettings->Direction() == TSortDirection::sdAscending ? 1 : -1;
    RunSort(FSortSettings->Column(), false, true, true);
}

void TVynStringGrid::QSortGroupIndexed()
{
    if (FSortIndexes->Count() == 0)
        throw EVynGridError("No indexes specified for indexed sort");
    RunSort(-1, true, true, true);
}

void TVynStringGrid::QUnSort()
{
    const int n = RowCount();
    if (FSortRowXRef->Count() != n)
        return;
    // The cross-reference is a permutation after every run: the row that
    // was first at x goes back to x. A list that is not one (rows set by
    // hand) is put in order by its values, ties kept.
    std::vector<int> x(static_cast<size_t>(n));
    std::vector<int> order(static_cast<size_t>(n), -1);
    bool permutation = true;
    for (int i = 0; i < n; ++i) {
        const int v = FSortRowXRef->Items(i);
        x[size_t(i)] = v;
        permutation = permutation && v >= 0 && v < n && order[size_t(v)] < 0;
        if (permutation)
            order[size_t(v)] = i;
    }
    if (!permutation) {
        for (int i = 0; i < n; ++i)
            order[size_t(i)] = i;
        StableMergeSort(order, [&x](int A, int B) { return x[size_t(A)] < x[size_t(B)]; });
    }
    TRowsScope bracket(*this);  // the cursor and one update bracket
    const int oldRow = Row();
    ApplyRowOrder(order, false, -1, true);
    // The values of the cross-reference in their new places: 0, 1, 2, ...
    // after a permutation.
    FUnSortRowXRef->Clear();
    for (int i = 0; i < n; ++i)
        FUnSortRowXRef->Add(permutation ? i : x[size_t(order[size_t(i)])]);
    if (Row() != oldRow && oldRow < RowCount())
        MoveColRow(Col() < ColCount() ? Col() : FixedCols(), oldRow, true, false);
    CellsChanged(TRect(0, 0, ColCount() - 1, n - 1));
}

void TVynStringGrid::Sort(int Column, TSortDirection Direction)
{
    FSortSettings->SetColumn(Column);
    FSortSettings->SetDirection(Direction);
    QSort();
}

void TVynStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1)
        return;
    FSortSettings->SetColumn(Col);
    QSort();
}

void TVynStringGrid::QuickSort(int SortCol, int Left, int Right)
{
    if (SortCol < 0 || SortCol >= TotalColCount())
        return;
    SortDir = FSortSettings->Direction() == TSortDirection::sdAscending ? 1 : -1;
    const int oldRow = Row();
    ApplyRowOrder(SortedOrder(SortCol, Left, Right, false), FSortSettings->SingleColumn(), SortCol, false);
    if (Row() != oldRow && oldRow < RowCount())
        MoveColRow(Col() < ColCount() ? Col() : FixedCols(), oldRow, true, false);
}

void TVynStringGrid::QuickSortIndexed(int Left, int Right)
{
    const int oldRow = Row();
    ApplyRowOrder(SortedOrder(-1, Left, Right, true), false, -1, false);
    if (Row() != oldRow && oldRow < RowCount())
        MoveColRow(Col() < ColCount() ? Col() : FixedCols(), oldRow, true, false);
}

bool TVynStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount() || ARow1 == ARow2 || Col < 0)
        return false;
    TSortEngine e(*this, {ARow1, ARow2});
    const int dir = FSortSettings->Direction() == TSortDirection::sdAscending ? 1 : -1;
    const int want = SortDir != 0 ? SortDir : 1;
    for (int c = Col; c < TotalColCount(); ++c) {
        const int r = e.CompareDir(c, 0, 1, dir);
        if (r == 0)
            continue;
        if (r != want)
            return false;
        std::vector<int> order(static_cast<size_t>(RowCount()));
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::swap(order[size_t(ARow1)], order[size_t(ARow2)]);
        ApplyRowOrder(order, FSortSettings->SingleColumn(), c, true);
        return true;
    }
    return false;
}
