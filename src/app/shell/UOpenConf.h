#pragma once
// Step 1, open configuration: the dialog that lists the configurations of
// Projects_Dir, preselects the open one and returns the chosen name.
#include <QStringList>

#include "controls/button/LbButton.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* AOwner);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TLabel* Label1 = nullptr;
    TListBox* ListBox1 = nullptr;  // anchored on all four sides
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;      // closes with mrOk
    TLbButton* Btn_Cancel = nullptr;  // closes with mrCancel

    // The configuration names found at the last show, in list order.
    QStringList SL;
    // The chosen configuration; the caller reads it after OK. Empty when the
    // list was empty at the last show.
    String Name_Conf;

    // Shows SW_Code, sets the client size and the texts.
    void FormCreate(TObject* Sender);
    // Lists the configurations and preselects the open one, else the first;
    // with an empty list nothing is chosen (Name_Conf empty).
    void FormShow(TObject* Sender);
    // Fills SL with the configurations of Projects_Dir, sorted ignoring case.
    void Load_Existing_Configuration();
    // The index in SL of the first name equal to Name when both are
    // upper-cased (ASCII letters only), -1 when none.
    int Search_Open_Conf(const String& Name) const;
    // Name_Conf := the chosen item.
    void ListBox1Click(TObject* Sender);
    // Texts 200 to 207.
    void Set_Lang();
};

extern TFOpenConf* FOpenConf;
