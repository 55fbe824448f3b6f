// Checking cells with the cell checker: marks taken off, corrections and
// error marks as the switches say (the marks on the corrected text), the
// result, the bracket of a range check and the current cell.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "data_grid_fixture.h"
#include "grid/core/grid_startup.h"

namespace {

// Corrects by trimming; marks every text holding "bad"; records its calls.
class TTrimChecker : public TVynStringGridCheck {
public:
    using TVynStringGridCheck::TVynStringGridCheck;
    String Correct(int ACol, int ARow, const String& S) override
    {
        Corrected.emplace_back(ACol, ARow);
        return S.trimmed();
    }
    String MarkError(int ACol, int ARow, const String& S) override
    {
        (void)ACol, (void)ARow;
        MarkedTexts.push_back(S);
        return S.contains("bad") ? "<e>" + S + "</e>" : S;
    }
    void StartCheck() override { Log.push_back("start"); }
    void StopCheck() override { Log.push_back("stop"); }

    std::vector<std::pair<int, int>> Corrected;
    std::vector<String> MarkedTexts;
    std::vector<String> Log;
};

struct CheckCase {
    const char* Name;
    const char* Text;
    bool UseCorrect, UseMarkError;
    const char* After;
    bool Unchanged;
};

class GridCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(GridCheck, OneCell)
{
    const CheckCase& k = GetParam();
    TDataGrid g(nullptr);
    FillGrid(g, 4, 4);
    TTrimChecker checker(nullptr);
    checker.SetUseCorrect(k.UseCorrect);
    checker.SetUseMarkError(k.UseMarkError);
    g.SetCellChecker(&checker);
    g.SetCells(2, 2, k.Text);
    EXPECT_EQ(g.CheckCell(2, 2), k.Unchanged);
    EXPECT_EQ(g.Cells(2, 2), k.After);
    EXPECT_EQ(g.Cells(1, 2), CellText(1, 2));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridCheck,
    ::testing::Values(
        CheckCase{"NoSwitchesTakeTheMarksOff", "<e>bad</e> x", false, false, "bad x", true},
        CheckCase{"MarksOfAnyCase", "<E>a</E>b", false, false, "ab", true},
        CheckCase{"PlainTextStaysAsItIs", "a&lt;b", true, false, "a&lt;b", true},
        CheckCase{"OtherMarkupKept", "<b>x</b><e>y</e>", false, false, "<b>x</b>y", true},
        CheckCase{"Corrected", "  ok ", true, false, "ok", false},
        CheckCase{"CorrectLeavesAGoodText", "ok", true, false, "ok", true},
        CheckCase{"Marked", "bad", false, true, "<e>bad</e>", false},
        CheckCase{"MarkedAgain", "<e>bad</e>", false, true, "<e>bad</e>", false},
        // Both switches: the corrected text gets the marks.
        CheckCase{"CorrectedThenMarked", " bad ", true, true, "<e>bad</e>", false},
        CheckCase{"CorrectedNotMarked", " fine ", true, true, "fine", false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(GridCheckRange, MarkErrorGetsTheCorrectedText)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 3);
    TTrimChecker checker(nullptr);
    checker.SetUseCorrect(true);
    checker.SetUseMarkError(true);
    g.SetCellChecker(&checker);
    g.SetCells(1, 1, "<e> bad</e> ");
    EXPECT_FALSE(g.CheckCell(1, 1));
    EXPECT_EQ(checker.MarkedTexts, std::vector<String>{"bad"});
}

TEST(GridCheckRange, WithoutACheckerNothingChanges)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 3);
    g.SetCells(1, 1, "<e>x</e>");
    EXPECT_TRUE(g.CheckCells(0, 0, 2, 2));
    EXPECT_TRUE(g.CheckCell(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "<e>x</e>");
}

TEST(GridCheckRange, BaseCheckerOnlyTakesTheMarksOff)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 3);
    TVynStringGridCheck checker(nullptr);
    checker.SetUseCorrect(true);
    checker.SetUseMarkError(true);
    g.SetCellChecker(&checker);
    g.SetCells(1, 1, "<e>x</e>y");
    g.SetCells(2, 2, "<e>z</e>");
    EXPECT_TRUE(g.CheckCells(1, 1, 2, 2));
    EXPECT_EQ(g.Cells(1, 1), "xy");
    EXPECT_EQ(g.Cells(2, 2), "z");
    EXPECT_EQ(g.Cells(2, 1), CellText(2, 1));
}

TEST(GridCheckRange, EveryCellRowByRowBetweenStartAndStop)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 4);
    TTrimChecker checker(nullptr);
    checker.SetUseCorrect(true);
    g.SetCellChecker(&checker);
    g.SetCells(1, 1, " a");  // the first cell fails, the others are still checked
    EXPECT_FALSE(g.CheckCells(1, 1, 2, 2));
    const std::vector<std::pair<int, int>> order{{1, 1}, {2, 1}, {1, 2}, {2, 2}};
    EXPECT_EQ(checker.Corrected, order);
    EXPECT_EQ(checker.Log, (std::vector<String>{"start", "stop"}));
    EXPECT_EQ(g.Cells(1, 1), "a");
}

TEST(GridCheckRange, GotoCellVisitsTheCellsAndComesBack)
{
    TDataGrid g(nullptr);
    FillGrid(g, 5, 5);
    g.FocusCell(3, 4, true);
    struct TWhere : TTrimChecker {
        using TTrimChecker::TTrimChecker;
        TVynStringGrid* Grid = nullptr;
        std::vector<std::pair<int, int>> Seen;
        String Correct(int ACol, int ARow, const String& S) override
        {
            Seen.emplace_back(Grid->Col(), Grid->Row());
            return TTrimChecker::Correct(ACol, ARow, S);
        }
    } checker(nullptr);
    checker.Grid = &g;
    checker.SetUseCorrect(true);
    checker.SetGotoCell(true);
    g.SetCellChecker(&checker);
    EXPECT_TRUE(g.CheckCells(1, 1, 2, 1));
    EXPECT_EQ(checker.Seen, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}}));
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 4);
}

TEST(GridCheckRange, CellOutsideTheGridRaises)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 3);
    TTrimChecker checker(nullptr);
    g.SetCellChecker(&checker);
    EXPECT_THROW(g.CheckCell(3, 1), Exception);
    EXPECT_THROW(g.CheckCell(1, -1), Exception);
    // The bracket closes even so.
    EXPECT_THROW(g.CheckCells(1, 1, 1, 5), Exception);
    EXPECT_EQ(checker.Log, (std::vector<String>{"start", "stop"}));
}

}  // namespace
