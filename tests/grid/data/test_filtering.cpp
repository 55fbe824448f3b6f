// Filtering rows: conditions and their combination, the texts a condition
// tests, filter levels beside rows hidden by hand, narrowing down while
// typing, and the header filter drop-down with its two lists.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "data_grid_fixture.h"
#include "grid/core/column_grid.h"
#include "grid/core/grid_format.h"
#include "grid/data/grid_data_holders.h"

namespace {

String S(const char* Utf8) { return QString::fromUtf8(Utf8); }

// A date as the grid's short date format writes it.
String DateText(int Y, int M, int D)
{
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    const String f = fs.ShortDateFormat.toUpper();
    struct Part {
        qsizetype At;
        int Value;
    } parts[3] = {{f.indexOf(u'D'), D}, {f.indexOf(u'M'), M}, {f.indexOf(u'Y'), Y}};
    std::sort(std::begin(parts), std::end(parts), [](const Part& A, const Part& B) { return A.At < B.At; });
    return QString::number(parts[0].Value) + fs.DateSeparator + QString::number(parts[1].Value) + fs.DateSeparator +
           QString::number(parts[2].Value);
}

// Column 1 holds each data row's number (1 .. n), column 2 the tested
// texts, column 3 a second text column.
struct FilterTest : ::testing::Test {
    TDataGrid g{nullptr};
    void Fill(const std::vector<String>& Texts, const std::vector<String>& Second = {})
    {
        g.SetFixedRowAlways(true);
        g.SetColCount(4);
        g.SetRowCount(int(Texts.size()) + 1);
        for (int i = 0; i < int(Texts.size()); ++i) {
            g.SetCells(1, i + 1, QString::number(i + 1));
            g.SetCells(2, i + 1, Texts[size_t(i)]);
            if (i < int(Second.size()))
                g.SetCells(3, i + 1, Second[size_t(i)]);
        }
    }
    // The numbers of the data rows shown.
    std::vector<int> Shown()
    {
        std::vector<int> v;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            v.push_back(g.Cells(1, r).toInt());
        return v;
    }
    TFilterData* Cond(int Col, const String& Condition, bool CaseSensitive = true)
    {
        TFilterData* f = g.Filter()->Add();
        f->SetColumn(Col);
        f->SetCondition(Condition);
        f->SetCaseSensitive(CaseSensitive);
        return f;
    }
};

std::vector<String> Numbers(int From, int To)
{
    std::vector<String> v;
    for (int i = From; i <= To; ++i)
        v.push_back(QString::number(i));
    return v;
}

}  // namespace

TEST_F(FilterTest, ConditionTable)
{
    const std::vector<String> words = {S("apple"), S("Apricot"), S("banana"), S("x"), S("y"), S("a b"), S("ab")};
    const std::vector<String> dates = {DateText(2023, 12, 31), DateText(2024, 1, 1), DateText(2024, 2, 3),
                                       DateText(2024, 12, 1)};
    const struct {
        const char* Name;
        std::vector<String> Texts;
        String Condition;
        bool CaseSensitive;
        std::vector<int> Kept;
    } cases[] = {
        {"range", Numbers(5, 25), S(">10&<20"), true, Iota(7, 15)},  // 11 .. 19
        {"at least", Numbers(5, 12), S(">=10"), true, {6, 7, 8}},
        {"prefix ignoring case", words, S("A*"), false, {1, 2, 6, 7}},
        {"prefix with case", words, S("A*"), true, {2}},
        {"negated", words, S("!A*"), false, {3, 4, 5}},
        {"either", words, S("x;y"), true, {4, 5}},
        {"quoted blank", words, S("\"a b\""), true, {6}},
        {"dates", dates, S(">") + DateText(2024, 1, 1), true, {3, 4}},
        {"parentheses", words, S("(a*|b*)&*a"), true, {3}},
        {"left to right", words, S("x;y&y"), true, {5}},  // (x or y) and y
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        g.Filter()->Clear();
        g.RemoveAllFilters();
        Fill(c.Texts);
        Cond(2, c.Condition, c.CaseSensitive);
        g.ApplyFilter();
        EXPECT_EQ(Shown(), c.Kept);
        g.RemoveAllFilters();
        EXPECT_EQ(Shown(), Iota(1, int(c.Texts.size())));
    }
}

TEST_F(FilterTest, NoConditionsHideNothingButTheCustomFilterStillRejects)
{
    Fill(Numbers(1, 6));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), Iota(1, 6));
    EXPECT_EQ(g.FilterLevel(), 1);
    g.RemoveAllFilters();
    g.OnCustomFilter = [this](TObject*, int ARow, bool& Accept) { Accept = g.Cells(2, ARow).toInt() % 2 == 0; };
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{2, 4, 6}));
}

