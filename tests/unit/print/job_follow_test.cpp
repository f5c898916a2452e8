// Following jobs after the spooler took them: the polling until each job ends or the time runs out, on a clock the
// test moves, the IPP states, and the section and JSON the command line prints.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "print/job_follow.hpp"

namespace veltrim {
namespace {

// Each job's answers in turn; the last one repeats.
class ScriptedWatcher final : public JobWatcher {
 public:
  explicit ScriptedWatcher(std::map<int, std::vector<JobStatus>> script) : script_(std::move(script)) {}
  JobStatus Query(int jobId) override {
    auto& answers = script_.at(jobId);
    ++asked[jobId];
    const JobStatus status = answers.front();
    if (answers.size() > 1) answers.erase(answers.begin());
    return status;
  }
  std::map<int, int> asked;

 private:
  std::map<int, std::vector<JobStatus>> script_;
};

TEST(JobFollow, EachJobIsAskedUntilItEndsOrTheTimeRunsOut) {
  using S = JobState;
  ScriptedWatcher watcher({{11, {{S::Pending, ""}, {S::Completed, "job-completed-successfully"}}},
                           {12, {{S::Pending, ""}, {S::Pending, ""}, {S::Aborted, "aborted-by-system"}}},
                           {13, {{S::Held, "job-hold-until-specified"}}}});
  double now = 100;
  std::vector<std::pair<int, double>> shown;
  const WaitClock clock{[&] { return now; }, [&](double pause) { now += pause; },
                        [&](int open, double waited) { shown.emplace_back(open, waited); }};
  const SubmittedJob jobs[] = {{1, 11}, {2, 12}, {3, 13}};
  const auto followed = FollowJobs(watcher, jobs, 1.0, clock, 0.25);
  ASSERT_EQ(followed.size(), 3u);
  EXPECT_EQ(followed[0].status.state, S::Completed);
  EXPECT_DOUBLE_EQ(followed[0].seconds, 0.25);
  EXPECT_EQ(followed[1].status.reason, "aborted-by-system");
  EXPECT_DOUBLE_EQ(followed[1].seconds, 0.5);
  EXPECT_EQ(followed[2].status.state, S::Held);
  EXPECT_DOUBLE_EQ(followed[2].seconds, 1.0) << "held until the wait ran out";
  EXPECT_EQ(watcher.asked, (std::map<int, int>{{11, 2}, {12, 3}, {13, 5}})) << "an ended job is not asked again";
  EXPECT_EQ(shown, (std::vector<std::pair<int, double>>{{3, 0}, {2, 0.25}, {1, 0.5}, {1, 0.75}}));
  EXPECT_FALSE(AllCompleted(followed));
  EXPECT_TRUE(AllCompleted(std::span(followed).first(1)));

  EXPECT_EQ(JobSection(followed),
            "\r\nJobs after the spooler:\r\n"
            "Document 1: job 11 completed (job-completed-successfully) after 0.2 seconds.\r\n"
            "Document 2: job 12 aborted (aborted-by-system) after 0.5 seconds.\r\n"
            "Document 3: job 13 held (job-hold-until-specified), still so after 1.0 seconds.\r\n");
  EXPECT_EQ(RunJson("R\r\n\"x\"", std::span(followed).first(1)),
            "{\"report\":\"R\\u000d\\u000a\\\"x\\\"\",\"jobs\":[{\"document\":1,\"job\":11,\"state\":\"completed\","
            "\"reason\":\"job-completed-successfully\",\"seconds\":0.2}]}");
  EXPECT_EQ(JobSection({}), "\r\nJobs after the spooler:\r\nNo job was handed to a spooler.\r\n");
}

TEST(JobFollow, IppStatesAndAStoppedPrinter) {
  const std::tuple<int, const char*, JobState> cases[] = {
      {3, "none", JobState::Pending},       {3, "printer-stopped", JobState::Stopped}, {4, "", JobState::Held},
      {5, "job-printing", JobState::Pending}, {6, "", JobState::Stopped},             {7, "", JobState::Canceled},
      {8, "", JobState::Aborted},           {9, "", JobState::Completed},              {0, "", JobState::Pending}};
  for (const auto& [ipp, reasons, state] : cases) EXPECT_EQ(JobStateFromIpp(ipp, reasons), state) << ipp << reasons;
}

}  // namespace
}  // namespace veltrim
