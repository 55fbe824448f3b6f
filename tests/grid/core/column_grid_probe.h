#pragma once
// A column grid that counts its repaints and opens the column move, and the
// grid the column grid's tests share: 6 columns with a fixed row and the
// real column 3 hidden (display columns 0 1 2 4 5).
#include <gtest/gtest.h>

#include "grid/core/column_grid.h"
#include "string_grid_probe.h"

class TProbeColumnGrid : public TVynColumnGrid {
public:
    using TVynColumnGrid::TVynColumnGrid;
    using TVynColumnGrid::ChangeScale;
    using TVynColumnGrid::ColumnMoved;
    using TVynColumnGrid::ColWidthsChanged;
    using TVynColumnGrid::EditCombo;
    using TVynColumnGrid::FFilterColumn;
    using TVynColumnGrid::GetEditLimit;
    using TVynColumnGrid::GetEditMask;
    using TVynColumnGrid::MouseDown;
    void Invalidate() override
    {
        ++Invalidates;
        TVynColumnGrid::Invalidate();
    }
    void HideColumn(int ACol) { HideGridColumn(*this, ACol); }
    int Invalidates = 0;
};

// 6 columns named c0 .. c5, a fixed row and column, real column 3 hidden.
inline void BuildColumnFixture(TProbeColumnGrid& G)
{
    G.SetColCount(6);
    G.SetRowCount(5);
    G.SetFixedRows(1);
    G.SetFixedCols(1);
    for (int c = 0; c < 6; ++c)
        G.Columns()->Items(c)->SetName(QStringLiteral("c%1").arg(c));
    G.HideColumn(3);
}

struct ColumnGridFixture : ::testing::Test {
    TProbeColumnGrid g{nullptr};
    ColumnGridFixture() { BuildColumnFixture(g); }
    TGridColumnItem& Col(int I) { return *g.Columns()->Items(I); }
};
