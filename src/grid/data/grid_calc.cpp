// TVynStringGrid: the column and row calculations (the footer's and the
// group totals' values), the selection queries, automatic numbering and the
// exchange of two columns or rows.
//
// A column calculation walks its rows once: display rows, or, when the
// range ends past the last data row, real rows, walking the shown rows and
// the sorted hidden-row list together (rows + hidden rows, whatever the
// number of hidden rows).
#include <algorithm>
#include <cmath>
#include <vector>

#include <QSet>

#include "grid/core/grid_format.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_calc_kernel.h"
#include "grid/data/grid_data_holders.h"
#include "grid/io/grid_io_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_text.h"
#include "grid/render/rtf_reader.h"

namespace {

const QString SNoFloat = QStringLiteral("Cell does not contain a float value");

}  // namespace

// ---- node and summary rows ----------------------------------------------------------------------

// Marked by the graphic of cell (0, ARow).
bool TVynStringGrid::IsNode(int ARow) { return GetCellType(0, ARow) == TCellType::ctNode; }
bool TVynStringGrid::IsSummary(int ARow) { return GetCellType(0, ARow) == TCellType::ctSummary; }

// ---- the rows of a column calculation ------------------------------------------------------------

TVynStringGrid::TCalcRange TVynStringGrid::CalcRangeOf(int ACol, int FromRow, int ToRow)
{
    TCalcRange r;
    r.Col = ACol;
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FFixedFooters - 1;
    }
    r.Real = ToRow > LastDataRow();
    r.From = std::max(FromRow, 0);
    r.To = std::min(ToRow, r.Real ? TotalRowCount() - 1 : RowCount() - 1);
    if (ACol < 0 || ACol >= TotalColCount())
        r.To = r.From - 1;
    return r;
}

// Visit(text, row) for every row of the range that counts: not a node or
// summary row of a grouped grid (a hidden row always counts) and the base
// cell of its merge. In real-row mode the checks are made at the row's
// display position.
template <typename F>
void TVynStringGrid::ForEachCountedRow(const TCalcRange& Range, F&& Visit)
{
    const int c = Range.Col;
    const bool grouped = FGroupColumn != -1;
    auto counts = [&](int displRow) {
        if (grouped && (IsNode(displRow) || IsSummary(displRow)))
            return false;
        return IsBaseCell(c, displRow);
    };
    if (!Range.Real) {
        for (int r = Range.From; r <= Range.To; ++r)
            if (counts(r))
                Visit(GetCellEx(c, r), r);
        return;
    }
    // The hidden rows are sorted by Idx: h counts those below the real row r.
    size_t h = size_t(std::lower_bound(FGridItems.begin(), FGridItems.end(), Range.From,
                                       [](const std::unique_ptr<TGridItem>& I, int R) { return I->Idx() < R; }) -
                      FGridItems.begin());
    for (int r = Range.From; r <= Range.To; ++r) {
        if (h < FGridItems.size() && FGridItems[h]->Idx() == r) {
            const TGridItemCells cells = FGridItems[h]->Items();
            String t = c < cells.Count() ? cells.Strings(c) : String();
            GetDisplText(c, r, t);
            Visit(t, r);
            ++h;
            continue;
        }
        const int d = r - int(h);
        if (d < RowCount() && counts(d))
            Visit(GetCellEx(c, d), r);
    }
}

void TVynStringGrid::ReadColumn(const TCalcRange& Range, bool Notify, TColumnValues& Values,
                                std::vector<QString>* Texts)
{
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    const size_t n = size_t(std::max(Range.To - Range.From + 1, 0));
    Values = TColumnValues(n);
    if (Texts)
        Texts->assign(n, QString());
    if (Notify)
        ExportNotification(0, Range.From);
    ForEachCountedRow(Range, [&](const String& Text, int Row) {
        const size_t i = size_t(Row - Range.From);
        double v = 0;
        const bool number = CalcNumberOf(Text, fs, v);
        Values.Set(i, number ? TCalcKind::Number : TCalcKind::NoNumber, v);
        if (Texts)
            (*Texts)[i] = Text.toCaseFolded();
        if (Notify)
            ExportNotification(5, Row);
    });
    if (Notify)
        ExportNotification(2, -1);
}

// ---- column calculations --------------------------------------------------------------------------

double TVynStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    TColumnValues v;
    ReadColumn(CalcRangeOf(ACol, FromRow, ToRow), true, v, nullptr);
    TSumTree sum;
    sum.Build(v.Value);
    return sum.Total();
}

double TVynStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    TColumnValues v;
    ReadColumn(CalcRangeOf(ACol, FromRow, ToRow), true, v, nullptr);
    TSumTree sum;
    sum.Build(v.Value);
    return v.Counted > 0 ? sum.Total() / v.Counted : 0;
}

