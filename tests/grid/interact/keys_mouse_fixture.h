#pragma once
// A string grid on a shown form for the key and mouse tests: the clipboard
// operations, the header sort and full repaints are recorded; one log of
// events in the order they fired.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <string>
#include <vector>

#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/test_kit.h"

class TKeyMouseGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::FUpdateCount;
    using TVynStringGrid::CellSpinClickStep;
    std::vector<std::string>* log = nullptr;
    int FullRepaints = 0;

    void Invalidate() override
    {
        ++FullRepaints;
        TVynStringGrid::Invalidate();
    }
    void CopySelectionToClipboard() override { log->push_back("copy"); }
    void CutSelectionToClipboard() override { log->push_back("cut"); }
    void PasteSelectionFromClipboard() override { log->push_back("paste"); }
    void ClickSortStep(int, int, int ACol, int ARow) override
    {
        log->push_back("sort " + std::to_string(ACol) + "," + std::to_string(ARow));
    }
};

struct KeyMouseTest : ::testing::Test {
    TestKit::InputStateScope input;
    bool startedModule = VynGridModule::Start();
    TForm form{nullptr};
    TKeyMouseGrid* g = nullptr;
    TEdit* next = nullptr;
    std::vector<std::string> log;

    KeyMouseTest()
    {
        form.SetBounds(0, 0, 700, 500);
        g = new TKeyMouseGrid(&form);
        g->log = &log;
        g->SetBorderStyle(bsNone);
        g->SetBounds(0, 0, 520, 300);
        g->SetColCount(6);
        g->SetRowCount(10);
        g->SetDefaultColWidth(80);
        g->SetDefaultRowHeight(20);
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 6; ++c)
                g->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        g->SetParent(&form);
        next = new TEdit(&form);
        next->SetBounds(8, 320, 120, 22);
        next->SetParent(&form);
        form.Show();
        g->SetFocus();
        QCoreApplication::processEvents();
    }
    ~KeyMouseTest() override
    {
        TestKit::PumpPostedMessages();
        if (startedModule)
            VynGridModule::End();
    }
    static std::string Cell(int C, int R) { return std::to_string(C) + "," + std::to_string(R); }
    std::string Current() const { return Cell(g->Col(), g->Row()); }
    void Goto(int C, int R)
    {
        g->FocusCell(C, R);
        log.clear();
    }
    void Key(Word VK, TShiftState Shift = {}) { TestKit::TypeKey(g, VK, Shift); }
    void Editing(bool On) { g->SetGridOption(goEditing, On); }
    TPoint Mid(int C, int R) const
    {
        const TRect r = g->CellRect(C, R);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickCell(int C, int R, TShiftState Shift = {})
    {
        const TPoint p = Mid(C, R);
        TestKit::Click(g, p.X, p.Y, Shift);
    }
    void RecordSelectCell()
    {
        g->OnSelectCell = [this](TObject*, int C, int R, bool&) { log.push_back("select " + Cell(C, R)); };
    }
    void RecordKeys()
    {
        g->OnKeyDown = [this](TObject*, Word& K, TShiftState) { log.push_back("keydown " + std::to_string(K)); };
    }
};
