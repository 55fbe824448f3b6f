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
    using TVynColumnGrid::FFilterColumn;
    using TVynColumnGrid::GetEditLimit;
    using TVynColumnGrid::GetEditMask;
    void Invalidate() override
    {
        ++Invalidates;
        TVynColumnGrid::Invalidate();
    }
    void HideColumn(int ACol) { HideGridColumn(*this, ACol); }
    int Invalidates = 0;
};

struct ColumnGridFixture : ::testing::Test {
    TProbeColumnGrid g{nullptr};
    ColumnGridFixture()
    {
        g.SetColCount(6);
        g.SetRowCount(5);
        g.SetFixedRows(1);
        g.SetFixedCols(1);
        for (int c = 0; c < 6; ++c)
            g.Columns()->Items(c)->SetName(QStringLiteral("c%1").arg(c));
        g.HideColumn(3);
    }
    TGridColumnItem& Col(int I) { return *g.Columns()->Items(I); }
};
