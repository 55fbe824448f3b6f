// TVynStringGrid: automatic sizing of columns and rows, columns stretched
// to fill the control and the control sized to its cells.
//
// A cell is measured as the cell painter lays it out (CalcCellTextSize):
// rich text, rotated and wrapped texts go through it; a plain text is
// measured line by line on the metrics of its cell font, which are looked
// up once per font for the whole column, not per row, and an HTML text by
// the HTML renderer on one canvas for the whole pass, both as the painter's
// size does.
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "grid/core/column_size.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/canvas.h"
#include "platform/gui/input_state.h"

namespace {

// Half to even.
int RoundEven(double V) { return int(std::nearbyint(V)); }

}  // namespace

// What a sizing pass measures cells with: the injected measurer, the plain
// text fast path or the cell painter's size.
class TCellSizer {
public:
    explicit TCellSizer(TVynStringGrid& G) : g(G) {}

    // The size of the cell's text (ADisplCol display, ARealCol real).
    TPoint TextSize(int ADisplCol, int ARealCol, int ARow, bool Wrapped)
    {
        if (g.SizeTextMeasure)
            return g.SizeTextMeasure(ADisplCol, ARealCol, ARow);
        int angle = 0;
        if (!Wrapped && !g.IsRotated(ARealCol, ARow, angle)) {
            const String text = g.GetFormattedCell(ARealCol, ARow);
            const int kind = GetTextType(text, g.EnableHTML());
            if (kind == ttPlain)
                return PlainSize(ADisplCol, ARealCol, ARow, text);
            if (kind == ttHTML)
                return HTMLSize(ADisplCol, ARealCol, ARow, text);
        }
        return g.CalcCellTextSize(ADisplCol, ARealCol, ARow, Wrapped, false);
    }

private:
    // The font the painter gives the cell's text.
    void CellFont(int ADisplCol, int ARealCol, int ARow)
    {
        TGridDrawState state;
        brush.SetColor(clNone);
        g.GetFontProperties(ADisplCol, ARealCol, ARow, state, font, brush, false);
        if ((ADisplCol < g.FixedCols() || ARow < g.FixedRows()) && g.ActiveCellShow() &&
            g.ActiveCellFont()->Style().Contains(fsBold)) {
            TFontStyles st = font.Style();
            st.Include(fsBold);
            font.SetStyle(st);
        }
        if (g.ZoomFactor() != 0)
            font.SetSize(font.Size() + g.ZoomFactor());
    }

    // As the painter's line-by-line measure, in the cell's font.
    TPoint PlainSize(int ADisplCol, int ARealCol, int ARow, const String& Text)
    {
        CellFont(ADisplCol, ARealCol, ARow);
        // The metrics of the last font: asked again only when the font changes.
        if (!metrics || !(font == lastFont)) {
            lastFont.Assign(font);
            metrics.emplace(lastFont.Measure().Metrics());
            lineHeight = lastFont.Measure().Height();
        }
        const bool multi = g.Multilinecells();
        const bool stripURL = g.URLShow() && !g.URLFull();
        if (!multi && !stripURL && !Text.contains(u'\r') && !Text.contains(u'\n'))
            return TPoint(metrics->horizontalAdvance(Text), lineHeight);
        String rest = Text;
        int lines = 0, widest = 0;
        do {
            String line = CutFirstLine(rest, multi);
            if (stripURL)
                StripURLScheme(line);
            widest = std::max(widest, int(metrics->horizontalAdvance(line)));
            ++lines;
        } while (!rest.isEmpty());
        return TPoint(widest, lineHeight * lines);
    }

    // As the painter lays out an HTML text without wrapping (the HTML
    // renderer measuring only, on one canvas for the whole pass).
    TPoint HTMLSize(int ADisplCol, int ARealCol, int ARow, const String& Text)
    {
        CellFont(ADisplCol, ARealCol, ARow);
        if (!scratch)
            scratch = std::make_unique<TBitmap>(1, 1);
        TCanvas& cv = scratch->Canvas();
        cv.Font().Assign(font);
        const TPoint o = g.XYOffset();
        THTMLDrawOptions opt;
        opt.MeasureOnly = true;
        opt.WrapWords = !g.EnhTextSize();
        opt.LinkColor = g.URLColor();
        opt.ImageList = g.GetGridImages();
        opt.PictureCache = g.ImageCache();
        const THTMLDrawResult m = DrawHTMLText(cv, Text, TRect(o.X, o.Y, 0xFFFF, 0xFFFF), opt);
        return TPoint(m.LaidOutWidth + 2, m.LaidOutHeight + 2);
    }

