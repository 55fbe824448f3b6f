// The open header filter drop-down as it is painted: the check list in its
// popup below the header button, with its ticks. The picture is written to
// VYN_SHOT_DIR when that is set (to look at), else to a temporary folder;
// on a real display (VYN_TEST_DISPLAY=1) the screen is grabbed as well.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>

#include "data_grid_fixture.h"
#include "filter_fruit_grid.h"
#include "grid/data/grid_data_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/forms.h"
#include "platform/testing/render_png.h"
#include "support/temp_dir.h"

TEST(FilterDropDownPicture, OpenCheckListIsPaintedWithItsTicks)
{
    TempDir tmp;
    const char* dir = std::getenv("VYN_SHOT_DIR");
    const String shots = dir ? QString::fromLocal8Bit(dir) : tmp.path();
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 420, 300);
    auto* g = new TDataGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 400, 280);
    FillFruitGrid(*g);
    form->Show();
    Application.ProcessMessages();
    ASSERT_TRUE(g->ShowFilterDropDown(2));
    TDropCheckList* list = g->DropCheckList();
    list->SetChecked(1, true);  // "a b"
    g->FilterListCheck(list, 1);
    list->SetChecked(2, true);  // "apple"
    g->FilterListCheck(list, 2);
    Application.ProcessMessages();

    const QImage popup = TestKit::RenderToImage(g->FilterPopup());
    EXPECT_TRUE(popup.save(shots + QStringLiteral("/filter_dropdown.png")));
    popup.scaled(popup.size() * 4).save(shots + QStringLiteral("/filter_dropdown_x4.png"));
    ASSERT_FALSE(popup.isNull());
    // The entries "(All)", "a b", "apple", "fig", "pear", "plum":
    // the list is as high as its items, and the ticked rows hold dark pixels
    // in their check box.
    EXPECT_EQ(list->Items().Count(), 6);
    EXPECT_GE(popup.height(), 6 * list->ItemHeight());
    auto darkIn = [&](int Item) {
        const TRect r = list->ItemRect(Item);
        int dark = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Left + 16; ++x)
                if (qGray(popup.pixel(x, y)) < 80)
                    ++dark;
        return dark;
    };
    EXPECT_GT(darkIn(1), darkIn(4));
    EXPECT_GT(darkIn(2), darkIn(3));
    EXPECT_EQ(g->RowCount(), 4);  // the header, "apple" twice and "a b"

    QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() != QStringLiteral("offscreen") && screen) {
        EXPECT_TRUE(screen->grabWindow(0).save(shots + QStringLiteral("/filter_dropdown_screen.png")));
    }
    g->FilterPopup()->PopupDeactivate(nullptr);
    EXPECT_EQ(g->FilterColumn(), -1);
    delete form;
}

// The header button shows FilterDropDown.Glyph, GlyphActive while its
// column has a condition, and the built-in picture when the glyph is empty.
TEST(FilterDropDownPicture, HeaderButtonShowsGlyphOrGlyphActive)
{
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 420, 300);
    auto* g = new TDataGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 400, 280);
    FillFruitGrid(*g);
    TBitmap red(16, 16), blue(16, 16);
    for (auto [b, c] : {std::pair{&red, clRed}, std::pair{&blue, clBlue}}) {
        b->Canvas().Brush().SetColor(clWhite);
        b->Canvas().FillRect(TRect{0, 0, 16, 16});
        b->Canvas().Brush().SetColor(c);
        b->Canvas().FillRect(TRect{3, 3, 13, 13});
    }
    form->Show();
    Application.ProcessMessages();
    const TRect cell = g->CellRect(2, 0);
    auto centre = [&] {
        const QImage img = TestKit::RenderToImage(g);
        return QColor(img.pixel(cell.Right - 8, cell.Top + 8));
    };
    const QColor builtIn = centre();
    g->FilterDropDown()->SetGlyph(red);
    g->FilterDropDown()->SetGlyphActive(blue);
    EXPECT_EQ(centre(), QColor(Qt::red));
    TFilterData* f = g->Filter()->Add();
    f->SetColumn(2);
    f->SetCondition(QStringLiteral("apple"));
    EXPECT_EQ(centre(), QColor(Qt::blue));
    const TBitmap none;
    g->FilterDropDown()->SetGlyphActive(none);
    EXPECT_EQ(centre(), builtIn);
    delete form;
}
