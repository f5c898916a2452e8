#pragma once
// Following the jobs a print run handed the spooler until the spooler says
// each one ended, or the time runs out: the job's final state, the reason
// the spooler gave and how long after EndDoc it came, as a section that
// follows the report, or as JSON. Each platform answers what a job is doing
// through a JobWatcher.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrim {

// Pending covers every state that has not ended (queued, processing); Held and
// Stopped end nothing by themselves either, but are told apart, since a user
// must act on them.
enum class JobState { Pending, Held, Stopped, Completed, Aborted, Canceled };

// "completed", "aborted", "canceled", "held", "stopped", "pending".
std::string_view JobStateName(JobState state);
inline bool JobEnded(JobState state) { return state >= JobState::Completed; }

struct JobStatus {
  JobStatus() = default;
  JobStatus(JobState state_, std::string reason_, std::optional<int> impressions_ = {},
            std::string printerReasons_ = {})
      : state(state_),
        reason(std::move(reason_)),
        impressions(impressions_),
        printerReasons(std::move(printerReasons_)) {}

  JobState state = JobState::Pending;
  std::string reason;  // the spooler's words, as it gave them; may be empty
  // What a printer followed at the device adds: the impressions it counts
  // done, and its printer-state-reasons other than "none" ("media-empty").
  std::optional<int> impressions;
  std::string printerReasons;
};

// An IPP job-state (3 pending .. 9 completed) and its job-state-reasons: a
// pending job of a stopped printer is stopped.
JobState JobStateFromIpp(int ippState, std::string_view reasons);

class JobWatcher {
 public:
  virtual ~JobWatcher() = default;
  virtual JobStatus Query(int jobId) = 0;
};

// A document the run handed over, by its number in the run (from 1).
struct SubmittedJob {
  int document = 0;
  int jobId = 0;
};

struct FollowedJob {
  int document = 0;
  int jobId = 0;
  JobStatus status;
  double seconds = 0;  // from the end of the run to the final state (or to the end of the wait)
};

// What the wait needs of the world: a clock in seconds, a pause, and a
// progress line (the jobs not ended yet, the seconds waited).
struct WaitClock {
  std::function<double()> now;
  std::function<void(double seconds)> sleep;
  std::function<void(int open, double waited)> progress;
};

// Asks every job until all have ended or `timeoutSeconds` have passed since
// the call, every `pollSeconds`.
std::vector<FollowedJob> FollowJobs(JobWatcher& watcher, std::span<const SubmittedJob> jobs, double timeoutSeconds,
                                    const WaitClock& clock, double pollSeconds = 0.2);

// True when every job completed.
bool AllCompleted(std::span<const FollowedJob> jobs);

// "\r\nJobs after the spooler:\r\n" and one line a job:
// "Document 2: job 17 aborted (job-aborted-by-system: ...) after 0.4 seconds.\r\n";
// "No job was handed to a spooler." when there are none. A printer's count
// and reasons follow the time when known: "..., 1 impression; the printer:
// media-empty-error."
std::string JobSection(std::span<const FollowedJob> jobs);

// {"report":"...","jobs":[{"document":1,"job":17,"state":"completed","reason":"...","seconds":0.4}]},
// with "impressions":N and "printerReasons":"..." after "reason" when known.
std::string RunJson(std::string_view report, std::span<const FollowedJob> jobs);

}  // namespace veltrim
