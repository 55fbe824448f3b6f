#pragma once
// What the drop-down checks on the real display share: whether a window is
// on the screen, the X server's picture of a screen rectangle, saving a
// screenshot, a control's centre on the screen, and whether the screen shows
// a window as it paints itself offscreen.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>

#include "platform/display/popup_display_check.h"
#include "platform/gui/controls.h"
#include "platform/gui/layered_window.h"
#include "platform/testing/render_png.h"

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

// Waits until the screen shows in the window's place (its outer rectangle,
// a child's border included) what the window paints offscreen; keeps both
// pictures as <Name>-screen.png and <Name>-painted.png and reports a
// difference. A shaped window shows what lies below outside its shape.
inline void expectShownAsPainted(TWinControl* Window, const std::string& ShotDir, const std::string& Name)
{
    const TPoint origin = Window->Parent() ? Window->Parent()->ClientToScreen(TPoint{Window->Left(), Window->Top()})
                                           : TPoint{Window->Left(), Window->Top()};
    const QRect r(origin.X, origin.Y, Window->Width(), Window->Height());
    const TRegion shape = WindowShape(Window);
    QImage painted, shown;
    const bool same = waitFor(
        [&] {
            painted = TestKit::RenderToImage(Window).convertToFormat(QImage::Format_RGB32);
            shown = screenAt(r);
            if (!shape.ToQt().isEmpty() && painted.size() == shown.size())
                for (int y = 0; y < painted.height(); ++y)
                    for (int x = 0; x < painted.width(); ++x)
                        if (!shape.Contains(TPoint{x, y}))
                            painted.setPixel(x, y, shown.pixel(x, y));
            return shown == painted;
        },
        5000);
    save(shown, ShotDir, Name + "-screen.png");
    save(painted, ShotDir, Name + "-painted.png");
    EXPECT_TRUE(same) << Name << ": the screen differs from the offscreen picture";
}

}  // namespace DisplayCheck
