// The date pickers: the flat look, AutoTab through "DTPShiftFocus", the
// date-and-time picker's join and split, its time part and its label.
#include <gtest/gtest.h>

#include "grid/edit/controls/vyn_date_time_picker.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

struct FormatScope {
    TFormatSettings saved = FormatSettings();
    ~FormatScope() { FormatSettings() = saved; }
};

struct PickersTest : ::testing::Test {
    TestKit::InputStateScope input;
    FormatScope formats;
    TForm form{nullptr};
    TVynDateTimePicker* vyn = new TVynDateTimePicker(&form);

    PickersTest()
    {
        form.SetBounds(0, 0, 400, 300);
        vyn->SetBounds(120, 60, 200, 23);
        vyn->SetParent(&form);
        vyn->SetFormat("dd/mm/yyyy");
        vyn->SetTimeFormat("hh:nn:ss");
        form.Show();
    }
};

TColor Pixel(TControl* C, int X, int Y) { return FromQColor(QColor(TestKit::RenderToImage(C).pixel(X, Y))); }

}  // namespace

TEST_F(PickersTest, VersionsAndTheRegisteredMessage)
{
    TVsgDateTimePicker vsg(nullptr);
    EXPECT_EQ(vsg.Version(), "1.0.0.0");
    EXPECT_EQ(vyn->Version(), "1.2.0.0");
    EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_EQ(VersionText(0x0A0B0C0D), "10.11.12.13");
}

TEST_F(PickersTest, DateTimeJoinsTheDateAndTheTimePartWithoutMilliseconds)
{
    ASSERT_NE(vyn->TimePicker(), nullptr);
    vyn->SetDateTime(EncodeDate(2023, 3, 15) + EncodeTime(18, 0, 0, 250));
    EXPECT_EQ(vyn->DisplayText(), "15/03/2023");
    EXPECT_EQ(vyn->TimePicker()->DisplayText(), "18:00:00");
    EXPECT_TRUE(vyn->TimePicker()->Visible());
    // The user changes the time part to 09:30: the picker reports it.
    std::vector<std::string> events;
    vyn->OnChange = [&](TObject* Sender) { events.push_back(Sender == vyn ? "change" : "change(?)"); };
    vyn->OnTimeChange = [&](TObject*) { events.push_back("time"); };
    vyn->TimePicker()->SetFocus();
    vyn->TimePicker()->SetActiveField(0);
    TestKit::TypeText(vyn->TimePicker(), "09");
    vyn->TimePicker()->SetActiveField(1);
    TestKit::TypeText(vyn->TimePicker(), "30");
    EXPECT_EQ(CompareDateTime(vyn->DateTime(), EncodeDate(2023, 3, 15) + EncodeTime(9, 30, 0, 0)), 0);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "change");
    EXPECT_EQ(events[1], "time");
    // Date keeps the time of day; Time of a date picker changes its own time.
    vyn->SetDate(EncodeDate(2024, 1, 2));
    EXPECT_EQ(CompareDateTime(vyn->DateTime(), EncodeDate(2024, 1, 2) + EncodeTime(9, 30, 0, 0)), 0);
    vyn->SetKind(dkDate);
    vyn->SetTime(EncodeTime(7, 0, 0, 0));
    EXPECT_EQ(CompareDateTime(vyn->DateTime(), EncodeDate(2024, 1, 2) + EncodeTime(7, 0, 0, 0)), 0);
}

TEST_F(PickersTest, KindChangeFreesAndRecreatesTheTimePart)
{
    EXPECT_NE(vyn->TimePicker(), nullptr);
    vyn->SetKind(dkDate);
    EXPECT_EQ(vyn->TimePicker(), nullptr);
    vyn->SetKind(dkTime);
    EXPECT_EQ(vyn->TimePicker(), nullptr);
    EXPECT_EQ(vyn->TDateTimePicker::Kind(), dtkTime);
    vyn->SetKind(dkDateTime);
    ASSERT_NE(vyn->TimePicker(), nullptr);
    EXPECT_TRUE(vyn->TimePicker()->Visible());
    EXPECT_EQ(vyn->TDateTimePicker::Kind(), dtkDate);
    // It sits right of the date, left of the drop-down button.
    const TRect r = vyn->TimePicker()->BoundsRect();
    EXPECT_GT(r.Left, 60);
    EXPECT_LT(r.Right, vyn->Width() - vyn->ButtonWidth());
}

