#include "app/shell/UTessaraneFirmWare.h"

#include "app/core/Settings.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"
#include "app/shell/Maker_Site.h"
#include "app/shell/UAbout.h"
#include "app/shell/UNew_Project.h"
#include "app/shell/UOpenConf.h"
#include "app/shell/USoftOptions.h"
#include "config/dialogs/UBoot.h"
#include "config/pargen/UParGen.h"
#include "config/image/USaveBincc.h"
#include "editors/can/Description_Files.h"
#include "editors/can/UDMXDefVal.h"
#include "editors/can/UDNet.h"
#include "editors/can/UDefOffset.h"
#include "editors/can/UReceiveCAN.h"
#include "editors/can/UReceiveJ1939.h"
#include "editors/can/UReceiveNMEA.h"
#include "editors/can/USet_PDO_Access.h"
#include "editors/can/USet_SDO_Client_Access.h"
#include "editors/can/USet_SDO_Server_Access.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/can/UTransmitJ1939.h"
#include "editors/can/UTransmitNMEA.h"
#include "editors/ethernet/Description_Files.h"
#include "editors/ethernet/UEtherNEtIP_EDS.h"
#include "editors/ethernet/UEtherNetIP_Master_Access.h"
#include "editors/ethernet/UIEC61850_Variables.h"
#include "editors/ethernet/UIEC_61850_Access.h"
#include "editors/ethernet/UMQTT_Set_Topic.h"
#include "editors/ethernet/UOPC_UA_Add_Server.h"
#include "editors/ethernet/UOPC_UA_Client_Access.h"
#include "editors/ethernet/UOPC_UA_Scan_Server.h"
#include "editors/ethernet/UOPC_UA_Server_Access.h"
#include "editors/ethernet/UProfinetFileName.h"
#include "editors/ethernet/US7_Protocol_Set_Access.h"
#include "editors/ethernet/USNMPManagerAccess.h"
#include "editors/ethernet/USNMP_Trap_Access.h"
#include "editors/ethernet/UTLS_Server_Known_Cert.h"
#include "editors/ethernet/UTopicTemplate.h"
#include "editors/fieldbus/Description_Files.h"
#include "editors/fieldbus/UBACnetAccess.h"
#include "editors/fieldbus/UBACnetSlaveSetAccess.h"
#include "editors/fieldbus/UBACnet_Eng_Unit.h"
#include "editors/fieldbus/UImportEDEFile.h"
#include "editors/fieldbus/UModbus_TCP_Master_Set_Access.h"
#include "editors/fieldbus/USetAccess.h"
#include "ethercat/dialogs/UEtherCATSlave.h"
#include "ethercat/dialogs/UEtherCATSlave_Group.h"
#include "ethercat/esi/UEtherCAT_ESI_File.h"
#include "platform/os/files.h"
#include "platform/os/shell.h"
#include "platform/xml/xml.h"

TFTessaraneFirmWare* FTessaraneFirmWare = nullptr;

const char* const Main_Caption_Text = "Morvellan - Configurator CF48T21 - EtherCAT Slave / Modbus TCP Slave ";

