#include "config/dialogs/UBoot.h"

#include "app/core/Helpers.h"
#include "app/core/Program_Runner.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"
#include "config/update/Update_Job.h"
#include "platform/gui/dialogs.h"
#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

const char* const Update_Program_File_Name = "Ethernet_Update.exe";

TFBoot* FBoot = nullptr;

std::function<std::unique_ptr<TEcho_Socket>()> TFBoot::Make_Echo_Socket = [] {
    return Make_Icmp_Echo_Socket(TEcho_Kind::Any);
};

namespace {

constexpr int Client_Width = 449;
constexpr int Title_Height = 69;
constexpr int Address_Height = 64;
constexpr int Options_Height = 64;
constexpr int Button_Band_Height = 40;
constexpr int Ping_Interval_Ms = 10;

constexpr int Octet_Width = 55;
constexpr int Octet_Lefts[4] = {16, 82, 148, 214};

// Text numbers of the controls that carry texts (-1: none).
struct TText_Row {
    const char* Control;
    int Caption;
    int Hint;
};
const TText_Row kTexts[] = {
    {"L_IP_Address", 1206, -1},
    {"E_IP1", -1, 1221},
    {"E_IP2", -1, 1222},
    {"E_IP3", -1, 1223},
    {"E_IP4", -1, 1224},
    {"L_Update_Option", 1214, -1},
    {"CB_Update_Options", -1, 1232},
    {"CB_Update_Option_Read_Back", 1218, 1233},
    {"Btn_Cancel", 1219, 1234},
    {"Btn_Update", 1220, 1235},
};

// An octet: decimal digits only (leading zeros allowed), 0 to 255.
bool Octet(const String& Text, uint32_t& Value)
{
    if (Text.isEmpty() || Text.size() > 8)
        return false;
    Value = 0;
    for (QChar c : Text) {
        if (c < u'0' || c > u'9')
            return false;
        Value = Value * 10 + uint32_t(c.unicode() - u'0');
    }
    return Value <= 255;
}

void Show_Message(int Text, TMsgDlgType Kind, const String& Detail = {})
{
    MessageDlg(Lang_Text(Text) + Detail, Kind, TMsgDlgButtons{mbOK});
}

}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FBoot"));
    Build_Controls();
    SetClientWidth(Client_Width);
    SetClientHeight(Title_Height + Address_Height + Options_Height + Button_Band_Height);
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnCloseQuery = [this](TObject*, bool& CanClose) { CanClose = !Pinging(); };
    Set_Lang();
    Loaded();
}

void TFBoot::Build_Controls()
{
    const TDialog_Title title = Add_Title_Panel(*this, Title_Height);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    P_Title->SetTabOrder(0);

    P_IP_Address = Place_Control<TPanel>(this, this, "P_IP_Address", 0, Title_Height, Client_Width, Address_Height);
    P_IP_Address->SetAlign(alTop);
    P_IP_Address->SetBevelOuter(bvNone);
    P_IP_Address->SetParentColor(true);
    P_IP_Address->SetCaption("");
    P_IP_Address->SetTabOrder(1);
    L_IP_Address = Place_Control<TLabel>(this, P_IP_Address, "L_IP_Address", 16, 8, 0, 0);
    TEdit** edits[4] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    TLabel** dots[3] = {&Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        const std::string name = "E_IP" + std::to_string(i + 1);
        TEdit* e = Place_Control<TEdit>(this, P_IP_Address, name.c_str(), Octet_Lefts[i], 28, Octet_Width, 21);
        e->SetText("0");
        e->SetTabStop(true);
        e->SetTabOrder(i);
        e->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
        *edits[i] = e;
        if (i < 3) {
            const std::string dot = "Label" + std::to_string(i + 2);
            *dots[i] = Place_Control<TLabel>(this, P_IP_Address, dot.c_str(), Octet_Lefts[i] + Octet_Width + 4, 31,
                                             0, 0);
            (*dots[i])->SetCaption(".");
        }
    }

    P_Options = Place_Control<TPanel>(this, this, "P_Options", 0, Title_Height + Address_Height, Client_Width,
                                      Options_Height);
    P_Options->SetAlign(alTop);
    P_Options->SetBevelOuter(bvNone);
    P_Options->SetParentColor(true);
    P_Options->SetCaption("");
    P_Options->SetTabOrder(3);
    L_Update_Option = Place_Control<TLabel>(this, P_Options, "L_Update_Option", 16, 8, 0, 0);
    CB_Update_Options = Place_Control<TComboBox>(this, P_Options, "CB_Update_Options", 16, 28, 250, 21);
    CB_Update_Options->SetStyle(csDropDownList);
    CB_Update_Options->SetTabStop(true);
    CB_Update_Options->SetTabOrder(0);
    CB_Update_Option_Read_Back =
        Place_Control<TCheckBox>(this, P_Options, "CB_Update_Option_Read_Back", 290, 30, 140, 17);
    CB_Update_Option_Read_Back->SetTabStop(true);
    CB_Update_Option_Read_Back->SetTabOrder(1);

    P_Button = Add_Button_Panel(*this, Button_Band_Height);
    P_Button->SetTabOrder(4);
    Btn_Cancel = Add_Button(*this, P_Button, "Btn_Cancel", 98, 6, "dlg_cancel");
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Cancel->SetCancel(true);
    Btn_Cancel->SetTabOrder(0);
    Btn_Update = Add_Button(*this, P_Button, "Btn_Update", 216, 6, "dlg_check_update", 220);
    Btn_Update->SetTabOrder(1);
    Btn_Update->OnClick = [this](TObject* Sender) { Btn_UpdateClick(Sender); };

    Ping_Timer = new TTimer(this);
    Ping_Timer->SetName("Ping_Timer");
    Ping_Timer->SetEnabled(false);
    Ping_Timer->SetInterval(Ping_Interval_Ms);
    Ping_Timer->OnTimer = [this](TObject*) { Ping_Tick(); };
}

