// The main window's one button handler: what each of the 34 buttons does
// with and without an open configuration, step 4 (the ESI file), step 5 (the
// configuration images and the update dialog) and the hidden writers'
// entries.
#include "config/dialogs/UBoot.h"
#include "editors/ethernet/UProfinetFileName.h"
#include "ethercat/esi/UEtherCAT_ESI_File.h"
#include "shell_fixture.h"

namespace {

using TButton_Member = TLbButton* TFTessaraneFirmWare::*;

// Buttons that act with no configuration open.
const TButton_Member Free_Buttons[] = {
    &TFTessaraneFirmWare::Btn_New, &TFTessaraneFirmWare::Btn_Open, &TFTessaraneFirmWare::Btn_Close,
    &TFTessaraneFirmWare::Btn_Info, &TFTessaraneFirmWare::Btn_Opz,
};

// What a button does while a configuration is open: the dialog it shows
// modally, or the save dialog it opens (by its filter), or nothing visible.
struct Dispatch_Row {
    TButton_Member Button;
    const char* Shows;       // the form's name, "" none
    const char* Save_Filter;  // "" none
};

const Dispatch_Row Dispatch_Rows[] = {
    {&TFTessaraneFirmWare::Btn_New, "FNew_Project", ""},
    {&TFTessaraneFirmWare::Btn_Open, "FOpenConf", ""},
    {&TFTessaraneFirmWare::Btn_Info, "FAbout", ""},
    {&TFTessaraneFirmWare::Btn_Opz, "FSoftOptions", ""},
    {&TFTessaraneFirmWare::Btn_Prm_Gen, "FParGen", ""},
    {&TFTessaraneFirmWare::Btn_EtherCAT_Set_Access, "FEtherCATSlave", ""},
    {&TFTessaraneFirmWare::Btn_EtherCAT_Set_Group, "FEtherCATSlave_Group", ""},
    {&TFTessaraneFirmWare::Btn_Modbus_Set_Access, "FModbus_TCP_Master_Set_Access", ""},
    {&TFTessaraneFirmWare::Btn_BACnet_SetAccess, "FBACnetAccess", ""},
    {&TFTessaraneFirmWare::Btn_BACnet_EDE_File, "", "CSV (MS-DOS) (*.csv)|*.csv"},
    {&TFTessaraneFirmWare::Btn_CAN_Rec_Frame, "FReceiveCAN", ""},
    {&TFTessaraneFirmWare::Btn_CAN_Send_Frame, "FTransmitCAN", ""},
    {&TFTessaraneFirmWare::Btn_PDO_CANopen, "FSet_PDO_Access", ""},
    {&TFTessaraneFirmWare::Btn_SDO_Client_CANopen, "FSet_SDO_Client_Access", ""},
    {&TFTessaraneFirmWare::Btn_SDO_Server_CANopen, "FSet_SDO_Server_Access", ""},
    {&TFTessaraneFirmWare::Btn_CANopen_EDS, "", "Electronic Data Sheet (*.eds)|*.eds"},
    {&TFTessaraneFirmWare::Btn_DNet_Net, "FDNet", ""},
    {&TFTessaraneFirmWare::Btn_DNet_Offset, "FDefOffset", ""},
    {&TFTessaraneFirmWare::Btn_DMX_Default, "FDMXDefVal", ""},
    {&TFTessaraneFirmWare::Btn_IEC61850_Client, "FIEC_61850_Access", ""},
    {&TFTessaraneFirmWare::Btn_TLS_List_Certificates, "FTLS_Server_Known_Cert", ""},
    {&TFTessaraneFirmWare::Btn_IEC61850_Access, "FIEC61850_Variables", ""},
    {&TFTessaraneFirmWare::Btn_MQTT_Set_Topic, "FMQTT_Set_Topic", ""},
    {&TFTessaraneFirmWare::Btn_OPC_UA_Client_Access, "FOPC_UA_Client_Access", ""},
    {&TFTessaraneFirmWare::Btn_OPC_UA_Server_Access, "FOPC_UA_Server_Access", ""},
    {&TFTessaraneFirmWare::Btn_SNMP_Manager_Access, "FSNMPManagerAccess", ""},
    {&TFTessaraneFirmWare::Btn_SNMP_Trap, "FSNMP_Trap_Access", ""},
    {&TFTessaraneFirmWare::Btn_SNMP_MIB, "", ""},
    {&TFTessaraneFirmWare::Btn_EtherCAT_ESI_File, "", "EtherCAT ESI File (*.xml)|*.xml"},
    {&TFTessaraneFirmWare::Btn_PROFINET_XML, "FProfinetFileName", ""},
    {&TFTessaraneFirmWare::Btn_EtherNetIP_Access, "FEtherNetIP_Master_Access", ""},
    {&TFTessaraneFirmWare::Btn_S7_Protocol_Access, "FS7_Protocol_Set_Access", ""},
    {&TFTessaraneFirmWare::Btn_CreateBin, "FBoot", ""},
};

// Every modal dialog answers Cancel.
void Cancel_Every_Dialog(TestKit::ModalFormDriver& Modal)
{
    for (TForm* form : Program_Forms())
        Modal.When(form, TestKit::ModalFormDriver::SetResult(mrCancel));
}

}  // namespace

