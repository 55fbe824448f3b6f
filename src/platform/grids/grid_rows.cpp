// TCustomGrid: rows in bulk (insert, delete, exchange, permute). The row
// heights live here; the cells move in the subclass's row-data hooks.
#include <algorithm>
#include <limits>

#include "platform/grids/grids.h"

namespace {

const QString SIndexOutOfRange = QStringLiteral("Grid index out of range");
const QString SBadRowOrder = QStringLiteral("Invalid row order");

}  // namespace

bool TCustomGrid::BeginRowChange()
{
    const int rows = RowCount();
    TWeakRef<TCustomGrid> self(this);
    HideEdit(true);
    if (!self)
        return false;
    // The editor's text went to a handler that changed the rows: the
    // arguments checked before no longer hold.
    if (RowCount() != rows)
        throw EInvalidGridOperation(SIndexOutOfRange);
    return true;
}

void TCustomGrid::EndRowChange(bool Notify, int OldRowCount)
{
    TWeakRef<TCustomGrid> self(this);
    LayoutChanged();
    if (!self)
        return;
    if (Notify)
        SizeChanged(ColCount(), OldRowCount);
    if (self && editorMode_)
        UpdateEdit();
}

void TCustomGrid::InsertRows(int At, int Count)
{
    const int rows = RowCount();
    if (At < 0 || At > rows || Count < 0 || Count > std::numeric_limits<int>::max() - rows)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (Count == 0 || !BeginRowChange())
        return;
    rowHeights_.insert(size_t(At), size_t(Count), defaultRowHeight_);
    InsertRowData(At, Count);
    auto shift = [&](int& Y) {
        if (Y >= At)
            Y += Count;
    };
    shift(current_.Y);
    shift(anchor_.Y);
    EndRowChange(true, rows);
}

void TCustomGrid::DeleteRows(int At, int Count)
{
    const int rows = RowCount();
    if (At < 0 || At > rows || Count < 0 || Count > rows - At || Count >= rows)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (Count == 0 || !BeginRowChange())
        return;
    TWeakRef<TCustomGrid> self(this);
    // Still readable while DropCells runs.
    DropCells({0, At, std::max(colExtent_, ColCount()) - 1, At + Count - 1});
    if (!self)
        return;
    rowHeights_.erase(size_t(At), size_t(Count));
    DeleteRowData(At, Count);
    const int newRows = rows - Count;
    if (fixedRows_ >= newRows)
        fixedRows_ = newRows - 1;
    auto shift = [&](int& Y) {
        if (Y >= At + Count)
            Y -= Count;
        else if (Y >= At)
            Y = At;
        Y = std::clamp(Y, fixedRows_, newRows - 1);
    };
    shift(current_.Y);
    shift(anchor_.Y);
    EndRowChange(true, rows);
}

void TCustomGrid::ExchangeRows(int A, int B)
{
    const int rows = RowCount();
    if (A < 0 || B < 0 || A >= rows || B >= rows)
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (A == B || !BeginRowChange())
        return;
    std::swap(rowHeights_[size_t(A)], rowHeights_[size_t(B)]);
    ExchangeRowData(A, B);
    auto follow = [&](int& Y) {
        Y = Y == A ? B : Y == B ? A : Y;
        Y = std::max(Y, fixedRows_);
    };
    follow(current_.Y);
    follow(anchor_.Y);
    EndRowChange(false, rows);
}

void TCustomGrid::PermuteRows(const std::vector<int>& Order)
{
    const int rows = RowCount();
    if (Order.size() != size_t(rows))
        throw EInvalidGridOperation(SBadRowOrder);
    std::vector<int> newIndex(static_cast<size_t>(rows), -1);
    bool identity = true;
    for (int i = 0; i < rows; ++i) {
        const int from = Order[size_t(i)];
        if (from < 0 || from >= rows || newIndex[size_t(from)] >= 0)
            throw EInvalidGridOperation(SBadRowOrder);
        newIndex[size_t(from)] = i;
        identity = identity && from == i;
    }
    if (identity || !BeginRowChange())
        return;
    std::vector<int> heights(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i)
        heights[size_t(i)] = rowHeights_[size_t(Order[size_t(i)])];
    rowHeights_.swap(heights);
    PermuteRowData(Order);
    current_.Y = std::max(newIndex[size_t(current_.Y)], fixedRows_);
    anchor_.Y = std::max(newIndex[size_t(anchor_.Y)], fixedRows_);
    EndRowChange(false, rows);
}
