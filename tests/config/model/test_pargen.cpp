#include <gtest/gtest.h>

#include "app/core/ULanguage.h"
#include "config/model/ParGen.h"
#include "platform/xml/xml.h"
#include "support/temp_dir.h"

namespace {

using R = TParGen_Reader;

// The 31 elements in the order the file holds them.
const char* const kFile_Order[31] = {
    "Eth_Conn_Device_Name",       "Eth_Conn_DHCP_Cable",           "Eth_Conn_DHCP_WiFi",
    "Eth_Conn_Enable_DNS",        "Eth_Conn_Primary_DNS1",         "Eth_Conn_Primary_DNS2",
    "Eth_Conn_Primary_DNS3",      "Eth_Conn_Primary_DNS4",         "Eth_Conn_Secondary_DNS1",
    "Eth_Conn_Secondary_DNS2",    "Eth_Conn_Secondary_DNS3",       "Eth_Conn_Secondary_DNS4",
    "EtherCAT_Slave_Revision_Number", "EtherCAT_Slave_Name",       "EtherCAT_Slave_Node_Address",
    "EtherCAT_Slave_Clear_Data",  "Modbus_TCP_Slave_IP1",          "Modbus_TCP_Slave_IP2",
    "Modbus_TCP_Slave_IP3",       "Modbus_TCP_Slave_IP4",          "Modbus_TCP_Slave_SM1",
    "Modbus_TCP_Slave_SM2",       "Modbus_TCP_Slave_SM3",          "Modbus_TCP_Slave_SM4",
    "Modbus_TCP_Slave_GAT1",      "Modbus_TCP_Slave_GAT2",         "Modbus_TCP_Slave_GAT3",
    "Modbus_TCP_Slave_GAT4",      "Modbus_TCP_Slave_EN_GAT",       "Modbus_TCP_Slave_Port",
    "Modbus_TCP_Slave_Read_Input_Register"};

// Defaults of the three readers of the written keys; nullptr: not read.
struct Expected_Defaults {
    const char* Key;
    const char* Dialog;
    const char* Compiler;
    const char* ESI;
};
const Expected_Defaults kDefaults[] = {
    {"Eth_Conn_Device_Name", "", "", nullptr},
    {"Eth_Conn_DHCP_Cable", "0", "0", nullptr},
    {"Eth_Conn_DHCP_WiFi", "0", "0", nullptr},
    {"Eth_Conn_Enable_DNS", "0", "0", nullptr},
    {"Eth_Conn_Primary_DNS1", "8", "8", nullptr},
    {"Eth_Conn_Primary_DNS2", "8", "8", nullptr},
    {"Eth_Conn_Primary_DNS3", "8", "8", nullptr},
    {"Eth_Conn_Primary_DNS4", "8", "8", nullptr},
    {"Eth_Conn_Secondary_DNS1", "8", "8", nullptr},
    {"Eth_Conn_Secondary_DNS2", "8", "8", nullptr},
    {"Eth_Conn_Secondary_DNS3", "4", "4", nullptr},
    {"Eth_Conn_Secondary_DNS4", "4", "4", nullptr},
    {"EtherCAT_Slave_Revision_Number", "0", "0", "0"},
    {"EtherCAT_Slave_Name", "devicename1", "devicename1", "EtherCAT Slave"},
    {"EtherCAT_Slave_Node_Address", "1", "1", "1"},
    {"EtherCAT_Slave_Clear_Data", "0", "0", nullptr},
    {"Modbus_TCP_Slave_IP1", "192", "192", nullptr},
    {"Modbus_TCP_Slave_IP2", "168", "168", nullptr},
    {"Modbus_TCP_Slave_IP3", "0", "0", nullptr},
    {"Modbus_TCP_Slave_IP4", "5", "5", nullptr},
    {"Modbus_TCP_Slave_SM1", "255", "255", nullptr},
    {"Modbus_TCP_Slave_SM2", "255", "255", nullptr},
    {"Modbus_TCP_Slave_SM3", "255", "255", nullptr},
    {"Modbus_TCP_Slave_SM4", "0", "0", nullptr},
    {"Modbus_TCP_Slave_GAT1", "192", "192", nullptr},
    {"Modbus_TCP_Slave_GAT2", "168", "168", nullptr},
    {"Modbus_TCP_Slave_GAT3", "0", "0", nullptr},
    {"Modbus_TCP_Slave_GAT4", "1", "1", nullptr},
    {"Modbus_TCP_Slave_EN_GAT", "0", "0", nullptr},
    {"Modbus_TCP_Slave_Port", "502", "502", nullptr},
    // Unchecked in the dialog, on for the compiler.
    {"Modbus_TCP_Slave_Read_Input_Register", "0", "1", nullptr},
};

class ParGenTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }

    // A file holding every written key with a value of its own ("v<n>"), but Skip.
    QString write_all_but(const QString& Skip)
    {
        QString body;
        for (int i = 0; i < 31; ++i)
            if (Skip != kFile_Order[i])
                body += QString("<%1>v%2</%1>").arg(kFile_Order[i]).arg(i);
        return dir.write("ParGen.xml", ("<Par_Gen>" + body + "</Par_Gen>").toUtf8());
    }

    TempDir dir;
};

