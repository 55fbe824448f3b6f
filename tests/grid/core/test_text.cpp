// Text and value utilities: classification, numbers under two sets of
// separators, short dates, CSV quoting, line-break and wide-cell codings,
// the HTML clipboard text and the string helpers.
#include <gtest/gtest.h>

#include "grid/core/grid_text.h"

namespace {

const String CR = QStringLiteral("\r");
const String LF = QStringLiteral("\n");

String S(const char* Utf8) { return QString::fromUtf8(Utf8); }

// A text of the given UTF-16 units.
String units(std::initializer_list<char16_t> Units)
{
    String r;
    for (const char16_t u : Units)
        r += QChar(u);
    return r;
}

// Comma thousands and full-stop decimal; the cases below are written in it.
TGridFormatSettings usFormats()
{
    TGridFormatSettings f;
    f.DecimalSeparator = u'.';
    f.ThousandSeparator = u',';
    f.DateSeparator = u'/';
    f.ShortDateFormat = QStringLiteral("M/d/yyyy");
    return f;
}

// Full-stop thousands and comma decimal.
TGridFormatSettings euFormats()
{
    TGridFormatSettings f;
    f.DecimalSeparator = u',';
    f.ThousandSeparator = u'.';
    f.DateSeparator = u'.';
    f.ShortDateFormat = QStringLiteral("dd.mm.yyyy");
    return f;
}

// A case text written with "," thousands, "." decimal and "/" dates, in the
// notation of the given settings.
String localised(const char* Text, const TGridFormatSettings& FS)
{
    String r = S(Text);
    for (QChar& c : r) {
        if (c == u',')
            c = FS.ThousandSeparator;
        else if (c == u'.')
            c = FS.DecimalSeparator;
        else if (c == u'/')
            c = FS.DateSeparator;
    }
    return r;
}

class NumberTexts : public ::testing::TestWithParam<TGridFormatSettings> {};

INSTANTIATE_TEST_SUITE_P(Separators, NumberTexts, ::testing::Values(usFormats(), euFormats()),
                         [](const auto& Info) { return Info.param.DecimalSeparator == u'.' ? "DotDecimal" : "CommaDecimal"; });

}  // namespace

