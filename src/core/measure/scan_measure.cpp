#include "core/measure/scan_measure.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/measure/mark_finder.hpp"
#include "core/measure/paper_edges.hpp"
#include "core/measure/target_layout.hpp"

namespace veltrim {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
constexpr int kMinimumMarginLines = 5;

// The paper as a frame: its corners, its centre and its axes on the scan.
struct PaperFrame {
  ScanPoint corners[4];  // top-left, top-right, bottom-right, bottom-left
  ScanPoint centre, u, v;
  double width = 0, height = 0, turn = 0;  // turn: clockwise on the scan, radians

  // A place on the scan in millimetres from the paper's top-left corner.
  ScanPoint ToPaper(ScanPoint p) const {
    const ScanPoint d = p - centre;
    return {width / 2 + Dot(d, u), height / 2 + Dot(d, v)};
  }
  ScanPoint ToScan(ScanPoint q) const { return centre + (q.x - width / 2) * u + (q.y - height / 2) * v; }
};

// The angle of an edge's direction, clockwise on the scan; vertical edges
// count from straight down, so all four agree for a square sheet.
double EdgeTurn(const Line& line, bool vertical) {
  ScanPoint d = line.direction;
  if (vertical) d = {d.y, -d.x};
  if (d.x < 0) d = -1.0 * d;
  return std::atan2(d.y, d.x);
}

std::optional<PaperFrame> MakeFrame(const PaperEdges& e, const GreyImage& image, bool& cut) {
  using enum PaperSide;
  const auto at = [&](PaperSide a, PaperSide b) {
    return Intersect(e[static_cast<std::size_t>(a)], e[static_cast<std::size_t>(b)]);
  };
  const std::optional<ScanPoint> corners[4] = {at(Top, Left), at(Top, Right), at(Bottom, Right), at(Bottom, Left)};
  PaperFrame frame;
  for (int k = 0; k < 4; ++k) {
    if (!corners[k]) return std::nullopt;
    frame.corners[k] = *corners[k];
    const ScanPoint c = *corners[k];
    if (c.x < 0.5 || c.y < 0.5 || c.x > image.WidthMm() - 0.5 || c.y > image.HeightMm() - 0.5) cut = true;
    frame.centre = frame.centre + 0.25 * c;
  }
  frame.turn = (EdgeTurn(e[0], true) + EdgeTurn(e[1], false) + EdgeTurn(e[2], true) + EdgeTurn(e[3], false)) / 4;
  frame.u = {std::cos(frame.turn), std::sin(frame.turn)};
  frame.v = {-frame.u.y, frame.u.x};
  const ScanPoint* c = frame.corners;
  frame.width = (Length(c[1] - c[0]) + Length(c[2] - c[3])) / 2;
  frame.height = (Length(c[3] - c[0]) + Length(c[2] - c[1])) / 2;
  return frame;
}

// The figures of the printed image from the affine map that takes the
// table's places to the paper's, and their uncertainties from its covariance
// (linearised about the map found).
void ImageFigures(const AffineFit& fit, ScanFigures& value, ScanFigures& error) {
  const auto& a = fit.map.a;
  const auto cov = [&](int r, int c) { return fit.covariance[static_cast<std::size_t>(r * 6 + c)]; };
  const ScanPoint centre{kTargetCentre.xMm, kTargetCentre.yMm};
  const ScanPoint moved = fit.map(centre);
  value.offsetXMm = moved.x - centre.x;
  value.offsetYMm = moved.y - centre.y;
  value.scaleX = std::hypot(a[0], a[2]);
  value.scaleY = std::hypot(a[1], a[3]);
  // Each axis's turn, clockwise on the scan; the skew is their mean, made
  // counter-clockwise.
  const double turnX = std::atan2(a[2], a[0]), turnY = std::atan2(-a[1], a[3]);
  value.skewDeg = -(turnX + turnY) / 2 * kDegrees;
  // Offsets: x = a00 cx + a01 cy + bx, so its variance is g' C g.
  const auto along = [&](const double (&g)[6]) {
    double sum = 0;
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 6; ++c) sum += g[r] * cov(r, c) * g[c];
    return std::sqrt(std::max(sum, 0.0));
  };
  const double gx[6] = {centre.x, centre.y, 0, 0, 1, 0}, gy[6] = {0, 0, centre.x, centre.y, 0, 1};
  error.offsetXMm = along(gx);
  error.offsetYMm = along(gy);
  const double sx[6] = {a[0] / value.scaleX, 0, a[2] / value.scaleX, 0, 0, 0};
  const double sy[6] = {0, a[1] / value.scaleY, 0, a[3] / value.scaleY, 0, 0};
  error.scaleX = along(sx);
  error.scaleY = along(sy);
  const double skew[6] = {0, -0.5 * kDegrees, 0.5 * kDegrees, 0, 0, 0};
  error.skewDeg = along(skew);
}

