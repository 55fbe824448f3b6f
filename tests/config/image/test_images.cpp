// Golden images: every expected byte below is worked out by hand from the
// image layout, never taken from the compiler's own output.
#include <gtest/gtest.h>

#include "app/core/ULanguage.h"
#include "image_support.h"
#include "support/temp_dir.h"

namespace {

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Lang(); }

    // Writes the given files (a null text: no file) and compiles them; every
    // successful compile must pass the structural check.
    TBank_Images compile(const char* ParGen, const QString& Slave = QString(), const QString& Groups = QString())
    {
        const QString p = dir.file("ParGen.xml"), s = dir.file("EtherCAT_Slave.xml"),
                      g = dir.file("EtherCAT_Slave_Group.xml");
        for (const QString& f : {p, s, g})
            QFile::remove(f);
        if (ParGen)
            dir.write("ParGen.xml", ParGen);
        if (!Slave.isNull())
            dir.write("EtherCAT_Slave.xml", Slave.toUtf8());
        if (!Groups.isNull())
            dir.write("EtherCAT_Slave_Group.xml", Groups.toUtf8());
        TBank_Images images;
        const TCompile_Result r = Compile_Banks(p, s, g, images);
        EXPECT_TRUE(r.Ok) << r.Message.toStdString();
        EXPECT_TRUE(r.Message.isEmpty());
        Expect_Invariants(images);
        return images;
    }

    TempDir dir;
};

TEST_F(ImageTest, NoFilesAtAll)
{
    const TBank_Images im = compile(nullptr);
    QByteArray b1 = Bank1_Fixed();
    Put(b1, 0x028, H("C0 A8 02 CD FF FF FF 00 FF FF FF FF 10 27 11 27 11 27"));
    Put(b1, 0x7FC, H("8A 0D 00 00"));  // 3466
    EXPECT_TRUE(Same_Bytes(im.Bank1, b1));
    EXPECT_EQ(im.Bank2.size(), 16557);
    EXPECT_TRUE(Same_Bytes(im.Bank2, Bank2_Empty()));
}

TEST_F(ImageTest, AnEmptyParametersRoot)
{
    const TBank_Images im = compile("<Par_Gen/>");
    QByteArray b1 = Bank1_Fixed();
    Put(b1, 0x028, H("C0 A8 00 05 FF FF FF 00 FF FF FF FF 10 27 F6 01 F6 01"));
    Put(b1, 0x050, "devicename1");
    Put(b1, 0x66C, "1.001");
    Put(b1, 0x7FC, H("70 13 00 00"));  // 4976
    EXPECT_TRUE(Same_Bytes(im.Bank1, b1));
    EXPECT_TRUE(Same_Bytes(im.Bank2, Bank2_Empty(H("80 0F 00 CC 88 13 FF 00 00 00 00 80 00 00"), 1, 0, 0)));
}

