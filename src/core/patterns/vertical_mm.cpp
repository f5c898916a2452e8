#include "patterns/vertical_mm.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace veltrim {

int VerticalMm(Surface& dc, int millimetres) {
  const std::int64_t vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  const std::int64_t vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  if (vertSize <= 0) return 0;
  // Widened so that a huge resolution cannot overflow the product.
  return static_cast<int>(std::clamp<std::int64_t>(vertRes * millimetres / vertSize, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace veltrim
