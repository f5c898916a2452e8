#include "cli/cli_printers.hpp"
#include "cli/cli_targets.hpp"

namespace veltrim::cli {

bool DiscoverPrinters(int, std::vector<FoundPrinter>&, std::string& error) {
  error = "finding IPP printers needs libcups: veltrim on Linux does it";
  return false;
}

std::optional<PrinterStatus> ReadStatusOf(const std::string&, FailureReason&) { return std::nullopt; }

}  // namespace veltrim::cli
