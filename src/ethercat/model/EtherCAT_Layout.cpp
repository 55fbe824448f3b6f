#include "ethercat/model/EtherCAT_Layout.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "app/core/ULanguage.h"
#include "ethercat/model/EtherCAT_Values.h"
#include "platform/rtl/exceptions.h"

namespace {

const std::vector<TEtherCAT_Type> kTypes = {
    {"Bool", 1, 1, "1", true},     {"Int8", 2, 1, "1", true},     {"Int16", 3, 2, "2", true},
    {"Int32", 4, 4, "4", true},    {"UInt8", 5, 1, "1", true},    {"UInt16", 6, 2, "2", true},
    {"UInt32", 7, 4, "4", true},   {"Float32", 8, 4, "4", true},  {"Array", 10, 0, "10", false},
    {"String", 9, 0, "10", false},
};

// A stored Position or BitStart: a missing one reads as 0, any other text
// must be that integer.
bool Stored_Equals(const String& Stored, int Value)
{
    int v = 0;
    return (Stored.isEmpty() || TryStrToInt(Stored, v)) && v == Value;
}

}  // namespace

const std::vector<TEtherCAT_Type>& EtherCAT_Types() { return kTypes; }

// Same as SameText(Trim(Type), Name) without building new texts: every row
// of every compile goes through here.
const TEtherCAT_Type* Find_EtherCAT_Type(const String& Type)
{
    qsizetype b = 0, e = Type.size();
    while (b < e && Type[b].unicode() <= 0x20)
        ++b;
    while (e > b && Type[e - 1].unicode() <= 0x20)
        --e;
    for (const TEtherCAT_Type& k : kTypes) {
        const qsizetype n = qsizetype(std::strlen(k.Name));
        if (e - b != n)
            continue;
        qsizetype i = 0;
        for (; i < n; ++i) {
            char16_t c = Type[b + i].unicode();
            if (c >= u'A' && c <= u'Z')
                c += u'a' - u'A';
            char16_t d = char16_t(k.Name[i]);
            if (d >= u'A' && d <= u'Z')
                d += u'a' - u'A';
            if (c != d)
                break;
        }
        if (i == n)
            return &k;
    }
    return nullptr;
}

bool Length_Rule(const String& Type, String& Length, bool& Read_Only)
{
    const TEtherCAT_Type* t = Find_EtherCAT_Type(Type);
    if (!t)
        return false;
    Length = QLatin1String(t->Length_Text);
    Read_Only = t->Length_Read_Only;
    return true;
}

int Layout_Length(const String& Length) { return std::max(StrToIntDef(Length, 0), 0); }

int64_t Type_Bytes(const TEtherCAT_Type* T, const String& Length)
{
    if (T && T->Size > 0)
        return T->Size;
    return int64_t(Layout_Length(Length)) + (T && T->Code == 9 ? 1 : 0);
}

std::vector<TLayout_Slot> Calc_Position_Bit(const std::vector<TLayout_Row>& Rows, int* Size)
{
    std::vector<TLayout_Slot> places(Rows.size());
    int64_t P = 0;
    int B = 0;
    auto refuse = [&](size_t r) {
        throw EConvertError(Lang_Text(1110) + " " + Lang_Text(1111) + " " + IntToStr(int(r) + 1) + ": " +
                            Lang_Text(1140) + Quoted(Rows[r].Length));
    };
    size_t lastSized = 0;  // the last row that took bytes
    bool R = false;  // inside a run of Bool bits
    for (size_t r = 0; r < Rows.size(); ++r) {
        const TLayout_Row& row = Rows[r];
        if (std::all_of(row.Type.begin(), row.Type.end(), [](QChar c) { return c.unicode() <= 0x20; }))
            break;  // empty after trimming
        TLayout_Slot& s = places[r];
        s.Set = true;
        if (!row.Enabled)
            continue;  // 0/0, and the run goes on after it
        const TEtherCAT_Type* t = Find_EtherCAT_Type(row.Type);
        if (Is_Bool(t)) {
            R = true;
            if (P > INT32_MAX)
                refuse(lastSized);
            s.Position = int(P);
            s.Bit = B;
            if (++B == 8) {
                B = 0;
                ++P;
            }
        } else {
            if (R && B > 0)
                ++P;  // close the partly used byte
            R = false;
            B = 0;
            if (P > INT32_MAX)
                refuse(lastSized);
            s.Position = int(P);
            P += Type_Bytes(t, row.Length);
            lastSized = r;
        }
    }
    if (P + (B > 0 ? 1 : 0) > INT32_MAX)
        refuse(lastSized);
    if (Size)
        *Size = int(P + (B > 0 ? 1 : 0));
    return places;
}

