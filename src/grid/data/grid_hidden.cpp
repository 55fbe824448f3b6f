// TVynStringGrid: hiding and showing columns and rows, and parking the
// selection. A hidden column keeps its cells at its real index (only
// ColCount and the shown widths change); a hidden row leaves the cell
// store for a TGridItem of the hidden-row list, which stays sorted by real
// index. Rows are hidden and restored in one pass over the store, however
// many there are.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"
#include "grid/render/grid_render_holders.h"

// ---- columns ----------------------------------------------------------------------------------

namespace {

// Entry i of a list kept by display row becomes the entry of the old row
// Order[i] (0 for a row that was not there). Lists shorter than the old
// rows are left alone.
bool SpreadMarks(std::vector<int>& V, const std::vector<int>& Order, int OldRows)
{
    if (int(V.size()) < OldRows)
        return false;
    const std::vector<int> old(V.begin(), V.begin() + OldRows);
    V.resize(std::max(V.size(), Order.size()), 0);
    for (size_t i = 0; i < Order.size(); ++i)
        V[i] = Order[i] < OldRows ? old[size_t(Order[i])] : 0;
    return true;
}

}  // namespace

void TVynStringGrid::HideColumns(int FromCol, int ToCol)
{
    if (BeingDestroyed(*this))
        return;
    HideInplaceEdit();
    for (int c = std::max(FromCol, 0); c <= ToCol && c < TotalColCount(); ++c) {
        if (IsHiddenColumn(c) || ColCount() < 2)
            continue;
        const int d = RealToDisplCol(c);
        const int w = ColWidths(d);
        for (int i = d; i < ColCount() - 1; ++i)
            SetColWidths(i, ColWidths(i + 1));
        if (c >= int(FAllColWidths.size()))
            FAllColWidths.resize(size_t(c) + 1, 0);
        FAllColWidths[size_t(c)] = w;
        SetVisibleCol(c, false);
        if (Col() == ColCount() - 1 && Col() > 0)
            MoveColRow(Col() - 1, Row(), false, false);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TVynStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    if (BeingDestroyed(*this))
        return;
    HideInplaceEdit();
    // Only columns the flags know can be hidden.
    ToCol = std::min(ToCol, int(FVisibleCol.size()) - 1);
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (!IsHiddenColumn(c))
            continue;
        SetVisibleCol(c, true);
        SetColCount(ColCount() + 1);
        const int d = RealToDisplCol(c);
        for (int i = ColCount() - 1; i > d; --i)
            SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, c < int(FAllColWidths.size()) ? FAllColWidths[size_t(c)] : DefaultColWidth());
    }
    Invalidate();
}

void TVynStringGrid::UnHideColumnsAll()
{
    if (FNumHidden > 0)
        UnHideColumns(0, TotalColCount() - 1);
}

// ---- rows -------------------------------------------------------------------------------------

bool TVynStringGrid::IsHiddenRow(int ARow, TIntList*& ListHidden) const
{
    (void)ListHidden;
    return IsHiddenRow(ARow);
}

void TVynStringGrid::HideRows(int FromRow, int ToRow)
{
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (FromRow > ToRow)
        return;
    // The shown rows of the range stand together from FromRow's place.
    const auto first = std::partition_point(FGridItems.begin(), FGridItems.end(),
                                            [FromRow](const auto& I) { return I->Idx() < FromRow; });
    const auto last = std::partition_point(first, FGridItems.end(),
                                           [ToRow](const auto& I) { return I->Idx() <= ToRow; });
    const int shown = ToRow - FromRow + 1 - int(last - first);
    if (shown == 0)
        return;
    const int d0 = FromRow - int(first - FGridItems.begin());
    std::vector<int> rows(static_cast<size_t>(shown));
    for (int i = 0; i < shown; ++i)
        rows[size_t(i)] = d0 + i;
    HideMarkedRows(rows, THiddenBy::hbRows, 0);
}

void TVynStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (IsHiddenRow(FromRow))
        return;
    HideRows(FromRow, ToRow);
}

void TVynStringGrid::HideRowList(const TIntList& RowList)
{
    std::vector<int> rows;
    rows.reserve(size_t(RowList.Count()));
    for (int i = 0; i < RowList.Count(); ++i)
        if (const int r = RowList.Items(i); r >= 0 && r < RowCount())
            rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    HideRowLevel(rows);
}

void TVynStringGrid::HideRowLevel(const std::vector<int>& Rows)
{
    HideMarkedRows(Rows, THiddenBy::hbFilter, FFilterLevel);
    ++FFilterLevel;
}

void TVynStringGrid::UnHideRows(int FromRow, int ToRow)
{
    const TGridItem* from = FindGridItem(FromRow);
    if (!from || from->HiddenBy() != THiddenBy::hbRows)
        return;
    RestoreRowsWhere([FromRow, ToRow](const TGridItem& I) {
        return I.HiddenBy() == THiddenBy::hbRows && I.Idx() >= FromRow && I.Idx() <= ToRow;
    });
}

void TVynStringGrid::UnHideRowsAll()
{
    RestoreRowsWhere([](const TGridItem& I) { return I.HiddenBy() == THiddenBy::hbRows; });
}

void TVynStringGrid::UnHideRowList()
{
    if (FFilterLevel <= 0)
        return;
    const int level = FFilterLevel - 1;
    RestoreRowsWhere(
        [level](const TGridItem& I) { return I.HiddenBy() == THiddenBy::hbFilter && I.Level() == level; });
}

