// The device-update dialog: the echo procedure driven through the dialog on a
// scripted echo socket and the fake clock, the update job, the remembered
// choices, the updater start, and the address edits.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "config/dialogs/UBoot.h"
#include "config/update/Update_Job.h"
#include "controls/button/LbButton.h"
#include "platform/testing/test_kit.h"
#include "support/temp_dir.h"

namespace {

// How the scripted device answers.
enum class TAnswer { Always, Never, Fail_Open, Fail_Send };

struct TEcho_Log {
    int Opened = 0;
    int Sent = 0;
    QByteArray Payload;
    uint32_t Address = 0;
};

class FakeEcho : public TEcho_Socket {
public:
    FakeEcho(TAnswer A, TEcho_Log& Log) : answer_(A), log_(Log) {}
    bool Open(String& Error) override
    {
        ++log_.Opened;
        if (answer_ == TAnswer::Fail_Open) {
            Error = "not permitted";
            return false;
        }
        return true;
    }
    bool Send(uint32_t Address, uint16_t Sequence, const QByteArray& Payload, String& Error) override
    {
        ++log_.Sent;
        log_.Address = Address;
        log_.Payload = Payload;
        if (answer_ == TAnswer::Fail_Send) {
            Error = "network unreachable";
            return false;
        }
        pending_ = Sequence;
        return true;
    }
    bool Poll_Reply(uint32_t, uint16_t Sequence, int& Data_Bytes) override
    {
        if (answer_ != TAnswer::Always || pending_ != Sequence)
            return false;
        pending_ = 0;
        Data_Bytes = int(log_.Payload.size());
        return true;
    }
    int Handle() const override { return -1; }

private:
    TAnswer answer_;
    TEcho_Log& log_;
    uint16_t pending_ = 0;
};

class BootDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Init_Program_State(dir.path());
        Load_Default_Lang();
        Project_Dir = QDir(dir.path()).filePath("PROJECTS/demo");
        saved_factory = TFBoot::Make_Echo_Socket;
        TFBoot::Make_Echo_Socket = [this] { return std::make_unique<FakeEcho>(answer, log); };
        form = new TFBoot(nullptr);
        form->Form_Type = 1;
    }
    void TearDown() override
    {
        form->Free();
        TFBoot::Make_Echo_Socket = saved_factory;
        Project_Dir.clear();
    }

    // A stand-in updater beside the executable that records its start and
    // the job it found.
    void Install_Updater()
    {
        const QString path = QDir(dir.path()).filePath("Ethernet_Update.exe");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nd=$(dirname \"$0\")\necho started >> \"$d/started.txt\"\n"
                "cp \"$d/Ethernet_Update.xml\" \"$d/job_seen.xml\"\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString Path(const char* Name) const { return QDir(dir.path()).filePath(QString::fromLatin1(Name)); }
    QString Read(const char* Name) const
    {
        QFile f(Path(Name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void Set_Address(const char* A, const char* B, const char* C, const char* D)
    {
        form->E_IP1->SetText(A);
        form->E_IP2->SetText(B);
        form->E_IP3->SetText(C);
        form->E_IP4->SetText(D);
    }
    // Shows the dialog, runs Action on it and closes it with Cancel.
    void Show(const std::function<void()>& Action)
    {
        TestKit::ModalFormDriver modal;
        modal.When(form, [&](TForm&) {
            Action();
            form->Btn_Cancel->Click();
        });
        EXPECT_EQ(form->ShowModal(), mrCancel);
    }

    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    TempDir dir;
    TAnswer answer = TAnswer::Always;
    TEcho_Log log;
    std::function<std::unique_ptr<TEcho_Socket>()> saved_factory;
    TFBoot* form = nullptr;
};

TEST_F(BootDialogTest, AnsweringDeviceWritesJobStoresChoicesAndStartsUpdater)
{
    Install_Updater();
    Last_IP_Address = "10.0.0.1";
    Show([&] {
        Set_Address("192", "168", "002", "050");  // leading zeros are dropped
        form->CB_Update_Options->SetItemIndex(uoFirmware);
        form->CB_Update_Option_Read_Back->SetChecked(false);
        TestKit::MessageBoxScript boxes;  // no box at all
        form->Btn_Update->Click();
        EXPECT_TRUE(form->Pinging());
        EXPECT_FALSE(form->Btn_Update->Enabled());
        EXPECT_FALSE(form->Btn_Cancel->Enabled());
        EXPECT_FALSE(form->CloseQuery());
        EXPECT_FALSE(QFileInfo::exists(Path("Ethernet_Update.xml")));
        clock.Advance(50);
        EXPECT_FALSE(form->Pinging());
        EXPECT_TRUE(form->Btn_Update->Enabled());
        EXPECT_TRUE(form->CloseQuery());
        EXPECT_TRUE(form->Visible());  // stays open after the update
    });
    EXPECT_EQ(log.Sent, 2);  // two replies with data end the procedure
    EXPECT_EQ(log.Address, 0xC0A80232u);
    EXPECT_EQ(log.Payload, QByteArray("192.168.2.50"));
    EXPECT_EQ(Last_IP_Address, "192.168.2.50");
    EXPECT_EQ(Update_Option, int(uoFirmware));
    EXPECT_FALSE(Read_Back);

    TUpdate_Job job;
    job.IP_Address = "192.168.2.50";
    job.Update_Option = uoFirmware;
    job.Read_Back = false;
    job.Master_Dir = Master_Dir;
    job.Project_Dir = Project_Dir;
    EXPECT_EQ(Read("Ethernet_Update.xml"), Update_Job_Xml(job));
    EXPECT_EQ(Read("started.txt"), "started\n");
    EXPECT_EQ(Read("job_seen.xml"), Update_Job_Xml(job));  // written before the start

    // A second update runs everything again and replaces the job.
    Show([&] {
        EXPECT_EQ(form->E_IP4->Text(), "50");
        form->CB_Update_Options->SetItemIndex(uoConfiguration);
        form->Btn_Update->Click();
        clock.Advance(50);
    });
    job.Update_Option = uoConfiguration;
    job.Read_Back = false;
    EXPECT_EQ(Read("Ethernet_Update.xml"), Update_Job_Xml(job));
    EXPECT_EQ(Read("started.txt"), "started\nstarted\n");

    // The largest octet, also written with a leading zero.
    const struct {
        std::array<const char*, 4> Octets;
        uint32_t Address;
        const char* Text;
    } ends[] = {
        {{"255", "0", "0", "0"}, 0xFF000000u, "255.0.0.0"},
        {{"0", "0255", "00", "255"}, 0x00FF00FFu, "0.255.0.255"},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.Text);
        log = {};
        Show([&] {
            Set_Address(e.Octets[0], e.Octets[1], e.Octets[2], e.Octets[3]);
            TestKit::MessageBoxScript boxes;  // no box at all
            form->Btn_Update->Click();
            clock.Advance(50);
        });
        EXPECT_EQ(log.Address, e.Address);
        EXPECT_EQ(log.Payload, QByteArray(e.Text));
        EXPECT_EQ(Last_IP_Address, e.Text);
    }
}

// Failures: the message, what was sent, and that nothing is stored or written.
TEST_F(BootDialogTest, FailuresStoreNothing)
{
    struct Case {
        const char* Name;
        TAnswer Answer;
        std::array<const char*, 4> Octets;
        TMsgDlgType Kind;
        int Text;
        bool Sends;
    };
    const Case cases[] = {
        {"never answering", TAnswer::Never, {"127", "0", "0", "1"}, mtWarning, 1236, true},
        {"socket cannot open", TAnswer::Fail_Open, {"127", "0", "0", "1"}, mtError, 1237, false},
        {"send fails", TAnswer::Fail_Send, {"127", "0", "0", "1"}, mtError, 1237, true},
        {"octet above 255", TAnswer::Always, {"127", "0", "0", "256"}, mtError, 1237, false},
        {"octet above 255 after a zero", TAnswer::Always, {"127", "0256", "0", "1"}, mtError, 1237, false},
        {"octet 2^32, which 32 bits wrap to 0", TAnswer::Always, {"127", "0", "0", "4294967296"}, mtError, 1237,
         false},
        {"letters", TAnswer::Always, {"gw", "0", "0", "1"}, mtError, 1237, false},
        {"empty octet", TAnswer::Always, {"127", "", "0", "1"}, mtError, 1237, false},
        {"sign", TAnswer::Always, {"127", "+0", "0", "1"}, mtError, 1237, false},
        {"dot inside", TAnswer::Always, {"127.0", "0", "1", "1"}, mtError, 1237, false},
    };
    Install_Updater();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        answer = c.Answer;
        log = {};
        Last_IP_Address = "10.1.2.3";
        Update_Option = 0;
        Read_Back = true;
        Show([&] {
            Set_Address(c.Octets[0], c.Octets[1], c.Octets[2], c.Octets[3]);
            form->CB_Update_Options->SetItemIndex(2);
            form->CB_Update_Option_Read_Back->SetChecked(false);
            TestKit::MessageBoxScript boxes;
            boxes.Expect(c.Kind, Lang_Text(c.Text), TMsgDlgButtons{mbOK}, mrOk);
            form->Btn_Update->Click();
            clock.Advance(6000);
            EXPECT_EQ(boxes.Pending(), 0);
            EXPECT_FALSE(form->Pinging());
            EXPECT_TRUE(form->Btn_Update->Enabled());
        });
        EXPECT_EQ(log.Sent > 0, c.Sends);
        if (c.Answer == TAnswer::Never) {
            EXPECT_GE(log.Sent, 12);  // 400 ms per request for 5 s
        }
        EXPECT_EQ(Last_IP_Address, "10.1.2.3");
        EXPECT_EQ(Update_Option, 0);
        EXPECT_TRUE(Read_Back);
        EXPECT_FALSE(QFileInfo::exists(Path("Ethernet_Update.xml")));
        EXPECT_FALSE(QFileInfo::exists(Path("started.txt")));
    }
}

TEST_F(BootDialogTest, SecondClickWhilePingingIsIgnored)
{
    answer = TAnswer::Never;
    Show([&] {
        Set_Address("127", "0", "0", "1");
        TestKit::MessageBoxScript boxes;
        boxes.Expect(mtWarning, Lang_Text(1236), TMsgDlgButtons{mbOK}, mrOk);  // once
        form->Btn_Update->Click();
        clock.Advance(100);
        const int sent = log.Sent;
        form->Btn_UpdateClick(form->Btn_Update);
        EXPECT_EQ(log.Opened, 1);
        EXPECT_EQ(log.Sent, sent);
        clock.Advance(6000);
        EXPECT_EQ(boxes.Pending(), 0);
        EXPECT_EQ(log.Opened, 1);
    });
}

TEST_F(BootDialogTest, FailedUpdaterStartIsReported)
{
    // No Ethernet_Update.exe beside the executable.
    Show([&] {
        Set_Address("127", "0", "0", "1");
        TestKit::MessageBoxScript boxes;
        boxes.ExpectAny(mrOk);
        form->Btn_Update->Click();
        clock.Advance(50);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].Kind, mtError);
        EXPECT_TRUE(boxes.Shown()[0].Text.startsWith(Lang_Text(1129))) << boxes.Shown()[0].Text.toStdString();
        EXPECT_EQ(Lang_Text(1129), "Error!! The update program cannot be started: ");
    });
    // The job was written and the address remembered before the start.
    EXPECT_TRUE(QFileInfo::exists(Path("Ethernet_Update.xml")));
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
}

