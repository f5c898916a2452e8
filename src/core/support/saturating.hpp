#pragma once
// Numbers on their way to the int coordinates and values the surfaces take.
// A typed or stored number may be anything int holds, so a sum or product
// made from it is computed wider (64 bits, or floating point) and held to
// a range here, where it becomes an int again, rather than wrapping or
// being undefined.

#include <concepts>
#include <limits>
#include <utility>

namespace veltrim {

// How far off a page or picture a paper offset carries what it moves, in
// device units or pixels: past every page a device here has (5 m at 4800
// dpi is under a million units), and a coordinate every surface still
// draws (cairo keeps 24 integer bits).
inline constexpr int kFarOffPage = 1 << 22;

// `value` as an int held to low..high (int's own range unless given); a
// floating-point value truncates toward zero, NaN gives 0.
template <typename T>
  requires std::integral<T> || std::floating_point<T>
constexpr int SaturatedInt(T value, int low = std::numeric_limits<int>::min(),
                           int high = std::numeric_limits<int>::max()) {
  if constexpr (std::floating_point<T>) {
    if (!(value == value)) return 0;
    // Compared as long double: float(INT_MAX) would round up to 2^31.
    const long double wide = value;
    if (wide <= low) return low;
    if (wide >= high) return high;
  } else {
    if (std::cmp_less_equal(value, low)) return low;
    if (std::cmp_greater_equal(value, high)) return high;
  }
  return static_cast<int>(value);
}

}  // namespace veltrim
