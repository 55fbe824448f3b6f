#include "filter_display_check.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>

#include "controls/dropdown/display/display_helpers.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_filter_holders.h"
#include "grid/data/filter_fruit_grid.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"

namespace DisplayCheck {

void CheckFilterListOnDisplay(const TRealInput& Input, const std::string& ShotDir)
{
    TForm form(nullptr);
    form.SetBounds(60, 60, 420, 300);
    auto* g = new TVynStringGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 400, 280);
    FillFruitGrid(*g);
    form.Show();
    ASSERT_TRUE(waitFor([&] { return exposed(&form); })) << "the form never showed";
    settle();

    ASSERT_TRUE(g->ShowFilterDropDown(2));
    TDropCheckList* list = g->DropCheckList();
    list->SetChecked(2, true);  // "apple"
    g->FilterListCheck(list, 2);
    TPopupForm* popup = g->FilterPopup();
    ASSERT_TRUE(waitFor([&] { return exposed(popup); })) << "the filter list never showed";
    settle(400);
    expectShownAsPainted(popup, ShotDir, "filter-list");
    EXPECT_EQ(g->FilterColumn(), 2);
    EXPECT_EQ(g->RowCount(), 3);  // the header and "apple" twice

    // A real press on the form outside the list hides it.
    const TPoint outside = form.ClientToScreen(TPoint{380, 260});
    ASSERT_TRUE(Input.ClickAt(outside.X, outside.Y));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible(); })) << "the list stayed open";
    EXPECT_EQ(g->FilterColumn(), -1);
    settle();
    save(screenAt(QGuiApplication::primaryScreen()->geometry()), ShotDir, "filter-list-closed.png");
    // A plain click with no list open: the window that got the closing press
    // has had its whole click before the form goes.
    ASSERT_TRUE(Input.ClickAt(outside.X + 1, outside.Y));
    settle();
}

}  // namespace DisplayCheck
