// Key strokes: message order, swallowing, the form's preview, dialog keys.
#include "gui_fixture.h"

namespace {

// A form with two edit-like controls, shown and with the focus in Edit1.
struct KeyTest : GuiTest {
    TCustomForm* form = new TCustomForm(nullptr);
    TEditLike* edit1 = MakeControl<TEditLike>(form, form, "Edit1", 10, 10, 100, 20);
    TEditLike* edit2 = MakeControl<TEditLike>(form, form, "Edit2", 10, 40, 100, 20);
    EventLog log;

    void SetUp() override
    {
        form->SetName("Form");
        Watch(edit1, log);
        Watch(edit2, log);
        form->Show();
        edit1->SetFocus();
        log.Clear();
    }
    void TearDown() override { delete form; }
};

}  // namespace

TEST_F(KeyTest, KeyDownThenCharacterThenKeyUp)
{
    TestKit::TypeKey(edit1, 'A');
    TestKit::TypeKey(edit1, 'A', {ssShift});
    TestKit::TypeKey(edit1, VK_RETURN);
    TestKit::TypeKey(edit1, VK_LEFT);  // types nothing
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Edit1.KeyDown 65 []", "Edit1.KeyPress 97", "Edit1.KeyUp 65 []",
                             "Edit1.KeyDown 65 [Shift]", "Edit1.KeyPress 65", "Edit1.KeyUp 65 [Shift]",
                             "Edit1.KeyDown 13 []", "Edit1.KeyPress 13", "Edit1.KeyUp 13 []",
                             "Edit1.KeyDown 37 []", "Edit1.KeyUp 37 []"}));
    EXPECT_EQ(edit1->Typed, QString("aA\r"));
}

TEST_F(KeyTest, KeyMessagesCarryTheKeyData)
{
    std::vector<TMessage> seen;
    struct TRaw : TEditLike {
        using TEditLike::TEditLike;
        std::vector<TMessage>* seen = nullptr;
        void WndProc(TMessage& M) override
        {
            if (M.Msg >= WM_KEYFIRST && M.Msg <= WM_KEYLAST)
                seen->push_back(M);
            TEditLike::WndProc(M);
        }
    };
    auto* raw = MakeControl<TRaw>(form, form, "Raw", 10, 70, 100, 20);
    raw->seen = &seen;
    raw->SetFocus();
    TestKit::TypeKey(raw, VK_DECIMAL, {}, true);
    TestKit::TypeKey(raw, VK_OEM_PERIOD);
    TestKit::TypeKey(raw, 'F', {ssAlt});
    ASSERT_EQ(seen.size(), 9u);
    EXPECT_EQ(seen[0].Msg, WM_KEYDOWN);
    EXPECT_EQ(seen[0].WParam, VK_DECIMAL);
    EXPECT_EQ(seen[1].Msg, WM_CHAR);
    EXPECT_EQ(seen[1].WParam, '.');
    EXPECT_NE(seen[1].KeyData() & KEYDATA_SCANBIT6, 0);  // the keypad's '.'
    EXPECT_EQ(seen[2].Msg, WM_KEYUP);
    EXPECT_NE(seen[2].KeyData() & KEYDATA_UP, 0);
    EXPECT_EQ(seen[4].Msg, WM_CHAR);
    EXPECT_EQ(seen[4].WParam, '.');
    EXPECT_EQ(seen[4].KeyData() & KEYDATA_SCANBIT6, 0);  // the main '.'
    // Alt: the system key messages; the character goes to the mnemonics only.
    EXPECT_EQ(seen[6].Msg, WM_SYSKEYDOWN);
    EXPECT_NE(seen[6].KeyData() & KEYDATA_ALTDOWN, 0);
    EXPECT_EQ(seen[7].Msg, WM_SYSCHAR);
    EXPECT_EQ(seen[7].WParam, 'f');
    EXPECT_EQ(seen[8].Msg, WM_SYSKEYUP);
    EXPECT_EQ(raw->Typed, QString(".."));
}

TEST_F(KeyTest, SwallowingInOnKeyDownStillTypesTheCharacter)
{
    // As on the platform: Key = 0 in OnKeyDown keeps the key from the
    // control's own handling, but the character was already made.
    edit1->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
        log.Add("Edit1.KeyDown " + std::to_string(Key));
        Key = 0;
    };
    TestKit::TypeKey(edit1, 'B');
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit1.KeyDown 66", "Edit1.KeyPress 98", "Edit1.KeyUp 66 []"}));
    EXPECT_EQ(edit1->Typed, QString("b"));
    EXPECT_TRUE(edit1->DefaultKeys.empty());
    // A handler may also turn the key into another one.
    edit1->OnKeyDown = [](TObject*, Word& Key, TShiftState) { Key = VK_F2; };
    TestKit::TypeKey(edit1, 'B');
    EXPECT_EQ(edit1->DefaultKeys, std::vector<Word>{VK_F2});
    EXPECT_EQ(edit1->Typed, QString("bb"));
}

