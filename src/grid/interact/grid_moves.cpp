// TVynStringGrid: the bookkeeping after a column or a row moved (by
// MoveColumn/MoveRow from code or by a drag-move of the mouse).
//
// The platform grid has already moved the display widths (heights), the
// cells at the display indexes, the current cell and the anchor when the
// notification arrives; what the string grid keeps per real column follows
// here: the recorded column order, the cells of the real columns when
// columns are hidden, the visibility flags and kept widths, the texts of
// hidden rows, the sort column and the sort index list. The current column
// is not moved a second time. A synchronised grid repeats the move once.
#include <algorithm>
#include <utility>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_scope.h"

namespace {

// Where an index ends up when the item at From moves to To.
int MovedIndex(int I, int From, int To)
{
    if (I == From)
        return To;
    if (From < To && I > From && I <= To)
        return I - 1;
    if (To < From && I >= To && I < From)
        return I + 1;
    return I;
}

// Moves item From of V to To; a vector too short for both is grown with Fill.
template <typename T>
void MoveEntry(std::vector<T>& V, int From, int To, const T& Fill)
{
    const size_t need = size_t(std::max(From, To)) + 1;
    if (V.size() < need)
        V.resize(need, Fill);
    T item = V[size_t(From)];
    V.erase(V.begin() + From);
    V.insert(V.begin() + To, item);
}

}  // namespace

template <typename F>
void TVynStringGrid::RepeatMove(TVynStringGrid& Other, F Move)
{
    TWeakRef<TVynStringGrid> other(&Other);
    Other.FSyncedMove = true;
    TAtExit done([&] {
        if (other)
            other->FSyncedMove = false;
    });
    Move();
}

void TVynStringGrid::MoveRealColumnBookkeeping(int F, int T)
{
    if (F == T || F < 0 || T < 0)
        return;
    // The cells moved at the display indexes; put them at the real ones.
    if (FNumHidden > 0) {
        const bool hadFlags = !FVisibleCol.empty();
        if (hadFlags) {
            MoveEntry(FVisibleCol, F, T, true);
            RebuildColumnMaps();
        }
        MoveEntry(FAllColWidths, F, T, 0);
    }
    // The saved cells of hidden rows (real column order).
    for (const std::unique_ptr<TGridItem>& item : FGridItems) {
        TGridItemCells cells = item->Items();
        if (cells->Count() <= std::min(F, T))
            continue;
        while (cells->Count() <= std::max(F, T))
            cells->Add(String());
        cells->Move(F, T);
    }
    // The sort column and the columns of the sort index list.
    if (FSortSettings->Column() >= 0)
        FSortSettings->SetColumn(MovedIndex(FSortSettings->Column(), F, T));
    for (int i = 0; i < FSortIndexes->Count(); ++i)
        FSortIndexes->SetSortColumns(i, MovedIndex(FSortIndexes->SortColumns(i), F, T));
}

void TVynStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool hidden = FNumHidden > 0;
    const int F = RealColIndex(FromIndex), T = RealColIndex(ToIndex);
    // 1. The recorded column order.
    const int n = FColumnOrder->Count();
    if (F >= 0 && T >= 0 && F < n && T < n && F != T) {
        const int v = FColumnOrder->Items(F);
        FColumnOrder->Delete(F);
        FColumnOrder->Insert(T, v);
    }
    // 2., 3. With hidden columns the platform moved the cells of the wrong
    // real columns: move them back and then by real index.
    if (hidden && F != T && (F != FromIndex || T != ToIndex)) {
        MoveColumnData(ToIndex, FromIndex);
        MoveColumnData(F, T);
    }
    // A move while the button is held counts as the press's move: its
    // release does no click work (the header sort).
    if (FEnhRowColMove && (FMouseKeepDown || GridState() == gsColMoving))
        ColMoveFlg = true;
    // 4., 5. (The hidden-column flags first, so the mapping stays right for
    // the handlers.)
    MoveRealColumnBookkeeping(F, T);
    if (hidden)
        TBaseGrid::ColumnMoved(F, T);
    else
        TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    if (!self)
        return;
    // 7.
    if (FFloatingFooter && FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->Invalidate();
    TVynStringGrid* other = FSyncGrid->Grid();
    if (FSyncGrid->MoveColumn() && other && other != this && !FSyncedMove && FromIndex < other->ColCount() &&
        ToIndex < other->ColCount()) {
        RepeatMove(*other, [&] { other->MoveColumn(FromIndex, ToIndex); });
    }
}

void TVynStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    TWeakRef<TVynStringGrid> self(this);
    // A move onto the floating footer's row is not one.
    if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == TFooterStyle::fsFixedLastRow &&
        ToIndex == RowCount() - 1)
        return;
    if (FEnhRowColMove && (FMouseKeepDown || GridState() == gsRowMoving))
        ColMoveFlg = true;
    // The platform moved the cells and the heights; OnRowMoved once.
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    if (!self)
        return;
    TVynStringGrid* other = FSyncGrid->Grid();
    if (FSyncGrid->MoveRow() && other && other != this && !FSyncedMove && FromIndex < other->RowCount() &&
        ToIndex < other->RowCount()) {
        RepeatMove(*other, [&] { other->MoveRow(FromIndex, ToIndex); });
    }
}
