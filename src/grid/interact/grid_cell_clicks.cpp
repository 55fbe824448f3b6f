// TVynStringGrid: presses on the things drawn inside cells that are not
// texts: the halves of always-visible spin buttons, node glyphs (one node, or
// all of them from the fixed row), rating stars and expand glyphs.
#include <cmath>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/input_state.h"

void TVynStringGrid::SpinHalfPress(int ACol, int ARow, int X, int Y)
{
    if (FDesigning || !FControlLook->SpinButtonsAlwaysVisible() || !DoHasSpinEdit(RealColIndex(ACol), ARow))
        return;
    const TRect cr = CellRect(ACol, ARow);
    if (X < cr.Right - 18)
        return;
    if (Y <= (cr.Top + cr.Bottom) / 2)
        FSpinUpClick = true;
    else
        FSpinDnClick = true;
}

bool TVynStringGrid::NodeGlyphPressed(int ACol, int ARow, int X)
{
    return ACol == 0 && IsNode(ARow) && IsNodeGlyphHit(ARow, X);
}

void TVynStringGrid::NodeAllPress(int ACol, int ARow, int X)
{
    // The glyph in the fixed row opens or closes every node; it sits where
    // a first-level node's glyph does (a fixed row has level 0).
    if (ACol != 0 || ARow >= FixedRows() || !FMouseActions->NodeAllExpandContract() ||
        !IsNodeGlyphHit(ARow, X - FCellNode->NodeIndent()))
        return;
    if (FAllNodesContracted)
        ExpandAll();
    else
        ContractAll();
    FAllNodesContracted = !FAllNodesContracted;
    RepaintCell(0, ARow);
}

bool TVynStringGrid::NodePress(int ACol, int ARow, int X, int Y, TShiftState Shift)
{
    if (ARow < FixedRows() || ACol != 0)
        return false;
    TWeakRef<TVynStringGrid> self(this);
    auto downAndClick = [&] {
        if (OnMouseDown)
            OnMouseDown(this, mbLeft, Shift, X, Y);
        if (self && OnClickCell)
            OnClickCell(this, ARow, ACol);
        return bool(self);
    };
    if (NodeGlyphPressed(ACol, ARow, X)) {
        if (!downAndClick())
            return true;
        const int real = DisplToRealRow(ARow);
        const bool contracted = GetNodeState(ARow);
        bool allow = true;
        const TNodeAllowEvent& before = contracted ? OnBeforeExpandNode : OnBeforeContractNode;
        if (before)
            before(this, ARow, real, allow);
        if (!self)
            return true;
        if (allow) {
            if (contracted)
                ExpandNode(real);
            else
                ContractNode(real);
            if (!self)
                return true;
            const TNodeClickEvent& after = contracted ? OnExpandNode : OnContractNode;
            if (after)
                after(this, ARow, real);
            if (!self)
                return true;
        }
        if (FMouseActions->MoveRowOnNodeClick() && ARow < RowCount())
            MoveColRow(std::max(Col(), FixedCols()), ARow, true, true);
        return true;
    }
    // Column 0 of a grid with nodes is no cell to select.
    if (HasNodes() && !FMouseActions->RowSelect() && !Options().Contains(goRowSizing)) {
        downAndClick();
        return true;
    }
    return false;
}

bool TVynStringGrid::RatingPress(int ACol, int ARow, int X)
{
    const int n = RealColIndex(ACol);
    if (!HasRating(n, ARow) || !IsEditable(n, ARow))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    HideInplaceEdit();
    if (!self)
        return true;
    // Half a star per 9 pixels.
    const TRect cr = CellRect(ACol, ARow);
    double rate = std::trunc(double(std::max(0, X - cr.Left)) / 9.0) / 2.0;
    if (!DoRatingChange(ACol, ARow, rate) || !self)
        return true;
    SetFloats(n, ARow, rate);
    if (self)
        RepaintCell(ACol, ARow);
    return true;
}

bool TVynStringGrid::ExpandGlyphRelease(TPoint Pushed, int X, int Y, int ACol, int ARow)
{
    // The release over the glyph of the cell it landed on (or anywhere
    // when the pressed cell is a fixed one that works as a button).
    if (ACol < 0 || ARow < 0)
        return false;
    int bc = RealColIndex(ACol), br = ARow;
    GetBaseCellOf(bc, br, bc, br);
    if (!HasExpand(bc, br))
        return false;
    const bool over = GetExpandRect(bc, br).Contains(TPoint(X, Y)) || Pushed.Y < FixedRows() ||
                      (FFixedAsButtons && Pushed.X < FixedCols());
    const int pc = RealColIndex(Pushed.X);
    if (!over || !HasExpand(pc, Pushed.Y))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    const bool state = ToggleExpand(pc, Pushed.Y);
    if (OnExpandClick)
        OnExpandClick(this, pc, Pushed.Y, state);
    if (!self)
        return true;
    SetRowHeights(Pushed.Y, GetExpandHeight(pc, Pushed.Y, state));
    RepaintCell(Pushed.X, Pushed.Y);
    return true;
}

void TVynStringGrid::GroupRelease(int ACol, int ARow)
{
    // A click on an open node row selects its group.
    if (ACol <= 0 || ARow < FixedRows() || !FGrouping->AutoSelectGroup() || !IsNode(ARow) || GetNodeState(ARow))
        return;
    // The group's rows: up to the next node row of the same or an outer level.
    const TCellProperties* p = PropsAt(0, ARow);
    const int level = p ? p->NodeLevel() : 0;
    int end = ARow;
    for (int d = ARow + 1; d <= NodeRowLimit(); ++d) {
        const TCellProperties* q = PropsAt(0, d);
        const int l = q ? q->NodeLevel() : 0;
        if (l < level || (IsNode(d) && l <= level))
            break;
        end = d;
    }
    if (FMouseActions->DisjunctRowSelect()) {
        for (int d = ARow + 1; d <= end; ++d)
            SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(d) : d, true);
        Invalidate();
    } else {
        SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, end});
    }
}
