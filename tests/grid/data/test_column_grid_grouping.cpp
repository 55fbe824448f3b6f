// A column grid keeps the grouped column's definition while grouped and
// gives it back to that column on ungrouping, also after sub-grouping and
// when grouping again by another column.
#include <gtest/gtest.h>

#include "grid/core/column_grid.h"
#include "grid/core/column_items.h"

namespace {

struct ColumnGridGrouping : ::testing::Test {
    TVynColumnGrid g{nullptr};
    ColumnGridGrouping()
    {
        g.SetColCount(5);
        g.SetRowCount(5);
        const char* names[] = {"c0", "Id", "Sub", "Kind", "Qty"};
        for (int c = 0; c < 5; ++c) {
            g.Columns()->Items(c)->SetName(QString::fromLatin1(names[c]));
            g.Columns()->Items(c)->SetHeader(QString::fromLatin1(names[c]));
        }
        const char* rows[][4] = {{"r1", "x", "A", "1"}, {"r2", "y", "A", "2"}, {"r3", "z", "B", "3"}, {"r4", "z", "B", "4"}};
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < 5; ++c)
                g.SetCells(c, r, QString::fromLatin1(rows[r - 1][c - 1]));
    }
    std::vector<String> Names()
    {
        std::vector<String> v;
        for (int c = 0; c < g.Columns()->Count(); ++c)
            v.push_back(g.Columns()->Items(c)->Name());
        return v;
    }
};

const std::vector<String> Flat{"c0", "Id", "Sub", "Kind", "Qty"};

}  // namespace

TEST_F(ColumnGridGrouping, TheGroupedColumnGetsItsDefinitionBack)
{
    g.Group(3);
    EXPECT_EQ(Names(), (std::vector<String>{"c0", "Id", "Sub", "Qty"}));
    g.UnGroup();
    EXPECT_EQ(Names(), Flat);
    EXPECT_EQ(g.Columns()->Items(3)->Header(), "Kind");

    // Grouping again by another column gives the first one back first.
    g.Group(3);
    g.Group(2);
    EXPECT_EQ(Names(), (std::vector<String>{"c0", "Id", "Kind", "Qty"}));
    g.UnGroup();
    EXPECT_EQ(Names(), Flat);

    // With sub-groups the column Group took out is the one restored; the
    // sub-grouped column keeps its own definition.
    g.Group(3);
    g.SubGroup(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    g.UnGroup();
    EXPECT_EQ(Names(), Flat);
    EXPECT_EQ(g.Cells(3, 1), "A");
    EXPECT_EQ(g.Cells(2, 2), "y");
}
