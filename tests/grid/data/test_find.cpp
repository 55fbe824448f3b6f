// Finding and replacing: the order in which a find chain visits the cells
// (directions, start cells, restrictions, fixed cells, hidden columns and
// rows, the selection), the match rules, the progress codes, the prefix
// lookup of the grid's typing, and Replace.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_grid_fixture.h"
#include "grid/core/grid_lists.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"

namespace {

using G = TVynStringGrid;
using P = TVynStringGrid::TFindParams;

// Records the progress codes a find reports.
class TFindGrid : public TDataGrid {
public:
    using TDataGrid::TDataGrid;
    void ExportNotification(int AState, int ARow) override { Codes.emplace_back(AState, ARow); }
    std::vector<std::pair<int, int>> Codes;
};

// The cells a chain of finds for s visits from Start, as "c,r c,r ...".
std::string Chain(TVynStringGrid& Grid, const String& s, P Params, TPoint Start = TPoint(-1, -1))
{
    std::string out;
    TPoint p = Grid.Find(Start, s, Params);
    for (int n = 0; p.X >= 0 && n < 100; ++n, p = Grid.Find(p, s, Params))
        out += (out.empty() ? "" : " ") + std::to_string(p.X) + "," + std::to_string(p.Y);
    return out;
}

struct StepCase {
    const char* Name;
    P Params;
    // Set up before the chain: 0 none, 1 current cell (2, 2), 2 hide real
    // column 2, 3 hide real row 2, 4 select (2, 1)-(3, 2), 5 FindCol 3 and
    // FindRow 1, 6 ignore column 2.
    int Setup;
    TPoint Start;
    const char* Cells;
};

class FindSteps : public ::testing::TestWithParam<StepCase> {};

// A 4 x 4 grid, one fixed row and column, every cell "c:r"; ":" matches
// every cell, so the chain is the step order itself.
TEST_P(FindSteps, VisitsTheCellsInOrder)
{
    const StepCase& k = GetParam();
    TDataGrid g(nullptr);
    FillGrid(g, 4, 4);
    switch (k.Setup) {
    case 1: g.FocusCell(2, 2); break;
    case 2: g.HideColumn(2); break;
    case 3: g.HideRow(2); break;
    case 4: g.SetSelection(TGridRect{2, 1, 3, 2}); break;
    case 5:
        g.SetFindCol(3);
        g.SetFindRow(1);
        break;
    case 6: g.IgnoreColumns()->Add(2); break;
    default: break;
    }
    EXPECT_EQ(Chain(g, ":", k.Params, k.Start), k.Cells);
    EXPECT_FALSE(g.FindBusy());
}

const TPoint None(-1, -1);

INSTANTIATE_TEST_SUITE_P(
    Find, FindSteps,
    ::testing::Values(
        StepCase{"ColumnByColumn", P{}, 0, None, "1,1 1,2 1,3 2,1 2,2 2,3 3,1 3,2 3,3"},
        StepCase{"RowByRow", P{G::fnDirectionLeftRight}, 0, None, "1,1 2,1 3,1 1,2 2,2 3,2 1,3 2,3 3,3"},
        StepCase{"ColumnByColumnBackward", P{G::fnBackward}, 0, None, "3,3 3,2 3,1 2,3 2,2 2,1 1,3 1,2 1,1"},
        StepCase{"RowByRowBackward", P{G::fnBackward, G::fnDirectionLeftRight}, 0, None,
                 "3,3 2,3 1,3 3,2 2,2 1,2 3,1 2,1 1,1"},
        StepCase{"FromACell", P{}, 0, TPoint(2, 2), "2,3 3,1 3,2 3,3"},
        StepCase{"FromACellRowByRow", P{G::fnDirectionLeftRight}, 0, TPoint(2, 2), "3,2 1,3 2,3 3,3"},
        StepCase{"FromACellBackward", P{G::fnBackward}, 0, TPoint(2, 2), "2,1 1,3 1,2 1,1"},
        StepCase{"FromTheLastCell", P{}, 0, TPoint(3, 3), ""},
        StepCase{"FromTheFirstCellBackward", P{G::fnBackward}, 0, TPoint(1, 1), ""},
        StepCase{"FromAFixedCell", P{G::fnDirectionLeftRight}, 0, TPoint(0, 0), "1,1 2,1 3,1 1,2 2,2 3,2 1,3 2,3 3,3"},
        StepCase{"CurrentRow", P{G::fnFindInCurrentRow, G::fnDirectionLeftRight}, 1, None, "1,2 2,2 3,2"},
        StepCase{"CurrentRowColumnByColumn", P{G::fnFindInCurrentRow}, 1, None, "1,2 2,2 3,2"},
        StepCase{"CurrentRowBackward", P{G::fnFindInCurrentRow, G::fnBackward}, 1, None, "3,2 2,2 1,2"},
        StepCase{"CurrentCol", P{G::fnFindInCurrentCol}, 1, None, "2,1 2,2 2,3"},
        StepCase{"CurrentColRowByRow", P{G::fnFindInCurrentCol, G::fnDirectionLeftRight}, 1, None, "2,1 2,2 2,3"},
        StepCase{"FixedCells", P{G::fnIncludeFixed, G::fnDirectionLeftRight}, 0, None,
                 "0,0 1,0 2,0 3,0 0,1 1,1 2,1 3,1 0,2 1,2 2,2 3,2 0,3 1,3 2,3 3,3"},
        // Display columns 1, 2 are the real columns 1, 3.
        StepCase{"HiddenColumnLeftOut", P{G::fnDirectionLeftRight}, 2, None, "1,1 2,1 1,2 2,2 1,3 2,3"},
        StepCase{"HiddenColumnsByRealIndex", P{G::fnDirectionLeftRight, G::fnIncludeHiddenColumns}, 2, None,
                 "1,1 2,1 3,1 1,2 2,2 3,2 1,3 2,3 3,3"},
        StepCase{"HiddenRowLeftOut", P{}, 3, None, "1,1 1,2 2,1 2,2 3,1 3,2"},
        StepCase{"HiddenRowsByRealIndex", P{G::fnIncludeHiddenRows}, 3, None, "1,1 1,2 1,3 2,1 2,2 2,3 3,1 3,2 3,3"},
        StepCase{"Selection", P{G::fnSelectedCells}, 4, None, "2,1 2,2 3,1 3,2"},
        StepCase{"PresetColumn", P{G::fnFindInPresetCol}, 5, None, "3,1 3,2 3,3"},
        StepCase{"PresetRow", P{G::fnFindInPresetRow, G::fnDirectionLeftRight}, 5, None, "1,1 2,1 3,1"},
        StepCase{"PresetRowAndColumn", P{G::fnFindInPresetRow, G::fnFindInPresetCol}, 5, None, "3,1"},
        StepCase{"IgnoredColumn", P{G::fnDirectionLeftRight}, 6, None, "1,1 3,1 1,2 3,2 1,3 3,3"},
        StepCase{"IgnoredColumnColumnByColumn", P{}, 6, None, "1,1 1,2 1,3 3,1 3,2 3,3"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// ---- match rules ------------------------------------------------------------------------------

struct MatchCase {
    const char* Name;
    const char* Cell;
    const char* Text;
    P Params;
    bool Found;
};

class FindMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FindMatch, OneCell)
{
    const MatchCase& k = GetParam();
    TDataGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(1, 1, k.Cell);
    const TPoint p = g.FindFirst(k.Text, k.Params);
    EXPECT_EQ(p.X >= 0, k.Found);
    if (k.Found) {
        EXPECT_EQ(p, TPoint(1, 1));
    }
    EXPECT_EQ(g.SearchCell(), p);
    EXPECT_EQ(g.FindBusy(), k.Found);
}

INSTANTIATE_TEST_SUITE_P(
    Find, FindMatch,
    ::testing::Values(MatchCase{"Anywhere", "xab", "ab", P{}, true},
                      MatchCase{"IgnoringCase", "xAB", "ab", P{}, true},
                      MatchCase{"WithCase", "xAB", "ab", P{G::fnMatchCase}, false},
                      MatchCase{"WithCaseSame", "xab", "ab", P{G::fnMatchCase}, true},
                      MatchCase{"StartMissesInside", "xab", "ab", P{G::fnMatchStart}, false},
                      MatchCase{"StartFindsStart", "abx", "ab", P{G::fnMatchStart}, true},
                      MatchCase{"FullMissesLonger", "abx", "ab", P{G::fnMatchFull}, false},
                      MatchCase{"FullFindsEqual", "AB", "ab", P{G::fnMatchFull}, true},
                      MatchCase{"FullWithCase", "AB", "ab", P{G::fnMatchFull, G::fnMatchCase}, false},
                      MatchCase{"EmptyCell", "", "\"\"", P{}, true},
                      MatchCase{"EmptyCellNotAText", "x", "\"\"", P{}, false},
                      MatchCase{"EmptyTextFindsNothing", "x", "", P{}, false},
                      MatchCase{"Expression", "abc", "a*", P{G::fnMatchRegular}, true},
                      MatchCase{"ExpressionMiss", "xab", "a*", P{G::fnMatchRegular}, false},
                      MatchCase{"ExpressionRange", "7", ">5&<8", P{G::fnMatchRegular}, true},
                      MatchCase{"ExpressionWithCase", "Abc", "a*", P{G::fnMatchRegular, G::fnMatchCase}, false},
                      MatchCase{"TagsInTheWay", "<b>a</b>b", "ab", P{}, false},
                      MatchCase{"TagsIgnored", "<b>a</b>b", "ab", P{G::fnIgnoreHTMLTags}, true},
                      MatchCase{"TagNamesIgnored", "<b>x</b>", "b", P{G::fnIgnoreHTMLTags}, false},
                      MatchCase{"PlainTextKept", "a<b", "a<b", P{G::fnIgnoreHTMLTags}, true}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Find, CachesTheSearchTextAndContinuesWithFindNext)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 4);
    g.SetCells(2, 1, "abc");
    g.SetCells(3, 3, "xABx");
    EXPECT_EQ(g.FindFirst("ab", P{G::fnDirectionLeftRight}), TPoint(2, 1));
    EXPECT_EQ(g.SearchCache(), "AB");
    EXPECT_TRUE(g.FindBusy());
    EXPECT_EQ(g.FindNext(), TPoint(3, 3));
    EXPECT_EQ(g.FindNext(), TPoint(-1, -1));
    EXPECT_FALSE(g.FindBusy());
    g.FindFirst("ab", P{G::fnMatchCase});
    EXPECT_EQ(g.SearchCache(), "ab");
    // The wide find compares the same texts.
    EXPECT_EQ(g.FindWide(TPoint(-1, -1), "xab", P{}), TPoint(3, 3));
    EXPECT_EQ(g.SearchCacheWide(), "XAB");
}

TEST(Find, ReportsProgress)
{
    TFindGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(2, 1, "x");
    g.Find(TPoint(-1, -1), "x", P{});
    // Three cells tested, (2, 1) matches: (1, 1), (1, 2) come before it.
    ASSERT_EQ(g.Codes.size(), 5u);
    EXPECT_EQ(g.Codes.front(), std::make_pair(0, -1));
    EXPECT_EQ(g.Codes.back(), std::make_pair(4, -1));
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(g.Codes[i].first, 1);
    g.Codes.clear();
    g.Find(TPoint(-1, -1), "y", P{});
    EXPECT_EQ(g.Codes.size(), 6u);
    EXPECT_EQ(g.Codes.back(), std::make_pair(2, -1));
}

TEST(Find, AutoGotoMakesTheCellCurrent)
{
    TDataGrid g(nullptr);
    FillGrid(g, 5, 6);
    g.SetCells(3, 4, "here");
    EXPECT_EQ(g.FindFirst("her", P{G::fnAutoGoto}), TPoint(3, 4));
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 4);
    // A hidden column found by real index: its display column.
    g.HideColumn(1);
    g.SetCells(4, 2, "there");
    EXPECT_EQ(g.FindFirst("there", P{G::fnAutoGoto, G::fnIncludeHiddenColumns}), TPoint(4, 2));
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 2);
}

