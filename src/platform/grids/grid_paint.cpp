// TCustomGrid: painting, invalidation, the frame and the scroll bars with
// their scroll messages.
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

// Auto-repeat of a pressed scroll-bar arrow or page: a tick every 100 ms,
// the first repeat at the fourth.
constexpr unsigned BarRepeatInterval = 100;
constexpr int BarRepeatDelayTicks = 4;

int BarCode(int Part)
{
    switch (Part) {
    case 1: return SB_LINEUP;
    case 2: return SB_PAGEUP;
    case 4: return SB_PAGEDOWN;
    case 5: return SB_LINEDOWN;
    default: return SB_ENDSCROLL;
    }
}

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
    if (!textFont_ || textFont_->Name() != f.Name() || textFont_->Height() != f.Height() ||
        textFont_->Style() != f.Style() || textFont_->Pitch() != f.Pitch() || textFont_->Quality() != f.Quality()) {
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

void TCustomGrid::WMPaint(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (!painter)
        return;
    Perform(WM_NCPAINT, Message.WParam);
    const int bw = BorderWidth();
    const TRect client = ClientRect();
    painter->save();
    painter->translate(bw, bw);
    painter->setClipRect(client.ToQt(), Qt::IntersectClip);
    PaintWindow(painter);
    PaintControls(painter);
    painter->restore();
}

void TCustomGrid::WMEraseBkgnd(TMessage& Message)
{
    auto* painter = reinterpret_cast<QPainter*>(Message.WParam);
    if (painter && Color() != clNone) {
        const TRect c = ClientRect();
        painter->fillRect(QRect(BorderWidth(), BorderWidth(), c.Width(), c.Height()), ToQColor(Color()));
    }
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
    if (vbar_.Shown)
        PaintBar(cv, SB_VERT);
    if (hbar_.Shown)
        PaintBar(cv, SB_HORZ);
    if (vbar_.Shown && hbar_.Shown) {
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
    Perform(WM_ERASEBKGND, intptr_t(&painter));
    Perform(WM_PAINT, intptr_t(&painter));
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
    w->update(r.ToQt().translated(BorderWidth(), BorderWidth()));
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

void TCustomGrid::InvalidateBar(int Bar)
{
    if (Widget())
        Widget()->update(BarRect(Bar).ToQt());
}

// ---- scroll bars --------------------------------------------------------------------------------

void TCustomGrid::UpdateScrollRange()
{
    if (updatingScrollRange_)
        return;
    updatingScrollRange_ = true;
    const bool oldH = hbar_.Shown, oldV = vbar_.Shown;
    const bool wantH = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    const bool wantV = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    // A vertical bar narrows the client area, which may then need a
    // horizontal one, and the other way round.
    hbar_.Shown = vbar_.Shown = false;
    for (int pass = 0; pass < 3; ++pass) {
        vbar_.Shown = wantV && MaxTopRow() > fixedRows_;
        hbar_.Shown = wantH && MaxLeftCol() > fixedCols_;
    }
    for (TScrollBarState* b : {&hbar_, &vbar_}) {
        b->Info.Min = 0;
        b->Info.Max = GRID_SCROLL_MAX;
        b->Info.Page = 0;
    }
    updatingScrollRange_ = false;
    UpdateViewport();
    if (oldH != hbar_.Shown || oldV != vbar_.Shown) {
        Realign();
        if (Widget())
            Widget()->update();
    }
    TWeakRef<TCustomGrid> self(this);
    MoveTopLeft(topLeft_.X, topLeft_.Y);
    if (self)
        UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos()
{
    auto update = [this](TScrollBarState& B, int Bar, int First, int Fixed, int MaxFirst) {
        const int range = ScrollRange(B.Info);
        const int pos =
            MaxFirst > Fixed && range > 0 ? B.Info.Min + MulDiv(First - Fixed, range, MaxFirst - Fixed) : B.Info.Min;
        if (pos != B.Info.Pos) {
            B.Info.Pos = pos;
            InvalidateBar(Bar);
        }
    };
    update(hbar_, SB_HORZ, topLeft_.X, fixedCols_, MaxLeftCol());
    update(vbar_, SB_VERT, topLeft_.Y, fixedRows_, MaxTopRow());
}

void TCustomGrid::GetScrollInfo(int Bar, TScrollInfo& Info) const { Info = (Bar == SB_VERT ? vbar_ : hbar_).Info; }

void TCustomGrid::SetScrollInfo(int Bar, const TScrollInfo& Info)
{
    TScrollBarState& b = Bar == SB_VERT ? vbar_ : hbar_;
    b.Info = Info;
    b.Info.Max = std::max(b.Info.Max, b.Info.Min);
    b.Info.Page = std::max(0, b.Info.Page);
    b.Info.Pos = std::clamp(b.Info.Pos, b.Info.Min, b.Info.Min + std::max(0, ScrollRange(b.Info)));
    InvalidateBar(Bar);
}

int TCustomGrid::GetScrollPos(int Bar) const { return (Bar == SB_VERT ? vbar_ : hbar_).Info.Pos; }

void TCustomGrid::SetScrollPos(int Bar, int Pos)
{
    TScrollInfo i = (Bar == SB_VERT ? vbar_ : hbar_).Info;
    i.Pos = Pos;
    SetScrollInfo(Bar, i);
}

void TCustomGrid::ShowScrollBar(int Bar, bool Show)
{
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (Bar != b && Bar != SB_BOTH)
            continue;
        TScrollBarState& s = b == SB_VERT ? vbar_ : hbar_;
        changed = changed || s.Shown != Show;
        s.Shown = Show;
    }
    if (!changed)
        return;
    UpdateViewport();
    Realign();
    PlaceEditor();
    if (Widget())
        Widget()->update();
}

void TCustomGrid::EnableScrollBar(int Bar, bool Enable)
{
    for (int b : {SB_HORZ, SB_VERT}) {
        if (Bar != b && Bar != SB_BOTH)
            continue;
        (b == SB_VERT ? vbar_ : hbar_).Enabled = Enable;
        InvalidateBar(b);
    }
}

bool TCustomGrid::ScrollBarEnabled(int Bar) const { return (Bar == SB_VERT ? vbar_ : hbar_).Enabled; }

TRect TCustomGrid::BarRect(int Bar) const
{
    const int bw = BorderWidth();
    const TRect c = ClientRect();
    if (Bar == SB_VERT)
        return Bounds(bw + c.Width(), bw, vbar_.Shown ? GetSystemMetrics(SM_CXVSCROLL) : 0, c.Height());
    return Bounds(bw, bw + c.Height(), c.Width(), hbar_.Shown ? GetSystemMetrics(SM_CYHSCROLL) : 0);
}

void TCustomGrid::BarGeometry(int Bar, int& ArrowSize, int& ThumbStart, int& ThumbSize, int UsePos) const
{
    const TScrollBarState& b = Bar == SB_VERT ? vbar_ : hbar_;
    const TRect r = BarRect(Bar);
    const int length = Bar == SB_VERT ? r.Height() : r.Width();
    const int thick = Bar == SB_VERT ? r.Width() : r.Height();
    ArrowSize = std::min(thick, length / 2);
    const int track = length - 2 * ArrowSize;
    const int range = ScrollRange(b.Info);
    ThumbStart = ArrowSize;
    ThumbSize = 0;
    if (!b.Enabled || range <= 0 || track < 8)
        return;
    ThumbSize = b.Info.Page > 0 ? std::max(8, MulDiv(track, b.Info.Page, b.Info.Max - b.Info.Min + 1)) : thick;
    ThumbSize = std::min(ThumbSize, track);
    ThumbStart = ArrowSize + MulDiv(std::clamp(UsePos - b.Info.Min, 0, range), track - ThumbSize, range);
}

TCustomGrid::TBarPart TCustomGrid::BarHit(int Bar, TPoint WindowPos, int* ThumbStart) const
{
    const TRect r = BarRect(Bar);
    if (!r.Contains(WindowPos))
        return TBarPart::None;
    const TScrollBarState& b = Bar == SB_VERT ? vbar_ : hbar_;
    int arrow = 0, start = 0, size = 0;
    BarGeometry(Bar, arrow, start, size, b.Info.Pos);
    if (ThumbStart)
        *ThumbStart = start;
    const int along = Bar == SB_VERT ? WindowPos.Y - r.Top : WindowPos.X - r.Left;
    const int length = Bar == SB_VERT ? r.Height() : r.Width();
    if (along < arrow)
        return TBarPart::LineUp;
    if (along >= length - arrow)
        return TBarPart::LineDown;
    if (size == 0)
        return TBarPart::None;
    if (along < start)
        return TBarPart::PageUp;
    if (along < start + size)
        return TBarPart::Thumb;
    return TBarPart::PageDown;
}

int TCustomGrid::BarPosFromPixel(int Bar, int Pixel) const
{
    const TScrollBarState& b = Bar == SB_VERT ? vbar_ : hbar_;
    const TRect r = BarRect(Bar);
    const int length = Bar == SB_VERT ? r.Height() : r.Width();
    int arrow = 0, start = 0, size = 0;
    BarGeometry(Bar, arrow, start, size, b.Info.Pos);
    const int free = length - 2 * arrow - size;
    const int range = ScrollRange(b.Info);
    if (free <= 0 || range <= 0)
        return b.Info.Min;
    return b.Info.Min + MulDiv(std::clamp(Pixel - arrow, 0, free), range, free);
}

void TCustomGrid::PaintBar(TCanvas& Canvas, int Bar)
{
    const TScrollBarState& b = Bar == SB_VERT ? vbar_ : hbar_;
    const TRect r = BarRect(Bar);
    const bool vert = Bar == SB_VERT;
    const bool tracking = barTrack_.Bar == Bar;
    int arrow = 0, start = 0, size = 0;
    BarGeometry(Bar, arrow, start, size,
                tracking && barTrack_.Part == TBarPart::Thumb ? barTrack_.TrackPos : b.Info.Pos);
    const int length = vert ? r.Height() : r.Width();
    auto part = [&](int From, int To) {
        return vert ? Rect(r.Left, r.Top + From, r.Right, r.Top + To)
                    : Rect(r.Left + From, r.Top, r.Left + To, r.Bottom);
    };
    const bool active = b.Enabled && ScrollRange(b.Info) > 0;
    const unsigned inactive = active ? 0 : DFCS_INACTIVE;
    auto pushed = [&](TBarPart P) { return tracking && barTrack_.Part == P ? DFCS_PUSHED : 0u; };
    DrawFrameControl(Canvas, part(0, arrow), DFC_SCROLL,
                     (vert ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive | pushed(TBarPart::LineUp));
    DrawFrameControl(Canvas, part(length - arrow, length), DFC_SCROLL,
                     (vert ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive | pushed(TBarPart::LineDown));
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(clScrollBar);
    Canvas.FillRect(part(arrow, length - arrow));
    if (size == 0)
        return;
    Canvas.Brush().SetColor(cl3DDkShadow);
    if (tracking && barTrack_.Part == TBarPart::PageUp)
        Canvas.FillRect(part(arrow, start));
    if (tracking && barTrack_.Part == TBarPart::PageDown)
        Canvas.FillRect(part(start + size, length - arrow));
    TRect thumb = part(start, start + size);
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.FillRect(thumb);
    DrawEdge(Canvas, thumb, EDGE_RAISED, BF_RECT);
}

void TCustomGrid::SendScroll(int Bar, int Code, int Pos)
{
    Perform(Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(Code, Pos), 0);
}

void TCustomGrid::BarButtonDown(int Bar, TPoint WindowPos)
{
    TScrollBarState& b = Bar == SB_VERT ? vbar_ : hbar_;
    if (!b.Enabled)
        return;
    int thumbStart = 0;
    const TBarPart part = BarHit(Bar, WindowPos, &thumbStart);
    if (part == TBarPart::None)
        return;
    StopBarTracking();
    barTrack_.Bar = Bar;
    barTrack_.Part = part;
    SetMouseCapture(true);
    if (part == TBarPart::Thumb) {
        const TRect r = BarRect(Bar);
        const int along = Bar == SB_VERT ? WindowPos.Y - r.Top : WindowPos.X - r.Left;
        barTrack_.GrabOffset = along - thumbStart;
        barTrack_.TrackPos = b.Info.Pos;
        b.Info.TrackPos = b.Info.Pos;
    } else {
        TWeakRef<TCustomGrid> self(this);
        SendScroll(Bar, BarCode(int(part)), 0);
        if (!self)
            return;
        barTrack_.Repeat =
            TTimerService::Instance().Start(BarRepeatInterval, [self] {
                if (TCustomGrid* g = self.Get())
                    g->BarRepeat();
            });
    }
    InvalidateBar(Bar);
}

void TCustomGrid::BarRepeat()
{
    if (barTrack_.Bar < 0 || barTrack_.Part == TBarPart::Thumb)
        return;
    if (++barTrack_.Ticks < BarRepeatDelayTicks)
        return;
    const TPoint c = ScreenToClient(GetCursorPos());
    const TPoint p{c.X + BorderWidth(), c.Y + BorderWidth()};
    if (BarHit(barTrack_.Bar, p) == barTrack_.Part)
        SendScroll(barTrack_.Bar, BarCode(int(barTrack_.Part)), 0);
    InvalidateBar(barTrack_.Bar);
}

void TCustomGrid::BarMouseMove(TPoint WindowPos)
{
    if (barTrack_.Part != TBarPart::Thumb)
        return;
    const int bar = barTrack_.Bar;
    const TRect r = BarRect(bar);
    const int along = bar == SB_VERT ? WindowPos.Y - r.Top : WindowPos.X - r.Left;
    const int pos = BarPosFromPixel(bar, along - barTrack_.GrabOffset);
    if (pos == barTrack_.TrackPos)
        return;
    barTrack_.TrackPos = pos;
    (bar == SB_VERT ? vbar_ : hbar_).Info.TrackPos = pos;
    InvalidateBar(bar);
    SendScroll(bar, SB_THUMBTRACK, pos);
}

void TCustomGrid::BarButtonUp()
{
    const TBarTracking t = barTrack_;
    if (barTrack_.Repeat)
        TTimerService::Instance().Stop(barTrack_.Repeat);
    barTrack_.Repeat = 0;
    TWeakRef<TCustomGrid> self(this);
    if (t.Part == TBarPart::Thumb)
        SendScroll(t.Bar, SB_THUMBPOSITION, t.TrackPos);
    if (!self)
        return;
    barTrack_ = TBarTracking();
    SetMouseCapture(false);
    SendScroll(t.Bar, SB_ENDSCROLL, 0);
    if (self)
        InvalidateBar(t.Bar);
}

void TCustomGrid::StopBarTracking()
{
    if (barTrack_.Repeat)
        TTimerService::Instance().Stop(barTrack_.Repeat);
    barTrack_ = TBarTracking();
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
    const TScrollBarState& b = vert ? vbar_ : hbar_;
    const int maxFirst = std::max(a.Fixed, a.MaxFirst());
    const int page = std::max(1, a.LastFullVisible() - a.First + 1);
    auto fromPos = [&](int P) {
        const int range = ScrollRange(b.Info);
        if (range <= 0)
            return a.Fixed;
        return a.Fixed + MulDiv(std::clamp(P - b.Info.Min, 0, range), maxFirst - a.Fixed, range);
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
