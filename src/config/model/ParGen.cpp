#include "config/model/ParGen.h"

#include "app/core/ULanguage.h"
#include "platform/os/files.h"
#include "platform/xml/xml.h"

const char* const ParGen_Root_Name = "Par_Gen";
const char* const ParGen_Version_Comment = "SW_VERSION = 1.001";

namespace {

constexpr const char* N = nullptr;  // the reader does not read the key

// Columns: dialog, compiler, ESI writer, BACnet client editor, BACnet server
// editor, BACnet EDE writer, DMX editor, PROFINET writer.
const std::vector<TParGen_Key> kKeys = {
    {"Eth_Conn_Device_Name", true, {"", ""}},
    {"Eth_Conn_DHCP_Cable", true, {"0", "0"}},
    // The dialog does not read it (its box is always off) but writes "0".
    {"Eth_Conn_DHCP_WiFi", true, {"0", "0"}},
    // The compiler reads the eight DNS octets only while this is exactly "1".
    {"Eth_Conn_Enable_DNS", true, {"0", "0"}},
    {"Eth_Conn_Primary_DNS1", true, {"8", "8"}},
    {"Eth_Conn_Primary_DNS2", true, {"8", "8"}},
    {"Eth_Conn_Primary_DNS3", true, {"8", "8"}},
    {"Eth_Conn_Primary_DNS4", true, {"8", "8"}},
    {"Eth_Conn_Secondary_DNS1", true, {"8", "8"}},
    {"Eth_Conn_Secondary_DNS2", true, {"8", "8"}},
    {"Eth_Conn_Secondary_DNS3", true, {"4", "4"}},
    {"Eth_Conn_Secondary_DNS4", true, {"4", "4"}},
    {"EtherCAT_Slave_Revision_Number", true, {"0", "0", "0"}},
    {"EtherCAT_Slave_Name", true, {"devicename1", "devicename1", "EtherCAT Slave"}},
    {"EtherCAT_Slave_Node_Address", true, {"1", "1", "1"}},
    {"EtherCAT_Slave_Clear_Data", true, {"0", "0"}},
    {"Modbus_TCP_Slave_IP1", true, {"192", "192"}},
    {"Modbus_TCP_Slave_IP2", true, {"168", "168"}},
    {"Modbus_TCP_Slave_IP3", true, {"0", "0"}},
    {"Modbus_TCP_Slave_IP4", true, {"5", "5"}},
    {"Modbus_TCP_Slave_SM1", true, {"255", "255"}},
    {"Modbus_TCP_Slave_SM2", true, {"255", "255"}},
    {"Modbus_TCP_Slave_SM3", true, {"255", "255"}},
    {"Modbus_TCP_Slave_SM4", true, {"0", "0"}},
    // The compiler reads the gateway octets only while EN_GAT is exactly "1".
    {"Modbus_TCP_Slave_GAT1", true, {"192", "192"}},
    {"Modbus_TCP_Slave_GAT2", true, {"168", "168"}},
    {"Modbus_TCP_Slave_GAT3", true, {"0", "0"}},
    {"Modbus_TCP_Slave_GAT4", true, {"1", "1"}},
    {"Modbus_TCP_Slave_EN_GAT", true, {"0", "0"}},
    {"Modbus_TCP_Slave_Port", true, {"502", "502"}},
    // The compiler clears the option only for exactly "0": a missing element
    // counts as on there, while the dialog shows it unchecked.
    {"Modbus_TCP_Slave_Read_Input_Register", true, {"0", "1"}},

    {"EtherCAT_Slave_Eeprom_Config", false, {N, "800F00CC8813ff00000000800000"}},
    {"BACnet_Master_Type", false, {N, N, N, "0"}},
    {"BACnet_Type", false, {N, N, N, N, N, "0"}},
    {"BACnet_Ser_DEV_IDE", false, {N, N, N, N, N, ""}},
    {"BACnet_DEV_IDE", false, {N, N, N, N, N, ""}},
    {"BACnet_Desc_Chars_Limit", false, {N, N, N, N, "0", "0"}},
    {"DMX_Num_Channels", false, {N, N, N, N, N, N, "512"}},
    {"PROFINET_NB_IN", false, {N, N, N, N, N, N, N, "1438"}},
    {"PROFINET_NB_OUT", false, {N, N, N, N, N, N, N, "1438"}},
    // The writer also takes "SERIAL" for a name that is blank after trimming.
    {"PROFINET_NAME_STA", false, {N, N, N, N, N, N, N, "SERIAL"}},
};

}  // namespace