TEST(Find, AutoGotoWithDisjunctRowsSelectsTheRow)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 6);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.SetCells(2, 4, "here");
    g.FindFirst("here", P{G::fnAutoGoto});
    EXPECT_EQ(g.Row(), 4);
    EXPECT_TRUE(g.GetRowSelect(4));
    EXPECT_FALSE(g.GetRowSelect(1));
}

TEST(Find, AutoGotoIntoAContractedNodeExpandsIt)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 10);
    g.SetCells(1, 4, "target");
    g.SetCells(2, 7, "other");
    // Rows 1..6 with rows 3..4 inside, both contracted.
    g.AddNode(1, 6);
    g.AddNode(3, 2);
    g.ContractNode(3);
    g.ContractNode(1);
    ASSERT_TRUE(g.IsHiddenRow(4));
    // Without hidden rows the find does not see it.
    EXPECT_EQ(g.FindFirst("target", P{G::fnAutoGoto}), TPoint(-1, -1));
    EXPECT_EQ(g.FindFirst("target", P{G::fnAutoGoto, G::fnIncludeHiddenRows}), TPoint(1, 4));
    EXPECT_FALSE(g.IsHiddenRow(4));
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.RealRow(), 4);
    EXPECT_EQ(g.Cells(g.Col(), g.Row()), "target");
    // A row hidden by hand stays hidden: no node above it.
    g.HideRow(7);
    EXPECT_EQ(g.FindFirst("other", P{G::fnAutoGoto, G::fnIncludeHiddenRows}), TPoint(2, 7));
    EXPECT_TRUE(g.IsHiddenRow(7));
}

