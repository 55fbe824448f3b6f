// Rows in bulk: InsertRows, DeleteRows, ExchangeRows, PermuteRows move the
// texts, objects and heights of whole rows, check their arguments and notify
// once.
#include <functional>

#include "grid_fixture.h"

namespace {

TObject* Obj(int N)
{
    static TObject objects[16];
    return &objects[N];
}

// Six rows of three columns (one fixed row). Row r holds "r<r>" in column
// 0, "x<r>" in column 2, Obj(r) in column 1, "k<r>" in column 4 (a column
// kept beyond ColCount) and is 20 + r pixels high.
struct RowsGrid : TRecordingGrid {
    explicit RowsGrid() : TRecordingGrid(nullptr)
    {
        SetColCount(5);
        SetRowCount(6);
        for (int r = 0; r < 6; ++r) {
            SetCells(0, r, QString("r%1").arg(r));
            SetCells(2, r, QString("x%1").arg(r));
            SetCells(4, r, QString("k%1").arg(r));
            SetObjects(1, r, Obj(r));
            SetRowHeights(r, 20 + r);
        }
        SetColCount(3);
        Clear();
    }

    // The rows as "r<n>" each ("-" for a new empty row of the default
    // height); a row whose parts did not travel together shows as "?".
    std::string Layout()
    {
        std::string s;
        for (int r = 0; r < RowCount(); ++r) {
            const QString t = Cells(0, r);
            std::string one;
            if (t.isEmpty()) {
                const bool empty = Cells(2, r).isEmpty() && Cells(4, r).isEmpty() && !Objects(1, r) &&
                                   RowHeights(r) == DefaultRowHeight();
                one = empty ? "-" : "?";
            } else {
                const int n = t.mid(1).toInt();
                const bool whole = Cells(2, r) == QString("x%1").arg(n) && Cells(4, r) == QString("k%1").arg(n) &&
                                   Objects(1, r) == Obj(n) && RowHeights(r) == 20 + n;
                one = whole ? t.toStdString() : "?";
            }
            s += (s.empty() ? "" : " ") + one;
        }
        return s;
    }
};

const std::string Unchanged = "r0 r1 r2 r3 r4 r5";

}  // namespace