String TParGen_Key::Default(TParGen_Reader Reader) const
{
    if (!Read_By(Reader))
        throw Exception(QStringLiteral("ParGen key %1 has no default for reader %2")
                            .arg(QLatin1String(Name))
                            .arg(int(Reader)));
    return QString::fromLatin1(Defaults[size_t(Reader)]);
}

const std::vector<TParGen_Key>& ParGen_Keys() { return kKeys; }

const TParGen_Key& ParGen_Key(const String& Name)
{
    for (const TParGen_Key& k : kKeys)
        if (Name == QLatin1String(k.Name))
            return k;
    throw Exception(QStringLiteral("Unknown ParGen key %1").arg(Name));
}

TParGen TParGen::Load(const String& Path)
{
    TParGen p;
    if (Path.isEmpty() || !File_Exists(Path))
        return p;
    XmlDocument doc;
    String detail;
    if (!doc.LoadFromFile(Path, &detail) || !doc.DocumentElement()) {
        p.status_ = Malformed;
        p.error_ = Lang_Text(1106) + detail;
        return p;
    }
    p.status_ = Loaded;
    const XmlNode root = doc.DocumentElement();
    for (const TParGen_Key& k : kKeys) {
        const String name = QString::fromLatin1(k.Name);
        if (const XmlNode e = root.ChildNode(name))
            p.texts_.insert(name, e.Text());
    }
    return p;
}

bool TParGen::Has(const String& Key) const
{
    return texts_.contains(QString::fromLatin1(ParGen_Key(Key).Name));
}

String TParGen::Value(const String& Key, TParGen_Reader Reader) const
{
    const TParGen_Key& k = ParGen_Key(Key);
    const auto it = texts_.constFind(Key);
    if (!k.Read_By(Reader) || it == texts_.constEnd())
        return k.Default(Reader);  // raises for a key the reader does not read
    return *it;
}

void TParGen::SetValue(const String& Key, const String& Text)
{
    ParGen_Key(Key);
    texts_.insert(Key, Text);
}

void TParGen::SetChecked(const String& Key, bool Checked)
{
    SetValue(Key, Checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void TParGen::Save(const String& Path) const
{
    XmlDocument doc;
    XmlNode root = doc.CreateRoot(QString::fromLatin1(ParGen_Root_Name));
    doc.AddComment(QString::fromLatin1(ParGen_Version_Comment));
    for (int i = 0; i < ParGen_Written_Count; ++i) {
        const TParGen_Key& k = kKeys[size_t(i)];
        const String name = QString::fromLatin1(k.Name);
        root.AddChild(name).SetText(texts_.value(name, k.Default(TParGen_Reader::Dialog)));
    }
    doc.SaveToFile(Path);
}

// ---- values the device images and the ESI file share ----------------------------------

int Device_Name_Bad_Char(const String& Name)
{
    for (const QChar c : Name)
        if (c.unicode() < 0x20 || c.unicode() > 0xFF)
            return c.unicode();
    return -1;
}

bool Check_Device_Name(const String& Key, const String& Name, String& Error)
{
    const int c = Device_Name_Bad_Char(Name);
    if (c < 0)
        return true;
    // Above U+00FF the device cannot store it; below U+0020 the ESI file cannot hold it.
    Error = Lang_Text(c > 0xFF ? 1109 : 1125) + Key + " = \"" + Name + "\" (U+" + IntToHex(c, 4) + ")";
    return false;
}

bool Read_EtherCAT_Slave_Identity(const TParGen& ParGen, TParGen_Reader Reader, TEtherCAT_Slave_Identity& Identity,
                                  String& Error)
{
    auto number = [&](const char* Key, int64_t Max, int64_t& Value) {
        const String text = ParGen.Value(Key, Reader);
        if (TryStrToInt64(text, Value) && Value >= 0 && Value <= Max)
            return true;
        Error = Lang_Text(1108) + Key + " = \"" + text + "\"";
        return false;
    };
    TEtherCAT_Slave_Identity id;
    int64_t revision = 0, node = 0;
    if (!number("EtherCAT_Slave_Revision_Number", UINT32_MAX, revision))
        return false;
    id.Name = ParGen.Value("EtherCAT_Slave_Name", Reader);
    if (!Check_Device_Name("EtherCAT_Slave_Name", id.Name, Error))
        return false;
    if (!number("EtherCAT_Slave_Node_Address", 0xFFFF, node))
        return false;
    id.Revision_Number = uint32_t(revision);
    id.Node_Address = uint16_t(node);
    Identity = id;
    return true;
}
