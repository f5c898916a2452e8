// Windows: printers through the spooler, drawn with GDI; files are pages
// drawn by GDI on a simulated printer: PNG files, or page images in a PDF or
// PostScript file.
#include "cli_targets.hpp"

#include <filesystem>

#include "cli_file_target.hpp"
#include "gdi_image_device.hpp"
#include "gdi_print.hpp"
#include "platform/page_files.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error) {
  if (!options.printer.empty()) return std::make_unique<NamedPrinterTarget>(options.printer);
  const std::filesystem::path output = options.output.empty() ? kDefaultOutput : options.output;
  const auto format = FileFormatOf(output);
  if (!format) {
    error = "--output: " + output.string() + ": the file name must end in .pdf, .ps or .png";
    return nullptr;
  }
  const auto caps = FileDeviceCaps(options, error);
  if (!caps) return nullptr;
  return std::make_unique<FileTarget>(output, [format = *format, output, caps = *caps]() -> std::unique_ptr<PrintDevice> {
    auto device = std::make_unique<GdiImageDevice>(format, output, caps);
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