TEST_F(ImageTest, EveryParameterSet)
{
    const TBank_Images im = compile(
        "<Par_Gen><Eth_Conn_Device_Name>gw-01</Eth_Conn_Device_Name><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
        "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi><Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
        "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>2</Eth_Conn_Primary_DNS2>"
        "<Eth_Conn_Primary_DNS3>3</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>4</Eth_Conn_Primary_DNS4>"
        "<Eth_Conn_Secondary_DNS1>010</Eth_Conn_Secondary_DNS1><Eth_Conn_Secondary_DNS2>0</Eth_Conn_Secondary_DNS2>"
        "<Eth_Conn_Secondary_DNS3>0</Eth_Conn_Secondary_DNS3><Eth_Conn_Secondary_DNS4>255</Eth_Conn_Secondary_DNS4>"
        "<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
        "<EtherCAT_Slave_Name>Slave-A</EtherCAT_Slave_Name><EtherCAT_Slave_Node_Address>192</EtherCAT_Slave_Node_Address>"
        "<EtherCAT_Slave_Clear_Data>1</EtherCAT_Slave_Clear_Data>"
        "<Modbus_TCP_Slave_IP1>10</Modbus_TCP_Slave_IP1><Modbus_TCP_Slave_IP2>0</Modbus_TCP_Slave_IP2>"
        "<Modbus_TCP_Slave_IP3>0</Modbus_TCP_Slave_IP3><Modbus_TCP_Slave_IP4>7</Modbus_TCP_Slave_IP4>"
        "<Modbus_TCP_Slave_SM1>255</Modbus_TCP_Slave_SM1><Modbus_TCP_Slave_SM2>255</Modbus_TCP_Slave_SM2>"
        "<Modbus_TCP_Slave_SM3>0</Modbus_TCP_Slave_SM3><Modbus_TCP_Slave_SM4>0</Modbus_TCP_Slave_SM4>"
        "<Modbus_TCP_Slave_GAT1>10</Modbus_TCP_Slave_GAT1><Modbus_TCP_Slave_GAT2>0</Modbus_TCP_Slave_GAT2>"
        "<Modbus_TCP_Slave_GAT3>0</Modbus_TCP_Slave_GAT3><Modbus_TCP_Slave_GAT4>1</Modbus_TCP_Slave_GAT4>"
        "<Modbus_TCP_Slave_EN_GAT>1</Modbus_TCP_Slave_EN_GAT><Modbus_TCP_Slave_Port>1502</Modbus_TCP_Slave_Port>"
        "<Modbus_TCP_Slave_Read_Input_Register>0</Modbus_TCP_Slave_Read_Input_Register>"
        "<EtherCAT_Slave_Eeprom_Config>0102</EtherCAT_Slave_Eeprom_Config></Par_Gen>");
    QByteArray b1 = Bank1_Fixed();
    Put(b1, 0x028, H("0A 00 00 07 FF FF 00 00 0A 00 00 01 10 27 DE 05 DE 05"));
    Put(b1, 0x050, "Slave-A");
    Put(b1, 0x061, H("40"));
    Put(b1, 0x4E8, H("03 00"));
    Put(b1, 0x514, "gw-01");
    Put(b1, 0x53C, H("0A 00 00 FF"));
    Put(b1, 0x58C, H("01 02 03 04"));
    Put(b1, 0x66C, "1.001");
    Put(b1, 0x7FC, H("E5 0D 00 00"));  // 3557
    EXPECT_TRUE(Same_Bytes(im.Bank1, b1));
    EXPECT_TRUE(Same_Bytes(im.Bank2, Bank2_Empty(H("01 02") + QByteArray(12, 0), 192, 1, 0xFFFFFFFF)));
}

