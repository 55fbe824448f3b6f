#pragma once
// The device-update dialog (TFBoot), shown by step 5 after the configuration
// images are written. The user enters the gateway's address and what to
// update; "Execute Update Firmware" checks with echo requests that the
// address answers, writes the update job beside the executable, remembers
// the choices and runs the external updater.
//
// The echo procedure runs from a 10 ms timer, so the window stays live while
// it pings; the update button and closing are blocked until it ends.
#include <functional>
#include <memory>

#include "config/update/Ping_Procedure.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/timers.h"

class TLbButton;

// Name of the external update program beside the executable.
extern const char* const Update_Program_File_Name;  // "Ethernet_Update.exe"

class TFBoot : public TForm {
public:
    explicit TFBoot(TComponent* AOwner);

    // The update path the dialog is laid out for: 0 serial port, 1 network,
    // 2 USB. 0 at creation; the main window sets 1 before every show.
    int Form_Type = 0;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_IP_Address = nullptr;
    TLabel* L_IP_Address = nullptr;
    TEdit* E_IP1 = nullptr;
    TEdit* E_IP2 = nullptr;
    TEdit* E_IP3 = nullptr;
    TEdit* E_IP4 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TPanel* P_Options = nullptr;
    TLabel* L_Update_Option = nullptr;
    TComboBox* CB_Update_Options = nullptr;
    TCheckBox* CB_Update_Option_Read_Back = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_Cancel = nullptr;
    TLbButton* Btn_Update = nullptr;
    // Drives the echo procedure every 10 ms while it runs.
    TTimer* Ping_Timer = nullptr;

    // Applies the dialog's texts from the text table: the caption and the
    // description by Form_Type (texts 1200..1205), the controls' captions
    // and hints, and the option list anew (item 0 selected). Runs at
    // creation, at every show and on a language change.
    void Set_Lang();
    // Every show: texts, the layout for Form_Type, the address edits from
    // Last_IP_Address, the options from Update_Option and Read_Back.
    void FormShow(TObject* Sender);
    // "." in an octet edit moves to the next one and is swallowed.
    void KeyPress(TObject* Sender, QChar& Key);
    // Checks the address and starts the echo procedure; the update follows
    // when the device answered. Ignored while the procedure runs.
    void Btn_UpdateClick(TObject* Sender);

    // True while the echo procedure runs.
    bool Pinging() const { return ping_ != nullptr; }

    // Makes the echo socket for each update (a real ICMP socket); tests put
    // a scripted one in its place.
    static std::function<std::unique_ptr<TEcho_Socket>()> Make_Echo_Socket;

private:
    void Build_Controls();
    void Ping_Tick();
    void Ping_Finished(TPing_Procedure::TState State);
    void Run_Update();

    std::unique_ptr<TPing_Procedure> ping_;
    uint32_t address_ = 0;
    String address_text_;  // the checked address, without leading zeros
};

extern TFBoot* FBoot;