TEST_F(ParGenTest, TheTableListsTheWrittenElementsInFileOrderThenTheReadOnlyKeys)
{
    const std::vector<TParGen_Key>& keys = ParGen_Keys();
    ASSERT_GT(keys.size(), 31u);
    for (size_t i = 0; i < keys.size(); ++i) {
        if (i < 31) {
            EXPECT_STREQ(keys[i].Name, kFile_Order[i]) << i;
        }
        EXPECT_EQ(keys[i].Written, i < 31) << keys[i].Name;
    }
    EXPECT_THROW(ParGen_Key("Par_Gen"), Exception);
}

TEST_F(ParGenTest, MissingFileGivesEachReadersDefaults)
{
    const TParGen p = TParGen::Load(dir.file("ParGen.xml"));
    EXPECT_EQ(p.Status(), TParGen::Missing);
    EXPECT_TRUE(p.Error().isEmpty());
    for (const Expected_Defaults& d : kDefaults) {
        EXPECT_FALSE(p.Has(d.Key));
        EXPECT_EQ(p.Value(d.Key, R::Dialog), d.Dialog) << d.Key;
        EXPECT_EQ(p.Value(d.Key, R::Compiler), d.Compiler) << d.Key;
        if (d.ESI) {
            EXPECT_EQ(p.Value(d.Key, R::ESI_Writer), d.ESI) << d.Key;
        } else {
            EXPECT_THROW(p.Value(d.Key, R::ESI_Writer), Exception) << d.Key;
        }
        for (R other : {R::BACnet_Client_Editor, R::BACnet_Server_Editor, R::BACnet_EDE_Writer, R::DMX_Editor,
                        R::PROFINET_Writer})
            EXPECT_FALSE(ParGen_Key(d.Key).Read_By(other)) << d.Key;
    }
    // Keys that only the other gateway models write.
    const struct {
        const char* Key;
        R Reader;
        const char* Default;
    } others[] = {
        {"EtherCAT_Slave_Eeprom_Config", R::Compiler, "800F00CC8813ff00000000800000"},
        {"BACnet_Master_Type", R::BACnet_Client_Editor, "0"},
        {"BACnet_Type", R::BACnet_EDE_Writer, "0"},
        {"BACnet_Ser_DEV_IDE", R::BACnet_EDE_Writer, ""},
        {"BACnet_DEV_IDE", R::BACnet_EDE_Writer, ""},
        {"BACnet_Desc_Chars_Limit", R::BACnet_Server_Editor, "0"},
        {"BACnet_Desc_Chars_Limit", R::BACnet_EDE_Writer, "0"},
        {"DMX_Num_Channels", R::DMX_Editor, "512"},
        {"PROFINET_NB_IN", R::PROFINET_Writer, "1438"},
        {"PROFINET_NB_OUT", R::PROFINET_Writer, "1438"},
        {"PROFINET_NAME_STA", R::PROFINET_Writer, "SERIAL"},
    };
    for (const auto& o : others) {
        EXPECT_EQ(p.Value(o.Key, o.Reader), o.Default) << o.Key;
        EXPECT_FALSE(ParGen_Key(o.Key).Read_By(R::Dialog)) << o.Key;
    }
}

