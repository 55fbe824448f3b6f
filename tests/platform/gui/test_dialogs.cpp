// Message boxes and file dialogs, real and scripted.
#include <gtest/gtest-spi.h>

#include <QDir>
#include <QFile>

#include "gui_fixture.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/stdctrls.h"
#include "support/temp_dir.h"

namespace {

struct DialogTest : GuiTest {};

}  // namespace

// ---- the real box -----------------------------------------------------------------------------------

TEST_F(DialogTest, TheBoxHasEnglishCaptionsAndButtonsInOrder)
{
    EXPECT_EQ(MsgDlgCaption(mtError), "Error");
    EXPECT_EQ(MsgDlgCaption(mtWarning), "Warning");
    EXPECT_EQ(MsgDlgCaption(mtConfirmation), "Confirmation");
    EXPECT_EQ(MsgDlgCaption(mtInformation), "Information");
    TForm* box = CreateMessageDialog("Save & exit?", mtConfirmation, mbYesNoCancel);
    struct Free {
        TForm* f;
        ~Free() { f->Free(); }
    } free{box};
    EXPECT_EQ(box->Caption(), "Confirmation");
    auto* text = static_cast<TLabel*>(box->FindComponent("Message"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Caption(), "Save & exit?");
    EXPECT_FALSE(text->ShowAccelChar());  // the text shows "&" as it is
    std::vector<std::string> buttons;
    int left = -1;
    for (const char* name : {"Yes", "No", "Cancel"}) {
        auto* b = static_cast<TButton*>(box->FindComponent(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_GT(b->Left(), left);
        left = b->Left();
        buttons.push_back(b->Caption().toStdString());
    }
    EXPECT_EQ(buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
}

TEST_F(DialogTest, KeysOnTheRealBox)
{
    struct Case {
        TMsgDlgButtons buttons;
        Word key;
        TModalResult answer;
    };
    const Case cases[] = {
        {mbYesNo, VK_ESCAPE, mrNo},       {mbYesNo, VK_RETURN, mrYes},      {mbYesNoCancel, VK_ESCAPE, mrCancel},
        {mbOKCancel, VK_RETURN, mrOk},    {{mbOK}, VK_ESCAPE, mrOk},        {mbAbortRetryIgnore, VK_ESCAPE, mrNone},
        {mbYesNo, 'N', mrNo},  // the mnemonic, with Alt below
    };
    // What the script answers for Esc is what the box does.
    EXPECT_EQ(MsgDlgEscapeResult(mbYesNo), mrNo);
    EXPECT_EQ(MsgDlgEscapeResult(mbYesNoCancel), mrCancel);
    EXPECT_EQ(MsgDlgEscapeResult(TMsgDlgButtons{mbOK}), mrOk);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " -> " + std::to_string(c.answer));
        TForm* box = CreateMessageDialog("Question", mtConfirmation, c.buttons);
        box->Show();
        TestKit::TypeKey(nullptr, c.key, c.key == 'N' ? TShiftState{ssAlt} : TShiftState{});
        EXPECT_EQ(box->ModalResult(), c.answer);
        box->Free();
    }
}

TEST_F(DialogTest, MessageDlgShowsTheBoxModally)
{
    // Without a box script the real box is shown; the modal driver answers it
    // with the keys a user would press.
    TestKit::ModalFormDriver modal;
    modal.WhenNamed("MessageForm", [](TForm& Box) {
        EXPECT_EQ(Box.Caption(), "Warning");
        TestKit::TypeKey(nullptr, VK_ESCAPE);
    });
    EXPECT_EQ(MessageDlg("Overwrite the file?", mtWarning, mbYesNo), mrNo);
    // Closing the window answers mrCancel: never Yes.
    modal.WhenNamed("MessageForm", [](TForm& Box) { Box.Close(); });
    EXPECT_EQ(MessageDlg("Overwrite the file?", mtWarning, mbYesNo), mrCancel);
}

// ---- the message box script -------------------------------------------------------------------------

TEST_F(DialogTest, ScriptAnswersExpectedBoxesAndRecordsThem)
{
    TestKit::MessageBoxScript boxes;
    boxes.Expect(mtConfirmation, "Delete row 3?", mbYesNo, mrYes)
        .ExpectEsc(mtConfirmation, "Really?", mbYesNo)
        .ExpectAny(mrOk);
    EXPECT_EQ(MessageDlg("Delete row 3?", mtConfirmation, mbYesNo), mrYes);
    EXPECT_EQ(MessageDlg("Really?", mtConfirmation, mbYesNo), mrNo);  // Esc on Yes/No
    ShowMessage("Done");
    EXPECT_EQ(boxes.Pending(), 0);
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[2].Kind, mtCustom);
    EXPECT_EQ(boxes.Shown()[2].Text, "Done");
    EXPECT_EQ(boxes.Shown()[2].Buttons, TMsgDlgButtons{mbOK});
    EXPECT_EQ(boxes.Shown()[1].Caption, "Confirmation");
}

TEST_F(DialogTest, ScriptFailsOnUnexpectedDifferentOrMissingBoxes)
{
    EXPECT_NONFATAL_FAILURE(
        {
            TestKit::MessageBoxScript boxes;
            EXPECT_EQ(MessageDlg("Error row 3", mtError, TMsgDlgButtons{mbOK}), mrCancel);  // answered as closed
        },
        "Unexpected message box: mtError \"Error row 3\" [mbOK]");
    EXPECT_NONFATAL_FAILURE(
        {
            TestKit::MessageBoxScript boxes;
            boxes.Expect(mtError, "Error row 3", TMsgDlgButtons{mbOK}, mrOk);
            MessageDlg("Error row 4", mtError, TMsgDlgButtons{mbOK});
        },
        "differs from the one expected");
    EXPECT_NONFATAL_FAILURE(
        {
            TestKit::MessageBoxScript boxes;
            boxes.Expect(mtWarning, "Never shown", mbYesNo, mrNo);
        },
        "never shown");
    EXPECT_NONFATAL_FAILURE(
        {
            TestKit::MessageBoxScript boxes;
            boxes.Expect(mtError, "Only OK", TMsgDlgButtons{mbOK}, mrYes);
            MessageDlg("Only OK", mtError, TMsgDlgButtons{mbOK});
        },
        "is not a button of the box");
}

// ---- file dialogs -----------------------------------------------------------------------------------

TEST_F(DialogTest, FilterSyntax)
{
    const auto f = ParseFileFilter("EDS Files (*.eds)|*.eds|XML (*.xml;*.esi)|*.xml;*.esi|All|*.*|Dangling");
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[1].Description, "XML (*.xml;*.esi)");
    EXPECT_EQ(f[1].Patterns, (QStringList{"*.xml", "*.esi"}));
    EXPECT_EQ(FileFilterToQt("EDS Files (*.eds)|*.eds|XML (*.xml;*.esi)|*.xml;*.esi|All|*.*"),
              (QStringList{"EDS Files (*.eds)", "XML (*.xml;*.esi) (*.xml *.esi)", "All (*.*)"}));
    struct Case {
        const char* name;
        const char* ext;
        const char* result;
    };
    const Case cases[] = {
        {"/d/config", "*.xml", "/d/config.xml"},  {"/d/config", ".eds", "/d/config.eds"},
        {"/d/config", "mib", "/d/config.mib"},    {"/d/config.txt", "*.xml", "/d/config.txt"},
        {"/d.x/config", "xml", "/d.x/config.xml"}, {"/d/config", "", "/d/config"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyDefaultExt(c.name, c.ext), c.result) << c.name << " + " << c.ext;
}

TEST_F(DialogTest, SaveDialogScriptAppliesThePlatformRules)
{
    TempDir dir;
    dir.write("existing.xml", "<x/>");
    TestKit::FileDialogScript files;
    TestKit::MessageBoxScript boxes;
    TSaveDialog save(nullptr);
    save.SetFilter("ESI file (*.xml)|*.xml");
    save.SetDefaultExt("*.xml");
    save.SetInitialDir(dir.path());
    save.SetFileName("device");

    // A relative name without extension: in the initial folder, ".xml" added.
    files.Choose("new");
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.file("new.xml"));
    ASSERT_EQ(files.Shown().size(), 1u);
    EXPECT_TRUE(files.Shown()[0].Save);
    EXPECT_EQ(files.Shown()[0].Filter, "ESI file (*.xml)|*.xml");
    EXPECT_EQ(files.Shown()[0].InitialDir, dir.path());
    EXPECT_EQ(files.Shown()[0].FileName, "device");

    // No overwrite prompt of its own unless asked for.
    files.Choose("existing");
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.file("existing.xml"));

    // With the prompt: No goes back to the dialog, Yes accepts.
    save.SetOptions(save.Options() + TOpenOptions{ofOverwritePrompt});
    const String question = dir.file("existing.xml") + " already exists.\nDo you want to replace it?";
    files.Choose("existing").Choose(dir.file("existing.xml"));
    boxes.Expect(mtWarning, question, mbYesNo, mrNo).Expect(mtWarning, question, mbYesNo, mrYes);
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(files.Shown().size(), 4u);
    EXPECT_EQ(files.Shown()[3].FileName, dir.file("existing.xml"));  // asked again with the name

    files.Cancel();
    save.SetFileName("kept");
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), "kept");
}

TEST_F(DialogTest, OpenDialogScriptChecksThatTheFileExists)
{
    TempDir dir;
    dir.write("a.eds", "x");
    TestKit::FileDialogScript files;
    TestKit::MessageBoxScript boxes;
    TOpenDialog open(nullptr);
    open.SetInitialDir(dir.path());
    open.SetFilter("EDS (*.eds)|*.eds|All (*.*)|*.*");
    open.SetOptions({ofFileMustExist});
    files.Choose("missing.eds").Choose("a.eds", 2);
    boxes.Expect(mtWarning, dir.file("missing.eds") + "\nFile not found.\nCheck the file name and try again.",
                 TMsgDlgButtons{mbOK}, mrOk);
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), dir.file("a.eds"));
    EXPECT_EQ(open.FilterIndex(), 2);
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(open.Execute()), "Unexpected open file dialog");
}
