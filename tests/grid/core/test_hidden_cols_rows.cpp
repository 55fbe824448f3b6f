// Hidden columns and rows of the string grid: the two index spaces, the
// saved widths, the hidden-row list and the cells across it, the current
// and top row.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "cell_store_fixture.h"
#include "grid/core/grid_options.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"
#include "string_grid_probe.h"

namespace {

struct MapCase {
    const char* What;
    int Got;
    int Expected;
};

void ExpectAll(const std::vector<MapCase>& Cases)
{
    for (const MapCase& c : Cases)
        EXPECT_EQ(c.Got, c.Expected) << c.What;
}

}  // namespace

TEST(HiddenColumns, WithoutHiddenColumnsEveryIndexMapsToItself)
{
    TProbeStringGrid g(nullptr);
    for (int c : {-5, -1, 0, 3, 4, 511, 512, 10000}) {
        EXPECT_EQ(g.RealColIndex(c), c);
        EXPECT_EQ(g.DisplColIndex(c), c);
        EXPECT_FALSE(g.IsHiddenColumn(c));
    }
    EXPECT_EQ(g.NumHiddenColumns(), 0);
}

TEST(HiddenColumns, OneHiddenColumnShiftsTheDisplayIndexes)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(5);
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 1, QString("r%1").arg(c));
    g.SetColWidths(1, 40);
    g.SetColWidths(2, 50);
    g.HideColumn(1);
    ExpectAll({
        {"ColCount", g.ColCount(), 4},
        {"NumHiddenColumns", g.NumHiddenColumns(), 1},
        {"TotalColCount", g.TotalColCount(), 5},
        {"AllColCount", g.AllColCount(), 5},
        {"real 0 -> display", g.DisplColIndex(0), 0},
        {"real 2 -> display", g.DisplColIndex(2), 1},
        {"real 3 -> display", g.RealToDisplCol(3), 2},
        {"real 4 -> display", g.DisplColIndex(4), 3},
        {"hidden real 1 -> the next shown", g.DisplColIndex(1), 1},
        {"display 0 -> real", g.RealColIndex(0), 0},
        {"display 1 -> real", g.RealColIndex(1), 2},
        {"display 3 -> real", g.RealColIndex(3), 4},
        // Past the shown columns every column is shown.
        {"display 4 -> real", g.DisplToRealCol(4), 5},
        {"display 511 -> real", g.RealColIndex(511), 512},
        {"display 5000 -> real", g.RealColIndex(5000), 5001},
        {"negative display", g.RealColIndex(-1), -1},
        {"negative real", g.DisplColIndex(-7), -7},
        // The shown widths moved left, the hidden width is kept.
        {"width shown at display 1", g.ColWidths(1), 50},
        {"AllColWidths of the hidden column", g.AllColWidths(1), 40},
        {"AllColWidths of a shown column", g.AllColWidths(2), 50},
    });
    EXPECT_TRUE(g.IsHiddenColumn(1));
    // The cells stay at their real index.
    EXPECT_EQ(g.Cells(g.RealColIndex(3), 1), "r4");
    EXPECT_EQ(g.Cells(1, 1), "r1");
    // The current column and the real one.
    g.SetCol(1);
    EXPECT_EQ(g.RealCol(), 2);
}

TEST(HiddenColumns, AnyRealColumnCanBeHiddenInAWideGrid)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(600);
    const std::set<int> hidden = {3, 300, 511, 512, 550, 599};
    for (int c : hidden)
        g.HideColumn(c);
    ASSERT_EQ(g.ColCount(), 594);
    ASSERT_EQ(g.TotalColCount(), 600);
    // Every display column against a walk over the flags.
    int d = 0;
    for (int c = 0; c < 600; ++c) {
        EXPECT_EQ(g.IsHiddenColumn(c), hidden.count(c) == 1) << c;
        if (hidden.count(c))
            continue;
        EXPECT_EQ(g.RealColIndex(d), c) << d;
        EXPECT_EQ(g.DisplColIndex(c), d) << c;
        ++d;
    }
    EXPECT_EQ(g.RealColIndex(594), 600);
    // Showing one again moves the mapping back at once.
    g.SetVisibleCol(300, true);
    EXPECT_EQ(g.NumHiddenColumns(), 5);
    EXPECT_EQ(g.RealColIndex(299), 300);
    EXPECT_EQ(g.DisplColIndex(551), 547);
    EXPECT_THROW(g.SetVisibleCol(-1, false), EVynGridError);
}

