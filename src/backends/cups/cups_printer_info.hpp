#pragma once
// The printer information report's facts of a CUPS destination: the
// capabilities of the page the queue's default media and resolution make,
// and its job defaults as a device mode. What the queue does not answer is
// absent.

#include <optional>
#include <string>

#include "backends/cups/cups_destination.hpp"
#include "core/info/printer_info_report.hpp"

namespace veltrim {

PrinterSettings SettingsOfDestination(const CupsDestinationFacts& facts);

// Nothing, with `why` set, when the scheduler has no destination of that
// name or does not answer.
std::optional<PrinterInfo> CupsPrinterInfo(const std::string& name, FailureReason& why);

}  // namespace veltrim
