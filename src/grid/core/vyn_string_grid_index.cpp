// TVynStringGrid: hidden columns and rows. A hidden column keeps its cells
// at its real index (the platform keeps cells beyond ColCount), so hiding
// it only lowers ColCount; a hidden row leaves the grid for a TGridItem.
// The mappings between the real and the display indexes, the current and
// top row.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"

// ---- columns ----------------------------------------------------------------------------------

void TVynStringGrid::SetVisibleCol(int ACol, bool Value)
{
    if (ACol < 0)
        throw EVynGridError("Invalid column accessed");
    if (GetVisibleCol(ACol) == Value)
        return;
    if (ACol >= int(FVisibleCol.size()))
        FVisibleCol.resize(size_t(ACol) + 1, true);
    FVisibleCol[size_t(ACol)] = Value;
    RebuildColumnMaps();
}

void TVynStringGrid::RebuildColumnMaps()
{
    // Shown columns past the last hidden one need no entries.
    while (!FVisibleCol.empty() && FVisibleCol.back())
        FVisibleCol.pop_back();
    const size_t n = FVisibleCol.size();
    FDisplToReal.clear();
    FDisplToReal.reserve(n);
    FHiddenBefore.assign(n + 1, 0);
    int hidden = 0;
    for (size_t c = 0; c < n; ++c) {
        FHiddenBefore[c] = hidden;
        if (FVisibleCol[c])
            FDisplToReal.push_back(int(c));
        else
            ++hidden;
    }
    FHiddenBefore[n] = hidden;
    FNumHidden = hidden;
}

int TVynStringGrid::AllColWidths(int ACol)
{
    if (IsHiddenColumn(ACol))
        return ACol < int(FAllColWidths.size()) ? FAllColWidths[size_t(ACol)] : 0;
    return ColWidths(RealToDisplCol(ACol));
}

void TVynStringGrid::SetAllColWidths(int ACol, int Value)
{
    if (ACol < 0)
        throw EVynGridError("Invalid column accessed");
    // A shown column outside the grid raises here, before anything is kept.
    if (!IsHiddenColumn(ACol))
        TBaseGrid::SetColWidths(RealToDisplCol(ACol), Value);
    if (ACol >= int(FAllColWidths.size()))
        FAllColWidths.resize(size_t(ACol) + 1, 0);
    FAllColWidths[size_t(ACol)] = Value;
}

// ---- rows -------------------------------------------------------------------------------------

int TVynStringGrid::DisplToRealRow(int ARow) const
{
    if (FGridItems.empty() || ARow < 0)
        return ARow;
    // Item i lies before the ARow-th shown row when fewer than ARow + 1 rows
    // are shown below it: Idx - i <= ARow (Idx - i never falls, Idx being
    // strictly ascending). The answer is ARow plus the number of such items.
    const size_t n = FGridItems.size();
    auto before = [this, ARow](size_t I) { return FGridItems[I]->Idx() - int(I) <= ARow; };
    // Rows asked in order (painting, walks) mostly fall between the same
    // two hidden rows as the last one.
    size_t lo = FRowMapHint;
    if (lo > n || (lo > 0 && !before(lo - 1)) || (lo < n && before(lo))) {
        lo = 0;
        size_t hi = n;
        while (lo < hi) {
            const size_t mid = (lo + hi) / 2;
            if (before(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        FRowMapHint = lo;
    }
    return ARow + int(lo);
}

int TVynStringGrid::RealToDisplRow(int ARow) const
{
    if (FGridItems.empty() || ARow < 0)
        return ARow;
    const auto below = std::partition_point(FGridItems.begin(), FGridItems.end(),
                                            [ARow](const std::unique_ptr<TGridItem>& I) { return I->Idx() < ARow; });
    return ARow - int(below - FGridItems.begin());
}

TGridItem* TVynStringGrid::FindGridItem(int ARealRow) const
{
    const auto it = std::partition_point(FGridItems.begin(), FGridItems.end(),
                                         [ARealRow](const std::unique_ptr<TGridItem>& I) { return I->Idx() < ARealRow; });
    return it != FGridItems.end() && (*it)->Idx() == ARealRow ? it->get() : nullptr;
}

void TVynStringGrid::InsertGridItem(std::unique_ptr<TGridItem> Item)
{
    if (!Item)
        return;
    if (FindGridItem(Item->Idx()))
        throw EVynGridError("Row " + String::number(Item->Idx()) + " is already hidden");
    const int idx = Item->Idx();
    const auto at = std::partition_point(FGridItems.begin(), FGridItems.end(),
                                         [idx](const std::unique_ptr<TGridItem>& I) { return I->Idx() < idx; });
    FGridItems.insert(at, std::move(Item));
}

void TVynStringGrid::FreeGridItemObjects(TGridItem& Item)
{
    TStringList& cells = *Item.Items();
    for (int i = 0; i < cells.Count(); ++i)
        if (auto* p = dynamic_cast<TCellProperties*>(cells.Objects(i))) {
            cells.SetObjects(i, nullptr);
            FreeProps(p);
        }
}

TStringList* TVynStringGrid::GetHiddenRowCells(int ARealRow) const
{
    TGridItem* item = FindGridItem(ARealRow);
    return item ? item->Items() : nullptr;
}

TObject* TVynStringGrid::GetCellObjectByRealRow(int ACol, int ARealRow) const
{
    if (ACol < 0 || ARealRow < 0)
        return nullptr;
    if (const TStringList* cells = GetHiddenRowCells(ARealRow))
        return ACol < cells->Count() ? cells->Objects(ACol) : nullptr;
    const int r = RealToDisplRow(ARealRow);
    if (r >= RowCount() || ACol >= StoredColCount())
        return nullptr;
    return GridObjects(ACol, r);
}

// ---- the current and top row ------------------------------------------------------------------

void TVynStringGrid::SetRowEx(int Value)
{
    // 1. A current column outside the grid goes to the first scrollable one.
    if (Col() < 0 || Col() >= ColCount())
        FocusCell(TBaseGrid::FixedCols(), Value, true);
    // 2.
    TBaseGrid::SetRow(Value);
    // 3. A change is reported once, and only to a handler.
    if (Row() != FOldRowSel && OnRowUpdate) {
        const int old = FOldRowSel;
        FOldRowSel = Row();
        OnRowUpdate(this, old, Row());
    }
    // 4.
    if (FMouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    // 5.
    if (TVynStringGrid* other = FSyncGrid->Grid(); other && FSyncGrid->SelectionRow() && other->RowCount() > Row())
        other->TBaseGrid::SetRow(Row());
    // 6.
    if (Value == RowCount() - 1 && FSearchFooter->Visible())
        ScrollAboveSearchFooter();
}

void TVynStringGrid::SetTopRow(int Value)
{
    if (Value >= TBaseGrid::FixedRows() && Value <= RowCount() - 1)
        TBaseGrid::SetTopRow(Value);
}

void TVynStringGrid::SetCol(int Value)
{
    TBaseGrid::SetCol(Value);
    if (TVynStringGrid* other = FSyncGrid->Grid();
        other && FSyncGrid->SelectionColumn() && other->ColCount() > Col())
        other->TBaseGrid::SetCol(Col());
}
