// The grid library's start: once only, its registered names, its end; the
// base cell checker.
#include <gtest/gtest.h>

#include "grid/core/column_grid.h"
#include "grid/core/grid_startup.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/messages.h"

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
