// The ESI writer: values, layout of the lines, PDO blocks, refusals and the
// step-4 decision after the save dialog.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "esi_support.h"
#include "platform/os/files.h"
#include "support/temp_dir.h"

namespace {

class EsiTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }

    QString par() const { return dir.file("ParGen.xml"); }
    QString slave() const { return dir.file("EtherCAT_Slave.xml"); }
    QString out() const { return dir.file("out.xml"); }

    // Writes out.xml from the given files (an empty ParGen text: no file) and reads it back.
    Esi_File write(const std::vector<Var>& StoM, const std::vector<Var>& MtoS, const QString& ParGen_Elements = {})
    {
        QFile::remove(par());
        if (!ParGen_Elements.isEmpty())
            dir.write("ParGen.xml", ParGen_Xml(ParGen_Elements));
        Save_Vars(slave(), StoM, MtoS);
        const TESI_Result r = Build_EtherCAT_ESI_File(out(), par(), slave());
        EXPECT_TRUE(r.Ok) << r.Message.toStdString();
        Esi_File f;
        EXPECT_TRUE(Read_Esi(out(), f));
        return f;
    }
    // A write that must fail: its message, and out.xml must be as before.
    QString refused(const std::vector<Var>& StoM, const std::vector<Var>& MtoS, const QString& ParGen_Elements = {})
    {
        dir.write("out.xml", "old content");
        QFile::remove(par());
        if (!ParGen_Elements.isEmpty())
            dir.write("ParGen.xml", ParGen_Xml(ParGen_Elements));
        Save_Vars(slave(), StoM, MtoS);
        const TESI_Result r = Build_EtherCAT_ESI_File(out(), par(), slave());
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(dir.read("out.xml"), "old content");
        return r.Message;
    }

    TempDir dir;
};

std::vector<Var> Bools(int N, const char* Prefix = "b")
{
    std::vector<Var> v;
    for (int i = 0; i < N; ++i)
        v.push_back({"Y", "Bool", "1", Prefix + QString::number(i)});
    return v;
}

TEST(EsiValues, Pad3DataTypesNodeAddressAndOutputsAddress)
{
    const std::pair<int, const char*> pads[] = {{0, "000"}, {9, "009"}, {10, "010"}, {12, "012"},
                                                {99, "099"}, {100, "100"}, {1234, "1234"}};
    for (const auto& [n, text] : pads)
        EXPECT_EQ(Pad3(n), text) << n;

    struct {
        const char* Type;
        int Length;
        const char* Data_Type;
        int Bits;
    } const types[] = {
        {"Bool", 1, "BIT", 1},       {"Int8", 1, "SINT", 8},      {"Int16", 2, "INT", 16},
        {"Int32", 4, "DINT", 32},    {"UInt8", 1, "USINT", 8},    {"UInt16", 2, "UINT", 16},
        {"UInt32", 4, "UDINT", 32},  {"Float32", 4, "REAL", 32},  {"Array", 4, "ARRAY [0..3] OF BYTE", 32},
        {"String", 10, "STRING(10)", 88}, {" bool ", 1, "BIT", 1}, {"uint16", 9, "UINT", 16},
        {"\tFLOAT32 ", 0, "REAL", 32}, {"Int64", 8, "BIT", 1},   {"", 0, "BIT", 1},
        {"Array", 255, "ARRAY [0..254] OF BYTE", 2040}, {"string", 1, "STRING(1)", 16},
    };
    for (const auto& t : types) {
        int bits = -1;
        EXPECT_EQ(ESI_Data_Type(t.Type, t.Length, bits), t.Data_Type) << t.Type;
        EXPECT_EQ(bits, t.Bits) << t.Type;
    }

    EXPECT_EQ(Node_Address_Text(1), "0100");
    EXPECT_EQ(Node_Address_Text(192), "C000");
    EXPECT_EQ(Node_Address_Text(0x1234), "3412");
    EXPECT_EQ(Node_Address_Text(0xFFFF), "FFFF");

    // 0x1000 + 3 x bytes, rounded up to a multiple of 4.
    const std::pair<int, int64_t> outputs[] = {{0, 0x1000}, {1, 0x1004}, {3, 0x100C}, {4, 0x100C}, {7, 0x1018},
                                               {11, 0x1024}, {65536, 0x31000}};
    for (const auto& [bytes, address] : outputs)
        EXPECT_EQ(Outputs_Start_Address(bytes), address) << bytes;
}

