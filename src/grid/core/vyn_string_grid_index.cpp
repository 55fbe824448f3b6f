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
    TGridItemCells cells = Item.Items();
    for (int i = 0; i < cells.Count(); ++i)
        if (auto* p = dynamic_cast<TCellProperties*>(cells.Objects(i))) {
            cells.SetObjects(i, nullptr);
            FreeProps(p);
        }
}

TGridItemCells TVynStringGrid::GetHiddenRowCells(int ARealRow) const
{
    TGridItem* item = FindGridItem(ARealRow);
    return item ? item->Items() : TGridItemCells();
}

TObject* TVynStringGrid::GetCellObjectByRealRow(int ACol, int ARealRow) const
{
    if (ACol < 0 || ARealRow < 0)
        return nullptr;
    if (const TGridItemCells cells = GetHiddenRowCells(ARealRow))
        return ACol < cells.Count() ? cells.Objects(ACol) : nullptr;
    const int r = RealToDisplRow(ARealRow);
    if (r >= RowCount() || ACol >= StoredColCount())
        return nullptr;
    return GridObjects(ACol, r);
}

// ---- a hidden row's cells -----------------------------------------------------------------------

int TGridItemCells::Count() const
{
    const TRowData* row = FRow ? FRow->get() : nullptr;
    return row ? int(std::max(row->Texts.size(), row->Objects.size())) : 0;
}

void TGridItemCells::Check(int Index, int Count) const
{
    if (Index < 0 || Index >= Count)
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

String TGridItemCells::Strings(int Index) const
{
    Check(Index, Count());
    const auto& t = (*FRow)->Texts;
    return size_t(Index) < t.size() ? t[size_t(Index)] : String();
}

TObject* TGridItemCells::Objects(int Index) const
{
    Check(Index, Count());
    const auto& o = (*FRow)->Objects;
    return size_t(Index) < o.size() ? o[size_t(Index)] : nullptr;
}

TGridItemCells::TRowData& TGridItemCells::Writable()
{
    if (!FRow)
        throw EStringListError(QStringLiteral("List index out of bounds (0)"));
    if (!*FRow)
        *FRow = std::make_unique<TRowData>();
    return **FRow;
}

void TGridItemCells::Widen(size_t N)
{
    TRowData& row = Writable();
    if (row.Texts.size() < N)
        row.Texts.resize(N);
    if (row.Objects.size() < N)
        row.Objects.resize(N, nullptr);
}

void TGridItemCells::SetStrings(int Index, const String& Value)
{
    Check(Index, Count());
    TRowData& row = Writable();
    if (row.Texts.size() <= size_t(Index))
        row.Texts.resize(size_t(Index) + 1);
    row.Texts[size_t(Index)] = Value;
}

void TGridItemCells::SetObjects(int Index, TObject* Value)
{
    Check(Index, Count());
    TRowData& row = Writable();
    if (row.Objects.size() <= size_t(Index))
        row.Objects.resize(size_t(Index) + 1, nullptr);
    row.Objects[size_t(Index)] = Value;
}

void TGridItemCells::AddObject(const String& S, TObject* AObject) { InsertObject(Count(), S, AObject); }

void TGridItemCells::InsertObject(int Index, const String& S, TObject* AObject)
{
    const int n = Count();
    Check(Index, n + 1);
    Widen(size_t(n));
    TRowData& row = Writable();
    row.Texts.insert(row.Texts.begin() + Index, S);
    row.Objects.insert(row.Objects.begin() + Index, AObject);
}

void TGridItemCells::Delete(int Index)
{
    Check(Index, Count());
    TRowData& row = Writable();
    if (size_t(Index) < row.Texts.size())
        row.Texts.erase(row.Texts.begin() + Index);
    if (size_t(Index) < row.Objects.size())
        row.Objects.erase(row.Objects.begin() + Index);
}

void TGridItemCells::Exchange(int Index1, int Index2)
{
    const int n = Count();
    Check(Index1, n);
    Check(Index2, n);
    Widen(size_t(std::max(Index1, Index2)) + 1);
    TRowData& row = Writable();
    std::swap(row.Texts[size_t(Index1)], row.Texts[size_t(Index2)]);
    std::swap(row.Objects[size_t(Index1)], row.Objects[size_t(Index2)]);
}

void TGridItemCells::Move(int CurIndex, int NewIndex)
{
    const int n = Count();
    Check(CurIndex, n);
    Check(NewIndex, n);
    if (CurIndex == NewIndex)
        return;
    Widen(size_t(std::max(CurIndex, NewIndex)) + 1);
    TRowData& row = Writable();
    auto move = [CurIndex, NewIndex](auto& V) {
        const auto b = V.begin();
        if (CurIndex < NewIndex)
            std::rotate(b + CurIndex, b + CurIndex + 1, b + NewIndex + 1);
        else
            std::rotate(b + NewIndex, b + CurIndex, b + CurIndex + 1);
    };
    move(row.Texts);
    move(row.Objects);
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
