#include "patterns/page_units.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace veltrim {

int TenMillimetres(Surface& dc) {
  const std::int64_t vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  const std::int64_t vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  if (vertSize <= 0) return 0;
  // Widened so that a huge resolution cannot overflow the product.
  return static_cast<int>(std::clamp<std::int64_t>(vertRes * 10 / vertSize, 0, std::numeric_limits<int>::max()));
}

}  // namespace veltrim
