// What a show loads from ParGen.xml and what OK writes to it.
#include "pargen_fixture.h"

#include "platform/xml/xml.h"

namespace {

// A value of its own for each field, all passing validation: check boxes
// the opposite of their default, texts that differ from every default.
QString Own_Value(int I)
{
    const ParGenField& f = kFields[I];
    if (f.Check)
        return QString::fromLatin1(f.Default) == "1" ? "0" : "1";
    if (QString::fromLatin1(f.Key).contains("DNS") || QString::fromLatin1(f.Key).contains("Slave_IP") ||
        QString::fromLatin1(f.Key).contains("SM") || QString::fromLatin1(f.Key).contains("GAT"))
        return QString::number(10 + I);  // an octet
    return QString::fromLatin1(f.Key) == "Eth_Conn_Device_Name"         ? "gateway-7"
           : QString::fromLatin1(f.Key) == "EtherCAT_Slave_Revision_Number" ? "4294967295"
           : QString::fromLatin1(f.Key) == "EtherCAT_Slave_Name"            ? "press 12"
           : QString::fromLatin1(f.Key) == "EtherCAT_Slave_Node_Address"    ? "192"
                                                                            : "65535";  // port
}

QByteArray File_With(const std::function<bool(int)>& Include, const std::function<QString(int)>& Value)
{
    QByteArray body = "<Par_Gen>";
    for (int i = 0; i < 31; ++i)
        if (Include(i))
            body += QString("<%1>%2</%1>").arg(kFields[i].Key, Value(i)).toUtf8();
    return body + "</Par_Gen>";
}

}  // namespace

TEST_F(ParGenDialogTest, WithoutAFileEveryControlShowsItsDefaultAndCancelWritesNothing)
{
    // Whatever an earlier show left in the controls is replaced.
    form->CB_ModbusTCPSlave_ReadInput->SetChecked(true);
    form->E_EtherCAT_Slave_Name->SetText("left over");
    EXPECT_EQ(Show([&](TFParGen& f) {
                  for (const ParGenField& field : kFields)
                      EXPECT_EQ(Shown(field), QString::fromUtf8(field.Default)) << field.Key;
                  f.Btn_Cancel->Click();
              }),
              mrCancel);
    EXPECT_FALSE(QFileInfo::exists(File_ParGen));
}

TEST_F(ParGenDialogTest, EachMissingKeyShowsItsDefaultAndTheOthersTheirValues)
{
    for (int missing = 0; missing < 31; ++missing) {
        SCOPED_TRACE(kFields[missing].Key);
        dir.write("ParGen.xml", File_With([&](int i) { return i != missing; }, Own_Value));
        Show([&](TFParGen& f) {
            for (int i = 0; i < 31; ++i) {
                const ParGenField& field = kFields[i];
                // The Wi-Fi box is never read: unchecked whatever the file says.
                const bool defaulted = i == missing || QString::fromLatin1(field.Key) == "Eth_Conn_DHCP_WiFi";
                EXPECT_EQ(Shown(field), defaulted ? QString::fromUtf8(field.Default) : Own_Value(i)) << field.Key;
            }
            f.Btn_Cancel->Click();
        });
    }
}

