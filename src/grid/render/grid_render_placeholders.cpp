// Members of the grid's painting, with the least bodies that keep the
// core's callers correct until painting builds them (docs/GRID.md).
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

void TVynStringGrid::SetLook(TGridLook Value) { FLook = Value; }
void TVynStringGrid::PaintBorder() {}
void TVynStringGrid::AdaptToOfficeTheme() {}
TPoint TVynStringGrid::GetCellTextSize(int, int) { return TPoint(0, 0); }
void TVynStringGrid::SetRowModified(int, bool) {}

// The grid's alignments, the cell's own horizontal one, then the alignment
// event (number alignment comes with painting).
void TVynStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    HAlign = FDefaultAlignment;
    VAlign = FVAlignment;
    if (const TCellProperties* p = PropsAt(ACol, ARow))
        HAlign = p->Alignment();
    DoGetAlignment(ACol, ARow, HAlign, VAlign);
}
