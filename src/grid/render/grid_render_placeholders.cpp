// Members of the grid's painting, with the least bodies that keep the
// core's callers correct until the looks and the grid border are built
// (docs/GRID.md).
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

void TVynStringGrid::SetLook(TGridLook Value)
{
    FLook = Value;
    Invalidate();
}
void TVynStringGrid::PaintBorder() {}
void TVynStringGrid::AdaptToOfficeTheme() {}
