// TVynStringGrid: Tab navigation (AdvanceOnTab and its tab-stop routines)
// and the row keys: Insert, Delete, the appended row and select all.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_scope.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"

namespace {

// The filter off for the scope, while rows are inserted or deleted.
struct TFilterOff {
    TVynStringGrid& g;
    bool was;
    explicit TFilterOff(TVynStringGrid& G) : g(G), was(G.PauseFilter()) {}
    ~TFilterOff()
    {
        if (was)
            g.ResumeFilter();
    }
};

}  // namespace

bool TVynStringGrid::PauseFilter()
{
    if (!FilterActive())
        return false;
    SetFilterActive(false);
    return true;
}

void TVynStringGrid::ResumeFilter() { SetFilterActive(true); }

bool TVynStringGrid::IsTabStopCell(int ACol, int ARow)
{
    bool can = Options().Contains(goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, can);
    return can;
}

int TVynStringGrid::FirstTabStopCol(int ARow)
{
    TWeakRef<TVynStringGrid> self(this);
    for (int c = 0; c < ColCount() && self; ++c)
        if (IsTabStopCell(c, ARow))
            return c;
    return -1;
}

int TVynStringGrid::LastTabStopCol(int ARow)
{
    TWeakRef<TVynStringGrid> self(this);
    for (int c = ColCount() - 1; c >= 0 && self; --c)
        if (IsTabStopCell(c, ARow))
            return c;
    return -1;
}

int TVynStringGrid::FirstTabCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

int TVynStringGrid::VisibleFixedRightCols()
{
    if (NumHiddenColumns() == 0)
        return FFixedRightCols;
    // The last FixedRightCols real columns that are shown.
    int n = 0;
    const int total = ColCount() + NumHiddenColumns();
    for (int rc = std::max(0, total - FFixedRightCols); rc < total; ++rc)
        if (GetVisibleCol(rc))
            ++n;
    return n;
}

bool TVynStringGrid::IsOnLastRow()
{
    const bool footer = FFloatingFooter && FFloatingFooter->Visible();
    return Row() + 1 == RowCount() - FFixedFooters || (Row() + 2 == RowCount() && footer);
}

void TVynStringGrid::GotoFirstRow() { FocusCell(Col(), FixedRows()); }

bool TVynStringGrid::AdvanceOnTab(bool Backward)
{
    TWeakRef<TVynStringGrid> self(this);
    const TShiftState shift = Backward ? TShiftState{ssShift} : TShiftState{};
    // 1.
    if (OnKeyDown) {
        Word k = VK_TAB;
        OnKeyDown(this, k, shift);
        if (!self || k != VK_TAB)
            return true;
    }
    // 2. A move from this cell is already under way.
    if (Col() == FLastTabCol && Row() == FLastTabRow)
        return true;
    FLastTabCol = Col();
    FLastTabRow = Row();
    TAtExit endMove([&] {
        if (self) {
            FLastTabCol = -1;
            FLastTabRow = -1;
        }
    });
    const TPoint start(Col(), Row());
    bool result = true;
    bool handOver = false;
    // 3 to 7. One step at a time; read-only cells are walked over at most
    // once round the grid, and a walk that finds no cell leaves the cell.
    const long long bound = (long long)ColCount() * RowCount() + 1;
    for (long long n = 0;; ++n) {
        const TPoint from(Col(), Row());
        TabStep(Backward, handOver);
        if (!self)
            return result;
        if (handOver && FNavigation->TabToNextAtEnd() && Parent()) {
            // 8. The Tab goes on to the next control after this message.
            if (TCustomForm* form = GetParentForm(this))
                PostMessage(form, WM_KEYDOWN, VK_TAB, 0);
            result = false;
            break;
        }
        if (!Options().Contains(goEditing) || IsEditable(RealCol(), Row()))
            break;
        const bool noProgress = Col() == from.X && Row() == from.Y;
        if (noProgress || n >= bound || (Col() == start.X && Row() == start.Y)) {
            FocusCell(start.X, start.Y);
            return result;
        }
    }
    if (!self)
        return result;
    // 7.
    if (FNavigation->AdvanceAutoEdit() && !IsControlCell(RealCol(), Row()))
        SimulateCellClick(Col(), Row());
    if (self && FNavigation->AlwaysEdit() && CanFocus())
        SetFocus();
    return result;
}

