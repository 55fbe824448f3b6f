// The dialog's window: panels, layout, keys, wheel, texts and its picture.
#include "pargen_fixture.h"

#include <QImage>

#include <cstdlib>

namespace {

struct TextRow {
    const char* Control;
    int Caption;  // -1: none
    int Hint;     // -1: none
};

// Every text the dialog shows, as the design lists it.
const TextRow kTexts[] = {
    {"L_SW_Desc", 401, -1},
    {"Btn_OK", 402, 404},
    {"Btn_Cancel", 403, 405},
    {"L_EthConn_Device_Name", 1545, -1},
    {"E_EthConn_Device_Name", -1, 1546},
    {"CB_EthConn_En_DHCP_Cable", 1547, 1548},
    {"CB_EthConn_En_DHCP_WiFi", 1549, 1550},
    {"CB_EthConn_Enable_DNS", 1551, 1552},
    {"L_EthConn_Primary_DNS", 1553, -1},
    {"E_EthConn_Pri_DNS_IP1", -1, 1554},
    {"E_EthConn_Pri_DNS_IP2", -1, 1555},
    {"E_EthConn_Pri_DNS_IP3", -1, 1556},
    {"E_EthConn_Pri_DNS_IP4", -1, 1557},
    {"L_EthConn_Secondary_DNS", 1558, -1},
    {"E_EthConn_Sec_DNS_IP1", -1, 1559},
    {"E_EthConn_Sec_DNS_IP2", -1, 1560},
    {"E_EthConn_Sec_DNS_IP3", -1, 1561},
    {"E_EthConn_Sec_DNS_IP4", -1, 1562},
    {"L_EtherCAT_Slave_Revision_Number", 413, -1},
    {"E_EtherCAT_Slave_Revision_Number", -1, 414},
    {"L_EtherCAT_Slave_Name", 415, -1},
    {"E_EtherCAT_Slave_Name", -1, 416},
    {"L_EtherCAT_Slave_Node_Address", 987, -1},
    {"E_EtherCAT_Slave_Node_Address", -1, 988},
    {"CB_EtherCAT_Slave_Clear_Data", 1684, 1685},
    {"L_ModbusTCPSlave_IP", 418, -1},
    {"E_ModbusTCPSlave_IP1", -1, 419},
    {"E_ModbusTCPSlave_IP2", -1, 420},
    {"E_ModbusTCPSlave_IP3", -1, 421},
    {"E_ModbusTCPSlave_IP4", -1, 422},
    {"L_ModbusTCPSlave_SM", 423, -1},
    {"E_ModbusTCPSlave_SM1", -1, 424},
    {"E_ModbusTCPSlave_SM2", -1, 425},
    {"E_ModbusTCPSlave_SM3", -1, 426},
    {"E_ModbusTCPSlave_SM4", -1, 427},
    {"CB_ModbusTCPSlave_En_GAT", 428, 429},
    {"E_ModbusTCPSlave_GAT1", -1, 430},
    {"E_ModbusTCPSlave_GAT2", -1, 431},
    {"E_ModbusTCPSlave_GAT3", -1, 432},
    {"E_ModbusTCPSlave_GAT4", -1, 433},
    {"L_ModbusTCPSlave_Port", 434, -1},
    {"E_ModbusTCPSlave_Port", -1, 435},
    {"CB_ModbusTCPSlave_ReadInput", 1688, 1689},
};

void ExpectTexts(TFParGen& F)
{
    EXPECT_EQ(F.Caption(), Lang_Text(400));
    for (const TextRow& r : kTexts) {
        SCOPED_TRACE(r.Control);
        const TControl* c = dynamic_cast<TControl*>(F.FindComponent(QString::fromLatin1(r.Control)));
        ASSERT_NE(c, nullptr);
        if (r.Caption >= 0) {
            EXPECT_EQ(c->Caption(), Lang_Text(r.Caption));
        }
        if (r.Hint >= 0) {
            EXPECT_EQ(c->Hint(), Lang_Text(r.Hint));
        }
    }
    EXPECT_EQ(F.CP_Ethernet_Connection->Caption(), "1. " + Lang_Text(1544));
    EXPECT_EQ(F.CP_EtherCAT_Slave->Caption(), "2. " + Lang_Text(406));
    EXPECT_EQ(F.CP_Modbus_TCP_Slave->Caption(), "3. " + Lang_Text(417));
}

}  // namespace

