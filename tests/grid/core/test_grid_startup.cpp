// The grid library's start: once only, its registered names, its end; the
// base cell checker.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "grid/core/column_grid.h"
#include "grid/core/grid_startup.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/forms.h"
#include "platform/gui/messages.h"

namespace {

// Counts the focus frame's moves.
class TMoveCountGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    void MoveFocusWindow() override { ++Moves; }
    int Moves = 0;
};

// A shown form with a grid on it.
struct FormWithGrid {
    TForm form{nullptr};
    TMoveCountGrid* grid = new TMoveCountGrid(&form);
    FormWithGrid()
    {
        form.SetBounds(10, 10, 300, 200);
        grid->SetParent(&form);
        form.Show();
        QCoreApplication::processEvents();
    }
    // Moves and resizes the form, then lets the window system report it.
    void MoveAndResize(int D)
    {
        form.SetBounds(form.Left() + D, form.Top() + D, form.Width() + D, form.Height());
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST(GridStartup, RunsOnceRegistersTheNamesAndEnds)
{
    VynGridModule::End();
    EXPECT_TRUE(VynGridModule::Start());
    const unsigned fmt = GridCellsClipFormat(), done = GridEditDoneMsg(), shift = ShiftFocusMsg();
    EXPECT_EQ(fmt, RegisterClipboardFormat("TVynStringGrid Cells"));
    EXPECT_EQ(done, RegisterWindowMessage("GridEditDone"));
    EXPECT_EQ(shift, RegisterWindowMessage("DTPShiftFocus"));
    EXPECT_NE(done, shift);
    TVynColumnGrid g(nullptr);
    SetHookActiveGrid(&g);
    // A second start does nothing: the active grid stays.
    EXPECT_FALSE(VynGridModule::Start());
    EXPECT_EQ(HookActiveGrid(), &g);
    EXPECT_EQ(GridEditDoneMsg(), done);
    EXPECT_TRUE(ComCtl470Available());
    VynGridModule::End();
    EXPECT_FALSE(VynGridModule::Started());
    EXPECT_EQ(HookActiveGrid(), nullptr);
    VynGridModule::Start();
}

TEST(GridStartup, TheActiveGridsFrameFollowsItsForm)
{
    VynGridModule::Start();
    FormWithGrid a, b;
    // No active grid: the form moves, nobody is told.
    a.MoveAndResize(5);
    EXPECT_EQ(a.form.Left(), 15);
    EXPECT_EQ(a.grid->Moves, 0);

    SetHookActiveGrid(a.grid);
    a.MoveAndResize(5);
    const int moves = a.grid->Moves;
    EXPECT_GT(moves, 0);
    EXPECT_EQ(a.form.Left(), 20);
    EXPECT_EQ(a.form.Width(), 310);
    // Another form's moves are not the active grid's.
    b.MoveAndResize(5);
    EXPECT_EQ(a.grid->Moves, moves);
    EXPECT_EQ(b.grid->Moves, 0);

    // The active grid changes: its form is watched instead.
    SetHookActiveGrid(b.grid);
    a.MoveAndResize(5);
    b.MoveAndResize(5);
    EXPECT_EQ(a.grid->Moves, moves);
    EXPECT_GT(b.grid->Moves, 0);

    // After the end nothing is watched.
    VynGridModule::End();
    SetHookActiveGrid(b.grid);
    const int bMoves = b.grid->Moves;
    b.MoveAndResize(5);
    EXPECT_EQ(b.grid->Moves, bMoves);
    SetHookActiveGrid(nullptr);
    VynGridModule::Start();
}

TEST(GridStartup, TheGridClassesAreFoundByName)
{
    VynGridModule::Start();
    const TPersistentClassInfo* c = GetClass("TVynColumnGrid");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(*c->Type, typeid(TVynColumnGrid));
    ASSERT_TRUE(c->Create);
    TForm owner(nullptr);
    TPersistent* made = c->Create(&owner);
    ASSERT_NE(dynamic_cast<TVynColumnGrid*>(made), nullptr);
    EXPECT_EQ(static_cast<TComponent*>(dynamic_cast<TVynColumnGrid*>(made))->Owner(), &owner);
    for (const char* name : {"TVynStringGrid", "tvynstringgrid", "TGridColumnItem", "TGridColumnCollection",
                             "TArrowWindow", "TScrollBar", "TDropList", "TFooterPanel", "TSearchPanel"})
        EXPECT_NE(GetClass(name), nullptr) << name;
    EXPECT_EQ(GetClass("TNoSuchGrid"), nullptr);
    EXPECT_THROW(FindClass("TNoSuchGrid"), Exception);
    // The same class again is no error; another class under the name is.
    EXPECT_NO_THROW(RegisterClass("TVynColumnGrid", typeid(TVynColumnGrid)));
    EXPECT_THROW(RegisterClass("TVYNCOLUMNGRID", typeid(TVynStringGrid)), Exception);
    EXPECT_EQ(*FindClass("TVynColumnGrid").Type, typeid(TVynColumnGrid));
}

TEST(GridStartup, ATransparentWindowLetsTheMouseThrough)
{
    TForm form(nullptr);
    form.Show();
    SetTransparentExStyle(&form);
    QWidget* w = form.Handle();
    EXPECT_TRUE(w->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(w->isVisible());
    SetTransparentExStyle(nullptr);
}

TEST(GridStartup, AGridBeingDestroyedLeavesTheHook)
{
    auto* g = new TVynColumnGrid(nullptr);
    SetHookActiveGrid(g);
    g->Free();
    EXPECT_EQ(HookActiveGrid(), nullptr);
    auto* s = new TVynStringGrid(nullptr);
    auto* other = new TVynStringGrid(nullptr);
    SetHookActiveGrid(s);
    other->Free();
    EXPECT_EQ(HookActiveGrid(), s);
    s->Free();
    EXPECT_EQ(HookActiveGrid(), nullptr);
}

TEST(GridStartup, TheBaseCheckerChangesNoText)
{
    TVynStringGridCheck check(nullptr);
    for (const char* s : {"", "12", " a b ", "<b>x</b>"}) {
        EXPECT_EQ(check.Correct(1, 2, s), s);
        EXPECT_EQ(check.MarkError(1, 2, s), s);
    }
    EXPECT_FALSE(check.UseCorrect() || check.UseMarkError() || check.GotoCell() || check.AutoCorrect() ||
                 check.AutoMarkError());
}
