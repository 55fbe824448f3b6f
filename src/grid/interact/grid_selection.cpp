// The selection model of TVynStringGrid: the range selection and the
// current cell, the disjunct row, column and cell selections, the modified
// and enabled rows, the repaint helpers and the one report of a change.
//
// Flags by index: FRowSelect by display row (real row with
// RowSelectPersistent), FColSelect by column, FModifiedRows and
// FEnabledRows by real row (0/1 entries, the enabled list inverted: 1 is
// disabled). The disjunct cells are (column, row) pairs. The row operations
// of the data work move every list with its rows.
#include <algorithm>
#include <cstdlib>

#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/bitmap.h"

namespace {

bool ListFlag(const TIntList& L, int I) { return I >= 0 && I < L.Count() && L.Items(I) != 0; }

void SetListFlag(TIntList& L, int I, int Value)
{
    while (L.Count() <= I)
        L.Add(0);
    L.SetItems(I, Value);
}

}  // namespace

// ---- the range selection and the current cell ---------------------------------------------------

void TVynStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow())
        RepaintRow(Value.Bottom);
}

void TVynStringGrid::FocusCell(int ACol, int ARow) { SetSelection(TGridRect{ACol, ARow, ACol, ARow}); }

void TVynStringGrid::GotoCell(int ACol, int ARow)
{
    SetRowEx(ARow);
    SetCol(ACol);
}

void TVynStringGrid::EditCell(int ACol, int ARow)
{
    if (CanFocus())
        SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TVynStringGrid::MoveToCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

void TVynStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRowEx(ToRow);
    SetCol(ToCol);
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TVynStringGrid::Select() { SelectCell(Col(), Row()); }

void TVynStringGrid::ReportSelectionChange(const TGridRect& Before)
{
    const TGridRect s = Selection();
    if (s == Before)
        return;
    FLastReported = s;
    DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

// ---- rows and columns ---------------------------------------------------------------------------

void TVynStringGrid::SelectRows(int RowIndex, int RCount)
{
    // 1.
    if (RowIndex + RCount > RowCount())
        RCount = RowCount() - RowIndex;
    if (!FMouseActions->DisjunctRowSelect()) {
        // 2.
        if (RCount > 0)
            SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        // 3.
        const bool persistent = FMouseActions->RowSelectPersistent();
        if (OnRowDisjunctSelect || OnRowDisjunctSelected) {
            for (int r = RowIndex; r < RowIndex + RCount; ++r) {
                const int rr = persistent ? DisplToRealRow(r) : r;
                if (rr < RowCount() || persistent)
                    SetRowSelect(rr, true);
            }
        } else if (RCount > 0 && RowIndex >= 0) {
            // Nobody to ask or tell: the flags in one pass, one repaint.
            const int last = persistent ? DisplToRealRow(RowIndex + RCount - 1) : RowIndex + RCount - 1;
            if (size_t(last) >= FRowSelect->size())
                FRowSelect->resize(size_t(last) + 1, 0);
            int* flags = FRowSelect->data();
            const int fixed = FixedRows(), rows = RowCount();
            bool changed = false;
            FSelRowOrder.reserve(FSelRowOrder.size() + size_t(RCount));
            for (int r = RowIndex; r < RowIndex + RCount; ++r) {
                const int rr = persistent ? DisplToRealRow(r) : r;
                if ((rr < rows || persistent) && flags[rr] == 0) {
                    flags[rr] = 1;
                    if (rr >= fixed)
                        FSelRowOrder.push_back(rr);
                    changed = true;
                }
            }
            if (changed && HandleAllocated() && FUpdateCount == 0)
                Invalidate();
        }
    }
    // 4.
    if (!FRowIndicator->Empty())
        RepaintCol(0);
    // 5.
    FSelChange = false;
}

void TVynStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (FMouseActions->DisjunctRowSelect()) {
        const bool persistent = FMouseActions->RowSelectPersistent();
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int rr = persistent ? DisplToRealRow(r) : r;
            if (rr >= 0 && rr < RowCount())
                SetRowSelect(rr, false);
        }
    }
    FSelChange = false;
}

void TVynStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions->DisjunctColSelect()) {
        SetSelection(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, true);
}

void TVynStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions->DisjunctColSelect())
        return;
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, false);
}

bool TVynStringGrid::GetRowSelect(int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError(QString("Invalid row %1 accessed").arg(ARow));
    if (FMouseActions->DisjunctRowSelect())
        return size_t(ARow) < FRowSelect->size() && (*FRowSelect)[size_t(ARow)] != 0;
    const TGridRect s = Selection();
    return ARow >= s.Top && ARow <= s.Bottom;
}

