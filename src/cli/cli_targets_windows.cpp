// Windows: printers through the spooler, drawn with GDI.
#include "cli_targets.hpp"

#include "gdi_print.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error) {
  if (!options.printer.empty()) return std::make_unique<NamedPrinterTarget>(options.printer);
  const std::string defaultPrinter = DefaultPrinterName();
  if (options.output.empty() && !defaultPrinter.empty()) return std::make_unique<NamedPrinterTarget>(defaultPrinter);
  error = options.output.empty()
              ? "no printer given and no default printer; name one with --printer"
              : "file output is not available in the Windows build; name a printer with --printer";
  return nullptr;
}

bool ListPrinters(std::vector<PrinterEntry>& printers, std::string&) {
  const std::string defaultPrinter = DefaultPrinterName();
  for (const auto& printer : veltrim::ListPrinters())
    printers.push_back({printer.name, printer.port, printer.name == defaultPrinter});
  return true;
}

}  // namespace veltrim::cli
