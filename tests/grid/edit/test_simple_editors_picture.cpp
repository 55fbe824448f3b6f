// Pictures of a grid with an open spin, edit-with-button, unit and date
// editor. VYN_RENDER_DIR=<dir> keeps the PNGs; on a real display
// (VYN_TEST_DISPLAY=1 with QT_QPA_PLATFORM=xcb, e.g. under xvfb-run -a) the
// screen's pixels of the same place are kept too.
#include "edit_fixture.h"
#include "picture_kit.h"

#include <QGuiApplication>
#include <QScreen>

#include "grid/edit/grid_simple_editors.h"

TEST_F(EditTest, PicturesOfTheOpenSimpleEditors)
{
    form.SetCaption("Grid editors");
    TEditorType kind = TEditorType::edSpinEdit;
    grid->OnGetEditorType = [&](TObject*, int C, int, TEditorType& E) {
        if (C == 2)
            E = kind;
    };
    for (const char* u : {"mm", "m", "km"})
        grid->BtnUnitEdit()->Units().Add(u);
    struct Shot {
        TEditorType kind;
        const char* text;
        const char* name;
        std::function<TWinControl*()> control;
    };
    const Shot shots[] = {
        {TEditorType::edSpinEdit, "42", "grid_spin_open.png", [&] { return grid->SpinEdit(); }},
        {TEditorType::edEditBtn, "value", "grid_edit_button_open.png", [&] { return grid->BtnEdit(); }},
        {TEditorType::edUnitEditBtn, "12.5mm", "grid_unit_edit_open.png", [&] { return grid->BtnUnitEdit(); }},
        {TEditorType::edDateEdit, "15/03/2023", "grid_date_picker_open.png", [&] { return grid->DateTimePicker(); }},
    };
    for (const Shot& s : shots) {
        SCOPED_TRACE(s.name);
        kind = s.kind;
        grid->SetCells(2, 2, s.text);
        grid->FocusCell(2, 2, true);
        grid->SetFocus();
        TestKit::TypeKey(grid, VK_F2);
        TestKit::PumpPostedMessages();
        TWinControl* c = s.control();
        ASSERT_TRUE(c->Visible());
        Settle(400);
        // The editor covers its cell, inside the grid.
        const TRect cell = grid->CellRect(2, 2);
        EXPECT_EQ(c->Left(), cell.Left);
        EXPECT_EQ(c->Top(), cell.Top);
        EXPECT_LE(c->Left() + c->Width(), cell.Right);
        const QImage shot = TestKit::RenderToImage(&form);
        Keep(shot, s.name);
        if (QGuiApplication::platformName() != "offscreen") {
            const TPoint at = form.ClientToScreen(TPoint(0, 0));
            Keep(QGuiApplication::primaryScreen()->grabWindow(0, at.X, at.Y, shot.width(), shot.height()).toImage(),
                 (std::string(s.name).substr(0, std::string(s.name).size() - 4) + "_screen.png").c_str());
        }
        grid->HideInplaceEdit();
        TestKit::PumpPostedMessages();
    }
}
