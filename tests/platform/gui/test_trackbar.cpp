// The track bar and the elliptic and round-rectangle regions.
#include <gtest/gtest.h>

#include <QImage>

#include "gui_fixture.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"
#include "platform/gui/forms.h"
#include "platform/gui/trackbar.h"

namespace {

struct TrackBarTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm* form = nullptr;
    TTrackBar* bar = nullptr;
    std::vector<int> changes;
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 100);
        bar = new TTrackBar(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 200, 40);
        bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
        form->Show();
    }
    void TearDown() override { form->Free(); }
};

TEST_F(TrackBarTest, PositionStaysInRangeAndNotifiesEachChange)
{
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 10);
    bar->SetPosition(7);
    bar->SetPosition(7);
    bar->SetPosition(15);
    bar->SetPosition(-3);
    EXPECT_EQ(changes, (std::vector<int>{7, 10, 0}));
    bar->SetPosition(8);
    bar->SetMax(5);  // the position follows the range
    EXPECT_EQ(bar->Position(), 5);
    bar->SetMin(6);  // above Max: refused
    EXPECT_EQ(bar->Min(), 0);
    bar->SetMax(-1);  // below Min: refused
    EXPECT_EQ(bar->Max(), 5);
    bar->SetMin(3);
    bar->SetPosition(0);
    EXPECT_EQ(bar->Position(), 3);
}

TEST_F(TrackBarTest, KeysStepLinePageAndEnds)
{
    bar->SetFocus();
    bar->SetPageSize(3);
    const struct {
        Word Key;
        int Position;
    } steps[] = {{VK_RIGHT, 1}, {VK_DOWN, 2}, {VK_NEXT, 5}, {VK_LEFT, 4}, {VK_UP, 3},
                 {VK_PRIOR, 0}, {VK_END, 10}, {VK_RIGHT, 10}, {VK_HOME, 0}};
    for (const auto& s : steps) {
        TestKit::TypeKey(bar, s.Key);
        EXPECT_EQ(bar->Position(), s.Position) << "key " << s.Key;
    }
}

TEST_F(TrackBarTest, MousePagesOnTheChannelAndDragsTheThumb)
{
    bar->SetPageSize(2);
    const TRect ch = bar->ChannelRect();
    TestKit::Click(bar, ch.Right - 2, 20);
    EXPECT_EQ(bar->Position(), 2);
    // A drag of the thumb to the far end, and back to the start.
    const TRect t = bar->ThumbRect();
    const int y = (t.Top + t.Bottom) / 2;
    TestKit::MouseDown(bar, (t.Left + t.Right) / 2, y);
    TestKit::MouseMove(bar, 199, y);
    EXPECT_EQ(bar->Position(), 10);
    TestKit::MouseMove(bar, 0, y);
    TestKit::MouseUp(bar, 0, y);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->PositionAt(TPoint{(bar->ChannelRect().Left + bar->ChannelRect().Right) / 2, y}), 5);
}

TEST_F(TrackBarTest, PaintsChannelTicksAndThumb)
{
    bar->SetPosition(5);
    const QImage img = TestKit::RenderToImage(bar);
    const TRect t = bar->ThumbRect();
    const TRect ch = bar->ChannelRect();
    // The thumb's face, the channel beside it, a tick below Min.
    EXPECT_EQ(FromQColor(img.pixelColor((t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2)), ColorToRGB(clBtnFace));
    EXPECT_NE(FromQColor(img.pixelColor(ch.Left, ch.Top)), ColorToRGB(bar->Color()));
    EXPECT_EQ(FromQColor(img.pixelColor(bar->ChannelRect().Left + 5, t.Bottom + 3)), 0x000000u);
}

TEST(Regions, EllipseAndRoundRectCoverWhatTheShapesPaint)
{
    for (int kind = 0; kind < 2; ++kind) {
        const TRect r{3, 2, 41, 27};
        TBitmap bmp(50, 40);
        TCanvas& c = bmp.Canvas();
        c.Brush().SetColor(clWhite);
        c.FillRect(TRect{0, 0, 50, 40});
        c.Pen().SetColor(clBlack);
        c.Brush().SetColor(clBlack);
        TRegion region;
        if (kind == 0) {
            c.Ellipse(r);
            region = TRegion::FromEllipse(r);
        } else {
            c.RoundRect(r, 20, 20);
            region = TRegion::FromRoundRect(r, 20, 20);
        }
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 50; ++x)
                ASSERT_EQ(region.Contains(TPoint{x, y}), c.Pixels(x, y) == 0) << kind << ": " << x << "," << y;
    }
    EXPECT_TRUE(TRegion::FromEllipse(TRect{5, 5, 5, 20}).IsEmpty());
}

}  // namespace
