// TCustomGrid: painting, invalidation, the frame, and the scroll bars (the
// frame's own TScrollBar controls) with their scroll messages.
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <climits>

#include "platform/grids/grid_axis.h"
#include "platform/grids/grids.h"
#include "platform/grids/inplace_edit.h"
#include "platform/gui/input_state.h"

namespace {

// Lines between normal cells and between fixed cells.
constexpr TColor LineColor = clSilver;
constexpr TColor FixedLineColor = clBlack;

int ScrollRange(const TScrollInfo& I) { return I.Max - I.Min - std::max(I.Page - 1, 0); }

}  // namespace

// ---- painting -----------------------------------------------------------------------------------

TRect TCustomGrid::PaintArea() const
{
    const TRect client = ClientRect();
    QPainter* p = const_cast<TCustomGrid*>(this)->Canvas().Painter();
    if (!p)
        return client;
    QRegion r;
    if (QPaintEngine* e = p->paintEngine()) {
        const QRegion sys = e->systemClip();
        if (!sys.isEmpty())
            r = p->deviceTransform().inverted().map(sys);
    }
    if (p->hasClipping())
        r = r.isEmpty() ? p->clipRegion() : r.intersected(p->clipRegion());
    TRect area = r.isEmpty() ? client : TRect::FromQt(r.boundingRect());
    TRect out;
    IntersectRect(out, area, client);
    return out;
}

TGridDrawState TCustomGrid::CellState(int ACol, int ARow) const
{
    TGridDrawState s;
    if (ACol < fixedCols_ || ARow < fixedRows_) {
        s.Include(gdFixed);
        return s;
    }
    const TWinControl* focused = GetFocusedControl();
    const bool hasFocus = focused && (focused == this || focused == editor_.Get());
    if (hasFocus && ACol == current_.X && ARow == current_.Y)
        s.Include(gdFocused);
    if (Selection().Contains(ACol, ARow) &&
        (!s.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect)))
        s.Include(gdSelected);
    return s;
}

void TCustomGrid::Paint()
{
    const TRect area = PaintArea();
    const TAxis h = HorzAxis(), v = VertAxis();
    struct TSpan {
        int Index, Start;
    };
    std::vector<TSpan> cols, rows;
    h.ForEachVisible([&](int i, int p) { cols.push_back({i, p}); });
    v.ForEachVisible([&](int i, int p) { rows.push_back({i, p}); });
    TWeakRef<TCustomGrid> self(this);
    for (const TSpan& r : rows) {
        if (r.Start >= area.Bottom)
            break;
        const int rh = v.Size(r.Index);
        if (r.Start + rh + v.GapOf(r.Index) <= area.Top)
            continue;
        for (const TSpan& c : cols) {
            if (c.Start >= area.Right)
                break;
            const int cw = h.Size(c.Index);
            if (c.Start + cw + h.GapOf(c.Index) <= area.Left)
                continue;
            const TRect cell = Rect(c.Start, r.Start, c.Start + cw, r.Start + rh);
            if (!cell.IsEmpty())
                PaintCell(c.Index, r.Index, cell, CellState(c.Index, r.Index));
            if (!self)
                return;
            PaintGridLines(c.Index, r.Index, cell);
        }
    }
    // The background past the last column and below the last row.
    TCanvas& cv = Canvas();
    cv.Brush().SetStyle(bsSolid);
    cv.Brush().SetColor(Color());
    const int right = h.GridBoundary(), bottom = v.GridBoundary();
    if (right < h.Extent)
        cv.FillRect(Rect(right, 0, h.Extent, v.Extent));
    if (bottom < v.Extent)
        cv.FillRect(Rect(0, bottom, std::min(right, h.Extent), v.Extent));
    PaintFeedback();
}