TEST_F(FilterTest, CombiningConditions)
{
    Fill({S("a"), S("a"), S("b"), S("b")}, {S("1"), S("2"), S("1"), S("2")});
    // Add: foNONE, then foAND.
    EXPECT_EQ(Cond(2, S("a"))->Operation(), TFilterOperation::foNONE);
    EXPECT_EQ(Cond(3, S("2"))->Operation(), TFilterOperation::foAND);
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{2}));
    g.RemoveAllFilters();
    g.Filter()->Items(1)->SetOperation(TFilterOperation::foOR);
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 4}));
    g.RemoveAllFilters();
    g.Filter()->Items(1)->SetOperation(TFilterOperation::foXOR);
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1, 4}));
    g.RemoveAllFilters();
    // foSHORT stops at the first failure; OnCustomFilter still has the
    // last word.
    g.Filter()->Items(0)->SetOperation(TFilterOperation::foSHORT);
    g.Filter()->Items(1)->SetOperation(TFilterOperation::foOR);
    std::vector<int> asked;
    g.OnCustomFilter = [&](TObject*, int ARow, bool& Accept) {
        asked.push_back(ARow);
        if (g.Cells(1, ARow) == S("3"))
            Accept = true;
    };
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(asked, Iota(1, 4));
    // Insert leaves the operation at foSHORT, whatever the index.
    EXPECT_EQ(g.Filter()->Insert(0)->Operation(), TFilterOperation::foSHORT);
    EXPECT_EQ(g.Filter()->Count(), 3);
    EXPECT_EQ(g.Filter()->Items(2)->Condition(), String());
}

TEST_F(FilterTest, ConditionsThatCannotChangeTheResultAreSkippedOnlyWhenNobodySeesTheRead)
{
    // Rows 1 .. 8: every mix of a/b, 1/2 and a number up to or past 4.
    Fill({S("a"), S("a"), S("a"), S("a"), S("b"), S("b"), S("b"), S("b")},
         {S("1"), S("2"), S("1"), S("2"), S("1"), S("2"), S("1"), S("2")});
    Cond(2, S("a"));
    Cond(3, S("2"));
    Cond(1, S("<3;>6"));
    const TFilterOperation ops[] = {TFilterOperation::foAND, TFilterOperation::foOR, TFilterOperation::foXOR};
    auto combine = [](TFilterOperation Op, bool A, bool B) {
        return Op == TFilterOperation::foAND ? A && B : Op == TFilterOperation::foOR ? A || B : A != B;
    };
    for (const TFilterOperation op2 : ops)
        for (const TFilterOperation op3 : ops) {
            SCOPED_TRACE(int(op2) * 10 + int(op3));
            g.Filter()->Items(1)->SetOperation(op2);
            g.Filter()->Items(2)->SetOperation(op3);
            std::vector<int> expected;
            for (int n = 1; n <= 8; ++n)
                if (combine(op3, combine(op2, n <= 4, n % 2 == 0), n < 3 || n > 6))
                    expected.push_back(n);
            g.OnGetDisplText = nullptr;
            g.ApplyFilter();
            EXPECT_EQ(Shown(), expected);
            g.RemoveAllFilters();
            // A display-text handler sees every condition read on every row,
            // and the same rows stay.
            int reads[4] = {};
            g.OnGetDisplText = [&reads](TObject*, int ACol, int, String&) { ++reads[ACol]; };
            g.ApplyFilter();
            g.OnGetDisplText = nullptr;
            EXPECT_EQ(Shown(), expected);
            EXPECT_EQ(reads[1], 8);
            EXPECT_EQ(reads[2], 8);
            EXPECT_EQ(reads[3], 8);
            g.RemoveAllFilters();
        }
}

