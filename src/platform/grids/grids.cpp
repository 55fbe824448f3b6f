// TCustomGrid: dimensions, position and selection, geometry, window
// messages, the in-place editor. Keys and mouse: grid_input.cpp; painting and
// the scroll bars: grid_paint.cpp; the string grid's cells: grid_strings.cpp.
#include "platform/grids/grids.h"

#include <QWidget>

#include <algorithm>

#include "platform/grids/grid_axis.h"
#include "platform/grids/inplace_edit.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"

namespace {

const QString SIndexOutOfRange = QStringLiteral("Grid index out of range");
const QString SFixedColTooBig = QStringLiteral("Fixed column count must be less than column count");
const QString SFixedRowTooBig = QStringLiteral("Fixed row count must be less than row count");

// Where a cell index ends up when the column (row) at From moves to To.
int MoveAdjust(int Pos, int From, int To)
{
    if (Pos == From)
        return To;
    if (From < To && Pos > From && Pos <= To)
        return Pos - 1;
    if (From > To && Pos >= To && Pos < From)
        return Pos + 1;
    return Pos;
}

template <typename T>
void MoveItem(std::vector<T>& V, int From, int To)
{
    if (From < To)
        std::rotate(V.begin() + From, V.begin() + From + 1, V.begin() + To + 1);
    else if (From > To)
        std::rotate(V.begin() + To, V.begin() + From, V.begin() + From + 1);
}

}  // namespace

// ---- construction -------------------------------------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csAcceptsControls});
    for (TScrollBar** bar : {&hbar_, &vbar_}) {
        auto* b = new TScrollBar(nullptr);
        b->SetName(bar == &vbar_ ? QStringLiteral("VertScrollBar") : QStringLiteral("HorzScrollBar"));
        b->SetKind(bar == &vbar_ ? sbVertical : sbHorizontal);
        b->SetVisible(false);
        b->SetScrollInfo({0, GRID_SCROLL_MAX, 0, 0, 0});
        InsertNonClientControl(b);
        *bar = b;
    }
    colWidths_.Flat().assign(5, defaultColWidth_);
    rowHeights_.Flat().assign(5, defaultRowHeight_);
    tabStops_.assign(5, true);
    colExtent_ = 5;
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 320, 120);
    UpdateScrollRange();
}

TCustomGrid::~TCustomGrid() { KillTimer(this, MoveTimerID); }

void TCustomGrid::CheckIndex(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
}

// ---- dimensions ----------------------------------------------------------------------------------

void TCustomGrid::SetColCount(int Value)
{
    Value = std::max(Value, 1);
    if (fixedCols_ >= Value)
        SetFixedCols(Value - 1);
    if (Value != ColCount())
        ChangeSize(Value, RowCount());
}

void TCustomGrid::SetRowCount(int Value)
{
    Value = std::max(Value, 1);
    if (fixedRows_ >= Value)
        SetFixedRows(Value - 1);
    if (Value != RowCount())
        ChangeSize(ColCount(), Value);
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount)
{
    const int oldCols = ColCount(), oldRows = RowCount();
    TWeakRef<TCustomGrid> self(this);
    // The editor's cell may go: its text is stored while the cell exists.
    if (editCol_ >= NewColCount || editRow_ >= NewRowCount) {
        HideEdit(true);
        editorMode_ = false;
    }
    if (NewRowCount < oldRows)
        DropCells({0, NewRowCount, std::max(colExtent_, oldCols) - 1, oldRows - 1});
    if (!self)
        return;
    colWidths_.resize(size_t(NewColCount), defaultColWidth_);
    tabStops_.resize(size_t(NewColCount), true);
    rowHeights_.resize(size_t(NewRowCount), defaultRowHeight_);
    colExtent_ = std::max(colExtent_, NewColCount);
    ResizeData(NewColCount, NewRowCount);
    auto clampCoord = [&](TGridCoord& C) {
        C.X = std::clamp(C.X, fixedCols_, NewColCount - 1);
        C.Y = std::clamp(C.Y, fixedRows_, NewRowCount - 1);
    };
    clampCoord(current_);
    clampCoord(anchor_);
    LayoutChanged();
    if (!self)
        return;
    SizeChanged(oldCols, oldRows);
}