// ---- the prefix lookup of the grid's typing ---------------------------------------------------

TEST(Search, ComparesTheUpperCasedStartWithTheTextAsGiven)
{
    TDataGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetCells(1, 1, "xyz");
    g.SetCells(1, 2, "abc");
    g.SetCells(1, 3, "<b>de</b>f");
    g.SetCells(2, 4, "qrs");
    EXPECT_EQ(g.Search("AB"), 2);
    EXPECT_EQ(g.Search("ab"), -1);
    EXPECT_EQ(g.Search("ABCD"), -1);
    EXPECT_EQ(g.Search("DEF"), 3);
    EXPECT_EQ(g.Search("QR"), -1);
    // With the sort settings shown: their column.
    g.SortSettings()->SetShow(true);
    g.SortSettings()->SetColumn(2);
    EXPECT_EQ(g.Search("QR"), 4);
    g.SortSettings()->SetColumn(-1);
    EXPECT_EQ(g.Search("QR"), -1);
    // With the index shown: the first column of the sort index list.
    g.SortSettings()->SetIndexShow(true);
    EXPECT_EQ(g.Search("AB"), 2);
    g.SortIndexes()->AddIndex(2, true);
    EXPECT_EQ(g.Search("QR"), 4);
    g.SetRowCount(1);
    EXPECT_EQ(g.Search(""), -1);
}

