#include <gtest/gtest.h>

#include "config/update/Update_Job.h"
#include "platform/xml/xml.h"
#include "support/temp_dir.h"

namespace {

// "name=text" of every child element, in order.
QStringList children(const XmlNode& Node)
{
    QStringList r;
    for (const XmlNode& c : Node.ChildElements())
        r << c.NodeName() + "=" + c.Text();
    return r;
}

// The fields that differ between operations: file, start, bank, read back,
// write CSS, go to application after.
QString operation_summary(const XmlNode& Op)
{
    auto t = [&](const char* name) { return Op.ChildNode(name).Text(); };
    return QStringList{t("Ope_FileName"), t("Ope_Start_Address"), t("Ope_Bank_Type"), t("Ope_Read_Back"),
                       t("Ope_Write_CSS"), t("Ope_GoToApp_After")}
        .join('|');
}

TUpdate_Job job(int option, bool read_back)
{
    TUpdate_Job j;
    j.IP_Address = "192.168.2.205";
    j.Update_Option = option;
    j.Read_Back = read_back;
    j.Master_Dir = "/opt/conf/MASTER";
    j.Project_Dir = "/opt/conf/PROJECTS/P1";
    return j;
}

TEST(UpdateJob, HeadOfTheJob)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(Update_Job_Xml(job(uoFirmware, true))));
    const XmlNode root = doc.DocumentElement();
    EXPECT_EQ(root.NodeName(), "Ethernet_Update");
    EXPECT_EQ(doc.FirstNode().NodeName(), "Ethernet_Update");  // nothing before the root
    QStringList head = children(root);
    head.removeLast();  // Operations, compared below
    EXPECT_EQ(head, (QStringList{"Version=1000", "Title=Morvellan - CF48T21 Ethernet Update",
                                 "IP_Address_Dev=192.168.2.205", "Application_Port=10000", "Boot_Port=2008",
                                 "Boot_Port_Sec=2007", "Address_Protection=0x07800", "Protections=0x2E7"}));
    EXPECT_EQ(children(root.ChildNode("Protections")), QStringList{"Protection=0x2E7"});
    const XmlNode op = root.ChildNode("Operations").FirstChildElement();
    EXPECT_EQ(children(op),
              (QStringList{"Ope_Protection_Enabled=", "Ope_GoToBoot_Before=0", "Ope_GoToApp_Before=0",
                           "Ope_IP_Address=", "Ope_Port=2008", "Ope_Port_Sec=2007", "Ope_Erase_Memory=0",
                           "Ope_FileName=/opt/conf/MASTER/Zuz48E21.sim", "Ope_Start_Address=0x8000",
                           "Ope_Memory_Type=0", "Ope_Bank_Type=1", "Ope_Read_Back=1", "Ope_Write_CSS=1",
                           "Ope_Address_CSS=0x07A00", "Ope_Command_CSS=0x02", "Ope_Write_Internal_Data=0",
                           "Ope_WID_Address=0x07810", "Ope_WID_Command=0x02",
                           "Ope_WID_Data=0x00, 0x00, 0x00, 0x01", "Ope_GoToApp_After=1"}));
}

TEST(UpdateJob, OperationsPerOption)
{
    const QString fw = "/opt/conf/MASTER/Zuz48E21.sim|0x8000|1|%1|1|%2";
    const QString b1 = "/opt/conf/PROJECTS/P1/bin/bank1.bin|0x07000|2|%1|0|0";
    const QString b2 = "/opt/conf/PROJECTS/P1/bin/bank2.bin|0x80000|2|%1|0|1";
    for (bool rb : {true, false}) {
        const QString r = rb ? "1" : "0";
        struct {
            int option;
            QStringList want;
        } cases[] = {
            {uoFirmware_And_Configuration, {fw.arg(r, "0"), b1.arg(r), b2.arg(r)}},
            {uoFirmware, {fw.arg(r, "1")}},
            {uoConfiguration, {b1.arg(r), b2.arg(r)}},
        };
        for (const auto& c : cases) {
            XmlDocument doc;
            ASSERT_TRUE(doc.LoadFromString(Update_Job_Xml(job(c.option, rb))));
            QStringList got;
            for (const XmlNode& op : doc.DocumentElement().ChildNode("Operations").ChildElements())
                got << operation_summary(op);
            EXPECT_EQ(got, c.want) << c.option << " read back " << rb;
        }
    }
}

TEST(UpdateJob, ASecondJobReplacesTheFirst)
{
    TempDir dir;
    const QString path = dir.file("Ethernet_Update.xml");
    Compile_XML_Parameter_New_Boot(job(uoFirmware_And_Configuration, true), path);
    TUpdate_Job second = job(uoFirmware, false);
    second.IP_Address = "10.0.0.7";
    Compile_XML_Parameter_New_Boot(second, path);
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(doc.DocumentElement().ChildNode("IP_Address_Dev").Text(), "10.0.0.7");
    EXPECT_EQ(doc.DocumentElement().ChildNode("Operations").ChildElements().size(), 1u);
    EXPECT_FALSE(dir.read("Ethernet_Update.xml").contains("<?xml"));
    EXPECT_THROW(Compile_XML_Parameter_New_Boot(second, dir.file("missing/Ethernet_Update.xml")), EFileError);
}

}  // namespace
