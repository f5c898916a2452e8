// The conformance table on the cairo surface: answers and state, and the probes on a PNG page and on a PDF page
// rendered back by Ghostscript at the device's horizontal resolution (each unit then two pixels high).
#include <string>

#include "render_support.hpp"
#include "surface_conformance.hpp"

namespace veltrim::conformance {
namespace {

class CairoRows : public ::testing::TestWithParam<std::tuple<Row, FileFormat>> {};

TEST_P(CairoRows, Check) {
  const auto& [row, format] = GetParam();
  const DeviceCaps d = Device();
  test::PngPage page(d, format);
  const Context context{(page.Dir() / "picture.bmp").string()};
  ASSERT_TRUE(WritePicture(context.picture));
  const Expected expected = ExpectedOn(row, format == FileFormat::Png ? kCairoPng : kCairoPdf);
  EXPECT_EQ(row.draw(page.S(), context), expected.answers);
  EXPECT_EQ(StateMismatch(page.S(), expected.state), "");
  const test::RasterImage image = page.Finish();
  const int rows = format == FileFormat::Png ? 1 : d.dpiX / d.dpiY;
  for (const Probe& p : expected.probes) {
    const std::uint32_t rgb = image.Pixel(p.x + d.offsetX, (p.y + d.offsetY) * rows);
    EXPECT_TRUE(test::ColourNear(rgb, (RedOf(p.colour) << 16) | (GreenOf(p.colour) << 8) | BlueOf(p.colour),
                                 p.tolerance))
        << p.x << ", " << p.y << ": " << test::ColourText(rgb);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CairoRows,
                         ::testing::Combine(::testing::ValuesIn(Rows()),
                                            ::testing::Values(FileFormat::Png, FileFormat::Pdf)),
                         [](const auto& param) {
                           return std::string(std::get<0>(param.param).name) +
                                  (std::get<1>(param.param) == FileFormat::Png ? "Png" : "Pdf");
                         });

}  // namespace
}  // namespace veltrim::conformance
