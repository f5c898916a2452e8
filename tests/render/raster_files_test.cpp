// Pages kept as pixels, written as PNG files and PDF page images, read back with the PNG decoder, pdfinfo and
// Ghostscript.
#include "platform/raster_files.hpp"

#include <tuple>
#include <vector>

#include "render_support.hpp"

namespace veltrim::test {
namespace {

// A page of `width` x `height` whose left half is `left` and right half `right` (0xRRGGBB), stored in the byte
// order asked for, rows padded to 4.
struct Pixels {
  Pixels(int width, int height, std::uint32_t left, std::uint32_t right, bool bgr)
      : stride((width * 3 + 3) & ~3), bytes(static_cast<std::size_t>(stride) * height, 0xCC) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::uint32_t rgb = x < width / 2 ? left : right;
        std::uint8_t* p = &bytes[static_cast<std::size_t>(y) * stride + x * 3];
        p[bgr ? 2 : 0] = static_cast<std::uint8_t>(rgb >> 16);
        p[1] = static_cast<std::uint8_t>(rgb >> 8);
        p[bgr ? 0 : 2] = static_cast<std::uint8_t>(rgb);
      }
    page = RasterPage{bytes.data(), width, height, stride, bgr};
  }
  int stride;
  std::vector<std::uint8_t> bytes;
  RasterPage page;
};

TEST(RasterFiles, PngKeepsEveryPixelInEitherByteOrder) {
  TempDir dir;
  for (const bool bgr : {false, true}) {
    const Pixels pixels(7, 5, kRed, kBlue, bgr);  // 21-byte rows padded to 24
    const auto file = dir.Path() / (bgr ? "bgr.png" : "rgb.png");
    ASSERT_TRUE(WritePngFile(file, pixels.page));
    const RasterImage image = RasterImage::LoadPng(file);
    ASSERT_EQ(image.Width(), 7);
    ASSERT_EQ(image.Height(), 5);
    for (const auto& [x, y, rgb] : {std::tuple{0, 0, kRed}, {2, 4, kRed}, {3, 0, kBlue}, {6, 4, kBlue}})
      EXPECT_EQ(ColourText(image.Pixel(x, y)), ColourText(rgb)) << bgr << " at " << x << ", " << y;
  }
  EXPECT_FALSE(WritePngFile(dir.Path() / "no" / "x.png", Pixels(2, 2, kRed, kRed, false).page));
  EXPECT_FALSE(WritePngFile(dir.Path() / "empty.png", RasterPage{}));
}

// Half-inch pages of 50 x 40 dots, one image each, rendered back at 100 dpi to 50 x 40 pixels again; the first
// page in BGR order, the second in RGB. A document in a folder that does not exist says so at every call.
TEST(RasterFiles, PdfAndPostScriptHoldOnePageImageEach) {
  TempDir dir;
  EXPECT_EQ(MakeRasterDocumentWriter(FileFormat::Png, dir.Path() / "x.png", 100, 100), nullptr);
  for (const FileFormat format : {FileFormat::Pdf, FileFormat::PostScript}) {
    const auto nowhere = MakeRasterDocumentWriter(format, dir.Path() / "missing" / "job", 100, 100);
    ASSERT_NE(nowhere, nullptr);
    EXPECT_FALSE(nowhere->Ok());
    EXPECT_FALSE(nowhere->AddPage(Pixels(2, 2, kRed, kRed, false).page));
    EXPECT_FALSE(nowhere->Finish());
    const auto file = dir.Path() / (format == FileFormat::Pdf ? "job.pdf" : "job.ps");
    {
      auto writer = MakeRasterDocumentWriter(format, file, 36, 28.8);
      ASSERT_TRUE(writer && writer->Ok());
      ASSERT_TRUE(writer->AddPage(Pixels(50, 40, kRed, kBlue, true).page));
      ASSERT_TRUE(writer->AddPage(Pixels(50, 40, kGreen, kYellow, false).page));
      if (format == FileFormat::Pdf) {
        ASSERT_TRUE(writer->Finish());
        EXPECT_FALSE(writer->AddPage(Pixels(50, 40, kRed, kRed, false).page)) << "no pages after the end";
      }
    }  // the PostScript one is finished by its owner going
    const auto pages = RenderPages(file, 100, dir.Path() / file.extension().string().substr(1));
    ASSERT_EQ(pages.size(), 2u) << file;
    const std::pair<std::uint32_t, std::uint32_t> halves[] = {{kRed, kBlue}, {kGreen, kYellow}};
    for (std::size_t i = 0; i < 2; ++i) {
      const RasterImage image = RasterImage::LoadPng(pages[i]);
      EXPECT_EQ(image.Width(), 50) << file;
      EXPECT_EQ(image.Height(), 40) << file;
      EXPECT_PRED3(ColourNear, image.Pixel(5, 3), halves[i].first, 8) << file << " page " << i + 1;
      EXPECT_PRED3(ColourNear, image.Pixel(45, 36), halves[i].second, 8) << file << " page " << i + 1;
    }
  }
}

}  // namespace
}  // namespace veltrim::test
