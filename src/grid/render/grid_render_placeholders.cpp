// Members of the grid's painting that repaint rows and columns and keep
// the modified rows.
#include "grid/core/vyn_string_grid.h"

void TVynStringGrid::RepaintRow(int ARow)
{
    if (HandleAllocated() && FUpdateCount == 0)
        InvalidateRow(ARow);
}

void TVynStringGrid::RepaintCol(int ACol)
{
    if (HandleAllocated() && FUpdateCount == 0)
        InvalidateCol(ACol);
}


// The modified rows are kept by real row.
void TVynStringGrid::SetRowModified(int ARow, bool Value)
{
    const int real = DisplToRealRow(ARow);
    const int i = FModifiedRows->IndexOf(real);
    if (Value && i < 0)
        FModifiedRows->Add(real);
    else if (!Value && i >= 0)
        FModifiedRows->Delete(i);
    else
        return;
    RepaintRow(ARow);
}
