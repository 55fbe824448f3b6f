// TVynStringGrid: the structure of rows and columns. Rows leave, come in
// and move through the cell store's bulk operations (one DeleteRows,
// InsertRows or PermuteRows per operation, however many rows), and the
// side lists follow in the same pass: the real indexes of hidden rows, the
// modified, enabled and row-select marks, the cell controls, the current
// and top row, FMaxRowCount. Clearing, trimming and colouring rectangles,
// merging and splitting along a row or column, two lookups.
#include <algorithm>
#include <numeric>

#include <QSet>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"
#include "grid/render/grid_render_holders.h"

namespace {

std::vector<int> Range(int From, int Count)
{
    std::vector<int> v(static_cast<size_t>(std::max(Count, 0)));
    std::iota(v.begin(), v.end(), From);
    return v;
}

// Blanks and control characters at both ends go.
String TrimText(const String& S)
{
    qsizetype b = 0, e = S.size();
    while (b < e && S[b].unicode() <= 32)
        ++b;
    while (e > b && S[e - 1].unicode() <= 32)
        --e;
    return S.mid(b, e - b);
}

}  // namespace

void EraseListIndexes(TIntList& List, const std::vector<int>& Ascending)
{
    if (Ascending.empty() || Ascending.front() >= List.Count())
        return;
    std::vector<int> v(static_cast<size_t>(List.Count()));
    for (int i = 0; i < List.Count(); ++i)
        v[size_t(i)] = List.Items(i);
    EraseIndexes(v, Ascending);
    List.Clear();
    for (const int x : v)
        List.Add(x);
}

// ---- the bracket and the workers ----------------------------------------------------------------

void TRowsScope::Done(const TRect* R)
{
    g_.KeepCurrentRow(row_, top_);
    if (g_.FControlList->Count() > 0)
        g_.CellControlsUpdate();
    if (R && !BeingDestroyed(g_))
        g_.CellsChanged(*R);
}

void TVynStringGrid::KeepCurrentRow(int OldRow, int OldTop)
{
    const int fixed = TBaseGrid::FixedRows();
    if (RowCount() <= fixed || Col() < 0 || Col() >= ColCount())
        return;
    const int target = std::max(std::min(OldRow, RowCount() - 1), fixed);
    if (Row() != target)
        MoveColRow(std::max(Col(), TBaseGrid::FixedCols()), target, true, false);
    SetTopRow(std::min(OldTop, RowCount() - 1));
}

int TVynStringGrid::LastDataRow() const
{
    return FFloatingFooter->Visible() && RowCount() > 1 ? RowCount() - 2 : RowCount() - 1;
}

void TVynStringGrid::CompactRows(const std::vector<int>& Rows)
{
    const int k = int(Rows.size()), n = RowCount();
    if (Rows.back() - Rows.front() + 1 == k) {
        DeleteRows(Rows.front(), k);
        return;
    }
    // The rows that stay, in order, then the leaving ones at the end.
    std::vector<int> order;
    order.reserve(size_t(n));
    size_t j = 0;
    for (int d = 0; d < n; ++d) {
        if (j < Rows.size() && Rows[j] == d) {
            ++j;
            continue;
        }
        order.push_back(d);
    }
    order.insert(order.end(), Rows.begin(), Rows.end());
    PermuteRows(order);
    DeleteRows(n - k, k);
}

