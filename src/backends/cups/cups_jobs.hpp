#pragma once
// The scheduler's word on the jobs it took: each job's state, its reasons and
// the printer's message, asked by job id; and a queue's jobs not finished.
// A printer reached without a queue is asked itself, over its own connection.

#include <memory>
#include <string>
#include <vector>

#include "backends/cups/cups_destination.hpp"
#include "core/print/job_follow.hpp"

namespace veltrim {

class CupsJobWatcher final : public JobWatcher {
 public:
  JobStatus Query(int jobId) override;
};

// Jobs on a printer named by its URI: the job's state, reasons and the
// impressions done, and the printer's own state reasons. The printer is
// connected to when first asked, and again after it did not answer.
class IppJobWatcher final : public JobWatcher {
 public:
  explicit IppJobWatcher(std::string uri) : uri_(std::move(uri)) {}
  JobStatus Query(int jobId) override;

 private:
  std::string uri_;
  std::unique_ptr<CupsDestination> printer_;
};

struct CupsJobEntry {
  int jobId = 0;
  std::string title;
  JobStatus status;
};

// False, with `why` set, when the scheduler cannot be asked or does not
// know the printer.
bool ListCupsJobs(const std::string& printer, std::vector<CupsJobEntry>& jobs, FailureReason& why);

}  // namespace veltrim
