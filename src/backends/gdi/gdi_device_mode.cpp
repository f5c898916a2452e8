#include "backends/gdi/gdi_device_mode.hpp"

#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace veltrim {
namespace {

// Copies at most one DEVMODEA of `size` bytes; the rest stays zero.
DEVMODEA CopyDevMode(const void* data, std::size_t size) {
  DEVMODEA copy{};
  std::memcpy(&copy, data, std::min(size, sizeof copy));
  if (copy.dmSize >= offsetof(DEVMODEA, dmFields) + sizeof copy.dmFields && copy.dmSize < sizeof copy) {
    // An older, shorter record: what lies past it belongs to the driver.
    std::memset(reinterpret_cast<char*>(&copy) + copy.dmSize, 0, sizeof copy - copy.dmSize);
  }
  return copy;
}

}  // namespace

DeviceMode DeviceModeOf(const DEVMODEA& d) {
  DeviceMode mode;
  mode.dmDeviceName = DeviceNameText(reinterpret_cast<const char*>(d.dmDeviceName));
  mode.dmSpecVersion = d.dmSpecVersion;
  mode.dmDriverVersion = d.dmDriverVersion;
  mode.dmFields = d.dmFields;
  mode.dmOrientation = d.dmOrientation;
  mode.dmPaperSize = static_cast<std::uint16_t>(d.dmPaperSize);
  mode.dmPaperLength = d.dmPaperLength;
  mode.dmPaperWidth = d.dmPaperWidth;
  mode.dmScale = d.dmScale;
  mode.dmCopies = d.dmCopies;
  mode.dmPrintQuality = d.dmPrintQuality;
  mode.dmColor = d.dmColor;
  mode.dmDuplex = d.dmDuplex;
  mode.dmYResolution = d.dmYResolution;
  mode.dmTTOption = d.dmTTOption;
  mode.dmCollate = d.dmCollate;
  mode.dmICMMethod = d.dmICMMethod;
  mode.dmICMIntent = d.dmICMIntent;
  mode.dmMediaType = d.dmMediaType;
  mode.dmDitherType = d.dmDitherType;
  return mode;
}

std::optional<DeviceMode> ReadDeviceMode(HGLOBAL block) {
  if (!block) return std::nullopt;
  const SIZE_T size = ::GlobalSize(block);
  const void* data = ::GlobalLock(block);
  if (!data) return std::nullopt;
  const DEVMODEA copy = CopyDevMode(data, size);
  ::GlobalUnlock(block);
  return DeviceModeOf(copy);
}

std::optional<DeviceMode> PrinterDeviceMode(HANDLE printer, const std::string& name) {
  std::string device = name;
  const LONG size = ::DocumentPropertiesA(nullptr, printer, device.data(), nullptr, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::vector<char> buffer(static_cast<std::size_t>(size));
  if (::DocumentPropertiesA(nullptr, printer, device.data(), reinterpret_cast<DEVMODEA*>(buffer.data()), nullptr,
                            DM_OUT_BUFFER) != IDOK)
    return std::nullopt;
  return DeviceModeOf(CopyDevMode(buffer.data(), buffer.size()));
}

}  // namespace veltrim
