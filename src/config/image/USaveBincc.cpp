#include "config/image/USaveBincc.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "app/core/Helpers.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "config/model/ParGen.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "ethercat/model/EtherCAT_Values.h"
#include "platform/os/files.h"
#include "platform/rtl/files.h"

namespace {

// ---- little-endian stores ------------------------------------------------------------

void Put16(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

void Put32(uint8_t* p, uint32_t v)
{
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

// Appends to an image.
struct TImage_Writer {
    QByteArray& Out;
    void u8(uint32_t v) { Out.append(char(uint8_t(v))); }
    void u16(uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(uint32_t v)
    {
        u16(v);
        u16(v >> 16);
    }
    void bytes(const void* p, qsizetype n) { Out.append(static_cast<const char*>(p), n); }
};

// The bank2 header fields, in image order.
struct TBank2_Header {
    uint8_t Eeprom_Config[14] = {};
    uint16_t Node_Address = 0;
    uint8_t Clear_Data = 0;
    uint32_t Group_Add = 0;
    uint32_t Revision = 0;
    uint16_t Num_In = 0;
    uint16_t Num_Out = 0;
    uint32_t In_Add = 0;
    uint32_t Out_Add = 0;
};

// One compile: the state is rebuilt from scratch every time.
class TBank_Compiler {
public:
    TBank_Compiler() : In(256), Out(256) {}

    void Compile_Banks(const String& ParGen_Path, const String& Slave_Path, const String& Group_Path,
                       TBank_Images& Images);

private:
    void Init_Bank1_Defaults();
    void Set_SW_Version_Bank1();
    void Read_ParGen_Bank1(const String& Path);
    void Store_Bank1(QByteArray& Image);
    void Hex_To_Eeprom_Config(const String& Hex);
    void Read_EtherCAT_Bank2(uint32_t Base, const String& Slave_Path, const String& Group_Path);
    int64_t Store_EtherCAT_Init_Value(const TEtherCAT_Entry& E, TEtherCAT_pd& pd, int64_t D);
    void Store_Bank2(QByteArray& Image) const;

    // ParGen.xml values as the compiler reads them.
    String Text(const String& Key) const { return ParGen.Value(Key, TParGen_Reader::Compiler); }
    [[noreturn]] void Bad_Value(const String& Key, int Message = 1108) const;
    uint8_t Octet(const String& Key) const;
    int64_t Number(const String& Key, int64_t Max) const;
    void Store_Octets(int Offset, const char* Key_Prefix);
    void Store_Name(int Offset, int Max_Chars, const String& Key, const String& Name);

    uint8_t Bank1[Bank1_Size] = {};
    TBank2_Header Header;
    std::vector<TEtherCAT_pd> In, Out;
    TEtherCAT_Group Group;
    TParGen ParGen;
};

[[noreturn]] void TBank_Compiler::Bad_Value(const String& Key, int Message) const
{
    throw Exception(Lang_Text(Message) + Key + " = " + Quoted(ParGen.Value(Key, TParGen_Reader::Compiler)));
}

// Octets are decimal digits 0..255, as the dialog checks them.
uint8_t TBank_Compiler::Octet(const String& Key) const
{
    int v;
    if (!TryStrToDecimalDigits(Text(Key), v) || v > 255)
        Bad_Value(Key);
    return uint8_t(v);
}

// Other numbers follow the program's integer rule and must fit 0..Max.
int64_t TBank_Compiler::Number(const String& Key, int64_t Max) const
{
    int64_t v;
    if (!TryStrToInt64(Text(Key), v) || v < 0 || v > Max)
        Bad_Value(Key);
    return v;
}

void TBank_Compiler::Store_Octets(int Offset, const char* Key_Prefix)
{
    for (int i = 0; i < 4; ++i)
        Bank1[Offset + i] = Octet(QLatin1String(Key_Prefix) + QString::number(i + 1));
}

// At most Max_Chars characters, one byte each; the field's last byte stays 0.
// The whole name must pass the device-name check the dialog applies.
void TBank_Compiler::Store_Name(int Offset, int Max_Chars, const String& Key, const String& Name)
{
    String error;
    if (!Check_Device_Name(Key, Name, error))
        throw Exception(error);
    const String name = Copy(Name, 1, Max_Chars);
    for (int i = 0; i < name.size(); ++i)
        Bank1[Offset + i] = uint8_t(name[i].unicode());
}

void TBank_Compiler::Init_Bank1_Defaults()
{
    std::memset(Bank1, 0, sizeof Bank1);
    Put32(Bank1 + 0x000, 250000);
    Put32(Bank1 + 0x004, 250000);
    Put32(Bank1 + 0x00C, 9600);
    const uint8_t ip[4] = {192, 168, 2, 205}, mask[4] = {255, 255, 255, 0};
    std::memcpy(Bank1 + 0x028, ip, 4);
    std::memcpy(Bank1 + 0x02C, mask, 4);
    std::memset(Bank1 + 0x030, 0xFF, 4);
    Put16(Bank1 + 0x034, 10000);
    Put16(Bank1 + 0x036, 10001);
    Put16(Bank1 + 0x038, 10001);
    std::memset(Bank1 + 0x1B4, 8, 8);
}

void TBank_Compiler::Set_SW_Version_Bank1()
{
    std::memset(Bank1 + 0x66C, 0, 8);
    std::memcpy(Bank1 + 0x66C, "1.001", 5);
}

void TBank_Compiler::Read_ParGen_Bank1(const String& Path)
{
    ParGen = TParGen::Load(Path);
    if (ParGen.Status() == TParGen::Malformed)
        throw Exception(ParGen.Error());
    if (ParGen.Status() == TParGen::Missing)
        return;  // the fixed defaults, version field and bank2 header stay 0
    Set_SW_Version_Bank1();
    auto on = [&](const char* Key) { return Text(Key) == QLatin1String("1"); };

    Store_Name(0x514, 31, "Eth_Conn_Device_Name", Text("Eth_Conn_Device_Name"));
    Put16(Bank1 + 0x4E8, (on("Eth_Conn_DHCP_Cable") ? 1 : 0) | (on("Eth_Conn_DHCP_WiFi") ? 2 : 0));
    if (on("Eth_Conn_Enable_DNS")) {
        Store_Octets(0x58C, "Eth_Conn_Primary_DNS");
        Store_Octets(0x53C, "Eth_Conn_Secondary_DNS");
    }
    Hex_To_Eeprom_Config(Text("EtherCAT_Slave_Eeprom_Config"));
    // The identity is read as the ESI writer reads it.
    TEtherCAT_Slave_Identity id;
    String error;
    if (!Read_EtherCAT_Slave_Identity(ParGen, TParGen_Reader::Compiler, id, error))
        throw Exception(error);
    Header.Revision = id.Revision_Number;
    Store_Name(0x050, 15, "EtherCAT_Slave_Name", id.Name);
    Header.Node_Address = id.Node_Address;
    Header.Clear_Data = on("EtherCAT_Slave_Clear_Data") ? 1 : 0;
    Store_Octets(0x028, "Modbus_TCP_Slave_IP");
    Store_Octets(0x02C, "Modbus_TCP_Slave_SM");
    if (on("Modbus_TCP_Slave_EN_GAT"))
        Store_Octets(0x030, "Modbus_TCP_Slave_GAT");
    const uint32_t port = uint32_t(Number("Modbus_TCP_Slave_Port", 0xFFFF));
    Put16(Bank1 + 0x036, port);
    Put16(Bank1 + 0x038, port);
    if (Text("Modbus_TCP_Slave_Read_Input_Register") == QLatin1String("0"))
        Bank1[0x061] |= 0x40;
}

void TBank_Compiler::Store_Bank1(QByteArray& Image)
{
    uint32_t sum = 0;
    for (int i = 0; i < 0x7FC; ++i)
        sum += Bank1[i];
    Put32(Bank1 + 0x7FC, sum);
    Image = QByteArray(reinterpret_cast<const char*>(Bank1), Bank1_Size);
}

// Two characters at a time (the last piece may be shorter); a piece that is
// not hexadecimal stores nothing and takes no byte; at most 14 bytes.
void TBank_Compiler::Hex_To_Eeprom_Config(const String& Hex)
{
    int n = 0;
    for (int i = 0; i < Hex.size() && n < 14; i += 2)
        if (const int b = Hex_Byte(Hex.mid(i, 2)); b >= 0)
            Header.Eeprom_Config[n++] = uint8_t(b);
}

// Initial values exist for slave-to-master rows only.
int64_t TBank_Compiler::Store_EtherCAT_Init_Value(const TEtherCAT_Entry& E, TEtherCAT_pd& pd, int64_t D)
{
    pd.init_value_Add = 0;
    const String& text = E.Var->InitValue;
    if (text.isEmpty())
        return D;
    // EtherCAT_Entries has refused a value that does not convert.
    int fault = 0;
    if (!Encode_Init_Value(*E.Type, E.Length, text, pd.init_value, fault))
        throw Exception(EtherCAT_Row_Message(1110, TEtherCAT_Dir::StoM, E.Row, Lang_Text(fault) + Quoted(text)));
    pd.init_value_Add = uint32_t(D);
    return D + pd.length;
}

void TBank_Compiler::Read_EtherCAT_Bank2(uint32_t Base, const String& Slave_Path, const String& Group_Path)
{
    Header.Group_Add = Base + 0x4028;
    Header.In_Add = Base + 0x28;
    Header.Out_Add = Base + 0x2028;

    TEtherCAT_Variables vars;
    if (const TEtherCAT_Read_Result r = Read_EtherCAT_Slave(Slave_Path, vars); r.Failed())
        throw Exception(r.Message);
    TEtherCAT_Groups group_rows;
    if (const TEtherCAT_Read_Result r = Read_EtherCAT_Slave_Group(Group_Path, group_rows); r.Failed())
        throw Exception(r.Message);

    const TEtherCAT_Dir dirs[2] = {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS};
    std::vector<TEtherCAT_Entry> entries[2];
    std::vector<TGroup> groups[2];
    int64_t N = Base + Bank2_Empty_Size;  // next name
    int64_t D = N;                         // next initial value, after every name
    int bytes[2] = {0, 0};
    for (int d = 0; d < 2; ++d) {
        String error;
        if (!EtherCAT_Entries(vars.Rows(dirs[d]), dirs[d], entries[d], error, &bytes[d]))
            throw Exception(error);
        // The process image must fit the slave controller, as the ESI file describes it.
        if (d == 1 && !Check_Sync_Managers(bytes[0], bytes[1], error))
            throw Exception(error);
        for (const TEtherCAT_Entry& e : entries[d])
            if (const qsizetype n = e.Var->Name.toUtf8().size(); n > 0)
                D += n + 1;
        const std::vector<TEtherCAT_Group_Row>& rows = group_rows.Rows(dirs[d]);
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].Group_Name.isEmpty())
                continue;
            int num;
            if (!TryStrToInt(rows[i].Num_Variables, num) || num < 0 || num > EtherCAT_Max_Variables)
                throw Exception(EtherCAT_Row_Message(1119, dirs[d], int(i) + 1,
                                                     Lang_Text(1121) + Quoted(rows[i].Num_Variables)));
        }
        groups[d] = Group_List(rows);
        if (groups[d].size() > size_t(EtherCAT_Max_Groups))
            throw Exception(EtherCAT_Message(1119, dirs[d], Lang_Text(1120)));
        for (const TGroup& g : groups[d])
            D += g.Name.toUtf8().size() + 1;
    }

    for (int d = 0; d < 2; ++d) {
        std::vector<TEtherCAT_pd>& table = d == 0 ? In : Out;
        for (size_t j = 0; j < entries[d].size(); ++j) {
            const TEtherCAT_Entry& e = entries[d][j];
            TEtherCAT_pd& pd = table[j];
            pd.access = d == 0 ? 1 : 0;
            pd.Data_Type = e.Type->Code;
            pd.length = uint8_t(e.Length);
            pd.position = uint32_t(e.Position);
            pd.bit_address = uint8_t(e.Bit);
            pd.subindex = uint32_t(j);
            pd.entry_index = 0;
            pd.group_index = uint32_t(Find_Group_Index(groups[d], int(j)));  // -1: 0xFFFFFFFF
            if (d == 0)
                D = Store_EtherCAT_Init_Value(e, pd, D);
            pd.name = e.Var->Name.toUtf8();
            pd.name_length = uint32_t(pd.name.size());
            if (pd.name_length > 0) {
                pd.name_add = uint32_t(N);
                N += pd.name_length + 1;
            } else {
                pd.name_add = Base + Bank2_Empty_Size - 1;
            }
        }
        (d == 0 ? Header.Num_In : Header.Num_Out) = uint16_t(entries[d].size());
    }
    for (int d = 0; d < 2; ++d) {
        uint32_t* add = d == 0 ? Group.group_In_Add : Group.group_Out_Add;
        QByteArray* str = d == 0 ? Group.group_In_Str : Group.group_Out_Str;
        for (size_t k = 0; k < groups[d].size(); ++k) {
            str[k] = groups[d][k].Name.toUtf8();
            add[k] = uint32_t(N);
            N += str[k].size() + 1;
        }
        (d == 0 ? Group.Num_In : Group.Num_Out) = uint8_t(groups[d].size());
    }
    if (const int64_t size = D - Base; size > Bank_Max_Size)
        throw Exception(Lang_Text(1122) + IntToStr(size));
}

void TBank_Compiler::Store_Bank2(QByteArray& Image) const
{
    Image.clear();
    TImage_Writer w{Image};
    w.bytes(Header.Eeprom_Config, 14);
    w.u16(Header.Node_Address);
    w.u8(Header.Clear_Data);
    w.u8(0), w.u8(0), w.u8(0);
    w.u32(Header.Group_Add);
    w.u32(Header.Revision);
    w.u16(Header.Num_In);
    w.u16(Header.Num_Out);
    w.u32(Header.In_Add);
    w.u32(Header.Out_Add);
    for (const std::vector<TEtherCAT_pd>* table : {&In, &Out})
        for (const TEtherCAT_pd& pd : *table) {
            w.u8(pd.Data_Type), w.u8(pd.length), w.u8(pd.access), w.u8(pd.bit_address);
            for (uint32_t v : {pd.position, pd.subindex, pd.entry_index, pd.group_index, pd.init_value_Add,
                               pd.name_length, pd.name_add})
                w.u32(v);
        }
    for (uint32_t a : Group.group_In_Add)
        w.u32(a);
    for (uint32_t a : Group.group_Out_Add)
        w.u32(a);
    w.u8(Group.Num_In), w.u8(Group.Num_Out), w.bytes(Group.Spare, 2);
    w.u8(0);  // the empty name
    auto Store_Name_String = [&](const QByteArray& Name) {
        if (!Name.isEmpty())
            w.bytes(Name.constData(), Name.size()), w.u8(0);
    };
    for (const std::vector<TEtherCAT_pd>* table : {&In, &Out})
        for (const TEtherCAT_pd& pd : *table)
            Store_Name_String(pd.name);
    for (int k = 0; k < Group.Num_In; ++k)
        Store_Name_String(Group.group_In_Str[k]);
    for (int k = 0; k < Group.Num_Out; ++k)
        Store_Name_String(Group.group_Out_Str[k]);
    for (const TEtherCAT_pd& pd : In)
        if (pd.init_value_Add != 0)
            w.bytes(pd.init_value, pd.length);
}

void TBank_Compiler::Compile_Banks(const String& ParGen_Path, const String& Slave_Path, const String& Group_Path,
                                   TBank_Images& Images)
{
    Init_Bank1_Defaults();
    Read_ParGen_Bank1(ParGen_Path);
    Put32(Bank1 + 0x6F0, Bank2_Base);
    Read_EtherCAT_Bank2(Bank2_Base, Slave_Path, Group_Path);
    TBank_Images built;
    Store_Bank1(built.Bank1);
    Store_Bank2(built.Bank2);
    Images = std::move(built);
}

// The last compile, kept for Save_Bank_Files, with the configuration it was made of.
TBank_Images Last_Images;
TCompile_Result Last_Compile;
String Last_Project_Dir;

}  // namespace

