// Windows: printers through the spooler, drawn with GDI; files are pages
// drawn by GDI on a simulated printer: PNG files, or page images in a PDF or
// PostScript file.
#include "cli_targets.hpp"

#include "gdi_image_device.hpp"
#include "gdi_device_mode.hpp"
#include "gdi_print.hpp"
#include "gdi_surface.hpp"

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

std::optional<PrinterInfo> ReadPrinterInfo(const std::string& name) {
  // An empty name would open the print server rather than a printer.
  if (name.empty()) return std::nullopt;
  std::string device = name;
  HANDLE opened = nullptr;
  if (!::OpenPrinterA(device.data(), &opened, nullptr)) return std::nullopt;
  const win::OwnedPrinter printer(opened);

  PrinterInfo info;
  info.printerName = name;
  info.printerPort = PrinterPort(printer.Get());
  if (const win::OwnedDc dc(::CreateDCA(nullptr, name.c_str(), nullptr, nullptr)); dc) {
    GdiSurface surface(dc.Get());
    info.capabilities = ReadPrinterCapabilities(surface);
  }
  info.deviceMode = PrinterDeviceMode(printer.Get(), name);
  return info;
}

}  // namespace veltrim::cli
