#pragma once
// The paper's four edges on a scan, found along short lines that run out from
// the printed target across the paper's border, each edge then fitted as a
// straight line; and the margin bands' inner ink edges along the same sides.

#include <array>
#include <optional>

#include "core/measure/scan_geometry.hpp"
#include "core/measure/target_layout.hpp"

namespace veltrim {

// Indexed by PaperSide: left, top, right, bottom.
using PaperEdges = std::array<Line, 4>;

// `printed` takes the table's places to the scan. None when a side has too
// few points to fit; `runsOff` then tells whether the sheet ran off the scan
// there.
std::optional<PaperEdges> FindPaperEdges(const GreyImage& image, const Affine& printed, bool& runsOff);

// The distance from the paper's edge to the band's ink along one line
// starting on the edge at `start` and running into the paper along `inward`;
// `innerMm` is about where the band ends. None when no band shows there.
std::optional<double> BandMarginAlong(const GreyImage& image, ScanPoint start, ScanPoint inward, double innerMm);

// A line's unit direction as a vector from its point; the place where a line
// through `p` along `d` meets `edge`.
std::optional<ScanPoint> MeetEdge(const Line& edge, ScanPoint p, ScanPoint d);

}  // namespace veltrim
