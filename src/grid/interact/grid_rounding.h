#pragma once
// Rounding scaled sizes to whole pixels: to the nearest integer, halves to
// even, clamped to what an int holds.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace GridRounding {
constexpr double IntLimit = std::numeric_limits<int>::max();
// Adding and taking away 1.5 * 2^52 rounds a double of magnitude below 2^51
// to an integer in the current rounding mode, as std::rint does (nothing here
// leaves the default: to nearest, halves to even), without the tests
// std::rint makes for large values.
constexpr double RoundShift = 0x1.8p52;
}  // namespace GridRounding

// V rounded, halves to even; what an int cannot hold is clamped to
// -INT_MAX .. INT_MAX, and NaN gives 0.
inline int RoundHalfEvenClamped(double V)
{
    using namespace GridRounding;
    if (V != V)
        return 0;
    V = V < IntLimit ? V : IntLimit;
    V = V > -IntLimit ? V : -IntLimit;
    return int((V + RoundShift) - RoundShift);
}

// Every size times Factor, each as RoundHalfEvenClamped gives it. When no
// product can leave the range of an int (the usual case: checked once, from
// the largest magnitude), the loop is the multiplication and the rounding
// alone.
inline void ScaleSizesHalfEven(std::vector<int>& Sizes, double Factor)
{
    using namespace GridRounding;
    if (Sizes.empty())
        return;
    const auto [lo, hi] = std::minmax_element(Sizes.begin(), Sizes.end());
    if (std::max(-double(*lo), double(*hi)) * std::fabs(Factor) <= IntLimit) {
        for (int& s : Sizes)
            s = int((s * Factor + RoundShift) - RoundShift);
    } else {
        for (int& s : Sizes)
            s = RoundHalfEvenClamped(s * Factor);
    }
}
