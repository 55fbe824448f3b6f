// The compiled filter expression against MatchFilterExpression, side by
// side: the expressions of the filter tests over a set of texts, then
// generated expressions and texts, under both case rules and two sets of
// separators. Every answer must be the same.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "grid/core/grid_filter_compiled.h"
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

// The expressions of the filter tests, and the texts they were tried on.
const char* const TableExpressions[] = {
    "=abc", "=", "", "a*", "*c", "a?c", "a*c", "*", "?", "!a*", "a**c", " a * ", "\"a b\"", "*b*", "abc", "A*",
    ">b", "\u00e4*", "a|b", "a;b", "a^b", "a&b", "a&*", "a|b|c", "a;b&c", "*a;b*&*c", ">10&<20", "=\"a&b\"",
    "\"a|b\"", "(a*|b*)&*c", "((a|b)&(c|b))", "(a|(b&c))|d", "(a|(b&c))", "x|(a*&(*b|*c))", "(a)|b", "(a)&b",
    "(=a)", "a(b", "(a", "(", "(a|b", "x|(a", "((a)", "(a|(b)", "(*", "(a))", ">5", ">=5", "<5", "<=5", ">1.5",
    ">1,000", "<-2", ">=0.5", ">1,5", ">1/1/2024", "<1/1/2024", ">=2/1/2024", ">01.01.2024",
    ">\"12/28/1899 23:00\"", ">\"12/29/1899 23:00\"", "<12/30/1899", ">\"12/30/1899 06:00\"", ">12/29/1899",
    ">=\"1/1/1800 12:00\"", ">=\"b c\"", "<\"b c\"", ">2 & <8", ">2 & <4", "<2 ^ >8", "AB*", "*a*a*a*b",
    "!*a*a*b", ">=10", "!A*", "x;y", "\"x y\"", "(a*|b*)&!*x", "*>5", "a*>b", "*<1/1/2024*", "!>5", "*!a*",
};

const char* const TableTexts[] = {
    "abc", "abd", "", "x", "ac", "acb", "bcd", "abxc", "a b", "ab", "ABC", "C", "c", "\u00c4x", "b", "a", "d",
    "bc", "15", "25", "10", "a&b", "a|b", "ad", "anything", "4", "5", "2", "1.25", "1,500", "-3", "0.50", "abc5",
    "2/1/2024", "12/31/2023", "02.01.2024", "31.12.2023", "12/29/1899 01:00", "12/28/1899 01:00",
    "12/29/1899 23:59", "12/30/1899 01:00", "12/30/1899 18:00", "12/29/1899 18:00", "1/1/1800 12:30", "b c",
    "b b", "b a", "9", "apple", "Apple", "x y", "y", "11", "19", "20", "aaab", " 7", "1e3", "$10",
};

void expectSame(const String& Expression, const String& Text, bool CaseSensitive, const TGridFormatSettings& FS,
                TCompiledFilter& Compiled)
{
    const bool landed = MatchFilterExpression(Expression, Text, CaseSensitive, FS);
    EXPECT_EQ(Compiled.Match(Text), landed) << "'" << Expression.toStdString() << "' against '" << Text.toStdString()
                                            << "', case " << CaseSensitive;
    EXPECT_EQ(Compiled.MatchPrepared(Compiled.PrepareText(Text)), landed);
}

}  // namespace

TEST(CompiledFilter, SameAnswersAsTheExpressionTable)
{
    for (const TGridFormatSettings& fs : {UsGridFormats(), euFormats()})
        for (const bool cs : {false, true})
            for (const char* e : TableExpressions) {
                TCompiledFilter f;
                f.Compile(S(e), cs, fs);
                for (const char* t : TableTexts)
                    expectSame(S(e), S(t), cs, fs, f);
            }
}

// Expressions and texts built from the characters the language gives a
// meaning to, digits, separators and letters of both cases.
TEST(CompiledFilter, SameAnswersForGeneratedExpressionsAndTexts)
{
    std::mt19937 rng(4141);
    const String exprChars = S("aAbB*?!\"()&|;^><= 1159./:-,xX\u00e4");
    const String textChars = S("aAbB 1159./:-,xX\u00e4\u00c4");
    auto pick = [&rng](const String& From, int MaxLen) {
        std::uniform_int_distribution<int> len(0, MaxLen), ch(0, int(From.size()) - 1);
        String r;
        for (int n = len(rng); n > 0; --n)
            r += From[ch(rng)];
        return r;
    };
    const TGridFormatSettings formats[] = {UsGridFormats(), euFormats()};
    for (int i = 0; i < 3000; ++i) {
        const String e = pick(exprChars, 12);
        const bool cs = i % 2 == 0;
        const TGridFormatSettings& fs = formats[(i / 2) % 2];
        TCompiledFilter f;
        f.Compile(e, cs, fs);
        for (int j = 0; j < 12; ++j)
            expectSame(e, pick(textChars, 10), cs, fs, f);
        // Texts made of the expression's own pieces hit its patterns.
        expectSame(e, e, cs, fs, f);
        expectSame(e, e.mid(1), cs, fs, f);
    }
    // Numbers, dates and ranges, where comparisons decide.
    const char* const ranges[] = {">500&<1000", ">=10&<=20|>90", "<1/2/2020|>12/1/2020", "!>5", "*>5*", ">a&<c"};
    for (const char* r : ranges) {
        TCompiledFilter f;
        f.Compile(S(r), false, UsGridFormats());
        for (int n = 0; n < 300; ++n) {
            std::uniform_int_distribution<int> v(0, 1200), m(1, 12), d(1, 28);
            expectSame(S(r), QString::number(v(rng)), false, UsGridFormats(), f);
            expectSame(S(r), QString::number(v(rng) / 7.0, 'f', 2), false, UsGridFormats(), f);
            expectSame(S(r), QStringLiteral("%1/%2/2020").arg(m(rng)).arg(d(rng)), false, UsGridFormats(), f);
        }
    }
}

// A compiled filter can be compiled again and keeps no state between texts.
TEST(CompiledFilter, RecompiledAndReused)
{
    TCompiledFilter f;
    EXPECT_FALSE(f.Match(S("x")));  // nothing compiled: nothing matches
    f.Compile(S("a*"), false, UsGridFormats());
    EXPECT_TRUE(f.Match(S("apple")));
    EXPECT_FALSE(f.Match(S("pear")));
    f.Compile(S("(a"), false, UsGridFormats());
    EXPECT_FALSE(f.Match(S("a")));
    f.Compile(S(">10&<20"), false, UsGridFormats());
    EXPECT_TRUE(f.Match(S("11")));
    EXPECT_FALSE(f.Match(S("20")));
    EXPECT_TRUE(f.Match(S("19")));
    TCompiledFilter moved = std::move(f);
    EXPECT_TRUE(moved.Match(S("15")));
    TCompiledFilterCondition c(S("A?C"), UsGridFormats());
    EXPECT_TRUE(c.Match(S("ABC")));
    EXPECT_EQ(c.Match(S("AC")), MatchSingleCondition(S("A?C"), S("AC"), UsGridFormats()));
}
