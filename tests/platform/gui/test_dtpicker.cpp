// TDateTimePicker: formats, field keys and digits, bounds, the check box and
// the calendar popup.
#include "gui_fixture.h"
#include "platform/gui/dtpicker.h"
#include "platform/gui/forms.h"

namespace {

struct FormatScope {
    TFormatSettings saved = FormatSettings();
    ~FormatScope() { FormatSettings() = saved; }
};

struct PickerTest : GuiTest {
    FormatScope formats;
    TForm form{nullptr};
    TDateTimePicker* dtp = new TDateTimePicker(&form);
    std::vector<std::string> log;

    PickerTest()
    {
        form.SetBounds(100, 100, 300, 260);
        dtp->SetBounds(10, 10, 150, 21);
        dtp->SetParent(&form);
        dtp->SetFormat("dd.mm.yyyy");
        dtp->SetDateTime(EncodeDate(2024, 1, 31) + EncodeTime(10, 20, 30, 0));
        dtp->OnChange = [this](TObject*) { log.push_back("change " + dtp->DisplayText().toStdString()); };
        dtp->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
        dtp->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
        form.Show();
        dtp->SetFocus();
    }
};

}  // namespace

TEST(DateTimeFormatTest, FieldsShowTheValueAndQtLettersTranslate)
{
    FormatScope formats;
    FormatSettings().DateSeparator = u'-';
    TForm form(nullptr);
    auto* dtp = new TDateTimePicker(&form);
    dtp->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(9, 5, 3, 0));
    struct Case {
        TDateTimeKind kind;
        const char* format;
        const char* shown;
        int fields;
    };
    const Case cases[] = {
        {dtkDate, "dd.mm.yyyy", "05.03.2024", 3},
        {dtkDate, "d/m/yy", "5-3-24", 3},  // "/" is the date separator
        {dtkTime, "hh:nn:ss", "09:05:03", 3},
        {dtkTime, "h:nn", "9:05", 2},
        {dtkDate, "yyyy \"at\" d", "2024 at 5", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        dtp->SetKind(c.kind);
        dtp->SetFormat(c.format);
        EXPECT_EQ(dtp->DisplayText(), c.shown);
        EXPECT_EQ(dtp->FieldCount(), c.fields);
    }
    // No format: the short date or long time format.
    FormatSettings().ShortDateFormat = "yyyy/mm/dd";
    dtp->SetKind(dtkDate);
    dtp->SetFormat("");
    EXPECT_EQ(dtp->DisplayText(), "2024-03-05");
    EXPECT_EQ(TranslateQtFormat("dd.MM.yyyy HH:mm:ss"), "dd.mm.yyyy hh:nn:ss");
    EXPECT_EQ(TranslateQtFormat("h:mm 'at' d"), "h:nn \"at\" d");
}

TEST_F(PickerTest, ArrowsMoveAndStepFieldsInsideTheirRange)
{
    struct Step {
        Word key;
        const char* shown;
        int field;
    };
    const Step steps[] = {
        {VK_UP, "01.01.2024", 0},     // the day wraps inside its month
        {VK_DOWN, "31.01.2024", 0},
        {VK_LEFT, "31.01.2024", 0},   // no field before the first
        {VK_RIGHT, "31.01.2024", 1},
        {VK_UP, "29.02.2024", 1},     // the day clamped to the new month
        {VK_RIGHT, "29.02.2024", 2},
        {VK_RIGHT, "29.02.2024", 2},  // none after the last
        {VK_UP, "28.02.2025", 2},
        {VK_HOME, "28.02.2025", 0},
        {VK_END, "28.02.2025", 2},
    };
    for (const Step& s : steps) {
        TestKit::TypeKey(dtp, s.key);
        EXPECT_EQ(dtp->DisplayText(), s.shown) << s.key;
        EXPECT_EQ(dtp->ActiveField(), s.field) << s.key;
    }
    EXPECT_EQ(log, (std::vector<std::string>{"change 01.01.2024", "change 31.01.2024", "change 29.02.2024",
                                             "change 28.02.2025"}));
    EXPECT_EQ(CompareDateTime(dtp->Time(), EncodeTime(10, 20, 30, 0)), 0) << "the time of day stays";
}

