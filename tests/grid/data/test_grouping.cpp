// Grouping rows by a column: header rows as nodes, summary rows, the
// grouped column taken out and brought back, group calculations.
#include <gtest/gtest.h>

#include <vector>

#include "data_grid_fixture.h"
#include "grid/data/grid_data_holders.h"

namespace {

String S(const char* Utf8) { return QString::fromUtf8(Utf8); }

// Column 1 a row id, column 2 the group value, column 3 a number.
struct GroupTest : ::testing::Test {
    TDataGrid g{nullptr};
    void Fill(const std::vector<const char*>& Values)
    {
        g.SetColCount(4);
        g.SetRowCount(int(Values.size()) + 1);
        g.SetCells(1, 0, S("Id"));
        g.SetCells(2, 0, S("Kind"));
        g.SetCells(3, 0, S("Qty"));
        g.SetColWidths(2, 77);
        for (int i = 0; i < int(Values.size()); ++i) {
            g.SetCells(1, i + 1, S("r") + QString::number(i + 1));
            g.SetCells(2, i + 1, S(Values[size_t(i)]));
            g.SetCells(3, i + 1, QString::number(10 * (i + 1)));
        }
    }
    std::vector<String> Col(int C) { return Column(g, C); }
};

}  // namespace

TEST_F(GroupTest, HeadersAsNodesAndTheColumnRemoved)
{
    Fill({"A", "A", "B", "C", "C"});
    g.Group(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(Col(1), (std::vector<String>{S("Id"), S("A"), S("r1"), S("r2"), S("B"), S("r3"), S("C"), S("r4"),
                                           S("r5")}));
    const int headers[] = {1, 4, 6}, spans[] = {3, 2, 3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(g.IsNode(headers[i]));
        EXPECT_EQ(g.GetNodeSpan(headers[i]), spans[i]);
    }
    EXPECT_FALSE(g.IsNode(2));
    // Setting GroupColumn to 0 changes nothing.
    g.SetGroupColumn(0);
    EXPECT_EQ(g.GroupColumn(), 2);
    EXPECT_EQ(g.RowCount(), 9);
}

TEST_F(GroupTest, SummaryRowsFollowTheirGroups)
{
    Fill({"A", "A", "B", "C", "C"});
    g.Grouping()->SetSummary(true);
    g.Grouping()->SetHeaderColor(0x00FF00);
    g.Group(2);
    EXPECT_EQ(Col(1), (std::vector<String>{S("Id"), S("A"), S("r1"), S("r2"), String(), S("B"), S("r3"), String(),
                                           S("C"), S("r4"), S("r5"), String()}));
    for (const int s : {4, 7, 11})
        EXPECT_TRUE(g.IsSummary(s)) << s;
    EXPECT_EQ(g.GetNodeSpan(5), 2);
    EXPECT_EQ(g.Colors(2, 1), TColor(0x00FF00));
    // Sums go to the summary rows, counts too; a contracted group gets none.
    g.ContractNode(g.DisplToRealRow(5));
    g.GroupSum(2);
    EXPECT_EQ(g.Cells(2, 4), S("30.00"));
    EXPECT_EQ(g.Cells(2, 6), String());  // the summary of the contracted group B
    EXPECT_EQ(g.Cells(2, 10), S("90.00"));  // B's row is hidden
}

TEST_F(GroupTest, CalculationsWithoutSummaryGoToTheHeader)
{
    Fill({"A", "A", "B"});
    g.Group(2);
    g.GroupSum(2);
    EXPECT_EQ(g.Cells(2, 1), S("30.00"));
    EXPECT_EQ(g.Cells(2, 4), S("30.00"));
    g.GroupCount(1);
    EXPECT_EQ(g.Cells(1, 1), S("2"));
    g.Grouping()->SetShowGroupCount(true);
    EXPECT_EQ(g.Cells(1, 1), S("2 (2)"));
}

TEST_F(GroupTest, GroupingByColumnOneKeepsTheValuesInColumnOne)
{
    Fill({"x", "y"});
    g.Group(1);  // the ids are all different: two groups
    EXPECT_EQ(g.GroupColumn(), 1);
    EXPECT_EQ(Col(1), (std::vector<String>{S("Kind"), S("r1"), S("x"), S("r2"), S("y")}));
    g.UnGroup();
    EXPECT_EQ(Col(1), (std::vector<String>{S("Id"), S("r1"), S("r2")}));
    EXPECT_EQ(Col(2), (std::vector<String>{S("Kind"), S("x"), S("y")}));
}

TEST_F(GroupTest, UnGroupRestoresTextsWidthAndCaption)
{
    Fill({"B", "A", "B", "\u00ff\u00fe"});
    g.SortSettings()->SetAutoSortForGrouping(false);
    g.Grouping()->SetSummary(true);
    g.Group(2);
    // A first value equal to the old marker text still starts a group.
    EXPECT_EQ(g.Cells(1, 1), S("B"));
    EXPECT_EQ(g.GetNodeSpan(1), 2);
    g.SetGroupColumn(-1);
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.ColWidths(2), 77);
    EXPECT_EQ(Col(2), (std::vector<String>{S("Kind"), S("B"), S("A"), S("B"), S("\u00ff\u00fe")}));
    EXPECT_EQ(Col(1), (std::vector<String>{S("Id"), S("r1"), S("r2"), S("r3"), S("r4")}));
    for (int r = 1; r < g.RowCount(); ++r) {
        EXPECT_FALSE(g.IsNode(r));
        EXPECT_FALSE(g.IsSummary(r));
    }
}
