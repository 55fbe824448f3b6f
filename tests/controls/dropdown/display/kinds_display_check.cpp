#include "kinds_display_check.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include "../kinds_scene.h"
#include "display_helpers.h"
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/application.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"

namespace DisplayCheck {

namespace {

// Opens the drop-down's popup with a real click, compares the screen with
// its offscreen picture, saves the screen and closes it with a real click
// on Outside.
void checkOne(const TRealInput& Input, TVynCustomDropDown* DropDown, TControl* Outside, const std::string& ShotDir,
              const char* Name)
{
    SCOPED_TRACE(Name);
    TDropDownForm* popup = DropDown->DropDownForm();
    const QPoint button = centreOf(DropDown->Button());
    ASSERT_TRUE(Input.ClickAt(button.x(), button.y()));
    // A window manager that has just started may take the first click for
    // the form's activation: one more click (a pixel away, so that the
    // pointer moves) then opens the popup.
    if (!waitFor([&] { return exposed(popup); })) {
        ASSERT_TRUE(Input.ClickAt(button.x() + 1, button.y()));
    }
    ASSERT_TRUE(waitFor([&] { return exposed(popup); })) << "the popup never showed";
    settle(500);
    expectShownAsPainted(popup, ShotDir, Name);
    const QPoint out = centreOf(Outside);
    ASSERT_TRUE(Input.ClickAt(out.x(), out.y()));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible(); })) << "the press outside left the popup open";
    settle();
}

}  // namespace

void CheckDropDownKindsOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                                 const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("KindsForm");
    form->SetCaption("Drop-down kinds");
    form->SetBounds(150, 100, 500, 400);
    auto* calc = new TVynCalculatorDropdown(form);
    calc->SetBounds(20, 20, 150, 21);
    calc->SetParent(form);
    KindsScene::DressCalculator(calc);
    auto* picker = new TVynTimePickerDropDown(form);
    picker->SetBounds(200, 20, 120, 21);
    picker->SetParent(form);
    KindsScene::DressTimePicker(picker);
    auto* bar = new TVynTrackBarDropDown(form);
    bar->SetBounds(340, 20, 140, 21);
    bar->SetParent(form);
    KindsScene::DressTrackBar(bar);
    auto* outside = new TPanel(form);
    outside->SetBounds(20, 300, 460, 80);
    outside->SetParent(form);
    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    settle(1000);
    checkOne(Input, calc, outside, ShotDir, "calculator");
    AdvanceClock(1000);
    checkOne(Input, picker, outside, ShotDir, "timepicker");
    EXPECT_FALSE(picker->Watch()->Settings().Auto());
    AdvanceClock(1000);
    checkOne(Input, bar, outside, ShotDir, "trackbar");
    // A plain click with no popup open: the window that got the closing
    // press has had its whole click before the form goes.
    const QPoint out = centreOf(outside);
    Input.ClickAt(out.x() + 1, out.y());
    settle();
    form->Free();
}

}  // namespace DisplayCheck
