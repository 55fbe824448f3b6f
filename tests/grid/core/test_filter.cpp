// Filter expressions: wildcards, negation, comparisons (numeric under two
// decimal separators, by date, as text), operators without precedence,
// groups, quotes, and the group without its closing bracket.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "grid/core/grid_filter.h"
#include "support/grid_formats.h"

namespace {

String S(const char* Utf8) { return QString::fromUtf8(Utf8); }

TGridFormatSettings euFormats()
{
    TGridFormatSettings f;
    f.DecimalSeparator = u',';
    f.ThousandSeparator = u'.';
    f.DateSeparator = u'.';
    f.TimeSeparator = u':';
    f.ShortDateFormat = QStringLiteral("dd.mm.yyyy");
    return f;
}

struct Case {
    const char* expression;
    const char* value;
    bool match;
};

void expectCases(std::initializer_list<Case> Cases, const TGridFormatSettings& FS, bool CaseSensitive = false)
{
    for (const Case& c : Cases)
        EXPECT_EQ(MatchFilterExpression(S(c.expression), S(c.value), CaseSensitive, FS), c.match)
            << "'" << c.expression << "' against '" << c.value << "'";
}

}  // namespace

TEST(FilterExpression, WildcardsAndNegation)
{
    expectCases({{"=abc", "abc", true},  {"=abc", "abd", false}, {"=", "", true},        {"=", "x", false},
                 {"", "", true},         {"a*", "abc", true},    {"*c", "abc", true},    {"a?c", "abc", true},
                 {"a?c", "ac", false},   {"a*c", "ac", true},    {"a*c", "acb", false},  {"*", "", true},
                 {"?", "", false},       {"!a*", "bcd", true},   {"!a*", "abc", false},  {"a**c", "abxc", true},
                 {" a * ", "abc", true}, {"\"a b\"", "a b", true}, {"*b*", "abc", true}, {"abc", "ab", false}},
                UsGridFormats());
}

TEST(FilterExpression, CaseHandling)
{
    expectCases({{"A*", "abc", true}, {">b", "C", true}, {"\u00e4*", "\u00c4x", true}}, UsGridFormats());
    expectCases({{"A*", "abc", false}, {">b", "C", false}, {">b", "c", true}}, UsGridFormats(), true);
}

TEST(FilterExpression, OperatorsFromLeftToRight)
{
    expectCases({{"a|b", "b", true},
                 {"a;b", "b", true},
                 {"a^b", "b", true},
                 {"a&b", "a", false},
                 {"a&b", "b", false},
                 {"a&*", "a", true},
                 {"a|b|c", "c", true},
                 // no precedence: (a or b) and c
                 {"a;b&c", "a", false},
                 {"a;b&c", "c", false},
                 {"*a;b*&*c", "bc", true},
                 {">10&<20", "15", true},
                 {">10&<20", "25", false},
                 {">10&<20", "10", false},
                 {"=\"a&b\"", "a&b", true},
                 {"\"a|b\"", "a|b", true},
                 {"\"a|b\"", "a", false}},
                UsGridFormats());
}

TEST(FilterExpression, Groups)
{
    expectCases({{"(a*|b*)&*c", "ac", true},
                 {"(a*|b*)&*c", "bc", true},
                 {"(a*|b*)&*c", "ad", false},
                 {"((a|b)&(c|b))", "b", true},
                 {"(a|(b&c))|d", "d", true},
                 {"(a|(b&c))", "c", false},
                 {"x|(a*&(*b|*c))", "abc", true},
                 {"x|(a*&(*b|*c))", "abd", false},
                 {"(a)|b", "b", true},
                 {"(a)&b", "a", false},
                 {"(=a)", "a", true},
                 // a "(" inside an operand ends it; what follows does not count
                 {"a(b", "a", true},
                 {"a(b", "b", false}},
                UsGridFormats());
}

