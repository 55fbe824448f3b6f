#include "ethercat/esi/UEtherCAT_ESI_File.h"

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "config/model/ParGen.h"
#include "esi_icon_hex.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "ethercat/model/EtherCAT_Values.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"

const char* const ESI_Vendor_Name = "Morvellan";
const char* const ESI_Group_Name = "Morvellan Slaves";
const char* const ESI_Product_Code_Text = "00000C21";
const char* const ESI_Default_Slave_Name = "EtherCAT Slave";
const char* const ESI_Save_Filter = "EtherCAT ESI File (*.xml)|*.xml";
const char* const ESI_Default_Ext = "xml";

namespace {

const char* const kBit = "BIT";
const char* const kSlave_Name_Key = "EtherCAT_Slave_Name";

String Hex(int64_t Value, int Digits) { return IntToHex(Value, Digits); }

// Character data: &, < and > escaped; in an attribute value also the quotes.
String Escaped(const String& S, bool Attribute = false)
{
    String out;
    out.reserve(S.size() + 8);
    for (QChar c : S) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += Attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case u'\'':
            out += Attribute ? QLatin1String("&apos;") : QLatin1String("'");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Refuses names that cannot be written, naming the field.
void Check_Names(const TEtherCAT_ESI_Data& Data)
{
    if (const int c = Bad_Xml_Char(Data.Slave_Name); c >= 0)
        throw Exception(Lang_Text(1125) + kSlave_Name_Key + " = " + Quoted(Data.Slave_Name) + Char_Code(c));
    // Data built by hand, not loaded through EtherCAT_Entries, is checked alike.
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS})
        for (const TEtherCAT_Rule& r : dir == TEtherCAT_Dir::StoM ? Data.StoM : Data.MtoS)
            if (const int c = Bad_Xml_Char(r.Name); c >= 0)
                throw Exception(
                    EtherCAT_Row_Message(1110, dir, r.Row, Lang_Text(1126) + Quoted(r.Name) + Char_Code(c)));
}

// The document, one line at a time.
class TESI_Writer {
public:
    explicit TESI_Writer(QStringList& Lines) : L(Lines) {}

    // A line at a nesting level (two blanks each).
    void Line(int Level, const String& Text) { L << String(2 * Level, u' ') + Text; }
    // An element holding a text value; Attributes already formatted (" a=\"v\"").
    void Value(int Level, const char* Name, const String& Text, const String& Attributes = String())
    {
        Line(Level, "<" + QLatin1String(Name) + Attributes + ">" + Text + "</" + QLatin1String(Name) + ">");
    }
    void Open(int Level, const char* Name, const String& Attributes = String())
    {
        Line(Level, "<" + QLatin1String(Name) + Attributes + ">");
    }
    void Close(int Level, const char* Name) { Line(Level, "</" + QLatin1String(Name) + ">"); }
    void Empty_Line() { L << String(); }

    void Pdos(const std::vector<TEtherCAT_Rule>& Rules, bool Rx);

private:
    QStringList& L;
};

// An attribute as written: a blank, the name, "=" and the value in double quotes.
String Attr(const char* Name, const String& Value)
{
    return " " + QLatin1String(Name) + "=\"" + Escaped(Value, true) + "\"";
}

