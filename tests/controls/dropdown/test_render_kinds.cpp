// Pictures of the open calculator, time picker and track bar popups
// (offscreen); VYN_RENDER_DIR=<dir> keeps them as PNG files.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "controls/dropdown/CalculatorDropDown.h"
#include "controls/dropdown/TimePickerDropDown.h"
#include "controls/dropdown/TrackBarDropDown.h"
#include "kinds_fixture.h"
#include "kinds_scene.h"
#include "platform/gui/trackbar.h"

using namespace DropDownTestKit;

namespace {

QImage picture(TControl* Popup, const char* Name)
{
    const QImage img = TestKit::RenderToImage(Popup);
    const char* dir = std::getenv("VYN_RENDER_DIR");
    if (dir && *dir) {
        QDir().mkpath(QString::fromLocal8Bit(dir));
        img.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(Name)));
    }
    return img;
}

using CalculatorPicture = KindFixture<TVynCalculatorDropdown>;

TEST_F(CalculatorPicture, OpenCalculator)
{
    KindsScene::DressCalculator(dd);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(popup()->Width(), 230);
    EXPECT_EQ(popup()->Height(), 152);
    const QImage img = picture(popup(), "calculator-open.png");
    TCustomButtonPanel* pad = dd->ButtonPanel();
    // The pad's background (the popup's colour) between the keys, the
    // keys' faces.
    const TPoint gap = popup()->ScreenToClient(pad->ClientToScreen(TPoint{44, 20}));
    EXPECT_EQ(PixelAt(img, gap.X, gap.Y), ColorToRGB(dd->DropDownColor()));
    TRect key;
    pad->GetButtonRect(12, key);  // "8"
    const TPoint face = popup()->ScreenToClient(pad->ClientToScreen(TPoint{key.Left + 3, key.Top + 3}));
    EXPECT_EQ(PixelAt(img, face.X, face.Y), ColorToRGB(clBtnFace));
}

using TimePickerPicture = KindFixture<TVynTimePickerDropDown>;

TEST_F(TimePickerPicture, OpenTimePickerWithItsWatch)
{
    KindsScene::DressTimePicker(dd);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    TVynWatch* w = dd->Watch();
    EXPECT_FALSE(w->Settings().Auto());
    const QImage img = picture(popup(), "timepicker-open.png");
    const TWatchGeometry g = w->Geometry();
    auto onPopup = [&](TPoint P) { return popup()->ScreenToClient(w->ClientToScreen(P)); };
    const TWatchAppearance& a = w->Appearance();
    // The face in the style's background inside its border, the centre
    // point.
    const TPoint centre = onPopup(TPoint{g.CX, g.CY});
    EXPECT_EQ(PixelAt(img, centre.X, centre.Y), ColorToRGB(a.CenterPointColor()));
    const TPoint inside = onPopup(TPoint{g.CX - 40, g.CY - 10});
    EXPECT_EQ(PixelAt(img, inside.X, inside.Y), ColorToRGB(a.BackgroundColor()));
    const TPoint border = onPopup(TPoint{g.Face.Left + 1, g.CY});
    EXPECT_EQ(PixelAt(img, border.X, border.Y), ColorToRGB(a.BorderColor()));
    // The minute hand points at 2 o'clock (10 past), the hour hand just
    // past 10.
    const TPoint minute = onPopup(WatchPolar(g.CX, g.CY, 10 * 6.0, 0.5 * g.R));
    EXPECT_EQ(PixelAt(img, minute.X, minute.Y), ColorToRGB(a.MinutePointer()));
    const TPoint hour = onPopup(WatchPolar(g.CX, g.CY, 10 * 30.0 + 5, 0.3 * g.R));
    EXPECT_EQ(PixelAt(img, hour.X, hour.Y), ColorToRGB(a.HourPointer()));
    const TPoint nothing = onPopup(WatchPolar(g.CX, g.CY, 180.0, 0.5 * g.R));
    EXPECT_EQ(PixelAt(img, nothing.X, nothing.Y), ColorToRGB(a.BackgroundColor())) << "no hand at 6";
}

using TrackBarPicture = KindFixture<TVynTrackBarDropDown>;

TEST_F(TrackBarPicture, OpenTrackBar)
{
    KindsScene::DressTrackBar(dd);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    const QImage img = picture(popup(), "trackbar-open.png");
    TTrackBar* bar = dd->TrackBar();
    const TRect t = bar->ThumbRect();
    const TPoint face = popup()->ScreenToClient(bar->ClientToScreen(TPoint{(t.Left + t.Right) / 2, t.Top + 5}));
    EXPECT_EQ(PixelAt(img, face.X, face.Y), ColorToRGB(clBtnFace));
    EXPECT_EQ(dd->Text(), "6");
}

}  // namespace
