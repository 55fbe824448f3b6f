#include "app/shell/UNew_Project.h"

#include "app/core/Configurations.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"
#include "platform/gui/dialogs.h"
#include "platform/os/files.h"

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FNew_Project"));
    SetClientWidth(331);
    SetClientHeight(162);
    const TDialog_Title title = Add_Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = Place_Control<TLabel>(this, this, "Label1", 16, 78, 0, 0);
    E_New_Proj = Place_Control<TEdit>(this, this, "E_New_Proj", 16, 94, 299, 21);
    E_New_Proj->SetTabOrder(0);
    P_Button = Add_Button_Panel(*this);
    P_Button->SetTabOrder(1);
    Btn_OK = Add_Button(*this, P_Button, "Btn_OK", 95, 6, "dlg_ok");
    Btn_Cancel = Add_Button(*this, P_Button, "Btn_Cancel", 213, 6, "dlg_cancel");
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    E_New_Proj->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_New_ProjKeyPress(Sender, Key); };
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Loaded();
}

void TFNew_Project::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*)
{
    E_New_Proj->SetText(String());
    E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, QChar& Key)
{
    if (Key == QChar(13)) {
        Key = QChar();
        Btn_OKClick(Sender);
    }
}

void TFNew_Project::Btn_OKClick(TObject*)
{
    const String name = E_New_Proj->Text();
    int error = Check_New_Configuration_Name(name, Projects_Dir);
    if (error == 0)
        error = Create_Configuration(name, Projects_Dir);
    if (error != 0) {
        MessageDlg(Lang_Text(error), mtError, {mbOK});
        return;
    }
    Project_Name = name;
    Project_Dir = Path_Join(Projects_Dir, name);
    Set_Files();
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang_Text(100));
    L_SW_Desc->SetCaption(Lang_Text(101));
    Label1->SetCaption(Lang_Text(102));
    Btn_OK->SetCaption(Lang_Text(103));
    Btn_OK->SetHint(Lang_Text(109));
    Btn_Cancel->SetCaption(Lang_Text(104));
    Btn_Cancel->SetHint(Lang_Text(110));
    E_New_Proj->SetHint(Lang_Text(108));
}
