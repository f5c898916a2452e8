#pragma once
// The printer information report: a header, the printer and its port, every
// device capability (numbers, the technology's name, five flag lists) and
// the device mode, one field a line with its codes in words. CR LF line
// ends; the desktop program shows it in a text box, the CLI prints it.

#include <optional>
#include <string>

#include "core/info/device_mode.hpp"
#include "core/info/printer_capabilities.hpp"
#include "core/support/dyn_string.hpp"

namespace veltrim {

inline constexpr const char* kPrinterInfoHeader = "QORVEL Veltrim v2 Generated Informations\r\n";
inline constexpr const char* kNoDeviceMode = "\r\n\r\npd.hDevMode == NULL\r\n\r\n";

// What the report is built from. Without capabilities there was no device
// context: the report is the header alone.
struct PrinterInfo {
  std::string printerName;
  std::string printerPort;
  std::optional<PrinterCapabilities> capabilities;
  std::optional<DeviceMode> deviceMode;
};

// Appends the whole report to `report`.
void BuildPrinterInfoReport(DynString& report, const PrinterInfo& info);

// The printer, its port and the capabilities, up to the text capabilities.
void AppendCapabilitySection(DynString& report, std::string_view printerName, std::string_view printerPort,
                             const PrinterCapabilities& caps);

// The device mode section; only fields whose dmFields bit is set appear.
void AppendDeviceModeSection(DynString& report, const DeviceMode& mode);

// The name of a predefined paper, ending in a tab; empty for a size
// without one.
std::string_view PaperName(unsigned paperSize);

}  // namespace veltrim
