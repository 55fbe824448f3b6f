// The checks OK runs, their order and their messages.
#include "pargen_fixture.h"

namespace {

struct Case {
    const char* What;
    std::function<void(TFParGen&)> Change;
    int Message;  // -1: passes
};

// Sets one octet of a row.
std::function<void(TFParGen&)> Octet(std::array<TEdit*, 4> TFParGen::*Row, int Index, const char* Text)
{
    return [=](TFParGen& f) { (f.*Row)[size_t(Index)]->SetText(Text); };
}

std::function<void(TFParGen&)> Text(TEdit* TFParGen::*Edit, const char* Value)
{
    return [=](TFParGen& f) { (f.*Edit)->SetText(Value); };
}

std::vector<Case> Cases()
{
    std::vector<Case> c;
    // Every octet of the four checked rows, each alone, in check order.
    const std::pair<std::array<TEdit*, 4> TFParGen::*, int> rows[] = {
        {&TFParGen::E_EthConn_Pri_DNS_IP, 1563},
        {&TFParGen::E_EthConn_Sec_DNS_IP, 1567},
        {&TFParGen::E_ModbusTCPSlave_IP, 436},
        {&TFParGen::E_ModbusTCPSlave_SM, 440},
        {&TFParGen::E_ModbusTCPSlave_GAT, 444},
    };
    for (const auto& [row, first] : rows)
        for (int i = 0; i < 4; ++i)
            c.push_back({"octet 256", Octet(row, i, "256"), first + i});
    // What an octet accepts: decimal digits only, 0 to 255.
    for (const char* bad : {"", "-1", "+1", "$10", "0x1", " 1", "1 ", "1.5", "a", "99999999999"})
        c.push_back({bad, Octet(&TFParGen::E_ModbusTCPSlave_IP, 0, bad), 436});
    for (const char* good : {"0", "255", "010", "000255"})
        c.push_back({good, Octet(&TFParGen::E_ModbusTCPSlave_IP, 0, good), -1});

    c.push_back({"revision empty", Text(&TFParGen::E_EtherCAT_Slave_Revision_Number, ""), 412});
    c.push_back({"revision 4294967295", Text(&TFParGen::E_EtherCAT_Slave_Revision_Number, "4294967295"), -1});
    c.push_back({"revision 4294967296", Text(&TFParGen::E_EtherCAT_Slave_Revision_Number, "4294967296"), 412});
    c.push_back({"revision -1", Text(&TFParGen::E_EtherCAT_Slave_Revision_Number, "-1"), 412});
    c.push_back({"name empty", Text(&TFParGen::E_EtherCAT_Slave_Name, ""), 411});
    c.push_back({"name of blanks", Text(&TFParGen::E_EtherCAT_Slave_Name, "   "), 411});
    c.push_back({"name with blanks", Text(&TFParGen::E_EtherCAT_Slave_Name, " a "), -1});
    c.push_back({"node 0", Text(&TFParGen::E_EtherCAT_Slave_Node_Address, "0"), 989});
    c.push_back({"node 1", Text(&TFParGen::E_EtherCAT_Slave_Node_Address, "1"), -1});
    c.push_back({"node 192", Text(&TFParGen::E_EtherCAT_Slave_Node_Address, "192"), -1});
    c.push_back({"node 193", Text(&TFParGen::E_EtherCAT_Slave_Node_Address, "193"), 989});
    c.push_back({"node empty", Text(&TFParGen::E_EtherCAT_Slave_Node_Address, ""), 989});
    c.push_back({"port 0", Text(&TFParGen::E_ModbusTCPSlave_Port, "0"), -1});
    c.push_back({"port 9999", Text(&TFParGen::E_ModbusTCPSlave_Port, "9999"), -1});
    c.push_back({"port 10000", Text(&TFParGen::E_ModbusTCPSlave_Port, "10000"), 448});
    c.push_back({"port 10001", Text(&TFParGen::E_ModbusTCPSlave_Port, "10001"), -1});
    c.push_back({"port 65535", Text(&TFParGen::E_ModbusTCPSlave_Port, "65535"), -1});
    c.push_back({"port 65536", Text(&TFParGen::E_ModbusTCPSlave_Port, "65536"), 448});
    c.push_back({"port -1", Text(&TFParGen::E_ModbusTCPSlave_Port, "-1"), 448});
    c.push_back({"port text", Text(&TFParGen::E_ModbusTCPSlave_Port, "modbus"), 448});

    // Only the first failure in check order is reported.
    c.push_back({"secondary DNS and port", [](TFParGen& f) {
                     f.E_ModbusTCPSlave_Port->SetText("10000");
                     f.E_EthConn_Sec_DNS_IP[1]->SetText("300");
                 },
                 1568});
    c.push_back({"everything from the revision on", [](TFParGen& f) {
                     f.E_ModbusTCPSlave_Port->SetText("");
                     f.E_ModbusTCPSlave_GAT[0]->SetText("x");
                     f.E_ModbusTCPSlave_SM[3]->SetText("x");
                     f.E_ModbusTCPSlave_IP[3]->SetText("x");
                     f.E_EtherCAT_Slave_Node_Address->SetText("0");
                     f.E_EtherCAT_Slave_Name->SetText("");
                     f.E_EtherCAT_Slave_Revision_Number->SetText("");
                 },
                 412});
    c.push_back({"a later octet of the same row", [](TFParGen& f) {
                     f.E_ModbusTCPSlave_SM[3]->SetText("x");
                     f.E_ModbusTCPSlave_SM[1]->SetText("x");
                 },
                 441});

    // DNS octets are checked only while DNS is on, the gateway's only while
    // the gateway box is checked.
    c.push_back({"DNS off", [](TFParGen& f) {
                     f.CB_EthConn_Enable_DNS->SetChecked(false);
                     for (TEdit* e : f.E_EthConn_Pri_DNS_IP)
                         e->SetText("999");
                     for (TEdit* e : f.E_EthConn_Sec_DNS_IP)
                         e->SetText("abc");
                 },
                 -1});
    c.push_back({"gateway off", [](TFParGen& f) {
                     f.CB_ModbusTCPSlave_En_GAT->SetChecked(false);
                     for (TEdit* e : f.E_ModbusTCPSlave_GAT)
                         e->SetText("abc");
                 },
                 -1});
    // What is never checked.
    c.push_back({"unchecked fields", [](TFParGen& f) {
                     f.E_EthConn_Device_Name->SetText("  ");
                     f.CB_EthConn_En_DHCP_Cable->SetChecked(true);
                     f.CB_EtherCAT_Slave_Clear_Data->SetChecked(true);
                     f.CB_ModbusTCPSlave_ReadInput->SetChecked(true);
                     for (TEdit* e : f.E_ModbusTCPSlave_SM)
                         e->SetText("1");  // not a contiguous mask
                 },
                 -1});
    return c;
}

}  // namespace

