#include "griddropdown_display_check.h"

#include <gtest/gtest.h>

#include "../grid/griddropdown_scene.h"
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "display_helpers.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"

namespace DisplayCheck {

void CheckGridDropDownOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                                const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("GridDropDownForm");
    form->SetCaption("Grid drop-down");
    form->SetBounds(150, 100, 500, 450);
    auto* drop = new TVynGridDropDown(form);
    drop->SetBounds(20, 20, 200, 21);
    drop->SetParent(form);
    GridDropDownScene::Dress(drop);
    auto* outside = new TPanel(form);
    outside->SetBounds(20, 360, 460, 60);
    outside->SetParent(form);
    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    settle(1000);

    TDropDownForm* popup = drop->DropDownForm();
    const QPoint button = centreOf(drop->Button());
    ASSERT_TRUE(Input.ClickAt(button.x(), button.y()));
    // A window manager that has just started may take the first click for
    // the form's activation: one more click then opens the popup.
    if (!waitFor([&] { return exposed(popup); })) {
        ASSERT_TRUE(Input.ClickAt(button.x() + 1, button.y()));
    }
    ASSERT_TRUE(waitFor([&] { return exposed(popup); })) << "the popup never showed";
    settle(500);
    TVynColGrid* list = drop->GetColGrid();
    EXPECT_EQ(list->Cells(1, 1).toStdString(), "Antwerp") << "sorted by the town column";
    expectShownAsPainted(popup, ShotDir, "griddropdown");

    // A real click on the fourth data row (Dortmund) chooses it.
    const TRect cell = list->CellRect(1, 4);
    const TPoint at = list->ClientToScreen(TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    ASSERT_TRUE(Input.ClickAt(at.X, at.Y));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible(); })) << "a click on a row closes the popup";
    EXPECT_EQ(drop->Text().toStdString(), "Dortmund");
    EXPECT_EQ(drop->ItemIndex(), 8);
    AdvanceClock(1000);
    const QPoint out = centreOf(outside);
    Input.ClickAt(out.x(), out.y());
    settle();
    form->Free();
}

}  // namespace DisplayCheck