double TVynStringGrid::ColumnExtreme(int ACol, int FromRow, int ToRow, bool Largest)
{
    TColumnValues v;
    ReadColumn(CalcRangeOf(ACol, FromRow, ToRow), true, v, nullptr);
    TExtremeTree m(Largest);
    m.Build(v);
    return m.Value();
}

double TVynStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) { return ColumnExtreme(ACol, FromRow, ToRow, false); }
double TVynStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) { return ColumnExtreme(ACol, FromRow, ToRow, true); }

double TVynStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    const TCalcRange range = CalcRangeOf(ACol, FromRow, ToRow);
    ExportNotification(0, range.From);
    TColumnValues v;
    ReadColumn(range, false, v, nullptr);
    ExportNotification(2, -1);
    TSumTree sum;
    sum.Build(v.Value);
    return StdDevOf(v, sum.Total());
}

int TVynStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    TColumnValues v;
    std::vector<QString> texts;
    ReadColumn(CalcRangeOf(ACol, FromRow, ToRow), true, v, &texts);
    QSet<QString> seen;
    for (size_t i = 0; i < texts.size(); ++i)
        if (v.Kind[i] != TCalcKind::NotCounted)
            seen.insert(texts[i]);
    return int(seen.size());
}

double TVynStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TVynStringGrid::DoGroupCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

// ---- row calculations ------------------------------------------------------------------------------

double TVynStringGrid::RowSum(int ARow, int FromCol, int ToCol)
{
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    double sum = 0;
    for (int c = std::max(FromCol, 0); c <= ToCol && c < TotalColCount(); ++c) {
        double v;
        if (IsBaseCell(c, ARow) && CalcNumberOf(GetCellEx(c, ARow), fs, v))
            sum += v;
    }
    return sum;
}

double TVynStringGrid::RowAvg(int ARow, int FromCol, int ToCol)
{
    return ToCol < FromCol ? 0 : RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

double TVynStringGrid::RowExtreme(int ARow, int FromCol, int ToCol, bool Largest)
{
    const TGridFormatSettings fs = CurrentGridFormatSettings();
    double m;
    if (!CalcNumberOf(GetCellEx(FromCol, ARow), fs, m))
        throw EVynGridError(SNoFloat);
    for (int c = std::max(FromCol, 0) + 1; c <= ToCol && c < TotalColCount(); ++c) {
        double v;
        if (IsBaseCell(c, ARow) && CalcNumberOf(GetCellEx(c, ARow), fs, v) && (Largest ? v > m : v < m))
            m = v;
    }
    return m;
}

double TVynStringGrid::RowMin(int ARow, int FromCol, int ToCol) { return RowExtreme(ARow, FromCol, ToCol, false); }
double TVynStringGrid::RowMax(int ARow, int FromCol, int ToCol) { return RowExtreme(ARow, FromCol, ToCol, true); }

// ---- selection queries ----------------------------------------------------------------------------

void TVynStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    TGridRect r;
    r.Left = std::min(FromCol, ToCol);
    r.Right = std::max(FromCol, ToCol);
    r.Top = std::min(FromRow, ToRow);
    r.Bottom = std::max(FromRow, ToRow);
    SetSelection(r);
}

String TVynStringGrid::SelectedText()
{
    const TGridRect sel = Selection();
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        const bool persistent = FMouseActions->RowSelectPersistent();
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (GetRowSelect(persistent ? DisplToRealRow(r) : r))
                rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    String text;
    for (size_t i = 0; i < rows.size(); ++i) {
        for (int c = sel.Left; c <= sel.Right; ++c) {
            String cell = GetCellEx(RealColIndex(c), rows[i]);
            if (cell.contains(QStringLiteral("{\\")))
                cell = RTFToPlainText(cell);
            if (FExcelClipboardFormat && (cell.contains(u'\n') || cell.contains(u'\r')))
                QuoteMultiLineText(cell);
            if (c > sel.Left)
                text += u'\t';
            text += cell;
        }
        if (i + 1 < rows.size())
            text += QStringLiteral("\r\n");
    }
    return text;
}

// ---- numbering ------------------------------------------------------------------------------------

void TVynStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() <= 0)
        return;
    const int first = FixedRows(), last = RowCount() - FFixedFooters - 1;
    for (int r = first + AutoNumberStart, k = 0; r <= last; ++r, ++k) {
        const int row = AutoNumberDescending ? first + last - r : r;
        SetInts(ACol, row, AutoNumberStart + k + AutoNumberOffset + 1);
    }
}

