// The calculator engine over the pure edit model: key sequences and what
// the display shows after each key.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "controls/dropdown/CalculatorEngine.h"
#include "controls/dropdown/DropDownEditModel.h"
#include "grid/core/grid_format.h"
#include "platform/rtl/datetime.h"

namespace {

// The display as the drop-down has it: a float edit with 2 decimals.
struct ModelDisplay : TCalculatorDisplay {
    TDropDownEditModel M;
    ModelDisplay(TDropDownEditType Type = etFloat)
    {
        M.EditType = Type;
        M.Precision = 2;
        M.SetText(QStringLiteral("0"));
    }
    String Display() override { return M.Value(); }
    void WriteText(const String& V) override { M.SetText(V); }
    void Show(double V) override { M.SetFloatValue(V); }
    double Value() override { return M.GetFloatValue(); }
    int MaxLength() override { return M.MaxLength; }
};

int tagOf(const std::string& K)
{
    static const std::map<std::string, int> keys = {
        {"+", CalcTag::Add},      {"-", CalcTag::Subtract},    {"*", CalcTag::Multiply},
        {"/", CalcTag::Divide},   {"+/-", CalcTag::Sign},      {".", CalcTag::Decimal},
        {"C", CalcTag::Clear},    {"=", CalcTag::Equals},      {"%", CalcTag::Percent},
        {"ON", CalcTag::On},      {"Back", CalcTag::Back},     {"CE", CalcTag::ClearEntry},
        {"MC", CalcTag::MemoryClear}, {"MR", CalcTag::MemoryRecall}, {"MS", CalcTag::MemoryStore},
        {"M+", CalcTag::MemoryAdd}, {"sqrt", CalcTag::Sqrt},   {"1/x", CalcTag::Reciprocal}};
    if (K.size() == 1 && K[0] >= '0' && K[0] <= '9')
        return K[0] - '0';
    return keys.at(K);
}

struct Sequence {
    const char* Name;
    std::vector<std::string> Keys;
    std::vector<std::string> Shown;  // the display after each key
};

class CalculatorSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(CalculatorSequence, ShowsAfterEachKey)
{
    ModelDisplay d;
    TCalculatorEngine calc(d);
    const Sequence& s = GetParam();
    ASSERT_EQ(s.Keys.size(), s.Shown.size());
    for (size_t i = 0; i < s.Keys.size(); ++i) {
        EXPECT_TRUE(calc.PadKey(tagOf(s.Keys[i])));
        EXPECT_EQ(d.Display().toStdString(), s.Shown[i]) << "after key " << i << " \"" << s.Keys[i] << "\"";
    }
}

const Sequence kSequences[] = {
    {"digits", {"1", "2"}, {"1.00", "12.00"}},
    {"add_equals", {"1", "2", "+", "7", "="}, {"1.00", "12.00", "12.00", "7.00", "19.00"}},
    {"third_decimal_dropped", {"1", ".", "5", "7", "3", "4"}, {"1.00", "1.00", "1.50", "1.57", "1.57", "1.57"}},
    {"percent_then_equals", {"2", "0", "0", "+", "5", "%", "="},
     {"2.00", "20.00", "200.00", "200.00", "5.00", "10.00", "210.00"}},
    {"divide_by_zero", {"8", "/", "0", "="}, {"8.00", "8.00", "0.00", "Error"}},
    {"digit_after_error", {"8", "/", "0", "=", "4"}, {"8.00", "8.00", "0.00", "Error", "4.00"}},
    {"back", {"1", "2", ".", "5", "Back"}, {"1.00", "12.00", "12.00", "12.50", "12.00"}},
    {"back_with_pending_operation", {"1", "2", "+", "Back"}, {"1.00", "12.00", "12.00", "12.00"}},
    {"sign", {"1", "2", ".", "5", "+/-", "+/-"}, {"1.00", "12.00", "12.00", "12.50", "-12.50", "12.50"}},
    {"captionless_key_clears", {"5", "+", "ON", "3", "="}, {"5.00", "5.00", "0.00", "3.00", "3.00"}},
    {"clear_entry", {"5", "*", "CE", "2", "="}, {"5.00", "5.00", "0.00", "2.00", "2.00"}},
    {"multiply_subtract", {"6", "*", "7", "-", "2", "="}, {"6.00", "6.00", "7.00", "42.00", "2.00", "40.00"}},
    {"decimal_after_operator", {"3", "+", ".", "5", "="}, {"3.00", "3.00", "0.00", "0.50", "3.50"}},
    {"sqrt", {"9", "sqrt"}, {"9.00", "3.00"}},
    {"sqrt_of_negative", {"9", "+/-", "sqrt"}, {"9.00", "-9.00", "Error"}},
    {"reciprocal", {"4", "1/x"}, {"4.00", "0.25"}},
    {"reciprocal_of_zero", {"1/x"}, {"Error"}},
    {"memory", {"7", "MS", "C", "MR", "M+", "MR", "MC", "MR"},
     {"7.00", "7.00", "0.00", "7.00", "7.00", "14.00", "14.00", "0.00"}},
};

INSTANTIATE_TEST_SUITE_P(Keys, CalculatorSequence, ::testing::ValuesIn(kSequences),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(CalculatorEngine, DivideByZeroLeavesNoAccumulatorAndNoOperation)
{
    ModelDisplay d;
    TCalculatorEngine calc(d);
    for (int t : {8, CalcTag::Divide, 0, CalcTag::Equals})
        calc.PadKey(t);
    EXPECT_EQ(d.Display(), "Error");
    EXPECT_EQ(double(calc.A), 0.0);
    EXPECT_EQ(calc.P, coNone);
    // The next operation reads "Error" as 0.
    calc.PadKey(CalcTag::Add);
    EXPECT_EQ(d.Display(), "0.00");
}

TEST(CalculatorEngine, MaxLengthBlocksDigitsSignAndPointNotOperators)
{
    ModelDisplay d;
    TCalculatorEngine calc(d);
    calc.PadKey(1);
    d.M.MaxLength = 4;  // "1.00"
    for (int t : {5, CalcTag::Sign, CalcTag::Decimal})
        EXPECT_FALSE(calc.PadKey(t)) << t;
    EXPECT_EQ(d.Display(), "1.00");
    EXPECT_TRUE(calc.PadKey(CalcTag::Add));
    EXPECT_EQ(calc.P, coAdd);
}

TEST(CalculatorEngine, MemoryStoreReadsAThousandSeparatedDisplay)
{
    ModelDisplay d(etMoney);
    TCalculatorEngine calc(d);
    d.WriteText(QStringLiteral("1234.5"));
    ASSERT_EQ(d.Display(), "1,234.50");
    calc.PadKey(CalcTag::MemoryStore);
    EXPECT_EQ(double(calc.M), 1234.5);
    calc.PadKey(CalcTag::MemoryAdd);
    EXPECT_EQ(double(calc.M), 2469.0);
}

TEST(CalculatorEngine, ANonNumericDisplayIsIgnored)
{
    ModelDisplay d(etString);
    TCalculatorEngine calc(d);
    calc.A = 5;
    calc.M = 3;
    calc.P = coAdd;
    d.WriteText(QStringLiteral("abc"));
    for (int t : {CalcTag::Add, CalcTag::Equals, CalcTag::MemoryStore, CalcTag::MemoryAdd, CalcTag::Percent})
        calc.PadKey(t);
    EXPECT_EQ(d.Display(), "abc");
    EXPECT_EQ(double(calc.A), 5.0);
    EXPECT_EQ(double(calc.M), 3.0);
    EXPECT_EQ(calc.P, coAdd);
    EXPECT_EQ(double(calc.GetValue()), 0.0);
}

TEST(CalculatorEngine, AnOverflowGivesZero)
{
    ModelDisplay d;
    d.M.Precision = -1;
    TCalculatorEngine calc(d);
    d.WriteText(QStringLiteral("1E300"));
    calc.PadKey(CalcTag::Multiply);
    d.WriteText(QStringLiteral("1E300"));
    calc.PadKey(CalcTag::Equals);
    EXPECT_EQ(double(calc.A), 0.0);
    EXPECT_EQ(d.Display(), "0");
}

TEST(CalculatorEngine, UnderACommaDecimalSeparator)
{
    struct CommaScope {
        QChar saved = FormatSettings().DecimalSeparator;
        CommaScope() { FormatSettings().DecimalSeparator = u','; SetGridThousandSeparator(QChar()); }
        ~CommaScope() { FormatSettings().DecimalSeparator = saved; SetGridThousandSeparator(QChar()); }
    } comma;
    ModelDisplay d;
    TCalculatorEngine calc(d);
    for (int t : {1, CalcTag::Decimal, 5, CalcTag::Add, 2, CalcTag::Equals})
        calc.PadKey(t);
    EXPECT_EQ(d.Display(), "3,50");
}

}  // namespace
