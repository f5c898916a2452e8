// The measurer on synthetic scans of the target: each row applies a known
// printer distortion and bed placement, at 300 or 600 dpi, with blur, noise,
// uneven light or JPEG, and the figures must come back within the accuracy
// promised. Expected values are the distortion applied.
#include <gtest/gtest.h>

#include <string>

#include "core/measure/scan_measure.hpp"
#include "synthetic_scan.hpp"

namespace veltrim::test {
namespace {

struct Row {
  const char* name;
  ScanSetup setup;
};

GreyImage View(const SyntheticScan& scan, double dpi) { return {scan.width, scan.height, scan.grey, dpi, dpi}; }

void ExpectMeasured(const ScanSetup& s, const ScanMeasurement& m) {
  ASSERT_EQ(m.fault, ScanFault::None) << ScanFaultText(m.fault);
  const ScanFigures& f = m.figures;
  EXPECT_NEAR(f.paperWidthMm, s.paper.widthMm, 0.3);
  EXPECT_NEAR(f.paperHeightMm, s.paper.heightMm, 0.3);
  EXPECT_NEAR(f.bedRotationDeg, s.bedDeg, 0.03);
  EXPECT_NEAR(f.offsetXMm, s.offsetXMm, 0.1);
  EXPECT_NEAR(f.offsetYMm, s.offsetYMm, 0.1);
  EXPECT_NEAR(f.scaleX, s.scaleX, 0.0005);
  EXPECT_NEAR(f.scaleY, s.scaleY, 0.0005);
  EXPECT_NEAR(f.skewDeg, s.skewDeg, 0.03);
  const MarginsMm margins = ExpectedMargins(s);
  EXPECT_NEAR(f.marginsMm.left, margins.left, 0.2);
  EXPECT_NEAR(f.marginsMm.top, margins.top, 0.2);
  EXPECT_NEAR(f.marginsMm.right, margins.right, 0.2);
  EXPECT_NEAR(f.marginsMm.bottom, margins.bottom, 0.2);
  EXPECT_EQ(f.paperOffsetMm, -std::lround(s.offsetYMm));
  // The uncertainties are those of a good fit: small, and not zero.
  EXPECT_GT(m.uncertainty.offsetXMm, 0);
  EXPECT_LT(m.uncertainty.offsetXMm, 0.1);
}

class MeasureScanRow : public ::testing::TestWithParam<Row> {};

TEST_P(MeasureScanRow, MatchesDistortion) {
  const ScanSetup& s = GetParam().setup;
  const SyntheticScan scan = RenderSyntheticScan(s);
  ExpectMeasured(s, MeasureScan(View(scan, s.scanDpi)));
}

ScanSetup Set(double dpi) {
  ScanSetup s;
  s.scanDpi = dpi;
  return s;
}

ScanSetup Printer(double dpi, double ox, double oy, double sx, double sy, double skew) {
  ScanSetup s = Set(dpi);
  s.offsetXMm = ox, s.offsetYMm = oy, s.scaleX = sx, s.scaleY = sy, s.skewDeg = skew;
  return s;
}

ScanSetup Bed(double dpi, double deg, bool dark) {
  ScanSetup s = Printer(dpi, 0.7, -1.6, 1.0, 1.0, 0);
  s.bedDeg = deg, s.bedGrey = dark ? 0.12 : 0.8;
  return s;
}

ScanSetup Scanner(double dpi, double blur, double noise, double lighting) {
  ScanSetup s = Printer(dpi, -1.2, 2.4, 0.998, 1.003, -0.15);
  s.blurMm = blur, s.noise = noise, s.lighting = lighting, s.bedDeg = 1.5;
  return s;
}

ScanSetup Letter(double dpi) {
  ScanSetup s = Printer(dpi, 0.4, 0.9, 1.001, 0.999, 0.1);
  s.paper = {215.9, 279.4};
  s.margins = {6.35, 3.0, 6.35, 12.7};
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Distortions, MeasureScanRow,
    ::testing::Values(Row{"exact300", Set(300)},
                      Row{"printer300", Printer(300, 1.8, -2.7, 1.004, 0.996, 0.25)},
                      Row{"printer600", Printer(600, -0.9, 3.3, 0.997, 1.002, -0.3)},
                      Row{"bedDark300", Bed(300, 4.5, true)}, Row{"bedLight300", Bed(300, -3.5, false)},
                      Row{"bedLight600", Bed(600, 5, false)},
                      Row{"blur300", Scanner(300, 0.25, 0, 0)}, Row{"noise300", Scanner(300, 0.1, 6, 0)},
                      Row{"light300", Scanner(300, 0.1, 2, 0.25)}, Row{"all600", Scanner(600, 0.15, 5, 0.2)},
                      Row{"letter300", Letter(300)}, Row{"upsideDown300", Bed(300, 177, true)},
                      Row{"upsideDown600", Bed(600, -176.5, false)}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

struct Refusal {
  const char* name;
  ScanSetup setup;
  ScanFault fault;
};

class MeasureScanRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(MeasureScanRefusal, SaysWhyTheScanCannotBeMeasured) {
  const ScanSetup& s = GetParam().setup;
  const SyntheticScan scan = RenderSyntheticScan(s);
  EXPECT_EQ(MeasureScan(View(scan, s.scanDpi)).fault, GetParam().fault);
}

ScanSetup Blurred() {
  ScanSetup s = Set(150);
  s.blurMm = 1.2;
  return s;
}

ScanSetup CutOff() {
  ScanSetup s = Set(150);
  s.bedDeg = 2;
  s.cutRightMm = 30;
  return s;
}

ScanSetup WhiteOnWhite() {
  // A wide bed as white as the paper: no edge to find, and none runs off the scan.
  ScanSetup s = Set(150);
  s.bedGrey = 0.97;
  s.bedXMm = s.bedYMm = 50;
  return s;
}

INSTANTIATE_TEST_SUITE_P(Refusals, MeasureScanRefusal,
                         ::testing::Values(Refusal{"blurred", Blurred(), ScanFault::TooBlurred},
                                           Refusal{"cornerCut", CutOff(), ScanFault::CornerCut},
                                           Refusal{"noEdges", WhiteOnWhite(), ScanFault::NoPaperEdges}),
                         [](const ::testing::TestParamInfo<Refusal>& row) { return std::string(row.param.name); });

TEST(MeasureScan, BlankScanHasNoTarget) {
  const std::vector<std::uint8_t> white(300 * 400, 240);
  EXPECT_EQ(MeasureScan({300, 400, white, 100, 100}).fault, ScanFault::NoTarget);
}

}  // namespace
}  // namespace veltrim::test
