// --wait on an IPP printer follows the job at the printer: a job its command fails ends aborted with the printer's
// reason, and while a job waits the printer's own state reasons are shown. (The section's wording: tests/unit
// JobFollow.)
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "../unit/support/scratch_dir.hpp"
#include "ipp_test_printer.hpp"
#include "process.hpp"

namespace veltrim::test {
namespace {

namespace fs = std::filesystem;

class IppWait : public ::testing::Test {
 protected:
  // An executable shell script in the test's folder, for ippeveprinter's -c.
  std::string Script(const std::string& name, const std::string& body) {
    const std::string path = dir_.Write(name, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    return path;
  }
  ScratchDir dir_;
};

TEST_F(IppWait, AFailedJobEndsAbortedWithItsReason) {
  IppTestPrinter printer("Veltrim Fails", 8631, {"-c", Script("fail.sh", "echo 'ERROR: paper on fire' >&2\nexit 3\n")},
                         dir_.Path() / "spool");
  const auto run = RunProcess({VELTRIM_CLI, "print", "--printer", printer.Uri(), "--wait", "30"});
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_TRUE(std::regex_search(run.out, std::regex("\r\nJobs after the spooler:\r\nDocument 1: job [0-9]+ aborted "
                                                    "\\(aborted-by-system: paper on fire\\) after [^\r]*\r\n$")))
      << run.out;
}

// The printer's command reports the tray empty and holds the job until the test lets it go (or a minute passed);
// veltrim jobs lists it, asked at the printer too.
TEST_F(IppWait, AWaitingJobShowsThePrintersReasons) {
  const fs::path release = dir_.Path() / "release";
  const std::string hold = "echo 'STATE: +media-empty' >&2\nfor i in $(seq 600); do [ -e '" + release.string() +
                           "' ] && break; sleep 0.1; done\n";
  IppTestPrinter printer("Veltrim Empty", 8631, {"-c", Script("empty.sh", hold)}, dir_.Path() / "spool");
  const auto run = RunProcess({VELTRIM_CLI, "print", "--printer", printer.Uri(), "--wait", "5", "--json"});
  const auto listed = RunProcess({VELTRIM_CLI, "jobs", "--printer", printer.Uri()});
  ScratchDir::Put(release.string(), "");
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_TRUE(std::regex_search(run.out, std::regex(",\"jobs\":\\[\\{\"document\":1,\"job\":[0-9]+,"
                                                    "\"state\":\"pending\",\"reason\":\"job-printing[^\"]*\","
                                                    "\"impressions\":0,\"printerReasons\":\"media-empty-[a-z]+\",")))
      << run.out;
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_TRUE(std::regex_match(listed.out, std::regex("[0-9]+ pending QORVEL Veltrim v2 \\(job-printing[^)]*\\)\n")))
      << listed.out;
}

}  // namespace
}  // namespace veltrim::test
