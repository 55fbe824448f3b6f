// Members of the grid's painting that repaint rows and columns.
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

