// Clicks, keys, modal results, dialog keys, properties and the hot-track fade.
#include "button_fixture.h"

using namespace ButtonTestKit;

namespace {

// Counts clicks and remembers the form's modal result each handler saw.
struct ClickLog {
    int Count = 0;
    std::vector<TModalResult> FormResultSeen;
};

void Count(TLbButton* B, ClickLog& Log)
{
    B->OnClick = [B, &Log](TObject*) {
        ++Log.Count;
        Log.FormResultSeen.push_back(GetParentForm(B)->ModalResult());
    };
}

// Controls whose class names the Default/Cancel keys look at.
class TTestButton : public TCustomControl {
public:
    explicit TTestButton(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
};
class TTestRadioButton : public TCustomControl {
public:
    explicit TTestRadioButton(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
};

class ButtonBehaviour : public ButtonFixture {};

}  // namespace

// ---- mouse -------------------------------------------------------------------------------------------

TEST_F(ButtonBehaviour, PressAndReleaseInsideClicksOnceThenHandsTheModalResultToTheForm)
{
    ClickLog log;
    Count(button, log);
    button->SetModalResult(mrCancel);

    TestKit::MouseDown(button, 5, 5);
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(button->Focused()) << "a press takes the focus";
    EXPECT_EQ(log.Count, 0);
    TestKit::MouseUp(button, 6, 6);

    EXPECT_EQ(log.Count, 1);
    EXPECT_EQ(log.FormResultSeen, std::vector<TModalResult>{mrNone}) << "the handler runs before the result is set";
    EXPECT_EQ(form->ModalResult(), mrCancel);
    EXPECT_FALSE(button->Pressed());
}

TEST_F(ButtonBehaviour, AHandlerCannotKeepTheDialogOpenByResettingTheFormsResult)
{
    button->SetModalResult(mrOk);
    button->OnClick = [this](TObject*) { form->SetModalResult(mrNone); };
    TestKit::Click(button, 5, 5);
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(ButtonBehaviour, ReleasingOutsideTheButtonClicksNothing)
{
    ClickLog log;
    Count(button, log);
    TestKit::MouseDown(button, 5, 5);
    TestKit::MouseUp(button, 60, 5);
    EXPECT_EQ(log.Count, 0);
    EXPECT_FALSE(button->Pressed());
    // A release back over the button after leaving it still clicks.
    TestKit::MouseDown(button, 5, 5);
    TestKit::MouseMove(button, 60, 5, {ssLeft});
    TestKit::MouseUp(button, 5, 5);
    EXPECT_EQ(log.Count, 1);
}

TEST_F(ButtonBehaviour, ADisabledOrHiddenButtonDoesNotClick)
{
    ClickLog log;
    Count(button, log);
    button->SetModalResult(mrOk);
    button->SetEnabled(false);
    TestKit::Click(button, 5, 5);
    button->Click();
    EXPECT_EQ(log.Count, 0);
    EXPECT_EQ(form->ModalResult(), mrNone);
    EXPECT_TRUE(button->Pressed()) << "Click on a disabled button leaves it pressed";
    button->SetEnabled(true);
    EXPECT_FALSE(button->Pressed()) << "the Enabled setter clears it";

    button->Hide();
    button->Click();
    EXPECT_EQ(log.Count, 0);
}

TEST_F(ButtonBehaviour, ADoubleClickIsTwoClicks)
{
    ClickLog log;
    Count(button, log);
    int dblClicks = 0;
    button->OnDblClick = [&dblClicks](TObject*) { ++dblClicks; };
    TestKit::DblClick(button, 5, 5);
    EXPECT_EQ(log.Count, 2);
    EXPECT_EQ(dblClicks, 0);
}

TEST_F(ButtonBehaviour, AHandlerMayFreeTheButton)
{
    button->OnClick = [this](TObject*) {
        button->Free();
        button = nullptr;
    };
    button->SetModalResult(mrOk);
    TestKit::Click(button, 5, 5);
    EXPECT_EQ(button, nullptr);
    EXPECT_EQ(form->ModalResult(), mrNone);
}

// ---- keys ---------------------------------------------------------------------------------------------

TEST_F(ButtonBehaviour, EnterOrSpaceGoingDownPressesAndComingUpClicks)
{
    ClickLog log;
    Count(button, log);
    button->SetFocus();
    for (Word key : {VK_RETURN, VK_SPACE}) {
        TestKit::KeyDown(nullptr, key);
        EXPECT_TRUE(button->Pressed()) << key;
        EXPECT_EQ(log.Count, key == VK_RETURN ? 0 : 1);
        TestKit::KeyUp(nullptr, key);
        EXPECT_FALSE(button->Pressed()) << key;
    }
    EXPECT_EQ(log.Count, 2);
    // Other keys do nothing.
    TestKit::TypeKey(nullptr, 'A');
    EXPECT_EQ(log.Count, 2);
}

TEST_F(ButtonBehaviour, AKeyUpClicksOnlyAfterItsKeyWentDownOnTheSameButton)
{
    auto* other = new TLbButton(form);
    other->SetBounds(60, 10, 40, 24);
    other->SetParent(form);
    ClickLog log, otherLog;
    Count(button, log);
    Count(other, otherLog);

    button->SetFocus();
    TestKit::KeyUp(nullptr, VK_SPACE);
    EXPECT_EQ(log.Count, 0) << "a key up alone";

    TestKit::KeyDown(nullptr, VK_SPACE);
    other->SetFocus();
    TestKit::KeyUp(nullptr, VK_SPACE);
    EXPECT_EQ(log.Count, 0);
    EXPECT_EQ(otherLog.Count, 0);
    EXPECT_FALSE(button->Pressed()) << "losing the focus releases a key press";

    button->SetFocus();
    TestKit::KeyDown(nullptr, VK_SPACE);
    TestKit::KeyUp(nullptr, VK_RETURN);
    EXPECT_EQ(log.Count, 0) << "another key's release";
    TestKit::KeyUp(nullptr, VK_SPACE);
    EXPECT_EQ(log.Count, 1);
}

TEST_F(ButtonBehaviour, TheAcceleratorOfTheCaptionClicks)
{
    ClickLog log;
    Count(button, log);
    button->SetCaption("&Apply");
    TestKit::TypeKey(nullptr, 'A', {ssAlt});
    EXPECT_EQ(log.Count, 1);
    TestKit::TypeKey(nullptr, 'P', {ssAlt});
    EXPECT_EQ(log.Count, 1);
    button->SetCaption("Fish && &Chips");
    TestKit::TypeKey(nullptr, 'C', {ssAlt});
    EXPECT_EQ(log.Count, 2);
}

// What Enter and Esc do for a Default and a Cancel button, by the form's
// active control.
TEST_F(ButtonBehaviour, DefaultAndCancelKeys)
{
    auto* edit = new TFocusSink(form);  // wants no dialog keys: like an edit box
    edit->SetBounds(10, 60, 40, 20);
    edit->SetParent(form);
    auto* plainButton = new TTestButton(form);
    plainButton->SetBounds(60, 60, 20, 20);
    plainButton->SetParent(form);
    auto* radio = new TTestRadioButton(form);
    radio->SetBounds(90, 60, 20, 20);
    radio->SetParent(form);
    auto* cancel = new TLbButton(form);
    cancel->SetBounds(60, 10, 40, 24);
    cancel->SetParent(form);
    button->SetDefault(true);
    button->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    ClickLog okLog, cancelLog;
    Count(button, okLog);
    Count(cancel, cancelLog);

    struct Case {
        const char* Name;
        TWinControl* Active;
        Word Key;
        TShiftState Shift;
        bool DefaultEnabled;
        // Clicks expected on the Default and the Cancel button.
        int Ok, Cancel;
    };
    const Case cases[] = {
        {"enter in an edit", edit, VK_RETURN, {}, true, 1, 0},
        {"esc in an edit", edit, VK_ESCAPE, {}, true, 0, 1},
        {"esc with shift", edit, VK_ESCAPE, {ssShift}, true, 0, 0},
        {"esc with ctrl", edit, VK_ESCAPE, {ssCtrl}, true, 0, 0},
        {"enter with shift", edit, VK_RETURN, {ssShift}, true, 1, 0},
        {"enter on another kind of button", plainButton, VK_RETURN, {}, true, 0, 0},
        {"esc on another kind of button", plainButton, VK_ESCAPE, {}, true, 0, 0},
        {"enter on a radio button", radio, VK_RETURN, {}, true, 1, 0},
        {"esc on a radio button", radio, VK_ESCAPE, {}, true, 0, 1},
        // A focused push button keeps the key: the Cancel button is clicked
        // by its own Enter, not the Default one.
        {"enter on the cancel button", cancel, VK_RETURN, {}, true, 0, 1},
        {"enter on the default button", button, VK_RETURN, {}, true, 1, 0},
        {"enter with the default button disabled", edit, VK_RETURN, {}, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        button->SetEnabled(c.DefaultEnabled);
        form->SetModalResult(mrNone);
        okLog = {};
        cancelLog = {};
        c.Active->SetFocus();
        TestKit::TypeKey(nullptr, c.Key, c.Shift);
        EXPECT_EQ(okLog.Count, c.Ok);
        EXPECT_EQ(cancelLog.Count, c.Cancel);
        const TModalResult expected = c.Ok ? mrOk : c.Cancel ? mrCancel : mrNone;
        EXPECT_EQ(form->ModalResult(), expected);
    }
}

TEST_F(ButtonBehaviour, ADisabledDefaultButtonLeavesEnterToOthers)
{
    auto* second = new TLbButton(form);
    second->SetBounds(60, 10, 40, 24);
    second->SetParent(form);
    second->SetDefault(true);
    button->SetDefault(true);
    button->SetEnabled(false);
    ClickLog log;
    Count(second, log);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(log.Count, 1);
    second->SetEnabled(false);
    EXPECT_EQ(form->Perform(CM_DIALOGKEY, VK_RETURN, 0), 0) << "Enter is not swallowed";
}

// The button closes a modal loop as the event loop delivers a click.
TEST_F(ButtonBehaviour, APostedClickEndsAModalLoopWithTheButtonsResult)
{
    for (TModalResult result : {mrOk, mrCancel}) {
        form->SetModalResult(mrNone);
        button->SetModalResult(result);
        PostMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessage(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Application.WaitUntil([this] { return form->ModalResult() != mrNone || PostedMessageCount() == 0; });
        EXPECT_EQ(form->ModalResult(), result);
    }
}

// ---- properties ---------------------------------------------------------------------------------------

TEST(LbButtonProperties, StartValues)
{
    TCustomForm form(nullptr);
    form.Font().SetName("Verdana");
    form.Font().SetHeight(-13);
    TLbButton b(&form);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.ControlStyle(), (TControlStyle{csCaptureMouse, csSetCaption}));
    EXPECT_TRUE(b.TabStop());
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_FALSE(b.ParentColor());
    EXPECT_EQ(b.LightColor(), 0xFFFFFF);
    EXPECT_EQ(b.ShadowColor(), 0x808080);
    EXPECT_EQ(b.ColorWhenDown(), clNone);
    EXPECT_EQ(b.HotTrackColor(), clNone);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_EQ(b.Kind(), TLbButtonKind::bkCustom);
    EXPECT_EQ(b.Layout(), TLbButtonLayout::blGlyphLeft);
    EXPECT_EQ(b.ModalResult(), mrNone);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_FALSE(b.WordWrap() || b.Default() || b.Cancel() || b.SlowDecease() || b.Flat());
    EXPECT_EQ(b.HotTrackFont().Height(), -13) << "the owning form's font";
}

TEST(LbButtonProperties, KindGlyphModalResultAndColorStyle)
{
    TLbButton b(nullptr);
    b.SetKind(TLbButtonKind::bkOK);
    EXPECT_EQ(b.Caption(), "OK");
    EXPECT_EQ(b.ModalResult(), mrOk);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph().Width(), 36);
    EXPECT_EQ(b.Kind(), TLbButtonKind::bkOK);

    b.SetKind(TLbButtonKind::bkClose);
    EXPECT_EQ(b.Caption(), QString::fromUtf8("Schlie\xC3\x9F" "en"));
    EXPECT_EQ(b.ModalResult(), mrNone);
    b.SetKind(TLbButtonKind::bkAll);
    EXPECT_EQ(b.ModalResult(), 12);
    EXPECT_EQ(b.Glyph().Height(), 19);

    b.SetKind(TLbButtonKind::bkCancel);
    b.SetKind(TLbButtonKind::bkCustom);
    EXPECT_EQ(b.Caption(), "Abbrechen") << "bkCustom keeps caption, glyph and result";
    EXPECT_EQ(b.ModalResult(), mrCancel);
    EXPECT_EQ(b.NumGlyphs(), 2);

    b.SetKind(TLbButtonKind::bkYes);
    b.SetModalResult(mrNo);
    EXPECT_EQ(b.Kind(), TLbButtonKind::bkCustom) << "ModalResult resets the kind";

    TBitmap strip(36, 18);
    b.SetKind(TLbButtonKind::bkOK);
    b.SetGlyph(&strip);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Kind(), TLbButtonKind::bkCustom);
    TBitmap wide(50, 16);
    b.SetGlyph(&wide);
    EXPECT_EQ(b.NumGlyphs(), 3);
    b.SetGlyph(nullptr);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.Glyph().Height(), 0);

