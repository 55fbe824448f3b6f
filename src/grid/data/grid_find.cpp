// TVynStringGrid: finding and replacing text, the incremental lookup of the
// grid's typing, and the search footer's actions.
//
// One find engine walks the area row by row or column by column, in both
// directions, and compares each cell with the search text under the case
// rule without making an upper-case copy of the cell.
#include <QStringView>

#include "grid/core/grid_filter_compiled.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_text_match.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_text.h"

namespace {

const QString HiTag = QStringLiteral("hi");
// The search text that finds an empty cell: two double quotes.
const QString EmptyCellText = QStringLiteral("\"\"");
constexpr TColor MissColor = 0x0000FF;

// Text with every occurrence of From in the text between its tags replaced
// by To; tag names and attributes stay as they are.
String ReplaceOutsideTags(const String& Text, const String& From, const String& To, Qt::CaseSensitivity Cs)
{
    String out;
    qsizetype i = 0;
    while (i < Text.size()) {
        qsizetype lt = Text.indexOf(u'<', i);
        if (lt < 0)
            lt = Text.size();
        out += Text.mid(i, lt - i).replace(From, To, Cs);
        if (lt >= Text.size())
            break;
        const qsizetype gt = Text.indexOf(u'>', lt);
        if (gt < 0) {
            // A "<" without a ">" is text.
            out += Text.mid(lt).replace(From, To, Cs);
            break;
        }
        out += Text.mid(lt, gt - lt + 1);
        i = gt + 1;
    }
    return out;
}

}  // namespace

struct TVynStringGrid::TFindExpression {
    String Text;
    bool MatchCase = false;
    TCompiledFilter Filter;
};

// What one find compares and where it looks.
struct TVynStringGrid::TFindScan {
    TFindScan(const String& s, TFindParams P)
        : Text(s), Cs(P.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive),
          MatchCase(P.Contains(fnMatchCase)), Full(P.Contains(fnMatchFull)), Start(P.Contains(fnMatchStart)),
          Regular(P.Contains(fnMatchRegular)), IgnoreHTML(P.Contains(fnIgnoreHTMLTags)),
          HiddenCols(P.Contains(fnIncludeHiddenColumns)), HiddenRows(P.Contains(fnIncludeHiddenRows)),
          EmptyCell(s == EmptyCellText), Contains(s, Cs)
    {
    }
    String Text;
    Qt::CaseSensitivity Cs;
    bool MatchCase, Full, Start, Regular, IgnoreHTML, HiddenCols, HiddenRows, EmptyCell;
    // With Regular: the search text read as a filter expression.
    const TCompiledFilter* Expression = nullptr;
    TTextContainsMatcher Contains;
};

const TCompiledFilter& TVynStringGrid::FindExpression(const String& Text, bool MatchCase)
{
    if (!FFindExpression || FFindExpression->Text != Text || FFindExpression->MatchCase != MatchCase) {
        auto e = std::make_shared<TFindExpression>();
        e->Text = Text;
        e->MatchCase = MatchCase;
        e->Filter.Compile(Text, MatchCase);
        FFindExpression = std::move(e);
    }
    return FFindExpression->Filter;
}

bool TVynStringGrid::MatchFindCell(const TFindScan& Scan, int ACol, int ARow)
{
    const int c = Scan.HiddenCols ? ACol : DisplToRealCol(ACol);
    String t = Scan.HiddenRows ? GetCellsEx(c, ARow) : GetCellEx(c, ARow);
    if (!FFindSkipTag.isEmpty() && t.contains(u'<'))
        t = RemoveTag(t, FFindSkipTag);
    if (Scan.IgnoreHTML && t.contains(u'<'))
        t = HTMLToPlainText(t);
    if (Scan.EmptyCell)
        return t.isEmpty();
    if (Scan.Regular)
        return Scan.Expression->Match(t);
    if (Scan.Text.isEmpty())
        return false;
    if (Scan.Full)
        return t.compare(Scan.Text, Scan.Cs) == 0;
    if (Scan.Start)
        return t.startsWith(Scan.Text, Scan.Cs);
    return Scan.Contains.In(t);
}