// The whole file of a small configuration, worked out line by line by hand
// (expected_small.xml; its line ends are LF, the file's are CRLF).
TEST_F(EsiTest, AWholeFileAsExpected)
{
    const Esi_File f = write(
        {{"Y", "Bool", "1", "Run"}, {"N", "Int16", "2", "Spare"}, {"Y", "Bool", "1", "Ready&Go"},
         {"Y", "Int16", "2", QString::fromUtf8("Temp °C")}},
        {{"Y", "Bool", "1", "Start"}, {"Y", "Array", "2", "Data"}, {"Y", "String", "3", "Tag"}},
        "<EtherCAT_Slave_Name>Gateway A&amp;B &lt;1&gt;</EtherCAT_Slave_Name>"
        "<EtherCAT_Slave_Revision_Number>300</EtherCAT_Slave_Revision_Number>"
        "<EtherCAT_Slave_Node_Address>192</EtherCAT_Slave_Node_Address>");
    QFile fixture(VYN_SOURCE_DIR "/tests/ethercat/esi/expected_small.xml");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QByteArray expected = fixture.readAll();
    ASSERT_FALSE(expected.contains('\r'));
    const QString icon = Icon_File_Hex();
    ASSERT_FALSE(icon.isEmpty());
    expected.replace("{ICON}", icon.toLatin1());
    expected.replace("{VENDOR}", QString("%1").arg(EtherCAT_Vendor_Id, 8, 16, QChar('0')).toUpper().toLatin1());
    expected.replace("\n", "\r\n");

    const QByteArray actual = dir.read("out.xml");
    EXPECT_TRUE(actual.startsWith("<?xml version=\"1.0\"?>\r\n"));  // no byte-order mark
    EXPECT_TRUE(actual.endsWith("</EtherCATInfo>\r\n"));
    EXPECT_EQ(actual.count('\n'), actual.count("\r\n"));  // no bare line feed
    EXPECT_TRUE(actual.contains("\r\n\r\n"));             // empty lines hold no characters
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        ASSERT_EQ(a[i].toStdString(), e[i].toStdString()) << "line " << i + 1;
    EXPECT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(f.Icons, QStringList({icon, icon, icon}));
}

TEST_F(EsiTest, IdentityFromTheParameters)
{
    struct {
        const char* Elements;
        const char* Revision;
        const char* Config_Data;
        const char* Name;
    } const cases[] = {
        {"", "#x00", "800F00CC8813ff00010000800000", "EtherCAT Slave"},  // no ParGen.xml
        {"<X/>", "#x00", "800F00CC8813ff00010000800000", "EtherCAT Slave"},
        {"<EtherCAT_Slave_Revision_Number>0</EtherCAT_Slave_Revision_Number>", "#x00", nullptr, nullptr},
        {"<EtherCAT_Slave_Revision_Number>300</EtherCAT_Slave_Revision_Number>", "#x12C", nullptr, nullptr},
        {"<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>", "#xFFFFFFFF", nullptr, nullptr},
        {"<EtherCAT_Slave_Revision_Number>2147483648</EtherCAT_Slave_Revision_Number>", "#x80000000", nullptr, nullptr},
        {"<EtherCAT_Slave_Revision_Number>$1f</EtherCAT_Slave_Revision_Number>", "#x1F", nullptr, nullptr},
        {"<EtherCAT_Slave_Node_Address>192</EtherCAT_Slave_Node_Address>", nullptr, "800F00CC8813ff00C00000800000", nullptr},
        {"<EtherCAT_Slave_Node_Address>4660</EtherCAT_Slave_Node_Address>", nullptr, "800F00CC8813ff00341200800000", nullptr},
        {"<EtherCAT_Slave_Node_Address>65535</EtherCAT_Slave_Node_Address>", nullptr, "800F00CC8813ff00FFFF00800000", nullptr},
        {"<EtherCAT_Slave_Name></EtherCAT_Slave_Name>", nullptr, nullptr, ""},
        {"<EtherCAT_Slave_Name> Gate way </EtherCAT_Slave_Name>", nullptr, nullptr, " Gate way "},
    };
    for (const auto& c : cases) {
        const Esi_File f = write({}, {}, QString::fromUtf8(c.Elements));
        EXPECT_EQ(f.Product_Code, "#x00000C21") << c.Elements;
        if (c.Revision) {
            EXPECT_EQ(f.Revision_No, c.Revision) << c.Elements;
        }
        if (c.Config_Data) {
            EXPECT_EQ(f.Config_Data, c.Config_Data) << c.Elements;
        }
        if (c.Name) {
            EXPECT_EQ(f.Slave_Type_Text, c.Name) << c.Elements;
            EXPECT_EQ(f.Slave_Names, QStringList({c.Name, c.Name})) << c.Elements;
        }
    }
}