void TVynStringGrid::DropMarkedRows(const std::vector<int>& Rows, bool Free, bool UpdateControls)
{
    std::vector<int> rows = Rows;
    if (rows.empty())
        return;
    // The store keeps one row: the last of them stays, emptied.
    int emptied = -1;
    if (rows.size() >= size_t(RowCount())) {
        rows.pop_back();
        emptied = 0;
    }
    TRowsScope scope(*this);
    const int k = int(rows.size());
    const int stored = StoredColCount();
    std::vector<int> reals(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        reals[i] = DisplToRealRow(rows[i]);
    if (!Free)
        for (const int d : rows)
            for (int c = 0; c < stored; ++c)
                if (GridObjects(c, d))
                    SetGridObjects(c, d, nullptr);
    auto below = [&reals](int Real) { return int(std::lower_bound(reals.begin(), reals.end(), Real) - reals.begin()); };
    if (UpdateControls) {
        // Controls of the leaving rows go; the others follow their rows.
        for (int i = FControlList->Count() - 1; i >= 0; --i) {
            TControlItem* c = FControlList->Control(i);
            if (std::binary_search(reals.begin(), reals.end(), c->Y)) {
                if (c->Control)
                    c->Control->Hide();
                FControlList->RemoveControl(i);
            } else {
                c->Y -= below(c->Y);
            }
        }
        for (auto& item : FGridItems)
            item->SetIdx(item->Idx() - below(item->Idx()));
    }
    EraseListIndexes(*FModifiedRows, reals);
    EraseListIndexes(*FEnabledRows, reals);
    if (FMouseActions->DisjunctRowSelect())
        EraseIndexes(*FRowSelect, FMouseActions->RowSelectPersistent() ? reals : rows);
    if (k > 0)
        CompactRows(rows);
    if (emptied >= 0) {
        const bool block = FBlockCellChange;
        FBlockCellChange = true;
        ClearRows(emptied, 1);
        FBlockCellChange = block;
        SetRowHeights(emptied, DefaultRowHeight());
    }
    FMaxRowCount = std::max(FMaxRowCount - int(Rows.size()), RowCount());
    FRowMapHint = 0;
    scope.Done(TRect(0, Rows.front(), ColCount() - 1, Rows.back() + 1));
}

// ---- removing rows ------------------------------------------------------------------------------

void TVynStringGrid::RemoveRows(int RowIndex, int RCount)
{
    DoDeleteRowRange(RowIndex, RCount, true);
}

void TVynStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, LastDataRow() - RowIndex + 1);
    DropMarkedRows(Range(RowIndex, RCount), false, true);
}

void TVynStringGrid::DeleteRowRange(int ARow, int Count) { DoDeleteRowRange(ARow, Count, true); }

void TVynStringGrid::DoDeleteRowRange(int RowIndex, int RCount, bool UpdateControls)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    // A visible floating footer stays.
    RCount = std::min(RCount, LastDataRow() - RowIndex + 1);
    DropMarkedRows(Range(RowIndex, RCount), true, UpdateControls);
}

void TVynStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    std::vector<int> rows;
    for (int r = FixedRows(); r <= LastDataRow(); ++r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked)
            rows.push_back(r);
    DropMarkedRows(rows, true, true);
}

void TVynStringGrid::RemoveDuplicates(int ACol, bool DoCase)
{
    const int rc = RealColIndex(ACol);
    const int end = std::min(RowCount() - FFixedFooters, LastDataRow() + 1);
    QSet<String> seen;
    seen.reserve(std::max(end - FixedRows(), 0));
    std::vector<int> rows;
    for (int r = FixedRows(); r < end; ++r) {
        // One lookup: the set grows unless the text was there.
        const qsizetype before = seen.size();
        seen.insert(DoCase ? Cells(rc, r) : Cells(rc, r).toCaseFolded());
        if (seen.size() == before)
            rows.push_back(r);
    }
    DropMarkedRows(rows, true, true);
}

namespace {

// The rows from the first non-fixed one to the last data row whose
// selection is Selected (persistent selections are kept by real row).
template <typename Sel>
std::vector<int> RowsBySelection(int First, int Last, bool Selected, Sel IsSelected)
{
    std::vector<int> rows;
    for (int r = First; r <= Last; ++r)
        if (IsSelected(r) == Selected)
            rows.push_back(r);
    return rows;
}

}  // namespace

