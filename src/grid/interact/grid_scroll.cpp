// TVynStringGrid: the scroll-bar looks (normal, flat, flat with hot arrows,
// the thin metro bars), proportional thumbs, the position hint, live
// scrolling, the cell scroll bar, the search-footer clamps; TScrollControl.
//
// The grid draws its own scroll bars, so the flat looks are settings of
// those bars kept here (mode, colour, thickness) behind the same helpers
// the grid calls for every look; none of them can be missing.
#include <algorithm>
#include <cmath>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"

namespace {

// The flat-bar properties.
constexpr int WSB_PROP_CYHSCROLL = 0x4,
              WSB_PROP_CXVSCROLL = 0x8, WSB_PROP_VSTYLE = 0x100, WSB_PROP_HSTYLE = 0x200,
              WSB_PROP_VBKGCOLOR = 0x400, WSB_PROP_HBKGCOLOR = 0x800;
constexpr int FSB_REGULAR_MODE = 0, FSB_ENCARTA_MODE = 1, FSB_FLAT_MODE = 2;

// The nearest integer, halves to the even neighbour.
int RoundEven(double V) { return int(std::nearbyint(V)); }

bool Includes(TScrollStyle S, bool Vertical)
{
    return S == ssBoth || S == (Vertical ? ssVertical : ssHorizontal);
}

}  // namespace

// ---- property writers ---------------------------------------------------------------------------

void TVynStringGrid::SetScrollType(TScrollType Value)
{
    if (Value != FScrollType) {
        FScrollType = Value;
        if (Value == TScrollType::ssFlat || Value == TScrollType::ssEncarta) {
            InitFlatScrollBars();
            UpdateFlatScrollBars();
        } else {
            DoneFlatScrollBars();
        }
        if (HandleAllocated()) {
            if (Value == TScrollType::ssMetro) {
                CreateScrollControls();
                SetScrollBars(ssNone);
            } else if (FScrollControlV || FScrollControlH) {
                FreeScrollControls();
                SetScrollBars(ssBoth);
            }
        }
    }
    ApplyFlatScrollType();
}

void TVynStringGrid::SetScrollColor(TColor Value)
{
    FScrollColor = Value;
    SetFlatScrollColor(Value);
}

void TVynStringGrid::SetScrollWidth(int Value)
{
    FScrollWidth = Value;
    SetFlatScrollWidth(Value);
}

void TVynStringGrid::SetScrollProportional(bool Value)
{
    FScrollProportional = Value;
    if (Value) {
        UpdateVertProportionalScroll();
        UpdateHorzProportionalScroll();
    } else if (FIsFlat && FScrollType == TScrollType::ssNormal) {
        DoneFlatScrollBars();
        for (int bar : {SB_VERT, SB_HORZ}) {
            TScrollInfo info;
            GetScrollInfo(bar, info);
            info.Page = 0;
            SetScrollInfo(bar, info);
        }
    }
}

// ---- the flat looks -----------------------------------------------------------------------------

void TVynStringGrid::InitFlatScrollBars()
{
    FIsFlat = HandleAllocated();
    // The bars take the grid's look at once (also when the window is made
    // after the look was chosen).
    if (FIsFlat)
        ApplyFlatScrollType();
}

void TVynStringGrid::DoneFlatScrollBars()
{
    FIsFlat = false;
    FFlatMode = FSB_REGULAR_MODE;
    // The bars look as the system's again.
    for (TScrollBar* b : {VertScrollBar(), HorzScrollBar()})
        if (b) {
            b->SetLook(slNormal);
            b->SetTrackColor(clNone);
        }
    SetScrollBarSize(0);
}

void TVynStringGrid::FlatSetScrollProp(int Index, int Value)
{
    if (!FIsFlat)
        return;
    TScrollBar* bars[] = {VertScrollBar(), HorzScrollBar()};
    switch (Index) {
    case WSB_PROP_VSTYLE:
    case WSB_PROP_HSTYLE:
        FFlatMode = Value == FSB_FLAT_MODE ? 1 : Value == FSB_ENCARTA_MODE ? 2 : 0;
        if (TScrollBar* b = bars[Index == WSB_PROP_VSTYLE ? 0 : 1])
            b->SetLook(Value == FSB_FLAT_MODE ? slFlat : Value == FSB_ENCARTA_MODE ? slEncarta : slNormal);
        break;
    case WSB_PROP_VBKGCOLOR:
    case WSB_PROP_HBKGCOLOR:
        if (TScrollBar* b = bars[Index == WSB_PROP_VBKGCOLOR ? 0 : 1])
            b->SetTrackColor(TColor(Value));
        break;
    case WSB_PROP_CXVSCROLL:
    case WSB_PROP_CYHSCROLL:
        // One thickness for both bars.
        SetScrollBarSize(Value);
        break;
    default:
        break;
    }
}

