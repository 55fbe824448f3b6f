// The find's "contains" comparison gives QString::contains' answer under
// both case rules, including the characters outside ASCII that fold onto
// ASCII letters, long cells and cells shorter than the search text.
#include <gtest/gtest.h>

#include <random>

#include "grid/data/grid_text_match.h"

namespace {

struct TCase {
    const char16_t* Text;
    const char16_t* Cell;
};

// Each pair under both case rules, against QString's own answer.
TEST(TextContainsMatcher, AnswersAsQStringContains)
{
    const TCase cases[] = {
        {u"pump", u"valve PUMP 12"},      {u"PuMp", u"pumping"},       {u"zzqx", u"valve pump 12"},
        {u"needle", u"needl"},            {u"a", u""},                 {u"ab", u"aab"},
        {u"aab", u"aaab"},                {u"[x]", u"<B>[X]</B>"},     {u"@", u"`"},
        {u"s", u"\u017F"},                {u"ks", u"\u212A\u017F"},    {u"i", u"\u0130"},
        {u"i", u"\u0131"},                {u"ss", u"\u00DF"},          {u"\u00E9t\u00E9", u"\u00C9T\u00C9 x"},
        {u"\u00DF", u"STRASSE"},          {u"x", u"\u00C4x"},          {u"as", u"a\u017F"},
        {u"\U0001D400", u"x\U0001D400"},  {u"\U00010428", u"\U00010400"}, {u"", u"abc"},
    };
    for (const TCase& c : cases)
        for (const Qt::CaseSensitivity cs : {Qt::CaseInsensitive, Qt::CaseSensitive}) {
            const QString text = QString::fromUtf16(c.Text), cell = QString::fromUtf16(c.Cell);
            EXPECT_EQ(TTextContainsMatcher(text, cs).In(cell), cell.contains(text, cs))
                << text.toStdString() << " in " << cell.toStdString() << " cs " << int(cs);
        }
}

// Cells past the direct comparison's length, hit at the end or missed.
TEST(TextContainsMatcher, LongCells)
{
    const QString body(3000, u'a');
    for (const QString& tail : {QStringLiteral("Needle"), QStringLiteral("needl"), QStringLiteral("NEE\u017FDLE"),
                                QStringLiteral("\u017F")}) {
        const QString cell = body + tail;
        for (const QString& text : {QStringLiteral("needle"), QStringLiteral("s"), QStringLiteral("aaaaaaaaaaaaaan")})
            EXPECT_EQ(TTextContainsMatcher(text, Qt::CaseInsensitive).In(cell),
                      cell.contains(text, Qt::CaseInsensitive));
    }
}

// Random short texts over an alphabet of letters in both cases, the
// symbols next to them and the characters that fold onto them.
TEST(TextContainsMatcher, RandomTextsAgreeWithQString)
{
    const char16_t alphabet[] = u"aAbBsSkK@[`{ \u017F\u212A\u0130\u0131\u00DF\u00E0\u00C0";
    const int letters = int(std::size(alphabet)) - 1;
    std::mt19937 rng(7);
    auto random = [&](int maxLen) {
        QString s;
        for (int n = int(rng() % unsigned(maxLen + 1)); n > 0; --n)
            s += QChar(alphabet[rng() % unsigned(letters)]);
        return s;
    };
    for (int k = 0; k < 20000; ++k) {
        const QString text = random(3), cell = random(8);
        ASSERT_EQ(TTextContainsMatcher(text, Qt::CaseInsensitive).In(cell), cell.contains(text, Qt::CaseInsensitive))
            << text.toStdString() << " in " << cell.toStdString();
    }
}

}  // namespace
