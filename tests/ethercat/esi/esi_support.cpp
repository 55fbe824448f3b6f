#include "esi_support.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "ethercat/model/EtherCAT_Layout.h"
#include "platform/xml/xml.h"

namespace {

std::vector<TEtherCAT_Var> Rows(const std::vector<Var>& Vars, bool StoM)
{
    std::vector<TLayout_Row> layout;
    for (const Var& v : Vars)
        layout.push_back({QLatin1String(v.Enable) == QLatin1String("Y"), v.Type, v.Length});
    const std::vector<TLayout_Slot> places = Calc_Position_Bit(layout);
    std::vector<TEtherCAT_Var> rows;
    for (size_t i = 0; i < Vars.size(); ++i) {
        TEtherCAT_Var r;
        r.Enable = QLatin1String(Vars[i].Enable);
        r.Type = Vars[i].Type;
        r.Length = Vars[i].Length;
        r.Name = Vars[i].Name;
        if (StoM)
            r.InitValue = QString();
        r.Position = QString::number(places[i].Position);
        r.BitStart = QString::number(places[i].Bit);
        rows.push_back(r);
    }
    return rows;
}

}  // namespace

void Save_Vars(const QString& Path, const std::vector<Var>& StoM, const std::vector<Var>& MtoS)
{
    TEtherCAT_Variables vars;
    vars.StoM = Rows(StoM, true);
    vars.MtoS = Rows(MtoS, false);
    Save_EtherCAT_Slave(Path, vars);
}

QByteArray ParGen_Xml(const QString& Elements) { return ("<Par_Gen>" + Elements + "</Par_Gen>").toUtf8(); }

::testing::AssertionResult Read_Esi(const QString& Path, Esi_File& File)
{
    File = {};
    XmlDocument doc;
    String error;
    if (!doc.LoadFromFile(Path, &error))
        return ::testing::AssertionFailure() << "not well-formed: " << error.toStdString();
    const XmlNode root = doc.DocumentElement();
    if (root.NodeName() != "EtherCATInfo")
        return ::testing::AssertionFailure() << "root " << root.NodeName().toStdString();
    const XmlNode device = root.ChildNode("Descriptions").ChildNode("Devices").ChildNode("Device");
    if (!device)
        return ::testing::AssertionFailure() << "no Device";
    File.Icons << root.ChildNode("Vendor").ChildNode("ImageData16x14").Text()
               << root.ChildNode("Descriptions").ChildNode("Groups").ChildNode("Group").ChildNode("ImageData16x14").Text()
               << device.ChildNode("ImageData16x14").Text();
    const XmlNode type = device.ChildNode("Type");
    File.Slave_Type_Text = type.Text();
    File.Product_Code = type.Attribute("ProductCode");
    File.Revision_No = type.Attribute("RevisionNo");
    for (const XmlNode& n : device.ChildElements("Name"))
        File.Slave_Names << n.Text();
    for (const XmlNode& sm : device.ChildElements("Sm")) {
        if (sm.Text() == "Outputs")
            File.Outputs_Start = sm.Attribute("StartAddress");
        if (sm.Text() == "Inputs")
            File.Inputs_Start = sm.Attribute("StartAddress");
    }
    File.Config_Data = device.ChildNode("Eeprom").ChildNode("ConfigData").Text();
    for (const char* kind : {"RxPdo", "TxPdo"})
        for (const XmlNode& p : device.ChildElements(kind)) {
            Esi_Pdo pdo{p.ChildNode("Index").Text(), p.ChildNode("Name").Text(), {}};
            for (const XmlNode& e : p.ChildElements("Entry"))
                pdo.Entries.push_back({e.ChildNode("Index").Text(), e.ChildNode("BitLen").Text().toInt(),
                                       e.ChildNode("Name").Text(), e.ChildNode("DataType").Text()});
            (QLatin1String(kind) == QLatin1String("RxPdo") ? File.RxPdo : File.TxPdo).push_back(pdo);
        }
    return ::testing::AssertionSuccess();
}

QString Entry_Trace(const std::vector<Esi_Pdo>& Pdos)
{
    QStringList parts;
    for (const Esi_Pdo& p : Pdos)
        for (const Esi_Entry& e : p.Entries)
            parts << (e.Padding() ? "pad" + QString::number(e.BitLen) : e.DataType + ":" + e.Name);
    return parts.join(' ');
}

QString Icon_File_Hex()
{
    QFile f(QStringLiteral(VYN_SOURCE_DIR "/src/ethercat/esi/esi_icon.bmp"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.readAll().toHex().toUpper());
}

QString Schema_Dir() { return QFileInfo(QStringLiteral(VYN_SOURCE_DIR "/../shared/esi-schema")).absoluteFilePath(); }

::testing::AssertionResult Validate_Against_Schema(const QString& Path, bool& Skip)
{
    const QString schema = Schema_Dir() + "/EtherCATInfo.xsd";
    Skip = !QFileInfo::exists(schema);
    if (Skip)
        return ::testing::AssertionSuccess();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("xmllint", {"--noout", "--schema", schema, Path});
    if (!p.waitForStarted())
        return ::testing::AssertionFailure() << "xmllint cannot be started (Debian package libxml2-utils)";
    if (!p.waitForFinished(120000))
        return ::testing::AssertionFailure() << "xmllint did not finish";
    const QString output = QString::fromUtf8(p.readAll());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return ::testing::AssertionFailure() << "xmllint exit " << p.exitCode() << ":\n" << output.toStdString();
    return ::testing::AssertionSuccess();
}
