// Nodes: levels and spans, contracting and expanding (nested, one at a
// time, all at once), parents and child rows, the tree-line kinds, the
// glyph hit test, the hidden-row model shared with filters and HideRows,
// and expandable cells.
#include <gtest/gtest.h>

#include "data_grid_fixture.h"
#include "grid/data/grid_data_holders.h"
#include "platform/gui/bitmap.h"

namespace {

struct NodesTest : ::testing::Test {
    TDataGrid g{nullptr};
    NodesTest() { FillGrid(g, 3, 10); }
    int Level(int ARow)
    {
        const TCellProperties* p = g.PropsAt(0, ARow);
        return p ? p->NodeLevel() : 0;
    }
};

}  // namespace

TEST_F(NodesTest, AddNodeRaisesTheLevelsOfItsSpan)
{
    g.AddNode(1, 3);
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_FALSE(g.IsNode(2));
    EXPECT_EQ(g.GetNodeSpan(1), 3);
    EXPECT_EQ(g.GetNodeSpan(2), -1);
    EXPECT_EQ(g.GetNodeLevel(1), 1);
    EXPECT_EQ(g.GetNodeLevel(2), -1);
    EXPECT_EQ((std::vector<int>{Level(0), Level(1), Level(2), Level(3), Level(4)}),
              (std::vector<int>{0, 1, 1, 1, 0}));
    EXPECT_TRUE(g.HasNodes());
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.CellGraphics(0, 1)->CellVar().toInt(), -1);

    // A node inside raises its rows once more; removing takes it back.
    g.AddNode(2, 2);
    EXPECT_EQ((std::vector<int>{Level(1), Level(2), Level(3), Level(4)}), (std::vector<int>{1, 2, 2, 0}));
    g.RemoveNode(1);
    EXPECT_FALSE(g.IsNode(1));
    EXPECT_EQ((std::vector<int>{Level(1), Level(2), Level(3)}), (std::vector<int>{0, 1, 1}));
    g.RemoveAllNodes();
    EXPECT_FALSE(g.HasNodes());
    EXPECT_EQ(Level(2), 0);
}

TEST_F(NodesTest, ContractAndExpandRoundTrip)
{
    g.AddNode(1, 3);
    g.ContractNode(1);
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(g.FindGridItem(2)->HiddenBy(), THiddenBy::hbNode);
    // Contracting twice changes nothing.
    g.ContractNode(1);
    EXPECT_EQ(g.RowCount(), 8);

    g.ExpandNode(1);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
    EXPECT_EQ(g.NumHiddenRows(), 0);

    // SetNodeState takes the same roads; a row that is no node ignores it.
    g.SetNodeState(1, true);
    EXPECT_EQ(g.RowCount(), 8);
    g.SetNodeState(1, false);
    EXPECT_EQ(g.RowCount(), 10);
    g.SetNodeState(5, true);
    EXPECT_EQ(g.RowCount(), 10);
}

TEST_F(NodesTest, ContractingAParentBringsTheInnerNodeBackExpanded)
{
    g.AddNode(1, 6);  // rows 1 .. 6
    g.AddNode(3, 3);  // rows 3 .. 5
    g.ContractNode(3);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 3, 6, 7, 8, 9}));
    g.ContractNode(1);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 7, 8, 9}));
    g.ExpandNode(1);
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
    EXPECT_FALSE(g.GetNodeState(3));
    EXPECT_EQ(g.GetNodeLevel(3), 2);
}

TEST_F(NodesTest, ExpandOneContractsTheOtherNodes)
{
    g.AddNode(1, 2);
    g.AddNode(3, 2);
    g.AddNode(5, 2);
    g.CellNode()->SetExpandOne(true);
    g.ExpandNode(3);
    // Nodes 1 and 5 contracted; node 3 (now shown at row 2) expanded.
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 4, 5, 7, 8, 9}));
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_FALSE(g.GetNodeState(2));
    EXPECT_TRUE(g.GetNodeState(4));

    g.ExpandAll();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(g.GetNodeState(3));

    g.CellNode()->SetExpandOne(false);
    g.ExpandAll();
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
    g.ContractAll();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 5, 7, 8, 9}));
    EXPECT_TRUE(g.GetNodeState(1) && g.GetNodeState(2) && g.GetNodeState(3));
}

