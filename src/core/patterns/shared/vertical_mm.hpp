#pragma once
// A vertical length in device units, from a fresh VERTRES / VERTSIZE pair:
// VERTRES x mm / VERTSIZE, the product taken before the integer division
// (so two centimetres are not always twice one).

#include "core/platform/surface.hpp"

namespace veltrim {

// 0 when the device reports no vertical size, rather than a division by zero.
int VerticalMm(Surface& dc, int millimetres);

}  // namespace veltrim
