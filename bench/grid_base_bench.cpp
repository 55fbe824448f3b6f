// The base string grid with 100,000 rows of 20 columns, each measurement
// next to a baseline of the same work without the grid:
// - filling every cell            vs. filling a std::vector<QString> of the same size;
// - 1,000 rows inserted and 1,000 deleted in the middle
//                                 vs. the same on a vector of row pointers;
// - painting one screen scrolled to the end
//                                 vs. QPainter fills of the same cells and
//                                   lines (and the raised edges of the fixed
//                                   cells) and drawText of their texts.
// The grid's overhead over each baseline should stay small (under 2x).
#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

#include "bench_main.h"
#include "grid_bench_cases.h"
#include "platform/grids/grids.h"

namespace {

void BM_Fill_Grid(benchmark::State& State)
{
    Texts();
    for (auto _ : State) {
        TStringGrid g(nullptr);
        Fill(g);
        benchmark::DoNotOptimize(g.Cells(Cols - 1, Rows - 1));
    }
}
BENCHMARK(BM_Fill_Grid)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_Fill_Baseline_VectorOfQString(benchmark::State& State)
{
    const auto& t = Texts();
    for (auto _ : State) {
        std::vector<QString> cells(size_t(Rows) * Cols);
        for (size_t i = 0; i < cells.size(); ++i)
            cells[i] = t[i];
        benchmark::DoNotOptimize(cells.back());
    }
}
BENCHMARK(BM_Fill_Baseline_VectorOfQString)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_InsertDelete_Grid(benchmark::State& State)
{
    TStringGrid g(nullptr);
    Fill(g);
    for (auto _ : State) {
        for (int i = 0; i < 1000; ++i)
            g.InsertRow(Rows / 2);
        for (int i = 0; i < 1000; ++i)
            g.DeleteRow(Rows / 2);
        benchmark::DoNotOptimize(g.RowCount());
    }
}
BENCHMARK(BM_InsertDelete_Grid)->Unit(benchmark::kMillisecond)->Apply(Repeated);

void BM_InsertDelete_Baseline_RowPointers(benchmark::State& State)
{
    using Row = std::vector<QString>;
    std::vector<std::unique_ptr<Row>> rows;
    const auto& t = Texts();
    for (int r = 0; r < Rows; ++r)
        rows.push_back(std::make_unique<Row>(t.begin() + r * Cols, t.begin() + (r + 1) * Cols));
    for (auto _ : State) {
        for (int i = 0; i < 1000; ++i)
            rows.insert(rows.begin() + Rows / 2, std::make_unique<Row>(size_t(Cols)));
        for (int i = 0; i < 1000; ++i)
            rows.erase(rows.begin() + Rows / 2);
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_InsertDelete_Baseline_RowPointers)->Unit(benchmark::kMillisecond)->Apply(Repeated);

struct PaintFixture {
    TStringGrid Grid{nullptr};
    QImage Image{800, 600, QImage::Format_ARGB32};
    PaintFixture()
    {
        Fill(Grid);
        Grid.SetBounds(0, 0, 800, 600);
        Grid.SetTopRow(Rows);
    }
};

void BM_PaintScrolledToEnd_Grid(benchmark::State& State)
{
    PaintFixture f;
    for (auto _ : State) {
        QPainter p(&f.Image);
        f.Grid.Perform(WM_PAINT, intptr_t(&p));
    }
}
BENCHMARK(BM_PaintScrolledToEnd_Grid)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

void BM_PaintScrolledToEnd_Baseline_DrawText(benchmark::State& State)
{
    PaintFixture f;
    TStringGrid& g = f.Grid;
    // The cells the grid shows: the fixed row and column and the scrollable
    // ones from the top-left cell.
    struct Cell {
        QRect R;
        QString Text;
        bool Fixed;
    };
    std::vector<Cell> cells;
    auto cellsOf = [&](int C, int R) {
        const TRect r = g.CellRect(C, R);
        if (!(r == TRect{}))
            cells.push_back({r.ToQt(), g.Cells(C, R), C < g.FixedCols() || R < g.FixedRows()});
    };
    auto rowOf = [&](int R) {
        for (int c = 0; c < g.ColCount(); ++c)
            cellsOf(c, R);
    };
    for (int r = 0; r < g.FixedRows(); ++r)
        rowOf(r);
    for (int r = g.TopRow(); r < g.RowCount() && !(g.CellRect(0, r) == TRect{}); ++r)
        rowOf(r);
    const QFont font = g.Font().ToQFont();
    const int ascent = QFontMetrics(font).ascent();
    const QColor face = ToQColor(clBtnFace), window = ToQColor(clWindow), black = ToQColor(clBlack);
    const QColor silver = ToQColor(clSilver), light = ToQColor(clBtnHighlight), shadow = ToQColor(clBtnShadow);
    const QColor text = ToQColor(clWindowText);
    const int lineWidth = g.GridLineWidth();
    for (auto _ : State) {
        QPainter p(&f.Image);
        p.setFont(font);
        p.setPen(text);
        for (const Cell& c : cells) {
            const QRect& r = c.R;
            p.fillRect(r, c.Fixed ? face : window);
            p.drawText(QPoint(r.left() + 2, r.top() + 2 + ascent), c.Text);
            if (c.Fixed) {
                p.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
                p.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
                p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), shadow);
                p.fillRect(QRect(r.right(), r.top(), 1, r.height()), shadow);
            }
            // The lines right of and below the cell.
            p.fillRect(QRect(r.right() + 1, r.top(), lineWidth, r.height() + lineWidth), c.Fixed ? black : silver);
            p.fillRect(QRect(r.left(), r.bottom() + 1, r.width(), lineWidth), c.Fixed ? black : silver);
        }
    }
    State.counters["cells"] = double(cells.size());
}
BENCHMARK(BM_PaintScrolledToEnd_Baseline_DrawText)->Unit(benchmark::kMicrosecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
