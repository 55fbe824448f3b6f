#include "multicolumn_display_check.h"

#include <gtest/gtest.h>

#include "display_helpers.h"

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/MultiColumnDropDown.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"

namespace DisplayCheck {

void CheckMultiColumnOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                               const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("MultiColumnForm");
    form->SetCaption("Multi-column check");
    form->SetBounds(150, 100, 520, 420);
    auto* mc = new TVynMultiColumnDropDown(form);
    mc->SetName("Stations");
    mc->SetBounds(20, 20, 220, 21);
    mc->SetParent(form);
    for (const char* h : {"Station", "Address", "Bank"}) {
        VynMultiColumnDropDown::TDropDownColumn* c = mc->Columns().Add();
        c->SetHeader(h);
        c->SetWidth(90);
    }
    mc->Columns().Items(2)->SetAlignment(taRightJustify);
    mc->Columns().Items(1)->SetColor(0xF0FFF0);
    struct Row {
        const char* Station;
        const char* Address;
        const char* Bank;
    };
    for (const Row& r : {Row{"Berlin", "10.0.0.1", "1"}, Row{"Bern", "10.0.0.2", "2"}, Row{"Bonn", "10.0.0.3", "1"},
                         Row{"Dresden", "10.0.1.7", "2"}, Row{"Essen", "10.0.1.9", "1"}, Row{"Freiburg", "10.0.2.4", "2"},
                         Row{"Kiel", "10.0.2.5", "1"}, Row{"Mainz", "10.0.3.1", "2"}}) {
        VynMultiColumnDropDown::TDropDownItem* item = mc->Items().Add();
        for (const char* t : {r.Station, r.Address, r.Bank})
            item->Text().Add(t);
    }
    mc->EndUpdate();
    mc->SetItemIndex(1);
    auto* outside = new TPanel(form);
    outside->SetBounds(20, 320, 460, 80);
    outside->SetParent(form);
    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    settle(1000);

    // A real click on the drop button opens the grid as painted.
    TDropDownForm* popup = mc->DropDownForm();
    const QPoint button = centreOf(mc->Button());
    ASSERT_TRUE(Input.ClickAt(button.x(), button.y()));
    if (!waitFor([&] { return exposed(popup); })) {
        ASSERT_TRUE(Input.ClickAt(button.x() + 1, button.y()));
    }
    ASSERT_TRUE(waitFor([&] { return exposed(popup); })) << "the popup never showed";
    settle(500);
    expectShownAsPainted(popup, ShotDir, "multicolumn");
    TVynMultiColGrid* grid = mc->Grid();
    EXPECT_EQ(grid->Row(), 2) << "opens on the chosen row";

    // Letters typed on the real keyboard find the first matching row.
    if (Input.TypeLetter) {
        ASSERT_TRUE(Input.TypeLetter('d'));
        EXPECT_TRUE(waitFor([&] { return mc->ItemIndex() == 3; })) << "typing d found no row";
        EXPECT_EQ(mc->Text(), "Dresden");
        EXPECT_EQ(grid->Row(), 4);
        settle(200);
        expectShownAsPainted(popup, ShotDir, "multicolumn-typed");
    }

    // A real click on an item row picks it and closes the popup.
    ASSERT_GE(grid->TopRow() + grid->VisibleRowCount() - 1, 5) << "the fifth item row is in view";
    const TRect cell = grid->CellRect(1, 5);
    const TPoint p = grid->ClientToScreen(TPoint{cell.Left + 10, cell.Top + cell.Height() / 2});
    ASSERT_TRUE(Input.ClickAt(p.X, p.Y));
    EXPECT_TRUE(waitFor([&] { return !mc->DroppedDown(); })) << "the click left the popup open";
    EXPECT_EQ(mc->ItemIndex(), 4);
    EXPECT_EQ(mc->Text(), "Essen");
    AdvanceClock(1000);
    settle();
    // A plain click with no popup open: the window that got the picking
    // press has had its whole click before the form goes.
    const TPoint free = form->ClientToScreen(TPoint{10, form->ClientHeight() - 10});
    ASSERT_TRUE(Input.ClickAt(free.X, free.Y));
    settle();
    form->Free();
}

}  // namespace DisplayCheck
