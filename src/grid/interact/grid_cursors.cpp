// The grid's own cursors, drawn here and registered once with the screen:
// 8000 panning without a direction, 8001-8008 panning down, left, right,
// up, up-right, up-left, down-right, down-left; 8010 row select, 8011
// column select, 8012 select all (and the resize handle), 8014 the cell
// selector. Also the panning marker drawn over the cells.
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"

namespace {

// A small filled triangle pointing along (DX, DY) from the centre (C, C).
void Arrow(QPainter& P, double C, double DX, double DY, double Dist, double Size)
{
    const double len = std::hypot(DX, DY);
    const double ux = DX / len, uy = DY / len;
    const QPointF tip(C + ux * (Dist + Size), C + uy * (Dist + Size));
    const QPointF base(C + ux * Dist, C + uy * Dist);
    const QPointF side(-uy * Size * 0.7, ux * Size * 0.7);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base + side);
    path.lineTo(base - side);
    path.closeSubpath();
    P.fillPath(path, Qt::black);
}

// A transparent 32 x 32 cursor picture.
QPixmap CursorPixmap()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    return pm;
}

QCursor PanShape(int DX, int DY)
{
    QPixmap pm = CursorPixmap();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 3, 3);
    if (DX == 0 && DY == 0) {
        for (auto [x, y] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
            Arrow(p, 16, x, y, 5, 6);
    } else {
        Arrow(p, 16, DX, DY, 5, 8);
    }
    p.end();
    return QCursor(pm, 16, 16);
}

QCursor SelectShape(int DX, int DY)
{
    QPixmap pm = CursorPixmap();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1));
    QPainterPath path;
    const double c = 16;
    path.moveTo(c + DX * 10, c + DY * 10);
    path.lineTo(c - DY * 5 - DX * 2, c + DX * 5 - DY * 2);
    path.lineTo(c + DY * 5 - DX * 2, c - DX * 5 - DY * 2);
    path.closeSubpath();
    p.setBrush(Qt::black);
    p.drawPath(path);
    p.end();
    return QCursor(pm, 16 + DX * 10, 16 + DY * 10);
}

QCursor CellSelectorShape()
{
    QPixmap pm = CursorPixmap();
    QPainter p(&pm);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(16, 6, 16, 26);
    p.drawLine(6, 16, 26, 16);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(16, 7, 16, 25);
    p.drawLine(7, 16, 25, 16);
    p.end();
    return QCursor(pm, 16, 16);
}

}  // namespace

void RegisterGridCursors()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screen.SetCursors(8000, PanShape(0, 0));
    const int dirs[8][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 8; ++i)
        Screen.SetCursors(8001 + i, PanShape(dirs[i][0], dirs[i][1]));
    Screen.SetCursors(8010, SelectShape(1, 0));
    Screen.SetCursors(8011, SelectShape(0, 1));
    Screen.SetCursors(8012, SelectShape(1, 1));
    Screen.SetCursors(8014, CellSelectorShape());
}

void TVynStringGrid::PaintPanMarker(QPainter* Painter)
{
    if (!wheelpan || !Painter || FIntelliPan == TIntelliPan::ipNone)
        return;
    // 26 x 26 at the press: a white disc with the directions panning may take.
    QPainter& p = *Painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double c = 13;
    p.translate(wheelpanpos.X, wheelpanpos.Y);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, 24, 24));
    p.drawEllipse(QPointF(c, c), 1.5, 1.5);
    if (FIntelliPan != TIntelliPan::ipHorizontal) {
        Arrow(p, c, 0, -1, 4, 5);
        Arrow(p, c, 0, 1, 4, 5);
    }
    if (FIntelliPan != TIntelliPan::ipVertical) {
        Arrow(p, c, -1, 0, 4, 5);
        Arrow(p, c, 1, 0, 4, 5);
    }
    p.restore();
}
