// TVynStringGrid: grouping rows by a column. Group lays the grouped order
// out in one pass: the header and summary rows are added to the store at
// once and every row is put in its place by one permutation; the nodes,
// colours and merges are set afterwards. UnGroup takes the header and
// summary rows out in one pass. Both end with one CellsChanged.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"

namespace {

// The row colours of a header or summary row, each only when not none.
void ColourRow(TVynStringGrid& G, int ARow, TColor Color, TColor ColorTo, TColor Text)
{
    if (Color != clNone)
        G.SetRowColor(ARow, Color);
    if (ColorTo != clNone)
        G.SetRowColorTo(ARow, ColorTo);
    if (Text != clNone)
        G.SetRowFontColor(ARow, Text);
}

// Merged from column From to the last column and coloured as a cell.
void MergeCellsColored(TVynStringGrid& G, int From, int ARow, TColor Color, TColor ColorTo, TColor Text)
{
    if (G.ColCount() - From > 1)
        G.MergeCells(From, ARow, G.ColCount() - From, 1);
    if (Color != clNone)
        G.SetColors(From, ARow, Color);
    if (ColorTo != clNone)
        G.SetColorsTo(From, ARow, ColorTo);
    if (Text != clNone)
        G.SetFontColors(From, ARow, Text);
}

// Merged from column 1 to the last column and coloured as a cell.
void MergeRow(TVynStringGrid& G, int ARow, TColor Color, TColor ColorTo, TColor Text)
{
    MergeCellsColored(G, 1, ARow, Color, ColorTo, Text);
}

}  // namespace

void TVynStringGrid::SetGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TVynStringGrid::Group(int Colindex)
{
    if (Colindex < FixedCols() || Colindex >= TotalColCount())
        return;
    if (FGroupColumn > 0)
        UnGroup();
    const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
    if (last < first)
        return;
    TRowsScope scope(*this);
    FIsGrouping = true;
    struct TDone {
        bool& F;
        ~TDone() { F = false; }
    } done{FIsGrouping};
    FGroupColumn = Colindex;
    FGroupWidth = AllColWidths(Colindex);
    FGroupCaption = FixedRows() > 0 ? GridCells(Colindex, 0) : String();
    FGroupFooter = FFixedFooters > 0 ? GridCells(Colindex, RowCount() - 1) : String();
    if (FSortSettings->AutoSortForGrouping()) {
        FSortSettings->SetColumn(Colindex);
        QSort();
    }
    const TGrouping& gr = *FGrouping;
    const bool summary = gr.Summary();
    const int valueCol = Colindex == 1 ? 2 : 1;

    // The groups: runs of equal stored texts ("no previous value" is a flag,
    // so any text starts the first group).
    struct TRun {
        int From, Count;
    };
    std::vector<TRun> runs;
    {
        bool havePrevious = false;
        String previous;
        for (int r = first; r <= last; ++r) {
            const String t = GridCells(Colindex, r);
            if (!havePrevious || t != previous) {
                runs.push_back({r, 0});
                previous = t;
                havePrevious = true;
            }
            ++runs.back().Count;
        }
    }
    // New rows at the end of the store: a header per group, a summary per
    // group; then one permutation puts every row in its place.
    const int n0 = RowCount();
    const int k = int(runs.size()) * (summary ? 2 : 1);
    TBaseGrid::InsertRows(n0, k);
    std::vector<int> order;
    order.reserve(size_t(n0 + k));
    for (int r = 0; r < first; ++r)
        order.push_back(r);
    std::vector<int> headers, summaries;
    int added = n0;
    for (const TRun& run : runs) {
        const int h = added++;
        SetGridCells(valueCol, h, GridCells(Colindex, run.From));
        headers.push_back(int(order.size()));
        order.push_back(h);
        for (int i = 0; i < run.Count; ++i)
            order.push_back(run.From + i);
        if (summary) {
            summaries.push_back(int(order.size()));
            order.push_back(added++);
        }
    }
    for (int r = last + 1; r < n0; ++r)
        order.push_back(r);
    PermuteRows(order);
    // Nodes, summaries and looks on the rows in their places.
    for (size_t g = 0; g < runs.size(); ++g) {
        const int h = headers[g];
        AddNode(DisplToRealRow(h), runs[g].Count + 1);
        if (!gr.MergeHeader())
            ColourRow(*this, h, gr.HeaderColor(), gr.HeaderColorTo(), gr.HeaderTextColor());
    }
    for (const int s : summaries) {
        SetSummaryRow(DisplToRealRow(s));
        if (!gr.MergeSummary())
            ColourRow(*this, s, gr.SummaryColor(), gr.SummaryColorTo(), gr.SummaryTextColor());
    }
    RemoveCols(Colindex, 1);
    if (gr.MergeHeader())
        for (const int h : headers)
            MergeRow(*this, h, gr.HeaderColor(), gr.HeaderColorTo(), gr.HeaderTextColor());
    if (gr.MergeSummary() && summary)
        for (const int s : summaries)
            MergeRow(*this, s, gr.SummaryColor(), gr.SummaryColorTo(), gr.SummaryTextColor());
    if (Col() >= ColCount())
        FocusCell(FixedCols(), FixedRows());
    SetRow(FixedRows());
    scope.Done(TRect(0, first, ColCount() - 1, RowCount() - 1));
}

