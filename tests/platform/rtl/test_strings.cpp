#include <gtest/gtest.h>

#include <limits>

#include "platform/rtl/strings.h"

namespace {

struct IntCase {
    const char* text;
    bool ok;
    int value;
};

class TryStrToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(TryStrToIntTest, ReadsExactlyTheDocumentedForms)
{
    const IntCase& c = GetParam();
    int v = 12345;
    EXPECT_EQ(TryStrToInt(QString::fromUtf8(c.text), v), c.ok) << c.text;
    if (c.ok) {
        EXPECT_EQ(v, c.value) << c.text;
    } else {
        EXPECT_EQ(v, 12345) << "value must stay untouched on failure: " << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TryStrToIntTest,
    ::testing::Values(IntCase{"0", true, 0}, IntCase{"42", true, 42}, IntCase{"007", true, 7},
                      IntCase{"+5", true, 5}, IntCase{"-5", true, -5}, IntCase{"   12", true, 12},
                      IntCase{"$1F", true, 31}, IntCase{"$ff", true, 255}, IntCase{"x10", true, 16},
                      IntCase{"X10", true, 16}, IntCase{"0x10", true, 16}, IntCase{"0X1a", true, 26},
                      IntCase{"-$10", true, -16}, IntCase{"-0x10", true, -16},
                      IntCase{"2147483647", true, 2147483647},
                      IntCase{"-2147483648", true, std::numeric_limits<int>::min()},
                      IntCase{"$7FFFFFFF", true, 2147483647},
                      // refused
                      IntCase{"", false, 0}, IntCase{" ", false, 0}, IntCase{"12 ", false, 0},
                      IntCase{"\t12", false, 0}, IntCase{"1 2", false, 0}, IntCase{"+", false, 0},
                      IntCase{"-", false, 0}, IntCase{"$", false, 0}, IntCase{"0x", false, 0},
                      IntCase{"12a", false, 0}, IntCase{"1.5", false, 0}, IntCase{"1e3", false, 0},
                      IntCase{"2147483648", false, 0}, IntCase{"-2147483649", false, 0},
                      IntCase{"$80000000", false, 0}, IntCase{"$FFFFFFFF", false, 0},
                      IntCase{"99999999999999999999", false, 0}, IntCase{"--1", false, 0},
                      IntCase{"$-1", false, 0}, IntCase{"0b101", false, 0}, IntCase{"\xd9\xa3", false, 0}));

TEST(IntegerConversion, Int64AndDefaultsAndExceptions)
{
    int64_t v = 0;
    EXPECT_TRUE(TryStrToInt64("9223372036854775807", v));
    EXPECT_EQ(v, std::numeric_limits<int64_t>::max());
    EXPECT_TRUE(TryStrToInt64("-9223372036854775808", v));
    EXPECT_EQ(v, std::numeric_limits<int64_t>::min());
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", v));
    EXPECT_EQ(StrToIntDef("x", -7), -7);
    EXPECT_EQ(StrToIntDef("$10", -7), 16);
    EXPECT_THROW(StrToInt("12 "), EConvertError);
    EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
}

TEST(IntegerConversion, DecimalDigitsOnly)
{
    int v = -1;
    EXPECT_TRUE(TryStrToDecimalDigits("0255", v));
    EXPECT_EQ(v, 255);
    for (const char* bad : {"", " 1", "1 ", "+1", "-1", "$1", "0x1", "1a", "2147483648"})
        EXPECT_FALSE(TryStrToDecimalDigits(bad, v)) << bad;
}

TEST(IntegerConversion, IntToHexPadsAndShowsTwosComplement)
{
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x12345, 2), "12345");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(0x80000, 5), "80000");
    EXPECT_EQ(IntToStr(-42), "-42");
}

TEST(Substrings, CopyClampsAtTheEdges)
{
    const QString s = "Hello";
    struct {
        int index, count;
        const char* want;
    } cases[] = {{1, 5, "Hello"}, {1, 99, "Hello"}, {0, 2, "He"},  {-3, 2, "He"}, {5, 1, "o"},
                 {6, 1, ""},      {2, 0, ""},       {2, -1, ""},   {3, 2, "ll"},  {5, 99, "o"}};
    for (const auto& c : cases)
        EXPECT_EQ(Copy(s, c.index, c.count), c.want) << c.index << "," << c.count;
    EXPECT_EQ(Copy(s, 3), "llo");
    EXPECT_EQ(Copy(QString(), 1, 1), "");
}

TEST(Substrings, PosIsOneBasedAndZeroWhenAbsent)
{
    EXPECT_EQ(Pos("l", "Hello"), 3);
    EXPECT_EQ(Pos("lo", "Hello"), 4);
    EXPECT_EQ(Pos("H", "Hello"), 1);
    EXPECT_EQ(Pos("x", "Hello"), 0);
    EXPECT_EQ(Pos("", "Hello"), 0);
    EXPECT_EQ(Pos("a", ""), 0);
    EXPECT_EQ(Pos("l", "Hello", 4), 4);
    EXPECT_EQ(Pos("l", "Hello", 5), 0);
    EXPECT_EQ(Pos("Hello!", "Hello"), 0);
}

