// Scroll messages and bars: the position hint on its own bar, live
// scrolling, proportional thumbs, the search-footer clamp, the metro bars.
#include "grid/core/grid_options.h"
#include "grid/interact/grid_interact_holders.h"
#include "interact_fixture.h"
#include "platform/gui/hintwindow.h"

namespace {

struct ScrollTest : InteractTest {
    std::vector<std::string> hints;
    ScrollTest()
    {
        g->OnScrollHint = [this](TObject*, int N, String& Text) {
            hints.push_back(Txt(Text) + " (" + std::to_string(N) + ")");
        };
    }
    void VScroll(int Code, int Pos = 0) { g->Perform(WM_VSCROLL, MAKEWPARAM(Code, Pos), 0); }
    void HScroll(int Code, int Pos = 0) { g->Perform(WM_HSCROLL, MAKEWPARAM(Code, Pos), 0); }
};

TEST_F(ScrollTest, TheThumbHintNamesTheRowOrColumnOnItsOwnBarOnly)
{
    g->SetRowCount(101);
    g->SetColCount(41);
    ShowRows(20);
    ASSERT_EQ(g->VisibleRowCount(), 20);
    const int visibleCols = g->VisibleColCount();
    struct Case {
        TVynStringGrid::TScrollHintType type;
        bool vertical;
        std::string hint;
    };
    const std::string colHint = "Col : " + std::to_string(41 - visibleCols - 1 + 1);
    const Case cases[] = {
        {TVynStringGrid::TScrollHintType::shVertical, true, "Row : 81 (81)"},
        {TVynStringGrid::TScrollHintType::shVertical, false, ""},
        {TVynStringGrid::TScrollHintType::shHorizontal, true, ""},
        {TVynStringGrid::TScrollHintType::shHorizontal, false, colHint + " (" + colHint.substr(6) + ")"},
        {TVynStringGrid::TScrollHintType::shBoth, true, "Row : 81 (81)"},
        {TVynStringGrid::TScrollHintType::shNone, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type) * 2 + c.vertical);
        hints.clear();
        g->SetScrollHintType(c.type);
        if (c.vertical)
            VScroll(SB_THUMBTRACK, 127);
        else
            HScroll(SB_THUMBTRACK, 127);
        EXPECT_EQ(hints.empty() ? std::string() : hints.back(), c.hint);
        EXPECT_EQ(g->ScrollHintShowing(), !c.hint.empty());
        if (c.vertical)
            VScroll(SB_ENDSCROLL);
        else
            HScroll(SB_ENDSCROLL);
        EXPECT_FALSE(g->ScrollHintShowing());
    }
}

TEST_F(ScrollTest, ThumbTrackingScrollsOnlyWithScrollSynch)
{
    g->SetRowCount(101);
    ShowRows(20);
    for (bool synch : {false, true}) {
        SCOPED_TRACE(synch);
        g->SetTopRow(1);
        g->SetScrollSynch(synch);
        std::vector<int> tops;
        for (int p : {32, 64, 127}) {
            VScroll(SB_THUMBTRACK, p);
            tops.push_back(g->TopRow());
        }
        VScroll(SB_THUMBPOSITION, 127);
        VScroll(SB_ENDSCROLL);
        if (synch)
            EXPECT_EQ(tops, (std::vector<int>{g->ScrollPosToRow(32), g->ScrollPosToRow(64), 81}));
        else
            EXPECT_EQ(tops, (std::vector<int>{1, 1, 1}));
        EXPECT_EQ(g->TopRow(), 81);
    }
}

TEST_F(ScrollTest, ProportionalThumbsLeaveABarAloneWhenAllRowsFit)
{
    g->SetRowCount(5);
    TScrollInfo before;
    g->GetScrollInfo(SB_VERT, before);
    g->SetScrollProportional(true);
    TScrollInfo after;
    g->GetScrollInfo(SB_VERT, after);
    EXPECT_EQ(after.Max, before.Max);
    EXPECT_EQ(after.Page, before.Page);
    // With rows to scroll the page follows the share shown.
    g->SetRowCount(200);
    ShowRows(20);
    g->UpdateVertProportionalScroll();
    g->GetScrollInfo(SB_VERT, after);
    EXPECT_GT(after.Page, 0);
    EXPECT_GT(after.Max, 127);
}

TEST_F(ScrollTest, ALineDownAtTheEndLiftsTheLastRowAboveTheSearchFooterAndNoFurther)
{
    g->SetRowCount(20);
    ShowRows(12);
    g->SearchFooter()->SetVisible(true);
    g->SearchPanel()->SetVisible(true);
    g->SearchPanel()->SetHeight(32);
    g->SetTopRow(g->MaxTopRow());
    const int limit = g->ClientHeight() - 32 + 2;
    auto lastBottom = [this] { return g->CellRect(0, g->RowCount() - 1).Bottom; };
    // The last full view ends at the client bottom: under the panel.
    ASSERT_GT(lastBottom(), limit);
    EXPECT_FALSE(g->LastRowAboveSearchFooter());
    EXPECT_EQ(g->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0), 0);
    // The view starts past its last full view, just far enough.
    EXPECT_GT(g->TopRow(), g->MaxTopRow());
    EXPECT_LE(lastBottom(), limit);
    EXPECT_GT(lastBottom() + g->DefaultRowHeight() + g->GridLineWidth(), limit);
    // There the next line down is swallowed, and the view stays through a
    // repaint and a resize of the same height.
    const int top = g->TopRow();
    EXPECT_TRUE(g->LastRowAboveSearchFooter());
    EXPECT_EQ(g->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0), 1);
    EXPECT_EQ(g->Perform(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0), 1);
    g->SetBounds(g->Left(), g->Top(), g->Width() + 10, g->Height());
    QCoreApplication::processEvents();
    EXPECT_EQ(g->TopRow(), top);
    // A line up scrolls back.
    VScroll(SB_LINEUP);
    EXPECT_LT(g->TopRow(), top);
    // Without the footer the last full view is the end again.
    g->SearchFooter()->SetVisible(false);
    EXPECT_FALSE(g->LastRowAboveSearchFooter());
    VScroll(SB_BOTTOM);
    EXPECT_EQ(g->TopRow(), g->MaxTopRow());
}

