// A view that starts past its last full view (for a panel lying over the
// bottom of the grid), and the thickness of the grid's own bars.
#include <functional>

#include "grid_fixture.h"

namespace {

// 20 rows of 25 pixels in a client area of 233: the last full view starts
// at row 12.
struct PastEndTest : GridTest {
    int LastBottom() const { return grid->CellRect(0, grid->RowCount() - 1).Bottom; }
};

}  // namespace

TEST_F(PastEndTest, TheViewHoldsAStartPastItsLastFullViewUntilScrolledBack)
{
    ASSERT_EQ(grid->MaxTopRow(), 12);
    grid->SetTopRow(15);
    EXPECT_EQ(grid->TopRow(), 12);
    struct Step {
        const char* what;
        std::function<void()> act;
        int top;
        int lastBottom;  // -1: not checked
        int scrollPos;
    };
    auto scroll = [this](int Code) { return [this, Code] { grid->Perform(WM_VSCROLL, MAKEWPARAM(Code, 0), 0); }; };
    const Step steps[] = {
        {"past the end by two rows", [this] { grid->SetTopRowPastEnd(14); }, 14, 174, 127},
        {"a line down moves no further", scroll(SB_LINEDOWN), 14, 174, 127},
        {"nor a page down", scroll(SB_PAGEDOWN), 14, 174, 127},
        {"SetTopRow keeps it", [this] { grid->SetTopRow(18); }, 14, 174, 127},
        {"a taller window keeps it", [this] { grid->SetBounds(8, 8, 400, 300); }, 14, 174, 127},
        {"a line up goes back one row and holds there", scroll(SB_LINEUP), 13, 199, 127},
        {"fewer rows: never past the last one", [this] { grid->SetRowCount(16); }, 13, 99, 127},
        {"more rows: the start is an ordinary one again", [this] { grid->SetRowCount(40); }, 13, -1, -1},
        {"and clamps as always", [this] { grid->SetTopRow(40); }, 30, -1, 127},
        {"past the last row: the last row", [this] { grid->SetTopRowPastEnd(60); }, 39, 49, 127},
        {"the top of the bar scrolls back", scroll(SB_TOP), 1, -1, 0},
        {"then a line down is an ordinary one", scroll(SB_LINEDOWN), 2, -1, -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        grid->Clear();
        const int before = grid->TopRow();
        s.act();
        EXPECT_EQ(grid->TopRow(), s.top);
        if (s.lastBottom >= 0) {
            EXPECT_EQ(LastBottom(), s.lastBottom);
        }
        if (s.scrollPos >= 0) {
            EXPECT_EQ(grid->GetScrollPos(SB_VERT), s.scrollPos);
        }
        EXPECT_EQ(LogWith("TopLeftChanged").size(), before == s.top ? 0u : 1u);
    }
}

TEST_F(PastEndTest, AStartWithinTheLastFullViewIsAnOrdinaryOne)
{
    grid->SetTopRowPastEnd(5);
    EXPECT_EQ(grid->TopRow(), 5);
    grid->SetTopRow(30);
    EXPECT_EQ(grid->TopRow(), 12);
    // New fixed rows start the view afresh.
    grid->SetTopRowPastEnd(16);
    grid->SetFixedRows(2);
    EXPECT_EQ(grid->TopRow(), 2);
    grid->SetTopRow(30);
    EXPECT_EQ(grid->TopRow(), 13);
}

TEST_F(PastEndTest, TheBarsTakeTheirThicknessOrTheSystemOne)
{
    ASSERT_EQ(grid->ClientRect(), Rect(0, 0, 383, 233));
    grid->SetScrollBarSize(8);
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 392, 242));
    EXPECT_EQ(grid->VertScrollBar()->Width(), 8);
    EXPECT_EQ(grid->HorzScrollBar()->Height(), 8);
    EXPECT_EQ(grid->VertScrollBar()->Left(), 392);
    grid->SetScrollBarSize(-3);
    EXPECT_EQ(grid->ScrollBarSize(), 0);
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 383, 233));
}
