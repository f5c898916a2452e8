#include "patterns/page_units.hpp"

namespace veltrim {

int TenMillimetres(Surface& dc) {
  const int vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  const int vertSize = dc.GetDeviceCaps(DeviceCap::VertSize);
  return vertSize > 0 ? vertRes * 10 / vertSize : 0;
}

}  // namespace veltrim
