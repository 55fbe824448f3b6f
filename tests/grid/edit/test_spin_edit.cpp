// The spin edit: values in the text, clamping on leave, field stepping of
// dates and times, the character filter, and the arrows' auto-repeat.
#include <gtest/gtest.h>

#include "grid/edit/controls/spin_edit.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/menus.h"
#include "platform/testing/test_kit.h"

namespace {

struct FormatScope {
    TFormatSettings saved = FormatSettings();
    ~FormatScope() { FormatSettings() = saved; }
};

struct SpinTest : ::testing::Test {
    TestKit::InputStateScope input;
    FormatScope formats;
    TForm form{nullptr};
    TVsgSpinEdit* spin = new TVsgSpinEdit(&form);
    TEdit* other = new TEdit(&form);

    SpinTest()
    {
        form.SetBounds(0, 0, 300, 200);
        spin->SetName("Spin");
        spin->SetBounds(10, 10, 100, 24);
        spin->SetParent(&form);
        other->SetBounds(10, 60, 100, 21);
        other->SetParent(&form);
        form.Show();
    }
    // Types Text into the spin (focused, caret at the end) and leaves it.
    void TypeAndLeave(const String& Text)
    {
        spin->SetFocus();
        spin->SetSelStart(int(spin->Text().size()));
        TestKit::TypeText(spin, Text);
        other->SetFocus();
    }
    void Caret(int C)
    {
        spin->SetSelStart(C);
        spin->SetSelLength(0);
    }
};

void DayFirst()
{
    FormatSettings().ShortDateFormat = "dd.mm.yyyy";
    FormatSettings().DateSeparator = u'.';
}

void MonthFirst()
{
    FormatSettings().ShortDateFormat = "mm/dd/yyyy";
    FormatSettings().DateSeparator = u'/';
}

}  // namespace

TEST_F(SpinTest, IntegerBoundsApplyOnLeaveUnlessEqual)
{
    struct Case {
        int min, max;
        const char* typed;
        const char* shown;  // after leaving
        int value;
    };
    const Case cases[] = {
        {0, 0, "500", "500", 500},   // min = max: no clamp
        {0, 100, "150", "100", 100}, // pulled into the bounds
        {0, 100, "-7", "0", 0},
        {0, 100, "42", "42", 42},
        {5, 10, "", "5", 5},         // empty reads 0, below the minimum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        spin->SetMinValue(c.min);
        spin->SetMaxValue(c.max);
        spin->SetText("");
        TypeAndLeave(c.typed);
        EXPECT_EQ(spin->Text(), c.shown);
        EXPECT_EQ(spin->Value(), c.value);
    }
    // A text that does not read is MinValue and stays as typed (inside the bounds).
    spin->SetMinValue(0);
    spin->SetMaxValue(100);
    spin->SetText("abc");
    spin->SetFocus();
    other->SetFocus();
    EXPECT_EQ(spin->Text(), "abc");
    EXPECT_EQ(spin->Value(), 0);
    // The up arrow at the maximum stays there.
    spin->SetValue(100);
    spin->UpClick(spin);
    EXPECT_EQ(spin->Text(), "100");
}

