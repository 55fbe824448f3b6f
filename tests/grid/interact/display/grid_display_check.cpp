#include "grid_display_check.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QWindow>
#include <gtest/gtest.h>

#include "controls/dropdown/display/display_helpers.h"
#include "grid/core/grid_types.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_link.h"
#include "grid/interact/grid_interact_holders.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/application.h"
#include "platform/gui/balloon_tip.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/gui/popupform.h"
#include "platform/gui/stdctrls.h"

namespace DisplayCheck {

namespace {

// An application's edit link over a plain edit, shown in the popup form.
class TPopupTextLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TEdit* Edit = nullptr;
    void CreateEditor(TWinControl* AParent) override
    {
        if (!Edit) {
            Edit = new TEdit(AParent);
            Edit->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
        }
        Edit->SetParent(AParent);
    }
    TWinControl* GetEditControl() override { return Edit; }
    String GetEditorValue() override { return Edit ? Edit->Text() : String(); }
    void SetEditorValue(const String& Value) override
    {
        if (Edit)
            Edit->SetText(Value);
    }
};

bool visibleOnScreen(TWinControl* C)
{
    QWidget* w = C ? C->Widget() : nullptr;
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

QPoint screenPoint(TControl* C, int X, int Y)
{
    const TPoint p = C->ClientToScreen(TPoint{X, Y});
    return {p.X, p.Y};
}

}  // namespace

void CheckGridWindowsOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                               const std::string& ShotDir)
{
    ASSERT_TRUE(Input.MoveTo) << "the real input cannot move the pointer";
    TForm* form = new TForm(nullptr);
    form->SetName("GridWindowsForm");
    form->SetCaption("Grid windows");
    form->SetBounds(160, 120, 520, 420);
    auto* grid = new TVynStringGrid(form);
    grid->SetBounds(10, 10, 420, 260);
    grid->SetParent(form);
    grid->SetColCount(5);
    grid->SetRowCount(12);
    grid->SetDefaultRowHeight(20);
    grid->SetDefaultColWidth(80);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    for (int r = 1; r < 12; ++r)
        for (int c = 1; c < 5; ++c)
            grid->SetCells(c, r, QStringLiteral("cell %1,%2").arg(c).arg(r));
    grid->SetCells(2, 7, "banana");
    auto* link = new TPopupTextLink(form);
    link->SetEditStyle(esPopup);
    link->SetPopupWidth(180);
    link->SetPopupHeight(40);
    grid->SetEditLink(link);
    grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 4)
            E = TEditorType::edCustom;
    };
    auto* outside = new TPanel(form);
    outside->SetBounds(10, 300, 420, 80);
    outside->SetParent(form);
    form->Show();
    ASSERT_TRUE(waitFor([&] { return visibleOnScreen(form); })) << "the form never showed";
    settle(1000);

    // The search bar: a child of the grid, painted with it; a real click in
    // its edit and a typed letter find the matching cell.
    grid->SearchFooter()->SetVisible(true);
    TSearchPanel* panel = grid->SearchPanel();
    ASSERT_NE(panel, nullptr);
    settle();
    expectShownAsPainted(grid, ShotDir, "grid-searchbar");
    const QPoint edit = centreOf(panel->Edit());
    ASSERT_TRUE(Input.ClickAt(edit.x(), edit.y()));
    ASSERT_TRUE(waitFor([&] { return panel->Edit()->Focused(); })) << "the search edit never took the focus";
    ASSERT_TRUE(Input.TypeLetter('b'));
    EXPECT_TRUE(waitFor([&] { return grid->Row() == 7 && grid->Col() == 2; })) << "typing did not find the cell";
    settle();
    expectShownAsPainted(grid, ShotDir, "grid-searchbar-found");
    grid->SearchFooter()->SetVisible(false);
    settle();

    // The balloon: the real pointer rests over a cell; the balloon shows
    // that cell's text without taking the activation from the form.
    grid->Balloon()->SetInitialDelay(400);
    grid->Balloon()->SetEnable(true);
    TBalloonTip* tip = grid->BalloonWindow();
    ASSERT_NE(tip, nullptr);
    const TRect c13 = grid->CellRect(1, 3);
    const QPoint rest = screenPoint(grid, c13.Left + 10, c13.Top + 8);
    ASSERT_TRUE(Input.MoveTo(rest.x(), rest.y()));
    settle();
    AdvanceClock(400);
    ASSERT_TRUE(waitFor([&] { return visibleOnScreen(tip); })) << "the balloon never showed";
    EXPECT_EQ(tip->Content().Text, QStringLiteral("cell 1,3"));
    settle(500);
    expectShownAsPainted(tip, ShotDir, "grid-balloon");
    EXPECT_TRUE(form->Active()) << "the balloon took the activation";
    const QPoint away = centreOf(outside);
    ASSERT_TRUE(Input.MoveTo(away.x(), away.y()));
    EXPECT_TRUE(waitFor([&] { return !tip->Showing(); })) << "leaving the grid left the balloon up";
    grid->Balloon()->SetEnable(false);
    settle();

    // The edit link's popup form: a real click on the cell and a typed
    // letter open "gridform" at the cell; a real press outside ends it.
    const TRect c42 = grid->CellRect(4, 2);
    const QPoint cell = screenPoint(grid, c42.Left + 10, c42.Top + 8);
    ASSERT_TRUE(Input.ClickAt(cell.x(), cell.y()));
    ASSERT_TRUE(waitFor([&] { return grid->Col() == 4 && grid->Row() == 2; })) << "the click did not reach the cell";
    ASSERT_TRUE(Input.TypeLetter('x'));
    TCustomForm* popup = nullptr;
    ASSERT_TRUE(waitFor([&] {
        popup = link->PopupForm();
        return popup && visibleOnScreen(popup);
    })) << "the link's popup never showed";
    EXPECT_EQ(popup->Name(), QStringLiteral("gridform"));
    settle(500);
    expectShownAsPainted(popup, ShotDir, "grid-linkpopup");
    ASSERT_TRUE(Input.ClickAt(away.x(), away.y()));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible(); })) << "the press outside left the popup open";
    settle();
    // A plain click with no popup open: the window that got the closing
    // press has had its whole click before the form goes.
    ASSERT_TRUE(Input.ClickAt(away.x() + 1, away.y()));
    settle();
    form->Free();
    if (TComponent* f = Application.FindComponent("gridform"))
        delete f;
    settle();
}

}  // namespace DisplayCheck