    TVynStringGrid& g;
    std::unique_ptr<TBitmap> scratch;
    TFont font, lastFont;
    TBrush brush;
    std::optional<QFontMetrics> metrics;
    int lineHeight = 0;
};

// ---- columns --------------------------------------------------------------------------------------

void TVynStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    CalcAutoColWidth(ACol, FSizeGrowOnly);
    if (Padding != 0)
        SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TVynStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c)
        AutoSizeCol(c, Padding);
}

void TVynStringGrid::CalcAutoColWidth(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int rc = RealColIndex(ACol);
    int first = 0, last = RowCount() - 1;
    switch (FColumnSize->Rows()) {
    case TAutoSizeRows::arAll: break;
    case TAutoSizeRows::arNormal:
        first = FixedRows();
        last = RowCount() - FFixedFooters - 1;
        break;
    case TAutoSizeRows::arFixed: last = FixedRows() - 1; break;
    }
    const bool combos = FControlLook->DropDownAlwaysVisible();
    const bool filters = FFilterDropDownAuto && HasColumnFilter(rc);
    const bool sortColumn = rc == FSortSettings->Column() && FixedRows() > 0 && ACol >= FixedCols();
    const int lw = GridLineWidth();
    TCellSizer sizer(*this);
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(rc, r))
            continue;
        const TPoint graphic = GetCellGraphicLayoutSize(rc, r, 0);
        int w = graphic.X + sizer.TextSize(ACol, rc, r, false).X;
        if (combos && DoHasComboBox(rc, r))
            w += 16;
        if (filters && IsFilterRow(r))
            w += 12;
        if (sortColumn && HasSortIndicator(rc, r))
            w += 10;
        if (const TCellGraphic* g = graphic.X > 0 ? GetCellGraphic(rc, r) : nullptr;
            g && g->CellHAlign() == TCellHAlign::haFull)
            w = graphic.X - (2 * lw + FXYOffset.X + 2);
        widest = std::max(widest, w);
    }
    int width = widest + CellOffsetX() + 2 * lw + 2;
    if (GrowOnly && width <= ColWidths(ACol))
        return;
    UpdateAutoColSize(rc, width);
    SetColWidths(ACol, ClampToLimits(width, FMinColWidth, FMaxColWidth));
}

// ---- rows -----------------------------------------------------------------------------------------

void TVynStringGrid::AutoSizeRow(int ARow, int Padding)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    CalcAutoRowHeight(ARow, FSizeGrowOnly, Padding);
    if (Padding != 0)
        SetRowHeights(ARow, ClampToLimits(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TVynStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() <= 0)
        return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(0, first);
    for (int r = first; r < RowCount(); ++r) {
        if (FWordWrapEx)
            AutoSizeRow(r, Padding);
        else
            SetRowHeightForLines(r, MaxLinesInRow(r), Padding);
        ExportNotification(5, r);
    }
    ExportNotification(2, -1);
    UpdateScrollBarAlways(false);
}

void TVynStringGrid::CalcAutoRowHeight(int ARow, bool GrowOnly, int Extra)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    TCellSizer sizer(*this);
    int tallest = 0;
    for (int dc = 0; dc < ColCount(); ++dc) {
        const int rc = RealColIndex(dc);
        if (IsYMergedCell(rc, ARow) || IsIgnoredColumn(rc))
            continue;
        if (!IsBaseCell(rc, ARow))
            continue;
        int th = sizer.TextSize(dc, rc, ARow, FWordWrapEx).Y;
        int gh = 0;
        if (const TCellGraphic* g = GetCellGraphic(rc, ARow)) {
            gh = GetCellGraphicLayoutSize(rc, ARow, Extra).Y;
            const TCellType kind = g->CellType();
            if (g->CellVAlign() == TCellVAlign::vaFull)
                gh = th != 0 ? 0 : DefaultRowHeight();
            if ((kind == TCellType::ctDataCheckBox || kind == TCellType::ctVirtCheckBox) && gh > 0)
                th = 0;
            if (kind == TCellType::ctCheckBox || kind == TCellType::ctDataCheckBox ||
                kind == TCellType::ctVirtCheckBox || kind == TCellType::ctRadio) {
                tallest = std::max(tallest, DefaultRowHeight());
                continue;
            }
        }
        tallest = std::max(tallest, th + gh);
    }
    const int height = tallest + CellOffsetY() + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
    if (!GrowOnly || RowHeights(ARow) < height)
        SetRowHeights(ARow, ClampToLimits(height, FMinRowHeight, FMaxRowHeight));
}

