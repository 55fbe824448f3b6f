// The grid drop-down with 50,000 and 100,000 items of three columns (seeded
// random words in the lookup column), each next to a QSortFilterProxyModel
// over a QStandardItemModel holding the same items:
// - opening the popup: the list filled from the items, sorted by column 1
//   and positioned on the chosen item (baseline: the model filled, the
//   proxy sorted by column 1 and the chosen item mapped to its row);
// - one narrow-down keystroke and its undo (lmNarrowDown: "a" typed, then
//   "n" and Backspace; baseline: the proxy's contains filter on column 1
//   set to "an" and back to "a");
// - a typed lookup whose only match is the last item (baseline: the model's
//   starts-with match on column 1 mapped through the proxy).
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <array>
#include <map>
#include <memory>
#include <random>

#include "bench_main.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/grid/VynGridDropDown.h"
#include "grid/core/grid_startup.h"
#include "grid/data/grid_data_holders.h"
#include "platform/gui/forms.h"

namespace {

// The items: a number, a word of 4 to 9 letters a .. y (the last item's
// word starts with z), a number.
const std::vector<std::array<QString, 3>>& Items(int Count)
{
    static std::map<int, std::vector<std::array<QString, 3>>> made;
    auto& items = made[Count];
    if (items.empty()) {
        std::mt19937 random(43);
        std::uniform_int_distribution<int> length(4, 9), letter(0, 24);
        items.reserve(size_t(Count));
        for (int i = 0; i < Count; ++i) {
            QString word;
            const int n = length(random);
            for (int k = 0; k < n; ++k)
                word += QChar(char16_t(u'a' + letter(random)));
            if (i == Count - 1)
                word[0] = u'z';
            items.push_back({QString::number(i), word, QString::number(random() % 1000)});
        }
    }
    return items;
}

class TBenchGridDropDown : public TVynGridDropDown {
public:
    using TVynGridDropDown::TVynGridDropDown;
    using TCustomVynGridDropDown::ControlKeyPress;
};

struct Scene {
    std::unique_ptr<TForm> form;
    TBenchGridDropDown* dd = nullptr;

    explicit Scene(int Count)
    {
        VynGridModule::Start();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        dd = new TBenchGridDropDown(form.get());
        dd->SetParent(form.get());
        dd->SetBounds(10, 10, 240, 21);
        for (const char* h : {"No", "Word", "Value"})
            dd->Columns().Add()->SetHeader(h);
        dd->Items().BeginUpdate();
        for (const auto& item : Items(Count))
            dd->Items().AddTexts({item[0], item[1], item[2]});
        dd->Items().EndUpdate();
        dd->SetLookupColumn(1);
        dd->EndUpdate();
        dd->SetSorting(gsSingleColumn);
        dd->GetColGrid()->SortSettings()->SetColumn(1);
        dd->SetItemIndex(Count / 2);
        form->Show();
        dd->SetFocus();
    }
};

// Made once per size and kept to the end of the process (the forms must not
// outlive the application object, which goes before static objects do).
Scene& SceneOf(int Count)
{
    static auto* scenes = new std::map<int, Scene*>;
    Scene*& s = (*scenes)[Count];
    if (!s)
        s = new Scene(Count);
    return *s;
}

struct Model {
    QStandardItemModel model;
    QSortFilterProxyModel proxy;