void TVynStringGrid::RemoveSelectedRows()
{
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    std::vector<int> rows;
    if (disjunct) {
        const bool persistent = FMouseActions->RowSelectPersistent();
        rows = RowsBySelection(FixedRows(), std::min(RowCount() - FFixedFooters - 1, LastDataRow()), true,
                               [&](int r) { return GetRowSelect(persistent ? DisplToRealRow(r) : r); });
    } else {
        const TGridRect s = Selection();
        const int top = std::min(s.Top, s.Bottom), bottom = std::min(std::max(s.Top, s.Bottom), LastDataRow());
        rows = Range(top, bottom - top + 1);
    }
    DropMarkedRows(rows, true, true);
    if (disjunct)
        FRowSelect->assign(FRowSelect->size(), 0);
}

void TVynStringGrid::RemoveUnSelectedRows()
{
    const bool persistent = FMouseActions->RowSelectPersistent();
    const std::vector<int> rows =
        RowsBySelection(FixedRows(), std::min(RowCount() - FFixedFooters - 1, LastDataRow()), false,
                        [&](int r) { return GetRowSelect(persistent ? DisplToRealRow(r) : r); });
    DropMarkedRows(rows, true, true);
    if (!FMouseActions->DisjunctRowSelect())
        return;
    FRowSelect->assign(FRowSelect->size(), 0);
    if (persistent)
        for (int r = FixedRows(); r < RowCount(); ++r) {
            const size_t i = size_t(DisplToRealRow(r));
            if (i >= FRowSelect->size())
                FRowSelect->resize(i + 1, 0);
            (*FRowSelect)[i] = 1;
        }
}

void TVynStringGrid::HideSelectedRows()
{
    const bool persistent = FMouseActions->RowSelectPersistent();
    HideMarkedRows(RowsBySelection(FixedRows(), LastDataRow(), true,
                                   [&](int r) { return GetRowSelect(persistent ? DisplToRealRow(r) : r); }),
                   THiddenBy::hbRows, 0);
}

void TVynStringGrid::HideUnSelectedRows()
{
    const bool persistent = FMouseActions->RowSelectPersistent();
    HideMarkedRows(RowsBySelection(FixedRows(), LastDataRow(), false,
                                   [&](int r) { return GetRowSelect(persistent ? DisplToRealRow(r) : r); }),
                   THiddenBy::hbRows, 0);
}

// ---- inserting rows -----------------------------------------------------------------------------

void TVynStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    DoInsertRows(RowIndex, RCount, UpdateCellControls);
}