TEST_F(ShellTest, WithNoConfigurationOpenOnlyStep1AndTheToolButtonsAct)
{
    Start();
    Cancel_Every_Dialog(modal);
    TFTessaraneFirmWare& w = Main();
    w.Show();
    int expected_modal = 0;
    for (TLbButton* b : w.Buttons()) {
        SCOPED_TRACE(b->Name().toStdString());
        bool free = false;
        for (TButton_Member m : Free_Buttons)
            free = free || (w.*m) == b;
        if (free)
            continue;
        boxes.Expect(mtError, "Error! Project not Valid", {mbOK}, mrOk);
        w.Btn_Click(b);
        EXPECT_EQ(boxes.Pending(), 0);
        EXPECT_EQ(int(modal.Shown().size()), expected_modal);
        EXPECT_TRUE(files.Shown().empty());
    }
    // The free ones: each shows its dialog (or closes) and no error.
    for (TButton_Member m : {&TFTessaraneFirmWare::Btn_New, &TFTessaraneFirmWare::Btn_Open,
                             &TFTessaraneFirmWare::Btn_Info, &TFTessaraneFirmWare::Btn_Opz}) {
        Press(w.*m);
        ++expected_modal;
    }
    ASSERT_EQ(int(modal.Shown().size()), expected_modal);
    EXPECT_EQ(modal.Shown()[0].Name, "FNew_Project");
    EXPECT_EQ(modal.Shown()[1].Name, "FOpenConf");
    EXPECT_EQ(modal.Shown()[2].Name, "FAbout");
    EXPECT_EQ(modal.Shown()[3].Name, "FSoftOptions");
    Press(w.Btn_Close);
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(File_Exists(dir.file("Tessaran.xml")));
    EXPECT_EQ(boxes.Shown().size(), 29u);
}

