#pragma once
// What the drop-down checks on the real display share: whether a window is
// on the screen, the X server's picture of a screen rectangle, saving a
// screenshot and a control's centre on the screen.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <string>

#include "platform/gui/controls.h"

namespace DisplayCheck {

inline bool exposed(TWinControl* C)
{
    QWidget* w = C->Widget();
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

inline QImage screenAt(const QRect& R)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, R.x(), R.y(), R.width(), R.height()).toImage().convertToFormat(
        QImage::Format_RGB32);
}

inline void save(const QImage& Image, const std::string& Dir, const std::string& Name)
{
    if (Dir.empty())
        return;
    QDir().mkpath(QString::fromStdString(Dir));
    Image.save(QDir(QString::fromStdString(Dir)).filePath(QString::fromStdString(Name)));
}

inline QPoint centreOf(TControl* C)
{
    const TPoint p = C->ClientToScreen(TPoint{C->Width() / 2, C->Height() / 2});
    return {p.X, p.Y};
}

}  // namespace DisplayCheck
