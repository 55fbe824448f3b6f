#pragma once
// What every benchmark of the project shares: each measurement is repeated
// five times and reported as its mean, median, spread and minimum (the
// minimum is the figure to compare, it is the least disturbed by other
// work on the machine); Qt runs offscreen, and the heap keeps freed memory
// as the program's does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

#include "platform/rtl/heap.h"

#include <algorithm>
#include <vector>

// The offscreen platform the benchmarks run on cannot raise a window or grab
// the keyboard and says so on every popup shown; the desktop platforms do
// both silently. Writing those two lines to the terminal thousands of times
// is no cost of ours, so they are dropped; every other message goes through.
inline QtMessageHandler& NextMessageHandler()
{
    static QtMessageHandler next = nullptr;
    return next;
}

inline void DropOffscreenPlatformNotices(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Message == QLatin1String("This plugin does not support raise()")
        || Message == QLatin1String("This plugin does not support grabbing the keyboard"))
        return;
    NextMessageHandler()(Type, Context, Message);
}

inline void Repeated(benchmark::internal::Benchmark* B)
{
    B->Repetitions(5)->ReportAggregatesOnly(true)->ComputeStatistics(
        "min", [](const std::vector<double>& V) { return *std::min_element(V.begin(), V.end()); });
}

// The grid benchmarks' table: 100,000 rows of 20 cells, cell (c, r) holding
// the number r * 100 + c, made once.
inline constexpr int Rows = 100000;
inline constexpr int Cols = 20;

inline const std::vector<QString>& Texts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        t.reserve(size_t(Rows) * Cols);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                t.push_back(QString::number(r * 100 + c));
        return t;
    }();
    return texts;
}

#define VYN_BENCH_MAIN()                                   \
    int main(int argc, char** argv)                        \
    {                                                      \
        Heap::Keep_Freed_Memory();                         \
        qputenv("QT_QPA_PLATFORM", "offscreen");           \
        NextMessageHandler() = qInstallMessageHandler(DropOffscreenPlatformNotices); \
        QApplication app(argc, argv);                      \
        benchmark::Initialize(&argc, argv);                \
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) \
            return 1;                                      \
        benchmark::RunSpecifiedBenchmarks();               \
        benchmark::Shutdown();                             \
        return 0;                                          \
    }
