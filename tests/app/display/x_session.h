#pragma once
// A private X server for one test program: Xvfb on the first free display
// number (the server picks it and reports it through a pipe), and a window
// manager that can be started and stopped on it.
//
// Both run as child processes that die with the test program, whatever ends
// it (the kernel sends them SIGTERM when it goes, a crash or a time-out
// included); the destructor stops them in order as well.
#include <QString>

#include <sys/types.h>

class XSession {
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts Xvfb with one Width x Height x 24 screen, unix socket only, and
    // waits until it accepts clients. False with Error set when it cannot.
    bool Start(int Width, int Height, QString& Error);
    // ":N", the value DISPLAY takes.
    QString Display() const { return display_; }

    // Starts openbox and waits until it manages the screen (it runs its
    // start-up command then). False with Error set when it cannot.
    bool StartWindowManager(QString& Error);
    void StopWindowManager();
    bool WindowManagerRunning() const { return wm_ > 0; }

    void Stop();

private:
    pid_t server_ = -1;
    pid_t wm_ = -1;
    QString display_;
    QString scratch_;  // HOME of the window manager, with its ready mark
};
