#pragma once
// A string grid that counts the repaints it asks for (the looks tests).
#include "grid/core/vyn_string_grid.h"

class TCountingGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    void Invalidate() override
    {
        ++invalidations;
        TVynStringGrid::Invalidate();
    }
    int invalidations = 0;
};
