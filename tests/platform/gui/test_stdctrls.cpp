// The standard controls: which programmatic changes fire events, and what
// the user's keys and clicks do.
#include <QCoreApplication>
#include <QKeyEvent>

#include "gui_fixture.h"
#include "platform/gui/comctrls.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/stdctrls.h"
#include "platform/os/recording_shell_opener.h"

namespace {

struct ControlsTest : GuiTest {
    TForm form{nullptr};
    EventLog log;
    ControlsTest()
    {
        form.SetBounds(0, 0, 400, 300);
        form.Show();
    }
    TNotifyEvent Logger(const std::string& What)
    {
        return [this, What](TObject*) { log.Add(What); };
    }
};

}  // namespace

// ---- the event rules ------------------------------------------------------------------------------

TEST_F(ControlsTest, ProgrammaticChangesFireEventsAsThePlatformDoes)
{
    auto* check = MakeControl<TCheckBox>(&form, &form, "Check", 0, 0, 80, 17);
    auto* radio1 = MakeControl<TRadioButton>(&form, &form, "Radio1", 0, 20, 80, 17);
    auto* radio2 = MakeControl<TRadioButton>(&form, &form, "Radio2", 0, 40, 80, 17);
    auto* list = MakeControl<TListBox>(&form, &form, "List", 0, 60, 80, 60);
    auto* edit = MakeControl<TEdit>(&form, &form, "Edit", 100, 0, 80, 21);
    auto* memo = MakeControl<TMemo>(&form, &form, "Memo", 100, 30, 80, 60);
    auto* combo = MakeControl<TComboBox>(&form, &form, "Combo", 100, 100, 80, 21);
    auto* group = MakeControl<TRadioGroup>(&form, &form, "Group", 200, 0, 100, 80);
    auto* pages = MakeControl<TPageControl>(&form, &form, "Pages", 200, 100, 150, 100);
    auto* spin = MakeControl<TSpinEdit>(&form, &form, "Spin", 100, 130, 80, 21);
    list->Items().AddStrings({"a", "b"});
    combo->Items().AddStrings({"a", "b"});
    group->Items().AddStrings({"x", "y"});
    for (const char* name : {"P1", "P2"}) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetName(name);
        sheet->SetPageControl(pages);
    }
    check->OnClick = Logger("Check.OnClick");
    radio1->OnClick = Logger("Radio1.OnClick");
    radio2->OnClick = Logger("Radio2.OnClick");
    list->OnClick = Logger("List.OnClick");
    edit->OnChange = Logger("Edit.OnChange");
    memo->OnChange = Logger("Memo.OnChange");
    combo->OnChange = Logger("Combo.OnChange");
    combo->OnClick = Logger("Combo.OnClick");
    combo->OnSelect = Logger("Combo.OnSelect");
    group->OnClick = Logger("Group.OnClick");
    pages->OnChange = Logger("Pages.OnChange");
    spin->OnChange = Logger("Spin.OnChange");

    struct Case {
        const char* what;
        std::function<void()> change;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"check box Checked", [&] { check->SetChecked(true); }, {"Check.OnClick"}},
        {"check box Checked, same value", [&] { check->SetChecked(true); }, {}},
        {"check box State grayed", [&] { check->SetState(cbGrayed); }, {"Check.OnClick"}},
        {"check box Checked while disabled", [&] {
             check->SetEnabled(false);
             check->SetChecked(false);
         },
         {"Check.OnClick"}},
        {"radio Checked true", [&] { radio2->SetChecked(true); }, {"Radio2.OnClick"}},
        {"radio Checked true unchecks the other silently", [&] { radio1->SetChecked(true); }, {"Radio1.OnClick"}},
        {"radio Checked false", [&] { radio1->SetChecked(false); }, {}},
        {"list ItemIndex", [&] { list->SetItemIndex(1); }, {}},
        {"edit Text", [&] { edit->SetText("new"); }, {"Edit.OnChange"}},
        {"edit Text, same value", [&] { edit->SetText("new"); }, {}},
        {"memo Text", [&] { memo->SetText("one\r\ntwo"); }, {"Memo.OnChange"}},
        {"memo Lines.Add", [&] { memo->Lines().Add("three"); }, {"Memo.OnChange"}},
        {"combo ItemIndex", [&] { combo->SetItemIndex(1); }, {}},
        {"combo Text", [&] { combo->SetText("other"); }, {}},
        {"combo Items", [&] { combo->Items().Add("c"); }, {}},
        {"radio group ItemIndex", [&] { group->SetItemIndex(1); }, {"Group.OnClick"}},
        {"page control ActivePage", [&] { pages->SetActivePageIndex(1); }, {}},
        {"spin edit Value", [&] { spin->SetValue(5); }, {"Spin.OnChange"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.Clear();
        c.change();
        EXPECT_EQ(log.lines, c.expected);
    }
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_FALSE(group->Buttons(0)->Checked());
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nthree");
}

