#include "core/measure/mark_finder.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/measure/target_layout.hpp"

namespace veltrim {
namespace {

constexpr double kReducedDpi = 50;  // about half a millimetre a pixel
constexpr double kWhiteBlockMm = 8;
constexpr double kMaxTurn = 10 * std::numbers::pi / 180;
constexpr double kMatchMm = 2.5;

// The scan shrunk by whole blocks of pixels, each the mean of its block.
struct Reduced {
  int width = 0, height = 0, fx = 1, fy = 1;
  double mmX = 0, mmY = 0;  // a reduced pixel's size
  std::vector<float> values;
};

Reduced Reduce(const GreyImage& image) {
  Reduced r;
  r.fx = std::max(1, static_cast<int>(std::lround(image.dpiX / kReducedDpi)));
  r.fy = std::max(1, static_cast<int>(std::lround(image.dpiY / kReducedDpi)));
  r.width = image.width / r.fx;
  r.height = image.height / r.fy;
  r.mmX = r.fx * image.MmPerPixelX();
  r.mmY = r.fy * image.MmPerPixelY();
  r.values.assign(static_cast<std::size_t>(r.width) * r.height, 0.0f);
  std::vector<std::uint32_t> row(static_cast<std::size_t>(r.width));
  for (int j = 0; j < r.height; ++j) {
    std::fill(row.begin(), row.end(), 0u);
    for (int y = j * r.fy; y < (j + 1) * r.fy; ++y) {
      const std::uint8_t* line = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
      for (int i = 0; i < r.width; ++i)
        for (int x = i * r.fx; x < (i + 1) * r.fx; ++x) row[static_cast<std::size_t>(i)] += line[x];
    }
    for (int i = 0; i < r.width; ++i)
      r.values[static_cast<std::size_t>(j) * r.width + i] = static_cast<float>(row[static_cast<std::size_t>(i)]) / static_cast<float>(r.fx * r.fy);
  }
  return r;
}

// Ink: darker than half the paper's white around it. The white is the
// brightest value of the surrounding blocks, which follows uneven lighting;
// where no paper is near (a dark background) nothing counts as ink.
std::vector<std::uint8_t> InkMask(const Reduced& r) {
  const int bw = std::max(2, static_cast<int>(kWhiteBlockMm / r.mmX));
  const int bh = std::max(2, static_cast<int>(kWhiteBlockMm / r.mmY));
  const int nx = (r.width + bw - 1) / bw, ny = (r.height + bh - 1) / bh;
  std::vector<float> block(static_cast<std::size_t>(nx) * ny, 0.0f);
  for (int j = 0; j < r.height; ++j)
    for (int i = 0; i < r.width; ++i) {
      float& b = block[static_cast<std::size_t>(j / bh) * nx + i / bw];
      b = std::max(b, r.values[static_cast<std::size_t>(j) * r.width + i]);
    }
  std::vector<float> white(block.size(), 0.0f);
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i)
      for (int dj = -1; dj <= 1; ++dj)
        for (int di = -1; di <= 1; ++di) {
          const int a = i + di, b = j + dj;
          if (a >= 0 && b >= 0 && a < nx && b < ny)
            white[static_cast<std::size_t>(j) * nx + i] =
                std::max(white[static_cast<std::size_t>(j) * nx + i], block[static_cast<std::size_t>(b) * nx + a]);
        }
  std::vector<std::uint8_t> ink(r.values.size(), 0);
  for (int j = 0; j < r.height; ++j)
    for (int i = 0; i < r.width; ++i) {
      const float w = white[static_cast<std::size_t>(j / bh) * nx + i / bw];
      const std::size_t k = static_cast<std::size_t>(j) * r.width + i;
      ink[k] = w > 80 && r.values[k] < 0.5f * w;
    }
  return ink;
}

// The centres of the ink's connected parts that have a mark's size and shape.
std::vector<ScanPoint> DiscCandidates(const Reduced& r, std::vector<std::uint8_t> ink) {
  const double dx = kMarkDiameterMm / r.mmX, dy = kMarkDiameterMm / r.mmY;
  const double area = std::numbers::pi / 4 * dx * dy;
  std::vector<ScanPoint> found;
  std::vector<int> stack;
  for (int start = 0; start < static_cast<int>(ink.size()); ++start) {
    if (!ink[static_cast<std::size_t>(start)]) continue;
    ink[static_cast<std::size_t>(start)] = 0;
    stack.assign(1, start);
    double count = 0, sx = 0, sy = 0;
    int left = r.width, right = -1, top = r.height, bottom = -1;
    while (!stack.empty()) {
      const int k = stack.back();
      stack.pop_back();
      const int i = k % r.width, j = k / r.width;
      count += 1;
      sx += i;
      sy += j;
      left = std::min(left, i), right = std::max(right, i), top = std::min(top, j), bottom = std::max(bottom, j);
      for (int dj = -1; dj <= 1; ++dj)
        for (int di = -1; di <= 1; ++di) {
          const int a = i + di, b = j + dj;
          if (a < 0 || b < 0 || a >= r.width || b >= r.height) continue;
          const std::size_t n = static_cast<std::size_t>(b) * r.width + a;
          if (ink[n]) {
            ink[n] = 0;
            stack.push_back(static_cast<int>(n));
          }
        }
    }
    const double w = right - left + 1, h = bottom - top + 1;
    if (w < 0.7 * dx || w > 1.4 * dx || h < 0.7 * dy || h > 1.4 * dy) continue;
    if (count < 0.5 * area || count > 1.4 * area) continue;
    const double fill = count / (w * h);
    if (fill < 0.55 || fill > 0.95) continue;
    found.push_back({(sx / count + 0.5) * r.mmX, (sy / count + 0.5) * r.mmY});
  }
  return found;
}

// A turn, scale and shift that take the table's marks onto the scan.
struct Placement {
  double scale = 1, turn = 0;
  ScanPoint from{}, to{};
  ScanPoint operator()(ScanPoint p) const {
    const ScanPoint d = p - from;
    const double c = std::cos(turn), s = std::sin(turn);
    return to + scale * ScanPoint{c * d.x - s * d.y, s * d.x + c * d.y};
  }
};

ScanPoint Nominal(int k) { return {kTargetMarks[static_cast<std::size_t>(k)].xMm, kTargetMarks[static_cast<std::size_t>(k)].yMm}; }

// The candidate nearest to where the placement puts each mark (-1: none
// within reach).
std::vector<int> Assign(const Placement& placement, const std::vector<ScanPoint>& candidates, double& spread) {
  std::vector<int> match(kTargetMarks.size(), -1);
  spread = 0;
  for (std::size_t k = 0; k < kTargetMarks.size(); ++k) {
    const ScanPoint p = placement(Nominal(static_cast<int>(k)));
    double best = kMatchMm;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
      const double d = Length(candidates[c] - p);
      if (d < best) best = d, match[k] = static_cast<int>(c);
    }
    if (match[k] >= 0) spread += best;
  }
  return match;
}