TEST(GridRows, TextsObjectsAndHeightsTravelWithTheirRows)
{
    struct Case {
        const char* Name;
        std::function<void(TStringGrid&)> Op;
        std::string Layout;  // empty: the call raises
        std::vector<std::string> Log;
    };
    const std::vector<Case> cases = {
        {"insert at the start", [](TStringGrid& g) { g.InsertRows(0, 2); }, "- - r0 r1 r2 r3 r4 r5",
         {"SizeChanged 3,6"}},
        {"insert in the middle", [](TStringGrid& g) { g.InsertRows(3, 1); }, "r0 r1 r2 - r3 r4 r5",
         {"SizeChanged 3,6"}},
        {"insert at the end", [](TStringGrid& g) { g.InsertRows(6, 2); }, "r0 r1 r2 r3 r4 r5 - -",
         {"SizeChanged 3,6"}},
        {"insert none", [](TStringGrid& g) { g.InsertRows(2, 0); }, Unchanged, {}},
        {"insert before the start", [](TStringGrid& g) { g.InsertRows(-1, 1); }, "", {}},
        {"insert past the end", [](TStringGrid& g) { g.InsertRows(7, 1); }, "", {}},
        {"insert a negative count", [](TStringGrid& g) { g.InsertRows(1, -1); }, "", {}},
        {"insert an overflowing count", [](TStringGrid& g) { g.InsertRows(1, 0x7fffffff); }, "", {}},
        {"delete at the start", [](TStringGrid& g) { g.DeleteRows(0, 2); }, "r2 r3 r4 r5",
         {"DropCells 0,0,4,1", "SizeChanged 3,6"}},
        {"delete in the middle", [](TStringGrid& g) { g.DeleteRows(2, 3); }, "r0 r1 r5",
         {"DropCells 0,2,4,4", "SizeChanged 3,6"}},
        {"delete at the end", [](TStringGrid& g) { g.DeleteRows(4, 2); }, "r0 r1 r2 r3",
         {"DropCells 0,4,4,5", "SizeChanged 3,6"}},
        {"delete none", [](TStringGrid& g) { g.DeleteRows(3, 0); }, Unchanged, {}},
        {"delete none at the end", [](TStringGrid& g) { g.DeleteRows(6, 0); }, Unchanged, {}},
        {"delete before the start", [](TStringGrid& g) { g.DeleteRows(-1, 1); }, "", {}},
        {"delete past the end", [](TStringGrid& g) { g.DeleteRows(5, 2); }, "", {}},
        {"delete from past the end", [](TStringGrid& g) { g.DeleteRows(7, 0); }, "", {}},
        {"delete a negative count", [](TStringGrid& g) { g.DeleteRows(2, -1); }, "", {}},
        {"delete every row", [](TStringGrid& g) { g.DeleteRows(0, 6); }, "", {}},
        {"exchange", [](TStringGrid& g) { g.ExchangeRows(1, 4); }, "r0 r4 r2 r3 r1 r5", {}},
        {"exchange with the fixed row", [](TStringGrid& g) { g.ExchangeRows(5, 0); }, "r5 r1 r2 r3 r4 r0", {}},
        {"exchange a row with itself", [](TStringGrid& g) { g.ExchangeRows(2, 2); }, Unchanged, {}},
        {"exchange past the end", [](TStringGrid& g) { g.ExchangeRows(0, 6); }, "", {}},
        {"exchange a negative index", [](TStringGrid& g) { g.ExchangeRows(-1, 2); }, "", {}},
        {"permute in reverse", [](TStringGrid& g) { g.PermuteRows({5, 4, 3, 2, 1, 0}); }, "r5 r4 r3 r2 r1 r0", {}},
        {"permute", [](TStringGrid& g) { g.PermuteRows({0, 3, 1, 5, 2, 4}); }, "r0 r3 r1 r5 r2 r4", {}},
        {"permute as it is", [](TStringGrid& g) { g.PermuteRows({0, 1, 2, 3, 4, 5}); }, Unchanged, {}},
        {"permute with a row twice", [](TStringGrid& g) { g.PermuteRows({0, 1, 2, 3, 4, 4}); }, "", {}},
        {"permute past the end", [](TStringGrid& g) { g.PermuteRows({0, 1, 2, 3, 4, 6}); }, "", {}},
        {"permute a negative index", [](TStringGrid& g) { g.PermuteRows({0, 1, 2, 3, 4, -1}); }, "", {}},
        {"permute too few rows", [](TStringGrid& g) { g.PermuteRows({1, 0}); }, "", {}},
        {"permute too many rows", [](TStringGrid& g) { g.PermuteRows({0, 1, 2, 3, 4, 5, 6}); }, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        RowsGrid g;
        if (c.Layout.empty()) {
            EXPECT_THROW(c.Op(g), EInvalidGridOperation);
            EXPECT_EQ(g.Layout(), Unchanged);
        } else {
            c.Op(g);
            EXPECT_EQ(g.Layout(), c.Layout);
        }
        // One notification per call that changes something; never RowMoved.
        EXPECT_EQ(g.Log, c.Log);
    }
}

TEST(GridRows, TheCurrentCellAndTheAnchorStayOnTheirRows)
{
    struct Case {
        const char* Name;
        std::function<void(TStringGrid&)> Op;
        int Row, Anchor;
    };
    // Before each call: anchor on row 2, current cell on row 4.
    const std::vector<Case> cases = {
        {"insert above both", [](TStringGrid& g) { g.InsertRows(1, 2); }, 6, 4},
        {"insert between", [](TStringGrid& g) { g.InsertRows(3, 1); }, 5, 2},
        {"insert below both", [](TStringGrid& g) { g.InsertRows(5, 1); }, 4, 2},
        {"delete above both", [](TStringGrid& g) { g.DeleteRows(1, 1); }, 3, 1},
        {"delete the current row: the next one", [](TStringGrid& g) { g.DeleteRows(3, 2); }, 3, 2},
        {"delete the last rows: the new last one", [](TStringGrid& g) { g.DeleteRows(4, 2); }, 3, 2},
        {"delete both rows", [](TStringGrid& g) { g.DeleteRows(2, 3); }, 2, 2},
        {"exchange the current row", [](TStringGrid& g) { g.ExchangeRows(4, 1); }, 1, 2},
        {"exchange both", [](TStringGrid& g) { g.ExchangeRows(2, 4); }, 2, 4},
        {"exchange into the fixed row: the first scrollable row", [](TStringGrid& g) { g.ExchangeRows(0, 4); }, 1,
         2},
        {"permute", [](TStringGrid& g) { g.PermuteRows({0, 4, 5, 1, 2, 3}); }, 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        RowsGrid g;
        g.SetSelection({1, 2, 1, 4});
        c.Op(g);
        EXPECT_EQ(g.Row(), c.Row);
        EXPECT_EQ(g.Selection(), (TGridRect{1, std::min(c.Row, c.Anchor), 1, std::max(c.Row, c.Anchor)}));
    }
}

TEST(GridRows, DeletedRowsAreReportedWhileReadableAndTheFixedCountFollows)
{
    struct TOwningGrid : RowsGrid {
        std::vector<TObject*> Freed;

    protected:
        void DropCells(const TGridRect& R) override
        {
            RowsGrid::DropCells(R);
            for (int r = R.Top; r <= R.Bottom; ++r)
                for (int c = R.Left; c <= R.Right; ++c)
                    if (TObject* o = Objects(c, r))
                        Freed.push_back(o);
        }
    } g;
    g.SetFixedRows(3);
    g.DeleteRows(1, 4);
    EXPECT_EQ(g.Freed, (std::vector<TObject*>{Obj(1), Obj(2), Obj(3), Obj(4)}));
    EXPECT_EQ(g.Layout(), "r0 r5");
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.Row(), 1);
    // The kept column came along and shows again with the column count.
    g.SetColCount(5);
    EXPECT_EQ(g.Cells(4, 1), "k5");
}

TEST_F(GridTest, AnOpenEditorStoresItsTextAndFollowsItsRow)
{
    grid->SetOptions(grid->Options() + TGridOptions{goEditing, goAlwaysShowEditor});
    grid->SetCol(2);
    grid->SetRow(3);
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    TestKit::TypeText(nullptr, "z");
    grid->Clear();
    grid->InsertRows(1, 2);
    EXPECT_EQ(grid->Cells(2, 5), "z");
    EXPECT_EQ(Cur(), "2,5");
    ASSERT_TRUE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "z");
    EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(2, 5));
    EXPECT_EQ(LogWith("SizeChanged"), std::vector<std::string>{"SizeChanged 10,20"});

    TestKit::TypeText(nullptr, "y");  // the editor opened with its text selected
    std::vector<int> order(size_t(grid->RowCount()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(order.size() - 1 - i);
    grid->PermuteRows(order);
    const int moved = grid->RowCount() - 1 - 5;
    EXPECT_EQ(grid->Cells(2, moved), "y");
    EXPECT_EQ(grid->Row(), moved);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "y");
}

