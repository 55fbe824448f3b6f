// TVynStringGrid: checking cells with the grid's cell checker. Each cell's
// text loses its error marks, the checker corrects and marks it as its
// switches say (the marks go on the corrected text), and a changed text is
// written back; a range check is bracketed by the checker's StartCheck and
// StopCheck, and puts the current cell back when it moved it.
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"

namespace {

const QString SInvalidCell = QStringLiteral("Invalid cell");
// The tag the checkers mark errors with.
const QString ErrorTag = QStringLiteral("e");

}  // namespace

bool TVynStringGrid::CheckCell(int ACol, int ARow)
{
    TVynStringGridCheck* checker = FCellChecker;
    if (!checker)
        return true;
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount())
        throw Exception(SInvalidCell);
    const String text = OnGetDisplText ? GetCellEx(ACol, ARow) : GetGridCell(ACol, ARow);
    const String unmarked = RemoveTag(text, ErrorTag);
    if (checker->GotoCell() && !IsHiddenColumn(ACol)) {
        // Only a cell that can be current becomes current.
        const int d = RealToDisplCol(ACol);
        if (d >= TBaseGrid::FixedCols() && d < ColCount() && ARow >= TBaseGrid::FixedRows())
            MoveColRow(d, ARow, true, true);
    }
    String checked = unmarked;
    if (checker->UseCorrect())
        checked = checker->Correct(ACol, ARow, checked);
    if (checker->UseMarkError())
        checked = checker->MarkError(ACol, ARow, checked);
    if (checked != text)
        SetCellEx(ACol, ARow, checked);
    return checked == unmarked;
}

bool TVynStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    TVynStringGridCheck* checker = FCellChecker;
    if (!checker)
        return true;
    const int oldCol = Col(), oldRow = Row();
    // StopCheck follows StartCheck on every path, a raised error too.
    struct TStop {
        TVynStringGridCheck* C;
        ~TStop() { C->StopCheck(); }
    };
    bool all = true;
    {
        checker->StartCheck();
        TStop stop{checker};
        for (int r = FromRow; r <= ToRow; ++r)
            for (int c = FromCol; c <= ToCol; ++c)
                all = CheckCell(c, r) && all;
    }
    if (checker->GotoCell() && oldCol >= 0 && oldCol < ColCount() && oldRow >= 0 && oldRow < RowCount())
        MoveColRow(oldCol, oldRow, true, true);
    return all;
}
