// The grid's combo editor, each with its baseline in the same run:
// - opening a combo cell (F2) and committing it (Down, Enter) on row 50,000
//   of a 100,000-row grid, next to the same on a 100-row grid: an edit must
//   not depend on the row count (aim: at most 1.2 times);
// - SizeDropDownWidth over 1,000 items, next to measuring the same texts
//   with QFontMetrics alone (aim: at most 2 times);
// - the look-up while typing over 1,000 items (the match is the last item),
//   next to a plain case-insensitive startsWith loop over the same texts.
#include <benchmark/benchmark.h>

#include <QFontMetrics>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_combo.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

constexpr int ComboCols = 10;
constexpr int ItemCount = 1000;

QStringList ItemTexts()
{
    QStringList items;
    for (int i = 0; i < ItemCount; ++i)
        items << QStringLiteral("Variable %1 of the process image").arg(i, 4, 10, QLatin1Char('0'));
    return items;
}

struct ComboStage {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TVynStringGrid* grid;
    explicit ComboStage(int RowCount)
    {
        VynGridModule::Start();
        form.SetBounds(0, 0, 700, 400);
        grid = new TVynStringGrid(&form);
        grid->SetBounds(0, 0, 680, 380);
        grid->SetColCount(ComboCols);
        grid->SetRowCount(RowCount);
        for (int r = 0; r < RowCount; ++r)
            for (int c = 0; c < ComboCols; ++c)
                grid->SetCells(c, r, QString::number(r * 100 + c));
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
            if (C == 1)
                E = TEditorType::edComboList;
        };
        grid->ClearComboString();
        for (const char* s : {"BOOL", "SINT", "INT", "DINT", "USINT", "UINT", "UDINT", "REAL"})
            grid->AddComboString(s);
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
    }
};

void ComboCycle(benchmark::State& State, int RowCount)
{
    ComboStage s(RowCount);
    TVynStringGrid& g = *s.grid;
    int validated = 0;
    g.OnCellValidate = [&](TObject*, int, int, String&, bool&) { ++validated; };
    const int row = RowCount / 2;
    for (auto _ : State) {
        g.SetCells(1, row, QStringLiteral("INT"));
        g.FocusCell(1, row, true);
        TestKit::TypeKey(&g, VK_F2);
        TestKit::TypeKey(nullptr, VK_DOWN);
        TestKit::TypeKey(nullptr, VK_RETURN);
        ProcessPostedMessages();
    }
    if (validated != int(State.iterations()) || g.Cells(1, row) != QStringLiteral("DINT"))
        State.SkipWithError("the combo did not commit");
}

void BM_ComboCycle_100000Rows(benchmark::State& State) { ComboCycle(State, 100000); }
void BM_ComboCycle_100Rows(benchmark::State& State) { ComboCycle(State, 100); }

void BM_SizeDropDownWidth_1000Items(benchmark::State& State)
{
    ComboStage s(10);
    TGridCombo* combo = s.grid->ComboEditor();
    combo->Items().Assign(ItemTexts());
    combo->SetBounds(0, 0, 80, 21);
    for (auto _ : State)
        combo->SizeDropDownWidth();
    benchmark::DoNotOptimize(combo->DroppedWidth());
}

void BM_SizeDropDownWidth_Baseline_QFontMetrics(benchmark::State& State)
{
    ComboStage s(10);
    const QStringList items = ItemTexts();
    int widest = 0;
    for (auto _ : State) {
        const QFontMetrics fm(s.grid->Font().ToQFont());
        for (const QString& t : items)
            widest = std::max(widest, fm.horizontalAdvance(t));
    }
    benchmark::DoNotOptimize(widest);
}

void BM_ComboLookup_1000Items(benchmark::State& State)
{
    ComboStage s(10);
    TVynStringGrid& g = *s.grid;
    g.SetLookup(true);
    g.OnGetEditorType = [](TObject*, int, int, TEditorType& E) { E = TEditorType::edComboEdit; };
    g.ClearComboString();
    TGridCombo* combo = g.ComboEditor();
    combo->Items().Assign(ItemTexts());
    g.SetCells(1, 1, QString());
    g.FocusCell(1, 1, true);
    TestKit::TypeKey(&g, VK_F2);
    // The whole text of the last item typed (in other letter case): each
    // look-up walks the list to its end and completes nothing.
    const QString typed = ItemTexts().last().toLower();
    combo->SetText(typed);
    for (auto _ : State) {
        combo->SetSelStart(int(typed.size()));
        combo->DoChange();
    }
    if (combo->ItemIndex() != ItemCount - 1)
        State.SkipWithError("the look-up did not find the last item");
}

void BM_ComboLookup_Baseline_StartsWith(benchmark::State& State)
{
    const QStringList items = ItemTexts();
    const QString typed = items.last().toLower();
    int found = -1;
    for (auto _ : State) {
        found = -1;
        for (int i = 0; i < items.size(); ++i)
            if (items[i].startsWith(typed, Qt::CaseInsensitive)) {
                found = i;
                break;
            }
        benchmark::DoNotOptimize(found);
    }
}

}  // namespace

BENCHMARK(BM_ComboCycle_100000Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComboCycle_100Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizeDropDownWidth_1000Items)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizeDropDownWidth_Baseline_QFontMetrics)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComboLookup_1000Items)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComboLookup_Baseline_StartsWith)->Apply(Repeated)->Unit(benchmark::kMicrosecond);

VYN_BENCH_MAIN();