TEST_F(BootDialogTest, ShowFillsFromLastAddressAndOptions)
{
    Update_Option = 2;
    Read_Back = false;
    Show([&] {
        EXPECT_EQ(form->Caption(), Lang_Text(1202));
        EXPECT_EQ(form->L_SW_Desc->Caption(), Lang_Text(1203));
        EXPECT_EQ(form->L_SW_Code->Caption(), SW_Code);
        EXPECT_EQ(form->E_IP1->Text(), "192");  // the settings default 192.168.2.205
        EXPECT_EQ(form->E_IP2->Text(), "168");
        EXPECT_EQ(form->E_IP3->Text(), "2");
        EXPECT_EQ(form->E_IP4->Text(), "205");
        ASSERT_EQ(form->CB_Update_Options->Items().Count(), 3);
        EXPECT_EQ(form->CB_Update_Options->Items()[0], Lang_Text(1215));
        EXPECT_EQ(form->CB_Update_Options->ItemIndex(), 2);
        EXPECT_FALSE(form->CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(form->Btn_Update->Caption(), Lang_Text(1220));
        EXPECT_EQ(form->E_IP1->Hint(), Lang_Text(1221));
        EXPECT_TRUE(form->E_IP1->Focused());
    });
    // A language change while closed is applied at the next show.
    Lang_Texts[1202] = "Aggiornamento";
    Last_IP_Address = "not an address";
    Show([&] {
        EXPECT_EQ(form->Caption(), "Aggiornamento");
        EXPECT_EQ(form->E_IP4->Text(), "205");  // an unusable address leaves the edits
    });
}

TEST_F(BootDialogTest, DotMovesToNextOctetAndIsSwallowed)
{
    Show([&] {
        const TEdit* chain[4] = {form->E_IP1, form->E_IP2, form->E_IP3, form->E_IP4};
        form->E_IP1->SetFocus();
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(chain[i]->Focused());
            const_cast<TEdit*>(chain[i])->SelectAll();
            TestKit::TypeText(nullptr, "7");
            TestKit::TypeText(nullptr, ".");
            EXPECT_EQ(chain[i]->Text(), "7");
            EXPECT_TRUE(chain[i < 3 ? i + 1 : 3]->Focused());
        }
    });
}

}  // namespace
