// Cell properties (Assign, which setters repaint) and undo/redo.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QWidget>

#include "cell_store_fixture.h"
#include "grid/core/grid_undo.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

TEST(CellProperties, AssignCopiesTheListedSubset)
{
    TTestGrid grid(nullptr);
    TCellProperties a(&grid, 1, 2), b(&grid, 3, 4);
    Counted obj;
    TCellGraphic graphic;
    a.SetIsBaseCell(false);
    a.SetCellSpanX(2);
    a.SetCellSpanY(1);
    a.SetCellObject(&obj);
    a.SetGraphicObject(&graphic);
    a.SetAlignment(taCenter);
    a.SetBorderColor(clRed);
    a.SetBorderWidth(2);
    a.SetBrushStyle(TBrushStyle::bsClear);
    a.SetFontColor(clBlue);
    a.SetFontName("X");
    a.SetFontSize(9);
    a.SetReadOnly(true);
    a.SetEditor(TEditorType::edComboList);
    a.SetNodeLevel(3);
    a.SetCalcType(TColumnCalcType::acSUM);
    a.SetGradientDirection(TCellGradientDirection::GradientHorizontal);
    a.SetPaintID(7);
    a.SetBrushColor(clLime);
    a.SetBrushColorTo(clAqua);
    a.SetVAlignment(TVAlignment::vtaBottom);
    a.SetWordWrap(false);
    b.Assign(a);
    EXPECT_FALSE(b.IsBaseCell());
    EXPECT_EQ(b.CellSpanX(), 2);
    EXPECT_EQ(b.CellSpanY(), 1);
    EXPECT_EQ(b.OwnerCol(), 1);
    EXPECT_EQ(b.OwnerRow(), 2);
    EXPECT_EQ(b.CellObject(), &obj);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.BorderColor(), clRed);
    EXPECT_EQ(b.BorderWidth(), 2);
    EXPECT_EQ(b.BrushColor(), clLime);
    EXPECT_EQ(b.BrushStyle(), TBrushStyle::bsClear);
    EXPECT_EQ(b.FontColor(), clBlue);
    EXPECT_EQ(b.FontName().toStdString(), "X");
    EXPECT_EQ(b.FontSize(), 9);
    EXPECT_TRUE(b.ReadOnly());
    EXPECT_EQ(b.Editor(), TEditorType::edComboList);
    EXPECT_EQ(b.VAlignment(), TVAlignment::vtaBottom);
    EXPECT_FALSE(b.WordWrap());
    EXPECT_EQ(b.NodeLevel(), 3);
    // Not copied.
    EXPECT_EQ(b.GraphicObject(), nullptr);
    EXPECT_EQ(b.BrushColorTo(), clNone);
    EXPECT_EQ(b.CalcType(), TColumnCalcType::acNONE);
    EXPECT_EQ(b.GradientDirection(), TCellGradientDirection::GradientVertical);
    EXPECT_EQ(b.PaintID(), 0);
    EXPECT_EQ(b.GetBaseCell(5, 5), (TPoint{3, 4}));
    TCellGraphic notProps;
    EXPECT_THROW(b.Assign(notProps), Exception);
}

TEST(CellProperties, WhichSettersRepaintTheCell)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 300);
    auto* grid = new TTestGrid(&form);
    grid->SetBorderStyle(bsNone);
    grid->SetBounds(0, 0, 400, 200);
    grid->SetParent(&form);
    form.Show();
    QCoreApplication::processEvents();
    TCellProperties* p = grid->GetCellProperties(2, 2);
    const TRect cell = grid->CellRect(2, 2);
    PaintProbe probe;
    grid->Widget()->installEventFilter(&probe);
    struct Case {
        const char* what;
        std::function<void()> set;
        bool repaints;
    };
    const Case cases[] = {
        {"BrushColor", [&] { p->SetBrushColor(clRed); }, true},
        {"BrushColorTo", [&] { p->SetBrushColorTo(clRed); }, true},
        {"VAlignment", [&] { p->SetVAlignment(TVAlignment::vtaCenter); }, true},
        {"WordWrap", [&] { p->SetWordWrap(false); }, true},
        {"Alignment", [&] { p->SetAlignment(taCenter); }, false},
        {"FontColor", [&] { p->SetFontColor(clRed); }, false},
        {"ReadOnly", [&] { p->SetReadOnly(true); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QCoreApplication::processEvents();
        probe.Painted = QRegion();
        c.set();
        QCoreApplication::processEvents();
        EXPECT_EQ(probe.Painted.contains(QPoint(cell.Left + 3, cell.Top + 3)), c.repaints);
        if (c.repaints) {
            // The cell only, not the whole grid.
            EXPECT_FALSE(probe.Painted.contains(QPoint(cell.Right + 70, cell.Top + 3)));
        }
    }
    grid->Widget()->removeEventFilter(&probe);
}

// ---- undo and redo ------------------------------------------------------------------------------

struct UndoTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TTestGrid* grid;
    TVynGridUndoRedo* undo;
    UndoTest()
    {
        form.SetBounds(0, 0, 500, 300);
        grid = new TTestGrid(&form);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetParent(&form);
        undo = new TVynGridUndoRedo(&form);
        grid->SetUndoRedo(undo);
    }
    // A change as the string grid records it: write, then register.
    void Change(int C, int R, const String& V)
    {
        const String old = grid->Cells(C, R);
        grid->SetCells(C, R, V);
        undo->RegisterChange(C, R, old, V);
    }
    std::string T(int C, int R) { return grid->Cells(C, R).toStdString(); }
};

