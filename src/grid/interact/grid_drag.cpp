// TVynStringGrid: dragging the selected cells or a column out of the grid.
// A press on a selected cell waits (FSelectionClick); a move of more than 3
// pixels with the button still down starts the drag; a release before that
// selects the cell. After a drop that moved the data, the dragged cells go:
// in a drop on this grid itself the drop and the removal are one move, so
// the cells the drop covered keep the dropped data and removed rows are the
// dragged rows wherever the drop moved them.
#include <algorithm>
#include <memory>

#include <QMimeData>

#include "grid/core/no_active_form.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_drag_button.h"
#include "grid/interact/grid_scope.h"
#include "grid/io/grid_io_holders.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/drag_source.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/input_state.h"

namespace {

bool InRect(const TGridRect& S, int C, int R) { return C >= S.Left && C <= S.Right && R >= S.Top && R <= S.Bottom; }

}  // namespace

void TVynStringGrid::OleColumnDragStart(int ACol, int AIndex, TCustomListBox* AList)
{
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

// ---- the data handed over ----------------------------------------------------------------------

TDragSourceResult TVynStringGrid::OleDragText(const String& Text, const String& CellText, bool WithCells)
{
    (void)CellText;
    (void)WithCells;
    auto data = std::make_unique<QMimeData>();
    data->setText(Text);
    return DoDragDrop(this, std::move(data), DROPEFFECT_COPY | DROPEFFECT_MOVE,
                      [this](TPoint P) { DragFeedback(P); });
}

TDragSourceResult TVynStringGrid::OleDragColumn(int ACol)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("application/x-vyn-grid-column"), QByteArray::number(ACol));
    return DoDragDrop(this, std::move(data), DROPEFFECT_COPY | DROPEFFECT_MOVE,
                      [this](TPoint P) { DragFeedback(P); });
}

void TVynStringGrid::DragFeedback(TPoint ScreenPos)
{
    if (FDragDropSettings->ShowCells()) {
        if (MoveForm)
            MoveForm->SetBounds(ScreenPos.X + 4, ScreenPos.Y + 4, MoveForm->Width(), MoveForm->Height());
    } else if (FMoveButton) {
        FMoveButton->SetBounds(ScreenPos.X, ScreenPos.Y - FMoveButton->Height(), FMoveButton->Width(),
                               FMoveButton->Height());
    }
}

// ---- the floating picture ---------------------------------------------------------------------

TNoActiveForm* TVynStringGrid::CellsToForm(const TRect& ARect)
{
    // The cells shown between ARect's corners, each painted as it is.
    const int l = std::max(ARect.Left, 0), r = std::min(ARect.Right, ColCount() - 1);
    const int t = std::max(ARect.Top, 0), b = std::min(ARect.Bottom, RowCount() - 1);
    std::vector<int> xs, ys;
    int w = 0, h = 0;
    for (int c = l; c <= r; ++c) {
        xs.push_back(w);
        w += ColWidths(c);
    }
    for (int rr = t; rr <= b; ++rr) {
        ys.push_back(h);
        h += RowHeights(rr);
    }
    w = std::max(w, 1);
    h = std::max(h, 1);
    auto bmp = std::make_unique<TBitmap>(w, h);
    TCanvas& C = bmp->Canvas();
    C.Brush().SetColor(clWhite);
    C.FillRect(TRect(0, 0, w, h));
    for (int rr = t; rr <= b; ++rr)
        for (int c = l; c <= r; ++c) {
            const int x = xs[size_t(c - l)], y = ys[size_t(rr - t)];
            PaintCellTo(C, c, rr, TRect(x, y, x + ColWidths(c), y + RowHeights(rr)));
        }
    auto* form = new TNoActiveForm(this);
    form->SetBorderStyle(bsNone);
    form->SetBounds(form->Left(), form->Top(), w, h);
    form->SetStayOnTop(true);
    auto* img = new TImage(form);
    img->SetParent(form);
    img->SetAlign(alClient);
    img->Picture().SetGraphic(bmp.get());
    form->SetAlphaBlend(true);
    form->SetAlphaBlendValue(192);
    return form;
}

void TVynStringGrid::FreeFloatingPicture()
{
    if (MoveForm) {
        MoveForm->Free();
        MoveForm = nullptr;
    }
}

// ---- press, move and release --------------------------------------------------------------------

