// Step 1: creating a configuration (the name rules, the dialog staying open
// on an error, Enter as OK) and opening one (the list, the preselection, an
// empty list, Cancel).
#include <QDir>

#include "shell_fixture.h"

namespace {

QStringList Entries(const String& Dir)
{
    return QDir(Dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}  // namespace

TEST_F(ShellTest, NewConfigurationNameTable)
{
    Start();
    Make_Configuration("Existing");
    struct {
        const char* name;
        int error;  // 0: created and opened
    } cases[] = {
        {"Alpha", 0},
        {"", 107},
        {"Existing", 106},
        {"EXISTING", 106},  // the same configuration in other letters
        {"..", 107},
        {".", 107},
        {"a/b", 107},
        {"a\\b", 107},
        {"tab\there", 107},
        {" padded ", 0},  // used verbatim
    };
    Main().Show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const String open_before = Project_Dir;
        const QStringList before = Entries(Projects());
        TModalResult after_ok = mrNone;
        String field_after;
        modal.When(FNew_Project, [&](TForm&) {
            FNew_Project->E_New_Proj->SetText(QString::fromUtf8(c.name));
            Press(FNew_Project->Btn_OK);
            after_ok = FNew_Project->ModalResult();
            field_after = FNew_Project->E_New_Proj->Text();
            if (after_ok == mrNone)
                Press(FNew_Project->Btn_Cancel);
        });
        if (c.error)
            boxes.Expect(mtError, Lang_Text(c.error), {mbOK}, mrOk);
        Press(Main().Btn_New);
        EXPECT_EQ(boxes.Pending(), 0);
        if (c.error) {
            EXPECT_EQ(after_ok, mrNone) << "the dialog stays open";
            EXPECT_EQ(field_after, QString::fromUtf8(c.name));
            EXPECT_EQ(Entries(Projects()), before) << "nothing is created";
            EXPECT_EQ(Project_Dir, open_before);
        } else {
            const String path = Path_Join(Projects(), QString::fromUtf8(c.name));
            EXPECT_EQ(after_ok, mrOk);
            EXPECT_TRUE(Directory_Exists(Path_Join(path, "bin")));
            EXPECT_EQ(Project_Name, QString::fromUtf8(c.name));
            EXPECT_EQ(Project_Dir, path);
            EXPECT_EQ(File_EtherCAT_Slave, Path_Join(path, "EtherCAT_Slave.xml"));
            EXPECT_EQ(Main().L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
            EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), QString::fromUtf8(c.name));
        }
    }
    // The settings are written only when the program closes.
    EXPECT_FALSE(File_Exists(dir.file("Tessaran.xml")));
}

TEST_F(ShellTest, ANewConfigurationThatCannotBeCreatedGivesError105)
{
    Start();
    // The configurations' folder is a plain file: nothing can be created in it.
    ASSERT_TRUE(QDir(Projects()).removeRecursively());
    dir.write("PROJECTS", "not a folder");
    modal.When(FNew_Project, [](TForm&) {
        FNew_Project->E_New_Proj->SetText("Plant");
        Press(FNew_Project->Btn_OK);
        EXPECT_EQ(FNew_Project->ModalResult(), mrNone);
        Press(FNew_Project->Btn_Cancel);
    });
    boxes.Expect(mtError, "Error! Name project is not valid", {mbOK}, mrOk);
    Press(Main().Btn_New);
    EXPECT_TRUE(Project_Dir.isEmpty());
}

TEST_F(ShellTest, TheNewDialogStartsEmptyAndEnterActsAsOK)
{
    Start();
    Main().Show();
    modal.When(FNew_Project, [](TForm&) {
        TestKit::TypeText(FNew_Project->E_New_Proj, "First");
        Press(FNew_Project->Btn_Cancel);
    });
    Press(Main().Btn_New);
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_FALSE(Directory_Exists(Path_Join(Projects(), "First")));

    modal.When(FNew_Project, [](TForm&) {
        EXPECT_TRUE(FNew_Project->E_New_Proj->Text().isEmpty());
        EXPECT_EQ(GetFocusedControl(), FNew_Project->E_New_Proj);
        TestKit::TypeText(nullptr, "Second");
        TestKit::TypeKey(nullptr, VK_RETURN);
    });
    Press(Main().Btn_New);
    EXPECT_EQ(modal.Shown().back().Result, mrOk);
    EXPECT_EQ(Project_Name, "Second");
    EXPECT_TRUE(Directory_Exists(Path_Join(Projects(), "Second")));
}