// Tries each pair of candidates as each pair of marks with about the same
// distance and direction; the placement that matches the most marks wins.
std::optional<Placement> MatchLayout(const std::vector<ScanPoint>& candidates, int& matched) {
  std::optional<Placement> best;
  matched = 0;
  double bestSpread = 0;
  const int marks = static_cast<int>(kTargetMarks.size());
  for (std::size_t i = 0; i < candidates.size(); ++i)
    for (std::size_t j = 0; j < candidates.size(); ++j) {
      if (i == j) continue;
      const ScanPoint dc = candidates[j] - candidates[i];
      for (int a = 0; a < marks; ++a)
        for (int b = a + 1; b < marks; ++b) {
          const ScanPoint dm = Nominal(b) - Nominal(a);
          if (std::abs(Length(dc) - Length(dm)) > 2 + 0.02 * Length(dm)) continue;
          double turn = std::atan2(dc.y, dc.x) - std::atan2(dm.y, dm.x);
          turn = std::remainder(turn, 2 * std::numbers::pi);
          // Upright or upside down, each turned by a few degrees at most.
          if (std::abs(turn) > kMaxTurn && std::abs(turn) < std::numbers::pi - kMaxTurn) continue;
          const Placement placement{Length(dc) / Length(dm), turn, Nominal(a), candidates[i]};
          double spread = 0;
          const auto match = Assign(placement, candidates, spread);
          const int count = static_cast<int>(std::count_if(match.begin(), match.end(), [](int m) { return m >= 0; }));
          if (count > matched || (count == matched && spread < bestSpread)) {
            matched = count, bestSpread = spread, best = placement;
          }
        }
    }
  return best;
}

struct Refined {
  ScanPoint centre;
  double edgeWidthMm = 0;
};

