// `veltrim measure` on synthetic scans written in each input format, with the
// resolution from the file or from --scan-dpi, one and two sides, and the
// refusals a user meets (exit 2 and one sentence).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_support.hpp"
#include "scan_files.hpp"
#include "synthetic_scan.hpp"

namespace veltrim::test {
namespace {

constexpr double kDpi = 300;

ScanSetup Front() {
  ScanSetup s;
  s.offsetXMm = 1.3, s.offsetYMm = -2.2, s.scaleX = 1.002, s.scaleY = 0.997, s.skewDeg = 0.2, s.bedDeg = -2;
  return s;
}

ScanSetup Back() {
  ScanSetup s = Front();
  s.offsetXMm = -0.6, s.offsetYMm = 1.4;
  return s;
}

class MeasureCli : public CliTest {
 protected:
  ProcessResult InFolder(std::vector<std::string> args) const {
    args.insert(args.begin(), kVeltrim);
    return RunInFolder(args, folder_);
  }
  static void SetUpTestSuite() { front_ = new SyntheticScan(RenderSyntheticScan(Front())); }
  static void TearDownTestSuite() { delete front_; }
  static SyntheticScan* front_;

  void ExpectFront(const ProcessResult& run) const {
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const ScanSetup s = Front();
    EXPECT_NEAR(JsonNumber(run.out, {"offset_mm", "x"}), s.offsetXMm, 0.1) << run.out;
    EXPECT_NEAR(JsonNumber(run.out, {"offset_mm", "y"}), s.offsetYMm, 0.1);
    EXPECT_NEAR(JsonNumber(run.out, {"scale", "x"}), s.scaleX, 0.0005);
    EXPECT_NEAR(JsonNumber(run.out, {"skew_deg"}), s.skewDeg, 0.03);
    EXPECT_NEAR(JsonNumber(run.out, {"paper_mm", "height"}), 297, 0.3);
    EXPECT_EQ(JsonNumber(run.out, {"paper_offset_mm"}), 2);
    EXPECT_GT(JsonNumber(run.out, {"uncertainty", "offset_mm", "x"}), 0);
  }
};
SyntheticScan* MeasureCli::front_ = nullptr;

TEST_F(MeasureCli, ReadsEachFormatAndItsStatedResolution) {
  WriteBytes(folder_ / "scan.png", WithPhys(Encoded(*front_, 'p'), 11811));  // 300 dpi
  auto bmp = Encoded(*front_, 'b');
  Put32(bmp, 38, 11811, false), Put32(bmp, 42, 11811, false);
  WriteBytes(folder_ / "scan.bmp", bmp);
  WriteTiff(folder_ / "scan.tif", *front_, 300);
  for (const char* file : {"scan.png", "scan.bmp", "scan.tif"}) {
    SCOPED_TRACE(file);
    ExpectFront(InFolder({"measure", file, "--json"}));
  }
}

TEST_F(MeasureCli, AnnotatedPictureOutlinesThePaperWhereItLies) {
  WriteBytes(folder_ / "scan.png", Encoded(*front_, 'p'));
  ASSERT_EQ(InFolder({"measure", "scan.png", "--scan-dpi", "300", "--annotate", "a.png"}).exitCode, 0);
  const RasterImage picture = RasterImage::LoadPng(folder_ / "a.png");
  // 4 pixels a millimetre; the sheet's top-left corner, turned with the sheet about its centre.
  const ScanSetup s = Front();
  EXPECT_EQ(picture.Width(), static_cast<int>(front_->width * 25.4 / kDpi * 4));
  const double turn = -s.bedDeg * std::numbers::pi / 180, dx = -s.paper.widthMm / 2, dy = -s.paper.heightMm / 2;
  const double x = s.bedXMm - dx + dx * std::cos(turn) - dy * std::sin(turn);
  const double y = s.bedYMm - dy + dx * std::sin(turn) + dy * std::cos(turn);
  const std::uint32_t corner = picture.Pixel(static_cast<int>(std::lround(x * 4)), static_cast<int>(std::lround(y * 4)));
  EXPECT_TRUE(ColourNear(corner, 0x0080FF, 8)) << ColourText(corner);
}

TEST_F(MeasureCli, JpegWithoutResolutionNeedsScanDpi) {
  WriteBytes(folder_ / "scan.jpg", Encoded(*front_, 'j'));
  const ProcessResult refused = InFolder({"measure", "scan.jpg"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "veltrim: scan.jpg does not say its resolution: give it with --scan-dpi N.\n");
  ExpectFront(InFolder({"measure", "scan.jpg", "--scan-dpi", "300", "--json"}));
}

TEST_F(MeasureCli, TwoSidedSheetGivesTheBackAndTheDifference) {
  WriteBytes(folder_ / "front.png", Encoded(*front_, 'p'));
  WriteBytes(folder_ / "back.png", Encoded(RenderSyntheticScan(Back()), 'p'));
  const ProcessResult run = InFolder({"measure", "front.png", "back.png", "--scan-dpi", "300", "--json"});
  ExpectFront(run);
  EXPECT_NEAR(JsonNumber(run.out, {"back", "offset_mm", "y"}), Back().offsetYMm, 0.1);
  EXPECT_NEAR(JsonNumber(run.out, {"back", "difference", "offset_mm", "y"}), Back().offsetYMm - Front().offsetYMm, 0.1);
  EXPECT_NEAR(JsonNumber(run.out, {"back", "difference", "offset_mm", "x"}), Back().offsetXMm - Front().offsetXMm, 0.1);
}

TEST_F(MeasureCli, ScanWithoutTargetIsRefusedInOneSentence) {
  SyntheticScan blank{400, 500, std::vector<std::uint8_t>(400 * 500, 235)};
  WriteBytes(folder_ / "blank.png", Encoded(blank, 'p'));
  const ProcessResult run = InFolder({"measure", "blank.png", "--scan-dpi", "150"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "veltrim: blank.png: No measurement target was found on the scan: print one with veltrim print "
                     "--measure-page and scan the whole sheet.\n");
}

TEST_F(MeasureCli, PrintedTargetRenderedBackMeasuresExact) {
  ASSERT_EQ(InFolder({"print", "--measure-page", "--output", "t.pdf"}).exitCode, 0);
  const RasterImage page = RasterImage::LoadPng(RenderPages(folder_ / "t.pdf", 300, folder_ / "gs").at(0));
  // The sheet on a dark bed, 5 mm all round.
  constexpr int kBorder = 59;
  SyntheticScan scan{page.Width() + 2 * kBorder, page.Height() + 2 * kBorder, {}};
  scan.grey.assign(static_cast<std::size_t>(scan.width) * scan.height, 30);
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x)
      scan.grey[static_cast<std::size_t>(y + kBorder) * scan.width + x + kBorder] = page.Pixel(x, y) & 0xFF;
  WriteBytes(folder_ / "scan.png", Encoded(scan, 'p'));
  const ProcessResult run = InFolder({"measure", "scan.png", "--scan-dpi", "300", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NEAR(JsonNumber(run.out, {"offset_mm", "x"}), 0, 0.1) << run.out;
  EXPECT_NEAR(JsonNumber(run.out, {"offset_mm", "y"}), 0, 0.1);
  EXPECT_NEAR(JsonNumber(run.out, {"scale", "x"}), 1, 0.0005);
  EXPECT_NEAR(JsonNumber(run.out, {"scale", "y"}), 1, 0.0005);
  EXPECT_NEAR(JsonNumber(run.out, {"skew_deg"}), 0, 0.03);
  EXPECT_NEAR(JsonNumber(run.out, {"margins_mm", "left"}), 5, 0.2);
  EXPECT_NEAR(JsonNumber(run.out, {"margins_mm", "bottom"}), 5, 0.2);
}

}  // namespace
}  // namespace veltrim::test