TEST_F(EsiTest, NamesAreWrittenAsCharacterData)
{
    const QString slave_name = QString::fromUtf8("R&D <GW> \"one\" 'two' ]]> Größe");
    const QString var_name = QString::fromUtf8("a<b>&c \"d\" ]]> 温度 🌡");
    write({{"Y", "UInt8", "1", var_name}}, {{"Y", "Bool", "1", "x&y"}},
          "<EtherCAT_Slave_Name>R&amp;D &lt;GW&gt; \"one\" 'two' ]]&gt; Größe</EtherCAT_Slave_Name>");
    const QByteArray bytes = dir.read("out.xml");
    const QByteArray escaped_slave = QString::fromUtf8("R&amp;D &lt;GW&gt; \"one\" 'two' ]]&gt; Größe").toUtf8();
    EXPECT_EQ(bytes.count(">" + escaped_slave + "</"), 3) << "Type and both Names of the Device";
    EXPECT_TRUE(bytes.contains(
        "<Name>" + QString::fromUtf8("a&lt;b&gt;&amp;c \"d\" ]]&gt; 温度 🌡").toUtf8() + "</Name>"));
    EXPECT_TRUE(bytes.contains("<Name>x&amp;y</Name>"));

    Esi_File f;
    ASSERT_TRUE(Read_Esi(out(), f));
    EXPECT_EQ(f.Slave_Type_Text, slave_name);
    EXPECT_EQ(f.Slave_Names, QStringList({slave_name, slave_name}));
    EXPECT_EQ(Entry_Trace(f.TxPdo), "USINT:" + var_name);
}

TEST_F(EsiTest, ANameXmlCannotHoldRefusesTheWrite)
{
    // The slave name, with the key, the text and the character. A character
    // XML does not allow at all makes ParGen.xml itself malformed.
    for (const char* c : {"9", "10", "13"}) {
        const QString m = refused({}, {}, QString("<EtherCAT_Slave_Name>Slave&#%1;A</EtherCAT_Slave_Name>").arg(c));
        EXPECT_EQ(m, Lang_Text(1125) + "EtherCAT_Slave_Name = \"Slave" + QChar(QString(c).toInt()) + "A\" (U+" +
                         QString("%1").arg(QString(c).toInt(), 4, 16, QChar('0')).toUpper() + ")");
    }
    for (const char* c : {"1", "31"}) {
        const QString m = refused({}, {}, QString("<EtherCAT_Slave_Name>Slave&#%1;A</EtherCAT_Slave_Name>").arg(c));
        EXPECT_TRUE(m.startsWith(Lang_Text(1106))) << m.toStdString();
    }

    // A variable name: the direction and the row.
    QString m = refused({{"Y", "Bool", "1", "ok"}}, {{"N", "Int8", "1", "off"}, {"Y", "Int8", "1", "two\nlines"}});
    EXPECT_EQ(m, Lang_Text(1110) + " [Master To Slave] row 2: " + Lang_Text(1126) + "\"two\nlines\" (U+000A)");
    m = refused({{"Y", "Bool", "1", "tab\there"}}, {});
    EXPECT_TRUE(m.contains("[Slave To Master] row 1:")) << m.toStdString();

    // Characters that no file can carry, given directly.
    TEtherCAT_ESI_Data d;
    d.MtoS.push_back({"BIT", 1, QString(QChar(0xD800)) + "x", 4});
    EXPECT_THROW(ESI_Lines(d), Exception);
    d.MtoS[0].Name = QString(QChar(0xFFFE));
    EXPECT_THROW(ESI_Lines(d), Exception);
    d.MtoS[0].Name = QString::fromUtf8("🌡") + QChar(0xDC00);
    EXPECT_THROW(ESI_Lines(d), Exception);
    d.MtoS[0].Name = QString::fromUtf8("ok 🌡");
    EXPECT_NO_THROW(ESI_Lines(d));
}