void TVynStringGrid::TabStep(bool Backward, bool& HandOver)
{
    TWeakRef<TVynStringGrid> self(this);
    HandOver = false;
    const int vfr = VisibleFixedRightCols();
    const int lastRow = RowCount() - FFixedFooters - 1;
    const int first = FirstTabCol();
    const int c = Col(), r = Row();
    auto go = [this](int C, int R) {
        int bc = RealColIndex(C), br = R;
        GetBaseCellOf(bc, br, bc, br);
        FocusCell(DisplColIndex(bc), br);
        ClampInView(TGridCoord{Col(), Row()});
    };
    auto isBase = [this](int C, int R) {
        int bc = RealColIndex(C), br = R;
        GetBaseCellOf(bc, br, bc, br);
        return bc == RealColIndex(C) && br == R;
    };
    const bool leftRight = FNavigation->TabAdvanceDirection() == TAdvanceDirection::adLeftRight;
    if (Backward && !leftRight) {
        // 3.
        if (r > FixedRows())
            go(c, r - 1);
        else
            go(c > first ? c - 1 : ColCount() - vfr - 1, lastRow);
        return;
    }
    if (Backward) {
        // 4.
        if (c > first) {
            for (int x = c - 1; x >= first; --x) {
                if (isBase(x, r) && IsTabStopCell(x, r)) {
                    go(x, r);
                    return;
                }
                if (!self)
                    return;
            }
            const int row = r > FixedRows() ? r - 1 : lastRow;
            const int l = LastTabStopCol(row);
            if (self && l >= 0)
                go(l, row);
            return;
        }
        int x = ColCount() - vfr - 1;
        for (int b = 1; x >= FixedCols(); ++b) {
            x = ColCount() - vfr - b;
            if (x < FixedCols() || IsTabStopCell(x, r) || !self)
                break;
        }
        if (self)
            go(std::max(x, FixedCols()), r > FixedRows() ? r - 1 : lastRow);
        return;
    }
    if (!leftRight) {
        // 5.
        const int sy = std::max(0, CellSpan(RealColIndex(c), r).Y);
        if (r + sy + 1 < RowCount() - FFixedFooters) {
            go(c, r + sy + 1);
            return;
        }
        GotoFirstRow();
        if (c < ColCount() - vfr - 1) {
            go(c + 1, Row());
        } else {
            go(first, Row());
            HandOver = true;
        }
        return;
    }
    // 6.
    const int sx = std::max(0, CellSpan(RealColIndex(c), r).X);
    const int e = ColCount() - vfr;
    if (c + sx + 1 < e) {
        int x = c + sx + 1;
        while (x < e && !IsTabStopCell(x, r) && self)
            ++x;
        if (!self)
            return;
        if (x < e) {
            go(x, r);
            return;
        }
        // The row has no further stop: wrap.
        TValueScope<bool> force(FForceSel, true);
        if (r < lastRow) {
            const int nc = FirstTabStopCol(r + 1);
            bool allow = true;
            if (OnRowChanging)
                OnRowChanging(this, r, r + 1, allow);
            if (self && OnCellChanging)
                OnCellChanging(this, r, c, r + 1, nc, allow);
            if (self && OnColChanging)
                OnColChanging(this, c, nc, allow);
            if (self && allow)
                go(nc < 0 ? FixedCols() : nc, r + 1);
            return;
        }
        const int nc = FirstTabStopCol(FixedRows());
        if (self && nc >= 0)
            go(nc, FixedRows());
        HandOver = true;
        return;
    }
    // Tab from the row's last column.
    if (r < lastRow) {
        for (int x = first; x < ColCount(); ++x) {
            if (isBase(x, r + 1) && IsTabStopCell(x, r + 1)) {
                TValueScope<bool> force(FForceSel, true);
                go(x, r + 1);
                return;
            }
            if (!self)
                return;
        }
        for (int y = r + 2; y <= lastRow; ++y) {
            const int x = FirstTabStopCol(y);
            if (!self)
                return;
            if (x >= 0) {
                go(x, y);
                return;
            }
        }
        go(ColCount() - 1, RowCount() - 1);
        return;
    }
    if (FNavigation->TabToNextAtEnd() || !FNavigation->AdvanceInsert()) {
        GotoFirstRow();
    } else {
        bool canAdd = true;
        DoCanAddRow(canAdd);
        if (!self)
            return;
        if (canAdd) {
            if (FFloatingFooter && FFloatingFooter->Visible()) {
                InsertRows(RowCount() - 1, 1, true);
                FocusCell(c, RowCount() - 2);
            } else {
                SetRowCount(RowCount() + 1);
                FocusCell(c, RowCount() - 1);
            }
            if (OnAutoAddRow)
                OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
        } else {
            GotoFirstRow();
        }
    }
    if (!self)
        return;
    const int x = FirstTabStopCol(Row());
    if (self && x >= 0)
        go(x, Row());
    HandOver = true;
}

