#include <gtest/gtest.h>

#include "platform/rtl/rtl.h"
#include "support/temp_dir.h"

namespace {

QStringList items(const TStringList& l) { return l.ToQStringList(); }

TEST(StringListCommaText, QuotingOnOutput)
{
    struct {
        QStringList in;
        const char* want;
    } cases[] = {
        {{"a", "b", "c"}, "a,b,c"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"x,y"}, "\"x,y\""},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{""}, "\"\""},
        {{"a", "", "b"}, "a,,b"},
        {{"tab\there"}, "\"tab\there\""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        TStringList l;
        l.AddStrings(c.in);
        EXPECT_EQ(l.CommaText(), c.want) << c.in.join('|').toStdString();
    }
}

TEST(StringListCommaText, ParsingOnInput)
{
    struct {
        const char* in;
        QStringList want;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a b", {"a", "b"}},  // blanks separate too
        {"\"a b\",c", {"a b", "c"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"  a , b  ", {"a", "b"}},
        {"\"unclosed", {"unclosed"}},
        {"\"\"", {""}},
        {"", {}},
    };
    for (const auto& c : cases) {
        TStringList l;
        l.SetCommaText(c.in);
        EXPECT_EQ(items(l), c.want) << c.in;
    }
}

TEST(StringListDelimitedText, StrictDelimiterKeepsBlanks)
{
    TStringList l;
    l.SetDelimiter(u';');
    l.SetStrictDelimiter(true);
    l.SetDelimitedText("a b; c ;d");
    EXPECT_EQ(items(l), (QStringList{"a b", " c ", "d"}));
    EXPECT_EQ(l.DelimitedText(), "a b; c ;d");
    l.SetStrictDelimiter(false);
    EXPECT_EQ(l.DelimitedText(), "\"a b\";\" c \";d");
    // Round trip through the quoted form.
    TStringList back;
    back.SetDelimiter(u';');
    back.SetDelimitedText(l.DelimitedText());
    EXPECT_EQ(items(back), items(l));
}

TEST(StringList, SortedDuplicatesAndCase)
{
    TStringList l;
    l.SetSorted(true);
    l.Add("b");
    l.Add("A");
    l.Add("c");
    EXPECT_EQ(items(l), (QStringList{"A", "b", "c"}));
    EXPECT_EQ(l.Add("a"), 0);  // dupIgnore, case-insensitive: the existing "A"
    EXPECT_EQ(l.Count(), 3);
    l.SetDuplicates(dupError);
    EXPECT_THROW(l.Add("B"), EStringListError);
    l.SetDuplicates(dupAccept);
    l.Add("B");
    EXPECT_EQ(l.Count(), 4);
    EXPECT_THROW(l.Insert(0, "z"), EStringListError);
    EXPECT_EQ(l.IndexOf("C"), 3);
    l.SetCaseSensitive(true);
    EXPECT_EQ(l.IndexOf("C"), -1);
}

TEST(StringList, IndexErrorsAndObjects)
{
    TStringList l;
    EXPECT_THROW(l.Strings(0), EStringListError);
    EXPECT_THROW(l.Delete(0), EStringListError);
    TObject obj;
    l.AddObject("x", &obj);
    l.Insert(0, "first");
    EXPECT_EQ(l.Objects(1), &obj);
    EXPECT_EQ(l.IndexOfObject(&obj), 1);
    l.Delete(0);
    EXPECT_EQ(l.IndexOf("X"), 0);
    EXPECT_EQ(l.IndexOf("first"), -1);
}

TEST(StringList, OwnedObjectsAreFreed)
{
    static int alive = 0;
    struct Counted : TObject {
        Counted() { ++alive; }
        ~Counted() override { --alive; }
    };
    {
        TStringList l;
        l.SetOwnsObjects(true);
        l.AddObject("a", new Counted);
        l.AddObject("b", new Counted);
        l.Delete(0);
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}

TEST(StringList, TextSplitsEveryLineEndAndStopsAtNul)
{
    TStringList l;
    l.SetText(QString::fromLatin1("a\r\nb\rc\nd\n\ne"));
    EXPECT_EQ(items(l), (QStringList{"a", "b", "c", "d", "", "e"}));
    l.SetText(QString("x\ny") + QChar(0) + "z\nw");
    EXPECT_EQ(items(l), (QStringList{"x", "y"}));
    EXPECT_EQ(l.Text(), "x\ny\n");
}

TEST(StringList, NameValuePairs)
{
    TStringList l;
    l.SetText("Port=502\nHost=a=b\nplain");
    EXPECT_EQ(l.Values("port"), "502");
    EXPECT_EQ(l.Values("Host"), "a=b");
    EXPECT_EQ(l.Names(1), "Host");
    EXPECT_EQ(l.Values("plain"), "");
}

TEST(StringList, FileRoundTripKeepsEncoding)
{
    TempDir dir;
    for (TextEncoding enc : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16LE, TextEncoding::Utf16BE,
                             TextEncoding::Windows1252}) {
        TStringList out;
        out.Add(QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"));
        out.Add("second");
        out.SaveToFile(dir.file("f.txt"), enc);
        TStringList in;
        in.LoadFromFile(dir.file("f.txt"));
        EXPECT_EQ(items(in), items(out)) << int(enc);
    }
    TStringList missing;
    EXPECT_THROW(missing.LoadFromFile(dir.file("none.txt")), EFileError);
    EXPECT_THROW(missing.SaveToFile(dir.file("no/such/dir/f.txt")), EFileError);
}

}  // namespace
