// The conformance table on GdiSurface over a memory DC holding a 24-bit DIB section of the whole sheet, white, with
// the printable area as a printer DC has it: the origin and brush origin at its top-left, drawing clipped to it. The
// probes are read from the bits.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "backends/gdi/gdi_surface.hpp"
#include "gdi_probes.hpp"
#include "surface_conformance.hpp"

namespace veltrim::conformance {
namespace {

// The whole sheet, white, with the printable area as a printer DC has it.
struct Sheet : test::DibCanvas {
  explicit Sheet(const DeviceCaps& d) : test::DibCanvas(d.physicalWidth, d.physicalHeight, RGB(255, 255, 255)) {
    ::SetViewportOrgEx(Dc(), d.offsetX, d.offsetY, nullptr);
    ::SetBrushOrgEx(Dc(), d.offsetX, d.offsetY, nullptr);
    ::IntersectClipRect(Dc(), 0, 0, d.horzRes, d.vertRes);
  }
};

bool Near(ColorRef a, ColorRef b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

class GdiRows : public ::testing::TestWithParam<Row> {};

TEST_P(GdiRows, Check) {
  const std::filesystem::path picture = std::filesystem::temp_directory_path() /
                                        ("veltrim_conformance_" + std::to_string(::GetCurrentProcessId()) + ".bmp");
  const Context context{picture.string()};
  ASSERT_TRUE(WritePicture(context.picture));
  const DeviceCaps d = Device();
  const Sheet sheet(d);
  GdiSurface s(sheet.Dc(), d);
  const Expected expected = ExpectedOn(GetParam(), kGdi);
  EXPECT_EQ(GetParam().draw(s, context), expected.answers);
  EXPECT_EQ(StateMismatch(s, expected.state), "");
  std::filesystem::remove(picture);
  for (const Probe& p : expected.probes) {
    const ColorRef at = sheet.At(p.x + d.offsetX, p.y + d.offsetY);
    EXPECT_TRUE(Near(at, p.colour, p.tolerance)) << p.x << ", " << p.y << ": 0x" << std::hex << at;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, GdiRows, ::testing::ValuesIn(Rows()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace veltrim::conformance
