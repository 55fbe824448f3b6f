#pragma once
// A string grid shown on a form with a fake clock, for the interaction
// tests: selection, the update lock, the grid timer, scrolling, the wheel.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/fake_clock.h"
#include "platform/testing/test_kit.h"

class TInteractGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FEnabledRows;
    using TVynStringGrid::FModifiedRows;
    using TVynStringGrid::FRowSelect;
    using TVynStringGrid::FSizeFixed;
    using TVynStringGrid::FUpdateCount;
    using TVynStringGrid::ClientAreaInWindow;
    using TVynStringGrid::MaxTopRow;
    using TVynStringGrid::DoMouseWheelDown;
    using TVynStringGrid::DoMouseWheelUp;
    using TVynStringGrid::DragOver;
    using TVynStringGrid::Colclicked;
    using TVynStringGrid::Colclickedsize;
    using TVynStringGrid::Rowclicked;
    using TVynStringGrid::Rowclickedsize;

    int Repaints = 0;
    void Repaint() override
    {
        ++Repaints;
        TVynStringGrid::Repaint();
    }
};

inline std::string Txt(const String& V) { return V.toStdString(); }
inline std::string RectText(const TGridRect& R)
{
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
           std::to_string(R.Bottom);
}

struct InteractTest : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    bool startedModule = VynGridModule::Start();
    TForm form{nullptr};
    TInteractGrid* g = nullptr;
    std::vector<std::string> log;

    InteractTest()
    {
        form.SetBounds(0, 0, 700, 500);
        g = new TInteractGrid(&form);
        g->SetBorderStyle(bsNone);
        g->SetBounds(0, 0, 500, 300);
        g->SetColCount(6);
        g->SetRowCount(10);
        g->SetParent(&form);
        form.Show();
        QCoreApplication::processEvents();
        g->OnSelectionChanged = [this](TObject*, int L, int T, int R, int B) {
            log.push_back("sel " + std::to_string(L) + "," + std::to_string(T) + "," + std::to_string(R) + "," +
                          std::to_string(B));
        };
    }
    ~InteractTest() override
    {
        TestKit::PumpPostedMessages();
        if (startedModule)
            VynGridModule::End();
    }
    // Rows of the default height that fit the client height exactly.
    void ShowRows(int Visible)
    {
        g->SetScrollBars(ssVertical);
        g->SetGridLineWidth(1);
        g->SetDefaultRowHeight(20);
        // The tallest client that shows Visible rows whole.
        for (int h = (Visible + g->FixedRows() + 1) * 21; h > 0; --h) {
            g->SetClientSize(g->ClientWidth(), h);
            if (g->VisibleRowCount() <= Visible)
                break;
        }
        QCoreApplication::processEvents();
    }
    // One notch of the wheel (negative: towards the user) over the grid.
    void Wheel(int Delta, TShiftState Shift = {})
    {
        const TPoint p = g->ClientToScreen(TPoint(50, 50));
        unsigned keys = Shift.Contains(ssCtrl) ? MK_CONTROL : 0;
        InputState().SetKeyDown(VK_CONTROL, Shift.Contains(ssCtrl));
        g->Perform(WM_MOUSEWHEEL, MAKEWPARAM(int(keys), Delta), MAKELPARAM(p.X, p.Y));
        InputState().SetKeyDown(VK_CONTROL, false);
    }
};