void TCustomGrid::SetFixedCols(int Value)
{
    if (Value < 0)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (Value >= ColCount())
        throw EInvalidGridOperation(SFixedColTooBig);
    if (Value == fixedCols_)
        return;
    fixedCols_ = Value;
    ResetTopLeft();
}

void TCustomGrid::SetFixedRows(int Value)
{
    if (Value < 0)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (Value >= RowCount())
        throw EInvalidGridOperation(SFixedRowTooBig);
    if (Value == fixedRows_)
        return;
    fixedRows_ = Value;
    ResetTopLeft();
}

void TCustomGrid::ResetTopLeft()
{
    TWeakRef<TCustomGrid> self(this);
    HideEdit(true);
    if (!self)
        return;
    if (!options_.Contains(goAlwaysShowEditor))
        editorMode_ = false;
    const TGridCoord old = topLeft_;
    topLeft_ = {fixedCols_, fixedRows_};
    pastEndTop_ = -1;
    current_ = topLeft_;
    anchor_ = topLeft_;
    UpdateScrollRange();
    Widget()->update();
    if (!self)
        return;
    if (!(old == topLeft_))
        TopLeftChanged();
    if (self && editorMode_)
        UpdateEdit();
}

void TCustomGrid::SetDefaultColWidth(int Value)
{
    Value = std::max(Value, 0);
    defaultColWidth_ = Value;
    std::fill(colWidths_.Flat().begin(), colWidths_.Flat().end(), Value);
    LayoutChanged();
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value)
{
    Value = std::max(Value, 0);
    defaultRowHeight_ = Value;
    std::fill(rowHeights_.Flat().begin(), rowHeights_.Flat().end(), Value);
    LayoutChanged();
    RowHeightsChanged();
}

