// One edit of a cell through the keyboard, as the user makes it: F2, eight
// characters typed, Enter (validate, store, move on to the next cell), on
// row 50,000 of a 100,000 x 10 string grid with a validation handler.
// Baselines in the same run:
// - the same cycle on a 100-row grid: an edit must not depend on the row
//   count (aim: at most 1.2 times the small grid's time);
// - the platform's string grid of 100,000 rows with its plain cycle
//   (ShowEditor, the same typing, HideEditor): what the grid's editing adds
//   (aim: at most 3 times).
#include <benchmark/benchmark.h>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

constexpr int EditRows = 100000;
constexpr int EditCols = 10;
const QString Typed = QStringLiteral("12345678");

template <typename TGrid>
void Fill(TGrid& G, int RowCount)
{
    G.SetColCount(EditCols);
    G.SetRowCount(RowCount);
    for (int r = 0; r < RowCount; ++r)
        for (int c = 0; c < EditCols; ++c)
            G.SetCells(c, r, QString::number(r * 100 + c));
}

// A form with the grid, shown and focused.
template <typename TGrid>
struct Stage {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TGrid* grid;
    explicit Stage(int RowCount)
    {
        form.SetBounds(0, 0, 700, 400);
        grid = new TGrid(&form);
        grid->SetBounds(0, 0, 680, 380);
        Fill(*grid, RowCount);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
    }
};

void VynEditCycle(benchmark::State& State, int RowCount)
{
    VynGridModule::Start();
    Stage<TVynStringGrid> s(RowCount);
    TVynStringGrid& g = *s.grid;
    g.Navigation()->SetAdvanceOnEnter(true);
    g.Navigation()->SetAdvanceAutoEdit(false);
    int validated = 0;
    g.OnCellValidate = [&](TObject*, int, int, String&, bool&) { ++validated; };
    const int row = RowCount / 2;
    for (auto _ : State) {
        g.SetCells(1, row, QStringLiteral("50000"));
        g.FocusCell(1, row, true);
        TestKit::TypeKey(&g, VK_F2);
        TestKit::TypeText(nullptr, Typed);
        TestKit::TypeKey(nullptr, VK_RETURN);
        ProcessPostedMessages();
    }
    if (validated != int(State.iterations()) || g.Col() != 2)
        State.SkipWithError("the edit did not validate and move on");
    benchmark::DoNotOptimize(g.Cells(1, row));
}

void BM_EditCycle_VynGrid_100000Rows(benchmark::State& State) { VynEditCycle(State, EditRows); }
void BM_EditCycle_VynGrid_100Rows(benchmark::State& State) { VynEditCycle(State, 100); }

// The platform's own cycle on the same table.
void BM_EditCycle_PlatformGrid_100000Rows(benchmark::State& State)
{
    Stage<TStringGrid> s(EditRows);
    TStringGrid& g = *s.grid;
    const int row = EditRows / 2;
    for (auto _ : State) {
        g.SetCells(1, row, QStringLiteral("50000"));
        g.FocusCell(1, row, true);
        g.ShowEditor();
        TestKit::TypeText(nullptr, Typed);
        g.HideEditor();
        ProcessPostedMessages();
    }
    benchmark::DoNotOptimize(g.Cells(1, row));
}

}  // namespace

BENCHMARK(BM_EditCycle_VynGrid_100000Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditCycle_VynGrid_100Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditCycle_PlatformGrid_100000Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);

VYN_BENCH_MAIN();
