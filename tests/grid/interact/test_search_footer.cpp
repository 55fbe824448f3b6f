// The search bar driven from the keyboard and the mouse: typing finds and
// highlights, Enter and Ctrl+Enter step, closing takes the highlight away;
// Ctrl+F, the buttons' accelerators and the last rows kept above the bar.
#include <QDir>

#include "keys_mouse_fixture.h"

#include "grid/core/grid_controls.h"
#include "grid/interact/grid_interact_holders.h"
#include "platform/testing/render_png.h"

namespace {

struct SearchFooterTest : KeyMouseTest {
    SearchFooterTest()
    {
        for (int r = 1; r < 10; ++r)
            for (int c = 1; c < 6; ++c)
                g->SetCells(c, r, "x");
        g->SetCells(2, 3, "xaby");
        g->SetCells(4, 5, "AB");
        g->SetCells(1, 8, "cab");
        TSearchFooter& f = *g->SearchFooter();
        f.SetFindNextCaption("Find &next");
        f.SetFindPrevCaption("Find &previous");
        f.SetHighLightCaption("&Highlight");
        f.SetMatchCaseCaption("Match case");
        f.SetSearchDirection(TSearchDirection::sdLeftRight);
        f.SetVisible(true);
        QCoreApplication::processEvents();
    }
    TSearchPanel& P() { return *g->SearchPanel(); }
    void ClickControl(TControl* C)
    {
        // A graphic control gets its clicks through its parent.
        TestKit::Click(C->Parent(), C->Left() + C->Width() / 2, C->Top() + C->Height() / 2);
    }
    int DialogChar(char Ch) { return int(g->Perform(CM_DIALOGCHAR, Ch, 0)); }
};

}  // namespace

TEST_F(SearchFooterTest, TypingFindsAndHighlightsEnterStepsClosingRemovesTheHighlight)
{
    // Ctrl+F takes the keys to the bar's edit.
    TestKit::TypeKey(g, 'F', TShiftState{ssCtrl});
    ASSERT_TRUE(P().Edit()->Focused());
    TestKit::TypeText(P().Edit(), "a");
    ClickControl(P().HiliteButton());
    ASSERT_TRUE(P().HiliteButton()->Down());
    TestKit::TypeText(P().Edit(), "b");
    EXPECT_EQ(Current(), "2,3");
    EXPECT_EQ(g->Cells(2, 3).toStdString(), "x<hi>ab</hi>y");
    EXPECT_EQ(g->Cells(4, 5).toStdString(), "<hi>AB</hi>");
    EXPECT_EQ(g->Cells(1, 8).toStdString(), "c<hi>ab</hi>");
    EXPECT_EQ(g->Cells(1, 1).toStdString(), "x");
    const QString png = QDir::temp().filePath("grid_search_footer.png");
    ASSERT_TRUE(TestKit::RenderToPng(&form, png));

    TestKit::TypeKey(P().Edit(), VK_RETURN);
    EXPECT_EQ(Current(), "4,5");
    TestKit::TypeKey(P().Edit(), VK_RETURN);
    EXPECT_EQ(Current(), "1,8");
    TestKit::TypeKey(P().Edit(), VK_RETURN, TShiftState{ssCtrl});
    EXPECT_EQ(Current(), "4,5");
    EXPECT_EQ(P().Edit()->Text().toStdString(), "ab");

    // A text that does not occur finds nothing and marks nothing.
    TestKit::TypeText(P().Edit(), "q");
    EXPECT_EQ(g->Cells(2, 3).toStdString(), "xaby");
    TestKit::TypeKey(P().Edit(), VK_BACK);
    EXPECT_EQ(g->Cells(2, 3).toStdString(), "x<hi>ab</hi>y");

    ClickControl(P().ExitButton());
    EXPECT_FALSE(g->SearchFooter()->Visible());
    for (const auto& [c, r, t] : {std::tuple{2, 3, "xaby"}, {4, 5, "AB"}, {1, 8, "cab"}})
        EXPECT_EQ(g->Cells(c, r).toStdString(), t);
}

TEST_F(SearchFooterTest, TheButtonsAcceleratorsActOnlyOnVisibleEnabledButtonsWhileTheBarShows)
{
    std::vector<std::string> actions;
    P().OnForwardClick = [&](TObject*) { actions.push_back("next"); };
    P().OnBackwardClick = [&](TObject*) { actions.push_back("prev"); };
    P().OnHighlightClick = [&](TObject*) { actions.push_back(P().HiliteButton()->Down() ? "hilite on" : "hilite off"); };
    // An empty edit leaves the buttons disabled.
    EXPECT_EQ(DialogChar('n'), 0);
    P().Edit()->SetText("ab");
    const struct {
        char Ch;
        int Result;
    } cases[] = {{'n', 1}, {'P', 1}, {'h', 1}, {'h', 1}, {'m', 0}, {'x', 0}};
    for (const auto& k : cases)
        EXPECT_EQ(DialogChar(k.Ch), k.Result) << k.Ch;
    EXPECT_EQ(actions, (std::vector<std::string>{"next", "prev", "hilite on", "hilite off"}));
    // Through the form's mnemonics, as Alt+N typed into the grid.
    actions.clear();
    TestKit::TypeKey(g, 'N', TShiftState{ssAlt});
    EXPECT_EQ(actions, (std::vector<std::string>{"next"}));
    g->SearchFooter()->SetShowFindPrev(false);
    EXPECT_EQ(DialogChar('p'), 0);
    g->SearchFooter()->SetVisible(false);
    EXPECT_EQ(DialogChar('n'), 0);
    EXPECT_EQ(actions, (std::vector<std::string>{"next"}));
}

TEST_F(SearchFooterTest, TheLastRowStaysAboveTheBar)
{
    g->SetRowCount(40);
    RecordKeys();
    const int limit = g->ClientHeight() - P().Height() + 2;
    auto bottomOf = [&](int C, int R) { return g->CellRect(C, R).Bottom; };
    // End to the last column, then down to the last row.
    Goto(1, 30);
    Key(VK_NEXT);
    Key(VK_NEXT);
    ASSERT_EQ(g->Row(), 39);
    EXPECT_LE(bottomOf(g->Col(), 39), limit);
    EXPECT_GT(bottomOf(g->Col(), 39), 0);
    // On the last row Down scrolls nothing away and only reports the key.
    log.clear();
    const int top = g->TopRow();
    Key(VK_DOWN);
    EXPECT_EQ(g->Row(), 39);
    EXPECT_EQ(log, (std::vector<std::string>{"keydown 40"}));
    EXPECT_LE(bottomOf(g->Col(), 39), limit);
    EXPECT_EQ(g->TopRow(), top);
    // Right in the last column and Left in the first one stop there.
    Goto(5, 39);
    Key(VK_RIGHT);
    EXPECT_EQ(Current(), "5,39");
    Goto(1, 39);
    Key(VK_LEFT);
    EXPECT_EQ(Current(), "1,39");
    Key(VK_RIGHT);
    EXPECT_EQ(Current(), "2,39");
    EXPECT_LE(bottomOf(2, 39), limit);
    EXPECT_EQ(g->FUpdateCount, 0);
}
