// The watch's geometry and time arithmetic.
#include <gtest/gtest.h>

#include <vector>

#include "controls/dropdown/WatchGeometry.h"

namespace {

TEST(WatchGeometry, FaceCentreAndRadii)
{
    const TWatchGeometry g = MakeWatchGeometry(TRect{0, 0, 180, 180}, 0, 4);
    EXPECT_EQ(g.Face, (TRect{10, 10, 170, 170}));
    EXPECT_EQ(g.CX, 90);
    EXPECT_EQ(g.CY, 90);
    EXPECT_EQ(g.R, 80.0);
    EXPECT_EQ(g.R0, 78.0);
    EXPECT_EQ(WatchFaceRect(TRect{0, 0, 170, 120}, 0), (TRect{35, 10, 135, 110}));
    EXPECT_EQ(WatchFaceRect(TRect{0, 0, 170, 120}, 300), (TRect{25, 0, 145, 120}));  // cut to the client
    EXPECT_EQ(WatchFaceRect(TRect{0, 0, 170, 120}, 60), (TRect{55, 30, 115, 90}));
}

TEST(WatchGeometry, PolarPointsRoundHalfToEven)
{
    EXPECT_EQ(WatchPolar(90, 90, 0, 50), (TPoint{90, 40}));
    EXPECT_EQ(WatchPolar(90, 90, 90, 50), (TPoint{140, 90}));
    EXPECT_EQ(WatchPolar(90, 90, 180, 50), (TPoint{90, 140}));
    EXPECT_EQ(WatchPolar(90, 90, 30, 5), (TPoint{92, 86}));  // 2.5 -> 2, 4.33 -> 4
    EXPECT_EQ(WatchRound(2.5), 2);
    EXPECT_EQ(WatchRound(3.5), 4);
}

TEST(WatchGeometry, MinuteFromPoint)
{
    struct Row {
        int X, Y, Minute;
    };
    // The centre is (90, 90); the margin clicks right, down, left, up.
    const Row rows[] = {{175, 90, 15}, {90, 175, 30}, {5, 90, 45}, {90, 5, 0},
                        {150, 40, 8},  {150, 140, 22}, {30, 140, 38}, {30, 40, 52}, {89, 5, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(MinuteFromPoint(90, 90, r.X, r.Y), r.Minute) << r.X << "," << r.Y;
}

TEST(WatchGeometry, HourFromPointByHalfOfTheDay)
{
    // Just left of 12 o'clock, and 3 o'clock.
    EXPECT_EQ(HourFromPoint(90, 90, 88, 30, true), 0);
    EXPECT_EQ(HourFromPoint(90, 90, 88, 30, false), 12);
    EXPECT_EQ(HourFromPoint(90, 90, 92, 30, false), 12);
    EXPECT_EQ(HourFromPoint(90, 90, 150, 90, true), 3);
    EXPECT_EQ(HourFromPoint(90, 90, 150, 90, false), 15);
    EXPECT_EQ(HourFromPoint(90, 90, 30, 90, false), 21);
}

TEST(WatchGeometry, AMPMBox)
{
    EXPECT_EQ(WatchAMPMRect(90, 90, 80.0, 20, 13), (TRect{76, 112, 104, 125}));
}

TEST(WatchGeometry, GlideSteps)
{
    // 40 minutes with factor 10: 4, 4, 3, ...
    std::vector<int> minutes;
    for (int m = 0; m != 40; m = NextMinuteTowards(m, 40, 10))
        minutes.push_back(m);
    ASSERT_GE(minutes.size(), 4u);
    EXPECT_EQ(minutes[1] - minutes[0], 4);
    EXPECT_EQ(minutes[2] - minutes[1], 4);
    EXPECT_EQ(minutes[3] - minutes[2], 3);
    // Over 59 to 0 forwards, single steps at the end, never past.
    EXPECT_EQ(NextMinuteTowards(50, 0, 10), 51);
    EXPECT_EQ(NextMinuteTowards(59, 0, 10), 0);
    EXPECT_EQ(NextMinuteTowards(20, 0, 10), 18);
    EXPECT_EQ(MinuteDistance(45, 0), 15);
    EXPECT_EQ(MinuteDistance(15, 0), 15);
    // Hours 3 -> 9 with factor 10: one per step.
    EXPECT_EQ(NextHourTowards(3, 9, 10), 4);
    EXPECT_EQ(NextHourTowards(9, 3, 10), 8);
    EXPECT_EQ(NextHourTowards(0, 23, 2), 12);
    // A factor of 0 counts as 1.
    EXPECT_EQ(WatchAnimationStep(7, 0), 7);
    EXPECT_EQ(NextHourTowards(3, 9, 0), 9);
}

TEST(WatchGeometry, MinuteZeroFromTheSecondHalfAdvancesTheHour)
{
    EXPECT_EQ(ApplyMinute({23, 45}, 0, 45), (THourMinute{0, 0}));
    EXPECT_EQ(ApplyMinute({10, 15}, 0, 15), (THourMinute{10, 0}));
    EXPECT_EQ(ApplyMinute({10, 59}, 0, 59), (THourMinute{11, 0}));
    EXPECT_EQ(ApplyMinute({10, 15}, 40, 15), (THourMinute{10, 40}));
}

}  // namespace