void TESI_Writer::Pdos(const std::vector<TEtherCAT_Rule>& Rules, bool Rx)
{
    const char* const element = Rx ? "RxPdo" : "TxPdo";
    const String sm = Rx ? "2" : "3";
    const int pdo_base = Rx ? 0x1600 : 0x1A00;
    const String prefix = Rx ? "Outputs_" : "Inputs_";
    const int entry_base = Rx ? 0x7000 : 0x6000;
    const int count = int(Rules.size());
    const String tabs5(5, u'\t'), tabs6(6, u'\t');
    int j = 0;  // PDOs opened
    int n = 8;  // bits left in the byte of the current bit run
    for (int i = 0; i < count; ++i) {
        const TEtherCAT_Rule& r = Rules[size_t(i)];
        if (i % 16 == 0) {
            Open(4, element, Attr("Mandatory", "true") + Attr("Fixed", "true") + Attr("Sm", sm));
            Value(5, "Index", "#x" + Hex(pdo_base + j, 4));
            Value(5, "Name", prefix + Pad3(j));
            Empty_Line();
            ++j;
        }
        Open(5, "Entry");
        Value(6, "Index", "#x" + Hex(entry_base + i, 4));
        Value(6, "SubIndex", "0");
        Value(6, "BitLen", IntToStr(r.Length));
        Value(6, "Name", Escaped(r.Name));
        Value(6, "DataType", Escaped(r.DataType));
        Close(5, "Entry");
        Empty_Line();
        if (r.DataType == QLatin1String(kBit)) {
            if (--n == 0) {
                n = 8;  // a full byte: no padding
            } else if (i == count - 1 || Rules[size_t(i) + 1].DataType != QLatin1String(kBit)) {
                // The rest of the byte: a padding entry, which takes no index.
                L << tabs5 + "<Entry>";
                L << tabs6 + "<Index>#x0</Index>";
                L << tabs6 + "<SubIndex>0</SubIndex>";
                L << tabs6 + "<BitLen>" + IntToStr(n) + "</BitLen>";
                L << tabs5 + "</Entry>";
                Empty_Line();
                n = 8;
            }
        } else {
            n = 8;
        }
        if (i % 16 == 15)
            Close(4, element);
    }
    if (count > 0 && count % 16 != 0)
        Close(4, element);
}

}  // namespace

String ESI_Icon_Hex() { return QLatin1String(ESI_Icon_Hex_Text); }

String Pad3(int N)
{
    if (N >= 0 && N <= 9)
        return "00" + IntToStr(N);
    if (N >= 10 && N <= 99)
        return "0" + IntToStr(N);
    return IntToStr(N);
}

String ESI_Data_Type(const String& Type, int Length, int& Bits)
{
    const String t = UpperCase(Trim(Type));
    struct TFixed {
        const char* Type;
        const char* Data_Type;
        int Bits;
    };
    static const TFixed kFixed[] = {
        {"BOOL", "BIT", 1},   {"INT8", "SINT", 8},    {"INT16", "INT", 16},   {"INT32", "DINT", 32},
        {"UINT8", "USINT", 8}, {"UINT16", "UINT", 16}, {"UINT32", "UDINT", 32}, {"FLOAT32", "REAL", 32},
    };
    for (const TFixed& f : kFixed)
        if (t == QLatin1String(f.Type)) {
            Bits = f.Bits;
            return QLatin1String(f.Data_Type);
        }
    if (t == QLatin1String("ARRAY")) {
        Bits = 8 * Length;
        return "ARRAY [0.." + IntToStr(int64_t(Length) - 1) + "] OF BYTE";
    }
    if (t == QLatin1String("STRING")) {
        Bits = 8 * Length + 8;
        return "STRING(" + IntToStr(Length) + ")";
    }
    Bits = 1;
    return QLatin1String(kBit);
}

String Node_Address_Text(uint16_t Node_Address) { return Hex(Node_Address & 0xFF, 2) + Hex(Node_Address >> 8, 2); }

int64_t Outputs_Start_Address(int StoM_Bytes) { return Outputs_SM_Address(StoM_Bytes); }

TESI_Result Load_EtherCAT_ESI_Data(const String& ParGen_Path, const String& Slave_Path, TEtherCAT_ESI_Data& Data)
{
    TEtherCAT_ESI_Data d;
    const TParGen par = TParGen::Load(ParGen_Path);
    if (par.Status() == TParGen::Malformed)
        return {false, par.Error()};
    // The identity is read as the image compiler reads it.
    TEtherCAT_Slave_Identity id;
    if (String error; !Read_EtherCAT_Slave_Identity(par, TParGen_Reader::ESI_Writer, id, error))
        return {false, error};
    d.Slave_Name = id.Name;
    d.Revision_Number = id.Revision_Number;
    d.Node_Address = id.Node_Address;
    d.Node_Address_Text = Node_Address_Text(d.Node_Address);

    TEtherCAT_Variables vars;
    if (const TEtherCAT_Read_Result r = Read_EtherCAT_Slave(Slave_Path, vars); r.Failed())
        return {false, r.Message};
    int mtos_bytes = 0;
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        std::vector<TEtherCAT_Entry> entries;
        String error;
        int size = 0;
        if (!EtherCAT_Entries(vars.Rows(dir), dir, entries, error, &size))
            return {false, error};
        if (dir == TEtherCAT_Dir::MtoS)
            mtos_bytes = size;
        std::vector<TEtherCAT_Rule>& rules = dir == TEtherCAT_Dir::StoM ? d.StoM : d.MtoS;
        for (const TEtherCAT_Entry& e : entries) {
            TEtherCAT_Rule r;
            r.DataType = ESI_Data_Type(e.Var->Type, e.Length, r.Length);
            r.Name = e.Var->Name;
            r.Row = e.Row;
            rules.push_back(r);
        }
        // The layout's byte total: a fixed type counts its size whatever
        // its Length attribute says, a String its terminating byte, a bit
        // run its bytes rounded up.
        if (dir == TEtherCAT_Dir::StoM)
            d.StoM_Bytes = size;
    }
    // The sync managers must fit the slave controller, as the compiler demands.
    if (String error; !Check_Sync_Managers(d.StoM_Bytes, mtos_bytes, error))
        return {false, error};
    Data = std::move(d);
    return {true, String()};
}

