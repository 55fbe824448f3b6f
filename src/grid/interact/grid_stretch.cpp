// Keeping the columns fitted to the grid (stretching), the end of a column
// or row resize by mouse, the owner form's resize, and scrolling by itself
// while something is dragged over the grid's edges.
#include <algorithm>
#include <vector>

#include "grid/core/column_size.h"
#include "grid/core/grid_options.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/interact/grid_rounding.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/timers.h"

namespace {

bool inState(const TComponent& C, TComponentStateItem S) { return C.ComponentState().Contains(S); }

}  // namespace

// ---- stretching ----------------------------------------------------------------------------------

void TVynStringGrid::StretchColumn(int ACol)
{
    // 1.
    if (inState(*this, TComponentStateItem::csLoading) || inState(*this, TComponentStateItem::csDestroying) ||
        Application.Terminated())
        return;
    // 2.
    if (ACol < -1 || ACol >= ColCount())
        throw Exception(QStringLiteral("Stretch column index out of range"));
    if (ACol == -1)
        ACol = ColCount() - 1;
    // 3.
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging || ACol < 0)
        return;
    FIsColChanging = true;
    ColchgFlg = false;
    struct Restore {
        TVynStringGrid& G;
        ~Restore()
        {
            G.ColchgFlg = true;
            G.FIsColChanging = false;
        }
    } restore{*this};
    const int client = ClientWidth();
    if (ColCount() == 1) {
        // 4.
        SetColWidths(ACol, client);
    } else {
        // 5.
        const long long others = ColWidthsSum(0, ColCount()) - ColWidths(ACol);
        if (client > others)
            SetColWidths(ACol, int(client - others - 1));
        else if (LeftCol() == FixedCols())
            SetColWidths(ACol, DefaultColWidth());
    }
    // 6. (the restore above), the footer back at the bottom.
    if (FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->SetAlign(alBottom);
}

void TVynStringGrid::StretchRightColumn() { StretchColumn(ColCount() - 1); }

// ---- size tracking -------------------------------------------------------------------------------

void TVynStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    if (!Parent() || inState(*this, TComponentStateItem::csLoading) ||
        inState(*this, TComponentStateItem::csReading) || Application.Terminated()) {
        TBaseGrid::SizeChanged(OldColCount, OldRowCount);
        return;
    }
    if (FColumnSize->Stretch())
        StretchColumn(FColumnSize->StretchColumn());
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (FIsFlat) {
        FlatShowScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
        SyncFlatVertScrollInfo();
        FlatShowScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
        SyncFlatHorzScrollInfo();
    }
}

void TVynStringGrid::ColWidthsChanged()
{
    // 1.
    if (ColchgFlg && FColumnSize)
        StretchColumn(FColumnSize->StretchColumn());
    // 3.
    TBaseGrid::ColWidthsChanged();
    ColSizeFlg = true;
    if (!FMouseActions)
        return;
    // 4.
    if (ColSized && FMouseActions->AllColumnSize() && Colclickedsize > 0 && Colclicked >= 0 &&
        Colclicked < ColCount()) {
        const double factor = double(ColWidths(Colclicked)) / double(Colclickedsize);
        // All of them in one go: one layout update, one notification (the
        // stretch column fits once, to the scaled widths).
        const int first = std::min(FixedCols(), ColCount());
        std::vector<int> widths = ColWidthsRange(first, ColCount());
        // Every one scaled, then the sized column's own width put back: a
        // loop without a test per column.
        const bool sizedInRange = Colclicked >= first;
        const int sizedWidth = sizedInRange ? widths[size_t(Colclicked - first)] : 0;
        ScaleSizesHalfEven(widths, factor);
        if (sizedInRange)
            widths[size_t(Colclicked - first)] = sizedWidth;
        ColSized = false;
        SetColWidthsRange(first, widths);
        ColSized = true;
    }
    // 5.
    if (ColSized && Colclicked >= 0 && Colclicked < ColCount()) {
        TWeakRef<TVynStringGrid> self(this);
        if (OnEndColumnSize)
            OnEndColumnSize(this, Colclicked);
        if (!self)
            return;
        const int before = ColWidths(Colclicked);
        int w = before;
        UpdateColSize(Colclicked, w);
        if (!self)
            return;
        if (w != before) {
            ColSized = false;
            SetColWidths(Colclicked, w);
        }
    }
    // 6.
    if (ColSized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    // 7.
    if (FEditActive && FEditControl && FEditControl->Visible()) {
        const TRect r = CellRect(Col(), Row());
        FEditControl->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
    // 8.
    ColSized = false;
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    if (FFooterPanel)
        FFooterPanel->Invalidate();
    CellControlsUpdate();
    if (FColumnSize->Stretch() && FScrollProportional)
        UpdateVertProportionalScroll();
}

void TVynStringGrid::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (!FMouseActions)
        return;
    if (Rowsized && FMouseActions->AllRowSize() && Rowclickedsize > 0 && Rowclicked >= 0 &&
        Rowclicked < RowCount()) {
        const double factor = double(RowHeights(Rowclicked)) / double(Rowclickedsize);
        Rowsized = false;
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != Rowclicked)
                SetRowHeights(r, RoundHalfEvenClamped(RowHeights(r) * factor));
        Rowsized = true;
    }
    if (Rowsized) {
        TWeakRef<TVynStringGrid> self(this);
        if (OnEndRowSize)
            OnEndRowSize(this, Rowclicked);
        if (!self)
            return;
        Colclicked = -1;
        Rowclicked = -1;
    }
    Rowsized = false;
    if (HasCheckBox(RealColIndex(Col()), Row()))
        HideEditor();
    CellControlsUpdate();
}