TEST_F(ControlsTest, NothingFiresWhileTheFormIsLoading)
{
    TForm f(nullptr);
    f.BeginLoading();
    auto* check = MakeControl<TCheckBox>(&f, &f, "Check", 0, 0, 80, 17);
    auto* edit = MakeControl<TEdit>(&f, &f, "Edit", 0, 20, 80, 21);
    check->OnClick = Logger("Check.OnClick");
    edit->OnChange = Logger("Edit.OnChange");
    check->SetChecked(true);
    edit->SetText("x");
    f.Loaded();
    EXPECT_TRUE(log.lines.empty());
    check->SetChecked(false);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Check.OnClick"});
}

// ---- buttons, check boxes and radio buttons ----------------------------------------------------------

TEST_F(ControlsTest, ClicksAndSpaceToggleACheckBoxOnce)
{
    auto* check = MakeControl<TCheckBox>(&form, &form, "Check", 10, 10, 100, 17);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    TestKit::Click(check, 5, 8);
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(check->Focused());
    TestKit::TypeKey(nullptr, VK_SPACE);
    EXPECT_FALSE(check->Checked());
    // Pressed on the box, released outside: no click.
    TestKit::MouseDown(check, 5, 8);
    TestKit::MouseMove(check, 200, 8);
    TestKit::MouseUp(check, 200, 8);
    EXPECT_FALSE(check->Checked());
    // A double click is two clicks.
    TestKit::DblClick(check, 5, 8);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(clicks, 4);
}

TEST_F(ControlsTest, ArrowKeysMoveAmongRadioButtonsAndCheckThem)
{
    auto* r1 = MakeControl<TRadioButton>(&form, &form, "R1", 10, 10, 80, 17);
    auto* r2 = MakeControl<TRadioButton>(&form, &form, "R2", 10, 30, 80, 17);
    r1->SetChecked(true);
    r1->SetFocus();
    TestKit::TypeKey(nullptr, VK_DOWN);
    EXPECT_TRUE(r2->Focused());
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
}

TEST_F(ControlsTest, MnemonicsClickButtonsAndFocusLabelTargets)
{
    auto* button = MakeControl<TButton>(&form, &form, "Button", 10, 10, 75, 25);
    button->SetCaption("&Apply");
    auto* label = MakeControl<TLabel>(&form, &form, "Label", 10, 50, 0, 0);
    label->SetCaption("&Name");
    auto* edit = MakeControl<TEdit>(&form, &form, "Edit", 60, 50, 80, 21);
    auto* other = MakeControl<TEdit>(&form, &form, "Other", 60, 80, 80, 21);
    label->SetFocusControl(edit);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    other->SetFocus();
    TestKit::TypeKey(nullptr, 'N', {ssAlt});
    EXPECT_TRUE(edit->Focused());
    TestKit::TypeKey(nullptr, 'A', {ssAlt});
    EXPECT_EQ(clicks, 1);
}

// ---- labels and link labels ------------------------------------------------------------------------

