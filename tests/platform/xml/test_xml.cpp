#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/rtl/exceptions.h"
#include "platform/xml/xml.h"
#include "support/temp_dir.h"

namespace {

// ---- loading --------------------------------------------------------------------

struct LoadCase {
    const char* name;
    QByteArray bytes;
    const char* root;
    const char* value;  // attribute v of the root
};

class XmlLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(XmlLoadTest, FindsTheDocumentElement)
{
    const LoadCase& c = GetParam();
    TempDir dir;
    XmlDocument doc;
    String error;
    ASSERT_TRUE(doc.LoadFromFile(dir.write("f.xml", c.bytes), &error)) << error.toStdString();
    const XmlNode root = doc.DocumentElement();
    ASSERT_FALSE(root.IsNull());
    EXPECT_EQ(root.NodeName(), String::fromUtf8(c.root));
    EXPECT_EQ(root.Attribute("v"), String::fromUtf8(c.value));
}

QByteArray utf16le(const char* utf8)
{
    const String s = String::fromUtf8(utf8);
    QByteArray out("\xFF\xFE", 2);
    out.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, XmlLoadTest,
    ::testing::Values(
        LoadCase{"Plain", "<Conf_Settings v=\"1\"/>", "Conf_Settings", "1"},
        LoadCase{"Bom", "\xEF\xBB\xBF<Root v=\"\xC3\xA9\"/>", "Root", "\xC3\xA9"},
        LoadCase{"Declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Root v=\"x\"/>", "Root", "x"},
        LoadCase{"CommentAndBlanks", "\n  <!--SW_VERSION = 1.000-->\r\n\t<Root v=\"2\">\n  <row/>\n</Root>\n  ",
                 "Root", "2"},
        LoadCase{"CommentAfterRoot", "<Root v=\"3\"/><!--SW_VERSION = 1.000-->", "Root", "3"},
        LoadCase{"Utf16WithBom", utf16le("<?xml version=\"1.0\" encoding=\"UTF-16\"?><R v=\"\xE2\x80\x9Cq\xE2\x80\x9D\"/>"),
                 "R", "\xE2\x80\x9Cq\xE2\x80\x9D"},
        // Bytes that are not UTF-8 are read as Windows-1252 (E9 = e acute).
        LoadCase{"Windows1252", "<R v=\"caf\xE9\"/>", "R", "caf\xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlLoad, RefusesMissingAndMalformedFilesAndLeavesTheDocumentEmpty)
{
    TempDir dir;
    const char* malformed[] = {"", "   ", "<!-- only a comment -->", "<a>", "<a></b>", "text", "<a x=1/>"};
    for (const char* bytes : malformed) {
        XmlDocument doc;
        ASSERT_TRUE(doc.LoadFromString("<old/>"));
        String error;
        EXPECT_FALSE(doc.LoadFromFile(dir.write("bad.xml", bytes), &error)) << bytes;
        EXPECT_TRUE(error.contains("bad.xml")) << error.toStdString();
        EXPECT_TRUE(doc.DocumentElement().IsNull()) << bytes;
        EXPECT_FALSE(doc.LoadFromString(String::fromUtf8(bytes))) << bytes;
    }
    XmlDocument doc;
    String error;
    EXPECT_FALSE(doc.LoadFromFile(dir.file("missing.xml"), &error));
    EXPECT_TRUE(error.contains("missing.xml")) << error.toStdString();
}

TEST(XmlLoad, KeepsDocumentLevelCommentsAsNodes)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<!--SW_VERSION = 1.000--><Root/>"));
    const XmlNode first = doc.FirstNode();
    ASSERT_TRUE(first.IsComment());
    EXPECT_EQ(first.Text(), "SW_VERSION = 1.000");
    EXPECT_EQ(first.NextSibling(), doc.DocumentElement());
    EXPECT_EQ(doc.SaveToString(), "<!--SW_VERSION = 1.000--><Root/>");
}

// ---- reading the tree ---------------------------------------------------------------

TEST(XmlNodeRead, WalksChildrenAttributesAndText)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<R a=\"1\" b=\"\"><x/>t1<!--c--><y k=\"v\">in</y>t2<x n=\"2\"/></R>"));
    const XmlNode r = doc.DocumentElement();

