#pragma once
// Plane geometry and the least-squares fits the measurer makes (Eigen does
// the solving; the callers see plain values).

#include <array>
#include <optional>
#include <vector>

#include "core/measure/scan_image.hpp"

namespace veltrim {

inline ScanPoint operator+(ScanPoint a, ScanPoint b) { return {a.x + b.x, a.y + b.y}; }
inline ScanPoint operator-(ScanPoint a, ScanPoint b) { return {a.x - b.x, a.y - b.y}; }
inline ScanPoint operator*(double k, ScanPoint a) { return {k * a.x, k * a.y}; }
inline double Dot(ScanPoint a, ScanPoint b) { return a.x * b.x + a.y * b.y; }
inline double Length(ScanPoint a) { return std::sqrt(Dot(a, a)); }

// p' = A p + b, A row-major {a00, a01, a10, a11}.
struct Affine {
  std::array<double, 4> a{1, 0, 0, 1};
  ScanPoint b{};
  ScanPoint operator()(ScanPoint p) const { return {a[0] * p.x + a[1] * p.y + b.x, a[2] * p.x + a[3] * p.y + b.y}; }
  ScanPoint Linear(ScanPoint p) const { return {a[0] * p.x + a[1] * p.y, a[2] * p.x + a[3] * p.y}; }
};

struct AffineFit {
  Affine map;
  double residualMm = 0;               // root mean square of the residuals per coordinate
  std::array<double, 36> covariance{};  // of {a00, a01, a10, a11, b.x, b.y}
};

// The affine map that takes `from` onto `to` in least squares; none for fewer
// than four pairs or points all on one line.
std::optional<AffineFit> FitAffine(const std::vector<ScanPoint>& from, const std::vector<ScanPoint>& to);

// A straight line through `point` along the unit vector `direction`.
struct Line {
  ScanPoint point;
  ScanPoint direction;
  double positionError = 0;  // standard error of the line's place across it, mm
  int points = 0;            // the points the fit kept
};

// A total-least-squares line that leaves out points far from the others
// (beyond three robust standard deviations, and at least `toleranceMm`);
// none for fewer than `minimum` points kept.
std::optional<Line> FitLineRobustly(std::vector<ScanPoint> points, int minimum, double toleranceMm);

// Where two lines cross; none when they are parallel.
std::optional<ScanPoint> Intersect(const Line& a, const Line& b);

}  // namespace veltrim
