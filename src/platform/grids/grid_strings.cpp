// TStringGrid: the cell store, and the row and column views.
#include <algorithm>
#include <iterator>

#include "platform/grids/grids.h"
#include "platform/rtl/stringlist.h"

namespace {

const QString SIndexOutOfRange = QStringLiteral("Grid index out of range");

template <typename T>
void MoveItem(std::vector<T>& V, int From, int To)
{
    if (From < To)
        std::rotate(V.begin() + From, V.begin() + From + 1, V.begin() + To + 1);
    else if (From > To)
        std::rotate(V.begin() + To, V.begin() + From, V.begin() + From + 1);
}

// Moves an item of a row's vector that may be shorter than the indexes.
template <typename T>
void MoveInRow(std::vector<T>& V, int From, int To)
{
    if (int(V.size()) <= std::min(From, To))
        return;
    const size_t need = size_t(std::max(From, To)) + 1;
    if (V.size() < need)
        V.resize(need);
    MoveItem(V, From, To);
}

// The cells [At, min(size, Limit)) of a row's vector move Count places
// right, staying below Limit; Count default values come in at At.
template <typename T>
void InsertInRow(std::vector<T>& V, size_t At, size_t Count, size_t Limit)
{
    const size_t end = std::min(V.size(), Limit);
    if (end <= At)
        return;
    const size_t newEnd = std::min(end + Count, Limit);
    if (V.size() < newEnd)
        V.resize(newEnd);
    const auto b = V.begin();
    std::move_backward(b + std::ptrdiff_t(At), b + std::ptrdiff_t(newEnd - Count), b + std::ptrdiff_t(newEnd));
    std::fill(b + std::ptrdiff_t(At), b + std::ptrdiff_t(At + Count), T());
}

// The cells [At, At + Count) of a row's vector go; those up to Limit move
// Count places left and default values fill the places they left.
template <typename T>
void DeleteInRow(std::vector<T>& V, size_t At, size_t Count, size_t Limit)
{
    const size_t end = std::min(V.size(), Limit);
    if (end <= At)
        return;
    const size_t from = std::min(end, At + Count);
    const auto b = V.begin();
    const auto left = std::move(b + std::ptrdiff_t(from), b + std::ptrdiff_t(end), b + std::ptrdiff_t(At));
    std::fill(left, b + std::ptrdiff_t(end), T());
}

}  // namespace

// ---- TStringGrid --------------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) { rows_.resize(size_t(RowCount())); }

TStringGrid::~TStringGrid() = default;

TStringGrid::TRowData* TStringGrid::RowData(int ARow) const
{
    return ARow < int(rows_.size()) ? rows_[size_t(ARow)].get() : nullptr;
}

TStringGrid::TRowData& TStringGrid::WritableRow(int ARow)
{
    auto& row = rows_[size_t(ARow)];
    if (!row)
        row = std::make_unique<TRowData>();
    return *row;
}

String TStringGrid::Cells(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        throw EInvalidGridOperation(SIndexOutOfRange);
    const TRowData* row = RowData(ARow);
    if (!row || ACol >= int(row->Texts.size()))
        return String();
    return row->Texts[size_t(ACol)];
}

