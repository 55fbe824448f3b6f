// Where the popup opens, how big it is, and its life cycle: opening and
// closing by the drop button, by presses and activations outside, by keys.
#include "dropdown_fixture.h"

using namespace DropDownTestKit;

namespace {

// ---- placement ---------------------------------------------------------------------------

struct PlacementRow {
    const char* Name;
    TPoint Edit;  // where the edit's top-left lies on the screen
    TDropPosition Position;
    TSize Asked;  // DropDownWidth x DropDownHeight
    TRect Expected;
};

// The work areas: primary (0, 0)-(1280, 984), the display left of it
// (-1024, 0)-(0, 768). The edit is 200 x 21.
const PlacementRow kPlacement[] = {
    // Below, overlapping the edit's last pixel row.
    {"below", {110, 110}, dpAuto, {150, 100}, Bounds(110, 130, 150, 100)},
    // The bottom of the work area (not of the screen) reached: above.
    {"above when the bottom is reached", {110, 880}, dpAuto, {150, 100}, Bounds(110, 780, 150, 100)},
    {"below still fits", {110, 864}, dpAuto, {150, 100}, Bounds(110, 884, 150, 100)},
    // Past the right edge: moved left onto it.
    {"right edge", {1200, 110}, dpAuto, {150, 100}, Bounds(1130, 130, 150, 100)},
    // On the display at negative x, where placement by the primary screen alone would move nothing.
    {"display at negative x", {-300, 110}, dpAuto, {150, 100}, Bounds(-300, 130, 150, 100)},
    {"right edge of the display at negative x", {-100, 110}, dpAuto, {150, 100}, Bounds(-150, 130, 150, 100)},
    {"above on the display at negative x", {-500, 700}, dpAuto, {150, 100}, Bounds(-500, 600, 150, 100)},
    // Clamps on both axes.
    {"left clamp", {-1050, 110}, dpAuto, {150, 100}, Bounds(-1024, 130, 150, 100)},
    {"bottom clamp (dpDown)", {110, 900}, dpDown, {150, 100}, Bounds(110, 884, 150, 100)},
    {"top clamp (dpUp)", {110, 50}, dpUp, {150, 100}, Bounds(110, 0, 150, 100)},
    {"dpUp", {110, 500}, dpUp, {150, 100}, Bounds(110, 400, 150, 100)},
    {"fits nowhere: the side with more room, clamped", {110, 500}, dpAuto, {150, 950}, Bounds(110, 0, 150, 950)},
    // Never below 80 x 50.
    {"minimum size", {110, 110}, dpAuto, {30, 20}, Bounds(110, 130, 80, 50)},
};

void PrintTo(const PlacementRow& R, std::ostream* Os) { *Os << R.Name; }

class DropDownPlacement : public DropDownFixture, public ::testing::WithParamInterface<PlacementRow> {};

TEST_P(DropDownPlacement, OpensAt)
{
    const PlacementRow& row = GetParam();
    // The form moves so that the edit lies at the row's point.
    const TPoint now = editOnScreen();
    form->SetBounds(form->Left() + row.Edit.X - now.X, form->Top() + row.Edit.Y - now.Y, form->Width(),
                    form->Height());
    ASSERT_EQ(editOnScreen(), row.Edit);
    dd->SetDropPosition(row.Position);
    dd->SetDropDownWidth(row.Asked.cx);
    dd->SetDropDownHeight(row.Asked.cy);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(popup()->BoundsRect(), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownPlacement, ::testing::ValuesIn(kPlacement),
                         [](const ::testing::TestParamInfo<PlacementRow>& I) { return TestName(I.param.Name); });

using DropDownPopup = DropDownFixture;

TEST_F(DropDownPopup, SizeFromTheHostedControlAndTheUserSize)
{
    // Without DropDownWidth/Height: the hosted control's width; the height
    // is the frame (2 x 1) plus the visible header and footer (22 each)
    // plus the control's height.
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(popup()->Width(), 150);
    EXPECT_EQ(popup()->Height(), 2 + 22 + 22 + 100);
    EXPECT_EQ(pad->Parent(), popup());
    EXPECT_EQ(pad->Align(), alClient);
    // The user sizes it; closing remembers the size for the next openings.
    popup()->SetBounds(popup()->Left(), popup()->Top(), 260, 190);
    dd->HideDropDown(false);
    EXPECT_EQ(dd->UserDropDownWidth(), 260);
    EXPECT_EQ(dd->UserDropDownHeight(), 190);
    dd->ShowDropDown();
    EXPECT_EQ(popup()->Width(), 260);
    EXPECT_EQ(popup()->Height(), 190);
    dd->HideDropDown(false);
    // A new DropDownWidth forgets the user's width (and only that).
    dd->SetDropDownWidth(170);
    EXPECT_EQ(dd->UserDropDownWidth(), -1);
    EXPECT_EQ(dd->UserDropDownHeight(), 190);
    dd->ShowDropDown();
    EXPECT_EQ(popup()->Width(), 170);
    EXPECT_EQ(popup()->Height(), 190);
    dd->HideDropDown(false);
    // Setting the same value keeps what the user left.
    popup()->SetBounds(popup()->Left(), popup()->Top(), 300, 200);
    dd->ShowDropDown();
    popup()->SetBounds(popup()->Left(), popup()->Top(), 300, 200);
    dd->HideDropDown(false);
    dd->SetDropDownWidth(170);
    EXPECT_EQ(dd->UserDropDownWidth(), 300);
}

TEST_F(DropDownPopup, AUserHeightAboveTheEditEndsOnItsTop)
{
    // The remembered size is the size placed: a popup opening above the edit
    // ends on the edit's top edge whatever height the user left it at.
    const TPoint now = editOnScreen();
    form->SetBounds(form->Left(), form->Top() + 900 - now.Y, form->Width(), form->Height());
    dd->ShowDropDown();
    popup()->SetBounds(popup()->Left(), popup()->Top(), 200, 120);
    dd->HideDropDown(false);
    dd->ShowDropDown();
    EXPECT_EQ(popup()->Top() + popup()->Height(), 900);
    EXPECT_EQ(popup()->Height(), 120);
}

TEST_F(DropDownPopup, OnDropDownRefusing)
{
    dd->OnDropDown = [this](TObject*, bool& Accept) {
        dd->Log.push_back("OnDropDown");
        Accept = false;
    };
    dd->ShowDropDown();
    EXPECT_FALSE(popup()->Visible());
    EXPECT_FALSE(dd->DroppedDown());
    dd->HideDropDown(true);
    clickButton();
    EXPECT_FALSE(popup()->Visible());
    EXPECT_EQ(dd->Log, (std::vector<std::string>{"OnBeforeDropDown", "OnDropDown", "OnBeforeDropDown", "OnDropDown"}))
        << "no OnDropUp";
}

TEST_F(DropDownPopup, NoOpeningWhenDisabledOrReadOnly)
{
    dd->SetReadOnly(true);
    dd->ShowDropDown();
    EXPECT_FALSE(open());
    dd->SetReadOnly(false);
    dd->SetEnabled(false);
    dd->ShowDropDown();
    EXPECT_FALSE(open());
    EXPECT_TRUE(dd->Log.empty());
}

// ---- life cycle --------------------------------------------------------------------------

TEST_F(DropDownPopup, LifeCycleWithTheMouse)
{
    clickButton();
    ASSERT_TRUE(open());
    EXPECT_EQ(dd->Log, (std::vector<std::string>{"OnBeforeDropDown", "OnDropDown"}));
    dd->Log.clear();

    // A press on the drop button of the open popup closes it; the release
    // that follows does not open it again.
    clock.Advance(1000);
    TestKit::MouseDown(dd->Button(), 8, 8);
    EXPECT_FALSE(open());
    EXPECT_EQ(popup()->DeActivateTime(), 1000u);
    TestKit::MouseUp(dd->Button(), 8, 8);
    EXPECT_FALSE(open()) << "the click that closed the popup opened it again";
    EXPECT_EQ(dd->Log,
              (std::vector<std::string>{"BeforeDropUp", "AfterDropUp", "OnDropUp(cancelled)"}));
    dd->Log.clear();

    // Within 250 ms a click does nothing; after, it opens.
    clock.Advance(250);
    clickButton();
    EXPECT_FALSE(open());
    clock.Advance(1);
    clickButton();
    EXPECT_TRUE(open());

    // A press on another form closes with CancelOnDeActivate (true): the
    // text the edit had at the opening comes back; the press goes on.
    dd->Log.clear();
    dd->SetTextDirect("picked");
    clock.Advance(10);
    TestKit::MouseDown(target, 10, 10);
    TestKit::MouseUp(target, 10, 10);
    EXPECT_FALSE(open());
    EXPECT_EQ(dd->Text(), "");
    EXPECT_EQ(target->Presses, 1);
    EXPECT_EQ(dd->Log.back(), "OnDropUp(cancelled)");

    // With CancelOnDeActivate off the close keeps the value.
    popup()->SetCancelOnDeActivate(false);
    clock.Advance(1000);
    clickButton();
    ASSERT_TRUE(open());
    dd->SetTextDirect("kept");
    TestKit::MouseDown(target, 10, 10);
    TestKit::MouseUp(target, 10, 10);
    EXPECT_FALSE(open());
    EXPECT_EQ(dd->Text(), "kept");
    EXPECT_EQ(dd->Log.back(), "OnDropUp(kept)");
}

TEST_F(DropDownPopup, TheFirstClickAfterStartOpens)
{
    // The clock starts at 0: no deactivation yet, so nothing holds the click.
    ASSERT_EQ(popup()->DeActivateTime(), 0u);
    clickButton();
    EXPECT_TRUE(open());
}

TEST_F(DropDownPopup, PressInsideThePopupKeepsItOpen)
{
    clickButton();
    ASSERT_TRUE(open());
    TestKit::Click(pad, 20, 20);
    EXPECT_TRUE(open());
    EXPECT_EQ(pad->Presses, 1);
}

TEST_F(DropDownPopup, AWindowInsideThePopupDoesNotCloseIt)
{
    clickButton();
    ASSERT_TRUE(open());
    // A form the hosted control owns (a dialog of its own) takes the
    // activation: the popup stays, the time is recorded.
    clock.Advance(500);
    auto* inner = new TForm(pad);
    inner->SetBounds(600, 600, 100, 80);
    inner->Show();
    EXPECT_TRUE(inner->Active());
    EXPECT_TRUE(open());
    EXPECT_EQ(popup()->DeActivateTime(), 500u);
    // The dialog closes: the popup is the active form again.
    inner->Hide();
    EXPECT_TRUE(open());
    EXPECT_TRUE(popup()->Active());
    inner->Free();
    // Another form taking the activation closes it.
    other->SetFocus();
    EXPECT_FALSE(open());
    EXPECT_EQ(dd->Log.back(), "OnDropUp(cancelled)");
}

TEST_F(DropDownPopup, BlockActivateNeitherClosesNorRecords)
{
    clickButton();
    ASSERT_TRUE(open());
    popup()->SetBlockActivate(true);
    clock.Advance(700);
    other->SetFocus();
    EXPECT_TRUE(open());
    TestKit::MouseDown(sink, 5, 5);
    TestKit::MouseUp(sink, 5, 5);
    EXPECT_TRUE(open());
    EXPECT_EQ(popup()->DeActivateTime(), 0u);
    EXPECT_FALSE(popup()->Deactivated());
    popup()->SetBlockActivate(false);
    dd->HideDropDown(false);
}

TEST_F(DropDownPopup, ClosingGivesTheFocusBackToTheEdit)
{
    clickButton();
    ASSERT_TRUE(open());
    EXPECT_TRUE(popup()->Active());
    dd->HideDropDown(false);
    EXPECT_TRUE(form->Active());
    EXPECT_TRUE(dd->Focused());
    EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(DropDownPopup, CancelRestoresTheTextAtOpening)
{
    // The text typed before opening comes back on a cancel, not the last
    // value written through SetText.
    dd->SetText("set");
    dd->SetFocus();
    TestKit::TypeKey(dd, VK_END);
    TestKit::TypeText(dd, "!");
    ASSERT_EQ(dd->Text(), "set!");
    dd->ShowDropDown();
    dd->SetTextDirect("picked");
    dd->HideDropDown(true);
    EXPECT_EQ(dd->Text(), "set!");
    EXPECT_EQ(dd->OldText(), "set!") << "the restore is a SetText";
    // Closing with the changes kept keeps them.
    dd->ShowDropDown();
    dd->SetTextDirect("picked");
    dd->HideDropDown(false);
    EXPECT_EQ(dd->Text(), "picked");
    EXPECT_EQ(dd->OldText(), "set!") << "SetTextDirect leaves FOldText";
}

// ---- keys ---------------------------------------------------------------------------------

struct KeyRow {
    const char* Name;
    bool OpenBefore;
    Word VK;
    TShiftState Shift;
    bool EditorEnabled;
    bool OpenAfter;
    const char* LastEvent;  // "" when no close happened
};

const KeyRow kKeys[] = {
    {"Alt+Down opens", false, VK_DOWN, {ssAlt}, true, true, ""},
    {"Alt+Up opens", false, VK_UP, {ssAlt}, true, true, ""},
    // With Ctrl the stroke is a WM_KEYDOWN holding Alt: it toggles once.
    {"Ctrl+Alt+Down opens once", false, VK_DOWN, {ssCtrl, ssAlt}, true, true, ""},
    {"Ctrl+Alt+Down closes once", true, VK_DOWN, {ssCtrl, ssAlt}, true, false, "OnDropUp(kept)"},
    {"Alt+Down closes keeping", true, VK_DOWN, {ssAlt}, true, false, "OnDropUp(kept)"},
    {"F4 opens", false, VK_F4, {}, true, true, ""},
    {"F4 closes keeping", true, VK_F4, {}, true, false, "OnDropUp(kept)"},
    {"Enter closes keeping", true, VK_RETURN, {}, true, false, "OnDropUp(kept)"},
    {"Esc closes cancelling", true, VK_ESCAPE, {}, true, false, "OnDropUp(cancelled)"},
    {"Down alone does nothing", false, VK_DOWN, {}, true, false, ""},
    {"EditorEnabled off: F4 opens", false, VK_F4, {}, false, true, ""},
    {"EditorEnabled off: Esc cancels", true, VK_ESCAPE, {}, false, false, "OnDropUp(cancelled)"},
    {"EditorEnabled off: Enter keeps", true, VK_RETURN, {}, false, false, "OnDropUp(kept)"},
};

void PrintTo(const KeyRow& R, std::ostream* Os) { *Os << R.Name; }

class DropDownKeys : public DropDownFixture, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(DropDownKeys, Key)
{
    const KeyRow& row = GetParam();
    dd->SetEditorEnabled(row.EditorEnabled);
    dd->SetFocus();
    if (row.OpenBefore)
        dd->ShowDropDown();
    ASSERT_EQ(open(), row.OpenBefore);
    dd->Log.clear();
    // Keys reach the edit; while the popup is open they go to the popup's
    // focused control (the hosted pad), which sends them on to the edit.
    TestKit::TypeKey(row.OpenBefore ? nullptr : static_cast<TWinControl*>(dd), row.VK, row.Shift);
    EXPECT_EQ(open(), row.OpenAfter);
    EXPECT_EQ(dd->Log.empty() || row.OpenAfter ? std::string() : dd->Log.back(), row.LastEvent);
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownKeys, ::testing::ValuesIn(kKeys),
                         [](const ::testing::TestParamInfo<KeyRow>& I) { return TestName(I.param.Name); });

TEST_F(DropDownPopup, WithoutEditorEnabledOtherKeysAreDroppedAndAPressOpens)
{
    dd->SetEditorEnabled(false);
    dd->SetText("abc");
    int keyDowns = 0;
    dd->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keyDowns; };
    dd->SetFocus();
    TestKit::TypeKey(dd, 'A');
    TestKit::TypeKey(dd, VK_LEFT);
    EXPECT_EQ(keyDowns, 0);
    EXPECT_EQ(dd->Text(), "abc");
    TestKit::TypeKey(dd, VK_ESCAPE);
    EXPECT_EQ(keyDowns, 1) << "Enter and Esc still go through the key-down handling";
    TestKit::MouseDown(dd, 20, 5);
    EXPECT_TRUE(open());
    TestKit::MouseUp(dd, 20, 5);
    EXPECT_TRUE(open());
}

TEST_F(DropDownPopup, KeyPressEnterBecomesNull)
{
    QChar k(13);
    std::vector<int> seen;
    dd->OnKeyPress = [&](TObject*, QChar& Key) { seen.push_back(Key.unicode()); };
    dd->KeyPress(k);
    EXPECT_TRUE(k.isNull());
    EXPECT_EQ(seen, std::vector<int>{13}) << "OnKeyPress sees the Enter first";
    QChar a('a');
    dd->KeyPress(a);
    EXPECT_EQ(a, QChar('a'));
}

TEST_F(DropDownPopup, WantSpecialKey)
{
    dd->SetText("value");
    dd->SetFocus();
    dd->SetSelStart(2);
    dd->SetSelLength(0);
    dd->SetModified(true);
    // Esc, KeyPreview off: the whole text selected, not modified, and Esc
    // passed on to the parent.
    EXPECT_EQ(dd->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 0);
    EXPECT_EQ(dd->SelStart(), 0);
    EXPECT_EQ(dd->SelLength(), 5);
    EXPECT_FALSE(dd->Modified());
    EXPECT_EQ(TestKit::PumpPostedMessages(), 2);
    // KeyPreview on: Esc is claimed only while the popup is open.
    form->SetKeyPreview(true);
    EXPECT_EQ(dd->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 0);
    dd->ShowDropDown();
    EXPECT_EQ(dd->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 1);
    EXPECT_EQ(dd->Perform(CM_WANTSPECIALKEY, VK_RETURN, 0), 0);
    dd->HideDropDown(false);
    // Without a parent form: nothing at all.
    TVynDropDown loose(nullptr);
    loose.SetText("abc");
    loose.SetSelStart(1);
    loose.SetSelLength(0);
    EXPECT_EQ(loose.Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 0);
    EXPECT_EQ(loose.SelLength(), 0);
    EXPECT_EQ(TestKit::PumpPostedMessages(), 0);
}

}  // namespace
