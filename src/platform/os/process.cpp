#include "platform/os/process.h"

#include <QFile>

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

extern char** environ;

namespace {

String errorText(int code)
{
    return String::fromLocal8Bit(std::strerror(code));
}

// Empty when fine, else why `path` cannot be run.
String checkRunnable(const String& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return QStringLiteral("Program \"%1\" not found: %2").arg(path, errorText(errno));
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("\"%1\" is not a program file").arg(path);
    if (::access(native.constData(), X_OK) != 0)
        return QStringLiteral("Program \"%1\" is not executable: %2").arg(path, errorText(errno));
    return String();
}

// A name without "/" is looked up in PATH, as a shell would.
String resolveProgram(const String& program)
{
    if (program.contains(u'/'))
        return program;
    const QByteArray path = qgetenv("PATH");
    const String dirs = path.isEmpty() ? QStringLiteral("/usr/local/bin:/usr/bin:/bin") : String::fromLocal8Bit(path);
    for (const String& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        const String candidate = dir + u'/' + program;
        if (checkRunnable(candidate).isEmpty())
            return candidate;
    }
    return program;
}

int exitCode(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : status;
}

// Reaps a program left running after a time-out once it ends.
void reapLater(pid_t pid)
{
    try {
        std::thread([pid] {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the program stays a zombie until we exit.
    }
}

pid_t spawn(const String& path, const QStringList& args, String& error)
{
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(path));
    for (const String& a : args)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    // The child starts with no blocked signals and default handlers, whatever
    // this process did with them (an ignored SIGPIPE would otherwise carry over).
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        error = QStringLiteral("Cannot start \"%1\": %2").arg(path, errorText(rc));
        return 0;
    }
    return pid;
}

}  // namespace

Process_Result Run_And_Wait(const String& program, const QStringList& args, int timeout_ms,
                            const std::function<void()>& on_poll)
{
    using Clock = std::chrono::steady_clock;
    Process_Result result;
    const String path = resolveProgram(program);
    // posix_spawn reports a missing program too, but the check gives a clearer
    // message and refuses directories, which it might not.
    result.error = checkRunnable(path);
    if (!result.error.isEmpty())
        return result;

    const pid_t pid = spawn(path, args, result.error);
    if (pid == 0)
        return result;
    result.pid = pid;

    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            result.kind = Process_Result::Exited;
            result.exit_code = exitCode(status);
            return result;
        }
        if (r < 0 && errno != EINTR) {
            // Someone else reaped it (SIGCHLD ignored, say): it ended, status unknown.
            result.kind = Process_Result::Exited;
            result.exit_code = -1;
            result.error = QStringLiteral("Exit status of \"%1\" unavailable: %2").arg(path, errorText(errno));
            return result;
        }
        if (on_poll)
            on_poll();
        if (timeout_ms >= 0 && Clock::now() >= deadline) {
            result.kind = Process_Result::Timed_Out;
            reapLater(pid);
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

QStringList Split_Command_Line(const String& text)
{
    QStringList result;
    String current;
    bool inWord = false;  // an argument has begun, even if still empty ("")
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                current += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                current += text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = inWord = true;
        } else if (c <= u' ') {
            if (inWord)
                result.append(current);
            current.clear();
            inWord = false;
        } else {
            current += c;
            inWord = true;
        }
    }
    if (inWord)
        result.append(current);
    return result;
}
