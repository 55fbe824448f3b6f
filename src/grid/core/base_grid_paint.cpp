// TBaseGrid: cell geometry, the cell-frame painter, and the keyboard, wheel
// and scrolling overrides that make a merge behave as one cell.
#include <algorithm>
#include <optional>

#include "grid/core/base_grid.h"
#include "grid/core/grid_draw.h"

namespace {

// The colours of a selection look, in DrawRoundedGradientFrame's order.
struct TSelectionColors {
    TColor From, To, MirrorFrom, MirrorTo, TopLine, BottomLine, Border, Corner;
};

constexpr TSelectionColors VistaFocused{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
constexpr TSelectionColors Win7Focused{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
constexpr TSelectionColors Office2007Focused{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                             0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
constexpr TSelectionColors Unfocused{0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};

}  // namespace

// ---- geometry -----------------------------------------------------------------------------------

int TBaseGrid::ColW(int ACol) const { return ACol >= 0 && ACol < ColCount() ? ColWidths(ACol) : 0; }
int TBaseGrid::RowH(int ARow) const { return ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : 0; }

int TBaseGrid::FixedColsWidth() const
{
    int w = 0;
    for (int c = 0; c < FixedCols(); ++c)
        w += ColW(c);
    return w;
}

int TBaseGrid::FixedRowsHeight() const
{
    int h = 0;
    for (int r = 0; r < FixedRows(); ++r)
        h += RowH(r);
    return h;
}

TRect TBaseGrid::CalcCellRect(int ACol, int ARow)
{
    // The offset of a cell from the first scrollable one shown, summed over
    // the cells between them only: the cost does not grow with the index.
    auto offset = [](int Index, int Fixed, int First, auto Size) {
        int p = 0;
        if (Index < Fixed) {
            for (int i = 0; i < Index; ++i)
                p += Size(i);
        } else if (Index >= First) {
            for (int i = First; i < Index; ++i)
                p += Size(i);
        } else {
            for (int i = Index; i < First; ++i)
                p -= Size(i);
        }
        return p;
    };
    auto colSize = [this](int i) { return ColW(i); };
    auto rowSize = [this](int i) { return RowH(i); };
    int x = offset(ACol, FixedCols(), LeftCol(), colSize);
    int y = offset(ARow, FixedRows(), TopRow(), rowSize);
    const TRect p = TStringGrid::CellRect(LeftCol(), TopRow());
    if (ACol >= FixedCols())
        x += p.Left;
    if (ARow >= FixedRows())
        y += p.Top;
    return TRect{x, y, x + ColW(ACol), y + RowH(ARow)};
}

TRect TBaseGrid::CellRect(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return TRect{};
    const TCellProperties* p = PropsAt(ACol, ARow);
    if (p && (p->CellSpanX() != -1 || p->CellSpanY() != -1)) {
        const TPoint b = p->GetBaseCell(ACol, ARow);
        const TPoint s = CellSpan(ACol, ARow);
        TRect a = CalcCellRect(b.X, b.Y);
        if (a.Width() == 0)
            ++a.Right;
        TRect z = CalcCellRect(b.X + s.X, b.Y + s.Y);
        if (z.Width() == 0)
            --z.Left;
        return TRect{std::min(a.Left, z.Left), std::min(a.Top, z.Top), std::max(a.Right, z.Right),
                     std::max(a.Bottom, z.Bottom)};
    }
    if (p && p->Control())
        return CalcCellRect(ACol, ARow);
    const TRect r = TStringGrid::CellRect(ACol, ARow);
    if (r == TRect{})
        return r;  // not on screen
    return TRect{r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow)};
}

TPoint TBaseGrid::CellSize(int ACol, int ARow)
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    TRect r;
    if (p && (p->CellSpanX() != -1 || p->CellSpanY() != -1)) {
        const TPoint b = p->GetBaseCell(ACol, ARow);
        const TPoint s = CellSpan(ACol, ARow);
        const TRect a = CalcCellRect(b.X, b.Y), z = CalcCellRect(b.X + s.X, b.Y + s.Y);
        r = TRect{std::min(a.Left, z.Left), std::min(a.Top, z.Top), std::max(a.Right, z.Right),
                  std::max(a.Bottom, z.Bottom)};
    } else {
        r = CalcCellRect(ACol, ARow);
    }
    return TPoint{r.Width(), r.Height()};
}

void TBaseGrid::RepaintCell(int ACol, int ARow)
{
    if (!HandleAllocated())
        return;
    const TRect r = CellRect(ACol, ARow);
    if (r.Width() > 0 && r.Height() > 0)
        InvalidateRect(r, true);
}

// ---- painting -----------------------------------------------------------------------------------

void TBaseGrid::Paint()
{
    TStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    const bool was = inPaintPass_;
    inPaintPass_ = true;
    try {
        DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
    } catch (...) {
        inPaintPass_ = was;
        throw;
    }
    inPaintPass_ = was;
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DoPaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                            bool WithContent)
{
    // 1. The hidden last row is background.
    if (ARow == RowCount() - 1 && FHideLastRow) {
        ACanvas.Brush().SetStyle(bsSolid);
        ACanvas.Brush().SetColor(Color());
        ACanvas.Pen().SetColor(Color());
        ACanvas.FillRect(ARect);
        return;
    }
    // 2. A merge is painted once, as its base cell, whichever of its cells
    // is asked for; within the platform's paint pass only once per pass.
    int bc = ACol, br = ARow;
    const bool isBase = GetBaseCellOf(ACol, ARow, bc, br);
    TCellProperties* bp = PropsAt(bc, br);
    const bool merged = bp && (bp->CellSpanX() != -1 || bp->CellSpanY() != -1);
    if (!isBase) {
        if (!bp)
            return;
        if (inPaintPass_) {
            if (bp->PaintID() == FPaintID)
                return;
            bp->SetPaintID(FPaintID);
        }
        PaintFrame(ACanvas, bc, br, ARect, AState, true);
        return;
    }
    if (merged && WithContent && inPaintPass_) {
        if (bp->PaintID() == FPaintID)
            return;
        bp->SetPaintID(FPaintID);
    }
    PaintFrame(ACanvas, ACol, ARow, ARect, AState, WithContent);
}

void TBaseGrid::PaintFrame(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                           bool WithContent)
{
    // 3. The fixed look; the whole merge.
    if (WithContent && IsFixed(ACol, ARow)) {
        AState.Include(gdFixed);
        AState.Exclude(gdSelected);
    }
    if (WithContent)
        ARect = CellRect(ACol, ARow);
    const bool fixed = AState.Contains(gdFixed);
    // 4. A merge scrolled partly under the fixed columns or rows stays off them.
    std::optional<TCanvasStateGuard> guard;
    const int fx = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int fy = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    if ((ACol >= FixedCols() && FixedCols() > 0 && fx > ARect.Left) ||
        (ARow >= FixedRows() && FixedRows() > 0 && ARect.Top < fy)) {
        guard.emplace(ACanvas);
        const TRect client = ClientRect();
        ACanvas.IntersectClipRect(TRect{fx, fy, std::max(fx, client.Right), std::max(fy, client.Bottom)});
    }
    // 5. The cell's look.
    ACanvas.Pen().SetStyle(psSolid);
    ACanvas.Pen().SetMode(pmCopy);
    ACanvas.Pen().SetWidth(1);
    ACanvas.Font().Assign(Font());
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Brush().SetColor(fixed ? FixedColor() : Color());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = TCellGradientDirection::GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas.Brush(), colorTo, mirror, mirrorTo,
                        ACanvas.Font(), ha, va, ww, gd);
    ACanvas.Pen().SetColor(ACanvas.Brush().Color());
    const bool selected = AState.Contains(gdSelected);
    // 6. The row under the mouse.
    if (ARow == FHoverRowIdx && FHoverRow && (!selected || FHoverRowCells.Contains(THoverRowCell::hcSelected)) &&
        (!fixed || FHoverRowCells.Contains(THoverRowCell::hcFixed))) {
        ACanvas.Brush().SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        mirror = clNone;
        mirrorTo = clNone;
        gd = TCellGradientDirection::GradientVertical;
    }
    // 7. The current row.
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!WithContent && selected)) {
        ACanvas.Brush().SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirror = FActiveRowMirrorColor;
        mirrorTo = FActiveRowMirrorColorTo;
    }
    ACanvas.Pen().SetColor(ACanvas.Brush().Color());
    // 8. The background.
    if (selected && FSelectionStyle != TGridSelectionStyle::ssDefault && FShowSel) {
        const TGridRect sel = Selection();
        int position = 0;
        if (sel.Left != sel.Right) {
            if (ACol == sel.Left)
                position = 1;
            else if (ACol == sel.Right)
                position = 2;
            else if (ACol > sel.Left && ACol < sel.Right)
                position = 3;
        }
        TRect r = ARect;
        if (!Options().Contains(goHorzLine))
            ++r.Bottom;
        if (!Options().Contains(goVertLine))
            ++r.Right;
        const bool focused = Focused() || Options().Contains(goDrawFocusSelected);
        TSelectionColors set = Unfocused;
        if (focused) {
            switch (FSelectionStyle) {
            case TGridSelectionStyle::ssVista: set = VistaFocused; break;
            case TGridSelectionStyle::ssWin7: set = Win7Focused; break;
            case TGridSelectionStyle::ssOffice2007: set = Office2007Focused; break;
            default: break;
            }
        }
        DrawRoundedGradientFrame(ACanvas, set.From, set.To, set.MirrorFrom, set.MirrorTo, set.TopLine,
                                 set.BottomLine, set.Border, set.Corner, Color(), r, position);
    } else if (!(UsesPlatformStyles() && (fixed || selected))) {
        const TColor from = ACanvas.Brush().Color();
        if (mirrorTo != clNone)
            DrawGradientCell(ACanvas, ARect, from, colorTo, mirror, mirrorTo, true, clNone, false, true);
        else if (colorTo == clNone || colorTo == from)
            ACanvas.FillRect(ARect);  // what the one-colour gradient paints, without its bands
        else
            DrawGradient(ACanvas, from, colorTo, 64, ARect, gd == TCellGradientDirection::GradientHorizontal);
        ACanvas.Brush().SetColor(from);
        ACanvas.Pen().SetColor(from);
    }
    // 9. The grid lines, inside the cell at its right and bottom.
    int o = 1;
    ACanvas.Pen().SetStyle(psSolid);
    if (fixed) {
        ACanvas.Pen().SetColor(FGridFixedLineColor);
        ACanvas.Pen().SetWidth(1);
    } else {
        if (FGridLineWidth > 0)
            ACanvas.Pen().SetColor(FGridLineColor);
        ACanvas.Pen().SetWidth(std::max(1, FGridLineWidth));
        o = (FGridLineWidth + 1) / 2;
    }
    if (fixed || FGridLineWidth > 0) {
        const TGridOptions opts = Options();
        if (!(BaseCell(ACol, ARow).X == 0 && HasNodes()) &&
            ((opts.Contains(goHorzLine) && !fixed) || (opts.Contains(goFixedHorzLine) && fixed))) {
            ACanvas.MoveTo(ARect.Left - o + 1, ARect.Bottom - o);
            ACanvas.LineTo(ARect.Right - o + 1, ARect.Bottom - o);
        }
        if ((opts.Contains(goVertLine) && !fixed) || (opts.Contains(goFixedVertLine) && fixed)) {
            ACanvas.MoveTo(ARect.Right - o, ARect.Bottom - o);
            ACanvas.LineTo(ARect.Right - o, ARect.Top - o);
        }
    }
    // 10. The content.
    TRect content = ARect;
    if (fixed) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        content.Left += FGridLineWidth;
        content.Top += FGridLineWidth;
        content.Right -= FGridLineWidth;
        content.Bottom -= FGridLineWidth;
    }
    ACanvas.Pen().SetWidth(1);
    if (WithContent)
        DrawCellContent(ACanvas, ACol, ARow, content, AState);
    // 11. The clip goes with the guard; brush and pen back to solid.
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Pen().SetStyle(psSolid);
}

void TBaseGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    const String text = GetCellEx(ACol, ARow);
    if (text.isEmpty() || ARect.Width() <= 0 || ARect.Height() <= 0)
        return;
    if (&ACanvas == &Canvas() && ACanvas.Painter() && ACanvas.Font().Orientation() % 3600 == 0) {
        // The grid's own canvas: the platform's fast cell text, centred with
        // the font's measures (its text widths are remembered, so a repaint
        // shapes each text once, to draw it).
        const TFontMeasure& m = ACanvas.Font().Measure();
        const int w = m.Width(text), h = m.Height();
        DrawCellText(ARect, ARect.Left + (ARect.Width() - w) / 2, ARect.Top + (ARect.Height() - h) / 2, text);
        return;
    }
    ACanvas.Brush().SetStyle(bsClear);
    ACanvas.DrawText(ARect, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ACanvas.Brush().SetStyle(bsSolid);
}

// ---- the current cell, keys, wheel and scaling --------------------------------------------------

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    RepaintCell(Col(), Row());
    const bool result = TStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::TopLeftChanged()
{
    TStringGrid::TopLeftChanged();
    RepaintMergedFixedCols();
    RepaintMergedFixedRows();
}

void TBaseGrid::RepaintMergedFixedCols()
{
    if (FixedCols() <= 0)
        return;
    const int last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    for (int r = TopRow(); r <= last; ++r)
        for (int c = 0; c < FixedCols(); ++c)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRows()
{
    if (FixedRows() <= 0)
        return;
    const int last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
    for (int c = LeftCol(); c <= last; ++c)
        for (int r = 0; r < FixedRows(); ++r)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift)
{
    if (const TCellProperties* p = PropsAt(Col(), Row())) {
        const TPoint b = p->GetBaseCell(Col(), Row());
        const TPoint s = CellSpan(Col(), Row());
        const int bx = b.X, by = b.Y, sx = s.X, sy = s.Y;
        switch (Key) {
        case VK_RIGHT:
            if (bx + sx >= Col() && Col() < ColCount() - 1 && bx < ColCount() - 1 && bx + sx < ColCount() &&
                bx + sx != Col())
                SetCol(bx + sx);
            break;
        case VK_DOWN:
            if (by + sy >= Row() && Row() < RowCount() - 1 && by < RowCount() - 1 && by + sy < RowCount() &&
                by + sy != Row())
                SetRow(by + sy);
            break;
        case VK_LEFT:
            if (bx < Col() && Col() > FixedCols() && bx > 0)
                SetCol(bx);
            break;
        case VK_UP:
            if (by < Row() && Row() > FixedRows() && by > 0)
                SetRow(by);
            break;
        default:
            break;
        }
    }
    if (Key == VK_NEXT && FHideLastRow && RowCount() > 1 &&
        VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1) {
        // The view already shows the row above the hidden one: the current
        // row goes there and stays off the hidden row.
        SetRow(std::max(FixedRows(), RowCount() - 2));
        Key = 0;
    }
    if (Key != 0)
        TStringGrid::KeyDown(Key, Shift);
    FocusBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    // As the Down key: from the bottom edge of a merge, so the step leaves
    // it (else FocusBaseCell would pull the current cell back for ever).
    if (const TCellProperties* p = PropsAt(Col(), Row())) {
        const int bottom = p->GetBaseCell(Col(), Row()).Y + CellSpan(Col(), Row()).Y;
        if (bottom > Row() && bottom < RowCount() - 1)
            SetRow(bottom);
    }
    const bool result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (FHideLastRow && Row() < RowCount() - 1 && VisibleRowCount() < Row() - TopRow())
        SetTopRow(TopRow() + 1);
    FocusBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    FocusBaseCell();
    return result;
}

void TBaseGrid::FocusBaseCell()
{
    const TCellProperties* p = PropsAt(Col(), Row());
    if (!p)
        return;
    const TPoint b = p->GetBaseCell(Col(), Row());
    if (b.X < 0 || b.Y < 0 || b.X >= ColCount() || b.Y >= RowCount())
        return;
    if (b.X != Col())
        SetCol(b.X);
    if (b.Y != Row())
        SetRow(b.Y);
}

void TBaseGrid::ChangeScale(int M, int D) { ScaleControl(M, D); }
