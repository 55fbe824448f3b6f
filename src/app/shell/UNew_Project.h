#pragma once
// Step 1, new configuration: the dialog that takes the name of a new
// configuration, creates its directory (with its "bin" folder) in
// Projects_Dir and makes it the open configuration.
#include "controls/button/LbButton.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* AOwner);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* E_New_Proj = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;      // no modal result: Btn_OKClick decides
    TLbButton* Btn_Cancel = nullptr;  // closes with mrCancel

    // Shows SW_Code, sets the client size and the texts.
    void FormCreate(TObject* Sender);
    // Empties the name field and gives it the focus.
    void FormShow(TObject* Sender);
    // Enter in the name field acts as OK.
    void E_New_ProjKeyPress(TObject* Sender, QChar& Key);
    // Takes the field's text verbatim as the name: a name that is not a
    // single directory name (error 107), an existing configuration, letter
    // case ignored (106), or a directory that cannot be created (105) keeps
    // the dialog open with the name in the field and nothing created.
    // Otherwise the configuration is created and opened (Project_Name,
    // Project_Dir, the rule-table paths) and the dialog closes with mrOk.
    void Btn_OKClick(TObject* Sender);
    // Texts 100 to 110.
    void Set_Lang();
};

extern TFNew_Project* FNew_Project;
