#include "core/platform/device_caps.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace veltrim {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kMinPaperMm = 10;
constexpr double kMaxPaperMm = 5000;  // below the largest PDF page, 200 inches

struct NamedPaper {
  std::string_view name;
  PaperSize size;
};

constexpr std::array kPapers{
    NamedPaper{"a4", {210, 297}},        NamedPaper{"a3", {297, 420}},        NamedPaper{"a5", {148, 210}},
    NamedPaper{"letter", {215.9, 279.4}}, NamedPaper{"legal", {215.9, 355.6}},
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

void SetError(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
}

int Dots(double mm, int dpi) { return static_cast<int>(std::lround(mm * dpi / kMmPerInch)); }

}  // namespace

std::optional<double> ParseMillimetres(std::string_view text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; }))
    return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<PaperSize> PaperByName(std::string_view name, std::string* error) {
  const std::string lower = Lower(name);
  for (const auto& paper : kPapers)
    if (lower == paper.name) return paper.size;

  const auto fail = [&]() -> std::optional<PaperSize> {
    SetError(error, "unknown paper \"" + std::string(name) +
                        "\": use a4, a3, a5, letter, legal or WIDTHxHEIGHTmm (e.g. 210x297mm, 10 to 5000 mm a side)");
    return std::nullopt;
  };
  constexpr std::string_view kUnit = "mm";
  if (lower.size() <= kUnit.size() || !lower.ends_with(kUnit)) return fail();
  const std::string_view dims = std::string_view(lower).substr(0, lower.size() - kUnit.size());
  const auto cross = dims.find('x');
  if (cross == std::string_view::npos) return fail();
  const auto width = ParseMillimetres(dims.substr(0, cross));
  const auto height = ParseMillimetres(dims.substr(cross + 1));
  if (!width || !height) return fail();
  for (double side : {*width, *height})
    if (!(side >= kMinPaperMm && side <= kMaxPaperMm)) return fail();
  return PaperSize{*width, *height};
}

std::optional<DeviceCaps> MakeDeviceCaps(const SimulatedDevice& device, std::string* error) {
  if (device.dpi < 36 || device.dpi > 4800) {
    SetError(error, "resolution " + std::to_string(device.dpi) + " dpi is outside 36..4800");
    return std::nullopt;
  }
  const auto& m = device.margins;
  if (!(m.left >= 0 && m.top >= 0 && m.right >= 0 && m.bottom >= 0)) {
    SetError(error, "margins cannot be negative");
    return std::nullopt;
  }
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = device.dpi;
  caps.physicalWidth = Dots(device.paper.widthMm, device.dpi);
  caps.physicalHeight = Dots(device.paper.heightMm, device.dpi);
  caps.offsetX = Dots(m.left, device.dpi);
  caps.offsetY = Dots(m.top, device.dpi);
  caps.horzRes = caps.physicalWidth - caps.offsetX - Dots(m.right, device.dpi);
  caps.vertRes = caps.physicalHeight - caps.offsetY - Dots(m.bottom, device.dpi);
  if (caps.horzRes <= 0 || caps.vertRes <= 0) {
    SetError(error, "the margins leave no printable area on the paper");
    return std::nullopt;
  }
  return caps;
}

int DeviceCapValue(const DeviceCaps& caps, DeviceCap index) {
  const auto mm = [](int dots, int dpi) { return dpi > 0 ? static_cast<int>(std::lround(dots * kMmPerInch / dpi)) : 0; };
  switch (index) {
    case DeviceCap::DriverVersion: return 0x400;
    case DeviceCap::Technology: return kDtRasPrinter;
    case DeviceCap::HorzSize: return mm(caps.horzRes, caps.dpiX);
    case DeviceCap::VertSize: return mm(caps.vertRes, caps.dpiY);
    case DeviceCap::HorzRes: return caps.horzRes;
    case DeviceCap::VertRes: return caps.vertRes;
    case DeviceCap::BitsPixel: return caps.colour ? 24 : 1;
    case DeviceCap::Planes: return 1;
    case DeviceCap::NumBrushes: return -1;
    case DeviceCap::NumPens: return -1;
    case DeviceCap::NumMarkers: return 0;
    case DeviceCap::NumFonts: return 0;
    case DeviceCap::NumColors: return caps.colour ? -1 : 2;
    case DeviceCap::PDeviceSize: return 0;
    case DeviceCap::CurveCaps: return 511;
    case DeviceCap::LineCaps: return 254;
    case DeviceCap::PolygonalCaps: return 255;
    case DeviceCap::TextCaps: return 0x1FFF;
    case DeviceCap::ClipCaps: return 1;
    case DeviceCap::RasterCaps: return 0x2E99;
    case DeviceCap::AspectX: return caps.dpiY;
    case DeviceCap::AspectY: return caps.dpiX;
    case DeviceCap::AspectXY: return static_cast<int>(std::lround(std::hypot(caps.dpiX, caps.dpiY)));
    case DeviceCap::LogPixelsX: return caps.dpiX;
    case DeviceCap::LogPixelsY: return caps.dpiY;
    case DeviceCap::SizePalette: return 0;
    case DeviceCap::NumReserved: return 0;
    case DeviceCap::ColorRes: return caps.colour ? 24 : 1;
    case DeviceCap::PhysicalWidth: return caps.physicalWidth;
    case DeviceCap::PhysicalHeight: return caps.physicalHeight;
    case DeviceCap::PhysicalOffsetX: return caps.offsetX;
    case DeviceCap::PhysicalOffsetY: return caps.offsetY;
    case DeviceCap::ScalingFactorX: return 0;
    case DeviceCap::ScalingFactorY: return 0;
    case DeviceCap::VRefresh: return 0;
    case DeviceCap::DesktopVertRes: return caps.vertRes;
    case DeviceCap::DesktopHorzRes: return caps.horzRes;
    case DeviceCap::BltAlignment: return 0;
    case DeviceCap::ShadeBlendCaps: return 0;
    case DeviceCap::ColorMgmtCaps: return 0;
  }
  return 0;
}

}  // namespace veltrim
