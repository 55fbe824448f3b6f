// The main road end to end, headless, through the real dialogs and files:
// a new configuration, its communication parameters, EtherCAT variables and
// groups, then step 5 (images, the update dialog, the job, the updater) and
// the address remembered in the settings.
#include <QFile>

#include "config/dialogs/UBoot.h"
#include "config/image/image_support.h"
#include "config/image/USaveBincc.h"
#include "config/pargen/UParGen.h"
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
