#include "ethercat/model/EtherCAT_Files.h"

#include "app/core/ULanguage.h"
#include "platform/os/files.h"
#include "platform/xml/xml.h"

namespace {

const char* const kVersionComment = "SW_VERSION = 1.001";
const char* const kVariables = "EtherCAT_Slave_Variables";
const char* const kVarSections[2] = {"EtherCAT_Slave_To_Master", "EtherCAT_Master_To_Slave"};
const char* const kGroupSections[2] = {"Slave_to_Master", "Master_to_Slave"};

String L1(const char* s) { return QString::fromLatin1(s); }

// Loads Path into Doc. No_File and Not_Well_Formed end the read; Read goes on.
TEtherCAT_Read_Result Load(const String& Path, XmlDocument& Doc)
{
    TEtherCAT_Read_Result r;
    if (Path.isEmpty() || !File_Exists(Path))
        return r;
    String detail;
    if (!Doc.LoadFromFile(Path, &detail) || !Doc.DocumentElement()) {
        r.Status = TEtherCAT_Read::Not_Well_Formed;
        r.Message = Lang_Text(1106) + detail;
        return r;
    }
    r.Status = TEtherCAT_Read::Read;
    return r;
}

// The child element Name of Parent; a missing one turns the result into
// Missing_Section (the first missing element is the one reported).
XmlNode Section(const XmlNode& Parent, const char* Name, const String& Path, TEtherCAT_Read_Result& r)
{
    const XmlNode s = Parent ? Parent.ChildNode(L1(Name)) : XmlNode();
    if (!s && r.Status == TEtherCAT_Read::Read) {
        r.Status = TEtherCAT_Read::Missing_Section;
        r.Message = Lang_Text(1107) + L1(Name) + " (" + Path + ")";
    }
    return s;
}

TEtherCAT_Var Read_Var(const XmlNode& e)
{
    return {e.Attribute("Enable"),   e.Attribute("Type"),     e.Attribute("Length"),
            e.Attribute("Name"),     e.Attribute("InitValue"), e.Attribute("Position"),
            e.Attribute("BitStart"), e.Attribute("Group"),    e.Attribute("Mnemonic")};
}

void Save(XmlDocument& Doc, const String& Path)
{
    Doc.AddComment(L1(kVersionComment));
    Doc.SaveToFile(Path);
}

}  // namespace

TEtherCAT_Read_Result Read_EtherCAT_Slave(const String& Path, TEtherCAT_Variables& Vars)
{
    Vars = {};
    XmlDocument doc;
    TEtherCAT_Read_Result r = Load(Path, doc);
    if (r.Status != TEtherCAT_Read::Read)
        return r;
    const XmlNode vars = Section(doc.DocumentElement(), kVariables, Path, r);
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS})
        if (const XmlNode s = Section(vars, kVarSections[int(dir)], Path, r))
            for (const XmlNode& e : s.ChildElements())
                Vars.Rows(dir).push_back(Read_Var(e));
    return r;
}

TEtherCAT_Read_Result Read_EtherCAT_Slave_Group(const String& Path, TEtherCAT_Groups& Groups)
{
    Groups = {};
    XmlDocument doc;
    TEtherCAT_Read_Result r = Load(Path, doc);
    if (r.Status != TEtherCAT_Read::Read)
        return r;
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        auto& rows = dir == TEtherCAT_Dir::StoM ? Groups.StoM : Groups.MtoS;
        if (const XmlNode s = Section(doc.DocumentElement(), kGroupSections[int(dir)], Path, r))
            for (const XmlNode& e : s.ChildElements())
                rows.push_back({e.Attribute("Group_Name"), e.Attribute("Num_Variables"), e.Attribute("Mnemonic")});
    }
    return r;
}

void Save_EtherCAT_Slave(const String& Path, const TEtherCAT_Variables& Vars)
{
    XmlDocument doc;
    XmlNode vars = doc.CreateRoot("EtherCAT_Slave").AddChild(L1(kVariables));
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        XmlNode s = vars.AddChild(L1(kVarSections[int(dir)]));
        int n = 0;
        for (const TEtherCAT_Var& v : Vars.Rows(dir)) {
            if (Trim(v.Type).isEmpty() || n++ == EtherCAT_Max_Variables)
                break;
            XmlNode e = s.AddChild("row");
            e.SetAttribute("Enable", v.Enable);
            e.SetAttribute("Type", v.Type);
            e.SetAttribute("Length", v.Length);
            e.SetAttribute("Name", v.Name);
            if (dir == TEtherCAT_Dir::StoM)
                e.SetAttribute("InitValue", v.InitValue);
            e.SetAttribute("Position", v.Position);
            e.SetAttribute("BitStart", v.BitStart);
            e.SetAttribute("Group", v.Group);
            e.SetAttribute("Mnemonic", v.Mnemonic);
        }
    }
    Save(doc, Path);
}

void Save_EtherCAT_Slave_Group(const String& Path, const TEtherCAT_Groups& Groups)
{
    XmlDocument doc;
    XmlNode root = doc.CreateRoot("PROFINET_Master_to_Modbus_TCP_Master");
    for (TEtherCAT_Dir dir : {TEtherCAT_Dir::StoM, TEtherCAT_Dir::MtoS}) {
        XmlNode s = root.AddChild(L1(kGroupSections[int(dir)]));
        int n = 0;
        for (const TEtherCAT_Group_Row& g : Groups.Rows(dir)) {
            if (Trim(g.Group_Name).isEmpty() || n++ == EtherCAT_Max_Groups)
                break;
            XmlNode e = s.AddChild("row");
            e.SetAttribute("Group_Name", g.Group_Name);
            e.SetAttribute("Num_Variables", g.Num_Variables);
            e.SetAttribute("Mnemonic", g.Mnemonic);
        }
    }
    Save(doc, Path);
}
