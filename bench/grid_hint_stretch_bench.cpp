// Column stretching and the cell hint, each next to its baseline measured
// in the same run (aim: at most 2 times):
// - StretchColumn of the last of 1,000 columns, and AllColumnSize scaling
//   the other 999 columns after one was sized from 50 to 100 pixels, next
//   to summing the 1,000 widths kept in a std::vector (and, for the
//   scaling, scaling them there);
// - the hint of a cell holding 100 KB of HTML with HintShowCells, next to
//   HTMLToPlainText of the same text.
#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/column_size.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

constexpr int kColumns = 1000;

class TBenchGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    // What a mouse sizing of column C from Old pixels leaves behind.
    void SizedByMouse(int C, int Old)
    {
        Colclicked = C;
        Colclickedsize = Old;
        Rowclicked = 0;
        ColSized = true;
    }
};

struct Stage {
    TestKit::InputStateScope input;
    bool started = VynGridModule::Start();
    TForm form{nullptr};
    TBenchGrid* g = nullptr;
    Stage()
    {
        form.SetBounds(0, 0, 800, 400);
        g = new TBenchGrid(&form);
        g->SetBounds(0, 0, 700, 300);
        g->SetColCount(kColumns);
        g->SetRowCount(5);
        g->SetDefaultColWidth(50);
        g->SetParent(&form);
        form.Show();
    }
    ~Stage()
    {
        if (started)
            VynGridModule::End();
    }
};

void BM_StretchColumn_1000(benchmark::State& State)
{
    Stage s;
    s.g->ColumnSize()->SetStretch(true);
    s.g->StretchColumn(-1);
    // The widths of the other columns summed, the last one's compared.
    for (auto _ : State) {
        s.g->StretchColumn(-1);
        benchmark::DoNotOptimize(s.g->ColWidths(kColumns - 1));
    }
}

void BM_SumWidths_Vector(benchmark::State& State)
{
    std::vector<int> widths(kColumns, 50);
    for (auto _ : State) {
        benchmark::DoNotOptimize(widths.data());
        long long others = 0;
        for (int c = 0; c < kColumns - 1; ++c)
            others += widths[size_t(c)];
        widths[kColumns - 1] = int(700 - others - 1);
        benchmark::DoNotOptimize(widths[kColumns - 1]);
    }
}

void BM_AllColumnSize_1000(benchmark::State& State)
{
    Stage s;
    s.g->MouseActions()->SetAllColumnSize(true);
    for (auto _ : State) {
        State.PauseTiming();
        for (int c = 0; c < kColumns; ++c)
            s.g->SetColWidths(c, 50);
        s.g->SizedByMouse(3, 50);
        State.ResumeTiming();
        s.g->SetColWidths(3, 100);
        benchmark::DoNotOptimize(s.g->ColWidths(kColumns - 1));
    }
    if (s.g->ColWidths(kColumns - 1) != 100)
        State.SkipWithError("the other columns were not doubled");
}

void BM_ScaleWidths_Vector(benchmark::State& State)
{
    std::vector<int> widths(kColumns, 50);
    for (auto _ : State) {
        State.PauseTiming();
        std::fill(widths.begin(), widths.end(), 50);
        State.ResumeTiming();
        widths[3] = 100;
        const double factor = 100.0 / 50.0;
        for (int c = 1; c < kColumns; ++c)
            if (c != 3)
                widths[size_t(c)] = int(widths[size_t(c)] * factor + 0.5);
        benchmark::DoNotOptimize(widths.data());
        benchmark::DoNotOptimize(std::accumulate(widths.begin(), widths.end(), 0LL));
    }
}

// 100 KB of HTML: bold, italic, links and line breaks.
const String& BigHtml()
{
    static const String text = [] {
        String t;
        int i = 0;
        while (t.size() < 100 * 1024)
            t += QStringLiteral("Item <b>%1</b> of the <i>list</i> with <a href=\"x%1\">a link</a><br>").arg(i++);
        return t;
    }();
    return text;
}

void BM_HintOfHtmlCell(benchmark::State& State)
{
    Stage s;
    s.g->SetHintShowCells(true);
    s.g->SetCells(2, 2, BigHtml());
    const TRect r = s.g->CellRect(2, 2);
    for (auto _ : State) {
        THintInfo info;
        info.HintControl = s.g;
        info.CursorPos = TPoint(r.Left + 5, r.Top + 5);
        String hint;
        s.g->FillCellHint(hint, info);
        benchmark::DoNotOptimize(hint.size());
    }
}

void BM_HTMLToPlainText(benchmark::State& State)
{
    const String& text = BigHtml();
    for (auto _ : State) {
        String plain = HTMLToPlainText(text);
        benchmark::DoNotOptimize(plain.size());
    }
}

}  // namespace

BENCHMARK(BM_StretchColumn_1000)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SumWidths_Vector)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllColumnSize_1000)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScaleWidths_Vector)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HintOfHtmlCell)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HTMLToPlainText)->Apply(Repeated)->Unit(benchmark::kMicrosecond);

VYN_BENCH_MAIN();
