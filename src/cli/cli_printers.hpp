#pragma once
// What the command line asks of printers beyond a print job: IPP printers
// found on the local network, and a printer's state and supplies. Linux asks
// through libcups; the Windows build has neither.

#include <optional>
#include <string>
#include <vector>

#include "core/info/printer_info_report.hpp"
#include "core/info/printer_status.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim::cli {

struct FoundPrinter {
  std::string name;
  std::string uri;  // what --printer takes; empty when it did not resolve
  std::string makeAndModel;
  PrinterStatus status;
  std::string problem;  // why it could not be asked
};

// The IPP printers DNS-SD finds within `seconds`. False, with `error` set,
// when the search cannot be made.
bool DiscoverPrinters(int seconds, std::vector<FoundPrinter>& found, std::string& error);

// A printer's state, reasons and supplies; nothing, with `why` set, when it
// cannot be asked (`why` empty: the platform has no way to ask).
std::optional<PrinterStatus> ReadStatusOf(const std::string& printer, FailureReason& why);

}  // namespace veltrim::cli
