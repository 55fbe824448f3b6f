#pragma once
// Counting objects, a paint probe and a small cell store for the cell-store
// tests.
#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

#include "grid/core/base_grid.h"
#include "grid/core/cell_graphic.h"

// Watches the paint events of a widget (install it as an event filter).
struct PaintProbe : QObject {
    QRegion Painted;
    bool eventFilter(QObject*, QEvent* E) override
    {
        if (E->type() == QEvent::Paint)
            Painted += static_cast<QPaintEvent*>(E)->region();
        return false;
    }
};

// An object that counts the living instances of its kind.
struct Counted : TObject {
    static inline int Alive = 0;
    Counted() { ++Alive; }
    ~Counted() override { --Alive; }
};

// A graphic the grid owns, counted.
struct CountedGraphic : TCellGraphic {
    static inline int Alive = 0;
    CountedGraphic() { ++Alive; }
    ~CountedGraphic() override { --Alive; }
};

// Counts the property objects alive.
struct PropsCounter {
    static int Count(TBaseGrid& G)
    {
        int n = 0;
        for (int c = 0; c < G.StoredColCount(); ++c)
            for (int r = 0; r < G.RowCount(); ++r)
                if (dynamic_cast<TCellProperties*>(G.GridObjects(c, r)))
                    ++n;
        return n;
    }
};

// A cell store that exposes its protected state to the tests.
class TTestGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FNormalRowCount;
    using TBaseGrid::FShowSel;
    int ContentCalls = 0;
    std::vector<std::pair<int, int>> ContentCells;
    std::vector<TRect> ContentRects;
    // Draws nothing when set (pixel tests of the frame alone).
    bool SilentContent = false;
    // Answers the cell's property colours (as the string grid does).
    bool UsePropsLook = false;

    void DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        ++ContentCalls;
        ContentCells.emplace_back(ACol, ARow);
        ContentRects.push_back(ARect);
        if (!SilentContent)
            TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
    }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override
    {
        TBaseGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                       AMirrorColorTo, AFont, HA, VA, WW, GD);
        if (!UsePropsLook || !HasCellProperties(ACol, ARow))
            return;
        const TCellProperties* p = GetCellProperties(ACol, ARow);
        if (p->BrushColor() != clNone)
            ABrush.SetColor(p->BrushColor());
        AColorTo = p->BrushColorTo();
    }
    // The content rectangle the cell was last drawn in; empty when it was not.
    TRect ContentRectOf(int ACol, int ARow) const
    {
        TRect r;
        for (size_t i = 0; i < ContentCells.size(); ++i)
            if (ContentCells[i] == std::make_pair(ACol, ARow))
                r = ContentRects[i];
        return r;
    }
    void ClearLog()
    {
        ContentCalls = 0;
        ContentCells.clear();
        ContentRects.clear();
    }
};
