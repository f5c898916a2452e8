#pragma once
// Lengths of a page in device units, from the printer's own capabilities.

#include "platform/surface.hpp"

namespace veltrim {

// (VERTRES x 10) / VERTSIZE: ten millimetres down the page, an integer
// quotient. A device that reports no size in millimetres gives 0.
int TenMillimetres(Surface& dc);

}  // namespace veltrim
