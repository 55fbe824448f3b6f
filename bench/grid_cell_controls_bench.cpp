// EditNextCellControl on a cell holding 50 EDIT controls: from the 25th to
// the 26th (the cell's HTML laid out to find its place, the control editor
// opened over it), on row 50 of a 100-row grid and on row 50,000 of a
// 100,000-row grid. Baseline in the same run: the same HTML laid out once
// by the renderer in the same rectangle (aim: at most 2 times; and no
// dependence on the row count).
#include <benchmark/benchmark.h>

#include "bench_main.h"
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

QString FiftyControls()
{
    QString s;
    for (int i = 0; i < 50; ++i)
        s += QStringLiteral("<B>f%1</B> <CONTROL ID=\"c%1\" VALUE=\"v%1\" WIDTH=\"40\" TYPE=\"EDIT\" MAXLEN=\"8\"> ")
                 .arg(i);
    return s;
}

struct Stage {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TVynStringGrid* grid;
    int row;
    explicit Stage(int RowCount)
    {
        VynGridModule::Start();
        form.SetBounds(0, 0, 900, 500);
        grid = new TVynStringGrid(&form);
        grid->SetBounds(0, 0, 880, 480);
        grid->SetColCount(4);
        grid->SetRowCount(RowCount);
        grid->SetColWidths(2, 600);
        grid->SetDefaultRowHeight(200);
        row = RowCount / 2;
        grid->SetCells(2, row, FiftyControls());
        grid->SetParent(&form);
        form.Show();
        grid->FocusCell(2, row, true);
        grid->SetFocus();
    }
};

void NextControl(benchmark::State& State, int RowCount)
{
    Stage s(RowCount);
    TVynStringGrid& g = *s.grid;
    for (auto _ : State)
        g.EditNextCellControl(2, s.row, QStringLiteral("c24"));
    if (!g.CtrlEditing() || g.CtrlID() != QStringLiteral("c25"))
        State.SkipWithError("the 26th control was not opened");
}

void BM_EditNextCellControl_100Rows(benchmark::State& State) { NextControl(State, 100); }
void BM_EditNextCellControl_100000Rows(benchmark::State& State) { NextControl(State, 100000); }

// The renderer's layout of the same cell, asked for the same control.
void BM_LayoutSameHtmlOnce(benchmark::State& State)
{
    Stage s(100);
    TVynStringGrid& g = *s.grid;
    const QString html = FiftyControls();
    const TRect r = g.CellRect(2, s.row);
    THTMLDrawOptions o;
    o.HitTestOnly = true;
    o.HitControlId = QStringLiteral("c25");
    o.WrapWords = true;
    o.ThemeWindow = &g;
    g.Canvas().Font().Assign(g.Font());
    for (auto _ : State) {
        const THTMLDrawResult res = DrawHTMLText(g.Canvas(), html, r, o);
        benchmark::DoNotOptimize(res.HitControlRect);
    }
}

}  // namespace

BENCHMARK(BM_LayoutSameHtmlOnce)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditNextCellControl_100Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditNextCellControl_100000Rows)->Apply(Repeated)->Unit(benchmark::kMicrosecond);

VYN_BENCH_MAIN();