// ---- row keys -------------------------------------------------------------------------------------

void TVynStringGrid::InsertRowKey()
{
    TWeakRef<TVynStringGrid> self(this);
    bool canInsert = true;
    if (OnCanInsertRow)
        OnCanInsertRow(this, Row(), canInsert);
    if (!self || !canInsert)
        return;
    const int p = RealRow();
    int t = Row();
    {
        TFilterOff filterOff(*this);
        if (p < RowCount() && p >= FixedRows())
            FocusCell(Col(), p);
        int at = RealRow();
        bool after = false;
        if (FNavigation->InsertPosition() == TInsertPosition::pInsertAfter) {
            if (FFixedRowAlways && RowCount() == FixedRows()) {
                // The first data row, below every fixed row.
                t = FixedRows();
            } else {
                at = RealRowIndex(Row() + 1);
                after = true;
            }
        }
        InsertRowAt(at);
        if (!self)
            return;
        if (after && t + 1 < RowCount())
            ++t;
        if (OnAutoInsertRow)
            OnAutoInsertRow(this, at);
        if (!self)
            return;
        FGridModified = true;
    }
    if (!self)
        return;
    FocusCell(Col(), std::clamp(t, FixedRows(), RowCount() - 1));
    CalcFooter(-1);
}

bool TVynStringGrid::DeleteRowKey()
{
    TWeakRef<TVynStringGrid> self(this);
    const int p = RealRow();
    {
        TFilterOff filterOff(*this);
        bool canDelete = true;
        if (OnCanDeleteRow)
            OnCanDeleteRow(this, p, canDelete);
        if (!self)
            return false;
        if (!canDelete)
            return false;
        const int dataRows = RowCount() - FixedRows() - FFixedFooters;
        if (dataRows <= 1 && !FFixedRowAlways)
            ClearRows(p, 1);
        else
            RemoveRows(p, 1);
        if (!self)
            return false;
        if (OnAutoDeleteRow)
            OnAutoDeleteRow(this, p);
        if (!self)
            return false;
    }
    if (FFloatingFooter && FFloatingFooter->Visible() && Row() == RowCount() - 1 && RowCount() > 1)
        FocusCell(Col(), RowCount() - 2);
    RememberCurrentCell(Col(), Row());
    FGridModified = true;
    CalcFooter(-1);
    return true;
}

void TVynStringGrid::AutoAddRow()
{
    TWeakRef<TVynStringGrid> self(this);
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!self || !canAdd)
        return;
    const bool footer = FFloatingFooter && FFloatingFooter->Visible();
    if (footer) {
        // The footer row stays last: it keeps its texts, the new data row
        // before it starts empty.
        InsertRows(RowCount() - 1, 1, true);
    } else {
        SetRowCount(RowCount() + 1);
        ClearRows(RowCount() - 1, 1);
    }
    if (!self)
        return;
    if ((footer || FFixedFooters > 0) && Row() + 1 < RowCount())
        FocusCell(Col(), Row() + 1);
    if (footer)
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TVynStringGrid::SelectAllKey()
{
    TWeakRef<TVynStringGrid> self(this);
    const TGridRect all{FirstTabCol(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top)
        return;
    if (FMouseActions->DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r)
            SetRowSelect(r, true);
    SetSelection(all);
    FocusCell(all.Right, all.Bottom);
    const TRect rc = CellRect(all.Right, all.Bottom);
    MouseDown(mbLeft, {}, rc.Left + 2, rc.Top + 2);
    if (!self)
        return;
    MouseUp(mbLeft, {}, rc.Left + 2, rc.Top + 2);
    if (!self)
        return;
    FocusCell(all.Right, all.Bottom);
    SetSelection(all);
}
