// Cells of columns in bulk: InsertColumnCells and DeleteColumnCells shift
// the texts and objects of every row within the columns below a limit,
// check their arguments and repaint once.
#include <functional>

#include "grid_fixture.h"

namespace {

TObject* Obj(int N)
{
    static TObject objects[8];
    return &objects[N];
}

// Three rows over six stored columns, ColCount 5 (column 5 is kept beyond
// the count). Row 0 holds "a0".."a5", objects in columns 1 and 4; row 1 only
// "b0", "b1", written while the grid had two columns (its cells end there);
// row 2 was never written.
struct ColumnsGrid : TRecordingGrid {
    ColumnsGrid() : TRecordingGrid(nullptr)
    {
        SetColCount(6);
        SetRowCount(3);
        for (int c = 0; c < 6; ++c)
            SetCells(c, 0, QString("a%1").arg(c));
        SetObjects(1, 0, Obj(1));
        SetObjects(4, 0, Obj(4));
        SetColCount(2);
        SetCells(0, 1, "b0");
        SetCells(1, 1, "b1");
        SetColCount(5);
        Clear();
    }

    // Each row's six stored cells as text (with "*n" for Obj(n)), "-" for
    // an empty cell; rows separated by " | ".
    std::string Layout()
    {
        std::string s;
        for (int r = 0; r < RowCount(); ++r) {
            if (r > 0)
                s += " | ";
            for (int c = 0; c < 6; ++c) {
                std::string one = Cells(c, r).isEmpty() ? "-" : Cells(c, r).toStdString();
                for (int n = 0; n < 8; ++n)
                    if (Objects(c, r) == Obj(n))
                        one += "*" + Num(n);
                s += (c > 0 ? " " : "") + one;
            }
        }
        return s;
    }
};

const std::string Unchanged = "a0 a1*1 a2 a3 a4*4 a5 | b0 b1 - - - - | - - - - - -";

}  // namespace

TEST(GridColumnCells, TextsAndObjectsShiftWithinTheLimit)
{
    struct Case {
        const char* Name;
        std::function<void(TStringGrid&)> Op;
        std::string Layout;  // empty: the call raises
    };
    const std::vector<Case> cases = {
        {"insert at the start", [](TStringGrid& g) { g.InsertColumnCells(0, 2, 6); },
         "- - a0 a1*1 a2 a3 | - - b0 b1 - - | - - - - - -"},
        {"insert in the middle, the kept column stays", [](TStringGrid& g) { g.InsertColumnCells(1, 1, 5); },
         "a0 - a1*1 a2 a3 a5 | b0 - b1 - - - | - - - - - -"},
        {"insert in front of the limit", [](TStringGrid& g) { g.InsertColumnCells(3, 2, 5); },
         "a0 a1*1 a2 - - a5 | b0 b1 - - - - | - - - - - -"},
        {"insert past a short row's cells", [](TStringGrid& g) { g.InsertColumnCells(2, 1, 6); },
         "a0 a1*1 - a2 a3 a4*4 | b0 b1 - - - - | - - - - - -"},
        {"insert none", [](TStringGrid& g) { g.InsertColumnCells(2, 0, 6); }, Unchanged},
        {"delete at the start", [](TStringGrid& g) { g.DeleteColumnCells(0, 2, 6); },
         "a2 a3 a4*4 a5 - - | - - - - - - | - - - - - -"},
        {"delete in the middle, the kept column stays", [](TStringGrid& g) { g.DeleteColumnCells(1, 2, 5); },
         "a0 a3 a4*4 - - a5 | b0 - - - - - | - - - - - -"},
        {"delete the last columns below the limit", [](TStringGrid& g) { g.DeleteColumnCells(3, 2, 5); },
         "a0 a1*1 a2 - - a5 | b0 b1 - - - - | - - - - - -"},
        {"delete none", [](TStringGrid& g) { g.DeleteColumnCells(2, 0, 6); }, Unchanged},
        {"delete everything below the limit", [](TStringGrid& g) { g.DeleteColumnCells(0, 6, 6); },
         "- - - - - - | - - - - - - | - - - - - -"},
        {"insert a negative index", [](TStringGrid& g) { g.InsertColumnCells(-1, 1, 6); }, ""},
        {"insert a negative count", [](TStringGrid& g) { g.InsertColumnCells(1, -1, 6); }, ""},
        {"insert past the limit", [](TStringGrid& g) { g.InsertColumnCells(5, 2, 6); }, ""},
        {"insert with a limit past the stored columns", [](TStringGrid& g) { g.InsertColumnCells(0, 1, 7); }, ""},
        {"insert an overflowing count", [](TStringGrid& g) { g.InsertColumnCells(1, 0x7fffffff, 6); }, ""},
        {"delete a negative index", [](TStringGrid& g) { g.DeleteColumnCells(-1, 1, 6); }, ""},
        {"delete past the limit", [](TStringGrid& g) { g.DeleteColumnCells(4, 2, 5); }, ""},
        {"delete with a negative limit", [](TStringGrid& g) { g.DeleteColumnCells(0, 0, -1); }, ""},
        {"delete with a limit past the stored columns", [](TStringGrid& g) { g.DeleteColumnCells(0, 1, 7); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ColumnsGrid g;
        if (c.Layout.empty()) {
            EXPECT_THROW(c.Op(g), EInvalidGridOperation);
            EXPECT_EQ(g.Layout(), Unchanged);
        } else {
            c.Op(g);
            EXPECT_EQ(g.Layout(), c.Layout);
        }
        // No notification of any kind: the counts stay.
        EXPECT_EQ(g.Log, std::vector<std::string>{});
        EXPECT_EQ(g.ColCount(), 5);
        EXPECT_EQ(g.RowCount(), 3);
    }
}

TEST_F(GridTest, AnOpenEditorShowsTheCellThatMovedIntoItsColumn)
{
    grid->SetOptions(grid->Options() + TGridOptions{goEditing, goAlwaysShowEditor});
    grid->SetCol(3);
    grid->SetRow(2);
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "3,2");
    grid->DeleteColumnCells(1, 1, 10);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "4,2");
    grid->InsertColumnCells(0, 2, 10);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "2,2");
    // Columns right of the editor's leave it alone.
    grid->DeleteColumnCells(5, 1, 10);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "2,2");
}