void TStringGrid::SetCells(int ACol, int ARow, const String& Value)
{
    if (ACol < 0 || ARow < 0)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (ARow >= RowCount() || ACol >= StoredColCount()) {
        if (Value.isEmpty())
            return;
        throw EInvalidGridOperation(SIndexOutOfRange);
    }
    TRowData& row = WritableRow(ARow);
    if (ACol >= int(row.Texts.size()))
        row.Texts.resize(size_t(std::max(ACol + 1, ColCount())));
    row.Texts[size_t(ACol)] = Value;
    CellContentChanged(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        throw EInvalidGridOperation(SIndexOutOfRange);
    const TRowData* row = RowData(ARow);
    if (!row || ACol >= int(row->Objects.size()))
        return nullptr;
    return row->Objects[size_t(ACol)];
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (ARow >= RowCount() || ACol >= StoredColCount()) {
        if (!Value)
            return;
        throw EInvalidGridOperation(SIndexOutOfRange);
    }
    TRowData& row = WritableRow(ARow);
    if (ACol >= int(row.Objects.size()))
        row.Objects.resize(size_t(std::max(ACol + 1, ColCount())), nullptr);
    row.Objects[size_t(ACol)] = Value;
}

std::unique_ptr<TStringGrid::TRowData> TStringGrid::ReleaseRowData(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    return std::move(rows_[size_t(ARow)]);
}

void TStringGrid::AdoptRowData(int ARow, std::unique_ptr<TRowData>&& Data)
{
    if (ARow < 0 || ARow >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (!Data)
        return;
    auto& slot = rows_[size_t(ARow)];
    if (slot)
        throw EInvalidGridOperation(QStringLiteral("Grid row %1 holds cells").arg(ARow));
    slot = std::move(Data);
}

void TStringGrid::InsertColumnCells(int At, int Count, int Limit) { ShiftColumnCells(At, Count, Limit, true); }

void TStringGrid::DeleteColumnCells(int At, int Count, int Limit) { ShiftColumnCells(At, Count, Limit, false); }

void TStringGrid::ShiftColumnCells(int At, int Count, int Limit, bool Insert)
{
    if (At < 0 || Count < 0 || Limit < 0 || Limit > StoredColCount() || At > Limit - Count)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (Count == 0)
        return;
    const size_t at = size_t(At), count = size_t(Count), limit = size_t(Limit);
    rows_.ForEachSlot([&](std::unique_ptr<TRowData>& Row) {
        if (!Row)
            return;
        if (Insert) {
            InsertInRow(Row->Texts, at, count, limit);
            InsertInRow(Row->Objects, at, count, limit);
        } else {
            DeleteInRow(Row->Texts, at, count, limit);
            DeleteInRow(Row->Objects, at, count, limit);
        }
    });
    ColumnCellsChanged(At, Limit - 1);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing())
        DrawCellText(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(int ACol, int ARow)
{
    String value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value)
{
    if (Cells(ACol, ARow) != Value)
        SetCells(ACol, ARow, Value);
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::MoveColumnData(int FromIndex, int ToIndex)
{
    rows_.ForEachSlot([&](std::unique_ptr<TRowData>& Row) {
        if (!Row)
            return;
        MoveInRow(Row->Texts, FromIndex, ToIndex);
        MoveInRow(Row->Objects, FromIndex, ToIndex);
    });
}

void TStringGrid::MoveRowData(int FromIndex, int ToIndex) { MoveItem(rows_.Flat(), FromIndex, ToIndex); }

void TStringGrid::InsertRowData(int At, int Count)
{
    rows_.insert(size_t(At), size_t(Count));
}

void TStringGrid::DeleteRowData(int At, int Count) { rows_.erase(size_t(At), size_t(Count)); }

void TStringGrid::ExchangeRowData(int A, int B) { rows_[size_t(A)].swap(rows_[size_t(B)]); }

void TStringGrid::PermuteRowData(const std::vector<int>& Order)
{
    std::vector<std::unique_ptr<TRowData>> rows(rows_.size());
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = std::move(rows_[size_t(Order[i])]);
    rows_.swap(rows);
}

void TStringGrid::ResizeData(int NewColCount, int NewRowCount)
{
    (void)NewColCount;
    rows_.resize(size_t(NewRowCount));
}

void TStringGrid::ClearColumnData(int ACol)
{
    rows_.ForEachSlot([ACol](std::unique_ptr<TRowData>& Row) {
        if (!Row)
            return;
        if (ACol < int(Row->Texts.size()))
            Row->Texts[size_t(ACol)] = String();
        if (ACol < int(Row->Objects.size()))
            Row->Objects[size_t(ACol)] = nullptr;
    });
}

void TStringGrid::CopyRow(int FromRow, int ToRow)
{
    if (FromRow == ToRow)
        return;
    const TRowData* from = RowData(FromRow);
    if (from)
        rows_[size_t(ToRow)] = std::make_unique<TRowData>(*from);
    else
        rows_[size_t(ToRow)].reset();
    InvalidateRow(ToRow);
    for (int c = 0; c < ColCount(); ++c)
        CellContentChanged(c, ToRow);
}

// ---- TStringGridStrings ------------------------------------------------------------------------

int TStringGridStrings::Count() const { return isRow_ ? grid_->ColCount() : grid_->RowCount(); }

namespace {
void CheckListIndex(int Index, int Count)
{
    if (Index < 0 || Index >= Count)
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}
}  // namespace

String TStringGridStrings::Strings(int Index) const
{
    CheckListIndex(Index, Count());
    return isRow_ ? grid_->Cells(Index, index_) : grid_->Cells(index_, Index);
}

void TStringGridStrings::SetStrings(int Index, const String& Value)
{
    CheckListIndex(Index, Count());
    if (isRow_)
        grid_->SetCells(Index, index_, Value);
    else
        grid_->SetCells(index_, Index, Value);
}

TObject* TStringGridStrings::Objects(int Index) const
{
    CheckListIndex(Index, Count());
    return isRow_ ? grid_->Objects(Index, index_) : grid_->Objects(index_, Index);
}

void TStringGridStrings::SetObjects(int Index, TObject* Value)
{
    CheckListIndex(Index, Count());
    if (isRow_)
        grid_->SetObjects(Index, index_, Value);
    else
        grid_->SetObjects(index_, Index, Value);
}

void TStringGridStrings::Clear()
{
    for (int i = 0; i < Count(); ++i) {
        SetStrings(i, String());
        SetObjects(i, nullptr);
    }
}

void TStringGridStrings::Assign(const TStringGridStrings& Source)
{
    if (isRow_ && Source.isRow_) {
        if (index_ < 0 || index_ >= grid_->RowCount() || Source.index_ < 0 || Source.index_ >= Source.grid_->RowCount())
            throw EInvalidGridOperation(SIndexOutOfRange);
        if (Source.grid_ == grid_) {
            grid_->CopyRow(Source.index_, index_);
            return;
        }
    }
    const int n = Count(), m = Source.Count();
    std::vector<std::pair<String, TObject*>> items;
    items.reserve(size_t(m));
    for (int i = 0; i < m; ++i)
        items.emplace_back(Source.Strings(i), Source.Objects(i));
    for (int i = 0; i < n; ++i) {
        SetStrings(i, i < m ? items[size_t(i)].first : String());
        SetObjects(i, i < m ? items[size_t(i)].second : nullptr);
    }
}

void TStringGridStrings::Assign(const TStringList& Source)
{
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        SetStrings(i, i < Source.Count() ? Source.Strings(i) : String());
        SetObjects(i, i < Source.Count() ? Source.Objects(i) : nullptr);
    }
}

void TStringGridStrings::AssignTo(TStringList& Dest) const
{
    Dest.Clear();
    for (int i = 0; i < Count(); ++i)
        Dest.AddObject(Strings(i), Objects(i));
}

QStringList TStringGridStrings::ToQStringList() const
{
    QStringList list;
    for (int i = 0; i < Count(); ++i)
        list.append(Strings(i));
    return list;
}