TEST(Substrings, DeleteAndInsertAtTheEdges)
{
    struct {
        int index, count;
        const char* want;
    } del[] = {{1, 1, "ello"}, {5, 1, "Hell"}, {5, 9, "Hell"}, {6, 1, "Hello"},
               {0, 1, "Hello"}, {2, 0, "Hello"}, {2, -2, "Hello"}, {1, 99, ""}};
    for (const auto& c : del) {
        QString s = "Hello";
        Delete(s, c.index, c.count);
        EXPECT_EQ(s, c.want) << c.index << "," << c.count;
    }
    struct {
        int index;
        const char* want;
    } ins[] = {{1, "xHello"}, {0, "xHello"}, {3, "Hexllo"}, {6, "Hellox"}, {99, "Hellox"}};
    for (const auto& c : ins) {
        QString s = "Hello";
        Insert("x", s, c.index);
        EXPECT_EQ(s, c.want) << c.index;
    }
}

TEST(TrimAndCase, TrimRemovesControlCharactersToo)
{
    EXPECT_EQ(Trim(QString("\t\r\n x y \x01\x1f")), "x y");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim(QString::fromUtf8("\xc2\xa0" "a")), QString::fromUtf8("\xc2\xa0" "a"));  // U+00A0 is kept
    EXPECT_EQ(UpperCase(QString::fromUtf8("abc\xc3\xa9")), QString::fromUtf8("ABC\xc3\xa9"));
    EXPECT_EQ(AnsiUpperCase(QString::fromUtf8("abc\xc3\xa9")), QString::fromUtf8("ABC\xc3\x89"));
    EXPECT_TRUE(SameText("Abc", "aBC"));
    EXPECT_LT(CompareText("a", "B"), 0);
}

TEST(Rounding, RoundIsHalfToEven)
{
    struct {
        double in;
        int64_t out;
    } cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4},  {-0.5, 0}, {-1.5, -2},
                 {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {1e10 + 0.5, 10000000000LL}};
    for (const auto& c : cases)
        EXPECT_EQ(Round(c.in), c.out) << c.in;
    EXPECT_EQ(Trunc(-2.7), -2);
    EXPECT_EQ(Trunc(2.7), 2);
}

TEST(Rounding, MulDivRoundsHalfAwayFromZero)
{
    struct {
        int a, b, c, out;
    } cases[] = {{10, 1, 4, 3},   {-10, 1, 4, -3}, {10, -1, 4, -3}, {9, 1, 4, 2},   {7, 1, 2, 4},
                 {-7, 1, 2, -4},  {5, 96, 96, 5},  {13, 120, 96, 16}, {1, 1, 0, -1},
                 {2147483647, 2, 1, -1}, {2147483647, 2, 2, 2147483647}, {-11, 3, -2, 17}};
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.out) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Floats, StrToFloatWithExplicitSeparator)
{
    struct {
        const char* text;
        char sep;
        bool ok;
        double value;
    } cases[] = {{"1.5", '.', true, 1.5},     {"1,5", ',', true, 1.5},     {" -2.25 ", '.', true, -2.25},
                 {"+3", '.', true, 3},        {".5", '.', true, 0.5},      {"5.", '.', true, 5},
                 {"1e3", '.', true, 1000},    {"1.5E-2", '.', true, 0.015}, {"1,5", '.', false, 0},
                 {"", '.', false, 0},         {".", '.', false, 0},        {"1e", '.', false, 0},
                 {"abc", '.', false, 0},      {"1.5x", '.', false, 0},     {"inf", '.', false, 0},
                 {"nan", '.', false, 0},      {"1e999", '.', false, 0},    {"1 000", '.', false, 0}};
    for (const auto& c : cases) {
        double v = -99;
        EXPECT_EQ(TryStrToFloat(c.text, v, QChar(c.sep)), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_THROW(StrToFloat("x"), EConvertError);
}

TEST(Floats, FloatToStrUsesFifteenSignificantDigits)
{
    struct {
        double v;
        const char* want;
    } cases[] = {{0, "0"},           {1.5, "1.5"},     {-0.25, "-0.25"}, {0.1, "0.1"},        {100, "100"},
                 {1e20, "1E20"},     {1.5e-6, "1.5E-6"}, {0.00001, "0.00001"}, {123456789012345.0, "123456789012345"},
                 {1.0 / 3, "0.333333333333333"}};
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.v), c.want) << c.v;
    EXPECT_EQ(FloatToStr(2.5, u','), "2,5");
    EXPECT_EQ(FloatToStrF(2.345, 1), "2.3");
}

TEST(FormatTest, SupportedSubset)
{
    struct {
        QString got;
        const char* want;
    } cases[] = {
        {Format("%d items", {Arg(3)}), "3 items"},
        {Format("%s=%d", {Arg("a"), Arg(-12)}), "a=-12"},
        {Format("%x %X", {Arg(255), Arg(255)}), "ff FF"},
        {Format("%.4X", {Arg(0x1F)}), "001F"},
        {Format("%.2f", {Arg(2.345)}), "2.35"},
        {Format("%.0f", {Arg(2.0)}), "2"},
        {Format("%4d|%-4d|%04d", {Arg(7), Arg(7), Arg(-7)}), "   7|7   |-007"},
        {Format("100%%", {}), "100%"},
        {Format("%.2d", {Arg(5)}), "05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want);
}

TEST(FormatTest, MismatchRaises)
{
    EXPECT_THROW(Format("%d", {Arg("x")}), EConvertError);
    EXPECT_THROW(Format("%s", {Arg(1)}), EConvertError);
    EXPECT_THROW(Format("%d %d", {Arg(1)}), EConvertError);
    EXPECT_THROW(Format("%q", {Arg(1)}), EConvertError);
    EXPECT_THROW(Format("50%", {}), EConvertError);
}

}  // namespace