void TFBoot::Set_Lang()
{
    const int type = Form_Type >= 0 && Form_Type <= 2 ? Form_Type : 0;
    SetCaption(Lang_Text(1200 + 2 * type));
    L_SW_Desc->SetCaption(Lang_Text(1201 + 2 * type));
    for (const TText_Row& r : kTexts) {
        auto* c = dynamic_cast<TControl*>(FindComponent(QString::fromLatin1(r.Control)));
        if (!c)
            continue;
        if (r.Caption >= 0)
            c->SetCaption(Lang_Text(r.Caption));
        if (r.Hint >= 0)
            c->SetHint(Lang_Text(r.Hint));
    }
    CB_Update_Options->Items().Clear();
    for (int n = 1215; n <= 1217; ++n)
        CB_Update_Options->Items().Add(Lang_Text(n));
    CB_Update_Options->SetItemIndex(0);
}

void TFBoot::FormShow(TObject*)
{
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    // Only the network path is ever shown; the others show no panel.
    const bool network = Form_Type == 1;
    P_IP_Address->SetVisible(network);
    P_Options->SetVisible(network || Form_Type == 0);
    int height = P_Title->Height() + P_Button->Height();
    if (P_IP_Address->Visible())
        height += P_IP_Address->Height();
    if (P_Options->Visible())
        height += P_Options->Height();
    SetClientWidth(Client_Width);
    SetClientHeight(height);

    String a, b, c, d;
    if (!Last_IP_Address.isEmpty() && Split_IP_Address(Last_IP_Address, a, b, c, d)) {
        E_IP1->SetText(a);
        E_IP2->SetText(b);
        E_IP3->SetText(c);
        E_IP4->SetText(d);
    }
    CB_Update_Options->SetItemIndex(Update_Option);
    CB_Update_Option_Read_Back->SetChecked(Read_Back);
    if (E_IP1->CanFocus())
        E_IP1->SetFocus();
}

void TFBoot::KeyPress(TObject* Sender, QChar& Key)
{
    if (Key != u'.')
        return;
    Key = QChar();
    TEdit* next = nullptr;
    if (Sender == E_IP1)
        next = E_IP2;
    else if (Sender == E_IP2)
        next = E_IP3;
    else if (Sender == E_IP3)
        next = E_IP4;
    if (next && next->CanFocus())
        next->SetFocus();
}

void TFBoot::Btn_UpdateClick(TObject*)
{
    if (Pinging())
        return;
    if (Form_Type == 0) {
        // The serial path only remembers the choices.
        Update_Option = CB_Update_Options->ItemIndex();
        Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    if (Form_Type != 1)
        return;

    // Four decimal octets, checked before anything is sent.
    uint32_t address = 0;
    for (const TEdit* e : {E_IP1, E_IP2, E_IP3, E_IP4}) {
        uint32_t octet = 0;
        if (!Octet(e->Text(), octet)) {
            Show_Message(1237, mtError);
            return;
        }
        address = (address << 8) | octet;
    }
    address_ = address;
    address_text_ = IPv4_To_Str(address);

    ping_ = std::make_unique<TPing_Procedure>(Make_Echo_Socket ? Make_Echo_Socket() : nullptr);
    const TPing_Procedure::TState state = ping_->Start(address_, address_text_.toLatin1(), Clock().Now());
    if (ping_->Finished()) {
        Ping_Finished(state);
        return;
    }
    Btn_Update->SetEnabled(false);
    Btn_Cancel->SetEnabled(false);
    Ping_Timer->SetEnabled(true);
}

void TFBoot::Ping_Tick()
{
    if (!ping_) {
        Ping_Timer->SetEnabled(false);
        return;
    }
    const TPing_Procedure::TState state = ping_->Poll(Clock().Now());
    if (ping_->Finished())
        Ping_Finished(state);
}

void TFBoot::Ping_Finished(TPing_Procedure::TState State)
{
    Ping_Timer->SetEnabled(false);
    ping_.reset();
    Btn_Update->SetEnabled(true);
    Btn_Cancel->SetEnabled(true);
    switch (State) {
    case TPing_Procedure::Reply_With_Data:
        Run_Update();
        break;
    case TPing_Procedure::No_Reply:
        Show_Message(1236, mtWarning);
        break;
    default:
        Show_Message(1237, mtError);
        break;
    }
}

void TFBoot::Run_Update()
{
    TUpdate_Job job;
    job.IP_Address = address_text_;
    job.Update_Option = CB_Update_Options->ItemIndex();
    job.Read_Back = CB_Update_Option_Read_Back->Checked();
    job.Master_Dir = Master_Dir;
    job.Project_Dir = Project_Dir;
    try {
        Compile_XML_Parameter_New_Boot(job, Path_Join(Exe_Dir, QString::fromLatin1(Update_Job_File_Name)));
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, TMsgDlgButtons{mbOK});
        return;
    }
    // Remembered only once the job is written.
    Last_IP_Address = address_text_;
    Update_Option = job.Update_Option;
    Read_Back = job.Read_Back;

    // The updater's exit code and a time-out are not reported; the window
    // repaints while it runs but takes no input.
    const Process_Result r =
        Start_Program(Path_Join(Exe_Dir, QString::fromLatin1(Update_Program_File_Name)), String(), 0,
                      Start_Program_Timeout_Ms, [this] { Update(); });
    if (r.kind == Process_Result::Not_Started)
        Show_Message(1129, mtError, r.error);
}