TEST_F(ShellTest, WithAConfigurationOpenEachButtonReachesItsDialogOrAction)
{
    Start_With_Configuration("Demo");
    Cancel_Every_Dialog(modal);
    TFTessaraneFirmWare& w = Main();
    w.Show();
    ASSERT_EQ(std::size(Dispatch_Rows), 33u);  // all buttons but Close
    for (const Dispatch_Row& row : Dispatch_Rows) {
        TLbButton* b = w.*row.Button;
        SCOPED_TRACE(b->Name().toStdString());
        const size_t modal_before = modal.Shown().size();
        const size_t files_before = files.Shown().size();
        if (*row.Save_Filter)
            files.Cancel();
        w.Btn_Click(b);
        if (*row.Shows) {
            ASSERT_EQ(modal.Shown().size(), modal_before + 1);
            EXPECT_EQ(modal.Shown().back().Name, row.Shows);
        } else {
            EXPECT_EQ(modal.Shown().size(), modal_before);
        }
        if (*row.Save_Filter) {
            ASSERT_EQ(files.Shown().size(), files_before + 1);
            EXPECT_TRUE(files.Shown().back().Save);
            EXPECT_EQ(files.Shown().back().Filter, row.Save_Filter);
            EXPECT_EQ(files.Shown().back().InitialDir, Project_Dir);
        } else {
            EXPECT_EQ(files.Shown().size(), files_before);
        }
        EXPECT_TRUE(boxes.Shown().empty());
        EXPECT_TRUE(w.Visible());
    }
    // Cancelled dialogs changed nothing.
    EXPECT_EQ(Project_Dir, Path_Join(Projects(), "Demo"));
    Press(w.Btn_Close);
    EXPECT_FALSE(w.Visible());
}

TEST_F(ShellTest, Step5WritesTheImagesAndShowsTheUpdateDialogEvenWhenItIsCancelled)
{
    Start_With_Configuration("Demo");
    int form_type = -1;
    String caption;
    modal.When(FBoot, [&](TForm& f) {
        form_type = FBoot->Form_Type;
        caption = f.Caption();
        f.SetModalResult(mrCancel);
    });
    Main().Show();
    Press(Main().Btn_CreateBin);
    EXPECT_EQ(form_type, 1);
    EXPECT_EQ(caption, "Update Device by Ethernet (UDP)");
    EXPECT_EQ(dir.read("PROJECTS/Demo/bin/bank1.bin").size(), 2048);
    EXPECT_FALSE(dir.read("PROJECTS/Demo/bin/bank2.bin").isEmpty());
}

TEST_F(ShellTest, Step5ShowsACompileFailureAndOpensNoUpdateDialog)
{
    Start_With_Configuration("Demo");
    dir.write("PROJECTS/Demo/ParGen.xml", "<ParGen><Modbus_TCP_Slave_Port>80");  // not well-formed
    boxes.ExpectAny(mrOk);
    Main().Show();
    Press(Main().Btn_CreateBin);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Kind, mtError);
    EXPECT_TRUE(boxes.Shown()[0].Text.startsWith(Lang_Text(1106))) << boxes.Shown()[0].Text.toStdString();
    EXPECT_TRUE(modal.Shown().empty());
    EXPECT_FALSE(File_Exists(dir.file("PROJECTS/Demo/bin/bank1.bin")));
}

TEST_F(ShellTest, Step4WritesTheESIFileAndAsksBeforeOverwriting)
{
    Start_With_Configuration("Demo");
    Main().Show();
    const String target = dir.file("PROJECTS/Demo/device.xml");

    files.Choose("device");  // the default extension is added
    Press(Main().Btn_EtherCAT_ESI_File);
    ASSERT_TRUE(File_Exists(target));
    EXPECT_TRUE(dir.read("PROJECTS/Demo/device.xml").startsWith("<?xml version=\"1.0\"?>"));
    EXPECT_EQ(files.Shown().back().DefaultExt, ESI_Default_Ext);

    // An existing file: No keeps it, Yes writes it again.
    dir.write("PROJECTS/Demo/device.xml", "old");
    files.Choose("device.xml");
    boxes.Expect(mtConfirmation, "File already exists. Do you want to overwrite?", mbYesNo, mrNo);
    Press(Main().Btn_EtherCAT_ESI_File);
    EXPECT_EQ(dir.read("PROJECTS/Demo/device.xml"), "old");
    files.Choose("device.xml");
    boxes.Expect(mtConfirmation, "File already exists. Do you want to overwrite?", mbYesNo, mrYes);
    Press(Main().Btn_EtherCAT_ESI_File);
    EXPECT_TRUE(dir.read("PROJECTS/Demo/device.xml").startsWith("<?xml"));

    // Cancel writes nothing; a failure is shown.
    files.Cancel();
    Press(Main().Btn_EtherCAT_ESI_File);
    dir.write("PROJECTS/Demo/ParGen.xml", "<ParGen>");
    files.Choose("other.xml");
    boxes.ExpectAny(mrOk);
    Press(Main().Btn_EtherCAT_ESI_File);
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(boxes.Shown().back().Kind, mtError);
    EXPECT_FALSE(File_Exists(dir.file("PROJECTS/Demo/other.xml")));
}