void TVynStringGrid::UnGroup()
{
    if (FGroupColumn <= 0)
        return;
    TRowsScope scope(*this);
    // Sub-groups go first, the last made first; then the grouped column is
    // the one Group removed.
    while (!FSubGroupColumns.empty())
        SubUnGroup(FSubGroupColumns.back());
    ExpandEveryNode();  // whatever ExpandOne says
    const int col = FGroupColumn;
    const bool wasGrouping = FIsGrouping;
    FIsGrouping = true;
    InsertCols(col, 1);
    if (RealToDisplCol(col) < ColCount())
        SetColWidths(RealToDisplCol(col), FGroupWidth);
    if (FixedRows() > 0)
        SetGridCells(col, 0, FGroupCaption);
    if (FFixedFooters > 0)
        SetGridCells(col, RowCount() - 1, FGroupFooter);
    const int valueCol = col == 1 ? 2 : 1;
    const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
    // The headers' values go down their rows; header and summary rows go.
    std::vector<int> drop;
    String value;
    for (int r = first; r <= last; ++r) {
        if (IsNode(r)) {
            value = GridCells(valueCol, r);
            RemoveNode(DisplToRealRow(r));
            if (FGrouping->MergeHeader())
                SplitCells(1, r);
            drop.push_back(r);
        } else if (IsSummary(r)) {
            if (FGrouping->MergeSummary())
                SplitCells(1, r);
            drop.push_back(r);
        } else {
            SetGridCells(col, r, value);
        }
    }
    DropMarkedRows(drop, true, false);
    FIsGrouping = wasGrouping;
    FGroupColumn = -1;
    scope.Done(TRect(0, first, ColCount() - 1, RowCount() - 1));
}

void TVynStringGrid::GroupCalc(int Colindex, int Method)
{
    const bool summary = FGrouping->Summary();
    const int last = RowCount() - FFixedFooters - 1;
    TUpdateScope lock(*this);
    for (int r = FixedRows(); r <= last; ++r) {
        if (!IsNode(r) || GetNodeState(r))
            continue;  // not a header, or a contracted group
        const int span = GetNodeSpan(r);
        const int from = r + 1, to = r + span - 1;
        const int target = summary ? r + span : r;
        if (span < 1 || target > last)
            continue;
        switch (Method) {
        case 1: SetFloats(Colindex, target, ColumnSum(Colindex, from, to)); break;
        case 2: SetFloats(Colindex, target, ColumnAvg(Colindex, from, to)); break;
        case 3: SetFloats(Colindex, target, ColumnMin(Colindex, from, to)); break;
        case 4: SetFloats(Colindex, target, ColumnMax(Colindex, from, to)); break;
        case 5: SetInts(Colindex, target, span - 1); break;
        case 6: {
            double res = 0;
            if (OnGroupCalc)
                OnGroupCalc(this, Colindex, from, to, res);
            SetFloats(Colindex, target, res);
            break;
        }
        case 7: SetFloats(Colindex, target, ColumnDistinct(Colindex, from, to)); break;
        case 8: SetFloats(Colindex, target, ColumnStdDev(Colindex, from, to)); break;
        default: break;
        }
        r += span - 1;
    }
    Invalidate();
}

namespace {

void FooterCalc(TVynStringGrid& G, int Colindex, TColumnCalcType T)
{
    if (G.FloatingFooter()->Visible())
        G.FloatingFooter()->SetColumnCalc(Colindex, T);
}

}  // namespace

void TVynStringGrid::GroupSum(int Colindex)
{
    GroupCalc(Colindex, 1);
    FooterCalc(*this, Colindex, TColumnCalcType::acSUM);
}

void TVynStringGrid::GroupAvg(int Colindex)
{
    GroupCalc(Colindex, 2);
    FooterCalc(*this, Colindex, TColumnCalcType::acAVG);
}

