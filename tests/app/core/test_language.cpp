// The text table: built-in texts, language files, language choice and the
// safe filling of "%d" patterns.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "support/temp_dir.h"

using namespace std::string_literals;

namespace {

// Text changes relative to the built-in table: number -> UTF-8 text.
using Changes = std::map<int, std::string>;

QByteArray Utf16(const QString& s, bool bigEndian)
{
    QByteArray out(bigEndian ? "\xFE\xFF" : "\xFF\xFE");
    for (QChar c : s) {
        const char hi = static_cast<char>(c.unicode() >> 8), lo = static_cast<char>(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Language_Dir = dir.path();
        Language_Name = "English";
        Load_Default_Lang();
        builtin = Lang_Texts;
    }
    void TearDown() override
    {
        Lang_Texts = savedTexts;
        Lang_Count = savedCount;
        Language_Dir = savedDir;
        Language_Name = savedName;
    }

    QString writeLng(const QString& name, const QByteArray& bytes) { return dir.write(name + ".lng", bytes); }
    static QByteArray Utf8Bom(const std::string& s) { return "\xEF\xBB\xBF" + QByteArray::fromStdString(s); }

    // Every number holds its built-in text except those in `changes`.
    void ExpectTable(const Changes& changes) const
    {
        ASSERT_EQ(Lang_Texts.size(), 5400);
        for (int n = 0; n < 5400; ++n) {
            auto it = changes.find(n);
            const QString want = it == changes.end() ? builtin[n] : QString::fromStdString(it->second);
            EXPECT_EQ(Lang_Texts[n], want) << "text " << n;
        }
    }

    TempDir dir;
    QStringList builtin;

private:
    const QStringList savedTexts = Lang_Texts;
    const int savedCount = Lang_Count;
    const String savedDir = Language_Dir;
    const String savedName = Language_Name;
};

// ---- built-in texts -------------------------------------------------------------

TEST_F(LanguageTest, BuiltinTableIsCompleteAndClean)
{
    Load_Default_Lang();  // a second fill starts from an empty table
    ASSERT_EQ(Lang_Count, 5400);
    ASSERT_EQ(Lang_Texts.size(), 5400);
    int blanks = 0;
    std::vector<int> nonAscii;
    for (int n = 0; n < 5400; ++n) {
        const QString& t = Lang_Texts[n];
        EXPECT_FALSE(t.isEmpty()) << "text " << n;
        blanks += t == " ";
        for (QChar c : t) {
            EXPECT_TRUE(c >= u' ' && c != u'&' && c != u'|') << "text " << n;
            if (c.unicode() > 0x7F) {
                nonAscii.push_back(n);
                break;
            }
        }
    }
    // The added texts fill numbers that are blank among the built-in texts.
    EXPECT_EQ(blanks + int(Added_Lang_Texts.size()), 2252);
    EXPECT_EQ(nonAscii, std::vector<int>{3826});
}

TEST_F(LanguageTest, BuiltinSamples)
{
    const Changes samples = {
        {0, "Begin"},
        {9, "None Configuration Opened "},
        {12, "Information"},
        {305, "Page "},
        {306, " / "},
        {1100, "Row Already used. Do you want to overwrite the values?"},
        {2057, "Select the BACnet Type in the \"Set Communication\" section"},
        {3826, "Description for the M-Bus meter (defined in the section \xE2\x80\x9CM-Bus\xE2\x80\x9D)"},
        {4641, "!! OID string cannot start with a \".\""},
        {5329, "Error!! [Master to Slave] Num Variables in total must be minor or equal to 256"},
    };
    for (const auto& [n, text] : samples)
        EXPECT_EQ(Lang_Texts[n].toUtf8().toStdString(), text) << "text " << n;
    auto added = [](int n) {
        return std::any_of(Added_Lang_Texts.begin(), Added_Lang_Texts.end(),
                           [n](const TAdded_Lang_Text& a) { return a.Number == n; });
    };
    for (auto [first, last] : {std::pair{81, 99}, {1106, 1199}, {5330, 5399}})
        for (int n = first; n <= last; ++n) {
            if (!added(n)) {
                EXPECT_EQ(Lang_Texts[n], " ") << "text " << n;
            }
        }
}

TEST_F(LanguageTest, PercentPatternsAreExactlyTheDocumentedOnes)
{
    std::map<int, int> expected = {{1033, 1}, {1143, 2}, {4200, 3}, {4204, 3}, {4527, 2}, {4528, 1}, {5322, 1}};
    for (int n : {4195, 4196, 4197, 4198, 4199, 4201, 4202, 4203, 4211, 4212, 4213, 4214, 4215, 4216})
        expected[n] = 2;
    std::map<int, int> found;
    for (int n = 0; n < 5400; ++n) {
        EXPECT_EQ(Lang_Texts[n].count('%'), Lang_Texts[n].count("%d")) << "stray % in text " << n;
        if (const auto k = Lang_Texts[n].count("%d"))
            found[n] = static_cast<int>(k);
    }
    EXPECT_EQ(found, expected);
}

TEST_F(LanguageTest, AddedTextsUseFreeNumbersAndAreApplied)
{
    std::set<int> seen;
    for (const TAdded_Lang_Text& a : Added_Lang_Texts) {
        EXPECT_TRUE(a.Number >= 1106 && a.Number <= 1199) << a.Number;
        EXPECT_TRUE(seen.insert(a.Number).second) << "number " << a.Number << " used twice";
        EXPECT_EQ(Lang_Texts[a.Number], QString::fromUtf8(a.Text));
    }
}

TEST_F(LanguageTest, LangTextIsBoundsSafe)
{
    EXPECT_EQ(Lang_Text(0), "Begin");
    EXPECT_EQ(Lang_Text(5399), " ");
    EXPECT_EQ(Lang_Text(-1), "");
    EXPECT_EQ(Lang_Text(5400), "");
    Lang_Texts.clear();
    EXPECT_EQ(Lang_Text(0), "");
}

// ---- language file lines ----------------------------------------------------------

TEST_F(LanguageTest, LanguageFileLines)
{
    struct Case {
        std::vector<std::string> lines;
        Changes effect;
    };
    const Case cases[] = {
        {{"STR12 = Hello"}, {{12, "Hello"}}},
        {{" \t STR12 = Hello \t "}, {{12, "Hello"}}},
        {{"STR12=Hello"}, {{1, "Hello"}}},  // the character before "=" is not read
        {{"STR123= Hello"}, {{12, "Hello"}}},
        {{"STR 12 = Hello"}, {{12, "Hello"}}},
        {{"STR12  = Hello"}, {{12, "Hello"}}},
        {{"STR12\t= Hello"}, {{12, "Hello"}}},
        {{"STR+12 = Hello"}, {{12, "Hello"}}},
        {{"STR$C = Hello"}, {{12, "Hello"}}},
        {{"STR0xC = Hello"}, {{12, "Hello"}}},
        {{"STR0 = First", "STR5399 = Last"}, {{0, "First"}, {5399, "Last"}}},
        {{"str12 = Hello"}, {}},
        {{"xSTR12 = Hello"}, {}},
        {{"STR5400 = Hello"}, {}},
        {{"STR-1 = Hello"}, {}},
        {{"STRabc = Hello"}, {}},
        {{"STR4294967308 = Hello"}, {}},  // beyond 32 bits, not wrapped to 12
        {{"STR12 Hello"}, {}},
        {{"STR12 ="}, {}},
        {{"STR12 = /#/ note"}, {}},
        {{"STR12 = Hello /#/ note"}, {{12, "Hello"}}},
        {{"STR12 = a = b"}, {{12, "a = b"}}},
        {{"STR12 = \u00B6  Hello  \u00B6"}, {{12, "  Hello  "}}},
        {{"STR12 = \u00B6  Hello"}, {{12, "  Hello"}}},
        {{"STR12 = Hello\u00B6World"}, {{12, "Hello"}}},
        {{"STR12 = \u00B6\u00B6"}, {{12, ""}}},
        {{"STR12 = \u00B6a /#/ b\u00B6"}, {{12, "a"}}},
        {{"STR12 = \u00B6Error row \u00B6 /#/ note"}, {{12, "Error row "}}},
        {{"STR12 = One", "STR12 = Two"}, {{12, "Two"}}},
        {{"STR12 = One", "STR12 =", "STR12 = /#/ x"}, {{12, "One"}}},
        {{"[Language]", "", "; Italiano", "STR13 = Opzioni"}, {{13, "Opzioni"}}},
    };
    for (const Case& c : cases) {
        std::string body;
        for (const std::string& l : c.lines)
            body += l + "\r\n";
        SCOPED_TRACE(body);
        Load_Default_Lang();
        Load_Lang_File(writeLng("Lines", Utf8Bom(body)));
        ExpectTable(c.effect);
    }
}

TEST_F(LanguageTest, LanguageFileEncodingsAndLineEnds)
{
    const QString utf16Text = QString::fromUtf8("STR12 = \u00B6 Hi \u00B6\r\nSTR13 = \u00DCn\u00EF\u20AC");
    const Changes utf16Effect = {{12, " Hi "}, {13, "\u00DCn\u00EF\u20AC"}};
    struct Case {
        const char* name;
        QByteArray bytes;
        Changes effect;
    } cases[] = {
        {"UTF-8 with mark", Utf8Bom("STR12 = \xC2\xB6 Hi \xC2\xB6\r\nSTR13 = \xC3\xA9t\xC3\xA9"),
         {{12, " Hi "}, {13, "\u00E9t\u00E9"}}},
        {"UTF-16LE", Utf16(utf16Text, false), utf16Effect},
        {"UTF-16BE", Utf16(utf16Text, true), utf16Effect},
        {"Windows-1252", "STR12 = \xB6 Hi \xB6\r\nSTR13 = \xE9t\xE9 \x80", {{12, " Hi "}, {13, "\u00E9t\u00E9 \u20AC"}}},
        {"UTF-8 without mark", "STR12 = \xC2\xB6 Hi \xC2\xB6", {{12, " Hi "}}},
        {"NUL ends the text", QByteArray::fromStdString("STR12 = A\r\nSTR13 = B\0\r\nSTR14 = C"s), {{12, "A"}, {13, "B"}}},
        {"NUL in UTF-16", Utf16(QString::fromUtf8("STR12 = A\r\nSTR13 = B") + QChar(0) + "\nSTR14 = C", false),
         {{12, "A"}, {13, "B"}}},
        {"mixed line ends", "STR12 = A\rSTR13 = B\nSTR14 = C\r\nSTR15 = D\n\rSTR16 = E",
         {{12, "A"}, {13, "B"}, {14, "C"}, {15, "D"}, {16, "E"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load_Default_Lang();
        Load_Lang_File(writeLng("Enc", c.bytes));
        ExpectTable(c.effect);
    }
}

TEST_F(LanguageTest, UnreadableFileRaisesBeforeAnyChange)
{
    EXPECT_THROW(Load_Lang_File(dir.file("Missing.lng")), EFileError);
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.lng"));
    EXPECT_THROW(Load_Lang_File(dir.file("Folder.lng")), EFileError);
    ExpectTable({});
}

TEST_F(LanguageTest, LinesAreIgnoredBeforeTheFirstFill)
{
    Lang_Texts.clear();
    Lang_Count = 0;
    Load_Lang_File(writeLng("Early", "STR0 = Begin\r\n"));
    EXPECT_TRUE(Lang_Texts.isEmpty());
}

// ---- choosing the language ---------------------------------------------------------

TEST_F(LanguageTest, LoadLanguageAppliesTheNamedFile)
{
    writeLng("Italiano", "STR12 = Informazioni\r\nSTR13 = Opzioni\r\n");
    writeLng("English", "STR12 = Info EN\r\n");
    Language_Name = "Italiano";
    EXPECT_TRUE(Load_Language());
    EXPECT_EQ(Language_Name, "Italiano");
    ExpectTable({{12, "Informazioni"}, {13, "Opzioni"}});
}

TEST_F(LanguageTest, MissingFileFallsBackToEnglish)
{
    writeLng("English", "STR12 = Info EN\r\n");
    Language_Name = "Klingon";
    EXPECT_TRUE(Load_Language());
    EXPECT_EQ(Language_Name, "English");
    ExpectTable({{12, "Info EN"}});

    QFile::remove(dir.file("English.lng"));
    Language_Name = "Klingon";
    EXPECT_TRUE(Load_Language());
    EXPECT_EQ(Language_Name, "English");
    ExpectTable({});
}

TEST_F(LanguageTest, SwitchingLanguageStartsFromTheBuiltinTexts)
{
    writeLng("Italiano", "STR12 = Informazioni\r\nSTR13 = Opzioni\r\n");
    writeLng("Deutsch", "STR13 = Optionen\r\n");
    Language_Name = "Italiano";
    ASSERT_TRUE(Load_Language());
    Language_Name = "Deutsch";
    ASSERT_TRUE(Load_Language());
    ExpectTable({{13, "Optionen"}});
}

TEST_F(LanguageTest, ReadOnlyFileLoads)
{
    const QString path = writeLng("Italiano", "STR12 = Informazioni\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    Language_Name = "Italiano";
    EXPECT_TRUE(Load_Language());
    ExpectTable({{12, "Informazioni"}});
}

TEST_F(LanguageTest, UnreadableFileKeepsBuiltinsAndName)
{
    // A directory of the language's name is present but cannot be read.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Broken.lng"));
    Language_Name = "Broken";
    EXPECT_FALSE(Load_Language());
    EXPECT_EQ(Language_Name, "Broken");
    ExpectTable({});

    // The same for the English fallback: the name of entry comes back.
    ASSERT_TRUE(QDir(dir.path()).mkdir("English.lng"));
    Language_Name = "Klingon";
    EXPECT_FALSE(Load_Language());
    EXPECT_EQ(Language_Name, "Klingon");
    ExpectTable({});
}

// ---- filling "%d" patterns ------------------------------------------------------------

TEST(FormatLang, ReplacesOnlyPercentD)
{
    const std::pair<QString, const char*> cases[] = {
        {Format_Lang("%d of %d", {1, 2}), "1 of 2"},
        {Format_Lang("%s %d %%", {5}), "%s 5 %%"},
        {Format_Lang("100%", {}), "100%"},
        {Format_Lang("%", {1}), "%"},
        {Format_Lang("%D %x %5d %n", {1}), "%D %x %5d %n"},
        {Format_Lang("%d-%d-%d", {7}), "7--"},
        {Format_Lang("%d", {1, 2, 3}), "1"},
        {Format_Lang("Row %d", {-3}), "Row -3"},
        {Format_Lang("%d", {INT64_MIN}), "-9223372036854775808"},
        {Format_Lang("", {1}), ""},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);
}

TEST_F(LanguageTest, FormatLangFillsBuiltinPatterns)
{
    EXPECT_EQ(Format_Lang(Lang_Texts[4200], {1, 2, 3}),
              "Error in Server Number 1 in Read Variable 2!! Position must be between 0 and 3");
    EXPECT_EQ(Format_Lang(Lang_Texts[1033], {7}), "Are you sure to delete the Row number 7");
}

}  // namespace