bool TVynStringGrid::FindArea(TFindParams Params, TRect& Area)
{
    if (ColCount() == 0 || FixedCols() >= ColCount() || TotalRowCount() == 0 || FixedRows() >= TotalRowCount())
        return false;
    int c0, c1, r0, r1;
    if (Params.Contains(fnIncludeFixed)) {
        c0 = 0;
        c1 = ColCount() - 1;
        r0 = 0;
        r1 = RowCount() - 1;
    } else {
        c0 = FixedCols();
        c1 = ColCount() - FFixedRightCols - 1;
        r0 = FixedRows();
        r1 = RowCount() - FFixedFooters - 1;
    }
    if (Params.Contains(fnSelectedCells)) {
        const TGridRect sel = Selection();
        c0 = sel.Left;
        c1 = sel.Right;
        r0 = sel.Top;
        r1 = sel.Bottom;
    }
    const bool hiddenCols = Params.Contains(fnIncludeHiddenColumns), hiddenRows = Params.Contains(fnIncludeHiddenRows);
    if (hiddenCols)
        c1 += NumHiddenColumns();
    if (hiddenRows)
        r1 += NumHiddenRows();
    // The restrictions narrow the area before the step, so that a step
    // from a cell of the current row (column) leaves it instead of testing
    // the same cell again.
    if (Params.Contains(fnFindInCurrentRow))
        r0 = r1 = hiddenRows ? RealRow() : Row();
    if (Params.Contains(fnFindInPresetRow))
        r0 = r1 = FFindRow;
    if (Params.Contains(fnFindInCurrentCol))
        c0 = c1 = hiddenCols ? RealCol() : Col();
    if (Params.Contains(fnFindInPresetCol))
        c0 = c1 = FFindCol;
    Area = TRect(c0, r0, c1, r1);
    return true;
}

std::vector<char> TVynStringGrid::IgnoredFindColumns(const TRect& Area, bool HiddenCols)
{
    std::vector<char> ignored(size_t(std::max(Area.Right - Area.Left + 1, 0)), 0);
    if (FIgnoreColumns->Count() > 0)
        for (int c = Area.Left; c <= Area.Right; ++c)
            ignored[size_t(c - Area.Left)] = IsIgnoredColumn(HiddenCols ? c : DisplToRealCol(c));
    return ignored;
}

TPoint TVynStringGrid::DoFind(TPoint StartCell, const String& s, TFindParams Params, bool Wide)
{
    TPoint result(-1, -1);
    FFindParams = Params;
    FFindBusy = true;
    (Wide ? FSearchCacheWide : FSearchCache) = Params.Contains(fnMatchCase) ? s : s.toUpper();
    ExportNotification(0, -1);
    auto miss = [&] {
        FFindBusy = false;
        ExportNotification(2, -1);
        return result;
    };
    TRect area;
    if (!FindArea(Params, area))
        return miss();
    TFindScan scan(s, Params);
    if (scan.Regular)
        scan.Expression = &FindExpression(s, scan.MatchCase);
    const int c0 = area.Left, c1 = area.Right, r0 = area.Top, r1 = area.Bottom;

    // Outer and inner dimension: rows and columns row by row, else the
    // other way round.
    const bool byRow = Params.Contains(fnDirectionLeftRight);
    const bool back = Params.Contains(fnBackward);
    const int dir = back ? -1 : 1;
    const int oLo = byRow ? r0 : c0, oHi = byRow ? r1 : c1;
    const int iLo = byRow ? c0 : r0, iHi = byRow ? c1 : r1;
    const int oFirst = back ? oHi : oLo, iFirst = back ? iHi : iLo;
    int o, i;
    if (StartCell.X == -1 && StartCell.Y == -1) {
        o = oFirst;
        i = iFirst;
    } else {
        o = byRow ? StartCell.Y : StartCell.X;
        i = (byRow ? StartCell.X : StartCell.Y) + dir;
        if (back ? i < iLo - 1 : i > iHi + 1) {
            // Past the end of its line: the next line, or the first cell
            // when the line too lies past the area.
            const bool pastArea = back ? o < oLo : o > oHi;
            o = pastArea ? oFirst : o + dir;
            i = iFirst;
        }
    }
    // A start before the area begins with its first cell.
    if (back ? o > oHi : o < oLo) {
        o = oFirst;
        i = iFirst;
    }

    const std::vector<char> ignored = IgnoredFindColumns(area, scan.HiddenCols);

    auto found = [&](int c, int r) {
        result = TPoint(c, r);
        FSearchCell = result;
        if (Params.Contains(fnAutoGoto))
            GotoFoundCell(result, Params);
        ExportNotification(4, -1);
        return result;
    };
    auto test = [&](int c, int r) {
        ExportNotification(1, r);
        return MatchFindCell(scan, c, r);
    };
    auto inRows = [&](int r) { return r >= iLo && r <= iHi; };
    if (back ? i > iHi : i < iLo)
        i = iFirst;

    if (byRow) {
        for (; o >= oLo && o <= oHi; o += dir, i = iFirst)
            for (; i >= iLo && i <= iHi; i += dir)
                if (!ignored[size_t(i - c0)] && test(i, o))
                    return found(i, o);
        return miss();
    }

    // Column by column. The start column's rest first; then the columns
    // that start at their first row are read in bands of rows across all
    // of them (the cells of a row lie together), keeping the column order:
    // a match ends the reading of its own and the later columns, the band
    // goes on for the earlier ones.
    if (o >= oLo && o <= oHi && i != iFirst) {
        if (!ignored[size_t(o - c0)])
            for (; inRows(i); i += dir)
                if (test(o, i))
                    return found(o, i);
        o += dir;
    }
    std::vector<int> cols;
    for (; o >= oLo && o <= oHi; o += dir)
        if (!ignored[size_t(o - c0)])
            cols.push_back(o);
    size_t limit = cols.size(), best = cols.size();
    int bestRow = -1;
    for (int r = iFirst, band = 16; limit > 0 && inRows(r); r += dir * band, band = std::min(band * 2, 1024)) {
        for (int rr = r, n = 0; n < band && inRows(rr); rr += dir, ++n)
            for (size_t k = 0; k < limit; ++k)
                if (test(cols[k], rr)) {
                    best = limit = k;
                    bestRow = rr;
                    break;
                }
    }
    if (best < cols.size())
        return found(cols[best], bestRow);
    return miss();
}

