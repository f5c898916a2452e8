#include "backends/cups/cups_discovery.hpp"
#include "backends/cups/cups_printer_status.hpp"
#include "cli/cli_printers.hpp"
#include "cli/cli_targets.hpp"

namespace veltrim::cli {

bool DiscoverPrinters(int seconds, std::vector<FoundPrinter>& found, std::string& error) {
  std::vector<DiscoveredPrinter> discovered;
  FailureReason why;
  if (!DiscoverIppPrinters(seconds * 1000, discovered, why)) {
    error = why.text;
    return false;
  }
  for (auto& printer : discovered)
    found.push_back({std::move(printer.name), std::move(printer.uri), std::move(printer.makeAndModel),
                     std::move(printer.status), std::move(printer.problem)});
  return true;
}

std::optional<PrinterStatus> ReadStatusOf(const std::string& printer, FailureReason& why) {
  return ReadPrinterStatus(printer, why);
}

}  // namespace veltrim::cli
