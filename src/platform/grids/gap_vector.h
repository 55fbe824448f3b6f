#pragma once
// A sequence of movable values with a gap at the place of the last insert
// or erase (a gap buffer): an insert or erase costs the distance from the
// previous one plus the values it adds or drops, so edits that walk along
// the sequence (a row hidden after the row before it, one by one) cost no
// shift of everything behind them. Reading by index costs one comparison
// more than a vector. The slots of the gap hold default values.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T>
class TGapVector {
public:
    size_t size() const { return slots_.size() - gapLen_; }

    T& operator[](size_t I) { return slots_[I < gapAt_ ? I : I + gapLen_]; }
    const T& operator[](size_t I) const { return slots_[I < gapAt_ ? I : I + gapLen_]; }

    // Every slot, the gap's default values included (for work that skips
    // them anyway).
    template <typename F>
    void ForEachSlot(F Fn)
    {
        for (T& v : slots_)
            Fn(v);
    }

    // Calls Fn(value) for the values [From, To) in order (From <= To <=
    // size()), a plain walk over each side of the gap.
    template <typename F>
    void ForEachIn(size_t From, size_t To, F Fn) const
    {
        for (size_t i = From, e = std::min(To, gapAt_); i < e; ++i)
            Fn(slots_[i]);
        for (size_t i = std::max(From, gapAt_) + gapLen_, e = To + gapLen_; i < e; ++i)
            Fn(slots_[i]);
    }
    template <typename F>
    void ForEachIn(size_t From, size_t To, F Fn)
    {
        for (size_t i = From, e = std::min(To, gapAt_); i < e; ++i)
            Fn(slots_[i]);
        for (size_t i = std::max(From, gapAt_) + gapLen_, e = To + gapLen_; i < e; ++i)
            Fn(slots_[i]);
    }

    // Count default values before index At (0 .. size()).
    void insert(size_t At, size_t Count)
    {
        if (Count == 0)
            return;
        if (gapLen_ < Count) {
            // A new gap, as large as the values, so that growing stays
            // amortised constant per value.
            Close();
            const size_t n = slots_.size();
            const size_t gap = std::max(Count, n / 2 + 16);
            slots_.resize(n + gap);
            std::move_backward(slots_.begin() + std::ptrdiff_t(At), slots_.begin() + std::ptrdiff_t(n),
                               slots_.end());
            Reset(slots_.begin() + std::ptrdiff_t(At), slots_.begin() + std::ptrdiff_t(std::min(n, At + gap)));
            gapAt_ = At;
            gapLen_ = gap;
        } else {
            MoveGap(At);
        }
        gapAt_ += Count;
        gapLen_ -= Count;
    }

    // Count copies of Value before index At.
    void insert(size_t At, size_t Count, const T& Value)
    {
        insert(At, Count);
        for (size_t i = At; i < At + Count; ++i)
            (*this)[i] = Value;
    }

    // Drops the values [At, At + Count).
    void erase(size_t At, size_t Count)
    {
        if (Count == 0)
            return;
        MoveGap(At);
        const auto first = slots_.begin() + std::ptrdiff_t(At + gapLen_);
        Reset(first, first + std::ptrdiff_t(Count));
        gapLen_ += Count;
    }

    // The values in order without a gap: the plain vector, for work that
    // rebuilds the whole sequence.
    std::vector<T>& Flat()
    {
        Close();
        return slots_;
    }

    void resize(size_t N) { Flat().resize(N); }
    void resize(size_t N, const T& Value) { Flat().resize(N, Value); }

    void swap(std::vector<T>& Other)
    {
        Close();
        slots_.swap(Other);
    }

private:
    // Back to default values (move-only values cannot be filled by copy).
    template <typename It>
    static void Reset(It First, It Last)
    {
        for (; First < Last; ++First)
            *First = T();
    }

    // The gap to the end (its slots dropped).
    void Close()
    {
        MoveGap(size());
        slots_.resize(size());
        gapLen_ = 0;
        gapAt_ = slots_.size();
    }

    void MoveGap(size_t At)
    {
        if (gapLen_ == 0) {
            gapAt_ = At;
            return;
        }
        const auto b = slots_.begin();
        if (At < gapAt_) {
            // The values [At, gapAt_) go behind the gap.
            std::move_backward(b + std::ptrdiff_t(At), b + std::ptrdiff_t(gapAt_),
                               b + std::ptrdiff_t(gapAt_ + gapLen_));
            Reset(b + std::ptrdiff_t(At), b + std::ptrdiff_t(std::min(gapAt_, At + gapLen_)));
        } else if (At > gapAt_) {
            // The values after the gap, up to At, come in front of it.
            const size_t from = gapAt_ + gapLen_, to = At + gapLen_;
            std::move(b + std::ptrdiff_t(from), b + std::ptrdiff_t(to), b + std::ptrdiff_t(gapAt_));
            Reset(b + std::ptrdiff_t(std::max(from, At)), b + std::ptrdiff_t(to));
        }
        gapAt_ = At;
    }

    std::vector<T> slots_;
    size_t gapAt_ = 0;   // index of the first gap slot
    size_t gapLen_ = 0;  // slots in the gap
};