void TCustomGrid::PaintCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas& cv = Canvas();
    cv.Font().Assign(Font());
    cv.Pen().SetStyle(psSolid);
    cv.Pen().SetMode(pmCopy);
    cv.Pen().SetWidth(1);
    cv.Pen().SetColor(clBlack);
    TColor background = AState.Contains(gdFixed) ? fixedColor_ : Color();
    if (defaultDrawing_ && AState.Contains(gdSelected)) {
        background = clHighlight;
        cv.Font().SetColor(clHighlightText);
    }
    cv.Brush().SetStyle(bsSolid);
    cv.Brush().SetColor(background);
    if (defaultDrawing_)
        cv.FillRect(ARect);
    TWeakRef<TCustomGrid> self(this);
    DrawCell(ACol, ARow, ARect, AState);
    if (!self || !defaultDrawing_)
        return;
    if (AState.Contains(gdFixed)) {
        TRect r = ARect;
        DrawEdge(cv, r, BDR_RAISEDINNER, BF_RECT);
    } else if (AState.Contains(gdFocused) && !options_.Contains(goRowSelect)) {
        cv.Brush().SetStyle(bsSolid);
        cv.Brush().SetColor(background);
        cv.DrawFocusRect(ARect);
    }
}

void TCustomGrid::DrawCellText(const TRect& R, int X, int Y, const String& Text)
{
    if (Text.isEmpty())
        return;
    TCanvas& cv = Canvas();
    QPainter* p = cv.Painter();
    const TFont& f = cv.Font();
    if (!p || f.Orientation() % 3600 != 0) {
        // No painter to reach directly, or rotated text: the canvas does it.
        auto guard = cv.SaveState();
        cv.Brush().SetStyle(bsClear);
        cv.TextRect(R, X, Y, Text);
        return;
    }
    // The font kept is most often a copy of the canvas font (one number to
    // compare); the colour and the angle are not part of the QFont.
    if (!textFont_ || (!(*textFont_ == f) &&
                       (textFont_->Name() != f.Name() || textFont_->Height() != f.Height() ||
                        textFont_->Style() != f.Style() || textFont_->Pitch() != f.Pitch() ||
                        textFont_->Quality() != f.Quality()))) {
        if (!textFont_)
            textFont_ = std::make_unique<TFont>();
        textFont_->Assign(f);
        textQFont_ = f.ToQFont();
        textAscent_ = QFontMetrics(textQFont_).ascent();
    }
    if (p->font() != textQFont_)
        p->setFont(textQFont_);
    p->save();
    p->setClipRect(R.ToQt(), Qt::IntersectClip);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setBackgroundMode(Qt::TransparentMode);
    p->setPen(ToQColor(f.Color()));
    p->drawText(QPoint(X, Y + textAscent_), Text);
    p->restore();
}

void TCustomGrid::PaintGridLines(int ACol, int ARow, const TRect& ARect)
{
    const int gv = ColGap(ACol), gh = RowGap(ARow);
    if (gv == 0 && gh == 0)
        return;
    const bool fixed = ACol < fixedCols_ || ARow < fixedRows_;
    const TColor line = fixed ? FixedLineColor : LineColor;
    const TColor background = fixed ? fixedColor_ : Color();
    TCanvas& cv = Canvas();
    cv.Brush().SetStyle(bsSolid);
    if (gv > 0) {
        cv.Brush().SetColor(options_.Contains(fixed ? goFixedVertLine : goVertLine) ? line : background);
        cv.FillRect(Rect(ARect.Right, ARect.Top, ARect.Right + gv, ARect.Bottom + gh));
    }
    if (gh > 0) {
        cv.Brush().SetColor(options_.Contains(fixed ? goFixedHorzLine : goHorzLine) ? line : background);
        cv.FillRect(Rect(ARect.Left, ARect.Bottom, ARect.Right, ARect.Bottom + gh));
    }
}