TEST(Search, TypingMovesToTheRow)
{
    TDataGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetCells(1, 1, "apple");
    g.SetCells(1, 2, "banana");
    g.SetCells(1, 3, "berry");
    g.Navigation()->SetAutoGotoWhenSorted(true);
    g.Navigation()->SetAutoGotoIncremental(true);
    g.IncrementalSearchKey(u'b');
    EXPECT_EQ(g.Row(), 2);
    g.IncrementalSearchKey(u'e');
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.SearchText(), "be");
}

// ---- Replace ----------------------------------------------------------------------------------

struct ReplaceCase {
    const char* Name;
    const char* Cell;
    const char* From;
    const char* To;
    P Params;
    const char* After;
};

class ReplaceCells : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceCells, OneCell)
{
    const ReplaceCase& k = GetParam();
    TDataGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, k.Cell);
    g.SetCells(2, 2, "b");
    const bool changes = String(k.Cell) != String(k.After);
    EXPECT_EQ(g.Replace(k.From, k.To, k.Params), changes ? 1 : 0);
    EXPECT_EQ(g.Cells(1, 1), k.After);
    EXPECT_EQ(g.Cells(2, 2), "b");
}

INSTANTIATE_TEST_SUITE_P(
    Replace, ReplaceCells,
    ::testing::Values(ReplaceCase{"IgnoringCase", "Aa", "a", "x", P{}, "xx"},
                      ReplaceCase{"WithCaseOnlyTheSameCase", "Aa", "a", "x", P{G::fnMatchCase}, "Ax"},
                      ReplaceCase{"WithCaseNoneInThatCase", "AA", "a", "x", P{G::fnMatchCase}, "AA"},
                      ReplaceCase{"Longer", "abab", "ab", "abab", P{}, "abababab"},
                      ReplaceCase{"TextOnlyWithTags", "<a href=\"a\">a</a>", "a", "x", P{G::fnIgnoreHTMLTags},
                                  "<a href=\"a\">x</a>"},
                      ReplaceCase{"TagNameNotReplaced", "<i>i</i>", "i", "u", P{G::fnIgnoreHTMLTags}, "<i>u</i>"},
                      ReplaceCase{"AcrossATagUnchanged", "<b>a</b>b", "ab", "x", P{G::fnIgnoreHTMLTags},
                                  "<b>a</b>b"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Replace, CountsCellsAndMarksRowsModified)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 5);
    g.ShowModified()->SetEnabled(true);
    g.SetCells(1, 2, "a1");
    g.SetCells(3, 2, "a2");
    g.SetCells(2, 4, "A3");
    EXPECT_EQ(g.Replace("a", "z", P{}), 3);
    EXPECT_EQ(g.Cells(1, 2), "z1");
    EXPECT_EQ(g.Cells(3, 2), "z2");
    EXPECT_EQ(g.Cells(2, 4), "z3");
    EXPECT_TRUE(g.GetRowModified(2));
    EXPECT_TRUE(g.GetRowModified(4));
    EXPECT_FALSE(g.GetRowModified(3));
    // A replacement that holds the text again is not found again.
    EXPECT_EQ(g.Replace("z", "zz", P{G::fnFindInCurrentRow}), 0);
    g.FocusCell(1, 2);
    EXPECT_EQ(g.Replace("z", "zz", P{G::fnFindInCurrentRow}), 2);
    EXPECT_EQ(g.Cells(1, 2), "zz1");
    // With auto-goto each match becomes current in turn: the last one stays.
    g.FocusCell(1, 1);
    EXPECT_EQ(g.Replace("zz", "y", P{G::fnAutoGoto}), 2);
    EXPECT_EQ(g.Cells(3, 2), "y2");
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_FALSE(g.FindBusy());
}

TEST(Replace, HiddenColumnsOnlyWhenAsked)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 3);
    g.SetCells(2, 1, "hide me");
    g.SetCells(3, 1, "show me");
    g.HideColumn(2);
    EXPECT_EQ(g.Replace("me", "you", P{}), 1);
    EXPECT_EQ(g.Cells(3, 1), "show you");
    EXPECT_EQ(g.Cells(2, 1), "hide me");
    EXPECT_EQ(g.Replace("me", "you", P{G::fnIncludeHiddenColumns}), 1);
    EXPECT_EQ(g.Cells(2, 1), "hide you");
}

TEST(Replace, HiddenRowsByRealIndex)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 5);
    g.SetCells(1, 2, "old");
    g.SetCells(1, 3, "old");
    g.HideRow(2);
    EXPECT_EQ(g.Replace("old", "new", P{}), 1);
    EXPECT_EQ(g.Replace("old", "new", P{G::fnIncludeHiddenRows}), 1);
    g.UnHideRow(2);
    EXPECT_EQ(g.Cells(1, 2), "new");
    EXPECT_EQ(g.Cells(1, 3), "new");
}

}  // namespace
