// The time picker drop-down: the masked text, stepping, typed times, the
// popup with its watch.
#include <gtest/gtest.h>

#include "controls/dropdown/TimePickerDropDown.h"
#include "platform/gui/dtpicker.h"
#include "kinds_fixture.h"

using namespace DropDownTestKit;

namespace {

TDateTime at(int H, int M, int S = 0) { return EncodeTime(H, M, S, 0); }

std::string hms(TDateTime T)
{
    int h, m, s, ms;
    DecodeTime(T, h, m, s, ms);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, m, s);
    return buf;
}

struct TimePickerTest : KindFixture<TVynTimePickerDropDown> {
    int timeChanges = 0;
    void SetUp() override
    {
        KindFixture::SetUp();
        dd->OnTimeChange = [this](TObject*) { ++timeChanges; };
        dd->SetAnimation(false);
    }
    String text() const { return dd->TCustomEdit::Text(); }
    void editable()
    {
        dd->SetEditorEnabled(true);
        dd->SetFocus();
    }
    void key(Word Key, int Caret, TShiftState Shift = {})
    {
        dd->SetSelStart(Caret);
        dd->SetSelLength(0);
        TestKit::TypeKey(dd, Key, Shift);
    }
};

TEST_F(TimePickerTest, NewPicker)
{
    EXPECT_EQ(text(), "00:00:00");
    EXPECT_EQ(dd->EditMask(), "!90:00:00;1; ");
    EXPECT_EQ(dd->Time(), 0.0);
    EXPECT_FALSE(dd->EditorEnabled());
    EXPECT_TRUE(dd->ShowSeconds());
    EXPECT_FALSE(dd->DropDownHeader().Visible());
    ASSERT_NE(dd->Watch(), nullptr);
    dd->SetTime(at(7, 5, 3));
    EXPECT_EQ(text(), "07:05:03");
}

TEST_F(TimePickerTest, UpAndDownStepThePartUnderTheCaret)
{
    editable();
    const struct {
        int Caret;
        Word Key;
        const char* Result;
    } rows[] = {{0, VK_DOWN, "13:34:56"}, {2, VK_UP, "11:34:56"},   // in front of the separator: the hour
                {3, VK_DOWN, "12:35:56"}, {5, VK_UP, "12:33:56"},   // behind the first one: the minute
                {6, VK_DOWN, "12:34:57"}, {8, VK_UP, "12:34:55"}};  // behind the second one: the second
    for (const auto& r : rows) {
        dd->SetTime(at(12, 34, 56));
        key(r.Key, r.Caret);
        EXPECT_EQ(hms(dd->Time()), r.Result) << "caret " << r.Caret;
        EXPECT_EQ(dd->SelStart(), r.Caret);
    }
    EXPECT_EQ(timeChanges, 6);
}

TEST_F(TimePickerTest, StepsWrapWithoutCarry)
{
    editable();
    const struct {
        TDateTime From;
        int Caret;
        Word Key;
        const char* Result;
    } rows[] = {{at(23, 10), 0, VK_DOWN, "00:10:00"}, {at(0, 10), 0, VK_UP, "23:10:00"},
                {at(5, 59), 3, VK_DOWN, "05:00:00"},  {at(5, 0), 3, VK_UP, "05:59:00"},
                {at(5, 0, 59), 6, VK_DOWN, "05:00:00"}};
    for (const auto& r : rows) {
        dd->SetTime(r.From);
        key(r.Key, r.Caret);
        EXPECT_EQ(hms(dd->Time()), r.Result);
    }
    // Ctrl or Alt held: nothing.
    dd->SetTime(at(5, 0));
    key(VK_UP, 0, TShiftState{ssCtrl});
    EXPECT_EQ(hms(dd->Time()), "05:00:00");
    key(VK_UP, 0, TShiftState{ssAlt});
    EXPECT_EQ(hms(dd->Time()), "05:00:00");
}

TEST_F(TimePickerTest, WithoutSecondsEveryPositionBehindTheSeparatorStepsTheMinute)
{
    editable();
    dd->SetTime(at(12, 34, 56));
    dd->SetShowSeconds(false);
    EXPECT_EQ(text(), "12:34");
    EXPECT_EQ(dd->EditMask(), "!90:00;1; ");
    EXPECT_EQ(hms(dd->Time()), "12:34:56") << "switching keeps Time";
    key(VK_DOWN, 5);
    EXPECT_EQ(hms(dd->Time()), "12:35:56");
    dd->SetShowSeconds(true);
    EXPECT_EQ(text(), "12:35:56");
}

