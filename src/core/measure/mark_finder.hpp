#pragma once
// Finds the target's marks on a scan: dark discs of the mark's size found on
// a reduced copy, matched to the table's layout by their distances and
// directions (the page lies upright or upside down, turned by a few degrees
// at most), then
// placed to a fraction of a pixel at full resolution by their ink's centroid.

#include <optional>
#include <vector>

#include "core/measure/scan_geometry.hpp"

namespace veltrim {

enum class MarkFault { None, NoTarget, TooBlurred, CornerCut };

struct FoundMark {
  int index = 0;      // into kTargetMarks
  ScanPoint centre;   // on the scan, mm
};

struct MarkSearch {
  MarkFault fault = MarkFault::None;
  std::vector<FoundMark> marks;
  double edgeWidthMm = 0;  // the median width of the marks' blurred rims
  // The page lies upside down: no marks are given; search the scan turned
  // half round.
  bool upsideDown = false;
};

// The fewest marks a measurement rests on.
inline constexpr int kMinimumMarks = 6;
// A rim wider than this (10 % to 90 % of the ink) is too blurred to place.
inline constexpr double kMaximumEdgeWidthMm = 1.0;

MarkSearch FindMarks(const GreyImage& image);

}  // namespace veltrim
