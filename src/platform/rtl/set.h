#pragma once
// A small bit set over an enumeration (values 0..63), for the set types of
// the platform and the grid (options, shift state, anchors ...).
#include <cstdint>
#include <initializer_list>

template <typename E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> items)
    {
        for (E e : items)
            bits_ |= bit(e);
    }

    constexpr bool Contains(E e) const { return (bits_ & bit(e)) != 0; }
    constexpr Set& Include(E e) { bits_ |= bit(e); return *this; }
    constexpr Set& Exclude(E e) { bits_ &= ~bit(e); return *this; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint64_t Bits() const { return bits_; }
    static constexpr Set FromBits(uint64_t b) { Set s; s.bits_ = b; return s; }

    constexpr Set operator+(Set o) const { return FromBits(bits_ | o.bits_); }   // union
    constexpr Set operator-(Set o) const { return FromBits(bits_ & ~o.bits_); }  // difference
    constexpr Set operator*(Set o) const { return FromBits(bits_ & o.bits_); }   // intersection
    constexpr Set& operator+=(Set o) { bits_ |= o.bits_; return *this; }
    constexpr Set& operator-=(Set o) { bits_ &= ~o.bits_; return *this; }
    constexpr bool operator==(const Set&) const = default;
    // True when every member of o is a member of this set.
    constexpr bool ContainsAll(Set o) const { return (bits_ & o.bits_) == o.bits_; }

private:
    static constexpr uint64_t bit(E e) { return uint64_t(1) << static_cast<unsigned>(e); }
    uint64_t bits_ = 0;
};
