#pragma once
// A string grid on a shown form with a header row, a fixed column and
// five data rows, for the header-click sort, the moved-column bookkeeping,
// the fixed-cell editors and the cell hints.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>
#include <vector>

#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

class TSortGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::ColMoveFlg;
};

struct HeaderGridTest : ::testing::Test {
    TestKit::InputStateScope input;
    bool startedModule = VynGridModule::Start();
    TForm form{nullptr};
    TSortGrid* g = nullptr;
    std::vector<std::string> log;

    HeaderGridTest()
    {
        form.SetBounds(0, 0, 700, 400);
        g = MakeGrid();
        form.Show();
        g->SetFocus();
        QCoreApplication::processEvents();
    }
    ~HeaderGridTest() override
    {
        TestKit::PumpPostedMessages();
        if (startedModule)
            VynGridModule::End();
    }
    // 6 columns of 80, rows of 20; column 1 holds "c a e b d", column 2
    // "3 1 5 2 4" (row r's cells of column c >= 3 are "c,r").
    TSortGrid* MakeGrid(int Left = 0)
    {
        auto* grid = new TSortGrid(&form);
        grid->SetBorderStyle(bsNone);
        grid->SetBounds(Left, 0, 500, 200);
        grid->SetColCount(6);
        grid->SetRowCount(6);
        grid->SetDefaultColWidth(80);
        grid->SetDefaultRowHeight(20);
        const char* letters[] = {"c", "a", "e", "b", "d"};
        const char* numbers[] = {"3", "1", "5", "2", "4"};
        for (int c = 0; c < 6; ++c)
            grid->SetCells(c, 0, QString("H%1").arg(c));
        for (int r = 1; r < 6; ++r) {
            grid->SetCells(0, r, QString::number(r));
            grid->SetCells(1, r, letters[r - 1]);
            grid->SetCells(2, r, numbers[r - 1]);
            for (int c = 3; c < 6; ++c)
                grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        }
        grid->SortSettings()->SetShow(true);
        grid->SetParent(&form);
        return grid;
    }
    // Column c's data cells joined ("caebd").
    std::string Column(int C, TVynStringGrid* G = nullptr) const
    {
        TVynStringGrid* grid = G ? G : g;
        std::string s;
        for (int r = 1; r < grid->RowCount(); ++r)
            s += grid->Cells(C, r).toStdString();
        return s;
    }
    TPoint Mid(int C, int R) const
    {
        const TRect r = g->CellRect(C, R);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickAt(int X, int Y, TShiftState Shift = {})
    {
        TestKit::MouseMove(g, X, Y, Shift);
        TestKit::Click(g, X, Y, Shift);
    }
    void ClickHeader(int C, TShiftState Shift = {})
    {
        const TPoint p = Mid(C, 0);
        ClickAt(p.X, p.Y, Shift);
    }
};