    EXPECT_TRUE(r.HasAttribute("b"));
    EXPECT_EQ(r.Attribute("b", "dflt"), "");  // present but empty is not missing
    EXPECT_FALSE(r.HasAttribute("c"));
    EXPECT_EQ(r.Attribute("c", "dflt"), "dflt");
    EXPECT_EQ(r.Attribute("c"), "");
    EXPECT_EQ(r.AttributeNames(), QStringList({"a", "b"}));

    // Text gathers all text below, comments excluded.
    EXPECT_EQ(r.Text(), "t1int2");

    XmlNode n = r.FirstChild();
    QStringList kinds;
    for (; n; n = n.NextSibling())
        kinds << n.NodeName();
    EXPECT_EQ(kinds, QStringList({"x", "#text", "#comment", "y", "#text", "x"}));

    EXPECT_EQ(r.FirstChildElement().NextSiblingElement().NodeName(), "y");
    EXPECT_EQ(r.ChildNode("y").Attribute("k"), "v");
    EXPECT_EQ(r.ChildNode("y").Parent(), r);
    EXPECT_TRUE(r.Parent().IsNull());  // the document is not an element
    EXPECT_TRUE(r.ChildNode("Y").IsNull());  // names are case-sensitive
    EXPECT_EQ(r.ChildElements().size(), 3u);
    const auto xs = r.ChildElements("x");
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_EQ(xs[1].Attribute("n"), "2");

    // A null handle reads as empty everywhere.
    const XmlNode none = r.ChildNode("missing");
    EXPECT_FALSE(bool(none));
    EXPECT_TRUE(none.ChildNode("a").IsNull());
    EXPECT_TRUE(none.FirstChild().IsNull());
    EXPECT_EQ(none.Attribute("a", "d"), "d");
    EXPECT_EQ(none.Text(), "");
    EXPECT_TRUE(none.ChildElements().empty());
}

// ---- writing -------------------------------------------------------------------

TEST(XmlWrite, SavesCompactUtf8InTheOrderOfAddition)
{
    XmlDocument doc;
    XmlNode root = doc.CreateRoot("EtherCAT_Slave");
    doc.AddComment("SW_VERSION = 1.000");
    XmlNode row = root.AddChild("row");
    row.SetAttribute("b", "1");
    row.SetAttribute("a", "2");
    row.SetAttribute("b", "3");  // replaced in place
    root.AddChild("Par").SetText("x");
    root.AddChild("Empty");

    TempDir dir;
    const String path = dir.file("rules.xml");
    doc.SaveToFile(path);
    const QByteArray expected =
        "<EtherCAT_Slave><row b=\"3\" a=\"2\"/><Par>x</Par><Empty/></EtherCAT_Slave><!--SW_VERSION = 1.000-->";
    EXPECT_EQ(dir.read("rules.xml"), expected);
    EXPECT_EQ(doc.SaveToString(), String::fromUtf8(expected));
}

TEST(XmlWrite, CreateRootReplacesTheDocumentElement)
{
    XmlDocument doc;
    doc.AddComment("c");
    doc.CreateRoot("A").AddChild("old");
    doc.CreateRoot("B");
    EXPECT_EQ(doc.SaveToString(), "<!--c--><B/>");
    doc.Clear();
    EXPECT_TRUE(doc.FirstNode().IsNull());
    EXPECT_EQ(doc.SaveToString(), "");
}

