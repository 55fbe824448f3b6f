// Program start: the dialogs' creation order, the main window's creation
// (directories, settings, the last configuration, texts, layout), closing
// (the settings file) and the language change reaching every dialog but the
// About box in its fixed order.
#include <QEvent>
#include <QObject>
#include <QWidget>

#include "app/core/Settings.h"
#include "config/dialogs/UBoot.h"
#include "editors/can/UTransmitNMEA.h"
#include "ethercat/dialogs/UEtherCATSlave_Group.h"
#include "platform/xml/xml.h"
#include "shell_fixture.h"

namespace {

const char* const Creation_Order[] = {
    "FTessaraneFirmWare", "FNew_Project", "FOpenConf", "FAbout", "FSoftOptions", "FParGen", "FEtherCATSlave",
    "FBoot", "FSetAccess", "FModbus_TCP_Master_Set_Access", "FBACnetAccess", "FImportEDEFile", "FBACnet_Eng_Unit",
    "FBACnetSlaveSetAccess", "FReceiveCAN", "FTransmitCAN", "FSet_PDO_Access", "FSet_SDO_Client_Access",
    "FSet_SDO_Server_Access", "FDefOffset", "FDNet", "FDMXDefVal", "FIEC_61850_Access", "FIEC61850_Variables",
    "FTLS_Server_Known_Cert", "FReceiveJ1939", "FTransmitJ1939", "FMQTT_Set_Topic", "FTopicTemplate", "FReceiveNMEA",
    "FTransmitNMEA", "FOPC_UA_Add_Server", "FOPC_UA_Client_Access", "FOPC_UA_Scan_Server", "FOPC_UA_Server_Access",
    "FSNMPManagerAccess", "FSNMP_Trap_Access", "FProfinetFileName", "FEtherNEtIP_EDS", "FEtherNetIP_Master_Access",
    "FS7_Protocol_Set_Access", "FEtherCATSlave_Group",
};

// The order in which a language change re-texts the dialogs after the main
// window.
const char* const Language_Order[] = {
    "FNew_Project", "FOpenConf", "FSoftOptions", "FBoot", "FParGen", "FEtherCATSlave", "FSetAccess",
    "FModbus_TCP_Master_Set_Access", "FBACnetAccess", "FImportEDEFile", "FBACnetSlaveSetAccess", "FBACnet_Eng_Unit",
    "FReceiveCAN", "FTransmitCAN", "FSet_PDO_Access", "FSet_SDO_Client_Access", "FSet_SDO_Server_Access", "FDNet",
    "FDefOffset", "FDMXDefVal", "FIEC_61850_Access", "FTLS_Server_Known_Cert", "FIEC61850_Variables",
    "FReceiveJ1939", "FTransmitJ1939", "FMQTT_Set_Topic", "FTopicTemplate", "FReceiveNMEA", "FTransmitNMEA",
    "FOPC_UA_Client_Access", "FOPC_UA_Add_Server", "FOPC_UA_Scan_Server", "FOPC_UA_Server_Access",
    "FSNMPManagerAccess", "FSNMP_Trap_Access", "FProfinetFileName", "FEtherNetIP_Master_Access", "FEtherNEtIP_EDS",
    "FS7_Protocol_Set_Access", "FEtherCATSlave_Group",
};

// The settings file's project name, language and flags as written.
struct Saved_Settings {
    String Project, Language, Internet, Update;
};
Saved_Settings Read_Saved(const String& Path)
{
    XmlDocument doc;
    EXPECT_TRUE(doc.LoadFromFile(Path));
    const XmlNode root = doc.DocumentElement();
    auto leaf = [&](const char* Group, const char* Leaf) {
        const XmlNode g = root.ChildNode(Group);
        const XmlNode l = g ? g.ChildNode(Leaf) : XmlNode();
        return l ? l.Text() : String("<missing>");
    };
    return {leaf("lastproj", "projectname"), leaf("lastlang", "language"), leaf("lastinternet", "enable_internet"),
            leaf("lastinternet", "enable_update")};
}

// Records, for every form whose window caption changes, its name and whether
// the main window had already taken the new texts at that moment.
class Caption_Recorder : public QObject {
public:
    std::vector<std::pair<std::string, bool>> Changes;

