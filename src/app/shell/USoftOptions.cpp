#include "app/shell/USoftOptions.h"

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/core/Version_Check.h"
#include "app/look/Dialog_Look.h"
#include "app/shell/Maker_Site.h"
#include "app/shell/UTessaraneFirmWare.h"
#include "platform/gui/dialogs.h"
#include "platform/os/files.h"
#include "platform/os/shell.h"

TFSoftOptions* FSoftOptions = nullptr;

namespace {

// Restores Language_Name when it goes out of scope.
class Language_Name_Keeper {
public:
    Language_Name_Keeper() : saved_(Language_Name) {}
    ~Language_Name_Keeper() { Language_Name = saved_; }
    Language_Name_Keeper(const Language_Name_Keeper&) = delete;
    Language_Name_Keeper& operator=(const Language_Name_Keeper&) = delete;

private:
    String saved_;
};

String Link_Caption(const String& Url, const String& Text)
{
    return QStringLiteral("<a href=\"") + Url + QStringLiteral("\">") + Text + QStringLiteral("</a>");
}

}  // namespace

THttp_Request& Version_Check_Target()
{
    static THttp_Request request = Version_Check_Request(QString::fromLatin1(Maker_Host));
    return request;
}

bool Check_Version() { return Check_Version(Version_Check_Target()); }

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FSoftOptions"));
    SetClientWidth(509);
    SetClientHeight(373);
    const TDialog_Title title = Add_Title_Panel(*this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    PC_Options = Place_Control<TPageControl>(this, this, "PC_Options", 8, 77, 493, 248);
    PC_Options->SetTabOrder(0);
    auto page = [this](const char* Name) {
        auto* sheet = new TTabSheet(this);
        sheet->SetName(QString::fromLatin1(Name));
        sheet->SetPageControl(PC_Options);
        sheet->SetColor(Dialog_Color);
        return sheet;
    };
    TS_Language = page("TS_Language");
    TS_Con_Options = page("TS_Con_Options");
    TS_Soft_Settings = page("TS_Soft_Settings");

    // Language page.
    L_Sel_Lang = Place_Control<TLabel>(this, TS_Language, "L_Sel_Lang", 16, 8, 0, 0);
    L_Sel_Lang->Font().SetStyle({fsBold});
    for (int n = 0; n < 6; ++n) {
        const int left = n < 3 ? 16 : 250;
        const int top = 30 + (n % 3) * 54;
        const QByteArray image = "I_L" + QByteArray::number(n + 1);
        const QByteArray label = "L_L" + QByteArray::number(n + 1);
        I_L[n] = Place_Control<TImage>(this, TS_Language, image.constData(), left, top, 48, 48);
        I_L[n]->SetStretch(true);
        I_L[n]->SetProportional(true);
        I_L[n]->SetCenter(true);
        I_L[n]->SetCursor(crHandPoint);
        I_L[n]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
        L_L[n] = Place_Control<TLabel>(this, TS_Language, label.constData(), left + 58, top + 17, 0, 0);
        L_L[n]->SetCursor(crHandPoint);
        L_L[n]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    }
    L_Page_Lang = Place_Control<TLabel>(this, TS_Language, "L_Page_Lang", 16, 196, 0, 0);
    Btn_Prev = Add_Button(*this, TS_Language, "Btn_Prev", 250, 189, "dlg_prev");
    Btn_Next = Add_Button(*this, TS_Language, "Btn_Next", 368, 189, "dlg_next");
    Btn_Prev->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
    Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };

    // Connection page.
    CB_En_Con = Place_Control<TCheckBox>(this, TS_Con_Options, "CB_En_Con", 16, 16, 450, 17);
    CB_Update = Place_Control<TCheckBox>(this, TS_Con_Options, "CB_Update", 16, 42, 450, 17);
    Btn_Check_Update = Add_Button(*this, TS_Con_Options, "Btn_Check_Update", 16, 76, "dlg_check_update", 190);
    LL_Check_Update = Place_Control<TLinkLabel>(this, TS_Con_Options, "LL_Check_Update", 16, 118, 0, 0);
    LL_Check_Update->SetVisible(false);
    Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
    LL_Check_Update->OnLinkClick = [this](TObject* Sender, const String& Link, TSysLinkType Type) {
        LL_Check_UpdateLinkClick(Sender, Link, Type);
    };

    // Table settings page.
    CB_Soft_Set_Jump_Table = Place_Control<TCheckBox>(this, TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 16, 16, 460, 17);
    CB_DoubleClick_Auto_Size =
        Place_Control<TCheckBox>(this, TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 16, 42, 460, 17);
    for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        box->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };

    P_Button = Add_Button_Panel(*this);
    P_Button->SetTabOrder(1);
    Btn_OK = Add_Button(*this, P_Button, "Btn_OK", 273, 6, "dlg_ok");
    Btn_Cancel = Add_Button(*this, P_Button, "Btn_Cancel", 391, 6, "dlg_cancel");
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Loaded();
}

