// What only the cairo surface does: pictures loaded once per unchanged file, and dense cells painted as one stencil.
// The rules every backend follows (objects, shapes, bitmaps at their pixels) are the conformance table's; text is in
// cairo_text_test.cpp.
#include <utility>

#include "core/platform/scoped_object.hpp"
#include "render_support.hpp"
#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

// A printer context takes no bitmap and refuses an empty source. A file replaced while the page is open loads anew,
// an unchanged one is shared, and what the page drew keeps the first picture, on a PDF page too, where pictures are
// read only when the page is written. (Copies whole, stretched, mirrored and in part: the conformance table.)
class LoadedBitmaps : public ::testing::TestWithParam<FileFormat> {};

TEST_P(LoadedBitmaps, BlitsCopyThePictureTheFileHeldWhenLoaded) {
  PngPage page(SmallCaps(), GetParam());
  const std::uint32_t rgb[] = {kRed, kGreen, kBlue, kYellow};
  const std::filesystem::path file = page.Dir() / "quad.bmp";
  ASSERT_TRUE(WriteBmp24(file, 2, 2, rgb));
  Surface& s = page.S();
  const ObjectHandle bitmap = s.LoadBitmapFile(file.c_str());
  ASSERT_TRUE(bitmap);
  EXPECT_FALSE(s.SelectObject(bitmap));
  EXPECT_TRUE(s.StretchBlt(10, 10, 40, 40, bitmap, 0, 0, 2, 2));
  EXPECT_FALSE(s.StretchBlt(10, 10, 4, 4, bitmap, 0, 0, 0, 2));

  const std::uint32_t blues[] = {kBlue, kBlack, kBlue};
  ASSERT_TRUE(WriteBmp24(file, 3, 1, blues));
  const ObjectHandle replaced = s.LoadBitmapFile(file.c_str()), again = s.LoadBitmapFile(file.c_str());
  ASSERT_TRUE(replaced && again);
  Size size;
  ASSERT_TRUE(s.GetBitmapSize(again, size));
  EXPECT_EQ(size, (Size{3, 1}));
  EXPECT_TRUE(s.DeleteObject(replaced));
  EXPECT_TRUE(s.StretchBlt(400, 10, 30, 10, again, 0, 0, 3, 1));
  EXPECT_TRUE(s.DeleteObject(again));
  EXPECT_TRUE(s.DeleteObject(bitmap));
  const Probe probes[] = {{10, 10, kRed},   {49, 49, kYellow}, {400, 10, kBlue}, {415, 19, kBlack},
                          {429, 15, kBlue}, {430, 15, kWhite}, {415, 20, kWhite}};
  page.ExpectPixels(page.Finish(), probes);
}

INSTANTIATE_TEST_SUITE_P(Cairo, LoadedBitmaps, ::testing::Values(FileFormat::Png, FileFormat::Pdf),
                         [](const auto& format) { return format.param == FileFormat::Png ? "Png" : "Pdf"; });

const ColorRef kRedRef = Rgb(255, 0, 0), kBlueRef = Rgb(0, 0, 255);

// A checkerboard of `count` cells, painted as one run: on a PDF page, from 64 cells on, as one stencil.
void Cells(Surface& s, int count, int size, ColorRef colour) {
  const ScopedObject pen = ScopedPen(s, PenStyle::Solid, 1, colour);
  const ScopedObject brush = ScopedBrush(s, colour);
  for (int k = 0; k < count; ++k) {
    const int x = 200 + (k % 10) * size, y = 20 + (k / 10) * size;
    if ((k % 10 + k / 10) % 2 == 0) s.Rectangle(x, y, x + size, y + size);  // a checkerboard, touching at corners
  }
}

// A PDF page of many cells, rendered back at the device's resolution, holds the very pixels of the PNG page:
// their stencil leaves no edge to a renderer's rules.
TEST(CairoCells, ManyCellsThenAnotherColourOnPngAndPdfPages) {
  const auto draw = [](Surface& s) {
    Cells(s, 200, 3, kBlueRef);
    Cells(s, 200, 2, kRedRef);  // over the top, after all of blue
  };
  const Probe probes[] = {
      {200, 20, kRed},  {202, 20, kBlue}, {202, 22, kRed},   {204, 20, kRed},  {206, 21, kBlue},
      {204, 24, kRed},  {219, 59, kRed},  {220, 60, kWhite}, {227, 77, kBlue}, {229, 77, kBlue},
      {230, 77, kWhite}, {227, 80, kWhite}, {226, 79, kWhite}, {228, 79, kBlue}};
  PngPage png, pdf(SmallCaps(), FileFormat::Pdf);
  draw(png.S());
  draw(pdf.S());
  const RasterImage expected = png.Finish(), rendered = pdf.Finish();
  png.ExpectPixels(expected, probes);
  ASSERT_EQ(std::pair(rendered.Width(), rendered.Height()), std::pair(expected.Width(), expected.Height()));
  int differing = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) differing += expected.Pixel(x, y) != rendered.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace veltrim::test
