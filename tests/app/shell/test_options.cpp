// The software options: the language pages with their flags, the language
// change, the options and the update timer; the version check against a
// local server; the About box.
#include <sys/stat.h>

#include "app/core/Settings.h"
#include "support/loopback_server.h"
#include "shell_fixture.h"

namespace {

// A small bitmap of one colour and size, to tell the flags apart.
void Write_Flag(const TempDir& Dir, const String& Name, int Width, int Height)
{
    TBitmap b(Width, Height);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, Width, Height));
    b.SaveToFile(Dir.file("LANGUAGE/" + Name));
}

// What the language page shows.
struct Page_View {
    String Page_Label;
    bool Prev = false, Next = false;
    QStringList Names;       // the visible slots' names
    std::vector<int> Flags;  // the visible slots' flag widths (0: no picture)
};

Page_View View()
{
    Page_View v;
    TFSoftOptions* o = FSoftOptions;
    v.Page_Label = o->L_Page_Lang->Caption();
    v.Prev = o->Btn_Prev->Visible();
    v.Next = o->Btn_Next->Visible();
    for (int n = 0; n < 6; ++n) {
        if (!o->L_L[n]->Visible()) {
            EXPECT_FALSE(o->I_L[n]->Visible()) << "slot " << n + 1;
            continue;
        }
        v.Names << o->L_L[n]->Caption();
        v.Flags.push_back(o->I_L[n]->Visible() ? o->I_L[n]->Picture().Width() : 0);
    }
    return v;
}

}  // namespace

