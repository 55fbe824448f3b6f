// The analog watch: setting the time by mouse and keys, gliding, painting.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/dropdown/VynWatch.h"
#include "dropdown_fixture.h"
#include "platform/gui/forms.h"

using namespace DropDownTestKit;

namespace {

TDateTime at(int H, int M, int S = 0) { return EncodeTime(H, M, S, 0); }

std::string hm(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T, h, m, s, ms);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", h, m);
    return buf;
}

struct WatchTest : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    TForm* form = nullptr;
    TVynWatch* watch = nullptr;
    int changes = 0;
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 200, 200);
        watch = new TVynWatch(form);
        watch->SetParent(form);
        watch->SetAnimation(false);
        watch->OnChange = [this](TObject*) { ++changes; };
        form->Show();
    }
    void TearDown() override { form->Free(); }
    void click(int X, int Y) { TestKit::Click(watch, X, Y); }
};

TEST_F(WatchTest, NewWatch)
{
    EXPECT_EQ(watch->Width(), 180);
    EXPECT_EQ(watch->Height(), 180);
    EXPECT_EQ(watch->GetWatchRect(), (TRect{10, 10, 170, 170}));
    EXPECT_FALSE(watch->Settings().Auto());
    EXPECT_TRUE(watch->ShowAMPM());
    EXPECT_EQ(watch->Appearance().HourFont().Name(), "Tahoma");
    EXPECT_EQ(watch->Appearance().PointerStyle(), psLine);
}

TEST_F(WatchTest, MarginClicksSetTheMinute)
{
    watch->SetTime(at(10, 20));
    const struct {
        int X, Y, Minute;
    } clicks[] = {{176, 90, 15}, {90, 176, 30}, {4, 90, 45}, {90, 4, 0}};
    int expected = 0;
    for (const auto& c : clicks) {
        click(c.X, c.Y);
        int h, m, s, ms;
        DecodeTime(watch->Time(), h, m, s, ms);
        EXPECT_EQ(m, c.Minute) << c.X << "," << c.Y;
        ++expected;
    }
    // 45 -> 0 from the second half of the hour advances the hour.
    EXPECT_EQ(hm(watch->Time()), "11:00");
    EXPECT_EQ(changes, expected) << "every click notifies";
}

TEST_F(WatchTest, FaceClicksSetTheHourByHalfOfTheDay)
{
    watch->SetTime(at(15, 10));
    click(88, 40);  // just left of 12 o'clock
    EXPECT_EQ(hm(watch->Time()), "12:10");
    watch->SetTime(at(9, 10));
    click(88, 40);
    EXPECT_EQ(hm(watch->Time()), "00:10");
    click(150, 90);  // 3 o'clock
    EXPECT_EQ(hm(watch->Time()), "03:10");
}

TEST_F(WatchTest, TheAMPMBoxSwitchesTheHalfOfTheDay)
{
    watch->SetTime(at(9, 30));
    const TRect box = watch->GetAMPMRect();
    ASSERT_FALSE(box.IsEmpty());
    click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(hm(watch->Time()), "21:30");
    EXPECT_FALSE(watch->AM());
    click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(hm(watch->Time()), "09:30");
    EXPECT_EQ(changes, 2);
    // Without the box its place is face: a click there sets the hour.
    watch->SetShowAMPM(false);
    EXPECT_EQ(watch->GetAMPMRect(), (TRect{-1, -1, -1, -1}));
    click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(hm(watch->Time()), "06:30");
}

