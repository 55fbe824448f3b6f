// The string grid's cells: texts and object slots, the row and column views,
// what shrinking, moving, inserting and deleting do to them.
#include "grid_fixture.h"
#include "platform/rtl/stringlist.h"

namespace {

// Objects are only addresses here; the grid never frees them.
TObject* Obj(int N)
{
    static TObject objects[16];
    return &objects[N];
}

std::string RowText(TStringGrid& G, int ARow, int Cols)
{
    std::string r;
    for (int c = 0; c < Cols; ++c)
        r += (c ? "|" : "") + G.Cells(c, ARow).toStdString();
    return r;
}

}  // namespace

TEST(GridStorage, TextAndObjectAreIndependent)
{
    TStringGrid g(nullptr);
    g.SetObjects(2, 3, Obj(1));
    EXPECT_EQ(g.Cells(2, 3), "");
    EXPECT_EQ(g.Objects(2, 3), Obj(1));
    g.SetCells(2, 3, "x");
    g.SetCells(2, 3, "");
    EXPECT_EQ(g.Objects(2, 3), Obj(1));
    g.SetObjects(2, 3, nullptr);
    g.SetCells(2, 3, "y");
    EXPECT_EQ(g.Cells(2, 3), "y");
    EXPECT_EQ(g.Objects(2, 3), nullptr);
    // Unwritten cells are empty; so is every cell read outside the grid.
    EXPECT_EQ(g.Cells(4, 4), "");
    EXPECT_EQ(g.Objects(4, 4), nullptr);
    EXPECT_EQ(g.Cells(50, 50), "");
    EXPECT_THROW(g.Cells(-1, 0), EInvalidGridOperation);
    // Writing nothing outside the rows is allowed; writing something raises.
    g.SetCells(0, 9, "");
    g.SetObjects(0, 9, nullptr);
    EXPECT_THROW(g.SetCells(0, 9, "z"), EInvalidGridOperation);
    EXPECT_THROW(g.SetObjects(7, 0, Obj(2)), EInvalidGridOperation);
}

TEST(GridStorage, ShrinkingRowsReportsTheDroppedCellsWhileTheyAreReadable)
{
    struct TOwningGrid : TStringGrid {
        using TStringGrid::TStringGrid;
        std::vector<TObject*> Freed;
        std::vector<std::string> Seen;

    protected:
        void DropCells(const TGridRect& R) override
        {
            for (int r = R.Top; r <= R.Bottom; ++r)
                for (int c = R.Left; c <= R.Right; ++c) {
                    if (TObject* o = Objects(c, r))
                        Freed.push_back(o);
                    if (!Cells(c, r).isEmpty())
                        Seen.push_back(Cells(c, r).toStdString());
                }
        }
    } g(nullptr);
    g.SetColCount(3);
    g.SetCells(0, 4, "a");
    g.SetObjects(2, 4, Obj(1));
    g.SetObjects(1, 3, Obj(2));
    g.SetObjects(1, 1, Obj(3));
    g.SetRowCount(3);
    EXPECT_EQ(g.Freed, (std::vector<TObject*>{Obj(2), Obj(1)}));
    EXPECT_EQ(g.Seen, (std::vector<std::string>{"a"}));
    // Growing again gives empty cells.
    g.SetRowCount(5);
    EXPECT_EQ(g.Cells(0, 4), "");
    EXPECT_EQ(g.Objects(2, 4), nullptr);
    EXPECT_EQ(g.Objects(1, 1), Obj(3));
}

TEST(GridStorage, ColumnsBeyondTheCountKeepTheirCells)
{
    TRecordingGrid g(nullptr);
    g.SetCells(4, 2, "kept");
    g.SetObjects(4, 2, Obj(4));
    g.SetColCount(3);
    EXPECT_TRUE(g.Dropped.empty());
    EXPECT_EQ(g.StoredColCount(), 5);
    // Still readable and writable up to the largest count the grid had.
    EXPECT_EQ(g.Cells(4, 2), "kept");
    g.SetCells(3, 2, "also");
    EXPECT_THROW(g.SetCells(5, 2, "no"), EInvalidGridOperation);
    g.SetColCount(5);
    EXPECT_EQ(g.Cells(4, 2), "kept");
    EXPECT_EQ(g.Cells(3, 2), "also");
    EXPECT_EQ(g.Objects(4, 2), Obj(4));
}

