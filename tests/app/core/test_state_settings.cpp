#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/core/Settings.h"
#include "app/core/UComon.h"
#include "platform/xml/xml.h"
#include "support/temp_dir.h"

namespace {

class ProgramState : public ::testing::Test {
protected:
    void SetUp() override { Init_Program_State(dir.path()); }
    void TearDown() override { Init_Program_State(QString()); }

    void open(const QString& name)
    {
        Project_Name = name;
        Project_Dir = Projects_Dir + "/" + name;
        Set_Files();
    }

    TempDir dir;
};

TEST_F(ProgramState, StartsWithTheRunDefaults)
{
    Update_Option = 2;
    Read_Back = false;
    Init_Program_State(dir.path());
    EXPECT_EQ(Update_Option, 0);
    EXPECT_TRUE(Read_Back);
    EXPECT_EQ(SW_Code, "CF48T21");
    EXPECT_EQ(SW_Desc, "EtherCAT Slave / Modbus TCP Slave - Converter");
    EXPECT_EQ(Projects_Dir, dir.path() + "/PROJECTS");
    EXPECT_EQ(Master_Dir, dir.path() + "/MASTER");
    EXPECT_EQ(Language_Dir, dir.path() + "/LANGUAGE");
    EXPECT_TRUE(Project_Dir.isEmpty());
}

TEST_F(ProgramState, NoConfigurationMeansEmptyPaths)
{
    for (const TRule_Table_File& f : Rule_Table_Files())
        EXPECT_TRUE(f.Path->isEmpty()) << f.File_Name;
}

TEST_F(ProgramState, TheTwentyNineFilesInOrder)
{
    const char* const names[] = {
        "ParGen.xml", "EtherCAT_Slave.xml", "ModbusM_SetAccess.xml", "ModbusTCPM_SetAccess.xml",
        "BACnet_Master_Access.xml", "BACnet_Slave.xml", "CAN_Rec_Frames.xml", "CAN_Send_Frames.xml",
        "PDO_CANopen.xml", "SDO_Client_CANopen.xml", "SDO_Server_CANopen.xml", "DNETM_Net.xml", "DNETM_DefOff.xml",
        "DMX_Default_Values.xml", "IEC_61850_Client.xml", "TLS_Known_Cert.xml", "IEC61850_Variables.xml",
        "J1939_Rec_Frames.xml", "J1939_Send_Frames.xml", "MQTT_Set_Topic.xml", "NMEA_Rec_Frames.xml",
        "NMEA_Send_Frames.xml", "OPC_UA_Client.xml", "OPC_UA_Server.xml", "SNMP_Manager.xml", "SNMP_Trap.xml",
        "EtherNetIP_Master_Rules.xml", "S7_Protocol.xml", "EtherCAT_Slave_Group.xml"};
    ASSERT_EQ(Rule_Table_Files().size(), std::size(names));
    open("A");
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(*Rule_Table_Files()[i].Path, Projects_Dir + "/A/" + names[i]) << i;
    EXPECT_EQ(File_ParGen, Projects_Dir + "/A/ParGen.xml");
    EXPECT_EQ(File_EtherCAT_Slave_Group, Projects_Dir + "/A/EtherCAT_Slave_Group.xml");
    // Every variable is distinct.
    std::set<String*> seen;
    for (const TRule_Table_File& f : Rule_Table_Files())
        EXPECT_TRUE(seen.insert(f.Path).second) << f.File_Name;
}

TEST_F(ProgramState, OpeningAnotherConfigurationMovesEveryPath)
{
    open("A");
    open("B");
    for (const TRule_Table_File& f : Rule_Table_Files())
        EXPECT_TRUE(f.Path->startsWith(Projects_Dir + "/B/")) << f.File_Name;
    Project_Dir.clear();
    Set_Files();
    EXPECT_TRUE(File_ParGen.isEmpty());
}

// ---- settings file -----------------------------------------------------------------

class SettingsFile : public ProgramState {
protected:
    void write(const QByteArray& xml) { dir.write("Tessaran.xml", xml); }
    void set_all(const QString& project, const QString& ip, const QString& lang, bool a, bool b, bool c, bool d)
    {
        Project_Name = project;
        Last_IP_Address = ip;
        Language_Name = lang;
        Opt_Enable_Internet = a;
        Opt_Enable_Update = b;
        Opt_Jump_Field_Tables = c;
        Opt_Double_Click_Auto_Size = d;
    }
    std::tuple<QString, QString, QString, bool, bool, bool, bool> all() const
    {
        return {Project_Name, Last_IP_Address, Language_Name, Opt_Enable_Internet, Opt_Enable_Update,
                Opt_Jump_Field_Tables, Opt_Double_Click_Auto_Size};
    }
};

TEST_F(SettingsFile, RoundTripsUnusualValues)
{
    const QString names[] = {"", "P1", "a & b < c", " lead", "trail ", QString::fromUtf8("caf\xc3\xa9 \xe2\x80\x9cq\xe2\x80\x9d"),
                             "  "};
    for (const QString& name : names) {
        set_all(name, "10.0.0.1", "Deutsch", true, false, true, false);
        ASSERT_TRUE(Save_Setting());
        set_all("x", "y", "z", false, true, false, true);
        Read_Settings();
        EXPECT_EQ(all(), std::make_tuple(name, QString("10.0.0.1"), QString("Deutsch"), true, false, true, false))
            << name.toStdString();
    }
}

TEST_F(SettingsFile, WrittenLayout)
{
    set_all("P1", "192.168.2.205", "English", true, false, false, true);
    ASSERT_TRUE(Save_Setting());
    const QByteArray bytes = dir.read("Tessaran.xml");
    EXPECT_FALSE(bytes.contains("<?xml"));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_TRUE(bytes.startsWith("<Conf_Settings>"));

    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(Settings_File()));
    const XmlNode root = doc.DocumentElement();
    EXPECT_EQ(root.NodeName(), "Conf_Settings");
    EXPECT_EQ(doc.FirstNode().NodeName(), "Conf_Settings");  // nothing before the root
    QStringList groups, leaves;
    for (const XmlNode& g : root.ChildElements()) {
        groups << g.NodeName();
        for (const XmlNode& l : g.ChildElements())
            leaves << l.NodeName() + "=" + l.Text();
    }
    EXPECT_EQ(groups, (QStringList{"lastproj", "lastipadd", "lastlang", "lastinternet"}));
    EXPECT_EQ(leaves, (QStringList{"projectname=P1", "ipaddress=192.168.2.205", "language=English",
                                   "enable_internet=1", "enable_update=0", "enable_jump_field_tables=0",
                                   "Double_Click_Auto_Size=1"}));
}