TEST(HiddenColumns, AllColWidthsOfHiddenAndShownColumns)
{
    TProbeStringGrid g(nullptr);
    g.SetColCount(5);
    g.SetColWidths(2, 70);
    g.HideColumn(2);
    const std::vector<int> shown = {g.ColWidths(0), g.ColWidths(1), g.ColWidths(2), g.ColWidths(3)};
    // Writing a hidden column's width keeps it for later, nothing shown moves.
    g.SetAllColWidths(2, 90);
    EXPECT_EQ(g.AllColWidths(2), 90);
    EXPECT_EQ(std::vector<int>({g.ColWidths(0), g.ColWidths(1), g.ColWidths(2), g.ColWidths(3)}), shown);
    // A shown column is written where it is shown.
    g.SetAllColWidths(3, 33);
    EXPECT_EQ(g.ColWidths(2), 33);
    EXPECT_EQ(g.AllColWidths(3), 33);
    // Outside the grid: an error, and nothing kept.
    EXPECT_THROW(g.SetAllColWidths(7, 10), Exception);
    EXPECT_THROW(g.SetAllColWidths(-1, 10), EVynGridError);
    EXPECT_FALSE(g.IsHiddenColumn(7));
}

// ---- hidden rows --------------------------------------------------------------------------------

TEST(HiddenRows, ARowHiddenAtRealIndexThree)
{
    TProbeStringGrid g(nullptr);
    for (int r = 0; r < 10; ++r)
        g.SetCells(1, r, QString("row%1").arg(r));
    g.HideRow(3);
    ExpectAll({
        {"RowCount", g.RowCount(), 9},
        {"NumHiddenRows", g.NumHiddenRows(), 1},
        {"TotalRowCount", g.TotalRowCount(), 10},
        {"AllRowCount", g.AllRowCount(), 10},
        {"DisplRowIndex(5)", g.DisplRowIndex(5), 4},
        {"RealRowIndex(3)", g.RealRowIndex(3), 4},
        {"RealRowIndex(2)", g.RealRowIndex(2), 2},
        {"hidden real 3 -> the next shown", g.DisplRowIndex(3), 3},
        {"negative display row", g.RealRowIndex(-2), -2},
        {"negative real row", g.DisplRowIndex(-2), -2},
    });
    EXPECT_TRUE(g.IsHiddenRow(3));
    EXPECT_FALSE(g.IsHiddenRow(4));
    EXPECT_EQ(g.Cells(1, 3), "row4");
    g.SetRow(3);
    EXPECT_EQ(g.RealRow(), 4);
}

TEST(HiddenRows, MappingsAgreeWithAWalkOverAllRows)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        TProbeStringGrid g(nullptr);
        g.SetRowCount(60);
        std::set<int> hidden;
        while (hidden.size() < 15)
            hidden.insert(int(rng() % 60));
        // Hidden in a shuffled order: the list keeps itself sorted.
        std::vector<int> order(hidden.begin(), hidden.end());
        std::shuffle(order.begin(), order.end(), rng);
        for (int r : order)
            g.HideRow(r);
        ASSERT_EQ(g.NumHiddenRows(), 15);
        for (int i = 1; i < g.NumHiddenRows(); ++i)
            ASSERT_LT(g.GridItems(i - 1)->Idx(), g.GridItems(i)->Idx());
        int d = 0;
        for (int r = 0; r < 60; ++r) {
            EXPECT_EQ(g.IsHiddenRow(r), hidden.count(r) == 1);
            EXPECT_EQ(g.DisplRowIndex(r), d) << r;
            if (hidden.count(r))
                continue;
            EXPECT_EQ(g.RealRowIndex(d), r) << d;
            ++d;
        }
        // Past the last row every row is shown.
        EXPECT_EQ(g.RealRowIndex(d + 3), 63);
        // Asked in any order, and after the list changed.
        std::vector<int> realOf;
        for (int r = 0; r < 60; ++r)
            if (!hidden.count(r))
                realOf.push_back(r);
        std::vector<int> asks(realOf.size());
        for (size_t i = 0; i < asks.size(); ++i)
            asks[i] = int(i);
        std::shuffle(asks.begin(), asks.end(), rng);
        for (int a : asks)
            EXPECT_EQ(g.RealRowIndex(a), realOf[size_t(a)]) << a;
        // Hiding the first shown row moves every answer on by one row.
        const int first = realOf[0];
        EXPECT_EQ(g.RealRowIndex(0), first);
        g.HideRow(first);
        for (size_t i = 1; i < realOf.size(); ++i)
            EXPECT_EQ(g.RealRowIndex(int(i) - 1), realOf[i]) << i;
    }
}