void TVynStringGrid::SetRowSelect(int ARow, bool Value)
{
    // 1.
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError("Invalid row accessed");
    // 2.
    const bool known = size_t(ARow) < FRowSelect->size();
    const bool was = known && (*FRowSelect)[size_t(ARow)] != 0;
    bool allow = true;
    if ((!known || was != Value) && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow)
        return;
    // 3.
    if (!known)
        FRowSelect->resize(size_t(ARow) + 1, 0);
    // 4. The flag tells whether the row is in the order list already.
    const int shown = FMouseActions->RowSelectPersistent() ? RealToDisplRow(ARow) : ARow;
    if (Value) {
        if (!was) {
            RepaintRow(shown);
            if (ARow >= FixedRows())
                FSelRowOrder.push_back(ARow);
        }
        (*FRowSelect)[size_t(ARow)] = 1;
    } else {
        if (was) {
            RepaintRow(shown);
            std::erase(FSelRowOrder, ARow);
        }
        (*FRowSelect)[size_t(ARow)] = 0;
    }
    // 5.
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool TVynStringGrid::GetColSelect(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EVynGridError("Invalid column accessed");
    return size_t(ACol) < FColSelect->size() && (*FColSelect)[size_t(ACol)] != 0;
}

void TVynStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EVynGridError("Invalid column accessed");
    if (size_t(ACol) >= FColSelect->size())
        FColSelect->resize(size_t(ACol) + 1, 0);
    const int v = Value ? 1 : 0;
    if ((*FColSelect)[size_t(ACol)] != v) {
        (*FColSelect)[size_t(ACol)] = v;
        RepaintCol(ACol);
    }
}

void TVynStringGrid::ClearRowSelect()
{
    // Few rows repaint one by one, many the whole grid once.
    const bool persistent = FMouseActions->RowSelectPersistent();
    const bool each = HandleAllocated() && FUpdateCount == 0 && FSelRowOrder.size() <= size_t(VisibleRowCount() + 1);
    bool any = false;
    for (size_t r = 0; r < FRowSelect->size(); ++r)
        if ((*FRowSelect)[r]) {
            (*FRowSelect)[r] = 0;
            any = true;
            if (each)
                RepaintRow(persistent ? RealToDisplRow(int(r)) : int(r));
        }
    FSelRowOrder.clear();
    if (any && !each)
        Invalidate();
}

void TVynStringGrid::ClearColSelect()
{
    for (size_t c = 0; c < FColSelect->size(); ++c)
        if ((*FColSelect)[c]) {
            (*FColSelect)[c] = 0;
            RepaintCol(int(c));
        }
}

void TVynStringGrid::SelectionToRowSelect(bool All)
{
    const TGridRect s = Selection();
    const int bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    const bool persistent = FMouseActions->RowSelectPersistent();
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= s.Top && r <= bottom;
        if (All || inside)
            SetRowSelect(persistent ? DisplToRealRow(r) : r, inside);
    }
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TVynStringGrid::SelectionToColSelect(bool All)
{
    const TGridRect s = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (All || inside)
            SetColSelect(c, inside);
    }
}

// ---- counts -------------------------------------------------------------------------------------

int TVynStringGrid::RowSelectCount()
{
    if (!FMouseActions->DisjunctRowSelect()) {
        const TGridRect s = Selection();
        return std::abs(s.Bottom - s.Top) + 1;
    }
    const auto n = std::ptrdiff_t(std::min(FRowSelect->size(), size_t(TotalRowCount())));
    return int(std::count_if(FRowSelect->begin(), FRowSelect->begin() + n, [](int F) { return F != 0; }));
}

int TVynStringGrid::ColSelectCount()
{
    if (!FMouseActions->DisjunctColSelect()) {
        const TGridRect s = Selection();
        return s.Right - s.Left + 1;
    }
    return int(std::count_if(FColSelect->begin(), FColSelect->end(), [](int F) { return F != 0; }));
}

int TVynStringGrid::SelectedRowCount()
{
    if (FMouseActions->DisjunctRowSelect())
        return int(FSelRowOrder.size());
    const TGridRect s = Selection();
    const int bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
    const int span = CellSpan(s.Left, s.Top).Y;
    if (span > 0)
        return s.Top + span > bottom ? span + 1 : std::abs(s.Top - bottom) + 1;
    const int spanB = CellSpan(s.Left, bottom).Y;
    if (spanB > 0)
        return std::abs(s.Top - bottom) + spanB + 1;
    return std::abs(s.Top - bottom) + 1;
}

int TVynStringGrid::SelectedColCount()
{
    // The selected columns (not the length of the flag list).
    if (FMouseActions->DisjunctColSelect())
        return ColSelectCount();
    const TGridRect s = Selection();
    const int span = CellSpan(s.Left, s.Top).X;
    if (span > 0)
        return s.Left + span > s.Right ? span + 1 : std::abs(s.Left - s.Right) + 1;
    const int spanR = CellSpan(s.Right, s.Top).X;
    if (spanR > 0)
        return std::abs(s.Left - s.Right) + spanR + 1;
    return std::abs(s.Left - s.Right) + 1;
}

