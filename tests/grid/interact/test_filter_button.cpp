// The filter button of the header: a release over it opens the column's
// list (nothing without entries); the row keys work with the filter off and
// put it back on.
#include "keys_mouse_fixture.h"

#include "grid/data/grid_filter_holders.h"
#include "platform/gui/popupform.h"

namespace {

struct FilterButtonTest : KeyMouseTest {
    FilterButtonTest()
    {
        for (int r = 1; r < 10; ++r)
            g->SetCells(2, r, r % 2 ? "odd" : "even");
    }
    // A click on the filter button of column C (the header's top right).
    void ClickButton(int C, int Dx = 8)
    {
        const TRect r = g->CellRect(C, 0);
        TestKit::Click(g, r.Right - Dx, r.Top + 5);
    }
    bool ListOpen() { return g->FilterPopup() && g->FilterPopup()->Visible(); }
};

}  // namespace

TEST_F(FilterButtonTest, AReleaseOverTheButtonOpensTheColumnsList)
{
    g->SetFilterDropDownAuto(true);
    ClickButton(2);
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(g->FilterColumn(), 2);
    ASSERT_EQ(g->DropList()->Items().Count(), 3);
    EXPECT_EQ(g->DropList()->Items()[1].toStdString(), "even");
    EXPECT_EQ(g->DropList()->Items()[2].toStdString(), "odd");
    g->HideFilterDropDown();
    // Beside the button (more than 16 pixels from the right): no list.
    ClickButton(2, 20);
    EXPECT_FALSE(ListOpen());
    // The same column opens again once its list is closed.
    ClickButton(2);
    EXPECT_TRUE(ListOpen());
    g->HideFilterDropDown();
    // A column without entries opens nothing.
    g->SetFilterDropDownAuto(false);
    g->OnGetColumnFilter = [](TObject*, int C, TStringList* L) {
        if (C == 3)
            L->Add("one");
    };
    ClickButton(2);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(g->FilterColumn(), -1);
    ClickButton(3);
    EXPECT_TRUE(ListOpen());
    EXPECT_EQ(g->FilterColumn(), 3);
    g->HideFilterDropDown();
}

TEST_F(FilterButtonTest, InsertAndDeleteWorkWithTheFilterOffAndPutItBack)
{
    TFilterData* f = g->Filter()->Add();
    f->SetColumn(2);
    f->SetCondition("odd");
    g->SetFilterActive(true);
    ASSERT_EQ(g->RowCount(), 6);
    g->Navigation()->SetAllowInsertRow(true);
    g->Navigation()->SetAllowDeleteRow(true);
    g->OnCanDeleteRow = [](TObject*, int, bool& D) { D = true; };
    // Display row 2 is real row 3.
    Goto(2, 2);
    Key(VK_INSERT);
    EXPECT_TRUE(g->FilterActive());
    EXPECT_EQ(g->TotalRowCount(), 11);
    // The filter is on again: the empty new row fails it and hides with the
    // other rows that fail it.
    EXPECT_EQ(g->RowCount(), 6);
    for (int r = 1; r < g->RowCount(); ++r)
        EXPECT_EQ(g->Cells(2, r).toStdString(), "odd") << r;
    Goto(2, 2);
    Key(VK_DELETE);
    EXPECT_TRUE(g->FilterActive());
    EXPECT_EQ(g->TotalRowCount(), 10);
    EXPECT_EQ(g->RowCount(), 5);
}
