// TVynStringGrid: the paint pipeline (Paint, DrawCell, DrawCellContent), the
// fixed-cell looks, cell borders, the background picture and gradient and
// the size guide lines.
#include <algorithm>

#include "controls/dropdown/DropDownDraw.h"  // DrawSteppedGradient
#include "grid/core/grid_draw.h"
#include "grid/data/grid_data_holders.h"
#include "platform/grids/inplace_edit.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/grid_render_paint.h"
#include "platform/gui/bitmap.h"

namespace {

bool LookHasGradient(TGridLook L)
{
    return L == TGridLook::glVyn || L == TGridLook::glXP || L == TGridLook::glVista || L == TGridLook::glWin7 ||
           L == TGridLook::glOffice2007;
}

}  // namespace

// ---- Paint --------------------------------------------------------------------------------------

void TVynStringGrid::Paint()
{
    TCanvas& cv = Canvas();
    cv.Pen().SetStyle(psSolid);
    cv.Brush().SetStyle(bsSolid);
    // The cells switch between these fonts: measured here once, their
    // measures (and the text widths kept in them) are shared by every
    // assignment instead of being made again at each switch.
    Font().Measure();
    FFixedFont->Measure();
    TBaseGrid::Paint();
    // A box around the cell the editor is open on.
    if (TInplaceEdit* ed = TBaseGrid::InplaceEditor(); ed && EditorMode() && ed->Visible()) {
        TColor c = FGridLineWidth < 1 ? Color() : FGridLineColor;
        if (!Options().Contains(goVertLine) && !Options().Contains(goHorzLine))
            c = Color();
        auto guard = cv.SaveState();
        cv.Pen().SetColor(c);
        cv.Brush().SetStyle(bsClear);
        cv.Rectangle(CellRect(Col(), Row()));
    }
    cv.Pen().SetColor(clBlack);
    if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone)
        PaintBackgroundOutsideCells();
    if (OnPainted)
        OnPainted(this);
}

// Within the window's paint pass: a draw event that raises costs its own
// cell only (the canvas is given back by the cell painter); nothing leaves
// the paint for the window system.
void TVynStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    const TRect r = ARect;
    try {
        TBaseGrid::DrawCell(ACol, ARow, r, AState);
    } catch (...) {
    }
}

// ---- the cell painter ---------------------------------------------------------------------------

void TVynStringGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                                     TGridDrawState AState)
{
    // Pens, brushes, fonts and clipping come back on every path, also when
    // an event handler raises.
    auto guard = ACanvas.SaveState();
    TCellPaint P;
    P.Col = ACol;
    P.Row = ARow;
    P.Cell = ARect;
    P.R = ARect;
    P.State = AState;
    // 1.
    P.RealCol = DisplToRealCol(ACol);
    const TMouseActions& ma = *FMouseActions;
    P.SelRow = ma.DisjunctRowSelect() && ma.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow;
    // 2. The filter row.
    P.FilterButton = IsFilterRow(ARow) && HasColumnFilter(P.RealCol);
    // 4. The look, without the selection (the text stage puts it back).
    // The base grid's call with the selection left the canvas font as this
    // call would make it; its other answers are kept in FLastLook.
    const TLastLook& last = FLastLook;
    if (last.Reusable && last.Col == ACol && last.Row == ARow && last.PaintID == FPaintID && &ACanvas == &Canvas()) {
        ACanvas.Brush().SetColor(last.Brush);
        P.ColorTo = last.ColorTo;
        P.MirrorColor = last.MirrorColor;
        P.MirrorColorTo = last.MirrorColorTo;
        P.HA = last.HA;
        P.VA = last.VA;
        P.WW = last.WW;
        P.GD = last.GD;
        if (last.State.Contains(gdFixed))
            P.State.Include(gdFixed);
    } else {
        P.WW = FWordWrapEx;
        TGridDrawState st = AState;
        GetVisualProperties(ACol, ARow, st, false, false, true, ACanvas.Brush(), P.ColorTo, P.MirrorColor,
                            P.MirrorColorTo, ACanvas.Font(), P.HA, P.VA, P.WW, P.GD);
        if (st.Contains(gdFixed))
            P.State.Include(gdFixed);
    }
    // 5. The graphic and its room.
    P.Layout = GetCellGraphicLayout(P.RealCol, ARow);
    if (P.RealCol == 0 && IsNode(ARow))
        P.Layout.Width = GetNodeLevel(ARow) * 12 + 4;
    // 6.
    const bool selected = P.State.Contains(gdSelected);
    if (selected && !P.State.Contains(gdFocused) && FSelectionColor == clNone)
        ACanvas.Brush().SetColor(clHighlight);
    // 7.
    if (FZoomFactor != 0)
        ACanvas.Font().SetSize(ACanvas.Font().Size() + FZoomFactor);
    const TColor keptBrush = ACanvas.Brush().Color(), keptFont = ACanvas.Font().Color();
    // 8.
    const int fixedCols = FixedCols(), fixedRows = FixedRows();
    P.Fixed = ACol < fixedCols || ARow < fixedRows || IsFixed(ACol, ARow);
    if (ARow == FHoverRowIdx && FHoverRow && FHoverRowCells.Contains(THoverRowCell::hcFixed))
        P.Fixed = false;
    TRect& R = P.R;
    // 10. The fixed-cell look (step 9, a toolkit style engine, has nothing to draw).
    if (P.Fixed && LookHasGradient(FLook))
        DrawFixedCellLook(ACanvas, P);
    // 11. The row indicator.
    int indicatorWidth = 0;
    if (P.RealCol == 0 && ARow == Row() && fixedCols > 0 && !FRowIndicator->Empty() &&
        !(RowCount() == fixedRows && FFixedRowAlways)) {
        const int bh = FRowIndicator->Height();
        int y = R.Top;
        if (FVAlignment == TVAlignment::vtaCenter)
            y = R.Top + (R.Height() - bh) / 2;
        else if (FVAlignment == TVAlignment::vtaBottom)
            y = R.Bottom - bh;
        ACanvas.DrawTransparent(R.Left + 2, y, *FRowIndicator, FRowIndicator->TopLeftColor());
        indicatorWidth = FRowIndicator->Width();
        R.Left += indicatorWidth + 2;
    }
    // 12. The list-view header.
    if (P.Fixed && FLook == TGridLook::glListView && !FFlat) {
        if (Themes().IsActive()) {
            ++R.Bottom;
            const bool inside = FHoverFixed.X == ACol && FHoverFixed.Y == ARow;
            const int state = inside ? (FMouseDownMove ? HIS_PRESSED : HIS_HOT) : HIS_NORMAL;
            Themes().DrawPart(ACanvas, QStringLiteral("header"), HP_HEADERITEM, state, R);
            ACanvas.Pen().SetColor(clWhite);
            ACanvas.MoveTo(R.Left, R.Top);
            ACanvas.LineTo(R.Right, R.Top);
        } else {
            ACanvas.Brush().SetColor(clBtnFace);
            ACanvas.Pen().SetColor(clWhite);
            ACanvas.Rectangle(R);
        }
    }
    // 13. The modified-row marker.
    if (ACol == 0 && FShowModified->Enabled() && GetRowModified(ARow)) {
        ACanvas.Brush().SetColor(FShowModified->Color());
        ACanvas.Pen().SetColor(FShowModified->Color());
        ACanvas.Rectangle(R.Right - 4, R.Top, R.Right, R.Bottom);
        ACanvas.Brush().SetColor(keptBrush);
    }
    // 14.
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, &ACanvas, P.RealCol, ARow, AState, R, false);
    // 15. Editor buttons always shown.
    const int keptRight = R.Right;
    if (!P.Fixed && (FControlLook->DropDownAlwaysVisible() || FControlLook->SpinButtonsAlwaysVisible()))
        DrawAlwaysVisibleButtons(ACanvas, P);
    // 16. The text stage, then the borders.
    const bool drawText = !(FNoDefaultDraw && (OnDrawCell || OnCustomCellDraw));
    if (drawText)
        DrawCellText(ACanvas, P);
    R.Right = keptRight;
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Brush().SetColor(keptBrush);
    ACanvas.Font().SetColor(keptFont);
    InflateRect(R, 1, 1);
    if (HasCellBorderEvent() || FGrouping->HeaderUnderline() || FGrouping->SummaryLine() || OnGetCellBorderProp)
        DrawCellBorders(ACanvas, P.RealCol, ARow, R);
    if (indicatorWidth > 0)
        R.Left -= indicatorWidth;
    // 17. - 19. The lines of the classic, raised and soft looks.
    if (P.Fixed && !FFlat)
        DrawFixedCellLines(ACanvas, P);
    // 20. Right fixed columns of a flat grid.
    if (FFlat && FFixedRightCols > 0 && FFixedRightCols >= TotalColCount() - P.RealCol &&
        FLook != TGridLook::glClassic) {
        ACanvas.Pen().SetColor(0x808080);
        ACanvas.Pen().SetWidth(1);
        if (Options().Contains(goFixedHorzLine)) {
            ACanvas.MoveTo(R.Left - 1, R.Top - 1);
            ACanvas.LineTo(R.Right + 1, R.Top - 1);
            ACanvas.MoveTo(R.Left - 1, R.Bottom);
            ACanvas.LineTo(R.Right + 1, R.Bottom);
        }
        if (Options().Contains(goFixedVertLine)) {
            ACanvas.MoveTo(R.Left - 1, R.Top - 1);
            ACanvas.LineTo(R.Left - 1, R.Bottom + 1);
            ACanvas.MoveTo(R.Right, R.Top - 1);
            ACanvas.LineTo(R.Right, R.Bottom + 1);
        }
    }
    // 21. Tree lines.
    TColor treeColor = clNone;
    bool treeFull = false;
    if (P.RealCol == 0 && ARow >= fixedRows && HasNodes() && GetTreeLook(treeColor, treeFull))
        DrawTreeLines(ACanvas, P, treeColor, treeFull);
    // 22. The graphic.
    if (P.Layout.Graphic) {
        TRect g = R;
        if (P.Fixed)
            ++g.Top;
        DrawCellGraphic(ACanvas, P, g);
    }
    // 23. - 24. The user's painting, with the real column.
    if (OnDrawCell) {
        TRect u = R;
        ++u.Top;
        ++u.Left;
        u.Right -= FGridLineWidth;
        u.Bottom -= FGridLineWidth;
        OnDrawCell(this, P.RealCol, ARow, u, AState);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, &ACanvas, P.RealCol, ARow, AState, R, false);
    // 25. The focus rectangle.
    if (!FHideFocusRect && Focused() && !Options().Contains(goRowSelect) && Row() >= fixedRows &&
        Col() >= fixedCols) {
        int bc = ACol, br = ARow;
        GetBaseCellOf(ACol, ARow, bc, br);
        if (bc == Col() && br == Row()) {
            TRect f = R;
            InflateRect(f, FGridLineWidth - 1, FGridLineWidth - 1);
            --f.Right;
            --f.Bottom;
            ACanvas.DrawFocusRect(f);
        }
    }
}

