// The conformance table on GdiSurface over a memory DC holding a 24-bit DIB section of the whole sheet, white, with
// the printable area as a printer DC has it: the origin and brush origin at its top-left, drawing clipped to it. The
// probes are read from the bits.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"
#include "surface_conformance.hpp"

namespace veltrim::conformance {
namespace {

class Sheet {
 public:
  explicit Sheet(const DeviceCaps& d) : stride_((d.physicalWidth * 3 + 3) & ~3), dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, d.physicalWidth, -d.physicalHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint8_t*>(bits);
    selection_.emplace(dc_.Get(), bitmap_.Get());
    const RECT all{0, 0, d.physicalWidth, d.physicalHeight};
    ::FillRect(dc_.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetViewportOrgEx(dc_.Get(), d.offsetX, d.offsetY, nullptr);
    ::SetBrushOrgEx(dc_.Get(), d.offsetX, d.offsetY, nullptr);
    ::IntersectClipRect(dc_.Get(), 0, 0, d.horzRes, d.vertRes);
  }
  HDC Dc() const { return dc_.Get(); }
  ColorRef At(int x, int y) const {
    ::GdiFlush();
    const std::uint8_t* p = bits_ + static_cast<std::size_t>(stride_) * y + 3 * x;
    return Rgb(p[2], p[1], p[0]);
  }

 private:
  int stride_;
  win::OwnedDc dc_;
  win::OwnedBitmap bitmap_;
  const std::uint8_t* bits_ = nullptr;
  std::optional<win::SelectGuard> selection_;  // goes first, so the bitmap is free to be deleted
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
