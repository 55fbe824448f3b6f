// Members of the grid's interaction, with the least bodies that keep the
// core's callers correct until their work builds them (docs/GRID.md).
#include "grid/core/vyn_string_grid.h"

// The selection on the clipboard: the grid's clipboard work.
void TVynStringGrid::CopySelectionToClipboard() {}
void TVynStringGrid::CutSelectionToClipboard() {}
void TVynStringGrid::PasteSelectionFromClipboard() {}
