#pragma once
// A string grid on a shown form for the drag tests, with the test drag-loop
// handler: the outgoing drag is carried by the test kit's drag driver to a
// control that takes text, or ends as the script says (cancelled, or
// dropped on the grid itself, where the script does the drop's work).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDrag>
#include <QMimeData>

#include <functional>
#include <string>
#include <vector>

#include "interact_fixture.h"  // RectText
#include "grid/core/grid_startup.h"
#include "grid/core/no_active_form.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_drag_button.h"
#include "grid/io/grid_io_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/drag_source.h"
#include "platform/gui/dragdrop.h"
#include "platform/gui/forms.h"
#include "platform/testing/drag_driver.h"
#include "platform/testing/test_kit.h"

class TDragGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::ArwD;
    using TVynStringGrid::ArwL;
    using TVynStringGrid::ArwR;
    using TVynStringGrid::ArwU;
    std::vector<std::string>* log = nullptr;
    void ClickSortStep(int, int, int ACol, int ARow) override
    {
        log->push_back("sort " + std::to_string(ACol) + "," + std::to_string(ARow));
    }
};

// The test drag-loop handler.
struct TestDragLoop {
    enum class Ends { Cancelled, OnTarget, OnGrid };
    Ends end = Ends::OnTarget;
    Qt::DropAction action = Qt::MoveAction;
    TWinControl* target = nullptr;  // Ends::OnTarget: dropped there with the drag driver
    TVynStringGrid* grid = nullptr;  // Ends::OnGrid: the drop's work on the grid
    std::function<void(TVynStringGrid&, const QMimeData&)> dropOnGrid;
    // Pointer steps reported before the end, and what the test saw then.
    std::vector<TPoint> steps;
    std::function<void()> during;
    int runs = 0;
    QStringList formats;
    String text;
    QByteArray column;

    TDragLoopOutcome operator()(QDrag& Drag, Qt::DropActions)
    {
        ++runs;
        const QMimeData& d = *Drag.mimeData();
        formats = d.formats();
        text = d.text();
        column = d.data(QStringLiteral("application/x-vyn-grid-column"));
        for (const TPoint& p : steps)
            DragSourceMoved(p);
        if (during)
            during();
        TDragLoopOutcome out;
        switch (end) {
        case Ends::Cancelled: break;
        case Ends::OnTarget:
            if (TestKit::DragDriver::ExternalDrop(target, 10, 10, d)) {
                out.Action = action;
                out.Target = target->Widget();
            }
            break;
        case Ends::OnGrid:
            if (dropOnGrid)
                dropOnGrid(*grid, d);
            out.Action = action;
            out.Target = grid->Widget();
            break;
        }
        return out;
    }
};

struct DragTest : ::testing::Test {
    TestKit::InputStateScope input;
    bool startedModule = VynGridModule::Start();
    TForm form{nullptr};
    TDragGrid* g = nullptr;
    TCustomControl* target = nullptr;
    std::vector<std::string> log;
    std::vector<std::string> dropped;
    TestDragLoop loop;
    TDragSourceLoop before;

    DragTest()
    {
        form.SetBounds(0, 0, 700, 500);
        g = new TDragGrid(&form);
        g->log = &log;
        g->SetBorderStyle(bsNone);
        g->SetBounds(0, 0, 500, 300);
        g->SetColCount(6);
        g->SetRowCount(10);
        g->SetDefaultColWidth(80);
        g->SetDefaultRowHeight(20);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 6; ++c)
                g->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        g->SetParent(&form);
        target = new TCustomControl(&form);
        target->SetBounds(520, 10, 150, 150);
        target->SetParent(&form);
        target->OnDragOver = [](TObject*, TObject* S, int, int, TDragState, bool& Accept) {
            Accept = dynamic_cast<TExternalDragObject*>(S) != nullptr;
        };
        target->OnDragDrop = [this](TObject*, TObject* S, int, int) {
            dropped.push_back(dynamic_cast<TExternalDragObject*>(S)->Text().toStdString());
        };
        form.Show();
        g->SetFocus();
        QCoreApplication::processEvents();
        g->DragDropSettings()->SetOleDropSource(true);
        loop.target = target;
        loop.grid = g;
        before = SetDragSourceLoop(std::ref(loop));
        g->OnOleDragStart = [this](TObject*, int R, int C) {
            log.push_back("start " + std::to_string(C) + "," + std::to_string(R));
        };
        g->OnOleDragStop = [this](TObject*, int E) { log.push_back("stop " + std::to_string(E)); };
    }
    ~DragTest() override
    {
        SetDragSourceLoop(before);
        Screen.SetCursor(crDefault);
        TestKit::PumpPostedMessages();
        if (startedModule)
            VynGridModule::End();
    }
    static std::string Cell(int C, int R) { return std::to_string(C) + "," + std::to_string(R); }
    std::string Text(int C, int R) const { return g->Cells(C, R).toStdString(); }
    TPoint Mid(int C, int R) const
    {
        const TRect r = g->CellRect(C, R);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Selects the rectangle, presses in cell (C, R) and moves the pointer
    // by (DX, DY) with the button held.
    void PressAndMove(const TGridRect& Sel, int C, int R, int DX, int DY)
    {
        g->SetSelection(Sel);
        const TPoint p = Mid(C, R);
        TestKit::MouseDown(g, p.X, p.Y);
        TestKit::MouseMove(g, p.X + DX, p.Y + DY);
    }
    void Release(int C, int R)
    {
        const TPoint p = Mid(C, R);
        TestKit::MouseUp(g, p.X, p.Y);
    }
};