TEST_F(ControlsTest, LabelsArePlainTextAndSizeThemselves)
{
    auto* label = MakeControl<TLabel>(&form, &form, "Label", 10, 10, 0, 0);
    TCanvas measure;
    measure.Font().Assign(label->Font());
    label->SetCaption("<b>bold?</b>");
    EXPECT_EQ(label->Width(), measure.TextWidth("<b>bold?</b>"));
    EXPECT_EQ(label->Height(), measure.TextHeight("X"));
    label->SetCaption("A && B");  // one "&" shown
    EXPECT_EQ(label->Width(), measure.TextWidth("A & B"));
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), measure.TextWidth("A && B"));
    // Right-justified labels keep their right edge.
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("x");
    EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(ControlsTest, LinkLabelParsesLinksAndReportsClicks)
{
    using S = TLinkLabel::TSegment;
    auto parsed = TLinkLabel::Parse("Get <a href=\"https://x.example/d\">the update</a> or <A id=more>more</A>.");
    ASSERT_EQ(parsed.size(), 5u);
    EXPECT_EQ(parsed[0].Text, "Get ");
    EXPECT_TRUE(parsed[1].IsLink);
    EXPECT_EQ(parsed[1].Link, "https://x.example/d");
    EXPECT_EQ(parsed[1].LinkType, sltURL);
    EXPECT_EQ(parsed[3].Link, "more");
    EXPECT_EQ(parsed[3].LinkType, sltID);
    // A "<" that opens no link is text.
    const std::vector<S> plain = TLinkLabel::Parse("a < b <a href='x'>unclosed");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_FALSE(plain[0].IsLink);

    Set_Shell_Opener(std::make_unique<Recording_Shell_Opener>());
    auto* recorder = static_cast<Recording_Shell_Opener*>(&Shell());
    auto* link = MakeControl<TLinkLabel>(&form, &form, "LL_Update", 10, 10, 0, 0);
    link->SetCaption("New Version. <a href=\"https://x.example/download#DV\">Click Here</a> for details");
    std::vector<std::string> clicked;
    link->OnLinkClick = [&](TObject* Sender, const String& Link, TSysLinkType Type) {
        EXPECT_EQ(Sender, link);
        EXPECT_EQ(Type, sltURL);
        clicked.push_back(Link.toStdString());
        Shell_Open(Link);
    };
    EXPECT_EQ(link->PlainText(), "New Version. Click Here for details");
    const TRect linkRect = link->Segments()[1].Bounds;
    TestKit::Click(link, 2, 5);  // plain text: nothing
    EXPECT_TRUE(clicked.empty());
    TestKit::Click(link, linkRect.Left + 3, linkRect.Top + 3);
    EXPECT_EQ(clicked, std::vector<std::string>{"https://x.example/download#DV"});
    EXPECT_EQ(recorder->targets, QStringList{"https://x.example/download#DV"});
    // Enter on the focused label opens its link (the default button does not take it).
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_EQ(clicked.size(), 2u);
    Set_Shell_Opener(nullptr);
}

// ---- edits ---------------------------------------------------------------------------------------------

TEST_F(ControlsTest, EditTypingFiltersAndTheKeyPressSwallow)
{
    auto* edit = MakeControl<TEdit>(&form, &form, "Edit", 10, 10, 100, 21);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->OnKeyPress = [](TObject*, QChar& Key) {
        if (Key == u'.')
            Key = QChar();  // swallowed
    };
    edit->SetFocus();
    TestKit::TypeText(nullptr, "1.2.3");
    EXPECT_EQ(edit->Text(), "123");
    EXPECT_EQ(changes, 3);
    TestKit::TypeKey(nullptr, VK_BACK);
    EXPECT_EQ(edit->Text(), "12");
    TestKit::TypeKey(nullptr, VK_HOME);
    TestKit::TypeText(nullptr, "0");
    EXPECT_EQ(edit->Text(), "012");
    EXPECT_EQ(edit->SelStart(), 1);

    edit->SetNumbersOnly(true);
    edit->SetMaxLength(4);
    TestKit::TypeKey(nullptr, VK_END);
    TestKit::TypeText(nullptr, "a45");  // 'a' refused, then full at 4
    EXPECT_EQ(edit->Text(), "0124");
    // Text set by the program may be longer than MaxLength.
    edit->SetText("123456");
    EXPECT_EQ(edit->Text(), "123456");

    edit->SetReadOnly(true);
    TestKit::TypeText(nullptr, "9");
    TestKit::TypeKey(nullptr, VK_BACK);
    EXPECT_EQ(edit->Text(), "123456");
}

