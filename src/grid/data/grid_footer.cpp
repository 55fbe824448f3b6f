// The floating footer: its settings, the footer calculation of the string
// grid (deferred to the end of an update bracket) and the panel that shows
// it, painted through the grid's cell painter.
#include <algorithm>
#include <map>

#include <QHash>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_calc_kernel.h"
#include "grid/data/grid_footer.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/application.h"
#include "platform/gui/canvas.h"

namespace {

bool LookWithWhiteEdges(TGridLook L)
{
    return L == TGridLook::glSoft || L == TGridLook::glVyn || L == TGridLook::glXP || L == TGridLook::glVista;
}

}  // namespace

// One footer column as last calculated: the values it was calculated from,
// with what its kind of calculation keeps up to date.
struct TFooterColumn {
    TColumnCalcType Type = TColumnCalcType::acNONE;
    TColumnValues Values;
    TSumTree Sum;
    TExtremeTree Min{false};
    TExtremeTree Max{true};
    std::vector<QString> Texts;
    QHash<QString, int> Counts;
};

// The footer's columns and what they were read under; any difference of
// these (rows, hidden rows, fixed rows, grouping, columns, the range) makes
// the next change a full calculation.
struct TVynStringGrid::TFooterCache {
    int Rows = -1, Hidden = -1, FixedRows = -1, Footers = -1, GroupColumn = -1, Columns = -1;
    TCalcRange Range;
    std::map<int, TFooterColumn> Kept;
};

// ---- TFloatingFooter --------------------------------------------------------------------------

void TFloatingFooter::SetHeight(int Value)
{
    FHeight = Value;
    if (TFooterPanel* p = FGrid->FooterPanel(); p && FVisible && Value > 0)
        p->SetHeight(Value - 1);
}

void TFloatingFooter::SetVisible(bool Value)
{
    const bool was = FVisible;
    FVisible = Value;
    // While hidden the footer follows no change: its kept values go.
    if (Value != was)
        FGrid->FFooterCache.reset();
    if (TFooterPanel* p = FGrid->FooterPanel()) {
        p->SetHeight(Value ? PanelHeight() : 0);
        p->SetVisible(Value);
    }
    ApplyToGrid();
    if (Value && !was)
        FGrid->CalcFooter(-1);
}

int TFloatingFooter::PanelHeight() const { return FHeight > 0 ? FHeight - 1 : FGrid->DefaultRowHeight(); }

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    FGrid->FFooterCache.reset();
    ApplyToGrid();
    Invalidate();
}

// The last row is the footer row (a fixed row the grid does not show) only
// while the footer is shown with fsFixedLastRow.
void TFloatingFooter::ApplyToGrid()
{
    const bool lastRow = FVisible && FFooterStyle == TFooterStyle::fsFixedLastRow;
    const int last = FGrid->RowCount() - 1;
    if (lastRow && FGrid->FixedFooters() != 1) {
        if (last > 0)
            FGrid->SetRowHeights(last, 0);
        FGrid->SetFixedFooters(1);
    } else if (!lastRow && FGrid->FixedFooters() != 0) {
        FGrid->SetFixedFooters(0);
        if (last > 0 && FGrid->RowHeights(last) == 0)
            FGrid->SetRowHeights(last, FGrid->DefaultRowHeight());
    }
    FGrid->Invalidate();
}

void TFloatingFooter::SetEnableCalculation(bool Value)
{
    FEnableCalculation = Value;
    FGrid->FFooterCache.reset();
}

void TFloatingFooter::SetColor(TColor Value)
{
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value)
{
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const String& Value)
{
    FCustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (TFooterPanel* p = FGrid->FooterPanel())
        p->SetShowHint(Value);
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
}

TColumnCalcType TFloatingFooter::ColumnCalc(int ACol) const
{
    const int last = FGrid->RowCount() - 1;
    if (ACol < 0 || last < 0)
        return TColumnCalcType::acNONE;
    const TCellProperties* p = FGrid->PropsAt(ACol, last);
    return p ? p->CalcType() : TColumnCalcType::acNONE;
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value)
{
    const int last = FGrid->RowCount() - 1;
    if (ACol < 0 || ACol >= FGrid->TotalColCount() || last < 0)
        return;
    FGrid->CellProperties(ACol, last)->SetCalcType(Value);
    FGrid->CalcFooter(ACol);
}

void TFloatingFooter::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TFloatingFooter*>(&Source);
    if (!s)
        return;
    FCalculateHiddenRows = s->FCalculateHiddenRows;
    FColor = s->FColor;
    FColumn = s->FColumn;
    FCustomTemplate = s->FCustomTemplate;
    FFooterStyle = s->FFooterStyle;
    SetVisible(s->FVisible);
    SetShowHint(s->FShowHint);
}

void TFloatingFooter::Invalidate()
{
    if (TFooterPanel* p = FGrid->FooterPanel())
        p->Invalidate();
}

// ---- the footer calculation ------------------------------------------------------------------

void TVynStringGrid::UpdateFooter()
{
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}

void TVynStringGrid::CalcFooter(int ACol)
{
    const TFloatingFooter& ff = *FFloatingFooter;
    if (!ff.Visible() || ff.FooterStyle() != TFooterStyle::fsFixedLastRow || !ff.EnableCalculation())
        return;
    if (FUpdateCount > 0) {
        // Once for the whole bracket: one column while only it changed.
        FStaleFooterCol = FStaleFooterCol == -2 || FStaleFooterCol == ACol ? ACol : -1;
        return;
    }
    DoCalcFooter(ACol);
    UpdateFooter();
}

void TVynStringGrid::RecalcStaleFooter()
{
    const int col = FStaleFooterCol;
    FStaleFooterCol = -2;
    if (col != -2)
        CalcFooter(col);
}

// Each column with a calculation type is read in full and kept for the
// changes of single cells that follow.
void TVynStringGrid::DoCalcFooter(int ACol)
{
    const TFloatingFooter& ff = *FFloatingFooter;
    if (!ff.Visible() || ff.FooterStyle() != TFooterStyle::fsFixedLastRow || !ff.EnableCalculation())
        return;
    const int last = RowCount() - 1;
    if (last < FixedRows())
        return;
    const int hidden = ff.CalculateHiddenRows() ? NumHiddenRows() : 0;
    const TCalcRange range = CalcRangeOf(0, FixedRows(), hidden + RowCount() - 2);
    TFooterCache fresh;
    fresh.Rows = RowCount();
    fresh.Hidden = NumHiddenRows();
    fresh.FixedRows = FixedRows();
    fresh.Footers = FFixedFooters;
    fresh.GroupColumn = FGroupColumn;
    fresh.Columns = TotalColCount();
    fresh.Range = range;
    TFooterCache* cache = FFooterCache.get();
    if (!cache || cache->Rows != fresh.Rows || cache->Hidden != fresh.Hidden || cache->FixedRows != fresh.FixedRows ||
        cache->Footers != fresh.Footers || cache->GroupColumn != fresh.GroupColumn ||
        cache->Columns != fresh.Columns || !cache->Range.SameRows(range)) {
        FFooterCache = std::make_shared<TFooterCache>(std::move(fresh));
        cache = FFooterCache.get();
    }
    const int first = ACol < 0 ? 0 : ACol;
    const int end = ACol < 0 ? TotalColCount() : std::min(ACol + 1, TotalColCount());
    for (int c = first; c < end; ++c) {
        const TCellProperties* p = PropsAt(c, last);
        const TColumnCalcType type = p ? p->CalcType() : TColumnCalcType::acNONE;
        if (type == TColumnCalcType::acNONE || type == TColumnCalcType::acSPREAD) {
            cache->Kept.erase(c);
            continue;
        }
        TFooterColumn& col = cache->Kept[c];
        col = TFooterColumn();
        col.Type = type;
        switch (type) {
        case TColumnCalcType::acSUM:
        case TColumnCalcType::acAVG:
        case TColumnCalcType::acSTDDEV:
            ReadColumn(CalcRangeOf(c, range.From, range.To), type != TColumnCalcType::acSTDDEV, col.Values, nullptr);
            col.Sum.Build(col.Values.Value);
            break;
        case TColumnCalcType::acMIN:
        case TColumnCalcType::acMAX:
            ReadColumn(CalcRangeOf(c, range.From, range.To), true, col.Values, nullptr);
            (type == TColumnCalcType::acMIN ? col.Min : col.Max).Build(col.Values);
            break;
        case TColumnCalcType::acDISTINCT:
            ReadColumn(CalcRangeOf(c, range.From, range.To), true, col.Values, &col.Texts);
            for (size_t i = 0; i < col.Texts.size(); ++i)
                if (col.Values.Kind[i] != TCalcKind::NotCounted)
                    ++col.Counts[col.Texts[i]];
            break;
        default: break;
        }
        WriteFooterCell(c, type, col);
    }
}

void TVynStringGrid::WriteFooterCell(int ACol, TColumnCalcType Type, const TFooterColumn& Column)
{
    const int last = RowCount() - 1;
    const int hidden = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
    const TColumnValues& v = Column.Values;
    switch (Type) {
    case TColumnCalcType::acSUM: SetFloats(ACol, last, Column.Sum.Total()); break;
    case TColumnCalcType::acAVG: SetFloats(ACol, last, v.Counted > 0 ? Column.Sum.Total() / v.Counted : 0); break;
    case TColumnCalcType::acCOUNT: SetInts(ACol, last, hidden + RowCount() - FixedRows() - 1); break;
    case TColumnCalcType::acMIN: SetFloats(ACol, last, Column.Min.Value()); break;
    case TColumnCalcType::acMAX: SetFloats(ACol, last, Column.Max.Value()); break;
    case TColumnCalcType::acDISTINCT: SetInts(ACol, last, int(Column.Counts.size())); break;
    case TColumnCalcType::acSTDDEV: SetFloats(ACol, last, StdDevOf(v, Column.Sum.Total())); break;
    case TColumnCalcType::acCUSTOM: {
        String value;
        if (OnCalcFooter)
            OnCalcFooter(this, ACol, value);
        else if (FFloatingFooter->OnCalcFooter)
            FFloatingFooter->OnCalcFooter(this, ACol, value);
        SetCellEx(ACol, last, value);
        break;
    }
    case TColumnCalcType::acNONE:
    case TColumnCalcType::acSPREAD: break;
    }
}

void TVynStringGrid::FooterCellsChanged(const TRect& R)
{
    const TFloatingFooter& ff = *FFloatingFooter;
    if (!ff.Visible() || ff.FooterStyle() != TFooterStyle::fsFixedLastRow || !ff.EnableCalculation())
        return;
    if (FFooterEdit > 0) {
        const bool edited = R.Left == R.Right && R.Top == R.Bottom && R.Left == FFooterEditCell.X &&
                            R.Top == FFooterEditCell.Y;
        FFooterEditNoted = std::max(FFooterEditNoted, edited ? 1 : 2);
        return;
    }
    if (R.Left != R.Right || R.Top != R.Bottom || R.Left < 0) {
        CalcFooter(-1);
        return;
    }
    if (FUpdateCount == 0 && UpdateFooterCell(R.Left, R.Top)) {
        UpdateFooter();
        return;
    }
    CalcFooter(R.Left);
}

void TVynStringGrid::BeginFooterEdit(int ACol, int ARow)
{
    if (FFooterEdit++ == 0) {
        FFooterEditCell = TPoint(ACol, ARow);
        FFooterEditNoted = 0;
    }
}

void TVynStringGrid::EndFooterEdit(bool Apply)
{
    if (FFooterEdit <= 0 || --FFooterEdit > 0)
        return;
    const int noted = FFooterEditNoted;
    FFooterEditNoted = 0;
    const TPoint c = FFooterEditCell;
    if (noted == 2)
        FooterCellsChanged(TRect(-1, -1, -1, -1));
    else if (noted == 1 || Apply)
        FooterCellsChanged(TRect(c.X, c.Y, c.X, c.Y));
}

// One cell's new text into the kept values of its column and the footer
// cell written from them; false when the kept values cannot serve (they
// were read under other rows or columns, or the type changed), so that the
// column is calculated in full.
bool TVynStringGrid::UpdateFooterCell(int ACol, int ARow)
{
    TFooterCache* cache = FFooterCache.get();
    const int last = RowCount() - 1;
    if (!cache || cache->Rows != RowCount() || cache->Hidden != NumHiddenRows() || cache->FixedRows != FixedRows() ||
        cache->Footers != FFixedFooters || cache->GroupColumn != FGroupColumn || cache->Columns != TotalColCount() ||
        ACol >= TotalColCount() || ARow < 0 || ARow >= last)
        return false;
    const int hidden = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
    if (!cache->Range.SameRows(CalcRangeOf(0, FixedRows(), hidden + RowCount() - 2)))
        return false;
    const TCellProperties* p = PropsAt(ACol, last);
    const TColumnCalcType type = p ? p->CalcType() : TColumnCalcType::acNONE;
    const auto it = cache->Kept.find(ACol);
    if (it == cache->Kept.end())
        return type == TColumnCalcType::acNONE || type == TColumnCalcType::acSPREAD;
    TFooterColumn& col = it->second;
    if (col.Type != type || type == TColumnCalcType::acCUSTOM)
        return false;
    if (type == TColumnCalcType::acCOUNT)
        return true;
    const int row = cache->Range.Real ? DisplToRealRow(ARow) : ARow;
    const int i = row - cache->Range.From;
    if (i < 0 || i >= int(col.Values.Kind.size()))
        return false;
    // A row that does not count stays out whatever its text.
    if (col.Values.Kind[size_t(i)] == TCalcKind::NotCounted)
        return true;
    const String text = GetCellEx(ACol, ARow);
    double v = 0;
    const bool number = CalcNumberOf(text, CurrentGridFormatSettings(), v);
    col.Values.Set(size_t(i), number ? TCalcKind::Number : TCalcKind::NoNumber, v);
    switch (type) {
    case TColumnCalcType::acSUM:
    case TColumnCalcType::acAVG:
    case TColumnCalcType::acSTDDEV: col.Sum.Update(col.Values.Value, size_t(i)); break;
    case TColumnCalcType::acMIN: col.Min.Update(col.Values, size_t(i)); break;
    case TColumnCalcType::acMAX: col.Max.Update(col.Values, size_t(i)); break;
    case TColumnCalcType::acDISTINCT: {
        QString& kept = col.Texts[size_t(i)];
        if (--col.Counts[kept] == 0)
            col.Counts.remove(kept);
        kept = text.toCaseFolded();
        ++col.Counts[kept];
        break;
    }
    default: break;
    }
    WriteFooterCell(ACol, type, col);
    return true;
}

// ---- TFooterPanel -----------------------------------------------------------------------------

TFooterPanel::TFooterPanel(TComponent* AOwner, TVynStringGrid* AGrid) : TPanel(AOwner), FGrid(AGrid)
{
    SetBevelOuter(bvNone);
    SetShowCaption(false);
}

void TFooterPanel::CreateWnd()
{
    TPanel::CreateWnd();
    const TFloatingFooter& ff = *FGrid->FloatingFooter();
    SetHeight(ff.Visible() ? ff.PanelHeight() : 0);
    if (FGrid->OnCreatedFloatingFooter)
        FGrid->OnCreatedFloatingFooter(FGrid);
}

int TFooterPanel::FooterWidth()
{
    int w = 0;
    for (int c = 0; c < FGrid->FixedCols(); ++c)
        w += FGrid->ColWidths(c);
    for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c)
        w += FGrid->ColWidths(c);
    return w;
}

int TFooterPanel::ColumnAt(int X)
{
    if (X <= 0)
        return -1;
    int sum = 0;
    auto reaches = [&](int c) {
        sum += FGrid->ColWidths(c);
        return sum >= X;
    };
    for (int c = 0; c < FGrid->FixedCols(); ++c)
        if (reaches(c))
            return c;
    for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c)
        if (reaches(c))
            return c;
    return -1;
}

String TFooterPanel::ExpandTemplate(const String& Template)
{
    String result, rest = Template;
    int open;
    while ((open = rest.indexOf(QStringLiteral("<#"))) >= 0) {
        const int close = rest.indexOf(u'>', open + 2);
        if (close < 0)
            break;
        result += rest.left(open);
        int n = 0;
        if (TryStrToInt(rest.mid(open + 2, close - open - 2), n) && n >= 0 && n < FGrid->TotalColCount())
            result += FGrid->GetCellEx(n, FGrid->Row());
        rest.remove(0, close + 1);
    }
    return result + rest;
}

void TFooterPanel::Paint()
{
    TCanvas& cv = Canvas();
    int w = 0;
    switch (FGrid->FloatingFooter()->FooterStyle()) {
    case TFooterStyle::fsFixedLastRow: w = PaintFixedLastRow(cv); break;
    case TFooterStyle::fsColumnPreview: w = PaintColumnPreview(cv); break;
    case TFooterStyle::fsCustomPreview: w = PaintCustomPreview(cv); break;
    case TFooterStyle::fsCustomPaint: w = PaintCustom(cv); break;
    }
    const TColor border = FGrid->FloatingFooter()->BorderColor();
    if (border != clNone) {
        cv.Pen().SetColor(border);
        cv.MoveTo(0, 0);
        cv.LineTo(w, 0);
    }
}

int TFooterPanel::PaintFixedLastRow(TCanvas& ACanvas)
{
    TVynStringGrid& g = *FGrid;
    const int w = FooterWidth(), h = Height();
    const int last = g.RowCount() - 1;
    ACanvas.Brush().SetColor(g.FloatingFooter()->Color());
    ACanvas.FillRect(TRect(0, 0, w, h));
    ACanvas.Brush().SetColor(g.Color());
    ACanvas.FillRect(TRect(w, 0, ClientWidth(), h));
    if (last < 0)
        return w;
    const TGridOptions opt = g.Options();
    const bool fixedHorz = opt.Contains(goFixedHorzLine), fixedVert = opt.Contains(goFixedVertLine);
    const bool white = LookWithWhiteEdges(g.Look()) && !g.Flat();
    const int top = fixedHorz ? 1 : 0;
    int x = 0;
    auto paintColumn = [&](int dc, bool fixedCol) {
        const int rc = g.RealColIndex(dc);
        int cw = g.ColWidths(dc);
        // A cell merged along the last row takes the columns it covers.
        if (const TCellProperties* p = g.PropsAt(rc, last); p && p->IsBaseCell() && p->CellSpanX() > 0)
            for (int k = 1; k <= p->CellSpanX() && dc + k < g.ColCount(); ++k)
                cw += g.ColWidths(dc + k);
        TRect cell(x, top, x + cw, h);
        if (white && fixedHorz)
            ++cell.Left;
        if (g.IsBaseCell(rc, last)) {
            if (!fixedCol) {
                if (g.OnGetCellColor) {
                    TBrush brush;
                    brush.SetColor(clNone);
                    g.OnGetCellColor(&g, last, rc, TGridDrawState{gdFixed}, &brush, &ACanvas.Font());
                    if (brush.Color() != clNone) {
                        ACanvas.Brush().SetColor(brush.Color());
                        ACanvas.FillRect(cell);
                    }
                }
                if (const TColor c = g.Colors(rc, last); c != clNone) {
                    ACanvas.Brush().SetColor(c);
                    ACanvas.FillRect(cell);
                }
            }
            if (!fixedCol && g.OnFooterPaint)
                g.OnFooterPaint(this, dc, ACanvas, cell);
            else
                g.DrawCellContent(ACanvas, dc, last, cell, TGridDrawState{gdFixed});
        }
        // The column's edges.
        if (white && fixedVert) {
            ACanvas.Pen().SetColor(clWhite);
            ACanvas.MoveTo(x, top);
            ACanvas.LineTo(x, h);
        }
        if (fixedHorz) {
            ACanvas.Pen().SetColor(g.GridLineColor());
            ACanvas.MoveTo(x, 0);
            ACanvas.LineTo(x + g.ColWidths(dc), 0);
        }
        if (fixedVert) {
            ACanvas.Pen().SetColor(!fixedCol && g.Look() != TGridLook::glVista ? TColor(0x808080)
                                                                                 : g.GridLineColor());
            ACanvas.MoveTo(x + g.ColWidths(dc) - 1, 0);
            ACanvas.LineTo(x + g.ColWidths(dc) - 1, h);
        }
        x += g.ColWidths(dc);
    };
    for (int c = 0; c < g.FixedCols(); ++c)
        paintColumn(c, true);
    for (int c = std::max(g.LeftCol(), g.FixedCols()); c < g.ColCount(); ++c)
        paintColumn(c, false);
    return w;
}

void TFooterPanel::PaintPreviewFrame(TCanvas& ACanvas, const TRect& R)
{
    ACanvas.Brush().SetColor(FGrid->FloatingFooter()->Color());
    ACanvas.FillRect(R);
    ACanvas.Pen().SetColor(0x808080);
    ACanvas.MoveTo(R.Left, R.Bottom - 1);
    ACanvas.LineTo(R.Right - 1, R.Bottom - 1);
    ACanvas.LineTo(R.Right - 1, R.Top - 1);
    ACanvas.Pen().SetColor(0xFFFFFF);
    ACanvas.MoveTo(R.Left, R.Bottom - 1);
    ACanvas.LineTo(R.Left, R.Top);
    ACanvas.LineTo(R.Right - 1, R.Top);
}

int TFooterPanel::PaintColumnPreview(TCanvas& ACanvas)
{
    TVynStringGrid& g = *FGrid;
    const int w = FooterWidth();
    const TRect area(0, 0, w, Height());
    PaintPreviewFrame(ACanvas, area);
    const int col = g.FloatingFooter()->Column();
    const TColor selText = g.SelectionTextColor();
    g.SetSelectionTextColor(clBlack);
    try {
        if (g.OnFooterPaint)
            g.OnFooterPaint(this, col, ACanvas, area);
        else if (col >= 0 && col < g.ColCount() && g.Row() >= 0 && g.Row() < g.RowCount())
            g.DrawCellContent(ACanvas, col, g.Row(), area, TGridDrawState{});
    } catch (...) {
        g.SetSelectionTextColor(selText);
        throw;
    }
    g.SetSelectionTextColor(selText);
    ACanvas.Brush().SetColor(g.Color());
    ACanvas.FillRect(TRect(w, 0, ClientWidth(), Height()));
    return w;
}

int TFooterPanel::PaintCustomPreview(TCanvas& ACanvas)
{
    TVynStringGrid& g = *FGrid;
    const int w = FooterWidth();
    const TRect area(0, 0, w, Height());
    PaintPreviewFrame(ACanvas, area);
    ACanvas.Brush().SetStyle(bsClear);
    THTMLDrawOptions o;
    o.ImageList = g.GetGridImages();
    o.PictureCache = g.ImageCache();
    o.LinkColor = g.URLColor();
    DrawHTMLText(ACanvas, ExpandTemplate(g.FloatingFooter()->CustomTemplate()),
                 TRect(area.Left + 2, area.Top + 2, area.Right - 2, area.Bottom), o);
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Brush().SetColor(g.Color());
    ACanvas.FillRect(TRect(w, 0, ClientWidth(), Height()));
    return w;
}

int TFooterPanel::PaintCustom(TCanvas& ACanvas)
{
    const TRect area = ClientRect();
    if (FGrid->OnFooterPaint)
        FGrid->OnFooterPaint(this, FGrid->FloatingFooter()->Column(), ACanvas, area);
    return area.Right;
}

// ---- hints and clicks --------------------------------------------------------------------------

void TFooterPanel::CMHintShow(TMessage& Message)
{
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    const bool show = FGrid->FloatingFooter()->ShowHint();
    const int col = info ? ColumnAt(info->CursorPos.X) : -1;
    if (info && col >= 0 && FGrid->OnGridHint)
        FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, col, info->HintStr);
    FLastHintX = show ? col : -1;
    Message.Result = show && info && !info->HintStr.isEmpty() ? 0 : 1;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TPanel::MouseMove(Shift, X, Y);
    if (!FGrid->FloatingFooter()->ShowHint())
        return;
    const int col = ColumnAt(X);
    if (FLastHintX >= 0 && col != FLastHintX) {
        Application.CancelHint();
        FLastHintX = col;
    }
}

void TFooterPanel::CMMouseLeave(TMessage& Message)
{
    TPanel::CMMouseLeave(Message);
    FLastHintX = -1;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TPanel::MouseUp(Button, Shift, X, Y);
    if (FGrid->OnClick)
        FGrid->OnClick(FGrid);
    if (FGrid->OnFooterClickCell)
        FGrid->OnFooterClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}
