// Members of the grid's import and export, with the least bodies that
// keep the core's callers correct until import and export build them
// (docs/GRID.md).
#include <algorithm>

#include "grid/core/vyn_string_grid.h"

// Until the cell stream exists: the text of every stored cell.
void TVynStringGrid::AssignCells(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TVynStringGrid*>(&Source);
    if (!src)
        return;
    const int cols = std::min(src->StoredColCount(), StoredColCount());
    const int rows = std::min(src->RowCount(), RowCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            SetGridCell(c, r, src->GetGridCell(c, r));
}

void TVynStringGrid::LoadColSizes() {}
void TVynStringGrid::SaveColSizes() {}