namespace {

String base_dir;

// The update check's intervals: the first check a minute after start, then
// every two hours.
constexpr unsigned First_Check_Interval = 60000;
constexpr unsigned Check_Interval = 7200000;

// Where the step buttons of this model sit and where the hidden ones wait.
constexpr int Step_Left = 80, Step_Right = 258, Hidden_Top = 332;
constexpr int Step_W = 170, Step_H = 36, Tool_Size = 50;

using TButton_Member = TLbButton* TFTessaraneFirmWare::*;

struct TButton_Row {
    const char* Name;
    TButton_Member Member;
    int Caption;        // text number; -1: the fixed caption below
    int Hint;           // text number; -1: none
    const char* Fixed;  // the caption when Caption is -1
    const char* Glyph;
    int Top, Left, Width, Height;
    bool Shown;  // part of this model's steps
    TLbButtonStyle Style = bsEncarta;
    TColor Hot = Button_Hot_Color;
};

#define STEP(name, caption, hint, glyph, top, left) \
    {#name, &TFTessaraneFirmWare::name, caption, hint, nullptr, glyph, top, left, Step_W, Step_H, true}
#define HIDDEN(name, caption, hint) \
    {#name, &TFTessaraneFirmWare::name, caption, hint, nullptr, "step_table", Hidden_Top, Step_Left, Step_W, Step_H, false}
#define TOOL(name, hint, glyph, left) \
    {#name, &TFTessaraneFirmWare::name, -1, hint, "", glyph, 8, left, Tool_Size, Tool_Size, true, bsNormal}

// The 34 buttons in the order Btn_Click compares them.
const TButton_Row Button_Rows[] = {
    {"Btn_New", &TFTessaraneFirmWare::Btn_New, 15, 22, nullptr, "step_new", 112, Step_Left, Step_W, Step_H, true,
     bsEncarta, clSkyBlue},
    {"Btn_Open", &TFTessaraneFirmWare::Btn_Open, 16, 23, nullptr, "step_open", 112, Step_Right, Step_W, Step_H, true,
     bsEncarta, clSkyBlue},
    TOOL(Btn_Close, 14, "tool_close", 632),
    TOOL(Btn_Info, 12, "tool_info", 516),
    TOOL(Btn_Opz, 13, "tool_options", 574),
    {"Btn_Prm_Gen", &TFTessaraneFirmWare::Btn_Prm_Gen, 20, 24, nullptr, "step_parameters", 156, Step_Left, Step_W,
     Step_H, true, bsNormal},
    STEP(Btn_EtherCAT_Set_Access, 21, 25, "step_ethercat", 200, Step_Right),
    STEP(Btn_EtherCAT_Set_Group, 79, 80, "step_ethercat", 200, Step_Left),
    HIDDEN(Btn_Modbus_Set_Access, 27, 28),
    HIDDEN(Btn_BACnet_SetAccess, 29, 30),
    HIDDEN(Btn_BACnet_EDE_File, 31, 32),
    HIDDEN(Btn_CAN_Rec_Frame, 33, 34),
    HIDDEN(Btn_CAN_Send_Frame, 35, 36),
    HIDDEN(Btn_PDO_CANopen, 45, 46),
    HIDDEN(Btn_SDO_Client_CANopen, 43, 44),
    HIDDEN(Btn_SDO_Server_CANopen, 41, 42),
    HIDDEN(Btn_CANopen_EDS, 47, 48),
    HIDDEN(Btn_DNet_Net, 49, 50),
    HIDDEN(Btn_DNet_Offset, 51, 52),
    HIDDEN(Btn_DMX_Default, 53, 54),
    HIDDEN(Btn_IEC61850_Client, 55, 56),
    HIDDEN(Btn_TLS_List_Certificates, 59, 60),
    HIDDEN(Btn_IEC61850_Access, 57, 58),
    HIDDEN(Btn_MQTT_Set_Topic, 61, 62),
    HIDDEN(Btn_OPC_UA_Client_Access, 69, 70),
    HIDDEN(Btn_OPC_UA_Server_Access, 71, 72),
    HIDDEN(Btn_SNMP_Manager_Access, 67, 68),
    HIDDEN(Btn_SNMP_Trap, 63, 64),
    HIDDEN(Btn_SNMP_MIB, 65, 66),
    {"Btn_EtherCAT_ESI_File", &TFTessaraneFirmWare::Btn_EtherCAT_ESI_File, -1, -1, "EtherCAT ESI File", "step_esi",
     244, Step_Left, Step_W, Step_H, true},
    HIDDEN(Btn_PROFINET_XML, 73, 74),
    HIDDEN(Btn_EtherNetIP_Access, 75, 76),
    HIDDEN(Btn_S7_Protocol_Access, 77, 78),
    {"Btn_CreateBin", &TFTessaraneFirmWare::Btn_CreateBin, 17, 26, nullptr, "step_update", 288, Step_Left, Step_W,
     Step_H, true, bsEncarta, clSkyBlue},
};

#undef STEP
#undef HIDDEN
#undef TOOL

// Tab goes through the steps top to bottom, then the tool buttons; the
// hidden entries follow (never reached while hidden).
const TButton_Member Tab_Order[] = {
    &TFTessaraneFirmWare::Btn_New, &TFTessaraneFirmWare::Btn_Open, &TFTessaraneFirmWare::Btn_Prm_Gen,
    &TFTessaraneFirmWare::Btn_EtherCAT_Set_Group, &TFTessaraneFirmWare::Btn_EtherCAT_Set_Access,
    &TFTessaraneFirmWare::Btn_EtherCAT_ESI_File, &TFTessaraneFirmWare::Btn_CreateBin, &TFTessaraneFirmWare::Btn_Info,
    &TFTessaraneFirmWare::Btn_Opz, &TFTessaraneFirmWare::Btn_Close,
};

TLabel* Grey_Label(TFTessaraneFirmWare* Form, const char* Name, int Top, int Left, bool Bold)
{
    auto* l = Place_Control<TLabel>(Form, Form, Name, Left, Top, 0, 0);
    l->Font().SetColor(Label_Grey);
    if (Bold)
        l->Font().SetStyle({fsBold});
    return l;
}

TSaveDialog* Save_Dialog(TFTessaraneFirmWare* Form, const char* Name, const char* Filter, const char* Default_Ext)
{
    auto* d = new TSaveDialog(Form);
    d->SetName(QString::fromLatin1(Name));
    d->SetFilter(QString::fromLatin1(Filter));
    d->SetDefaultExt(QString::fromLatin1(Default_Ext));
    return d;
}

// Saves the settings; tells the user when the file cannot be written.
void Save_Settings_Telling()
{
    String error;
    if (!Save_Setting(&error))
        MessageDlg(Lang_Text(1128) + error, mtError, {mbOK});
}

}  // namespace

String Program_Base_Dir() { return base_dir.isEmpty() ? Executable_Dir() : base_dir; }

void Set_Program_Base_Dir(const String& Dir) { base_dir = Dir; }

String EDE_File_Name(const String& Chosen)
{
    return UpperCase(Chosen.right(4)) == QLatin1String(".CSV") ? Chosen : Chosen + QStringLiteral(".csv");
}

TFTessaraneFirmWare::TFTessaraneFirmWare(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FTessaraneFirmWare"));
    SetClientWidth(694);
    SetClientHeight(440);

    L_SW_Code = Grey_Label(this, "L_SW_Code", 8, 16, false);
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Desc = Grey_Label(this, "L_SW_Desc", 42, 16, true);
    L_Begin = Grey_Label(this, "L_Begin", 84, 16, true);
    Shape2 = Place_Control<TShape>(this, this, "Shape2", 80, 70, 348, 36);
    Shape2->Pen().SetColor(clSilver);
    Shape2->Brush().SetStyle(bsClear);
    L_Name_Conf = Grey_Label(this, "L_Name_Conf", 75, 87, false);
    L_Name_Conf_L2 = Grey_Label(this, "L_Name_Conf_L2", 88, 87, false);
    for (int n = 1; n <= 8; ++n) {
        const QByteArray name = "L_Step_" + QByteArray::number(n);
        L_Step[n - 1] = Grey_Label(this, name.constData(), 128 + 44 * (n - 1), 16, true);
    }
    L_Morvellan = Grey_Label(this, "L_Morvellan", 128 + 44 * 4, 565, true);
    L_Morvellan->SetCaption(QString::fromLatin1(Maker_Host));
    L_Morvellan->SetCursor(crHandPoint);
    L_Morvellan->OnClick = [this](TObject* Sender) { L_MorvellanClick(Sender); };
    LL_Update = Place_Control<TLinkLabel>(this, this, "LL_Update", 208, 19, 0, 0);
    LL_Update->OnLinkClick = [this](TObject* Sender, const String& Link, TSysLinkType Type) {
        LL_UpdateLinkClick(Sender, Link, Type);
    };
    Shape1 = Place_Control<TShape>(this, this, "Shape1", 10, 339, 674, 1);
    Shape1->Pen().SetColor(clSilver);

    for (const TButton_Row& row : Button_Rows) {
        TLbButton* b = Add_Button(*this, this, row.Name, row.Left, row.Top, row.Glyph, row.Width, row.Height, row.Style);
        b->SetHotTrackColor(row.Hot);
        if (row.Width == Step_W)
            b->SetAlignment(taLeftJustify);
        if (row.Caption < 0)
            b->SetCaption(QString::fromLatin1(row.Fixed));
        b->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
        this->*row.Member = b;
    }

    int tab = 0;
    for (TButton_Member m : Tab_Order)
        (this->*m)->SetTabOrder(tab++);
    for (const TButton_Row& row : Button_Rows)
        if (!row.Shown)
            (this->*row.Member)->SetTabOrder(tab++);

    Timer_Update = new TTimer(this);
    Timer_Update->SetName(QStringLiteral("Timer_Update"));
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(First_Check_Interval);
    Timer_Update->OnTimer = [this](TObject* Sender) { Timer_UpdateTimer(Sender); };
    SD1 = Save_Dialog(this, "SD1", "CSV (MS-DOS) (*.csv)|*.csv", "");
    SaveEDS = Save_Dialog(this, "SaveEDS", "Electronic Data Sheet (*.eds)|*.eds", "*.eds");
    SaveMIB = Save_Dialog(this, "SaveMIB", "Management Information Base (*.mib)|*.mib", "*.mib");
    SaveESI = Save_Dialog(this, "SaveESI", ESI_Save_Filter, ESI_Default_Ext);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    Loaded();
}

std::vector<TLbButton*> TFTessaraneFirmWare::Buttons() const
{
    std::vector<TLbButton*> buttons;
    for (const TButton_Row& row : Button_Rows)
        buttons.push_back(this->*row.Member);
    return buttons;
}

void TFTessaraneFirmWare::FormCreate(TObject*)
{
    // The text table stays empty until the language is loaded below.
    Lang_Texts.clear();
    Lang_Count = 0;

    // Layout: the steps of this model shown, the other protocols' entries
    // and the steps this model does not have hidden.
    for (const TButton_Row& row : Button_Rows)
        (this->*row.Member)->SetVisible(row.Shown);
    for (int n = 1; n <= 8; ++n)
        L_Step[n - 1]->SetVisible(n <= 5);
    L_Morvellan->SetVisible(true);
    LL_Update->SetVisible(false);
    Btn_CreateBin->SetBounds(Step_Left, 288, Step_W, Step_H);
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientWidth(694);
    SetClientHeight(Btn_CreateBin->Top() + 152);

    // The program's directories beside the executable; a failure to create
    // one shows later, where a file is written into it.
    Init_Program_State(Program_Base_Dir());
    Force_Directories(Master_Dir);
    Force_Directories(Projects_Dir);
    Force_Directories(Language_Dir);
    Project_Name.clear();
    Read_Back = true;

    Read_Settings();
    Set_Update_Timer();

    Main_Caption = QString::fromLatin1(Main_Caption_Text);
    SW_Code = SW_Code_Init;
    SW_Desc = SW_Desc_Init;
    SetCaption(Main_Caption);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);

    // A language file that cannot be read leaves the built-in texts.
    Load_Language();

    // The last configuration, when its directory is still there; otherwise
    // none is open and the settings keep the remembered name.
    const String last = Path_Join(Projects_Dir, Project_Name);
    if (!Project_Name.isEmpty() && Directory_Exists(last))
        Project_Dir = last;
    else
        Project_Dir.clear();
    Set_Lang();
    Set_Files();
    Row_Clipboard.Clear();
    SNMP_Read_Desc.Clear();
    SNMP_Write_Desc.Clear();
}

void TFTessaraneFirmWare::FormClose(TObject*, TCloseAction&) { Save_Settings_Telling(); }

void TFTessaraneFirmWare::Set_Update_Timer() { Timer_Update->SetEnabled(Opt_Enable_Internet && Opt_Enable_Update); }

void TFTessaraneFirmWare::Show_Open_Configuration()
{
    if (!Project_Dir.isEmpty()) {
        L_Name_Conf->SetCaption(Lang_Text(11));
        L_Name_Conf_L2->SetCaption(Project_Name);
    } else {
        L_Name_Conf->SetCaption(Lang_Text(9));
        L_Name_Conf_L2->SetCaption(Lang_Text(10));
    }
}

void TFTessaraneFirmWare::Set_Lang()
{
    for (const TButton_Row& row : Button_Rows) {
        TLbButton* b = this->*row.Member;
        if (row.Caption >= 0)
            b->SetCaption(Lang_Text(row.Caption));
        if (row.Hint >= 0)
            b->SetHint(Lang_Text(row.Hint));
    }
    L_Begin->SetCaption(Lang_Text(0));
    for (int n = 1; n <= 8; ++n)
        L_Step[n - 1]->SetCaption(Lang_Text(n));
    Show_Open_Configuration();
}

void TFTessaraneFirmWare::Change_Language()
{
    Set_Lang();
    FNew_Project->Set_Lang();
    FOpenConf->Set_Lang();
    FSoftOptions->Set_Lang();
    FBoot->Set_Lang();
    FParGen->Set_Lang();
    FEtherCATSlave->Set_Lang();
    FSetAccess->Set_Lang();
    FModbus_TCP_Master_Set_Access->Set_Lang();
    FBACnetAccess->Set_Lang();
    FImportEDEFile->Set_Lang();
    FBACnetSlaveSetAccess->Set_Lang();
    FBACnet_Eng_Unit->Set_Lang();
    FReceiveCAN->Set_Lang();
    FTransmitCAN->Set_Lang();
    FSet_PDO_Access->Set_Lang();
    FSet_SDO_Client_Access->Set_Lang();
    FSet_SDO_Server_Access->Set_Lang();
    FDNet->Set_Lang();
    FDefOffset->Set_Lang();
    FDMXDefVal->Set_Lang();
    FIEC_61850_Access->Set_Lang();
    FTLS_Server_Known_Cert->Set_Lang();
    FIEC61850_Variables->Set_Lang();
    FReceiveJ1939->Set_Lang();
    FTransmitJ1939->Set_Lang();
    FMQTT_Set_Topic->Set_Lang();
    FTopicTemplate->Set_Lang();
    FReceiveNMEA->Set_Lang();
    FTransmitNMEA->Set_Lang();
    FOPC_UA_Client_Access->Set_Lang();
    FOPC_UA_Add_Server->Set_Lang();
    FOPC_UA_Scan_Server->Set_Lang();
    FOPC_UA_Server_Access->Set_Lang();
    FSNMPManagerAccess->Set_Lang();
    FSNMP_Trap_Access->Set_Lang();
    FProfinetFileName->Set_Lang();
    FEtherNetIP_Master_Access->Set_Lang();
    FEtherNEtIP_EDS->Set_Lang();
    FS7_Protocol_Set_Access->Set_Lang();
    FEtherCATSlave_Group->Set_Lang();
}

void TFTessaraneFirmWare::Btn_Click(TObject* Sender)
{
    if (Sender == Btn_New) {
        Create_New_Project();
        return;
    }
    if (Sender == Btn_Open) {
        Open_Project();
        return;
    }
    if (Sender == Btn_Close) {
        Close();
        return;
    }
    if (Sender == Btn_Info) {
        FAbout->ShowModal();
        return;
    }
    if (Sender == Btn_Opz) {
        if (FSoftOptions->ShowModal() == mrOk) {
            Save_Settings_Telling();
            Set_Update_Timer();
        }
        return;
    }
    if (Project_Dir.isEmpty()) {
        MessageDlg(Lang_Text(18), mtError, {mbOK});
        return;
    }
    // The editors: each loads and saves its own file; the result of the
    // show is not looked at.
    const std::pair<TLbButton*, TForm*> editors[] = {
        {Btn_Prm_Gen, FParGen},
        {Btn_EtherCAT_Set_Access, FEtherCATSlave},
        {Btn_EtherCAT_Set_Group, FEtherCATSlave_Group},
        {Btn_Modbus_Set_Access, FModbus_TCP_Master_Set_Access},
        {Btn_BACnet_SetAccess, FBACnetAccess},
        {Btn_CAN_Rec_Frame, FReceiveCAN},
        {Btn_CAN_Send_Frame, FTransmitCAN},
        {Btn_PDO_CANopen, FSet_PDO_Access},
        {Btn_SDO_Client_CANopen, FSet_SDO_Client_Access},
        {Btn_SDO_Server_CANopen, FSet_SDO_Server_Access},
        {Btn_DNet_Net, FDNet},
        {Btn_DNet_Offset, FDefOffset},
        {Btn_DMX_Default, FDMXDefVal},
        {Btn_IEC61850_Client, FIEC_61850_Access},
        {Btn_TLS_List_Certificates, FTLS_Server_Known_Cert},
        {Btn_IEC61850_Access, FIEC61850_Variables},
        {Btn_MQTT_Set_Topic, FMQTT_Set_Topic},
        {Btn_OPC_UA_Client_Access, FOPC_UA_Client_Access},
        {Btn_OPC_UA_Server_Access, FOPC_UA_Server_Access},
        {Btn_SNMP_Manager_Access, FSNMPManagerAccess},
        {Btn_SNMP_Trap, FSNMP_Trap_Access},
        {Btn_EtherNetIP_Access, FEtherNetIP_Master_Access},
        {Btn_S7_Protocol_Access, FS7_Protocol_Set_Access},
    };
    for (const auto& [button, dialog] : editors)
        if (Sender == button) {
            dialog->ShowModal();
            return;
        }
    if (Sender == Btn_BACnet_EDE_File)
        BACnet_EDE_File();
    else if (Sender == Btn_CANopen_EDS)
        Build_EDS_File();
    else if (Sender == Btn_SNMP_MIB)
        Write_SNMP_MIB(*SaveMIB);
    else if (Sender == Btn_EtherCAT_ESI_File)
        Write_EtherCAT_ESI();
    else if (Sender == Btn_PROFINET_XML)
        PROFINET_XML();
    else if (Sender == Btn_CreateBin)
        Update_Device();
}

void TFTessaraneFirmWare::Create_New_Project()
{
    if (FNew_Project->ShowModal() == mrOk)
        Show_Open_Configuration();
}

void TFTessaraneFirmWare::Open_Project()
{
    if (FOpenConf->ShowModal() != mrOk)
        return;
    Project_Name = FOpenConf->Name_Conf;
    if (!Project_Name.isEmpty())
        Project_Dir = Path_Join(Projects_Dir, Project_Name);
    else
        Project_Dir.clear();
    Show_Open_Configuration();
    Set_Files();
}

void TFTessaraneFirmWare::Write_EtherCAT_ESI()
{
    SaveESI->SetInitialDir(Project_Dir);
    SaveESI->SetFileName(String());
    if (!SaveESI->Execute())
        return;
    Write_EtherCAT_ESI_To(
        SaveESI->FileName(),
        [](const String& Question) { return MessageDlg(Question, mtConfirmation, mbYesNo) == mrYes; },
        [](const String& Message) { MessageDlg(Message, mtError, {mbOK}); });
}

void TFTessaraneFirmWare::Update_Device()
{
    TCompile_Result result = Compile_Configuration();
    if (result.Ok)
        result = Save_Bank_Files();
    if (!result.Ok) {
        MessageDlg(result.Message, mtError, {mbOK});
        return;
    }
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}

void TFTessaraneFirmWare::PROFINET_XML()
{
    if (FProfinetFileName->ShowModal() == mrOk)
        Save_PROFINET_XML(FProfinetFileName->Name_File_XML);
}

void TFTessaraneFirmWare::Build_EDS_File()
{
    SaveEDS->SetInitialDir(Project_Dir);
    if (SaveEDS->Execute())
        Write_EDS_File(SaveEDS->FileName());
}

void TFTessaraneFirmWare::BACnet_EDE_File()
{
    SD1->SetInitialDir(Project_Dir);
    if (!SD1->Execute())
        return;
    const String name = EDE_File_Name(SD1->FileName());
    if (File_Exists(name) && MessageDlg(Lang_Text(1105), mtConfirmation, mbYesNoCancel) != mrYes)
        return;
    Write_EDE_File(name);
}

int TFTessaraneFirmWare::Get_Type_BACnet() const
{
    if (File_ParGen.isEmpty() || !File_Exists(File_ParGen))
        return 0;
    XmlDocument doc;
    if (!doc.LoadFromFile(File_ParGen))
        return 0;
    const XmlNode root = doc.DocumentElement();
    const XmlNode type = root ? root.ChildNode(QStringLiteral("BACnet_Type")) : XmlNode();
    return type ? StrToIntDef(type.Text(), 0) : 0;
}

void TFTessaraneFirmWare::Timer_UpdateTimer(TObject*)
{
    Timer_Update->SetEnabled(false);
    if (Check_Version()) {
        LL_Update->SetCaption(QStringLiteral("<a href=\"") + Maker_Download_Url() + QStringLiteral("\">") +
                              Lang_Text(19) + QStringLiteral("</a>"));
        LL_Update->SetVisible(true);
    } else {
        LL_Update->SetVisible(false);
    }
    Timer_Update->SetInterval(Check_Interval);
    Timer_Update->SetEnabled(true);
}

void TFTessaraneFirmWare::LL_UpdateLinkClick(TObject*, const String& Link, TSysLinkType) { Shell_Open(Link); }

void TFTessaraneFirmWare::L_MorvellanClick(TObject*) { Shell_Open(Maker_Home_Url()); }