TEST_F(UndoTest, LinkIsMutualAndClearedOnEitherSide)
{
    EXPECT_EQ(undo->Grid(), grid);
    EXPECT_EQ(grid->UndoRedo(), undo);
    delete undo;
    EXPECT_EQ(grid->UndoRedo(), nullptr);
    undo = new TVynGridUndoRedo(nullptr);
    grid->SetUndoRedo(undo);
    delete grid;
    EXPECT_EQ(undo->Grid(), nullptr);
    undo->Undo();  // no grid: nothing
    delete undo;
}

TEST_F(UndoTest, MaxLevelKeepsTheLastSteps)
{
    undo->SetMaxLevel(2);
    Change(1, 1, "a");
    Change(1, 1, "b");
    Change(1, 1, "c");
    EXPECT_EQ(undo->Items().Count(), 2);
    undo->Undo();
    EXPECT_EQ(T(1, 1), "b");
    undo->Undo();
    EXPECT_EQ(T(1, 1), "a");
    EXPECT_FALSE(undo->CanUndo());
    undo->Undo();
    EXPECT_EQ(T(1, 1), "a");
    EXPECT_EQ(undo->Level(), 0);
}

TEST_F(UndoTest, SequenceIsOneStepAndResetClearsAll)
{
    Change(1, 1, "x");
    undo->StartSequence();
    Change(1, 2, "p");
    Change(2, 2, "q");
    Change(3, 2, "r");
    undo->StopSequence();
    EXPECT_EQ(undo->Level(), 6);
    undo->Undo();
    EXPECT_EQ(undo->Level(), 1);
    EXPECT_EQ(T(1, 2) + T(2, 2) + T(3, 2), "");
    EXPECT_EQ(T(1, 1), "x");
    undo->Redo();
    EXPECT_EQ(T(1, 2) + T(2, 2) + T(3, 2), "pqr");
    EXPECT_EQ(undo->Level(), 6);
    undo->Undo();
    undo->Undo();
    EXPECT_EQ(undo->Level(), 0);
    undo->Redo();
    EXPECT_EQ(undo->Level(), 1);
    undo->Redo();
    EXPECT_EQ(undo->Level(), 6);
    EXPECT_FALSE(undo->CanRedo());
    undo->Reset();
    EXPECT_FALSE(undo->CanUndo());
    EXPECT_FALSE(undo->CanRedo());
    EXPECT_EQ(undo->Items().Count(), 0);
}

TEST_F(UndoTest, NewChangeDropsTheRedoTail)
{
    Change(1, 1, "a");
    Change(2, 1, "b");
    undo->Undo();  // b undone
    EXPECT_EQ(T(2, 1), "");
    Change(3, 1, "c");
    EXPECT_EQ(undo->Items().Count(), 2);
    undo->Redo();  // nothing to redo
    EXPECT_EQ(T(2, 1), "");
    undo->Undo();
    EXPECT_EQ(T(3, 1), "");
    EXPECT_EQ(T(1, 1), "a");
    undo->Undo();
    EXPECT_EQ(T(1, 1), "");
    EXPECT_EQ(T(2, 1), "");
    // A sequence marker after an undo drops the tail too.
    undo->Redo();
    undo->StartSequence();
    EXPECT_EQ(undo->Items().Count(), 2);
}

TEST_F(UndoTest, TrimmingTakesAWholeSequence)
{
    undo->SetMaxLevel(4);
    undo->StartSequence();
    Change(1, 1, "p");
    Change(2, 1, "q");
    undo->StopSequence();  // 4 items
    Change(3, 3, "z");     // the sequence goes whole
    EXPECT_EQ(undo->Items().Count(), 1);
    EXPECT_EQ(undo->Level(), 1);
    undo->Undo();
    EXPECT_EQ(T(3, 3), "");
    undo->Undo();  // nothing older: the sequence stays done
    EXPECT_EQ(T(1, 1) + T(2, 1), "pq");
    // An open sequence is not cut while it is being recorded.
    undo->Reset();
    undo->SetMaxLevel(2);
    undo->StartSequence();
    Change(1, 1, "m");
    Change(2, 1, "n");
    undo->StopSequence();
    EXPECT_EQ(undo->Items().Count(), 4);
    undo->Undo();
    EXPECT_EQ(T(1, 1) + T(2, 1), "pq");
}

TEST_F(UndoTest, StepsOutsideTheGridAreSkippedAndEventsCarryTheTexts)
{
    std::vector<std::string> log;
    undo->OnUndo = [&](TObject* S, TBaseGrid* G, int C, int R, const String& O, const String& N) {
        EXPECT_EQ(S, undo);
        EXPECT_EQ(G, grid);
        log.push_back("undo " + std::to_string(C) + "," + std::to_string(R) + " " + O.toStdString() + ">" +
                      N.toStdString());
    };
    undo->OnRedo = [&](TObject*, TBaseGrid*, int C, int R, const String& O, const String& N) {
        log.push_back("redo " + std::to_string(C) + "," + std::to_string(R) + " " + O.toStdString() + ">" +
                      N.toStdString());
    };
    Change(2, 3, "a");
    Change(4, 5, "b");
    undo->Undo();
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 5);
    undo->Redo();
    grid->SetRowCount(4);  // row 5 leaves the grid
    undo->Undo();          // skipped, the level moves
    EXPECT_EQ(undo->Level(), 1);
    undo->Undo();
    EXPECT_EQ(T(2, 3), "");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"undo 4,5 b>", "redo 4,5 >b", "undo 2,3 a>"}));
    // The current cell stays off a fixed or hidden cell.
    Change(0, 2, "f");
    grid->SetColWidths(3, 0);
    Change(3, 1, "h");
    grid->FocusCell(1, 1, true);
    undo->Undo();
    undo->Undo();
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(T(0, 2) + T(3, 1), "");
}

}  // namespace
