// The grid's filter matcher and ToMixedCase on their worst inputs at 10,000,
// 20,000 and 40,000 characters, each next to QString::contains over the same
// text in the same run:
// - "*a*a*a*a*a*a*a*a*a*a*b" against a value of N "a";
// - N characters of nested brackets around "a*" against "abc";
// - ToMixedCase of N characters of words.
// Five repetitions each, the minimum reported. The report ends with the
// ratio of the time at 40,000 to the time at 20,000: at most 4.4 (no worse
// than the product of pattern and value length); the contains baseline
// shows the linear ratio (about 2).
#include <benchmark/benchmark.h>

#include <QString>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "bench_main.h"
#include "grid/core/grid_filter.h"
#include "grid/core/grid_text.h"
#include "support/grid_formats.h"

namespace {

const QString kStars = QStringLiteral("*a*a*a*a*a*a*a*a*a*a*b");

QString words(int N)
{
    QString s;
    while (s.size() < N)
        s += QStringLiteral("mc donald henry iii o'neil-smith ");
    return s.left(N);
}

void BM_Stars_Filter(benchmark::State& State)
{
    const QString value(int(State.range(0)), u'a');
    const TGridFormatSettings fs = UsGridFormats();
    for (auto _ : State)
        benchmark::DoNotOptimize(MatchFilterExpression(kStars, value, true, fs));
}
void BM_Stars_Baseline_Contains(benchmark::State& State)
{
    const QString value(int(State.range(0)), u'a');
    for (auto _ : State)
        benchmark::DoNotOptimize(value.contains(QStringLiteral("ab")));
}

void BM_Brackets_Filter(benchmark::State& State)
{
    const int depth = int(State.range(0)) / 2;
    const QString expression = QString(depth, u'(') + QStringLiteral("a*") + QString(depth, u')');
    const TGridFormatSettings fs = UsGridFormats();
    for (auto _ : State)
        benchmark::DoNotOptimize(MatchFilterExpression(expression, QStringLiteral("abc"), true, fs));
}
void BM_Brackets_Baseline_Contains(benchmark::State& State)
{
    const int depth = int(State.range(0)) / 2;
    const QString expression = QString(depth, u'(') + QStringLiteral("a*") + QString(depth, u')');
    for (auto _ : State)
        benchmark::DoNotOptimize(expression.contains(QStringLiteral("a*)(")));
}

void BM_MixedCase(benchmark::State& State)
{
    const QString text = words(int(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(ToMixedCase(text));
}
void BM_MixedCase_Baseline_Contains(benchmark::State& State)
{
    const QString text = words(int(State.range(0)));
    for (auto _ : State)
        benchmark::DoNotOptimize(text.contains(QStringLiteral(" Mc")));
}

#define SIZES ->Arg(10000)->Arg(20000)->Arg(40000)->Apply(Repeated)
BENCHMARK(BM_Stars_Filter) SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stars_Baseline_Contains) SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Brackets_Filter) SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Brackets_Baseline_Contains) SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixedCase) SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixedCase_Baseline_Contains) SIZES->Unit(benchmark::kMicrosecond);

// Prints the usual table and keeps the minimum of every benchmark and size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override
    {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& r : Runs)
            if (r.aggregate_name == "min")
                min_[r.run_name.function_name][r.run_name.args] = r.GetAdjustedRealTime();
    }
    // The time at 40,000 over the time at 20,000 for every benchmark.
    void PrintRatios() const
    {
        std::printf("\nTime at 40,000 / time at 20,000 characters (minimum of 5; at most 4.4 for the matchers):\n");
        for (const auto& [name, bySize] : min_) {
            const auto a = bySize.find("20000"), b = bySize.find("40000");
            if (a != bySize.end() && b != bySize.end() && a->second > 0)
                std::printf("  %-32s %6.2f\n", name.c_str(), b->second / a->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> min_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