TEST_F(ParGenDialogTest, AFileIsReadByItsDocumentElementAndTheFirstOfDuplicates)
{
    // A declaration and a comment in front, another root name, a duplicate,
    // an unknown element, a check box text other than "1", values as typed.
    dir.write("ParGen.xml", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- by hand -->\n"
                            "<Settings>\n  <EtherCAT_Slave_Name>first</EtherCAT_Slave_Name>\n"
                            "  <EtherCAT_Slave_Name>second</EtherCAT_Slave_Name>\n  <Unknown>x</Unknown>\n"
                            "  <Eth_Conn_Enable_DNS>yes</Eth_Conn_Enable_DNS>\n"
                            "  <Modbus_TCP_Slave_EN_GAT>1</Modbus_TCP_Slave_EN_GAT>\n"
                            "  <Modbus_TCP_Slave_IP3>010</Modbus_TCP_Slave_IP3>\n"
                            "  <Eth_Conn_Device_Name> spaced &amp; \xC3\xA9 </Eth_Conn_Device_Name>\n</Settings>\n");
    Show([](TFParGen& f) {
        EXPECT_EQ(f.E_EtherCAT_Slave_Name->Text(), "first");
        EXPECT_FALSE(f.CB_EthConn_Enable_DNS->Checked());
        EXPECT_TRUE(f.CB_ModbusTCPSlave_En_GAT->Checked());
        EXPECT_EQ(f.E_ModbusTCPSlave_IP[2]->Text(), "010");
        EXPECT_EQ(f.E_EthConn_Device_Name->Text(), QString::fromUtf8(" spaced & \xC3\xA9 "));
        EXPECT_EQ(f.E_ModbusTCPSlave_Port->Text(), "502");
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, OkWritesTheWholeFileInOrderAndTheNextShowReadsEveryFieldBack)
{
    // An earlier file with an element of an unknown name: the save drops it.
    dir.write("ParGen.xml", "<Par_Gen><Unknown>x</Unknown></Par_Gen>");
    EXPECT_EQ(Show([&](TFParGen& f) {
                  for (int i = 0; i < 31; ++i)
                      if (QString::fromLatin1(kFields[i].Key) != "Eth_Conn_DHCP_WiFi")
                          SetField(kFields[i], Own_Value(i));
                  TestKit::Click(f.Btn_OK, 10, 10);
              }),
              mrOk);

    const QByteArray bytes = dir.read("ParGen.xml");
    // No declaration: the root comes first, the version comment after it.
    EXPECT_TRUE(bytes.startsWith("<Par_Gen>")) << bytes.constData();
    EXPECT_TRUE(bytes.trimmed().endsWith("</Par_Gen><!--SW_VERSION = 1.001-->")) << bytes.constData();
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(QString::fromUtf8(bytes)));
    const std::vector<XmlNode> elements = doc.DocumentElement().ChildElements();
    ASSERT_EQ(elements.size(), 31u);
    for (int i = 0; i < 31; ++i) {
        EXPECT_EQ(elements[size_t(i)].NodeName(), kFields[i].Key);
        const bool wifi = QString::fromLatin1(kFields[i].Key) == "Eth_Conn_DHCP_WiFi";
        EXPECT_EQ(elements[size_t(i)].Text(), wifi ? "0" : Own_Value(i)) << kFields[i].Key;
    }

    // Another dialog instance (a new run) reads every field back.
    form->Free();
    form = new TFParGen(nullptr);
    Show([&](TFParGen& f) {
        for (int i = 0; i < 31; ++i) {
            if (QString::fromLatin1(kFields[i].Key) != "Eth_Conn_DHCP_WiFi") {
                EXPECT_EQ(Shown(kFields[i]), Own_Value(i)) << kFields[i].Key;
            }
        }
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, OctetsTheValidationSkipsAndLeadingZerosAreSavedAsTyped)
{
    Show([](TFParGen& f) {
        // DNS off: its octets are not checked; gateway off: neither are its.
        f.E_EthConn_Pri_DNS_IP[0]->SetText("999");
        f.E_EthConn_Sec_DNS_IP[3]->SetText("-1");
        f.E_ModbusTCPSlave_GAT[1]->SetText("abc");
        f.E_ModbusTCPSlave_GAT[3]->SetText("");
        f.E_ModbusTCPSlave_IP[2]->SetText("010");
        f.E_ModbusTCPSlave_SM[0]->SetText("00255");
        f.Btn_OK->Click();
    });
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(File_ParGen));
    const XmlNode root = doc.DocumentElement();
    EXPECT_EQ(root.ChildNode("Eth_Conn_Primary_DNS1").Text(), "999");
    EXPECT_EQ(root.ChildNode("Eth_Conn_Secondary_DNS4").Text(), "-1");
    EXPECT_EQ(root.ChildNode("Modbus_TCP_Slave_GAT2").Text(), "abc");
    EXPECT_TRUE(root.ChildNode("Modbus_TCP_Slave_GAT4"));
    EXPECT_EQ(root.ChildNode("Modbus_TCP_Slave_GAT4").Text(), "");
    EXPECT_EQ(root.ChildNode("Modbus_TCP_Slave_IP3").Text(), "010");
    EXPECT_EQ(root.ChildNode("Modbus_TCP_Slave_SM1").Text(), "00255");
}

TEST_F(ParGenDialogTest, AFileThatIsNotWellFormedIsNamedThenTheDefaultsShowAndOkWritesAWholeFile)
{
    const QString path = dir.write("ParGen.xml", "<Par_Gen><EtherCAT_Slave_Name>abc</EtherCAT_Slave_Name>");
    const QString error = Lang_Text(1106);
    TestKit::MessageBoxScript boxes;
    QString shown;
    boxes.ExpectAny(mrOk);
    EXPECT_EQ(Show([&](TFParGen& f) {
                  // The box came while the dialog opened, before the user acts.
                  ASSERT_EQ(boxes.Shown().size(), 1u);
                  shown = boxes.Shown()[0].Text;
                  EXPECT_EQ(boxes.Shown()[0].Kind, mtError);
                  EXPECT_EQ(boxes.Shown()[0].Buttons, TMsgDlgButtons{mbOK});
                  for (const ParGenField& field : kFields)
                      EXPECT_EQ(Shown(field), QString::fromUtf8(field.Default)) << field.Key;
                  f.Btn_OK->Click();
              }),
              mrOk);
    EXPECT_TRUE(shown.startsWith(error)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(path)) << shown.toStdString();

    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    ASSERT_EQ(doc.DocumentElement().ChildElements().size(), 31u);
    EXPECT_EQ(doc.DocumentElement().ChildNode("EtherCAT_Slave_Name").Text(), "devicename1");
    // The other files of the configuration are not touched.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ParGen.xml"});
}

TEST_F(ParGenDialogTest, ASaveThatFailsIsReportedAndTheDialogStaysOpen)
{
    // The configuration directory has gone.
    Project_Dir = dir.file("gone");
    Set_Files();
    TestKit::MessageBoxScript boxes;
    boxes.ExpectAny(mrOk);
    EXPECT_EQ(Show([&](TFParGen& f) {
                  f.Btn_OK->Click();
                  EXPECT_EQ(f.ModalResult(), mrNone);
                  ASSERT_EQ(boxes.Shown().size(), 1u);
                  EXPECT_EQ(boxes.Shown()[0].Kind, mtError);
                  EXPECT_TRUE(boxes.Shown()[0].Text.startsWith(Lang_Text(1127)));
                  EXPECT_TRUE(boxes.Shown()[0].Text.contains(File_ParGen)) << boxes.Shown()[0].Text.toStdString();
                  f.Btn_Cancel->Click();
              }),
              mrCancel);
    EXPECT_FALSE(QFileInfo::exists(File_ParGen));
}