TEST(XmlWrite, EditsChildrenInPlace)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString("<R><a/>text<b/></R>"));
    XmlNode r = doc.DocumentElement();
    r.ChildNode("a").SetText("new");
    EXPECT_EQ(doc.SaveToString(), "<R><a>new</a>text<b/></R>");
    r.SetText("only");
    EXPECT_EQ(doc.SaveToString(), "<R>only</R>");
    r.RemoveAllChildren();
    r.AddText("t");
    r.AddComment("note");
    r.AddChild("c");
    EXPECT_EQ(doc.SaveToString(), "<R>t<!--note--><c/></R>");
}

// Every value must come back exactly, as text and as attribute, through a file.
class XmlRoundTripTest : public ::testing::TestWithParam<const char*> {};

TEST_P(XmlRoundTripTest, KeepsValuesVerbatim)
{
    const String value = String::fromUtf8(GetParam());
    XmlDocument doc;
    XmlNode root = doc.CreateRoot("Root");
    root.AddChild("t").SetText(value);
    root.AddChild("a").SetAttribute("v", value);

    TempDir dir;
    doc.SaveToFile(dir.file("f.xml"));
    const QByteArray bytes = dir.read("f.xml");
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains("<?xml"));
    EXPECT_FALSE(bytes.contains('\n')) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains('\r')) << bytes.toStdString();

    XmlDocument back;
    String error;
    ASSERT_TRUE(back.LoadFromFile(dir.file("f.xml"), &error)) << error.toStdString() << bytes.toStdString();
    EXPECT_EQ(back.DocumentElement().ChildNode("t").Text(), value) << bytes.toStdString();
    EXPECT_EQ(back.DocumentElement().ChildNode("a").Attribute("v"), value) << bytes.toStdString();

    XmlDocument fromString;
    ASSERT_TRUE(fromString.LoadFromString(doc.SaveToString()));
    EXPECT_EQ(fromString.DocumentElement().ChildNode("t").Text(), value);
}

INSTANTIATE_TEST_SUITE_P(Values, XmlRoundTripTest,
                         ::testing::Values("", " ", "   ", "  lead and trail  ", "a&b<c>d\"e'f", "]]>",
                                           "caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xF0\x9F\x98\x80",
                                           "tab\there", "line1\nline2", "crlf\r\nend", "\r", "&amp; literal",
                                           "<!-- not a comment -->"));

TEST(XmlWrite, OutputIsWellFormedForXmllint)
{
    if (!QFile::exists("/usr/bin/xmllint"))
        GTEST_SKIP() << "xmllint not installed";
    XmlDocument doc;
    XmlNode root = doc.CreateRoot("Root");
    doc.AddComment("SW_VERSION = 1.000");
    root.AddChild("row").SetAttribute("v", String::fromUtf8(" a&<\"\t\n\r\xC3\xA9 "));
    root.AddChild("t").SetText(String::fromUtf8(" x\r\n<&>]]> \xE2\x80\x9C "));
    TempDir dir;
    doc.SaveToFile(dir.file("f.xml"));
    const std::string cmd = "/usr/bin/xmllint --noout '" + dir.file("f.xml").toStdString() + "' 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

// ---- values XML cannot carry ------------------------------------------------------

TEST(XmlRefuse, SettersRefuseWhatWouldMakeTheFileMalformed)
{
    XmlDocument doc;
    XmlNode row = doc.CreateRoot("Root").AddChild("row");
    const String control = String("a") + QChar(0x01) + "b";
    const String nul = String("a") + QChar(0) + "b";

    try {
        row.SetAttribute("Name", control);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().contains("Root/row")) << e.what();
        EXPECT_TRUE(e.Message().contains("Name")) << e.what();
        EXPECT_TRUE(e.Message().contains("U+0001")) << e.what();
    }
    EXPECT_THROW(row.SetAttribute("Name", nul), EConvertError);  // would otherwise be cut at the NUL
    EXPECT_THROW(row.SetText(control), EConvertError);
    EXPECT_THROW(row.AddText(String(QChar(0xFFFF))), EConvertError);
    EXPECT_THROW(row.AddComment("a--b"), EConvertError);
    EXPECT_THROW(row.AddComment("ends-"), EConvertError);
    EXPECT_THROW(doc.AddComment("a--b"), EConvertError);
    for (const char* bad : {"", "1abc", "a b", "a<b", "a\"b", "-x"}) {
        EXPECT_THROW(row.AddChild(bad), EConvertError) << bad;
        EXPECT_THROW(row.SetAttribute(bad, "v"), EConvertError) << bad;
    }
    EXPECT_THROW(doc.CreateRoot("a b"), EConvertError);
    // Refused calls changed nothing.
    EXPECT_EQ(doc.SaveToString(), "<Root><row/></Root>");

    // Allowed: tab, line breaks, names with digits, "-", "." and non-ASCII letters.
    row.SetAttribute("Name", "\t\n\r");
    row.AddChild(String::fromUtf8("r\xC3\xA9-1.x_y"));

    // Changing through a null handle is a programming error, not a silent no-op.
    EXPECT_THROW(XmlNode().AddChild("x"), Exception);
    EXPECT_THROW(XmlNode().SetAttribute("x", "y"), Exception);
}

