// What the text editor's input work costs. Baselines in the same run:
// - the lookup completion over 10,000 LookupItems (the match is the last
//   item), next to a plain case-insensitive QString::startsWith loop over the
//   same list (aim: at most 2 times);
// - 200 digits typed into a numeric cell of the grid, next to the same
//   typing into the platform grid's own in-place editor (aim: at most 2 times).
#include <benchmark/benchmark.h>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

constexpr int LookupCount = 10000;
const QString Prefix = QStringLiteral("ITEM09999-");

QStringList LookupList()
{
    QStringList l;
    for (int i = 0; i < LookupCount; ++i)
        l.push_back(QStringLiteral("item%1-entry").arg(i, 5, 10, QLatin1Char('0')));
    return l;
}

template <typename TGrid>
struct Stage {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TGrid* grid;
    Stage()
    {
        form.SetBounds(0, 0, 700, 400);
        grid = new TGrid(&form);
        grid->SetBounds(0, 0, 680, 380);
        grid->SetColCount(5);
        grid->SetRowCount(10);
        grid->SetDefaultColWidth(120);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
    }
};

void BM_Lookup_Completion_10000Items(benchmark::State& State)
{
    VynGridModule::Start();
    Stage<TVynStringGrid> s;
    TVynStringGrid& g = *s.grid;
    TStringList items;
    for (const QString& t : LookupList())
        items.Add(t);
    g.SetLookupItems(&items);
    g.SetLookup(true);
    g.FocusCell(1, 1, true);
    TestKit::TypeKey(&g, VK_F2);
    ProcessPostedMessages();
    TVynInplaceEdit* e = g.NormalEdit();
    for (auto _ : State) {
        e->SetText(Prefix);
        e->SetSelStart(int(Prefix.size()));
        e->DoChange();
    }
    if (e->Text() != QStringLiteral("ITEM09999-entry") || e->SelLength() != 5)
        State.SkipWithError("the lookup did not complete");
}

void BM_Lookup_StartsWithLoop_10000Items(benchmark::State& State)
{
    const QStringList items = LookupList();
    QString found;
    for (auto _ : State) {
        for (const QString& t : items) {
            if (t.startsWith(Prefix, Qt::CaseInsensitive)) {
                found = t;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}

const QString Digits = QString(QStringLiteral("0123456789")).repeated(20);

void BM_Typing_NumericEditor_200Chars(benchmark::State& State)
{
    VynGridModule::Start();
    Stage<TVynStringGrid> s;
    TVynStringGrid& g = *s.grid;
    g.OnGetEditorType = [](TObject*, int, int, TEditorType& E) { E = TEditorType::edNumeric; };
    g.FocusCell(1, 1, true);
    for (auto _ : State) {
        g.SetCells(1, 1, QString());
        TestKit::TypeKey(&g, VK_F2);
        TestKit::TypeText(nullptr, Digits);
        TestKit::TypeKey(nullptr, VK_ESCAPE);
        ProcessPostedMessages();
    }
    // The same typing once more, checked: every digit went in.
    TestKit::TypeKey(&g, VK_F2);
    TestKit::TypeText(nullptr, Digits + QStringLiteral("x"));
    if (!g.NormalEdit() || g.NormalEdit()->Text() != Digits)
        State.SkipWithError("the digits were not typed into the editor");
}

void BM_Typing_PlatformInplaceEdit_200Chars(benchmark::State& State)
{
    Stage<TStringGrid> s;
    TStringGrid& g = *s.grid;
    g.FocusCell(1, 1, true);
    for (auto _ : State) {
        g.SetCells(1, 1, QString());
        g.ShowEditor();
        TestKit::TypeText(nullptr, Digits);
        g.HideEditor();
        ProcessPostedMessages();
    }
}

}  // namespace

BENCHMARK(BM_Lookup_Completion_10000Items)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Lookup_StartsWithLoop_10000Items)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typing_NumericEditor_200Chars)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Typing_PlatformInplaceEdit_200Chars)->Apply(Repeated)->Unit(benchmark::kMicrosecond);

VYN_BENCH_MAIN();
