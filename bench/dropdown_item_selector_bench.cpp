// The item selector with 10,000 colour items in two columns: the layout
// pass; one screen painted scrolled to the end (also with 100 items: the
// painting does not depend on the item count) next to the same visible items
// drawn with plain QPainter calls; LookupItem of the last item next to a
// startsWith loop over the same captions (the lookup text of each item is
// kept until its caption changes; the cold lookup builds it).
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <memory>
#include <vector>

#include "bench_main.h"
#include "controls/dropdown/ItemSelector.h"

namespace {

struct Scene {
    std::unique_ptr<TForm> form;
    TVynCustomItemSelector* sel = nullptr;

    explicit Scene(int Count)
    {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 400);
        sel = new TVynCustomItemSelector(form.get());
        sel->SetParent(form.get());
        sel->SetBounds(0, 0, 260, 300);
        sel->SetColor(clWhite);
        sel->SetSelectorType(stColor);
        sel->SetColumns(2);
        sel->Items().BeginUpdate();
        for (int i = 0; i < Count; ++i) {
            TSelectorItem* item = sel->Items().Add();
            item->SetCaption(QStringLiteral("Colour %1").arg(i));
            item->SetColor(TColor((i * 2654435761u) & 0xFFFFFF));
        }
        sel->Items().EndUpdate();
        sel->UpdateSelectorPanel();
        sel->SetItemIndex(Count - 1);
    }
    // The items inside the view, in the host's client coordinates.
    std::vector<int> visible() const
    {
        std::vector<int> v;
        const int top = -sel->SelectorPanel()->Top(), bottom = top + sel->ClientHeight();
        for (int i = 0; i < sel->Items().Count(); ++i) {
            const TRect& r = sel->Items().Items(i)->ItemRect();
            if (r.Bottom > top && r.Top < bottom)
                v.push_back(i);
        }
        return v;
    }
};

void BM_ItemSelector_Layout10000(benchmark::State& State)
{
    Scene s(10000);
    for (auto _ : State)
        s.sel->UpdateSelectorPanel();
}
BENCHMARK(BM_ItemSelector_Layout10000)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void paintScreen(benchmark::State& State, int Count)
{
    Scene s(Count);
    QWidget* w = s.sel->Widget();
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State)
        w->render(&image);
    State.counters["visible"] = double(s.visible().size());
}

void BM_ItemSelector_PaintScreenAtTheEnd10000(benchmark::State& State) { paintScreen(State, 10000); }
BENCHMARK(BM_ItemSelector_PaintScreenAtTheEnd10000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_ItemSelector_PaintScreenAtTheEnd100(benchmark::State& State) { paintScreen(State, 100); }
BENCHMARK(BM_ItemSelector_PaintScreenAtTheEnd100)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

// The same visible items with plain QPainter calls: background, frame of
// the selected one, colour box, caption.
void BM_ItemSelector_Baseline_QPainterScreen(benchmark::State& State)
{
    Scene s(10000);
    const std::vector<int> items = s.visible();
    QImage image(s.sel->Widget()->size(), QImage::Format_ARGB32_Premultiplied);
    const int dy = s.sel->SelectorPanel()->Top();
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    for (auto _ : State) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
        p.setFont(font);
        for (int i : items) {
            const TSelectorItem& item = *s.sel->Items().Items(i);
            const QRect r = item.ItemRect().ToQt().translated(0, dy);
            p.fillRect(r, i == s.sel->ItemIndex() ? QColor(0x04, 0xB9, 0xF4) : QColor(Qt::white));
            p.setPen(Qt::black);
            p.setBrush(QColor(item.Color() & 0xFF, (item.Color() >> 8) & 0xFF, (item.Color() >> 16) & 0xFF));
            p.drawRect(r.left() + 4, r.top() + 4, 13, 13);
            p.drawText(r.adjusted(22, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, item.Caption());
        }
    }
    State.counters["visible"] = double(items.size());
}
BENCHMARK(BM_ItemSelector_Baseline_QPainterScreen)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_ItemSelector_LookupLast10000(benchmark::State& State)
{
    Scene s(10000);
    s.sel->LookupItem(QStringLiteral("COLOUR 9999"));
    for (auto _ : State)
        benchmark::DoNotOptimize(s.sel->LookupItem(QStringLiteral("COLOUR 9999")));
}
BENCHMARK(BM_ItemSelector_LookupLast10000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_ItemSelector_LookupLastCold10000(benchmark::State& State)
{
    Scene s(10000);
    int round = 0;
    for (auto _ : State) {
        // New captions: every lookup text is built again.
        State.PauseTiming();
        const String tag = (++round % 2) ? QStringLiteral("Colour ") : QStringLiteral("colour ");
        s.sel->Items().BeginUpdate();
        for (int i = 0; i < s.sel->Items().Count(); ++i)
            s.sel->Items().Items(i)->SetCaption(tag + QString::number(i));
        s.sel->Items().EndUpdate();
        State.ResumeTiming();
        benchmark::DoNotOptimize(s.sel->LookupItem(QStringLiteral("COLOUR 9999")));
    }
}
BENCHMARK(BM_ItemSelector_LookupLastCold10000)->Unit(benchmark::kMicrosecond)->Iterations(20)->Apply(Repeated);

void BM_ItemSelector_Baseline_StartsWithLoop(benchmark::State& State)
{
    Scene s(10000);
    std::vector<String> captions;
    for (int i = 0; i < s.sel->Items().Count(); ++i)
        captions.push_back(s.sel->Items().Items(i)->Caption());
    const String key = QStringLiteral("Colour 9999");
    for (auto _ : State) {
        int found = -1;
        for (size_t i = 0; i < captions.size(); ++i)
            if (captions[i].startsWith(key)) {
                found = int(i);
                break;
            }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_ItemSelector_Baseline_StartsWithLoop)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
