#pragma once
// Starts an external program and waits, without processing window messages,
// until it ends or the time-out passes. The device update runs the external
// updater through it.
#include <functional>

#include "platform/os/process.h"
#include "platform/rtl/strings.h"

// The wait used by the device update: 150 s.
constexpr int Start_Program_Timeout_Ms = 150000;

// Starts NomeSW with the command-line text Parameter (blanks separate
// arguments, double quotes group them) and waits for its end, at most
// Timeout_Ms. Tipo (0 = normal window, else hidden) has no meaning here.
// A program still running at the time-out keeps running and is reaped
// later. On_Poll runs at every 10 ms poll. The outcome tells whether the
// program did not start, exited (with its code) or timed out; the caller
// decides what to show.
Process_Result Start_Program(const String& NomeSW, const String& Parameter, int Tipo,
                             int Timeout_Ms = Start_Program_Timeout_Ms,
                             const std::function<void()>& On_Poll = {});
