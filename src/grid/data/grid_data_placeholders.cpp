// Members of the grid's data operations, with the least bodies that keep
// the core's callers correct until the data operations build them
// (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

