#pragma once
// The grid the filter drop-down pictures open their list on: 3 columns,
// a header row, ids in column 1 and fruit names ("Fruit") in column 2, the
// filter lists automatic, the check list, the list as high as its items.
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_filter_holders.h"

inline void FillFruitGrid(TVynStringGrid& G)
{
    G.SetColCount(3);
    G.SetRowCount(7);
    const char* texts[] = {"pear", "apple", "plum", "apple", "fig", "a b"};
    for (int r = 1; r < 7; ++r) {
        G.SetCells(1, r, QString::number(r));
        G.SetCells(2, r, QString::fromLatin1(texts[r - 1]));
    }
    G.SetCells(2, 0, QStringLiteral("Fruit"));
    G.SetFilterDropDownAuto(true);
    G.SetFilterDropDownCheck(true);
    G.FilterDropDown()->SetAutoSize(true);
}
