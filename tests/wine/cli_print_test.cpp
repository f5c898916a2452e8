// veltrim-cli.exe under Wine: the job goes through the Windows spooler to
// our scheduler, and its report is the exact sequence of spooler results.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

int PostScriptPages(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  int pages = 0;
  while (std::getline(in, line))
    if (line.rfind("%%Page: ", 0) == 0) ++pages;
  return pages;
}

TEST(WindowsCli, TwoJobsOfThreePagesThroughTheSpooler) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_jobs");
  const auto run = RunWindowsProgram(services, kCli, {"print", "--printer", queue.Name(), "--docs", "2", "--pages", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string expected =
      "QORVEL Veltrim v2\r\n-------------------\r\n[v] PrintDlg()\r\n[v] pd.hDC\r\n" +
      Repeat("[v] StartDoc()\r\n" + Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 3) + "[v] EndDoc()\r\n", 2) +
      "\r\nPrint Time: ";
  EXPECT_EQ(run.out.substr(0, expected.size()), expected);
  EXPECT_EQ(run.out.substr(run.out.size() - 9), " seconds.");

  ASSERT_TRUE(queue.WaitForCompletedJobs(2)) << "two jobs were not completed";
  EXPECT_EQ(queue.CompletedJobs(), 2);
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3) << "the last job has three pages";
}

TEST(WindowsCli, UnknownPrinterIsARefusedDialog) {
  const Services services = Services::FromEnvironment();
  const auto run = RunWindowsProgram(services, kCli, {"print", "--printer", "no_such_queue"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("\r\nPrint Time: ")),
            "QORVEL Veltrim v2\r\n-------------------\r\n[x] PrintDlg()\r\n");
}

TEST(WindowsCli, PrintersListsTheQueuesWithTheirPorts) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_listed");
  const auto run = RunWindowsProgram(services, kCli, {"printers"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(queue.Name() + "\tCUPS:" + queue.Name()), std::string::npos) << run.out;
}

}  // namespace
}  // namespace veltrim::test
