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

namespace {

// Id, Sub, Kind, Qty: grouped by Kind (column 3), sub-grouped by Sub.
struct SubGroupTest : ::testing::Test {
    TDataGrid g{nullptr};
    const std::vector<std::vector<const char*>> Rows = {{"Id", "Sub", "Kind", "Qty"},
                                                        {"r1", "x", "A", "10"},
                                                        {"r2", "x", "A", "20"},
                                                        {"r3", "y", "A", "30"},
                                                        {"r4", "z", "B", "40"},
                                                        {"r5", "z", "B", "50"}};
    SubGroupTest()
    {
        g.SetColCount(5);
        g.SetRowCount(int(Rows.size()));
        for (int r = 0; r < int(Rows.size()); ++r)
            for (int c = 0; c < 4; ++c)
                g.SetCells(c + 1, r, S(Rows[size_t(r)][size_t(c)]));
    }
    std::vector<String> Col(int C) { return Column(g, C); }
    int Level(int R)
    {
        const TCellProperties* p = g.PropsAt(0, R);
        return p ? p->NodeLevel() : 0;
    }
};

}  // namespace

TEST_F(SubGroupTest, ChildHeadersPerRunInsideEachGroup)
{
    g.Group(3);  // now Id, Sub, Qty
    g.SubGroup(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    const String e;
    EXPECT_EQ(Col(1), (std::vector<String>{S("Id"), S("A"), e, S("r1"), S("r2"), e, S("r3"), S("B"), e, S("r4"),
                                           S("r5")}));
    EXPECT_EQ(Col(2), (std::vector<String>{S("Sub"), e, e, e, e, e, e, e, e, e, e}));
    EXPECT_EQ(Col(3), (std::vector<String>{S("Qty"), e, S("x"), S("10"), S("20"), S("y"), S("30"), e, S("z"),
                                           S("40"), S("50")}));
    // Sub-group nodes over their runs, recording the column, one level
    // down; the groups grew by their sub-group headers.
    const int subs[] = {2, 5, 8}, spans[] = {3, 2, 3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(g.IsNode(subs[i])) << subs[i];
        EXPECT_EQ(g.GetNodeSpan(subs[i]), spans[i]) << subs[i];
        EXPECT_EQ(g.CellGraphics(0, subs[i])->CellVar().toInt(), 2);
        EXPECT_EQ(g.GetNodeLevel(subs[i]), 2);
    }
    EXPECT_EQ(g.GetNodeSpan(1), 6);
    EXPECT_EQ(g.GetSubNodeCount(1), 2);
    EXPECT_EQ(g.GetNodeSpan(7), 4);
    EXPECT_EQ(Level(3), 2);
    // Contracting a sub-group hides only its rows; the group holds it.
    g.ContractNode(g.DisplToRealRow(2));
    EXPECT_EQ(g.Cells(1, 3), String());  // y's header moved up
    EXPECT_EQ(g.Cells(3, 3), S("y"));
    g.ContractNode(g.DisplToRealRow(1));
    EXPECT_EQ(g.Cells(1, 2), S("B"));

    // SubUnGroup writes the values back and takes the headers out.
    g.SubUnGroup(2);
    EXPECT_EQ(g.GroupColumn(), 3);
    EXPECT_EQ(Col(1), (std::vector<String>{S("Id"), S("A"), S("r1"), S("r2"), S("r3"), S("B"), S("r4"), S("r5")}));
    EXPECT_EQ(Col(2), (std::vector<String>{S("Sub"), e, S("x"), S("x"), S("y"), e, S("z"), S("z")}));
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetSubNodeCount(1), 0);
    EXPECT_EQ(g.GetNodeSpan(5), 3);
    // A column never sub-grouped, and a grid never grouped, are left alone.
    g.SubUnGroup(1);
    EXPECT_EQ(g.RowCount(), 8);
    g.UnGroup();
    g.SubGroup(2);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_FALSE(g.HasNodes());
}

TEST_F(SubGroupTest, UnGroupAfterSubGroupGivesTheTableBack)
{
    g.Grouping()->SetSummary(true);
    g.CellNode()->SetExpandOne(true);
    g.Group(3);
    g.SubGroup(2);
    // With Summary the groups keep their summary rows after the sub-groups.
    EXPECT_TRUE(g.IsSummary(7));
    EXPECT_TRUE(g.IsNode(8));
    g.UnGroup();
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_FALSE(g.HasNodes());
    ASSERT_EQ(g.RowCount(), int(Rows.size()));
    ASSERT_EQ(g.ColCount(), 5);
    for (int r = 0; r < int(Rows.size()); ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.Cells(c + 1, r), S(Rows[size_t(r)][size_t(c)])) << c << "," << r;
}
