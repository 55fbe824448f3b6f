// The grid timer (500 ms) under a fake clock: the incremental search is
// forgotten on the fourth tick, Hovering makes the cell under the pointer
// current, blinking repaints only the cells with a blink tag.
#include <QPaintEvent>
#include <QRegion>

#include <set>

#include "interact_fixture.h"

namespace {

using GridTimerTest = InteractTest;

TEST_F(GridTimerTest, TheSearchTextIsForgottenOnTheFourthTick)
{
    g->Navigation()->SetAutoGotoIncremental(true);
    g->AddSearchChar('a');
    clock.Advance(1000);
    g->AddSearchChar('b');  // a typed character starts the count again
    clock.Advance(1500);
    EXPECT_EQ(Txt(g->SearchText()), "ab");
    clock.Advance(500);
    EXPECT_EQ(Txt(g->SearchText()), "");
    EXPECT_EQ(g->TimerTicks(), 6);
    EXPECT_EQ(g->Search("x"), -1);
}

TEST_F(GridTimerTest, HoveringMakesTheCellUnderThePointerCurrentWithinOneTick)
{
    TEdit* other = new TEdit(&form);
    other->SetBounds(520, 10, 100, 22);
    other->SetParent(&form);
    other->SetFocus();
    const TRect r = g->CellRect(3, 4);
    InputState().SetCursorPos(g->ClientToScreen(TPoint(r.Left + 3, r.Top + 3)));
    InputState().SetControlUnderCursor(g);
    clock.Advance(500);
    // Not without the option.
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(1, 1));
    g->SetHovering(true);
    clock.Advance(499);
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(1, 1));
    clock.Advance(1);
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(3, 4));
    EXPECT_TRUE(g->Focused());
    // A fixed cell under the pointer changes nothing.
    const TRect f = g->CellRect(0, 2);
    InputState().SetCursorPos(g->ClientToScreen(TPoint(f.Left + 3, f.Top + 3)));
    clock.Advance(500);
    EXPECT_EQ(TPoint(g->Col(), g->Row()), TPoint(3, 4));
}

// Collects the areas the grid's window is asked to repaint.
struct RepaintRecorder : QObject {
    QRegion region;
    bool eventFilter(QObject*, QEvent* E) override
    {
        if (E->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(E)->region();
        return false;
    }
};

TEST_F(GridTimerTest, BlinkRepaintsOnlyCellsWithABlinkTag)
{
    g->SetCells(2, 2, "<BLINK>on</BLINK>");
    g->SetCells(3, 5, "x<bli>y");
    g->SetCells(0, 3, "<Blink>head");
    g->SetCells(4, 4, "<B>bold</B>");
    QCoreApplication::processEvents();
    RepaintRecorder rec;
    g->Widget()->installEventFilter(&rec);
    g->SetEnableBlink(true);
    clock.Advance(500);
    QCoreApplication::processEvents();
    g->Widget()->removeEventFilter(&rec);
    auto repainted = [&](int C, int R) {
        const TRect r = g->CellRect(C, R);
        const QPoint mid = g->Widget()->mapFrom(g->Widget(), QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        // The region is in widget coordinates; the client may start inside a frame.
        return rec.region.contains(mid + QPoint(g->ClientAreaInWindow().Left, g->ClientAreaInWindow().Top));
    };
    EXPECT_TRUE(repainted(2, 2));
    EXPECT_TRUE(repainted(3, 5));
    EXPECT_TRUE(repainted(0, 3));
    EXPECT_FALSE(repainted(4, 4));
    EXPECT_FALSE(repainted(2, 3));
    EXPECT_FALSE(repainted(1, 1));
}

}  // namespace

namespace {

// A grid whose search finds the first row whose column 1 starts with the text.
class TSearchGrid : public TInteractGrid {
public:
    using TInteractGrid::TInteractGrid;
    int Search(const String& Text) override
    {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (Cells(1, r).toUpper().startsWith(Text))
                return r;
        return -1;
    }
};

TEST(IncrementalSearch, TypedKeysGrowTheTextUntilTheTimerForgetsIt)
{
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    const bool started = VynGridModule::Start();
    {
        TForm form(nullptr);
        auto* g = new TSearchGrid(&form);
        g->SetRowCount(6);
        for (int r = 1; r < 6; ++r)
            g->SetCells(1, r, QStringList{"", "apple", "banana", "bandit", "cherry", "band"}[r]);
        g->SetParent(&form);
        form.Show();
        g->Navigation()->SetAutoGotoWhenSorted(true);
        g->Navigation()->SetAutoGotoIncremental(true);
        for (QChar k : {QChar('b'), QChar('a'), QChar('n'), QChar('d')})
            g->IncrementalSearchKey(k);
        EXPECT_EQ(g->Row(), 3);
        EXPECT_EQ(Txt(g->SearchText()), "band");
        g->IncrementalSearchKey(QChar(8));
        EXPECT_EQ(Txt(g->SearchText()), "ban");
        clock.Advance(2000);
        EXPECT_EQ(Txt(g->SearchText()), "");
        g->IncrementalSearchKey('c');
        EXPECT_EQ(g->Row(), 4);
        // Not found: the text goes.
        g->IncrementalSearchKey('x');
        EXPECT_EQ(Txt(g->SearchText()), "");
        EXPECT_EQ(g->Row(), 4);
    }
    if (started)
        VynGridModule::End();
}

}  // namespace
namespace {

// A shown grid at rest paints nothing more, also with a look that draws its
// own border over the frame (painting must never ask for another paint).
TEST_F(GridTimerTest, AGridAtRestPaintsNothingMore)
{
    for (const TGridLook look : {TGridLook::glStandard, TGridLook::glXP, TGridLook::glOffice2007}) {
        SCOPED_TRACE(int(look));
        g->SetLook(look);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        RepaintRecorder rec;
        g->Widget()->installEventFilter(&rec);
        for (int k = 0; k < 4; ++k)
            QCoreApplication::processEvents();
        g->Widget()->removeEventFilter(&rec);
        EXPECT_TRUE(rec.region.isEmpty()) << rec.region.boundingRect().width() << "x"
                                          << rec.region.boundingRect().height();
    }
}

}  // namespace