    b.SetColorStyle(lcsGold);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.Color(), 0x00C0C0);
    EXPECT_EQ(b.LightColor(), 0x00FFFF);
    EXPECT_EQ(b.Style(), bsModern);
    b.SetColorStyle(lcsQuicken);
    EXPECT_EQ(b.Font().Color(), 0xFFFFFF);
    EXPECT_EQ(b.ColorWhenDown(), 0xAD6529);
    b.SetColorStyle(lcsCustom);
    EXPECT_EQ(b.Style(), bsQuicken) << "lcsCustom changes nothing";
}

TEST_F(ButtonBehaviour, APopupMenuShowsBelowTheLeftEdgeAfterTheClick)
{
    struct TRecorder : TLbButtonPopup {
        std::vector<TPoint> At;
        void Popup(int X, int Y) override { At.push_back({X, Y}); }
    } popup;
    button->SetPopupMenu(&popup);
    TestKit::Click(button, 5, 5);
    ASSERT_EQ(popup.At.size(), 1u);
    EXPECT_EQ(popup.At[0], button->ClientToScreen(Point(0, 24)));
}

// ---- hot tracking and the fade ----------------------------------------------------------------------

TEST_F(ButtonBehaviour, EnteringAndLeavingSetTheHotStepAndFireTheEvents)
{
    std::vector<std::string> events;
    button->OnMouseEnter = [&events](TObject*) { events.push_back("enter"); };
    button->OnMouseExit = [&events](TObject*) { events.push_back("exit"); };
    MoveOn();
    EXPECT_TRUE(button->CursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 8);
    MoveOff();
    EXPECT_FALSE(button->CursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->Fading());
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));

    button->SetEnabled(false);
    MoveOn();
    MoveOff();
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_EQ(events.size(), 2u) << "a disabled button ignores the pointer";
}

