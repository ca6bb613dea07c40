// The largest numbers a project may hold, by what they measure. No real project comes
// near them; they keep every amount the computations form from numbers within them inside
// the single-precision range, which the custom schedules work in:
//
//   construction   six layers of area x quantity x unit cost / 9   <= 6.7e29
//   factors        (1 + rate / 100) ^ +-years, and its inverse      <= 0.75 ^ -50 = 1.8e6
//   a total        construction + 9 rows + salvage, each x factor   <= 4e37  (single: 3.4e38)
//
// The entry checks refuse a typed number beyond them; opening a project file refuses a
// stored one. Where a box has a smaller bound of its own, that bound applies at entry.
#pragma once

#include <cfloat>

namespace orv::bounds {

inline constexpr double kDepth = 1e9;       // inches: a layer, a construction option, a row depth
inline constexpr double kUnitCost = 1e9;    // dollars per square yard (and inch)
inline constexpr double kLength = 1e6;      // feet: a length or a width
inline constexpr double kArea = 1e12;       // square feet
inline constexpr double kRate = 25;         // percent a year, inflation or interest
inline constexpr double kYears = 50;        // a schedule year or an analysis period
inline constexpr double kPercent = 1000;    // a salvage value, percent of the construction
inline constexpr double kWhole = 32767;     // a flag or list index (16-bit whole number)
inline constexpr double kAmount = FLT_MAX;  // a computed amount (single precision)

// Whether `value` lies within -bound .. bound (never true of a NaN).
constexpr bool Within(double value, double bound) { return value >= -bound && value <= bound; }

}  // namespace orv::bounds