TEST_F(PickerTest, DigitsTypeIntoTheActiveField)
{
    struct Case {
        int field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {0, "15", "15.01.2024"},
        {0, "42", "02.01.2024"},  // 4 completes the day; 2 starts it anew
        {0, "09", "09.01.2024"},  // a leading 0 waits
        {1, "12", "09.12.2024"},
        {1, "3", "09.03.2024"},
        {2, "1999", "09.03.1999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dtp->SetActiveField(c.field);
        TestKit::TypeText(dtp, c.typed);
        EXPECT_EQ(dtp->DisplayText(), c.shown);
    }
}

TEST_F(PickerTest, BoundsAndTheCheckBox)
{
    dtp->SetMinDate(EncodeDate(2024, 1, 10));
    dtp->SetMaxDate(EncodeDate(2024, 2, 10));
    dtp->SetActiveField(1);
    TestKit::TypeKey(dtp, VK_UP);  // 29.02 is past MaxDate
    EXPECT_EQ(dtp->DisplayText(), "10.02.2024");
    dtp->SetDateTime(EncodeDate(2023, 5, 5));
    EXPECT_EQ(dtp->DisplayText(), "10.01.2024");
    // The check box: Space clears and ticks it; a field change ticks it.
    dtp->SetShowCheckbox(true);
    EXPECT_TRUE(dtp->Checked());
    log.clear();
    TestKit::TypeKey(dtp, VK_SPACE);
    EXPECT_FALSE(dtp->Checked());
    TestKit::TypeKey(dtp, VK_DOWN);
    EXPECT_TRUE(dtp->Checked());
    EXPECT_EQ(log.size(), 2u);
    // A click on the box toggles it.
    const TRect box = dtp->CheckboxRect();
    TestKit::Click(dtp, box.Left + 3, box.Top + 3);
    EXPECT_FALSE(dtp->Checked());
}

TEST_F(PickerTest, F4OpensTheCalendarWhereKeysPickADay)
{
    TestKit::TypeKey(dtp, VK_F4, {ssCtrl});
    EXPECT_FALSE(dtp->DroppedDown());
    TestKit::TypeKey(dtp, VK_F4);
    ASSERT_TRUE(dtp->DroppedDown());
    EXPECT_EQ(dtp->Calendar()->Selected(), EncodeDate(2024, 1, 31));
    TestKit::TypeKey(nullptr, VK_RIGHT);  // 1 February
    TestKit::TypeKey(nullptr, VK_DOWN);   // 8 February
    TestKit::TypeKey(nullptr, VK_RETURN);
    EXPECT_FALSE(dtp->DroppedDown());
    EXPECT_EQ(dtp->DisplayText(), "08.02.2024");
    EXPECT_TRUE(dtp->Focused());
    // Esc closes without a change; Alt+Down opens too; a click picks.
    TestKit::TypeKey(dtp, VK_DOWN, {ssAlt});
    ASSERT_TRUE(dtp->DroppedDown());
    TestKit::TypeKey(nullptr, VK_LEFT);
    TestKit::TypeKey(nullptr, VK_ESCAPE);
    EXPECT_EQ(dtp->DisplayText(), "08.02.2024");
    TestKit::TypeKey(dtp, VK_F4);
    const TRect day = dtp->Calendar()->DayRect(EncodeDate(2024, 2, 20));
    ASSERT_FALSE(day.IsEmpty());
    TestKit::Click(dtp->Calendar(), day.Left + 2, day.Top + 2);
    EXPECT_EQ(dtp->DisplayText(), "20.02.2024");
    EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "change 08.02.2024", "closeup", "dropdown", "closeup",
                                             "dropdown", "change 20.02.2024", "closeup"}));
    // A press outside closes it.
    TestKit::TypeKey(dtp, VK_F4);
    TestKit::Click(&form, 250, 200);
    EXPECT_FALSE(dtp->DroppedDown());
    // The time kind has no calendar; its arrows step the field.
    dtp->SetKind(dtkTime);
    dtp->SetFormat("hh:nn");
    TestKit::TypeKey(dtp, VK_F4);
    EXPECT_FALSE(dtp->DroppedDown());
    const TRect b = dtp->ButtonRect();
    dtp->SetActiveField(1);
    TestKit::Click(dtp, b.Left + 2, b.Top + 2);
    EXPECT_EQ(dtp->DisplayText(), "10:21");
}
