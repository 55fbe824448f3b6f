// Members of the interaction and the data operations that the hidden rows,
// the dimensions and the typed access call, with the least bodies that
// keep those callers correct until their work builds them (docs/GRID.md).
#include <algorithm>
#include <cstdlib>

#include "grid/core/vyn_string_grid.h"

// Scrolling and the flat scroll bars (interaction).
void TVynStringGrid::UpdateVertProportionalScroll() {}
void TVynStringGrid::UpdateHorzProportionalScroll() {}
void TVynStringGrid::UpdateFlatScrollBars() {}
void TVynStringGrid::ScrollAboveSearchFooter() {}

// The disjunct row selection (interaction): the flags of FRowSelect by
// real row while DisjunctRowSelect is on, else the rows of Selection.
void TVynStringGrid::SelectionToRowSelect(bool) {}

bool TVynStringGrid::GetRowSelect(int ARow)
{
    if (FMouseActions->DisjunctRowSelect())
        return ARow >= 0 && ARow < int(FRowSelect->size()) && (*FRowSelect)[size_t(ARow)] != 0;
    const TGridRect s = Selection();
    return ARow >= s.Top && ARow <= s.Bottom;
}

int TVynStringGrid::RowSelectCount()
{
    if (!FMouseActions->DisjunctRowSelect()) {
        const TGridRect s = Selection();
        return std::abs(s.Bottom - s.Top) + 1;
    }
    const size_t n = std::min(FRowSelect->size(), size_t(TotalRowCount()));
    int count = 0;
    for (size_t i = 0; i < n; ++i)
        count += (*FRowSelect)[i] != 0;
    return count;
}

// Nodes (data): the span of a node row, -1 for any other row.
int TVynStringGrid::GetNodeSpan(int) { return -1; }