TEST_F(SpinTest, ArrowKeysStepAndNeverReachTheKeyEvent)
{
    std::vector<Word> keys;
    spin->OnKeyDown = [&](TObject*, Word& Key, TShiftState) { keys.push_back(Key); };
    spin->SetMaxValue(1000);
    spin->SetIncrement(10);
    spin->SetValue(95);
    spin->SetFocus();
    TestKit::TypeKey(spin, VK_UP);
    EXPECT_EQ(spin->Value(), 105);
    TestKit::TypeKey(spin, VK_NEXT);  // Page makes no difference to integers
    TestKit::TypeKey(spin, VK_DOWN);
    EXPECT_EQ(spin->Value(), 85);
    EXPECT_TRUE(keys.empty());
    // Float: Page Up steps IncrementFloatPage.
    spin->SetSpinType(sptFloat);
    spin->SetFloatValue(1);
    TestKit::TypeKey(spin, VK_PRIOR);
    EXPECT_EQ(spin->Text(), "2");
    TestKit::TypeKey(spin, VK_UP);
    EXPECT_EQ(spin->Text(), "2.1");
    // A read-only spin beeps and keeps its value.
    spin->SetReadOnly(true);
    const int beeps = BeepCount();
    TestKit::TypeKey(spin, VK_UP);
    EXPECT_EQ(spin->Text(), "2.1");
    EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(SpinTest, FloatPrecisionSeparatorsAndFallback)
{
    for (QChar sep : {QChar(u'.'), QChar(u',')}) {
        SCOPED_TRACE(QString(sep).toStdString());
        FormatSettings().DecimalSeparator = sep;
        auto withSep = [&](const char* T) { return QString::fromLatin1(T).replace(u'.', sep); };
        spin->SetSpinType(sptFloat);
        spin->SetPrecision(2);
        spin->SetFloatValue(1);
        EXPECT_EQ(spin->Text(), withSep("1.00"));
        // A third decimal at the end is refused with a beep.
        spin->SetFocus();
        Caret(int(spin->Text().size()));
        const int beeps = BeepCount();
        TestKit::KeyPress(spin, u'5');
        EXPECT_EQ(spin->Text(), withSep("1.00"));
        EXPECT_EQ(BeepCount(), beeps + 1);
        // A second separator only when the selection holds the first.
        spin->SetText(withSep("1.5"));
        Caret(3);
        TestKit::KeyPress(spin, sep);
        EXPECT_EQ(spin->Text(), withSep("1.5"));
        spin->SelectAll();
        TestKit::KeyPress(spin, sep);
        EXPECT_EQ(spin->Text(), QString(sep));
        // The thousand separator is never typed into a float.
        spin->SetText("7");
        Caret(1);
        TestKit::KeyPress(spin, SpinThousandSeparator());
        EXPECT_EQ(spin->Text(), "7");
        // Precision 0: the shortest form.
        spin->SetPrecision(0);
        spin->SetFloatValue(0);
        spin->UpClick(spin);
        EXPECT_EQ(spin->Text(), withSep("0.1"));
    }
    // A text that does not read falls back to MinFloatValue, not MinValue.
    spin->SetMinValue(0);
    spin->SetMinFloatValue(2.5);
    spin->SetText("abc");
    EXPECT_DOUBLE_EQ(spin->FloatValue(), 2.5);
}

TEST_F(SpinTest, MinusOnlyFirstAndOnce)
{
    spin->SetMinValue(-100);
    spin->SetFocus();
    struct Case {
        const char* text;
        int caret, selLength;
        const char* after;
    };
    const Case cases[] = {
        {"5", 0, 0, "-5"},
        {"5", 1, 0, "5"},      // not after the start
        {"-5", 0, 0, "-5"},    // only once
        {"-5", 0, 2, "-"},     // unless the selection holds it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        spin->SetText(c.text);
        spin->SetSelStart(c.caret);
        spin->SetSelLength(c.selLength);
        TestKit::KeyPress(spin, u'-');
        EXPECT_EQ(spin->Text(), c.after);
    }
    // Letters are refused in an integer spin.
    spin->SetText("1");
    Caret(1);
    TestKit::TypeText(spin, "a2");
    EXPECT_EQ(spin->Text(), "12");
}

TEST_F(SpinTest, DateStepsTheFieldUnderTheCaret)
{
    struct Case {
        bool dayFirst;
        const char* text;
        int caret;
        bool up;
        const char* expected;
    };
    const Case cases[] = {
        {true, "29.02.2024", 7, true, "28.02.2025"},   // year: 29 February in a common year
        {true, "31.01.2024", 4, true, "29.02.2024"},   // month: the day clamped
        {true, "31.01.2023", 4, true, "28.02.2023"},
        {true, "31.12.2023", 0, true, "01.01.2024"},   // day: one day on
        {true, "01.01.2024", 4, false, "01.12.2023"},
        {true, "15.06.2024", 2, true, "16.06.2024"},   // before the first separator: still the day
        {false, "01/31/2024", 0, true, "02/29/2024"},  // month first
        {false, "02/29/2024", 8, false, "02/28/2023"},
        {false, "02/28/2024", 3, true, "02/29/2024"},  // the day field
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " caret " + std::to_string(c.caret));
        c.dayFirst ? DayFirst() : MonthFirst();
        spin->SetSpinType(sptDate);
        spin->SetText(c.text);
        Caret(c.caret);
        c.up ? spin->StepUp(false) : spin->StepDown(false);
        EXPECT_EQ(spin->Text(), c.expected);
        EXPECT_EQ(spin->UsDates(), !c.dayFirst);
        EXPECT_EQ(spin->SelStart(), c.caret) << "the caret stays in its field";
    }
    // A new date spin (text "0") shows today once its type is set.
    DayFirst();
    TVsgSpinEdit fresh(nullptr);
    EXPECT_EQ(fresh.Text(), "0");
    fresh.SetSpinType(sptDate);
    EXPECT_EQ(fresh.Text(), DateToStr(Date()));
    // Bounds: MinDateValue .. MaxDateValue on every write.
    spin->SetMinDateValue(EncodeDate(2024, 1, 1));
    spin->SetMaxDateValue(EncodeDate(2024, 12, 31));
    spin->SetText("31.12.2024");
    Caret(0);
    spin->StepUp(false);
    EXPECT_EQ(spin->Text(), "31.12.2024");
    spin->SetText("junk");
    EXPECT_EQ(spin->DateValue(), EncodeDate(2024, 1, 1)) << "unreadable: MinDateValue";
    // The last day a date can hold stays the last one.
    spin->SetMinDateValue(0);
    spin->SetMaxDateValue(0);
    spin->SetText("31.12.9999");
    for (int c : {0, 4, 7}) {
        Caret(c);
        spin->StepUp(false);
        EXPECT_EQ(spin->Text(), "31.12.9999") << c;
    }
}

