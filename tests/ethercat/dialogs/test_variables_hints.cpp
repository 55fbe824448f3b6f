// The variables editor's header hints show when the pointer rests on a
// header cell of its grids, and leave with the cell.
#include "dialog_fixture.h"

#include "platform/gui/application.h"
#include "platform/gui/hintwindow.h"
#include "platform/testing/fake_clock.h"

namespace {

class VariablesHintsTest : public EtherCATDialogTest {
protected:
    void SetUp() override
    {
        EtherCATDialogTest::SetUp();
        vars->Show();
    }
    void TearDown() override
    {
        Application.CancelHint();
        vars->Hide();
        EtherCATDialogTest::TearDown();
    }
    static String Shown()
    {
        THintWindow* w = ApplicationHintWindow();
        return w->IsHintShowing() ? w->Caption() : String("(none)");
    }
    TestKit::InputStateScope input;
};

TEST_F(VariablesHintsTest, AHeaderCellShowsItsColumnsHint)
{
    TestKit::FakeClock clock;
    TVynStringGrid* g = S();
    const TRect type = g->CellRect(2, 0), data = g->CellRect(2, 1);
    TestKit::MouseMove(g, type.Left + 10, type.Top + 5);
    clock.Advance(Application.HintPause());
    EXPECT_EQ(Shown(), Lang_Text(1025));
    // A data cell has none: the header hint goes at once.
    TestKit::MouseMove(g, data.Left + 10, data.Top + 5);
    EXPECT_EQ(Shown(), "(none)");
    clock.Advance(Application.HintPause());
    EXPECT_EQ(Shown(), "(none)");
}

}  // namespace
