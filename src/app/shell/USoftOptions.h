#pragma once
// The software options: the language (chosen among the language files of
// Language_Dir, six to a page with a flag each), the internet connection and
// update check options with a manual check, and two table options. The same
// module holds the version check the main window's update timer runs.
#include <QStringList>

#include <array>

#include "controls/button/LbButton.h"
#include "platform/gui/comctrls.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"
#include "platform/net/http.h"

class TFSoftOptions : public TForm {
public:
    explicit TFSoftOptions(TComponent* AOwner);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPageControl* PC_Options = nullptr;
    TTabSheet* TS_Language = nullptr;
    TTabSheet* TS_Con_Options = nullptr;
    TTabSheet* TS_Soft_Settings = nullptr;
    // Language page: the selected language, six slots (flag I_L1..I_L6 with
    // name L_L1..L_L6; 1-3 the left column, 4-6 the right one), the page
    // counter and the page buttons.
    TLabel* L_Sel_Lang = nullptr;
    std::array<TImage*, 6> I_L{};
    std::array<TLabel*, 6> L_L{};
    TLabel* L_Page_Lang = nullptr;
    TLbButton* Btn_Prev = nullptr;
    TLbButton* Btn_Next = nullptr;
    // Connection page.
    TCheckBox* CB_En_Con = nullptr;
    TCheckBox* CB_Update = nullptr;
    TLbButton* Btn_Check_Update = nullptr;
    TLinkLabel* LL_Check_Update = nullptr;
    // Table settings page.
    TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    TCheckBox* CB_DoubleClick_Auto_Size = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;      // Btn_OKClick closes with mrOk
    TLbButton* Btn_Cancel = nullptr;  // closes with mrCancel

    // The language files found at the last show (sorted ignoring case), the
    // page shown (from 1) and the language chosen in this dialog.
    QStringList SL_Languages;
    int Show_Page = 1;
    String Language_In_Use;

    void FormCreate(TObject* Sender);
    // Language_In_Use := Language_Name, lists the languages (page 1), hides
    // the check's answer, shows the language page and sets the four boxes
    // from the options.
    void FormShow(TObject* Sender);
    // SL_Languages := the .lng files of Language_Dir (read-only ones too).
    void Create_Lang_List();
    // (C + 5) div 6 for C languages.
    int Page_Count() const;
    // Shows page P: the selected language, "Page P / pages", the page
    // buttons (Prev unless on page 1, Next unless on the last page), and the
    // slots of the page's languages, each with its name (the file name
    // without its last four characters) and its flag: <name>.bmp, else
    // DefaultFlag.bmp, else no picture.
    void Update_Lang_Page(int P);
    // Btn_Prev and Btn_Next: one page back or on, within the pages.
    void Btn_NextClick(TObject* Sender);
    // A slot's flag or name: asks whether to change the language; Yes loads
    // that language's texts (Language_Name itself stays until OK) and has
    // every dialog apply them.
    void LangClick(TObject* Sender);
    // The check boxes' shared click: Update_CheckBox.
    void CB_En_ConClick(TObject* Sender);
    // CB_Update is enabled while CB_En_Con is ticked (a disabled box keeps
    // its mark); Btn_Check_Update while CB_Update is enabled and ticked.
    void Update_CheckBox();
    // Runs the version check and shows its answer in LL_Check_Update.
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const String& Link, TSysLinkType LinkType);
    // Stores the language and the four options, sets the main window's
    // update timer and closes with mrOk.
    void Btn_OKClick(TObject* Sender);
    void Set_Lang();

    // The slot (1..6) a flag or name belongs to, 0 for anything else.
    int Slot_Of(TObject* Sender) const;
};

extern TFSoftOptions* FSoftOptions;

// What the version check sends: the request to the maker's host (port 80,
// 5 s connect and read time-outs). Tests point it at a local server.
THttp_Request& Version_Check_Target();
// True when the maker's server names a newer configurator; every failure
// (no answer, an error or redirect status, a time-out) means no.
bool Check_Version();
