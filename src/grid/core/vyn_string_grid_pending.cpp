// Members of the data operations that the hidden rows, the dimensions and
// the typed access call, with the least bodies that keep those callers
// correct until their work builds them (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

// Nodes (data): the span of a node row, -1 for any other row.
int TVynStringGrid::GetNodeSpan(int) { return -1; }
