// The main road end to end, headless, through the real dialogs and files:
// a new configuration, its communication parameters, EtherCAT variables and
// groups, then step 5 (images, the update dialog, the job, the updater) and
// the address remembered in the settings.
#include <QFile>

#include "config/dialogs/UBoot.h"
#include "config/image/image_support.h"
#include "config/image/USaveBincc.h"
#include "config/pargen/UParGen.h"
#include "ethercat/dialogs/UEtherCATSlave.h"
#include "ethercat/dialogs/UEtherCATSlave_Group.h"
#include "ethercat/esi/UEtherCAT_ESI_File.h"
#include "grid/core/column_grid.h"
#include "ethercat/model/EtherCAT_Files.h"
#include "ethercat/model/EtherCAT_Layout.h"
#include "platform/net/icmp.h"
#include "shell_fixture.h"

namespace {

// A device at the loopback address that answers every request with its data.
class AnsweringEcho : public TEcho_Socket {
public:
    explicit AnsweringEcho(std::vector<uint32_t>& Sent_To) : sent_to_(Sent_To) {}
    bool Open(String&) override { return true; }
    bool Send(uint32_t Address, uint16_t Sequence, const QByteArray& Payload, String&) override
    {
        sent_to_.push_back(Address);
        pending_ = Sequence;
        bytes_ = int(Payload.size());
        return true;
    }
    bool Poll_Reply(uint32_t, uint16_t Sequence, int& Data_Bytes) override
    {
        if (pending_ != Sequence)
            return false;
        pending_ = 0;
        Data_Bytes = bytes_;
        return true;
    }
    int Handle() const override { return -1; }

private:
    std::vector<uint32_t>& sent_to_;
    uint16_t pending_ = 0;
    int bytes_ = 0;
};

// Fills the derived columns of one direction as the editor does: positions,
// start bits and groups from the layout model.
void Lay_Out(std::vector<TEtherCAT_Var>& Rows, const std::vector<TEtherCAT_Group_Row>& Group_Rows)
{
    std::vector<TLayout_Row> layout;
    std::vector<bool> enabled;
    for (const TEtherCAT_Var& v : Rows) {
        layout.push_back({Device_Enabled(v), v.Type, v.Length});
        enabled.push_back(Device_Enabled(v));
    }
    const std::vector<TLayout_Slot> placed = Calc_Position_Bit(layout);
    const std::vector<String> groups = Show_Group(Group_List(Group_Rows), enabled);
    for (size_t i = 0; i < Rows.size(); ++i) {
        Rows[i].Position = String::number(placed[i].Position);
        Rows[i].BitStart = String::number(placed[i].Bit);
        Rows[i].Group = groups[i];
    }
}

struct MainRoadTest : ShellTest {
    std::function<std::unique_ptr<TEcho_Socket>()> saved_echo;
    std::vector<uint32_t> sent_to;

    void SetUp() override
    {
        ShellTest::SetUp();
        saved_echo = TFBoot::Make_Echo_Socket;
        TFBoot::Make_Echo_Socket = [this] { return std::make_unique<AnsweringEcho>(sent_to); };
    }
    void TearDown() override
    {
        ShellTest::TearDown();
        TFBoot::Make_Echo_Socket = saved_echo;
    }