TEST_F(KeyTest, SwallowingInOnKeyPressStopsTheCharacter)
{
    edit1->OnKeyPress = [&](TObject*, QChar& Key) {
        log.Add("Edit1.KeyPress " + std::to_string(Key.unicode()));
        if (Key == QChar(u'x'))
            Key = QChar();
        else if (Key == QChar(u'y'))
            Key = QChar(u'Y');  // a handler may also change it
    };
    TestKit::TypeText(edit1, "axy");
    EXPECT_EQ(edit1->Typed, QString("aY"));
}

TEST_F(KeyTest, FormWithKeyPreviewSeesKeysFirst)
{
    Watch(form, log);
    form->SetKeyPreview(true);
    TestKit::TypeKey(edit1, 'C');
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Form.KeyDown 67 []", "Edit1.KeyDown 67 []", "Form.KeyPress 99",
                                                    "Edit1.KeyPress 99", "Form.KeyUp 67 []", "Edit1.KeyUp 67 []"}));
    // The form swallows the key: the control never sees the key down.
    log.Clear();
    form->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
        log.Add("Form.KeyDown " + std::to_string(Key));
        Key = 0;
    };
    TestKit::KeyDown(edit1, VK_F2);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Form.KeyDown 113"});
}

TEST_F(KeyTest, CharacterGoesToTheControlFocusedAtKeyDown)
{
    edit1->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
        log.Add("Edit1.KeyDown " + std::to_string(Key));
        edit2->SetFocus();
    };
    TestKit::TypeKey(nullptr, 'D');  // the keyboard: to whoever has the focus
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit1.KeyDown 68", "Edit1.OnExit", "Edit2.OnEnter",
                                                    "Edit1.KeyPress 100", "Edit2.KeyUp 68 []"}));
    EXPECT_EQ(edit1->Typed, QString("d"));
    EXPECT_TRUE(edit2->Typed.isEmpty());
}

TEST_F(KeyTest, TabMovesTheFocusUnlessTheControlWantsIt)
{
    TestKit::TypeKey(nullptr, VK_TAB);
    EXPECT_TRUE(edit2->Focused());
    // The dialog used the key: no key down, no character; the key up goes
    // to the control focused by then.
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"Edit1.OnExit", "Edit2.OnEnter", "Edit2.KeyUp 9 []"}));

    log.Clear();
    edit2->DlgCode |= DLGC_WANTTAB;
    TestKit::TypeKey(nullptr, VK_TAB);
    EXPECT_TRUE(edit2->Focused());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Edit2.KeyDown 9 []", "Edit2.KeyPress 9", "Edit2.KeyUp 9 []"}));
}

TEST_F(KeyTest, ArrowsMoveAmongSiblingsOfAControlThatDoesNotWantThem)
{
    edit1->DlgCode = DLGC_WANTCHARS;
    TestKit::TypeKey(nullptr, VK_DOWN);
    EXPECT_TRUE(edit2->Focused());
    TestKit::TypeKey(nullptr, VK_UP);  // Edit2 wants arrows: stays
    EXPECT_TRUE(edit2->Focused());
}

TEST_F(KeyTest, PostedTabToTheFormMovesTheFocus)
{
    PostMessage(form, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(edit1->Focused());
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(edit2->Focused());
}

TEST_F(KeyTest, AltLetterReachesTheMnemonics)
{
    // A control answering its accelerator character, as a captioned button does.
    struct TMnemonic : TBox {
        using TBox::TBox;
        int hits = 0;
        void Dispatch(TMessage& M) override
        {
            if (M.Msg == CM_DIALOGCHAR && QChar(char16_t(M.WParam)).toLower() == QChar(u'n')) {
                ++hits;
                M.Result = 1;
                return;
            }
            TBox::Dispatch(M);
        }
    };
    auto* m = MakeControl<TMnemonic>(form, form, "Next", 10, 90, 50, 20);
    TestKit::TypeKey(nullptr, 'N', {ssAlt});
    EXPECT_EQ(m->hits, 1);
    // A control that does not want characters lets them go to the mnemonics too.
    edit1->DlgCode = 0;
    TestKit::TypeKey(nullptr, 'N');
    EXPECT_EQ(m->hits, 2);
    EXPECT_TRUE(edit1->Typed.isEmpty());
    TestKit::TypeKey(nullptr, 'Q');
    EXPECT_EQ(edit1->Typed, QString("q"));
}

TEST_F(KeyTest, KeyStateIsReadableInHandlers)
{
    std::vector<int> states;
    edit1->OnKeyDown = [&](TObject*, Word&, TShiftState) {
        states = {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0,
                  GetKeyState(VK_LMENU) < 0, GetKeyState('K') < 0};
    };
    TestKit::KeyDown(edit1, 'K', {ssCtrl, ssAlt});
    EXPECT_EQ(states, (std::vector<int>{0, 1, 1, 1, 1}));
    TestKit::KeyUp(edit1, 'K');
    EXPECT_GE(GetKeyState('K'), 0);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
}
