#include "config/update/Update_Job.h"

#include "platform/os/files.h"
#include "platform/xml/xml.h"

const char* const Update_Job_File_Name = "Ethernet_Update.xml";
const char* const Firmware_File_Name = "Zuz48E21.sim";

namespace {

// The three kinds of flash operation.
struct TOperation_Kind {
    String File_Name;
    const char* Start_Address;
    const char* Bank_Type;
    const char* Write_CSS;
};

void add_text(XmlNode& Parent, const char* Name, const String& Text)
{
    XmlNode e = Parent.AddChild(QString::fromLatin1(Name));
    if (!Text.isEmpty())
        e.AddText(Text);
}

void add_operation(XmlNode& Operations, const TOperation_Kind& Kind, bool Read_Back, bool Go_To_App_After)
{
    XmlNode op = Operations.AddChild(QStringLiteral("Operation"));
    add_text(op, "Ope_Protection_Enabled", {});
    add_text(op, "Ope_GoToBoot_Before", "0");
    add_text(op, "Ope_GoToApp_Before", "0");
    add_text(op, "Ope_IP_Address", {});
    add_text(op, "Ope_Port", "2008");
    add_text(op, "Ope_Port_Sec", "2007");
    add_text(op, "Ope_Erase_Memory", "0");
    add_text(op, "Ope_FileName", Kind.File_Name);
    add_text(op, "Ope_Start_Address", Kind.Start_Address);
    add_text(op, "Ope_Memory_Type", "0");
    add_text(op, "Ope_Bank_Type", Kind.Bank_Type);
    add_text(op, "Ope_Read_Back", Read_Back ? "1" : "0");
    add_text(op, "Ope_Write_CSS", Kind.Write_CSS);
    add_text(op, "Ope_Address_CSS", "0x07A00");
    add_text(op, "Ope_Command_CSS", "0x02");
    add_text(op, "Ope_Write_Internal_Data", "0");
    add_text(op, "Ope_WID_Address", "0x07810");
    add_text(op, "Ope_WID_Command", "0x02");
    add_text(op, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    add_text(op, "Ope_GoToApp_After", Go_To_App_After ? "1" : "0");
}

void build(XmlDocument& Doc, const TUpdate_Job& Job)
{
    XmlNode root = Doc.CreateRoot(QStringLiteral("Ethernet_Update"));
    add_text(root, "Version", "1000");
    add_text(root, "Title", "Morvellan - CF48T21 Ethernet Update");
    add_text(root, "IP_Address_Dev", Job.IP_Address);
    add_text(root, "Application_Port", "10000");
    add_text(root, "Boot_Port", "2008");
    add_text(root, "Boot_Port_Sec", "2007");
    add_text(root, "Address_Protection", "0x07800");
    XmlNode protections = root.AddChild(QStringLiteral("Protections"));
    add_text(protections, "Protection", "0x2E7");
    XmlNode operations = root.AddChild(QStringLiteral("Operations"));

    const TOperation_Kind firmware{Path_Join(Job.Master_Dir, QString::fromLatin1(Firmware_File_Name)), "0x8000", "1",
                                   "1"};
    const String bin = Path_Join(Job.Project_Dir, QStringLiteral("bin"));
    const TOperation_Kind bank1{Path_Join(bin, QStringLiteral("bank1.bin")), "0x07000", "2", "0"};
    const TOperation_Kind bank2{Path_Join(bin, QStringLiteral("bank2.bin")), "0x80000", "2", "0"};

    const bool with_firmware = Job.Update_Option == uoFirmware_And_Configuration || Job.Update_Option == uoFirmware;
    const bool with_configuration =
        Job.Update_Option == uoFirmware_And_Configuration || Job.Update_Option == uoConfiguration;
    // Only the last operation sends the gateway back to its application.
    if (with_firmware)
        add_operation(operations, firmware, Job.Read_Back, !with_configuration);
    if (with_configuration) {
        add_operation(operations, bank1, Job.Read_Back, false);
        add_operation(operations, bank2, Job.Read_Back, true);
    }
}

}  // namespace

String Update_Job_Xml(const TUpdate_Job& Job)
{
    XmlDocument doc;
    build(doc, Job);
    return doc.SaveToString();
}

void Compile_XML_Parameter_New_Boot(const TUpdate_Job& Job, const String& Path)
{
    XmlDocument doc;
    build(doc, Job);
    doc.SaveToFile(Path);
}