// The margin of each side: the median over the lines across its bands, from
// the paper's fitted edge to the band's ink.
bool MeasureMargins(const GreyImage& image, const PaperEdges& edges, const PaperFrame& frame, const Affine& printed,
                    PaperMargins& value, PaperMargins& error, ScanOverlay& overlay) {
  double* values[4] = {&value.left, &value.top, &value.right, &value.bottom};
  double* errors[4] = {&error.left, &error.top, &error.right, &error.bottom};
  for (int side = 0; side < 4; ++side) {
    const PaperSide paperSide = static_cast<PaperSide>(side);
    const ScanPoint inward = paperSide == PaperSide::Left  ? frame.u
                             : paperSide == PaperSide::Top ? frame.v
                             : paperSide == PaperSide::Right ? -1.0 * frame.u
                                                             : -1.0 * frame.v;
    // The band as the printer meant it: kBandDepthMm inside the sheet's edge
    // (the far sides measured from the sheet found), carried onto the scan
    // by the printed image's own map.
    const auto place = [&](double along, double depth) {
      switch (paperSide) {
        case PaperSide::Left: return ScanPoint{depth, along};
        case PaperSide::Top: return ScanPoint{along, depth};
        case PaperSide::Right: return ScanPoint{frame.width - depth, along};
        case PaperSide::Bottom: break;
      }
      return ScanPoint{along, frame.height - depth};
    };
    // Each band's median, then their mean: a skewed image's margin changes
    // along the side, and the figure is the side's middle.
    double sum = 0, squares = 0;
    int bands = 0, lines = 0;
    for (const TargetBand& band : kTargetBands) {
      if (band.side != paperSide) continue;
      std::vector<double> margins;
      for (double along = band.fromMm + 3; along <= band.toMm - 3; along += 1) {
        const auto start = MeetEdge(edges[static_cast<std::size_t>(side)], printed(place(along, kBandDepthMm / 2)), inward);
        if (!start) continue;
        const double inner = Dot(printed(place(along, kBandDepthMm)) - *start, inward);
        if (const auto margin = BandMarginAlong(image, *start, inward, inner)) margins.push_back(*margin);
      }
      if (static_cast<int>(margins.size()) < kMinimumMarginLines) return false;
      std::sort(margins.begin(), margins.end());
      const double median = margins[margins.size() / 2];
      if (bands == 0) {
        const double middle = (band.fromMm + band.toMm) / 2;
        const auto edge = MeetEdge(edges[static_cast<std::size_t>(side)], printed(place(middle, kBandDepthMm / 2)), inward);
        overlay.marginEdge[static_cast<std::size_t>(side)] = edge.value_or(ScanPoint{});
        overlay.marginInk[static_cast<std::size_t>(side)] = edge.value_or(ScanPoint{}) + median * inward;
      }
      for (const double m : margins) squares += (m - median) * (m - median);
      sum += median;
      lines += static_cast<int>(margins.size());
      ++bands;
    }
    if (bands == 0) return false;
    const double n = lines;
    *values[side] = sum / bands;
    *errors[side] = std::hypot(1.2533 * std::sqrt(squares / (n - 1) / n), edges[static_cast<std::size_t>(side)].positionError);
  }
  return true;
}

}  // namespace

int PaperOffsetFor(double offsetYMm) { return -static_cast<int>(std::lround(offsetYMm)); }

