#pragma once
// Starting an external program and waiting for it with a time-out.
#include <QStringList>

#include <functional>

#include "platform/rtl/strings.h"

struct Process_Result {
    enum Kind { Not_Started, Exited, Timed_Out };
    Kind kind = Not_Started;
    // For Exited: the exit status, or 128 + the signal number for a program
    // killed by a signal.
    int exit_code = 0;
    // Process id of the started program (0 when Not_Started). A program that
    // timed out is still running under this id.
    int pid = 0;
    // Why the program did not start (or, rarely, why its exit status is
    // unknown: exit_code is then -1).
    String error;
};

// Starts `program` (a path, or a bare name looked up in PATH) with `args`,
// standard input from /dev/null and the other standard streams inherited,
// then polls every 10 ms until it ends or `timeout_ms` have passed (a
// negative time-out waits without limit). `on_poll` runs at every poll, on
// the calling thread. A program still running at the time-out is left
// running; it is reaped in the background once it ends, so it never stays a
// zombie.
Process_Result Run_And_Wait(const String& program, const QStringList& args, int timeout_ms,
                            const std::function<void()>& on_poll = {});

// Splits a command line: blanks separate arguments, double quotes group
// (also within a word: a"b c" is one argument "ab c"), and two double quotes
// inside quotes stand for one. "" alone is an empty argument; an unclosed
// quote runs to the end.
QStringList Split_Command_Line(const String& text);
