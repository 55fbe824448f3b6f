#pragma once
// A string grid that exposes its hidden-row list and a few fields, the
// hiding of columns and rows as the row and column operations do it, and a
// counted property object, for the string grid's tests.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>

#include "grid/core/vyn_string_grid.h"
#include "platform/gui/forms.h"
#include "platform/rtl/datetime.h"
#include "platform/testing/test_kit.h"

// Hides a real column as the column operations do: the width is kept,
// the shown widths shift left, the flag goes and ColCount shrinks (through
// the grid class's own SetColCount).
template <typename TGrid>
void HideGridColumn(TGrid& G, int ACol)
{
    const int d = G.DisplColIndex(ACol);
    const int w = G.ColWidths(d);
    for (int i = d; i < G.ColCount() - 1; ++i)
        G.SetColWidths(i, G.ColWidths(i + 1));
    G.SetVisibleCol(ACol, false);
    G.SetAllColWidths(ACol, w);
    G.SetColCount(G.ColCount() - 1);
}

class TProbeStringGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FColumnOrder;
    using TVynStringGrid::FFixedColsMin;
    using TVynStringGrid::FFixedRowsMin;
    using TVynStringGrid::FindGridItem;
    using TVynStringGrid::FRowSelect;
    using TVynStringGrid::FSortRowXRef;
    using TVynStringGrid::FUpdateCount;
    using TVynStringGrid::InsertGridItem;
    using TVynStringGrid::PropsAt;

    void HideColumn(int ACol) { HideGridColumn(*this, ACol); }

    // Hides a real row as the row operations do: its cell record, property
    // objects and all, moves into a TGridItem and the display row goes.
    void HideRow(int ARealRow)
    {
        const int d = DisplRowIndex(ARealRow);
        auto item = std::make_unique<TGridItem>();
        item->SetIdx(ARealRow);
        item->SetHeight(RowHeights(d));
        item->SetRowData(ReleaseRowData(d));
        InsertGridItem(std::move(item));
        DeleteRows(d, 1);
    }
};

// A property object that counts the living instances of its kind.
struct CountedProps : TCellProperties {
    static inline int Alive = 0;
    CountedProps(TBaseGrid* G, int C, int R) : TCellProperties(G, C, R) { ++Alive; }
    ~CountedProps() override { --Alive; }
};

// The program's decimal separator for the length of a test.
class DecimalSeparatorScope {
public:
    explicit DecimalSeparatorScope(QChar Separator) : saved_(FormatSettings())
    {
        FormatSettings().DecimalSeparator = Separator;
    }
    ~DecimalSeparatorScope() { FormatSettings() = saved_; }

private:
    TFormatSettings saved_;
};

// A probe grid shown on a form (no border), 500 x 300 pixels.
struct ShownGrid : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TProbeStringGrid* g;
    ShownGrid()
    {
        form.SetBounds(0, 0, 600, 400);
        g = new TProbeStringGrid(&form);
        g->SetBorderStyle(bsNone);
        g->SetBounds(0, 0, 500, 300);
        g->SetParent(&form);
        form.Show();
        QCoreApplication::processEvents();
    }
};
