// The open grid drop-down rendered offscreen: header row, bands, the search
// footer and the list sorted by the town column; VYN_RENDER_DIR=<dir> keeps
// the picture as a PNG file.
#include <QDir>
#include <QImage>

#include "griddropdown_fixture.h"
#include "griddropdown_scene.h"

#include "grid/interact/grid_interact_holders.h"

using namespace GridDropDownTestKit;

namespace {

using GridDropDownPicture = GridDropDownFixture;

QImage picture(TControl* Popup, const char* Name)
{
    const QImage img = TestKit::RenderToImage(Popup);
    const char* dir = std::getenv("VYN_RENDER_DIR");
    if (dir && *dir) {
        QDir().mkpath(QString::fromLocal8Bit(dir));
        img.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(Name)));
    }
    return img;
}

TColor pixel(const QImage& Image, TPoint P) { return FromQColor(Image.pixelColor(P.X, P.Y)); }

}  // namespace

TEST_F(GridDropDownPicture, OpenListWithHeaderBandsSearchFooterAndSortedColumn)
{
    GridDropDownScene::Dress(dd);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    TVynColGrid* g = grid();
    ASSERT_EQ(rows(1).front(), "Antwerp");
    ASSERT_EQ(rows(1).back(), "Utrecht");
    EXPECT_EQ(S(g->Cells(1, g->Row())), "Bremen") << "the chosen town is current after the sort";
    EXPECT_EQ(g->TopRow(), 1) << "the chosen row shows without scrolling the list " << g->VisibleRowCount();
    const QImage img = picture(dd->DropDownForm(), "griddropdown-open.png");
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), dd->DropDownForm()->Width());
    // The search footer shows below the rows.
    ASSERT_NE(g->SearchPanel(), nullptr);
    EXPECT_TRUE(g->SearchPanel()->Visible());
    // Bands: a row of the first band and one of the second, away from the
    // current and the hovered rows, at the right end of the town column.
    const TPoint origin{g->Left(), g->Top()};
    auto at = [&](int Col, int Row) {
        const TRect r = g->CellRect(Col, Row);
        return TPoint{origin.X + r.Right - 4, origin.Y + (r.Top + r.Bottom) / 2};
    };
    const int primaryRow = g->Row() == 1 ? 3 : 1, secondaryRow = g->Row() == 2 ? 4 : 2;
    EXPECT_EQ(pixel(img, at(1, primaryRow)), TColor(0xF5E6D8));
    EXPECT_EQ(pixel(img, at(1, secondaryRow)), TColor(0xFFFFFF));
    // The header row is not a band colour.
    EXPECT_NE(pixel(img, at(1, 0)), TColor(0xF5E6D8));
    EXPECT_NE(pixel(img, at(1, 0)), TColor(0xFFFFFF));
}
