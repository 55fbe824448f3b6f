// Documents built to break a reader: nesting far deeper than any real file,
// and characters XML does not allow, written raw or as references.
#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/xml/xml.h"
#include "support/temp_dir.h"

namespace {

QByteArray nested(int Depth, const QByteArray& Inner = "x")
{
    QByteArray s;
    s.reserve(Depth * 7 + Inner.size());
    for (int i = 0; i < Depth; ++i)
        s += "<a>";
    s += Inner;
    for (int i = 0; i < Depth; ++i)
        s += "</a>";
    return s;
}

}  // namespace

// 100,000 levels (700 KB): reading the text, saving, replacing the children
// and the root all walk the tree without recursing.
TEST(XmlDeep, EveryWalkSurvivesAHundredThousandLevels)
{
    TempDir dir;
    const String path = dir.write("deep.xml", nested(100000, "deep"));
    XmlDocument doc;
    String error;
    ASSERT_TRUE(doc.LoadFromFile(path, &error)) << error.toStdString();
    XmlNode root = doc.DocumentElement();
    EXPECT_EQ(root.Text(), "deep");
    EXPECT_EQ(doc.SaveToString().size(), 700004);
    doc.SaveToFile(dir.file("copy.xml"));
    EXPECT_EQ(dir.read("copy.xml"), nested(100000, "deep"));

    root.FirstChildElement().SetText("flat");
    EXPECT_EQ(root.Text(), "flat");
    ASSERT_TRUE(doc.LoadFromFile(path));
    doc.DocumentElement().RemoveAllChildren();
    EXPECT_EQ(doc.SaveToString(), "<a/>");
    ASSERT_TRUE(doc.LoadFromFile(path));
    doc.CreateRoot("b");
    EXPECT_EQ(doc.SaveToString(), "<b/>");
}

// A character XML does not allow makes the document malformed, wherever and
// however it is written; nothing of it is kept.
TEST(XmlForbiddenCharacters, MakeTheDocumentMalformed)
{
    const struct {
        const char* What;
        QByteArray Text;
    } cases[] = {
        {"NUL reference in text", "<R>abc&#0;def</R>"},
        {"NUL reference in an attribute", "<R v=\"abc&#0;def\"/>"},
        {"hex NUL reference", "<R>abc&#x0;def</R>"},
        {"U+0001 reference", "<Root><row v=\"a&#1;b\"/></Root>"},
        {"U+FFFE reference", "<R>&#xFFFE;</R>"},
        {"surrogate reference", "<R>&#xD800;</R>"},
        {"beyond U+10FFFF", "<R>&#x110000;</R>"},
        {"huge decimal reference", "<R>&#99999999999999999999999;</R>"},
        {"raw U+0001", "<R>a\x01z</R>"},
        {"raw U+0001 in a comment", "<R><!-- \x01 --></R>"},
        {"raw NUL", QByteArray("<R>a\0z</R>", 10)},
        {"raw U+FFFF", "<R>\xEF\xBF\xBF</R>"},
    };
    for (const auto& c : cases) {
        XmlDocument doc;
        String error;
        EXPECT_FALSE(doc.LoadFromString(String::fromUtf8(c.Text), &error)) << c.What;
        EXPECT_FALSE(error.isEmpty()) << c.What;
        EXPECT_TRUE(doc.DocumentElement().IsNull()) << c.What;
        TempDir dir;
        EXPECT_FALSE(doc.LoadFromFile(dir.write("f.xml", c.Text), &error)) << c.What;
        EXPECT_TRUE(error.contains("f.xml")) << c.What;
    }
}

// References still read as before: the predefined entities, decimal and hex
// character references, and anything else after "&" kept as written; a
// reference inside a CDATA section or comment is no reference.
TEST(XmlForbiddenCharacters, AllowedReferencesReadAsTheirCharacters)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<R a=\"&lt;&#9;&#x41;&quot;&apos;&amp;amp;\">x&#10;&#13;&#x20AC;&#x1F600;&gt;"
                                   "&foo; &#; &#12 &<![CDATA[&#0;]]><!-- &#0; --></R>"));
    const XmlNode r = doc.DocumentElement();
    EXPECT_EQ(r.Attribute("a"), "<\tA\"'&amp;");
    EXPECT_EQ(r.Text(), String::fromUtf8("x\n\r\xE2\x82\xAC\xF0\x9F\x98\x80>&foo; &#; &#12 &&#0;"));
    EXPECT_EQ(r.FirstChild().NextSibling().NextSibling().Text(), " &#0; ");
}

// The setters and the save check measure the whole text, past a NUL too.
TEST(XmlForbiddenCharacters, SettersRefuseTheWholeText)
{
    XmlDocument doc;
    XmlNode root = doc.CreateRoot("R");
    const String withNul = String("abc") + QChar(0) + "def";
    EXPECT_THROW(root.SetText(withNul), EConvertError);
    EXPECT_THROW(root.SetAttribute("v", withNul), EConvertError);
    EXPECT_THROW(root.AddText(withNul), EConvertError);
    EXPECT_EQ(doc.SaveToString(), "<R/>");
}