void TVynStringGrid::DoInsertRows(int RowIndex, int RCount, bool UpdateControls)
{
    if (RowIndex < 0 || RCount <= 0)
        return;
    // Past the end means at the end, above a visible floating footer.
    RowIndex = std::min(RowIndex, LastDataRow() + 1);
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount())
        UnHideSelection();
    TRowsScope scope(*this);
    // The real row now at RowIndex and every later one move down, hidden
    // rows among them; hidden rows above it stay.
    const bool atEnd = RowIndex >= RowCount();
    const int realAt = atEnd ? TotalRowCount() : DisplToRealRow(RowIndex);
    TBaseGrid::InsertRows(RowIndex, RCount);
    if (!atEnd)
        for (auto& item : FGridItems)
            if (item->Idx() >= realAt)
                item->SetIdx(item->Idx() + RCount);
    FRowMapHint = 0;
    auto insertZeros = [realAt, RCount](TIntList& L) {
        if (realAt < L.Count())
            for (int i = 0; i < RCount; ++i)
                L.Insert(realAt, 0);
    };
    insertZeros(*FModifiedRows);
    insertZeros(*FEnabledRows);
    if (FMouseActions->DisjunctRowSelect()) {
        const int at = FMouseActions->RowSelectPersistent() ? realAt : RowIndex;
        if (at < int(FRowSelect->size()))
            FRowSelect->insert(FRowSelect->begin() + at, size_t(RCount), 0);
    }
    if (UpdateControls)
        for (int i = 0; i < FControlList->Count(); ++i)
            if (TControlItem* c = FControlList->Control(i); c->Y >= realAt)
                c->Y += RCount;
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    scope.Done(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TVynStringGrid::AddRow()
{
    if (FFloatingFooter->Visible() && RowCount() > 1)
        InsertRows(RowCount() - 1, 1, true);
    else
        InsertRows(RowCount(), 1, true);
}

// ---- columns ------------------------------------------------------------------------------------

void TVynStringGrid::ReadColumnLayout(std::vector<int>& Widths, std::vector<bool>& Shown)
{
    const int total = TotalColCount();
    Widths.resize(static_cast<size_t>(total));
    Shown.resize(static_cast<size_t>(total));
    for (int c = 0; c < total; ++c) {
        Widths[size_t(c)] = AllColWidths(c);
        Shown[size_t(c)] = !IsHiddenColumn(c);
    }
}

void TVynStringGrid::ApplyColumnLayout(const std::vector<int>& Widths, const std::vector<bool>& Shown)
{
    FVisibleCol = Shown;
    FAllColWidths = Widths;
    RebuildColumnMaps();
    SetColCount(int(std::count(Shown.begin(), Shown.end(), true)));
    for (int d = 0; d < ColCount(); ++d)
        SetColWidths(d, Widths[size_t(DisplToRealCol(d))]);
}

void TVynStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0)
        return;
    CCount = std::min(CCount, total - ColIndex);
    // One shown column stays.
    int shownGoing = 0;
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        shownGoing += !IsHiddenColumn(c);
    if (shownGoing >= ColCount())
        return;
    TRowsScope scope(*this);
    // Cleared without a report of its own: the removal reports once.
    const bool block = FBlockCellChange;
    FBlockCellChange = true;
    ClearCols(ColIndex, CCount);
    FBlockCellChange = block;
    // Widths and flags of every real column, the block taken out.
    std::vector<int> widths;
    std::vector<bool> shown;
    ReadColumnLayout(widths, shown);
    widths.erase(widths.begin() + ColIndex, widths.begin() + ColIndex + CCount);
    shown.erase(shown.begin() + ColIndex, shown.begin() + ColIndex + CCount);
    // Every stored cell right of the block moves left in one pass.
    if (const int stored = StoredColCount(); ColIndex < stored)
        TStringGrid::DeleteColumnCells(ColIndex, std::min(CCount, stored - ColIndex), stored);
    // The hidden rows' saved cells lose the block too.
    for (auto& item : FGridItems) {
        TGridItemCells cells = item->Items();
        for (int c = std::min(ColIndex + CCount, cells.Count()) - 1; c >= ColIndex; --c) {
            if (auto* p = dynamic_cast<TCellProperties*>(cells.Objects(c)))
                FreeProps(p);
            cells.Delete(c);
        }
    }
    ApplyColumnLayout(widths, shown);
    scope.Done(TRect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TVynStringGrid::InsertCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || CCount <= 0)
        return;
    ColIndex = std::min(ColIndex, total);
    TRowsScope scope(*this);
    std::vector<int> widths;
    std::vector<bool> shown;
    ReadColumnLayout(widths, shown);
    widths.insert(widths.begin() + ColIndex, size_t(CCount), DefaultColWidth());
    shown.insert(shown.begin() + ColIndex, size_t(CCount), true);
    const int newTotal = total + CCount;
    // The store takes cells up to the largest count it had.
    if (StoredColCount() < newTotal)
        TBaseGrid::SetColCount(newTotal);
    // The cells of the real columns from ColIndex on move right in one
    // pass; stored cells past the new real count stay.
    TStringGrid::InsertColumnCells(ColIndex, CCount, newTotal);
    for (auto& item : FGridItems) {
        TGridItemCells cells = item->Items();
        for (int i = 0; i < CCount && ColIndex <= cells.Count(); ++i)
            cells.InsertObject(ColIndex, String(), nullptr);
    }
    ApplyColumnLayout(widths, shown);
    scope.Done(nullptr);
}

