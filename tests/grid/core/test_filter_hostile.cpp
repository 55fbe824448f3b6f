// The worst inputs of the filter language and ToMixedCase: answers that stay
// right at sizes where a matcher that copies or recurses would take minutes
// or exhaust the stack. (Their speed is measured in bench/.)
#include <gtest/gtest.h>

#include "grid/core/grid_filter.h"
#include "grid/core/grid_text.h"
#include "support/grid_formats.h"

namespace {

String nestedGroups(int Depth, const String& Inner)
{
    return String(Depth, u'(') + Inner + String(Depth, u')');
}

}  // namespace

TEST(FilterHostile, TenStarsAgainstFortyThousandCharacters)
{
    const String pattern = QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b");
    const String value(40000, u'a');
    EXPECT_FALSE(MatchFilterExpression(pattern, value, true, UsGridFormats()));
    EXPECT_TRUE(MatchFilterExpression(pattern, value + u'b', true, UsGridFormats()));
    EXPECT_TRUE(MatchFilterExpression(pattern, String(u'A') + String(39999, u'a') + u'B', false, UsGridFormats()));
    EXPECT_FALSE(MatchFilterExpression(pattern, String(u'A') + String(39999, u'a') + u'B', true, UsGridFormats()));
    // Five thousand stars in one pattern: no level recurses into the next.
    String many;
    for (int i = 0; i < 5000; ++i)
        many += QStringLiteral("*a");
    EXPECT_TRUE(MatchFilterExpression(many + u'*', String(5000, u'a'), true, UsGridFormats()));
    EXPECT_FALSE(MatchFilterExpression(many + u'*', String(4999, u'a'), true, UsGridFormats()));
}

TEST(FilterHostile, HundredThousandCharactersOfBrackets)
{
    EXPECT_TRUE(MatchFilterExpression(nestedGroups(50000, QStringLiteral("a*")), QStringLiteral("abc"), true, UsGridFormats()));
    EXPECT_FALSE(MatchFilterExpression(nestedGroups(50000, QStringLiteral("b*")), QStringLiteral("abc"), true, UsGridFormats()));
    // One bracket short at the end: the outer group is not closed.
    String open = nestedGroups(50000, QStringLiteral("a*"));
    open.chop(1);
    EXPECT_FALSE(MatchFilterExpression(open, QStringLiteral("abc"), true, UsGridFormats()));
    // Deep groups holding operators, quotes and blanks at every level.
    String e;
    for (int i = 0; i < 20000; ++i)
        e += QStringLiteral("( x |");
    e += QStringLiteral("\"a c\"");
    e += String(20000, u')');
    EXPECT_TRUE(MatchFilterExpression(e, QStringLiteral("a c"), true, UsGridFormats()));
    EXPECT_FALSE(MatchFilterExpression(e, QStringLiteral("ac"), true, UsGridFormats()));
}

// Groups are read as expressions of their own: trimmed, a leading "=" dropped,
// blanks dropped outside the quotes as each level counts them.
TEST(FilterHostile, GroupsKeepTheirReading)
{
    const struct {
        const char* Expression;
        const char* Value;
        bool Match;
    } cases[] = {
        {"(=a)", "a", true},
        {"( = a )", "a", true},
        {"(a)|b", "b", true},
        {"(a)&b", "b", false},
        {"a(b", "a", true},
        {"(a|(b&c))|d", "d", true},
        {"((a)", "a", false},
        {"(\" a\")", " a", true},
        {"\"(\" a)", "( a)", false},
        {"x|(\"a b\")", "a b", true},
        {"(\"a b)\"", "a b)", false},
        {"(\"a b) \"", "\"a", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchFilterExpression(QString::fromUtf8(c.Expression), QString::fromUtf8(c.Value), true, UsGridFormats()),
                  c.Match)
            << c.Expression << " against " << c.Value;
}

// Comparisons behind a star are tried on every suffix, each parsed once.
TEST(FilterHostile, ComparisonsBehindAStar)
{
    EXPECT_TRUE(MatchFilterExpression(QStringLiteral("*>5"), String(3000, u'1') + u'9', true, UsGridFormats()));
    EXPECT_TRUE(MatchFilterExpression(QStringLiteral("*>5"), QStringLiteral("x9"), true, UsGridFormats()));
    EXPECT_FALSE(MatchFilterExpression(QStringLiteral("*>5"), QStringLiteral("1"), true, UsGridFormats()));
    EXPECT_TRUE(MatchFilterExpression(QStringLiteral("a*<=1/2/2000"), QStringLiteral("a1/1/2000"), true, UsGridFormats()));
}

TEST(MixedCaseHostile, OnePassKeepsTheRules)
{
    const struct {
        const char* In;
        const char* Out;
    } cases[] = {
        {"mcdonald", "McDonald"},
        {"mc donald", "Mc Donald"},
        {"john mcdonald and ann mcbride", "John McDonald And Ann Mcbride"},  // the first " Mc" only
        {"henry iii", "Henry III"},
        {"louis ii", "Louis II"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"", ""},
        {"m", "M"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToMixedCase(QString::fromUtf8(c.In)), QString::fromUtf8(c.Out)) << c.In;
    String words;
    for (int i = 0; i < 20000; ++i)
        words += QStringLiteral("ab ");
    const String mixed = ToMixedCase(words);
    EXPECT_EQ(mixed.size(), words.size());
    EXPECT_TRUE(mixed.startsWith(QStringLiteral("Ab Ab ")));
    EXPECT_TRUE(mixed.endsWith(QStringLiteral("Ab Ab ")));
}