namespace {

// The measurement of a scan whose page lies upright, from its marks found.
ScanMeasurement MeasureUpright(const GreyImage& image, const MarkSearch& search) {
  ScanMeasurement result;
  switch (search.fault) {
    case MarkFault::None: break;
    case MarkFault::NoTarget: result.fault = ScanFault::NoTarget; return result;
    case MarkFault::TooBlurred: result.fault = ScanFault::TooBlurred; return result;
    case MarkFault::CornerCut: result.fault = ScanFault::CornerCut; return result;
  }
  std::vector<ScanPoint> nominal, scanned;
  for (const FoundMark& mark : search.marks) {
    nominal.push_back({kTargetMarks[static_cast<std::size_t>(mark.index)].xMm, kTargetMarks[static_cast<std::size_t>(mark.index)].yMm});
    scanned.push_back(mark.centre);
  }
  const auto onScan = FitAffine(nominal, scanned);
  if (!onScan) {
    result.fault = ScanFault::NoTarget;
    return result;
  }
  bool runsOff = false;
  const auto edges = FindPaperEdges(image, onScan->map, runsOff);
  if (!edges) {
    result.fault = runsOff ? ScanFault::CornerCut : ScanFault::NoPaperEdges;
    return result;
  }
  bool cut = false;
  const auto frame = MakeFrame(*edges, image, cut);
  if (cut) {
    result.fault = ScanFault::CornerCut;
    return result;
  }
  if (!frame) {
    result.fault = ScanFault::NoPaperEdges;
    return result;
  }
  std::vector<ScanPoint> onPaper;
  for (const ScanPoint& p : scanned) onPaper.push_back(frame->ToPaper(p));
  const auto fit = FitAffine(nominal, onPaper);
  if (!fit) {
    result.fault = ScanFault::NoTarget;
    return result;
  }
  ScanFigures& value = result.figures;
  ScanFigures& error = result.uncertainty;
  value.paperWidthMm = frame->width;
  value.paperHeightMm = frame->height;
  const auto edgeError = [&](PaperSide side) { return (*edges)[static_cast<std::size_t>(side)].positionError; };
  error.paperWidthMm = std::hypot(edgeError(PaperSide::Left), edgeError(PaperSide::Right));
  error.paperHeightMm = std::hypot(edgeError(PaperSide::Top), edgeError(PaperSide::Bottom));
  value.bedRotationDeg = -frame->turn * kDegrees;
  error.bedRotationDeg = std::hypot(error.paperWidthMm, error.paperHeightMm) / std::max(frame->width, 1.0) * kDegrees;
  ImageFigures(*fit, value, error);
  // The paper's centre is known only as well as its edges.
  error.offsetXMm = std::hypot(error.offsetXMm, error.paperWidthMm / 2);
  error.offsetYMm = std::hypot(error.offsetYMm, error.paperHeightMm / 2);
  ScanOverlay& overlay = result.overlay;
  overlay.marks = scanned;
  std::copy(std::begin(frame->corners), std::end(frame->corners), overlay.paper.begin());
  const auto [left, right] = std::minmax_element(kTargetMarks.begin(), kTargetMarks.end(),
                                                 [](const TargetMark& a, const TargetMark& b) { return a.xMm < b.xMm; });
  const auto [top, bottom] = std::minmax_element(kTargetMarks.begin(), kTargetMarks.end(),
                                                 [](const TargetMark& a, const TargetMark& b) { return a.yMm < b.yMm; });
  overlay.printed = {onScan->map({left->xMm, top->yMm}), onScan->map({right->xMm, top->yMm}),
                     onScan->map({right->xMm, bottom->yMm}), onScan->map({left->xMm, bottom->yMm})};
  if (!MeasureMargins(image, *edges, *frame, onScan->map, value.marginsMm, error.marginsMm, overlay)) {
    result.fault = ScanFault::NoBands;
    return result;
  }
  value.paperOffsetMm = PaperOffsetFor(value.offsetYMm);
  error.paperOffsetMm = error.offsetYMm;
  result.marks = static_cast<int>(search.marks.size());
  return result;
}

// What was found on the scan turned half round, carried back onto the scan
// as it is: the page's turn by half a turn, places through the scan's centre.
void TurnedBack(ScanMeasurement& result, const GreyImage& image) {
  double& turn = result.figures.bedRotationDeg;
  turn = std::remainder(turn + 180, 360);
  if (turn == -180) turn = 180;
  const auto back = [&](ScanPoint& p) { p = ScanPoint{image.WidthMm() - p.x, image.HeightMm() - p.y}; };
  ScanOverlay& overlay = result.overlay;
  for (ScanPoint& p : overlay.marks) back(p);
  for (auto* points : {&overlay.paper, &overlay.printed, &overlay.marginEdge, &overlay.marginInk})
    for (ScanPoint& p : *points) back(p);
}

}  // namespace

ScanMeasurement MeasureScan(const GreyImage& image) {
  const std::size_t size = static_cast<std::size_t>(std::max(image.width, 0)) * std::max(image.height, 0);
  if (image.width < 16 || image.height < 16 || !(image.dpiX > 0) || !(image.dpiY > 0) || image.pixels.size() < size) {
    ScanMeasurement refused;
    refused.fault = ScanFault::NoTarget;
    return refused;
  }
  const MarkSearch search = FindMarks(image);
  if (!search.upsideDown) return MeasureUpright(image, search);
  // A page upside down: a row-major image read backwards is the scan turned
  // half round, on which the page lies upright.
  std::vector<std::uint8_t> turned(image.pixels.begin(), image.pixels.begin() + static_cast<std::ptrdiff_t>(size));
  std::reverse(turned.begin(), turned.end());
  const GreyImage upright{image.width, image.height, turned, image.dpiX, image.dpiY};
  const MarkSearch again = FindMarks(upright);
  ScanMeasurement result;
  if (again.upsideDown) {
    result.fault = ScanFault::NoTarget;
    return result;
  }
  result = MeasureUpright(upright, again);
  if (result.fault == ScanFault::None) TurnedBack(result, image);
  return result;
}

std::string ScanFaultText(ScanFault fault) {
  switch (fault) {
    case ScanFault::None: return "";
    case ScanFault::NoTarget:
      return "No measurement target was found on the scan: print one with veltrim print --measure-page and scan the "
             "whole sheet.";
    case ScanFault::TooBlurred:
      return "The scan is too blurred to measure: scan at 300 dpi or more with the sheet flat on the glass.";
    case ScanFault::CornerCut:
      return "A corner of the page is cut off: lay the whole sheet on the glass, clear of the scan's borders.";
    case ScanFault::NoPaperEdges:
      return "The paper's edges were not found: scan with a dark sheet behind the page.";
    case ScanFault::NoBands:
      return "The margin bands were not found along the paper's edges: scan the whole sheet, printed side down.";
  }
  return "";
}

}  // namespace veltrim
