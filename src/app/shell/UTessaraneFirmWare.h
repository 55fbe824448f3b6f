#pragma once
// The main window: the software code and description, the open
// configuration, the numbered steps of this gateway model as push buttons,
// the tool buttons (information, options, close), the link to the maker's
// web site and the new-version link. Creating it sets up the program-wide
// state (directories, settings, text table, the last configuration);
// closing it saves the settings and ends the program.
#include <array>

#include "controls/button/LbButton.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/gui/timers.h"

// The directory FormCreate takes as Exe_Dir: the executable's directory,
// unless set to another one before the main window is created (tests start
// the program in a temporary directory). Empty: the executable's.
String Program_Base_Dir();
void Set_Program_Base_Dir(const String& Dir);

// The window caption (it ends with one blank).
extern const char* const Main_Caption_Text;

class TFTessaraneFirmWare : public TForm {
public:
    explicit TFTessaraneFirmWare(TComponent* AOwner);

    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* L_Begin = nullptr;
    TShape* Shape2 = nullptr;  // frames the two open-configuration lines
    TLabel* L_Name_Conf = nullptr;
    TLabel* L_Name_Conf_L2 = nullptr;
    // L_Step_1 .. L_Step_8 (steps 1 to 5 shown).
    std::array<TLabel*, 8> L_Step{};
    TLabel* L_Morvellan = nullptr;  // the maker's home page
    TLinkLabel* LL_Update = nullptr;
    TShape* Shape1 = nullptr;  // the line under the steps

    // Tool buttons.
    TLbButton* Btn_Info = nullptr;
    TLbButton* Btn_Opz = nullptr;
    TLbButton* Btn_Close = nullptr;
    // The steps of this model.
    TLbButton* Btn_New = nullptr;
    TLbButton* Btn_Open = nullptr;
    TLbButton* Btn_Prm_Gen = nullptr;
    TLbButton* Btn_EtherCAT_Set_Group = nullptr;
    TLbButton* Btn_EtherCAT_Set_Access = nullptr;
    TLbButton* Btn_EtherCAT_ESI_File = nullptr;
    TLbButton* Btn_CreateBin = nullptr;
    // The entries of the gateway family's other protocols, hidden here.
    TLbButton* Btn_Modbus_Set_Access = nullptr;
    TLbButton* Btn_BACnet_SetAccess = nullptr;
    TLbButton* Btn_BACnet_EDE_File = nullptr;
    TLbButton* Btn_CAN_Rec_Frame = nullptr;
    TLbButton* Btn_CAN_Send_Frame = nullptr;
    TLbButton* Btn_SDO_Server_CANopen = nullptr;
    TLbButton* Btn_SDO_Client_CANopen = nullptr;
    TLbButton* Btn_PDO_CANopen = nullptr;
    TLbButton* Btn_CANopen_EDS = nullptr;
    TLbButton* Btn_DNet_Net = nullptr;
    TLbButton* Btn_DNet_Offset = nullptr;
    TLbButton* Btn_DMX_Default = nullptr;
    TLbButton* Btn_IEC61850_Client = nullptr;
    TLbButton* Btn_IEC61850_Access = nullptr;
    TLbButton* Btn_TLS_List_Certificates = nullptr;
    TLbButton* Btn_MQTT_Set_Topic = nullptr;
    TLbButton* Btn_SNMP_Trap = nullptr;
    TLbButton* Btn_SNMP_MIB = nullptr;
    TLbButton* Btn_SNMP_Manager_Access = nullptr;
    TLbButton* Btn_OPC_UA_Client_Access = nullptr;
    TLbButton* Btn_OPC_UA_Server_Access = nullptr;
    TLbButton* Btn_PROFINET_XML = nullptr;
    TLbButton* Btn_EtherNetIP_Access = nullptr;
    TLbButton* Btn_S7_Protocol_Access = nullptr;

    // The update check: disabled, 60000 ms until its first tick.
    TTimer* Timer_Update = nullptr;
    // Save dialogs of the description-file writers.
    TSaveDialog* SD1 = nullptr;      // BACnet EDE file, "CSV (MS-DOS) (*.csv)|*.csv"
    TSaveDialog* SaveEDS = nullptr;  // CANopen EDS file
    TSaveDialog* SaveMIB = nullptr;  // SNMP MIB file
    TSaveDialog* SaveESI = nullptr;  // EtherCAT ESI file (step 4)

    // The program-wide state: the directories beside the executable
    // (created when missing), the settings, the update timer, the identity
    // texts, the text table, the last configuration when its directory
    // still exists (else none is open and the remembered name is kept),
    // the texts, the rule-table paths.
    void FormCreate(TObject* Sender);
    // Saves the settings (an error box when the file cannot be written; the
    // window closes anyway).
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The one click handler of the 34 buttons. New, Open, Close,
    // Information and Options act at any time; every other button shows
    // error 18 while no configuration is open, and otherwise shows its
    // dialog or runs its action.
    void Btn_Click(TObject* Sender);
    // The captions and hints from the text table, the step labels and the
    // open-configuration lines. L_SW_Code, L_SW_Desc, LL_Update,
    // L_Morvellan and Btn_EtherCAT_ESI_File keep their texts.
    void Set_Lang();
    // Has every dialog but the About box apply its texts, in a fixed order
    // (this window first).
    void Change_Language();
    // The open-configuration lines: text 11 and the name while one is open,
    // else texts 9 and 10.
    void Show_Open_Configuration();
    // Step 1: the new and open configuration dialogs.
    void Create_New_Project();
    void Open_Project();
    // Step 4: the ESI file through SaveESI, asking before overwriting.
    void Write_EtherCAT_ESI();
    // Step 5: compiles the configuration images and writes them into the
    // configuration's bin folder; a failure is shown and ends the step;
    // then the device-update dialog (for an update over the network).
    void Update_Device();
    // The writer entries of the hidden buttons.
    void PROFINET_XML();
    void Build_EDS_File();
    void BACnet_EDE_File();
    // The BACnet type of the open configuration's communication parameters
    // (element BACnet_Type of ParGen.xml); 0 when missing or not a number.
    int Get_Type_BACnet() const;
    // Timer_Update on exactly when the internet connection and the update
    // check are both allowed.
    void Set_Update_Timer();
    // The update check: disables the timer, asks the maker's server, shows
    // or hides LL_Update, then runs again every 2 hours.
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const String& Link, TSysLinkType LinkType);
    void L_MorvellanClick(TObject* Sender);

    // The 34 buttons Btn_Click serves, in dispatch order.
    std::vector<TLbButton*> Buttons() const;
};

extern TFTessaraneFirmWare* FTessaraneFirmWare;

// The BACnet EDE file name the user confirmed, with ".csv" appended unless
// its last four characters, upper-cased, are ".CSV".
String EDE_File_Name(const String& Chosen);