void TVynStringGrid::SetRowHeightForLines(int ARow, int Lines, int Extra)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    TFont font;
    font.Assign(Font());
    TBrush brush;
    brush.SetColor(Color());
    DoGetCellColor(RealColIndex(FixedCols()), ARow, TGridDrawState{}, &brush, &font);
    const int h = SizeLineHeight ? SizeLineHeight(font) : font.Measure().Height();
    SetRowHeights(ARow, ClampToLimits(Extra + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

// ---- cells ----------------------------------------------------------------------------------------

void TVynStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    struct TUpdateScope {
        TVynStringGrid& G;
        explicit TUpdateScope(TVynStringGrid& AGrid) : G(AGrid) { G.BeginUpdate(); }
        ~TUpdateScope() { G.EndUpdate(); }
    } scope(*this);
    TCellSizer sizer(*this);
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    for (int dc = firstCol; dc < ColCount(); ++dc) {
        const int rc = RealColIndex(dc);
        int running = FSizeGrowOnly ? ColWidths(dc) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const TPoint text = sizer.TextSize(dc, rc, r, false);
            const TPoint graphic = GetCellGraphicLayoutSize(rc, r, 0);
            const int needW = text.X + graphic.X + PaddingX + FXYOffset.X;
            const int needH = text.Y + graphic.Y + PaddingY + FXYOffset.Y;
            if (!IsXMergedCell(rc, r) && needW > running) {
                const int w = ClampToLimits(needW, FMinColWidth, FMaxColWidth);
                if (w > running) {
                    SetColWidths(dc, w);
                    running = w;
                }
            }
            if (!IsYMergedCell(rc, r) && needH > RowHeights(r)) {
                const int h = ClampToLimits(needH, FMinRowHeight, FMaxRowHeight);
                if (h > RowHeights(r))
                    SetRowHeights(r, h);
            }
        }
    }
}

// ---- filling the control and sizing it to its cells --------------------------------------------

void TVynStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const int cols = ColCount();
    if (cols <= 0)
        return;
    const TScrollStyle bars = ScrollBars();
    const bool vertBar = bars == ssVertical || bars == ssBoth;
    const int S = FScrollBarAlways == TScrollBarAlways::saVert ||
                          (vertBar && VisibleRowCount() + FixedRows() < RowCount())
                      ? GetSystemMetrics(SM_CXVSCROLL)
                      : 0;
    const int B = BorderStyle() == bsSingle ? (Flat() ? 2 : 4) : 0;
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? cols - 1 : cols - FFixedRightCols - 1;
    int A = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < first; ++c)
            A -= ColWidths(c);
        for (int c = last + 1; c < cols; ++c)
            A -= ColWidths(c);
    }
    int L = 0;
    if (Options().Contains(goVertLine))
        L = GridLineWidth() * (cols - FixedCols() - FFixedRightCols);
    if (Options().Contains(goFixedVertLine) && DoFixedCells)
        L += FixedCols() + FFixedRightCols;
    if (last < first)
        return;
    const int N = last - first + 1;
    auto fittedSum = [&] {
        int sum = 0;
        for (int c = first; c <= last; ++c)
            sum += ColWidths(c);
        return sum;
    };
    if (cols < 2) {
        SetColWidths(0, Width() - S - 5);
    } else {
        const int T = fittedSum();
        if (T == A - S - B)
            return;
        if (T == 0) {
            // No proportion to keep: equal shares.
            for (int c = first; c <= last; ++c)
                SetColWidths(c, std::max((A - S - B - L) / N, 0));
        } else {
            const double F = double(A - S - B - L) / T;
            double roundSum = 0;
            for (int c = first; c <= last; ++c)
                roundSum += RoundEven(F * ColWidths(c));
            for (int c = first; c <= last; ++c)
                SetColWidths(c, std::max(RoundEven(ColWidths(c) * (roundSum / T)), 0));
        }
    }
    // The rest, grid lines left out, so that columns and lines fill the
    // control exactly.
    int R = A - S - B - L - fittedSum();
    if (N > 1 && R > N) {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, ColWidths(c) + R / N);
        R %= N;
    }
    int widest = first;
    for (int c = first + 1; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    SetColWidths(widest, std::max(ColWidths(widest) + R, 0));
}

void TVynStringGrid::SizeToCols()
{
    int w = 0;
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    SetClientWidth(w);
}

void TVynStringGrid::SizeToRows()
{
    int h = 0;
    for (int r = 0; r < RowCount(); ++r)
        h += RowHeights(r);
    SetClientHeight(h);
}

void TVynStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    try {
        SizeToCols();
        SizeToRows();
    } catch (...) {
        SetScrollBars(bars);
        throw;
    }
    SetScrollBars(bars);
}