QStringList ESI_Lines(const TEtherCAT_ESI_Data& Data)
{
    Check_Names(Data);
    QStringList lines;
    TESI_Writer w(lines);
    const String icon = ESI_Icon_Hex();
    const String slave_name = Escaped(Data.Slave_Name);
    const String group = QLatin1String(ESI_Group_Name);

    lines << "<?xml version=\"1.0\"?>";
    w.Open(0, "EtherCATInfo",
           Attr("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance") +
               Attr("xsi:noNamespaceSchemaLocation", "EtherCATInfo.xsd") + Attr("Version", "1.6"));
    w.Open(1, "Vendor");
    w.Value(2, "Id", "#x" + Hex(EtherCAT_Vendor_Id, 8));
    w.Value(2, "Name", QLatin1String(ESI_Vendor_Name));
    w.Value(2, "ImageData16x14", icon);
    w.Close(1, "Vendor");
    w.Open(1, "Descriptions");
    w.Open(2, "Groups");
    w.Open(3, "Group", Attr("SortOrder", "0"));
    w.Value(4, "Type", group);
    w.Value(4, "Name", group, Attr("LcId", "1031"));
    w.Value(4, "Name", group, Attr("LcId", "1033"));
    w.Value(4, "ImageData16x14", icon);
    w.Close(3, "Group");
    w.Close(2, "Groups");
    w.Open(2, "Devices");
    w.Open(3, "Device", Attr("Physics", "YY"));
    w.Value(4, "Type", slave_name,
            Attr("ProductCode", "#x" + Data.Product_Code_Text) +
                Attr("RevisionNo", "#x" + Hex(Data.Revision_Number, 2)));
    w.Value(4, "Name", slave_name, Attr("LcId", "1033"));
    w.Value(4, "Name", slave_name, Attr("LcId", "1031"));
    w.Open(4, "Info");
    w.Open(5, "StateMachine");
    w.Open(6, "Timeout");
    w.Value(7, "PreopTimeout", "2000");
    w.Value(7, "SafeopOpTimeout", "9000");
    w.Value(7, "BackToInitTimeout", "5000");
    w.Value(7, "BackToSafeopTimeout", "200");
    w.Close(6, "Timeout");
    w.Close(5, "StateMachine");
    w.Open(5, "Mailbox");
    w.Open(6, "Timeout");
    w.Value(7, "RequestTimeout", "100");
    w.Value(7, "ResponseTimeout", "2000");
    w.Close(6, "Timeout");
    w.Close(5, "Mailbox");
    w.Value(5, "IdentificationReg134", "true");
    w.Close(4, "Info");
    w.Value(4, "GroupType", group);
    w.Value(4, "Fmmu", "Outputs");
    w.Value(4, "Fmmu", "Inputs");
    const String mailbox_sm = Attr("MinSize", "0") + Attr("MaxSize", "0") + Attr("DefaultSize", "0") +
                              Attr("StartAddress", "#x1FFF");
    w.Value(4, "Sm", "MBoxOut", mailbox_sm + Attr("ControlByte", "#x26") + Attr("Enable", "0"));
    w.Value(4, "Sm", "MBoxIn", mailbox_sm + Attr("ControlByte", "#x22") + Attr("Enable", "0"));
    w.Value(4, "Sm", "Outputs",
            Attr("StartAddress", "#x" + Hex(Outputs_Start_Address(Data.StoM_Bytes), 4)) + Attr("ControlByte", "#x64") +
                Attr("DefaultSize", "1") + Attr("Enable", "1"));
    w.Value(4, "Sm", "Inputs",
            Attr("StartAddress", "#x1000") + Attr("ControlByte", "#x20") + Attr("DefaultSize", "1") +
                Attr("Enable", "1"));
    w.Pdos(Data.MtoS, true);
    w.Pdos(Data.StoM, false);
    w.Open(4, "Mailbox", Attr("DataLinkLayer", "true"));
    w.Line(5, "<EoE />");
    w.Line(5, "<CoE" + Attr("SdoInfo", "true") + Attr("SegmentedSdo", "true") + Attr("CompleteAccess", "true") + " />");
    w.Line(5, "<FoE />");
    w.Close(4, "Mailbox");
    w.Open(4, "Dc");
    const struct {
        const char *Name, *Desc, *Assign_Activate;
    } op_modes[2] = {{"Synchron", "SM-Synchron", "#x0"}, {"DC", "DC-Synchron", "#x300"}};
    for (const auto& m : op_modes) {
        w.Open(5, "OpMode");
        w.Value(6, "Name", m.Name);
        w.Value(6, "Desc", m.Desc);
        w.Value(6, "AssignActivate", m.Assign_Activate);
        w.Value(6, "CycleTimeSync0", "0", Attr("Factor", "1"));
        w.Value(6, "ShiftTimeSync0", "0");
        w.Value(6, "CycleTimeSync1", "0", Attr("Factor", "1"));
        w.Close(5, "OpMode");
    }
    w.Close(4, "Dc");
    w.Open(4, "Eeprom");
    w.Value(5, "ByteSize", "2048");
    w.Value(5, "ConfigData", "800F00CC8813ff00" + Data.Node_Address_Text + "00800000");
    w.Close(4, "Eeprom");
    w.Value(4, "ImageData16x14", icon);
    w.Close(3, "Device");
    w.Close(2, "Devices");
    w.Close(1, "Descriptions");
    w.Close(0, "EtherCATInfo");
    return lines;
}