TEST(HiddenRows, TheAllAccessorsReachHiddenAndShownRows)
{
    TProbeStringGrid g(nullptr);
    g.SetCells(1, 2, "two");
    g.SetCells(1, 4, "four");
    Counted user;
    g.SetObjects(2, 2, &user);
    g.SetColors(3, 2, clRed);
    g.HideRow(2);
    // The saved row keeps its texts and property objects.
    TGridItemCells saved = g.GetHiddenRowCells(2);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Strings(1), "two");
    EXPECT_FALSE(g.GetHiddenRowCells(4));
    auto* props = dynamic_cast<TCellProperties*>(g.GetCellObjectByRealRow(2, 2));
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(props->CellObject(), &user);
    EXPECT_EQ(g.GetCellObjectByRealRow(2, 4), nullptr);
    EXPECT_EQ(g.GetCellObjectByRealRow(-1, 4), nullptr);
    EXPECT_EQ(g.GetCellObjectByRealRow(0, 500), nullptr);
    // Texts and objects by real row.
    EXPECT_EQ(g.AllCells(1, 2), "two");
    EXPECT_EQ(g.AllCells(1, 4), "four");
    EXPECT_EQ(g.AllGridCells(1, 4), "four");
    EXPECT_EQ(g.AllCells(1, -1), "");
    EXPECT_EQ(g.AllObjects(2, 2), &user);
    EXPECT_EQ(g.AllObjects(2, 4), nullptr);
    // Writes: a hidden row's saved cells grow to the column written.
    g.SetAllCells(7, 2, "far");
    g.SetAllGridCells(8, 2, "farther");
    EXPECT_EQ(saved->Count(), 9);
    EXPECT_EQ(g.AllCells(7, 2), "far");
    EXPECT_EQ(g.AllGridCells(8, 2), "farther");
    g.SetAllCells(1, 4, "FOUR");
    EXPECT_EQ(g.Cells(1, 3), "FOUR");
    // A user object for a saved cell without properties gets them.
    Counted other;
    g.SetAllObjects(0, 2, &other);
    EXPECT_EQ(g.AllObjects(0, 2), &other);
    g.SetAllObjects(2, 4, &other);
    EXPECT_EQ(g.Objects(2, 3), &other);
    EXPECT_THROW(g.SetAllCells(-1, 2, "x"), Exception);
    // The same real row cannot be hidden twice.
    auto again = std::make_unique<TGridItem>();
    again->SetIdx(2);
    EXPECT_THROW(g.InsertGridItem(std::move(again)), EVynGridError);
    EXPECT_EQ(g.NumHiddenRows(), 1);
}

