// TVynStringGrid: sorting by a click on a header cell, the last step of the
// left button's release.
//
// The first click on a column sorts it in SortSettings.InitSortDirection,
// the next one inverts it, and with UndoSort the click after that gives the
// rows their unsorted order back (sort column -1). With SortSettings.IndexShow
// the index key (Shift, or Ctrl with ikCtrl) adds columns to a multi-column
// sort. A release near a column border while columns may be sized, in the
// drop-down or filter zone of the header, or after a move does not sort.
#include <cstdint>
#include <cstdlib>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/interact/grid_scope.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/input_state.h"
#include "platform/gui/timers.h"

bool TVynStringGrid::IndexSortKeyDown() const
{
    const int vk = FSortSettings->IndexSortKey() == TIndexSortKey::ikCtrl ? VK_CONTROL : VK_SHIFT;
    return GetKeyState(vk) < 0;
}

bool TVynStringGrid::PressBecameMove(int X, int Y) const
{
    const int threshold = GetDragThreshold();
    if (std::abs(X - Clickposx) > threshold || std::abs(Y - Clickposy) > threshold)
        return true;
    int pc = -1, pr = -1, c = -1, r = -1;
    MouseToCell(Clickposx, Clickposy, pc, pr);
    MouseToCell(X, Y, c, r);
    return GridState() == gsRowMoving ? r != pr : c != pc;
}

void TVynStringGrid::ClickSortStep(int X, int Y, int ACol, int ARow)
{
    (void)Y;
    TWeakRef<TVynStringGrid> self(this);
    // A move of this press (also one the release itself ended) never sorts.
    if (ColMoveFlg || GridState() == gsColMoving || GridState() == gsRowMoving)
        return;
    if (ACol < 0 || ARow < 0)
        return;
    const TRect R = CellRect(ACol, ARow);
    const int N = RealColIndex(ACol);
    // Near a column border, in the drop-down button or the filter zone.
    if (ARow == 0 && Options().Contains(goColSizing) && (X - R.Left <= 3 || R.Right - X <= 3))
        return;
    if (X > R.Right - 16) {
        if (FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(N))
            return;
        if (HasColumnFilter(N))
            return;
    }
    // Press and release in the sort row.
    const int sortRow = FSortSettings->Row();
    int pc = -1, pr = -1;
    MouseToCell(Clickposx, Clickposy, pc, pr);
    if (ARow != sortRow || pr != sortRow || FixedRows() <= 0 || !FSortSettings->Show() || RowCount() <= 2)
        return;
    if (HasCheckBox(N, ARow) && GetCellGraphicRect(ACol, ARow).Contains(TPoint(X, Y)))
        return;
    bool doSort = !IsIgnoredColumn(N);
    if (doSort && OnCanSort)
        OnCanSort(this, N, doSort);
    if (!self)
        return;
    if (!doSort) {
        RepaintCell(ACol, sortRow);
        return;
    }
    HideInplaceEdit();
    if (!self)
        return;
    if (FSortRowXRef->Count() != RowCount())
        InitSortXRef();
    const bool merge = FSortSettings->AutoColumnMerge();
    if (merge)
        for (int i = 0; i < FMergedColumns->Count(); ++i)
            SplitColumnCells(FMergedColumns->Items(i));
    const TSortDirection init = FSortSettings->InitSortDirection();
    const int64_t started = Clock().Now();
    {
        // The painting lock; the left column stays with KeepHorizScroll.
        TUpdateScope lock(*this);
        const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
        const int left = LeftCol();
        TAtExit restoreLeft([&] {
            if (self && keepLeft && LeftCol() != left)
                SetLeftCol(left);
        });
        if (FSortSettings->IndexShow()) {
            const bool ascending = init == TSortDirection::sdAscending;
            if (IndexSortKeyDown()) {
                if (FSortIndexes->FindIndex(N) < 0)
                    FSortIndexes->AddIndex(N, ascending);
                else
                    FSortIndexes->ToggleIndex(N);
            } else if (FSortIndexes->Count() == 1 && FSortIndexes->SortColumns(0) == N) {
                FSortIndexes->ToggleIndex(N);
            } else {
                FSortIndexes->Clear();
                FSortIndexes->AddIndex(N, ascending);
            }
            if (FSortIndexes->Count() > 0) {
                FSortSettings->SetColumn(FSortIndexes->SortColumns(0));
                FSortSettings->SetDirection(FSortIndexes->SortDirections(0) ? TSortDirection::sdAscending
                                                                             : TSortDirection::sdDescending);
                if (HasNodes())
                    QSortGroupIndexed();
                else
                    QSortIndexed();
            } else {
                FSortSettings->SetColumn(-1);
            }
        } else {
            bool unsort = false;
            if (N == FSortSettings->Column()) {
                const TSortDirection before = FSortSettings->Direction();
                FSortSettings->ToggleDirection();
                if (before != init && FSortSettings->UndoSort())
                    unsort = true;
            } else {
                FSortSettings->SetDirection(init);
                FSortSettings->SetColumn(N);
            }
            if (unsort) {
                QUnSort();
                FSortSettings->SetColumn(-1);
            } else if (HasNodes()) {
                QSortGroup();
            } else {
                QSort();
            }
        }
    }
    if (!self)
        return;
    FSortTime = int(Clock().Now() - started);
    if (merge)
        for (int i = 0; i < FMergedColumns->Count(); ++i)
            MergeColumnCells(FMergedColumns->Items(i), i == 0);
    if (FControlList->Count() > 0)
        CellControlsUpdate();
    Invalidate();
    DoClickSort(FSortSettings->Column());
}