// Bit runs, padding entries and disabled rows (master to slave; the entry
// indexes count named entries only).
TEST_F(EsiTest, BitRunsAndPadding)
{
    struct {
        const char* What;
        std::vector<Var> Rows;
        const char* Trace;
    } const cases[] = {
        {"three bits then an Int16",
         {{"Y", "Bool", "1", "a"}, {"Y", "Bool", "1", "b"}, {"Y", "Bool", "1", "c"}, {"Y", "Int16", "2", "i"}},
         "BIT:a BIT:b BIT:c pad5 INT:i"},
        {"a disabled row neither splits the run nor pads",
         {{"Y", "Bool", "1", "a"}, {"N", "Bool", "1", "off"}, {"N", "Int32", "4", "off2"}, {"Y", "Bool", "1", "b"}},
         "BIT:a BIT:b pad6"},
        {"eight bits need no padding", Bools(8), "BIT:b0 BIT:b1 BIT:b2 BIT:b3 BIT:b4 BIT:b5 BIT:b6 BIT:b7"},
        {"ten bits at the end", Bools(10),
         "BIT:b0 BIT:b1 BIT:b2 BIT:b3 BIT:b4 BIT:b5 BIT:b6 BIT:b7 BIT:b8 BIT:b9 pad6"},
        {"a run closed by a byte type",
         {{"Y", "Int8", "1", "i"}, {"Y", "Bool", "1", "a"}, {"Y", "UInt8", "1", "u"}, {"Y", "Bool", "1", "z"}},
         "SINT:i BIT:a pad7 USINT:u BIT:z pad7"},
        {"lower-case and padded type names", {{"Y", " bool ", "1", "a"}, {"Y", "BOOL", "1", "b"}, {"Y", "int16", "2", "i"}},
         "BIT:a BIT:b pad6 INT:i"},
        {"a stale Length of a fixed type", {{"Y", "Int32", "9", "i"}, {"Y", "Float32", "", "f"}}, "DINT:i REAL:f"},
        {"Array and String lengths", {{"Y", "Array", "4", "a"}, {"Y", "String", "10", "s"}, {"Y", "Array", "1", "o"}},
         "ARRAY [0..3] OF BYTE:a STRING(10):s ARRAY [0..0] OF BYTE:o"},
    };
    for (const auto& c : cases) {
        const Esi_File f = write({}, c.Rows);
        EXPECT_EQ(Entry_Trace(f.RxPdo), c.Trace) << c.What;
        ASSERT_EQ(f.RxPdo.size(), 1u) << c.What;
        int index = 0x7000;
        for (const Esi_Entry& e : f.RxPdo[0].Entries)
            EXPECT_EQ(e.Index, e.Padding() ? "#x0" : "#x" + QString::number(index++, 16).toUpper()) << c.What;
        EXPECT_TRUE(f.TxPdo.empty());
    }
    // BitLen of the lengths: Array 4 takes 32 bits, String 10 88 bits.
    const Esi_File f = write({}, {{"Y", "Array", "4", "a"}, {"Y", "String", "10", "s"}});
    EXPECT_EQ(f.RxPdo[0].Entries[0].BitLen, 32);
    EXPECT_EQ(f.RxPdo[0].Entries[1].BitLen, 88);
}