void TVynStringGrid::GotoFoundCell(TPoint Cell, const TFindParams& Params)
{
    int row = Cell.Y;
    if (Params.Contains(fnIncludeHiddenRows)) {
        if (NumHiddenRows() > 0 && IsHiddenRow(row))
            ExpandNodeOfFoundRow(row);
        row = RealToDisplRow(row);
    }
    const int col = Params.Contains(fnIncludeHiddenColumns) ? RealToDisplCol(Cell.X) : Cell.X;
    // A fixed cell or a row still hidden cannot become current.
    if (row < FixedRows() || row >= RowCount())
        return;
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(row) : row, true);
        SetRow(row);
    } else if (col >= FixedCols() && col < ColCount()) {
        MoveColRow(col, row, true, true);
    }
}

void TVynStringGrid::ExpandNodeOfFoundRow(int ARealRow)
{
    // A contracted node hides the rows between its own row and the next row
    // shown: the row shown above the found one is its node. Nodes inside
    // nodes take one round each.
    for (const TGridItem* item = FindGridItem(ARealRow); item && item->HiddenBy() == THiddenBy::hbNode;
         item = FindGridItem(ARealRow)) {
        const int node = RealToDisplRow(ARealRow) - 1;
        if (node < FixedRows() || !GetNodeState(node))
            return;
        ExpandNode(DisplToRealRow(node));
        if (GetNodeState(node))
            return;
    }
}

TPoint TVynStringGrid::Find(TPoint StartCell, const String& s, TFindParams FindParams)
{
    const TPoint found = DoFind(StartCell, s, FindParams, false);
    // The found row kept clear of the floating footer.
    if (FindParams.Contains(fnAutoGoto) && found.X >= 0) {
        const int m = FFloatingFooter->Visible() ? 2 : 0;
        if (Row() > TopRow() + VisibleRowCount() - m - 2 && VisibleRowCount() + FixedRows() + m < RowCount())
            SetTopRow(TopRow() + m + 1);
    }
    return found;
}

TPoint TVynStringGrid::FindWide(TPoint StartCell, const String& s, TFindParams FindParams)
{
    return DoFind(StartCell, s, FindParams, true);
}

TPoint TVynStringGrid::FindFirst(const String& s, TFindParams FindParams)
{
    FSearchCell = Find(TPoint(-1, -1), s, FindParams);
    return FSearchCell;
}

TPoint TVynStringGrid::FindNext()
{
    FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
    return FSearchCell;
}