    void Watch(TForm* Form) { Form->Widget()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::WindowTitleChange)
            if (TWinControl* c = TWinControl::FromWidget(static_cast<QWidget*>(Watched)))
                Changes.emplace_back(c->Name().toStdString(), FTessaraneFirmWare->L_Begin->Caption().startsWith("~"));
        return false;
    }
};

}  // namespace

TEST_F(ShellTest, EveryDialogIsCreatedOnceInItsOrderTheMainWindowFirst)
{
    Start();
    ASSERT_EQ(owner->ComponentCount(), 42);
    const std::vector<TForm*> forms = Program_Forms();
    ASSERT_EQ(forms.size(), 42u);
    for (int i = 0; i < 42; ++i) {
        EXPECT_EQ(owner->Components(i)->Name(), Creation_Order[i]) << i;
        EXPECT_EQ(forms[i], owner->Components(i)) << Creation_Order[i];
    }
    // Each later dialog took its texts from the table the main window filled.
    EXPECT_EQ(FNew_Project->Caption(), "Create New Configuration");
    EXPECT_EQ(FEtherCATSlave_Group->Caption(), "EtherCAT Slave Set Group");
    EXPECT_EQ(FBoot->Caption(), "Update Device by Serial");
    EXPECT_EQ(FNew_Project->L_SW_Code->Caption(), "CF48T21");
}

TEST_F(ShellTest, FirstStartCreatesTheDirectoriesAndTakesTheDefaults)
{
    Start();
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(Directory_Exists(dir.file(sub))) << sub;
    EXPECT_EQ(Exe_Dir, dir.path());
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(Opt_Enable_Internet || Opt_Enable_Update || Opt_Jump_Field_Tables || Opt_Double_Click_Auto_Size);
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_TRUE(File_ParGen.isEmpty());
    EXPECT_EQ(Lang_Count, 5400);
    EXPECT_FALSE(Main().Timer_Update->Enabled());
    EXPECT_EQ(Main().Timer_Update->Interval(), 60000u);
    EXPECT_EQ(Main().L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    // Nothing is written before the window closes.
    EXPECT_FALSE(File_Exists(dir.file("Tessaran.xml")));
}

TEST_F(ShellTest, TheMainWindowsCaptionTextsAndLayout)
{
    Start();
    TFTessaraneFirmWare& w = Main();
    EXPECT_EQ(w.Caption(), "Morvellan - Configurator CF48T21 - EtherCAT Slave / Modbus TCP Slave ");
    EXPECT_EQ(w.L_SW_Code->Caption(), "CF48T21");
    EXPECT_EQ(w.L_SW_Desc->Caption(), "EtherCAT Slave / Modbus TCP Slave - Converter");
    EXPECT_EQ(w.ClientWidth(), 694);
    EXPECT_EQ(w.ClientHeight(), 440);
    EXPECT_EQ(w.Btn_CreateBin->Top(), 288);
    EXPECT_EQ(w.Shape1->Top(), 339);
    EXPECT_EQ(w.Shape1->Left(), 10);
    EXPECT_EQ(w.L_Morvellan->Top(), w.L_Step[4]->Top());
    EXPECT_EQ(w.L_Morvellan->Left(), 565);
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(w.L_Step[n - 1]->Caption(), "Step " + QString::number(n));
        EXPECT_EQ(w.L_Step[n - 1]->Top(), 128 + 44 * (n - 1));
        EXPECT_EQ(w.L_Step[n - 1]->Visible(), n <= 5) << n;
    }
    struct {
        TLbButton* Button;
        int Top, Left;
        const char* Caption;
        const char* Hint;
    } shown[] = {
        {w.Btn_New, 112, 80, "New Configuration", "Create a new configuration for the device"},
        {w.Btn_Open, 112, 258, "Open Configuration", "Open an exists configuration"},
        {w.Btn_Prm_Gen, 156, 80, "Set Communication", "Set the main parameters of Protocols"},
        {w.Btn_EtherCAT_Set_Group, 200, 80, "EtherCAT Set Group", "Set The EtherCAT Group"},
        {w.Btn_EtherCAT_Set_Access, 200, 258, "EtherCAT Set Access", "Set the EtherCAT Slave Rules"},
        {w.Btn_EtherCAT_ESI_File, 244, 80, "EtherCAT ESI File", ""},
        {w.Btn_CreateBin, 288, 80, "Update Device UDP",
         "Update the actual Firmware and/or Configuration in the device"},
        {w.Btn_Info, 8, 516, "", "Information"},
        {w.Btn_Opz, 8, 574, "", "Options"},
        {w.Btn_Close, 8, 632, "", "Close Configurator"},
    };
    int visible = 0;
    for (TLbButton* b : w.Buttons())
        visible += b->Visible();
    EXPECT_EQ(visible, 10);
    EXPECT_EQ(w.Buttons().size(), 34u);
    for (const auto& s : shown) {
        SCOPED_TRACE(s.Button->Name().toStdString());
        EXPECT_TRUE(s.Button->Visible());
        EXPECT_EQ(s.Button->Top(), s.Top);
        EXPECT_EQ(s.Button->Left(), s.Left);
        EXPECT_EQ(s.Button->Caption(), s.Caption);
        EXPECT_EQ(s.Button->Hint(), s.Hint);
        EXPECT_GT(s.Button->NumGlyphs(), 0);
    }
    EXPECT_EQ(w.Btn_Prm_Gen->Style(), bsNormal);
    EXPECT_EQ(w.Btn_Info->Style(), bsNormal);
    EXPECT_EQ(w.Btn_New->Style(), bsEncarta);
    EXPECT_EQ(w.Btn_New->Alignment(), taLeftJustify);
    EXPECT_EQ(w.Btn_New->Color(), 0xEDF7F8);
    // Tab walks the steps top to bottom, then the tool buttons.
    w.Show();
    std::vector<std::string> walk;
    for (int i = 0; i < 11; ++i) {
        walk.push_back(GetFocusedControl() ? GetFocusedControl()->Name().toStdString() : "-");
        TestKit::TypeKey(nullptr, VK_TAB);
    }
    EXPECT_EQ(walk, (std::vector<std::string>{"Btn_New", "Btn_Open", "Btn_Prm_Gen", "Btn_EtherCAT_Set_Group",
                                              "Btn_EtherCAT_Set_Access", "Btn_EtherCAT_ESI_File", "Btn_CreateBin",
                                              "Btn_Info", "Btn_Opz", "Btn_Close", "Btn_New"}));
    // The hidden entries have their texts too.
    EXPECT_EQ(w.Btn_Modbus_Set_Access->Caption(), "Modbus Set Access");
    EXPECT_EQ(w.Btn_S7_Protocol_Access->Hint(), Lang_Text(78));
}

