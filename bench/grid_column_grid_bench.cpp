// The column grid's per-cell answers and the tables' row commands.
//
// Answers: a 100,000 x 20 column grid (a fixed row and column, every fourth
// column a data check-box column) asked GetCellType, DoGetCellColor,
// DoCanEditCell and GetCheckTrue for every cell, next to a string grid of
// the same table asked the same in the same run. Aim: at most 1.3 times
// the string grid.
//
// Row commands: Insert_Row_Grid and Delete_Row_Grid at row 1 of that column
// grid, next to the same text-copy loop (every text of the rows below moved
// by one row through Cells and SetCells) on the base grid. Aim: at most 1.3
// times the loop.
#include <benchmark/benchmark.h>

#include "app/tables/Table_Rows.h"
#include "grid_bench_cases.h"
#include "grid/core/base_grid.h"
#include "grid/core/column_grid.h"
#include "platform/gui/dialogs.h"

namespace {

template <typename G>
void FillTable(G& Grid)
{
    Fill(Grid);
    Grid.SetFixedRows(1);
    Grid.SetFixedCols(1);
}

void MakeColumns(TVynColumnGrid& G)
{
    for (int c = 1; c < Cols; c += 4)
        G.Columns()->Items(c)->SetEditor(TEditorType::edDataCheckBox);
}

struct AskCellType {
    void operator()(TVynStringGrid& G, int C, int R) { benchmark::DoNotOptimize(G.GetCellType(C, R)); }
};

struct AskCellColor {
    TBrush Brush;
    TFont Font;
    void operator()(TVynStringGrid& G, int C, int R)
    {
        G.DoGetCellColor(C, R, TGridDrawState(), &Brush, &Font);
        benchmark::DoNotOptimize(Brush.Color());
    }
};

struct AskCanEdit {
    void operator()(TVynStringGrid& G, int C, int R)
    {
        bool can = true;
        G.DoCanEditCell(C, R, can);
        benchmark::DoNotOptimize(can);
    }
};

struct AskCheckTrue {
    void operator()(TVynStringGrid& G, int C, int R)
    {
        const String t = G.GetCheckTrue(C, R);
        benchmark::DoNotOptimize(t.size());
    }
};

// One grid of each kind, filled once.
template <typename G>
G& AnswerGrid()
{
    static G* g = [] {
        auto* grid = new G(nullptr);
        FillTable(*grid);
        if constexpr (std::is_same_v<G, TVynColumnGrid>)
            MakeColumns(*grid);
        return grid;
    }();
    return *g;
}

// One question (Ask) over every cell of the grid of kind G.
template <typename G, typename Ask>
void BM_Answer(benchmark::State& State)
{
    G& g = AnswerGrid<G>();
    Ask ask;
    for (auto _ : State)
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                ask(g, c, r);
}

// ---- row commands

// Answers every box (none is expected: a refused insert would show one).
class TCountingBoxes : public TMessageBoxHandler {
public:
    TModalResult Show(const TMessageBoxRequest&) override
    {
        ++Shown;
        return mrOk;
    }
    int Shown = 0;
};

// The base grid's loops: the texts of columns 1 .. Cols - 1 moved down
// (insert) or up (delete) by one row from row 1, the freed row emptied.
void InsertLoop(TBaseGrid& G)
{
    const int last = G.RowCount() - 1;
    for (int r = last - 1; r >= 1; --r)
        for (int c = 1; c < Cols; ++c)
            G.SetCells(c, r + 1, G.Cells(c, r));
    for (int c = 1; c < Cols; ++c)
        G.SetCells(c, 1, String());
}

void DeleteLoop(TBaseGrid& G)
{
    const int last = G.RowCount() - 1;
    for (int r = 1; r < last; ++r)
        for (int c = 1; c < Cols; ++c)
            G.SetCells(c, r, G.Cells(c, r + 1));
    for (int c = 1; c < Cols; ++c)
        G.SetCells(c, last, String());
}

// The last row emptied, so that an insert goes.
template <typename G>
void EmptyLastRow(G& Grid)
{
    for (int c = 1; c < Cols; ++c)
        Grid.SetCells(c, Grid.RowCount() - 1, String());
}

template <typename G>
G& RowGrid()
{
    static G* g = [] {
        auto* grid = new G(nullptr);
        FillTable(*grid);
        return grid;
    }();
    return *g;
}

void BM_InsertRow_ColumnGrid(benchmark::State& State)
{
    TCountingBoxes boxes;
    TMessageBoxHandler* was = SetMessageBoxHandler(&boxes);
    TVynColumnGrid& g = RowGrid<TVynColumnGrid>();
    for (auto _ : State) {
        State.PauseTiming();
        EmptyLastRow(g);
        State.ResumeTiming();
        Insert_Row_Grid(1, &g, false);
    }
    SetMessageBoxHandler(was);
    State.counters["boxes"] = boxes.Shown;
}

void BM_InsertRow_Baseline_BaseGrid(benchmark::State& State)
{
    TBaseGrid& g = RowGrid<TBaseGrid>();
    for (auto _ : State) {
        State.PauseTiming();
        EmptyLastRow(g);
        State.ResumeTiming();
        InsertLoop(g);
    }
}

void BM_DeleteRow_ColumnGrid(benchmark::State& State)
{
    TVynColumnGrid& g = RowGrid<TVynColumnGrid>();
    for (auto _ : State)
        Delete_Row_Grid(1, &g);
}

void BM_DeleteRow_Baseline_BaseGrid(benchmark::State& State)
{
    TBaseGrid& g = RowGrid<TBaseGrid>();
    for (auto _ : State)
        DeleteLoop(g);
}

BENCHMARK(BM_Answer<TVynStringGrid, AskCellType>)->Name("BM_CellType_Baseline_StringGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynColumnGrid, AskCellType>)->Name("BM_CellType_ColumnGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynStringGrid, AskCellColor>)->Name("BM_CellColor_Baseline_StringGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynColumnGrid, AskCellColor>)->Name("BM_CellColor_ColumnGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynStringGrid, AskCanEdit>)->Name("BM_CanEdit_Baseline_StringGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynColumnGrid, AskCanEdit>)->Name("BM_CanEdit_ColumnGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynStringGrid, AskCheckTrue>)->Name("BM_CheckTrue_Baseline_StringGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_Answer<TVynColumnGrid, AskCheckTrue>)->Name("BM_CheckTrue_ColumnGrid")->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_InsertRow_Baseline_BaseGrid)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_InsertRow_ColumnGrid)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_DeleteRow_Baseline_BaseGrid)->Unit(benchmark::kMillisecond)->Apply(Repeated);
BENCHMARK(BM_DeleteRow_ColumnGrid)->Unit(benchmark::kMillisecond)->Apply(Repeated);

}  // namespace

VYN_BENCH_MAIN()