void TVynStringGrid::FlatSetScrollInfo(int Bar, const TScrollInfo& Info)
{
    if (FIsFlat)
        SetScrollInfo(Bar, Info);
}

void TVynStringGrid::FlatShowScrollBar(int Bar, bool Show)
{
    if (!FIsFlat || !Includes(ScrollBars(), Bar == SB_VERT))
        return;
    ShowScrollBar(Bar, Show);
}

void TVynStringGrid::ApplyFlatScrollType()
{
    int mode = FSB_REGULAR_MODE;
    switch (FScrollType) {
    case TScrollType::ssNormal: mode = FSB_REGULAR_MODE; break;
    case TScrollType::ssFlat: mode = FSB_FLAT_MODE; break;
    case TScrollType::ssEncarta: mode = FSB_ENCARTA_MODE; break;
    case TScrollType::ssMetro: return;
    }
    FlatSetScrollProp(WSB_PROP_VSTYLE, mode);
    FlatSetScrollProp(WSB_PROP_HSTYLE, mode);
}

void TVynStringGrid::SetFlatScrollColor(TColor)
{
    if (FScrollColor == clNone)
        return;
    FlatSetScrollProp(WSB_PROP_VBKGCOLOR, int(FScrollColor));
    FlatSetScrollProp(WSB_PROP_HBKGCOLOR, int(FScrollColor));
}

void TVynStringGrid::SetFlatScrollWidth(int)
{
    FlatSetScrollProp(WSB_PROP_CXVSCROLL, FScrollWidth);
    FlatSetScrollProp(WSB_PROP_CYHSCROLL, FScrollWidth);
}

void TVynStringGrid::SyncFlatVertScrollInfo()
{
    // The grid's bars are the flat ones: there is nothing to copy.
    if (!FIsFlat || !Includes(ScrollBars(), true))
        return;
}

void TVynStringGrid::SyncFlatHorzScrollInfo()
{
    if (!FIsFlat || !Includes(ScrollBars(), false))
        return;
}

void TVynStringGrid::UpdateFlatScrollBars()
{
    ApplyFlatScrollType();
    SetFlatScrollColor(FScrollColor);
    SetFlatScrollWidth(FScrollWidth);
    FlatShowScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    SyncFlatVertScrollInfo();
    FlatShowScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
    SyncFlatHorzScrollInfo();
}

// ---- proportional thumbs ------------------------------------------------------------------------

void TVynStringGrid::UpdateVertProportionalScroll()
{
    if (!FScrollProportional || FScrollLock || ComponentState().Contains(TComponentStateItem::csLoading) ||
        VisibleRowCount() + FixedRows() >= RowCount())
        return;
    // 1. 2.
    TScrollInfo info;
    GetScrollInfo(SB_VERT, info);
    const int l = GridLineWidth();
    long long f = l, t = l, d = l;
    for (int r = 0; r < RowCount(); ++r) {
        const int h = l + RowHeights(r);
        if (r < FixedRows()) {
            f += h;
        } else {
            t += h;
            if (r < TopRow())
                d += h;
        }
    }
    if (t == 0)
        return;
    // 3.
    const int height = ClientHeight();
    const float e = float(height - f) / float(t);
    if (!(e < 0.9999f) || e < 0)
        return;
    // 4.
    info.Max = int((e + 127) / (1 - e));
    info.Page = info.Max - 126;
    info.Pos = height < t ? int(double(d) / double(t - height) * 128) : 127;
    info.Min = 0;
    info.Pos = std::clamp(info.Pos, 0, std::max(0, info.Max - std::max(info.Page, 1) + 1));
    // 5.
    SetScrollInfo(SB_VERT, info);
    SyncFlatVertScrollInfo();
}

