// TVynStringGrid: the update lock, the grid timer and its jobs, the paint,
// size, focus, cursor and change messages, the top-left notification and
// the cells-changed notification.
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "grid/core/column_size.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/interact/grid_scope.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/grids/inplace_edit.h"

namespace {

// The program's own cursors (registered by the grid's start).
constexpr TCursor crRowSelect = 8010;
constexpr TCursor crColSelect = 8011;
constexpr TCursor crSelectAll = 8012;
constexpr TCursor crCellSelector = 8014;

}  // namespace

// ---- the update lock ----------------------------------------------------------------------------

void TVynStringGrid::BeginUpdate()
{
    if (++FUpdateCount == 1 && HandleAllocated())
        SetRedraw(false);
}

void TVynStringGrid::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount > 0 || ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    RecalcStaleFooter();
    FSelChange = false;
    if (HandleAllocated()) {
        SetRedraw(true);
        Invalidate();
        PaintBorder();
    }
}

void TVynStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

// ---- the cells-changed notification -------------------------------------------------------------

void TVynStringGrid::CellsChanged(const TRect& R)
{
    // OnCellsChanged, then every notifier, then the footers.
    TRect r = R;
    DoCellsChanged(r);
}

// The platform style service answers "no style": nothing to adopt.
void TVynStringGrid::ApplyPlatformStyle() { FPlatformStyle = false; }

// ---- the grid timer -----------------------------------------------------------------------------

void TVynStringGrid::WMTimer(TMessage& Message)
{
    if (FGridTimerID != 0 && Message.TimerID() == uintptr_t(FGridTimerID)) {
        GridTimerTick();
        return;
    }
    TBaseGrid::WMTimer(Message);
}

void TVynStringGrid::AddSearchChar(QChar Ch)
{
    SearchInc += Ch;
    SearchTics = 0;
}

void TVynStringGrid::IncrementalSearchKey(QChar Key)
{
    if (Options().Contains(goEditing) || !FNavigation->AutoGotoWhenSorted() || Key.isNull())
        return;
    if (FNavigation->AutoGotoIncremental()) {
        if (Key.unicode() == 8)
            SearchInc.chop(1);
        else
            SearchInc += Key;
        SearchTics = 0;
    } else {
        SearchInc = Key;
    }
    const int row = Search(SearchInc.toUpper());
    if (row >= 0 && row < RowCount())
        SetRowEx(row);
    else
        SearchInc.clear();
}

void TVynStringGrid::GridTimerTick()
{
    TWeakRef<TVynStringGrid> self(this);
    // 1.
    ++FTimerTicks;
    // 2. The incremental search is forgotten on the fourth tick.
    if (FNavigation->AutoGotoIncremental()) {
        if (SearchTics++ == 3) {
            SearchInc.clear();
            SearchTics = 0;
        }
    }
    // 3. The current cell follows the pointer.
    if (FHovering && InputState().ControlUnderCursor() == this) {
        const TPoint p = ScreenToClient(GetCursorPos());
        int c = -1, r = -1;
        if (ClientRect().Contains(p))
            MouseToCell(p.X, p.Y, c, r);
        if (c >= FixedCols() && c < ColCount() && r >= FixedRows() && r < RowCount()) {
            if (CanFocus() && !Focused())
                SetFocus();
            if (!self)
                return;
            if (r != Row())
                SetRowEx(r);
            if (self && c != Col())
                SetCol(c);
            if (!self)
                return;
        }
    }
    // 4.
    if (FEnableBlink) {
        FBlinkVisible = !FBlinkVisible;
        BlinkCells();
    }
}

void TVynStringGrid::BlinkCells()
{
    auto blinks = [this](int RealCol, int ARow) {
        return GetGridCell(RealCol, ARow).contains(QLatin1String("<BLI"), Qt::CaseInsensitive);
    };
    const int top = TopRow(), rows = VisibleRowCount(), left = LeftCol(), cols = VisibleColCount();
    const int lastRow = std::min(RowCount() - 1, top + rows - 1);
    // The data cells shown, by real column.
    const int lastReal = std::min(TotalColCount() - 1, RealColIndex(left) + cols + NumHiddenColumns() - 1);
    for (int r = top; r <= lastRow; ++r)
        for (int rc = RealColIndex(left); rc <= lastReal; ++rc)
            if (blinks(rc, r))
                RepaintCell(DisplColIndex(rc), r);
    // The fixed rows over the columns shown, the fixed columns over the rows shown.
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = left; c < std::min(ColCount(), left + cols); ++c)
            if (blinks(RealColIndex(c), r))
                RepaintCell(c, r);
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = top; r <= lastRow; ++r)
            if (blinks(RealColIndex(c), r))
                RepaintCell(c, r);
}

// ---- painting and size --------------------------------------------------------------------------