TEST_F(ShellTest, AStaleLastConfigurationLeavesNoneOpenAndIsRememberedUnchanged)
{
    Write_Settings("Gone", "English");
    Start();
    EXPECT_EQ(Project_Name, "Gone");
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_TRUE(File_ParGen.isEmpty());
    EXPECT_EQ(Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(Main().L_Name_Conf->Caption(), Lang_Text(9));
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), Lang_Text(10));
    boxes.Expect(mtError, "Error! Project not Valid", {mbOK}, mrOk);
    Press(Main().Btn_Prm_Gen);
    Press(Main().Btn_Close);
    EXPECT_FALSE(Main().Visible());
    EXPECT_EQ(Read_Saved(dir.file("Tessaran.xml")).Project, "Gone");
}

TEST_F(ShellTest, ClosingWritesTheSettingsAndTheNextStartOpensTheConfigurationAgain)
{
    Make_Configuration("Line 4");
    Start();
    modal.When(FOpenConf, [](TForm&) {
        FOpenConf->ListBox1->SetItemIndex(0);
        Press(FOpenConf->Btn_OK);
    });
    Main().Show();
    Press(Main().Btn_Open);
    ASSERT_EQ(Project_Name, "Line 4");
    Press(Main().Btn_Close);
    EXPECT_FALSE(Main().Visible());
    const Saved_Settings saved = Read_Saved(dir.file("Tessaran.xml"));
    EXPECT_EQ(saved.Project, "Line 4");
    EXPECT_EQ(saved.Language, "English");
    EXPECT_EQ(saved.Internet, "0");

    // The next run starts from a clean state and finds it again.
    Stop();
    Start();
    EXPECT_EQ(Project_Name, "Line 4");
    EXPECT_EQ(Project_Dir, Path_Join(Projects(), "Line 4"));
    EXPECT_EQ(File_ParGen, Path_Join(Project_Dir, "ParGen.xml"));
    EXPECT_EQ(Main().L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), "Line 4");
}

