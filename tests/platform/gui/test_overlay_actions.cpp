// Overlay windows (top-level, never active, never focused, shaped by a
// region) and actions with their links. Offscreen; the real display is
// checked by tests/platform/display (the overlay lets a real click through).
#include <QWidget>

#include "gui_fixture.h"
#include "platform/gui/actions.h"
#include "platform/gui/forms.h"
#include "platform/gui/overlay_window.h"
#include "platform/gui/stdctrls.h"

TEST(OverlayWindow, ShowsWithoutTakingActivationOrFocus)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    form.Show();
    edit->SetFocus();

    auto* overlay = new TOverlayWindow(&form);
    EXPECT_FALSE(overlay->Visible());
    EXPECT_FALSE(overlay->Translucent());
    QWidget* w = overlay->Widget();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isWindow());
    EXPECT_FALSE(w->isVisible());
    overlay->SetBounds(70, 80, 30, 20);
    overlay->Show();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), QRect(70, 80, 30, 20));
    overlay->SetBounds(90, 80, 30, 20);
    EXPECT_EQ(w->geometry(), QRect(90, 80, 30, 20)) << "moves while shown, in screen coordinates";
    EXPECT_EQ(GetActiveForm(), &form);
    EXPECT_TRUE(edit->Focused());
    overlay->Hide();
    EXPECT_FALSE(w->isVisible());
    EXPECT_THROW(overlay->SetParent(&form), EInvalidOperation);
    EXPECT_EQ(overlay->Parent(), nullptr);
}

TEST(OverlayWindow, RegionShapesTheWindowAndItsPicture)
{
    TComponent owner(nullptr);
    auto* overlay = new TOverlayWindow(&owner);
    overlay->SetParentColor(false);
    overlay->SetColor(clBlue);
    overlay->SetBounds(0, 0, 10, 10);
    const TRegion region(Rect(3, 4, 7, 9));
    overlay->SetWindowRegion(region);
    EXPECT_EQ(overlay->WindowRegion(), region);
    EXPECT_EQ(overlay->Widget()->mask(), region.ToQt());
    // The picture keeps the region in its place; outside it is white.
    const QImage img = TestKit::RenderToImage(overlay);
    EXPECT_EQ(img.pixel(3, 4), ToQColor(clBlue).rgb());
    EXPECT_EQ(img.pixel(6, 8), ToQColor(clBlue).rgb());
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(7, 8), qRgb(255, 255, 255));
    overlay->SetWindowRegion(TRegion());
    EXPECT_TRUE(overlay->Widget()->mask().isEmpty());
}

// ---- actions ------------------------------------------------------------------------------------------

TEST(Actions, ControlPropertiesFollowWhileLinked)
{
    TComponent owner(nullptr);
    auto* action = new TAction(&owner);
    auto* label = new TLabel(&owner);
    TControlActionLink link(label);
    link.SetAction(action);
    ASSERT_EQ(action->Clients().size(), 1u);

    action->SetCaption(QStringLiteral("Run"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Run")) << "the label's empty caption was the action's";
    label->SetCaption(QStringLiteral("Mine"));
    action->SetCaption(QStringLiteral("Go"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Mine"));

    action->SetHint(QStringLiteral("Runs it"));
    EXPECT_EQ(label->Hint(), QStringLiteral("Runs it"));
    action->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    action->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    label->SetVisible(true);
    action->SetVisible(true);
    EXPECT_TRUE(label->Visible());

    // Execute runs OnExecute; without one it reports false.
    EXPECT_FALSE(link.Execute());
    int runs = 0;
    action->OnExecute = [&](TObject* Sender) {
        EXPECT_EQ(Sender, action);
        ++runs;
    };
    EXPECT_TRUE(link.Execute());
    EXPECT_EQ(runs, 1);
}

TEST(Actions, EitherSideMayGoFirst)
{
    TComponent owner(nullptr);
    auto* action = new TAction(&owner);
    auto* label = new TLabel(&owner);
    {
        TControlActionLink link(label);
        link.SetAction(action);
    }
    EXPECT_TRUE(action->Clients().empty()) << "a destroyed link leaves its action";
    action->SetCaption(QStringLiteral("after"));

    TControlActionLink link(label);
    link.SetAction(action);
    TControlActionLink second(label);
    second.SetAction(action);
    EXPECT_EQ(action->Clients().size(), 2u);
    action->Free();
    EXPECT_EQ(link.Action(), nullptr);
    EXPECT_EQ(second.Action(), nullptr);
    EXPECT_FALSE(link.Execute());
}
