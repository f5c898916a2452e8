#pragma once
// The scheduler's word on the jobs it took: each job's state, its reasons and
// the printer's message, asked by job id; and a queue's jobs not finished.

#include <string>
#include <vector>

#include "backends/cups/cups_destination.hpp"
#include "core/print/job_follow.hpp"

namespace veltrim {

class CupsJobWatcher final : public JobWatcher {
 public:
  JobStatus Query(int jobId) override;
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
