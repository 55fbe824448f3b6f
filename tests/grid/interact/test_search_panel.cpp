// The search bar below the cells and the balloon tooltips over them.
#include "grid/core/grid_controls.h"
#include "grid/interact/grid_interact_holders.h"
#include "interact_fixture.h"
#include "platform/gui/balloon_tip.h"
#include "platform/gui/layered_window.h"
#include "platform/testing/input_driver.h"
#include "platform/testing/render_png.h"

namespace {

struct SearchPanelTest : InteractTest {
    std::vector<std::string> actions;
    SearchPanelTest()
    {
        TSearchPanel* p = g->SearchPanel();
        p->OnForwardClick = [this](TObject*) { actions.push_back("next"); };
        p->OnBackwardClick = [this](TObject*) { actions.push_back("prev"); };
        p->OnHighlightClick = [this](TObject*) { actions.push_back("hilite"); };
        p->OnExitClick = [this](TObject*) { actions.push_back("close"); };
        // A grid placed on a form stores these texts (a grid made at run
        // time starts without).
        TSearchFooter& f = *g->SearchFooter();
        f.SetFindNextCaption("Find &next");
        f.SetFindPrevCaption("Find &previous");
        f.SetMatchCaseCaption("Match case");
        f.SetHighLightCaption("Highlight");
        f.SetHintFindNext("Find next occurrence");
        f.SetHintFindPrev("Find previous occurrence");
        f.SetHintClose("Close");
        f.SetHintHighlight("Highlight occurrences");
        f.SetVisible(true);
        QCoreApplication::processEvents();
    }
    TSearchPanel& P() { return *g->SearchPanel(); }
};

TEST_F(SearchPanelTest, TheControlsStandWhereTheLayoutPutsThem)
{
    ASSERT_TRUE(P().Visible());
    EXPECT_EQ(P().Height(), 32);
    EXPECT_EQ(P().Top(), g->ClientHeight() - 32);
    const struct {
        TControl* C;
        int L, T, W, H;
    } layout[] = {
        {P().Edit(), 25, 6, 110, -1},          {P().ForwardButton(), 140, 5, 90, 23},
        {P().BackwardButton(), 235, 5, 90, 23}, {P().ExitButton(), 5, 7, 14, 14},
        {P().HiliteButton(), 330, 5, 90, 23},
    };
    for (const auto& l : layout) {
        EXPECT_EQ(l.C->Left(), l.L);
        EXPECT_EQ(l.C->Top(), l.T);
        EXPECT_EQ(l.C->Width(), l.W);
        if (l.H >= 0) {
            EXPECT_EQ(l.C->Height(), l.H);
        }
    }
    EXPECT_EQ(P().MatchCase()->Left(), 425);
    EXPECT_EQ(P().MatchCase()->Top(), 8);
    EXPECT_EQ(Txt(P().ForwardButton()->Caption()), "Find &next");
    EXPECT_EQ(Txt(P().BackwardButton()->Caption()), "Find &previous");
    EXPECT_EQ(Txt(P().MatchCase()->Caption()), "Match case");
    EXPECT_EQ(Txt(P().HiliteButton()->Caption()), "Highlight");
    EXPECT_EQ(Txt(P().ExitButton()->Hint()), "Close");
    EXPECT_FALSE(P().ForwardButton()->Glyph().Empty());
}

TEST_F(SearchPanelTest, HidingTheHighlightMovesMatchCaseAndHiddenPartsHaveNoHeight)
{
    g->SearchFooter()->SetShowHighLight(false);
    EXPECT_EQ(P().MatchCase()->Left(), 330);
    EXPECT_FALSE(P().HiliteButton()->Visible());
    EXPECT_EQ(P().HiliteButton()->Height(), 0);
    g->SearchFooter()->SetShowMatchCase(false);
    EXPECT_EQ(P().MatchCase()->Height(), 0);
    g->SearchFooter()->SetShowHighLight(true);
    EXPECT_EQ(P().MatchCase()->Left(), 425);
    EXPECT_EQ(P().HiliteButton()->Height(), 23);
    // An empty hint shows none.
    g->SearchFooter()->SetHintFindNext(String());
    EXPECT_FALSE(P().ForwardButton()->ShowHint());
    EXPECT_TRUE(P().BackwardButton()->ShowHint());
    g->SearchFooter()->SetVisible(false);
    EXPECT_EQ(P().Height(), 0);
    EXPECT_FALSE(P().Visible());
}

TEST_F(SearchPanelTest, TheButtonsWorkOnlyWhileTheEditHoldsText)
{
    TVynGridButton* buttons[] = {P().ForwardButton(), P().BackwardButton(), P().HiliteButton()};
    for (auto* b : buttons)
        EXPECT_FALSE(b->Enabled());
    int changes = 0;
    P().OnEditChange = [&](TObject*) { ++changes; };
    P().Edit()->SetText("abc");
    for (auto* b : buttons)
        EXPECT_TRUE(b->Enabled());
    P().Edit()->SetText("");
    for (auto* b : buttons)
        EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(changes, 2);
}

TEST_F(SearchPanelTest, EnterFindsNextCtrlEnterPreviousAndNeitherTypesALineBreak)
{
    P().Edit()->SetText("ab");
    P().Edit()->SetFocus();
    TestKit::TypeKey(P().Edit(), VK_RETURN);
    TestKit::TypeKey(P().Edit(), VK_RETURN, TShiftState{ssCtrl});
    EXPECT_EQ(actions, (std::vector<std::string>{"next", "prev"}));
    EXPECT_EQ(Txt(P().Edit()->Text()), "ab");
    // A line feed or carriage return reaches OnKeyPress and goes no further.
    std::vector<int> keys;
    P().Edit()->OnKeyPress = [&](TObject*, QChar& K) { keys.push_back(K.unicode()); };
    P().Edit()->Perform(WM_CHAR, '\n');
    P().Edit()->Perform(WM_CHAR, '\r');
    EXPECT_EQ(keys, (std::vector<int>{10, 13}));
    EXPECT_EQ(Txt(P().Edit()->Text()), "ab");
}

TEST_F(SearchPanelTest, TheFooterSettingsReachThePanel)
{
    g->SearchFooter()->SetColor(0x00FF00);
    g->SearchFooter()->SetColorTo(0x0000FF);
    g->SearchFooter()->SetFindNextCaption("Weiter");
    EXPECT_EQ(P().Color(), TColor(0x00FF00));
    EXPECT_EQ(P().ColorTo(), TColor(0x0000FF));
    EXPECT_EQ(Txt(P().ForwardButton()->Caption()), "Weiter");
    // The gradient runs from Color at the top to ColorTo at the bottom.
    const QImage img = TestKit::RenderToImage(&P());
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(img.pixelColor(200, 2).green(), 230);
    EXPECT_LT(img.pixelColor(200, 2).red(), 25);
    EXPECT_GT(img.pixelColor(200, 29).red(), 200);
    EXPECT_LT(img.pixelColor(200, 29).green(), 40);
    // The top line in the grid-line colour.
    const QColor line = img.pixelColor(200, 0);
    EXPECT_EQ(line.rgb() & 0xFFFFFF, QColor(0xC0, 0xC0, 0xC0).rgb() & 0xFFFFFF);
    if (const char* dir = std::getenv("VYN_RENDER_DIR"))
        img.save(QString::fromLocal8Bit(dir) + QStringLiteral("/search_panel.png"));
}

// ---- balloons -----------------------------------------------------------------------------------

TEST(BalloonSettingsTest, AssignCopiesAllButTransparency)
{
    TBalloonSettings a, b;
    a.SetBackgroundColor(0x112233);
    a.SetTextColor(0x445566);
    a.SetInitialDelay(1);
    a.SetReshowDelay(2);
    a.SetAutoHideDelay(3);
    a.SetTransparency(55);
    a.SetEnable(true);
    b.Assign(a);
    EXPECT_EQ(b.BackgroundColor(), TColor(0x112233));
    EXPECT_EQ(b.TextColor(), TColor(0x445566));
    EXPECT_EQ(b.InitialDelay(), 1);
    EXPECT_EQ(b.ReshowDelay(), 2);
    EXPECT_EQ(b.AutoHideDelay(), 3);
    EXPECT_TRUE(b.Enable());
    EXPECT_EQ(b.Transparency(), 0);
}

struct BalloonTest : InteractTest {
    BalloonTest()
    {
        g->SetDefaultRowHeight(20);
        g->SetDefaultColWidth(64);
        g->SetGridLineWidth(1);
        g->SetCells(1, 1, "first");
        g->SetCells(2, 1, "second");
    }
    void MoveTo(int X, int Y) { TestKit::MouseMove(g, X, Y); }
};

TEST_F(BalloonTest, TransparencyGivesTheAlphaAndDelaysApplyOnlyWhenSet)
{
    g->Balloon()->SetTransparency(55);
    g->Balloon()->SetReshowDelay(300);
    g->Balloon()->SetEnable(true);
    TBalloonTip* tip = g->BalloonWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(WindowOpacity(tip), 200);
    EXPECT_EQ(tip->ReshowDelay(), 300);
    EXPECT_EQ(tip->InitialDelay(), TBalloonTip::DefaultInitialDelay);
    EXPECT_EQ(tip->AutoHideDelay(), TBalloonTip::DefaultAutoHideDelay);
    EXPECT_EQ(tip->Icon(), 3);
    EXPECT_EQ(Txt(tip->Title()), "ToolTipText");
    g->Balloon()->SetEnable(false);
    EXPECT_EQ(g->BalloonWindow(), nullptr);
    EXPECT_FALSE(g->Balloon()->Init());
}

TEST_F(BalloonTest, ShowsTheCellsTextAfterTheRestAndHidesOnTheNextCell)
{
    g->Balloon()->SetInitialDelay(400);
    g->Balloon()->SetReshowDelay(50);
    g->Balloon()->SetEnable(true);
    TBalloonTip* tip = g->BalloonWindow();
    const TRect c11 = g->CellRect(1, 1), c21 = g->CellRect(2, 1);
    MoveTo(c11.Left + 5, c11.Top + 5);
    clock.Advance(399);
    EXPECT_FALSE(tip->Showing());
    clock.Advance(1);
    ASSERT_TRUE(tip->Showing());
    EXPECT_EQ(Txt(tip->Content().Text), "first");
    // Within the same cell the balloon stays.
    MoveTo(c11.Left + 9, c11.Top + 6);
    EXPECT_TRUE(tip->Showing());
    MoveTo(c21.Left + 5, c21.Top + 5);
    EXPECT_FALSE(tip->Showing());
    clock.Advance(50);
    ASSERT_TRUE(tip->Showing());
    EXPECT_EQ(Txt(tip->Content().Text), "second");
    if (const char* dir = std::getenv("VYN_RENDER_DIR"))
        TestKit::RenderToImage(tip).save(QString::fromLocal8Bit(dir) + QStringLiteral("/balloon.png"));
    // A press hides it; the platform's auto-hide ends a shown balloon.
    TestKit::MouseDown(g, c21.Left + 5, c21.Top + 5);
    TestKit::MouseUp(g, c21.Left + 5, c21.Top + 5);
    EXPECT_FALSE(tip->Showing());
    MoveTo(c11.Left + 5, c11.Top + 5);
    clock.Advance(400);
    ASSERT_TRUE(tip->Showing());
    clock.Advance(TBalloonTip::DefaultAutoHideDelay);
    EXPECT_FALSE(tip->Showing());
}

TEST_F(BalloonTest, AnEmptyCellShowsNothingAndAnOwnTitleAndIconAreTaken)
{
    g->Balloon()->SetEnable(true);
    TBalloonTip* tip = g->BalloonWindow();
    g->OnCellBalloon = [](TObject*, int ACol, int, String& Title, String& Text, int& Icon) {
        if (ACol == 2) {
            Title = "Note";
            Text = "about second";
            Icon = 2;
        }
    };
    const TRect c31 = g->CellRect(3, 1), c21 = g->CellRect(2, 1);
    MoveTo(c31.Left + 5, c31.Top + 5);
    clock.Advance(TBalloonTip::DefaultInitialDelay);
    EXPECT_FALSE(tip->Showing());
    MoveTo(c21.Left + 5, c21.Top + 5);
    clock.Advance(TBalloonTip::DefaultInitialDelay);
    ASSERT_TRUE(tip->Showing());
    EXPECT_EQ(Txt(tip->Content().Title), "Note");
    EXPECT_EQ(tip->Content().Icon, 2);
}

}  // namespace