int TVynStringGrid::Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams)
{
    const Qt::CaseSensitivity cs = FindParams.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool hiddenCols = FindParams.Contains(fnIncludeHiddenColumns);
    const bool hiddenRows = FindParams.Contains(fnIncludeHiddenRows);
    const bool html = FindParams.Contains(fnIgnoreHTMLTags);
    int changed = 0;
    auto replaceIn = [&](TPoint p) {
        const int c = hiddenCols ? p.X : DisplToRealCol(p.X);
        const String t = hiddenRows ? GetCellsEx(c, p.Y) : GetCellEx(c, p.Y);
        String n = t;
        if (html)
            n = ReplaceOutsideTags(t, OrigStr, NewStr, cs);
        else
            n.replace(OrigStr, NewStr, cs);
        if (n == t)
            return;
        if (hiddenRows)
            SetCellsEx(c, p.Y, n);
        else
            SetCellEx(c, p.Y, n);
        ++changed;
        if (FShowModified->Enabled())
            SetRowModified(hiddenRows ? p.Y : DisplToRealRow(p.Y), true);
    };
    if (FindParams.Contains(fnAutoGoto)) {
        // Each find makes its cell current.
        for (TPoint p = Find(TPoint(-1, -1), OrigStr, FindParams); p.X >= 0; p = Find(p, OrigStr, FindParams))
            replaceIn(p);
        return changed;
    }
    // A chain of finds from the first cell visits every match of the area
    // once, and a replacement changes no other cell (nor the area): one
    // pass over the area, row by row, reaches the same cells.
    FFindParams = FindParams;
    FSearchCache = FindParams.Contains(fnMatchCase) ? OrigStr : OrigStr.toUpper();
    ExportNotification(0, -1);
    TRect area;
    if (FindArea(FindParams, area)) {
        TFindScan scan(OrigStr, FindParams);
        if (scan.Regular)
            scan.Expression = &FindExpression(OrigStr, scan.MatchCase);
        const std::vector<char> ignored = IgnoredFindColumns(area, hiddenCols);
        for (int r = area.Top; r <= area.Bottom; ++r)
            for (int c = area.Left; c <= area.Right; ++c) {
                if (ignored[size_t(c - area.Left)])
                    continue;
                ExportNotification(1, r);
                if (MatchFindCell(scan, c, r)) {
                    FSearchCell = TPoint(c, r);
                    replaceIn(FSearchCell);
                }
            }
    }
    FFindBusy = false;
    ExportNotification(changed > 0 ? 4 : 2, -1);
    return changed;
}

// ---- the incremental lookup of the grid's typing ----------------------------------------------

int TVynStringGrid::Search(const String& Text)
{
    if (RowCount() < 2)
        return -1;
    int col = FixedCols();
    if (FSortSettings->Show() && FSortSettings->IndexShow()) {
        if (FSortIndexes->Count() > 0)
            col = FSortIndexes->SortColumns(0);
    } else if (FSortSettings->Show()) {
        col = FSortSettings->Column();
    }
    if (col < 0)
        return -1;
    const int c = DisplToRealCol(col);
    const qsizetype n = Text.size();
    for (int r = FixedRows(); r < RowCount(); ++r) {
        String t = GetCellEx(c, r);
        if (t.contains(u'<'))
            t = HTMLToPlainText(t);
        if (t.size() >= n && QStringView(t).left(n).toString().toUpper() == Text)
            return r;
    }
    return -1;
}

// ---- the search footer's actions --------------------------------------------------------------

TVynStringGrid::TFindParams TVynStringGrid::SearchBarParams(bool Backward, bool EditChange)
{
    const TSearchFooter& sf = *FSearchFooter;
    TFindParams p{fnAutoGoto};
    if (Backward)
        p.Include(fnBackward);
    if (FSearchBarLink && FSearchBarLink->HighlightDown())
        p.Include(fnIgnoreHTMLTags);
    if (FSearchBarLink && FSearchBarLink->MatchCaseChecked())
        p.Include(fnMatchCase);
    if (sf.SearchActiveColumnOnly())
        p.Include(fnFindInCurrentCol);
    if (sf.SearchMatchStart())
        p.Include(fnMatchStart);
    if (EditChange && sf.SearchFixedCells())
        p.Include(fnIncludeFixed);
    if (EditChange && sf.SearchHiddenRows())
        p.Include(fnIncludeHiddenRows);
    if (sf.SearchDirection() == TSearchDirection::sdLeftRight)
        p.Include(fnDirectionLeftRight);
    if (sf.SearchColumn() >= 0 && sf.SearchColumn() < ColCount()) {
        FFindCol = sf.SearchColumn();
        p.Include(fnFindInPresetCol);
    }
    return p;
}