void TVynStringGrid::WMPaint(TMessage& Message)
{
    if (FUpdateCount >= 1) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WMPaint(Message);
    PaintPanMarker(reinterpret_cast<QPainter*>(Message.WParam));
    if (!TabStop() && FPaintCount == 0) {
        FPaintCount = 1;
        UpdateVertProportionalScroll();
    }
}

void TVynStringGrid::WMEraseBkgnd(TMessage& Message) { Message.Result = 0; }

void TVynStringGrid::WMSize(TMessage& Message)
{
    const int w = int(Message.LParamLo());
    // 1.
    if (FSearchPanel && FSearchPanel->Visible()) {
        FSearchPanel->SetHeight(33);
        FSearchPanel->SetHeight(32);
        FSearchPanel->SetAlign(alBottom);
    }
    // 2.
    if (!FColumnSize) {
        TBaseGrid::WMSize(Message);
        return;
    }
    // The widths taken at FOrigGridWidth follow the grid's width.
    if (FColumnSize->SynchWithGrid() && FOrigGridWidth > 0) {
        HideInplaceEdit();
        const double factor =
            BorderStyle() == bsSingle ? double(w + 2) / FOrigGridWidth : double(w) / FOrigGridWidth;
        const bool normal = FColumnSize->SynchNormalCellsOnly();
        const int from = normal ? FixedCols() : 0, to = normal ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (int c = from; c <= to; ++c)
            if (c < FOrigColSizes->Count())
                SetColWidths(c, int(std::trunc(FOrigColSizes->Items(c) * factor)));
    }
    // 3. Stretching is the column-stretch work's (StretchColumn).
    bool stretched = false;
    if (FColumnSize->Stretch() &&
        (FScrollBarAlways == TScrollBarAlways::saNone || FScrollBarAlways == TScrollBarAlways::saVert)) {
        const int sc = FColumnSize->StretchColumn() == -1 ? ColCount() - 1 : FColumnSize->StretchColumn();
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != sc)
                others += ColWidths(c);
        if (others < Width()) {
            StretchColumn(sc);
            stretched = true;
        }
        if (stretched && FScrollBarAlways == TScrollBarAlways::saNone) {
            TBaseGrid::WMSize(Message);
            return;
        }
    }
    // 4.
    TBaseGrid::WMSize(Message);
    if (FScrollProportional) {
        UpdateHorzProportionalScroll();
        UpdateVertProportionalScroll();
    }
    // 5.
    if (!stretched && !FDisableSize) {
        TValueScope<bool> guard(FDisableSize, true);
        SyncFlatVertScrollInfo();
        SyncFlatHorzScrollInfo();
        FlatShowScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
        FlatShowScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
    }
}

// ---- focus --------------------------------------------------------------------------------------

void TVynStringGrid::WMSetFocus(TMessage& Message)
{
    if (InvokedFocusChange)
        return;
    TWeakRef<TVynStringGrid> self(this);
    TBaseGrid::WMSetFocus(Message);
    if (!self || HasCheckBox(RealColIndex(Col()), Row()))
        return;
    if (FNavigation->AlwaysEdit() && !EditorMode()) {
        const bool fromEditor = InplaceEditor() && Message.WParam != 0 &&
                                TWinControl::FromWidget(reinterpret_cast<const QWidget*>(Message.WParam)) == static_cast<TWinControl*>(TBaseGrid::InplaceEditor());
        const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
        bool canEdit = true;
        DoCanEditCell(RealColIndex(Col()), Row(), canEdit);
        const bool inView = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                            Row() < TopRow() + VisibleRowCount();
        TEditorType kind = FDefaultEditor;
        DoGetEditorType(RealColIndex(Col()), Row(), kind);
        const bool textKind = kind != TEditorType::edDataCheckBox && kind != TEditorType::edNone;
        if (!fromEditor && !moving && canEdit && inView && textKind) {
            ShowInplaceEdit();
            Message.Result = 0;
            return;
        }
    }
    if (self && CellSpan(Col(), Row()) != TPoint(0, 0))
        RepaintCell(Col(), Row());
}

void TVynStringGrid::WMKillFocus(TMessage& Message)
{
    if (FBlockKill) {
        Message.Result = 1;
        return;
    }
    TWeakRef<TVynStringGrid> self(this);
    TBaseGrid::WMKillFocus(Message);
    if (self && CellSpan(Col(), Row()) != TPoint(0, 0))
        RepaintCell(Col(), Row());
}

void TVynStringGrid::DoEnter()
{
    if (FBlockFocus)
        return;
    // The old cell is remembered whatever the steps before it raise.
    TAtExit remember([this] { FOldCellPos = TPoint(Col(), Row()); });
    TBaseGrid::DoEnter();
    if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit())
        SelectCell(Col(), Row());
}

