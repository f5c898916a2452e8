// Linux: printers are CUPS destinations; files are drawn by Cairo.
#include "cli_targets.hpp"

#include "cairo_print_device.hpp"
#include "cups_destination.hpp"
#include "cups_print.hpp"
#include "cups_printer_info.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakePrinterTarget(const std::string& name) {
  return std::make_unique<CupsPrintTarget>(name);
}

std::unique_ptr<PrintDevice> MakeFileDevice(FileFormat format, const std::filesystem::path& output,
                                            const DeviceCaps& caps) {
  return std::make_unique<CairoPrintDevice>(format, output, caps);
}

bool ListPrinters(std::vector<PrinterEntry>& printers, std::string& error) {
  std::vector<CupsPrinterEntry> destinations;
  if (!ListCupsDestinations(destinations)) {
    error = "cannot list the printers: the print scheduler does not answer";
    return false;
  }
  for (const auto& destination : destinations)
    printers.push_back({destination.name, "CUPS:" + destination.name, destination.isDefault});
  return true;
}

std::optional<PrinterInfo> ReadPrinterInfo(const std::string& name) { return CupsPrinterInfo(name); }

}  // namespace veltrim::cli
