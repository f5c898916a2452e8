#include "cli/cli_targets.hpp"

namespace veltrim::cli {
namespace {

class WrappingTarget final : public PrintTarget {
 public:
  WrappingTarget(std::unique_ptr<PrintTarget> inner, DeviceWrap wrap) : inner_(std::move(inner)), wrap_(std::move(wrap)) {}
  PrintChoice Choose() override {
    PrintChoice choice = inner_->Choose();
    if (choice.device) choice.device = wrap_(std::move(choice.device));
    return choice;
  }
  FailureReason LastFailure() const override { return inner_->LastFailure(); }

 private:
  std::unique_ptr<PrintTarget> inner_;
  DeviceWrap wrap_;
};

// A file "chosen" as the printer: always accepted, named by its path.
class FileTarget final : public PrintTarget {
 public:
  FileTarget(FileFormat format, std::string output, const DeviceCaps& caps)
      : format_(format), output_(std::move(output)), caps_(caps) {}
  PrintChoice Choose() override {
    PrintChoice choice;
    choice.accepted = true;
    choice.printerName = output_;
    choice.printerPort = FilePort(output_);
    choice.device = MakeFileDevice(format_, output_, caps_);
    return choice;
  }
  FailureReason LastFailure() const override { return {"the simulated printer's page could not be made"}; }

 private:
  FileFormat format_;
  std::string output_;
  DeviceCaps caps_;
};

}  // namespace

std::unique_ptr<PrintTarget> WrappingDevices(std::unique_ptr<PrintTarget> inner, DeviceWrap wrap) {
  return std::make_unique<WrappingTarget>(std::move(inner), std::move(wrap));
}

std::string FilePort(const std::string& output) { return "FILE:" + output; }

std::optional<FileTargetSpec> FileTargetOf(const Options& options, std::string& error) {
  const std::string output = options.output.empty() ? kDefaultOutput : options.output;
  const auto format = FileFormatOf(output);
  if (!format) {
    error = "--output: " + output + ": the file name must end in .pdf, .ps or .png";
    return std::nullopt;
  }
  const auto paper = PaperByName(options.device.paper, &error);
  if (!paper) return std::nullopt;
  const double margin = options.device.marginsMm;
  const auto caps = MakeDeviceCaps(
      SimulatedDevice{*paper, options.device.dpi, MarginsMm{margin, margin, margin, margin}}, &error);
  if (!caps) return std::nullopt;
  return FileTargetSpec{output, *format, *caps};
}

std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error) {
  if (!options.printer.empty()) return MakePrinterTarget(options.printer, options.attributes);
  const auto file = FileTargetOf(options, error);
  if (!file) return nullptr;
  return std::make_unique<FileTarget>(file->format, file->output, file->caps);
}

}  // namespace veltrim::cli