double Percentile(std::vector<double>& values, double fraction) {
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(fraction * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

// The centroid of the disc's ink, weighted by how much of each pixel is ink
// between the paper's white around it and the black inside it; twice, the
// second time about the first answer.
std::optional<Refined> RefineMark(const GreyImage& image, ScanPoint centre) {
  const double radius = kMarkDiameterMm / 2;
  const double mx = image.MmPerPixelX(), my = image.MmPerPixelY();
  Refined refined{centre, 0};
  for (int round = 0; round < 2; ++round) {
    const double reach = radius + 2.6;
    const int i0 = std::max(0, static_cast<int>((refined.centre.x - reach) / mx));
    const int i1 = std::min(image.width - 1, static_cast<int>((refined.centre.x + reach) / mx));
    const int j0 = std::max(0, static_cast<int>((refined.centre.y - reach) / my));
    const int j1 = std::min(image.height - 1, static_cast<int>((refined.centre.y + reach) / my));
    std::vector<double> ring, core;
    for (int j = j0; j <= j1; ++j)
      for (int i = i0; i <= i1; ++i) {
        const double r = Length(ScanPoint{(i + 0.5) * mx, (j + 0.5) * my} - refined.centre);
        if (r >= radius + 1.6 && r <= reach) ring.push_back(image.At(i, j));
        if (r <= radius / 2) core.push_back(image.At(i, j));
      }
    if (ring.size() < 8 || core.size() < 4) return std::nullopt;
    const double white = Percentile(ring, 0.8), black = Percentile(core, 0.2);
    if (white - black < 40) return std::nullopt;
    double sw = 0, sx = 0, sy = 0, rim = 0;
    for (int j = j0; j <= j1; ++j)
      for (int i = i0; i <= i1; ++i) {
        const ScanPoint p{(i + 0.5) * mx, (j + 0.5) * my};
        if (Length(p - refined.centre) > radius + 1.5) continue;
        const double w = std::clamp((white - image.At(i, j)) / (white - black), 0.0, 1.0);
        sw += w, sx += w * p.x, sy += w * p.y;
        if (w > 0.1 && w < 0.9) rim += 1;
      }
    const double area = sw * mx * my, expected = std::numbers::pi * radius * radius;
    if (area < 0.6 * expected || area > 1.5 * expected) return std::nullopt;
    refined.centre = {sx / sw, sy / sw};
    refined.edgeWidthMm = rim * mx * my / (std::numbers::pi * kMarkDiameterMm);
  }
  return refined;
}

bool InsideScan(const GreyImage& image, ScanPoint p, double clearance) {
  return p.x >= clearance && p.y >= clearance && p.x <= image.WidthMm() - clearance &&
         p.y <= image.HeightMm() - clearance;
}

}  // namespace

MarkSearch FindMarks(const GreyImage& image) {
  MarkSearch search;
  const Reduced reduced = Reduce(image);
  const std::vector<ScanPoint> candidates = DiscCandidates(reduced, InkMask(reduced));
  int matched = 0;
  const auto placement = MatchLayout(candidates, matched);
  if (!placement || matched < 3) {
    search.fault = MarkFault::NoTarget;
    return search;
  }
  for (std::size_t k = 0; k < kTargetMarks.size(); ++k)
    if (!InsideScan(image, (*placement)(Nominal(static_cast<int>(k))), kMarkDiameterMm / 2 + 1)) {
      search.fault = MarkFault::CornerCut;
      return search;
    }
  if (matched < kMinimumMarks) {
    search.fault = MarkFault::NoTarget;
    return search;
  }
  if (std::abs(placement->turn) > std::numbers::pi / 2) {
    search.upsideDown = true;
    return search;
  }
  double spread = 0;
  const auto match = Assign(*placement, candidates, spread);
  std::vector<double> widths;
  for (std::size_t k = 0; k < match.size(); ++k) {
    if (match[k] < 0) continue;
    const auto refined = RefineMark(image, candidates[static_cast<std::size_t>(match[k])]);
    if (!refined) continue;
    search.marks.push_back({static_cast<int>(k), refined->centre});
    widths.push_back(refined->edgeWidthMm);
  }
  if (!widths.empty()) search.edgeWidthMm = Percentile(widths, 0.5);
  if (static_cast<int>(search.marks.size()) < kMinimumMarks || search.edgeWidthMm > kMaximumEdgeWidthMm)
    search.fault = MarkFault::TooBlurred;
  return search;
}

}  // namespace veltrim