TEST_F(TimePickerTest, TypedTimes)
{
    editable();
    dd->SetShowSeconds(false);
    dd->SetSelStart(0);
    TestKit::TypeText(dd, "1234");
    EXPECT_EQ(text(), "12:34");
    EXPECT_EQ(hms(dd->Time()), "12:34:00");
    // "1 :00": the blank becomes a zero and the text its two-digit form.
    dd->SetTextDirect(QStringLiteral("1 :00"));
    EXPECT_EQ(hms(dd->Time()), "10:00:00");
    EXPECT_EQ(text(), "10:00");
    // 25:00 is refused: Time and the text stay as typed.
    dd->SetTextDirect(QStringLiteral("25:00"));
    EXPECT_EQ(hms(dd->Time()), "10:00:00");
    EXPECT_EQ(timeChanges, 0);
    dd->SetShowSeconds(true);
    dd->SetSelStart(0);
    TestKit::TypeText(dd, "123456");
    EXPECT_EQ(hms(dd->Time()), "12:34:56");
}

TEST_F(TimePickerTest, WritingTheSameTimeFiresNothing)
{
    int changes = 0;
    dd->OnChange = [&](TObject*) { ++changes; };
    dd->SetTime(at(8, 0));
    const int after = changes;
    dd->SetTime(at(8, 0));
    EXPECT_EQ(changes, after);
    EXPECT_EQ(timeChanges, 0);
}

TEST_F(TimePickerTest, ThePopupFollowsTheWatchAndCancelPutsEverythingBack)
{
    dd->SetTime(at(9, 30));
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    TVynWatch* w = dd->Watch();
    EXPECT_EQ(hms(w->Time()), "09:30:00");
    EXPECT_FALSE(popup()->CancelOnDeActivate());
    // A click on the watch sets Time and the text at once.
    TestKit::Click(w, w->Width() - 2, w->Height() / 2);
    EXPECT_EQ(hms(dd->Time()), "09:15:00");
    EXPECT_EQ(text(), "09:15:00");
    // Keys of the popup go to the watch.
    TestKit::TypeKey(popup(), VK_RIGHT);
    EXPECT_EQ(hms(dd->Time()), "09:16:00");
    // Esc: Time, text and watch as at the opening.
    TestKit::TypeKey(popup(), VK_ESCAPE);
    EXPECT_FALSE(open());
    EXPECT_EQ(hms(dd->Time()), "09:30:00");
    EXPECT_EQ(text(), "09:30:00");
    EXPECT_EQ(hms(w->Time()), "09:30:00");
    // Accepting keeps the watch's time.
    dd->ShowDropDown();
    w->WatchKeyDown(VK_LEFT);
    dd->HideDropDown(false);
    EXPECT_EQ(hms(dd->Time()), "09:29:00");
    EXPECT_EQ(text(), "09:29:00");
    // A cancel through HideDropDown too.
    dd->ShowDropDown();
    w->WatchKeyDown(VK_END);
    dd->HideDropDown(true);
    EXPECT_EQ(hms(dd->Time()), "09:29:00");
}

TEST_F(TimePickerTest, AClockWatchIsNotMovedByOpening)
{
    dd->SetTime(at(9, 30));
    dd->WatchSettings().SetAuto(true);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_TRUE(dd->Watch()->Settings().Auto());
    EXPECT_NE(hms(dd->Watch()->Time()), "09:30:00");
}

TEST_F(TimePickerTest, TheOptionalTimePicker)
{
    dd->SetShowTimePicker(true);
    dd->SetTime(at(10, 20, 30));
    dd->ShowDropDown();
    ASSERT_NE(dd->TimePicker(), nullptr);
    EXPECT_TRUE(dd->TimePicker()->Visible());
    EXPECT_EQ(hms(dd->TimePicker()->Time()), "10:20:30");
    dd->Watch()->WatchKeyDown(VK_RIGHT);
    EXPECT_EQ(hms(dd->TimePicker()->Time()), "10:21:30");
    EXPECT_EQ(timeChanges, 1);
    dd->HideDropDown(false);
    dd->SetShowTimePicker(false);
    dd->ShowDropDown();
    EXPECT_FALSE(dd->TimePicker()->Visible());
}

TEST_F(TimePickerTest, StyleColoursReachTheWatchLook)
{
    dd->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(dd->WatchAppearance().BackgroundColor(), TColor(0xFFD2AF));
    EXPECT_EQ(dd->WatchAppearance().SecondPointer(), TColor(0xFFFFFF));
    dd->ShowDropDown();
    EXPECT_EQ(dd->Watch()->Appearance().BackgroundColor(), TColor(0xFFD2AF));
}

}  // namespace