// A group whose ")" is missing ends the matching: the expression matches
// nothing, wherever the group stands.
TEST(FilterExpression, UnmatchedBracketMatchesNothing)
{
    expectCases({{"(a", "a", false},
                 {"(", "", false},
                 {"(a|b", "b", false},
                 {"x|(a", "x", false},
                 {"((a)", "a", false},
                 {"(a|(b)", "b", false},
                 {"(*", "anything", false},
                 {"(a))", "a", true}},  // a surplus ")" is only text of the last condition
                UsGridFormats());
}

TEST(FilterExpression, NumericComparisonsUnderBothSeparators)
{
    for (const TGridFormatSettings& fs : {UsGridFormats(), euFormats()}) {
        const QChar d = fs.DecimalSeparator, t = fs.ThousandSeparator;
        auto loc = [&](const char* Text) {
            String r = S(Text);
            for (QChar& c : r)
                c = c == u'.' ? d : c == u',' ? t : c;
            return r;
        };
        const Case cases[] = {
            {">5", "10", true},        {">5", "4", false},        {">=5", "5", true},   {"<5", "4", true},
            {"<5", "5", false},        {"<=5", "5", true},        {">1.5", "2", true},  {">1.5", "1.25", false},
            {">1,000", "1,500", true}, {"<-2", "-3", true},       {">=0.5", "0.50", true},
            {">5", "abc", true},  // not a number: compared as text ("a" after "5")
        };
        for (const Case& c : cases)
            EXPECT_EQ(MatchFilterExpression(loc(c.expression), loc(c.value), false, fs), c.match)
                << "decimal '" << QString(d).toStdString() << "': " << c.expression << " against " << c.value;
    }
    // ">1,5" reads 1.5 only where the comma is the decimal separator.
    EXPECT_TRUE(MatchFilterExpression(S(">1,5"), S("2"), false, euFormats()));
    EXPECT_FALSE(MatchFilterExpression(S(">1,5"), S("2"), false, UsGridFormats()));
}

TEST(FilterExpression, DateAndTextComparisons)
{
    expectCases({{">1/1/2024", "2/1/2024", true},
                 {">1/1/2024", "10", true},          // a number against a date: text order
                 {">1/1/2024", "12/31/2023", false}, // by date, though "12/..." sorts after "1/..." as text
                 {"<1/1/2024", "12/31/2023", true},
                 {">=2/1/2024", "2/1/2024", true},
                 {">b", "c", true},
                 {">b", "a", false}},
                UsGridFormats());
    expectCases({{">01.01.2024", "02.01.2024", true}, {">01.01.2024", "31.12.2023", false}}, euFormats());
    // Dates with a time of day on both sides of 30 December 1899 (a time
    // reaches the operand of ">" only within quotes).
    expectCases({{">\"12/28/1899 23:00\"", "12/29/1899 01:00", true},
                 {">\"12/29/1899 23:00\"", "12/28/1899 01:00", false},
                 {"<12/30/1899", "12/29/1899 23:59", true},
                 {">\"12/29/1899 23:00\"", "12/30/1899 01:00", true},
                 {">\"12/30/1899 06:00\"", "12/30/1899 18:00", true}},
                UsGridFormats());
}

// Before 30 December 1899 a later time of the same day is still later.
TEST(FilterExpression, TimesOfADayBefore1899_12_30InTheirOrder)
{
    expectCases({{">\"12/29/1899 06:00\"", "12/29/1899 18:00", true},
                 {">\"12/29/1899 18:00\"", "12/29/1899 06:00", false},
                 {">12/29/1899", "12/29/1899 18:00", true},
                 {">=\"1/1/1800 12:00\"", "1/1/1800 12:30", true}},
                UsGridFormats());
}

// An operand counts up to its 255th character; what follows is cut, and a
// text comparison looks at no more of the value either.
TEST(FilterExpression, OperandsOf255And256Characters)
{
    const std::string a254(254, 'a'), a255(255, 'a');
    const std::string ge255 = ">=" + a254 + "b", lt255 = "<" + a254 + "b";  // differ at the 255th
    const std::string ge256 = ">=" + a255 + "b", lt256 = "<" + a255 + "b";  // differ at the 256th
    const std::string gt255 = ">" + a255, longer = a255 + "c";
    expectCases({{ge255.c_str(), a255.c_str(), false},
                 {lt255.c_str(), a255.c_str(), true},
                 {ge256.c_str(), a255.c_str(), true},
                 {lt256.c_str(), a255.c_str(), false},
                 {gt255.c_str(), longer.c_str(), false}},
                UsGridFormats());
    expectCases({{ge255.c_str(), a255.c_str(), false}, {ge256.c_str(), a255.c_str(), true}}, UsGridFormats(), true);
}