TEST_F(ShellTest, TheOpenDialogPreselectsTheOpenConfiguration)
{
    Start();
    for (const char* n : {"gamma", "Beta", "alpha"})
        Make_Configuration(n);
    struct {
        const char* open;  // "" none
        int selected;
    } cases[] = {
        {"gamma", 2},
        {"BETA", 1},  // compared ignoring letter case
        {"", 0},
        {"deleted", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.open);
        Project_Name = QString::fromUtf8(c.open);
        Project_Dir = *c.open ? Path_Join(Projects(), Project_Name) : String();
        int selected = -2;
        QStringList items;
        modal.When(FOpenConf, [&](TForm&) {
            selected = FOpenConf->ListBox1->ItemIndex();
            items = FOpenConf->ListBox1->Items().ToQStringList();
            EXPECT_EQ(FOpenConf->Name_Conf, items.value(selected));
            Press(FOpenConf->Btn_Cancel);
        });
        Press(Main().Btn_Open);
        EXPECT_EQ(items, (QStringList{"alpha", "Beta", "gamma"}));
        EXPECT_EQ(selected, c.selected);
    }
}

TEST_F(ShellTest, OpeningTheChosenConfiguration)
{
    Start();
    for (const char* n : {"North", "South"})
        Make_Configuration(n);
    Main().Show();
    modal.When(FOpenConf, [](TForm&) {
        TListBox* list = FOpenConf->ListBox1;
        const TRect r = list->ItemRect(1);
        TestKit::Click(list, r.Left + 5, r.Top + 2);  // the user picks "South"
        EXPECT_EQ(FOpenConf->Name_Conf, "South");
        Press(FOpenConf->Btn_OK);
    });
    Press(Main().Btn_Open);
    EXPECT_EQ(Project_Name, "South");
    EXPECT_EQ(Project_Dir, Path_Join(Projects(), "South"));
    EXPECT_EQ(File_ParGen, Path_Join(Project_Dir, "ParGen.xml"));
    EXPECT_EQ(Main().L_Name_Conf->Caption(), Lang_Text(11));
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), "South");
}

TEST_F(ShellTest, CancelInEitherDialogChangesNothing)
{
    Start_With_Configuration("Kept");
    Make_Configuration("Other");
    const String paths = File_ParGen + File_EtherCAT_Slave_Group;
    modal.When(FOpenConf, [](TForm&) {
        FOpenConf->ListBox1->SetItemIndex(1);
        FOpenConf->Name_Conf = "Other";
        Press(FOpenConf->Btn_Cancel);
    });
    modal.When(FNew_Project, [](TForm&) {
        FNew_Project->E_New_Proj->SetText("Third");
        Press(FNew_Project->Btn_Cancel);
    });
    Press(Main().Btn_Open);
    Press(Main().Btn_New);
    EXPECT_EQ(Project_Name, "Kept");
    EXPECT_EQ(Project_Dir, Path_Join(Projects(), "Kept"));
    EXPECT_EQ(File_ParGen + File_EtherCAT_Slave_Group, paths);
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), "Kept");
    EXPECT_FALSE(Directory_Exists(Path_Join(Projects(), "Third")));
}

TEST_F(ShellTest, OKOnAnEmptyListLeavesNoConfigurationOpen)
{
    Start_With_Configuration("Only");
    // Chosen once, then removed behind the program's back.
    modal.When(FOpenConf, [](TForm&) { Press(FOpenConf->Btn_OK); });
    Press(Main().Btn_Open);
    ASSERT_EQ(FOpenConf->Name_Conf, "Only");
    ASSERT_TRUE(QDir(Path_Join(Projects(), "Only")).removeRecursively());
    modal.When(FOpenConf, [](TForm&) {
        EXPECT_EQ(FOpenConf->ListBox1->Items().Count(), 0);
        EXPECT_EQ(FOpenConf->ListBox1->ItemIndex(), -1);
        Press(FOpenConf->Btn_OK);
    });
    Press(Main().Btn_Open);
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_TRUE(File_ParGen.isEmpty());
    EXPECT_EQ(Main().L_Name_Conf->Caption(), Lang_Text(9));
    EXPECT_EQ(Main().L_Name_Conf_L2->Caption(), Lang_Text(10));
    boxes.Expect(mtError, "Error! Project not Valid", {mbOK}, mrOk);
    Press(Main().Btn_CreateBin);
}