TEST_F(ParGenDialogTest, CreationBuildsTheThreePanelsWithTheirHeightsTextsAndLimits)
{
    EXPECT_EQ(form->ClientWidth(), 460);
    EXPECT_EQ(form->ClientHeight(), 700);
    EXPECT_EQ(form->L_SW_Code->Caption(), SW_Code);
    ExpectTexts(*form);

    ASSERT_EQ(form->CPG->PanelCount(), 3);
    const TCategoryPanel* expected[] = {form->CP_Ethernet_Connection, form->CP_EtherCAT_Slave,
                                        form->CP_Modbus_TCP_Slave};
    const int heights[] = {206, 145, 177};
    int top = 0;
    for (int i = 0; i < 3; ++i) {
        const TCategoryPanel* p = form->CPG->Panels(i);
        EXPECT_EQ(p, expected[i]);
        EXPECT_TRUE(p->Visible());
        EXPECT_FALSE(p->Collapsed());
        EXPECT_EQ(p->Height(), heights[i]);
        EXPECT_EQ(p->Top(), top);
        EXPECT_EQ(p->TabOrder(), i);
        top += heights[i];
    }
    EXPECT_EQ(form->CPG->HeaderHeight(), 24);
    EXPECT_EQ(form->CPG->Top(), 69);
    EXPECT_EQ(form->CPG->Height(), 700 - 69 - 40);

    // The edits' limits; octets and the port take any text.
    EXPECT_EQ(form->E_EthConn_Device_Name->MaxLength(), 31);
    EXPECT_EQ(form->E_EtherCAT_Slave_Name->MaxLength(), 15);
    EXPECT_TRUE(form->E_EtherCAT_Slave_Revision_Number->NumbersOnly());
    EXPECT_TRUE(form->E_EtherCAT_Slave_Node_Address->NumbersOnly());
    for (TEdit* e : {form->E_ModbusTCPSlave_Port, form->E_ModbusTCPSlave_IP[0], form->E_EthConn_Sec_DNS_IP[3],
                     form->E_EtherCAT_Slave_Name}) {
        EXPECT_FALSE(e->NumbersOnly()) << e->Name().toStdString();
        if (e != form->E_EtherCAT_Slave_Name) {
            EXPECT_EQ(e->MaxLength(), 0) << e->Name().toStdString();
        }
    }
    // Buttons: OK leaves the closing to its handler, Cancel closes.
    EXPECT_EQ(form->Btn_OK->ModalResult(), mrNone);
    EXPECT_EQ(form->Btn_Cancel->ModalResult(), mrCancel);
    EXPECT_EQ(form->Btn_OK->BoundsRect(), Bounds(217, 6, 110, 28));
    EXPECT_EQ(form->Btn_Cancel->BoundsRect(), Bounds(335, 6, 110, 28));
}

