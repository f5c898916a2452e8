#include "core/info/device_mode.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace veltrim {
namespace {

struct PaperDimensions {
  std::uint16_t code;
  int width;   // tenths of a millimetre
  int length;
};

// The predefined papers that have a size of their own; where two share one
// (Letter Small, Note), the first code stands for it.
constexpr std::array kPaperDimensions{
    PaperDimensions{1, 2159, 2794},  PaperDimensions{3, 2794, 4318},  PaperDimensions{4, 4318, 2794},
    PaperDimensions{5, 2159, 3556},  PaperDimensions{6, 1397, 2159},  PaperDimensions{7, 1842, 2667},
    PaperDimensions{8, 2970, 4200},  PaperDimensions{9, 2100, 2970},  PaperDimensions{11, 1480, 2100},
    PaperDimensions{12, 2500, 3540}, PaperDimensions{13, 1820, 2570}, PaperDimensions{14, 2159, 3302},
    PaperDimensions{15, 2150, 2750}, PaperDimensions{16, 2540, 3556}, PaperDimensions{19, 984, 2254},
    PaperDimensions{20, 1048, 2413}, PaperDimensions{21, 1143, 2635}, PaperDimensions{22, 1207, 2794},
    PaperDimensions{23, 1270, 2921}, PaperDimensions{24, 4318, 5588}, PaperDimensions{25, 5588, 8636},
    PaperDimensions{26, 8636, 11176}, PaperDimensions{27, 1100, 2200}, PaperDimensions{28, 1620, 2290},
    PaperDimensions{29, 3240, 4580}, PaperDimensions{30, 2290, 3240}, PaperDimensions{31, 1140, 1620},
    PaperDimensions{32, 1140, 2290}, PaperDimensions{33, 2500, 3530}, PaperDimensions{34, 1760, 2500},
    PaperDimensions{35, 1760, 1250}, PaperDimensions{36, 1100, 2300}, PaperDimensions{37, 984, 1905},
    PaperDimensions{38, 921, 1651},  PaperDimensions{39, 3778, 2794}, PaperDimensions{40, 2159, 3048},
};

constexpr int kPaperTolerance = 5;  // tenths of a millimetre

// A value held to the 16 bits of its field.
std::int16_t Short(int value) {
  return static_cast<std::int16_t>(
      std::clamp(value, static_cast<int>(std::numeric_limits<std::int16_t>::min()),
                 static_cast<int>(std::numeric_limits<std::int16_t>::max())));
}

}  // namespace

std::string DeviceNameText(const char* field) {
  if (field == nullptr) return {};
  std::size_t length = 0;
  while (length < kDeviceNameChars && field[length] != '\0') ++length;
  return std::string(field, length);
}

std::uint16_t PaperSizeCode(int widthTenths, int lengthTenths) {
  for (const PaperDimensions& paper : kPaperDimensions)
    if (std::abs(paper.width - widthTenths) <= kPaperTolerance && std::abs(paper.length - lengthTenths) <= kPaperTolerance)
      return paper.code;
  return 0;
}

DeviceMode DeviceModeFromSettings(const PrinterSettings& s) {
  DeviceMode mode;
  mode.dmDeviceName = s.name.substr(0, kDeviceNameChars - 1);
  const auto set = [&mode](std::uint32_t bit, auto& field, int value) {
    mode.dmFields |= bit;
    field = static_cast<std::remove_reference_t<decltype(field)>>(value);
  };
  if (s.orientation) set(kDmOrientation, mode.dmOrientation, *s.orientation);
  if (s.paperWidth && s.paperLength) {
    if (const std::uint16_t code = PaperSizeCode(*s.paperWidth, *s.paperLength)) set(kDmPaperSize, mode.dmPaperSize, code);
  }
  if (s.paperLength) set(kDmPaperLength, mode.dmPaperLength, Short(*s.paperLength));
  if (s.paperWidth) set(kDmPaperWidth, mode.dmPaperWidth, Short(*s.paperWidth));
  if (s.copies) set(kDmCopies, mode.dmCopies, Short(*s.copies));
  if (s.dpiX)
    set(kDmPrintQuality, mode.dmPrintQuality, Short(*s.dpiX));
  else if (s.quality)
    set(kDmPrintQuality, mode.dmPrintQuality, Short(*s.quality));
  if (s.color) set(kDmColor, mode.dmColor, *s.color);
  if (s.duplex) set(kDmDuplex, mode.dmDuplex, *s.duplex);
  if (s.dpiY) set(kDmYResolution, mode.dmYResolution, Short(*s.dpiY));
  if (s.collate) set(kDmCollate, mode.dmCollate, *s.collate);
  if (s.mediaType) set(kDmMediaType, mode.dmMediaType, *s.mediaType);
  return mode;
}

}  // namespace veltrim
