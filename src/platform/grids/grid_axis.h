#pragma once
// How the columns (or the rows) of a grid lie along one axis of the client
// area: the fixed cells first, then the scrollable ones from the first shown.
// Private to the grid's sources.
#include <algorithm>
#include <vector>

#include "platform/grids/grids.h"

// The timer of the mouse states that scroll while the pointer is outside
// (selecting, moving a column or row).
inline constexpr uintptr_t MoveTimerID = 1;
inline constexpr unsigned MoveTimerInterval = 60;

struct TCustomGrid::TAxis {
    const TGapVector<int>* Sizes = nullptr;
    int Fixed = 0;     // fixed cells
    int First = 0;     // first scrollable cell shown (LeftCol / TopRow)
    int FixedGap = 0;  // line after a fixed cell
    int Gap = 0;       // line after a scrollable cell
    int Extent = 0;    // client width (height)

    int Count() const { return int(Sizes->size()); }
    int Size(int I) const { return (*Sizes)[size_t(I)]; }
    // A cell of size 0 (hidden) takes no pixels, its line neither.
    int GapOf(int I) const { return Size(I) == 0 ? 0 : I < Fixed ? FixedGap : Gap; }
    int Ext(int I) const { return Size(I) + GapOf(I); }

    // The pixels the fixed cells take.
    int FixedExtent() const
    {
        int p = 0;
        for (int i = 0; i < Fixed; ++i)
            p += Ext(i);
        return p;
    }

    // Where cell I starts; false when it is not on screen (scrolled away or
    // starting at or past the end of the client area).
    bool Start(int I, int& P) const { return StartFrom(I, First, P); }
    bool StartFrom(int I, int AFirst, int& P) const
    {
        if (I < 0 || I >= Count())
            return false;
        P = 0;
        if (I < Fixed) {
            for (int i = 0; i < I; ++i)
                P += Ext(i);
            return P < Extent;
        }
        if (I < AFirst)
            return false;
        P = FixedExtent();
        for (int i = AFirst; i < I; ++i) {
            P += Ext(i);
            if (P >= Extent)
                return false;
        }
        return P < Extent;
    }

    // The cell at pixel X (its line included); -1 outside the cells.
    int At(int X) const
    {
        if (X < 0 || X >= Extent)
            return -1;
        int p = 0;
        for (int i = 0; i < Fixed && i < Count(); ++i) {
            if (X < p + Ext(i))
                return i;
            p += Ext(i);
        }
        for (int i = First; i < Count() && p < Extent; ++i) {
            if (X < p + Ext(i))
                return i;
            p += Ext(i);
        }
        return -1;
    }

    // Calls F(index, start) for every cell on screen, fixed ones first.
    template <typename Fn>
    void ForEachVisible(Fn F) const
    {
        int p = 0;
        for (int i = 0; i < Fixed && i < Count() && p < Extent; ++i) {
            F(i, p);
            p += Ext(i);
        }
        for (int i = First; i < Count() && p < Extent; ++i) {
            F(i, p);
            p += Ext(i);
        }
    }

    // The pixel after the last cell on screen (may pass Extent).
    int GridBoundary() const
    {
        int end = 0;
        ForEachVisible([&](int i, int p) { end = p + Ext(i); });
        return end;
    }

    // The last scrollable cell on screen (First - 1 when none).
    int LastVisible() const
    {
        int last = First - 1;
        ForEachVisible([&](int i, int) {
            if (i >= Fixed)
                last = i;
        });
        return last;
    }

    // The last scrollable cell shown whole, counted without gaps from First
    // (First - 1 when not even First fits).
    int LastFullVisible() const
    {
        int p = FixedExtent();
        int last = First - 1;
        for (int i = First; i < Count(); ++i) {
            if (p + Size(i) > Extent)
                break;
            last = i;
            p += Ext(i);
        }
        return last;
    }

    // The first scrollable cell with which the last cell is shown whole (at
    // least Fixed; the last cell itself when it does not fit).
    int MaxFirst() const
    {
        const int n = Count();
        if (n <= Fixed)
            return Fixed;
        const int avail = Extent - FixedExtent();
        int used = Size(n - 1);
        int first = n - 1;
        while (first - 1 >= Fixed && used + Ext(first - 1) <= avail) {
            used += Ext(first - 1);
            --first;
        }
        return first;
    }

    // The first cell to show so that scrollable cell I is shown whole,
    // starting from the view that begins at AFirst.
    int FirstToShow(int I, int AFirst) const
    {
        if (I < Fixed)
            return AFirst;
        if (I < AFirst)
            return I;
        int p = FixedExtent();
        bool fits = true;
        for (int i = AFirst; i < I; ++i) {
            p += Ext(i);
            if (p >= Extent) {
                fits = false;
                break;
            }
        }
        if (fits && p + Size(I) <= Extent)
            return AFirst;
        const int avail = Extent - FixedExtent();
        int used = Size(I);
        int first = I;
        while (first - 1 >= Fixed && first - 1 >= AFirst && used + Ext(first - 1) <= avail) {
            used += Ext(first - 1);
            --first;
        }
        return first;
    }
};