TEST_F(PickersTest, AutoTabMovesByTheFormatsLastField)
{
    vyn->SetAutoTab(true);
    EXPECT_TRUE(vyn->TimePicker()->AutoTab());
    struct Case {
        const char* format;
        int field;         // the field typed into
        const char* digit;
        int fieldAfter;    // -1: the focus went into the time part
    };
    const Case cases[] = {
        {"dd/mm/yyyy", 0, "7", 1},   // the day changed: on to the month
        {"dd/mm/yyyy", 2, "2", -1},  // the year, the last field: into the time part
        {"yyyy-mm-dd", 2, "9", -1},  // the day is the last field here
        {"yyyy-mm-dd", 1, "3", 2},
        {"dd/mm/yyyy", 0, "1", 0},   // no change (the day is 1 already): no move
        {"", 0, "7", 1},             // no format: day or month moves on ...
        {"", 2, "2", -1},            // ... and the year goes into the time part
    };
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.digit);
        vyn->SetFormat(c.format);
        vyn->SetDateTime(EncodeDate(2023, 1, 1) + EncodeTime(12, 0, 0, 0));
        vyn->SetFocus();
        vyn->SetActiveField(c.field);
        TestKit::KeyPress(vyn, QChar(c.digit[0]));
        TestKit::PumpPostedMessages();
        if (c.fieldAfter < 0) {
            EXPECT_TRUE(vyn->TimePicker()->Focused());
        } else {
            EXPECT_TRUE(vyn->Focused());
            EXPECT_EQ(vyn->ActiveField(), c.fieldAfter);
        }
    }
}

TEST_F(PickersTest, AutoTabInATimePickerMovesOnlyAfterAChange)
{
    auto* t = new TCustomDateTimePicker(&form);
    t->SetParent(&form);
    t->SetBounds(10, 200, 100, 21);
    t->SetKind(dtkTime);
    t->SetFormat("hh:nn:ss");
    t->SetAutoTab(true);
    t->SetDateTime(EncodeTime(1, 2, 3, 0));
    t->SetFocus();
    TestKit::KeyPress(t, u'5');  // the hour becomes 5
    TestKit::PumpPostedMessages();
    EXPECT_EQ(t->ActiveField(), 1);
    TestKit::KeyPress(t, u'2');  // the minute is 2 already: no change
    TestKit::PumpPostedMessages();
    EXPECT_EQ(t->ActiveField(), 1);
    // Without AutoTab nothing moves.
    t->SetAutoTab(false);
    t->SetActiveField(0);
    TestKit::KeyPress(t, u'7');
    TestKit::PumpPostedMessages();
    EXPECT_EQ(t->ActiveField(), 0);
}

TEST_F(PickersTest, TheCheckBoxEnablesTheTimePart)
{
    vyn->SetShowCheckbox(true);
    vyn->SetFocus();
    TestKit::TypeKey(vyn, VK_SPACE);
    EXPECT_FALSE(vyn->Checked());
    EXPECT_FALSE(vyn->TimePicker()->Enabled());
    TestKit::TypeKey(vyn, VK_SPACE);
    EXPECT_TRUE(vyn->TimePicker()->Enabled());
    // A disabled picker keeps its time part disabled whatever the box says.
    vyn->SetEnabled(false);
    EXPECT_FALSE(vyn->TimePicker()->Enabled());
    vyn->SetChecked(false);
    vyn->SetChecked(true);
    EXPECT_FALSE(vyn->TimePicker()->Enabled());
    vyn->SetEnabled(true);
    EXPECT_TRUE(vyn->TimePicker()->Enabled());
    // A date changed with the box shown starts the 20 ms focus timer, which stops itself.
    TestKit::FakeClock clock;
    vyn->SetActiveField(0);
    TestKit::TypeKey(vyn, VK_UP);
    EXPECT_TRUE(vyn->FocusTimer()->Enabled());
    EXPECT_EQ(vyn->FocusTimer()->Interval(), 20u);
    clock.Advance(20);
    EXPECT_FALSE(vyn->FocusTimer()->Enabled());
}

