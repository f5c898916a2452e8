// Windows: printers through the spooler, drawn with GDI; files are pages
// drawn by GDI on a simulated printer: PNG files, or page images in a PDF or
// PostScript file.
#include "cli_targets.hpp"

#include "gdi_image_device.hpp"
#include "gdi_print.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakePrinterTarget(const std::string& name) {
  return std::make_unique<NamedPrinterTarget>(name);
}

std::unique_ptr<PrintDevice> MakeFileDevice(FileFormat format, const std::filesystem::path& output,
                                            const DeviceCaps& caps) {
  auto device = std::make_unique<GdiImageDevice>(format, output, caps);
  if (!device->Ready()) return nullptr;
  return device;
}

bool ListPrinters(std::vector<PrinterEntry>& printers, std::string&) {
  const std::string defaultPrinter = DefaultPrinterName();
  for (const auto& printer : veltrim::ListPrinters())
    printers.push_back({printer.name, printer.port, printer.name == defaultPrinter});
  return true;
}

}  // namespace veltrim::cli
