#include "core/info/page_device_info.hpp"

#include <cmath>

namespace veltrim {
namespace {

constexpr double kTenthsPerInch = 254.0;

int Tenths(int dots, int dpi) { return static_cast<int>(std::lround(dots * kTenthsPerInch / dpi)); }

}  // namespace

PrinterCapabilities CapabilitiesOf(const DeviceCaps& caps) {
  PrinterCapabilities result;
  for (const CapabilityField& field : CapabilityFields()) result.*field.member = DeviceCapValue(caps, field.index);
  return result;
}

PrinterSettings SettingsOfDevice(const std::string& name, const DeviceCaps& caps) {
  PrinterSettings settings;
  settings.name = name;
  if (caps.dpiX > 0 && caps.dpiY > 0) {
    settings.paperWidth = Tenths(caps.physicalWidth, caps.dpiX);
    settings.paperLength = Tenths(caps.physicalHeight, caps.dpiY);
    settings.orientation = *settings.paperWidth <= *settings.paperLength ? 1 : 2;
    settings.dpiX = caps.dpiX;
    settings.dpiY = caps.dpiY;
  }
  settings.color = caps.colour ? 2 : 1;
  settings.copies = 1;
  return settings;
}

}  // namespace veltrim