    // The stand-in updater beside the executable: records its start and the
    // job it found.
    void Install_Updater()
    {
        const String path = dir.file("Ethernet_Update.exe");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nd=$(dirname \"$0\")\necho started >> \"$d/started.txt\"\n"
                "cp \"$d/Ethernet_Update.xml\" \"$d/job_seen.xml\"\necho finished >> \"$d/started.txt\"\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Step 1 and step 2 through their dialogs, then the EtherCAT files.
    void Make_Road_Configuration()
    {
        New_Configuration_And_Parameters();
        if (HasFatalFailure())
            return;
        Write_EtherCAT_Files();
    }

    void New_Configuration_And_Parameters()
    {
        modal.When(FNew_Project, [](TForm&) {
            FNew_Project->E_New_Proj->SetText("Road");
            Press(FNew_Project->Btn_OK);
        });
        Press(Main().Btn_New);
        ASSERT_EQ(Project_Dir, Path_Join(Projects(), "Road"));

        modal.When(FParGen, [](TForm&) {
            FParGen->E_EthConn_Device_Name->SetText("roadgw");
            FParGen->E_EtherCAT_Slave_Name->SetText("roadslave");
            Press(FParGen->Btn_OK);
            EXPECT_EQ(FParGen->ModalResult(), mrOk);
        });
        Press(Main().Btn_Prm_Gen);
        const String pargen = QString::fromUtf8(dir.read("PROJECTS/Road/ParGen.xml"));
        EXPECT_TRUE(pargen.contains("<EtherCAT_Slave_Name>roadslave</EtherCAT_Slave_Name>")) << pargen.toStdString();
    }

    void Write_EtherCAT_Files()
    {
        TEtherCAT_Variables vars;
        vars.StoM.push_back({"Y", "UInt16", "2", "Speed", "0", "", "", "", ""});
        vars.StoM.push_back({"Y", "Bool", "1", "Ready", "0", "", "", "", ""});
        vars.MtoS.push_back({"Y", "Int32", "4", "Target", "", "", "", "", ""});
        TEtherCAT_Groups groups;
        groups.StoM.push_back({"Inputs", "2", ""});
        groups.MtoS.push_back({"Outputs", "1", ""});
        Lay_Out(vars.StoM, groups.StoM);
        Lay_Out(vars.MtoS, groups.MtoS);
        Save_EtherCAT_Slave(File_EtherCAT_Slave, vars);
        Save_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, groups);
        EXPECT_EQ(File_EtherCAT_Slave, dir.file("PROJECTS/Road/EtherCAT_Slave.xml"));
        EXPECT_TRUE(File_Exists(File_EtherCAT_Slave));
        EXPECT_TRUE(File_Exists(File_EtherCAT_Slave_Group));
    }

    // Step 5: the update dialog updates to 127.0.0.1 and is then closed.
    void Update_To_Loopback()
    {
        modal.When(FBoot, [this](TForm&) {
            FBoot->E_IP1->SetText("127");
            FBoot->E_IP2->SetText("0");
            FBoot->E_IP3->SetText("0");
            FBoot->E_IP4->SetText("1");
            Press(FBoot->Btn_Update);
            clock.Advance(50);
            EXPECT_FALSE(FBoot->Pinging());
            Press(FBoot->Btn_Cancel);
        });
        Press(Main().Btn_CreateBin);
    }
};

}  // namespace

TEST_F(MainRoadTest, NewConfigurationToDeviceUpdateAndTheAddressIsRemembered)
{
    Install_Updater();
    Start();
    Main().Show();
    Make_Road_Configuration();

    Update_To_Loopback();
    EXPECT_TRUE(boxes.Shown().empty());
    ASSERT_FALSE(modal.Shown().empty());
    EXPECT_EQ(modal.Shown().back().Name, "FBoot");
    // The images of the configuration; bank2.bin worked out by hand from the
    // road's variables and groups.
    EXPECT_EQ(dir.read("PROJECTS/Road/bin/bank1.bin").size(), Bank1_Size);
    QByteArray bank2 = Bank2_Empty(H("80 0F 00 CC 88 13 FF 00 00 00 00 80 00 00"), 1, 0, 0);
    Put(bank2, 28, H("02 00 01 00"));
    Put(bank2, 0x28,
        Rec(6, 2, 1, 0, 0, 0, 0, 0x840CF, 5, 0x840AD) + Rec(1, 1, 1, 0, 2, 1, 0, 0x840D1, 5, 0x840B3));
    Put(bank2, 0x2028, Rec(4, 4, 0, 0, 0, 0, 0, 0, 6, 0x840B9));
    Put(bank2, 0x4028, LE32(0x840C0));
    Put(bank2, 0x4068, LE32(0x840C7));
    Put(bank2, 0x40A8, H("01 01"));
    bank2 += QByteArray("Speed\0Ready\0Target\0Inputs\0Outputs\0", 34);
    bank2 += H("00 00  00");  // the initial values of Speed (two bytes) and Ready
    EXPECT_TRUE(Same_Bytes(dir.read("PROJECTS/Road/bin/bank2.bin"), bank2));
    // The device was pinged at the loopback address only.
    ASSERT_FALSE(sent_to.empty());
    for (uint32_t a : sent_to)
        EXPECT_EQ(a, 0x7F000001u);
    // The job names the address and the updater ran to its end, finding it.
    const QByteArray job = dir.read("Ethernet_Update.xml");
    EXPECT_TRUE(job.contains("127.0.0.1")) << job.toStdString();
    EXPECT_TRUE(job.contains("bank1.bin")) << job.toStdString();
    EXPECT_EQ(dir.read("started.txt"), "started\nfinished\n");
    EXPECT_EQ(dir.read("job_seen.xml"), job);
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");

    // Closing the program writes the settings with the address.
    Press(Main().Btn_Close);
    const QByteArray settings = dir.read("Tessaran.xml");
    EXPECT_TRUE(settings.contains("<ipaddress>127.0.0.1</ipaddress>")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("<projectname>Road</projectname>")) << settings.toStdString();

    // Started again, the program reads the address back.
    Last_IP_Address = "10.9.8.7";
    Start();
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
    EXPECT_EQ(Project_Dir, Path_Join(Projects(), "Road"));
}

TEST_F(MainRoadTest, AnUpdaterThatCannotStartIsReported)
{
    Start();
    Main().Show();
    Make_Road_Configuration();
    ASSERT_FALSE(File_Exists(dir.file("Ethernet_Update.exe")));

    boxes.ExpectAny(mrOk);
    Update_To_Loopback();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Kind, mtError);
    EXPECT_TRUE(boxes.Shown()[0].Text.startsWith(Lang_Text(1129))) << boxes.Shown()[0].Text.toStdString();
    // The job was written and the address stored before the start failed.
    EXPECT_TRUE(dir.read("Ethernet_Update.xml").contains("127.0.0.1"));
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
    EXPECT_FALSE(File_Exists(dir.file("started.txt")));
}

