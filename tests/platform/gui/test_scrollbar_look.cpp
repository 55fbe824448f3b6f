// The looks of the scroll bar: normal, flat, flat with parts that rise
// under the pointer; the track colour.
#include <QImage>

#include "gui_fixture.h"
#include "platform/gui/stdctrls.h"
#include "platform/testing/render_png.h"

namespace {

// A vertical bar of 17 x 200 at position 50 of 0..100: arrows of 17 pixels
// at both ends, the thumb in the middle of the track.
struct ScrollBarLookTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TScrollBar* bar = nullptr;

    ScrollBarLookTest()
    {
        form.SetBounds(0, 0, 200, 300);
        bar = new TScrollBar(&form);
        bar->SetKind(sbVertical);
        bar->SetBounds(10, 10, 17, 200);
        bar->SetParent(&form);
        bar->SetParams(50, 0, 100);
        form.Show();
    }
    QImage Shot() { return TestKit::RenderToImage(bar); }
    static QImage Part(const QImage& I, const TRect& R) { return I.copy(R.ToQt()); }
    // Where the parts lie (client coordinates).
    static TRect UpArrow() { return Rect(0, 0, 17, 17); }
    static TRect DownArrow() { return Rect(0, 183, 17, 200); }
    TRect Thumb() const
    {
        const int start = 17 + MulDiv(50, 200 - 34 - 17, 100);
        return Rect(0, start, 17, start + 17);
    }
    static TColor Pixel(const QImage& I, int X, int Y) { return FromQColor(I.pixelColor(X, Y)); }
};

}  // namespace

TEST_F(ScrollBarLookTest, EachLookDrawsItsArrowsAndThumb)
{
    const QImage normal = Shot();
    bar->SetLook(slFlat);
    const QImage flat = Shot();
    bar->SetLook(slEncarta);
    const QImage encarta = Shot();
    // Flat parts: a one-pixel shadow frame where the normal ones have raised
    // edges; the track between them is the same.
    for (const TRect& r : {UpArrow(), DownArrow(), Thumb()}) {
        SCOPED_TRACE(r.Top);
        EXPECT_NE(Part(normal, r), Part(flat, r));
        EXPECT_EQ(Pixel(flat, r.Left, r.Top), ColorToRGB(clBtnShadow));
        EXPECT_EQ(Pixel(flat, r.Right - 1, r.Bottom - 1), ColorToRGB(clBtnShadow));
        EXPECT_NE(Pixel(normal, r.Left, r.Top), ColorToRGB(clBtnShadow));
    }
    EXPECT_EQ(Pixel(normal, 8, 30), Pixel(flat, 8, 30));
    // Nothing under the pointer: encarta is flat.
    EXPECT_EQ(encarta, flat);
}

TEST_F(ScrollBarLookTest, UnderThePointerAnEncartaPartRisesAndFallsBackWhenThePointerLeaves)
{
    const QImage normal = Shot();
    bar->SetLook(slFlat);
    const QImage flat = Shot();
    struct Case {
        const char* name;
        TScrollBarLook look;
        int y;             // where the pointer rests
        int risen;         // 0 none, 1 up arrow, 2 down arrow, 3 thumb
    };
    const Case cases[] = {
        {"encarta on the down arrow", slEncarta, 190, 2},
        {"encarta on the up arrow", slEncarta, 5, 1},
        {"encarta on the thumb", slEncarta, Thumb().Top + 5, 3},
        {"encarta on the track", slEncarta, 30, 0},
        {"flat on the down arrow", slFlat, 190, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetLook(c.look);
        TestKit::MouseMove(bar, 8, c.y);
        const QImage hot = Shot();
        const TRect parts[] = {UpArrow(), DownArrow(), Thumb()};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Part(hot, parts[i]), Part(c.risen == i + 1 ? normal : flat, parts[i])) << i;
        TestKit::MouseLeave(bar);
        EXPECT_EQ(Shot(), flat);
        bar->SetLook(slNormal);
    }
}

TEST_F(ScrollBarLookTest, AHeldArrowShowsPressedInEveryLook)
{
    for (TScrollBarLook look : {slNormal, slFlat, slEncarta}) {
        SCOPED_TRACE(int(look));
        bar->SetLook(look);
        TestKit::MouseMove(bar, 8, 190);
        const QImage before = Shot();
        TestKit::MouseDown(bar, 8, 190);
        const QImage held = Shot();
        TestKit::MouseUp(bar, 8, 190);
        // The glyph moves one pixel down and right while held.
        EXPECT_NE(Part(held, DownArrow()), Part(before, DownArrow()));
        EXPECT_EQ(Pixel(held, 0, 183), ColorToRGB(clBtnShadow));
        TestKit::MouseLeave(bar);
    }
}

TEST_F(ScrollBarLookTest, TheTrackTakesItsColourOrTheSystemOne)
{
    for (TScrollBarLook look : {slNormal, slFlat}) {
        SCOPED_TRACE(int(look));
        bar->SetLook(look);
        bar->SetTrackColor(clRed);
        EXPECT_EQ(Pixel(Shot(), 8, 30), clRed);
        bar->SetTrackColor(clNone);
        EXPECT_EQ(Pixel(Shot(), 8, 30), ColorToRGB(clScrollBar));
    }
}