TEST(GridRows, ARowsRecordLeavesAndComesBackWithoutCopiesOrNotifications)
{
    RowsGrid g;
    // Released: the row stays and reads empty; the record holds every cell,
    // the column kept beyond ColCount included, and the object slot.
    std::unique_ptr<TStringGrid::TRowData> r2 = g.ReleaseRowData(2);
    ASSERT_NE(r2, nullptr);
    const String* text = r2->Texts.data();
    EXPECT_EQ(r2->Texts.at(0), "r2");
    EXPECT_EQ(r2->Texts.at(4), "k2");
    EXPECT_EQ(r2->Objects.at(1), Obj(2));
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(0, 2), "");
    EXPECT_EQ(g.Cells(4, 2), "");
    EXPECT_EQ(g.Objects(1, 2), nullptr);
    EXPECT_EQ(g.RowHeights(2), 22) << "the height is the caller's to keep";
    // A row never written has no record.
    g.InsertRows(6, 1);
    g.Clear();
    EXPECT_EQ(g.ReleaseRowData(6), nullptr);
    // Adopted by another empty row: the same record, not a copy.
    g.AdoptRowData(6, std::move(r2));
    EXPECT_EQ(r2, nullptr);
    EXPECT_EQ(g.Cells(0, 6), "r2");
    EXPECT_EQ(g.Cells(4, 6), "k2");
    EXPECT_EQ(g.Objects(1, 6), Obj(2));
    std::unique_ptr<TStringGrid::TRowData> again = g.ReleaseRowData(6);
    EXPECT_EQ(again->Texts.data(), text);
    // The released slot takes a record back; nullptr changes nothing.
    g.AdoptRowData(2, std::move(again));
    std::unique_ptr<TStringGrid::TRowData> none;
    g.AdoptRowData(3, std::move(none));
    EXPECT_EQ(g.Layout(), "r0 r1 r2 r3 r4 r5 -");
    EXPECT_TRUE(g.Log.empty()) << "no notification of either";
    // A row holding a record, or an index out of range, raises and keeps
    // both the row and the caller's record.
    std::unique_ptr<TStringGrid::TRowData> spare = g.ReleaseRowData(5);
    for (const int row : {1, -1, 7}) {
        SCOPED_TRACE(row);
        EXPECT_THROW(g.AdoptRowData(row, std::move(spare)), EInvalidGridOperation);
        ASSERT_NE(spare, nullptr);
        EXPECT_EQ(spare->Texts.at(0), "r5");
    }
    EXPECT_EQ(g.Cells(0, 1), "r1");
    EXPECT_THROW(g.ReleaseRowData(7), EInvalidGridOperation);
    EXPECT_THROW(g.ReleaseRowData(-1), EInvalidGridOperation);
    g.AdoptRowData(5, std::move(spare));
    EXPECT_EQ(g.Layout(), "r0 r1 r2 r3 r4 r5 -");
    // A record released from a row that then moves away comes back where
    // it is put: the store moves pointers, the record is no row's.
    std::unique_ptr<TStringGrid::TRowData> r4 = g.ReleaseRowData(4);
    g.DeleteRows(4, 1);
    g.InsertRows(0, 1);
    g.AdoptRowData(0, std::move(r4));
    g.SetRowHeights(0, 24);
    EXPECT_EQ(g.Layout(), "r4 r0 r1 r2 r3 r5 -");
}
