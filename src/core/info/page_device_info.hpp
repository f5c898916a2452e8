#pragma once
// The report's facts of a printer known only by its page geometry (the
// simulated printer of a file target, a CUPS queue): its capabilities are
// the GetDeviceCaps answers of that geometry, its device mode what the
// geometry says (paper, orientation, resolution, colour).

#include <string>

#include "core/info/device_mode.hpp"
#include "core/info/printer_capabilities.hpp"
#include "core/platform/device_caps.hpp"

namespace veltrim {

PrinterCapabilities CapabilitiesOf(const DeviceCaps& caps);

// Paper in tenths of a millimetre, orientation by its sides, the resolution
// and colour; one copy. Other settings stay absent.
PrinterSettings SettingsOfDevice(const std::string& name, const DeviceCaps& caps);

}  // namespace veltrim
