// The multi-column drop-down with 50,000 and 100,000 items of three
// columns (seeded random words; only the last item's lookup text starts
// with "z"): auto-completion of one typed character, which walks every
// lookup text before it finds the last, next to a case-insensitive
// startsWith loop over the same texts.
#include <memory>
#include <random>
#include <vector>

#include "bench_main.h"
#include "controls/dropdown/MultiColumnDropDown.h"
#include "platform/gui/forms.h"
#include "platform/gui/messages.h"

namespace {

// Seeded words of 4 to 10 letters a .. y.
QString word(std::mt19937& Rng)
{
    std::uniform_int_distribution<int> len(4, 10), letter(0, 24);
    QString w;
    for (int n = len(Rng); n > 0; --n)
        w += QChar(char16_t(u'a' + letter(Rng)));
    w[0] = w[0].toUpper();
    return w;
}

struct Scene {
    std::unique_ptr<TForm> form;
    TVynMultiColumnDropDown* mc = nullptr;
    std::vector<QString> lookups;

    explicit Scene(int Count)
    {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        mc = new TVynMultiColumnDropDown(form.get());
        mc->SetParent(form.get());
        mc->SetBounds(10, 10, 240, 21);
        for (int c = 0; c < 3; ++c)
            mc->Columns().Add();
        std::mt19937 rng(4711);
        mc->BeginUpdate();
        mc->Items().BeginUpdate();
        for (int i = 0; i < Count; ++i) {
            VynMultiColumnDropDown::TDropDownItem* item = mc->Items().Add();
            item->Text().Add(i == Count - 1 ? QStringLiteral("Zone valve") : word(rng));
            item->Text().Add(word(rng));
            item->Text().Add(QString::number(i));
            lookups.push_back(item->Text().Strings(0));
        }
        mc->Items().EndUpdate();
        mc->EndUpdate();
        form->Show();
        mc->SetFocus();
    }
};

void complete(benchmark::State& State, int Count)
{
    Scene s(Count);
    for (auto _ : State) {
        s.mc->SetText(String());
        s.mc->Perform(WM_CHAR, 'z', 0);
    }
    if (s.mc->ItemIndex() != Count - 1 || s.mc->Text() != QStringLiteral("zone valve"))
        State.SkipWithError("no completion");
}

void startsWithLoop(benchmark::State& State, int Count)
{
    Scene s(Count);
    const QString key = QStringLiteral("z");
    for (auto _ : State) {
        int found = -1;
        for (size_t i = 0; i < s.lookups.size(); ++i)
            if (s.lookups[i].startsWith(key, Qt::CaseInsensitive)) {
                found = int(i);
                break;
            }
        benchmark::DoNotOptimize(found);
    }
}

void BM_MultiColumn_CompleteOneChar50000(benchmark::State& State) { complete(State, 50000); }
BENCHMARK(BM_MultiColumn_CompleteOneChar50000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_MultiColumn_CompleteOneChar100000(benchmark::State& State) { complete(State, 100000); }
BENCHMARK(BM_MultiColumn_CompleteOneChar100000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_MultiColumn_Baseline_StartsWithLoop50000(benchmark::State& State) { startsWithLoop(State, 50000); }
BENCHMARK(BM_MultiColumn_Baseline_StartsWithLoop50000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_MultiColumn_Baseline_StartsWithLoop100000(benchmark::State& State) { startsWithLoop(State, 100000); }
BENCHMARK(BM_MultiColumn_Baseline_StartsWithLoop100000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