TEST_F(ButtonBehaviour, SlowDeceaseFadesOneStepEvery30Milliseconds)
{
    TestKit::FakeClock clock;
    button->SetSlowDecease(true);
    MoveOn();
    MoveOff();
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_TRUE(button->Fading());
    std::vector<int> steps;
    for (int i = 0; i < 8; ++i) {
        clock.Advance(29);
        EXPECT_EQ(button->HotTrackStep(), 8 - i) << "not before 30 ms";
        clock.Advance(1);
        steps.push_back(button->HotTrackStep());
    }
    EXPECT_EQ(steps, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_FALSE(button->Fading()) << "paused at 0";
    clock.Advance(300);
    EXPECT_EQ(button->HotTrackStep(), 0);

    // The face follows the step.
    MoveOn();
    MoveOff();
    clock.Advance(4 * 30);
    EXPECT_EQ(Hex(PixelAt(Render(), 2, 12)), Hex(BlendColorByStep(FACE, HOT, 4)));
}

TEST_F(ButtonBehaviour, ReenteringDuringTheFadeResetsTo8AndTheFadeGoesOn)
{
    TestKit::FakeClock clock;
    button->SetSlowDecease(true);
    MoveOn();
    MoveOff();
    clock.Advance(90);
    EXPECT_EQ(button->HotTrackStep(), 5);
    MoveOn();
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_TRUE(button->Fading());
    clock.Advance(30);
    EXPECT_EQ(button->HotTrackStep(), 7);
}

TEST_F(ButtonBehaviour, SwitchingSlowDeceaseOffMidFadeStopsAt0)
{
    TestKit::FakeClock clock;
    button->SetSlowDecease(true);
    MoveOn();
    MoveOff();
    clock.Advance(60);
    button->SetSlowDecease(false);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->Fading());
    clock.Advance(300);
    EXPECT_EQ(button->HotTrackStep(), 0);
    // Leaving now drops the hot colour at once.
    MoveOn();
    MoveOff();
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->Fading());
}