TRect TVynStringGrid::SearchBarHighlightRect()
{
    const int col = FSearchFooter->SearchColumn();
    const int top = FixedRows(), bottom = RowCount() - FFixedFooters - 1;
    if (col >= 0 && col < ColCount())
        return TRect(col, top, col, bottom);
    return TRect(FixedCols(), top, ColCount() + NumHiddenColumns() - FFixedRightCols - 1, bottom);
}

void TVynStringGrid::SearchEditChange(TObject*)
{
    const String value = FSearchBarLink ? FSearchBarLink->SearchText() : String();
    bool defaultSearch = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, value, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch())
        return;
    const TFindParams params = SearchBarParams(false, true);
    FFindParams = params;
    const bool down = FSearchBarLink && FSearchBarLink->HighlightDown();
    const bool highlight = down || FSearchFooter->AlwaysHighLight();
    const bool matchCase = params.Contains(fnMatchCase);
    if (value.isEmpty()) {
        if (FSearchBarLink)
            FSearchBarLink->SetEditColor(clWindow);
        if (highlight)
            RehilightInRect(String(), HiTag, SearchBarHighlightRect(), matchCase);
        FSearchBarHighlighted = false;
        return;
    }
    // The find does not see the old highlight, which the same pass that
    // puts the new one in takes out.
    TPoint found;
    {
        struct TSkip {
            String& Tag;
            ~TSkip() { Tag.clear(); }
        } skip{FFindSkipTag};
        if (highlight)
            FFindSkipTag = HiTag;
        found = Find(TPoint(-1, -1), value, params);
    }
    FSearchCell = found;
    DoSearchFooterAction(value, found.X, found.Y, TSearchAction::saFindFirst);
    const bool hit = found.X >= 0;
    if (FSearchBarLink)
        FSearchBarLink->SetEditColor(hit ? clWindow : MissColor);
    if (hit)
        ScrollInView(Col(), Row());
    if (highlight) {
        RehilightInRect(hit ? value : String(), HiTag, SearchBarHighlightRect(), matchCase);
        FSearchBarHighlighted = hit;
    }
}

void TVynStringGrid::SearchBarFind(bool Backward)
{
    const String text = FSearchBarLink ? FSearchBarLink->SearchText() : String();
    if (!FSearchFooter->AutoSearch()) {
        if (text != FSearchFooter->LastSearch())
            FSearchCell = TPoint(-1, -1);
        FSearchFooter->SetLastSearch(text);
    }
    FSearchCell = Find(FSearchCell, text, SearchBarParams(Backward, false));
    // A current row near the bottom scrolls up by two rows: after the scroll
    // into view going forward, before it going back.
    auto stepTopRow = [this] {
        const bool footer = FFloatingFooter->Visible();
        if (Row() > TopRow() + VisibleRowCount() - (footer ? 3 : 2) &&
            RowCount() > VisibleRowCount() + FixedRows() + (footer ? 1 : 0))
            SetTopRow(TopRow() + 2);
    };
    if (Backward)
        stepTopRow();
    if (FSearchCell.X >= 0)
        ScrollInView(Col(), Row());
    if (!Backward)
        stepTopRow();
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y,
                         Backward ? TSearchAction::saFindPrevious : TSearchAction::saFindNext);
    if (FSearchBarLink)
        FSearchBarLink->RepaintBar();
}

void TVynStringGrid::SearchFindNext(TObject*) { SearchBarFind(false); }
void TVynStringGrid::SearchFindPrevious(TObject*) { SearchBarFind(true); }

void TVynStringGrid::SearchFooterCloseClick(TObject*)
{
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    // The bar's highlight goes with the bar.
    if (FSearchBarHighlighted) {
        RehilightInRect(String(), HiTag, SearchBarHighlightRect(), false);
        FSearchBarHighlighted = false;
    }
    FSearchFooter->SetVisible(false);
}

void TVynStringGrid::SearchHighlightClick(TObject*)
{
    const String text = FSearchBarLink ? FSearchBarLink->SearchText() : String();
    const bool down = FSearchBarLink && FSearchBarLink->HighlightDown();
    const bool matchCase = FSearchBarLink && FSearchBarLink->MatchCaseChecked();
    RehilightInRect(down ? text : String(), HiTag, SearchBarHighlightRect(), matchCase);
    FSearchBarHighlighted = down && !text.isEmpty();
}
