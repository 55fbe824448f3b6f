// The header drag button with its arrows during a column move, as a
// picture: offscreen the form and the floating windows are put together at
// their screen places; on a real display (xcb) the screen itself is read
// back, so the windows shown without activation must really be there.
// VYN_RENDER_DIR=<dir> keeps the picture (header_drag_button.png).
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <cstdlib>

#include "drag_fixture.h"
#include "platform/testing/render_png.h"

namespace {

QImage Composed(TForm& Form, std::initializer_list<TWinControl*> Windows)
{
    QImage img = TestKit::RenderToImage(&Form);
    QPainter p(&img);
    const TPoint origin = Form.ClientToScreen(TPoint(0, 0));
    for (TWinControl* w : Windows) {
        if (!w->Visible())
            continue;
        QImage part = TestKit::RenderToImage(w);
        const TRegion shape = dynamic_cast<TOverlayWindow*>(w)->WindowRegion();
        if (!shape.IsEmpty())
            p.setClipRegion(shape.ToQt().translated(w->Left() - origin.X, w->Top() - origin.Y));
        p.drawImage(w->Left() - origin.X, w->Top() - origin.Y, part);
        p.setClipping(false);
    }
    return img;
}

QImage ScreenShot()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

}  // namespace

TEST_F(DragTest, TheHeaderDragButtonAndItsArrowsShowAboveTheGrid)
{
    g->DragDropSettings()->SetOleDropSource(false);
    g->DragDropSettings()->SetShowCells(false);
    g->SetGridOption(goColMoving, true);
    g->SetCells(2, 0, "Moved column");
    // Room above the header for the down arrow.
    g->SetTop(30);
    form.SetBounds(40, 40, 700, 500);
    QCoreApplication::processEvents();
    const TPoint press = Mid(2, 0);
    TestKit::MouseDown(g, press.X, press.Y);
    const TPoint over = Mid(4, 0);
    TestKit::MouseMove(g, over.X, over.Y + 30);
    THeaderDragButton* b = g->HeaderDragButton();
    ASSERT_TRUE(b && b->Visible());
    ASSERT_TRUE(g->ArwU->Visible() && g->ArwD->Visible());

    const bool real = QGuiApplication::platformName() == QStringLiteral("xcb");
    QImage img;
    TPoint origin(0, 0);
    if (real) {
        img = ScreenShot();
    } else {
        img = Composed(form, {b, g->ArwU, g->ArwD});
        origin = form.ClientToScreen(TPoint(0, 0));
    }
    ASSERT_FALSE(img.isNull());
    if (const char* dir = std::getenv("VYN_RENDER_DIR"))
        img.save(QString::fromLocal8Bit(dir) + (real ? QStringLiteral("/header_drag_button_x11.png")
                                                      : QStringLiteral("/header_drag_button.png")));
    auto at = [&](int X, int Y) { return img.pixelColor(X - origin.X, Y - origin.Y); };
    // The arrows in lime, inside their outlines (the up arrow's stem, the
    // down arrow's head).
    const QColor up = at(g->ArwU->Left() + 5, g->ArwU->Top() + 7);
    EXPECT_EQ(up.rgb() & 0xFFFFFF, 0x00FF00u) << up.name().toStdString();
    const QColor down = at(g->ArwD->Left() + 5, g->ArwD->Top() + 5);
    EXPECT_EQ(down.rgb() & 0xFFFFFF, 0x00FF00u) << down.name().toStdString();
    // The button: a dark frame, then the fixed-cell face with the caption.
    const QColor frame = at(b->Left(), b->Top() + b->Height() / 2);
    const QColor face = at(b->Left() + 2, b->Top() + b->Height() / 2);
    EXPECT_LT(frame.lightness() + 40, face.lightness()) << frame.name().toStdString() << " "
                                                        << face.name().toStdString();
    int dark = 0;
    for (int x = b->Left() + 3; x < b->Left() + b->Width() - 3; ++x)
        for (int y = b->Top() + 3; y < b->Top() + b->Height() - 3; ++y)
            if (at(x, y).lightness() < 100)
                ++dark;
    EXPECT_GT(dark, 10) << "the caption";
    TestKit::MouseUp(g, over.X, over.Y + 30);
}
