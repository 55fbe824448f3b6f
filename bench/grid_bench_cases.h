#pragma once
// What the grid benchmarks share: the 100,000 x 20 table of bench_main.h
// written into a grid through Cells, the same table in a QStandardItemModel,
// one screen of that model painted by a QTableView (the item-view
// baseline), and the loop that paints one prepared screen.
#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

#include "bench_main.h"

#include <algorithm>
#include <chrono>

#include "platform/gui/messages.h"

template <typename G>
void Fill(G& Grid)
{
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows);
    const auto& t = Texts();
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            Grid.SetCells(c, r, t[size_t(r) * Cols + size_t(c)]);
}

inline void FillModel(QStandardItemModel& M)
{
    M.setColumnCount(Cols);
    M.setRowCount(Rows);
    const auto& t = Texts();
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            M.setData(M.index(r, c), t[size_t(r) * Cols + size_t(c)]);
}

struct ModelPaint {
    QStandardItemModel Model;
    QTableView View;
    QImage Image{800, 600, QImage::Format_ARGB32};
    explicit ModelPaint(bool AtEnd)
    {
        FillModel(Model);
        View.setModel(&Model);
        View.resize(800, 600);
        View.horizontalHeader()->setDefaultSectionSize(64);
        View.verticalHeader()->setDefaultSectionSize(24);
        View.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        if (AtEnd)
            View.scrollToBottom();
    }
    void Paint()
    {
        QPainter p(&Image);
        View.render(&p);
    }
};

// A grid of kind G filled with the table, 800 x 600 with rows of 24 pixels,
// at the top or scrolled to the end, painted into an image.
template <typename G>
struct GridPaint {
    G Grid{nullptr};
    QImage Image{800, 600, QImage::Format_ARGB32};
    explicit GridPaint(bool AtEnd)
    {
        Fill(Grid);
        Grid.SetDefaultRowHeight(24);
        Grid.SetBounds(0, 0, 800, 600);
        if (AtEnd)
            Grid.SetTopRow(Rows);
    }
    void Paint()
    {
        QPainter p(&Image);
        Grid.Perform(WM_PAINT, intptr_t(&p));
    }
    // A screen further down (round to the top at the end), then painted:
    // texts never painted before, so nothing remembered from earlier paints helps.
    void ScrollAndPaint()
    {
        const int next = Grid.TopRow() + std::max(1, Grid.VisibleRowCount());
        Grid.SetTopRow(next + Grid.VisibleRowCount() >= Rows ? Grid.FixedRows() : next);
        Paint();
    }
};

// Paints the screen a painter of kind F prepared (at the top or the end).
template <typename F>
void PaintCase(benchmark::State& State, bool AtEnd)
{
    F f(AtEnd);
    for (auto _ : State)
        f.Paint();
}

// Two grids filled (and whatever Work does after the fill) in each
// iteration, taking turns at going first: the grid that fills second
// allocates from the heap the first one left, which costs it up to six
// times more, so separate cases depend on their order. The counters are
// the seconds of each and their ratio (Measured over Baseline).
template <typename Baseline, typename Measured, typename Work>
void PairedFill(benchmark::State& State, const char* BaseName, const char* MeasuredName, Work W)
{
    Texts();
    using Clock = std::chrono::steady_clock;
    double base = 0, measured = 0;
    bool measuredFirst = false;
    auto run = [&W](auto* G) {
        const auto t0 = Clock::now();
        Fill(*G);
        W(*G);
        delete G;
        return std::chrono::duration<double>(Clock::now() - t0).count();
    };
    for (auto _ : State) {
        if (measuredFirst) {
            measured += run(new Measured(nullptr));
            base += run(new Baseline(nullptr));
        } else {
            base += run(new Baseline(nullptr));
            measured += run(new Measured(nullptr));
        }
        measuredFirst = !measuredFirst;
    }
    const double n = double(State.iterations());
    State.counters[BaseName] = base / n;
    State.counters[MeasuredName] = measured / n;
    State.counters["ratio"] = measured / base;
}
