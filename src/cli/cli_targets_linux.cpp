// Linux: printers are CUPS destinations; files are drawn by Cairo.
#include "cli_targets.hpp"

#include <cctype>
#include <filesystem>
#include <optional>

#include "cairo_print_device.hpp"
#include "cups_destination.hpp"
#include "cups_print.hpp"

namespace veltrim::cli {
namespace {

std::optional<FileFormat> FormatOf(const std::filesystem::path& output) {
  std::string extension = output.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".pdf") return FileFormat::Pdf;
  if (extension == ".ps") return FileFormat::PostScript;
  if (extension == ".png") return FileFormat::Png;
  return std::nullopt;
}

// A file "chosen" as the printer: always accepted, named by its path.
class FileTarget final : public PrintTarget {
 public:
  FileTarget(FileFormat format, std::filesystem::path output, const DeviceCaps& caps)
      : format_(format), output_(std::move(output)), caps_(caps) {}
  PrintChoice Choose() override {
    PrintChoice choice;
    choice.accepted = true;
    choice.printerName = output_.string();
    choice.printerPort = "FILE:" + output_.string();
    choice.device = std::make_unique<CairoPrintDevice>(format_, output_, caps_);
    return choice;
  }

 private:
  FileFormat format_;
  std::filesystem::path output_;
  DeviceCaps caps_;
};

}  // namespace

std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error) {
  if (!options.printer.empty()) return std::make_unique<CupsPrintTarget>(options.printer);

  const std::filesystem::path output = options.output.empty() ? kDefaultOutput : options.output;
  const auto format = FormatOf(output);
  if (!format) {
    error = "--output: " + output.string() + ": the file name must end in .pdf, .ps or .png";
    return nullptr;
  }
  const auto paper = PaperByName(options.device.paper, &error);
  if (!paper) return nullptr;
  const double margin = options.device.marginsMm;
  const auto caps =
      MakeDeviceCaps(SimulatedDevice{*paper, options.device.dpi, MarginsMm{margin, margin, margin, margin}}, &error);
  if (!caps) return nullptr;
  return std::make_unique<FileTarget>(*format, output, *caps);
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
