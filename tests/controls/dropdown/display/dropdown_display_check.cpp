#include "dropdown_display_check.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <gtest/gtest.h>

#include "../dropdown_scene.h"
#include "display_helpers.h"
#include "controls/dropdown/DropDownBars.h"
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/application.h"
#include "platform/testing/render_png.h"

namespace DisplayCheck {

namespace {

class TTarget : public TCustomControl {
public:
    TTarget(TComponent* AOwner) : TCustomControl(AOwner)
    {
        SetColor(clLime);
        SetTabStop(true);
    }
    int Presses = 0;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        ++Presses;
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }
};

TColor at(const QImage& I, int X, int Y) { return FromQColor(I.pixelColor(X, Y)); }

}  // namespace

void CheckDropDownOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                            const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("DropDownForm");
    form->SetCaption("Drop-down check");
    form->SetBounds(200, 150, 400, 300);
    auto* dd = new TVynDropDown(form);
    dd->SetName("DropDown");
    dd->SetBounds(20, 20, 200, 21);
    dd->SetParent(form);
    dd->SetText("Drop-down");
    dd->SetDropDownWidth(161);
    dd->SetDropDownHeight(120);
    dd->SetDropDownBorderColor(0x0000C0);
    auto* target = new TTarget(form);
    target->SetName("Target");
    target->SetBounds(20, 200, 200, 60);
    target->SetParent(form);
    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    settle();
    TDropDownForm* popup = dd->DropDownForm();

    // A real click on the drop button opens the popup below the edit.
    const QPoint button = centreOf(dd->Button());
    ASSERT_TRUE(Input.ClickAt(button.x(), button.y()));
    ASSERT_TRUE(waitFor([&] { return exposed(popup); })) << "the popup never showed";
    settle(500);
    const TPoint edit = form->ClientToScreen(TPoint{20, 20});
    EXPECT_EQ(popup->BoundsRect(), Bounds(edit.X, edit.Y + 20, 161, 120));

    // What the X server shows where the popup is: the offscreen picture.
    const QImage painted = TestKit::RenderToImage(popup).convertToFormat(QImage::Format_RGB32);
    QImage shown;
    const QRect r(popup->Left(), popup->Top(), popup->Width(), popup->Height());
    const bool same = waitFor(
        [&] {
            shown = screenAt(r);
            return shown == painted;
        },
        5000);
    save(screenAt(QGuiApplication::primaryScreen()->geometry()), ShotDir, "dropdown-open.png");
    EXPECT_TRUE(same) << "the popup on the screen differs from its offscreen picture";
    // Frame and gradient at fixed points (a black popup fails here).
    for (TPoint p : {TPoint{0, 0}, TPoint{160, 0}, TPoint{0, 119}, TPoint{160, 119}})
        EXPECT_EQ(at(shown, p.X, p.Y), 0x0000C0) << p.X << "," << p.Y;
    EXPECT_EQ(at(shown, 1, 60), 0xF3E5DA) << "the gradient's first band";
    EXPECT_EQ(at(shown, 80, 60), at(painted, 80, 60));
    EXPECT_EQ(at(shown, 158, 60), at(painted, 158, 60));
    EXPECT_NE(at(shown, 1, 60), at(shown, 158, 60)) << "no gradient";

    // A press on the drop button of the open popup closes it; the release
    // comes within 250 ms of it and opens nothing. (Each click lands a pixel
    // away from the last: xdotool's synchronous move waits for a motion.)
    ASSERT_TRUE(Input.ClickAt(button.x() + 1, button.y()));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible(); })) << "the press on the drop button left the popup open";
    settle();
    EXPECT_FALSE(popup->Visible()) << "the click that closed the popup opened it again";

    // Later, a click opens it again; a press outside closes it and reaches
    // the window there.
    AdvanceClock(1000);
    ASSERT_TRUE(Input.ClickAt(button.x(), button.y()));
    ASSERT_TRUE(waitFor([&] { return exposed(popup); })) << "the popup never showed again";
    settle();
    const QPoint t = centreOf(target);
    ASSERT_TRUE(Input.ClickAt(t.x(), t.y()));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible() && target->Presses == 1; }))
        << "the press outside: popup " << (popup->Visible() ? "open" : "closed") << ", presses " << target->Presses;
    settle();
    const QImage after = screenAt(r);
    save(screenAt(QGuiApplication::primaryScreen()->geometry()), ShotDir, "dropdown-closed.png");
    EXPECT_NE(at(after, 0, 0), 0x0000C0) << "the popup is still on the screen";
    EXPECT_FALSE(dd->DroppedDown());

    // The same drop-down with a header (caption, two buttons), a footer
    // (OK, the grip) and an item selector of 20 colours: a real click opens
    // it (the window that got the closing press above has had its release:
    // the click is not its), the screen shows what it paints, and a real
    // click on OK closes it.
    TVynDropDown* bars = dd;
    bars->SetDropDownBorderColor(clNone);
    bars->SetText("Red");
    TVynCustomItemSelector* sel = DropDownScene::BuildBarsScene(bars, form);
    settle();
    AdvanceClock(1000);
    const QPoint barsButton = centreOf(bars->Button()) + QPoint(1, 0);
    ASSERT_TRUE(Input.ClickAt(barsButton.x(), barsButton.y()));
    TDropDownForm* barsPopup = bars->DropDownForm();
    ASSERT_TRUE(waitFor([&] { return exposed(barsPopup); })) << "the popup with bars never showed";
    EXPECT_EQ(GetCaptureControl(), nullptr) << "the window that got the closing press still holds the mouse";
    EXPECT_EQ(target->Presses, 1) << "a later click went to the window that got the closing press";
    settle(500);
    const QImage barsPainted = TestKit::RenderToImage(barsPopup).convertToFormat(QImage::Format_RGB32);
    const QRect br(barsPopup->Left(), barsPopup->Top(), barsPopup->Width(), barsPopup->Height());
    QImage barsShown;
    const bool barsSame = waitFor(
        [&] {
            barsShown = screenAt(br);
            return barsShown == barsPainted;
        },
        5000);
    save(screenAt(QGuiApplication::primaryScreen()->geometry()), ShotDir, "dropdown-bars-open.png");
    EXPECT_TRUE(barsSame) << "the popup with bars on the screen differs from its offscreen picture";
    ASSERT_NE(barsPopup->Header(), nullptr);
    ASSERT_NE(barsPopup->Footer(), nullptr);
    EXPECT_EQ(at(barsShown, 5, 1), BlendColor(0xFFD2AF, clWhite, 20)) << "the header's inner line";
    TRect item;
    sel->SelectorPanel()->GetItemRect(9, item);
    const TPoint box =
        barsPopup->ScreenToClient(sel->SelectorPanel()->ClientToScreen(TPoint{item.Left + 11, item.Top + 11}));
    EXPECT_EQ(at(barsShown, box.X, box.Y), 0x0000FF) << "the selected red box";
    TVynButton* ok = barsPopup->Footer()->ButtonList().Items(0);
    const QPoint okAt = centreOf(ok);
    ASSERT_TRUE(Input.ClickAt(okAt.x(), okAt.y()));
    EXPECT_TRUE(waitFor([&] { return !barsPopup->Visible(); })) << "OK left the popup open";
    EXPECT_EQ(bars->Text(), "Red");
    form->Free();
}

}  // namespace DisplayCheck
