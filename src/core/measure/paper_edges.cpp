#include "core/measure/paper_edges.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrim {
namespace {

constexpr double kSearchMm = 45;     // how far out from the target an edge is looked for
constexpr double kSampleStepMm = 4;  // between the lines along a side
constexpr double kStepThreshold = 15;  // grey levels between the paper and what lies beyond
constexpr int kMinimumEdgePoints = 8;

// Grey levels along a line, each the mean of five samples across it over
// 0.8 mm; it ends where the line leaves the scan.
struct Profile {
  std::vector<double> values;
  double stepMm = 0;
  bool leftScan = false;  // ended at the scan's border
  int Index(double mm) const { return static_cast<int>(std::lround(mm / stepMm)); }
};

Profile ReadProfile(const GreyImage& image, ScanPoint start, ScanPoint along, double lengthMm) {
  Profile profile;
  profile.stepMm = std::min(image.MmPerPixelX(), image.MmPerPixelY()) / 2;
  const ScanPoint across{-along.y, along.x};
  for (double t = 0; t <= lengthMm; t += profile.stepMm) {
    double sum = 0;
    for (int k = -2; k <= 2; ++k) {
      const double v = image.Sample(start + t * along + (0.2 * k) * across);
      if (v < 0) {
        profile.leftScan = true;
        return profile;
      }
      sum += v;
    }
    profile.values.push_back(sum / 5);
  }
  return profile;
}

double MedianOf(const std::vector<double>& values, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, static_cast<int>(values.size()));
  if (to <= from) return -1;
  std::vector<double> part(values.begin() + from, values.begin() + to);
  const auto middle = part.begin() + static_cast<std::ptrdiff_t>(part.size() / 2);
  std::nth_element(part.begin(), middle, part.end());
  return *middle;
}

// Where the values first fall through `level` after index `from`, between
// samples; -1 when they do not within `to`.
double FallThrough(const std::vector<double>& values, int from, int to, double level) {
  for (int k = std::max(from, 1); k < std::min(to, static_cast<int>(values.size())); ++k)
    if (values[static_cast<std::size_t>(k)] < level && values[static_cast<std::size_t>(k - 1)] >= level)
      return (k - 1) + (values[static_cast<std::size_t>(k - 1)] - level) /
                           (values[static_cast<std::size_t>(k - 1)] - values[static_cast<std::size_t>(k)]);
  return -1;
}

// The paper's border along one line from inside the paper outwards: the
// first clear step down from the paper's grey, placed where the values cross
// halfway between the paper and what lies beyond.
std::optional<ScanPoint> EdgeAlong(const GreyImage& image, ScanPoint start, ScanPoint outward, int& leftScan) {
  const Profile profile = ReadProfile(image, start, outward, kSearchMm);
  leftScan += profile.leftScan;
  const auto& v = profile.values;
  const int n = static_cast<int>(v.size());
  const double paper = MedianOf(v, 0, profile.Index(2));
  const int box = std::max(1, profile.Index(0.3));
  int drop = -1;
  double sum = 0;
  for (int k = 0; k < n; ++k) {
    sum += v[static_cast<std::size_t>(k)];
    if (k >= box) sum -= v[static_cast<std::size_t>(k - box)];
    if (k >= box - 1 && sum / box < paper - kStepThreshold) {
      drop = k - box / 2;
      break;
    }
  }
  if (drop < 0) return std::nullopt;
  const double inside = MedianOf(v, drop - profile.Index(3), drop - profile.Index(1));
  const double beyond = MedianOf(v, drop + profile.Index(1), drop + profile.Index(2.5));
  if (inside < 0 || beyond < 0 || inside - beyond < kStepThreshold) return std::nullopt;
  const double at = FallThrough(v, drop - profile.Index(1), drop + profile.Index(1), (inside + beyond) / 2);
  if (at < 0) return std::nullopt;
  return start + (at * profile.stepMm) * outward;
}

ScanPoint Unit(ScanPoint p) { return (1.0 / Length(p)) * p; }

bool InBand(PaperSide side, double along) {
  for (const TargetBand& band : kTargetBands)
    if (band.side == side && along > band.fromMm - 3 && along < band.toMm + 3) return true;
  return false;
}

}  // namespace

std::optional<PaperEdges> FindPaperEdges(const GreyImage& image, const Affine& printed, bool& runsOff) {
  struct SideSearch {
    PaperSide side;
    double inside;  // where the lines start, across the side (clear of the marks)
    ScanPoint outward;
    double from, to;  // along the side
  };
  // Lines start between the outermost marks and the paper's border and run
  // out past it, clear of the bands and of the corners.
  const SideSearch sides[] = {
      {PaperSide::Left, 22, {-1, 0}, 15, 262},
      {PaperSide::Top, 26, {0, -1}, 15, 195},
      {PaperSide::Right, 188, {1, 0}, 15, 262},
      {PaperSide::Bottom, 264, {0, 1}, 15, 195},
  };
  PaperEdges edges;
  for (const SideSearch& s : sides) {
    const bool vertical = s.side == PaperSide::Left || s.side == PaperSide::Right;
    const ScanPoint outward = Unit(printed.Linear(s.outward));
    std::vector<ScanPoint> points;
    int lines = 0, leftScan = 0;
    for (double along = s.from; along <= s.to; along += kSampleStepMm) {
      if (InBand(s.side, along)) continue;
      const ScanPoint start = printed(vertical ? ScanPoint{s.inside, along} : ScanPoint{along, s.inside});
      ++lines;
      if (const auto edge = EdgeAlong(image, start, outward, leftScan)) points.push_back(*edge);
    }
    const auto line = FitLineRobustly(std::move(points), kMinimumEdgePoints, 0.1);
    if (!line) {
      // Most lines reached the scan's border first: the sheet runs off it.
      runsOff = 2 * leftScan > lines;
      return std::nullopt;
    }
    edges[static_cast<std::size_t>(s.side)] = *line;
  }
  return edges;
}

std::optional<double> BandMarginAlong(const GreyImage& image, ScanPoint start, ScanPoint inward, double innerMm) {
  const Profile profile = ReadProfile(image, start, inward, innerMm + 6);
  const auto& v = profile.values;
  const double white = MedianOf(v, profile.Index(innerMm + 2), profile.Index(innerMm + 5));
  if (white < 0 || innerMm < 3) return std::nullopt;
  double black = 255;
  for (int k = profile.Index(0.5); k < std::min(profile.Index(innerMm - 1.5), static_cast<int>(v.size())); ++k)
    black = std::min(black, v[static_cast<std::size_t>(k)]);
  if (white - black < 60) return std::nullopt;
  const double level = (white + black) / 2;
  // The band's ink starts where the values first fall through halfway after
  // having been paper; values never above it mean the band reaches the edge.
  const int end = profile.Index(innerMm - 1);
  int firstPaper = -1;
  for (int k = 0; k < std::min(end, static_cast<int>(v.size())); ++k)
    if (v[static_cast<std::size_t>(k)] >= level) {
      firstPaper = k;
      break;
    }
  if (firstPaper < 0) return 0.0;
  const double at = FallThrough(v, firstPaper + 1, end, level);
  if (at < 0) return std::nullopt;
  return at * profile.stepMm;
}

std::optional<ScanPoint> MeetEdge(const Line& edge, ScanPoint p, ScanPoint d) {
  return Intersect(edge, Line{p, Unit(d), 0, 0});
}

}  // namespace veltrim
