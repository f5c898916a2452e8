// Windows: printers through the spooler, drawn with GDI; files are PNG
// pages drawn by GDI on a simulated printer.
#include "cli_targets.hpp"

#include <filesystem>

#include "cli_file_target.hpp"
#include "gdi_image_device.hpp"
#include "gdi_print.hpp"
#include "platform/page_files.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error) {
  if (!options.printer.empty()) return std::make_unique<NamedPrinterTarget>(options.printer);
  if (options.output.empty()) {
    // No vector renderer here: the job goes to the default printer.
    const std::string defaultPrinter = DefaultPrinterName();
    if (!defaultPrinter.empty()) return std::make_unique<NamedPrinterTarget>(defaultPrinter);
    error = "no printer given and no default printer: name one with --printer, or --output FILE.png";
    return nullptr;
  }
  const std::filesystem::path output = options.output;
  if (FileFormatOf(output) != FileFormat::Png) {
    error = "--output: " + output.string() + ": this build renders PNG pages only (FILE.png)";
    return nullptr;
  }
  const auto caps = FileDeviceCaps(options, error);
  if (!caps) return nullptr;
  return std::make_unique<FileTarget>(output, [output, caps = *caps]() -> std::unique_ptr<PrintDevice> {
    auto device = std::make_unique<GdiImageDevice>(output, caps);
    if (!device->Ready()) return nullptr;  // the report then says "[x] pd.hDC"
    return device;
  });
}

bool ListPrinters(std::vector<PrinterEntry>& printers, std::string&) {
  const std::string defaultPrinter = DefaultPrinterName();
  for (const auto& printer : veltrim::ListPrinters())
    printers.push_back({printer.name, printer.port, printer.name == defaultPrinter});
  return true;
}

}  // namespace veltrim::cli