TEST(HiddenRows, AHiddenRowsCellsReadAndWriteAsAList)
{
    // The record as the store leaves it: texts and objects of different
    // lengths (the cells past either are empty).
    TObject a, b;
    auto record = [&] {
        auto r = std::make_unique<TStringGrid::TRowData>();
        r->Texts = {"t0", "t1", "t2", "t3"};
        r->Objects = {nullptr, &a};
        return r;
    };
    auto list = [](const TGridItemCells& C) {
        std::string s;
        for (int i = 0; i < C.Count(); ++i)
            s += (i ? " " : "") + C.Strings(i).toStdString() + (C.Objects(i) ? "*" : "");
        return s;
    };
    const struct {
        const char* Name;
        std::function<void(TGridItemCells&)> Op;
        std::string After;
    } cases[] = {
        {"as released", [](TGridItemCells&) {}, "t0 t1* t2 t3"},
        {"add", [&](TGridItemCells& C) { C.AddObject("t4", &b); }, "t0 t1* t2 t3 t4*"},
        {"insert before the first", [](TGridItemCells& C) { C.Insert(0); }, " t0 t1* t2 t3"},
        {"insert at the end", [](TGridItemCells& C) { C.InsertObject(4, "e", nullptr); }, "t0 t1* t2 t3 e"},
        {"delete past the objects", [](TGridItemCells& C) { C.Delete(3); }, "t0 t1* t2"},
        {"delete an object's cell", [](TGridItemCells& C) { C.Delete(1); }, "t0 t2 t3"},
        {"exchange", [](TGridItemCells& C) { C.Exchange(1, 3); }, "t0 t3 t2 t1*"},
        {"move right", [](TGridItemCells& C) { C.Move(1, 3); }, "t0 t2 t3 t1*"},
        {"move left", [](TGridItemCells& C) { C.Move(3, 0); }, "t3 t0 t1* t2"},
        {"write past the objects", [&](TGridItemCells& C) { C.SetObjects(3, &b); }, "t0 t1* t2 t3*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TGridItem item;
        item.SetRowData(record());
        TGridItemCells cells = item.Items();
        c.Op(cells);
        EXPECT_EQ(list(item.Items()), c.After);
    }
    // Outside the list raises as a list does; a row that never held a cell
    // is an empty list that grows on Add.
    TGridItem item;
    TGridItemCells cells = item.Items();
    EXPECT_EQ(cells.Count(), 0);
    EXPECT_THROW(cells.Strings(0), EStringListError);
    EXPECT_THROW(cells.SetObjects(0, &a), EStringListError);
    cells.Add("x");
    cells.Add("y");
    EXPECT_EQ(list(cells), "x y");
    EXPECT_THROW(cells.Move(0, 2), EStringListError);
    EXPECT_THROW(cells.Delete(-1), EStringListError);
    EXPECT_THROW(cells.InsertObject(3, "z", nullptr), EStringListError);
    // The record leaves the item with every cell.
    std::unique_ptr<TStringGrid::TRowData> out = item.ReleaseRowData();
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->Texts, (std::vector<String>{"x", "y"}));
    EXPECT_EQ(item.Items().Count(), 0);
    EXPECT_FALSE(TGridItemCells());
}

TEST(HiddenRows, TheGridFreesTheHiddenRowsPropertyObjects)
{
    CountedProps::Alive = 0;
    {
        TProbeStringGrid g(nullptr);
        g.SetCellProperties(1, 2, new CountedProps(&g, 1, 2));
        g.SetCellProperties(1, 5, new CountedProps(&g, 1, 5));
        g.HideRow(2);
        EXPECT_EQ(CountedProps::Alive, 2);
    }
    EXPECT_EQ(CountedProps::Alive, 0);
}

// ---- current and top row ----------------------------------------------------------------------

TEST(CurrentRow, OnRowUpdateReportsEachChangeOnceAndOnlyToAHandler)
{
    TProbeStringGrid g(nullptr);
    std::vector<std::pair<int, int>> reports;
    g.SetRow(2);  // no handler: nothing recorded
    g.OnRowUpdate = [&](TObject* Sender, int Old, int New) {
        EXPECT_EQ(Sender, &g);
        reports.emplace_back(Old, New);
    };
    g.SetRow(3);
    g.SetRow(3);
    g.SetRow(5);
    g.SetRowEx(5);
    const std::vector<std::pair<int, int>> expected = {{-1, 3}, {3, 5}};
    EXPECT_EQ(reports, expected);
}

TEST(CurrentRow, ALinkedGridFollowsTheRowAndColumn)
{
    TProbeStringGrid a(nullptr), b(nullptr);
    a.SyncGrid()->SetGrid(&b);
    a.SyncGrid()->SetSelectionRow(true);
    a.SyncGrid()->SetSelectionColumn(true);
    a.SetRow(4);
    a.SetCol(3);
    EXPECT_EQ(b.Row(), 4);
    EXPECT_EQ(b.Col(), 3);
    // A row the other grid does not have leaves it where it is.
    a.SetRowCount(20);
    a.SetRow(15);
    EXPECT_EQ(b.Row(), 4);
}

TEST_F(ShownGrid, TopRowIgnoresValuesOutsideTheScrollableRows)
{
    g->SetBounds(0, 0, 300, 120);
    g->SetRowCount(40);
    QCoreApplication::processEvents();
    g->SetTopRow(5);
    EXPECT_EQ(g->TopRow(), 5);
    for (int v : {0, 40, 41, -1}) {
        g->SetTopRow(v);
        EXPECT_EQ(g->TopRow(), 5) << v;
    }
    g->SetTopRow(1);
    EXPECT_EQ(g->TopRow(), 1);
}