void TVynStringGrid::AutoNumberRow(int ARow)
{
    if (RowCount() <= 0)
        return;
    const int first = FixedCols(), last = ColCount() - FFixedRightCols - 1;
    for (int c = first + AutoNumberStart, k = 0; c <= last; ++c, ++k) {
        const int col = AutoNumberDescending ? first + last - c : c;
        SetInts(RealColIndex(col), ARow, AutoNumberStart + k + AutoNumberOffset + 1);
    }
}

// ---- exchanges -------------------------------------------------------------------------------------

void TVynStringGrid::SwapColumns(int ACol1, int ACol2)
{
    const int n = TotalColCount();
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= n || ACol2 >= n)
        return;
    // The shown rows: texts and object slots (the objects go with them).
    for (int r = 0; r < RowCount(); ++r) {
        const String t1 = TStringGrid::Cells(ACol1, r), t2 = TStringGrid::Cells(ACol2, r);
        TObject* o1 = TStringGrid::Objects(ACol1, r);
        TObject* o2 = TStringGrid::Objects(ACol2, r);
        TStringGrid::SetCells(ACol1, r, t2);
        TStringGrid::SetCells(ACol2, r, t1);
        TStringGrid::SetObjects(ACol1, r, o2);
        TStringGrid::SetObjects(ACol2, r, o1);
        if (TCellProperties* p = PropsAt(ACol1, r))
            p->SetOwnerCol(ACol1);
        if (TCellProperties* p = PropsAt(ACol2, r))
            p->SetOwnerCol(ACol2);
    }
    // The rows kept hidden.
    for (const auto& item : FGridItems) {
        TGridItemCells cells = item->Items();
        while (cells.Count() <= std::max(ACol1, ACol2))
            cells.Add(String());
        cells.Exchange(ACol1, ACol2);
    }
    const int w1 = AllColWidths(ACol1), w2 = AllColWidths(ACol2);
    SetAllColWidths(ACol1, w2);
    SetAllColWidths(ACol2, w1);
    if (FSortSettings->Column() == ACol1)
        FSortSettings->SetColumn(ACol2);
    else if (FSortSettings->Column() == ACol2)
        FSortSettings->SetColumn(ACol1);
    if (FNumCellControls > 0) {
        for (int r = 0; r < RowCount(); ++r) {
            TControl* c1 = CellControls(ACol1, r);
            TControl* c2 = CellControls(ACol2, r);
            if (!c1 && !c2)
                continue;
            SetCellControls(ACol1, r, nullptr);
            SetCellControls(ACol2, r, nullptr);
            SetCellControls(ACol1, r, c2);
            SetCellControls(ACol2, r, c1);
        }
        CellControlsUpdate();
    }
    Invalidate();
}

void TVynStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        return;
    std::vector<std::pair<TControl*, TControl*>> controls;
    if (FNumCellControls > 0)
        for (int c = 0; c < TotalColCount(); ++c) {
            controls.emplace_back(CellControls(c, ARow1), CellControls(c, ARow2));
            if (controls.back().first)
                SetCellControls(c, ARow1, nullptr);
            if (controls.back().second)
                SetCellControls(c, ARow2, nullptr);
        }
    // Texts, property objects (told their new rows) and heights.
    MoveFooterRow(ARow1, ARow2);
    for (size_t c = 0; c < controls.size(); ++c) {
        if (controls[c].second)
            SetCellControls(int(c), ARow1, controls[c].second);
        if (controls[c].first)
            SetCellControls(int(c), ARow2, controls[c].first);
    }
    if (!controls.empty())
        CellControlsUpdate();
}

void TVynStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    ++Swaps;
    if (ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count() && ARow1 >= 0 && ARow2 >= 0) {
        const int x = FSortRowXRef->Items(ARow1);
        FSortRowXRef->SetItems(ARow1, FSortRowXRef->Items(ARow2));
        FSortRowXRef->SetItems(ARow2, x);
    }
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        return;
    // Texts, property objects (told their new rows) and heights.
    MoveFooterRow(ARow1, ARow2);
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
        const int r1 = NumHiddenRows() > 0 ? DisplToRealRow(ARow1) : ARow1;
        const int r2 = NumHiddenRows() > 0 ? DisplToRealRow(ARow2) : ARow2;
        const bool s1 = GetRowSelect(r1), s2 = GetRowSelect(r2);
        if (s1 != s2) {
            SetRowSelect(r1, s2);
            SetRowSelect(r2, s1);
        }
    }
    if (FShowModified->Enabled()) {
        const bool m1 = GetRowModified(ARow1), m2 = GetRowModified(ARow2);
        if (m1 != m2) {
            SetRowModified(DisplToRealRow(ARow1), m2);
            SetRowModified(DisplToRealRow(ARow2), m1);
        }
    }
}
