#include <gtest/gtest.h>

#include "platform/rtl/rtl.h"

namespace {

TEST(DateTime, EncodeDecodeAroundTheEpoch)
{
    struct {
        int y, m, d;
        double serial;
    } cases[] = {{1899, 12, 30, 0}, {1900, 1, 1, 2}, {2000, 2, 29, 36585}, {1899, 12, 29, -1}, {2026, 12, 10, 46366}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
        int y, m, d;
        DecodeDate(c.serial, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d);
    }
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    int h, n, s, ms;
    DecodeTime(EncodeTime(13, 45, 30, 250), h, n, s, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 134530250);
    // Negative serials keep a positive time of day.
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(DayOfWeek(0), 7);  // a Saturday
}

// Order in time, not in serial numbers: before 1899-12-30 a later time of the
// same day has the smaller serial (18:00 = -1.75, 06:00 = -1.25).
TEST(DateTime, CompareInTimeOnBothSidesOfTheEpoch)
{
    struct {
        double a, b;
        int expected;
    } cases[] = {
        {-1.75, -1.25, 1},    // 29 Dec 1899: 18:00 after 06:00
        {-1.25, -1.75, -1},
        {-1.75, -1.75, 0},
        {-1.75, -0.5, -1},    // 29 Dec 18:00 before 30 Dec 12:00
        {-2.0, -1.99, -1},    // 28 Dec midnight before 29 Dec 23:45:36
        {-1.0, -0.0, -1},     // 29 Dec before 30 Dec
        {0.25, 0.75, -1},
        {1.5, 0.5, 1},
        {-0.0, 0.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareDateTime(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(DateTime, FormatAndParse)
{
    const TDateTime v = EncodeDate(2024, 3, 5) + EncodeTime(7, 8, 9, 10);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", v), "2024-03-05 07:08:09.010");
    EXPECT_EQ(FormatDateTime("d/m/yy h:mm", v), "5/3/24 7:08");
    EXPECT_EQ(FormatDateTime("ddd dd mmm 'at' hh", v), "Tue 05 Mar at 07");
    EXPECT_EQ(DateToStr(v), "05/03/2024");
    EXPECT_EQ(TimeToStr(v), "07:08:09");
    TDateTime d;
    ASSERT_TRUE(TryStrToDate("05/03/2024", d));
    EXPECT_DOUBLE_EQ(d, EncodeDate(2024, 3, 5));
    EXPECT_FALSE(TryStrToDate("31/02/2024", d));
    EXPECT_FALSE(TryStrToDate("5-3-2024", d));
    ASSERT_TRUE(TryStrToTime("13:05", d));
    EXPECT_DOUBLE_EQ(d, EncodeTime(13, 5, 0, 0));
    EXPECT_FALSE(TryStrToTime("25:00", d));
}

enum class Opt { A, B, C, D };

TEST(SetType, MembershipAndAlgebra)
{
    Set<Opt> s{Opt::A, Opt::C};
    EXPECT_TRUE(s.Contains(Opt::A));
    EXPECT_FALSE(s.Contains(Opt::B));
    s.Include(Opt::B).Exclude(Opt::A);
    EXPECT_EQ(s, (Set<Opt>{Opt::B, Opt::C}));
    EXPECT_EQ((s + Set<Opt>{Opt::D}), (Set<Opt>{Opt::B, Opt::C, Opt::D}));
    EXPECT_EQ((s - Set<Opt>{Opt::C}), (Set<Opt>{Opt::B}));
    EXPECT_EQ((s * Set<Opt>{Opt::C, Opt::D}), (Set<Opt>{Opt::C}));
    EXPECT_TRUE(Set<Opt>().Empty());
    EXPECT_TRUE(s.ContainsAll({Opt::B}));
}

}  // namespace
