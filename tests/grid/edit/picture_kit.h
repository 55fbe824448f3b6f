#pragma once
// What the editing pictures share: letting a real display show what was
// painted, and keeping a picture as a PNG in VYN_RENDER_DIR when it is set.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QThread>

#include <cstdlib>

inline void Settle(int RealDisplayMs = 400)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < (QGuiApplication::platformName() == "offscreen" ? 0 : RealDisplayMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents();
}

inline void Keep(const QImage& Image, const char* Name)
{
    if (const char* dir = std::getenv("VYN_RENDER_DIR"))
        Image.save(QString::fromLocal8Bit(dir) + "/" + Name);
}
