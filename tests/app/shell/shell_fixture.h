#pragma once
// The program started in a temporary directory: every dialog created as at
// start (owned by the fixture, so each test starts afresh), with scripted
// message boxes, modal dialogs and file dialogs, a fake clock and the
// shell-open recorder.
#include <gtest/gtest.h>

#include <memory>

#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "app/core/Version_Check.h"
#include "app/shell/Maker_Site.h"
#include "app/shell/Program_Start.h"
#include "app/shell/UAbout.h"
#include "app/shell/UNew_Project.h"
#include "app/shell/UOpenConf.h"
#include "app/shell/USoftOptions.h"
#include "app/shell/UTessaraneFirmWare.h"
#include "grid/core/grid_startup.h"
#include "platform/os/files.h"
#include "platform/os/recording_shell_opener.h"
#include "platform/testing/test_kit.h"
#include "support/temp_dir.h"

// Texts in failure messages.
inline void PrintTo(const QString& S, std::ostream* Out) { *Out << '"' << S.toStdString() << '"'; }

struct ShellTest : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    TempDir dir;
    TestKit::MessageBoxScript boxes;
    TestKit::ModalFormDriver modal;
    TestKit::FileDialogScript files;
    Recording_Shell_Opener* opened = nullptr;
    std::unique_ptr<TComponent> owner;
    bool startedGrids = false;

    void SetUp() override
    {
        // The grid library starts as the program's main starts it.
        startedGrids = VynGridModule::Start();
        auto recorder = std::make_unique<Recording_Shell_Opener>();
        opened = recorder.get();
        Set_Shell_Opener(std::move(recorder));
        Set_Program_Base_Dir(dir.path());
    }
    void TearDown() override
    {
        Stop();
        Set_Shell_Opener(nullptr);
        Set_Program_Base_Dir(String());
        Version_Check_Target() = Version_Check_Request(QString::fromLatin1(Maker_Host));
        if (startedGrids)
            VynGridModule::End();
    }

    // Creates every dialog, as the program's start does.
    void Start()
    {
        Stop();
        owner = std::make_unique<TComponent>(nullptr);
        Create_Forms(owner.get());
    }
    // Frees them (closing nothing: the settings are written only by closing
    // the main window).
    void Stop()
    {
        if (!owner)
            return;
        owner.reset();
        Forget_Forms();
    }

    TFTessaraneFirmWare& Main() { return *FTessaraneFirmWare; }
    String Projects() const { return dir.file("PROJECTS"); }
    // A configuration directory (with its bin folder) made behind the
    // program's back.
    void Make_Configuration(const String& Name)
    {
        ASSERT_TRUE(Force_Directories(Path_Join(Path_Join(Projects(), Name), "bin")));
    }
    // A configuration that is open when the program starts.
    void Start_With_Configuration(const String& Name)
    {
        Make_Configuration(Name);
        Write_Settings(Name);
        Start();
        ASSERT_EQ(Project_Dir, Path_Join(Projects(), Name));
    }
    // The settings file naming a configuration and a language.
    void Write_Settings(const String& Project, const String& Language = "English", bool Internet = false,
                        bool Update = false)
    {
        dir.write("Tessaran.xml",
                  ("<Conf_Settings><lastproj><projectname>" + Project + "</projectname></lastproj>"
                   "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
                   "<lastlang><language>" + Language + "</language></lastlang>"
                   "<lastinternet><enable_internet>" + QString(Internet ? "1" : "0") +
                   "</enable_internet><enable_update>" + QString(Update ? "1" : "0") +
                   "</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
                   "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>")
                      .toUtf8());
    }
    // Clicks a button as the user does (its OnClick and modal result).
    static void Press(TLbButton* Button) { Button->Click(); }
};
