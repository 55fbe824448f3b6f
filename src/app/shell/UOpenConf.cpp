#include "app/shell/UOpenConf.h"

#include "app/core/Configurations.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FOpenConf"), true);
    SetClientWidth(377);
    SetClientHeight(351);
    const TDialog_Title title = Add_Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = Place_Control<TLabel>(this, this, "Label1", 16, 77, 0, 0);
    ListBox1 = Place_Control<TListBox>(this, this, "ListBox1", 16, 93, 345, 210);
    ListBox1->SetAnchors({akLeft, akTop, akRight, akBottom});
    ListBox1->SetTabOrder(0);
    P_Button = Add_Button_Panel(*this);
    P_Button->SetTabOrder(1);
    Btn_OK = Add_Button(*this, P_Button, "Btn_OK", 141, 6, "dlg_ok");
    Btn_OK->SetAnchors({akRight, akTop});
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = Add_Button(*this, P_Button, "Btn_Cancel", 259, 6, "dlg_cancel");
    Btn_Cancel->SetAnchors({akRight, akTop});
    Btn_Cancel->SetModalResult(mrCancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };
    Loaded();
}

void TFOpenConf::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration() { SL = List_Configurations(Projects_Dir); }

int TFOpenConf::Search_Open_Conf(const String& Name) const
{
    const String wanted = UpperCase(Name);
    for (int i = 0; i < SL.size(); ++i)
        if (UpperCase(SL[i]) == wanted)
            return i;
    return -1;
}

void TFOpenConf::FormShow(TObject*)
{
    Load_Existing_Configuration();
    ListBox1->Items().Assign(SL);
    // The open configuration's name: Project_Dir below Projects_Dir.
    String open;
    const String prefix = Projects_Dir + QLatin1Char('/');
    if (!Project_Dir.isEmpty() && Project_Dir.startsWith(prefix))
        open = Project_Dir.mid(prefix.size());
    int index = open.isEmpty() ? -1 : Search_Open_Conf(open);
    if (index < 0 && !SL.isEmpty())
        index = 0;
    ListBox1->SetItemIndex(index);
    Name_Conf = index >= 0 ? SL[index] : String();
}

void TFOpenConf::ListBox1Click(TObject*)
{
    if (ListBox1->ItemIndex() >= 0)
        Name_Conf = ListBox1->Items()[ListBox1->ItemIndex()];
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang_Text(200));
    L_SW_Desc->SetCaption(Lang_Text(201));
    Label1->SetCaption(Lang_Text(202));
    Btn_OK->SetCaption(Lang_Text(203));
    Btn_OK->SetHint(Lang_Text(206));
    Btn_Cancel->SetCaption(Lang_Text(204));
    Btn_Cancel->SetHint(Lang_Text(207));
    ListBox1->SetHint(Lang_Text(205));
}
