// 1,000 edits of single cells as the user makes them, through the cell
// editor (F2, the new text, Enter: the value validated and stored), on a
// seeded table of n rows of 20 cells, n = 50,000 and 100,000, with the
// floating footer shown (summing the edited column, counting one and taking
// the maximum of another), next to the same edits with the footer hidden in
// the same run (aim: under 2x; the doubled size within 2.2x). Each run
// makes the 1,000 edits 30 times, on one grid per repetition.
#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

constexpr int Width = 20;
constexpr int NumberCol = 3;

void Edits(benchmark::State& State, bool FooterShown)
{
    const int n = int(State.range(0));
    VynGridModule::Start();
    TestKit::InputStateScope input;
    TForm form{nullptr};
    form.SetBounds(0, 0, 700, 400);
    auto* g = new TVynStringGrid(&form);
    g->SetBounds(0, 0, 680, 380);
    g->SetColCount(Width);
    // n rows and the footer row.
    g->SetRowCount(n + 1);
    std::mt19937 rng(3939);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < Width; ++c)
            g->SetCells(c, r, c == NumberCol ? QString::number((rng() % 10000000) / 100.0, 'f', 2)
                                             : QString::number(rng() % 100000));
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->Navigation()->SetAdvanceOnEnter(false);
    g->SetParent(&form);
    TFloatingFooter& ff = *g->FloatingFooter();
    ff.SetVisible(true);
    ff.SetColumnCalc(NumberCol, TColumnCalcType::acSUM);
    ff.SetColumnCalc(1, TColumnCalcType::acCOUNT);
    ff.SetColumnCalc(NumberCol + 5, TColumnCalcType::acMAX);
    ff.SetVisible(FooterShown);
    form.Show();
    g->SetFocus();
    std::vector<std::pair<int, QString>> edits;
    for (int i = 0; i < 1000; ++i)
        edits.emplace_back(1 + int(rng() % uint32_t(n - 1)), QString::number((rng() % 100000) / 100.0, 'f', 2));
    for (auto _ : State) {
        for (const auto& [row, text] : edits) {
            g->FocusCell(NumberCol, row, true);
            TestKit::TypeKey(g, VK_F2);
            ProcessPostedMessages();
            g->InplaceEditor()->SetText(text);
            TestKit::TypeKey(nullptr, VK_RETURN);
            ProcessPostedMessages();
        }
    }
    if (g->Cells(NumberCol, edits.back().first) != edits.back().second)
        State.SkipWithError("the edits were not stored");
    benchmark::DoNotOptimize(g->Cells(NumberCol, n));
}

void BM_FooterKeyEdits_Shown(benchmark::State& State) { Edits(State, true); }
void BM_FooterKeyEdits_Baseline_Hidden(benchmark::State& State) { Edits(State, false); }

#define VYN_EDIT_CASE(F) \
    BENCHMARK(F)->Arg(50000)->Arg(100000)->Iterations(30)->Unit(benchmark::kMillisecond)->Apply(Repeated)
VYN_EDIT_CASE(BM_FooterKeyEdits_Baseline_Hidden);
VYN_EDIT_CASE(BM_FooterKeyEdits_Shown);

}  // namespace

VYN_BENCH_MAIN()
