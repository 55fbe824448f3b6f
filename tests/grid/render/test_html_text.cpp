// The HTML text routines: colours, entity coding, plain text, highlighting
// and the CONTROL tags, as tables of cases and round-trip properties.
#include <gtest/gtest.h>

#include "grid/render/html/html_text.h"

namespace {

using namespace html_detail;

TEST(HtmlColors, NamesAndHex)
{
    EXPECT_EQ(HTMLColorByName("clred"), TColor(0x0000FF));
    EXPECT_EQ(HTMLColorByName("clteal"), TColor(0x808000));
    EXPECT_EQ(HTMLColorByName("clmaroon"), TColor(0x000080));
    EXPECT_EQ(HTMLColorByName("clbackground"), SystemColor(1));
    EXPECT_EQ(HTMLColorByName("clinfobk"), SystemColor(24));
    EXPECT_EQ(HTMLColorByName("clhighlighttext"), SystemColor(14));
    EXPECT_EQ(HTMLColorByName("clRed"), TColor(0)) << "callers lower-case the name";
    EXPECT_EQ(HTMLColorByName("clnothing"), TColor(0));

    struct Case {
        const char* hex;
        TColor color;
    } cases[] = {
        {"#FF8000", 0x0080FF}, {"#000000", 0},     {"#FFFFFF", 0xFFFFFF}, {"#0000FF", 0xFF0000},
        {"#FF80", 0x80FF},     {"#FF8", 0xFF},     {"#", 0},              {"#ff8000", 0x008000},
        {"#1G2H3I", 0x302010}, {"#ABCDEF", 0xEFCDAB},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HTMLColorByHex(c.hex), c.color) << c.hex;
}

TEST(HtmlColors, ModuleValues)
{
    EXPECT_EQ(HTMLHighlightBackground(), clHighlight);
    EXPECT_EQ(HTMLHighlightTextColor(), clHighlightText);
    SetHTMLHighlightColors(clRed, clBlue);
    EXPECT_EQ(HTMLHighlightBackground(), clRed);
    EXPECT_EQ(HTMLHighlightTextColor(), clBlue);
    SetHTMLHighlightColors(clHighlight, clHighlightText);
    CheckWinXPOrLater();
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_FALSE(IsRightToLeftLocale());
    SetRightToLeftLocaleQuery([] { return true; });
    EXPECT_TRUE(IsRightToLeftLocale());
    SetRightToLeftLocaleQuery(nullptr);
    EXPECT_FALSE(IsRightToLeftLocale());
}

TEST(HtmlEntities, TableHas55EntriesInOrder)
{
    EXPECT_EQ(HTMLEntityName(0), "&eacute;");
    EXPECT_EQ(HTMLEntityChar(0), QString(QChar(0xE9)));
    EXPECT_EQ(HTMLEntityName(46), "&copy;");
    EXPECT_EQ(HTMLEntityName(48), "&euro;");
    EXPECT_EQ(HTMLEntityChar(48), QString(QChar(0x20AC)));
    EXPECT_EQ(HTMLEntityName(HTMLEntityCount - 1), "&Otilde;");
    EXPECT_EQ(HTMLEntityChar(HTMLEntityCount - 1), QString(QChar(0xD5)));
    for (int i = 0; i < HTMLEntityCount; ++i) {
        EXPECT_EQ(HTMLEncodeText(HTMLEntityChar(i), true), HTMLEntityName(i));
        EXPECT_EQ(HTMLDecodeText(HTMLEntityName(i), true), HTMLEntityChar(i));
        EXPECT_EQ(HTMLDecodeText(HTMLEntityName(i), false), HTMLEntityName(i));
    }
}

TEST(HtmlEntities, DecodeAndEncodeCases)
{
    const QString e = QString(QChar(0xE9)), E = QString(QChar(0xC9));
    struct Case {
        QString in;
        bool entities;
        QString out;
    };
    const Case decode[] = {
        {"&lt;b&gt;", false, "<b>"},
        {"a &amp; b", false, "a & b"},
        {"&quot;x&quot;", false, "\"x\""},
        {"&amp;lt;", false, "&lt;"},  // once, left to right
        {"&amp;quot;", true, "&quot;"},
        {"&amp;eacute;", true, "&eacute;"},
        {"&Eacute;t&eacute;", true, E + "t" + e},
        {"&EACUTE;", true, "&EACUTE;"},  // the table's letter case only
        {"&AMP;", false, "&AMP;"},
        {"R&D", false, "R&D"},
        {"&", false, "&"},
        {"&&amp;;", false, "&&;"},
        {"&nosuchentity;", true, "&nosuchentity;"},
    };
    for (const Case& c : decode)
        EXPECT_EQ(HTMLDecodeText(c.in, c.entities), c.out) << c.in.toStdString();

    const Case encode[] = {
        {e, true, "&eacute;"},
        {e, false, e},
        {"a & b", false, "a &amp; b"},
        {"*amp;", false, "*amp;"},  // a literal placeholder stays itself
        {"<\"x\">", false, "&lt;&quot;x&quot;&gt;"},
        {QString(QChar(0x20AC)) + "5", true, "&euro;5"},
    };
    for (const Case& c : encode)
        EXPECT_EQ(HTMLEncodeText(c.in, c.entities), c.out) << c.in.toStdString();
    EXPECT_EQ(HTMLEncodeSpaces("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

TEST(HtmlEntities, EncodeThenDecodeGivesTheTextBack)
{
    const QString texts[] = {
        "",
        "plain",
        "*amp; and &amp; and &",
        "&lt;tag&gt; <tag> \"q\"",
        QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac \xc2\xa9 &eacute; \xe4\xb8\xad"),
        "&&&;;;&",
        "&quot;&amp;quot;",
    };
    for (const QString& t : texts)
        for (bool ent : {false, true})
            EXPECT_EQ(HTMLDecodeText(HTMLEncodeText(t, ent), ent), t) << t.toStdString() << " " << ent;
}

TEST(HtmlPlainText, Cases)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"a<BR>b", "a\r\nb"},
        {"a<br>b<hR>c", "a\r\nb\r\nc"},
        {"<B>bold</B> text", "bold text"},
        {"a<b", "a<b"},               // "<" without ">" keeps the rest
        {"x<B>y<z", "xy<z"},
        {"a>b", "a>b"},
        {"<A HREF=\"x\">link</A>", "link"},
        {"<<BR>", "<\r\n"},           // the first "<" has no ">" once the break is made
        {"<B<BR>>x", "x"},
        {"", ""},
        {"&amp;", "&amp;"},           // entities stay
    };
    for (const Case& c : cases)
        EXPECT_EQ(HTMLToPlainText(c.in), QString(c.out)) << c.in;
}

TEST(HtmlHighlight, Cases)
{
    struct Case {
        const char* html;
        const char* search;
        bool caseSensitive;
        const char* out;
    } cases[] = {
        {"aaaa", "aa", true, "<HI>aa</HI><HI>aa</HI>"},
        {"aaaab", "aa", true, "<HI>aa</HI><HI>aa</HI>b"},
        {"x<B>ab</B>y", "ab", true, "x<HI><B>ab</HI></B>y"},
        {"<B>abc</B>", "bc", true, "<B>a<HI>bc</HI></B>"},
        {"Hello", "hello", false, "<HI>Hello</HI>"},
        {"Hello", "hello", true, "Hello"},
        {"a<b", "a", true, "<HI>a</HI>&lt;b"},  // loose "<": tags dropped, angles escaped
        {"abc", "", true, "abc"},
        {"abc", "zz", true, "abc"},
    };
    for (const Case& c : cases) {
        const QString hi = HTMLHighlightText(c.html, c.search, "HI", c.caseSensitive);
        EXPECT_EQ(hi, QString(c.out)) << c.html << " / " << c.search;
    }
    // Unhighlighting gives back the text (where no loose angle was escaped).
    for (const char* t : {"aaaa", "x<B>ab</B>y", "<B>abc</B>", "Hello a>b"})
        EXPECT_EQ(HTMLUnhighlightText(HTMLHighlightText(t, "a", "hi", false), "hi"), QString(t)) << t;
    EXPECT_EQ(HTMLUnhighlightText("<hi>x</HI>&lt;&gt;", "Hi"), "x<>");
}

TEST(HtmlControls, ParseTag)
{
    const THTMLControlTag t = HTMLParseControlTag(
        "CONTROL type=\"edit\" ID=\"e1\" VALUE=\"a&amp;b &eacute;\" WIDTH=\"80\" PROP=\"p&lt;\" MAXLEN=\"12x\">");
    EXPECT_EQ(t.Type, "EDIT");
    EXPECT_EQ(t.ID, "e1");
    EXPECT_EQ(t.Value, QString("a&b ") + QChar(0xE9));
    EXPECT_EQ(t.Width, "80");
    EXPECT_EQ(t.Prop, "p<");
    EXPECT_EQ(t.MaxLen, "12x");
    EXPECT_FALSE(t.HasHeight);
    EXPECT_EQ(t.Height, "");

    // An attribute name inside a quoted value is not the attribute.
    const THTMLControlTag v = HTMLParseControlTag("CONTROL ID=\"a\" VALUE=\"TYPE=x ID=y\" WIDTH=\"5\" TYPE=\"CHECK\">");
    EXPECT_EQ(v.Type, "CHECK");
    EXPECT_EQ(v.ID, "a");
    EXPECT_EQ(v.Value, "TYPE=x ID=y");
    // Unquoted or unterminated values read as the next quoted text or empty.
    EXPECT_EQ(HTMLParseControlTag("CONTROL ID=5 VALUE=\"x\"").ID, "x");
    EXPECT_EQ(HTMLParseControlTag("CONTROL ID=\"5").ID, "");
    String type, id, maxlen, prop, height, width, value;
    HTMLParseControlTag("CONTROL TYPE=\"button\" HEIGHT=\"40\" ID=\"b\">", type, id, maxlen, prop, height, width, value);
    EXPECT_EQ(type, "BUTTON");
    EXPECT_EQ(height, "40");
    EXPECT_EQ(id, "b");
}

const QString Form = "Name <CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"Bob\" WIDTH=\"80\" MAXLEN=\"10\">"
                     " <control type=\"check\" id=\"c\" value=\"TRUE\" width=\"20\">"
                     " <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"20\">"
                     " <CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" WIDTH=\"60\" PROP=\"a,b\">"
                     " <CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"true\" WIDTH=\"20\" HEIGHT=\"30\">"
                     " <CONTROL TYPE=\"BUTTON\" ID=\"ok\" VALUE=\"OK\" WIDTH=\"40\"> end";

TEST(HtmlControls, Queries)
{
    EXPECT_TRUE(HTMLHasControls(Form));
    EXPECT_TRUE(HTMLHasControls("<control"));
    EXPECT_FALSE(HTMLHasControls("<B>no</B>"));

    struct Next {
        const char* id;
        const char* next;
    } next[] = {{"", "n"}, {"n", "k"}, {"c", "k"}, {"k", ""}, {"ok", ""}, {"missing", ""}};
    for (const Next& n : next)
        EXPECT_EQ(HTMLNextEditControlID(Form, n.id), QString(n.next)) << n.id;

    String v;
    EXPECT_TRUE(HTMLGetControlValue(Form, "n", v));
    EXPECT_EQ(v, "Bob");
    EXPECT_TRUE(HTMLGetControlValue(Form, "c", v));
    EXPECT_EQ(v, "TRUE");
    EXPECT_FALSE(HTMLGetControlValue(Form, "N", v)) << "IDs compare exactly";
    EXPECT_EQ(HTMLGetControlProp(Form, "k"), "a,b");
    EXPECT_EQ(HTMLGetControlProp(Form, "n"), "");
    EXPECT_EQ(HTMLGetControlMaxLen(Form, "n"), 10);
    EXPECT_EQ(HTMLGetControlMaxLen(Form, "k"), 0);
    EXPECT_EQ(HTMLGetControlMaxLen(Form, "none"), 0);
}

TEST(HtmlControls, SetValueRewritesOnlyThatTag)
{
    String t = Form;
    EXPECT_FALSE(HTMLSetControlValue(t, "nobody", "x"));
    EXPECT_EQ(t, Form);

    ASSERT_TRUE(HTMLSetControlValue(t, "k", "new"));
    EXPECT_TRUE(t.startsWith(Form.left(Form.indexOf("<CONTROL TYPE=\"COMBO\""))));
    EXPECT_TRUE(t.contains("<CONTROL ID=\"k\" VALUE=\"new\" WIDTH=\"60\" TYPE=\"COMBO\" PROP=\"a,b\">"));
    EXPECT_TRUE(t.endsWith(Form.mid(Form.indexOf(" <CONTROL TYPE=\"RADIO\" ID=\"r2\""))));

    ASSERT_TRUE(HTMLSetControlValue(t, "r2", "x"));
    EXPECT_TRUE(t.contains("<CONTROL ID=\"r2\" VALUE=\"x\" WIDTH=\"20\" TYPE=\"RADIO\" HEIGHT=\"30\">"));
    ASSERT_TRUE(HTMLSetControlValue(t, "n", "y"));
    EXPECT_TRUE(t.contains("<CONTROL ID=\"n\" VALUE=\"y\" WIDTH=\"80\" TYPE=\"EDIT\" MAXLEN=\"10\">"));

    const String u = HTMLUncheckRadios(Form);
    String v;
    ASSERT_TRUE(HTMLGetControlValue(u, "r1", v));
    EXPECT_EQ(v, "FALSE");
    ASSERT_TRUE(HTMLGetControlValue(u, "r2", v));
    EXPECT_EQ(v, "FALSE");
    ASSERT_TRUE(HTMLGetControlValue(u, "c", v));
    EXPECT_EQ(v, "TRUE") << "check boxes stay";
}

TEST(HtmlControls, SetThenGetGivesTheValueBack)
{
    const QString values[] = {
        "",
        "plain",
        "say \"hi\"",
        "a<b>c",
        "R&D &amp; *amp;",
        QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe2\x82\xac \xe4\xb8\xad\xe6\x96\x87"),
        "TYPE=\"BUTTON\" ID=\"k\" WIDTH=\"1\"",
        "'single' > \"double\" < &lt;",
    };
    for (const QString& value : values) {
        String t = Form;
        ASSERT_TRUE(HTMLSetControlValue(t, "k", value)) << value.toStdString();
        String got;
        ASSERT_TRUE(HTMLGetControlValue(t, "k", got));
        EXPECT_EQ(got, value);
        EXPECT_EQ(HTMLGetControlProp(t, "k"), "a,b");
        // The other controls are untouched.
        ASSERT_TRUE(HTMLGetControlValue(t, "r2", got));
        EXPECT_EQ(got, "true");
        ASSERT_TRUE(HTMLGetControlValue(t, "ok", got));
        EXPECT_EQ(got, "OK");
        EXPECT_TRUE(t.endsWith(" end"));
    }
}

TEST(HtmlHelpers, Cases)
{
    String s = "a<b>B</B>";
    EXPECT_TRUE(ReplaceFirstNoCase(s, "</b>", "!"));
    EXPECT_EQ(s, "a<b>B!");
    EXPECT_FALSE(ReplaceFirstNoCase(s, "zz", "!"));
    EXPECT_EQ(PasswordMask("abc"), "***");
    EXPECT_EQ(PasswordMask(""), "");
    EXPECT_EQ(NumberAtStart("12px"), 12);
    EXPECT_EQ(NumberAtStart("x12"), 0);
    EXPECT_EQ(NumberAtStart("99999999999999"), INT_MAX);
    EXPECT_EQ(ClampedNumber("99999", 400), 400);
    EXPECT_EQ(RemoveHashTags("a<#12>b<#3"), "a#12b#3");
    EXPECT_EQ(RemoveHashTags("<#1<#2>>x>"), "#1#2x>");
    EXPECT_EQ(ConvertLineBreaks("a\r\nb\nc\rd"), "a<BR>bc<BR>d");
    EXPECT_EQ(ConvertLineBreaks("a\r\nb", true), "ab");
    EXPECT_EQ(FindText("abcABC", "bc", 2, true), 4);
    EXPECT_EQ(FindText("abcABC", "bc", 2, false), -1);
    struct Case {
        const char* in;
        QString out;
    } runs[] = {
        {"R&D", "R&D"},
        {"&amp;", "&"},
        {"&AMP;lt;", "&lt;"},
        {"&amp;amp;", "&amp;"},
        {"&LT;", "&LT;"},  // lt, gt and nbsp only as written
        {"a&nbsp;b", "a b"},
        {"&permil;&PerMil;", QString(QChar(0x2030)) + QChar(0x2030)},
        {"&trade;&euro;&sect;&para;&reg;&copy;&quot;",
         QString(QChar(0x2122)) + QChar(0x20AC) + QChar(0xA7) + QChar(0xB6) + QChar(0xAE) + QChar(0xA9) + "\""},
        {"&eacute;", "&eacute;"},
    };
    for (const Case& c : runs)
        EXPECT_EQ(DecodeRunEntities(c.in), c.out) << c.in;
}

}  // namespace
