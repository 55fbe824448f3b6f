// The typed input of a drop-down without a window: characters by edit type,
// the caret rules around prefix and suffix, the clipboard, the text
// accessors, the numeric routines and the loss of focus, each table under
// both decimal separators.
#include <gtest/gtest.h>

#include <string>

#include "controls/dropdown/DropDownEditModel.h"
#include "dropdown_fixture.h"
#include "platform/rtl/datetime.h"

using DropDownTestKit::TestName;

namespace {

// The program's decimal separator for one test ('.' or ','; the thousand
// separator is the other one), put back afterwards.
class SeparatorScope {
public:
    explicit SeparatorScope(QChar Decimal) : saved_(FormatSettings().DecimalSeparator)
    {
        FormatSettings().DecimalSeparator = Decimal;
        SetGridThousandSeparator(QChar());
    }
    ~SeparatorScope()
    {
        FormatSettings().DecimalSeparator = saved_;
        SetGridThousandSeparator(QChar());
    }

private:
    QChar saved_;
};

// Tables are written with '.' decimals and ',' thousands; under the ','
// decimal separator the two swap.
String local(const char* Text, bool Comma)
{
    String s = String::fromUtf8(Text);
    if (Comma)
        for (QChar& c : s)
            c = c == u'.' ? QChar(u',') : c == u',' ? QChar(u'.') : c;
    return s;
}

// A model of the row's type, precision and sign holding its start text with
// the selection given.
template <class Row> TDropDownEditModel modelFor(const Row& R, bool Comma, int SelStart, int SelLength)
{
    TDropDownEditModel m;
    m.EditType = R.Type;
    m.Precision = R.Precision;
    m.Signed = R.Signed;
    m.EditText = local(R.Start, Comma);
    m.SetSel(SelStart, SelLength);
    return m;
}

struct TypedRow {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    bool Signed;
    const char* Start;
    int Caret;
    int SelLength;  // the selection runs from Caret
    const char* Typed;
    const char* Expected;
    int ExpectedCaret;
};

const TypedRow kTyped[] = {
    // etFloat, Precision 2, on 12.34: the fraction is full.
    {"float digit at the end dropped", etFloat, 2, false, "12.34", 5, 0, "5", "12.34", 5},
    {"float digit before the 3 replaces it", etFloat, 2, false, "12.34", 3, 0, "9", "12.94", 4},
    {"float separator on empty gives 0.", etFloat, 2, false, "", 0, 0, ".", "0.", 2},
    {"float second separator moves after the first", etFloat, 2, false, "1.5", 1, 0, ".", "1.5", 2},
    {"float separator without decimals dropped", etFloat, 0, false, "12", 2, 0, ".", "12", 2},
    {"float letters dropped", etFloat, 2, false, "1", 1, 0, "a", "1", 1},
    {"float separator three after a thousand separator", etFloat, 2, false, "1,234", 5, 0, ".", "1,234.", 6},
    {"float separator too close to a thousand separator", etFloat, 2, false, "1,23", 4, 0, ".", "1,23", 4},
    {"float minus toggles when signed", etFloat, 2, true, "1.50", 2, 0, "-", "-1.50", 3},
    {"float minus dropped unsigned", etFloat, 2, false, "1.50", 2, 0, "-", "1.50", 2},
    // etMoney: thousand separators as the digits come.
    {"money 1,2,3,4", etMoney, 0, false, "", 0, 0, "1234", "1,234", 5},
    {"money seven digits", etMoney, 0, false, "", 0, 0, "1234567", "1,234,567", 9},
    {"money thousand separator typed is dropped", etMoney, 0, false, "1,234", 5, 0, ",", "1,234", 5},
    {"money digit in the middle regroups", etMoney, 0, false, "1,234", 1, 0, "9", "19,234", 2},
    {"money separator with decimals", etMoney, 2, false, "12", 2, 0, ".5", "12.5", 4},
    // etNumeric.
    {"numeric minus unsigned dropped", etNumeric, 0, false, "12", 2, 0, "-", "12", 2},
    {"numeric minus signed toggles on", etNumeric, 0, true, "12", 1, 0, "-", "-12", 2},
    {"numeric minus signed toggles off", etNumeric, 0, true, "-12", 2, 0, "-", "12", 1},
    {"numeric minus over the whole value", etNumeric, 0, true, "12", 0, 2, "-", "-", 1},
    {"numeric letters dropped", etNumeric, 0, false, "1", 1, 0, "a.", "1", 1},
    // etRange.
    {"range 1-5;7", etRange, 0, false, "", 0, 0, "1-5;7", "1-5;7", 5},
    {"range separator first dropped", etRange, 0, false, "", 0, 0, ",", "", 0},
    {"range separator after a separator dropped", etRange, 0, false, "1-", 2, 0, ";", "1-", 2},
    {"range separator before a separator dropped", etRange, 0, false, "1-5", 1, 0, ",", "1-5", 1},
    // The other types.
    {"hex g dropped", etHex, 0, false, "", 0, 0, "fg1", "f1", 2},
    {"upper case", etUppercase, 0, false, "", 0, 0, "ab", "AB", 2},
    {"lower case", etLowerCase, 0, false, "", 0, 0, "AB", "ab", 2},
    {"mixed case", etMixedCase, 0, false, "", 0, 0, "john smith", "John Smith", 10},
    {"alphanumeric", etAlphaNumeric, 0, false, "", 0, 0, "a1-b.", "a1b", 3},
    {"string takes anything", etString, 0, false, "a", 1, 0, "-.,x", "a-.,x", 5},
    {"backspace", etString, 0, false, "abc", 3, 0, "\b", "ab", 2},
};

void PrintTo(const TypedRow& R, std::ostream* Os) { *Os << R.Name; }

class DropDownEditTyped : public ::testing::TestWithParam<std::tuple<TypedRow, bool>> {};

TEST_P(DropDownEditTyped, Chars)
{
    const auto& [row, comma] = GetParam();
    SeparatorScope sep(comma ? u',' : u'.');
    TDropDownEditModel m = modelFor(row, comma, row.Caret, row.SelLength);
    for (QChar c : local(row.Typed, comma))
        m.TypeChar(c);
    EXPECT_EQ(m.EditText, local(row.Expected, comma));
    EXPECT_EQ(m.Caret, row.ExpectedCaret);
    EXPECT_EQ(m.SelLength(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownEditTyped, ::testing::Combine(::testing::ValuesIn(kTyped), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<TypedRow, bool>>& I) {
                             return TestName(std::get<0>(I.param).Name) + (std::get<1>(I.param) ? "_comma" : "_point");
                         });

class DropDownEditSeparators : public ::testing::TestWithParam<bool> {
protected:
    bool comma() const { return GetParam(); }
    String L(const char* Text) const { return local(Text, comma()); }
    SeparatorScope sep{GetParam() ? u',' : u'.'};
};

TEST_P(DropDownEditSeparators, SetTextByType)
{
    TDropDownEditModel m;
    m.SetText("");
    EXPECT_EQ(m.EditText, "") << "etString stays empty";
    m.EditType = etNumeric;
    m.SetText("");
    EXPECT_EQ(m.EditText, "0");
    m.EditType = etHex;
    m.SetText("ff");
    EXPECT_EQ(m.EditText, "FF");
    m.EditType = etMoney;
    m.Precision = 2;
    m.SetText(L("1234.5"));
    EXPECT_EQ(m.EditText, L("1,234.50"));
    m.SetText("Error");
    EXPECT_EQ(m.EditText, "Error") << "left unformatted";
    m.EditType = etFloat;
    m.SetText("3");
    EXPECT_EQ(m.EditText, L("3.00"));
    EXPECT_EQ(m.OldText, L("3.00"));
    // Prefix and suffix around the value; Value() reads it back.
    m.Prefix = "$";
    m.Suffix = " kg";
    m.SetText(L("2.5"));
    EXPECT_EQ(m.EditText, L("$2.50 kg"));
    EXPECT_EQ(m.Value(), L("2.50"));
    EXPECT_DOUBLE_EQ(m.GetFloatValue(), 2.5);
}

TEST_P(DropDownEditSeparators, PrecisionWrites)
{
    TDropDownEditModel m;
    m.EditType = etNumeric;
    m.SetText("12");
    m.SetPrecision(2);
    EXPECT_EQ(m.Precision, 0) << "ignored on etNumeric";
    EXPECT_EQ(m.EditText, "12");
    // Kept as specified: on etString the text becomes a formatted number
    // (read with a period as decimal point).
    TDropDownEditModel s;
    s.SetText("12.5");
    s.SetPrecision(2);
    EXPECT_EQ(s.EditText, L("12.50"));
    s.SetText("abc");
    s.SetPrecision(1);
    EXPECT_EQ(s.EditText, L("0.0"));
    EXPECT_TRUE(s.IsModified);
}

TEST_P(DropDownEditSeparators, KeypadSeparatorWithExcelStyle)
{
    TDropDownEditModel m;
    m.ExcelStyleDecimalSeparator = true;
    m.TypeChar(u'1');
    m.TypeChar(u'.', true);
    m.TypeChar(u',', true);
    m.TypeChar(u'.');
    m.TypeChar(u',');
    const QChar d = comma() ? u',' : u'.';
    EXPECT_EQ(m.EditText, String(u'1') + d + d + ".,") << "only the keypad key becomes the separator";
    m.ExcelStyleDecimalSeparator = false;
    m.TypeChar(comma() ? u'.' : u',', true);
    EXPECT_EQ(m.EditText.back(), comma() ? u'.' : u',');
}

TEST_P(DropDownEditSeparators, ChangeNotifications)
{
    TDropDownEditModel m;
    int changes = 0;
    m.OnEditChange = [&] { ++changes; };
    m.EditText = "abc";
    m.SelectAll();
    m.TypeChar(u'\b');
    EXPECT_EQ(m.EditText, "");
    EXPECT_EQ(changes, 1) << "Backspace over the whole value";
    EXPECT_FALSE(m.BlockChange);
    m.TypeChar(u'x');
    EXPECT_EQ(changes, 2);
    m.EditText = "xyz";
    m.SelectAll();
    m.TypeChar(u'q');
    EXPECT_EQ(changes, 3) << "typing over the whole value notifies";
    // A money digit: the regrouping is part of the same change.
    TDropDownEditModel money;
    int moneyChanges = 0;
    money.OnEditChange = [&] { ++moneyChanges; };
    money.EditType = etMoney;
    for (QChar c : String("1234"))
        money.TypeChar(c);
    EXPECT_EQ(money.EditText, L("1,234"));
    EXPECT_EQ(moneyChanges, 4);
    EXPECT_FALSE(money.BlockChange);
    // A dropped character and an unchanged write notify nothing.
    money.TypeChar(u'x');
    money.WriteEditText(money.EditText);
    EXPECT_EQ(moneyChanges, 4);
}

TEST_P(DropDownEditSeparators, LostFocusNormalises)
{
    TDropDownEditModel f;
    f.EditType = etFloat;
    f.Precision = 2;
    f.EditText = L("1.5");
    f.KillFocus();
    EXPECT_EQ(f.EditText, L("1.50"));
    EXPECT_FALSE(f.IsModified) << "the modified state is put back";
    f.EditText = "";
    f.KillFocus();
    EXPECT_EQ(f.EditText, L("0.00"));
    f.EditText = "";
    f.AllowNumericNullValue = true;
    f.KillFocus();
    EXPECT_EQ(f.EditText, "");
    TDropDownEditModel n;
    n.EditType = etNumeric;
    n.KillFocus();
    EXPECT_EQ(n.EditText, "0");
    TDropDownEditModel money;
    money.EditType = etMoney;
    money.EditText = L("1234.");
    money.KillFocus();
    EXPECT_EQ(money.EditText, L("1234.")) << "Precision 0: left as it is";
    money.Precision = 2;
    money.KillFocus();
    EXPECT_EQ(money.EditText, L("1,234.00"));
}

TEST_P(DropDownEditSeparators, NumericRoutines)
{
    TDropDownEditModel m;
    struct {
        const char* Text;
        int Kind;
    } kinds[] = {{"", 2},     {"-", 0},     {"123", 0}, {"-12", 0},  {"1,234.5", 1}, {",12", 2},
                 {"12.", 1},  {"1.2.3", 2}, {"--1", 2}, {"ff", 5},   {"1A", 5},      {"xyz", 2}};
    for (const auto& k : kinds)
        EXPECT_EQ(TDropDownEditModel::ClassifyNumberText(L(k.Text)), k.Kind) << k.Text;
    EXPECT_DOUBLE_EQ(TDropDownEditModel::TextToFloat(L("1,234.5")), 1234.5);
    EXPECT_DOUBLE_EQ(TDropDownEditModel::TextToFloat("abc"), 0);
    EXPECT_EQ(m.IntegerPartLength(L("1,234.5")), 5);
    m.EditType = etNumeric;
    m.Signed = true;
    EXPECT_EQ(m.IntegerPartLength("-12"), 3);
    m.Precision = 2;
    EXPECT_TRUE(m.FractionFull(L("1.25"), 3));
    EXPECT_FALSE(m.FractionFull(L("1.2"), 3));
    EXPECT_FALSE(m.FractionFull(L("1.25"), 1)) << "caret before the separator";
    EXPECT_FALSE(m.ThousandSeparatorTooClose("12", 1));
    EXPECT_FALSE(m.ThousandSeparatorTooClose(L("1,234"), 5));
    EXPECT_TRUE(m.ThousandSeparatorTooClose(L("1,234"), 4));
    EXPECT_DOUBLE_EQ(TDropDownEditModel::HexToInt("fF"), 255);
    EXPECT_EQ(FormatFixedNumber(-0.001, 2, true, u'.', u','), "0.00");
    EXPECT_EQ(FormatFixedNumber(-1234567.891, 2, true, u',', u'.'), "-1.234.567,89");
    EXPECT_EQ(FormatFixedNumber(0.5, 40, false, u'.', u','), "0.500000000000000000") << "18 decimals at most";
    EXPECT_EQ(FormatGeneralNumber(1e20, u'.'), "1E20");
    EXPECT_EQ(FormatGeneralNumber(0.25, u','), "0,25");
    // SetEditType tests the value against the new type.
    TDropDownEditModel t;
    t.SetText("abc");
    t.SetEditType(etNumeric);
    EXPECT_EQ(t.EditText, "0");
    t.SetEditType(etPassword);
    EXPECT_EQ(t.PasswordChar(), QChar(u'*'));
    EXPECT_FALSE(t.CanUndo);
}

INSTANTIATE_TEST_SUITE_P(Both, DropDownEditSeparators, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& I) { return I.param ? "comma" : "point"; });

// ---- prefix, suffix and the caret ------------------------------------------------------------

TEST(DropDownEditModel, CaretStaysInsidePrefixAndSuffix)
{
    TDropDownEditModel m;
    m.Prefix = "$";
    m.Suffix = " kg";
    m.EditText = "$12 kg";
    m.SetSel(3, 0);
    m.KeyDown(VK_HOME);
    EXPECT_EQ(m.Caret, 1) << "Home: the value's start";
    m.KeyDown(VK_LEFT);
    EXPECT_EQ(m.Caret, 1) << "Left at the prefix is dropped";
    m.TypeChar(u'\b');
    EXPECT_EQ(m.EditText, "$12 kg") << "Backspace into the prefix is dropped";
    m.KeyDown(VK_END);
    EXPECT_EQ(m.Caret, 3) << "End: the value's end";
    m.KeyDown(VK_RIGHT);
    EXPECT_EQ(m.Caret, 3) << "Right at the suffix is dropped";
    m.KeyDown(VK_DELETE);
    EXPECT_EQ(m.EditText, "$12 kg") << "Delete at the suffix is dropped";
    m.KeyDown(VK_HOME, {ssShift});
    EXPECT_EQ(m.Anchor, 3);
    EXPECT_EQ(m.Caret, 1) << "Shift+Home selects the value, caret at its start";
    m.SetSel(2, 0);
    m.KeyDown(VK_END, {ssShift});
    EXPECT_EQ(m.SelStart(), 2);
    EXPECT_EQ(m.SelLength(), 1);
    // A click into the prefix selects the value; one past the value's end
    // comes back to it.
    m.SetSel(0, 0);
    m.MouseUp();
    EXPECT_EQ(m.SelStart(), 1);
    EXPECT_EQ(m.SelLength(), 2);
    m.SetSel(5, 0);
    m.MouseUp();
    EXPECT_EQ(m.Caret, 3);
    m.SetSel(2, 4);
    m.MouseUp();
    EXPECT_EQ(m.SelEnd(), 3);
    // Typing lands in the value.
    m.SetSel(3, 0);
    m.TypeChar(u'5');
    EXPECT_EQ(m.EditText, "$125 kg");
    EXPECT_EQ(m.Value(), "125");
}

TEST(DropDownEditModel, LengthLimit)
{
    SeparatorScope sep(u'.');
    TDropDownEditModel m;
    m.EditType = etFloat;
    m.Precision = 2;
    m.LengthLimit = 3;
    m.EditText = "123";
    m.SetSel(3, 0);
    m.TypeChar(u'4');
    EXPECT_EQ(m.EditText, "123");
    m.TypeChar(u'.');
    m.TypeChar(u'4');
    EXPECT_EQ(m.EditText, "123.4") << "the fraction is not limited";
}

// ---- clipboard -------------------------------------------------------------------------------

struct PasteRow {
    const char* Name;
    TDropDownEditType Type;
    int Precision;
    bool Signed;
    const char* Start;
    int SelStart, SelLength;
    const char* Clip;
    const char* Expected;
};

const PasteRow kPaste[] = {
    {"string inserts", etString, 0, false, "ad", 1, 0, "bc", "abcd"},
    {"string replaces the selection", etString, 0, false, "axd", 1, 1, "bc", "abcd"},
    {"string first line only", etString, 0, false, "", 0, 0, "ab\r\ncd", "ab"},
    {"upper case", etUppercase, 0, false, "", 0, 0, "ab", "AB"},
    {"mixed case", etMixedCase, 0, false, "", 0, 0, "john", "John"},
    {"numeric integer", etNumeric, 0, false, "1", 1, 0, "23", "123"},
    {"numeric refuses letters", etNumeric, 0, false, "1", 1, 0, "2a", "1"},
    {"numeric refuses minus unsigned", etNumeric, 0, false, "1", 0, 0, "-", "1"},
    {"numeric signed minus in front", etNumeric, 0, true, "1", 0, 0, "-", "-1"},
    {"numeric refuses a minus inside", etNumeric, 0, true, "1", 1, 0, "-2", "1"},
    {"float formats", etFloat, 2, false, "", 0, 0, "1.5", "1.50"},
    {"float refuses a separator without decimals", etFloat, 0, false, "", 0, 0, "1.5", ""},
    {"float refuses text", etFloat, 2, false, "1.00", 0, 4, "abc", "1.00"},
    {"money formats", etMoney, 2, false, "", 0, 0, "1234.5", "1,234.50"},
    {"alphanumeric refuses a blank", etAlphaNumeric, 0, false, "a", 1, 0, "b c", "a"},
    {"alphanumeric", etAlphaNumeric, 0, false, "a", 1, 0, "b1", "ab1"},
    {"hex never changes", etHex, 0, false, "A", 1, 0, "B", "A"},
    {"range never changes", etRange, 0, false, "1", 1, 0, "-2", "1"},
};

void PrintTo(const PasteRow& R, std::ostream* Os) { *Os << R.Name; }

class DropDownEditPaste : public ::testing::TestWithParam<std::tuple<PasteRow, bool>> {};

TEST_P(DropDownEditPaste, ByType)
{
    const auto& [row, comma] = GetParam();
    SeparatorScope sep(comma ? u',' : u'.');
    TDropDownEditModel m = modelFor(row, comma, row.SelStart, row.SelLength);
    m.Paste(local(row.Clip, comma));
    EXPECT_EQ(m.EditText, local(row.Expected, comma));
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownEditPaste, ::testing::Combine(::testing::ValuesIn(kPaste), ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<PasteRow, bool>>& I) {
                             return TestName(std::get<0>(I.param).Name) + (std::get<1>(I.param) ? "_comma" : "_point");
                         });

TEST(DropDownEditModel, ClipboardEventsMayRefuse)
{
    TDropDownEditModel m;
    m.Prefix = "<";
    m.EditText = "<abc";
    m.SetSel(0, 3);
    std::vector<std::string> seen;
    bool allow = false;
    auto record = [&](const char* What) {
        return [&, What](const String& V) {
            seen.push_back(std::string(What) + ":" + V.toStdString());
            return allow;
        };
    };
    m.OnCopy = record("copy");
    m.OnCut = record("cut");
    m.OnPaste = record("paste");
    String out;
    EXPECT_FALSE(m.Copy(out));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_FALSE(m.Cut(out));
    EXPECT_EQ(m.EditText, "<abc");
    m.Paste("X");
    EXPECT_EQ(m.EditText, "<abc");
    EXPECT_EQ(seen, (std::vector<std::string>{"copy:ab", "cut:ab", "paste:Xc"}))
        << "the selected part of the value; the value as it would be after the paste";
    allow = true;
    EXPECT_TRUE(m.Copy(out));
    EXPECT_EQ(out, "<ab");
    EXPECT_TRUE(m.Cut(out));
    EXPECT_EQ(m.EditText, "c");
    EXPECT_FALSE(m.BlockCopy);
    // A paste over MaxLength does nothing.
    TDropDownEditModel n;
    n.MaxLength = 3;
    n.EditText = "ab";
    n.SetSel(2, 0);
    n.Paste("cd");
    EXPECT_EQ(n.EditText, "ab");
    n.Paste("c");
    EXPECT_EQ(n.EditText, "abc");
    EXPECT_EQ(n.Caret, 3);
    // Read-only: nothing.
    n.ReadOnly = true;
    n.SelectAll();
    EXPECT_FALSE(n.Cut(out));
    n.Paste("z");
    EXPECT_EQ(n.EditText, "abc");
}

TEST(DropDownEditModel, NothingTypedOrPastedRaises)
{
    // Every type takes every character and a few awkward pastes without an
    // exception, with and without prefix, suffix and limits.
    const String chars = QStringLiteral("0123456789.,-;:abcxyzABCF \b\t\r\n\x1B\x7F\u00E9");
    for (int type = 0; type <= int(etValidChars); ++type) {
        for (int variant = 0; variant < 4; ++variant) {
            SeparatorScope sep(variant % 2 ? u',' : u'.');
            TDropDownEditModel m;
            m.EditType = TDropDownEditType(type);
            m.Precision = variant < 2 ? 2 : -1;
            m.Signed = variant >= 2;
            m.LengthLimit = variant == 3 ? 2 : 0;
            m.MaxLength = variant == 1 ? 6 : 0;
            if (variant >= 2) {
                m.Prefix = "[";
                m.Suffix = "]";
                m.SetText("");
            }
            m.ValidChars = "0a";
            for (int round = 0; round < 3; ++round)
                for (qsizetype i = 0; i < chars.size(); ++i) {
                    m.SetSel(int((i * 7) % (m.EditText.size() + 1)), int(i % 3));
                    ASSERT_NO_THROW(m.TypeChar(chars[i], i % 2 == 0, i % 5 == 0));
                    ASSERT_NO_THROW(m.KeyDown(Word(VK_LEFT + i % 4)));
                }
            for (const char* clip : {"1e400", "-", "--", "99999999999999999999999999", "1,2,3.4.5", "\xC3\xA9"}) {
                m.SelectAll();
                ASSERT_NO_THROW(m.Paste(String::fromUtf8(clip)));
                ASSERT_NO_THROW(m.KillFocus());
            }
        }
    }
}

}  // namespace
