#include <gtest/gtest.h>

#include <QFile>

#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/os/process.h"
#include "support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A shell-script stand-in for an external program.
String writeScript(const TempDir& dir, const String& name, const QByteArray& body, mode_t mode = 0755)
{
    const String path = dir.write(name, "#!/bin/sh\n" + body + "\n");
    EXPECT_EQ(::chmod(path.toLocal8Bit().constData(), mode), 0);
    return path;
}

// State letter from /proc/PID/stat; 0 when the process is gone.
char processState(int pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = f.readAll();
    const qsizetype close = stat.lastIndexOf(')');  // the name may hold blanks
    return close >= 0 && close + 2 < stat.size() ? stat[close + 2] : 0;
}

struct ExitCase {
    const char* name;
    const char* body;
    int code;
};

class RunExitTest : public ::testing::TestWithParam<ExitCase> {};

TEST_P(RunExitTest, ReportsTheExitCode)
{
    TempDir dir;
    const Process_Result r = Run_And_Wait(writeScript(dir, "prog", GetParam().body), {}, 10000);
    EXPECT_EQ(r.kind, Process_Result::Exited) << r.error.toStdString();
    EXPECT_EQ(r.exit_code, GetParam().code);
    EXPECT_GT(r.pid, 0);
}

INSTANTIATE_TEST_SUITE_P(Codes, RunExitTest,
                         ::testing::Values(ExitCase{"Zero", "exit 0", 0}, ExitCase{"Seven", "exit 7", 7},
                                           ExitCase{"High", "exit 259", 259 & 0xFF},
                                           ExitCase{"KilledBySignal", "kill -9 $$", 128 + 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunAndWait, WaitsForASlowProgramAndPollsMeanwhile)
{
    TempDir dir;
    int polls = 0;
    const auto start = Clock::now();
    const Process_Result r =
        Run_And_Wait(writeScript(dir, "slow", "sleep 1\nexit 3"), {}, 20000, [&] { ++polls; });
    EXPECT_EQ(r.kind, Process_Result::Exited);
    EXPECT_EQ(r.exit_code, 3);
    EXPECT_GE(msSince(start), 900);
    EXPECT_GE(polls, 1);
}

TEST(RunAndWait, TimesOutLeavingTheProgramRunningThenReapsIt)
{
    TempDir dir;
    const auto start = Clock::now();
    const Process_Result r = Run_And_Wait(writeScript(dir, "endless", "exec sleep 60"), {}, 500);
    const long long took = msSince(start);
    ASSERT_EQ(r.kind, Process_Result::Timed_Out);
    EXPECT_GE(took, 450);
    EXPECT_LT(took, 10000);
    ASSERT_GT(r.pid, 0);
    EXPECT_EQ(::kill(r.pid, 0), 0) << "left running";
    EXPECT_NE(processState(r.pid), 'Z');

    ASSERT_EQ(::kill(r.pid, SIGKILL), 0);
    // Reaped in the background: the entry disappears instead of staying a zombie.
    char state = 'Z';
    for (int i = 0; i < 500 && state != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        state = processState(r.pid);
    }
    EXPECT_EQ(state, 0) << "process still listed in state " << state;
}

TEST(RunAndWait, RefusesWhatCannotRun)
{
    TempDir dir;
    const String notExecutable = writeScript(dir, "plain", "exit 0", 0644);
    const String noInterpreter = dir.write("bad-interp", "#!/no/such/interpreter\n");
    ::chmod(noInterpreter.toLocal8Bit().constData(), 0755);
    for (const String& program :
         {dir.file("missing"), notExecutable, dir.path(), noInterpreter, String("no-such-program-xyz"), String()}) {
        const auto start = Clock::now();
        const Process_Result r = Run_And_Wait(program, {}, 10000);
        EXPECT_EQ(r.kind, Process_Result::Not_Started) << program.toStdString();
        EXPECT_FALSE(r.error.isEmpty()) << program.toStdString();
        EXPECT_EQ(r.pid, 0);
        EXPECT_LT(msSince(start), 5000) << program.toStdString();
    }
}

TEST(RunAndWait, PassesArgumentsAndGivesAnEmptyStandardInput)
{
    TempDir dir;
    const String prog =
        writeScript(dir, "echoargs", "out=\"$1\"; shift\nprintf '%s|' \"$@\" > \"$out\"\nreadlink /proc/self/fd/0 >> \"$out\"");
    const Process_Result r = Run_And_Wait(
        prog, {dir.file("args.txt"), "a b", "", String::fromUtf8("caf\xC3\xA9"), "--x", "$HOME", "\"q\""}, 10000);
    ASSERT_EQ(r.kind, Process_Result::Exited) << r.error.toStdString();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(dir.read("args.txt"), QByteArray("a b||caf\xC3\xA9|--x|$HOME|\"q\"|/dev/null\n"));
}

TEST(RunAndWait, FindsBareNamesInPathAndWaitsWithoutLimit)
{
    const Process_Result r = Run_And_Wait("sh", {"-c", "exit 5"}, -1);
    EXPECT_EQ(r.kind, Process_Result::Exited) << r.error.toStdString();
    EXPECT_EQ(r.exit_code, 5);
}

TEST(SplitCommandLine, BlanksSeparateQuotesGroup)
{
    struct Case {
        const char* text;
        QStringList args;
    } cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"a b  c", {"a", "b", "c"}},
        {"\t a\tb ", {"a", "b"}},
        {"\"a b\" c", {"a b", "c"}},
        {"\"C:\\Program Files\\x.exe\" -p 1", {"C:\\Program Files\\x.exe", "-p", "1"}},
        {"C:\\Program Files\\x.exe", {"C:\\Program", "Files\\x.exe"}},
        {"\"\"", {""}},
        {"a \"\" b", {"a", "", "b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"\"\"\"", {"\""}},
        {"ab\"c d\"e", {"abc de"}},
        {"\"unclosed arg", {"unclosed arg"}},
        {"x\"", {"x"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Split_Command_Line(String::fromUtf8(c.text)), c.args) << c.text;
}

}  // namespace
