#pragma once
// Measures a scan of the printed measurement target: the paper, the page's
// turn on the scanner bed, and what the printer did to the printed image
// (offset, scale and skew against the paper, the margins it could not
// reach), each with an uncertainty from the fits' residuals.
//
// Conventions: millimetres, x right and y down as the page is read; angles in
// degrees, counter-clockwise positive as a person sees the page; scales are
// ratios of printed to intended size. Offset, scale and skew are those of the
// printed image about the target's centre, against the paper's edges.

#include <array>
#include <string>
#include <vector>

#include "core/measure/scan_image.hpp"

namespace veltrim {

struct PaperMargins {
  double left = 0, top = 0, right = 0, bottom = 0;
};

struct ScanFigures {
  double paperWidthMm = 0, paperHeightMm = 0;
  double bedRotationDeg = 0;
  double offsetXMm = 0, offsetYMm = 0;
  double scaleX = 1, scaleY = 1;
  double skewDeg = 0;
  PaperMargins marginsMm;
  double paperOffsetMm = 0;  // the value to type: a whole number
};

enum class ScanFault { None, NoTarget, TooBlurred, CornerCut, NoPaperEdges, NoBands };

// What was found, in millimetres on the scan, for the annotated picture.
struct ScanOverlay {
  std::vector<ScanPoint> marks;
  std::array<ScanPoint, 4> paper{};    // corners: top-left, top-right, bottom-right, bottom-left
  std::array<ScanPoint, 4> printed{};  // the outermost marks' box as printed, same order
  // Per side (left, top, right, bottom): the paper's edge and the band's ink,
  // across the middle of the side's first band.
  std::array<ScanPoint, 4> marginEdge{}, marginInk{};
};

struct ScanMeasurement {
  ScanFault fault = ScanFault::None;
  ScanFigures figures;
  ScanFigures uncertainty;  // one standard deviation of each figure
  int marks = 0;            // the marks the fit rests on
  ScanOverlay overlay;
};

// The "Y Paper offset (mm)" that moves printing back into place. The print
// engine moves every page's blocks down by the offset's millimetres, so an
// image found `offsetYMm` too low needs minus that, to the nearest whole one.
int PaperOffsetFor(double offsetYMm);

ScanMeasurement MeasureScan(const GreyImage& image);

// One sentence telling the user why a scan could not be measured.
std::string ScanFaultText(ScanFault fault);

}  // namespace veltrim