TEST_F(NodesTest, ContractAllKeepsInnerNodesExpandedAndExpandAllRestoresEveryRow)
{
    g.AddNode(1, 5);  // rows 1 .. 5
    g.AddNode(2, 2);  // rows 2 .. 3, inside
    g.AddNode(7, 2);  // rows 7 .. 8
    g.ContractAll();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 6, 7, 9}));
    g.ExpandNode(1);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 9}));
    EXPECT_FALSE(g.GetNodeState(2));
    g.ExpandAll();
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
}

TEST_F(NodesTest, OtherHidersRestoreOnlyTheirOwnRows)
{
    g.AddNode(2, 3);  // rows 2 .. 4
    g.ContractNode(2);
    // A filter level hides the node row itself and another row.
    TIntList filtered(-1, -1);
    filtered.Add(2);
    filtered.Add(4);  // real row 6
    g.HideRowList(filtered);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 5, 7, 8, 9}));
    g.UnHideRowList();
    // The filter gives back its rows; the node's rows stay hidden.
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(g.GetNodeState(2));

    // HideRows and UnHideRowsAll beside a contracted node.
    g.HideRows(8, 8);
    g.UnHideRowsAll();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 5, 6, 7, 8, 9}));
    g.ExpandNode(2);
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
}

TEST_F(NodesTest, ParentRows)
{
    g.AddNode(1, 6);  // rows 1 .. 6
    g.AddNode(3, 2);  // rows 3 .. 4
    EXPECT_EQ(g.GetParentRow(2), 1);
    EXPECT_EQ(g.GetParentRow(4), 3);
    EXPECT_EQ(g.GetParentRow(5), 1);
    EXPECT_EQ(g.GetParentRow(3), 1);  // a node answers its enclosing node
    EXPECT_EQ(g.GetParentRow(1), 1);  // ... or itself
    EXPECT_EQ(g.GetParentRow(8), -1);
    EXPECT_EQ(g.GetParentRow(0), -1);
    // A contracted node inside shows its rows less.
    g.ContractNode(3);
    EXPECT_EQ(g.GetParentRow(4), 1);  // real row 5
    EXPECT_EQ(g.GetParentRow(5), 1);  // real row 6, the last
    EXPECT_EQ(g.GetParentRow(6), -1);  // real row 7
}

TEST_F(NodesTest, ChildRowsGrowAndShrinkTheSpan)
{
    g.AddNode(1, 2);  // rows 1 .. 2
    g.InsertChildRow(1, 0);
    EXPECT_EQ(g.GetNodeSpan(1), 3);
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(1, 2), CellText(1, 1));
    EXPECT_EQ(g.Cells(2, 2), CellText(2, 1));
    EXPECT_EQ(Level(2), 1);
    EXPECT_EQ(g.RowCount(), 11);

    g.RemoveChildRow(2);
    g.RemoveChildRow(2);
    EXPECT_EQ(g.GetNodeSpan(1), 1);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(g.Cells(1, 2), CellText(1, 3));

    // A contracted node is expanded by a child row going into it; hidden
    // rows after the insertion follow.
    g.AddNode(4, 2);  // rows 4 .. 5
    g.ContractNode(4);
    g.InsertChildRow(4, 1);
    EXPECT_FALSE(g.GetNodeState(4));
    EXPECT_EQ(g.GetNodeSpan(4), 3);
    EXPECT_EQ(g.Cells(1, 5), "");
    EXPECT_EQ(g.Cells(1, 6), CellText(1, 6));
}

TEST_F(NodesTest, SpanTypes)
{
    g.AddNode(1, 3);
    EXPECT_EQ(g.GetNodeSpanType(1), 0);
    EXPECT_EQ(g.GetNodeSpanType(2), 2);
    EXPECT_EQ(g.GetNodeSpanType(3), 1);
    EXPECT_EQ(g.GetNodeSpanType(9), 1);  // the last row
}