TEST_F(WatchTest, WithAnimationTheAMPMTextSlidesAndTheHourGlides)
{
    watch->SetAnimation(true);
    watch->SetTime(at(9, 30));
    const TRect box = watch->GetAMPMRect();
    const QImage before = TestKit::RenderToImage(watch);
    click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_FALSE(watch->AM());
    // The hand is set at once (the toggle is the watch's own set); the
    // text slides on the 10 ms timer.
    EXPECT_EQ(hm(watch->Time()), "21:30");
    EXPECT_EQ(changes, 1);
    clock.Advance(30);
    const QImage sliding = TestKit::RenderToImage(watch);
    if (const char* dir = std::getenv("VYN_RENDER_DIR"); dir && *dir)
        sliding.save(QString::fromLocal8Bit(dir) + QStringLiteral("/watch-ampm-sliding.png"));
    EXPECT_NE(sliding.copy(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top),
              before.copy(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top));
    clock.Advance(1000);
    const QImage after = TestKit::RenderToImage(watch);
    auto* pm = new TVynWatch(form);
    pm->SetParent(form);
    pm->SetAnimation(false);
    pm->SetTime(at(21, 30));
    const QRect r(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
    EXPECT_EQ(after.copy(r), TestKit::RenderToImage(pm).copy(r)) << "the slide ends with PM in the box";
    EXPECT_NE(after.copy(r), before.copy(r));
}

TEST_F(WatchTest, TheHandCursorOverTheAMPMBox)
{
    const TRect box = watch->GetAMPMRect();
    TestKit::MouseMove(watch, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(watch->Cursor(), crHandPoint);
    TestKit::MouseMove(watch, 40, 40);
    EXPECT_EQ(watch->Cursor(), crDefault);
}

TEST_F(WatchTest, MinuteZeroFromTheSecondHalfAdvancesTheHour)
{
    watch->SetTime(at(23, 45));
    watch->SetMinute(0);
    EXPECT_EQ(hm(watch->Time()), "00:00");
    watch->SetTime(at(10, 15));
    watch->SetMinute(0);
    EXPECT_EQ(hm(watch->Time()), "10:00");
    // Out of range: ignored.
    watch->SetMinute(60);
    watch->SetHour(24);
    EXPECT_EQ(hm(watch->Time()), "10:00");
}

TEST_F(WatchTest, Keys)
{
    const struct {
        int H, M;
        Word Key;
        const char* Result;
    } rows[] = {{10, 0, VK_LEFT, "09:59"},   {0, 0, VK_LEFT, "23:59"},  {10, 59, VK_RIGHT, "11:00"},
                {15, 20, 'A', "03:20"},      {3, 20, 'P', "15:20"},     {3, 20, 'A', "03:20"},
                {15, 20, 'P', "15:20"},      {23, 5, VK_PRIOR, "00:05"}, {0, 5, VK_NEXT, "23:05"},
                {7, 5, VK_HOME, "12:05"},    {7, 45, VK_END, "08:00"}};
    for (const auto& r : rows) {
        watch->SetTime(at(r.H, r.M));
        watch->WatchKeyDown(r.Key);
        EXPECT_EQ(hm(watch->Time()), r.Result) << r.H << ":" << r.M << " key " << r.Key;
    }
}

TEST_F(WatchTest, GlidingMovesOneHourPerTickAndNotifiesOnce)
{
    watch->SetAnimation(true);
    watch->SetAnimationFactor(10);
    watch->SetTime(at(3, 0));
    watch->SetHour(9);
    EXPECT_EQ(hm(watch->Time()), "03:00");
    std::vector<std::string> seen;
    for (int i = 0; i < 10 && watch->Animating(); ++i) {
        clock.Advance(10);
        seen.push_back(hm(watch->Time()));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"04:00", "05:00", "06:00", "07:00", "08:00", "09:00", "09:00"}));
    EXPECT_EQ(changes, 1);
    // The A key glides back hour by hour.
    watch->SetTime(at(15, 20));
    watch->WatchKeyDown('A');
    clock.Advance(200);
    EXPECT_EQ(hm(watch->Time()), "03:20");
    // A factor of 0 counts as 1: one step.
    watch->SetAnimationFactor(0);
    watch->SetMinute(40);
    clock.Advance(10);
    EXPECT_EQ(hm(watch->Time()), "03:40");
}

TEST_F(WatchTest, FortyMinutesWithFactorTenStepFourFourThree)
{
    watch->SetAnimation(true);
    watch->SetTime(at(6, 0));
    watch->SetMinute(40);
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        clock.Advance(10);
        seen.push_back(hm(watch->Time()));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"06:04", "06:08", "06:11"}));
}