int TVynStringGrid::SelectedRow(int Index)
{
    if (FMouseActions->DisjunctRowSelect())
        return Index >= 0 && Index < int(FSelRowOrder.size()) ? FSelRowOrder[size_t(Index)] : -1;
    const TGridRect s = Selection();
    return Index >= 0 && s.Top + Index <= s.Bottom ? s.Top + Index : -1;
}

// ---- selected cells -----------------------------------------------------------------------------

bool TVynStringGrid::IsInSelectedCellList(int ACol, int ARow) const
{
    return std::find(FSelCellList.begin(), FSelCellList.end(), TPoint(ACol, ARow)) != FSelCellList.end();
}

bool TVynStringGrid::SelectedCells(int ACol, int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError("Invalid row accessed");
    if (FMouseActions->DisjunctCellSelect())
        return IsInSelectedCellList(ACol, ARow);
    return CellInGridRect(Selection(), ACol, ARow);
}

void TVynStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    if (ARow < 0 || ARow >= TotalRowCount() || ACol < 0 || ACol >= TotalColCount())
        throw EVynGridError("Invalid row accessed");
    const auto it = std::find(FSelCellList.begin(), FSelCellList.end(), TPoint(ACol, ARow));
    if (Value && it == FSelCellList.end())
        FSelCellList.push_back(TPoint(ACol, ARow));
    else if (!Value && it != FSelCellList.end())
        FSelCellList.erase(it);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TPoint TVynStringGrid::SelectedCell(int Index) const
{
    if (Index < 0 || size_t(Index) >= FSelCellList.size())
        throw EVynGridError("Invalid cell index");
    return FSelCellList[size_t(Index)];
}

int TVynStringGrid::SelectedCellsCount()
{
    if (FMouseActions->DisjunctCellSelect())
        return int(FSelCellList.size());
    FSelCellList.clear();
    const TGridRect s = Selection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
        FSelCellList.push_back(TPoint(Col(), Row()));
    } else {
        // Every cell of the rectangle once: column by column, top down.
        FSelCellList.reserve(size_t(s.Right - s.Left + 1) * size_t(s.Bottom - s.Top + 1));
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r)
                FSelCellList.push_back(TPoint(c, r));
    }
    return int(FSelCellList.size());
}

void TVynStringGrid::ClearSelectedCells()
{
    FocusCell(FixedCols(), FixedRows());
    FSelCellList.clear();
    Invalidate();
}

// ---- modified and enabled rows ------------------------------------------------------------------

bool TVynStringGrid::RowModified(int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError("Invalid row accessed");
    return ListFlag(*FModifiedRows, ARow);
}

bool TVynStringGrid::GetRowModified(int ARow) { return ListFlag(*FModifiedRows, DisplToRealRow(ARow)); }

void TVynStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError("Invalid row accessed");
    SetListFlag(*FModifiedRows, ARow, Value ? 1 : 0);
    RepaintCell(0, RealToDisplRow(ARow));
}

int TVynStringGrid::ModifiedRowCount() const
{
    int n = 0;
    for (int i = 0; i < FModifiedRows->Count(); ++i)
        n += FModifiedRows->Items(i) == 1;
    return n;
}

void TVynStringGrid::ClearModifiedRows()
{
    FModifiedRows->Clear();
    Invalidate();
}

bool TVynStringGrid::RowEnabled(int ARow)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError("Invalid row accessed");
    return !ListFlag(*FEnabledRows, ARow);
}

void TVynStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0 || ARow >= TotalRowCount())
        throw EVynGridError("Invalid row accessed");
    // 2. 3. The flag first, so that the search below sees it.
    FUseEnabledRows = true;
    SetListFlag(*FEnabledRows, ARow, Value ? 0 : 1);
    // 1. Only disabling the current row moves the current row away.
    const int shown = RealToDisplRow(ARow);
    if (!Value && shown == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != shown && !ListFlag(*FEnabledRows, DisplToRealRow(r))) {
                FocusCell(Col(), r);
                break;
            }
    }
    // 4.
    RepaintRow(shown);
}

// ---- repainting ---------------------------------------------------------------------------------

void TVynStringGrid::RepaintRect(const TRect& R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0)
        return;
    const TRect a = CellRect(R.Left, R.Top);
    const TRect b = CellRect(std::min(VisibleColCount() + FixedCols(), R.Right), R.Bottom);
    if (a.IsEmpty() || b.IsEmpty()) {
        Repaint();
        return;
    }
    InvalidateRect(TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                         std::max(a.Bottom, b.Bottom)),
                   true);
}

void TVynStringGrid::InvalidateCellRange(const TRect& R)
{
    const TRect a = CellRect(R.Left, R.Top), b = CellRect(R.Right, R.Bottom);
    InvalidateRect(TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                         std::max(a.Bottom, b.Bottom)),
                   false);
}

void TVynStringGrid::SwapCells(TPoint FromCell, TPoint ToCell)
{
    const String text = GetGridCell(FromCell.X, FromCell.Y);
    TObject* obj = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    SetGridObject(ToCell.X, ToCell.Y, obj);
}
