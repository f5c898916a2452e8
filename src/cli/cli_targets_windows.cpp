// Windows: printers through the spooler, drawn with GDI; files are pages
// drawn by GDI on a simulated printer: PNG files, or page images in a PDF or
// PostScript file.
#include "cli/cli_targets.hpp"

#include "cli/failures.hpp"

#include "backends/gdi/gdi_device_mode.hpp"
#include "backends/gdi/gdi_image_device.hpp"
#include "backends/gdi/gdi_print.hpp"
#include "backends/gdi/gdi_surface.hpp"

#include <map>
#include <set>
#include <vector>

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakePrinterTarget(const std::string& name, const JobAttributes&) {
  return std::make_unique<NamedPrinterTarget>(name);
}

std::unique_ptr<PrintDevice> MakeFileDevice(FileFormat format, const std::string& output,
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

namespace {

// A job's JOB_INFO_2 Status bits and the spooler's own status text.
JobStatus FromJobInfo(const JOB_INFO_2A& info) {
  const DWORD bits = info.Status;
  std::string reason = info.pStatus ? info.pStatus : "";
  JobState state = JobState::Pending;
  if (bits & (JOB_STATUS_DELETING | JOB_STATUS_DELETED)) state = JobState::Canceled;
  else if (bits & (JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE)) state = JobState::Completed;
  else if (bits & JOB_STATUS_ERROR) state = JobState::Aborted;
  else if (bits & JOB_STATUS_PAUSED) state = JobState::Held;
  else if (bits & (JOB_STATUS_OFFLINE | JOB_STATUS_PAPEROUT | JOB_STATUS_BLOCKED_DEVQ | JOB_STATUS_USER_INTERVENTION))
    state = JobState::Stopped;
  if (reason.empty() && state == JobState::Stopped)
    reason = bits & JOB_STATUS_PAPEROUT ? "out of paper" : bits & JOB_STATUS_OFFLINE ? "printer offline" : "blocked";
  return {state, reason};
}

// Each printer's jobs by id, through the printer handle the spooler gives.
class SpoolerJobWatcher final : public JobWatcher {
 public:
  // The printer is opened once for the whole wait, not once a question.
  explicit SpoolerJobWatcher(const std::string& name) : name_(name), printer_(win::OpenNamedPrinter(name)) {}
  JobStatus Query(int jobId) override {
    if (!printer_) return {JobState::Pending, "the spooler does not open " + name_};
    const win::OwnedPrinter& printer = printer_;
    DWORD needed = 0;
    ::GetJobA(printer.Get(), static_cast<DWORD>(jobId), 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !::GetJobA(printer.Get(), static_cast<DWORD>(jobId), 2, buffer.data(), needed, &needed)) {
      // Gone from the queue: the spooler keeps no record. A job last seen
      // printing has printed; of one never seen so, nobody can say.
      const auto last = last_.find(jobId);
      if (last != last_.end() && JobEnded(last->second.state)) return last->second;
      if (printing_.contains(jobId)) return {JobState::Completed, "printed, then left the spooler's queue"};
      return {JobState::Pending, "not in the spooler's queue, and never seen printing: its end is not known"};
    }
    const auto& info = *reinterpret_cast<const JOB_INFO_2A*>(buffer.data());
    if (info.Status & (JOB_STATUS_PRINTING | JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE)) printing_.insert(jobId);
    return last_[jobId] = FromJobInfo(info);
  }

 private:
  std::string name_;
  win::OwnedPrinter printer_;
  std::map<int, JobStatus> last_;
  std::set<int> printing_;
};

}  // namespace

std::unique_ptr<JobWatcher> MakeJobWatcher(const std::string& printer) {
  return std::make_unique<SpoolerJobWatcher>(printer);
}

bool ListJobs(const std::string& printer, std::vector<JobEntry>& jobs, std::string& error) {
  const win::OwnedPrinter handle = win::OpenNamedPrinter(printer);
  if (!handle) {
    error = FailureText(printer, SpoolerFailure(::GetLastError()));
    return false;
  }
  DWORD needed = 0, count = 0;
  ::EnumJobsA(handle.Get(), 0, 1000, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed > 0 && !::EnumJobsA(handle.Get(), 0, 1000, 2, buffer.data(), needed, &needed, &count)) {
    error = FailureText(printer, SpoolerFailure(::GetLastError()));
    return false;
  }
  const auto* info = reinterpret_cast<const JOB_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count && needed > 0; ++i)
    jobs.push_back({static_cast<int>(info[i].JobId), info[i].pDocument ? info[i].pDocument : "", FromJobInfo(info[i])});
  return true;
}

std::optional<PrinterInfo> ReadPrinterInfo(const std::string& name, FailureReason& why) {
  const win::OwnedPrinter printer = win::OpenNamedPrinter(name);
  if (!printer) {
    why = SpoolerFailure(::GetLastError());
    return std::nullopt;
  }

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