// The sizing line and the drop position of a moved column or row, inverted
// over what this paint drew.
void TCustomGrid::PaintFeedback()
{
    TCanvas& cv = Canvas();
    const TRect c = ClientRect();
    auto guard = cv.SaveState();
    cv.Pen().SetStyle(psSolid);
    cv.Pen().SetWidth(1);
    cv.Pen().SetMode(pmNot);
    auto vline = [&](int X) {
        cv.MoveTo(X, 0);
        cv.LineTo(X, c.Bottom);
    };
    auto hline = [&](int Y) {
        cv.MoveTo(0, Y);
        cv.LineTo(c.Right, Y);
    };
    switch (gridState_) {
    case gsColSizing:
        vline(sizingPos_);
        break;
    case gsRowSizing:
        hline(sizingPos_);
        break;
    case gsColMoving:
    case gsRowMoving: {
        if (movePos_ == moveIndex_)
            break;
        const bool cols = gridState_ == gsColMoving;
        const TAxis a = cols ? HorzAxis() : VertAxis();
        int start = 0;
        if (!a.Start(movePos_, start))
            break;
        const int edge = movePos_ > moveIndex_ ? start + a.Size(movePos_) : start;
        for (int d = -1; d <= 1; ++d)
            cols ? vline(edge + d) : hline(edge + d);
        break;
    }
    default:
        break;
    }
}

void TCustomGrid::WMEraseBkgnd(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (painter && Color() != clNone)
        painter->fillRect(ClientRect().ToQt(), ToQColor(Color()));
    Message.Result = 1;
}

void TCustomGrid::WMNCPaint(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (!painter)
        return;
    TCanvas cv;
    cv.SetPainter(painter);
    if (BorderWidth() > 0) {
        TRect r = Rect(0, 0, Width(), Height());
        DrawEdge(cv, r, EDGE_SUNKEN, BF_RECT);
    }
    // The corner between the two bars.
    if (vShown_ && hShown_) {
        const TRect v = BarRect(SB_VERT), h = BarRect(SB_HORZ);
        cv.Brush().SetStyle(bsSolid);
        cv.Brush().SetColor(clBtnFace);
        cv.FillRect(Rect(v.Left, h.Top, v.Right, h.Bottom));
    }
    cv.SetPainter(nullptr);
}