TEST_F(ControlsTest, QtKeyEventsReachTheWrappedFieldsOnceThroughTheMessages)
{
    auto* edit = MakeControl<TEdit>(&form, &form, "Edit", 10, 10, 100, 21);
    auto* combo = MakeControl<TComboBox>(&form, &form, "Combo", 10, 40, 100, 21);
    std::vector<int> pressed;
    edit->OnKeyPress = [&](TObject*, QChar& Key) {
        pressed.push_back(Key.unicode());
        if (Key == u'x')
            Key = QChar();
    };
    auto send = [](TWinControl* C, int Key, const QString& Text) {
        QKeyEvent down(QEvent::KeyPress, Key, Qt::NoModifier, Text);
        QCoreApplication::sendEvent(C->Widget(), &down);
        QKeyEvent up(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
        QCoreApplication::sendEvent(C->Widget(), &up);
    };
    edit->SetFocus();
    send(edit, Qt::Key_A, "a");
    send(edit, Qt::Key_X, "x");
    send(edit, Qt::Key_Left, "");
    send(edit, Qt::Key_B, "b");
    EXPECT_EQ(edit->Text(), "ba");
    EXPECT_EQ(pressed, (std::vector<int>{'a', 'x', 'b'}));
    combo->SetFocus();
    send(combo, Qt::Key_Q, "q");
    EXPECT_EQ(combo->Text(), "q");
}

TEST_F(ControlsTest, EditSelectionAndClipboard)
{
    auto* edit = MakeControl<TEdit>(&form, &form, "Edit", 10, 10, 100, 21);
    auto* other = MakeControl<TEdit>(&form, &form, "Other", 10, 40, 100, 21);
    edit->SetText("hello world");
    other->SetFocus();
    edit->SetFocus();  // entered with the keyboard: all selected
    EXPECT_EQ(edit->SelLength(), 11);
    edit->SetSelStart(6);
    edit->SetSelLength(5);
    EXPECT_EQ(edit->SelText(), "world");
    TestKit::TypeKey(nullptr, 'C', {ssCtrl});
    other->SetFocus();
    other->SetMaxLength(3);
    TestKit::TypeKey(nullptr, 'V', {ssCtrl});  // pasted, cut to the room left
    EXPECT_EQ(other->Text(), "wor");
    edit->SetSelText("there");
    EXPECT_EQ(edit->Text(), "hello there");
}

TEST_F(ControlsTest, MemoTakesEnterAndKeepsLines)
{
    auto* memo = MakeControl<TMemo>(&form, &form, "Memo", 10, 10, 200, 80);
    auto* ok = MakeControl<TButton>(&form, &form, "Ok", 10, 100, 75, 25);
    ok->SetDefault(true);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    memo->SetFocus();
    TestKit::TypeText(nullptr, "ab");
    TestKit::TypeKey(nullptr, VK_RETURN);
    TestKit::TypeText(nullptr, "c");
    EXPECT_EQ(memo->Text(), "ab\r\nc");
    EXPECT_EQ(memo->Lines().ToQStringList(), (QStringList{"ab", "c"}));
    EXPECT_EQ(clicks, 0);
    memo->SetWantReturns(false);
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_EQ(clicks, 1);
    memo->Lines().SetStrings(0, "first");
    EXPECT_EQ(memo->Text(), "first\r\nc");
}

// ---- combo boxes -----------------------------------------------------------------------------------

TEST_F(ControlsTest, DropDownListComboTextIsAlwaysAnItem)
{
    auto* combo = MakeControl<TComboBox>(&form, &form, "Combo", 10, 10, 120, 21);
    combo->SetStyle(csDropDownList);
    combo->Items().AddStrings({"Apple", "Banana", "Cherry", "Blueberry"});
    combo->OnClick = Logger("OnClick");
    combo->OnChange = Logger("OnChange");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetText("banana");  // an item: chosen (its own spelling)
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Banana");
    combo->SetText("Kiwi");  // not an item: ignored
    EXPECT_EQ(combo->Text(), "Banana");
    EXPECT_TRUE(log.lines.empty());

    combo->SetFocus();
    TestKit::TypeKey(nullptr, VK_DOWN);
    EXPECT_EQ(combo->Text(), "Cherry");
    TestKit::TypeText(nullptr, "b");  // the next item starting with "b"
    EXPECT_EQ(combo->Text(), "Blueberry");
    TestKit::TypeText(nullptr, "b");
    EXPECT_EQ(combo->Text(), "Banana");
    TestKit::TypeKey(nullptr, VK_UP);
    TestKit::TypeKey(nullptr, VK_UP);  // at the top: no change, no event
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnClick", "OnChange", "OnClick", "OnChange", "OnClick",
                                                   "OnChange", "OnClick", "OnChange"}));
    // With OnSelect set, the user's choice fires it instead of OnChange.
    log.Clear();
    combo->OnSelect = Logger("OnSelect");
    TestKit::TypeKey(nullptr, VK_END);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnClick", "OnSelect"}));
    // The wheel chooses on the focused box.
    TestKit::Wheel(combo, 5, 5, WHEEL_DELTA);
    EXPECT_EQ(combo->ItemIndex(), 2);

    // Item changes keep the choice where it belongs.
    combo->Items().Insert(0, "Apricot");
    EXPECT_EQ(combo->Text(), "Cherry");
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->Items().Delete(3);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ControlsTest, DropDownComboTextIsFree)
{
    auto* combo = MakeControl<TComboBox>(&form, &form, "Combo", 10, 10, 120, 21);
    EXPECT_EQ(combo->Style(), csDropDown);
    combo->Items().AddStrings({"10.0.0.1", "192.168.0.5"});
    combo->OnChange = Logger("OnChange");
    combo->SetText("192.168.0.5");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetText("free text");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_TRUE(log.lines.empty());
    combo->SetFocus();
    combo->SelectAll();
    TestKit::TypeText(nullptr, "10.0.0.1");
    EXPECT_EQ(combo->Text(), "10.0.0.1");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(log.lines.size(), 8u);  // one OnChange per typed character
    log.Clear();
    TestKit::TypeKey(nullptr, VK_DOWN);
    EXPECT_EQ(combo->Text(), "192.168.0.5");
    EXPECT_EQ(log.lines, std::vector<std::string>{"OnChange"});
    // Switching to a list keeps the text only when it is an item.
    combo->SetStyle(csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetStyle(csDropDown);
    EXPECT_EQ(combo->Text(), "192.168.0.5");
}

TEST_F(ControlsTest, ComboDropsDownWithF4)
{
    auto* combo = MakeControl<TComboBox>(&form, &form, "Combo", 10, 10, 120, 21);
    combo->SetStyle(csDropDownList);
    combo->Items().AddStrings({"a", "b"});
    combo->SetDropDownCount(12);
    combo->OnDropDown = Logger("OnDropDown");
    combo->OnCloseUp = Logger("OnCloseUp");
    combo->SetFocus();
    TestKit::TypeKey(nullptr, VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnDropDown", "OnCloseUp"}));
}

// ---- list boxes ----------------------------------------------------------------------------------------

TEST_F(ControlsTest, ListBoxUserChoiceFiresOnClick)
{
    auto* list = MakeControl<TListBox>(&form, &form, "List", 10, 10, 120, 60);
    for (int i = 0; i < 10; ++i)
        list->Items().Add(QStringLiteral("item %1").arg(i));
    list->OnClick = Logger("OnClick");
    list->OnDblClick = Logger("OnDblClick");
    const TRect second = list->ItemRect(1);
    TestKit::Click(list, second.Left + 5, second.Top + 2);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_TRUE(list->Focused());
    TestKit::TypeKey(nullptr, VK_DOWN);
    TestKit::TypeKey(nullptr, VK_END);
    EXPECT_EQ(list->ItemIndex(), 9);
    EXPECT_EQ(list->TopIndex(), 10 - list->VisibleCount());  // scrolled into view
    TestKit::TypeText(nullptr, "i");  // first letter, from the next item round
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnClick", "OnClick", "OnClick", "OnClick"}));
    // A click below the last item chooses nothing.
    log.Clear();
    list->Items().Clear();
    EXPECT_EQ(list->ItemIndex(), -1);
    list->Items().AddStrings({"x", "y", "z"});
    TestKit::Click(list, 5, 55);
    EXPECT_TRUE(log.lines.empty());
    TestKit::DblClick(list, 5, list->ItemRect(2).Top + 2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnClick", "OnDblClick"}));
}

TEST_F(ControlsTest, ListBoxChoiceFollowsItemChanges)
{
    auto* list = MakeControl<TListBox>(&form, &form, "List", 10, 10, 120, 60);
    list->Items().AddStrings({"a", "b", "c"});
    list->SetItemIndex(1);
    list->Items().Insert(0, "first");
    EXPECT_EQ(list->ItemIndex(), 2);
    list->Items().Add("last");
    EXPECT_EQ(list->ItemIndex(), 2);
    list->Items().Delete(0);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->Items().Delete(1);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(7);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ControlsTest, ListBoxWheelScrollsUntilTheEnd)
{
    auto* list = MakeControl<TListBox>(&form, &form, "List", 10, 10, 120, 60);
    for (int i = 0; i < 20; ++i)
        list->Items().Add(QStringLiteral("item %1").arg(i));
    bool formGotIt = false;
    form.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& Handled) {
        formGotIt = true;
        Handled = true;
    };
    TestKit::Wheel(list, 10, 10, -WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_FALSE(formGotIt);
    list->SetTopIndex(100);
    EXPECT_EQ(list->TopIndex(), 20 - list->VisibleCount());
    TestKit::Wheel(list, 10, 10, -WHEEL_DELTA);  // nothing left to scroll: the parent's
    EXPECT_TRUE(formGotIt);
}

// ---- page control -----------------------------------------------------------------------------------

TEST_F(ControlsTest, PageControlSwitchesPages)
{
    auto* pages = MakeControl<TPageControl>(&form, &form, "Pages", 10, 10, 300, 200);
    std::vector<TTabSheet*> sheets;
    std::vector<TEdit*> edits;
    for (const char* name : {"One", "Two", "Three"}) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetName(name);
        sheet->SetCaption(name);
        sheet->SetParent(pages);  // same as SetPageControl
        sheets.push_back(sheet);
        edits.push_back(MakeControl<TEdit>(&form, sheet, (std::string("E_") + name).c_str(), 10, 10, 80, 21));
    }
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);  // the first page added
    EXPECT_TRUE(sheets[0]->Visible());
    EXPECT_FALSE(sheets[1]->Visible());
    EXPECT_EQ(sheets[1]->BoundsRect(), pages->DisplayRect());
    bool allow = true;
    pages->OnChanging = [&](TObject*, bool& Allow) {
        log.Add("OnChanging");
        Allow = allow;
    };
    pages->OnChange = Logger("OnChange");

    const TRect tab2 = pages->TabRect(sheets[1]);
    TestKit::Click(pages, tab2.Left + 4, tab2.Top + 4);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_TRUE(pages->Focused());  // a click on a tab focuses the page control
    EXPECT_FALSE(edits[0]->CanFocus());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnChanging", "OnChange"}));
    // From inside a page, Ctrl+Tab changes the page and the focus follows.
    edits[1]->SetFocus();
    TestKit::TypeKey(nullptr, VK_TAB, {ssCtrl});
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_TRUE(edits[2]->Focused());
    TestKit::TypeKey(nullptr, VK_LEFT);  // arrows are the edit's, not the page control's
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    pages->SetFocus();
    TestKit::TypeKey(nullptr, VK_LEFT);
    EXPECT_EQ(pages->ActivePage(), sheets[1]);

    log.Clear();
    allow = false;  // OnChanging keeps the page
    TestKit::TypeKey(nullptr, VK_TAB, {ssCtrl});
    EXPECT_EQ(pages->ActivePage(), sheets[1]);
    EXPECT_EQ(log.lines, std::vector<std::string>{"OnChanging"});

    log.Clear();
    allow = true;
    sheets[2]->SetTabVisible(false);  // Ctrl+Tab skips a hidden tab
    TestKit::TypeKey(nullptr, VK_TAB, {ssCtrl});
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_TRUE(pages->Focused());
    EXPECT_TRUE(pages->TabRect(sheets[2]).IsEmpty());
    // The program may still show the page of a hidden tab.
    pages->SetActivePage(sheets[2]);
    EXPECT_TRUE(sheets[2]->Visible());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"OnChanging", "OnChange"}));
    // Freeing the active page activates the next one.
    sheets[2]->Free();
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
}

