#include "core/patterns/shared/vertical_mm.hpp"

#include <cstdint>

#include "core/support/saturating.hpp"

namespace veltrim {

int VerticalMm(Surface& dc, int millimetres) {
  const std::int64_t vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  const std::int64_t vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  if (vertSize <= 0) return 0;
  // Widened so that a huge resolution cannot overflow the product.
  return SaturatedInt(vertRes * millimetres / vertSize);
}

}  // namespace veltrim