void TVynStringGrid::GroupMin(int Colindex)
{
    GroupCalc(Colindex, 3);
    FooterCalc(*this, Colindex, TColumnCalcType::acMIN);
}

void TVynStringGrid::GroupMax(int Colindex)
{
    GroupCalc(Colindex, 4);
    FooterCalc(*this, Colindex, TColumnCalcType::acMAX);
}

void TVynStringGrid::GroupCount(int Colindex)
{
    GroupCalc(Colindex, 5);
    FooterCalc(*this, Colindex, TColumnCalcType::acCOUNT);
}

// ---- sub-groups ---------------------------------------------------------------------------------

namespace {

// The column a sub-group header's value stands in: the one right of the
// sub-grouped column (the last column for the last one).
int SubValueCol(const TVynStringGrid& G, int Colindex) { return std::min(Colindex + 1, G.ColCount() - 1); }

}  // namespace

void TVynStringGrid::SubGroup(int Colindex)
{
    // Sub-groups are made inside existing groups only.
    if (FGroupColumn <= 0 || Colindex < FixedCols() || Colindex >= ColCount())
        return;
    TRowsScope scope(*this);
    ExpandEveryNode();
    if (FSubGroupColumns.empty())
        FMainGroupColumn = FGroupColumn;
    FSubGroupColumns.push_back(Colindex);
    FGroupColumn = Colindex;
    const TGrouping& gr = *FGrouping;
    const int valueCol = SubValueCol(*this, Colindex);
    auto lastRow = [this] { return RowCount() - FFixedFooters - 1; };
    // The open sub-group's header (a display row), closed into a node over
    // itself and its rows when the next one starts or its group ends.
    int open = -1;
    auto close = [&](int End) {
        if (open < 0)
            return;
        AddNode(DisplToRealRow(open), End - open);
        if (TCellGraphic* g = NodeAt(open))
            g->SetCellVar(Colindex);
        open = -1;
    };
    // "No previous value" is a flag: the first row of every group starts a
    // sub-group whatever its text.
    bool havePrevious = false;
    String previous;
    for (int r = FixedRows(); r <= lastRow(); ++r) {
        if (IsNode(r) || IsSummary(r)) {
            close(r);
            havePrevious = false;
            continue;
        }
        const String t = Cells(Colindex, r);
        if (!havePrevious || t != previous) {
            close(r);
            InsertChildRow(DisplToRealRow(r), 0);
            SetCells(valueCol, r, t);
            if (gr.MergeHeader())
                MergeCellsColored(*this, valueCol, r, gr.HeaderColor(), gr.HeaderColorTo(), gr.HeaderTextColor());
            else
                ColourRow(*this, r, gr.HeaderColor(), gr.HeaderColorTo(), gr.HeaderTextColor());
            open = r++;
            previous = t;
            havePrevious = true;
        }
        SetCells(Colindex, r, String());
    }
    close(lastRow() + 1);
    if (gr.Summary() && lastRow() >= FixedRows() && !IsSummary(lastRow())) {
        const int s = lastRow() + 1;
        InsertRows(s, 1, true);
        SetSummaryRow(DisplToRealRow(s));
        if (gr.MergeSummary())
            MergeCellsColored(*this, valueCol, s, gr.SummaryColor(), gr.SummaryColorTo(), gr.SummaryTextColor());
        else
            ColourRow(*this, s, gr.SummaryColor(), gr.SummaryColorTo(), gr.SummaryTextColor());
    }
    SetRow(FixedRows());
    scope.Done(TRect(0, FixedRows(), ColCount() - 1, RowCount() - 1));
}

void TVynStringGrid::SubUnGroup(int Colindex)
{
    const auto made = std::find(FSubGroupColumns.begin(), FSubGroupColumns.end(), Colindex);
    if (made == FSubGroupColumns.end())
        return;
    TRowsScope scope(*this);
    ExpandEveryNode();
    const int valueCol = SubValueCol(*this, Colindex);
    String value;
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1;) {
        const TCellGraphic* g = NodeAt(r);
        if (g && g->CellVar().toInt() == Colindex) {
            value = Cells(valueCol, r);
            RemoveNode(DisplToRealRow(r));
            if (FGrouping->MergeHeader())
                SplitCells(valueCol, r);
            RemoveChildRow(DisplToRealRow(r));
            continue;  // the next row moved up into r
        }
        if (!g && !IsSummary(r))
            SetCells(Colindex, r, value);
        ++r;
    }
    FSubGroupColumns.erase(made);
    FGroupColumn = FSubGroupColumns.empty() ? FMainGroupColumn : FSubGroupColumns.back();
    scope.Done(TRect(0, FixedRows(), ColCount() - 1, RowCount() - 1));
}