TEST_F(ParGenDialogTest, OnlyTheWiFiBoxIsEverDisabledAndItIsUncheckedAtEveryShow)
{
    dir.write("ParGen.xml", "<Par_Gen><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                            "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable></Par_Gen>");
    Show([](TFParGen& f) {
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_WiFi->Enabled());
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_WiFi->Checked());
        EXPECT_TRUE(f.CB_EthConn_En_DHCP_Cable->Checked());
        // DHCP on changes nothing else of this model's panels.
        for (int i = 0; i < f.ComponentCount(); ++i) {
            if (auto* c = dynamic_cast<TControl*>(f.Components(i)); c && c != f.CB_EthConn_En_DHCP_WiFi) {
                EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
            }
        }
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, ALanguageChangeReTextsEveryCaptionHintAndPanelTitle)
{
    for (int n = 0; n < Lang_Texts.size(); ++n)
        Lang_Texts[n] = QString("[%1]").arg(n);
    form->Set_Lang();
    ExpectTexts(*form);
    EXPECT_EQ(form->CP_EtherCAT_Slave->Caption(), "2. [406]");
    // The software code is not a text of the table.
    EXPECT_EQ(form->L_SW_Code->Caption(), SW_Code);
}

TEST_F(ParGenDialogTest, APanelCollapsesAndExpandsAndAShowKeepsItsState)
{
    Show([](TFParGen& f) {
        TCategoryPanel* eth = f.CP_Ethernet_Connection;
        TestKit::Click(eth, 100, 10);  // its header
        EXPECT_TRUE(eth->Collapsed());
        EXPECT_EQ(eth->Height(), 24);
        EXPECT_EQ(f.CP_EtherCAT_Slave->Top(), 24);
        EXPECT_EQ(f.CP_Modbus_TCP_Slave->Top(), 24 + 145);
        TestKit::Click(eth, 100, 10);
        EXPECT_FALSE(eth->Collapsed());
        EXPECT_EQ(eth->Height(), 206);
        EXPECT_EQ(f.CP_EtherCAT_Slave->Top(), 206);
        f.CP_Modbus_TCP_Slave->Collapse();
        f.Btn_Cancel->Click();
    });
    // The layout of the next show keeps the panel collapsed at its height.
    Show([](TFParGen& f) {
        EXPECT_TRUE(f.CP_Modbus_TCP_Slave->Collapsed());
        EXPECT_EQ(f.CP_Modbus_TCP_Slave->Height(), 24);
        f.CP_Modbus_TCP_Slave->Expand();
        EXPECT_EQ(f.CP_Modbus_TCP_Slave->Height(), 177);
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, TheWheelScrollsTheGroupWhenThePanelsDoNotFit)
{
    SetWheelScrollLines(3);
    Show([](TFParGen& f) {
        // 528 pixels of panels fit into the 591 of the group: nothing to scroll.
        TestKit::Wheel(f.CPG, 200, 300, -WHEEL_DELTA);
        EXPECT_EQ(f.CP_Ethernet_Connection->Top(), 0);

        f.SetClientHeight(400);
        ASSERT_EQ(f.CPG->Height(), 400 - 69 - 40);
        const int line = f.CPG->VertScrollBar().Increment();
        // Over an edit inside a panel the group scrolls too: three lines a notch.
        TEdit* port = f.E_ModbusTCPSlave_Port;
        TestKit::Wheel(port, 5, 5, -WHEEL_DELTA);
        EXPECT_EQ(f.CPG->VertScrollBar().Position(), 3 * line);
        EXPECT_EQ(f.CP_Ethernet_Connection->Top(), -3 * line);
        TestKit::Wheel(f.CPG, 200, 100, -2 * WHEEL_DELTA);
        EXPECT_EQ(f.CPG->VertScrollBar().Position(), 9 * line);
        TestKit::Wheel(f.CPG, 200, 100, WHEEL_DELTA);
        EXPECT_EQ(f.CPG->VertScrollBar().Position(), 6 * line);
        // Over the button band nothing scrolls.
        TestKit::Wheel(f.P_Button, 20, 20, WHEEL_DELTA);
        EXPECT_EQ(f.CPG->VertScrollBar().Position(), 6 * line);
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, TheClientWidthStaysAt460WhileTheHeightFollows)
{
    Show([](TFParGen& f) {
        const int border = f.Width() - f.ClientWidth();
        const int h = f.ClientHeight();
        f.SetBounds(f.Left(), f.Top(), f.Width() + 120, f.Height() + 50);
        EXPECT_EQ(f.ClientWidth(), 460);
        EXPECT_EQ(f.Width(), 460 + border);
        EXPECT_EQ(f.ClientHeight(), h + 50);
        f.SetClientWidth(300);
        EXPECT_EQ(f.ClientWidth(), 460);
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, ADotIsSwallowedAndMovesAlongTheOctetChains)
{
    Show([](TFParGen& f) {
        // Each chain from its first edit to its last, where a dot does nothing.
        const std::vector<std::vector<TEdit*>> chains = {
            {f.E_EthConn_Pri_DNS_IP[0], f.E_EthConn_Pri_DNS_IP[1], f.E_EthConn_Pri_DNS_IP[2],
             f.E_EthConn_Pri_DNS_IP[3], f.E_EthConn_Sec_DNS_IP[0], f.E_EthConn_Sec_DNS_IP[1],
             f.E_EthConn_Sec_DNS_IP[2], f.E_EthConn_Sec_DNS_IP[3]},
            {f.E_ModbusTCPSlave_IP[0], f.E_ModbusTCPSlave_IP[1], f.E_ModbusTCPSlave_IP[2], f.E_ModbusTCPSlave_IP[3],
             f.E_ModbusTCPSlave_SM[0], f.E_ModbusTCPSlave_SM[1], f.E_ModbusTCPSlave_SM[2], f.E_ModbusTCPSlave_SM[3],
             f.E_ModbusTCPSlave_GAT[0], f.E_ModbusTCPSlave_GAT[1], f.E_ModbusTCPSlave_GAT[2],
             f.E_ModbusTCPSlave_GAT[3]},
        };
        for (const auto& chain : chains) {
            chain[0]->SetFocus();
            for (size_t i = 0; i < chain.size(); ++i) {
                TEdit* e = chain[i];
                SCOPED_TRACE(e->Name().toStdString());
                ASSERT_TRUE(e->Focused());
                e->SelectAll();
                TestKit::TypeText(nullptr, "7");  // other keys are typed
                const QString before = e->Text();
                EXPECT_EQ(before, "7");
                TestKit::TypeText(nullptr, ".");
                EXPECT_EQ(e->Text(), before);
                EXPECT_TRUE((i + 1 < chain.size() ? chain[i + 1] : e)->Focused());
            }
        }
        // The keypad's "." does the same.
        f.E_ModbusTCPSlave_IP[3]->SetFocus();
        TestKit::TypeKey(nullptr, VK_DECIMAL, {}, true);
        EXPECT_TRUE(f.E_ModbusTCPSlave_SM[0]->Focused());
        // A next edit that cannot take the focus keeps it where it is.
        f.E_ModbusTCPSlave_SM[0]->SetEnabled(false);
        f.E_ModbusTCPSlave_IP[3]->SetFocus();
        TestKit::TypeText(nullptr, ".");
        EXPECT_TRUE(f.E_ModbusTCPSlave_IP[3]->Focused());
        EXPECT_EQ(f.E_ModbusTCPSlave_IP[3]->Text(), "7");
        f.E_ModbusTCPSlave_SM[0]->SetEnabled(true);
        // Other edits take a dot as typed.
        f.E_EthConn_Device_Name->SetFocus();
        f.E_EthConn_Device_Name->SetText("");
        TestKit::TypeText(nullptr, "gw.local");
        EXPECT_EQ(f.E_EthConn_Device_Name->Text(), "gw.local");
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, TheDialogRendersToPng)
{
    Show([&](TFParGen& f) {
        const QString path = dir.file("pargen.png");
        ASSERT_TRUE(TestKit::RenderToPng(&f, path));
        const QImage image(path);
        if (const char* keep = std::getenv("VYN_RENDER_DIR"))
            image.save(QString::fromLocal8Bit(keep) + "/pargen.png", "PNG");
        ASSERT_EQ(image.size(), QSize(460, 700));
        // The white title band, then the first header's gradient, then the
        // first panel's surface in the dialog's colour.
        EXPECT_EQ(image.pixel(300, 30), QColor(Qt::white).rgb());
        EXPECT_NE(image.pixel(300, 69 + 12), image.pixel(300, 69 + 24 + 100));
        EXPECT_EQ(image.pixel(440, 69 + 24 + 100), QColor(248, 247, 237).rgb());

        // A lower window with the middle panel collapsed, scrolled down.
        f.CP_EtherCAT_Slave->Collapse();
        f.SetClientHeight(400);
        TestKit::Wheel(f.CPG, 200, 100, -WHEEL_DELTA);
        const QImage small = TestKit::RenderToImage(&f);
        if (const char* keep = std::getenv("VYN_RENDER_DIR"))
            small.save(QString::fromLocal8Bit(keep) + "/pargen_collapsed.png", "PNG");
        ASSERT_EQ(small.size(), QSize(460, 400));
        // The Modbus header follows the collapsed one at once.
        const int scrolled = f.CPG->VertScrollBar().Position();
        EXPECT_GT(scrolled, 0);
        EXPECT_EQ(f.CP_Modbus_TCP_Slave->Top(), 206 + 24 - scrolled);
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, TabWalksThePanelsInTheDesignsOrderAndEscCancels)
{
    EXPECT_EQ(Show([](TFParGen& f) {
                  std::vector<std::string> walked;
                  for (int i = 0; i < 33; ++i) {
                      walked.push_back(f.ActiveControl() ? f.ActiveControl()->Name().toStdString() : "none");
                      TestKit::TypeKey(nullptr, VK_TAB);
                  }
                  const std::vector<std::string> expected = {
                      // The disabled Wi-Fi box is skipped.
                      "E_EthConn_Device_Name", "CB_EthConn_En_DHCP_Cable", "CB_EthConn_Enable_DNS",
                      "E_EthConn_Pri_DNS_IP1", "E_EthConn_Pri_DNS_IP2", "E_EthConn_Pri_DNS_IP3",
                      "E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1", "E_EthConn_Sec_DNS_IP2",
                      "E_EthConn_Sec_DNS_IP3", "E_EthConn_Sec_DNS_IP4", "E_EtherCAT_Slave_Revision_Number",
                      "E_EtherCAT_Slave_Name", "E_EtherCAT_Slave_Node_Address", "CB_EtherCAT_Slave_Clear_Data",
                      "E_ModbusTCPSlave_IP1", "E_ModbusTCPSlave_IP2", "E_ModbusTCPSlave_IP3", "E_ModbusTCPSlave_IP4",
                      "E_ModbusTCPSlave_SM1", "E_ModbusTCPSlave_SM2", "E_ModbusTCPSlave_SM3", "E_ModbusTCPSlave_SM4",
                      "CB_ModbusTCPSlave_En_GAT", "E_ModbusTCPSlave_GAT1", "E_ModbusTCPSlave_GAT2",
                      "E_ModbusTCPSlave_GAT3", "E_ModbusTCPSlave_GAT4", "E_ModbusTCPSlave_Port",
                      "CB_ModbusTCPSlave_ReadInput", "Btn_OK", "Btn_Cancel", "E_EthConn_Device_Name"};
                  EXPECT_EQ(walked, expected);
                  TestKit::TypeKey(nullptr, VK_ESCAPE);
              }),
              mrCancel);
    EXPECT_FALSE(QFileInfo::exists(File_ParGen));
}