bool TVynStringGrid::OleDragPress(int ACol, int ARow, int X, int Y, TShiftState Shift)
{
    const int n = RealColIndex(ACol);
    const bool fixedRow = ARow < FixedRows();
    const bool selected = IsSelected(ACol, ARow) || InRect(Selection(), ACol, ARow);
    if (!(selected || (fixedRow && !FEnhRowColMove)) || Options().Contains(goEditing) || HasButton(n, ARow) ||
        HasCheckBox(n, ARow) || !FDragDropSettings->OleDropSource())
        return false;
    if (fixedRow && (FMouseActions->ColSelect() || FMouseActions->AllSelect()))
        return false;
    if (ACol < FixedCols())
        return false;
    const TRect cr = CellRect(ACol, ARow);
    if (Options().Contains(goColSizing) && !(X - cr.Left > 3 && cr.Right - X > 3))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    if (CanFocus() && !Focused())
        SetFocus();
    if (self && OnMouseDown)
        OnMouseDown(this, mbLeft, Shift, X, Y);
    if (!self)
        return true;
    FSelectionClick = true;
    if (OnClickCell)
        OnClickCell(this, ARow, ACol);
    return true;
}

bool TVynStringGrid::SelectionClickRelease(int ACol, int ARow, TShiftState Shift)
{
    if (!FSelectionClick)
        return false;
    FSelectionClick = false;
    if (ACol < FixedCols() || ARow < FixedRows() || ACol < 0 || ARow < 0)
        return false;
    if (FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource()) {
        const bool ctrl = Shift.Contains(ssCtrl);
        if (!ctrl)
            ClearRowSelect();
        if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl())
            SetRowSelect(ARow, !GetRowSelect(ARow));
        Invalidate();
        if (OnMouseUp)
            OnMouseUp(this, mbLeft, Shift, 0, 0);
        return true;
    }
    RepaintCell(0, Row());
    if (Options().Contains(goRowSelect)) {
        FocusCell(ACol, ARow);
        SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
    } else {
        FocusCell(ACol, ARow);
    }
    RepaintCell(0, ARow);
    return false;
}

bool TVynStringGrid::OleDragMove(int X, int Y)
{
    // 1.
    if (!FSelectionClick)
        return false;
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0 || GetAsyncKeyState(VK_LBUTTON) >= 0)
        return false;
    if (std::abs(X - Clickposx) <= 3 && std::abs(Y - Clickposy) <= 3)
        return false;
    if (!FDragDropSettings->OleDropSource() || GridState() == gsColSizing ||
        FMouseSelectMode == TMouseSelectMode::msResize)
        return false;
    TWeakRef<TVynStringGrid> self(this);
    // 2.
    FSelectionClick = false;
    bool allow = true;
    const int acol = RealColIndex(c);
    if (FDragDropSettings->OleColumnsOnly()) {
        if (r >= FixedRows())
            allow = false;
    } else if (OnOleDrag) {
        OnOleDrag(this, r, acol, GetCellEx(acol, r), allow);
        if (!self)
            return true;
    }
    // 3. The move goes on as a range selection.
    if (!allow) {
        if (GridState() == gsNormal)
            SetGridState(gsSelecting);
        return false;
    }
    // 4.
    if (OnOleDragStart)
        OnOleDragStart(this, r, acol);
    if (self)
        DoStartBlockFocus();
    if (!self)
        return true;
    const TPoint screen = ClientToScreen(TPoint(X, Y));
    const bool columnDrag = r < FixedRows() && FDragDropSettings->OleColumnDragDrop();
    // 5.
    if (FDragDropSettings->ShowCells() && !MoveForm) {
        TRect cells;
        if (FDragDropSettings->OleColumnDragDrop()) {
            cells = TRect(c, 0, c, VisibleRowCount());
        } else {
            const TGridRect s = Selection();
            cells = TRect(std::max(s.Left, LeftCol()), std::max(s.Top, TopRow()),
                          std::min(s.Right, LeftCol() + VisibleColCount() - 1),
                          std::min(s.Bottom, TopRow() + VisibleRowCount() - 1));
        }
        const bool hide = !FSelHidden;
        if (hide)
            HideSelection();
        MoveForm = CellsToForm(cells);
        if (hide)
            UnHideSelection();
        MoveForm->SetBounds(screen.X, screen.Y, MoveForm->Width(), MoveForm->Height());
        MoveForm->SetVisible(true);
    }
    // Whatever the drag does, this press is over.
    TAtExit over([&] {
        if (!self)
            return;
        FreeFloatingPicture();
        ResetPressState();
        if (GridState() == gsSelecting)
            SetGridState(gsNormal);
    });
    if (columnDrag) {
        // 6.
        if (!FDragDropSettings->ShowCells()) {
            THeaderDragButton* b = MoveButtonNeeded();
            b->SetCaption(GetCellEx(acol, 0));
            b->SetBounds(screen.X, screen.Y, ColWidths(c), RowHeights(0));
            b->SetVisible(true);
        }
        const TDragSourceResult res = OleDragColumn(acol);
        if (!self)
            return true;
        if (!res.Cancelled() && OnOleDragStop)
            OnOleDragStop(this, res.Effect);
        if (!self)
            return true;
        if (FMoveButton)
            FMoveButton->SetVisible(false);
        ArwU->SetVisible(false);
        ArwD->SetVisible(false);
        return true;
    }
    // 7. The rows taken keep their identity until the drag ends.
    FDropSelection = Selection();
    FOleDragRows.clear();
    if (FMouseActions->DisjunctRowSelect()) {
        for (int i = FixedRows(); i < RowCount(); ++i)
            if (GetRowSelect(i))
                FOleDragRows.push_back(i);
    } else {
        for (int i = FDropSelection.Top; i <= FDropSelection.Bottom; ++i)
            FOleDragRows.push_back(i);
    }
    TDragSourceResult res;
    {
        TValueScope<bool> dragging(FOleDragging, true);
        res = OleDragText(SelectedText(), GetCellEx(acol, r), FNavigation->AllowFmtClipboard());
    }
    if (!self)
        return true;
    if (!res.Cancelled()) {
        bool sameGrid = false;
        for (TControl* t = res.Target; t && !sameGrid; t = t->Parent())
            sameGrid = t == this;
        if (res.Effect == DROPEFFECT_MOVE && !FDragDropSettings->OleCopyAlways())
            RemoveDraggedCells(sameGrid);
        if (self && OnOleDragStop)
            OnOleDragStop(this, res.Effect);
    }
    if (self)
        FOleDragRows.clear();
    return true;
}

