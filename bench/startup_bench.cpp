// The program's start: the 42 dialogs created by Create_Forms (offscreen,
// in an empty program directory), next to 42 QDialogs, each with as many
// child widgets as the dialog in its place has controls.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "app/shell/Program_Start.h"
#include "app/shell/UTessaraneFirmWare.h"
#include "bench_main.h"
#include "platform/gui/controls.h"

namespace {

QTemporaryDir& BaseDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The controls each dialog owns, counted from one start.
const std::vector<int>& ControlCounts()
{
    static const std::vector<int> counts = [] {
        Set_Program_Base_Dir(BaseDir().path());
        std::vector<int> v;
        auto owner = std::make_unique<TComponent>(nullptr);
        Create_Forms(owner.get());
        for (TForm* f : Program_Forms()) {
            int n = 0;
            for (int i = 0; i < f->ComponentCount(); ++i)
                n += dynamic_cast<TControl*>(f->Components(i)) ? 1 : 0;
            v.push_back(n);
        }
        owner.reset();
        Forget_Forms();
        return v;
    }();
    return counts;
}

void BM_Start_Create_Forms(benchmark::State& State)
{
    ControlCounts();
    Set_Program_Base_Dir(BaseDir().path());
    for (auto _ : State) {
        auto owner = std::make_unique<TComponent>(nullptr);
        Create_Forms(owner.get());
        State.PauseTiming();
        owner.reset();
        Forget_Forms();
        State.ResumeTiming();
    }
    int controls = 0;
    for (int n : ControlCounts())
        controls += n;
    State.counters["forms"] = double(ControlCounts().size());
    State.counters["controls"] = double(controls);
}
BENCHMARK(BM_Start_Create_Forms)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_Start_Baseline_QDialogs(benchmark::State& State)
{
    const std::vector<int>& counts = ControlCounts();
    for (auto _ : State) {
        std::vector<std::unique_ptr<QDialog>> dialogs;
        for (int n : counts) {
            auto d = std::make_unique<QDialog>();
            d->resize(480, 360);
            for (int i = 0; i < n; ++i) {
                QWidget* w = nullptr;
                switch (i % 5) {
                case 0: w = new QLabel(QStringLiteral("Label %1").arg(i), d.get()); break;
                case 1: w = new QLineEdit(QStringLiteral("Edit %1").arg(i), d.get()); break;
                case 2: w = new QPushButton(QStringLiteral("Button %1").arg(i), d.get()); break;
                case 3: w = new QCheckBox(QStringLiteral("Check %1").arg(i), d.get()); break;
                default: {
                    auto* c = new QComboBox(d.get());
                    c->addItems({QStringLiteral("one"), QStringLiteral("two")});
                    w = c;
                }
                }
                w->setGeometry(8 + (i % 4) * 110, 8 + (i / 4) * 26 % 320, 100, 22);
            }
            dialogs.push_back(std::move(d));
        }
        State.PauseTiming();
        dialogs.clear();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_Start_Baseline_QDialogs)->Unit(benchmark::kMillisecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