TEST_F(ShellTest, TheLanguagePagesShowSixLanguagesEachWithTheirFlags)
{
    struct {
        int count;
        std::vector<int> per_page;  // slots shown on each page
    } cases[] = {{0, {0}}, {1, {1}}, {6, {6}}, {7, {6, 1}}, {13, {6, 6, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        TempDir language;
        Set_Program_Base_Dir(language.path());
        // Names that sort differently with and without letter case; every
        // third language has a flag of its own (20 wide), the others show
        // DefaultFlag.bmp (48 wide); one file is read-only.
        language.write("LANGUAGE/notes.txt", "");
        language.write("LANGUAGE/Upper.LNG", "");  // only ".lng" names are languages
        QStringList expected;
        for (int i = 0; i < c.count; ++i) {
            const String name = QString(i % 2 ? "lang%1" : "Lang%1").arg(i, 2, 10, QChar('0'));
            language.write("LANGUAGE/" + name + ".lng", "");
            if (i % 3 == 0)
                Write_Flag(language, name + ".bmp", 20, 14);
            expected << name;
        }
        Write_Flag(language, "DefaultFlag.bmp", 48, 48);
        if (c.count > 0)
            ::chmod(language.file("LANGUAGE/" + expected[0] + ".lng").toLocal8Bit().constData(), 0444);
        Start();
        const int pages = int(c.per_page.size());
        modal.When(FSoftOptions, [&](TForm&) {
            TFSoftOptions* o = FSoftOptions;
            EXPECT_EQ(o->PC_Options->ActivePage(), o->TS_Language);
            EXPECT_EQ(o->SL_Languages.size(), c.count);
            for (int p = 1; p <= pages; ++p) {
                SCOPED_TRACE(p);
                const Page_View v = View();
                EXPECT_EQ(v.Page_Label, QString("Page %1 / %2").arg(p).arg(c.count ? pages : 0));
                EXPECT_EQ(v.Prev, p != 1);
                EXPECT_EQ(v.Next, p != pages || c.count == 0);
                ASSERT_EQ(v.Names.size(), c.per_page[p - 1]);
                for (int n = 0; n < v.Names.size(); ++n) {
                    const int i = 6 * (p - 1) + n;
                    EXPECT_EQ(v.Names[n], expected[i]);
                    EXPECT_EQ(v.Flags[n], i % 3 == 0 ? 20 : 48) << v.Names[n].toStdString();
                }
                Press(o->Btn_Next);
            }
            // Past the last page Next does nothing (for no languages it shows
            // and still does nothing); Prev goes back to page 1.
            EXPECT_EQ(o->Show_Page, pages);
            for (int p = pages; p > 1; --p)
                Press(o->Btn_Prev);
            EXPECT_EQ(o->Show_Page, 1);
            EXPECT_FALSE(o->Btn_Prev->Visible());
            Press(o->Btn_Cancel);
        });
        Press(Main().Btn_Opz);
        Stop();
    }
}

TEST_F(ShellTest, ALanguageWithoutAnyFlagPictureShowsItsNameAlone)
{
    dir.write("LANGUAGE/Italiano.lng", "");
    dir.write("LANGUAGE/Broken.lng", "");
    dir.write("LANGUAGE/Broken.bmp", "not a picture");
    Start();
    modal.When(FSoftOptions, [](TForm&) {
        const Page_View v = View();
        EXPECT_EQ(v.Names, (QStringList{"Broken", "Italiano"}));
        EXPECT_EQ(v.Flags, (std::vector<int>{0, 0}));
        Press(FSoftOptions->Btn_Cancel);
    });
    Press(Main().Btn_Opz);
}

TEST_F(ShellTest, ChangingTheLanguageYesNoAndCancel)
{
    for (int i = 0; i < 6; ++i)
        dir.write(QString("LANGUAGE/A%1.lng").arg(i), "");
    // Blanks at either end of a text are kept between pilcrows.
    dir.write("LANGUAGE/Deutsch.lng",
              "STR15 = Neue Konfiguration\nSTR300 = Optionen\nSTR305 = \xc2\xb6Seite \xc2\xb6\nSTR306 = \xc2\xb6 von \xc2\xb6\n"
              "STR316 = \xc2\xb6Sprache wechseln von \xc2\xb6\nSTR317 = \xc2\xb6 zu \xc2\xb6\nSTR318 = ?\n");
    Write_Flag(dir, "DefaultFlag.bmp", 48, 48);
    Start();
    TFSoftOptions* o = FSoftOptions;
    // Deutsch is the first language of page 2.
    auto on_page_2 = [o] {
        Press(o->Btn_Next);
        ASSERT_EQ(o->L_L[0]->Caption(), "Deutsch");
    };

    // No: nothing changes.
    modal.When(o, [&](TForm&) {
        on_page_2();
        boxes.Expect(mtConfirmation, "Do you want to change the Language from English to Deutsch?", mbYesNo, mrNo);
        TestKit::Click(o->I_L[0], 5, 5);
        EXPECT_EQ(o->Language_In_Use, "English");
        Press(o->Btn_Cancel);
    });
    Press(Main().Btn_Opz);
    EXPECT_EQ(Main().Btn_New->Caption(), "New Configuration");
    EXPECT_EQ(Language_Name, "English");

    // Yes, then Cancel: the texts stay, the settings keep the old language.
    modal.When(o, [&](TForm&) {
        on_page_2();
        boxes.Expect(mtConfirmation, "Do you want to change the Language from English to Deutsch?", mbYesNo, mrYes);
        TestKit::Click(o->L_L[0], 2, 2);
        EXPECT_EQ(Language_Name, "English") << "restored after loading";
        EXPECT_EQ(o->Language_In_Use, "Deutsch");
        EXPECT_EQ(o->Caption(), "Optionen");
        EXPECT_EQ(o->L_Sel_Lang->Caption(), Lang_Text(304) + "Deutsch");
        EXPECT_EQ(o->L_Page_Lang->Caption(), "Seite 2 von 2") << "the page counter follows the page shown";
        Press(o->Btn_Cancel);
    });
    Press(Main().Btn_Opz);
    EXPECT_EQ(Main().Btn_New->Caption(), "Neue Konfiguration");
    EXPECT_EQ(FAbout->Label3->Caption(), "Version :");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(File_Exists(dir.file("Tessaran.xml")));

    // Yes, then OK: the language is stored and saved.
    modal.When(o, [&](TForm&) {
        EXPECT_EQ(o->L_Sel_Lang->Caption(), Lang_Text(304) + "English");
        on_page_2();
        boxes.Expect(mtConfirmation, "Sprache wechseln von English zu Deutsch?", mbYesNo, mrYes);
        TestKit::Click(o->I_L[0], 5, 5);
        Press(o->Btn_OK);
    });
    Press(Main().Btn_Opz);
    EXPECT_EQ(Language_Name, "Deutsch");
    Init_Program_State(dir.path());
    Read_Settings();
    EXPECT_EQ(Language_Name, "Deutsch");
}

TEST_F(ShellTest, TheUpdateCheckBoxFollowsTheConnectionBox)
{
    Start();
    struct {
        bool internet, update;
        bool update_enabled, check_enabled;
    } rows[] = {
        {false, false, false, false},
        {false, true, false, false},
        {true, false, true, false},
        {true, true, true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.internet) + std::to_string(r.update));
        Opt_Enable_Internet = r.internet;
        Opt_Enable_Update = r.update;
        modal.When(FSoftOptions, [&](TForm&) {
            TFSoftOptions* o = FSoftOptions;
            EXPECT_EQ(o->CB_En_Con->Checked(), r.internet);
            EXPECT_EQ(o->CB_Update->Checked(), r.update);
            EXPECT_EQ(o->CB_Update->Enabled(), r.update_enabled);
            EXPECT_EQ(o->Btn_Check_Update->Enabled(), r.check_enabled);
            Press(o->Btn_Cancel);
        });
        Press(Main().Btn_Opz);
    }
    // A user's click on the connection box: a disabled update box keeps its
    // mark, and OK stores it.
    Opt_Enable_Internet = true;
    Opt_Enable_Update = true;
    modal.When(FSoftOptions, [](TForm&) {
        TFSoftOptions* o = FSoftOptions;
        o->PC_Options->SetActivePage(o->TS_Con_Options);
        TestKit::Click(o->CB_En_Con, 5, 8);
        EXPECT_FALSE(o->CB_En_Con->Checked());
        EXPECT_FALSE(o->CB_Update->Enabled());
        EXPECT_TRUE(o->CB_Update->Checked());
        EXPECT_FALSE(o->Btn_Check_Update->Enabled());
        Press(o->Btn_OK);
    });
    Press(Main().Btn_Opz);
    EXPECT_FALSE(Opt_Enable_Internet);
    EXPECT_TRUE(Opt_Enable_Update);
    EXPECT_FALSE(Main().Timer_Update->Enabled());
}

TEST_F(ShellTest, OKStoresTheOptionsSavesThemAndSetsTheUpdateTimer)
{
    Start();
    struct {
        bool internet, update, timer;
    } rows[] = {{false, false, false}, {false, true, false}, {true, false, false}, {true, true, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.internet) + std::to_string(r.update));
        modal.When(FSoftOptions, [&](TForm&) {
            TFSoftOptions* o = FSoftOptions;
            o->CB_En_Con->SetChecked(r.internet);
            o->CB_Update->SetChecked(r.update);
            o->CB_Soft_Set_Jump_Table->SetChecked(r.update);
            o->CB_DoubleClick_Auto_Size->SetChecked(r.internet);
            Press(o->Btn_OK);
        });
        Press(Main().Btn_Opz);
        EXPECT_EQ(Main().Timer_Update->Enabled(), r.timer);
        EXPECT_EQ(Opt_Jump_Field_Tables, r.update);
        EXPECT_EQ(Opt_Double_Click_Auto_Size, r.internet);
        // Saved at once: a fresh read gives the same flags.
        Init_Program_State(dir.path());
        Read_Settings();
        EXPECT_EQ(Opt_Enable_Internet, r.internet);
        EXPECT_EQ(Opt_Enable_Update, r.update);
    }
    // Cancel keeps the options.
    modal.When(FSoftOptions, [](TForm&) {
        FSoftOptions->CB_En_Con->SetChecked(false);
        Press(FSoftOptions->Btn_Cancel);
    });
    Press(Main().Btn_Opz);
    EXPECT_TRUE(Opt_Enable_Internet);
    EXPECT_TRUE(Main().Timer_Update->Enabled());
}