void TFSoftOptions::FormCreate(TObject*)
{
    SL_Languages.clear();
    L_SW_Code->SetCaption(SW_Code);
    TS_Con_Options->SetTabVisible(true);
    Set_Lang();
}

void TFSoftOptions::FormShow(TObject*)
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Opt_Enable_Internet);
    CB_Update->SetChecked(Opt_Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Opt_Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages = List_Files(Language_Dir, QStringLiteral(".lng"));
    Show_Page = 1;
    Update_Lang_Page(Show_Page);
}

int TFSoftOptions::Page_Count() const { return (int(SL_Languages.size()) + 5) / 6; }

void TFSoftOptions::Update_Lang_Page(int P)
{
    const int count = int(SL_Languages.size());
    const int pages = Page_Count();
    L_Sel_Lang->SetCaption(Lang_Text(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Text(305) + QString::number(P) + Lang_Text(306) + QString::number(pages));
    Btn_Prev->SetVisible(P != 1);
    Btn_Next->SetVisible(P != pages);
    const int shown = std::min(6, count - 6 * (P - 1));
    for (int n = 1; n <= 6; ++n) {
        TImage* image = I_L[n - 1];
        TLabel* label = L_L[n - 1];
        if (n > shown) {
            image->SetVisible(false);
            label->SetVisible(false);
            continue;
        }
        const String name = SL_Languages[6 * (P - 1) + n - 1].chopped(4);
        label->SetCaption(name);
        label->SetVisible(true);
        String flag = Path_Join(Language_Dir, name + QStringLiteral(".bmp"));
        if (!File_Exists(flag))
            flag = Path_Join(Language_Dir, QStringLiteral("DefaultFlag.bmp"));
        bool shownFlag = false;
        if (File_Exists(flag)) {
            try {
                image->Picture().LoadFromFile(flag);
                shownFlag = true;
            } catch (const Exception&) {
                // An unreadable picture: the slot shows its name alone.
            }
        }
        if (!shownFlag)
            image->Picture().SetGraphic(nullptr);
        image->SetVisible(shownFlag);
    }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    if (Sender == Btn_Next && Show_Page + 1 <= Page_Count())
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page >= 2)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

int TFSoftOptions::Slot_Of(TObject* Sender) const
{
    for (int n = 0; n < 6; ++n)
        if (Sender == I_L[n] || Sender == L_L[n])
            return n + 1;
    return 0;
}

void TFSoftOptions::LangClick(TObject* Sender)
{
    const int slot = Slot_Of(Sender);
    const int index = 6 * (Show_Page - 1) + slot - 1;
    if (slot == 0 || index >= SL_Languages.size())
        return;
    const String name = SL_Languages[index].chopped(4);
    const String question = Lang_Text(316) + Language_In_Use + Lang_Text(317) + name + Lang_Text(318);
    if (MessageDlg(question, mtConfirmation, mbYesNo) != mrYes)
        return;
    Language_In_Use = name;
    {
        // The choice becomes the settings' language only with OK.
        Language_Name_Keeper keep;
        Language_Name = name;
        Load_Language();
    }
    if (FTessaraneFirmWare)
        FTessaraneFirmWare->Change_Language();
    else
        Set_Lang();
    L_Sel_Lang->SetCaption(Lang_Text(304) + Language_In_Use);
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*)
{
    if (Check_Version())
        LL_Check_Update->SetCaption(Link_Caption(Maker_Download_Url(), Lang_Text(314)));
    else
        LL_Check_Update->SetCaption(Lang_Text(315));
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const String& Link, TSysLinkType) { Shell_Open(Link); }

void TFSoftOptions::Btn_OKClick(TObject*)
{
    Language_Name = Language_In_Use;
    Opt_Enable_Internet = CB_En_Con->Checked();
    Opt_Enable_Update = CB_Update->Checked();
    Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    if (FTessaraneFirmWare)
        FTessaraneFirmWare->Set_Update_Timer();
    SetModalResult(mrOk);
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Lang_Text(300));
    L_SW_Desc->SetCaption(Lang_Text(301));
    TS_Language->SetCaption(Lang_Text(302));
    TS_Con_Options->SetCaption(Lang_Text(303));
    TS_Soft_Settings->SetCaption(Lang_Text(319));
    L_Sel_Lang->SetCaption(Lang_Text(304));
    L_Page_Lang->SetCaption(Lang_Text(305) + QStringLiteral("1") + Lang_Text(306) + QStringLiteral("1"));
    Btn_Prev->SetCaption(Lang_Text(307));
    Btn_Next->SetCaption(Lang_Text(308));
    CB_En_Con->SetCaption(Lang_Text(309));
    CB_Update->SetCaption(Lang_Text(310));
    Btn_Check_Update->SetCaption(Lang_Text(311));
    Btn_OK->SetCaption(Lang_Text(312));
    Btn_Cancel->SetCaption(Lang_Text(313));
    CB_Soft_Set_Jump_Table->SetCaption(Lang_Text(320));
    CB_DoubleClick_Auto_Size->SetCaption(Lang_Text(321));
}