TEST_F(PickersTest, LabelPlacementByPosition)
{
    vyn->SetBounds(150, 100, 100, 23);
    vyn->SetLabelCaption("Date");
    TLabel* l = vyn->PickerLabel();
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Parent(), &form);
    l->SetAutoSize(false);
    l->SetWidth(40);
    const int lh = l->Height();
    const int tw = l->Width() > 0 ? TestKit::RenderToImage(l).width() : 0;
    (void)tw;
    struct Case {
        TLabelPosition pos;
        int left, top;  // -1: not checked
    };
    const Case cases[] = {
        {lpTopCenter, 150 + 30, 100 - lh - 4},
        {lpBottomCenter, 150 + 30, 100 + 23 + 4},
        {lpTopLeft, 150, 100 - lh - 4},
        {lpLeftTopLeft, 150 - 4, 100},
        {lpRightCenter, 150 + 100 + 4, 100 + (23 - lh) / 2},
        {lpRighBottom, 254, 100 + 23 - lh},
    };
    for (const Case& c : cases) {
        vyn->SetLabelPosition(c.pos);
        EXPECT_EQ(l->Left(), c.left) << int(c.pos);
        EXPECT_EQ(l->Top(), c.top) << int(c.pos);
    }
    // Left of the picker: the caption's width and the margin.
    vyn->SetLabelMargin(6);
    vyn->SetLabelPosition(lpLeftTop);
    EXPECT_LT(l->Left(), 150 - 6);
    EXPECT_EQ(l->Top(), 100);
    // The label follows the picker's visibility and enabled state.
    vyn->SetVisible(false);
    EXPECT_FALSE(l->Visible());
    vyn->SetVisible(true);
    vyn->SetEnabled(false);
    EXPECT_FALSE(l->Enabled());
    vyn->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(l->Enabled());
    vyn->SetEnabled(true);
    // FocusLabel: bold exactly while the picker has the focus.
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(10, 250, 50, 21);
    vyn->SetFocusLabel(true);
    vyn->SetFocus();
    EXPECT_TRUE(l->Font().Style().Contains(fsBold));
    other->SetFocus();
    EXPECT_FALSE(l->Font().Style().Contains(fsBold));
    // Clicks on the label are relayed.
    int clicks = 0;
    vyn->OnLabelClick = [&](TObject*) { ++clicks; };
    TestKit::Click(l, 2, 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PickersTest, MetroLookDrawsBorderAndFlatButtonInTheColoursGiven)
{
    auto* vsg = new TVsgDateTimePicker(&form);
    vsg->SetParent(&form);
    vsg->SetBounds(10, 10, 120, 22);
    vsg->SetFormat("dd/mm/yyyy");
    // Metro off, Ctl3D on: the platform's look.
    const TColor plain = Pixel(vsg, 0, 0);
    EXPECT_NE(plain, clRed);
    vsg->SetMetroStyle(true);
    vsg->SetBorderColor(clRed);
    vsg->ButtonColor = clYellow;
    vsg->ButtonColorHot = clLime;
    vsg->ButtonBorderColor = clBlue;
    vsg->ButtonTextColor = clBlack;
    EXPECT_EQ(Pixel(vsg, 0, 0), clRed);
    EXPECT_EQ(Pixel(vsg, 60, 21), clRed);
    const int x = vsg->Width() - 4;
    EXPECT_EQ(Pixel(vsg, x, 4), clYellow);
    TestKit::MouseMove(vsg, x, 5);
    EXPECT_TRUE(vsg->ButtonHover());
    EXPECT_EQ(Pixel(vsg, x, 4), clLime);
    // Metro with no border colour: no border, the button still flat.
    vsg->SetBorderColor(clNone);
    EXPECT_NE(Pixel(vsg, 0, 0), clRed);
    // Disabled on a themed platform: the disabled frame whatever BorderColor says.
    vsg->SetBorderColor(clRed);
    vsg->SetEnabled(false);
    EXPECT_EQ(Pixel(vsg, 0, 0), TColor(0xB99D7F));
    // The time kind draws no drop-down button.
    vsg->SetEnabled(true);
    vsg->SetKind(dtkTime);
    EXPECT_NE(Pixel(vsg, x, 4), clYellow);
}
