#include "cli/jobs.hpp"

#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/cli_targets.hpp"
#include "cli/progress.hpp"

namespace veltrim::cli {
namespace {

class NotingDevice final : public ForwardingDevice {
 public:
  NotingDevice(std::unique_ptr<PrintDevice> inner, std::vector<SubmittedJob>& jobs)
      : ForwardingDevice(std::move(inner)), jobs_(jobs) {}
  int StartDocA(const char* name) override {
    ++document_;
    return ForwardingDevice::StartDocA(name);
  }
  int EndDoc() override {
    const int result = ForwardingDevice::EndDoc();
    if (result > 0 && SpoolerJobId() > 0) jobs_.push_back({document_, SpoolerJobId()});
    return result;
  }

 private:
  std::vector<SubmittedJob>& jobs_;
  int document_ = 0;
};

}  // namespace

std::unique_ptr<PrintTarget> NotingJobs(std::unique_ptr<PrintTarget> inner, std::vector<SubmittedJob>& jobs) {
  return WrappingDevices(std::move(inner), [&jobs](std::unique_ptr<PrintDevice> device) {
    return std::make_unique<NotingDevice>(std::move(device), jobs);
  });
}

std::vector<FollowedJob> WaitForJobs(const std::string& printer, const std::vector<SubmittedJob>& jobs, int seconds) {
  const auto watcher = MakeJobWatcher(printer);
  if (!watcher || jobs.empty()) return {};
  using Clock = std::chrono::steady_clock;
  const bool shown = StderrIsTerminal();
  const WaitClock clock{
      [] { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); },
      [](double pause) { std::this_thread::sleep_for(std::chrono::duration<double>(pause)); },
      [shown](int open, double waited) {
        if (shown) std::fprintf(stderr, "\rwaiting for %d job(s): %.0f s ", open, waited);
      }};
  auto followed = FollowJobs(*watcher, jobs, seconds, clock);
  if (shown) std::fputs("\r\n", stderr);
  return followed;
}

int RunJobs(const Options& options) {
  std::vector<JobEntry> jobs;
  std::string error;
  if (!ListJobs(options.printer, jobs, error)) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return 1;
  }
  for (const JobEntry& job : jobs) {
    std::printf("%d %s %s", job.jobId, std::string(JobStateName(job.status.state)).c_str(), job.title.c_str());
    if (!job.status.reason.empty()) std::printf(" (%s)", job.status.reason.c_str());
    std::printf("\n");
  }
  return 0;
}

}  // namespace veltrim::cli
