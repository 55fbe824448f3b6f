// Members of the grid's data operations, with the least bodies that keep
// the core's callers correct until the data operations build them
// (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

void TVynStringGrid::UpdateFooter() {}
void TVynStringGrid::RecalcStaleFooter() {}
void TVynStringGrid::CalcFooter(int) {}
void TVynStringGrid::AutoSizeColumns(bool, int) {}
void TVynStringGrid::ExpandAll() {}
bool TVynStringGrid::IsNode(int) { return false; }
bool TVynStringGrid::IsSummary(int) { return false; }
int TVynStringGrid::GetExpandHeight(int, int ARow, bool) { return RowHeights(ARow); }

void TVynStringGrid::SearchEditChange(TObject*) {}
void TVynStringGrid::SearchFindPrevious(TObject*) {}
void TVynStringGrid::SearchFindNext(TObject*) {}
void TVynStringGrid::SearchFooterCloseClick(TObject*) {}
void TVynStringGrid::SearchHighlightClick(TObject*) {}

// Grouping: no column changes yet; the column grid follows whatever number
// of columns these leave.
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
