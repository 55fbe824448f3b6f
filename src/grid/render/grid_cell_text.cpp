// TVynStringGrid: the text stage of the cell painter (DrawCellText), the
// sort indicator and rich-text cells.
#include <algorithm>

#include "grid/core/grid_draw.h"
#include "grid/core/grid_progress.h"
#include "grid/core/grid_text.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_filter_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/grid_render_paint.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/rtf_reader.h"
#include "platform/gui/bitmap.h"

namespace {

// One mask character per character of the text (a pair of UTF-16 units
// is one character).
String MaskText(const String& Text, QChar Mask)
{
    return String(Text.toUcs4().size(), Mask);
}

}  // namespace

void TVynStringGrid::DrawCellText(TCanvas& ACanvas, TCellPaint& P)
{
    const int ACol = P.Col, ARow = P.Row, RealCol = P.RealCol;
    const TRect& R = P.R;
    TRect T = R;
    const TGridOptions opts = Options();
    const TMouseActions& ma = *FMouseActions;
    // 1. The selection's colours for the text.
    TColor linkColor = FURLColor;
    const bool inNormalCols = ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols;
    const bool rowSelected = ma.DisjunctRowSelect() && opts.Contains(goRowSelect) && inNormalCols &&
                             GetRowSelect(P.SelRow);
    const bool selected = P.State.Contains(gdSelected);
    if ((selected || rowSelected) && !P.Fixed) {
        if (FShowSelection) {
            if (FSelectionColor != clNone)
                ACanvas.Brush().SetColor(FSelectionColor);
            if (FSelectionTextColor != clNone && Enabled()) {
                ACanvas.Font().SetColor(FSelectionTextColor);
                linkColor = FSelectionTextColor;
            }
        }
    }
    // 2. The text and its kind.
    String text = GetFormattedCell(RealCol, ARow);
    int kind = GetTextType(text, FEnableHTML);
    if (kind == ttFormula) {
        text = GetFormulaText(RealCol, ARow);
        kind = GetTextType(text, FEnableHTML);
    }
    // 3.
    int errPos = 0, errLen = 0;
    if (P.Layout.Graphic)
        GetMarker(RealCol, ARow, errPos, errLen);
    // 4.
    bool password = false;
    DoIsPasswordCell(RealCol, ARow, password);
    if (password) {
        text = MaskText(text, FPasswordChar);
        kind = ttPlain;
    }
    // 5.
    if (P.Fixed) {
        T.Left += FGridLineWidth;
        T.Top += FGridLineWidth;
    }
    // 6. The filter button's glyph.
    if (P.FilterButton) {
        const TRect button{R.Right - 16, R.Top, R.Right, R.Top + 16};
        const TBitmap* glyph =
            FFilter->HasFilter(RealCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
        if (glyph && !glyph->Empty())
            DrawTransparentBitmap(ACanvas, *glyph, FixedColor(), button);
        else
            DrawResourceBitmap(ACanvas, FixedColor(), button, QStringLiteral("VSGFILT"));
    }
    // 7. A row or column the disjunct selection leaves out.
    if ((ma.DisjunctRowSelect() || ma.DisjunctColSelect()) && !P.Fixed && !FMouseButtonDown &&
        !(ma.DisjunctRowSelect() ? GetRowSelect(P.SelRow) : IsSelected(ACol, ARow))) {
        linkColor = FURLColor;
        ACanvas.Brush().SetColor(Color());
        ACanvas.Font().SetColor(Font().Color());
        DoGetCellColor(RealCol, ARow, P.State, &ACanvas.Brush(), &ACanvas.Font());
        if (FZoomFactor != 0)
            ACanvas.Font().SetSize(ACanvas.Font().Size() + FZoomFactor);
    }
    // 8. The background picture or gradient.
    if (!FBackGround->Bitmap()->Empty() || FBackGround->IsGradient())
        DrawCellBackground(ACanvas, P);
    // 9. The selection rectangle.
    if (FSelectionRectangle && !P.Fixed) {
        const TGridRect s = Selection();
        if (CellInGridRect(s, ACol, ARow)) {
            TRect c = P.Cell;
            InflateRect(c, FGridLineWidth, FGridLineWidth);
            ACanvas.Pen().SetColor(FSelectionRectangleColor);
            ACanvas.Pen().SetWidth(2);
            const TPoint sb = BaseCell(s.Right, s.Bottom);
            if (ACol == s.Left) {
                ACanvas.MoveTo(c.Left + 1, c.Top);
                ACanvas.LineTo(c.Left + 1, c.Bottom);
            }
            if (ACol == s.Right || ACol == sb.X) {
                ACanvas.MoveTo(c.Right - 1, c.Top);
                ACanvas.LineTo(c.Right - 1, c.Bottom);
            }
            if (ARow == s.Top) {
                ACanvas.MoveTo(c.Left, c.Top + 1);
                ACanvas.LineTo(c.Right, c.Top + 1);
            }
            if (ARow == s.Bottom || ARow == sb.Y) {
                ACanvas.MoveTo(c.Left, c.Bottom - 1);
                ACanvas.LineTo(c.Right, c.Bottom - 1);
            }
            ACanvas.Pen().SetWidth(1);
            if (FSelectionResizer && ACol == s.Right && ARow == s.Bottom) {
                ACanvas.Brush().SetColor(FSelectionRectangleColor);
                ACanvas.Pen().SetColor(FSelectionRectangleColor);
                ACanvas.Rectangle(R.Right - 4, R.Bottom - 4, c.Right, c.Bottom);
            }
        }
    }
    // 10. The text.
    if (!P.Layout.ShowText || text.isEmpty())
        return;
    T.Left += FXYOffset.X;
    T.Top += FXYOffset.Y;
    if (!FXYOffsetTopLeftOnly)
        T.Right -= FXYOffset.X;
    const TCellGraphicLayout& L = P.Layout;
    if (L.Graphic) {
        switch (L.HAlign) {
        case TCellHAlign::haBeforeText:
            T.Left += L.Width;
            break;
        case TCellHAlign::haAfterText: T.Right -= L.Width; break;
        default: break;
        }
        if (L.VAlign == TCellVAlign::vaAboveText)
            T.Top += L.Height;
        else if (L.VAlign == TCellVAlign::vaUnderText)
            T.Bottom -= L.Height;
        if (P.HA == taLeftJustify && (L.HAlign == TCellHAlign::haLeft || L.HAlign == TCellHAlign::haBeforeText))
            P.TextOffset = L.Width;
    }
    if (RealCol == 0 && HasNodes() && !IsNode(ARow))
        T.Left += GetRowIndent(ARow);
    // Whether this cell shows the sort indicator.
    const bool sortHere = FixedRows() > 0 && HasSortIndicator(RealCol, ARow) &&
                          RealCol == FSortSettings->Column() && (ACol >= FixedCols());
    auto sortY = [&](const TRect& B) {
        switch (P.VA) {
        case TVAlignment::vtaCenter: return B.Top + (B.Bottom - B.Top) / 2;
        case TVAlignment::vtaBottom: return B.Bottom - 8;
        default: return B.Top + 8;
        }
    };
    if (kind == ttHTML) {
        if (P.FilterButton)
            T.Right -= 18;
        --T.Left;
        if (sortHere)
            T.Right -= 10;
        THTMLDrawOptions o;
        o.ImageList = GetGridImages();
        o.HitX = T.Left;
        o.HitY = T.Top;
        o.HotAnchorIndex = FHoverLink.X == ACol && FHoverLink.Y == ARow ? FHotAnchorIndex : -1;
        o.BlinkVisible = FBlinkVisible;
        o.UnderlineHotOnly = FURLUnderlineOnHover;
        o.WrapWords = !FEnhTextSize;
        o.LinkColor = linkColor;
        o.ShadowColor = 0x808080;
        o.PictureCache = FImageCache;
        o.ThemeWindow = this;
        ACanvas.Brush().SetStyle(bsClear);
        const THTMLDrawResult res = DrawHTMLText(ACanvas, text, T, o);
        ACanvas.Brush().SetStyle(bsSolid);
        P.TextWidth = res.LaidOutWidth + 2;
        if (sortHere)
            DrawSortIndicator(ACanvas, RealCol, T.Right + 2, sortY(T));
        return;
    }
    if (kind == ttRTF) {
        ACanvas.Pen().SetColor(ACanvas.Brush().Color());
        if (!(selected && !P.State.Contains(gdFocused) && FSelectionColor == clNone))
            ACanvas.FillRect(T);
        ACanvas.Brush().SetStyle(bsClear);
        DrawRTFCell(RealCol, ARow, ACanvas, T);
        ACanvas.Brush().SetStyle(bsSolid);
        ACanvas.Font().SetColor(clBlack);
        return;
    }
    // Plain text.
    if (sortHere && P.HA == taCenter)
        T.Left += 10;
    const bool link = FURLShow && IsURLText(text);
    if (link) {
        if (!FURLFull)
            StripURLScheme(text);
        TFontStyles st = ACanvas.Font().Style();
        st.Include(fsUnderline);
        ACanvas.Font().SetStyle(st);
        ACanvas.Font().SetColor(linkColor);
    }
    unsigned flags = DT_EDITCONTROL;
    if (CountLines(text, FMultilinecells) == 1 && !P.WW) {
        String rest = text;
        text = CutFirstLine(rest, false);
        flags = DT_SINGLELINE | (FEnhTextSize ? DT_END_ELLIPSIS : 0u);
    }
    if (P.WW && !FMultilinecells && FEnhTextSize)
        flags |= DT_END_ELLIPSIS;
    flags |= DT_EXPANDTABS | DT_NOPREFIX;
    if (P.HA == taRightJustify)
        flags |= DT_RIGHT;
    else if (P.HA == taCenter)
        flags |= DT_CENTER;
    FVAlign = P.VA == TVAlignment::vtaCenter ? DT_VCENTER : P.VA == TVAlignment::vtaBottom ? DT_BOTTOM : DT_TOP;
    flags |= FVAlign;
    if (P.WW || FMultilinecells)
        flags |= DT_WORDBREAK | DT_EDITCONTROL;
    else
        flags |= DT_SINGLELINE;
    if (P.FilterButton)
        T.Right -= 16;
    const TFontMeasure& m = ACanvas.Font().Measure();
    const bool oneLine = (flags & DT_SINGLELINE) || (!text.contains(u'\r') && !text.contains(u'\n') &&
                                                     m.Width(text) <= T.Width());
    int textWidth = 0;
    if (oneLine && !text.contains(u'\t') && &ACanvas == &Canvas() && ACanvas.Painter() &&
        ACanvas.Font().Orientation() % 3600 == 0 && (textWidth = m.Width(text)) <= T.Width()) {
        // One line that fits: placed as the platform's text call would place
        // it, drawn by the grid's fast text painter.
        const int h = m.Height();
        int x = T.Left, y = T.Top;
        if (flags & DT_RIGHT)
            x = T.Right - textWidth;
        else if (flags & DT_CENTER)
            x = T.Left + (T.Width() - textWidth) / 2;
        if (flags & DT_SINGLELINE) {
            if (flags & DT_VCENTER)
                y = T.Top + (T.Height() - h) / 2;
            else if (flags & DT_BOTTOM)
                y = T.Bottom - h;
        }
        DrawCellText(T, x, y, text);
    } else {
        ACanvas.Brush().SetStyle(bsClear);
        if (L.Graphic || sortHere) {
            TRect c = T;
            ACanvas.DrawText(c, text, flags | DT_CALCRECT);
            textWidth = c.Width();
        }
        ACanvas.DrawText(T, text, flags);
        ACanvas.Brush().SetStyle(bsSolid);
    }
    P.TextWidth = textWidth + 2;
    if (errLen > 0 && L.Graphic &&
        (L.Graphic->CellType() == TCellType::ctEmpty || L.Graphic->CellType() == TCellType::ctValue))
        DrawErrorLine(this, ACanvas, text, T, 0, errPos, errLen);
    if (sortHere) {
        TRect S = R;
        if (P.FilterButton)
            S.Right -= 16;
        const int w = std::max(0, std::min(S.Width() - 16, textWidth));
        int x = S.Left + 8;
        if (P.HA == taLeftJustify)
            x = S.Left + w + P.TextOffset + 10;
        else if (P.HA == taRightJustify)
            x = S.Right - w - 10;
        DrawSortIndicator(ACanvas, RealCol, x, sortY(S));
    }
    if (link) {
        TFontStyles st = ACanvas.Font().Style();
        st.Exclude(fsUnderline);
        ACanvas.Font().SetStyle(st);
    }
}

// Without sort glyphs: a 3-D outline triangle, pointing up for an ascending
// sort.
void TVynStringGrid::DrawSortIndicator(TCanvas& ACanvas, int, int X, int Y)
{
    const bool descending = SortDescending();
    ACanvas.Pen().SetWidth(1);
    if (descending) {
        ACanvas.Pen().SetColor(clWhite);
        ACanvas.MoveTo(X + 4, Y - 4);
        ACanvas.LineTo(X, Y + 4);
        ACanvas.Pen().SetColor(0x808080);
        ACanvas.LineTo(X - 4, Y - 4);
        ACanvas.LineTo(X + 4, Y - 4);
    } else {
        ACanvas.Pen().SetColor(clWhite);
        ACanvas.MoveTo(X - 4, Y + 4);
        ACanvas.LineTo(X + 4, Y + 4);
        ACanvas.LineTo(X, Y - 4);
        ACanvas.Pen().SetColor(0x808080);
        ACanvas.LineTo(X - 4, Y + 4);
    }
    ACanvas.Pen().SetColor(clBlack);
}

// Rich text: read by the grid's own reader and laid out by the HTML line
// engine, as CalcCellTextSize measures it.
void TVynStringGrid::DrawRTFCell(int ACol, int ARow, TCanvas& ACanvas, const TRect& ARect)
{
    const TRTFDocument doc = ParseRTF(GetCellEx(ACol, ARow));
    THTMLDrawOptions o;
    o.WrapWords = FWordWrapEx;
    const int d = DisplColIndex(ACol);
    const TGridRect s = Selection();
    const bool selected = (CellInGridRect(s, d, ARow) && !(d == Col() && ARow == Row()) &&
                           !FMouseActions->DisjunctRowSelect() && !FMouseActions->DisjunctColSelect()) ||
                          (FMouseActions->DisjunctRowSelect() && GetRowSelect(ARow));
    auto guard = ACanvas.SaveState();
    if (selected && !FSelectionRTFKeep) {
        ACanvas.Font().SetColor(FSelectionTextColor);
        o.KeepColors = true;
    }
    TRect r = ARect;
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    ACanvas.Brush().SetStyle(bsClear);
    DrawHTMLText(ACanvas, RTFToHTML(doc, ACanvas.Font()), r, o);
}
