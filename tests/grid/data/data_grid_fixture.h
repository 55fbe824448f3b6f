#pragma once
// A string grid for the data operations' tests: its fields the tests read,
// a filled table whose cell (c, r) holds "c:r", and the texts of a column.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/vyn_string_grid.h"

class TDataGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FEnabledRows;
    using TVynStringGrid::FFilterLevel;
    using TVynStringGrid::FGroupColumn;
    using TVynStringGrid::FindGridItem;
    using TVynStringGrid::FMaxRowCount;
    using TVynStringGrid::FModifiedRows;
    using TVynStringGrid::FRowSelect;
    using TVynStringGrid::FSelHidden;
    using TVynStringGrid::FSortRowXRef;
    using TVynStringGrid::FUnSortRowXRef;
    using TVynStringGrid::PropsAt;
};

inline String CellText(int C, int R) { return QString::number(C) + ":" + QString::number(R); }

// Cols x Rows, one fixed row and column, every cell holding CellText.
template <typename G>
void FillGrid(G& Grid, int Cols, int Rows)
{
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            Grid.SetCells(c, r, CellText(c, r));
}

// The texts of a real column down the rows shown.
template <typename G>
std::vector<String> Column(G& Grid, int ACol)
{
    std::vector<String> v;
    for (int r = 0; r < Grid.RowCount(); ++r)
        v.push_back(Grid.Cells(ACol, r));
    return v;
}

// The row numbers the texts "c:r" of column ACol name, down the rows shown.
template <typename G>
std::vector<int> RowOrder(G& Grid, int ACol = 1)
{
    std::vector<int> v;
    for (int r = 0; r < Grid.RowCount(); ++r) {
        const String t = Grid.Cells(ACol, r);
        v.push_back(t.isEmpty() ? -1 : t.mid(t.indexOf(':') + 1).toInt());
    }
    return v;
}

inline std::vector<int> Iota(int From, int To)
{
    std::vector<int> v;
    for (int i = From; i <= To; ++i)
        v.push_back(i);
    return v;
}