// ---- radio group, spin edit, up-down ---------------------------------------------------------------

TEST_F(ControlsTest, RadioGroupButtonsFollowTheItems)
{
    auto* group = MakeControl<TRadioGroup>(&form, &form, "Group", 10, 10, 200, 100);
    group->SetColumns(2);
    group->Items().AddStrings({"a", "b", "c"});
    group->OnClick = Logger("OnClick");
    TRadioButton* c = group->Buttons(2);
    ASSERT_NE(c, nullptr);
    EXPECT_GT(c->Left(), group->Buttons(0)->Left());  // second column
    TestKit::Click(c, 3, 3);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(log.lines, std::vector<std::string>{"OnClick"});
    group->Items().Delete(2);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(group->Buttons(2), nullptr);
}

TEST_F(ControlsTest, SpinEditStepsAndKeepsItsRange)
{
    auto* spin = MakeControl<TSpinEdit>(&form, &form, "Spin", 10, 10, 80, 21);
    auto* other = MakeControl<TEdit>(&form, &form, "Other", 10, 40, 80, 21);
    spin->SetMinValue(1);
    spin->SetMaxValue(10);
    spin->SetValue(9);
    spin->SetFocus();
    TestKit::TypeKey(nullptr, VK_UP);
    TestKit::TypeKey(nullptr, VK_UP);
    EXPECT_EQ(spin->Value(), 10);
    TestKit::Click(spin->Button(), 5, spin->Button()->Height() - 3);  // the down button
    EXPECT_EQ(spin->Value(), 9);
    spin->SelectAll();
    TestKit::TypeText(nullptr, "x75");  // letters refused
    EXPECT_EQ(spin->Text(), "75");
    other->SetFocus();  // leaving puts it back in range
    EXPECT_EQ(spin->Value(), 10);
    spin->SetText("junk");
    EXPECT_EQ(spin->Value(), 1);  // unreadable: MinValue
}

