// A rule-table-like grid painted whole: the look of the program's tables,
// saved for a developer to look at (VYN_RENDER_DIR=<dir>), with probes of
// what it must show.
#include "paint_fixture.h"

#include "grid/data/grid_data_holders.h"
#include "platform/gui/bitmap.h"

namespace {

TEST_F(GridPaintTest, RuleTableDemo)
{
    grid->SetBounds(8, 8, 560, 230);
    grid->SetColCount(6);
    grid->SetRowCount(8);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 120);
    grid->SetColWidths(2, 70);
    grid->SetColWidths(3, 120);
    grid->SetColWidths(4, 110);
    grid->SetColWidths(5, 90);
    SetPaintLook(TGridLook::glXP);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->ControlLook()->SetControlStyle(VynObj::TControlStyle::csWinXP);
    grid->Bands()->SetPrimaryColor(0xF7EFE8);
    grid->Bands()->SetSecondaryColor(clWhite);
    grid->Bands()->SetPrimaryLength(1);
    grid->Bands()->SetSecondaryLength(1);
    grid->Bands()->SetActive(true);
    const char* headers[] = {"", "Name", "Enabled", "Description", "Picture", "Progress"};
    for (int c = 0; c < 6; ++c)
        grid->SetCells(c, 0, headers[c]);
    for (int r = 1; r < 8; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QString("Variable_%1").arg(r));
        grid->AddCheckBox(2, r, r % 2 == 1, true);
        grid->SetCells(5, r, QString::number(r * 14));
    }
    grid->SetAlignments(2, 1, taCenter);
    grid->SetCells(3, 1, "<b>bold</b> and <i>italic</i>");
    grid->SetCells(3, 2, "<font color=\"#C00000\">red</font> text");
    grid->SetCells(3, 3, "plain text");
    TBitmap* pic = grid->CreateBitmap(4, 2, false, TCellHAlign::haBeforeText, TCellVAlign::vaCenter);
    pic->SetSize(16, 16);
    pic->Canvas().Brush().SetColor(0x2E9B3A);
    pic->Canvas().FillRect(TRect{0, 0, 16, 16});
    grid->SetCells(4, 2, "picture");
    for (int r = 1; r < 8; ++r)
        grid->AddProgress(5, r, 0xB5602F, clWhite);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(1);
    grid->SortSettings()->SetRow(0);
    grid->SetSelection(TGridRect{1, 4, 3, 5});
    grid->SetFocus();
    const QImage image = Paint();
    Keep(image, "grid_render_demo.png");
    ASSERT_EQ(image.size(), QSize(560, 230));
    // The header's look: white at its top, a gradient below.
    const TRect h = grid->CellRect(3, 0);
    EXPECT_EQ(At(image, h.Left + 5, h.Top), TColor(clWhite)) << "glXP white top line";
    EXPECT_GT(Dark(image, h), 10) << "header caption";
    // A selected cell outside the focus shows the selection colour.
    const TRect s = grid->CellRect(2, 5);
    EXPECT_GT(Count(image, s, grid->SelectionColor()), 50);
    // Bands: rows 1 and 2 differ.
    const TRect b1 = grid->CellRect(4, 1), b2 = grid->CellRect(4, 3);
    EXPECT_EQ(At(image, b1.Right - 4, b1.Bottom - 4), TColor(0xF7EFE8));
    EXPECT_EQ(At(image, b2.Right - 4, b2.Bottom - 4), TColor(0xF7EFE8));
    const TRect b0 = grid->CellRect(4, 2);
    EXPECT_NE(At(image, b0.Right - 4, b0.Bottom - 4), TColor(0xF7EFE8));
    // The green picture.
    EXPECT_GT(Count(image, grid->CellRect(4, 2), 0x2E9B3A), 200);
    // The progress bars fill with their colour.
    EXPECT_GT(Count(image, grid->CellRect(5, 7), 0xB5602F), 100);
}

}  // namespace
