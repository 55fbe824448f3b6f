#pragma once
// A string grid on a shown form with its editing events recorded, for the
// editing tests: one log of events in the order they fired.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/stdctrls.h"
#include "platform/grids/grid_fixture.h"
#include "platform/testing/test_kit.h"

// The grid with its editing state in reach of the tests.
class TEditProbeGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::CanEditShow;
    using TVynStringGrid::EditMode;
    using TVynStringGrid::FEditing;
    using TVynStringGrid::FValidating;
    using TVynStringGrid::KeyPress;
};

inline std::string S(const String& V) { return V.toStdString(); }


struct EditTest : ::testing::Test {
    TestKit::InputStateScope input;
    bool startedModule = VynGridModule::Start();
    TForm form{nullptr};
    TEditProbeGrid* grid = nullptr;
    TEdit* other = nullptr;
    std::vector<std::string> log;
    // Cells OnCanEditCell refuses (real column, row).
    std::set<std::pair<int, int>> readOnly;

    EditTest()
    {
        form.SetBounds(0, 0, 640, 400);
        grid = new TEditProbeGrid(&form);
        grid->SetName("Grid");
        grid->SetBounds(8, 8, 420, 220);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetDefaultColWidth(80);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 5; ++c)
                grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        grid->SetParent(&form);
        other = new TEdit(&form);
        other->SetBounds(8, 260, 120, 22);
        other->SetParent(&form);
        grid->OnKeyPress = [this](TObject*, QChar& Key) {
            log.push_back(Key.unicode() == 13 ? "press Enter" : "press " + S(QString(Key)));
        };
        grid->OnEditingDone = [this](TObject*) { log.push_back("editingdone"); };
        grid->OnEditCellDone = [this](TObject*, int C, int R) {
            log.push_back("editcelldone " + std::to_string(C) + "," + std::to_string(R));
        };
        grid->OnCanEditCell = [this](TObject*, int R, int C, bool& CanEdit) {
            if (readOnly.count({C, R}))
                CanEdit = false;
        };
        form.Show();
        grid->SetFocus();
    }
    ~EditTest() override
    {
        TestKit::PumpPostedMessages();
        if (startedModule)
            VynGridModule::End();
    }

    // Logs OnCellValidate with the text the cell holds at that moment;
    // Answer may change Value and refuse.
    void Validate(std::function<void(String& Value, bool& Valid)> Answer = nullptr)
    {
        grid->OnCellValidate = [this, Answer](TObject*, int C, int R, String& Value, bool& Valid) {
            log.push_back("validate " + std::to_string(C) + "," + std::to_string(R) + " '" + S(Value) + "' cell '" +
                          S(grid->Cells(C, R)) + "'");
            if (Answer)
                Answer(Value, Valid);
        };
    }
    TVynInplaceEdit* Editor() const { return grid->NormalEdit(); }
    bool EditorShown() const { return Editor() && Editor()->Visible(); }
    String EditorText() const { return Editor() ? Editor()->Text() : String(); }
    TPoint Current() const { return TPoint(grid->Col(), grid->Row()); }
    // The current cell, the editor closed (Esc) and the log cleared.
    void Goto(int C, int R)
    {
        if (EditorShown() && Editor()->Focused())
            Key(VK_ESCAPE);
        grid->FocusCell(C, R, true);
        TestKit::PumpPostedMessages();
        log.clear();
    }
    TPoint Mid(int C, int R) const
    {
        const TRect r = grid->CellRect(C, R);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Key(Word VK, TShiftState Shift = {}) { TestKit::TypeKey(nullptr, VK, Shift); }
    void Type(const String& Text)
    {
        TestKit::TypeText(nullptr, Text);
        TestKit::PumpPostedMessages();
    }
    // F2 on the current cell, then Text typed at the end.
    void EditWith(const String& Text)
    {
        TestKit::TypeKey(grid, VK_F2);
        Type(Text);
    }
};
