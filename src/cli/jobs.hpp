#pragma once
// What the command line does with the jobs a run handed the spooler: notes
// each document's job id as the run goes, follows them after the report
// (--wait), and lists a printer's jobs not finished (`veltrim jobs`).

#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.hpp"
#include "core/platform/print_device.hpp"
#include "core/print/job_follow.hpp"

namespace veltrim::cli {

// `inner` with every document that ended with the spooler's job id noted in `jobs`.
std::unique_ptr<PrintTarget> NotingJobs(std::unique_ptr<PrintTarget> inner, std::vector<SubmittedJob>& jobs);

// Follows the jobs of `printer` for at most `seconds`, a progress line on stderr when it is a terminal.
std::vector<FollowedJob> WaitForJobs(const std::string& printer, const std::vector<SubmittedJob>& jobs, int seconds);

// `veltrim jobs`: one line a job, "JOB STATE TITLE (REASON)"; 1 when the jobs cannot be listed.
int RunJobs(const Options& options);

}  // namespace veltrim::cli
