#pragma once
// A file "chosen" as the printer: always accepted, named by its path, its
// device made by the platform's renderer on the simulated printer that the
// options describe.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli_options.hpp"
#include "platform/device_caps.hpp"
#include "platform/print_device.hpp"

namespace veltrim::cli {

using FileDeviceMaker = std::function<std::unique_ptr<PrintDevice>()>;

class FileTarget final : public PrintTarget {
 public:
  FileTarget(std::filesystem::path output, FileDeviceMaker makeDevice)
      : output_(std::move(output)), makeDevice_(std::move(makeDevice)) {}
  PrintChoice Choose() override {
    PrintChoice choice;
    choice.accepted = true;
    choice.printerName = output_.string();
    choice.printerPort = "FILE:" + output_.string();
    choice.device = makeDevice_();
    return choice;
  }

 private:
  std::filesystem::path output_;
  FileDeviceMaker makeDevice_;
};

// The simulated printer of --paper, --dpi and --margins; nothing, with a
// message, when they describe no usable device.
inline std::optional<DeviceCaps> FileDeviceCaps(const Options& options, std::string& error) {
  const auto paper = PaperByName(options.device.paper, &error);
  if (!paper) return std::nullopt;
  const double margin = options.device.marginsMm;
  return MakeDeviceCaps(SimulatedDevice{*paper, options.device.dpi, MarginsMm{margin, margin, margin, margin}},
                        &error);
}

}  // namespace veltrim::cli
