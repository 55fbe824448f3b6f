// Picture of the grid's combo open in flat look, its list wider than the
// cell. VYN_RENDER_DIR=<dir> keeps the PNG; on a real display
// (VYN_TEST_DISPLAY=1 with QT_QPA_PLATFORM=xcb, e.g. under xvfb-run -a) the
// screen's pixels of the same place are kept too.
#include "edit_fixture.h"
#include "picture_kit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <cstdlib>

#include "grid/edit/grid_combo.h"

TEST_F(EditTest, PictureOfAnOpenFlatComboWiderThanTheCell)
{
    form.SetCaption("Grid combo");
    form.SetBounds(0, 0, 640, 400);
    grid->SetLook(TGridLook::glXP);
    grid->Navigation()->SetAutoComboDropSize(true);
    grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 2)
            E = TEditorType::edComboList;
    };
    grid->ClearComboString();
    for (const char* s : {"BOOL", "SINT", "INT", "DINT", "USINT", "UINT", "UDINT", "REAL",
                          "ARRAY [0..31] OF BYTE (process image)", "STRING(32)"})
        grid->AddComboString(s);
    grid->SetCells(2, 1, "UDINT");
    grid->FocusCell(2, 1, true);
    TestKit::TypeKey(grid, VK_F2);
    TestKit::PumpPostedMessages();
    TGridCombo* combo = grid->ComboEditor();
    ASSERT_TRUE(combo->Visible());
    EXPECT_TRUE(combo->Flat());
    combo->SetDroppedDown(true);
    Settle(500);
    ASSERT_TRUE(combo->DroppedDown());
    auto* q = static_cast<QComboBox*>(combo->Widget());
    QWidget* popup = q->view()->window();
    // The list is as wide as its widest item and wider than the cell.
    EXPECT_GE(popup->width(), combo->DroppedWidth());
    EXPECT_LE(popup->width(), combo->DroppedWidth() + 8) << "the list's frame";
    EXPECT_GT(popup->width(), grid->ColWidths(2) + 40);
    EXPECT_EQ(combo->Height(), grid->RowHeights(1) - 1);

    // The form with the open list drawn where it shows.
    QImage shot = TestKit::RenderToImage(&form);
    {
        const TPoint formAt = form.ClientToScreen(TPoint(0, 0));
        const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - QPoint(formAt.X, formAt.Y);
        QImage big(std::max(shot.width(), at.x() + popup->width()), std::max(shot.height(), at.y() + popup->height()),
                   QImage::Format_ARGB32);
        big.fill(Qt::white);
        QPainter p(&big);
        p.drawImage(0, 0, shot);
        p.drawPixmap(at, popup->grab());
        p.end();
        shot = big;
        // The list drops below the combo, at its left edge.
        const TPoint comboAt = combo->ClientToScreen(TPoint(0, 0));
        EXPECT_LE(std::abs(popup->mapToGlobal(QPoint(0, 0)).x() - comboAt.X), 2);
        EXPECT_GE(popup->mapToGlobal(QPoint(0, 0)).y(), comboAt.Y + combo->Height() - 2);
    }
    Keep(shot, "grid_combo_open_flat.png");
    if (QGuiApplication::platformName() != "offscreen") {
        const TPoint at = form.ClientToScreen(TPoint(0, 0));
        Keep(QGuiApplication::primaryScreen()->grabWindow(0, at.X, at.Y, shot.width(), shot.height()).toImage(),
             "grid_combo_open_flat_screen.png");
    }
    combo->SetDroppedDown(false);
    Key(VK_ESCAPE);
}