void TVynStringGrid::RemoveDraggedCells(bool SameGrid)
{
    // A drop on this grid leaves the dropped cells selected.
    const TGridRect dropped = Selection();
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    const int left = disjunct ? FixedCols() : FDropSelection.Left;
    const int right = disjunct ? ColCount() - 1 : FDropSelection.Right;
    std::vector<int> rows;
    for (int r : FOleDragRows)
        if (r >= 0 && r < RowCount())
            rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    if (FDragDropSettings->OleRemoveRows() && Options().Contains(goRowSelect)) {
        // Bottom up, so the rows above keep their places; rows the drop
        // wrote into stay.
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            if (!(SameGrid && *it >= dropped.Top && *it <= dropped.Bottom))
                RemoveRows(*it, 1);
        return;
    }
    for (int r : rows) {
        int c = left;
        while (c <= right) {
            if (SameGrid && InRect(dropped, c, r)) {
                ++c;
                continue;
            }
            int e = c;
            while (e + 1 <= right && !(SameGrid && InRect(dropped, e + 1, r)))
                ++e;
            ClearRect(c, r, e, r);
            c = e + 1;
        }
    }
}

// ---- the dragged rows through changes of the row order --------------------------------------------

void TVynStringGrid::InsertRowData(int At, int Count)
{
    TBaseGrid::InsertRowData(At, Count);
    if (FOleDragging)
        for (int& r : FOleDragRows)
            if (r >= At)
                r += Count;
}

void TVynStringGrid::DeleteRowData(int At, int Count)
{
    TBaseGrid::DeleteRowData(At, Count);
    if (!FOleDragging)
        return;
    for (int& r : FOleDragRows) {
        if (r >= At + Count)
            r -= Count;
        else if (r >= At)
            r = -1;
    }
}

void TVynStringGrid::MoveRowData(int FromIndex, int ToIndex)
{
    TBaseGrid::MoveRowData(FromIndex, ToIndex);
    if (FOleDragging)
        for (int& r : FOleDragRows) {
            if (r == FromIndex)
                r = ToIndex;
            else if (FromIndex < ToIndex && r > FromIndex && r <= ToIndex)
                --r;
            else if (FromIndex > ToIndex && r >= ToIndex && r < FromIndex)
                ++r;
        }
}

void TVynStringGrid::ExchangeRowData(int A, int B)
{
    TBaseGrid::ExchangeRowData(A, B);
    if (FOleDragging)
        for (int& r : FOleDragRows)
            r = r == A ? B : r == B ? A : r;
}

void TVynStringGrid::PermuteRowData(const std::vector<int>& Order)
{
    TBaseGrid::PermuteRowData(Order);
    if (!FOleDragging)
        return;
    std::vector<int> where(Order.size(), -1);
    for (size_t i = 0; i < Order.size(); ++i)
        if (Order[i] >= 0 && size_t(Order[i]) < where.size())
            where[size_t(Order[i])] = int(i);
    for (int& r : FOleDragRows)
        if (r >= 0 && size_t(r) < where.size())
            r = where[size_t(r)];
}