void TVynStringGrid::RemoveSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = int(FColSelect->size()) - 1; c >= FixedCols(); --c)
            if ((*FColSelect)[size_t(c)]) {
                RemoveCols(c, 1);
                FColSelect->erase(FColSelect->begin() + c);
            }
        return;
    }
    const TGridRect s = Selection();
    const int l = std::min(s.Left, s.Right), r = std::max(s.Left, s.Right);
    for (int d = r; d >= l; --d)
        RemoveCols(RealColIndex(d), 1);
}

void TVynStringGrid::RemoveUnSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (size_t(c) >= FColSelect->size() || !(*FColSelect)[size_t(c)]) {
                RemoveCols(c, 1);
                if (size_t(c) < FColSelect->size())
                    FColSelect->erase(FColSelect->begin() + c);
            }
    } else {
        const TGridRect s = Selection();
        const int l = std::min(s.Left, s.Right), r = std::max(s.Left, s.Right);
        for (int d = ColCount() - 1; d > r; --d)
            RemoveCols(RealColIndex(d), 1);
        for (int d = l - 1; d >= FixedCols(); --d)
            RemoveCols(RealColIndex(d), 1);
    }
    FColSelect->assign(FColSelect->size(), 0);
}

// ---- rectangles ---------------------------------------------------------------------------------

void TVynStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    ARow2 = std::min(ARow2, RowCount() - 1);
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const int rc = FSaveHiddenCells ? DisplToRealCol(c) : c;
            if (rc >= TotalColCount())
                break;
            const String t = GetCellEx(rc, r);
            if (const String u = TrimText(t); u != t)
                SetCellEx(rc, r, u);
        }
}

void TVynStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    ARow2 = std::min(ARow2, RowCount() - 1);
    ACol2 = std::min(ACol2, TotalColCount() - 1);
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c)
            SetColors(c, r, AColor);
}

void TVynStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const bool destroying = BeingDestroyed(*this);
    const int stored = StoredColCount();
    const int r1 = std::min(ARow2, RowCount() - 1);
    bool mapped = false;
    for (int r = std::max(ARow1, 0); r <= r1; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const int rc = FSaveHiddenCells ? DisplToRealCol(c) : c;
            if (rc >= stored)
                break;
            if (!FClearTextOnly && PropsAt(rc, r)) {
                if (FNilObjects)
                    SetGridObjects(rc, r, nullptr);
                else
                    FreeCellProperties(rc, r);
            }
            if (!destroying && !GridCells(rc, r).isEmpty()) {
                SetGridCells(rc, r, String());
                mapped = mapped || rc != c;
            }
        }
    // The whole grid cleared: no cell has properties any more, unless
    // columns kept past the real ones or hidden rows still hold some.
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= TotalColCount() - 1 && ARow2 >= RowCount() - 1 && !FClearTextOnly &&
        !FSaveHiddenCells && !FNilObjects) {
        bool left = false;
        for (int r = 0; r < RowCount() && !left; ++r)
            for (int c = ACol2 + 1; c < stored && !left; ++c)
                left = PropsAt(c, r) != nullptr;
        for (const auto& item : FGridItems)
            for (int c = 0; c < item->Items()->Count() && !left; ++c)
                left = dynamic_cast<TCellProperties*>(item->Items()->Objects(c)) != nullptr;
        if (!left)
            FHasCellProps = false;
    }
    if (mapped && !destroying)
        Invalidate();
    if (!destroying && !FBlockCellChange && ACol1 <= ACol2 && ARow1 <= ARow2)
        CellsChanged(TRect(FSaveHiddenCells ? DisplToRealCol(ACol1) : ACol1, ARow1,
                           FSaveHiddenCells ? DisplToRealCol(ACol2) : ACol2, ARow2));
}

void TVynStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && RCount > 0)
        ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TVynStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TVynStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && CCount > 0)
        ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TVynStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && RCount > 0)
        ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TVynStringGrid::ClearNormalCells()
{
    if (RowCount() > 0)
        ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TVynStringGrid::Clear()
{
    if (RowCount() == 0)
        return;
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    if (FNumHidden > 0)
        Invalidate();
}

void TVynStringGrid::ClearSelection()
{
    if (FMouseActions->DisjunctRowSelect()) {
        const bool persistent = FMouseActions->RowSelectPersistent();
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (GetRowSelect(persistent ? DisplToRealRow(r) : r))
                ClearRows(r, 1);
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < int(FColSelect->size()); ++c)
            if ((*FColSelect)[size_t(c)])
                ClearCols(c, 1);
    } else {
        const TGridRect s = Selection();
        ClearRect(s.Left, s.Top, s.Right, s.Bottom);
    }
}

void TVynStringGrid::ClearAll()
{
    Clear();
    // The hidden rows stay hidden, empty.
    for (auto& item : FGridItems) {
        FreeGridItemObjects(*item);
        TGridItemCells cells = item->Items();
        for (int c = 0; c < cells.Count(); ++c)
            cells.SetStrings(c, String());
    }
}

// ---- merges and splits --------------------------------------------------------------------------

namespace {

// Walks the indexes from 0 while below End: a merge met on the way is
// split and the walk jumps past it.
template <typename Merged, typename Span, typename Split>
void SplitAlong(int End, Merged IsMerged, Span SpanAt, Split SplitAt)
{
    int i = 0;
    while (i < End) {
        if (IsMerged(i)) {
            const int span = SpanAt(i);
            SplitAt(i);
            i += std::max(span, 0) + 1;
        } else {
            ++i;
        }
    }
}

}  // namespace

void TVynStringGrid::SplitColumnCells(int ACol)
{
    SplitAlong(
        RowCount() - FFixedFooters - 1, [&](int r) { return IsYMergedCell(ACol, r); },
        [&](int r) { return CellSpan(ACol, r).Y; }, [&](int r) { SplitCells(ACol, r); });
}

void TVynStringGrid::SplitRowCells(int ARow)
{
    SplitAlong(
        ColCount() - FFixedRightCols - 1, [&](int c) { return IsXMergedCell(c, ARow); },
        [&](int c) { return CellSpan(c, ARow).X; }, [&](int c) { SplitCells(c, ARow); });
}

void TVynStringGrid::SplitAllCells()
{
    if (MergeCount() == 0)
        return;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            if (IsMergedCell(c, r) && IsBaseCell(c, r))
                SplitCells(c, r);
}

void TVynStringGrid::MergeColumnCells(int ACol, bool MainMerge)
{
    const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
    int start = first;
    for (int r = first + 1; r <= last + 1; ++r) {
        const bool goesOn = r <= last && GridCells(ACol, r) == GridCells(ACol, r - 1) &&
                            (MainMerge || RowSpanIdentical(r, r - 1));
        if (goesOn)
            continue;
        if (r - start >= 2)
            MergeCells(ACol, start, 1, r - start);
        start = r;
    }
}

void TVynStringGrid::MergeRowCells(int ARow, bool MainMerge)
{
    const int first = FixedCols(), last = ColCount() - FFixedRightCols - 1;
    int start = first;
    for (int c = first + 1; c <= last + 1; ++c) {
        const bool goesOn = c <= last && GridCells(c, ARow) == GridCells(c - 1, ARow) &&
                            (MainMerge || ColSpanIdentical(c, c - 1));
        if (goesOn)
            continue;
        if (c - start >= 2)
            MergeCells(start, ARow, c - start, 1);
        start = c;
    }
}

void TVynStringGrid::MergeCols(int ColIndex1, int ColIndex2, const String& Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, TrimText(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

// ---- lookups ------------------------------------------------------------------------------------

bool TVynStringGrid::IsCell(const String& SubStr, int& ACol, int& ARow)
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GridCells(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TVynStringGrid::IsWideCell(int ACol, int ARow) { return GridCells(ACol, ARow).startsWith(QStringLiteral("|\\")); }