TEST_F(ShellTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowClosesAnyway)
{
    Start();
    // A directory where the file should go.
    ASSERT_TRUE(Force_Directories(dir.file("Tessaran.xml")));
    boxes.ExpectAny(mrOk);
    Press(Main().Btn_Close);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Kind, mtError);
    EXPECT_TRUE(boxes.Shown()[0].Text.startsWith("Error!! The settings file cannot be written: "));
    EXPECT_FALSE(Main().Visible());
}

TEST_F(ShellTest, ALanguageChangeRetextsEveryDialogButTheAboutBoxInItsOrder)
{
    Start();
    Caption_Recorder recorder;
    for (TForm* f : Program_Forms())
        recorder.Watch(f);
    TFTessaraneFirmWare& w = Main();
    const String about_caption = FAbout->Caption();
    const String about_label = FAbout->Label1->Caption();
    for (String& t : Lang_Texts)
        t = "~" + t;

    w.Change_Language();

    ASSERT_EQ(recorder.Changes.size(), std::size(Language_Order));
    for (size_t i = 0; i < recorder.Changes.size(); ++i) {
        EXPECT_EQ(recorder.Changes[i].first, Language_Order[i]) << i;
        EXPECT_TRUE(recorder.Changes[i].second) << "the main window comes first";
    }
    EXPECT_EQ(FAbout->Caption(), about_caption);
    EXPECT_EQ(FAbout->Label1->Caption(), about_label);
    // The main window's own texts, and those it keeps.
    EXPECT_EQ(w.Btn_New->Caption(), "~New Configuration");
    EXPECT_EQ(w.Btn_New->Hint(), "~Create a new configuration for the device");
    EXPECT_EQ(w.Btn_Info->Hint(), "~Information");
    EXPECT_EQ(w.L_Step[7]->Caption(), "~Step 8");
    EXPECT_EQ(w.L_Name_Conf->Caption(), "~None Configuration Opened ");
    EXPECT_EQ(w.Btn_EtherCAT_ESI_File->Caption(), "EtherCAT ESI File");
    EXPECT_EQ(w.L_SW_Code->Caption(), "CF48T21");
    EXPECT_EQ(w.L_SW_Desc->Caption(), "EtherCAT Slave / Modbus TCP Slave - Converter");
    EXPECT_EQ(w.L_Morvellan->Caption(), "morvellan.invalid");
    EXPECT_EQ(w.Caption(), "Morvellan - Configurator CF48T21 - EtherCAT Slave / Modbus TCP Slave ");
    // A dialog never shown has its new texts at once.
    EXPECT_EQ(FTransmitNMEA->Caption(), "~Transmit NMEA 2000 Frames");
    EXPECT_EQ(FSoftOptions->TS_Soft_Settings->Caption(), "~Software Settings");
}

TEST_F(ShellTest, AnUnreadableLanguageFileLeavesTheBuiltInTexts)
{
    Write_Settings("", "Broken");
    // A directory of that name exists but cannot be read as a file.
    ASSERT_TRUE(Force_Directories(dir.file("LANGUAGE/Broken.lng")));
    Start();
    EXPECT_EQ(Lang_Count, 5400);
    EXPECT_EQ(Main().Btn_New->Caption(), "New Configuration");
    EXPECT_EQ(Language_Name, "Broken");
}

TEST_F(ShellTest, TheStartAppliesTheLanguageOfTheSettings)
{
    Write_Settings("", "Deutsch");
    dir.write("LANGUAGE/Deutsch.lng", "STR15 = Neue Konfiguration\r\nSTR100 = Neue Konfiguration anlegen\r\n");
    Start();
    EXPECT_EQ(Main().Btn_New->Caption(), "Neue Konfiguration");
    EXPECT_EQ(FNew_Project->Caption(), "Neue Konfiguration anlegen");
    EXPECT_EQ(FAbout->Label6->Caption(), "Software Code : ");
}