// The display rows (ascending) leave the store for TGridItems, each with
// its cell record (moved, not copied); one row always stays.
void TVynStringGrid::HideMarkedRows(const std::vector<int>& Rows, THiddenBy By, int Level)
{
    size_t k = Rows.size();
    if (k >= size_t(RowCount()))
        k = size_t(RowCount()) - 1;
    if (k == 0)
        return;
    const std::vector<int> rows(Rows.begin(), Rows.begin() + std::ptrdiff_t(k));
    TRowsScope scope(*this);
    std::vector<std::unique_ptr<TGridItem>> items;
    items.reserve(k);
    // Each row's record moves into its item, objects and all; the store
    // keeps an empty row until the compaction takes it out.
    for (const int d : rows) {
        std::unique_ptr<TGridItem> item;
        if (FSpareGridItems.empty()) {
            item = std::make_unique<TGridItem>();
        } else {
            item = std::move(FSpareGridItems.back());
            FSpareGridItems.pop_back();
        }
        item->SetIdx(DisplToRealRow(d));
        item->SetHeight(RowHeights(d));
        item->SetLevel(Level);
        item->SetHiddenBy(By);
        item->SetRowData(ReleaseRowData(d));
        items.push_back(std::move(item));
    }
    // The row selection by display row follows the rows that stay.
    if (FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent())
        EraseIndexes(*FRowSelect, rows);
    CompactRows(rows);
    // Both lists ascend by Idx: one merge.
    if (FGridItems.empty()) {
        FGridItems.swap(items);
    } else if (FGridItems.back()->Idx() < items.front()->Idx()) {
        for (auto& i : items)
            FGridItems.push_back(std::move(i));
    } else {
        std::vector<std::unique_ptr<TGridItem>> merged;
        merged.reserve(FGridItems.size() + items.size());
        std::merge(std::make_move_iterator(FGridItems.begin()), std::make_move_iterator(FGridItems.end()),
                   std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
                   std::back_inserter(merged), [](const auto& A, const auto& B) { return A->Idx() < B->Idx(); });
        FGridItems.swap(merged);
    }
    FRowMapHint = 0;
    scope.Done(TRect(0, rows.front(), ColCount() - 1, rows.back()));
}

// The picked hidden rows come back, each at its real place among the rows
// shown: appended to the store, then put in place by one permutation.
void TVynStringGrid::RestoreRowsWhere(const std::function<bool(const TGridItem&)>& Pick)
{
    const int n0 = RowCount();
    // The real row of every display row, before any item leaves the list.
    std::vector<int> reals(static_cast<size_t>(n0));
    {
        size_t i = 0;
        int r = -1;
        for (int d = 0; d < n0; ++d) {
            ++r;
            while (i < FGridItems.size() && FGridItems[i]->Idx() == r) {
                ++i;
                ++r;
            }
            reals[size_t(d)] = r;
        }
    }
    // The others close up in place, in their order.
    std::vector<std::unique_ptr<TGridItem>> picked;
    size_t kept = 0;
    for (auto& i : FGridItems) {
        if (Pick(*i))
            picked.push_back(std::move(i));
        else
            FGridItems[kept++] = std::move(i);
    }
    FGridItems.resize(kept);
    FRowMapHint = 0;
    if (picked.empty())
        return;
    TRowsScope scope(*this);
    const int k = int(picked.size());
    TBaseGrid::InsertRows(n0, k);
    // Each record goes back into a new row at the end, objects and all.
    for (int j = 0; j < k; ++j) {
        const int d = n0 + j;
        AdoptRowData(d, picked[size_t(j)]->ReleaseRowData());
        SetRowHeights(d, picked[size_t(j)]->Height());
    }
    // A visible floating footer stays the last row.
    const int footer = FFloatingFooter->Visible() && n0 > 1 ? n0 - 1 : -1;
    std::vector<int> order;
    order.reserve(size_t(n0 + k));
    int first = -1;
    size_t j = 0;
    for (int d = 0; d < n0; ++d) {
        if (d == footer)
            continue;
        while (j < picked.size() && picked[j]->Idx() < reals[size_t(d)]) {
            if (first < 0)
                first = int(order.size());
            order.push_back(n0 + int(j++));
        }
        order.push_back(d);
    }
    while (j < picked.size()) {
        if (first < 0)
            first = int(order.size());
        order.push_back(n0 + int(j++));
    }
    if (footer >= 0)
        order.push_back(footer);
    // The emptied entries serve the next rows hidden.
    for (auto& i : picked)
        FSpareGridItems.push_back(std::move(i));
    PermuteRows(order);
    // The marks kept by display row follow; the rows back have none.
    if (FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent())
        SpreadMarks(*FRowSelect, order, n0);
    scope.Done(TRect(0, first, ColCount() - 1, RowCount() - 1));
}

// ---- the selection ------------------------------------------------------------------------------

void TVynStringGrid::HideSelection()
{
    FOldSelection = Selection();
    FSelHidden = true;
    Invalidate();
}

void TVynStringGrid::UnHideSelection()
{
    const bool wasHidden = FSelHidden;
    FSelHidden = false;
    if (!wasHidden)
        return;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
    } else {
        const int c = TBaseGrid::FixedCols(), r = TBaseGrid::FixedRows();
        SetSelection(TGridRect{c, r, c, r});
    }
    Invalidate();
}

void TVynStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }
