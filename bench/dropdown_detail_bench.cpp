// The detail drop-down with 10,000 items (a caption and an HTML note each):
// - auto-completion of one typed character whose only match is the last
//   caption, next to a case-insensitive startsWith loop over the captions;
// - opening the popup scrolled to the selected last item and painting it
//   (also with 100 items, and next to the bare popup of a plain drop-down
//   opened and painted the same way), and painting the open list (also with 100 items: the painting does not
//   depend on the item count), next to the same visible rows drawn with
//   plain QPainter calls.
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <memory>
#include <vector>

#include "bench_main.h"
#include "controls/dropdown/DetailDropDown.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/gui/messages.h"

namespace {

struct Scene {
    std::unique_ptr<TForm> form;
    TVynDetailDropDown* det = nullptr;

    explicit Scene(int Count)
    {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        det = new TVynDetailDropDown(form.get());
        det->SetParent(form.get());
        det->SetBounds(10, 10, 240, 21);
        det->SetDropDownHeight(300);
        det->SetItemHeight(34);
        det->Items().BeginUpdate();
        for (int i = 0; i < Count; ++i) {
            TDetailItem* item = det->Items().Add();
            item->SetCaption(i == Count - 1 ? QStringLiteral("Zone valve") : QStringLiteral("Item %1").arg(i));
            item->SetNotes(QStringLiteral("Address <b>%1</b>, bank 2").arg(i));
        }
        det->Items().EndUpdate();
        form->Show();
        det->SetFocus();
    }
    // The rows inside the open list's view, in the panel's coordinates.
    std::vector<int> visible() const
    {
        std::vector<int> v;
        TVynCustomItemSelector* s = det->ItemSelector();
        const int top = -s->SelectorPanel()->Top(), bottom = top + s->ClientHeight();
        for (int i = 0; i < s->Items().Count(); ++i) {
            const TRect& r = s->Items().Items(i)->ItemRect();
            if (r.Bottom > top && r.Top < bottom)
                v.push_back(i);
        }
        return v;
    }
};

void BM_Detail_CompleteOneChar10000(benchmark::State& State)
{
    Scene s(10000);
    for (auto _ : State) {
        s.det->SetText(String());
        s.det->Perform(WM_CHAR, 'z', 0);
    }
    if (s.det->ItemIndex() != 9999)
        State.SkipWithError("no completion");
}
BENCHMARK(BM_Detail_CompleteOneChar10000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_Detail_Baseline_StartsWithLoop(benchmark::State& State)
{
    Scene s(10000);
    std::vector<String> captions;
    for (int i = 0; i < s.det->Items().Count(); ++i)
        captions.push_back(s.det->Items().Items(i)->Caption());
    const String key = QStringLiteral("z");
    for (auto _ : State) {
        int found = -1;
        for (size_t i = 0; i < captions.size(); ++i)
            if (captions[i].startsWith(key, Qt::CaseInsensitive)) {
                found = int(i);
                break;
            }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_Detail_Baseline_StartsWithLoop)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void openAtTheLast(benchmark::State& State, int Count)
{
    Scene s(Count);
    s.det->SetItemIndex(Count - 1);
    s.det->ShowDropDown();
    s.det->HideDropDown(false);
    QWidget* w = s.det->DropDownForm()->Widget();
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        s.det->ShowDropDown();
        w->render(&image);
        s.det->HideDropDown(false);
    }
    s.det->ShowDropDown();
    State.counters["visible"] = double(s.visible().size());
    if (s.visible().empty() || s.visible().back() != Count - 1)
        State.SkipWithError("the last item is not in view");
}

void BM_Detail_OpenAtTheLastItem10000(benchmark::State& State) { openAtTheLast(State, 10000); }
BENCHMARK(BM_Detail_OpenAtTheLastItem10000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_Detail_OpenAtTheLastItem100(benchmark::State& State) { openAtTheLast(State, 100); }
BENCHMARK(BM_Detail_OpenAtTheLastItem100)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

// Showing and hiding the bare popup (header, footer, frame) with nothing
// hosted: what every drop-down's opening costs.
void BM_Detail_Baseline_BarePopupOpen(benchmark::State& State)
{
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 400, 300);
    auto* dd = new TVynDropDown(form.get());
    dd->SetParent(form.get());
    dd->SetBounds(10, 10, 240, 21);
    dd->SetDropDownWidth(240);
    dd->SetDropDownHeight(300);
    form->Show();
    dd->ShowDropDown();
    dd->HideDropDown(false);
    QWidget* w = dd->DropDownForm()->Widget();
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        dd->ShowDropDown();
        w->render(&image);
        dd->HideDropDown(false);
    }
}
BENCHMARK(BM_Detail_Baseline_BarePopupOpen)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void paintList(benchmark::State& State, int Count)
{
    Scene s(Count);
    s.det->SetItemIndex(Count - 1);
    s.det->ShowDropDown();
    QWidget* w = s.det->ItemSelector()->Widget();
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State)
        w->render(&image);
    State.counters["visible"] = double(s.visible().size());
}

void BM_Detail_PaintOpenList10000(benchmark::State& State) { paintList(State, 10000); }
BENCHMARK(BM_Detail_PaintOpenList10000)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_Detail_PaintOpenList100(benchmark::State& State) { paintList(State, 100); }
BENCHMARK(BM_Detail_PaintOpenList100)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

// The same visible rows with plain QPainter calls: background, the
// selected row's fill, caption and note (the note's bold part as a second
// run).
void BM_Detail_Baseline_QPainterRows(benchmark::State& State)
{
    Scene s(10000);
    s.det->SetItemIndex(9999);
    s.det->ShowDropDown();
    const std::vector<int> rows = s.visible();
    TVynCustomItemSelector* sel = s.det->ItemSelector();
    QImage image(sel->Widget()->size(), QImage::Format_ARGB32_Premultiplied);
    const int dy = sel->SelectorPanel()->Top();
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    QFont bold = font;
    bold.setBold(true);
    for (auto _ : State) {
        QPainter p(&image);
        p.fillRect(image.rect(), QColor(0xDA, 0xE5, 0xF3));
        for (int i : rows) {
            const TDetailItem& item = *s.det->Items().Items(i);
            const QRect r = sel->Items().Items(i)->ItemRect().ToQt().translated(0, dy);
            if (i == 9999)
                p.fillRect(r, QColor(0xF4, 0xB9, 0x04));
            p.setPen(Qt::black);
            p.setFont(font);
            p.drawText(r.adjusted(4, 2, -4, 0), Qt::AlignLeft | Qt::AlignTop, item.Caption());
            p.drawText(r.adjusted(4, 16, -4, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Address "));
            p.setFont(bold);
            p.drawText(r.adjusted(60, 16, -4, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(i));
            p.setFont(font);
            p.drawText(r.adjusted(100, 16, -4, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral(", bank 2"));
        }
    }
    State.counters["visible"] = double(rows.size());
}
BENCHMARK(BM_Detail_Baseline_QPainterRows)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
