// Members of the grid's editing, with the least bodies that keep the
// core's callers correct until editing builds them (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