TEST_F(NodesTest, GlyphHitTablePerNodeType)
{
    g.AddNode(1, 3);
    g.AddNode(2, 2);  // level 2
    struct Case {
        TNodeType Type;
        int Row, X;
        bool Hit;
    };
    // Level L, indent 12: a hit when m + (L - 1) * 12 < X < w + L * 12.
    const Case cases[] = {
        {TNodeType::cnXP, 1, 4, false},    {TNodeType::cnXP, 1, 5, true},   {TNodeType::cnXP, 1, 15, true},
        {TNodeType::cnXP, 1, 16, false},   {TNodeType::cnFlat, 2, 16, false}, {TNodeType::cnFlat, 2, 17, true},
        {TNodeType::cnFlat, 2, 27, true},  {TNodeType::cnFlat, 2, 28, false}, {TNodeType::cn3D, 1, 0, false},
        {TNodeType::cn3D, 1, 1, true},     {TNodeType::cn3D, 1, 17, true},  {TNodeType::cn3D, 1, 18, false},
        {TNodeType::cnLeaf, 1, 2, false},  {TNodeType::cnLeaf, 1, 3, true}, {TNodeType::cnLeaf, 1, 19, true},
        {TNodeType::cnLeaf, 1, 20, false}, {TNodeType::cnGlyph, 1, 1, true}, {TNodeType::cnGlyph, 1, 11, true},
        {TNodeType::cnGlyph, 1, 12, false},
    };
    for (const Case& c : cases) {
        g.CellNode()->SetNodeType(c.Type);
        EXPECT_EQ(g.IsNodeGlyphHit(c.Row, c.X), c.Hit) << int(c.Type) << " row " << c.Row << " x " << c.X;
    }
    // A glyph 16 wide: w 8, m 2.
    g.CellNode()->SetExpandGlyph(TBitmap(16, 16));
    EXPECT_FALSE(g.IsNodeGlyphHit(1, 2));
    EXPECT_TRUE(g.IsNodeGlyphHit(1, 19));
    EXPECT_FALSE(g.IsNodeGlyphHit(1, 20));
    g.MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(g.IsNodeGlyphHit(1, 500));
}

TEST_F(NodesTest, ExpandableCells)
{
    g.SetRowHeights(5, 20);
    g.AddExpand(1, 5, 60);
    EXPECT_TRUE(g.HasExpand(1, 5));
    EXPECT_FALSE(g.HasExpand(-1, 5));
    EXPECT_FALSE(g.GetExpandState(1, 5));
    EXPECT_TRUE(g.ToggleExpand(1, 5));
    EXPECT_TRUE(g.GetExpandState(1, 5));
    EXPECT_EQ(g.GetExpandHeight(1, 5, true), 60);
    EXPECT_EQ(g.GetExpandHeight(1, 5, false), 20);
    EXPECT_FALSE(g.ToggleExpand(1, 5));
    EXPECT_FALSE(g.ToggleExpand(2, 5));
    EXPECT_EQ(g.GetExpandHeight(2, 5, true), g.DefaultRowHeight());
    g.RemoveExpand(1, 5);
    EXPECT_FALSE(g.HasExpand(1, 5));
    EXPECT_THROW(g.AddExpand(1, 50, 60), Exception);
}

TEST_F(NodesTest, ManyNodesContractAndExpandInOnePass)
{
    FillGrid(g, 3, 1 + 3 * 500);
    for (int n = 0; n < 500; ++n)
        g.AddNode(1 + 3 * n, 3);
    g.ContractAll();
    EXPECT_EQ(g.RowCount(), 1 + 500);
    EXPECT_EQ(g.Cells(1, 500), CellText(1, 1 + 3 * 499));
    g.ExpandAll();
    EXPECT_EQ(RowOrder(g), Iota(0, 3 * 500));
    EXPECT_EQ(g.NumHiddenRows(), 0);
}