// Step 10: hover, pressed, active-cell, sorted-header or the look's gradient.
void TVynStringGrid::DrawFixedCellLook(TCanvas& ACanvas, TCellPaint& P)
{
    TRect& R = P.R;
    const int ACol = P.Col, ARow = P.Row;
    bool hoverCell = false;
    switch (FHoverFixedCells) {
    case THoverFixedCells::hfNone: break;
    case THoverFixedCells::hfAll: hoverCell = true; break;
    case THoverFixedCells::hfFixedRows: hoverCell = ARow < FixedRows(); break;
    case THoverFixedCells::hfFixedColumns: hoverCell = ACol < FixedCols(); break;
    }
    const bool moving = GridState() == gsColMoving;
    const bool hovered = (FHoverFixed.X == ACol && FHoverFixed.Y == ARow && !moving) ||
                         (moving && FMoveColInd == ACol);
    if (hoverCell && hovered && !FDesigning) {
        ++R.Bottom;
        const bool pressed = FMouseDownMove || (moving && FMoveColInd >= 0);
        auto hover = [&](const TRect& Box) {
            DrawGradientCell(ACanvas, Box, FVynGradientHoverFrom, FVynGradientHoverTo, FVynGradientHoverMirrorFrom,
                             FVynGradientHoverMirrorTo, true, FVynGradientHoverBorder, false, true);
        };
        auto down = [&](const TRect& Box) {
            DrawGradientCell(ACanvas, Box, FVynGradientDownFrom, FVynGradientDownTo, FVynGradientDownMirrorFrom,
                             FVynGradientDownMirrorTo, true, FVynGradientDownBorder, false, true);
        };
        const bool dropButton = FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(P.RealCol);
        if (!pressed) {
            hover(R);
        } else if (dropButton) {
            const TRect header{R.Left, R.Top, R.Right - 16, R.Bottom};
            const TRect button{R.Right - 16, R.Top, R.Right, R.Bottom};
            if (FDropDownDown) {
                down(button);
                hover(header);
            } else {
                down(header);
                hover(button);
            }
        } else {
            down(R);
        }
        if (dropButton) {
            ACanvas.Pen().SetColor(FMouseDownMove ? FVynGradientDownBorder : FVynGradientHoverBorder);
            ACanvas.MoveTo(R.Right - 16, R.Top);
            ACanvas.LineTo(R.Right - 16, R.Bottom);
            DrawDropArrow(ACanvas, R.Right - 8, R.Top + 8, clBlack);
            R.Right -= 16;
        }
        return;
    }
    const bool activeCell =
        FActiveCellShow && ((FixedCols() > 0 && ACol == FixedCols() - 1 && ARow == Row()) ||
                            (FixedRows() > 0 && ARow == FixedRows() - 1 && ACol == Col()));
    if (activeCell) {
        DrawGradientCell(ACanvas, R, FActiveCellColor, FActiveCellColorTo, clNone, clNone, true, clNone, false, true);
        return;
    }
    // The sorted column's header has no colours of its own until sorting
    // gives it some (none: the look's gradient below).
    // (The base grid has filled the cell with the same gradient; only the
    // white side lines of glVista are still to draw.)
    if (!FFlat && FLook == TGridLook::glVista)
        DrawGradientCell(ACanvas, R, ACanvas.Brush().Color(), P.ColorTo, P.MirrorColor, P.MirrorColorTo, true,
                         clWhite, true, true);
}