TEST_F(ScrollTest, MetroThumbsKeepTheirLengthAndStayOnTheBar)
{
    g->SetScrollType(TScrollType::ssMetro);
    auto* v = dynamic_cast<TScrollControl*>(g->MetroScrollBar(true));
    auto* h = dynamic_cast<TScrollControl*>(g->MetroScrollBar(false));
    ASSERT_TRUE(v && h);
    EXPECT_EQ(g->ScrollBars(), ssNone);
    int start = 0, length = 0;
    struct Case {
        int rows;
        bool toEnd;
    };
    for (const Case c : {Case{100000, false}, Case{100000, true}, Case{30, true}}) {
        SCOPED_TRACE(c.rows);
        g->SetRowCount(c.rows);
        g->SetTopRow(c.toEnd ? g->MaxTopRow() : 1);
        ASSERT_TRUE(v->GetThumb(start, length));
        EXPECT_GE(length, 20);
        EXPECT_GE(start, v->TrackOffset());
        EXPECT_LE(start + length, v->Height());
    }
    // No data row or no track: no thumb, no division by zero.
    g->SetFixedRowAlways(true);
    g->SetRowCount(1);
    EXPECT_FALSE(v->GetThumb(start, length));
    g->SetRowCount(100);
    v->SetAlign(alNone);
    v->SetHeight(g->RowHeights(0));
    EXPECT_FALSE(v->GetThumb(start, length));
    v->SetAlign(alRight);
    // The horizontal track leaves out the right fixed columns.
    g->SetColCount(40);
    g->SetFixedRightCols(2);
    int right = 0;
    for (int c = g->ColCount() - 2; c < g->ColCount(); ++c)
        right += g->ColWidths(c);
    EXPECT_EQ(h->TrackLength(), h->Width() - g->ColWidths(0) - right);
    g->SetScrollType(TScrollType::ssNormal);
    EXPECT_EQ(g->MetroScrollBar(true), nullptr);
    EXPECT_EQ(g->ScrollBars(), ssBoth);
}

TEST_F(ScrollTest, MetroBarPagesAndDrags)
{
    g->SetRowCount(200);
    ShowRows(20);
    g->SetScrollType(TScrollType::ssMetro);
    QCoreApplication::processEvents();
    auto* v = dynamic_cast<TScrollControl*>(g->MetroScrollBar(true));
    ASSERT_TRUE(v);
    int start = 0, length = 0;
    ASSERT_TRUE(v->GetThumb(start, length));
    TestKit::Click(v, 2, start + length + 5);
    EXPECT_EQ(g->TopRow(), 1 + g->VisibleRowCount());
    TestKit::Click(v, 2, 1);
    EXPECT_EQ(g->TopRow(), 1);
    ASSERT_TRUE(v->GetThumb(start, length));
    TestKit::MouseDown(v, 2, start + 2);
    EXPECT_TRUE(v->DownOnScroller());
    TestKit::MouseMove(v, 2, start + 2 + 40, {ssLeft});
    EXPECT_GT(g->TopRow(), 1);
    TestKit::MouseUp(v, 2, start + 42);
    EXPECT_FALSE(v->DownOnScroller());
}

TEST_F(ScrollTest, FlatLooksAreSettingsOfTheGridsBars)
{
    g->SetScrollType(TScrollType::ssFlat);
    EXPECT_TRUE(g->IsFlat());
    EXPECT_EQ(g->FlatBarMode(), 1);
    g->SetScrollType(TScrollType::ssEncarta);
    EXPECT_EQ(g->FlatBarMode(), 2);
    g->SetScrollColor(clRed);
    g->SetScrollWidth(9);
    // The grid's bars take the look, the track colour and the thickness.
    for (TScrollBar* b : {g->VertScrollBar(), g->HorzScrollBar()}) {
        EXPECT_EQ(b->Look(), slEncarta);
        EXPECT_EQ(b->TrackColor(), clRed);
    }
    EXPECT_EQ(g->ScrollBarSize(), 9);
    g->SetScrollType(TScrollType::ssFlat);
    EXPECT_EQ(g->VertScrollBar()->Look(), slFlat);
    EXPECT_EQ(g->HorzScrollBar()->Look(), slFlat);
    g->SetScrollType(TScrollType::ssNormal);
    EXPECT_FALSE(g->IsFlat());
    // Normal bars are the system's again.
    EXPECT_EQ(g->VertScrollBar()->Look(), slNormal);
    EXPECT_EQ(g->VertScrollBar()->TrackColor(), clNone);
    EXPECT_EQ(g->ScrollBarSize(), 0);
}

}  // namespace