void TVynStringGrid::DoExit()
{
    if (FBlockKill)
        return;
    if (FSelChange && FMouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

// ---- the cursor ---------------------------------------------------------------------------------

void TVynStringGrid::WMSetCursor(TMessage& Message)
{
    const bool sizing = GridState() == gsRowSizing || GridState() == gsColSizing;
    const TPoint p = ScreenToClient(GetCursorPos());
    // 1. 2.
    TCursor chosen = crDefault;
    bool own = false;
    if (FMouseSelectMode != TMouseSelectMode::msNormal && !sizing) {
        switch (FMouseSelectMode) {
        case TMouseSelectMode::msColumn: chosen = crColSelect; own = true; break;
        case TMouseSelectMode::msRow: chosen = crRowSelect; own = true; break;
        case TMouseSelectMode::msAll:
        case TMouseSelectMode::msResize: chosen = crSelectAll; own = true; break;
        default: break;
        }
    } else if (FCellSelectorMode) {
        chosen = crCellSelector;
        own = true;
    }
    if (own) {
        RegisterGridCursors();
        Screen.SetCursor(chosen);
    } else {
        // 3.
        TBaseGrid::WMSetCursor(Message);
        int c = -1, r = -1;
        MouseToCell(p.X, p.Y, c, r);
        if (c >= 0 && r >= 0)
            DoGetCellCursor(RealColIndex(c), r, p.X, p.Y);
    }
    // 4. The split cursors win.
    if (FSizeFixed || FSizingFixed)
        Screen.SetCursor(crHSplit);
    else if (FSizeFixedR || FSizingFixedR)
        Screen.SetCursor(crVSplit);
    Message.Result = 1;
}

// ---- change notifications -----------------------------------------------------------------------

void TVynStringGrid::CMEnabledChanged(TMessage& Message)
{
    TBaseGrid::CMEnabledChanged(Message);
    Invalidate();
}

void TVynStringGrid::CMColorChanged(TMessage& Message)
{
    TBaseGrid::CMColorChanged(Message);
    if (FFloatingFooter && FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->Invalidate();
}

void TVynStringGrid::CMCursorChanged(TMessage& Message)
{
    TBaseGrid::CMCursorChanged(Message);
    if (!Invokedchange)
        FMouseSelectMode = TMouseSelectMode::msNormal;
    Invokedchange = false;
}

void TVynStringGrid::ResetFixedCellHighlight()
{
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    if (FHoverFixedCells != THoverFixedCells::hfNone && (FHoverFixedX != -1 || FHoverFixedY != -1)) {
        const int c = FHoverFixedX, r = FHoverFixedY;
        FHoverFixedX = -1;
        FHoverFixedY = -1;
        RepaintCell(c, r);
    }
}

void TVynStringGrid::SetHoverFixedCell(int ACol, int ARow)
{
    FHoverFixedX = ACol;
    FHoverFixedY = ARow;
}

bool TVynStringGrid::IsHoverFixedCell(int ACol, int ARow) const
{
    switch (FHoverFixedCells) {
    case THoverFixedCells::hfNone: return false;
    case THoverFixedCells::hfAll: return ACol < FixedCols() || ARow < FixedRows();
    case THoverFixedCells::hfFixedRows: return ARow < FixedRows();
    case THoverFixedCells::hfFixedColumns: return ACol < FixedCols();
    }
    return false;
}

// ---- the top-left cell --------------------------------------------------------------------------

void TVynStringGrid::TopLeftChanged()
{
    TWeakRef<TVynStringGrid> self(this);
    // 2.
    TBaseGrid::TopLeftChanged();
    if (!self)
        return;
    // 3.
    const TGridRect s = Selection();
    if (FSelectionRectangle && s.Bottom > s.Top)
        Invalidate();
    // 4. A background that does not scroll with the cells.
    if ((FBackGround->Display() == TBackGroundDisplay::bdTile && !FBackGround->Bitmap()->Empty()) ||
        ((FBackGround->Display() == TBackGroundDisplay::bdGradientHorz ||
          FBackGround->Display() == TBackGroundDisplay::bdGradientVert) &&
         FBackGround->ColorTo() != clNone))
        Invalidate();
    // 6.
    SyncFlatVertScrollInfo();
    SyncFlatHorzScrollInfo();
    UpdateFooter();
    if (FControlList->Count() > 0)
        CellControlsUpdate();
    // 7.
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    // 8.
    if (TVynStringGrid* other = FSyncGrid->Grid(); other && other != this) {
        if (FSyncGrid->ScrollVertical() && other->TopRow() != TopRow())
            other->SetTopRow(TopRow());
        if (FSyncGrid->ScrollHorizontal() && other->LeftCol() != LeftCol() && LeftCol() < other->ColCount())
            other->SetLeftCol(LeftCol());
    }
    // 9.
    if (FScrollControlV)
        FScrollControlV->Invalidate();
    if (FScrollControlH)
        FScrollControlH->Invalidate();
}