// The Outputs sync manager starts after three times the slave-to-master bytes.
TEST_F(EsiTest, OutputsStartAddressFromTheSlaveToMasterBytes)
{
    struct {
        const char* What;
        std::vector<Var> StoM;
        const char* Start;
    } const cases[] = {
        {"none", {}, "#x1000"},
        {"a bit run and an Int16: 3 bytes", {{"Y", "Bool", "1", "a"}, {"Y", "Bool", "1", "b"}, {"Y", "Int16", "2", "i"}},
         "#x100C"},
        {"a String of 10 counts 11 bytes", {{"Y", "String", "10", "s"}}, "#x1024"},
        {"a stale Length counts the type's size", {{"Y", "Int16", "9", "i"}}, "#x1008"},
        {"nine bits take two bytes", Bools(9), "#x1008"},
        {"disabled rows take nothing", {{"N", "Array", "200", "off"}, {"Y", "Array", "7", "a"}}, "#x1018"},
    };
    for (const auto& c : cases) {
        const Esi_File f = write(c.StoM, {{"Y", "Array", "100", "out"}});
        EXPECT_EQ(f.Outputs_Start, c.Start) << c.What;
        EXPECT_EQ(f.Inputs_Start, "#x1000") << c.What;
    }
}

TEST_F(EsiTest, PdoBlocksOfSixteenEntries)
{
    std::vector<Var> rows;
    for (int i = 0; i < 17; ++i)
        rows.push_back({"Y", "UInt16", "2", "v" + QString::number(i)});
    Esi_File f = write(rows, rows);
    for (const auto* pdos : {&f.RxPdo, &f.TxPdo}) {
        ASSERT_EQ(pdos->size(), 2u);
        EXPECT_EQ((*pdos)[0].Entries.size(), 16u);
        ASSERT_EQ((*pdos)[1].Entries.size(), 1u);
    }
    EXPECT_EQ(f.RxPdo[0].Index, "#x1600");
    EXPECT_EQ(f.RxPdo[0].Name, "Outputs_000");
    EXPECT_EQ(f.RxPdo[1].Index, "#x1601");
    EXPECT_EQ(f.RxPdo[1].Name, "Outputs_001");
    EXPECT_EQ(f.RxPdo[1].Entries[0].Index, "#x7010");
    EXPECT_EQ(f.TxPdo[1].Index, "#x1A01");
    EXPECT_EQ(f.TxPdo[1].Name, "Inputs_001");
    EXPECT_EQ(f.TxPdo[1].Entries[0].Index, "#x6010");
    EXPECT_EQ(f.TxPdo[1].Entries[0].Name, "v16");

    // Exactly 16 entries: one block, closed once.
    rows.pop_back();
    write({}, rows);
    const QByteArray bytes = dir.read("out.xml");
    EXPECT_EQ(bytes.count("<RxPdo "), 1);
    EXPECT_EQ(bytes.count("</RxPdo>"), 1);
    EXPECT_EQ(bytes.count("<TxPdo "), 0);

    // 256 entries: 16 blocks, the last Outputs_015 from #x70F0 to #x70FF.
    f = write({}, Bools(256));
    ASSERT_EQ(f.RxPdo.size(), 16u);
    EXPECT_EQ(f.RxPdo[15].Name, "Outputs_015");
    EXPECT_EQ(f.RxPdo[15].Index, "#x160F");
    EXPECT_EQ(f.RxPdo[15].Entries.front().Index, "#x70F0");
    EXPECT_EQ(f.RxPdo[15].Entries.back().Index, "#x70FF");

    // A bit run across a block boundary is padded where it ends.
    std::vector<Var> mixed(15, Var{"Y", "Int8", "1", "i"});
    for (const Var& b : Bools(3))
        mixed.push_back(b);
    f = write({}, mixed);
    ASSERT_EQ(f.RxPdo.size(), 2u);
    EXPECT_EQ(Entry_Trace({f.RxPdo[1]}), "BIT:b1 BIT:b2 pad5");
    EXPECT_EQ(f.RxPdo[0].Entries.back().Name, "b0");
}