TCompile_Result Compile_Banks(const String& ParGen_Path, const String& Slave_Path, const String& Group_Path,
                              TBank_Images& Images)
{
    try {
        auto compiler = std::make_unique<TBank_Compiler>();
        compiler->Compile_Banks(ParGen_Path, Slave_Path, Group_Path, Images);
    } catch (const Exception& e) {
        return {false, e.Message()};
    }
    return {true, String()};
}

TCompile_Result Write_Bank_Files(const String& Bin_Dir, const TBank_Images& Images)
{
    try {
        // A pair: the device must never get a new bank1 beside an old bank2.
        WriteFilesAtomic({{Path_Join(Bin_Dir, "bank1.bin"), Images.Bank1}, {Path_Join(Bin_Dir, "bank2.bin"), Images.Bank2}});
    } catch (const EFileError& e) {
        return {false, Lang_Text(1123) + e.Message()};
    }
    return {true, String()};
}

TCompile_Result Compile_Configuration()
{
    Last_Compile = Compile_Banks(File_ParGen, File_EtherCAT_Slave, File_EtherCAT_Slave_Group, Last_Images);
    if (!Last_Compile.Ok)
        Last_Images = {};
    Last_Project_Dir = Project_Dir;
    return Last_Compile;
}

TCompile_Result Save_Bank_Files()
{
    if (!Last_Compile.Ok)
        return Last_Compile;
    if (Last_Project_Dir.isEmpty())
        return {false, Lang_Text(1123) + Trim(Lang_Text(9))};
    return Write_Bank_Files(Path_Join(Last_Project_Dir, "bin"), Last_Images);
}