void TVynStringGrid::UpdateHorzProportionalScroll()
{
    if (!FScrollProportional || FScrollLock || ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    TScrollInfo info;
    GetScrollInfo(SB_HORZ, info);
    const int l = GridLineWidth();
    long long f = l, t = l, d = l, widths = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int w = l + ColWidths(c);
        widths += ColWidths(c);
        if (c < FixedCols()) {
            f += w;
        } else {
            t += w;
            if (c < LeftCol())
                d += w;
        }
    }
    if (t == 0)
        return;
    const int width = ClientWidth();
    const float e = float(width - f) / float(t);
    if (!(e < 0.9999f) || e < 0 || f + t - width < 5)
        return;
    info.Max = int((e + 127) / (1 - e));
    info.Page = info.Max - 126;
    if (width < t)
        info.Pos = int(double(d) / double(t - width) * 128);
    info.Min = 0;
    info.Pos = std::clamp(info.Pos, 0, std::max(0, info.Max - std::max(info.Page, 1) + 1));
    SetScrollInfo(SB_HORZ, info);
    SyncFlatHorzScrollInfo();
    if (FScrollBarAlways != TScrollBarAlways::saHorz && FScrollBarAlways != TScrollBarAlways::saBoth)
        ShowScrollBar(SB_HORZ, widths >= width && Includes(ScrollBars(), false));
}

// ---- the scroll messages ------------------------------------------------------------------------

int TVynStringGrid::ScrollPosToCol(int P) const
{
    return MulDiv(P, ColCount() - VisibleColCount() - FixedCols(), 127) + FixedCols();
}

int TVynStringGrid::ScrollPosToRow(int P) const
{
    return MulDiv(P, RowCount() - VisibleRowCount() - FixedRows(), 127) + FixedRows();
}

THintWindow* TVynStringGrid::ScrollHintWindow() const { return FScrollHintWnd; }

THintWindow* TVynStringGrid::ScrollHint() { return FScrollHintWnd; }

bool TVynStringGrid::ScrollHintOn(bool Vertical) const
{
    TScrollHintType t = FScrollHintType;
    if (t == TScrollHintType::shNone && FScrollHints)
        t = TScrollHintType::shBoth;
    return t == TScrollHintType::shBoth ||
           t == (Vertical ? TScrollHintType::shVertical : TScrollHintType::shHorizontal);
}

void TVynStringGrid::ShowScrollHint(const String& Text)
{
    THintWindow* w = ScrollHint();
    if (!w)
        return;
    w->SetColor(FHintColor);
    const TRect r = w->CalcHintRect(100, Text, nullptr);
    const TPoint p = GetCursorPos();
    w->ActivateHint(TRect(p.X + 10, p.Y, p.X + 10 + r.Width(), p.Y + r.Height()), Text);
    FScrollHintShow = true;
}

void TVynStringGrid::HideScrollHint()
{
    if (THintWindow* w = ScrollHint())
        w->ReleaseHandle();
    FScrollHintShow = false;
}

