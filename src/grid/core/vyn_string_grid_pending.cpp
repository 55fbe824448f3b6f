// Members of the string grid's dimensions and headers with the least
// bodies that keep their callers correct until those are built
// (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

void TVynStringGrid::ShowColumnHeaders() {}
void TVynStringGrid::ShowRowHeaders() {}
void TVynStringGrid::InitOrigColSizes() {}
void TVynStringGrid::SetColumnOrder() {}
void TVynStringGrid::ColumnHeadersListChanged(TObject*) { ShowColumnHeaders(); }
void TVynStringGrid::RowHeadersListChanged(TObject*) { ShowRowHeaders(); }
