#include "core/measure/scan_geometry.hpp"

#include <algorithm>
#include <cmath>

#include <Eigen/Dense>

namespace veltrim {

std::optional<AffineFit> FitAffine(const std::vector<ScanPoint>& from, const std::vector<ScanPoint>& to) {
  const auto n = static_cast<Eigen::Index>(from.size());
  if (n < 4 || to.size() != from.size()) return std::nullopt;
  // Unknowns {a00, a01, a10, a11, bx, by}: two rows a pair.
  Eigen::MatrixXd design = Eigen::MatrixXd::Zero(2 * n, 6);
  Eigen::VectorXd target(2 * n);
  for (Eigen::Index k = 0; k < n; ++k) {
    const ScanPoint p = from[static_cast<std::size_t>(k)], q = to[static_cast<std::size_t>(k)];
    design.row(2 * k) << p.x, p.y, 0, 0, 1, 0;
    design.row(2 * k + 1) << 0, 0, p.x, p.y, 0, 1;
    target(2 * k) = q.x;
    target(2 * k + 1) = q.y;
  }
  const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(design);
  if (qr.rank() < 6) return std::nullopt;
  const Eigen::VectorXd x = qr.solve(target);
  const Eigen::VectorXd residuals = design * x - target;
  AffineFit fit;
  fit.map.a = {x(0), x(1), x(2), x(3)};
  fit.map.b = {x(4), x(5)};
  const double dof = static_cast<double>(2 * n - 6);
  const double variance = dof > 0 ? residuals.squaredNorm() / dof : 0;
  fit.residualMm = std::sqrt(variance);
  const Eigen::MatrixXd covariance = variance * (design.transpose() * design).inverse();
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) fit.covariance[static_cast<std::size_t>(r * 6 + c)] = covariance(r, c);
  return fit;
}

namespace {

Line TotalLeastSquares(const std::vector<ScanPoint>& points) {
  Eigen::MatrixXd centred(static_cast<Eigen::Index>(points.size()), 2);
  ScanPoint mean{};
  for (const ScanPoint& p : points) mean = mean + p;
  mean = (1.0 / static_cast<double>(points.size())) * mean;
  for (std::size_t k = 0; k < points.size(); ++k)
    centred.row(static_cast<Eigen::Index>(k)) << points[k].x - mean.x, points[k].y - mean.y;
  const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> solver(centred.transpose() * centred);
  const Eigen::Vector2d along = solver.eigenvectors().col(1);  // the larger spread
  return {mean, {along(0), along(1)}, 0, static_cast<int>(points.size())};
}

double Across(const Line& line, ScanPoint p) {
  const ScanPoint d = p - line.point;
  return d.x * -line.direction.y + d.y * line.direction.x;
}

double Median(std::vector<double> values) {
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

}  // namespace

std::optional<Line> FitLineRobustly(std::vector<ScanPoint> points, int minimum, double toleranceMm) {
  for (int round = 0; round < 4; ++round) {
    if (static_cast<int>(points.size()) < std::max(minimum, 3)) return std::nullopt;
    const Line line = TotalLeastSquares(points);
    std::vector<double> distances;
    for (const ScanPoint& p : points) distances.push_back(std::abs(Across(line, p)));
    const double limit = std::max(3 * 1.4826 * Median(distances), toleranceMm);
    std::vector<ScanPoint> kept;
    for (const ScanPoint& p : points)
      if (std::abs(Across(line, p)) <= limit) kept.push_back(p);
    if (kept.size() == points.size() || round == 3) {
      if (static_cast<int>(kept.size()) < std::max(minimum, 3)) return std::nullopt;
      Line fitted = TotalLeastSquares(kept);
      double squares = 0;
      for (const ScanPoint& p : kept) squares += Across(fitted, p) * Across(fitted, p);
      const double n = static_cast<double>(kept.size());
      fitted.positionError = std::sqrt(squares / (n - 2) / n);
      return fitted;
    }
    points = std::move(kept);
  }
  return std::nullopt;
}

std::optional<ScanPoint> Intersect(const Line& a, const Line& b) {
  Eigen::Matrix2d m;
  m << a.direction.x, -b.direction.x, a.direction.y, -b.direction.y;
  if (std::abs(m.determinant()) < 1e-9) return std::nullopt;
  const Eigen::Vector2d t = m.partialPivLu().solve(Eigen::Vector2d(b.point.x - a.point.x, b.point.y - a.point.y));
  return a.point + t(0) * a.direction;
}

}  // namespace veltrim
