// The grid and the mouse modes of the layer: a modal window shown from
// OnSelectCell during a click ends the selecting, a drag from one grid's
// cell to another's, and files dropped on a grid from outside.
#include <functional>

#include "grid_fixture.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/dragdrop.h"

using TestKit::DragDriver;

namespace {

constexpr uintptr_t kMoveTimer = 1;  // the grid's move (auto-scroll) timer

// GridTest's grid, plus a second grid with a border to its right.
struct GridDragTest : GridTest {
    TRecordingGrid* target = nullptr;
    TestKit::DragDriver drag;

    GridDragTest()
    {
        form.SetBounds(0, 0, 900, 480);
        target = new TRecordingGrid(&form);
        target->SetName("Target");
        target->SetBounds(430, 8, 400, 250);
        target->SetColCount(6);
        target->SetRowCount(10);
        target->SetParent(&form);
    }
    ~GridDragTest() override { Screen.SetCursor(crDefault); }

    TPoint TargetMid(int ACol, int ARow) const
    {
        const TRect r = target->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    bool MoveTimerRunning() const { return TTimerService::Instance().HasControlTimer(grid, kMoveTimer); }
};

}  // namespace

TEST_F(GridDragTest, AModalWindowFromOnSelectCellEndsTheSelectingOfTheClick)
{
    const std::vector<std::pair<const char*, std::function<void()>>> interruptions = {
        {"modal form",
         [this] {
             TestKit::ModalFormDriver modal;
             TForm editor(nullptr);
             editor.SetName("RuleEditor");
             modal.When(&editor, [](TForm& f) {
                 TestKit::MouseUp(&f, 20, 20);  // the button goes up over the editor
                 f.SetModalResult(mrOk);
             });
             editor.ShowModal();
         }},
        {"message box",
         [] {
             TestKit::MessageBoxScript boxes;
             boxes.ExpectAny(mrOk);
             ShowMessage("Value out of range");
             TestKit::MouseUp(nullptr, 0, 0);
         }},
    };
    for (const auto& [name, interrupt] : interruptions) {
        SCOPED_TRACE(name);
        TestKit::FakeClock clock;
        grid->SetRow(1);
        grid->SetCol(1);
        grid->OnSelectCell = [&, interrupt = interrupt](TObject*, int ACol, int ARow, bool&) {
            if (ACol == 3 && ARow == 4)
                interrupt();
        };
        const TPoint p = Mid(3, 4);
        TestKit::MouseDown(grid, p.X, p.Y);
        EXPECT_EQ(grid->GridState(), gsNormal);
        EXPECT_FALSE(MoveTimerRunning());
        EXPECT_EQ(GetCaptureControl(), nullptr);
        EXPECT_EQ(Cur(), "3,4");
        // The pointer wanders below the grid afterwards, no button held.
        TestKit::MouseMove(grid, p.X, 240);
        clock.Advance(600);
        EXPECT_EQ(TopLeft(), "1,1");
        EXPECT_EQ(Sel(), "3,4-3,4");
        grid->OnSelectCell = nullptr;
    }
}

TEST_F(GridDragTest, ACellIsDraggedToTheCellsOfAnotherGridThatAcceptIt)
{
    TestKit::FakeClock clock;
    TGridCoord from{-1, -1};
    // The source starts a drag from the pressed cell once the pointer moves.
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) {
        grid->MouseToCell(X, Y, from.X, from.Y);
        grid->BeginDrag(false);
    };
    // The target takes cells of its column 2 only, and only from the grid.
    target->OnDragOver = [&](TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept) {
        int c = -1, r = -1;
        target->MouseToCell(X, Y, c, r);
        Accept = Source == grid && c == 2 && r >= target->FixedRows();
    };
    target->OnDragDrop = [&](TObject*, TObject*, int X, int Y) {
        int c = -1, r = -1;
        target->MouseToCell(X, Y, c, r);
        target->SetCells(c, r, grid->Cells(from.X, from.Y));
    };
    std::vector<std::string> ends;
    grid->OnEndDrag = [&](TObject*, TObject* Target, int X, int Y) {
        ends.push_back((Target == target ? "Target " : "none ") + Num(X) + "," + Num(Y));
    };

    const TPoint a = Mid(3, 4);
    drag.Press(grid, a.X, a.Y);
    EXPECT_TRUE(grid->Dragging());
    EXPECT_EQ(grid->GridState(), gsNormal);  // the drag ended the selecting
    EXPECT_FALSE(MoveTimerRunning());
    drag.Move(target, TargetMid(4, 2).X, TargetMid(4, 2).Y);
    EXPECT_EQ(DragDriver::Target(), target);
    EXPECT_FALSE(DragDriver::Accepted());
    EXPECT_EQ(Screen.Cursor(), crNoDrop);
    const TPoint b = TargetMid(2, 3);
    drag.Move(target, b.X, b.Y);
    EXPECT_TRUE(DragDriver::Accepted());
    EXPECT_EQ(Screen.Cursor(), crDrag);
    drag.Drop(target, b.X, b.Y);

    EXPECT_FALSE(grid->Dragging());
    EXPECT_EQ(target->Cells(2, 3), "3,4");
    EXPECT_EQ(ends, (std::vector<std::string>{"Target " + Num(b.X) + "," + Num(b.Y)}));
    EXPECT_EQ(Screen.Cursor(), crDefault);
    clock.Advance(600);
    EXPECT_EQ(TopLeft(), "1,1");

    // Dropped on a cell the target refuses: nothing changes.
    const TPoint refused = TargetMid(3, 3);
    drag.Press(grid, Mid(5, 6).X, Mid(5, 6).Y);
    drag.Move(target, refused.X, refused.Y);
    drag.Drop(target, refused.X, refused.Y);
    EXPECT_EQ(target->Cells(3, 3), "");
    EXPECT_EQ(ends.back(), "none 0,0");
}

TEST_F(GridDragTest, FilesDroppedFromOutsideLandInTheCellUnderThePointer)
{
    target->OnDragOver = [&](TObject*, TObject* Source, int X, int Y, TDragState, bool& Accept) {
        auto* outside = dynamic_cast<TExternalDragObject*>(Source);
        int c = -1, r = -1;
        target->MouseToCell(X, Y, c, r);
        Accept = outside && outside->HasFiles() && c == 1 && r >= 1;
    };
    target->OnDragDrop = [&](TObject*, TObject* Source, int X, int Y) {
        auto* outside = static_cast<TExternalDragObject*>(Source);
        int c = -1, r = -1;
        target->MouseToCell(X, Y, c, r);
        for (const QString& f : outside->Files())
            target->SetCells(c, r++, f);
    };
    auto files = DragDriver::FileData({"/data/rules.xml", "/data/more rules.xml"});
    // The grid's border insets its cells: the drop still lands in the cell
    // under the pointer.
    ASSERT_NE(target->BorderStyle(), bsNone);
    const TPoint p = TargetMid(1, 2);
    EXPECT_TRUE(DragDriver::ExternalDrop(target, p.X, p.Y, *files));
    EXPECT_EQ(target->Cells(1, 2), "/data/rules.xml");
    EXPECT_EQ(target->Cells(1, 3), "/data/more rules.xml");

    const TPoint q = TargetMid(2, 5);
    EXPECT_FALSE(DragDriver::ExternalDrop(target, q.X, q.Y, *files));
    auto text = DragDriver::TextData("just text");
    EXPECT_FALSE(DragDriver::ExternalDrop(target, p.X, p.Y, *text));
    EXPECT_EQ(target->Cells(2, 5), "");
    EXPECT_EQ(target->Cells(1, 2), "/data/rules.xml");
}