// Steps 17 to 19.
void TVynStringGrid::DrawFixedCellLines(TCanvas& ACanvas, TCellPaint& P)
{
    TRect& R = P.R;
    const TGridOptions opts = Options();
    const TColor half = HalfColor(FixedColor());
    // The shaded bottom line, and the white top and left lines from WhiteFrom.
    auto raisedLines = [&](int WhiteFrom) {
        ACanvas.Pen().SetColor(half);
        ACanvas.MoveTo(R.Left, R.Bottom - 1);
        ACanvas.LineTo(R.Right - 1, R.Bottom - 1);
        ACanvas.Pen().SetColor(clWhite);
        ACanvas.MoveTo(WhiteFrom, R.Top + 1);
        ACanvas.LineTo(R.Left + 1, R.Top + 1);
        ACanvas.LineTo(R.Left + 1, R.Bottom - 1);
    };
    switch (FLook) {
    case TGridLook::glClassic: {
        ++R.Top;
        ++R.Bottom;
        ++R.Left;
        TRect e = R;
        DrawEdge(ACanvas, e, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
        e = R;
        DrawEdge(ACanvas, e, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
        ACanvas.Pen().SetColor(clBlack);
        ACanvas.MoveTo(R.Right - 1, R.Top);
        ACanvas.LineTo(R.Right - 1, R.Bottom - 1);
        ACanvas.LineTo(R.Left - 1, R.Bottom - 1);
        break;
    }
    case TGridLook::glVyn:
    case TGridLook::glXP:
        ++R.Bottom;
        if (opts.Contains(goFixedHorzLine))
            raisedLines(R.Right - 2);
        break;
    case TGridLook::glSoft:
        ++R.Right;
        ++R.Bottom;
        if (opts.Contains(goFixedHorzLine))
            raisedLines(R.Right);
        if (opts.Contains(goFixedVertLine)) {
            ACanvas.Pen().SetColor(half);
            ACanvas.MoveTo(R.Right - 2, R.Top);
            ACanvas.LineTo(R.Right - 2, R.Bottom - 1);
            ACanvas.Pen().SetColor(clWhite);
            ACanvas.MoveTo(R.Right - 1, R.Top);
            ACanvas.LineTo(R.Right - 1, R.Bottom - 1);
        }
        break;
    default: break;
    }
}

// Step 15.
void TVynStringGrid::DrawAlwaysVisibleButtons(TCanvas& ACanvas, TCellPaint& P)
{
    TRect& R = P.R;
    int kind = FControlLook->FlatButton() ? 2 : (Themes().IsActive() ? 0 : 1);
    if (FFlat && FTones.BrushColor != clNone)
        kind = 3;
    bool canEdit = true;
    DoCanEditCell(P.RealCol, P.Row, canEdit);
    const int state = canEdit ? 0 : 3;
    const TColorTones tones;
    if (FControlLook->DropDownAlwaysVisible() && DoHasComboBox(P.RealCol, P.Row)) {
        DrawComboButton(ACanvas, this, TRect{R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom}, tones, state, kind);
        R.Right -= 16;
    }
    if (FControlLook->SpinButtonsAlwaysVisible() && DoHasSpinEdit(P.RealCol, P.Row)) {
        DrawSpinButtons(ACanvas, this, R, tones, state, kind);
        R.Right -= 16;
    }
}

// Step 21: the tree lines of node rows.
void TVynStringGrid::DrawTreeLines(TCanvas& ACanvas, TCellPaint& P, TColor TreeColor, bool ShowTreeFull)
{
    TRect R = P.R;
    const int ARow = P.Row;
    const int ni = FCellNode->NodeIndent();
    ACanvas.Pen().SetColor(TreeColor);
    ACanvas.Pen().SetWidth(1);
    // The row's own level (GetNodeLevel answers node rows only).
    const TCellProperties* props = PropsAt(0, ARow);
    const int level = props ? props->NodeLevel() : 0;
    const int indent = props ? level * ni : 0;
    R.Left = indent;
    const int x = indent + ni / 2 - ni + 2;
    const int m = R.Top + (R.Bottom - R.Top) / 2;
    if (level > 0) {
        ACanvas.MoveTo(x, m);
        ACanvas.LineTo(ShowTreeFull ? R.Right : indent + 4, m);
    }
    const int span = GetNodeSpanType(ARow);
    if (span == 1) {
        ACanvas.MoveTo(x, R.Top);
        ACanvas.LineTo(x, m);
    } else if (span == 2) {
        ACanvas.MoveTo(x, R.Top);
        ACanvas.LineTo(x, R.Bottom + 4);
    }
    if (props && level > 0) {
        const TCellProperties* next = ARow + 1 < RowCount() ? PropsAt(0, ARow + 1) : nullptr;
        const bool nextDeeper = next && next->NodeLevel() > 0;
        for (int i = 1; i <= level; ++i) {
            const int xi = x - ni * i;
            ACanvas.MoveTo(xi, R.Top);
            ACanvas.LineTo(xi, m);
            if (nextDeeper)
                ACanvas.LineTo(xi, R.Bottom + 4);
            else if (i < level)
                ACanvas.LineTo(x + ni - ni * i, m);
        }
    }
    ACanvas.Pen().SetStyle(psSolid);
}

// ---- cell borders -------------------------------------------------------------------------------

void TVynStringGrid::DrawCellBorders(TCanvas& ACanvas, int RealCol, int ARow, TRect R)
{
    TPen saved;
    saved.Assign(ACanvas.Pen());
    TCellBorders borders;
    DoGetCellBorder(RealCol, ARow, &ACanvas.Pen(), borders);
    TPen left, top, right, bottom;
    left.Assign(ACanvas.Pen());
    top.Assign(ACanvas.Pen());
    right.Assign(ACanvas.Pen());
    bottom.Assign(ACanvas.Pen());
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, ARow, RealCol, &left, &top, &right, &bottom);
    const TGridOptions opts = Options();
    const int h = (ACanvas.Pen().Width() + 1) / 2;
    if (opts.Contains(goVertLine))
        R.Left += h;
    if (opts.Contains(goHorzLine))
        R.Bottom -= h;
    if (borders.Contains(TCellBorder::cbLeft)) {
        ACanvas.Pen().Assign(left);
        const int x = std::max(0, R.Left);
        ACanvas.MoveTo(x, R.Top);
        ACanvas.LineTo(x, R.Bottom);
    }
    if (borders.Contains(TCellBorder::cbRight)) {
        ACanvas.Pen().Assign(right);
        const int x = opts.Contains(goVertLine) ? R.Right - 1 - h : R.Right - 1;
        ACanvas.MoveTo(x, R.Top);
        ACanvas.LineTo(x, R.Bottom);
    }
    if (borders.Contains(TCellBorder::cbTop)) {
        ACanvas.Pen().Assign(top);
        if (opts.Contains(goHorzLine))
            R.Top += h;
        const int y = FGridLineWidth == 0 ? R.Top + 1 : std::max(0, R.Top - FGridLineWidth);
        ACanvas.MoveTo(R.Left, y);
        ACanvas.LineTo(R.Right, y);
    }
    if (borders.Contains(TCellBorder::cbBottom)) {
        ACanvas.Pen().Assign(bottom);
        ACanvas.MoveTo(R.Left - FGridLineWidth - 1, R.Bottom - 1);
        ACanvas.LineTo(R.Right, R.Bottom - 1);
    }
    ACanvas.Pen().Assign(saved);
}

// ---- the background picture and gradient --------------------------------------------------------

void TVynStringGrid::DrawCellBackground(TCanvas& ACanvas, TCellPaint& P)
{
    const TBackGround& bg = *FBackGround;
    const bool qualifies = bg.Cells() == TBackGroundCells::bcAll ||
                           (bg.Cells() == TBackGroundCells::bcNormal && !P.Fixed) ||
                           (bg.Cells() == TBackGroundCells::bcFixed && P.Fixed);
    if (!qualifies)
        return;
    const bool selected = P.State.Contains(gdSelected);
    const TBitmap& bmp = *bg.Bitmap();
    if (!bmp.Empty() && Colors(P.RealCol, P.Row) == clNone && !(selected && FShowSelection)) {
        // The cell up to its grid lines (the content rectangle of a
        // scrollable cell also leaves a line's width free at its left and top).
        TRect t = P.Cell;
        if (!P.Fixed) {
            t.Left -= FGridLineWidth;
            t.Top -= FGridLineWidth;
        }
        auto guard = ACanvas.SaveState();
        ACanvas.IntersectClipRect(t);
        if (bg.Display() == TBackGroundDisplay::bdTile) {
            // The tiles start at the first scrollable cell (bcNormal) or at
            // cell (0, 0), whatever is scrolled.
            const int c0 = bg.Cells() == TBackGroundCells::bcNormal ? FixedCols() : 0;
            const int r0 = bg.Cells() == TBackGroundCells::bcNormal ? FixedRows() : 0;
            long long ox = 0, oy = 0;
            for (int c = c0; c < P.Col; ++c)
                ox += ColWidths(c);
            for (int r = r0; r < P.Row; ++r)
                oy += RowHeights(r);
            const int bw = bmp.Width(), bh = bmp.Height();
            const int sx = t.Left - int(ox % bw), sy = t.Top - int(oy % bh);
            for (int y = sy; y < t.Bottom; y += bh)
                for (int x = sx; x < t.Right; x += bw)
                    ACanvas.Draw(x, y, bmp);
        } else {
            ACanvas.Draw(bg.Left(), bg.Top(), bmp);
        }
        return;
    }
    if (!bg.IsGradient())
        return;
    const TCellType kind = GetCellType(P.RealCol, P.Row);
    const bool controlKind = kind == TCellType::ctCheckBox || kind == TCellType::ctDataCheckBox ||
                             kind == TCellType::ctRadio || kind == TCellType::ctButton ||
                             kind == TCellType::ctRadioButton;
    if (Colors(P.RealCol, P.Row) != clNone && !controlKind)
        return;
    if (selected && FShowSelection &&
        !(P.State.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected)))
        return;
    // The cell's inside, its colours taken from one gradient over the whole
    // grid, so neighbouring cells join; the stepped gradient leaves its last
    // column (row) out, so it runs one pixel further, clipped to the cell.
    const bool horz = bg.Display() == TBackGroundDisplay::bdGradientHorz;
    TRect t = P.Cell;
    if (horz)
        ++t.Right;
    else
        ++t.Bottom;
    // The colours at the cell's edges of one gradient across the whole grid.
    const TRect client = ClientRect();
    TColor from, to;
    if (horz) {
        from = GradientColorAt(bg.Color(), bg.ColorTo(), 0, client.Width(), t.Left);
        to = GradientColorAt(bg.Color(), bg.ColorTo(), 0, client.Width(), t.Right);
    } else {
        from = GradientColorAt(bg.Color(), bg.ColorTo(), 0, client.Height(), t.Top);
        to = GradientColorAt(bg.Color(), bg.ColorTo(), 0, client.Height(), t.Bottom);
    }
    auto guard = ACanvas.SaveState();
    ACanvas.IntersectClipRect(P.Cell);
    // 128 steps, but no more than the cell has pixels: finer bands would
    // only paint over each other.
    const int extent = horz ? t.Width() : t.Height();
    DrawSteppedGradient(ACanvas, from, to, horz, t, std::clamp(extent - 1, 1, 128));
}

