// Members of the grid's editing, with the least bodies that keep the
// core's callers correct until editing builds them (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

// No step until the grid's mouse handling records a press on the spin
// buttons drawn in a cell (up: 1, down: -1).
int TVynStringGrid::CellSpinClickStep() const { return 0; }