TEST(GridStorage, RowAndColumnViews)
{
    TStringGrid g(nullptr);
    g.SetCells(0, 1, "a");
    g.SetCells(1, 1, "b");
    g.SetObjects(1, 1, Obj(5));
    g.SetCells(4, 1, "e");
    g.SetCells(0, 2, "x");
    g.SetObjects(3, 2, Obj(6));

    EXPECT_EQ(g.Rows(1).Count(), 5);
    EXPECT_EQ(g.Rows(1).ToQStringList(), QStringList({"a", "b", "", "", "e"}));
    EXPECT_EQ(g.Cols(0).ToQStringList(), QStringList({"", "a", "x", "", ""}));
    EXPECT_EQ(g.Rows(1).Objects(1), Obj(5));

    // Row 2 := row 1: texts and slots are copied, the objects are shared.
    g.Rows(2).Assign(g.Rows(1));
    EXPECT_EQ(RowText(g, 2, 5), "a|b|||e");
    EXPECT_EQ(g.Objects(1, 2), Obj(5));
    EXPECT_EQ(g.Objects(3, 2), nullptr);
    // The copies are independent afterwards.
    g.SetCells(0, 2, "changed");
    EXPECT_EQ(g.Cells(0, 1), "a");

    // From a list: item i to cell i, the rest cleared.
    TStringList list;
    list.AddObject("p", Obj(7));
    list.Add("q");
    g.Rows(1).Assign(list);
    EXPECT_EQ(RowText(g, 1, 5), "p|q|||");
    EXPECT_EQ(g.Objects(0, 1), Obj(7));
    EXPECT_EQ(g.Objects(1, 1), nullptr);

    g.Cols(0).SetStrings(4, "bottom");
    EXPECT_EQ(g.Cells(0, 4), "bottom");
    g.Rows(2).Clear();
    EXPECT_EQ(RowText(g, 2, 5), "||||");
    EXPECT_EQ(g.Objects(1, 2), nullptr);
    EXPECT_THROW(g.Rows(1).Strings(5), EStringListError);
}

TEST(GridStorage, RowCopyTakesTheKeptColumnsToo)
{
    TStringGrid g(nullptr);
    g.SetCells(4, 1, "hidden");
    g.SetColCount(3);
    g.Rows(3).Assign(g.Rows(1));
    g.SetColCount(5);
    EXPECT_EQ(g.Cells(4, 3), "hidden");
}

TEST(GridStorage, MoveColumnCarriesTextsObjectsAndWidths)
{
    TRecordingGrid g(nullptr);
    for (int c = 0; c < 5; ++c) {
        g.SetCells(c, 2, QString("c%1").arg(c));
        g.SetColWidths(c, 10 + c);
    }
    g.SetObjects(1, 2, Obj(8));
    g.OnColumnMoved = [&](TObject*, int From, int To) {
        // The data has moved when the event fires.
        g.Log.push_back("OnColumnMoved " + Num(From) + "," + Num(To) + " " + g.Cells(3, 2).toStdString());
    };
    g.Clear();
    g.MoveColumn(1, 3);
    EXPECT_EQ(RowText(g, 2, 5), "c0|c2|c3|c1|c4");
    EXPECT_EQ(g.Objects(3, 2), Obj(8));
    EXPECT_EQ(g.Objects(1, 2), nullptr);
    EXPECT_EQ(g.ColWidths(3), 11);
    EXPECT_EQ(g.ColWidths(1), 12);
    EXPECT_EQ(g.Log, (std::vector<std::string>{"ColumnMoved 1,3", "OnColumnMoved 1,3 c1"}));
    g.MoveColumn(4, 0);
    EXPECT_EQ(RowText(g, 2, 5), "c4|c0|c2|c3|c1");
}

TEST(GridStorage, MovingRowsMovesTheCurrentCellAlong)
{
    TRecordingGrid g(nullptr);
    for (int r = 0; r < 5; ++r)
        g.SetCells(0, r, QString("r%1").arg(r));
    g.SetRowHeights(1, 11);
    g.SetRow(1);
    g.MoveRow(1, 4);
    EXPECT_EQ(g.Cols(0).ToQStringList(), QStringList({"r0", "r2", "r3", "r4", "r1"}));
    EXPECT_EQ(g.RowHeights(4), 11);
    EXPECT_EQ(g.Row(), 4);
    EXPECT_EQ(g.Selection(), (TGridRect{1, 4, 1, 4}));
}

TEST(GridStorage, InsertAndDeleteRowsAndColumns)
{
    TRecordingGrid g(nullptr);
    for (int r = 0; r < 5; ++r)
        g.SetCells(0, r, QString("r%1").arg(r));
    g.SetObjects(0, 2, Obj(9));
    g.Clear();
    g.DeleteRow(2);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cols(0).ToQStringList(), QStringList({"r0", "r1", "r3", "r4"}));
    // The deleted row travels to the end and leaves as a dropped row.
    EXPECT_EQ(Filter(g.Log, "RowMoved"), std::vector<std::string>{"RowMoved 2,4"});
    ASSERT_EQ(g.Dropped.size(), 1u);
    EXPECT_EQ(g.Dropped[0], (TGridRect{0, 4, 4, 4}));

    g.InsertRow(1);
    EXPECT_EQ(g.Cols(0).ToQStringList(), QStringList({"r0", "", "r1", "r3", "r4"}));
    g.InsertRow(5);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(0, 5), "");

    g.SetCells(2, 1, "two");
    g.SetCells(3, 1, "three");
    g.Clear();
    g.DeleteColumn(2);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.Cells(2, 1), "three");
    ASSERT_EQ(g.Dropped.size(), 1u);
    EXPECT_EQ(g.Dropped[0], (TGridRect{4, 0, 4, 5}));
    // The deleted column's cells do not come back with the column count.
    g.InsertColumn(4);
    EXPECT_EQ(g.Cells(4, 1), "");
    EXPECT_EQ(g.Cells(3, 1), "");
    EXPECT_EQ(g.Cells(2, 1), "three");
}
