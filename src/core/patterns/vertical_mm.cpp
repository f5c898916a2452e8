#include "patterns/vertical_mm.hpp"

#include <cstdint>

namespace veltrim {

int VerticalMm(Surface& dc, int millimetres) {
  const std::int64_t vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  const std::int64_t vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  if (vertSize <= 0) return 0;
  return static_cast<int>(vertRes * millimetres / vertSize);
}

}  // namespace veltrim
