#pragma once
// Where a print job goes from the command line: a printer by name or a
// file. Each platform builds its own targets.

#include <string>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.hpp"
#include "core/info/printer_info_report.hpp"
#include "core/platform/device_caps.hpp"
#include "core/platform/page_files.hpp"
#include "core/platform/print_device.hpp"
#include "core/print/job_follow.hpp"

namespace veltrim::cli {

// Null with `error` set when the options name no usable target (a bad
// paper name, say). An unknown printer is not an error here: the job then
// reports "[x] PrintDlg()" as the print dialog would, and the target tells
// why (PrintTarget::LastFailure). Without --printer the
// job goes to --output, or to veltrim-job.pdf.
std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error);

// A device that passes every call on to the one it wraps; a wrapper
// overrides the calls it watches.
class ForwardingDevice : public PrintDevice {
 public:
  explicit ForwardingDevice(std::unique_ptr<PrintDevice> inner) : inner_(std::move(inner)) {}
  Surface& Page() override { return inner_->Page(); }
  int StartDocA(const char* name) override { return inner_->StartDocA(name); }
  int StartPage() override { return inner_->StartPage(); }
  int EndPage() override { return inner_->EndPage(); }
  int EndDoc() override { return inner_->EndDoc(); }
  int SpoolerJobId() const override { return inner_->SpoolerJobId(); }
  FailureReason LastFailure() const override { return inner_->LastFailure(); }

 private:
  std::unique_ptr<PrintDevice> inner_;
};

// `inner` with each device it hands out wrapped by `wrap`.
using DeviceWrap = std::function<std::unique_ptr<PrintDevice>(std::unique_ptr<PrintDevice>)>;
std::unique_ptr<PrintTarget> WrappingDevices(std::unique_ptr<PrintTarget> inner, DeviceWrap wrap);

// The file a job without --printer goes to, and the simulated printer of
// --paper, --dpi and --margins. Nothing, with `error` set, for a file name
// without a known ending or a device that cannot be made.
struct FileTargetSpec {
  std::string output;
  FileFormat format;
  DeviceCaps caps;
};
std::optional<FileTargetSpec> FileTargetOf(const Options& options, std::string& error);

// The port a file target shows where a printer shows its own.
std::string FilePort(const std::string& output);

// What each platform provides: a printer by name, whose jobs carry the
// asked `attributes` (none on Windows: the command line refuses them), and
// a renderer of files on a simulated printer (null when its device cannot
// be made; the report then says "[x] pd.hDC").
std::unique_ptr<PrintTarget> MakePrinterTarget(const std::string& name, const JobAttributes& attributes);
std::unique_ptr<PrintDevice> MakeFileDevice(FileFormat format, const std::string& output,
                                            const DeviceCaps& caps);

struct PrinterEntry {
  std::string name;
  std::string port;
  bool isDefault = false;
};

// False with `error` set when the printers cannot be listed.
bool ListPrinters(std::vector<PrinterEntry>& printers, std::string& error);

// The spooler's jobs of printers: a watcher of their states (null when the
// platform has no spooler to ask), and a printer's jobs not finished.
std::unique_ptr<JobWatcher> MakeJobWatcher(const std::string& printer);
struct JobEntry {
  int jobId = 0;
  std::string title;
  JobStatus status;
};
bool ListJobs(const std::string& printer, std::vector<JobEntry>& jobs, std::string& error);

// The information report's facts of a printer by name: its capabilities
// and device mode as the platform answers them. Nothing, with `why` set,
// when there is no such printer or the spooler does not answer.
std::optional<PrinterInfo> ReadPrinterInfo(const std::string& name, FailureReason& why);

}  // namespace veltrim::cli
