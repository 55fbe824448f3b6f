#include <gtest/gtest.h>

#include "app/core/Helpers.h"
#include "support/temp_dir.h"

namespace {

TEST(SplitIPAddress, Cases)
{
    struct {
        const char* in;
        bool ok;
        QStringList parts;  // A, B, C, D as left by the call
    } cases[] = {
        {" 192.168.1.10 ", true, {"192", "168", "1", "10"}},
        {"192 . 168 .1. 10", true, {"192", "168", "1", "10"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"255.255.255.255", true, {"255", "255", "255", "255"}},
        {"010.001.0.1", true, {"010", "001", "0", "1"}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"1.2.3", false, {"1", "2", "-", "-"}},
        {"1.2.3.256", false, {"1", "2", "3", "256"}},
        {"1.2.3.", false, {"1", "2", "3", ""}},
        {"a.b.c.d", false, {"a", "b", "c", "d"}},
        {"-1.2.3.4", false, {"-1", "2", "3", "4"}},
        {"+1.2.3.4", false, {"+1", "2", "3", "4"}},
        {"$A.1.1.1", false, {"$A", "1", "1", "1"}},
        {"0x0A.1.1.1", false, {"0x0A", "1", "1", "1"}},
        {"", false, {"-", "-", "-", "-"}},
    };
    for (const auto& c : cases) {
        QString a = "-", b = "-", cc = "-", d = "-";
        EXPECT_EQ(Split_IP_Address(c.in, a, b, cc, d), c.ok) << c.in;
        EXPECT_EQ((QStringList{a, b, cc, d}), c.parts) << c.in;
    }
}

TEST(IPToBytes, TrueMeansError)
{
    struct {
        const char* in;
        bool failed;
        int b[4];
    } cases[] = {
        {"192.168.0.1", false, {192, 168, 0, 1}},
        {"10.0.0.300", true, {10, 0, 0, 0}},
        {"10", true, {0, 0, 0, 10}},
        {"1.2.3.4.5", true, {1, 2, 3, 0}},
        {" 1.2.3.4", true, {0, 2, 3, 4}},  // parts are not trimmed
        {"1..3.4", true, {1, 0, 3, 4}},
        {"$A.1.1.1", true, {0, 1, 1, 1}},
        {"-1.1.1.1", true, {0, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        uint8_t b1 = 99, b2 = 99, b3 = 99, b4 = 99;
        EXPECT_EQ(IP_To_Bytes_Failed(c.in, b1, b2, b3, b4), c.failed) << c.in;
        EXPECT_EQ((std::vector<int>{b1, b2, b3, b4}), (std::vector<int>{c.b[0], c.b[1], c.b[2], c.b[3]})) << c.in;
    }
    uint8_t b1 = 7, b2 = 7, b3 = 7, b4 = 7;
    EXPECT_TRUE(IP_To_Bytes_Failed("", b1, b2, b3, b4));
    EXPECT_EQ(b1 + b2 + b3 + b4, 28);  // an empty text leaves the bytes alone
}

TEST(IPPortToBytes, AllOrNothing)
{
    struct {
        const char* in;
        bool ok;
        int b[4];
        int port;
    } cases[] = {
        {"192.168.0.1:502", true, {192, 168, 0, 1}, 502},
        {" 10.0.0.2 : 65535 ", true, {10, 0, 0, 2}, 65535},
        {"192.168.0.1", false, {0, 0, 0, 0}, 0},
        {"192.168.0.1:70000", false, {0, 0, 0, 0}, 0},
        {"192.168.0.1:-1", false, {0, 0, 0, 0}, 0},
        {"192.168.0.256:502", false, {0, 0, 0, 0}, 0},
        {"192.168.0:502", false, {0, 0, 0, 0}, 0},
        {"192.168.0.1:", false, {0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        uint8_t b1 = 9, b2 = 9, b3 = 9, b4 = 9;
        uint16_t port = 9;
        EXPECT_EQ(IP_Port_To_Bytes(c.in, b1, b2, b3, b4, port), c.ok) << c.in;
        EXPECT_EQ((std::vector<int>{b1, b2, b3, b4, port}),
                  (std::vector<int>{c.b[0], c.b[1], c.b[2], c.b[3], c.port}))
            << c.in;
    }
}

TEST(FloatWithEitherSeparator, Cases)
{
    struct {
        const char* in;
        char sep;
        bool ok;
        float v;
    } cases[] = {
        {"1,5", '.', true, 1.5f},  {"1.5", '.', true, 1.5f},   {"1.5", ',', true, 1.5f},
        {"-2,25", ',', true, -2.25f}, {" 3 ", '.', true, 3.0f}, {"1e2", '.', true, 100.0f},
        {"abc", '.', false, 1.0f}, {"", ',', false, 1.0f},     {"1,5,5", '.', false, 1.0f},
        {"1e39", '.', false, 1.0f}, {"nan", '.', false, 1.0f},
    };
    for (const auto& c : cases) {
        float v = -7;
        EXPECT_EQ(Str_To_Float_Sep(c.in, QChar(c.sep), v), c.ok) << c.in;
        EXPECT_FLOAT_EQ(v, c.v) << c.in;
    }
    const QChar sep = Get_Decimal_Separator();
    EXPECT_TRUE(sep == u',' || sep == u'.');
}

TEST(OPCUACodes, TablesBothWays)
{
    EXPECT_EQ(OPCUA_Id_Type_To_Str(0), "Numeric");
    EXPECT_EQ(OPCUA_Id_Type_To_Str(5), "ByteString");
    EXPECT_EQ(OPCUA_Id_Type_To_Str(1), "");
    EXPECT_EQ(OPCUA_Str_To_Id_Type("guid"), 4);
    EXPECT_EQ(OPCUA_Str_To_Id_Type("bytestring"), 5);
    EXPECT_EQ(OPCUA_Str_To_Id_Type("whatever"), 0);
    EXPECT_EQ(OPCUA_Data_Type_To_Str(14), "ByteString");
    EXPECT_EQ(OPCUA_Data_Type_To_Str(15), "");
    EXPECT_EQ(OPCUA_Data_Type_To_Str(-1), "");
    EXPECT_EQ(OPCUA_Auth_To_Str(7), "Certificate");
    EXPECT_EQ(OPCUA_Str_To_Auth("Username and Password"), 1);
    EXPECT_EQ(OPCUA_Str_To_Auth("anonymous"), 2);  // case matters
    EXPECT_EQ(OPCUA_Sec_Mode_To_Str(-1), "Sign and Encrypt");
    EXPECT_EQ(OPCUA_Str_To_Sec_Mode("Sign"), 1);
    EXPECT_EQ(OPCUA_Sec_Policy_To_Str(4), "AES 128 SHA 256 RSA OAEP");
    EXPECT_EQ(OPCUA_Sec_Policy_To_Str(9), "AES 256 SHA 256 RSA PSS");
    EXPECT_EQ(OPCUA_Str_To_Sec_Policy("Basic 256"), 2);
    EXPECT_EQ(OPCUA_Str_To_Sec_Policy("basic 256"), 5);
    for (int code = 0; code <= 5; ++code)
        EXPECT_EQ(OPCUA_Str_To_Sec_Policy(OPCUA_Sec_Policy_To_Str(code)), code);
}

TEST(OPCUACodes, NodeIdentifierText)
{
    opcua_structure n;
    n.identifierType = 0;
    n.numeric = 4294967295u;
    EXPECT_EQ(OPCUA_Node_Id_To_Str(n), "4294967295");
    n.identifierType = 3;
    n.stringname = "Temp\xB0";  // single-byte text
    EXPECT_EQ(OPCUA_Node_Id_To_Str(n), QString::fromUtf8("Temp\xc2\xb0"));
    n.identifierType = 4;
    n.guide1 = 0x0123abcd;
    n.guide2 = 0xa;
    n.guide3 = 0xbeef;
    const uint8_t g4[8] = {0x01, 0xab, 0x00, 0xff, 0x10, 0x20, 0x30, 0x4c};
    std::copy(g4, g4 + 8, n.guide4);
    EXPECT_EQ(OPCUA_Node_Id_To_Str(n), "0123ABCD-000A-BEEF-01AB-00FF1020304C");
    n.identifierType = 5;
    n.byteString = "raw";
    EXPECT_EQ(OPCUA_Node_Id_To_Str(n), "raw");
    n.byteString = nullptr;
    EXPECT_EQ(OPCUA_Node_Id_To_Str(n), "");
    n.identifierType = 1;
    EXPECT_EQ(OPCUA_Node_Id_To_Str(n), "");
}

TEST(SNMPChecks, ObjectIdentifier)
{
    struct {
        QString in;
        int code;
    } cases[] = {
        {"1.3.6.1.4.1", 0},
        {"1.3.6.1.4.1.4294967295", 0},
        {".1.3.6", 3},
        {"1.3.6.", 4},
        {"1.3..6", 5},
        {"1.3.4294967296", 6},
        {"1.3.99999999999999999999", 6},
        {QString(62, u'1'), 1},
        {QString(61, u'1'), 6},
        {"1.3.a", 2},
        {"1 .3", 2},
        {".", 3},
        {"", 6},  // one empty arc
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_SNMP_OID(c.in), c.code) << c.in.toStdString();
}

TEST(SNMPChecks, V3StringsAndSecurityLevel)
{
    EXPECT_EQ(Check_SNMPv3_String("abcdefg", false), 2);
    EXPECT_EQ(Check_SNMPv3_String("abcdefg", true), 0);
    EXPECT_EQ(Check_SNMPv3_String("abcdefgh", false), 0);
    EXPECT_EQ(Check_SNMPv3_String("", true), 2);
    EXPECT_EQ(Check_SNMPv3_String("user_1", true), 3);
    EXPECT_EQ(Check_SNMPv3_String("abcdefghijklmnop", true), 1);
    EXPECT_EQ(Check_SNMPv3_String("abcdefghijklmno", false), 0);
    EXPECT_EQ(SNMP_Sec_Level_To_Flags(" auth priv "), 3);
    EXPECT_EQ(SNMP_Sec_Level_To_Flags("AUTH NOPRIV"), 1);
    EXPECT_EQ(SNMP_Sec_Level_To_Flags("NOAUTH NOPRIV"), 0);
    EXPECT_EQ(SNMP_Sec_Level_To_Flags("   "), -1);
}

TEST(DeviceInterfaces, SerialPortsAndProtocolNames)
{
    TempDir dev;
    for (const char* name : {"ttyUSB0", "ttyS1", "ttyACM0", "ttyS0", "null", "tty0"})
        dev.write(name, "");
    EXPECT_EQ(Get_COM_Port_List(dev.path()), (QStringList{"ttyACM0", "ttyS0", "ttyS1", "ttyUSB0"}));
    String n1 = "x", n2 = "y";
    EXPECT_EQ(Get_IP_Protocol_Names(n1, n2), 1);
    EXPECT_EQ(n1, "MQTT");
    EXPECT_EQ(n2, "");
}

}  // namespace