// A read-only directory refuses an ordinary user, but root writes anywhere:
// run as root, this thread acts as user "nobody" until the end of the scope
// (the raw system call changes the calling thread only, unlike seteuid(),
// which changes the whole process). An ordinary user has nothing to drop.
class AsUnprivileged {
public:
    AsUnprivileged()
    {
        if (::geteuid() != 0)
            ok_ = true;
        else
            ok_ = dropped_ = ::syscall(SYS_setresuid, -1, 65534, -1) == 0;
    }
    ~AsUnprivileged()
    {
        if (dropped_)
            ::syscall(SYS_setresuid, -1, 0, -1);
    }
    AsUnprivileged(const AsUnprivileged&) = delete;
    AsUnprivileged& operator=(const AsUnprivileged&) = delete;
    bool ok() const { return ok_; }
    // Whether this thread can create a file in Dir (the file is removed again).
    static bool CanWrite(const String& Dir)
    {
        const QByteArray probe = (Dir + "/probe").toLocal8Bit();
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            return false;
        ::close(fd);
        ::unlink(probe.constData());
        return true;
    }

private:
    bool ok_ = false;
    bool dropped_ = false;
};

// Gives a directory its write permission back when the scope ends, however
// it ends, so that it can be removed.
class WritableAgain {
public:
    explicit WritableAgain(String Dir) : dir_(std::move(Dir)) {}
    ~WritableAgain() { ::chmod(dir_.toLocal8Bit().constData(), 0755); }
    WritableAgain(const WritableAgain&) = delete;
    WritableAgain& operator=(const WritableAgain&) = delete;

private:
    String dir_;
};

TEST(XmlSave, FailureRaisesAndLeavesTheOldFileIntact)
{
    TempDir dir;
    XmlDocument doc;
    doc.CreateRoot("New");

    // Parent is a regular file: fails for any user.
    dir.write("plain", "x");
    EXPECT_THROW(doc.SaveToFile(dir.file("plain/f.xml")), EFileError);

    // Read-only directory holding the old file.
    const String ro = dir.file("ro");
    ASSERT_TRUE(QDir().mkpath(ro));
    dir.write("ro/f.xml", "<old/>");
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    const WritableAgain restore(ro);
    ASSERT_EQ(::chmod(ro.toLocal8Bit().constData(), 0555), 0);
    {
        AsUnprivileged guard;
        if (!guard.ok())
            GTEST_SKIP() << "running as root, and the thread cannot become user nobody (65534): "
                            "a read-only directory does not stop root";
        ASSERT_FALSE(AsUnprivileged::CanWrite(ro)) << "the directory must refuse the writer";
        EXPECT_THROW(doc.SaveToFile(ro + "/f.xml"), EFileError);
    }
    EXPECT_EQ(dir.read("ro/f.xml"), "<old/>");
    EXPECT_EQ(QDir(ro).entryList(QDir::Files | QDir::Hidden), QStringList({"f.xml"}));  // no temporary left
}

}  // namespace
