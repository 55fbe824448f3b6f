#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <csignal>

#include "app/core/Program_Runner.h"
#include "support/temp_dir.h"

namespace {

QString script(const TempDir& dir, const QString& name, const QByteArray& body)
{
    const QString path = dir.write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST(StartProgram, ReportsTheOutcomeToTheCaller)
{
    TempDir dir;
    const QString args = dir.file("args.txt");
    const QString ok = script(dir, "ok.sh", "printf '%s|' \"$@\" > '" + args.toUtf8() + "'; exit 3");
    Process_Result r = Start_Program(ok, "one \"two words\" three", 0, 10000);
    EXPECT_EQ(r.kind, Process_Result::Exited);
    EXPECT_EQ(r.exit_code, 3);
    EXPECT_EQ(dir.read("args.txt"), "one|two words|three|");

    const auto t0 = std::chrono::steady_clock::now();
    r = Start_Program(dir.file("missing.exe"), "", 0, 10000);
    EXPECT_EQ(r.kind, Process_Result::Not_Started);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
}

TEST(StartProgram, TimeOutLeavesTheProgramRunning)
{
    TempDir dir;
    const QString slow = script(dir, "slow.sh", "exec sleep 30");
    int polls = 0;
    const Process_Result r = Start_Program(slow, "", 1, 300, [&] { ++polls; });
    EXPECT_EQ(r.kind, Process_Result::Timed_Out);
    EXPECT_GT(polls, 0);
    ASSERT_GT(r.pid, 0);
    EXPECT_EQ(::kill(r.pid, 0), 0) << "the program must still be running";
    ::kill(r.pid, SIGKILL);
}

}  // namespace
