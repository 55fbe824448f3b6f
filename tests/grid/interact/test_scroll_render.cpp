// The scroll-bar looks as drawn: a grid with flat bars and one with the thin
// metro bars, rendered to pictures (kept in the temporary folder for a look).
#include <QDir>

#include "grid/interact/grid_interact_holders.h"
#include "interact_fixture.h"

namespace {

struct ScrollRenderTest : InteractTest {
    ScrollRenderTest()
    {
        g->SetRowCount(200);
        g->SetColCount(30);
        for (int r = 0; r < 200; ++r)
            for (int c = 0; c < 30; ++c)
                g->SetCells(c, r, QString("%1:%2").arg(c).arg(r));
        g->SetTopRow(60);
    }
    QImage Render(const char* Name)
    {
        QCoreApplication::processEvents();
        const QImage img = TestKit::RenderToImage(g);
        img.save(QDir::temp().filePath(QString("grid_scroll_%1.png").arg(Name)));
        return img;
    }
};

TEST_F(ScrollRenderTest, MetroBarsDrawAThinThumbOverTheCells)
{
    g->SetScrollType(TScrollType::ssMetro);
    auto* v = dynamic_cast<TScrollControl*>(g->MetroScrollBar(true));
    ASSERT_TRUE(v);
    v->SetColor(clRed);
    const QImage img = Render("metro");
    int start = 0, length = 0;
    ASSERT_TRUE(v->GetThumb(start, length));
    // The thumb: ScrollWidth pixels of the bar's colour at the bar's left.
    const QPoint thumb(v->Left() + 1, v->Top() + start + length / 2);
    EXPECT_EQ(img.pixelColor(thumb), QColor(Qt::red));
    // Beside the thumb and on the track the cells show through.
    EXPECT_NE(img.pixelColor(v->Left() + v->ScrollWidth() + 1, thumb.y()), QColor(Qt::red));
    EXPECT_NE(img.pixelColor(v->Left() + 1, v->Top() + 2), QColor(Qt::red));
}

TEST_F(ScrollRenderTest, FlatBarsTakeTheScrollColourAndWidthAndLookFlat)
{
    const QImage normal = Render("normal");
    TScrollBar* v = g->VertScrollBar();
    // A point on the track of the vertical bar, clear of the thumb (grid
    // coordinates), and the top-left pixel of its first arrow (the bar's).
    const auto trackPoint = [&] { return QPoint(v->Left() + v->Width() / 2, v->Top() + v->Height() - v->Width() - 3); };
    const auto arrowCorner = [&] { return TestKit::RenderToImage(v).pixelColor(0, 0); };
    EXPECT_EQ(normal.pixelColor(trackPoint()), ToQColor(clScrollBar));
    EXPECT_NE(arrowCorner(), ToQColor(clBtnShadow));
    g->SetScrollType(TScrollType::ssFlat);
    g->SetScrollColor(clLime);
    g->SetScrollWidth(12);
    const QImage flat = Render("flat");
    EXPECT_EQ(v->Width(), 12);
    EXPECT_EQ(g->HorzScrollBar()->Height(), 12);
    EXPECT_EQ(flat.pixelColor(trackPoint()), QColor(Qt::green));
    EXPECT_EQ(arrowCorner(), ToQColor(clBtnShadow));
    // Encarta: flat until the pointer rests on an arrow, which rises.
    g->SetScrollType(TScrollType::ssEncarta);
    EXPECT_EQ(Render("encarta"), flat);
    TestKit::MouseMove(v, 5, 5);
    Render("encarta_hot");
    EXPECT_NE(arrowCorner(), ToQColor(clBtnShadow));
    TestKit::MouseLeave(v);
    EXPECT_EQ(Render("encarta"), flat);
}

TEST_F(ScrollRenderTest, ThePanningMarkerIsDrawnWhereThePanStarted)
{
    g->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(200, 120));
    ASSERT_TRUE(g->Panning());
    QImage img(g->ClientWidth(), g->ClientHeight(), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        g->Perform(WM_PAINT, intptr_t(&p));
    }
    img.save(QDir::temp().filePath("grid_scroll_panning.png"));
    // A white disc with a dark rim and centre dot (26 x 26 from the press).
    EXPECT_LT(img.pixelColor(200 + 13, 120 + 13).lightness(), 170);
    EXPECT_LT(img.pixelColor(200 + 1, 120 + 13).lightness(), 170);
    EXPECT_EQ(img.pixelColor(200 + 6, 120 + 18), QColor(Qt::white));
    g->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace
