// The floating footer: its settings, the footer calculation of the string
// grid (deferred to the end of an update bracket) and the panel that shows
// it, painted through the grid's cell painter.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
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
    if (TFooterPanel* p = FGrid->FooterPanel()) {
        p->SetHeight(Value ? std::max(FHeight - 1, 0) : 0);
        p->SetVisible(Value);
    }
    ApplyToGrid();
    if (Value && !was)
        FGrid->CalcFooter(-1);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
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

void TVynStringGrid::DoCalcFooter(int ACol)
{
    const TFloatingFooter& ff = *FFloatingFooter;
    if (!ff.Visible() || ff.FooterStyle() != TFooterStyle::fsFixedLastRow || !ff.EnableCalculation())
        return;
    const int last = RowCount() - 1;
    if (last < FixedRows())
        return;
    const int hidden = ff.CalculateHiddenRows() ? NumHiddenRows() : 0;
    const int from = FixedRows(), to = hidden + RowCount() - 2;
    const int first = ACol < 0 ? 0 : ACol;
    const int end = ACol < 0 ? TotalColCount() : std::min(ACol + 1, TotalColCount());
    for (int c = first; c < end; ++c) {
        const TCellProperties* p = PropsAt(c, last);
        if (!p)
            continue;
        switch (p->CalcType()) {
        case TColumnCalcType::acSUM: SetFloats(c, last, ColumnSum(c, from, to)); break;
        case TColumnCalcType::acAVG: SetFloats(c, last, ColumnAvg(c, from, to)); break;
        case TColumnCalcType::acCOUNT: SetInts(c, last, hidden + RowCount() - FixedRows() - 1); break;
        case TColumnCalcType::acMIN: SetFloats(c, last, ColumnMin(c, from, to)); break;
        case TColumnCalcType::acMAX: SetFloats(c, last, ColumnMax(c, from, to)); break;
        case TColumnCalcType::acDISTINCT: SetInts(c, last, ColumnDistinct(c, from, to)); break;
        case TColumnCalcType::acSTDDEV: SetFloats(c, last, ColumnStdDev(c, from, to)); break;
        case TColumnCalcType::acCUSTOM: {
            String value;
            if (OnCalcFooter)
                OnCalcFooter(this, c, value);
            else if (ff.OnCalcFooter)
                ff.OnCalcFooter(this, c, value);
            SetCellEx(c, last, value);
            break;
        }
        case TColumnCalcType::acNONE:
        case TColumnCalcType::acSPREAD: break;
        }
    }
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
    // As the footer's setters size it.
    SetHeight(ff.Visible() ? std::max(ff.Height() - 1, 0) : 0);
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