TEST_F(SettingsFile, MissingPiecesTakeTheirDefaults)
{
    const auto defaults = std::make_tuple(QString(), QString("192.168.2.205"), QString("English"), false, false, false, false);
    struct {
        const char* name;
        const char* xml;  // nullptr: no file at all
        std::tuple<QString, QString, QString, bool, bool, bool, bool> want;
    } cases[] = {
        {"no file", nullptr, defaults},
        {"empty root", "<Conf_Settings/>", defaults},
        {"not well-formed", "<Conf_Settings><lastproj>", defaults},
        {"no lastinternet",
         "<Conf_Settings><lastproj><projectname>P</projectname></lastproj><lastipadd><ipaddress>1.2.3.4</ipaddress>"
         "</lastipadd><lastlang><language>Italiano</language></lastlang></Conf_Settings>",
         {"P", "1.2.3.4", "Italiano", false, false, false, false}},
        {"lastinternet without enable_update",
         "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_jump_field_tables>1"
         "</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>",
         {"", "192.168.2.205", "English", true, false, true, true}},
        {"flag texts other than 1",
         "<Conf_Settings><lastinternet><enable_internet>true</enable_internet><enable_update>01</enable_update>"
         "<enable_jump_field_tables> 1</enable_jump_field_tables><Double_Click_Auto_Size>1 </Double_Click_Auto_Size>"
         "</lastinternet></Conf_Settings>",
         defaults},
        {"leaf names are case-sensitive",
         "<Conf_Settings><lastinternet><double_click_auto_size>1</double_click_auto_size></lastinternet>"
         "<LastProj><projectname>P</projectname></LastProj></Conf_Settings>",
         defaults},
        {"empty leaf counts as a value",
         "<Conf_Settings><lastipadd><ipaddress></ipaddress></lastipadd><lastlang><language/></lastlang></Conf_Settings>",
         {"", "", "", false, false, false, false}},
        {"root under another name",
         "<Other><lastproj><projectname>Q</projectname></lastproj></Other>",
         {"Q", "192.168.2.205", "English", false, false, false, false}},
        {"declaration and comment before the root",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- hand edited -->\n<Conf_Settings><lastproj><projectname>R"
         "</projectname></lastproj></Conf_Settings>\n",
         {"R", "192.168.2.205", "English", false, false, false, false}},
        {"blanks kept verbatim",
         "<Conf_Settings><lastproj><projectname> P </projectname></lastproj></Conf_Settings>",
         {" P ", "192.168.2.205", "English", false, false, false, false}},
    };
    for (const auto& c : cases) {
        QFile::remove(Settings_File());
        if (c.xml)
            write(c.xml);
        set_all("old", "9.9.9.9", "Old", true, true, true, true);
        Project_Dir = "somewhere";
        Read_Settings();
        EXPECT_EQ(all(), c.want) << c.name;
        if (!c.xml) {
            EXPECT_TRUE(Project_Dir.isEmpty()) << c.name;
        }
    }
}

TEST_F(SettingsFile, WriteFailureIsReportedAndKeepsTheOldFile)
{
    write("<Conf_Settings><lastproj><projectname>Keep</projectname></lastproj></Conf_Settings>");
    // A directory that cannot take the temporary file: point Exe_Dir at a missing one.
    Exe_Dir = dir.path() + "/missing";
    String error;
    EXPECT_FALSE(Save_Setting(&error));
    EXPECT_FALSE(error.isEmpty());
    Exe_Dir = dir.path();
    Read_Settings();
    EXPECT_EQ(Project_Name, "Keep");
}

}  // namespace
