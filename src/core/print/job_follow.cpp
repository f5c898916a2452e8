#include "core/print/job_follow.hpp"

#include <algorithm>
#include <cstdio>

#include "core/support/json_text.hpp"

namespace veltrim {
namespace {

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", seconds);
  return text;
}

}  // namespace

std::string_view JobStateName(JobState state) {
  switch (state) {
    case JobState::Pending: return "pending";
    case JobState::Held: return "held";
    case JobState::Stopped: return "stopped";
    case JobState::Completed: return "completed";
    case JobState::Aborted: return "aborted";
    case JobState::Canceled: return "canceled";
  }
  return "pending";
}

JobState JobStateFromIpp(int ippState, std::string_view reasons) {
  switch (ippState) {
    case 4: return JobState::Held;
    case 6: return JobState::Stopped;
    case 7: return JobState::Canceled;
    case 8: return JobState::Aborted;
    case 9: return JobState::Completed;
    default:
      return reasons.find("printer-stopped") != std::string_view::npos ? JobState::Stopped : JobState::Pending;
  }
}

std::vector<FollowedJob> FollowJobs(JobWatcher& watcher, std::span<const SubmittedJob> jobs, double timeoutSeconds,
                                    const WaitClock& clock, double pollSeconds) {
  std::vector<FollowedJob> followed;
  for (const SubmittedJob& job : jobs) followed.push_back({job.document, job.jobId, {}, 0});
  const double start = clock.now();
  while (true) {
    const double waited = clock.now() - start;
    int open = 0;
    for (FollowedJob& job : followed) {
      if (JobEnded(job.status.state)) continue;
      job.status = watcher.Query(job.jobId);
      job.seconds = waited;
      open += JobEnded(job.status.state) ? 0 : 1;
    }
    if (open == 0 || waited >= timeoutSeconds) return followed;
    if (clock.progress) clock.progress(open, waited);
    clock.sleep(std::min(pollSeconds, timeoutSeconds - waited));
  }
}

bool AllCompleted(std::span<const FollowedJob> jobs) {
  return std::all_of(jobs.begin(), jobs.end(),
                     [](const FollowedJob& job) { return job.status.state == JobState::Completed; });
}

std::string JobSection(std::span<const FollowedJob> jobs) {
  std::string text = "\r\nJobs after the spooler:\r\n";
  if (jobs.empty()) return text.append("No job was handed to a spooler.\r\n");
  for (const FollowedJob& job : jobs) {
    text.append("Document ").append(std::to_string(job.document)).append(": job ").append(std::to_string(job.jobId));
    text.append(" ").append(JobStateName(job.status.state));
    if (!job.status.reason.empty()) text.append(" (").append(job.status.reason).append(")");
    text.append(JobEnded(job.status.state) ? " after " : ", still so after ").append(Seconds(job.seconds));
    text.append(" seconds");
    if (const auto& done = job.status.impressions)
      text.append(", ").append(std::to_string(*done)).append(*done == 1 ? " impression" : " impressions");
    if (!job.status.printerReasons.empty()) text.append("; the printer: ").append(job.status.printerReasons);
    text.append(".\r\n");
  }
  return text;
}

std::string RunJson(std::string_view report, std::span<const FollowedJob> jobs) {
  std::string json = "{\"report\":";
  json.append(JsonQuoted(report)).append(",\"jobs\":[");
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const FollowedJob& job = jobs[i];
    json.append(i ? ",{" : "{").append("\"document\":").append(std::to_string(job.document));
    json.append(",\"job\":").append(std::to_string(job.jobId));
    json.append(",\"state\":").append(JsonQuoted(JobStateName(job.status.state)));
    json.append(",\"reason\":").append(JsonQuoted(job.status.reason));
    if (job.status.impressions) json.append(",\"impressions\":").append(std::to_string(*job.status.impressions));
    if (!job.status.printerReasons.empty())
      json.append(",\"printerReasons\":").append(JsonQuoted(job.status.printerReasons));
    json.append(",\"seconds\":").append(Seconds(job.seconds)).append("}");
  }
  return json.append("]}");
}

}  // namespace veltrim