TEST_F(ShellTest, TheHiddenWritersEntriesAskWhatTheirStepsAsk)
{
    Start_With_Configuration("Demo");
    TFTessaraneFirmWare& w = Main();
    // EDE: the name gets ".csv"; an existing file is asked about with
    // Yes, No and Cancel.
    dir.write("PROJECTS/Demo/points.csv", "x");
    files.Choose("points");
    boxes.Expect(mtConfirmation, "File already exists. Do you want to overwrite?", mbYesNoCancel, mrCancel);
    w.Btn_Click(w.Btn_BACnet_EDE_File);
    files.Choose("fresh");
    w.Btn_Click(w.Btn_BACnet_EDE_File);  // a new file: no question
    // PROFINET: the name dialog, then the writer with the composed name.
    modal.When(FProfinetFileName, [](TForm& f) {
        FProfinetFileName->Name_File_XML = "GSDML-V2.3-Demo.xml";
        f.SetModalResult(mrOk);
    });
    w.Btn_Click(w.Btn_PROFINET_XML);
    EXPECT_EQ(modal.Shown().back().Result, mrOk);
    // EDS: the save dialog in the configuration's folder, no question.
    dir.write("PROJECTS/Demo/node.eds", "x");
    files.Choose("node");
    w.Btn_Click(w.Btn_CANopen_EDS);
    EXPECT_EQ(files.Shown().back().DefaultExt, "*.eds");
    EXPECT_EQ(boxes.Pending(), 0);
}

TEST(EDE_File_Name, CsvIsAppendedUnlessTheNameEndsInIt)
{
    struct {
        const char* chosen;
        const char* result;
    } cases[] = {
        {"/p/points", "/p/points.csv"},     {"/p/points.csv", "/p/points.csv"}, {"/p/points.CSV", "/p/points.CSV"},
        {"/p/points.cSv", "/p/points.cSv"}, {"/p/points.txt", "/p/points.txt.csv"}, {"/p/csv", "/p/csv.csv"},
        {".csv", ".csv"},                   {"", ".csv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EDE_File_Name(c.chosen), c.result) << c.chosen;
}

TEST_F(ShellTest, TheBACnetTypeIsReadFromTheCommunicationParameters)
{
    Start();
    EXPECT_EQ(Main().Get_Type_BACnet(), 0);  // no configuration open
    Start_With_Configuration("Demo");
    EXPECT_EQ(Main().Get_Type_BACnet(), 0);  // no ParGen.xml
    struct {
        const char* file;
        int type;
    } cases[] = {
        {"<ParGen><BACnet_Type>2</BACnet_Type></ParGen>", 2},
        {"<?xml version=\"1.0\"?><!-- x --><ParGen><BACnet_Type>1</BACnet_Type></ParGen>", 1},
        {"<ParGen><BACnet_Type>two</BACnet_Type></ParGen>", 0},
        {"<ParGen><Other>3</Other></ParGen>", 0},
        {"<ParGen><BACnet_Type>3", 0},
    };
    for (const auto& c : cases) {
        dir.write("PROJECTS/Demo/ParGen.xml", c.file);
        EXPECT_EQ(Main().Get_Type_BACnet(), c.type) << c.file;
    }
}
