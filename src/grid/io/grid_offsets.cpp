// TVynStringGrid: the cell text offsets and the line count of a row that
// the painter, the editor, automatic sizing, the text exports and printing
// share.
#include <algorithm>

#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"

int TVynStringGrid::CellOffsetX() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }

int TVynStringGrid::CellOffsetY() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }

int TVynStringGrid::MaxLinesInRow(int ARow)
{
    if (ColCount() <= 0 || !FMultilinecells)
        return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c)
        lines = std::max(lines, CountLines(GetCellEx(RealColIndex(c), ARow), true));
    return lines;
}