TEST(FilterExpression, SingleConditionOperands)
{
    const TGridFormatSettings fs = UsGridFormats();
    // The operand of ">" and ">=" keeps a quoted blank; "<" stops at it.
    EXPECT_TRUE(MatchSingleCondition(S(">=\"b c\""), S("b c"), fs));
    EXPECT_FALSE(MatchSingleCondition(S(">=\"b c\""), S("b b"), fs));
    EXPECT_TRUE(MatchSingleCondition(S("<\"b c\""), S("a"), fs));
    EXPECT_FALSE(MatchSingleCondition(S("<\"b c\""), S("b a"), fs));
    // Inside a condition "&" joins a greater and a less test, "^" either.
    EXPECT_TRUE(MatchSingleCondition(S(">2 & <8"), S("5"), fs));
    EXPECT_FALSE(MatchSingleCondition(S(">2 & <4"), S("5"), fs));
    EXPECT_TRUE(MatchSingleCondition(S("<2 ^ >8"), S("9"), fs));
    EXPECT_FALSE(MatchSingleCondition(S("<2 ^ >8"), S("5"), fs));
    EXPECT_TRUE(MatchCondition(S("AB*"), S("abc"), false, fs));
    EXPECT_FALSE(MatchCondition(S("AB*"), S("abc"), true, fs));
}

// Stars try every suffix; repeated tries of the same pattern and value
// suffix are answered once, so many stars on a long value stay cheap.
TEST(FilterExpression, ManyStarsOnALongValue)
{
    const String value(200, u'a');
    EXPECT_FALSE(MatchFilterExpression(S("*a*a*a*a*a*a*a*b"), value, true, UsGridFormats()));
    EXPECT_TRUE(MatchFilterExpression(S("*a*a*a*a*a*a*a*b"), value + u'b', true, UsGridFormats()));
    EXPECT_TRUE(MatchFilterExpression(S("!*a*a*a*a*a*a*a*b"), value, true, UsGridFormats()));
}

TEST(FilterExpression, Helpers)
{
    int p = 0;
    EXPECT_EQ(FindOperatorOutsideQuotes(S("&|"), S("\"a&b\"|c"), p), QChar(u'|'));
    EXPECT_EQ(p, 6);
    EXPECT_TRUE(FindOperatorOutsideQuotes(S("&|"), S("\"a&b\""), p).isNull());
    EXPECT_EQ(p, -1);
    EXPECT_EQ(RemoveBlanksOutsideQuotes(S(" a b \" c d \" e ")), S("ab\" c d \"e"));
    EXPECT_EQ(ClosingParenPos(S("(a(b)c)d")), 7);
    EXPECT_EQ(ClosingParenPos(S("(a(b)c")), 0);
    EXPECT_EQ(ClosingParenPos(S("a)b")), 0);
    EXPECT_EQ(NormalizeNumberText(S("1,234.5"), UsGridFormats()), S("1234.5"));
    EXPECT_EQ(NormalizeNumberText(S("1.234,5"), euFormats()), S("1234.5"));
}

