#pragma once
// The communication-parameters dialog on a fresh configuration directory,
// with the built-in texts and scripted modal shows.
#include <gtest/gtest.h>

#include <functional>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "config/pargen/UParGen.h"
#include "controls/button/LbButton.h"
#include "platform/testing/test_kit.h"
#include "support/temp_dir.h"

// The 31 elements of ParGen.xml in file order: the control that holds each,
// whether it is a check box, and what the dialog shows when it is missing.
struct ParGenField {
    const char* Key;
    const char* Control;
    bool Check;
    const char* Default;  // check boxes: "1" checked, "0" unchecked
};

inline const ParGenField kFields[31] = {
    {"Eth_Conn_Device_Name", "E_EthConn_Device_Name", false, ""},
    {"Eth_Conn_DHCP_Cable", "CB_EthConn_En_DHCP_Cable", true, "0"},
    {"Eth_Conn_DHCP_WiFi", "CB_EthConn_En_DHCP_WiFi", true, "0"},
    {"Eth_Conn_Enable_DNS", "CB_EthConn_Enable_DNS", true, "0"},
    {"Eth_Conn_Primary_DNS1", "E_EthConn_Pri_DNS_IP1", false, "8"},
    {"Eth_Conn_Primary_DNS2", "E_EthConn_Pri_DNS_IP2", false, "8"},
    {"Eth_Conn_Primary_DNS3", "E_EthConn_Pri_DNS_IP3", false, "8"},
    {"Eth_Conn_Primary_DNS4", "E_EthConn_Pri_DNS_IP4", false, "8"},
    {"Eth_Conn_Secondary_DNS1", "E_EthConn_Sec_DNS_IP1", false, "8"},
    {"Eth_Conn_Secondary_DNS2", "E_EthConn_Sec_DNS_IP2", false, "8"},
    {"Eth_Conn_Secondary_DNS3", "E_EthConn_Sec_DNS_IP3", false, "4"},
    {"Eth_Conn_Secondary_DNS4", "E_EthConn_Sec_DNS_IP4", false, "4"},
    {"EtherCAT_Slave_Revision_Number", "E_EtherCAT_Slave_Revision_Number", false, "0"},
    {"EtherCAT_Slave_Name", "E_EtherCAT_Slave_Name", false, "devicename1"},
    {"EtherCAT_Slave_Node_Address", "E_EtherCAT_Slave_Node_Address", false, "1"},
    {"EtherCAT_Slave_Clear_Data", "CB_EtherCAT_Slave_Clear_Data", true, "0"},
    {"Modbus_TCP_Slave_IP1", "E_ModbusTCPSlave_IP1", false, "192"},
    {"Modbus_TCP_Slave_IP2", "E_ModbusTCPSlave_IP2", false, "168"},
    {"Modbus_TCP_Slave_IP3", "E_ModbusTCPSlave_IP3", false, "0"},
    {"Modbus_TCP_Slave_IP4", "E_ModbusTCPSlave_IP4", false, "5"},
    {"Modbus_TCP_Slave_SM1", "E_ModbusTCPSlave_SM1", false, "255"},
    {"Modbus_TCP_Slave_SM2", "E_ModbusTCPSlave_SM2", false, "255"},
    {"Modbus_TCP_Slave_SM3", "E_ModbusTCPSlave_SM3", false, "255"},
    {"Modbus_TCP_Slave_SM4", "E_ModbusTCPSlave_SM4", false, "0"},
    {"Modbus_TCP_Slave_GAT1", "E_ModbusTCPSlave_GAT1", false, "192"},
    {"Modbus_TCP_Slave_GAT2", "E_ModbusTCPSlave_GAT2", false, "168"},
    {"Modbus_TCP_Slave_GAT3", "E_ModbusTCPSlave_GAT3", false, "0"},
    {"Modbus_TCP_Slave_GAT4", "E_ModbusTCPSlave_GAT4", false, "1"},
    {"Modbus_TCP_Slave_EN_GAT", "CB_ModbusTCPSlave_En_GAT", true, "0"},
    {"Modbus_TCP_Slave_Port", "E_ModbusTCPSlave_Port", false, "502"},
    {"Modbus_TCP_Slave_Read_Input_Register", "CB_ModbusTCPSlave_ReadInput", true, "0"},
};

class ParGenDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Init_Program_State(dir.path());
        Load_Default_Lang();
        Project_Dir = dir.path();
        Set_Files();
        form = new TFParGen(nullptr);
    }

    void TearDown() override
    {
        form->Free();
        Project_Dir.clear();
        Set_Files();
    }

    // Shows the dialog modally, runs Action on it, and returns the show's
    // result. The action must close the dialog (OK that saves, or Cancel).
    TModalResult Show(const std::function<void(TFParGen&)>& Action)
    {
        TestKit::ModalFormDriver modal;
        modal.When(form, [&](TForm&) { Action(*form); });
        return form->ShowModal();
    }

    TEdit* Edit(const char* Name) const { return Find<TEdit>(Name); }
    TCheckBox* Check(const char* Name) const { return Find<TCheckBox>(Name); }

    template <typename T>
    T* Find(const char* Name) const
    {
        auto* c = dynamic_cast<T*>(form->FindComponent(QString::fromLatin1(Name)));
        EXPECT_NE(c, nullptr) << Name;
        return c;
    }

    // What the field's control shows: the edit's text, or "1" / "0".
    QString Shown(const ParGenField& F) const
    {
        if (F.Check)
            return Check(F.Control)->Checked() ? "1" : "0";
        return Edit(F.Control)->Text();
    }
    void SetField(const ParGenField& F, const QString& Value) const
    {
        if (F.Check)
            Check(F.Control)->SetChecked(Value == "1");
        else
            Edit(F.Control)->SetText(Value);
    }

    TestKit::InputStateScope input;
    TempDir dir;
    TFParGen* form = nullptr;
};