TEST_F(FilterTest, TestedTexts)
{
    Fill({S("<b>red</b>"), S("kg 12 net"), S("blue"), S(" green "), S("pre-x-suf")}, {S("z"), S("q"), S("z")});
    // The stored text, the text without tags, the whole row.
    TFilterData* f = Cond(2, S("red"));
    f->SetData(TFilterCells::fcStripHTML);
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1}));
    g.RemoveAllFilters();
    f->SetData(TFilterCells::fcNormal);
    f->SetCondition(S("?b?red*"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1}));
    g.RemoveAllFilters();
    // fcRow: the condition anywhere in the row, letters folded.
    f->SetData(TFilterCells::fcRow);
    f->SetCondition(S("Q"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{2}));
    g.RemoveAllFilters();
    // Trimmed; prefix and suffix taken off.
    f->SetData(TFilterCells::fcVirtual);
    f->SetCondition(S("green"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{4}));
    g.RemoveAllFilters();
    f->SetCondition(S("x"));
    f->SetPrefix(S("pre-"));
    f->SetSuffix(S("-suf"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{5}));
    g.RemoveAllFilters();
    // fmLiteral: equal, case counting, no pattern.
    f->SetPrefix(String());
    f->SetSuffix(String());
    f->SetMethod(TFilterMethod::fmLiteral);
    f->SetCaseSensitive(false);
    f->SetCondition(S("BLUE"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), std::vector<int>{});
    g.RemoveAllFilters();
    f->SetCondition(S("blu*"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), std::vector<int>{});
    g.RemoveAllFilters();
    f->SetCondition(S("blue"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{3}));
}

TEST_F(FilterTest, FilterActiveOnAndOffGivesEveryRowBackInOrder)
{
    Fill(Numbers(1, 12));
    g.HideColumn(3);
    for (int r = 1; r <= 12; ++r)
        g.SetAllCells(3, r, S("h") + QString::number(r));
    Cond(2, S(">4&<9"));
    int progressCalls = 0;
    int16_t lastProgress = -1;
    g.OnFilterProgress = [&](TObject*, int16_t P) {
        ++progressCalls;
        lastProgress = P;
    };
    for (int round = 0; round < 3; ++round) {
        g.SetFilterActive(true);
        EXPECT_EQ(Shown(), Iota(5, 8));
        EXPECT_EQ(g.FilterLevel(), 1);
        g.SetFilterActive(false);
        EXPECT_EQ(Shown(), Iota(1, 12));
        EXPECT_EQ(g.FilterLevel(), 0);
        EXPECT_EQ(g.NumHiddenRows(), 0);
    }
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(g.AllCells(3, r), S("h") + QString::number(r));
    EXPECT_EQ(progressCalls, 3 * 13);
    EXPECT_EQ(lastProgress, 100);
    g.RemoveAllFilters();  // no level: the conditions go
    EXPECT_EQ(g.Filter()->Count(), 0);
    EXPECT_EQ(Shown(), Iota(1, 12));
}

