// The update lock: nesting, a hidden grid, the grid's own short locks that
// give back the depth they found, every temporary switch restored when a
// handler raises, and painting suppressed while locked.
#include <stdexcept>

#include "interact_fixture.h"
#include "platform/gui/qt_backend.h"

namespace {

using UpdateLockTest = InteractTest;

bool RedrawOn(TInteractGrid* G) { return G->Widget()->updatesEnabled(); }

TEST_F(UpdateLockTest, NestingSwitchesTheRedrawOnlyAtTheOutermostBracket)
{
    struct Step {
        char op;  // B begin, E end
        int depth;
        bool redraw;
    };
    const Step steps[] = {{'B', 1, false}, {'B', 2, false}, {'E', 1, false}, {'E', 0, true}, {'E', 0, true}};
    for (const Step& s : steps) {
        if (s.op == 'B')
            g->BeginUpdate();
        else
            g->EndUpdate();
        EXPECT_EQ(g->UpdateCount(), s.depth);
        EXPECT_EQ(RedrawOn(g), s.redraw);
    }
    g->SetLockUpdate(true);
    EXPECT_TRUE(g->LockUpdate());
    g->SetLockUpdate(false);
    EXPECT_FALSE(g->LockUpdate());
}

TEST_F(UpdateLockTest, AHiddenGridCountsToo)
{
    g->SetVisible(false);
    g->BeginUpdate();
    EXPECT_EQ(g->UpdateCount(), 1);
    g->SetVisible(true);
    g->EndUpdate();
    EXPECT_EQ(g->UpdateCount(), 0);
    EXPECT_TRUE(RedrawOn(g));
    // A bracket opened while shown and closed while hidden paints again.
    g->BeginUpdate();
    g->SetVisible(false);
    g->EndUpdate();
    g->SetVisible(true);
    EXPECT_EQ(g->UpdateCount(), 0);
    EXPECT_TRUE(RedrawOn(g));
}

TEST_F(UpdateLockTest, AScopedLockInsideAnOuterLockKeepsTheOuterDepth)
{
    g->BeginUpdate();
    {
        TVynStringGrid::TUpdateScope inner(*g);
        EXPECT_EQ(g->UpdateCount(), 2);
    }
    EXPECT_EQ(g->UpdateCount(), 1);
    EXPECT_FALSE(RedrawOn(g));
    g->EndUpdate();
    EXPECT_EQ(g->UpdateCount(), 0);
    // The public ResetUpdate still forces 0.
    g->StartUpdate();
    g->StartUpdate();
    g->ResetUpdate();
    EXPECT_EQ(g->UpdateCount(), 0);
}

TEST_F(UpdateLockTest, ARaisingHandlerLeavesNothingSwitched)
{
    g->SetRowCount(50);
    struct Case {
        const char* what;
        std::function<void()> arm;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"wheel row move (painting lock)",
         [&] { g->OnRowUpdate = [](TObject*, int, int) { throw std::runtime_error("row"); }; },
         [&] { Wheel(-120); }},
        {"wheel notification (DirectEdit)",
         [&] {
             g->MouseActions()->SetDirectEdit(true);
             g->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool&) { throw std::runtime_error("wheel"); };
         },
         [&] { g->DoMouseWheelDown({}, TPoint(0, 0)); }},
        {"wheel up notification (DirectEdit)",
         [&] {
             g->MouseActions()->SetDirectEdit(true);
             g->OnMouseWheelUp = [](TObject*, TShiftState, TPoint, bool&) { throw std::runtime_error("wheel"); };
         },
         [&] { g->DoMouseWheelUp({}, TPoint(0, 0)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g->OnRowUpdate = nullptr;
        g->OnMouseWheelDown = nullptr;
        g->OnMouseWheelUp = nullptr;
        c.arm();
        const bool direct = g->MouseActions()->DirectEdit();
        EXPECT_THROW(c.run(), std::runtime_error);
        EXPECT_EQ(g->UpdateCount(), 0);
        EXPECT_TRUE(RedrawOn(g));
        EXPECT_EQ(g->MouseActions()->DirectEdit(), direct);
    }
}

TEST_F(UpdateLockTest, PaintWhileLockedPaintsNothing)
{
    auto paint = [&] {
        QImage img(g->ClientWidth(), g->ClientHeight(), QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        g->Perform(WM_PAINT, intptr_t(&p));
        p.end();
        for (int y = 0; y < img.height(); y += 4)
            for (int x = 0; x < img.width(); x += 4)
                if (img.pixel(x, y) != 0)
                    return true;
        return false;
    };
    g->StartUpdate();
    EXPECT_FALSE(paint());
    g->ResetUpdate();
    g->BeginUpdate();
    EXPECT_FALSE(paint());
    g->EndUpdate();
    EXPECT_TRUE(paint());
    // Erasing is left to the painter.
    EXPECT_EQ(g->Perform(WM_ERASEBKGND, 0), 0);
}

TEST_F(UpdateLockTest, CellsChangedTellsTheEventThenTheNotifiers)
{
    std::vector<std::string> order;
    struct TNote : TGridChangeNotifier {
        std::vector<std::string>* Log;
        using TGridChangeNotifier::TGridChangeNotifier;
        void CellsChanged(const TRect& R) override { Log->push_back("notifier " + std::to_string(R.Top)); }
    };
    TNote note(nullptr);
    note.Log = &order;
    g->RegisterNotifier(&note);
    g->OnCellsChanged = [&](TObject*, TRect& R) { order.push_back("event " + std::to_string(R.Top)); };
    g->CellsChanged(TRect(0, 3, 2, 4));
    g->UnRegisterNotifier(&note);
    EXPECT_EQ(order, (std::vector<std::string>{"event 3", "notifier 3"}));
}

}  // namespace