QByteArray ESI_Bytes(const TEtherCAT_ESI_Data& Data)
{
    const QStringList lines = ESI_Lines(Data);
    QByteArray bytes;
    for (const String& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

void Write_ESI_XML(const TEtherCAT_ESI_Data& Data, const String& File_Name)
{
    WriteFileAtomic(File_Name, ESI_Bytes(Data));
}

TESI_Result Build_EtherCAT_ESI_File(const String& File_Name, const String& ParGen_Path, const String& Slave_Path)
{
    TEtherCAT_ESI_Data data;
    if (TESI_Result r = Load_EtherCAT_ESI_Data(ParGen_Path, Slave_Path, data); !r.Ok)
        return r;
    try {
        Write_ESI_XML(data, File_Name);
    } catch (const EFileError& e) {
        return {false, Lang_Text(1124) + e.Message()};
    } catch (const Exception& e) {
        return {false, e.Message()};
    }
    return {true, String()};
}

TESI_Result Build_EtherCAT_ESI_File(const String& File_Name)
{
    if (Project_Dir.isEmpty() || File_ParGen.isEmpty() || File_EtherCAT_Slave.isEmpty())
        return {false, Lang_Text(1124) + Trim(Lang_Text(9))};
    return Build_EtherCAT_ESI_File(File_Name, File_ParGen, File_EtherCAT_Slave);
}

String ESI_With_Default_Ext(const String& File_Name)
{
    const qsizetype slash = File_Name.lastIndexOf(u'/');
    if (File_Name.indexOf(u'.', slash + 1) >= 0)
        return File_Name;
    return File_Name + "." + QLatin1String(ESI_Default_Ext);
}

TESI_Outcome Write_EtherCAT_ESI_To(const String& Chosen_File_Name,
                                   const std::function<bool(const String& Question)>& Ask_Overwrite,
                                   const std::function<void(const String& Message)>& Show_Error)
{
    if (Chosen_File_Name.isEmpty())
        return TESI_Outcome::Cancelled;
    const String file = ESI_With_Default_Ext(Chosen_File_Name);
    if (File_Exists(file) && !(Ask_Overwrite && Ask_Overwrite(Lang_Text(1105))))
        return TESI_Outcome::Kept;
    const TESI_Result r = Build_EtherCAT_ESI_File(file);
    if (r.Ok)
        return TESI_Outcome::Written;
    if (Show_Error)
        Show_Error(r.Message);
    return TESI_Outcome::Failed;
}