TEST_F(ImageTest, ParameterRules)
{
    // File body inside <Par_Gen>, then bytes expected at a bank1 offset.
    const struct {
        const char* Body;
        int Offset;
        const char* Bytes;
    } cases[] = {
        {"<Modbus_TCP_Slave_EN_GAT>1</Modbus_TCP_Slave_EN_GAT><Modbus_TCP_Slave_GAT1>10</Modbus_TCP_Slave_GAT1>"
         "<Modbus_TCP_Slave_GAT2>0</Modbus_TCP_Slave_GAT2><Modbus_TCP_Slave_GAT4>1</Modbus_TCP_Slave_GAT4>",
         0x030, "0A 00 00 01"},
        {"<Modbus_TCP_Slave_EN_GAT>1</Modbus_TCP_Slave_EN_GAT>", 0x030, "C0 A8 00 01"},
        {"<Modbus_TCP_Slave_EN_GAT>yes</Modbus_TCP_Slave_EN_GAT><Modbus_TCP_Slave_GAT1>10</Modbus_TCP_Slave_GAT1>",
         0x030, "FF FF FF FF"},
        // Octets that are not used are not checked.
        {"<Modbus_TCP_Slave_GAT1>abc</Modbus_TCP_Slave_GAT1>", 0x030, "FF FF FF FF"},
        {"<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>300</Eth_Conn_Primary_DNS1>"
         "<Eth_Conn_Secondary_DNS1>1</Eth_Conn_Secondary_DNS1>",
         0x53C, "00 00 00 00"},
        {"<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>", 0x58C,
         "00 00 00 00"},
        {"<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 0x58C, "08 08 08 08"},
        {"<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>", 0x53C, "08 08 04 04"},
        {"<Modbus_TCP_Slave_Read_Input_Register>0</Modbus_TCP_Slave_Read_Input_Register>", 0x060, "00 40 00"},
        {"<Modbus_TCP_Slave_Read_Input_Register>1</Modbus_TCP_Slave_Read_Input_Register>", 0x061, "00"},
        {"<Modbus_TCP_Slave_Read_Input_Register> 0</Modbus_TCP_Slave_Read_Input_Register>", 0x061, "00"},
        {"", 0x061, "00"},
        {"<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi><Eth_Conn_DHCP_Cable>on</Eth_Conn_DHCP_Cable>", 0x4E8, "02 00"},
        {"<Modbus_TCP_Slave_IP3>010</Modbus_TCP_Slave_IP3>", 0x028, "C0 A8 0A 05"},
        // Ports and the node address follow the program's integer rule.
        {"<Modbus_TCP_Slave_Port>$1F6</Modbus_TCP_Slave_Port>", 0x036, "F6 01 F6 01"},
        {"<Modbus_TCP_Slave_Port> 0</Modbus_TCP_Slave_Port>", 0x036, "00 00 00 00"},
        {"<Modbus_TCP_Slave_Port>65535</Modbus_TCP_Slave_Port>", 0x036, "FF FF FF FF"},
        // Names: 31 and 15 characters at most, the field always ends with 0;
        // characters up to U+00FF are one byte each.
        {"<Eth_Conn_Device_Name>ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn</Eth_Conn_Device_Name>", 0x514,
         "4142434445464748494A4B4C4D4E4F505152535455565758595A6162636465 00 00000000"},
        {"<EtherCAT_Slave_Name>ABCDEFGHIJKLMNOPQRST</EtherCAT_Slave_Name>", 0x050, "4142434445464748494A4B4C4D4E4F 00"},
        {"<EtherCAT_Slave_Name>Ger\xC3\xA4t</EtherCAT_Slave_Name>", 0x050, "47 65 72 E4 74 00"},
        {"<EtherCAT_Slave_Name></EtherCAT_Slave_Name>", 0x050, "00 00 00 00"},
    };
    for (const auto& c : cases) {
        const TBank_Images im = compile(("<Par_Gen>" + QByteArray(c.Body) + "</Par_Gen>").constData());
        const QByteArray want = H(c.Bytes);
        EXPECT_EQ(im.Bank1.mid(c.Offset, want.size()).toHex(' '), want.toHex(' ')) << c.Body;
    }
}

TEST_F(ImageTest, HeaderValuesFromTheParameters)
{
    // EEPROM text, node address, clear flag: bank2 header bytes 0..16.
    const struct {
        const char* Body;
        const char* Header17;
    } cases[] = {
        {"<EtherCAT_Slave_Eeprom_Config>0102</EtherCAT_Slave_Eeprom_Config>",
         "01 02 00 00 00 00 00 00 00 00 00 00 00 00 0100 00"},
        {"<EtherCAT_Slave_Eeprom_Config></EtherCAT_Slave_Eeprom_Config>",
         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 0100 00"},
        {"<EtherCAT_Slave_Eeprom_Config>000102030405060708090A0B0C0D0E0F10111213</EtherCAT_Slave_Eeprom_Config>",
         "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0100 00"},
        // Pairs that are not hexadecimal store nothing and take no byte; the last piece may be one digit.
        {"<EtherCAT_Slave_Eeprom_Config>01ZZ02</EtherCAT_Slave_Eeprom_Config>",
         "01 02 00 00 00 00 00 00 00 00 00 00 00 00 0100 00"},
        {"<EtherCAT_Slave_Eeprom_Config>0x12ABC</EtherCAT_Slave_Eeprom_Config>",
         "12 AB 0C 00 00 00 00 00 00 00 00 00 00 00 0100 00"},
        {"<EtherCAT_Slave_Node_Address>0x10</EtherCAT_Slave_Node_Address><EtherCAT_Slave_Clear_Data>true</EtherCAT_Slave_Clear_Data>",
         "80 0F 00 CC 88 13 FF 00 00 00 00 80 00 00 1000 00"},
        {"<EtherCAT_Slave_Node_Address>65535</EtherCAT_Slave_Node_Address><EtherCAT_Slave_Clear_Data>1</EtherCAT_Slave_Clear_Data>",
         "80 0F 00 CC 88 13 FF 00 00 00 00 80 00 00 FFFF 01"},
    };
    for (const auto& c : cases) {
        const TBank_Images im = compile(("<Par_Gen>" + QByteArray(c.Body) + "</Par_Gen>").constData());
        EXPECT_EQ(im.Bank2.left(17).toHex(' '), H(c.Header17).toHex(' ')) << c.Body;
    }
}

TEST_F(ImageTest, AParametersFileWithADeclarationIsReadFromItsRoot)
{
    const TBank_Images im = compile("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- exported -->\n"
                                    "<Parameters>\n  <Modbus_TCP_Slave_IP4>9</Modbus_TCP_Slave_IP4>\n</Parameters>\n");
    EXPECT_EQ(im.Bank1.mid(0x028, 4), H("C0 A8 00 09"));
    EXPECT_EQ(im.Bank1.mid(0x66C, 5), "1.001");
}

TEST_F(ImageTest, TheSingleInt16Row)
{
    const TBank_Images im = compile(
        nullptr, Slave_Xml("<row Enable=\"Y\" Type=\"Int16\" Name=\"Temp\" InitValue=\"-2\" Position=\"0\"/>", ""));
    QByteArray b2 = Bank2_Empty();
    Put(b2, 28, H("01 00"));
    Put(b2, 0x28, Rec(3, 2, 1, 0, 0, 0, 0xFFFFFFFF, 0x840B2, 4, 0x840AD));
    b2 += "Temp" + H("00") + H("FE FF");
    EXPECT_EQ(im.Bank2.size(), 16564);
    EXPECT_TRUE(Same_Bytes(im.Bank2, b2));
}

TEST_F(ImageTest, TheInitialValueTable)
{
    const QString stom = Var_Row("Y", "Bool", "1", "", "3", 0, 0) + Var_Row("Y", "Int8", "1", "", "-1", 1, 0) +
                         Var_Row("Y", "UInt32", "4", "", "4294967295", 2, 0) +
                         Var_Row("Y", "Float32", "4", "", "1.5", 6, 0) + Var_Row("Y", "String", "4", "", "AB", 10, 0) +
                         Var_Row("Y", "Array", "3", "", "0A0B", 15, 0) + Var_Row("Y", "Array", "1", "", "0G", 18, 0) +
                         Var_Row("Y", "Float32", "4", "", "1,5", 19, 0) + Var_Row("Y", "Int16", "2", "", "", 23, 0);
    // A master-to-slave row carrying an InitValue: none is stored.
    const QString mtos = Var_Row("Y", "UInt8", "1", "", "7", 0, 0);
    const TBank_Images im = compile(nullptr, Slave_Xml(stom, mtos));

    QByteArray b2 = Bank2_Empty();
    Put(b2, 28, H("09 00 01 00"));
    const uint32_t none = 0xFFFFFFFF, empty = 0x840AC;
    const QByteArray records = Rec(1, 1, 1, 0, 0, 0, none, 0x840AD, 0, empty) +
                               Rec(2, 1, 1, 0, 1, 1, none, 0x840AE, 0, empty) +
                               Rec(7, 4, 1, 0, 2, 2, none, 0x840AF, 0, empty) +
                               Rec(8, 4, 1, 0, 6, 3, none, 0x840B3, 0, empty) +
                               Rec(9, 4, 1, 0, 10, 4, none, 0x840B7, 0, empty) +
                               Rec(10, 3, 1, 0, 15, 5, none, 0x840BB, 0, empty) +
                               Rec(10, 1, 1, 0, 18, 6, none, 0x840BE, 0, empty) +
                               Rec(8, 4, 1, 0, 19, 7, none, 0x840BF, 0, empty) +
                               Rec(3, 2, 1, 0, 23, 8, none, 0, 0, empty);
    Put(b2, 0x28, records);
    Put(b2, 0x2028, Rec(5, 1, 0, 0, 0, 0, none, 0, 0, empty));
    b2 += H("01  FF  FF FF FF FF  00 00 C0 3F  41 42 00 00  0A 0B 00  00  00 00 C0 3F");
    EXPECT_EQ(im.Bank2.size(), 16579);
    EXPECT_TRUE(Same_Bytes(im.Bank2, b2));

    // Both ends of every integer type, and strings exactly as long as their
    // Length: one row each, its value the last bytes of the image.
    const struct {
        const char* Type;
        const char* Length;
        QByteArray Init;
        QByteArray Bytes;
    } ends[] = {
        {"Int8", "1", "-128", H("80")},
        {"Int8", "1", "127", H("7F")},
        {"Int16", "2", "-32768", H("00 80")},
        {"Int16", "2", "32767", H("FF 7F")},
        {"Int32", "4", "-2147483648", H("00 00 00 80")},
        {"Int32", "4", "2147483647", H("FF FF FF 7F")},
        {"UInt8", "1", "0", H("00")},
        {"UInt8", "1", "255", H("FF")},
        {"UInt16", "2", "0", H("00 00")},
        {"UInt16", "2", "65535", H("FF FF")},
        {"UInt32", "4", "0", H("00 00 00 00")},
        {"UInt32", "4", "4294967295", H("FF FF FF FF")},
        {"String", "1", "Z", "Z"},
        {"String", "4", "ABCD", "ABCD"},
        {"String", "255", QByteArray(255, 'x'), QByteArray(255, 'x')},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(std::string(e.Type) + " " + e.Init.left(12).toStdString());
        const TBank_Images one =
            compile(nullptr, Slave_Xml(Var_Row("Y", e.Type, e.Length, "", e.Init.constData(), 0, 0), ""));
        ASSERT_EQ(one.Bank2.size(), 16557 + e.Bytes.size());
        EXPECT_EQ(U32(one.Bank2, 0x28 + 20), 0x840ADu) << "where the value is";
        EXPECT_EQ(one.Bank2.right(e.Bytes.size()).toHex(' '), e.Bytes.toHex(' '));
    }
}

TEST_F(ImageTest, VariablesAndGroupsTogether)
{
    const QString stom = Var_Row("Y", "Bool", "1", "Run", "", 0, 0) + Var_Row("N", "Int16", "2", "Spare", "", 0, 0) +
                         Var_Row("Y", "Bool", "1", "", "", 0, 1) + Var_Row("Y", "String", "3", "Tag", "Hi", 1, 0) +
                         Var_Row("Y", "UInt16", "2", "Cnt", "258", 5, 0);
    const QString mtos = Var_Row("Y", "Float32", "4", "Set", "", 0, 0) + Var_Row("N", "junk", "x", "Zz", "", 9, 9) +
                         Var_Row("Y", "Array", "2", "Blk", "", 4, 0);
    // An empty group name is skipped: G2 is In group 1.
    const QString groups = Group_Xml(Group_Row("G1", "2") + Group_Row("", "5") + Group_Row("G2", "1"),
                                     Group_Row("Out", "5"));
    const TBank_Images im = compile(nullptr, Slave_Xml(stom, mtos), groups);

    QByteArray b2 = Bank2_Empty();
    Put(b2, 28, H("04 00 02 00"));
    Put(b2, 0x28,
        Rec(1, 1, 1, 0, 0, 0, 0, 0, 3, 0x840AD) + Rec(1, 1, 1, 1, 0, 1, 0, 0, 0, 0x840AC) +
            Rec(9, 3, 1, 0, 1, 2, 1, 0x840CB, 3, 0x840B1) + Rec(6, 2, 1, 0, 5, 3, 0xFFFFFFFF, 0x840CE, 3, 0x840B5));
    Put(b2, 0x2028, Rec(8, 4, 0, 0, 0, 0, 0, 0, 3, 0x840B9) + Rec(10, 2, 0, 0, 4, 1, 0, 0, 3, 0x840BD));
    Put(b2, 0x4028, LE32(0x840C1) + LE32(0x840C4));
    Put(b2, 0x4068, LE32(0x840C7));
    Put(b2, 0x40A8, H("02 01"));
    b2 += QByteArray("Run\0Tag\0Cnt\0Set\0Blk\0G1\0G2\0Out\0", 30);
    b2 += H("48 69 00  02 01");
    EXPECT_EQ(im.Bank2.size(), 16592);
    EXPECT_TRUE(Same_Bytes(im.Bank2, b2));
}

TEST_F(ImageTest, NamesCountTheirUtf8Bytes)
{
    const TBank_Images im = compile(
        nullptr,
        Slave_Xml(Var_Row("Y", "UInt8", "1", "T\xC3\xABmp", "", 0, 0) + Var_Row("Y", " uint8 ", "1", "X", "", 1, 0), ""),
        Group_Xml(Group_Row("Gr\xC3\xBC\xC3\x9F" "e", "2"), ""));
    const QByteArray& b2 = im.Bank2;
    EXPECT_EQ(b2.mid(0x28, 4), H("05 01 01 00"));  // the trimmed lower-case type is UInt8 too
    EXPECT_EQ(b2.mid(0x48, 4), H("05 01 01 00"));
    EXPECT_EQ(U32(b2, 0x28 + 24), 5u);
    EXPECT_EQ(U32(b2, 0x28 + 28), 0x840ADu);
    EXPECT_EQ(U32(b2, 0x48 + 28), 0x840B3u);
    EXPECT_EQ(U32(b2, 0x4028), 0x840B5u);
    EXPECT_EQ(b2.mid(0x40AD), QByteArray("T\xC3\xABmp\0X\0Gr\xC3\xBC\xC3\x9F" "e\0", 16));
}

}  // namespace
