#pragma once
// The bracket of every row and column operation of the grid's data
// operations: the hourglass cursor and an update lock for its length (both
// given back on every path, exceptions included); Done puts the current
// row and the top row back where they were (or on the last row), places
// the cell controls and sends the one CellsChanged of the operation.
#include <vector>

#include "grid/core/vyn_string_grid.h"
#include "platform/gui/application.h"

// A grid being destroyed changes no counts and reports nothing.
inline bool BeingDestroyed(const TComponent& C)
{
    return C.ComponentState().Contains(TComponentStateItem::csDestroying);
}

class TRowsScope {
public:
    explicit TRowsScope(TVynStringGrid& Grid)
        : g_(Grid), cursor_(Screen.Cursor()), row_(Grid.Row()), top_(Grid.TopRow())
    {
        Screen.SetCursor(crHourGlass);
        g_.BeginUpdate();
    }
    ~TRowsScope()
    {
        g_.EndUpdate();
        Screen.SetCursor(cursor_);
    }
    TRowsScope(const TRowsScope&) = delete;
    TRowsScope& operator=(const TRowsScope&) = delete;

    int OldRow() const { return row_; }
    // Without a rectangle nothing is reported (the operation changed no cell).
    void Done(const TRect* R);
    void Done(const TRect& R) { Done(&R); }

private:
    TVynStringGrid& g_;
    TCursor cursor_;
    int row_;
    int top_;
};

// Erases the entries at the ascending indexes (those the list has), in
// one pass.
template <typename L>
void EraseIndexes(L& List, const std::vector<int>& Ascending)
{
    size_t w = 0, j = 0;
    for (size_t i = 0; i < List.size(); ++i) {
        while (j < Ascending.size() && Ascending[j] < int(i))
            ++j;
        if (j < Ascending.size() && Ascending[j] == int(i))
            continue;
        List[w++] = List[i];
    }
    List.resize(w);
}

// The same for a TIntList.
void EraseListIndexes(TIntList& List, const std::vector<int>& Ascending);
