// Members of the grid's data operations, with the least bodies that keep
// the core's callers correct until the data operations build them
// (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

void TVynStringGrid::UpdateFooter() {}
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