    void Fill(int Count)
    {
        model.clear();
        model.setColumnCount(3);
        model.setRowCount(Count);
        const auto& items = Items(Count);
        for (int r = 0; r < Count; ++r)
            for (int c = 0; c < 3; ++c)
                model.setItem(r, c, new QStandardItem(items[size_t(r)][size_t(c)]));
        proxy.setSourceModel(&model);
        proxy.setFilterKeyColumn(1);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    }
};

void BM_GridDropDown_Open(benchmark::State& State)
{
    const int n = int(State.range(0));
    Scene& s = SceneOf(n);
    for (auto _ : State) {
        s.dd->ShowDropDown();
        benchmark::DoNotOptimize(s.dd->GetColGrid()->Row());
        State.PauseTiming();
        s.dd->HideDropDown(true);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_GridDropDown_Open)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_GridDropDown_Baseline_ProxyOpen(benchmark::State& State)
{
    const int n = int(State.range(0));
    Items(n);
    for (auto _ : State) {
        auto m = std::make_unique<Model>();
        m->Fill(n);
        m->proxy.sort(1);
        benchmark::DoNotOptimize(m->proxy.mapFromSource(m->model.index(n / 2, 0)).row());
        State.PauseTiming();
        m.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_GridDropDown_Baseline_ProxyOpen)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_GridDropDown_NarrowDownKeystrokeAndUndo(benchmark::State& State)
{
    const int n = int(State.range(0));
    Scene& s = SceneOf(n);
    s.dd->SetLookupMethod(lmNarrowDown);
    s.dd->ShowDropDown();
    s.dd->LookupTypedChar(u'a');
    for (auto _ : State) {
        s.dd->LookupTypedChar(u'n');
        benchmark::DoNotOptimize(s.dd->GetColGrid()->RowCount());
        s.dd->SetSelLength(0);
        s.dd->LookupTypedChar(QChar(char16_t(VK_BACK)));
        benchmark::DoNotOptimize(s.dd->GetColGrid()->RowCount());
    }
    State.counters["rows_an"] = double(s.dd->GetColGrid()->RowCount());
    s.dd->LookupTypedChar(QChar(char16_t(VK_BACK)));
    s.dd->HideDropDown(true);
    s.dd->SetLookupMethod(lmLookup);
}
BENCHMARK(BM_GridDropDown_NarrowDownKeystrokeAndUndo)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Apply(Repeated);

void BM_GridDropDown_Baseline_ProxyFilterAndUndo(benchmark::State& State)
{
    const int n = int(State.range(0));
    Model m;
    m.Fill(n);
    m.proxy.sort(1);
    m.proxy.setFilterFixedString("a");
    for (auto _ : State) {
        m.proxy.setFilterFixedString("an");
        benchmark::DoNotOptimize(m.proxy.rowCount());
        m.proxy.setFilterFixedString("a");
        benchmark::DoNotOptimize(m.proxy.rowCount());
    }
}
BENCHMARK(BM_GridDropDown_Baseline_ProxyFilterAndUndo)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Apply(Repeated);

void BM_GridDropDown_TypedLookupNearTheEnd(benchmark::State& State)
{
    const int n = int(State.range(0));
    Scene& s = SceneOf(n);
    s.dd->ShowDropDown();
    for (auto _ : State) {
        QChar clear{char16_t(VK_RETURN)};
        s.dd->ControlKeyPress(clear);
        QChar z(u'z');
        s.dd->ControlKeyPress(z);
        benchmark::DoNotOptimize(s.dd->GetColGrid()->Row());
    }
    if (s.dd->ItemIndex() != n - 1)
        State.SkipWithError("the lookup did not find the last item");
    s.dd->HideDropDown(true);
}
BENCHMARK(BM_GridDropDown_TypedLookupNearTheEnd)->Arg(50000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_GridDropDown_Baseline_ProxyMatch(benchmark::State& State)
{
    const int n = int(State.range(0));
    Model m;
    m.Fill(n);
    m.proxy.sort(1);
    for (auto _ : State) {
        const QModelIndexList found =
            m.model.match(m.model.index(0, 1), Qt::DisplayRole, QStringLiteral("z"), 1, Qt::MatchStartsWith);
        benchmark::DoNotOptimize(found.isEmpty() ? -1 : m.proxy.mapFromSource(found.front()).row());
    }
}
BENCHMARK(BM_GridDropDown_Baseline_ProxyMatch)->Arg(50000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
