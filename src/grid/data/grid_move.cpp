// TVynStringGrid: moving columns and rows (display indexes) with the cell
// controls going along, and scrolling a cell into view.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"

namespace {

// Where an index ends up when the item at From moves to To.
int Moved(int I, int From, int To)
{
    if (I == From)
        return To;
    if (From < To && I > From && I <= To)
        return I - 1;
    if (To < From && I >= To && I < From)
        return I + 1;
    return I;
}

// The column (Rows: the row) of every control moves as its cell did.
void MoveControls(TControlList& L, bool Rows, int From, int To)
{
    for (int i = 0; i < L.Count(); ++i) {
        TControlItem* c = L.Control(i);
        int& at = Rows ? c->Y : c->X;
        at = Moved(at, From, To);
    }
}

}  // namespace

void TVynStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    if (FControlList->Count() == 0 || FromIndex == ToIndex)
        return;
    MoveControls(*FControlList, false, FromIndex, ToIndex);
    CellControlsUpdate();
}

void TVynStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    // The floating footer keeps the last row.
    if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == TFooterStyle::fsFixedLastRow &&
        ToIndex == RowCount() - 1)
        return;
    const int rf = DisplToRealRow(FromIndex), rt = DisplToRealRow(ToIndex);
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    if (FControlList->Count() == 0 || FromIndex == ToIndex)
        return;
    MoveControls(*FControlList, true, rf, rt);
    CellControlsUpdate();
}

// The block leaves and comes back before the row at ToIndex of the rows
// that stay (ToIndex drops by Count only when FromIndex + Count < ToIndex),
// in one permutation: every row keeps its cells, objects and height.
void TVynStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    const int last = LastDataRow();
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex > last || ToIndex < 0)
        return;
    Count = std::min(Count, last - FromIndex + 1);
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    ToIndex = std::min(ToIndex, last + 1 - Count);
    if (ToIndex == FromIndex)
        return;
    const int n = RowCount();
    std::vector<int> order;
    order.reserve(size_t(n));
    for (int d = 0; d < n; ++d)
        if (d < FromIndex || d >= FromIndex + Count)
            order.push_back(d);
    std::vector<int> block(static_cast<size_t>(Count));
    for (int i = 0; i < Count; ++i)
        block[size_t(i)] = FromIndex + i;
    order.insert(order.begin() + ToIndex, block.begin(), block.end());
    // The new place of every display row.
    std::vector<int> place(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        place[size_t(order[size_t(i)])] = i;
    TRowsScope scope(*this);
    // Cell controls (by real row) and the marks kept by display row follow.
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* c = FControlList->Control(i);
        if (c->Y < 0 || IsHiddenRow(c->Y))
            continue;
        const int d = RealToDisplRow(c->Y);
        if (d < n)
            c->Y = DisplToRealRow(place[size_t(d)]);
    }
    // The modified and enabled marks are kept by real row.
    auto permuteInts = [&](TIntList& L) {
        if (L.Count() == 0)
            return;
        std::vector<int> old(static_cast<size_t>(L.Count()));
        for (int i = 0; i < L.Count(); ++i)
            old[size_t(i)] = L.Items(i);
        for (int d = 0; d < n; ++d) {
            const size_t from = size_t(DisplToRealRow(d));
            const int to = DisplToRealRow(place[size_t(d)]);
            const int v = from < old.size() ? old[from] : 0;
            while (L.Count() <= to && v != 0)
                L.Add(0);
            if (to < L.Count())
                L.SetItems(to, v);
        }
    };
    permuteInts(*FModifiedRows);
    permuteInts(*FEnabledRows);
    if (FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent() && !FRowSelect->empty()) {
        FRowSelect->resize(std::max(FRowSelect->size(), size_t(n)), 0);
        const std::vector<int> old(FRowSelect->begin(), FRowSelect->begin() + n);
        for (int d = 0; d < n; ++d)
            (*FRowSelect)[size_t(place[size_t(d)])] = old[size_t(d)];
    }
    PermuteRows(order);
    const int top = std::min(FromIndex, ToIndex), bottom = std::max(FromIndex, ToIndex) + Count;
    scope.Done(TRect(0, top, ColCount() - 1, bottom));
}

void TVynStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex < 0 || RowIndex < 0 || ColIndex >= ColCount() || RowIndex >= RowCount())
        return;
    int l = LeftCol(), t = TopRow();
    const int vc = VisibleColCount(), vr = VisibleRowCount();
    const int fc = TBaseGrid::FixedCols(), fr = TBaseGrid::FixedRows();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + vc) {
        SetCol(std::max(ColIndex, fc));
        l = std::max(ColIndex - vc / 2, fc);
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + vr) {
        SetRow(std::max(RowIndex, fr));
        t = std::max(RowIndex - vr / 2, fr);
    }
    l = std::min(l, ColCount() - vc + 1);
    if (fc + vc < ColCount())
        SetLeftCol(std::max(l, fc));
    t = std::min(t, RowCount() - vr + 1);
    if (fr + vr >= RowCount())
        return;
    SetTopRow(std::max(t, fr));
    // Above a visible search footer.
    if (!FSearchFooter->Visible() || !FSearchPanel)
        return;
    int usable = Height() - FSearchPanel->Height();
    if (VisibleColCount() < ColCount())
        usable -= GetSystemMetrics(SM_CYHSCROLL);
    while (TopRow() < RowIndex) {
        const TRect r = CellRect(0, RowIndex);
        if (r.Bottom <= usable)
            break;
        const int before = TopRow();
        SetTopRow(before + 1);
        if (TopRow() == before)
            break;
    }
}