TEST(FilterExpression, ParseDateTimeText)
{
    const TGridFormatSettings fs = UsGridFormats();
    const TDateTime sentinel = -99999;
    const struct {
        const char* text;
        bool result;
        bool stored;
        TDateTime expected;
    } cases[] = {
        {"2/3/2024 14:05", true, true, EncodeDate(2024, 2, 3) + EncodeTime(14, 5, 0, 0)},
        {"2/3/2024  14:05:30", true, true, EncodeDate(2024, 2, 3) + EncodeTime(14, 5, 30, 0)},
        {"2/3/2024", true, true, EncodeDate(2024, 2, 3)},
        {"2/3/24", true, true, EncodeDate(24, 2, 3)},  // the year as written
        {"2/3/2024 14", false, true, EncodeDate(2024, 2, 3)},
        {"2/30/2024", false, false, 0},
        {"13/1/2024", false, false, 0},
        {"2/3", false, false, 0},
        {"2/3/2024 24:00", false, false, 0},
        {"2/3/2024 14:60", false, false, 0},
        {"2/3/2024 14:05:60", false, false, 0},
        {"2/3/2024 a:05", false, false, 0},
        {"x/3/2024", false, false, 0},
        {"2/3/0", false, false, 0},
        // Before 30 December 1899 the time of day counts forward from the
        // day's midnight, away from zero: -1.25 is 29 December, 06:00.
        {"12/29/1899 06:00", true, true, -1.25},
        {"12/29/1899 18:00", true, true, -1.75},
        {"12/30/1899 06:00", true, true, 0.25},
        {"12/31/1899 18:00", true, true, 1.75},
        {"1/1/1800 12:00", true, true, EncodeDate(1800, 1, 1) - 0.5},
    };
    for (const auto& c : cases) {
        TDateTime dt = sentinel;
        EXPECT_EQ(ParseDateTimeText(S(c.text), dt, fs), c.result) << c.text;
        EXPECT_DOUBLE_EQ(dt, c.stored ? c.expected : sentinel) << c.text;
    }

    TDateTime dt = 0;
    EXPECT_TRUE(ParseDateTimeText(S("03.02.2024"), dt, euFormats()));
    EXPECT_EQ(dt, EncodeDate(2024, 2, 3));
    TGridFormatSettings iso = fs;
    iso.DateSeparator = u'-';
    iso.ShortDateFormat = QStringLiteral("yyyy-mm-dd");
    EXPECT_TRUE(ParseDateTimeText(S("2024-02-03"), dt, iso));
    EXPECT_EQ(dt, EncodeDate(2024, 2, 3));
}

// Plain numbers are read on a short path; every text must read as the
// general reading (TryStrToFloat of the normalized text, and no date) does,
// to the last bit.
TEST(FilterExpression, TextAsNumberAsTheGeneralReading)
{
    auto expectSame = [](const String& Text, const TGridFormatSettings& FS) {
        double general = 0;
        TDateTime d;
        const bool isNumber =
            TryStrToFloat(NormalizeNumberText(Text, FS), general, u'.') && !ParseDateTimeText(Text, d, FS);
        double v = -12345;
        EXPECT_EQ(FilterTextAsNumber(Text, v, FS), isNumber) << Text.toStdString();
        if (isNumber) {
            EXPECT_EQ(std::memcmp(&v, &general, sizeof v), 0) << Text.toStdString();
        }
    };
    const char* const table[] = {"0", "-0", "+0.00", "523.45", " 523.45 ", "1,234.5", "1.234,5", ".5", "5.", "-.5",
                                 "1.2.3", "+-5", "5 3", "-", ".", "", " ", "1e3", "1E-2", "1e", "123456789012345",
                                 "1234567890123456", "0.000000000000001", "99999999999999.9", "0.1", "0.7", "2.675",
                                 "1/2/2024", "03.02.2024", "12,5", "1,5,0", "١٢", "12a", "$10", "0x10"};
    const TGridFormatSettings formats[] = {UsGridFormats(), euFormats()};
    for (const TGridFormatSettings& fs : formats)
        for (const char* t : table)
            expectSame(QString::fromUtf8(t), fs);
    std::mt19937 rng(4142);
    const String chars = QStringLiteral("0123456789012345678901234567890123456789.,-+ e");
    std::uniform_int_distribution<int> len(0, 20), ch(0, int(chars.size()) - 1);
    for (int i = 0; i < 20000; ++i) {
        String t;
        for (int n = len(rng); n > 0; --n)
            t += chars[ch(rng)];
        expectSame(t, formats[i % 2]);
    }
}