void TVynStringGrid::PaintBackgroundOutsideCells()
{
    const TBackGround& bg = *FBackGround;
    if (bg.IsGradient() && bg.ColorTo() == clNone)
        return;
    TCanvas& cv = Canvas();
    const TRect client = ClientRect();
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const TRect lc = CellRect(lastCol, TopRow()), lr = CellRect(LeftCol(), lastRow);
    const bool colShown = lc.Right > lc.Left, rowShown = lr.Bottom > lr.Top;
    if (!colShown && !rowShown)
        return;
    int bottom = client.Bottom;
    TRegion area;
    if (colShown && lc.Right + FGridLineWidth < client.Right)
        area.Union(TRect{lc.Right + FGridLineWidth - 1, 0, client.Right, bottom});
    if (rowShown && lr.Bottom + FGridLineWidth < bottom)
        area.Union(TRect{0, lr.Bottom + FGridLineWidth - 1, client.Right, bottom});
    if (area.IsEmpty())
        return;
    auto guard = cv.SaveState();
    cv.SetClipRegion(area);
    const TBitmap& bmp = *bg.Bitmap();
    if (bmp.Empty()) {
        if (bg.IsGradient())
            DrawSteppedGradient(cv, bg.Color(), bg.ColorTo(), bg.Display() == TBackGroundDisplay::bdGradientHorz,
                                client, 128);
    } else if (bg.Display() != TBackGroundDisplay::bdTile) {
        cv.Draw(bg.Left(), bg.Top(), bmp);
    } else if (bg.Cells() != TBackGroundCells::bcFixed) {
        int x0 = client.Left, y0 = client.Top;
        if (bg.Cells() == TBackGroundCells::bcNormal) {
            x0 = FixedColsWidth();
            y0 = FixedRowsHeight();
        }
        x0 += FXYOffset.X;
        y0 += FXYOffset.Y;
        for (int y = y0; y < client.Bottom; y += bmp.Height())
            for (int x = x0; x < client.Right; x += bmp.Width())
                cv.Draw(x, y, bmp);
    }
}

// ---- size guide lines ---------------------------------------------------------------------------

// Inverted dotted lines: a second line at the same place gives the pixels
// back. (An exclusive-or with a black pen would change no pixel at all.)
namespace {

void DrawGuideLine(TCanvas& cv, TPoint From, TPoint To)
{
    auto guard = cv.SaveState();
    cv.Pen().SetColor(clBlack);
    cv.Pen().SetStyle(psDot);
    cv.Pen().SetMode(pmNotXor);
    cv.Pen().SetWidth(1);
    cv.SetBkMode(TRANSPARENT);  // the gaps between the dots stay untouched
    cv.MoveTo(From.X, From.Y);
    cv.LineTo(To.X, To.Y);
}

}  // namespace

void TVynStringGrid::DrawColSizeLine(int X)
{
    const TRect last = CalcCellRect(LeftCol(), RowCount() - 1);
    DrawGuideLine(Canvas(), TPoint(X, 0), TPoint(X, std::max(Height(), last.Bottom)));
}

void TVynStringGrid::DrawRowSizeLine(int Y)
{
    const TRect last = CalcCellRect(ColCount() - 1, TopRow());
    DrawGuideLine(Canvas(), TPoint(0, Y), TPoint(std::max(Width(), last.Right), Y));
}
