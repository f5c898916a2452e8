#pragma once
// A printer's DEVMODEA as the core's DeviceMode: from the print dialog's
// memory block, or asked of the driver for a printer by name.

#include <windows.h>

#include <optional>
#include <string>

#include "core/info/device_mode.hpp"

namespace veltrim {

// The fields of a DEVMODEA the report reads.
DeviceMode DeviceModeOf(const DEVMODEA& devMode);

// Locks the block, copies what it holds and unlocks it. A block shorter than
// a DEVMODEA, or one whose dmSize says fewer bytes, has the missing fields
// read as 0; nothing past the block or the record is read. Nothing for a
// null block or one that cannot be locked.
std::optional<DeviceMode> ReadDeviceMode(HGLOBAL block);

// The driver's current device mode of an open printer.
std::optional<DeviceMode> PrinterDeviceMode(HANDLE printer, const std::string& name);

}  // namespace veltrim