TEST_F(ParGenTest, EachMissingKeyTakesItsDefaultAndLeavesTheOthers)
{
    for (const Expected_Defaults& d : kDefaults) {
        const TParGen p = TParGen::Load(write_all_but(d.Key));
        ASSERT_EQ(p.Status(), TParGen::Loaded);
        for (int i = 0; i < 31; ++i) {
            const QString key = kFile_Order[i];
            if (key == d.Key) {
                EXPECT_FALSE(p.Has(key));
                EXPECT_EQ(p.Value(key, R::Dialog), d.Dialog) << d.Key;
                EXPECT_EQ(p.Value(key, R::Compiler), d.Compiler) << d.Key;
            } else {
                EXPECT_EQ(p.Value(key, R::Dialog), QString("v%1").arg(i)) << "missing " << d.Key << ", read " << i;
                EXPECT_EQ(p.Value(key, R::Compiler), QString("v%1").arg(i));
            }
        }
    }
}

TEST_F(ParGenTest, NotWellFormedIsReportedNamingTheFileAndReadsAsDefaults)
{
    for (const QByteArray& bytes : {QByteArray("<Par_Gen><Modbus_TCP_Slave_Port>1</Par_Gen>"), QByteArray(""),
                                    QByteArray("just text")}) {
        const QString path = dir.write("ParGen.xml", bytes);
        const TParGen p = TParGen::Load(path);
        EXPECT_EQ(p.Status(), TParGen::Malformed) << bytes.constData();
        EXPECT_TRUE(p.Error().startsWith(Lang_Text(1106))) << p.Error().toStdString();
        EXPECT_TRUE(p.Error().contains(path)) << p.Error().toStdString();
        EXPECT_EQ(p.Value("Modbus_TCP_Slave_Port", R::Dialog), "502");
    }
}

