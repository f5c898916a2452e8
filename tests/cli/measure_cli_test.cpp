// `veltrim measure` on synthetic scans written in each input format, with the
// resolution from the file or from --scan-dpi, one and two sides, and the
// refusals a user meets (exit 2 and one sentence).
#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include "cli_support.hpp"
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

std::vector<unsigned char> Encoded(const SyntheticScan& scan, char kind) {
  std::vector<unsigned char> bytes;
  const auto append = [](void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    out->insert(out->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
  };
  if (kind == 'p') stbi_write_png_to_func(append, &bytes, scan.width, scan.height, 1, scan.grey.data(), scan.width);
  if (kind == 'j') stbi_write_jpg_to_func(append, &bytes, scan.width, scan.height, 1, scan.grey.data(), 90);
  if (kind == 'b') stbi_write_bmp_to_func(append, &bytes, scan.width, scan.height, 1, scan.grey.data());
  return bytes;
}

void Put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v, bool big) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<unsigned char>(v >> (big ? 24 - 8 * k : 8 * k));
}

// The PNG with a pHYs chunk (pixels per metre) after its header chunk.
std::vector<unsigned char> WithPhys(std::vector<unsigned char> png, std::uint32_t perMetre) {
  std::vector<unsigned char> chunk(21);
  Put32(chunk, 0, 9, true);
  chunk[4] = 'p', chunk[5] = 'H', chunk[6] = 'Y', chunk[7] = 's';
  Put32(chunk, 8, perMetre, true);
  Put32(chunk, 12, perMetre, true);
  chunk[16] = 1;
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t k = 4; k < 17; ++k) {
    crc ^= chunk[k];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  Put32(chunk, 17, ~crc, true);
  png.insert(png.begin() + 33, chunk.begin(), chunk.end());
  return png;
}

void WriteBytes(const fs::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteTiff(const fs::path& path, const SyntheticScan& scan, float dpi) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  ASSERT_NE(tiff, nullptr);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, scan.width);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, scan.height);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 64);
  TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_CENTIMETER);
  TIFFSetField(tiff, TIFFTAG_XRESOLUTION, dpi / 2.54f);
  TIFFSetField(tiff, TIFFTAG_YRESOLUTION, dpi / 2.54f);
  for (int y = 0; y < scan.height; ++y)
    TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(scan.grey.data() + static_cast<std::size_t>(y) * scan.width), y);
  TIFFClose(tiff);
}

// The number after `key`, looked up after each key of `path` in turn.
double JsonNumber(const std::string& json, std::initializer_list<const char*> path) {
  std::size_t at = 0;
  for (const char* key : path) {
    at = json.find(std::string("\"") + key + "\":", at);
    if (at == std::string::npos) ADD_FAILURE() << key << " not in " << json;
    if (at == std::string::npos) return 0;
  }
  return std::strtod(json.c_str() + json.find(':', at) + 1, nullptr);
}

class MeasureCli : public CliTest<> {
 protected:
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
    ExpectFront(InFolder(kVeltrim, {"measure", file, "--json"}));
  }
}

TEST_F(MeasureCli, AnnotatedPictureOutlinesThePaperWhereItLies) {
  WriteBytes(folder_ / "scan.png", Encoded(*front_, 'p'));
  ASSERT_EQ(InFolder(kVeltrim, {"measure", "scan.png", "--scan-dpi", "300", "--annotate", "a.png"}).exitCode, 0);
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
  const ProcessResult refused = InFolder(kVeltrim, {"measure", "scan.jpg"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "veltrim: scan.jpg does not say its resolution: give it with --scan-dpi N.\n");
  ExpectFront(InFolder(kVeltrim, {"measure", "scan.jpg", "--scan-dpi", "300", "--json"}));
}

TEST_F(MeasureCli, TwoSidedSheetGivesTheBackAndTheDifference) {
  WriteBytes(folder_ / "front.png", Encoded(*front_, 'p'));
  WriteBytes(folder_ / "back.png", Encoded(RenderSyntheticScan(Back()), 'p'));
  const ProcessResult run = InFolder(kVeltrim, {"measure", "front.png", "back.png", "--scan-dpi", "300", "--json"});
  ExpectFront(run);
  EXPECT_NEAR(JsonNumber(run.out, {"back", "offset_mm", "y"}), Back().offsetYMm, 0.1);
  EXPECT_NEAR(JsonNumber(run.out, {"back", "difference", "offset_mm", "y"}), Back().offsetYMm - Front().offsetYMm, 0.1);
  EXPECT_NEAR(JsonNumber(run.out, {"back", "difference", "offset_mm", "x"}), Back().offsetXMm - Front().offsetXMm, 0.1);
}

TEST_F(MeasureCli, ScanWithoutTargetIsRefusedInOneSentence) {
  SyntheticScan blank{400, 500, std::vector<std::uint8_t>(400 * 500, 235)};
  WriteBytes(folder_ / "blank.png", Encoded(blank, 'p'));
  const ProcessResult run = InFolder(kVeltrim, {"measure", "blank.png", "--scan-dpi", "150"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "veltrim: blank.png: No measurement target was found on the scan: print one with veltrim print "
                     "--measure-page and scan the whole sheet.\n");
}

TEST_F(MeasureCli, PrintedTargetRenderedBackMeasuresExact) {
  ASSERT_EQ(InFolder(kVeltrim, {"print", "--measure-page", "--output", "t.pdf"}).exitCode, 0);
  const RasterImage page = RasterImage::LoadPng(RenderPages(folder_ / "t.pdf", 300, folder_ / "gs").at(0));
  // The sheet on a dark bed, 5 mm all round.
  constexpr int kBorder = 59;
  SyntheticScan scan{page.Width() + 2 * kBorder, page.Height() + 2 * kBorder, {}};
  scan.grey.assign(static_cast<std::size_t>(scan.width) * scan.height, 30);
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x)
      scan.grey[static_cast<std::size_t>(y + kBorder) * scan.width + x + kBorder] = page.Pixel(x, y) & 0xFF;
  WriteBytes(folder_ / "scan.png", Encoded(scan, 'p'));
  const ProcessResult run = InFolder(kVeltrim, {"measure", "scan.png", "--scan-dpi", "300", "--json"});
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