TEST_F(FilterTest, LevelsLeaveRowsHiddenByHandAlone)
{
    Fill(Numbers(1, 10));
    g.HideRow(3);  // the row numbered 3
    Cond(2, S(">5"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), Iota(6, 10));
    g.Filter()->Items(0)->SetCondition(S("<9"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), Iota(6, 8));
    EXPECT_EQ(g.FilterLevel(), 2);
    // RemoveLastFilter: True only while two or more levels remain.
    EXPECT_FALSE(g.RemoveLastFilter());
    EXPECT_EQ(Shown(), Iota(6, 10));
    EXPECT_FALSE(g.RemoveLastFilter());
    EXPECT_EQ(Shown(), (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(g.RemoveLastFilter());
    for (int i = 0; i < 3; ++i)
        g.ApplyFilter();
    EXPECT_TRUE(g.RemoveLastFilter());
    g.RemoveAllFilters();
    EXPECT_EQ(g.FilterLevel(), 0);
    EXPECT_TRUE(g.IsHiddenRow(3));
    EXPECT_EQ(g.GetHiddenRowCells(3)->Strings(2), S("3"));
    // FilterRow hides one row by hand when it fails.
    g.Filter()->Items(0)->SetCondition(S(">1"));
    g.FilterRow(1);
    g.FilterRow(2);
    EXPECT_EQ(Shown(), (std::vector<int>{2, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(FilterTest, NarrowDownAddsAndRemovesLevelsAsTheTextGrows)
{
    Fill({S("abc"), S("abd"), S("ab"), S("a"), S("xyz"), S("a b c"), S("Abcde")});
    g.HideRow(5);  // "xyz" by hand
    auto narrow = [&](const char* Text, int Level, std::vector<int> Kept) {
        g.NarrowDown(S(Text), 2);
        EXPECT_EQ(g.FilterLevel(), Level) << Text;
        EXPECT_EQ(Shown(), Kept) << Text;
    };
    narrow("a", 1, {1, 2, 3, 4, 6, 7});
    narrow("ab", 2, {1, 2, 3, 7});
    narrow("abc", 3, {1, 7});
    narrow("ab", 2, {1, 2, 3, 7});
    narrow("b", 1, {1, 2, 3, 6, 7});  // a fresh text starts over
    narrow("a b", 1, {6});            // the blank as typed
    narrow("", 0, {1, 2, 3, 4, 6, 7});
    EXPECT_TRUE(g.IsHiddenRow(5));
    // Whole rows (-1): the text anywhere in the row.
    narrow("xy", 1, {});  // only the row hidden by hand holds it
    g.NarrowDown(String(), -1);
    EXPECT_EQ(g.FilterLevel(), 0);
    g.NarrowDown(S("7"), -1);
    EXPECT_EQ(Shown(), (std::vector<int>{7}));
}

TEST_F(FilterTest, HeaderDropDownSingleChoice)
{
    Fill({S("b"), S("a"), S("a b"), S("b"), S("A"), S(" c ")});
    g.SetFilterDropDownAuto(true);
    ASSERT_TRUE(g.BuildFilterList(2));
    EXPECT_EQ(g.FilterList()->Text(), S("(All)\na\na b=\"a b\"\nb\nc\n"));
    ASSERT_TRUE(g.ShowFilterDropDown(2));
    EXPECT_EQ(g.FilterColumn(), 2);
    EXPECT_TRUE(g.FilterPopup()->Visible());
    EXPECT_EQ(g.DropList()->Items().Count(), 5);
    EXPECT_EQ(g.DropList()->Items()[2], S("a b"));

    int done = 0;
    g.OnFilterDone = [&](TObject*) { ++done; };
    g.FilterListSelect(g.DropList(), 2);  // "a b"
    EXPECT_FALSE(g.FilterPopup()->Visible());
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_EQ(Shown(), (std::vector<int>{3}));
    EXPECT_EQ(done, 1);
    // OnFilterSelect may change the condition.
    g.OnFilterSelect = [](TObject*, int, int, const String& Name, String& Condition) {
        if (Name == S("b"))
            Condition = S("b;c");
    };
    g.ShowFilterDropDown(2);
    g.FilterListSelect(g.DropList(), 3);
    EXPECT_EQ(Shown(), (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(g.FilterLevel(), 1);
    // "(All)" clears the column.
    g.ShowFilterDropDown(2);
    g.FilterListSelect(g.DropList(), 0);
    EXPECT_FALSE(g.Filter()->HasFilter(2));
    EXPECT_EQ(Shown(), Iota(1, 6));
    // Incremental: the values of hidden rows are left out.
    g.FilterRow(1);
    g.SetFilterIncremental(true);
    g.Filter()->ColumnFilter(2)->SetCondition(S("b"));
    g.ApplyFilter();
    g.BuildFilterList(2);
    EXPECT_EQ(g.FilterList()->Text(), S("(All)\nb\n"));
    g.SetFilterIncremental(false);
    g.BuildFilterList(2);
    EXPECT_EQ(g.FilterList()->Count(), 5);
}

TEST_F(FilterTest, HeaderDropDownCheckList)
{
    Fill({S("b"), S("a"), S("c"), S("b")});
    g.SetFilterDropDownAuto(true);
    g.SetFilterDropDownCheck(true);
    ASSERT_TRUE(g.ShowFilterDropDown(2));
    TDropCheckList* list = g.DropCheckList();
    list->SetChecked(1, true);  // a
    g.FilterListCheck(list, 1);
    EXPECT_EQ(Shown(), (std::vector<int>{2}));
    list->SetChecked(3, true);  // c
    g.FilterListCheck(list, 3);
    EXPECT_EQ(Shown(), (std::vector<int>{2, 3}));
    ASSERT_EQ(g.Filter()->Count(), 2);
    EXPECT_EQ(g.Filter()->Items(0)->Operation(), TFilterOperation::foNONE);
    EXPECT_EQ(g.Filter()->Items(1)->Operation(), TFilterOperation::foOR);
    EXPECT_EQ(g.FilterLevel(), 1);
    // Opened again, the column's conditions come up ticked.
    g.HideFilterDropDown();
    g.ShowFilterDropDown(2);
    EXPECT_TRUE(list->Checked(1));
    EXPECT_FALSE(list->Checked(2));
    EXPECT_TRUE(list->Checked(3));
    // Losing the popup (a press outside) hides it and forgets the column.
    g.FilterPopup()->PopupDeactivate(nullptr);
    EXPECT_FALSE(g.FilterPopup()->Visible());
    EXPECT_EQ(g.FilterColumn(), -1);
}

TEST_F(FilterTest, FilterNormalCellsOnlyKeepsNodeAndSummaryRows)
{
    Fill({S("a"), S("b"), S("c")});
    g.CreateCellGraphic(0, 2)->SetCellType(TCellType::ctSummary);
    Cond(2, S("a"));
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1, 2}));
    g.RemoveAllFilters();
    g.SetFilterNormalCellsOnly(false);
    g.ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<int>{1}));
}