TEST_F(ControlsTest, UpDownStepsItsAssociate)
{
    TestKit::FakeClock clock;
    auto* edit = MakeControl<TEdit>(&form, &form, "Edit", 10, 10, 80, 21);
    auto* ud = MakeControl<TUpDown>(&form, &form, "UD", 0, 0, 17, 21);
    ud->SetMin(0);
    ud->SetMax(1000);
    ud->SetIncrement(250);
    ud->SetAssociate(edit);
    EXPECT_EQ(edit->Width(), 63);
    EXPECT_EQ(ud->Left(), 73);
    std::vector<std::string> clicks;
    ud->OnClick = [&](TObject*, TUDBtnType B) { clicks.push_back(B == btNext ? "next" : "prev"); };
    ud->SetPosition(750);
    EXPECT_EQ(edit->Text(), "750");
    TestKit::MouseDown(ud, 5, 3);  // the upper button, held
    EXPECT_EQ(edit->Text(), "1,000");
    clock.Advance(400 + 100);  // repeats, at the top already
    TestKit::MouseUp(ud, 5, 3);
    EXPECT_EQ(clicks, (std::vector<std::string>{"next", "next", "next"}));
    edit->SetText("2,5");  // the associate's text is the position when it reads
    ud->SetThousands(false);
    ud->SetWrap(true);
    ud->Step(btPrev);
    EXPECT_EQ(edit->Text(), "1000");  // 25 - 250 wraps to the top
}
