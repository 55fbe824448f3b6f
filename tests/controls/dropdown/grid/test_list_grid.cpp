// The grid drop-down's list grid: filling from the items, measuring
// columns and wrapped rows, the needed width and the input rules.
#include "griddropdown_fixture.h"

#include "platform/gui/bitmap.h"
#include "platform/gui/input_state.h"

using namespace GridDropDownTestKit;

namespace {

using ListGrid = GridDropDownFixture;

// The single-line width of Text in Font, as the grid measures.
int TextWidth(TVynColGrid* Grid, const TFont& Font, const String& Text)
{
    TCanvas& c = Grid->Canvas();
    TCanvasStateGuard guard(c);
    c.Font().Assign(Font);
    return c.TextWidth(Text);
}

}  // namespace

TEST_F(ListGrid, FillFromItemsGivesTheHeaderRowTheTextsAndTheItemOfEveryRow)
{
    Fill({"Code", "Name"}, {{"1", "Alpha"}, {"2"}});
    grid()->ConfigureFromDropDown(dd);
    grid()->FillFromItems();
    ASSERT_EQ(grid()->ColCount(), 2);
    ASSERT_EQ(grid()->RowCount(), 3);
    EXPECT_EQ(grid()->FixedRows(), 1);
    EXPECT_EQ(rows(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(rows(1), (std::vector<std::string>{"Alpha", ""})) << "a short item gives an empty cell";
    EXPECT_EQ(S(grid()->Cells(0, 0)), "Code");
    EXPECT_EQ(S(grid()->Cells(1, 0)), "Name");
    EXPECT_EQ(grid()->ItemOfRow(1), 0);
    EXPECT_EQ(grid()->ItemOfRow(2), 1);
    EXPECT_EQ(grid()->ItemOfRow(0), -1) << "the header row shows no item";
    // Without an owner nothing happens.
    TVynColGrid lone(nullptr);
    const int rowCount = lone.RowCount(), colCount = lone.ColCount();
    lone.FillFromItems();
    lone.ConfigureFromDropDown(nullptr);
    EXPECT_EQ(lone.RowCount(), rowCount);
    EXPECT_EQ(lone.ColCount(), colCount);
}

TEST_F(ListGrid, AutoSizeColumnsTakeTheWidestTextPlusSixAndRoomForImages)
{
    TImageList images(nullptr, 16, 16);
    dd->SetImages(&images);
    struct Case {
        const char* name;
        TColumnType type;
        int imageIndex;
        int extra;
    };
    const Case cases[] = {
        {"text", TColumnType::ctText, 0, 0},
        {"image column, item image", TColumnType::ctImage, 0, 16 + 4},
        {"image column, no item image", TColumnType::ctImage, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill({"Code", "Name"}, {{"1", "Alpha"}, {"2", "A much longer name"}, {"3"}});
        for (int i = 0; i < dd->Items().Count(); ++i)
            dd->Items().Items(i)->SetImageIndex(c.imageIndex);
        TDropDownColumn* col = dd->Columns().Items(1);
        col->SetAutoSize(true);
        col->SetColumnType(c.type);
        col->Font().SetSize(11);
        grid()->ConfigureFromDropDown(dd);
        const int expected = TextWidth(grid(), col->Font(), "A much longer name") + 6 + c.extra;
        EXPECT_EQ(grid()->ColWidths(1), expected);
        EXPECT_EQ(grid()->Columns().Items(1)->Width(), expected);
        EXPECT_EQ(grid()->ColWidths(0), 80) << "a column without AutoSize keeps its width";
    }
}

TEST_F(ListGrid, WrappedRowsAreAtLeast24AndGrowWithTheirText)
{
    Fill({"Name"}, {{"short"}, {"a text long enough to wrap over several lines in a narrow column"}});
    dd->Columns().Items(0)->SetWordwrap(true);
    dd->Columns().Items(0)->SetWidth(60);
    dd->SetAutoSizeColumns(false);
    grid()->ConfigureFromDropDown(dd);
    EXPECT_EQ(grid()->RowHeights(1), 24) << "a one-line text still gives 24";
    EXPECT_GT(grid()->RowHeights(2), 24 + 6);
    EXPECT_EQ(grid()->RowHeights(0), 25) << "the header row keeps HeaderHeight";
}

TEST_F(ListGrid, TheNeededWidthAddsTheScrollBarOnlyWhenRowsAreHidden)
{
    Fill({"Code", "Name"}, {{"1", "Alpha"}, {"2", "Beta"}});
    dd->Columns().Items(0)->SetWidth(100);
    dd->Columns().Items(1)->SetWidth(50);
    dd->SetAutoSizeColumns(false);
    grid()->ConfigureFromDropDown(dd);
    grid()->FillFromItems();
    const int borders = 2 * grid()->BorderWidth();
    EXPECT_EQ(grid()->GetNeededWidth(), borders + 150);
    for (int i = 0; i < 40; ++i)
        dd->Items().AddTexts({QString::number(i), "x"});
    grid()->ConfigureFromDropDown(dd);
    grid()->FillFromItems();
    EXPECT_EQ(grid()->GetNeededWidth(), borders + 150 + GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(ListGrid, OnlyAClickOnADataRowWithoutACheckBoxSelects)
{
    Fill({"Code", "Name"}, {{"1", "Alpha"}, {"2", "Beta"}, {"3", "Gamma"}});
    struct Case {
        const char* name;
        int col, row;
        int selects;
    };
    const Case cases[] = {
        {"header", 0, 0, 0},
        {"check box", 1, 2, 0},
        {"data row", 0, 3, 1},
        {"data cell beside a check box", 0, 2, 1},
    };
    for (const Case& c : cases) {
        dd->ShowDropDown();
        ASSERT_TRUE(open());
        grid()->AddCheckBox(1, 2, cbUnchecked);
        int selects = 0;
        grid()->OnSelect = [&](TObject*) { ++selects; };
        const TRect r = grid()->CellRect(c.col, c.row);
        TestKit::Click(grid(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        EXPECT_EQ(selects, c.selects) << c.name;
        if (c.selects) {
            EXPECT_TRUE(grid()->ConfirmSelection()) << c.name;
        }
        dd->HideDropDown(true);
    }
}

TEST_F(ListGrid, TabIsIgnoredEnterSelectsTheWheelNeverConfirms)
{
    Fill({"Code"}, {{"1"}, {"2"}, {"3"}});
    dd->SetGridEditable(true);
    dd->ShowDropDown();
    int selects = 0;
    grid()->OnSelect = [&](TObject*) { ++selects; };
    const int row = grid()->Row(), col = grid()->Col();
    TestKit::TypeKey(grid(), VK_TAB);
    EXPECT_EQ(grid()->Row(), row);
    EXPECT_EQ(grid()->Col(), col);
    EXPECT_EQ(selects, 0);
    EXPECT_TRUE(open());
    TestKit::TypeKey(grid(), VK_RETURN);
    EXPECT_EQ(selects, 1);
    EXPECT_TRUE(grid()->ConfirmSelection());
    TestKit::Wheel(grid(), 10, 30, -120);
    EXPECT_FALSE(grid()->ConfirmSelection());
    EXPECT_FALSE(grid()->MouseWheelSelection()) << "set only while the wheel scrolls";
    EXPECT_EQ(selects, 1);
}