// ---- step 3 by keys and mouse on the real windows ------------------------------------------------

namespace {

TPoint Mid(TVynStringGrid* G, int C, int R)
{
    const TRect r = G->CellRect(C, R);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void Click_Cell(TVynStringGrid* G, int C, int R)
{
    const TPoint p = Mid(G, C, R);
    TestKit::Click(G, p.X, p.Y);
    TestKit::PumpPostedMessages();
}

// A click on the cell, then the text typed into its editor.


// Typed into the focused control: on a grid cell the first character opens
// the cell's editor, the others go to the editor.
void Type(const String& Text)
{
    TestKit::TypeText(nullptr, Text.left(1));
    TestKit::PumpPostedMessages();
    TestKit::TypeText(nullptr, Text.mid(1));
    TestKit::PumpPostedMessages();
}

void Type_In_Cell(TVynStringGrid* G, int C, int R, const String& Text)
{
    Click_Cell(G, C, R);
    Type(Text);
}

void Enter()
{
    TestKit::TypeKey(nullptr, VK_RETURN);
    TestKit::PumpPostedMessages();
}

void Click_Tab(TPageControl* Pages, TTabSheet* Page)
{
    const TRect r = Pages->TabRect(Page);
    TestKit::Click(Pages, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    TestKit::PumpPostedMessages();
}

void Click_Button(TControl* Button)
{
    TestKit::Click(Button, 10, 10);
    TestKit::PumpPostedMessages();
}

bool Ticked(TVynStringGrid* G, int R)
{
    bool state = false;
    return G->GetCheckBoxState(1, R, state) && state;
}

}  // namespace

TEST_F(MainRoadTest, Step3ByKeysAndMouseThenTheESIFileAndTheImagesAgree)
{
    Install_Updater();
    Start();
    Main().Show();
    New_Configuration_And_Parameters();
    ASSERT_FALSE(HasFatalFailure());
    // Enter moves to the next cell (the option of the software settings).
    struct Jump {
        Jump() { Opt_Jump_Field_Tables = true; }
        ~Jump() { Opt_Jump_Field_Tables = false; }
    } jump;

    // The groups editor: two groups typed, OK by mouse.
    modal.When(FEtherCATSlave_Group, [](TForm&) {
        TFEtherCATSlave_Group& d = *FEtherCATSlave_Group;
        Type_In_Cell(d.VCG_Group_StoM, 1, 1, "Inputs");
        Enter();
        Type("2");
        Enter();
        Click_Tab(d.PageControl1, d.TS_MasterToSlave);
        Type_In_Cell(d.VCG_Group_MtoS, 1, 1, "Outputs");
        Enter();
        Type("1");
        Click_Button(d.Btn_OK);
        EXPECT_EQ(d.ModalResult(), mrOk);
    });
    Press(Main().Btn_EtherCAT_Set_Group);
    TEtherCAT_Groups groups;
    ASSERT_EQ(Read_EtherCAT_Slave_Group(File_EtherCAT_Slave_Group, groups).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(groups.StoM.size(), 1u);
    EXPECT_EQ(groups.StoM[0].Group_Name, "Inputs");
    EXPECT_EQ(groups.StoM[0].Num_Variables, "2");
    ASSERT_EQ(groups.MtoS.size(), 1u);
    EXPECT_EQ(groups.MtoS[0].Num_Variables, "1");

    // The types stand in the file: the Type combo is driven in the part below.
    TEtherCAT_Variables types;
    types.StoM = {{"Y", "UInt16", "2", "", "", "", "", "", ""},
                  {"Y", "Array", "10", "", "", "", "", "", ""},
                  {"Y", "Bool", "1", "", "", "", "", "", ""}};
    types.MtoS = {{"Y", "Int32", "4", "", "", "", "", "", ""}};
    Save_EtherCAT_Slave(File_EtherCAT_Slave, types);

    modal.When(FEtherCATSlave, [](TForm&) {
        TFEtherCATSlave& d = *FEtherCATSlave;
        TVynStringGrid* s = d.VSG_SlaveMaster;
        // Row 1: name, Enter on to the initial value.
        Type_In_Cell(s, 4, 1, "Speed");
        Enter();
        EXPECT_EQ(s->Col(), 5);
        Type("7");
        Enter();
        // Row 2: the Array's Length, Enter on to its name.
        Type_In_Cell(s, 3, 2, "6");
        Enter();
        EXPECT_EQ(s->Col(), 4);
        Type("Blob");
        Enter();
        EXPECT_EQ(s->Cells(6, 3), "8") << "the Bool after six bytes";
        Type_In_Cell(s, 4, 3, "Ready");
        Enter();
        // Enable by click and by Space.
        Click_Cell(s, 1, 3);
        EXPECT_FALSE(Ticked(s, 3));
        EXPECT_EQ(s->Cells(6, 3), "0");
        TestKit::TypeKey(nullptr, VK_SPACE);
        TestKit::PumpPostedMessages();
        EXPECT_TRUE(Ticked(s, 3));
        EXPECT_EQ(s->Cells(6, 3), "8");
        // Move Up: the Array first.
        Click_Cell(s, 4, 2);
        Click_Button(d.Btn_MoveUp);
        EXPECT_EQ(s->Row(), 1);
        EXPECT_EQ(s->Cells(4, 1), "Blob");
        EXPECT_EQ(s->Cells(4, 2), "Speed");
        EXPECT_TRUE(s->ReadOnly(3, 2)) << "the UInt16's Length moved with it";
        EXPECT_FALSE(s->ReadOnly(3, 1));
        // The other table.
        Click_Tab(d.PageControl1, d.TS_MasterToSlave);
        Type_In_Cell(d.VSG_MasterSlave, 4, 1, "Target");
        Enter();
        // OK by mouse with the Array's Length still in edit.
        Click_Tab(d.PageControl1, d.TS_SlaveToMaster);
        Type_In_Cell(s, 3, 1, "9");
        EXPECT_TRUE(s->EditorMode());
        Click_Button(d.Btn_OK);
        EXPECT_EQ(d.ModalResult(), mrOk);
    });
    Press(Main().Btn_EtherCAT_Set_Access);
    EXPECT_TRUE(boxes.Shown().empty());

    TEtherCAT_Variables saved;
    ASSERT_EQ(Read_EtherCAT_Slave(File_EtherCAT_Slave, saved).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(saved.StoM.size(), 3u);
    const struct {
        const char *Enable, *Type, *Length, *Name, *Init, *Position, *Bit, *Group;
    } expected[] = {
        {"Y", "Array", "9", "Blob", "", "0", "0", "Inputs"},
        {"Y", "UInt16", "2", "Speed", "7", "9", "0", "Inputs"},
        {"Y", "Bool", "1", "Ready", "", "11", "0", ""},
    };
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const TEtherCAT_Var& v = saved.StoM[i];
        EXPECT_EQ(v.Enable, expected[i].Enable);
        EXPECT_EQ(v.Type, expected[i].Type);
        EXPECT_EQ(v.Length, expected[i].Length);
        EXPECT_EQ(v.Name, expected[i].Name);
        EXPECT_EQ(v.InitValue, expected[i].Init);
        EXPECT_EQ(v.Position, expected[i].Position);
        EXPECT_EQ(v.BitStart, expected[i].Bit);
        EXPECT_EQ(v.Group, expected[i].Group);
    }
    ASSERT_EQ(saved.MtoS.size(), 1u);
    EXPECT_EQ(saved.MtoS[0].Name, "Target");
    EXPECT_EQ(saved.MtoS[0].Group, "Outputs");

    // Step 4: the ESI file describes the rows typed, in their order.
    files.Choose("road");
    Press(Main().Btn_EtherCAT_ESI_File);
    const QString esi = QString::fromUtf8(dir.read("PROJECTS/Road/road.xml"));
    ASSERT_FALSE(esi.isEmpty());
    const qsizetype blob = esi.indexOf("<Name>Blob</Name>"), speed = esi.indexOf("<Name>Speed</Name>"),
                    ready = esi.indexOf("<Name>Ready</Name>");
    EXPECT_GT(blob, 0);
    EXPECT_GT(speed, blob);
    EXPECT_GT(ready, speed);
    EXPECT_TRUE(esi.contains("<DataType>ARRAY [0..8] OF BYTE</DataType>"));
    EXPECT_TRUE(esi.contains("<Name>Target</Name>"));

    // Step 5: the images hold the same layout and groups.
    Update_To_Loopback();
    const QByteArray bank2 = dir.read("PROJECTS/Road/bin/bank2.bin");
    ASSERT_GT(bank2.size(), 0x4028);
    EXPECT_EQ(U16(bank2, 28), 3u);
    EXPECT_EQ(U16(bank2, 30), 1u);
    const struct {
        uint32_t Type, Length, Bit, Position, Group;
    } records[] = {{10, 9, 0, 0, 0}, {6, 2, 0, 9, 0}, {1, 1, 0, 11, 0xFFFFFFFF}};
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const qsizetype rec = 0x28 + 32 * j;
        EXPECT_EQ(U8(bank2, rec), records[j].Type);
        EXPECT_EQ(U8(bank2, rec + 1), records[j].Length);
        EXPECT_EQ(U8(bank2, rec + 3), records[j].Bit);
        EXPECT_EQ(U32(bank2, rec + 4), records[j].Position);
        EXPECT_EQ(U32(bank2, rec + 16), records[j].Group);
    }
    EXPECT_EQ(U8(bank2, 0x2028), 4u);
    EXPECT_TRUE(bank2.contains(QByteArray("Blob\0Speed\0Ready\0Target\0Inputs\0Outputs\0", 39)));
}

// Choosing the type in the Type cell's combo by keys, and Esc in it on an
// empty row.
TEST_F(MainRoadTest, Step3TheTypeIsChosenInTheComboByKeys)
{
    Start();
    Main().Show();
    New_Configuration_And_Parameters();
    ASSERT_FALSE(HasFatalFailure());
    modal.When(FEtherCATSlave, [](TForm&) {
        TFEtherCATSlave& d = *FEtherCATSlave;
        TVynStringGrid* s = d.VSG_SlaveMaster;
        // F2 opens the combo on item 0 (Bool); Down eight times is Array.
        Click_Cell(s, 2, 1);
        TestKit::TypeKey(nullptr, VK_F2);
        TestKit::PumpPostedMessages();
        for (int i = 0; i < 8; ++i)
            TestKit::TypeKey(nullptr, VK_DOWN);
        Enter();
        EXPECT_EQ(s->Cells(2, 1), "Array");
        EXPECT_EQ(s->Cells(3, 1), "10");
        EXPECT_FALSE(s->ReadOnly(3, 1));
        // Esc on an empty row leaves it empty.
        Click_Cell(s, 2, 2);
        TestKit::TypeKey(nullptr, VK_F2);
        TestKit::PumpPostedMessages();
        TestKit::TypeKey(nullptr, VK_ESCAPE);
        TestKit::PumpPostedMessages();
        EXPECT_EQ(s->Cells(2, 2), "");
        EXPECT_EQ(s->Cells(3, 2), "");
        Type_In_Cell(s, 3, 1, "12");
        Click_Button(d.Btn_OK);
        EXPECT_EQ(d.ModalResult(), mrOk);
    });
    Press(Main().Btn_EtherCAT_Set_Access);
    TEtherCAT_Variables saved;
    ASSERT_EQ(Read_EtherCAT_Slave(File_EtherCAT_Slave, saved).Status, TEtherCAT_Read::Read);
    ASSERT_EQ(saved.StoM.size(), 1u);
    EXPECT_EQ(saved.StoM[0].Type, "Array");
    EXPECT_EQ(saved.StoM[0].Length, "12");
}