TEST_F(ButtonBehaviour, DestroyingAButtonMidFadeIsClean)
{
    TestKit::FakeClock clock;
    button->SetSlowDecease(true);
    MoveOn();
    MoveOff();
    clock.Advance(45);
    ASSERT_TRUE(button->Fading());
    button->Free();
    button = nullptr;
    clock.Advance(500);
    // And with its whole form, mid-fade as well.
    auto* other = new TLbButton(form);
    other->SetBounds(60, 10, 40, 24);
    other->SetParent(form);
    other->SetSlowDecease(true);
    TestKit::MouseMove(other, 5, 5);
    MoveOff();
    clock.Advance(30);
    ASSERT_TRUE(other->Fading());
    form->Free();
    form = nullptr;
    clock.Advance(500);
}

TEST_F(ButtonBehaviour, ADialogClosedUnderThePointerShowsNoStaleHotFaceWhenItReopens)
{
    MoveOn();
    ASSERT_EQ(button->HotTrackStep(), 8);
    button->SetModalResult(mrOk);
    button->OnClick = [this](TObject*) { form->Hide(); };
    TestKit::Click(button, 5, 5);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(button->CursorOnButton());
    EXPECT_EQ(button->HotTrackStep(), 0);

    form->SetModalResult(mrNone);
    form->SetActiveControl(sink);
    form->Show();
    EXPECT_EQ(Hex(PixelAt(Render(), 2, 12)), Hex(FACE));
    // The pointer, still over the button, makes it hot again when it moves.
    MoveOn();
    EXPECT_EQ(button->HotTrackStep(), 8);
}