TEST_F(EsiTest, RowsTheLayoutRefuses)
{
    // An unknown type, enabled: refused with the row (disabled: ignored).
    QString m = refused({{"Y", "Bool", "1", "a"}, {"Y", "Int64", "8", "x"}}, {});
    EXPECT_EQ(m, Lang_Text(1110) + " [Slave To Master] row 2: " + Lang_Text(1112) + "\"Int64\"");
    // An enabled row with an empty type (only a hand-edited file has one).
    dir.write("hand.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                          "<EtherCAT_Master_To_Slave><row Enable=\"Y\" Type=\"\" Length=\"1\" Name=\"e\"/>"
                          "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    TESI_Result hand = Build_EtherCAT_ESI_File(out(), par(), dir.file("hand.xml"));
    EXPECT_FALSE(hand.Ok);
    EXPECT_EQ(hand.Message, Lang_Text(1110) + " [Master To Slave] row 1: " + Lang_Text(1112) + "\"\"");
    Esi_File f = write({{"N", "Int64", "8", "x"}, {"Y", "Bool", "1", "a"}}, {});
    EXPECT_EQ(Entry_Trace(f.TxPdo), "BIT:a pad7");

    // Array and String lengths outside 1..255.
    for (const char* length : {"0", "256", "abc", ""}) {
        m = refused({}, {{"Y", "Array", length, "a"}});
        EXPECT_TRUE(m.contains(Lang_Text(1113))) << length;
    }

    // More than 256 enabled variables.
    QString rows;
    for (int i = 0; i < 257; ++i)
        rows += QString("<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"v\" Position=\"%1\"/>").arg(i);
    dir.write("many.xml", ("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                           "<EtherCAT_Master_To_Slave>" + rows +
                           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>")
                              .toUtf8());
    hand = Build_EtherCAT_ESI_File(out(), par(), dir.file("many.xml"));
    EXPECT_FALSE(hand.Ok);
    EXPECT_EQ(hand.Message, Lang_Text(1110) + " [Master To Slave] " + Lang_Text(1116));

    // A stored position that differs from the layout.
    TEtherCAT_Variables vars;
    vars.MtoS = {{"Y", "Int16", "2", "a", "", "0", "0", "", ""}, {"Y", "Int8", "1", "b", "", "3", "0", "", ""}};
    Save_EtherCAT_Slave(slave(), vars);
    dir.write("out.xml", "old content");
    const TESI_Result r = Build_EtherCAT_ESI_File(out(), par(), slave());
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Message, Lang_Text(1110) + " [Master To Slave] row 2: " + Lang_Text(1114) + "2: \"3\"");
    EXPECT_EQ(dir.read("out.xml"), "old content");
}

TEST_F(EsiTest, MissingAndUnreadableFiles)
{
    // Neither file: defaults, no process data, both sync managers at #x1000.
    TESI_Result r = Build_EtherCAT_ESI_File(out(), dir.file("none1.xml"), dir.file("none2.xml"));
    ASSERT_TRUE(r.Ok) << r.Message.toStdString();
    Esi_File f;
    ASSERT_TRUE(Read_Esi(out(), f));
    EXPECT_EQ(f.Slave_Type_Text, "EtherCAT Slave");
    EXPECT_EQ(f.Revision_No, "#x00");
    EXPECT_TRUE(f.RxPdo.empty() && f.TxPdo.empty());
    EXPECT_EQ(f.Outputs_Start, "#x1000");
    EXPECT_EQ(f.Inputs_Start, "#x1000");
    EXPECT_FALSE(dir.read("out.xml").contains("Pdo"));

    // A ParGen.xml that is not well-formed, a variable file without a section.
    dir.write("bad.xml", "<Par_Gen><EtherCAT_Slave_Name>x</Par_Gen>");
    dir.write("half.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                          "</EtherCAT_Slave_Variables></EtherCAT_Slave>");
    dir.write("out.xml", "old content");
    r = Build_EtherCAT_ESI_File(out(), dir.file("bad.xml"), dir.file("none2.xml"));
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.startsWith(Lang_Text(1106))) << r.Message.toStdString();
    EXPECT_TRUE(r.Message.contains("bad.xml")) << r.Message.toStdString();
    r = Build_EtherCAT_ESI_File(out(), dir.file("none1.xml"), dir.file("half.xml"));
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.startsWith(Lang_Text(1107))) << r.Message.toStdString();
    EXPECT_EQ(dir.read("out.xml"), "old content");

    // A target that cannot be written: the message names it; a directory in
    // the way stays as it was.
    r = Build_EtherCAT_ESI_File(dir.file("no/such/dir/out.xml"), par(), dir.file("none2.xml"));
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.startsWith(Lang_Text(1124))) << r.Message.toStdString();
    EXPECT_TRUE(r.Message.contains("no/such/dir/out.xml")) << r.Message.toStdString();
    dir.write("taken/inside.txt", "x");
    r = Build_EtherCAT_ESI_File(dir.file("taken"), par(), dir.file("none2.xml"));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(dir.read("taken/inside.txt"), "x");
}