TEST_F(ShellTest, TheTimerRunsTheCheckAMinuteAfterStartThenEveryTwoHours)
{
    Loopback_Server newer("HTTP/1.0 200 OK\r\n\r\nVER. 1.002");
    Version_Check_Target().Host = "127.0.0.1";
    Version_Check_Target().Port = newer.Port();
    Write_Settings("", "English", true, true);
    Start();
    TFTessaraneFirmWare& w = Main();
    Main().Show();
    ASSERT_TRUE(w.Timer_Update->Enabled());
    EXPECT_EQ(w.Timer_Update->Interval(), 60000u);
    clock.Advance(59999);
    EXPECT_FALSE(w.LL_Update->Visible());
    clock.Advance(1);
    EXPECT_TRUE(w.LL_Update->Visible());
    EXPECT_EQ(w.LL_Update->PlainText(), "New Version Available. Click Here for more Details");
    EXPECT_TRUE(w.Timer_Update->Enabled());
    EXPECT_EQ(w.Timer_Update->Interval(), 7200000u);
    EXPECT_TRUE(newer.Request().startsWith("GET /home/download/GetversionSW.asp?nomesw=CF48T21 HTTP/1.0\r\n"));
    EXPECT_TRUE(newer.Request().contains("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));

    // The link opens the download page.
    TestKit::RenderToImage(&w);
    const TLinkLabel::TSegment& link = w.LL_Update->Segments().front();
    ASSERT_TRUE(link.IsLink);
    TestKit::Click(w.LL_Update, link.Bounds.Left + 2, link.Bounds.Top + 2);
    EXPECT_EQ(opened->targets, QStringList{Maker_Download_Url()});
    EXPECT_EQ(Maker_Download_Url(), "http://morvellan.invalid/Home/download/download.asp#DV48T21");

    // Two hours later the server has nothing newer: the link goes.
    Loopback_Server same("HTTP/1.0 200 OK\r\n\r\nVER. 1.001");
    Version_Check_Target().Port = same.Port();
    clock.Advance(7200000);
    EXPECT_FALSE(w.LL_Update->Visible());
    EXPECT_EQ(w.Timer_Update->Interval(), 7200000u);
}

TEST_F(ShellTest, TheVersionCheckAnswerTable)
{
    struct {
        const char* name;
        QByteArray answer;
        bool silent = false;
        bool refused = false;
        bool newer = false;
    } cases[] = {
        {"newer", "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.002", false, false, true},
        {"newer, other case and blanks", "HTTP/1.1 200 OK\r\n\r\n  Ver. 2.000 \r\n", false, false, true},
        {"no update", "HTTP/1.0 200 OK\r\n\r\nVER. 0.000"},
        {"the same version", "HTTP/1.0 200 OK\r\n\r\n1.001"},
        {"not a version", "HTTP/1.0 200 OK\r\n\r\nVer. 12.005"},
        {"a web page", "HTTP/1.0 200 OK\r\n\r\n<html> <body>VER. 9.999</body></html>"},
        {"empty body", "HTTP/1.0 200 OK\r\n\r\n"},
        {"not found", "HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999"},
        {"redirect", "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1/x\r\n\r\nVER. 9.999"},
        {"server error", "HTTP/1.0 500 Internal Server Error\r\n\r\nVER. 9.999"},
        {"refused", "", false, true},
        {"never answers", "", true},
    };
    Start();
    Version_Check_Target().Host = "127.0.0.1";
    Version_Check_Target().Connect_Timeout_Ms = 500;
    Version_Check_Target().Read_Timeout_Ms = 300;
    Opt_Enable_Internet = true;
    Opt_Enable_Update = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<Loopback_Server> server;
        const Closed_Loopback_Port closed;
        if (c.refused) {
            Version_Check_Target().Port = closed.Port();
        } else {
            server = std::make_unique<Loopback_Server>(c.answer, c.silent);
            Version_Check_Target().Port = server->Port();
        }
        // Through the options dialog's button, as the user asks.
        modal.When(FSoftOptions, [&](TForm&) {
            TFSoftOptions* o = FSoftOptions;
            EXPECT_FALSE(o->LL_Check_Update->Visible());
            o->PC_Options->SetActivePage(o->TS_Con_Options);
            Press(o->Btn_Check_Update);
            EXPECT_TRUE(o->LL_Check_Update->Visible());
            if (c.newer) {
                EXPECT_EQ(o->LL_Check_Update->Caption(),
                          "<a href=\"http://morvellan.invalid/Home/download/download.asp#DV48T21\">"
                          "New Version Available. Click Here for more Details</a>");
            } else {
                EXPECT_EQ(o->LL_Check_Update->Caption(), "No Update Available");
            }
            Press(o->Btn_Cancel);
        });
        Press(Main().Btn_Opz);
    }
}

TEST_F(ShellTest, TheCheckLinkOpensTheDownloadPage)
{
    Loopback_Server newer("HTTP/1.0 200 OK\r\n\r\nVER. 1.002");
    Version_Check_Target().Host = "127.0.0.1";
    Version_Check_Target().Port = newer.Port();
    Write_Settings("", "English", true, true);
    Start();
    modal.When(FSoftOptions, [](TForm&) {
        TFSoftOptions* o = FSoftOptions;
        o->PC_Options->SetActivePage(o->TS_Con_Options);
        Press(o->Btn_Check_Update);
        TestKit::RenderToImage(o);
        const TLinkLabel::TSegment& link = o->LL_Check_Update->Segments().front();
        TestKit::Click(o->LL_Check_Update, link.Bounds.Left + 2, link.Bounds.Top + 2);
        Press(o->Btn_Cancel);
    });
    Press(Main().Btn_Opz);
    EXPECT_EQ(opened->targets, QStringList{Maker_Download_Url()});
}

TEST_F(ShellTest, TheAboutBoxKeepsItsEnglishTextsAndOpensTheMakersHomePage)
{
    dir.write("LANGUAGE/Deutsch.lng", "STR12 = Information (de)\nSTR15 = Neue Konfiguration\n");
    Write_Settings("", "Deutsch");
    Start();
    EXPECT_EQ(Main().Btn_New->Caption(), "Neue Konfiguration");
    Main().Show();
    modal.When(FAbout, [](TForm& f) {
        TFAbout* a = FAbout;
        EXPECT_EQ(f.Caption(), "About...");
        EXPECT_EQ(a->Label1->Caption(), "Software Tessaran ");
        EXPECT_EQ(a->Label2->Caption(), "EtherCAT Slave / Modbus TCP Slave - Converter");
        EXPECT_EQ(a->Label6->Caption(), "Software Code : ");
        EXPECT_EQ(a->Label9->Caption(), "CF48T21");
        EXPECT_EQ(a->Label3->Caption(), "Version :");
        EXPECT_EQ(a->Label10->Caption(), "1.001");
        EXPECT_EQ(a->Label10->Caption(), Configurator_Version) << "the version the update check compares";
        EXPECT_EQ(a->Label8->Caption(), "Document Code :");
        EXPECT_EQ(a->Label12->Caption(), "UG48T21");
        EXPECT_EQ(f.ClientWidth(), 425);
        EXPECT_EQ(f.ClientHeight(), 148);
        EXPECT_EQ(a->Image2->Picture().Width(), 81);
        TestKit::Click(a->Label4, 3, 3);
        TestKit::Click(a->Image2, 40, 40);
        Press(a->LbButton1);
    });
    Press(Main().Btn_Info);
    EXPECT_EQ(modal.Shown().back().Result, mrOk);
    TestKit::Click(Main().L_Morvellan, 3, 3);
    const String home = "http://morvellan.invalid/HOME/default.asp?frompg=CF48T21";
    EXPECT_EQ(opened->targets, (QStringList{home, home, home}));
    EXPECT_EQ(Maker_Home_Url(), home);
}