int TCustomGrid::ColWidths(int Index) const
{
    if (Index < 0 || Index >= ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    return colWidths_[size_t(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value)
{
    if (Index < 0 || Index >= ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    Value = std::max(Value, 0);
    if (colWidths_[size_t(Index)] == Value)
        return;
    colWidths_[size_t(Index)] = Value;
    LayoutChanged();
    ColWidthsChanged();
}

long long TCustomGrid::ColWidthsSum(int From, int To) const
{
    if (From < 0 || To < From || To > ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    long long sum = 0;
    colWidths_.ForEachIn(size_t(From), size_t(To), [&sum](int W) { sum += W; });
    return sum;
}

std::vector<int> TCustomGrid::ColWidthsRange(int From, int To) const
{
    if (From < 0 || To < From || To > ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    std::vector<int> widths(size_t(To - From));
    int* out = widths.data();
    colWidths_.ForEachIn(size_t(From), size_t(To), [&out](int W) { *out++ = W; });
    return widths;
}

void TCustomGrid::SetColWidthsRange(int From, const std::vector<int>& Values)
{
    if (From < 0 || From > ColCount() || Values.size() > size_t(ColCount() - From))
        throw EInvalidGridOperation(SIndexOutOfRange);
    bool changed = false;
    const int* value = Values.data();
    colWidths_.ForEachIn(size_t(From), size_t(From) + Values.size(), [&](int& W) {
        const int v = std::max(*value++, 0);
        changed |= W != v;
        W = v;
    });
    if (!changed)
        return;
    LayoutChanged();
    ColWidthsChanged();
}

int TCustomGrid::RowHeights(int Index) const
{
    if (Index < 0 || Index >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    return rowHeights_[size_t(Index)];
}

void TCustomGrid::SetRowHeights(int Index, int Value)
{
    if (Index < 0 || Index >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    Value = std::max(Value, 0);
    if (rowHeights_[size_t(Index)] == Value)
        return;
    rowHeights_[size_t(Index)] = Value;
    LayoutChanged();
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value)
{
    Value = std::max(Value, 0);
    if (Value == gridLineWidth_)
        return;
    gridLineWidth_ = Value;
    LayoutChanged();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (Value == defaultDrawing_)
        return;
    defaultDrawing_ = Value;
    Widget()->update();
}

void TCustomGrid::SetOptions(TGridOptions Value)
{
    if (Value.Contains(goRowSelect))
        Value.Exclude(goAlwaysShowEditor);
    if (Value == options_)
        return;
    options_ = Value;
    TWeakRef<TCustomGrid> self(this);
    if (!Value.Contains(goEditing) || Value.Contains(goRowSelect)) {
        if (editorMode_)
            HideEditor();
    } else if (Value.Contains(goAlwaysShowEditor) && !editorMode_) {
        ShowEditor();
    }
    if (self)
        LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (Value == fixedColor_)
        return;
    fixedColor_ = Value;
    Widget()->update();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value)
{
    if (Value != bsNone)
        Value = bsSingle;
    if (Value == borderStyle_)
        return;
    borderStyle_ = Value;
    LayoutChanged();
    ClientAreaChanged();
}

void TCustomGrid::SetScrollBarSize(int Value)
{
    Value = std::max(0, Value);
    if (Value == scrollBarSize_)
        return;
    scrollBarSize_ = Value;
    LayoutChanged();
    ClientAreaChanged();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (Value == scrollBars_)
        return;
    scrollBars_ = Value;
    LayoutChanged();
}

bool TCustomGrid::TabStops(int Index) const
{
    if (Index < 0 || Index >= ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    return tabStops_[size_t(Index)];
}

void TCustomGrid::SetTabStops(int Index, bool Value)
{
    if (Index < 0 || Index >= ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    tabStops_[size_t(Index)] = Value;
}

// ---- geometry -----------------------------------------------------------------------------------

int TCustomGrid::BorderWidth() const { return borderStyle_ == bsNone ? 0 : 2; }

TRect TCustomGrid::ClientAreaInWindow() const
{
    const int bw = BorderWidth();
    int w = Width() - 2 * bw, h = Height() - 2 * bw;
    if (vShown_)
        w -= BarThickness(SB_VERT);
    if (hShown_)
        h -= BarThickness(SB_HORZ);
    return Bounds(bw, bw, std::max(0, w), std::max(0, h));
}

int TCustomGrid::ColGap(int ACol) const
{
    if (colWidths_[size_t(ACol)] == 0)
        return 0;
    const bool on = options_.Contains(ACol < fixedCols_ ? goFixedVertLine : goVertLine);
    return on ? gridLineWidth_ : 0;
}

int TCustomGrid::RowGap(int ARow) const
{
    if (rowHeights_[size_t(ARow)] == 0)
        return 0;
    const bool on = options_.Contains(ARow < fixedRows_ ? goFixedHorzLine : goHorzLine);
    return on ? gridLineWidth_ : 0;
}

TCustomGrid::TAxis TCustomGrid::HorzAxis() const
{
    TAxis a;
    a.Sizes = &colWidths_;
    a.Fixed = fixedCols_;
    a.First = topLeft_.X;
    a.FixedGap = options_.Contains(goFixedVertLine) ? gridLineWidth_ : 0;
    a.Gap = options_.Contains(goVertLine) ? gridLineWidth_ : 0;
    a.Extent = ClientWidth();
    return a;
}

TCustomGrid::TAxis TCustomGrid::VertAxis() const
{
    TAxis a;
    a.Sizes = &rowHeights_;
    a.Fixed = fixedRows_;
    a.First = topLeft_.Y;
    a.FixedGap = options_.Contains(goFixedHorzLine) ? gridLineWidth_ : 0;
    a.Gap = options_.Contains(goHorzLine) ? gridLineWidth_ : 0;
    a.Extent = ClientHeight();
    return a;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    int x = 0, y = 0;
    if (!HorzAxis().Start(ACol, x) || !VertAxis().Start(ARow, y))
        return {};
    return Rect(x, y, x + colWidths_[size_t(ACol)], y + rowHeights_[size_t(ARow)]);
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const { return {HorzAxis().At(X), VertAxis().At(Y)}; }

int TCustomGrid::VisibleColCount() const
{
    const TAxis a = HorzAxis();
    return std::max(0, a.LastFullVisible() - a.First + 1);
}

int TCustomGrid::VisibleRowCount() const
{
    const TAxis a = VertAxis();
    return std::max(0, a.LastFullVisible() - a.First + 1);
}

int TCustomGrid::MaxLeftCol() const { return HorzAxis().MaxFirst(); }

int TCustomGrid::MaxTopRow() const { return VertAxis().MaxFirst(); }

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DrawInfo) const
{
    auto fill = [](const TAxis& A, TGridAxisDrawInfo& I) {
        I.FixedLineWidth = A.FixedGap;
        I.EffectiveLineWidth = A.Gap;
        I.FixedBoundary = std::min(A.FixedExtent(), A.Extent);
        I.GridExtent = A.Extent;
        I.GridBoundary = std::min(A.GridBoundary(), A.Extent);
        I.FixedCellCount = A.Fixed;
        I.FirstGridCell = A.First;
        I.GridCellCount = A.Count();
        I.LastFullVisibleCell = A.LastFullVisible();
        int p = A.FixedExtent();
        for (int i = A.First; i <= I.LastFullVisibleCell; ++i)
            p += A.Ext(i);
        I.FullVisBoundary = std::min(p, A.Extent);
    };
    fill(HorzAxis(), DrawInfo.Horz);
    fill(VertAxis(), DrawInfo.Vert);
}

void TCustomGrid::LayoutChanged()
{
    UpdateScrollRange();
    PlaceEditor();
    Widget()->update();
}

// ---- position and selection ---------------------------------------------------------------------

void TCustomGrid::SetCol(int Value)
{
    if (Value != current_.X)
        FocusCell(Value, current_.Y, true);
}

void TCustomGrid::SetRow(int Value)
{
    if (Value != current_.Y)
        FocusCell(current_.X, Value, true);
}

void TCustomGrid::SetLeftCol(int Value) { MoveTopLeft(Value, topLeft_.Y); }

void TCustomGrid::SetTopRow(int Value) { MoveTopLeft(topLeft_.X, Value); }

void TCustomGrid::SetTopRowPastEnd(int Value)
{
    Value = std::min(Value, RowCount() - 1);
    if (Value > MaxTopRow())
        pastEndTop_ = Value;
    MoveTopLeft(topLeft_.X, Value);
}

TGridRect TCustomGrid::Selection() const
{
    TGridRect r = GridRect(current_, anchor_);
    if (options_.Contains(goRowSelect)) {
        r.Left = fixedCols_;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value)
{
    auto clampCoord = [this](TGridCoord C) {
        C.X = std::clamp(C.X, fixedCols_, ColCount() - 1);
        C.Y = std::clamp(C.Y, fixedRows_, RowCount() - 1);
        return C;
    };
    SetCurrentSilently(clampCoord(Value.BottomRight()), clampCoord(Value.TopLeft()));
}

void TCustomGrid::SetCurrentSilently(TGridCoord NewCurrent, TGridCoord NewAnchor)
{
    const TGridRect oldSel = Selection();
    const TGridCoord oldCur = current_;
    if (!(NewCurrent == current_)) {
        TWeakRef<TCustomGrid> self(this);
        HideEdit(true);
        if (!self)
            return;
        if (!options_.Contains(goAlwaysShowEditor))
            editorMode_ = false;
    }
    current_ = NewCurrent;
    anchor_ = NewAnchor;
    InvalidateCell(oldCur.X, oldCur.Y);
    InvalidateCell(current_.X, current_.Y);
    SelectionMoved(oldSel);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel)
{
    const TGridRect sel = Selection();
    if (sel == OldSel)
        return;
    InvalidateGridRect(OldSel);
    InvalidateGridRect(sel);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    CheckIndex(ACol, ARow);
    ACol = std::max(ACol, fixedCols_);
    ARow = std::max(ARow, fixedRows_);
    TWeakRef<TCustomGrid> self(this);
    if (!SelectCell(ACol, ARow) || !self)
        return;
    const TGridCoord cur{ACol, ARow};
    const bool anchorToo = MoveAnchor || !options_.Contains(goRangeSelect);
    SetCurrentSilently(cur, anchorToo ? cur : anchor_);
    if (!self)
        return;
    if (Show)
        ClampInView(current_);
    if (self && editorMode_)
        UpdateEdit();
}

void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor)
{
    if (!options_.Contains(goRangeSelect)) {
        MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    const TGridRect oldSel = Selection();
    anchor_.X = std::clamp(NewAnchor.X, fixedCols_, ColCount() - 1);
    anchor_.Y = std::clamp(NewAnchor.Y, fixedRows_, RowCount() - 1);
    ClampInView(anchor_);
    SelectionMoved(oldSel);
}

void TCustomGrid::ClampInView(const TGridCoord& Coord)
{
    const int left = HorzAxis().FirstToShow(Coord.X, topLeft_.X);
    const int top = VertAxis().FirstToShow(Coord.Y, topLeft_.Y);
    MoveTopLeft(left, top);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    ALeft = std::clamp(ALeft, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
    const int maxTop = MaxTopRow();
    // A start past the last full view holds (SetTopRowPastEnd), never past
    // the last row; from there the view moves only up.
    const int pastEnd = std::min(pastEndTop_, RowCount() - 1);
    ATop = std::clamp(ATop, fixedRows_, std::max({fixedRows_, maxTop, pastEnd}));
    pastEndTop_ = ATop > maxTop ? ATop : -1;
    if (ALeft == topLeft_.X && ATop == topLeft_.Y)
        return;
    topLeft_ = {ALeft, ATop};
    UpdateScrollPos();
    Widget()->update();
    PlaceEditor();
    TopLeftChanged();
}

// ---- moving columns and rows ------------------------------------------------------------------

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    CheckIndex(FromIndex, 0);
    CheckIndex(ToIndex, 0);
    if (FromIndex == ToIndex)
        return;
    TWeakRef<TCustomGrid> self(this);
    HideEdit(true);
    if (!self)
        return;
    MoveItem(colWidths_.Flat(), FromIndex, ToIndex);
    std::vector<bool> stops(tabStops_.begin(), tabStops_.end());
    MoveItem(stops, FromIndex, ToIndex);
    tabStops_ = stops;
    MoveColumnData(FromIndex, ToIndex);
    current_.X = std::max(MoveAdjust(current_.X, FromIndex, ToIndex), fixedCols_);
    anchor_.X = std::max(MoveAdjust(anchor_.X, FromIndex, ToIndex), fixedCols_);
    LayoutChanged();
    ColumnMoved(FromIndex, ToIndex);
    if (self && editorMode_)
        UpdateEdit();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    CheckIndex(0, FromIndex);
    CheckIndex(0, ToIndex);
    if (FromIndex == ToIndex)
        return;
    TWeakRef<TCustomGrid> self(this);
    HideEdit(true);
    if (!self)
        return;
    MoveItem(rowHeights_.Flat(), FromIndex, ToIndex);
    MoveRowData(FromIndex, ToIndex);
    current_.Y = std::max(MoveAdjust(current_.Y, FromIndex, ToIndex), fixedRows_);
    anchor_.Y = std::max(MoveAdjust(anchor_.Y, FromIndex, ToIndex), fixedRows_);
    LayoutChanged();
    RowMoved(FromIndex, ToIndex);
    if (self && editorMode_)
        UpdateEdit();
}

void TCustomGrid::DeleteColumn(int ACol)
{
    CheckIndex(ACol, 0);
    const int last = ColCount() - 1;
    MoveColumn(ACol, last);
    if (last == 0)
        return;
    // The deleted column's cells go, also from the kept columns.
    DropCells({last, 0, last, RowCount() - 1});
    ClearColumnData(last);
    SetColCount(last);
}

void TCustomGrid::DeleteRow(int ARow)
{
    CheckIndex(0, ARow);
    MoveRow(ARow, RowCount() - 1);
    SetRowCount(RowCount() - 1);
}

void TCustomGrid::InsertColumn(int ACol)
{
    if (ACol < 0 || ACol > ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    const int added = ColCount();
    const bool kept = added < colExtent_;
    SetColCount(added + 1);
    if (kept) {
        DropCells({added, 0, added, RowCount() - 1});
        ClearColumnData(added);
    }
    MoveColumn(added, ACol);
}

void TCustomGrid::InsertRow(int ARow)
{
    if (ARow < 0 || ARow > RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    SetRowCount(RowCount() + 1);
    MoveRow(RowCount() - 1, ARow);
}

// ---- notifications ------------------------------------------------------------------------------

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    bool can = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TCustomGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TCustomGrid::ColWidthsChanged() {}

void TCustomGrid::RowHeightsChanged() {}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    (void)OldColCount;
    (void)OldRowCount;
}

// ---- window messages ---------------------------------------------------------------------------

void TCustomGrid::WMTimer(TMessage& Message)
{
    if (Message.TimerID() == MoveTimerID) {
        AutoScrollStep();
        return;
    }
    TCustomControl::WMTimer(Message);
}

void TCustomGrid::WMCancelMode(TMessage& Message)
{
    KillTimer(this, MoveTimerID);
    if (gridState_ != gsNormal) {
        gridState_ = gsNormal;
        InvalidateFeedback();
    }
    TCustomControl::WMCancelMode(Message);
}

void TCustomGrid::WMSetCursor(TMessage& Message)
{
    if (Widget() && Message.WParam == intptr_t(Widget()) && int16_t(Message.LParamLo()) == HTCLIENT) {
        TGridState state = gridState_;
        const TPoint p = ScreenToClient(GetCursorPos());
        if (state == gsNormal && ClientRect().Contains(p)) {
            TGridDrawInfo info;
            int index = 0, pos = 0, ofs = 0;
            CalcSizingState(p.X, p.Y, state, index, pos, ofs, info);
        }
        if (state == gsColSizing || state == gsRowSizing) {
            Widget()->setCursor(CursorToQt(state == gsColSizing ? crHSplit : crVSplit));
            Message.Result = 1;
            return;
        }
    }
    TCustomControl::WMSetCursor(Message);
}

void TCustomGrid::WMSetFocus(TMessage& Message)
{
    TCustomControl::WMSetFocus(Message);
    InvalidateCell(current_.X, current_.Y);
    InvalidateGridRect(Selection());
    const bool fromEditor = editor_ && editor_->Widget() && Message.WParam == intptr_t(editor_->Widget());
    if (!fromEditor && editorMode_)
        UpdateEdit();
}

void TCustomGrid::WMKillFocus(TMessage& Message)
{
    TCustomControl::WMKillFocus(Message);
    InvalidateCell(current_.X, current_.Y);
    InvalidateGridRect(Selection());
}

void TCustomGrid::WMSize(TMessage& Message)
{
    UpdateScrollRange();
    PlaceEditor();
    Widget()->update();
    TCustomControl::WMSize(Message);
}

void TCustomGrid::CMFontChanged(TMessage& Message)
{
    TCustomControl::CMFontChanged(Message);
    Widget()->update();
}

void TCustomGrid::CMColorChanged(TMessage& Message)
{
    TCustomControl::CMColorChanged(Message);
    if (editor_)
        editor_->SetColor(Color());
    Widget()->update();
}

void TCustomGrid::CMEnabledChanged(TMessage& Message)
{
    TCustomControl::CMEnabledChanged(Message);
    Widget()->update();
}

void TCustomGrid::DoEnter() { TCustomControl::DoEnter(); }

void TCustomGrid::DoExit()
{
    TWeakRef<TCustomGrid> self(this);
    TCustomControl::DoExit();
    if (self && !options_.Contains(goAlwaysShowEditor) && editorMode_) {
        editorMode_ = false;
        HideEdit(false);
    }
}

void TCustomGrid::Resize() { TCustomControl::Resize(); }

void TCustomGrid::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollRange();
}

void TCustomGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
}

void TCustomGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomGrid::Loaded()
{
    TCustomControl::Loaded();
    UpdateScrollRange();
}

// ---- scaling ------------------------------------------------------------------------------------

void TCustomGrid::ChangeScale(int M, int D)
{
    if (M == D || D == 0)
        return;
    ScaleControl(M, D);
    ScaleColRowSizes(M, D);
}

void TCustomGrid::ScaleControl(int M, int D)
{
    SetBounds(MulDiv(Left(), M, D), MulDiv(Top(), M, D), MulDiv(Width(), M, D), MulDiv(Height(), M, D));
    if (!ParentFont())
        Font().SetHeight(MulDiv(Font().Height(), M, D));
}

void TCustomGrid::ScaleColRowSizes(int M, int D)
{
    defaultColWidth_ = MulDiv(defaultColWidth_, M, D);
    defaultRowHeight_ = MulDiv(defaultRowHeight_, M, D);
    for (int& w : colWidths_.Flat())
        w = std::max(0, MulDiv(w, M, D));
    for (int& h : rowHeights_.Flat())
        h = std::max(0, MulDiv(h, M, D));
    TWeakRef<TCustomGrid> self(this);
    LayoutChanged();
    ColWidthsChanged();
    if (self)
        RowHeightsChanged();
}

// ---- the in-place editor -----------------------------------------------------------------------

TInplaceEdit* TCustomGrid::InplaceEditor() const { return editor_.Get(); }

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow()
{
    if (!options_.Contains(goEditing) || options_.Contains(goRowSelect) || !editorMode_)
        return false;
    if (ComponentState().Contains(TComponentStateItem::csDesigning) || !HandleAllocated())
        return false;
    if (options_.Contains(goAlwaysShowEditor))
        return true;
    TWinControl* focused = GetFocusedControl();
    return focused == this || (focused && focused == editor_.Get());
}

String TCustomGrid::GetEditText(int ACol, int ARow)
{
    String value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const String& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

String TCustomGrid::GetEditMask(int ACol, int ARow)
{
    String value;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

void TCustomGrid::SetEditorMode(bool Value)
{
    if (Value) {
        ShowEditor();
        if (editor_ && editCol_ >= 0)
            editor_->Deselect();
    } else {
        HideEditor();
    }
}

void TCustomGrid::ShowEditor()
{
    editorMode_ = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor()
{
    editorMode_ = false;
    HideEdit(true);
}

void TCustomGrid::ShowEditorChar(QChar Ch)
{
    TWeakRef<TCustomGrid> self(this);
    ShowEditor();
    if (self && editor_ && editCol_ >= 0)
        PostMessage(editor_.Get(), WM_CHAR, Ch.unicode(), 0);
}

void TCustomGrid::UpdateEdit()
{
    TWeakRef<TCustomGrid> self(this);
    if (!CanEditShow() || !self)
        return;
    if (!editor_) {
        TInplaceEdit* e = CreateEditor();
        if (!self || !e)
            return;
        editor_ = TWeakRef<TInplaceEdit>(e);
        e->SetGrid(this);
        e->SetColor(Color());
        e->SetParent(this);
    }
    if (editCol_ != current_.X || editRow_ != current_.Y) {
        HideEdit(false);
        if (!self || !editor_)
            return;
        editCol_ = current_.X;
        editRow_ = current_.Y;
        editor_->UpdateContents();
        if (!self || !editor_)
            return;
        editor_->SelectAll();
    }
    PlaceEditor();
    if (editor_ && !editor_->Visible())
        editor_->Show();
    if (self && editor_ && Focused() && editor_->CanFocus())
        editor_->SetFocus();
}

void TCustomGrid::PlaceEditor()
{
    if (!editor_ || editCol_ < 0)
        return;
    editor_->Move(CellRect(editCol_, editRow_));
}

void TCustomGrid::HideEdit(bool RestoreFocus)
{
    if (!editor_ || editCol_ < 0)
        return;
    TWeakRef<TCustomGrid> self(this);
    UpdateText();
    if (!self || !editor_)
        return;
    const bool hadFocus = editor_->Focused();
    editCol_ = -1;
    editRow_ = -1;
    if (hadFocus && RestoreFocus && CanFocus())
        SetFocus();
    if (self && editor_)
        editor_->Hide();
}

void TCustomGrid::UpdateText()
{
    if (!editor_ || editCol_ < 0 || inSetEditText_)
        return;
    inSetEditText_ = true;
    struct Reset {
        TWeakRef<TCustomGrid> g;
        ~Reset()
        {
            if (TCustomGrid* p = g.Get())
                p->inSetEditText_ = false;
        }
    } reset{TWeakRef<TCustomGrid>(this)};
    SetEditText(editCol_, editRow_, editor_->EditValue());
}

void TCustomGrid::InvalidateEditor()
{
    if (editor_ && editCol_ >= 0)
        editor_->UpdateContents();
}

void TCustomGrid::EditorCancel()
{
    if (!editor_ || editCol_ < 0) {
        if (!options_.Contains(goAlwaysShowEditor))
            editorMode_ = false;
        return;
    }
    editor_->RestoreOriginal();
    if (options_.Contains(goAlwaysShowEditor)) {
        UpdateText();
        if (editor_)
            editor_->SelectAll();
    } else {
        HideEditor();
    }
}

void TCustomGrid::CellContentChanged(int ACol, int ARow)
{
    InvalidateCell(ACol, ARow);
    if (!inSetEditText_ && ACol == editCol_ && ARow == editRow_)
        InvalidateEditor();
}

void TCustomGrid::ColumnCellsChanged(int FromCol, int ToCol)
{
    Invalidate();
    if (!inSetEditText_ && editRow_ >= 0 && editCol_ >= FromCol && editCol_ <= ToCol)
        InvalidateEditor();
}