TEST_F(WatchTest, ClockModeShowsNowPlusTheOffsetAndIgnoresTheUser)
{
    watch->NowFunction = [] { return EncodeTime(14, 0, 0, 0); };
    watch->Settings().SetTimeOffset(30);
    watch->Settings().SetAuto(true);
    EXPECT_EQ(hm(watch->GetCurrentTime()), "14:30");
    const TDateTime t = watch->Time();
    click(150, 90);
    watch->WatchKeyDown(VK_LEFT);
    EXPECT_EQ(watch->Time(), t);
    EXPECT_EQ(changes, 0);
}

TEST_F(WatchTest, StylesAndTickMarks)
{
    // The current style: nothing changes.
    watch->Appearance().SetBackgroundColor(0x123456);
    watch->SetStyle(TWatchStyle::wsClassic);
    EXPECT_EQ(watch->Appearance().BackgroundColor(), TColor(0x123456));
    watch->SetStyle(TWatchStyle::wsTower);
    EXPECT_EQ(watch->Appearance().Shape(), wsRect);
    EXPECT_EQ(watch->Appearance().TickMarks(), tmHours);
    EXPECT_FALSE(watch->ShowNumbers());
    watch->SetStyle(TWatchStyle::wsSports);
    EXPECT_EQ(watch->Appearance().CenterPointSize(), 50);  // nearest(180 / 3.6)
    EXPECT_EQ(watch->Appearance().HourFont().Name(), "Times New Roman");
    watch->SetStyle(TWatchStyle::wsClassic);
    EXPECT_EQ(watch->Appearance().HourFont().Name(), "Comic Sans MS");
    EXPECT_EQ(watch->Appearance().HourMarkLength(), 8);
    watch->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(watch->Appearance().BackgroundColor(), TColor(0x5C534C));
    EXPECT_EQ(watch->Appearance().HourFont().Color(), TColor(0xF2F1F0));
}

TEST_F(WatchTest, HourMarksWithoutNumbers)
{
    watch->SetTime(at(0, 0));
    watch->Appearance().SetHourPointer(clNone);
    watch->Appearance().SetMinutePointer(clNone);
    watch->Appearance().SetHourPointerShadow(clNone);
    watch->Appearance().SetMinutePointerShadow(clNone);
    watch->Appearance().SetHourColor(0x0000FF);
    watch->Appearance().SetMinuteColor(0x00FF00);
    watch->Appearance().HourFont().SetColor(0xFF0000);
    auto count = [&](const QImage& I, TColor C) {
        int n = 0;
        for (int y = 0; y < I.height(); ++y)
            for (int x = 0; x < I.width(); ++x)
                n += PixelAt(I, x, y) == C;
        return n;
    };
    const QImage all = TestKit::RenderToImage(watch);
    EXPECT_GT(count(all, 0xFF0000), 0) << "numbers";
    EXPECT_GT(count(all, 0x00FF00), 0) << "minute marks";
    watch->Appearance().SetTickMarks(tmHours);
    const QImage hours = TestKit::RenderToImage(watch);
    EXPECT_EQ(count(hours, 0xFF0000), 0) << "no numbers";
    EXPECT_EQ(count(hours, 0x00FF00), 0) << "no minute marks";
    // Twelve marks: the mark pixels of each hour position.
    const TWatchGeometry g = watch->Geometry();
    for (int h = 0; h < 12; ++h) {
        const TPoint p = WatchPolar(g.CX, g.CY, h * 30.0, g.R0 * 0.95);
        bool marked = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                marked = marked || PixelAt(hours, p.X + dx, p.Y + dy) == 0x0000FFu;
        EXPECT_TRUE(marked) << "hour " << h;
    }
    watch->Appearance().SetTickMarks(tmNone);
    EXPECT_EQ(count(TestKit::RenderToImage(watch), 0x0000FF), 0);
}

}  // namespace