// The owner form's OnResize: the grid grows and shrinks with the form
// (SizeWithForm), the form's own handler runs, the stretch column fits again.
void TVynStringGrid::OwnerFormResize(TObject* Sender)
{
    if (FDesigning || inState(*this, TComponentStateItem::csDestroying))
        return;
    // 1.
    if (auto* form = dynamic_cast<TCustomForm*>(Sender); form && FSizeWithForm) {
        const int w = Width() + form->Width() - FOldSize.X;
        const int h = Height() + form->Height() - FOldSize.Y;
        if (w > 0 && h > 0) {
            SetBounds(Left(), Top(), w, h);
            FOldSize = TPoint(form->Width(), form->Height());
        }
    } else if (auto* f = dynamic_cast<TCustomForm*>(Sender)) {
        FOldSize = TPoint(f->Width(), f->Height());
    }
    // 2. The handler installed before the grid's; what it raises reaches
    // the caller once the grid's own work is done.
    TWeakRef<TVynStringGrid> self(this);
    std::exception_ptr raised;
    if (ResizeAssigned && FOnResize) {
        try {
            FOnResize(Sender);
        } catch (...) {
            raised = std::current_exception();
        }
    }
    // 3.
    if (self)
        StretchColumn(FColumnSize->StretchColumn());
    if (raised)
        std::rethrow_exception(raised);
}

// ---- drag scrolling ------------------------------------------------------------------------------

void TVynStringGrid::StopDragScroll()
{
    if (!FDragTmr)
        return;
    FDragTmr->SetEnabled(false);
    TTimer* t = FDragTmr;
    FDragTmr = nullptr;
    delete t;
}

void TVynStringGrid::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    if (!FDragScrollOptions->Active()) {
        // 1.
        StopDragScroll();
    } else {
        // 2.
        const TDragScrollDirection previous = FDragScrollDirection;
        FDragScrollDirection = {};
        if (State == dsDragLeave) {
            StopDragScroll();
        } else {
            const TDragScrollMargins& m = *FDragScrollOptions->Margins();
            if (Y < m.TopMargin())
                FDragScrollDirection.Include(TDragScrollDir::dsdUp);
            else if (Y > Height() - m.BottomMargin())
                FDragScrollDirection.Include(TDragScrollDir::dsdDown);
            if (X < m.LeftMargin())
                FDragScrollDirection.Include(TDragScrollDir::dsdLeft);
            else if (X > Width() - m.RightMargin())
                FDragScrollDirection.Include(TDragScrollDir::dsdRight);
            const int initial = std::max(0, FDragScrollOptions->Delays()->InitialDelay());
            if (FDragScrollDirection.Empty()) {
                StopDragScroll();
            } else if (!FDragTmr) {
                FDragTmr = new TTimer(this);
                FDragTmr->SetInterval(unsigned(initial));
                FDragTmr->OnTimer = [this](TObject*) { DragScrollTimer(); };
                FDragTmr->SetEnabled(true);
            } else if (previous != FDragScrollDirection) {
                // Re-armed only when the edges change: a pointer moving
                // along one edge keeps scrolling.
                FDragTmr->SetInterval(unsigned(initial));
            }
        }
    }
    // 3.
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

void TVynStringGrid::DragScrollTimer()
{
    // 1.
    if (!FDragScrollOptions->Active()) {
        StopDragScroll();
        return;
    }
    // 2.
    FDragTmr->SetInterval(unsigned(std::max(0, FDragScrollOptions->Delays()->RepeatDelay())));
    TDragScrollDirection d = FDragScrollDirection;
    bool canScroll = true;
    if (OnDragScroll) {
        TWeakRef<TVynStringGrid> self(this);
        OnDragScroll(this, TopRow(), LeftCol(), d, canScroll);
        if (!self)
            return;
    }
    if (!canScroll)
        return;
    // 3.
    if (d.Contains(TDragScrollDir::dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if (d.Contains(TDragScrollDir::dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if (d.Contains(TDragScrollDir::dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if (d.Contains(TDragScrollDir::dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
