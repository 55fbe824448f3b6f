#pragma once
// TFParGen: the communication-parameters dialog (main window, step 2 "Set
// Communication"). It edits the ParGen.xml of the open configuration.
//
// - Three collapsible category panels: Ethernet connection, EtherCAT slave,
//   Modbus TCP slave. The panels the other gateway models of the family use
//   are not built.
// - Every show reloads File_ParGen (a missing file or key gives the dialog's
//   defaults; a file that is not well-formed shows an error naming it and
//   then the defaults), so edits not confirmed with OK are lost.
// - OK validates (Controllo_Dati: the first failing check shows its message
//   and the dialog stays open) and rewrites the whole file; Cancel, Esc and
//   closing the window leave it untouched. The device name and the slave
//   name go through Check_Device_Name, the compiler's own check, with the
//   field's label in the message.
// - A "." typed into an octet edit is swallowed and moves the focus along
//   the chains primary DNS 1-4, secondary DNS 1-4 and IP 1-4, mask 1-4,
//   gateway 1-4.
// - The client width stays 460; only the height can change. The panel group
//   scrolls on the wheel by itself.
#include <array>
#include <vector>

#include <QHash>

#include "platform/gui/category_panel.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"

class TLbButton;

class TFParGen : public TForm {
public:
    explicit TFParGen(TComponent* AOwner);

    // Gives every caption, hint and panel title its text from Lang_Texts;
    // called at creation and again after a language change.
    void Set_Lang();

    // The checks OK runs, in their fixed order; the first failure shows its
    // message (an error box with OK) and the answer is false.
    bool Controllo_Dati();

    // ---- the design's event handlers
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    // OnKeyPress of the octet edits.
    void KeyPress(TObject* Sender, QChar& Key);
    // OnClick of the check boxes: the layout boxes re-run the layout.
    void On_Click(TObject* Sender);

    // ---- title and button bands
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

    // ---- the panel group and its header pictures (0 expanded, 1 collapsed)
    TCategoryPanelGroup* CPG = nullptr;
    TImageList* ImageList1 = nullptr;
    TCategoryPanel* CP_Ethernet_Connection = nullptr;
    TCategoryPanel* CP_EtherCAT_Slave = nullptr;
    TCategoryPanel* CP_Modbus_TCP_Slave = nullptr;

    // ---- Ethernet connection (octet edits are named ...IP1 to ...IP4)
    TLabel* L_EthConn_Device_Name = nullptr;
    TEdit* E_EthConn_Device_Name = nullptr;
    TCheckBox* CB_EthConn_En_DHCP_Cable = nullptr;
    TCheckBox* CB_EthConn_En_DHCP_WiFi = nullptr;
    TCheckBox* CB_EthConn_Enable_DNS = nullptr;
    TLabel* L_EthConn_Primary_DNS = nullptr;
    std::array<TEdit*, 4> E_EthConn_Pri_DNS_IP{};
    TLabel* L_EthConn_Secondary_DNS = nullptr;
    std::array<TEdit*, 4> E_EthConn_Sec_DNS_IP{};

    // ---- EtherCAT slave
    TLabel* L_EtherCAT_Slave_Revision_Number = nullptr;
    TEdit* E_EtherCAT_Slave_Revision_Number = nullptr;
    TLabel* L_EtherCAT_Slave_Name = nullptr;
    TEdit* E_EtherCAT_Slave_Name = nullptr;
    TLabel* L_EtherCAT_Slave_Node_Address = nullptr;
    TEdit* E_EtherCAT_Slave_Node_Address = nullptr;
    TCheckBox* CB_EtherCAT_Slave_Clear_Data = nullptr;

    // ---- Modbus TCP slave (octet edits are named ...IP1, ...SM1, ...GAT1 to 4)
    TLabel* L_ModbusTCPSlave_IP = nullptr;
    std::array<TEdit*, 4> E_ModbusTCPSlave_IP{};
    TLabel* L_ModbusTCPSlave_SM = nullptr;
    std::array<TEdit*, 4> E_ModbusTCPSlave_SM{};
    TCheckBox* CB_ModbusTCPSlave_En_GAT = nullptr;
    std::array<TEdit*, 4> E_ModbusTCPSlave_GAT{};
    TLabel* L_ModbusTCPSlave_Port = nullptr;
    TEdit* E_ModbusTCPSlave_Port = nullptr;
    TCheckBox* CB_ModbusTCPSlave_ReadInput = nullptr;

    // The fixed client width.
    static constexpr int Client_Width = 460;

protected:
    // The form's own key press (TWinControl's), beside the handler above.
    using TForm::KeyPress;

private:
    // A control that holds the value of one ParGen.xml key.
    struct TBinding {
        TEdit* Edit = nullptr;
        TCheckBox* Check = nullptr;
    };
    // A caption (or label) and a hint from the text table.
    struct TText {
        TControl* Control;
        int Caption;  // -1: none
        int Hint;     // -1: none
    };

    void Build_Controls();
    void Make_Header_Images();

    // Shows this model's panels top to bottom and numbers their tab order.
    void Order_TAB_Panels();
    void Order_TAB_Panels_48T21();
    // The layout: every panel's height from its lowest control.
    void Move_GroupBoxs();
    void RePosition_Objects_48T21();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_EtherCAT_Slave();
    void RePosition_Object_Modbus_TCP_Slave();

    // The panels of this model in their order, with their title texts.
    std::vector<std::pair<TCategoryPanel*, int>> panels_;
    QHash<String, TBinding> bindings_;
    std::vector<TText> texts_;
    // The next edit of an octet chain (absent for the last of a chain).
    QHash<TEdit*, TEdit*> next_octet_;
};

// The dialog's one instance, created at start by the main window.
extern TFParGen* FParGen;