// Write_EtherCAT_ESI after its save dialog, against the open configuration.
class EsiCommandTest : public EsiTest {
protected:
    void SetUp() override
    {
        EsiTest::SetUp();
        Init_Program_State(dir.path());
        Project_Dir = Projects_Dir + "/P";
        Set_Files();
        ASSERT_TRUE(Force_Directories(Project_Dir));
        Save_Vars(File_EtherCAT_Slave, {{"Y", "Bool", "1", "run"}}, {});
    }
    void TearDown() override { Init_Program_State(QString()); }

    TESI_Outcome run(const QString& Chosen, bool Answer)
    {
        questions.clear();
        errors.clear();
        return Write_EtherCAT_ESI_To(
            Chosen,
            [&](const String& q) {
                questions << q;
                return Answer;
            },
            [&](const String& e) { errors << e; });
    }

    QStringList questions, errors;
};

TEST_F(EsiCommandTest, CancelNewFileAndDefaultExtension)
{
    EXPECT_EQ(run("", true), TESI_Outcome::Cancelled);
    EXPECT_TRUE(questions.isEmpty() && errors.isEmpty());

    EXPECT_EQ(run(dir.file("slave"), false), TESI_Outcome::Written);
    EXPECT_TRUE(questions.isEmpty()) << "a new file needs no question";
    EXPECT_TRUE(File_Exists(dir.file("slave.xml")));
    EXPECT_FALSE(File_Exists(dir.file("slave")));
    Esi_File f;
    ASSERT_TRUE(Read_Esi(dir.file("slave.xml"), f));
    EXPECT_EQ(Entry_Trace(f.TxPdo), "BIT:run pad7");

    EXPECT_EQ(run(dir.file("slave.esi"), false), TESI_Outcome::Written);
    EXPECT_TRUE(File_Exists(dir.file("slave.esi")));
    EXPECT_EQ(ESI_With_Default_Ext("/a.b/slave"), "/a.b/slave.xml");
    EXPECT_EQ(ESI_With_Default_Ext("/a/slave.XML"), "/a/slave.XML");
}

TEST_F(EsiCommandTest, OverwriteQuestion)
{
    dir.write("old.xml", "old content");
    EXPECT_EQ(run(dir.file("old.xml"), false), TESI_Outcome::Kept);
    EXPECT_EQ(questions, QStringList({"File already exists. Do you want to overwrite?"}));
    EXPECT_EQ(dir.read("old.xml"), "old content");
    // The question is asked for the name with its default extension.
    EXPECT_EQ(run(dir.file("old"), false), TESI_Outcome::Kept);
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(dir.read("old.xml"), "old content");

    EXPECT_EQ(run(dir.file("old.xml"), true), TESI_Outcome::Written);
    EXPECT_EQ(questions.size(), 1);
    EXPECT_TRUE(dir.read("old.xml").startsWith("<?xml version=\"1.0\"?>\r\n<EtherCATInfo "));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(EsiCommandTest, FailuresAreShownAndLeaveTheFile)
{
    dir.write("old.xml", "old content");
    Save_Vars(File_EtherCAT_Slave, {{"Y", "Int17", "1", "x"}}, {});
    EXPECT_EQ(run(dir.file("old.xml"), true), TESI_Outcome::Failed);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], Lang_Text(1110) + " [Slave To Master] row 1: " + Lang_Text(1112) + "\"Int17\"");
    EXPECT_EQ(dir.read("old.xml"), "old content");

    // No configuration open.
    Project_Dir.clear();
    Set_Files();
    EXPECT_EQ(run(dir.file("new.xml"), true), TESI_Outcome::Failed);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], Lang_Text(1124) + "None Configuration Opened");
    EXPECT_FALSE(File_Exists(dir.file("new.xml")));
}

}  // namespace
