// Pages kept as pixels, written as PNG files and PDF page images, read back
// with the PNG decoder, pdfinfo and Ghostscript.
#include "platform/raster_files.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "process.hpp"
#include "raster.hpp"
#include "render_support.hpp"

namespace veltrim::test {
namespace {

// A page of `width` x `height` whose left half is `left` and right half
// `right` (0xRRGGBB), stored in the byte order asked for, rows padded to 4.
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
    EXPECT_EQ(ColourText(image.Pixel(0, 0)), ColourText(kRed)) << bgr;
    EXPECT_EQ(ColourText(image.Pixel(2, 4)), ColourText(kRed)) << bgr;
    EXPECT_EQ(ColourText(image.Pixel(3, 0)), ColourText(kBlue)) << bgr;
    EXPECT_EQ(ColourText(image.Pixel(6, 4)), ColourText(kBlue)) << bgr;
  }
  EXPECT_FALSE(WritePngFile(dir.Path() / "no" / "x.png", Pixels(2, 2, kRed, kRed, false).page));
  EXPECT_FALSE(WritePngFile(dir.Path() / "empty.png", RasterPage{}));
}

TEST(RasterFiles, PdfHoldsOnePageImageEach) {
  TempDir dir;
  const auto file = dir.Path() / "job.pdf";
  {
    // Half-inch pages of 50 x 40 dots.
    RasterPdfWriter writer(file, 36, 28.8);
    ASSERT_TRUE(writer.Ok());
    ASSERT_TRUE(writer.AddPage(Pixels(50, 40, kRed, kBlue, true).page));
    ASSERT_TRUE(writer.AddPage(Pixels(50, 40, kGreen, kGreen, false).page));
    ASSERT_TRUE(writer.Finish());
    EXPECT_FALSE(writer.AddPage(Pixels(50, 40, kRed, kRed, false).page)) << "no pages after the end";
  }
  const auto info = RunProcess({"pdfinfo", file.string()});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Pages:           2\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Page size:       36 x 28.8 pts"), std::string::npos) << info.out;

  // At 100 dpi a page is 50 x 40 pixels again.
  const auto pages = RenderPages(file, 100, dir.Path() / "pages");
  ASSERT_EQ(pages.size(), 2u);
  const RasterImage first = RasterImage::LoadPng(pages[0]);
  EXPECT_PRED3(ColourNear, first.Pixel(5, 20), kRed, 8) << ColourText(first.Pixel(5, 20));
  EXPECT_PRED3(ColourNear, first.Pixel(45, 20), kBlue, 8) << ColourText(first.Pixel(45, 20));
  const RasterImage second = RasterImage::LoadPng(pages[1]);
  EXPECT_PRED3(ColourNear, second.Pixel(25, 20), kGreen, 8) << ColourText(second.Pixel(25, 20));
}

TEST(RasterFiles, PostScriptHoldsOnePageImageEach) {
  TempDir dir;
  const auto file = dir.Path() / "job.ps";
  {
    RasterPostScriptWriter writer(file, 36, 28.8);
    ASSERT_TRUE(writer.AddPage(Pixels(50, 40, kBlue, kRed, true).page));
    ASSERT_TRUE(writer.AddPage(Pixels(50, 40, kYellow, kYellow, false).page));
  }  // finished by its owner going
  const auto pages = RenderPages(file, 100, dir.Path() / "pages");
  ASSERT_EQ(pages.size(), 2u);
  const RasterImage first = RasterImage::LoadPng(pages[0]);
  EXPECT_EQ(first.Width(), 50);
  EXPECT_EQ(first.Height(), 40);
  EXPECT_PRED3(ColourNear, first.Pixel(5, 3), kBlue, 8) << ColourText(first.Pixel(5, 3));
  EXPECT_PRED3(ColourNear, first.Pixel(45, 36), kRed, 8) << ColourText(first.Pixel(45, 36));
  const RasterImage second = RasterImage::LoadPng(pages[1]);
  EXPECT_PRED3(ColourNear, second.Pixel(25, 20), kYellow, 8) << ColourText(second.Pixel(25, 20));
}

TEST(RasterFiles, DocumentThatCannotBeCreatedSaysSo) {
  TempDir dir;
  for (const FileFormat format : {FileFormat::Pdf, FileFormat::PostScript}) {
    auto writer = MakeRasterDocumentWriter(format, dir.Path() / "missing" / "job", 100, 100);
    ASSERT_NE(writer, nullptr);
    EXPECT_FALSE(writer->Ok());
    EXPECT_FALSE(writer->AddPage(Pixels(2, 2, kRed, kRed, false).page));
    EXPECT_FALSE(writer->Finish());
  }
  EXPECT_EQ(MakeRasterDocumentWriter(FileFormat::Png, dir.Path() / "x.png", 100, 100), nullptr);
}

}  // namespace
}  // namespace veltrim::test
