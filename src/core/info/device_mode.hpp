#pragma once
// A printer's device mode as plain values: the fields the information
// report reads, with the platform's names, widths and signedness, and the
// dmFields bits that say which of them the driver initialised.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrim {

inline constexpr std::uint32_t kDmOrientation = 0x00000001;
inline constexpr std::uint32_t kDmPaperSize = 0x00000002;
inline constexpr std::uint32_t kDmPaperLength = 0x00000004;
inline constexpr std::uint32_t kDmPaperWidth = 0x00000008;
inline constexpr std::uint32_t kDmScale = 0x00000010;
inline constexpr std::uint32_t kDmCopies = 0x00000100;
inline constexpr std::uint32_t kDmPrintQuality = 0x00000400;
inline constexpr std::uint32_t kDmColor = 0x00000800;
inline constexpr std::uint32_t kDmDuplex = 0x00001000;
inline constexpr std::uint32_t kDmYResolution = 0x00002000;
inline constexpr std::uint32_t kDmTTOption = 0x00004000;
inline constexpr std::uint32_t kDmCollate = 0x00008000;
inline constexpr std::uint32_t kDmICMMethod = 0x00800000;
inline constexpr std::uint32_t kDmICMIntent = 0x01000000;
inline constexpr std::uint32_t kDmMediaType = 0x02000000;
inline constexpr std::uint32_t kDmDitherType = 0x04000000;

// The device name holds 32 characters with its terminating zero.
inline constexpr std::size_t kDeviceNameChars = 32;

struct DeviceMode {
  std::string dmDeviceName;  // at most 31 characters
  std::uint16_t dmSpecVersion = 0;
  std::uint16_t dmDriverVersion = 0;
  std::uint32_t dmFields = 0;
  std::int16_t dmOrientation = 0;
  std::uint16_t dmPaperSize = 0;
  std::int16_t dmPaperLength = 0;  // tenths of a millimetre
  std::int16_t dmPaperWidth = 0;
  std::int16_t dmScale = 0;
  std::int16_t dmCopies = 0;
  std::int16_t dmPrintQuality = 0;
  std::int16_t dmColor = 0;
  std::int16_t dmDuplex = 0;
  std::int16_t dmYResolution = 0;
  std::int16_t dmTTOption = 0;
  std::int16_t dmCollate = 0;
  std::uint32_t dmICMMethod = 0;
  std::uint32_t dmICMIntent = 0;
  std::uint32_t dmMediaType = 0;
  std::uint32_t dmDitherType = 0;
};

// The text of a device name field: up to its first zero, at most 32
// characters, so an unterminated field is never read past its end.
std::string DeviceNameText(const char* field);

// The predefined paper of a sheet of this size in tenths of a millimetre
// (either way round is not the same paper: Tabloid is 11 by 17, Ledger 17
// by 11); 0 when none matches within half a millimetre.
std::uint16_t PaperSizeCode(int widthTenths, int lengthTenths);

// What a printer without a platform device mode answers (a CUPS queue, a
// simulated file printer). Each value is known or absent; only the known
// ones become fields of the device mode, with their dmFields bits.
struct PrinterSettings {
  std::string name;
  std::optional<int> paperWidth;   // tenths of a millimetre
  std::optional<int> paperLength;
  std::optional<int> orientation;  // 1 portrait, 2 landscape
  std::optional<int> copies;
  std::optional<int> dpiX;         // becomes the print quality in DPI
  std::optional<int> dpiY;
  std::optional<int> quality;      // -1 draft .. -4 high, when no resolution is known
  std::optional<int> color;        // 1 monochrome, 2 colour
  std::optional<int> duplex;       // 1 simplex, 2 long edge, 3 short edge
  std::optional<int> collate;      // 0 or 1
  std::optional<int> mediaType;    // 1 plain, 2 film, 3 glossy, 256 other
};

DeviceMode DeviceModeFromSettings(const PrinterSettings& settings);

}  // namespace veltrim