QImage TCustomGrid::PaintToImage()
{
    QImage image(std::max(1, Width()), std::max(1, Height()), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintHandler(&painter);
    for (TScrollBar* bar : {hbar_, vbar_}) {
        if (!bar->Visible())
            continue;
        painter.save();
        painter.translate(bar->Left(), bar->Top());
        painter.setClipRect(QRect(0, 0, bar->Width(), bar->Height()), Qt::IntersectClip);
        bar->PaintHandler(&painter);
        painter.restore();
    }
    return image;
}

void TCustomGrid::PaintTo(TCanvas& ACanvas, int X, int Y)
{
    const QImage image = PaintToImage();
    ACanvas.StretchDrawImage(Bounds(X, Y, image.width(), image.height()), image);
}

void TCustomGrid::PaintCellTo(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect)
{
    CheckIndex(ACol, ARow);
    if (ARect.IsEmpty() || Canvas().Painter())
        return;
    QImage image(ARect.Width(), ARect.Height(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Canvas().SetPainter(&painter);
        PaintCell(ACol, ARow, Rect(0, 0, ARect.Width(), ARect.Height()), CellState(ACol, ARow));
        Canvas().SetPainter(nullptr);
    }
    ACanvas.StretchDrawImage(ARect, image);
}

// ---- invalidation -------------------------------------------------------------------------------

void TCustomGrid::InvalidateRect(const TRect& Rect, bool Erase)
{
    (void)Erase;
    QWidget* w = Widget();
    if (!w || !w->isVisible())
        return;
    TRect r;
    if (!IntersectRect(r, Rect, ClientRect()))
        return;
    InvalidateClientRect(r);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    QWidget* w = Widget();
    if (!w || !w->isVisible() || ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    TRect r = CellRect(ACol, ARow);
    if (r == TRect{})
        return;
    r.Right += ColGap(ACol);
    r.Bottom += RowGap(ARow);
    InvalidateRect(r);
}

void TCustomGrid::InvalidateRow(int ARow)
{
    QWidget* w = Widget();
    int y = 0;
    if (!w || !w->isVisible() || !VertAxis().Start(ARow, y))
        return;
    InvalidateRect(Rect(0, y, ClientWidth(), y + rowHeights_[size_t(ARow)] + RowGap(ARow)));
}

void TCustomGrid::InvalidateCol(int ACol)
{
    QWidget* w = Widget();
    int x = 0;
    if (!w || !w->isVisible() || !HorzAxis().Start(ACol, x))
        return;
    InvalidateRect(Rect(x, 0, x + colWidths_[size_t(ACol)] + ColGap(ACol), ClientHeight()));
}

void TCustomGrid::InvalidateGridRect(const TGridRect& Rect)
{
    QWidget* w = Widget();
    if (!w || !w->isVisible())
        return;
    auto span = [](const TAxis& A, int Lo, int Hi, int& P0, int& P1) {
        P0 = INT_MAX;
        P1 = INT_MIN;
        A.ForEachVisible([&](int i, int p) {
            if (i >= Lo && i <= Hi) {
                P0 = std::min(P0, p);
                P1 = std::max(P1, p + A.Ext(i));
            }
        });
        return P0 <= P1;
    };
    int x0, x1, y0, y1;
    if (span(HorzAxis(), Rect.Left, Rect.Right, x0, x1) && span(VertAxis(), Rect.Top, Rect.Bottom, y0, y1))
        InvalidateRect(::Rect(x0, y0, x1, y1));
}

void TCustomGrid::InvalidateFeedback()
{
    if (Widget())
        Widget()->update();
}

// ---- scroll bars --------------------------------------------------------------------------------

void TCustomGrid::UpdateScrollRange()
{
    if (updatingScrollRange_)
        return;
    updatingScrollRange_ = true;
    const bool oldH = hShown_, oldV = vShown_;
    const bool wantH = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    const bool wantV = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    // A vertical bar narrows the client area, which may then need a
    // horizontal one, and the other way round.
    hShown_ = vShown_ = false;
    for (int pass = 0; pass < 3; ++pass) {
        vShown_ = wantV && MaxTopRow() > fixedRows_;
        hShown_ = wantH && MaxLeftCol() > fixedCols_;
    }
    for (TScrollBar* b : {hbar_, vbar_}) {
        TScrollInfo i = b->ScrollInfo();
        i.Min = 0;
        i.Max = GRID_SCROLL_MAX;
        i.Page = 0;
        b->SetScrollInfo(i);
    }
    updatingScrollRange_ = false;
    PlaceBars();
    if (oldH != hShown_ || oldV != vShown_)
        ClientAreaChanged();
    TWeakRef<TCustomGrid> self(this);
    MoveTopLeft(topLeft_.X, topLeft_.Y);
    if (self)
        UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos()
{
    auto update = [](TScrollBar* B, int First, int Fixed, int MaxFirst) {
        TScrollInfo i = B->ScrollInfo();
        const int range = ScrollRange(i);
        // A view starting past its last full view shows the thumb at the end.
        const int pos = MaxFirst > Fixed && range > 0
                            ? i.Min + std::min(range, MulDiv(First - Fixed, range, MaxFirst - Fixed))
                            : i.Min;
        if (pos != i.Pos) {
            i.Pos = pos;
            B->SetScrollInfo(i);
        }
    };
    update(hbar_, topLeft_.X, fixedCols_, MaxLeftCol());
    update(vbar_, topLeft_.Y, fixedRows_, MaxTopRow());
}

void TCustomGrid::GetScrollInfo(int Bar, TScrollInfo& Info) const { Info = this->Bar(Bar)->ScrollInfo(); }

void TCustomGrid::SetScrollInfo(int Bar, const TScrollInfo& Info) { this->Bar(Bar)->SetScrollInfo(Info); }

int TCustomGrid::GetScrollPos(int Bar) const { return this->Bar(Bar)->ScrollInfo().Pos; }

void TCustomGrid::SetScrollPos(int Bar, int Pos)
{
    TScrollInfo i = this->Bar(Bar)->ScrollInfo();
    i.Pos = Pos;
    SetScrollInfo(Bar, i);
}

void TCustomGrid::ShowScrollBar(int Bar, bool Show)
{
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (Bar != b && Bar != SB_BOTH)
            continue;
        bool& shown = b == SB_VERT ? vShown_ : hShown_;
        changed = changed || shown != Show;
        shown = Show;
    }
    if (!changed)
        return;
    PlaceBars();
    ClientAreaChanged();
    PlaceEditor();
}

void TCustomGrid::EnableScrollBar(int Bar, bool Enable)
{
    for (int b : {SB_HORZ, SB_VERT})
        if (Bar == b || Bar == SB_BOTH)
            this->Bar(b)->SetEnabled(Enable);
}

bool TCustomGrid::ScrollBarEnabled(int Bar) const { return this->Bar(Bar)->Enabled(); }

TRect TCustomGrid::BarRect(int Bar) const
{
    const int bw = BorderWidth();
    const TRect c = ClientRect();
    if (Bar == SB_VERT)
        return Bounds(bw + c.Width(), bw, vShown_ ? BarThickness(SB_VERT) : 0, c.Height());
    return Bounds(bw, bw + c.Height(), c.Width(), hShown_ ? BarThickness(SB_HORZ) : 0);
}

int TCustomGrid::BarThickness(int Bar) const
{
    if (scrollBarSize_ > 0)
        return scrollBarSize_;
    return GetSystemMetrics(Bar == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
}

void TCustomGrid::PlaceBars()
{
    for (int b : {SB_HORZ, SB_VERT}) {
        TScrollBar* bar = this->Bar(b);
        const bool shown = b == SB_VERT ? vShown_ : hShown_;
        if (shown)
            bar->SetBoundsRect(BarRect(b));
        bar->SetVisible(shown);
    }
}

void TCustomGrid::WMHScroll(TMessage& Message)
{
    if (Message.LParam != 0) {
        TCustomControl::WMHScroll(Message);
        return;
    }
    ScrollMessage(SB_HORZ, Message.WParamLo(), Message.WParamHi());
}

void TCustomGrid::WMVScroll(TMessage& Message)
{
    if (Message.LParam != 0) {
        TCustomControl::WMVScroll(Message);
        return;
    }
    ScrollMessage(SB_VERT, Message.WParamLo(), Message.WParamHi());
}

void TCustomGrid::ScrollMessage(int Bar, int Code, int Pos)
{
    const bool vert = Bar == SB_VERT;
    const TAxis a = vert ? VertAxis() : HorzAxis();
    const TScrollInfo& b = this->Bar(Bar)->ScrollInfo();
    const int maxFirst = std::max(a.Fixed, a.MaxFirst());
    const int page = std::max(1, a.LastFullVisible() - a.First + 1);
    auto fromPos = [&](int P) {
        const int range = ScrollRange(b);
        if (range <= 0)
            return a.Fixed;
        return a.Fixed + MulDiv(std::clamp(P - b.Min, 0, range), maxFirst - a.Fixed, range);
    };
    int first = a.First;
    switch (Code) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBPOSITION: first = fromPos(Pos); break;
    case SB_THUMBTRACK:
        if (!options_.Contains(goThumbTracking))
            return;
        first = fromPos(Pos);
        break;
    case SB_TOP: first = a.Fixed; break;
    case SB_BOTTOM: first = maxFirst; break;
    case SB_ENDSCROLL: UpdateScrollPos(); return;
    default: return;
    }
    if (vert)
        MoveTopLeft(topLeft_.X, first);
    else
        MoveTopLeft(first, topLeft_.Y);
}