TEST_P(NumberTexts, GetNumberType)
{
    const struct {
        const char* text;
        int kind;
    } cases[] = {
        {"-", ntInteger},      {"1,234,567", ntDecimal}, {"1,23,4", ntNone},      {"1.5e-3", ntExponent},
        {"-1.5e-3", ntExponent}, {"e5", ntNone},         {"1e5-", ntNone},        {"1.2.3", ntNone},
        {"", ntNone},          {"123", ntInteger},       {"-12", ntInteger},      {"12-", ntNone},
        {"1,234.5", ntDecimal}, {"1,2", ntDecimal},      {"1e5", ntExponent},     {"1.5E+3", ntExponent},
        {"1,2e5", ntNone},     {"--1", ntNone},          {"12a", ntNone},         {"1e5e", ntNone},
        {"\u0661\u0662", ntInteger},  // Arabic-Indic digits are number characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetNumberType(localised(c.text, GetParam()), GetParam()), c.kind) << c.text;
}

TEST_P(NumberTexts, CleanNumberText)
{
    const struct {
        const char* text;
        const char* clean;
    } cases[] = {
        {"  (12)", "-12"},   {"abc", ""},           {"euro 12", "e"},     {"($1,234.50)", "-1234.50"},
        {"", ""},            {"-5", "-5"},          {"12 kg", "12"},       {"$-3", "-3"},
        {"1,234.5", "1234.5"}, {"kg 1.5e3", "1.5e3"}, {"x", ""},
        {"EUR 5", "E"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanNumberText(localised(c.text, GetParam()), GetParam()), S(c.clean)) << c.text;
}

TEST_P(NumberTexts, LooksLikeDate)
{
    const struct {
        const char* text;
        bool date;
    } cases[] = {{"1/2/3", true}, {"12/24/2024", true}, {"/1/2", false}, {"1//2", false}, {"1/2", false}, {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(LooksLikeDate(localised(c.text, GetParam()), GetParam()), c.date) << c.text;
}

// The default settings follow the program's formats at each call.
TEST(GridFormats, CurrentSettingsFollowTheProgramFormats)
{
    TFormatSettings& fs = FormatSettings();
    const TFormatSettings saved = fs;
    fs.DecimalSeparator = u',';
    EXPECT_EQ(GetGridThousandSeparator(), QChar(u'.'));
    EXPECT_EQ(CleanNumberText(QStringLiteral("1.234,5")), QStringLiteral("1234.5"));
    SetGridThousandSeparator(u' ');
    EXPECT_EQ(CleanNumberText(QStringLiteral("1 234,5")), QStringLiteral("1234.5"));
    SetGridThousandSeparator(QChar());
    fs = saved;
    EXPECT_EQ(GetGridThousandSeparator(), QChar(u','));
    EXPECT_EQ(CurrentGridFormatSettings().DecimalSeparator, saved.DecimalSeparator);
}

TEST(GridText, GetTextType)
{
    const struct {
        String text;
        bool html;
        int kind;
    } cases[] = {
        {S(""), true, ttPlain},
        {S("="), false, ttFormula},
        {S("=SUM(A1)"), false, ttFormula},
        {S("{\\rtf1 x}"), false, ttRTF},
        {S("<b>x</b>"), true, ttHTML},
        {S("<b>x</b>"), false, ttPlain},
        {S("<b>x"), true, ttPlain},  // the tag tests are case-sensitive
        {S("<B>x"), true, ttHTML},
        {S("<CENTER>"), true, ttHTML},
        {S("|\\"), false, ttWide},
        {EncodeWideCellText(S("=A")), false, ttFormula},
        {EncodeWideCellText(S("A=")), false, ttWide},
        {EncodeWideCellText(QString(QChar(0x3D3D))), false, ttWide},  // "=" as a low byte of a wide unit
        {S("plain"), true, ttPlain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetTextType(c.text, c.html), c.kind) << c.text.toStdString();
}

TEST(GridText, Links)
{
    EXPECT_TRUE(IsURLText(S("see http://x")));
    EXPECT_TRUE(IsURLText(S("mailto:a@b")));
    EXPECT_FALSE(IsURLText(S("MAILTO:a@b")));
    EXPECT_FALSE(IsURLText(S("www.x.com")));

    const struct {
        const char* in;
        const char* out;
    } strip[] = {{"http://x.y/z", "x.y/z"}, {"mailto:a@b", "a@b"}, {"see mailto:a@b", "a@b"}, {"abc", "abc"}};
    for (const auto& c : strip) {
        String t = S(c.in);
        StripURLScheme(t);
        EXPECT_EQ(t, S(c.out)) << c.in;
    }

    String r = S("untouched");
    EXPECT_FALSE(InsertURLAnchor(S("no link"), S("WWW."), r));
    EXPECT_EQ(r, S("untouched"));
    ASSERT_TRUE(InsertURLAnchor(S("see www.x.com/a?b=1 now"), S("WWW."), r));
    EXPECT_EQ(r, S("see <a href=\"www.x.com/a\">www.x.com/a</a>?b=1 now"));
    ASSERT_TRUE(InsertURLAnchor(S("<HTTP://Host_1:80/%7Bx%7D> end"), S("HTTP://"), r));
    EXPECT_EQ(r, S("&lt;<a href=\"HTTP://Host_1:80/%7Bx%7D\">HTTP://Host_1:80/%7Bx%7D</a>&gt; end"));
}

TEST(GridText, LimitsColoursAndReferences)
{
    const int clamp[][4] = {{5, 0, 0, 5},    {5, 10, 10, 5}, {5, 10, 20, 10}, {25, 10, 20, 20},
                            {-5, 0, 20, -5}, {25, 0, 20, 20}, {5, 10, 0, 10},  {5, 10, 3, 3}};
    for (const auto& c : clamp)
        EXPECT_EQ(ClampToLimits(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
    EXPECT_EQ(IntMax(-3, 2), 2);
    EXPECT_EQ(IntMin(-3, 2), -3);

    EXPECT_EQ(ColorToHex(RGBColor(0x12, 0x34, 0xAB)), S("1234AB"));
    EXPECT_EQ(ColorToHex(clRed), S("FF0000"));
    EXPECT_EQ(ColorToHex(clBtnFace), S("0F0000"));  // system colours stay unresolved

    TPoint cell{7, 7};
    ASSERT_TRUE(ParseRowColRef(S("r12c3"), cell));
    EXPECT_EQ(cell, (TPoint{3, 12}));
    for (const char* bad : {"R12", "RC", "RC12", "R10C", "X12C3", "R1xC2", ""}) {
        cell = {7, 7};
        EXPECT_FALSE(ParseRowColRef(S(bad), cell)) << bad;
        EXPECT_EQ(cell, (TPoint{7, 7})) << bad;
    }

    TRect sel{1, 2, 3, 4};  // corner cells included
    EXPECT_TRUE(CellInGridRect(sel, 3, 4));
    EXPECT_TRUE(CellInGridRect(sel, 1, 2));
    EXPECT_FALSE(CellInGridRect(sel, 4, 4));
    EXPECT_FALSE(CellInGridRect(sel, 2, 1));
}

// Data formats reach Format only in the documented forms.
TEST(GridText, TryFormatNumber)
{
    const struct {
        const char* fmt;
        double value;
        const char* text;  // nullptr: refused
    } cases[] = {
        {"%d of 10", 4.0, "4 of 10"}, {"%d%%", 42.6, "43%"},       {"%d", 2.5, "2"},
        {"%.1f done", 42.56, "42.6 done"}, {"%5.2f%%", 3.14159, " 3.14%"}, {"%x", 255, "ff"},
        {"%-4u|", 7, "7   |"},       {"%e", 1500, "1.50E+03"},
        {"%s", 1, nullptr},           {"%d %d", 1, nullptr},        {"done", 1, nullptr},
        {"%", 1, nullptr},            {"50%", 1, nullptr},          {"%123d", 1, nullptr},
        {"%.100f", 1, nullptr},       {"%n", 1, nullptr},           {"%d", 1e300, nullptr},
    };
    for (const auto& c : cases) {
        String r = S("before");
        const bool ok = TryFormatNumber(S(c.fmt), c.value, r);
        EXPECT_EQ(ok, c.text != nullptr) << c.fmt;
        EXPECT_EQ(r, ok ? S(c.text) : S("before")) << c.fmt;
    }
}

TEST(GridText, ShortDates)
{
    EXPECT_EQ(ParseShortDateUS(S("2/3/24")), EncodeDate(2024, 2, 3));
    EXPECT_EQ(ParseShortDateEU(S("2/3/24")), EncodeDate(2024, 3, 2));
    EXPECT_EQ(ParseShortDateEU(S("2.3.99")), EncodeDate(1999, 3, 2));
    EXPECT_EQ(ParseShortDateUS(S("2-3-25")), EncodeDate(2025, 2, 3));
    EXPECT_EQ(ParseShortDateUS(S("2/3/26")), EncodeDate(1926, 2, 3));
    EXPECT_EQ(ParseShortDateUS(S("2/3/0")), EncodeDate(2000, 2, 3));
    // Four-digit years are taken as written: 29 February 2000 exists.
    EXPECT_EQ(ParseShortDateUS(S("2/29/2000")), EncodeDate(2000, 2, 29));
    EXPECT_EQ(ParseShortDateEU(S("31.12.1999")), EncodeDate(1999, 12, 31));
    EXPECT_LT(ParseShortDateUS(S("12/31/99")), ParseShortDateUS(S("1/1/2000")));
    for (const char* malformed : {"2/3", "", "abc", "1/2/", "a/2/3", "1/2/2024 10:00", "1/2.3"})
        EXPECT_EQ(ParseShortDateUS(S(malformed)), 0) << malformed;
    EXPECT_THROW(ParseShortDateUS(S("13/1/24")), EConvertError);
    EXPECT_THROW(ParseShortDateEU(S("29/2/2023")), EConvertError);
}

TEST(GridText, IncDateParts)
{
    const struct {
        int y, m, d;        // start
        int16_t ys, ms, ds; // steps
        double step;
        int ey, em, ed;     // expected
    } cases[] = {
        {2024, 3, 1, 0, 0, -1, 0, 2024, 2, 29},
        {2023, 12, 15, 0, 1, 0, 0, 2024, 1, 15},
        {2024, 1, 15, 0, -1, 0, 0, 2023, 12, 15},
        {2020, 1, 10, 0, 13, 0, 0, 2021, 2, 10},   // more than a year of months
        {2021, 3, 10, 0, -14, 0, 0, 2020, 1, 10},
        {2020, 2, 29, 4, 0, 0, 0, 2024, 2, 29},
        {2024, 5, 5, 0, 0, 0, 7, 2024, 5, 12},     // no single step: Step
        {2024, 5, 5, 1, 0, 2, 3, 2024, 5, 8},
        {2024, 5, 5, 1, 1, 0, -5, 2024, 4, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IncDateParts(c.ys, c.ms, c.ds, c.step, EncodeDate(c.y, c.m, c.d)), EncodeDate(c.ey, c.em, c.ed))
            << c.y << "-" << c.m << "-" << c.d << " " << c.ys << "/" << c.ms << "/" << c.ds;
    EXPECT_THROW(IncDateParts(9000, 0, 0, 0, EncodeDate(2000, 1, 1)), EConvertError);
}

// The day is kept, so a day the target month lacks raises; months wrap into
// the year once only.
TEST(GridText, IncDatePartsRaisesForADayOrMonthThatDoesNotExist)
{
    const struct {
        int y, m, d;
        int16_t ys, ms;
    } cases[] = {
        {2021, 1, 31, 0, 1},   // 31 February
        {2024, 3, 31, 0, 1},   // 31 April
        {2020, 2, 29, 1, 0},   // 29 February 2021
        {2020, 1, 10, 0, -25}, // two wraps back
        {2020, 1, 10, 0, 24},  // two wraps forward
    };
    for (const auto& c : cases)
        EXPECT_THROW(IncDateParts(c.ys, c.ms, 0, 0, EncodeDate(c.y, c.m, c.d)), EConvertError)
            << c.y << "-" << c.m << "-" << c.d << " " << c.ys << "/" << c.ms;
    // The widest steps one wrap still covers.
    EXPECT_EQ(IncDateParts(0, -12, 0, 0, EncodeDate(2020, 1, 10)), EncodeDate(2019, 1, 10));
    EXPECT_EQ(IncDateParts(0, 23, 0, 0, EncodeDate(2020, 1, 10)), EncodeDate(2021, 12, 10));
}

TEST(GridText, CsvQuoting)
{
    int pos = -1;
    EXPECT_EQ(FindClosingQuote(u'"', S("ab\"\"c\",x"), pos), 6);
    EXPECT_EQ(pos, 6);
    const struct {
        const char* text;
        int at;
    } closing[] = {{"abc\"", 4}, {"a\"\"", 3}, {"abc", 0}, {"\"", 1}, {"a\"\"b", 0}, {"a\"b", 2}, {"", 0}};
    for (const auto& c : closing) {
        pos = -1;
        EXPECT_EQ(FindClosingQuote(u'"', S(c.text), pos), c.at) << c.text;
        EXPECT_EQ(pos, c.at) << c.text;
    }
    EXPECT_EQ(CountClosingQuotes(u'"', S("a\",b\",c")), 2);
    EXPECT_EQ(CountClosingQuotes(u'"', S("abc")), 0);

    EXPECT_EQ(UndoubleChar(u'"', S("a\"\"b")), S("a\"b"));
    EXPECT_EQ(UndoubleChar(u'"', S("a\"\"\"b")), S("a\"\"b"));
    EXPECT_EQ(UndoubleChar(u'"', S("\"\"\"\"")), S("\"\""));
    EXPECT_EQ(UndoubleChar(u'"', S("abc")), S("abc"));
    EXPECT_EQ(EscapeQuotes(S("a\"b\"")), S("a\"\"b\"\""));

    String t = S("a\r\nb");
    QuoteMultiLineText(t);
    EXPECT_EQ(t, S("\"a\x0b") + S("b\""));
    String v = S("a\x0b") + S("b");
    VTToCRLF(v);
    EXPECT_EQ(v, S("a\r\nb"));
}

TEST(GridText, LineBreakCodings)
{
    const String nul(QChar(0));
    EXPECT_EQ(CRToBR(S("a\r\nb")), S("a<br>\nb"));
    EXPECT_EQ(CRToBR(S("a\nb")), S("a\nb"));
    EXPECT_EQ(EscapeNewLines(S("a\r\nb\nc")), S("a\\nbc"));
    EXPECT_EQ(UnescapeNewLines(S("a\\nb\\")), S("a\rb\\"));
    EXPECT_EQ(StripCR(S("a\r\nb\r")), S("a\nb"));
    EXPECT_EQ(CRToLF(S("a\r\nb")), S("a\n\nb"));
    EXPECT_EQ(CountLines(S("a\rb\rc"), true), 3);
    EXPECT_EQ(CountLines(S("a\rb\rc"), false), 1);

    const struct {
        void (*apply)(String&);
        const char* in;
        const char* out;
    } inPlace[] = {
        {RemoveCRofCRLF, "a\r\nb\rc", "a\nb\rc"}, {CRLFToTilde, "a\r\nb", "a~b"},
        {TildeToCRLF, "a~b", "a\r\nb"},          {TildeToCRLF, "^", ""},
        {TildeToCRLF, "^^", "^^"},
    };
    for (const auto& c : inPlace) {
        String t = S(c.in);
        c.apply(t);
        EXPECT_EQ(t, S(c.out)) << c.in;
    }

    const String raw = S("a\r\nb") + nul + S("\r\nc");
    const String packed = PackLineBreaks(raw);
    EXPECT_EQ(packed, S("a\t\bb\x01\t\bc"));
    EXPECT_EQ(PackLineBreaks(S("a\nb") + nul), S("a\nb") + nul);  // no CR: unchanged
    EXPECT_EQ(UnpackLineBreaks(packed, true), raw);
    EXPECT_EQ(UnpackLineBreaks(packed, false), S("a"));
    EXPECT_EQ(UnpackLineBreaks(S("x\ty"), true), S("x\ty"));  // no #8: unchanged

    String text = S("ab\r\ncd\r\nef");
    EXPECT_EQ(CutFirstLine(text, true), S("ab"));
    EXPECT_EQ(text, S("cd\r\nef"));
    EXPECT_EQ(CutFirstLine(text, false), S("cd"));
    EXPECT_EQ(text, S(""));
    text = S("ab\r\r\ncd");
    EXPECT_EQ(CutFirstLine(text, true), S("ab"));
    EXPECT_EQ(text, S("\r\ncd"));  // only one LF right after the CR goes
    text = S("single");
    EXPECT_EQ(CutFirstLine(text, true), S("single"));
    EXPECT_EQ(text, S(""));
}

TEST(GridText, WideCellCodingRoundTrip)
{
    const String samples[] = {
        String(),
        S("=A"),
        S("plain ASCII"),
        units({0, 0xFFFF, 0x0100, 0x00FF, 0x20AC}),
        S("\U0001F600 emoji and \u00e4\u00f6\u00fc"),  // a surrogate pair
    };
    for (const String& s : samples) {
        const String coded = EncodeWideCellText(s);
        EXPECT_EQ(Length(coded), 2 * Length(s) + 2);
        EXPECT_TRUE(coded.startsWith(S("|\\")));
        for (int i = 2; i < Length(coded); ++i)
            EXPECT_LE(coded[i].unicode(), 255);
        EXPECT_EQ(DecodeWideCellText(coded), s);
    }
    EXPECT_EQ(EncodeWideCellText(S("=A")), units({u'|', u'\\', 0, u'=', 0, u'A'}));
    EXPECT_EQ(DecodeWideCellText(S("plain")), S("plain"));
    // An odd last character is dropped.
    EXPECT_EQ(DecodeWideCellText(units({u'|', u'\\', 0x12, 0x34, 0x56})), String(QChar(0x1234)));
    EXPECT_EQ(WidePos(S("b"), S("abc")), 2);
    EXPECT_EQ(WidePos(S("x"), S("abc")), 0);
}

namespace {

// The value of a header line "Name:00000123" of the clipboard text.
int headerValue(const String& Text, const char* Name)
{
    const String key = S(Name) + u':';
    const int p = Text.indexOf(key);
    return p < 0 ? -1 : Text.mid(p + Length(key), 8).toInt();
}

}  // namespace

TEST(GridText, HTMLClipboardText)
{
    String t = S("abc");
    MakeHTMLClipboardText(t);
    EXPECT_TRUE(t.startsWith(S("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000304\r\n"
                               "StartFragment:00000269\r\nEndFragment:00000272\r\n")));
    EXPECT_TRUE(t.contains(S("charset=utf-8")));
    EXPECT_TRUE(t.endsWith(S("<!--StartFragment-->abc<!--EndFragment--></body></html>")));

    // Offsets are byte offsets of the UTF-8 text, whatever the fragment holds.
    for (const String& fragment : {S("abc"), S("<b>\u00e4\u00f6 \u20ac</b>"), String(), S("\U0001F600")}) {
        String all = fragment;
        MakeHTMLClipboardText(all);
        const QByteArray bytes = all.toUtf8();
        const int startHTML = headerValue(all, "StartHTML"), endHTML = headerValue(all, "EndHTML");
        const int startFragment = headerValue(all, "StartFragment"), endFragment = headerValue(all, "EndFragment");
        EXPECT_EQ(endHTML, bytes.size());
        EXPECT_TRUE(bytes.mid(startHTML).startsWith("<!DOCTYPE HTML PUBLIC"));
        EXPECT_EQ(bytes.mid(startFragment, endFragment - startFragment), fragment.toUtf8());
        EXPECT_TRUE(bytes.mid(endFragment).startsWith("<!--EndFragment-->"));
    }
}

TEST(GridText, MixedCase)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"mcdonald", "McDonald"},     {"henry iii", "Henry III"}, {"o'neil-smith", "O'Neil-Smith"},
        {"mc donald", "Mc Donald"},   {"o'brien", "O'Brien"},     {"john mcdonald", "John McDonald"},
        {"a mcb mcd", "A McB Mcd"},   {"HELLO WORLD", "Hello World"}, {"louis ii", "Louis II"},
        {"st. ives", "St. Ives"},     {"", ""},                   {"\u00e9t\u00c9", "\u00c9t\u00e9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToMixedCase(S(c.in)), S(c.out)) << c.in;
}

TEST(GridText, StringHelpers)
{
    EXPECT_EQ(PosInUpper(S("BC"), S("abcd")), 2);
    EXPECT_EQ(PosInUpper(S("SS"), S("\u00dfss")), 2);  // positions stay those of the text
    int p = 9;
    EXPECT_EQ(FindPos(S("cd"), S("abcd"), p), 3);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(FindPos(S("x"), S("abcd"), p), 0);
    EXPECT_EQ(p, 0);
    p = 9;
    EXPECT_EQ(FindCharPos(u'x', S("abc"), p), 0);
    EXPECT_EQ(p, 9);
    EXPECT_EQ(FindCharPos(u'b', S("abcb"), p), 2);
    EXPECT_EQ(p, 2);
    EXPECT_EQ(FirstCharPos(u'c', S("abcc")), 3);

    String t = S("a::b::c");
    EXPECT_EQ(CutToken(t, S("::")), S("a"));
    EXPECT_EQ(t, S("b::c"));
    t = S("abc");
    EXPECT_EQ(CutToken(t, S(",")), S(""));
    EXPECT_EQ(t, S("abc"));

    TStringList lines;
    lines.Add(S("a"));
    lines.Add(S("b c"));
    EXPECT_EQ(ConcatLines(lines), S("ab c"));
    EXPECT_EQ(CountChar(u'a', S("banana")), 3);
    t = S("secret");
    FillWithChar(t, u'*');
    EXPECT_EQ(t, S("******"));
    for (const QChar c : S(" ',-."))
        EXPECT_TRUE(IsWordBreakChar(c));
    for (const QChar c : S("a_;\t"))
        EXPECT_FALSE(IsWordBreakChar(c));
}

TEST(GridText, OemCodePage)
{
    // "Ä" is 0x8E in code page 437, which reads back as "Ž" in Windows-1252.
    String t = S("\u00c4b");
    StringToOem(t);
    EXPECT_EQ(t, S("\u017db"));
    OemToString(t);
    EXPECT_EQ(t, S("\u00c4b"));

    const String sample = S("\u00fc Gr\u00f6\u00dfe \u00bd \u2591\u2588 \u03b1\u00b1 plain");
    String round = sample;
    StringToOem(round);
    EXPECT_NE(round, sample);
    OemToString(round);
    EXPECT_EQ(round, sample);

    String euro = S("\u20ac1");
    StringToOem(euro);
    EXPECT_EQ(euro, S("?1"));
}
