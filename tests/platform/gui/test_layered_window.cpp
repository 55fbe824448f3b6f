// Layered windows: opacity, a picture with per-pixel alpha, a window shape
// and a colour key, on top-level windows only.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/gui/forms.h"
#include "platform/gui/layered_window.h"
#include "platform/gui/overlay_window.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/test_kit.h"

TEST(LayeredWindow, OpacityImageAndShapeOfATopLevelWindow)
{
    TestKit::InputStateScope input;
    TForm owner(nullptr);
    auto* w = new TOverlayWindow(&owner, true);
    w->SetBounds(40, 50, 10, 10);

    EXPECT_EQ(WindowOpacity(w), 255);
    ASSERT_TRUE(SetWindowOpacity(w, 230));
    EXPECT_EQ(WindowOpacity(w), 230);

    // A 20 x 12 picture: left half opaque red, right half half-transparent
    // blue (premultiplied).
    QImage pic(20, 12, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            pic.setPixel(x, y, x < 10 ? qRgba(255, 0, 0, 255) : qRgba(0, 0, 128, 128));
    ASSERT_TRUE(SetWindowAlphaImage(w, pic));
    EXPECT_EQ(w->Width(), 20);
    EXPECT_EQ(w->Height(), 12);
    EXPECT_EQ(w->Left(), 40);
    EXPECT_EQ(WindowAlphaImage(w).pixel(15, 5), pic.pixel(15, 5));
    w->SetVisible(true);
    QImage shown(20, 12, QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    w->Handle()->render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(shown.pixel(2, 2), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(shown.pixel(15, 5)), 128);
    EXPECT_EQ(qBlue(shown.pixel(15, 5)), 128);

    // The shape: a hole in the middle.
    TRegion r(Rect(0, 0, 20, 12));
    r.Subtract(Rect(5, 3, 15, 9));
    ASSERT_TRUE(SetWindowShape(w, r));
    EXPECT_EQ(WindowShape(w), r);
    ASSERT_TRUE(SetWindowShape(w, TRegion()));
    EXPECT_TRUE(WindowShape(w).IsEmpty());

    // The window's own painting comes back.
    ASSERT_TRUE(SetWindowAlphaImage(w, QImage()));
    EXPECT_TRUE(WindowAlphaImage(w).isNull());
    w->SetVisible(false);
}

TEST(LayeredWindow, ColourKeyCutsThePixelsOfTheKey)
{
    TestKit::InputStateScope input;
    TForm owner(nullptr);
    auto* w = new TOverlayWindow(&owner, true);
    w->SetBounds(0, 0, 8, 4);
    QImage pic(8, 4, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            pic.setPixel(x, y, x < 3 ? qRgb(0, 255, 0) : qRgb(10, 20, 30));
    ASSERT_TRUE(SetWindowAlphaImage(w, pic));
    ASSERT_TRUE(SetWindowColorKey(w, 0x00FF00));
    const TRegion shape = WindowShape(w);
    EXPECT_FALSE(shape.Contains(Point(1, 1)));
    EXPECT_TRUE(shape.Contains(Point(3, 1)));
    EXPECT_EQ(shape.BoundsRect(), Rect(3, 0, 8, 4));
}

TEST(LayeredWindow, OnlyTopLevelWindowsTakePart)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    QImage pic(4, 4, QImage::Format_ARGB32_Premultiplied);
    pic.fill(Qt::red);
    EXPECT_FALSE(SetWindowOpacity(nullptr, 10));
    EXPECT_FALSE(SetWindowOpacity(edit, 10));
    EXPECT_FALSE(SetWindowAlphaImage(edit, pic));
    EXPECT_FALSE(SetWindowShape(edit, TRegion(Rect(0, 0, 2, 2))));
    EXPECT_FALSE(SetWindowColorKey(edit, 0));
    EXPECT_EQ(WindowOpacity(edit), 255);
    EXPECT_TRUE(WindowAlphaImage(edit).isNull());
    // A form is a top-level window.
    EXPECT_TRUE(SetWindowOpacity(&form, 128));
    EXPECT_EQ(WindowOpacity(&form), 128);
}