TEST_F(SpinTest, TimeStepsWrapAroundMidnight)
{
    FormatSettings().LongTimeFormat = "h:nn:ss";
    FormatSettings().TimeSeparator = u':';
    spin->SetSpinType(sptTime);
    struct Case {
        const char* text;
        int caret;
        bool up;
        const char* expected;
    };
    const Case cases[] = {
        {"23:30:00", 0, true, "0:30:00"},   // hours
        {"0:00:00", 6, false, "23:59:59"},  // seconds
        {"0:00:00", 3, false, "23:59:00"},  // minutes
        {"12:59:59", 7, true, "13:00:00"},
        {"0:30:00", 0, false, "23:30:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " caret " + std::to_string(c.caret));
        spin->SetText(c.text);
        Caret(c.caret);
        c.up ? spin->StepUp(false) : spin->StepDown(false);
        EXPECT_EQ(spin->Text(), c.expected);
    }
    // Without seconds: "h:nn", and the caret after the separator steps minutes.
    spin->SetShowSeconds(false);
    spin->SetTimeValue(EncodeTime(9, 4, 0, 0));
    EXPECT_EQ(spin->Text(), "9:04");
    Caret(3);
    spin->StepUp(false);
    EXPECT_EQ(spin->Text(), "9:05");
    // A third time separator is refused.
    spin->SetShowSeconds(true);
    spin->SetText("1:02:03");
    spin->SetFocus();
    Caret(7);
    TestKit::KeyPress(spin, u':');
    EXPECT_EQ(spin->Text(), "1:02:03");
    // An out-of-range increment is refused (a step is a time of day).
    spin->SetIncrementHours(24);
    EXPECT_EQ(spin->IncrementHours(), 1);
}

TEST_F(SpinTest, EditorDisabledStillStepsButTakesNoTyping)
{
    spin->SetEditorEnabled(false);
    spin->SetValue(5);
    EXPECT_EQ(spin->SelLength(), 1) << "every integer write selects the whole text";
    spin->SetFocus();
    Caret(1);
    TestKit::TypeText(spin, "7");
    TestKit::TypeKey(spin, VK_BACK);
    TestKit::TypeKey(spin, VK_DELETE);
    EXPECT_EQ(spin->Text(), "5");
    TestKit::TypeKey(spin, VK_UP);
    EXPECT_EQ(spin->Text(), "6");
    TestKit::TypeKey(spin, 'X', {ssCtrl});  // cut does nothing
    EXPECT_EQ(spin->Text(), "6");
}

TEST_F(SpinTest, ReturnIsTabMovesTheFocusOn)
{
    spin->SetTabOrder(0);
    other->SetTabOrder(1);
    spin->SetFocus();
    TestKit::TypeKey(spin, VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(spin->Focused());
    spin->SetReturnIsTab(true);
    TestKit::TypeKey(spin, VK_RETURN);
    TestKit::PumpPostedMessages();
    EXPECT_TRUE(other->Focused());
}

TEST_F(SpinTest, KeypadDecimalTypesTheLocaleSeparatorWhenAsked)
{
    FormatSettings().DecimalSeparator = u',';
    spin->SetSpinType(sptFloat);
    spin->SetText("1");
    spin->SetFocus();
    Caret(1);
    TestKit::TypeKey(spin, VK_DECIMAL, {}, true);
    EXPECT_EQ(spin->Text(), "1") << "'.' is no separator here";
    spin->SetExcelStyleDecimalSeparator(true);
    TestKit::TypeKey(spin, VK_DECIMAL, {}, true);
    EXPECT_EQ(spin->Text(), "1,");
}

TEST_F(SpinTest, HeldArrowRepeatsAfter400AndThenEvery100Ms)
{
    TestKit::FakeClock clock;
    spin->SetMaxValue(1000);
    spin->SetValue(0);
    TVynTimerSpeedButton* up = spin->Button()->UpButton();
    ASSERT_GT(up->Width(), 0);
    TestKit::MouseDown(up, 3, 3);
    EXPECT_TRUE(spin->Focused()) << "a press focuses the edit";
    clock.Advance(399);
    EXPECT_EQ(spin->Value(), 0);
    clock.Advance(1);
    EXPECT_EQ(spin->Value(), 1);
    clock.Advance(100);
    EXPECT_EQ(spin->Value(), 2);
    clock.Advance(250);
    EXPECT_EQ(spin->Value(), 4);
    TestKit::MouseUp(up, 3, 3);  // the release clicks as usual
    EXPECT_EQ(spin->Value(), 5);
    clock.Advance(1000);
    EXPECT_EQ(spin->Value(), 5) << "the release stops the timer";
    // Held but moved off the arrow: no repeat (not pressed).
    TestKit::MouseDown(up, 3, 3);
    TestKit::MouseMove(up, 100, 100, {ssLeft});
    clock.Advance(1000);
    TestKit::MouseUp(up, 100, 100);
    EXPECT_EQ(spin->Value(), 5);
    // A short click steps once; the down arrow steps down.
    TestKit::Click(spin->Button()->DownButton(), 3, 3);
    EXPECT_EQ(spin->Value(), 4);
}

TEST_F(SpinTest, AClickThatRaisesStopsTheRepeat)
{
    TestKit::FakeClock clock;
    int clicks = 0;
    spin->Button()->OnUpClick = [&](TObject*) {
        if (++clicks == 2)
            throw Exception("refused");
    };
    TVynTimerSpeedButton* up = spin->Button()->UpButton();
    TestKit::MouseDown(up, 3, 3);
    clock.Advance(400);
    EXPECT_THROW(clock.Advance(100), Exception);
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    TestKit::MouseUp(up, 50, 50);
}

TEST_F(SpinTest, ArrowPairLayoutByDirection)
{
    TVsgSpinButton* pair = spin->Button();
    pair->SetBounds(0, 0, 10, 21);
    EXPECT_EQ(pair->Width(), 15) << "at least 15 wide";
    EXPECT_EQ(pair->UpButton()->BoundsRect(), Rect(0, 0, 15, 10));
    EXPECT_EQ(pair->DownButton()->BoundsRect(), Rect(0, 9, 15, 21)) << "the arrows overlap by one pixel";
    pair->SetDirection(spHorizontal);
    pair->SetBounds(0, 0, 20, 21);
    EXPECT_EQ(pair->DownButton()->BoundsRect(), Rect(0, 0, 10, 21));
    EXPECT_EQ(pair->UpButton()->BoundsRect(), Rect(11, 0, 21, 21));
    EXPECT_EQ(pair->UpButton()->ButtonDirection(), bdRight);
    // The built-in glyph: a 7-pixel base, the lower-left pixel transparent.
    auto g = SpinArrowGlyph(true);
    EXPECT_EQ(g->Width(), 9);
    EXPECT_EQ(g->Height(), 6);
    EXPECT_EQ(g->Canvas().Pixels(1, 4), clBlack);
    EXPECT_EQ(g->Canvas().Pixels(7, 4), clBlack);
    EXPECT_EQ(g->Canvas().Pixels(4, 1), clBlack);
    EXPECT_EQ(g->BottomLeftColor(), TColor(0x008080));
}

TEST_F(SpinTest, ArrowsSitInsideTheFieldForEitherBorderStyle)
{
    // bsSingle: inside the two-pixel frame, one pixel off its right edge.
    const int bw = spin->Button()->Width();
    EXPECT_EQ(spin->Button()->BoundsRect(), Rect(100 - bw - 3, 2, 100 - 3, 24 - 3));
    // bsNone (as in a grid cell): the whole height less one pixel.
    spin->SetBorderStyle(bsNone);
    EXPECT_EQ(spin->Button()->BoundsRect(), Rect(100 - bw - 1, 0, 100 - 1, 24 - 1));
    // Too low for the font: the height grows first.
    spin->SetHeight(5);
    EXPECT_GT(spin->Height(), 5);
}