void TVynStringGrid::WMHScroll(TMessage& Message)
{
    if (Message.LParam != 0) {
        TBaseGrid::WMHScroll(Message);
        return;
    }
    const int code = Message.WParamLo();
    int p = Message.WParamHi();
    TWeakRef<TVynStringGrid> self(this);
    // 1.
    if (ScrollHintOn(false)) {
        if (code == SB_ENDSCROLL) {
            HideScrollHint();
        } else if (code == SB_THUMBTRACK) {
            String text = "Col : " + QString::number(ScrollPosToCol(p));
            if (OnScrollHint)
                OnScrollHint(this, ScrollPosToCol(p), text);
            if (!self)
                return;
            ShowScrollHint(text);
        }
    }
    // 2.
    if (code == SB_THUMBPOSITION && FIsFlat && ColCount() > 0) {
        const int v = RoundEven(VisibleColCount() * 128.0 / ColCount());
        if (v != 128)
            p = RoundEven(p * 127.0 / (128 - v));
    }
    // 3.
    const int c = ScrollPosToCol(p);
    if (code == SB_THUMBTRACK && FScrollSynch)
        SetLeftCol(std::clamp(c, FixedCols(), std::max(FixedCols(), ColCount() - 1)));
    // 5.
    if (FixedCols() == 0 && c >= Col())
        HideInplaceEdit();
    if (!self)
        return;
    // 6.
    Message.WParam = MAKEWPARAM(code, p);
    TBaseGrid::WMHScroll(Message);
    if (!self)
        return;
    // 9.
    SyncFlatHorzScrollInfo();
    SyncFlatVertScrollInfo();
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    if (FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->Invalidate();
}

void TVynStringGrid::WMVScroll(TMessage& Message)
{
    // 2. The cell scroll bar.
    if (Message.LParam != 0) {
        if (FScrollBar && TWinControl::FromWidget(reinterpret_cast<const QWidget*>(Message.LParam)) == FScrollBar)
            CellScrollMessage(Message);
        else
            TBaseGrid::WMVScroll(Message);
        return;
    }
    const int code = Message.WParamLo();
    const int p = Message.WParamHi();
    TWeakRef<TVynStringGrid> self(this);
    // 3.
    if (ScrollHintOn(true)) {
        if (code == SB_ENDSCROLL) {
            HideScrollHint();
        } else if (code == SB_THUMBTRACK) {
            String text = "Row : " + QString::number(ScrollPosToRow(p));
            if (OnScrollHint)
                OnScrollHint(this, ScrollPosToRow(p), text);
            if (!self)
                return;
            ShowScrollHint(text);
        }
    }
    // 4.
    if (code == SB_THUMBTRACK && FScrollSynch)
        SetTopRow(std::clamp(ScrollPosToRow(p), FixedRows(), std::max(FixedRows(), RowCount() - 1)));
    // 6.
    const bool footer = FSearchFooter->Visible();
    if (footer && (code == SB_ENDSCROLL || code == SB_LINEDOWN) && LastRowAboveSearchFooter()) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::WMVScroll(Message);
    if (!self)
        return;
    if (footer && TopRow() == RowCount() - VisibleRowCount()) {
        if (code == SB_LINEUP && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        else if (code == SB_ENDSCROLL || code == SB_LINEDOWN)
            ScrollAboveSearchFooter();
    }
    SyncFlatHorzScrollInfo();
    SyncFlatVertScrollInfo();
    if (self && HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
}

void TVynStringGrid::CellScrollMessage(TMessage& Message)
{
    TScrollBar* bar = FScrollBar;
    const int old = bar->Position();
    bar->Perform(CN_VSCROLL, Message.WParam, Message.LParam);
    int pos = old;
    switch (Message.WParamLo()) {
    case SB_LINEUP: pos = std::max(bar->Min(), old - 10); break;
    case SB_LINEDOWN: pos = std::min(bar->Max(), old + 10); break;
    case SB_PAGEUP: pos = std::max(bar->Min(), old - 100); break;
    case SB_PAGEDOWN: pos = std::min(bar->Max(), old + 100); break;
    case SB_THUMBTRACK: pos = bar->Position(); break;
    default: break;
    }
    bar->SetPosition(pos);
    if (bar->Position() == old)
        return;
    Message.Result = 1;
    SetScrollPosition(FScrollCol, FScrollRow, bar->Position());
    RepaintCell(DisplColIndex(FScrollCol), FScrollRow);
    if (OnScrollCell)
        OnScrollCell(this, FScrollCol, FScrollRow, bar->Position(), bar->Min(), bar->Max());
}

void TVynStringGrid::ShowCellScrollBar(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || !HasScrollBar(ACol, ARow)) {
        if (FScrollBar)
            FScrollBar->SetVisible(false);
        return;
    }
    if (!FScrollBar) {
        FScrollBar = new TScrollBar(this);
        FScrollBar->SetKind(sbVertical);
        FScrollBar->SetSmallChange(0);
        FScrollBar->SetLargeChange(0);
        FScrollBar->SetVisible(false);
        FScrollBar->SetParent(this);
    }
    const bool placed = FScrollCol == ACol && FScrollRow == ARow && FScrollBar->Visible();
    FScrollCol = ACol;
    FScrollRow = ARow;
    const TScrollProp prop = GetScrollProp(ACol, ARow);
    if (prop.PageSize < prop.Range && !placed) {
        const TRect r = CellRect(DisplColIndex(ACol), ARow);
        const int l = GridLineWidth();
        FScrollBar->SetPageSize(0);
        FScrollBar->SetParams(GetScrollPosition(ACol, ARow), 0, prop.Range);
        FScrollBar->SetPageSize(prop.PageSize);
        FScrollBar->SetBounds(r.Right - 17 - l, r.Top + l, 17, r.Height() - 2 * l);
        FScrollBar->SetVisible(true);
    }
}

// ---- the search footer --------------------------------------------------------------------------

bool TVynStringGrid::LastRowAboveSearchFooter()
{
    if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    const TRect r = CellRect(0, RowCount() - 1);
    return !r.IsEmpty() && r.Bottom < ClientHeight() - FSearchPanel->Height() + 2;
}

void TVynStringGrid::ScrollAboveSearchFooter()
{
    if (!FSearchFooter->Visible() || DefaultRowHeight() + FSearchPanel->Height() >= ClientHeight())
        return;
    const int limit = ClientHeight() - FSearchPanel->Height() + 2;
    while (Row() <= RowCount() - 1 && TopRow() < RowCount() - 1) {
        const TRect r = CellRect(0, RowCount() - 1);
        if (!r.IsEmpty() && r.Bottom <= limit)
            break;
        const int top = TopRow();
        SetTopRowPastEnd(top + 1);
        if (TopRow() == top)
            break;
    }
}

// ---- TScrollControl: the thin bars of the metro look --------------------------------------------

TVynStringGrid* TScrollControl::Grid() const { return dynamic_cast<TVynStringGrid*>(Parent()); }

int TScrollControl::TrackOffset() const
{
    TVynStringGrid* g = Grid();
    if (!g)
        return 0;
    int o = 0;
    if (FDirection == sdVertical)
        for (int r = 0; r < g->FixedRows(); ++r)
            o += g->RowHeights(r);
    else
        for (int c = 0; c < g->FixedCols(); ++c)
            o += g->ColWidths(c);
    return o;
}

int TScrollControl::TrackLength() const
{
    TVynStringGrid* g = Grid();
    if (!g)
        return 0;
    int k = TrackOffset();
    if (FDirection == sdVertical) {
        for (int r = std::max(g->FixedRows(), g->RowCount() - g->FixedFooters()); r < g->RowCount(); ++r)
            k += g->RowHeights(r);
        return Height() - k;
    }
    // The right end leaves out the right fixed columns.
    for (int c = std::max(g->FixedCols(), g->ColCount() - g->FixedRightCols()); c < g->ColCount(); ++c)
        k += g->ColWidths(c);
    return Width() - k;
}

bool TScrollControl::GetThumb(int& Start, int& Length) const
{
    TVynStringGrid* g = Grid();
    Start = 0;
    Length = 0;
    if (!g)
        return false;
    const bool v = FDirection == sdVertical;
    const int count = v ? g->RowCount() : g->ColCount();
    const int fixed = v ? g->FixedRows() : g->FixedCols();
    const int first = v ? g->TopRow() : g->LeftCol();
    const int visible = v ? g->VisibleRowCount() : g->VisibleColCount();
    const int k = TrackLength();
    // No data, nothing to scroll, or no track: no thumb.
    if (count - fixed <= 0 || count - fixed <= visible || k <= 0)
        return false;
    const int size = v ? Height() : Width();
    Start = TrackOffset() + RoundEven(double(k) * (first - fixed) / (count - fixed));
    Length = std::max(20, RoundEven(double(k) * visible / count));
    Length = std::min(Length, size);
    if (Start + Length > size)
        Start = size - Length;
    return true;
}

void TScrollControl::SetColor(TColor Value)
{
    if (Value == Color())
        return;
    TCustomControl::SetColor(Value);
    Invalidate();
}

void TScrollControl::WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }

void TScrollControl::Paint()
{
    int start = 0, length = 0;
    if (!GetThumb(start, length))
        return;
    TCanvas& c = Canvas();
    c.Pen().SetColor(Color());
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    if (FDirection == sdVertical)
        c.FillRect(Rect(0, start, FScrollWidth, start + length));
    else
        c.FillRect(Rect(start, 0, start + length, FScrollWidth));
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TVynStringGrid* g = Grid();
    int start = 0, length = 0;
    if (!g || !GetThumb(start, length))
        return;
    const bool v = FDirection == sdVertical;
    const int p = v ? Y : X;
    const int fixed = v ? g->FixedRows() : g->FixedCols();
    const int first = v ? g->TopRow() : g->LeftCol();
    const int visible = v ? g->VisibleRowCount() : g->VisibleColCount();
    const int count = v ? g->RowCount() : g->ColCount();
    auto go = [&](int To) {
        if (v)
            g->SetTopRow(To);
        else
            g->SetLeftCol(To);
    };
    if (p < start) {
        go(std::max(fixed, first - visible));
    } else if (p > start + length) {
        go(std::min(first + visible, count - visible));
    } else {
        FDownOnScroller = true;
        FDownPos = p;
        FDownRow = first;
    }
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    TVynStringGrid* g = Grid();
    if (!FDownOnScroller || !g)
        return;
    const bool v = FDirection == sdVertical;
    const int track = v ? Height() - g->RowHeights(0) : Width() - g->ColWidths(0);
    if (track <= 0)
        return;
    const int count = v ? g->RowCount() : g->ColCount();
    const int fixed = v ? g->FixedRows() : g->FixedCols();
    const int visible = v ? g->VisibleRowCount() : g->VisibleColCount();
    const int n = RoundEven(double((v ? Y : X) - FDownPos) / track * count);
    const int to = std::max(fixed, std::min(n + FDownRow, count - visible));
    if (v)
        g->SetTopRow(to);
    else
        g->SetLeftCol(to);
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
