#pragma once
// The state one cell's paint shares between the stages of DrawCellContent
// (the pipeline in grid_paint.cpp, the text stage in grid_cell_text.cpp, the
// graphic stage in grid_cell_graphic.cpp). Private to the painting.
#include "grid/core/vyn_string_grid.h"

struct TVynStringGrid::TCellPaint {
    int Col = 0;      // display column
    int Row = 0;
    int RealCol = 0;  // the column every event and cell look-up takes
    int SelRow = 0;   // the row of row-selection look-ups
    TRect Cell;       // the rectangle the base grid gave
    TRect R;          // the working rectangle
    TGridDrawState State;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = TVAlignment::vtaTop;
    bool WW = false;
    TCellGradientDirection GD = TCellGradientDirection::GradientVertical;
    TCellGraphicLayout Layout;
    bool Fixed = false;
    bool FilterButton = false;
    // Reported by the text stage to the graphic stage.
    int TextWidth = 0;
    int TextOffset = 0;
    // The sort indicator's column when the graphic stage draws it for a
    // rotated header.
    bool SortIndicatorHere = false;
};