std::vector<TGroup> Group_List(const std::vector<TEtherCAT_Group_Row>& Rows)
{
    std::vector<TGroup> groups;
    for (const TEtherCAT_Group_Row& g : Rows)
        if (!g.Group_Name.isEmpty())
            groups.push_back({g.Group_Name, StrToIntDef(g.Num_Variables, 0)});
    return groups;
}

int Find_Group_Index(const std::vector<TGroup>& Groups, int J)
{
    int64_t boundary = 0;
    for (size_t g = 0; g < Groups.size(); ++g) {
        boundary += std::max(Groups[g].Num_Var, 0);
        if (boundary > J)
            return int(g);
    }
    return -1;
}

std::vector<String> Show_Group(const std::vector<TGroup>& Groups, const std::vector<bool>& Enabled)
{
    std::vector<String> names(Enabled.size());
    int j = 0;
    for (size_t r = 0; r < Enabled.size(); ++r)
        if (Enabled[r])
            if (const int g = Find_Group_Index(Groups, j++); g >= 0)
                names[r] = Groups[size_t(g)].Name;
    return names;
}

String EtherCAT_Message(int Header, TEtherCAT_Dir Dir, const String& Detail)
{
    return Lang_Text(Header) + " [" + Lang_Text(Dir == TEtherCAT_Dir::StoM ? 1034 : 1035) + "] " + Detail;
}

String EtherCAT_Row_Message(int Header, TEtherCAT_Dir Dir, int Row, const String& Detail)
{
    return EtherCAT_Message(Header, Dir, Lang_Text(1111) + " " + IntToStr(Row) + ": " + Detail);
}

String Quoted(const String& Value) { return "\"" + Value + "\""; }

int64_t Outputs_SM_Address(int64_t StoM_Bytes) { return (0x1000 + 3 * StoM_Bytes + 3) / 4 * 4; }

int64_t Sync_Managers_End(int64_t StoM_Bytes, int64_t MtoS_Bytes)
{
    return Outputs_SM_Address(StoM_Bytes) + 3 * MtoS_Bytes;
}

bool Check_Sync_Managers(int64_t StoM_Bytes, int64_t MtoS_Bytes, String& Error)
{
    const int64_t end = Sync_Managers_End(StoM_Bytes, MtoS_Bytes);
    if (end <= 0x10000)
        return true;
    Error = Lang_Text(1141) + "[" + Lang_Text(1034) + "] " + IntToStr(StoM_Bytes) + ", [" + Lang_Text(1035) + "] " +
            IntToStr(MtoS_Bytes) + " (#x" + IntToHex(end, 4) + ")";
    return false;
}

bool EtherCAT_Entries(const std::vector<TEtherCAT_Var>& Rows, TEtherCAT_Dir Dir, std::vector<TEtherCAT_Entry>& Entries,
                      String& Error, int* Size)
{
    auto fail = [&](int Row, const String& Detail) {
        Error = EtherCAT_Row_Message(1110, Dir, Row, Detail);
        return false;
    };
    Entries.clear();
    std::vector<TLayout_Row> layout;
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TEtherCAT_Var& v = Rows[i];
        if (!Device_Enabled(v))
            continue;
        const int row = int(i) + 1;
        if (Entries.size() == EtherCAT_Max_Variables) {
            Error = EtherCAT_Message(1110, Dir, Lang_Text(1116));
            return false;
        }
        const TEtherCAT_Type* t = Find_EtherCAT_Type(v.Type);
        if (!t)
            return fail(row, Lang_Text(1112) + Quoted(v.Type));
        int length = t->Size;
        if (length == 0 && (!TryStrToInt(v.Length, length) || length < 1 || length > 255))
            return fail(row, Lang_Text(1113) + Quoted(v.Length));
        // Initial values exist for slave-to-master rows only.
        if (int fault = 0; Dir == TEtherCAT_Dir::StoM && !Encode_Init_Value(*t, length, v.InitValue, nullptr, fault))
            return fail(row, Lang_Text(fault) + Quoted(v.InitValue));
        if (const int c = Bad_Xml_Char(v.Name); c >= 0)
            return fail(row, Lang_Text(1126) + Quoted(v.Name) + Char_Code(c));
        Entries.push_back({row, &v, t, length, 0, 0});
        layout.push_back({true, v.Type, v.Length});
    }
    const std::vector<TLayout_Slot> places = Calc_Position_Bit(layout, Size);
    for (size_t k = 0; k < Entries.size(); ++k) {
        TEtherCAT_Entry& e = Entries[k];
        e.Position = places[k].Position;
        e.Bit = places[k].Bit;
        if (!Stored_Equals(e.Var->Position, e.Position))
            return fail(e.Row, Lang_Text(1114) + IntToStr(e.Position) + ": " + Quoted(e.Var->Position));
        if (!Stored_Equals(e.Var->BitStart, e.Bit))
            return fail(e.Row, Lang_Text(1115) + IntToStr(e.Bit) + ": " + Quoted(e.Var->BitStart));
    }
    return true;
}