TEST_F(ParGenTest, ReadsFromTheDocumentElementWhateverComesFirst)
{
    // Byte-order mark, declaration, comment, another root name, indentation,
    // an unknown element and a duplicate (the first counts).
    const QByteArray text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- saved by hand -->\n"
                            "<Other_Root>\n  <Unknown>x</Unknown>\n"
                            "  <Modbus_TCP_Slave_IP1>010</Modbus_TCP_Slave_IP1>\n"
                            "  <Modbus_TCP_Slave_IP1>11</Modbus_TCP_Slave_IP1>\n"
                            "  <EtherCAT_Slave_Name>Gr\xC3\xBC\xC3\x9F" "e</EtherCAT_Slave_Name>\n"
                            "</Other_Root>\n<!--SW_VERSION = 1.001-->\n";
    const TParGen p = TParGen::Load(dir.write("ParGen.xml", text));
    ASSERT_EQ(p.Status(), TParGen::Loaded);
    EXPECT_EQ(p.Value("Modbus_TCP_Slave_IP1", R::Compiler), "010");
    EXPECT_EQ(p.Value("EtherCAT_Slave_Name", R::ESI_Writer), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e"));
    EXPECT_EQ(p.Value("Modbus_TCP_Slave_IP2", R::Compiler), "168");
}

TEST_F(ParGenTest, SaveThenLoadGivesBackEveryField)
{
    TParGen out;
    for (int i = 0; i < 31; ++i)
        out.SetValue(kFile_Order[i], QString("t%1").arg(i));
    out.SetValue("Eth_Conn_Device_Name", QString::fromUtf8(" a<&>\"' \xC3\xA9 "));
    out.SetValue("Modbus_TCP_Slave_IP1", "010");
    out.SetValue("EtherCAT_Slave_Name", "");
    out.SetChecked("Eth_Conn_DHCP_Cable", true);
    out.SetChecked("Modbus_TCP_Slave_EN_GAT", false);
    const QString path = dir.file("ParGen.xml");
    out.Save(path);

    const TParGen in = TParGen::Load(path);
    ASSERT_EQ(in.Status(), TParGen::Loaded);
    for (int i = 0; i < 31; ++i) {
        EXPECT_TRUE(in.Has(kFile_Order[i]));
        EXPECT_EQ(in.Value(kFile_Order[i], R::Dialog), out.Value(kFile_Order[i], R::Dialog)) << kFile_Order[i];
    }
    EXPECT_EQ(in.Value("Eth_Conn_Device_Name", R::Dialog), QString::fromUtf8(" a<&>\"' \xC3\xA9 "));
    EXPECT_EQ(in.Value("Modbus_TCP_Slave_IP1", R::Dialog), "010");
    EXPECT_EQ(in.Value("EtherCAT_Slave_Name", R::Compiler), "");  // present though empty: no default
    EXPECT_EQ(in.Value("Eth_Conn_DHCP_Cable", R::Dialog), "1");
    EXPECT_EQ(in.Value("Modbus_TCP_Slave_EN_GAT", R::Dialog), "0");
}

TEST_F(ParGenTest, TheWrittenFileHasTheElementsInOrderNoDeclarationAndTheComment)
{
    // Loaded from a file with an unknown element and a read-only key: the
    // save drops both and fills what is missing with the dialog's defaults.
    const QString path = dir.write("ParGen.xml", "<X><Zzz>1</Zzz><EtherCAT_Slave_Eeprom_Config>01</EtherCAT_Slave_Eeprom_Config>"
                                                 "<Modbus_TCP_Slave_Port>1502</Modbus_TCP_Slave_Port></X>");
    TParGen::Load(path).Save(path);

    const QByteArray bytes = dir.read("ParGen.xml");
    EXPECT_TRUE(bytes.startsWith("<Par_Gen>")) << bytes.constData();
    EXPECT_TRUE(bytes.endsWith("</Par_Gen><!--SW_VERSION = 1.001-->")) << bytes.constData();
    EXPECT_FALSE(bytes.contains("Zzz"));
    EXPECT_FALSE(bytes.contains("Eeprom"));

    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(doc.FirstNode(), doc.DocumentElement());
    const std::vector<XmlNode> elements = doc.DocumentElement().ChildElements();
    ASSERT_EQ(elements.size(), 31u);
    for (int i = 0; i < 31; ++i) {
        EXPECT_EQ(elements[size_t(i)].NodeName(), kFile_Order[i]);
        EXPECT_TRUE(elements[size_t(i)].AttributeNames().isEmpty());
        const QString expected = i == 29 ? QString("1502") : QString::fromLatin1(kDefaults[i].Dialog);
        EXPECT_EQ(elements[size_t(i)].Text(), expected) << kFile_Order[i];
    }
    EXPECT_TRUE(doc.DocumentElement().NextSibling().IsComment());
    EXPECT_EQ(doc.DocumentElement().NextSibling().Text(), "SW_VERSION = 1.001");
}

TEST_F(ParGenTest, AFailedSaveRaisesAndWritesNothing)
{
    const QString path = dir.file("missing/ParGen.xml");
    EXPECT_THROW(TParGen().Save(path), EFileError);
    EXPECT_EQ(TParGen::Load(path).Status(), TParGen::Missing);
}

}  // namespace
