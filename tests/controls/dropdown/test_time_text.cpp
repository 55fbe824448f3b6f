// The time text: which part the caret steps, the steps, typed times.
#include <gtest/gtest.h>

#include <string>

#include "controls/dropdown/TimeText.h"

namespace {

TEST(TimeText, PartUnderTheCaret)
{
    struct Row {
        const char* Text;
        int SelStart;
        bool Seconds;
        TTimePart Part;
    };
    const Row rows[] = {
        {"12:34:56", 0, true, tpHour},   {"12:34:56", 2, true, tpHour},   // just in front of the separator
        {"12:34:56", 3, true, tpMinute}, {"12:34:56", 5, true, tpMinute}, // just behind the first one
        {"12:34:56", 6, true, tpSecond}, {"12:34:56", 8, true, tpSecond}, // just behind the second one
        {"12:34", 2, false, tpHour},     {"12:34", 3, false, tpMinute},   {"12:34", 5, false, tpMinute},
        {"12:34:56", 7, false, tpMinute}, {"12:34", 5, true, tpMinute},   // no second separator
    };
    for (const Row& r : rows)
        EXPECT_EQ(TimePartAtCaret(QString::fromLatin1(r.Text), r.SelStart, r.Seconds, u':'), r.Part)
            << r.Text << " at " << r.SelStart << (r.Seconds ? " with seconds" : "");
}

TEST(TimeText, StepsWrapWithoutCarry)
{
    struct Row {
        TTimePart Part;
        int Value;
        bool Up;
        int Result;
    };
    const Row rows[] = {{tpHour, 23, false, 0},  {tpHour, 0, true, 23},    {tpHour, 10, true, 9},
                        {tpHour, 10, false, 11}, {tpMinute, 59, false, 0}, {tpMinute, 0, true, 59},
                        {tpSecond, 59, false, 0}, {tpSecond, 30, true, 29}};
    for (const Row& r : rows)
        EXPECT_EQ(StepTimePart(r.Part, r.Value, r.Up), r.Result) << int(r.Part) << " " << r.Value;
}

TEST(TimeText, FormatAndMask)
{
    EXPECT_EQ(FormatTimeText({7, 5, 3}, true, u':'), "07:05:03");
    EXPECT_EQ(FormatTimeText({12, 34, 56}, false, u'.'), "12.34");
    EXPECT_EQ(TimeEditMask(true, u':'), "!90:00:00;1; ");
    EXPECT_EQ(TimeEditMask(false, u'.'), "!90.00;1; ");
}

TEST(TimeText, TypedTimes)
{
    struct Row {
        const char* Text;
        bool Seconds;
        TTypedTime Result;
        TTimeParts Parts;
        bool Rewrite;
    };
    const Row rows[] = {
        {"12:34", false, tvTime, {12, 34, 0}, false},        // left as typed
        {"12:34:56", true, tvTime, {12, 34, 56}, false},
        {"1 :00", false, tvTime, {10, 0, 0}, true},          // the blank becomes a zero
        {" 9:00", false, tvIncomplete, {}, false},     // trimmed, not a whole entry
        {"09:00", false, tvTime, {9, 0, 0}, false},
        {"25:00", false, tvOutOfRange, {}, false},
        {"12:60", false, tvOutOfRange, {}, false},
        {"12:00:75", true, tvOutOfRange, {}, false},
        {"12:3", false, tvIncomplete, {}, false},            // not a whole entry
        {"", false, tvIncomplete, {}, false},
        {"12:34", true, tvIncomplete, {}, false},
        {"12:34:56", false, tvIncomplete, {}, false},        // a second separator without seconds
        {"1a:34", false, tvIncomplete, {}, false},
        {"12345", false, tvIncomplete, {}, false},
        {"12:34:56:7", true, tvIncomplete, {}, false},
    };
    for (const Row& r : rows) {
        TTimeParts t{-1, -1, -1};
        bool rewrite = false;
        const TTypedTime res = ReadTypedTime(QString::fromLatin1(r.Text), r.Seconds, u':', t, rewrite);
        EXPECT_EQ(res, r.Result) << r.Text;
        if (res == tvTime) {
            EXPECT_EQ(t, r.Parts) << r.Text;
            EXPECT_EQ(rewrite, r.Rewrite) << r.Text;
        } else {
            EXPECT_EQ(t, (TTimeParts{-1, -1, -1})) << r.Text << ": parts written";
        }
    }
}

}  // namespace
