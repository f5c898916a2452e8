// print --wait against the private scheduler: each job the run handed over followed to its end, in a section
// after the report's own bytes, and the exit status 1 for any job that did not complete; --json; veltrim jobs.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>
#include <regex>
#include <string>
#include <vector>

#include "cli_support.hpp"

namespace veltrim::test {
namespace {

struct WaitCase {
  const char* name;
  std::vector<std::string> queueOptions;  // lpadmin's, after the file queue's own
  std::string wait;
  bool cancelWhileWaiting;
  int exitCode;
  std::string stateLine;  // what each document's line says after its job id
};

void PrintTo(const WaitCase& c, std::ostream* out) { *out << c.name; }

const WaitCase kCases[] = {
    {"FileQueueCompletesBoth", {}, "30", false, 0, "completed"},
    {"UnwritableFolderStopsTheJob", {"-v", "file:///nonexistent-veltrim-folder/out.prn"}, "3", false, 1,
     "stopped (job-printing), still so after"},
    {"HeldJobsStayHeld", {"-o", "job-hold-until-default=indefinite"}, "3", false, 1,
     "held (job-hold-until-specified), still so after"},
    {"CancelledWhileWaiting", {"-o", "job-hold-until-default=indefinite"}, "20", true, 1, "canceled"},
};

class CliWait : public ::testing::TestWithParam<WaitCase> {};

TEST_P(CliWait, EachJobsEndFollowsTheReport) {
  const WaitCase& c = GetParam();
  CupsQueue queue(CupsServerFromEnvironment(), StateFromEnvironment(), std::string("wait_") + c.name,
                  c.queueOptions);
  const auto plain = RunVeltrim({"print", "--printer", queue.Name(), "--docs", "2"});
  RunOnScheduler({"cancel", "-a", queue.Name()});
  auto run = std::async(std::launch::async,
                        [&] { return RunVeltrim({"print", "--printer", queue.Name(), "--docs", "2", "--wait", c.wait}); });
  if (c.cancelWhileWaiting) {
    // Once both jobs are in the queue, the user cancels them.
    for (int i = 0; i < 100 && RunOnScheduler({"lpstat", "-o", queue.Name()}).out.find('\n') == std::string::npos;
         ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(RunOnScheduler({"cancel", "-a", queue.Name()}).exitCode, 0);
  }
  const auto waited = run.get();
  EXPECT_EQ(waited.exitCode, c.exitCode) << waited.out << waited.err;
  // The report's bytes are those of the run without --wait, the print time aside.
  const std::string marker = "\r\nJobs after the spooler:\r\n";
  const auto section = waited.out.find(marker);
  ASSERT_NE(section, std::string::npos) << waited.out;
  EXPECT_EQ(WithoutTime(waited.out.substr(0, section)), WithoutTime(plain.out));
  const std::string jobs = waited.out.substr(section + marker.size());
  const std::regex line("Document ([12]): job ([0-9]+) ([^\r]*) ([0-9.]+) seconds\\.\r\n");
  int lines = 0;
  for (auto it = std::sregex_iterator(jobs.begin(), jobs.end(), line); it != std::sregex_iterator(); ++it, ++lines) {
    EXPECT_EQ((*it)[1].str(), std::to_string(lines + 1));
    EXPECT_TRUE((*it)[3].str().starts_with(c.stateLine)) << (*it)[3].str();
  }
  EXPECT_EQ(lines, 2) << jobs;
}

INSTANTIATE_TEST_SUITE_P(Scheduler, CliWait, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CliWait, JsonAndTheListOfJobsNotFinished) {
  CupsQueue held(CupsServerFromEnvironment(), StateFromEnvironment(), "wait_listed",
                 {"-o", "job-hold-until-default=indefinite"});
  const auto json = RunVeltrim({"print", "--printer", held.Name(), "--wait=1", "--json"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_TRUE(json.out.starts_with("{\"report\":\"QORVEL Veltrim v2\\u000d\\u000a")) << json.out;
  EXPECT_NE(json.out.find(",\"jobs\":[{\"document\":1,\"job\":"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"state\":\"held\",\"reason\":\"job-hold-until-specified\""), std::string::npos) << json.out;
  EXPECT_TRUE(json.out.ends_with("}]}\n")) << json.out;

  const auto listed = RunVeltrim({"jobs", "--printer", held.Name()});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_TRUE(std::regex_match(listed.out, std::regex("[0-9]+ held QORVEL Veltrim v2 \\(job-hold-until-specified\\)\n")))
      << listed.out;
  RunOnScheduler({"cancel", "-a", held.Name()});
  EXPECT_EQ(RunVeltrim({"jobs", "--printer", held.Name()}).out, "");
  // A file target hands nothing over: the section says so, and nothing failed.
  const auto file = RunVeltrim({"print", "--output", (fs::temp_directory_path() / "veltrim-wait.pdf").string(), "--wait"});
  EXPECT_EQ(file.exitCode, 0) << file.err;
  EXPECT_TRUE(file.out.ends_with("\r\nJobs after the spooler:\r\nNo job was handed to a spooler.\r\n")) << file.out;
}

}  // namespace
}  // namespace veltrim::test
