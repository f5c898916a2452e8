// Linux: printers are CUPS destinations; files are drawn by Cairo.
#include "cli_targets.hpp"

#include <filesystem>

#include "cairo_print_device.hpp"
#include "cli_file_target.hpp"
#include "cups_destination.hpp"
#include "cups_print.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error) {
  if (!options.printer.empty()) return std::make_unique<CupsPrintTarget>(options.printer);

  const std::filesystem::path output = options.output.empty() ? kDefaultOutput : options.output;
  const auto format = FileFormatOf(output);
  if (!format) {
    error = "--output: " + output.string() + ": the file name must end in .pdf, .ps or .png";
    return nullptr;
  }
  const auto caps = FileDeviceCaps(options, error);
  if (!caps) return nullptr;
  return std::make_unique<FileTarget>(
      output, [format = *format, output, caps = *caps] { return std::make_unique<CairoPrintDevice>(format, output, caps); });
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

}  // namespace veltrim::cli
