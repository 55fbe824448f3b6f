// Inputs the images cannot carry stop the compile with a message naming the
// key, row and value; a failed compile or write never leaves a file touched.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "image_support.h"
#include "platform/os/files.h"
#include "support/temp_dir.h"

namespace {

class ImageFailureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Lang();
        Init_Program_State(dir.path());
        Project_Name = "P";
        Project_Dir = Projects_Dir + "/P";
        Set_Files();
        ASSERT_TRUE(Force_Directories(Project_Dir + "/bin"));
    }
    void TearDown() override { Init_Program_State(QString()); }

    static void write(const QString& Path, const QString& Text)
    {
        QFile::remove(Path);
        if (!Text.isNull()) {
            QFile f(Path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(Text.toUtf8());
        }
    }
    static QByteArray read(const QString& Path)
    {
        QFile f(Path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QString bin(const char* Name) const { return Project_Dir + "/bin/" + Name; }

    TempDir dir;
};

QString P(const QString& Body) { return "<Par_Gen>" + Body + "</Par_Gen>"; }
QString E(const char* Key, const char* Value) { return QString("<%1>%2</%1>").arg(Key, QString::fromUtf8(Value)); }
String Bad(int Text, const char* Key, const char* Value)
{
    return Lang_Text(Text) + Key + " = \"" + QString::fromUtf8(Value) + "\"";
}
String Var_Error(bool StoM, int Row, int Text, const String& Rest)
{
    return Lang_Text(1110) + " [" + Lang_Text(StoM ? 1034 : 1035) + "] " + Lang_Text(1111) + " " + QString::number(Row) +
           ": " + Lang_Text(Text) + Rest;
}
String Group_Error(bool StoM, const String& Rest) { return Lang_Text(1119) + " [" + Lang_Text(StoM ? 1034 : 1035) + "] " + Rest; }

TEST_F(ImageFailureTest, EachFaultStopsTheCompileAndTouchesNoFile)
{
    const QString no;  // no such file
    const QString ok_slave = Slave_Xml("", ""), ok_groups = Group_Xml("", "");
    QString many_rows, long_names, many_groups;
    for (int i = 0; i < 257; ++i)
        many_rows += Var_Row("Y", "Int8", "1", "", "", i, 0);
    for (int i = 0; i < 256; ++i)
        long_names += Var_Row("Y", "Array", "1", QByteArray(500, 'n').constData(), "", i, 0);
    for (int i = 0; i < 17; ++i)
        many_groups += Group_Row("g", "1");
    auto in = [](const QString& Rows) { return Slave_Xml(Rows, ""); };

    const struct {
        const char* What;
        QString ParGen, Slave, Groups;
        String Message;  // empty: checked by prefix and path below
        int Prefix = 0;
    } cases[] = {
        {"octet 300", P(E("Modbus_TCP_Slave_IP1", "300")), no, no, Bad(1108, "Modbus_TCP_Slave_IP1", "300")},
        {"octet abc", P(E("Modbus_TCP_Slave_IP2", "abc")), no, no, Bad(1108, "Modbus_TCP_Slave_IP2", "abc")},
        {"octet in hex", P(E("Modbus_TCP_Slave_SM4", "0x0A")), no, no, Bad(1108, "Modbus_TCP_Slave_SM4", "0x0A")},
        {"octet with a blank", P(E("Modbus_TCP_Slave_SM3", " 1")), no, no, Bad(1108, "Modbus_TCP_Slave_SM3", " 1")},
        {"empty octet", P(E("Modbus_TCP_Slave_SM1", "")), no, no, Bad(1108, "Modbus_TCP_Slave_SM1", "")},
        {"port 70000", P(E("Modbus_TCP_Slave_Port", "70000")), no, no, Bad(1108, "Modbus_TCP_Slave_Port", "70000")},
        {"port -1", P(E("Modbus_TCP_Slave_Port", "-1")), no, no, Bad(1108, "Modbus_TCP_Slave_Port", "-1")},
        {"port 502x", P(E("Modbus_TCP_Slave_Port", "502x")), no, no, Bad(1108, "Modbus_TCP_Slave_Port", "502x")},
        {"node 65536", P(E("EtherCAT_Slave_Node_Address", "65536")), no, no,
         Bad(1108, "EtherCAT_Slave_Node_Address", "65536")},
        {"revision 2^32", P(E("EtherCAT_Slave_Revision_Number", "4294967296")), no, no,
         Bad(1108, "EtherCAT_Slave_Revision_Number", "4294967296")},
        {"revision -1", P(E("EtherCAT_Slave_Revision_Number", "-1")), no, no,
         Bad(1108, "EtherCAT_Slave_Revision_Number", "-1")},
        {"used DNS octet", P(E("Eth_Conn_Enable_DNS", "1") + E("Eth_Conn_Secondary_DNS3", "256")), no, no,
         Bad(1108, "Eth_Conn_Secondary_DNS3", "256")},
        {"used gateway octet", P(E("Modbus_TCP_Slave_EN_GAT", "1") + E("Modbus_TCP_Slave_GAT4", "x")), no, no,
         Bad(1108, "Modbus_TCP_Slave_GAT4", "x")},
        {"device name beyond U+00FF", P(E("Eth_Conn_Device_Name", "a\xE2\x82\xAC")), no, no,
         Bad(1109, "Eth_Conn_Device_Name", "a\xE2\x82\xAC") + " (U+20AC)"},
        {"slave name beyond U+00FF", P(E("EtherCAT_Slave_Name", "\xCE\xA9")), no, no,
         Bad(1109, "EtherCAT_Slave_Name", "\xCE\xA9") + " (U+03A9)"},
        {"parameters not well-formed", "<Par_Gen><Modbus_TCP_Slave_Port>", no, no, String(), 1106},
        {"variables not well-formed", no, "<EtherCAT_Slave>", no, String(), 1106},
        {"groups not well-formed", no, no, "<G><Slave_to_Master>", String(), 1106},
        {"variable section missing", no, "<EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>", no, String(),
         1107},
        {"group section missing", no, ok_slave, "<G><Master_to_Slave/></G>", String(), 1107},
        {"unknown type", no, in(Var_Row("Y", "Int8", "1", "", "", 0, 0) + Var_Row("Y", "Int17", "1", "", "", 1, 0)), no,
         Var_Error(true, 2, 1112, "\"Int17\"")},
        {"hand-edited position", no, Slave_Xml("", Var_Row("Y", "Int16", "2", "", "", 0, 0) + Var_Row("Y", "Int8", "1", "", "", 3, 0)),
         no, Var_Error(false, 2, 1114, "2: \"3\"")},
        {"hand-edited bit", no, in(Var_Row("Y", "Bool", "1", "", "", 0, 0) + Var_Row("Y", "Bool", "1", "", "", 0, 0)), no,
         Var_Error(true, 2, 1115, "1: \"0\"")},
        {"array length 300", no, in(Var_Row("Y", "Array", "300", "", "", 0, 0)), no, Var_Error(true, 1, 1113, "\"300\"")},
        {"257 enabled variables", no, in(many_rows), no,
         Lang_Text(1110) + " [" + Lang_Text(1034) + "] " + Lang_Text(1116)},
        {"17 groups", no, ok_slave, Group_Xml("", many_groups), Group_Error(false, Lang_Text(1120))},
        {"group count abc", no, ok_slave, Group_Xml(Group_Row("A", "abc"), ""),
         Group_Error(true, Lang_Text(1111) + " 1: " + Lang_Text(1121) + "\"abc\"")},
        {"group count -1", no, ok_slave, Group_Xml(Group_Row("A", "1") + Group_Row("B", "-1"), ""),
         Group_Error(true, Lang_Text(1111) + " 2: " + Lang_Text(1121) + "\"-1\"")},
        {"string initial value beyond U+00FF", no, in(Var_Row("Y", "String", "4", "", "\xE2\x82\xAC", 0, 0)), no,
         Var_Error(true, 1, 1118, "\"\xE2\x82\xAC\"")},
        {"UInt8 300", no, in(Var_Row("Y", "UInt8", "1", "", "300", 0, 0)), no, Var_Error(true, 1, 1117, "\"300\"")},
        // One past each end of every integer type.
        {"Int8 -129", no, in(Var_Row("Y", "Int8", "1", "", "-129", 0, 0)), no, Var_Error(true, 1, 1117, "\"-129\"")},
        {"Int16 -32769", no, in(Var_Row("Y", "Int16", "2", "", "-32769", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"-32769\"")},
        {"Int16 32768", no, in(Var_Row("Y", "Int16", "2", "", "32768", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"32768\"")},
        {"Int32 -2147483649", no, in(Var_Row("Y", "Int32", "4", "", "-2147483649", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"-2147483649\"")},
        {"Int32 2147483648", no, in(Var_Row("Y", "Int32", "4", "", "2147483648", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"2147483648\"")},
        {"UInt8 -1", no, in(Var_Row("Y", "UInt8", "1", "", "-1", 0, 0)), no, Var_Error(true, 1, 1117, "\"-1\"")},
        {"UInt8 256", no, in(Var_Row("Y", "UInt8", "1", "", "256", 0, 0)), no, Var_Error(true, 1, 1117, "\"256\"")},
        {"UInt16 65536", no, in(Var_Row("Y", "UInt16", "2", "", "65536", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"65536\"")},
        {"UInt32 -1", no, in(Var_Row("Y", "UInt32", "4", "", "-1", 0, 0)), no, Var_Error(true, 1, 1117, "\"-1\"")},
        {"UInt32 4294967296", no, in(Var_Row("Y", "UInt32", "4", "", "4294967296", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"4294967296\"")},
        {"Int8 128", no, in(Var_Row("Y", "Int8", "1", "", "128", 0, 0)), no, Var_Error(true, 1, 1117, "\"128\"")},
        {"UInt16 -1", no, in(Var_Row("Y", "UInt16", "2", "", "-1", 0, 0)), no, Var_Error(true, 1, 1117, "\"-1\"")},
        {"Int16 abc", no, in(Var_Row("Y", "Int16", "2", "", "abc", 0, 0)), no, Var_Error(true, 1, 1117, "\"abc\"")},
        {"Bool 1.0", no, in(Var_Row("Y", "Bool", "1", "", "1.0", 0, 0)), no, Var_Error(true, 1, 1117, "\"1.0\"")},
        {"Float32 1.5x", no, in(Var_Row("Y", "Float32", "4", "", "1.5x", 0, 0)), no, Var_Error(true, 1, 1117, "\"1.5x\"")},
        {"Float32 1e39", no, in(Var_Row("Y", "Float32", "4", "", "1e39", 0, 0)), no, Var_Error(true, 1, 1117, "\"1e39\"")},
        {"string longer than its length", no, in(Var_Row("Y", "String", "2", "", "ABC", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"ABC\"")},
        {"string one longer than its length 255", no,
         in(Var_Row("Y", "String", "255", "", QByteArray(256, 'x').constData(), 0, 0)), no,
         Var_Error(true, 1, 1117, "\"" + QString(256, u'x') + "\"")},
        {"array longer than its length", no, in(Var_Row("Y", "Array", "1", "", "0A0B", 0, 0)), no,
         Var_Error(true, 1, 1117, "\"0A0B\"")},
        {"image over 131072 bytes", no, in(long_names), no, Lang_Text(1122) + "144813"},
    };
    write(bin("bank1.bin"), "old bank1");
    write(bin("bank2.bin"), "old bank2");
    for (const auto& c : cases) {
        // A good compile first, so a failure must also drop what it kept.
        for (const QString& f : {File_ParGen, File_EtherCAT_Slave, File_EtherCAT_Slave_Group})
            write(f, QString());
        ASSERT_TRUE(Compile_Configuration().Ok);

        write(File_ParGen, c.ParGen);
        write(File_EtherCAT_Slave, c.Slave);
        write(File_EtherCAT_Slave_Group, c.Groups);
        const QByteArray inputs = read(File_ParGen) + read(File_EtherCAT_Slave) + read(File_EtherCAT_Slave_Group);

        const TCompile_Result r = Compile_Configuration();
        EXPECT_FALSE(r.Ok) << c.What;
        if (c.Prefix) {
            EXPECT_TRUE(r.Message.startsWith(Lang_Text(c.Prefix))) << c.What << ": " << r.Message.toStdString();
            EXPECT_TRUE(r.Message.contains(Project_Dir)) << c.What << ": names the file";
        } else {
            EXPECT_EQ(r.Message, c.Message) << c.What;
        }
        const TCompile_Result s = Save_Bank_Files();
        EXPECT_FALSE(s.Ok) << c.What;
        EXPECT_EQ(s.Message, r.Message) << c.What;
        EXPECT_EQ(read(bin("bank1.bin")), "old bank1") << c.What;
        EXPECT_EQ(read(bin("bank2.bin")), "old bank2") << c.What;
        EXPECT_EQ(read(File_ParGen) + read(File_EtherCAT_Slave) + read(File_EtherCAT_Slave_Group), inputs) << c.What;
        EXPECT_EQ(QDir(Project_Dir + "/bin").entryList(QDir::Files | QDir::Hidden),
                  QStringList({"bank1.bin", "bank2.bin"}))
            << c.What;
    }
}

TEST_F(ImageFailureTest, SavingWritesBothImagesOrReportsWhyNot)
{
    write(File_ParGen, "<Par_Gen/>");
    write(File_EtherCAT_Slave, Slave_Xml(Var_Row("Y", "Int8", "1", "A", "5", 0, 0), ""));
    TBank_Images expected;
    ASSERT_TRUE(Compile_Banks(File_ParGen, File_EtherCAT_Slave, File_EtherCAT_Slave_Group, expected).Ok);

    ASSERT_TRUE(Compile_Configuration().Ok);
    const TCompile_Result ok = Save_Bank_Files();
    EXPECT_TRUE(ok.Ok) << ok.Message.toStdString();
    EXPECT_EQ(read(bin("bank1.bin")), expected.Bank1);
    EXPECT_EQ(read(bin("bank2.bin")), expected.Bank2);

    // The images go to the configuration they were compiled from, even when
    // another one was opened in between.
    const QString first = Project_Dir;
    Project_Dir = Projects_Dir + "/Q";
    Set_Files();
    ASSERT_TRUE(Force_Directories(Project_Dir + "/bin"));
    QFile::remove(first + "/bin/bank1.bin");
    EXPECT_TRUE(Save_Bank_Files().Ok);
    EXPECT_TRUE(File_Exists(first + "/bin/bank1.bin"));
    EXPECT_FALSE(File_Exists(Project_Dir + "/bin/bank1.bin"));
    Project_Dir = first;
    Set_Files();

    // bank2.bin cannot be replaced (a directory stands there).
    QFile::remove(bin("bank2.bin"));
    ASSERT_TRUE(QDir().mkpath(bin("bank2.bin")));
    TCompile_Result r = Save_Bank_Files();
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.startsWith(Lang_Text(1123))) << r.Message.toStdString();
    EXPECT_TRUE(r.Message.contains("bank2.bin")) << r.Message.toStdString();

    // No bin directory: nothing is created.
    ASSERT_TRUE(QDir(Project_Dir + "/bin").removeRecursively());
    r = Save_Bank_Files();
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.Message.startsWith(Lang_Text(1123)));
    EXPECT_TRUE(r.Message.contains("bank1.bin")) << r.Message.toStdString();
    EXPECT_FALSE(Directory_Exists(Project_Dir + "/bin"));

    // No configuration open: nothing is written anywhere.
    Project_Dir.clear();
    Set_Files();
    ASSERT_TRUE(Compile_Configuration().Ok);
    r = Save_Bank_Files();
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Message, Lang_Text(1123) + Trim(Lang_Text(9)));
    EXPECT_FALSE(File_Exists("bin/bank1.bin"));
}

}  // namespace
