#include "x_session.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

int64_t nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// A program to start: its arguments and its environment, made before the
// fork (only async-signal-safe calls are allowed between fork and exec in a
// program that may have threads).
struct Command {
    QList<QByteArray> args;
    QList<QByteArray> env;
};

std::vector<char*> pointers(QList<QByteArray>& List)
{
    std::vector<char*> out;
    for (QByteArray& s : List)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Starts the command with stdin from /dev/null, stdout and stderr into
// LogPath, and KeepFd (when >= 0) left open across exec. The child gets
// SIGTERM when this process ends. -1 when it cannot be started.
pid_t spawn(Command C, const QByteArray& LogPath, int KeepFd)
{
    std::vector<char*> argv = pointers(C.args);
    std::vector<char*> envp = pointers(C.env);
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int log = open(LogPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (in < 0 || log < 0) {
        if (in >= 0)
            close(in);
        if (log >= 0)
            close(log);
        return -1;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        dup2(in, 0);
        dup2(log, 1);
        dup2(log, 2);
        if (KeepFd >= 0)
            fcntl(KeepFd, F_SETFD, 0);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(in);
    close(log);
    return pid;
}

// Ends a child: SIGTERM, then SIGKILL if it is still there after 5 s.
void stopChild(pid_t& Pid)
{
    if (Pid <= 0)
        return;
    kill(Pid, SIGTERM);
    const int64_t deadline = nowMs() + 5000;
    for (;;) {
        const pid_t r = waitpid(Pid, nullptr, WNOHANG);
        if (r == Pid || (r < 0 && errno != EINTR))
            break;
        if (nowMs() > deadline) {
            kill(Pid, SIGKILL);
            waitpid(Pid, nullptr, 0);
            break;
        }
        usleep(10000);
    }
    Pid = -1;
}

bool exited(pid_t Pid)
{
    return waitpid(Pid, nullptr, WNOHANG) == Pid;
}

QList<QByteArray> environmentWith(const QList<QPair<QByteArray, QByteArray>>& Set)
{
    QList<QByteArray> env;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        bool replaced = false;
        for (const auto& [name, value] : Set)
            replaced = replaced || entry.startsWith(name + '=');
        if (!replaced)
            env.append(entry);
    }
    for (const auto& [name, value] : Set)
        env.append(name + '=' + value);
    return env;
}

QString logOf(const QString& Path)
{
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(f.readAll().right(2000)).trimmed();
}

}  // namespace

XSession::~XSession() { Stop(); }

bool XSession::Start(int Width, int Height, QString& Error)
{
    QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/vyn-display-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        Error = QStringLiteral("cannot make a scratch directory: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    scratch_ = QString::fromLocal8Bit(pattern);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        Error = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    Command c;
    c.args = {"Xvfb", "-displayfd", QByteArray::number(fds[1]), "-screen", "0",
              QByteArray::number(Width) + 'x' + QByteArray::number(Height) + "x24", "-nolisten", "tcp", "-noreset"};
    c.env = environmentWith({});
    const QString log = scratch_ + QStringLiteral("/xvfb.log");
    server_ = spawn(c, log.toLocal8Bit(), fds[1]);
    close(fds[1]);
    if (server_ <= 0) {
        close(fds[0]);
        Error = QStringLiteral("cannot start Xvfb (package xvfb)");
        return false;
    }
    // The server writes its display number when it accepts clients.
    QByteArray number;
    const int64_t deadline = nowMs() + 30000;
    while (!number.endsWith('\n')) {
        const int64_t left = deadline - nowMs();
        pollfd p{fds[0], POLLIN, 0};
        if (left <= 0 || poll(&p, 1, int(left)) <= 0)
            break;
        char buffer[32];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, n);
    }
    close(fds[0]);
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    if (!number.endsWith('\n') || !ok) {
        Error = QStringLiteral("Xvfb did not start: %1").arg(logOf(log));
        stopChild(server_);
        return false;
    }
    display_ = QStringLiteral(":%1").arg(display);
    return true;
}

bool XSession::StartWindowManager(QString& Error)
{
    if (wm_ > 0)
        return true;
    const QString ready = scratch_ + QStringLiteral("/wm-ready");
    QFile::remove(ready);
    const QByteArray home = scratch_.toLocal8Bit();
    Command c;
    c.args = {"openbox", "--sm-disable", "--startup", "touch " + ready.toLocal8Bit()};
    c.env = environmentWith({{"DISPLAY", display_.toLocal8Bit()},
                             {"HOME", home},
                             {"XDG_CONFIG_HOME", home + "/config"},
                             {"XDG_CACHE_HOME", home + "/cache"},
                             {"XDG_DATA_HOME", home + "/data"}});
    const QString log = scratch_ + QStringLiteral("/openbox.log");
    wm_ = spawn(c, log.toLocal8Bit(), -1);
    if (wm_ <= 0) {
        Error = QStringLiteral("cannot start openbox (package openbox)");
        wm_ = -1;
        return false;
    }
    const int64_t deadline = nowMs() + 30000;
    while (!QFile::exists(ready)) {
        const bool gone = exited(wm_);
        if (gone || nowMs() > deadline) {
            Error = QStringLiteral("openbox did not start: %1").arg(logOf(log));
            if (!gone)
                stopChild(wm_);
            wm_ = -1;
            return false;
        }
        usleep(10000);
    }
    return true;
}

void XSession::StopWindowManager() { stopChild(wm_); }

void XSession::Stop()
{
    stopChild(wm_);
    stopChild(server_);
    if (!scratch_.isEmpty())
        QDir(scratch_).removeRecursively();
    scratch_.clear();
}
