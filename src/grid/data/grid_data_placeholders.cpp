// Members of the grid's data operations, with the least bodies that keep
// the core's callers correct until the data operations build them
// (docs/GRID.md).
#include <algorithm>

#include "grid/core/vyn_string_grid.h"

void TVynStringGrid::UpdateFooter() {}
void TVynStringGrid::CalcFooter(int) {}
void TVynStringGrid::AutoSizeColumns(bool, int) {}
void TVynStringGrid::ExpandAll() {}
void TVynStringGrid::UnHideColumnsAll() {}
void TVynStringGrid::SplitColumnCells(int) {}
void TVynStringGrid::MergeColumnCells(int, bool) {}
bool TVynStringGrid::IsNode(int) { return false; }
bool TVynStringGrid::IsSummary(int) { return false; }
int TVynStringGrid::GetExpandHeight(int, int ARow, bool) { return RowHeights(ARow); }

void TVynStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    TBaseGrid::InsertRows(RowIndex, RCount);
    if (UpdateCellControls)
        CellControlsUpdate();
}

// The texts of the rectangle (and, unless ClearTextOnly, the cells'
// objects) are cleared.
void TVynStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    ACol2 = std::min(ACol2, StoredColCount() - 1);
    ARow2 = std::min(ARow2, RowCount() - 1);
    if (ACol1 > ACol2 || ARow1 > ARow2)
        return;
    // Only texts that are there: clearing an empty cell would store one.
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            if (!GetGridCell(c, r).isEmpty())
                SetGridCell(c, r, String());
    if (!FClearTextOnly)
        FreeCellObjects(ACol1, ARow1, ACol2, ARow2);
}

void TVynStringGrid::ClearRows(int RowIndex, int RCount)
{
    ClearRect(0, RowIndex, StoredColCount() - 1, RowIndex + RCount - 1);
}

void TVynStringGrid::SearchEditChange(TObject*) {}
void TVynStringGrid::SearchFindPrevious(TObject*) {}
void TVynStringGrid::SearchFindNext(TObject*) {}
void TVynStringGrid::SearchFooterCloseClick(TObject*) {}
void TVynStringGrid::SearchHighlightClick(TObject*) {}

// Column insertion and removal, grouping: no column changes yet; the column
// grid follows whatever number of columns these leave.
void TVynStringGrid::InsertCols(int, int) {}
void TVynStringGrid::RemoveCols(int, int) {}
void TVynStringGrid::Group(int) {}
void TVynStringGrid::UnGroup() {}

// The widest cell text of the display column in the grid's font, plus
// Padding, through UpdateAutoColSize and within MinColWidth / MaxColWidth.
void TVynStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int rc = RealColIndex(ACol);
    const TFontMeasure& m = Font().Measure();
    int w = 0;
    for (int r = 0; r < RowCount(); ++r)
        w = std::max(w, m.Width(Cells(rc, r)));
    w += Padding;
    UpdateAutoColSize(rc, w);
    if (FMinColWidth > 0)
        w = std::max(w, FMinColWidth);
    if (FMaxColWidth > 0)
        w = std::min(w, FMaxColWidth);
    if (w > 0)
        SetColWidths(ACol, w);
}