TEST_F(ParGenDialogTest, EachCheckFailsAloneWithItsMessageAndOnlyTheFirstFailureIsShown)
{
    Show([&](TFParGen& f) {
        for (const Case& c : Cases()) {
            SCOPED_TRACE(std::string(c.What) + " -> " + std::to_string(c.Message));
            // From the defaults with DNS and the gateway on, which pass.
            for (const ParGenField& field : kFields)
                SetField(field, QString::fromUtf8(field.Default));
            f.CB_EthConn_Enable_DNS->SetChecked(true);
            f.CB_ModbusTCPSlave_En_GAT->SetChecked(true);
            c.Change(f);
            TestKit::MessageBoxScript boxes;
            if (c.Message >= 0)
                boxes.Expect(mtError, Lang_Text(c.Message), TMsgDlgButtons{mbOK}, mrOk);
            EXPECT_EQ(f.Controllo_Dati(), c.Message < 0);
        }
        f.Btn_Cancel->Click();
    });
}

TEST_F(ParGenDialogTest, OkWithAFailingCheckKeepsTheDialogOpenAndWritesNothing)
{
    TestKit::MessageBoxScript boxes;
    boxes.Expect(mtError, Lang_Text(989), TMsgDlgButtons{mbOK}, mrOk);
    EXPECT_EQ(Show([&](TFParGen& f) {
                  f.E_EtherCAT_Slave_Node_Address->SetText("193");
                  TestKit::Click(f.Btn_OK, 10, 10);
                  EXPECT_EQ(f.ModalResult(), mrNone);
                  EXPECT_TRUE(f.Visible());
                  // The user's input stays.
                  EXPECT_EQ(f.E_EtherCAT_Slave_Node_Address->Text(), "193");
                  EXPECT_FALSE(QFileInfo::exists(File_ParGen));
                  f.E_EtherCAT_Slave_Node_Address->SetText("192");
                  TestKit::Click(f.Btn_OK, 10, 10);
              }),
              mrOk);
    EXPECT_TRUE(QFileInfo::exists(File_ParGen));
}

TEST_F(ParGenDialogTest, WithEveryCheckFailingTheFixesRevealTheMessagesInCheckOrder)
{
    Show([&](TFParGen& f) {
        f.CB_EthConn_Enable_DNS->SetChecked(true);
        f.CB_ModbusTCPSlave_En_GAT->SetChecked(true);
        // Each failing value with the fix that makes it pass, in check order.
        std::vector<std::pair<TEdit*, int>> order;
        auto octets = [&](const std::array<TEdit*, 4>& Row, int First) {
            for (int i = 0; i < 4; ++i)
                order.push_back({Row[size_t(i)], First + i});
        };
        octets(f.E_EthConn_Pri_DNS_IP, 1563);
        octets(f.E_EthConn_Sec_DNS_IP, 1567);
        order.push_back({f.E_EtherCAT_Slave_Revision_Number, 412});
        order.push_back({f.E_EtherCAT_Slave_Name, 411});
        order.push_back({f.E_EtherCAT_Slave_Node_Address, 989});
        octets(f.E_ModbusTCPSlave_IP, 436);
        octets(f.E_ModbusTCPSlave_SM, 440);
        octets(f.E_ModbusTCPSlave_GAT, 444);
        order.push_back({f.E_ModbusTCPSlave_Port, 448});
        for (const auto& [edit, message] : order)
            edit->SetText(edit == f.E_EtherCAT_Slave_Name ? " " : edit == f.E_ModbusTCPSlave_Port ? "10000" : "");
        for (const auto& [edit, message] : order) {
            SCOPED_TRACE(message);
            {
                TestKit::MessageBoxScript boxes;
                boxes.Expect(mtError, Lang_Text(message), TMsgDlgButtons{mbOK}, mrOk);
                EXPECT_FALSE(f.Controllo_Dati());
            }
            edit->SetText("1");
        }
        EXPECT_TRUE(f.Controllo_Dati());
        f.Btn_Cancel->Click();
    });
}
