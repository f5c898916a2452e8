// veltrim-cli.exe under Wine: the command line's table, and what only Windows has: the spooler's printers and
// device facts, and --wait on a spooler that keeps no record of the jobs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_conformance.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

// Wine's spooler hands each job to the scheduler at EndDoc and keeps no record of it: GetJob knows no job of the
// run, EnumJobs lists none, even of a queue that holds them. --wait says it cannot tell how the jobs ended, and does
// not call them completed.
TEST(WindowsCli, WaitTellsWhenTheSpoolerKeepsNoRecordOfTheJobs) {
  const Services services = Services::FromEnvironment();
  CupsQueue held(services.state, "wcli_held", {"-o", "job-hold-until-default=indefinite"});
  const auto run = RunWindowsProgram(services, kCli, {"print", "--printer", held.Name(), "--docs", "2", "--wait", "1"});
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  const std::string unknown = " pending (not in the spooler's queue, and never seen printing: its end is not known), "
                              "still so after 1.0 seconds.\r\n";
  const auto section = run.out.find("\r\nJobs after the spooler:\r\n");
  ASSERT_NE(section, std::string::npos) << run.out;
  EXPECT_EQ(run.out.substr(section),
            "\r\nJobs after the spooler:\r\nDocument 1: job 1" + unknown + "Document 2: job 2" + unknown);
  const auto listed = RunWindowsProgram(services, kCli, {"jobs", "--printer", held.Name()});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(listed.out, "");
  RunProcess({"cancel", "-a", held.Name()}, {{"CUPS_SERVER", services.cupsServer}});
}

// The printer list, and the report of the printer DC and its DEVMODE with the same facts as JSON: the generic
// PostScript queue at 300 dpi Letter. This is where the queue's facts through the spooler are checked; the report's
// layout is the unit tests' (DeviceModeReport, PrinterInfoReport).
TEST(WindowsCli, PrintersAndInfoFromTheSpooler) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services.state, "wcli_info");
  const auto printers = RunWindowsProgram(services, kCli, {"printers"});
  ASSERT_EQ(printers.exitCode, 0) << printers.err;
  EXPECT_NE(printers.out.find(" wcli_info\tCUPS:wcli_info\n"), std::string::npos) << printers.out;
  // One printer is marked as the default, and it is one of the listed.
  const std::size_t star = printers.out.find("* ");
  ASSERT_NE(star, std::string::npos) << printers.out;
  EXPECT_TRUE(star == 0 || printers.out[star - 1] == '\n') << printers.out;
  EXPECT_EQ(printers.out.find("* ", star + 1), std::string::npos) << printers.out;
  struct Query { std::vector<std::string> args, parts; };
  for (const Query& query :
       {Query{{"info", "--printer", queue.Name()},
              {"\r\nPort Used: CUPS:wcli_info\r\n", "\r\n  Width of the Physical Page [device units]: 2550\r\n",
               "\r\n  Document's Collation Mode: disabled"}},
        Query{{"info", "--printer", queue.Name(), "--json"},
              {"\"physicalWidth\":2550,", "\"fields\":130847,", "\"paperSize\":1,", "\"ttOption\":3,",
               "\"collate\":0}"}}}) {
    const auto run = RunWindowsProgram(services, kCli, query.args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    for (const std::string& part : query.parts)
      EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
  }
}

class WindowsCliTable : public ::testing::TestWithParam<CliRow> {};

// The command line's table (tests/harness/cli_conformance.cpp): files written through GDI on a simulated printer,
// jobs through the Windows spooler to our scheduler. Wine may add lines of its own to stderr.
TEST_P(WindowsCliTable, Row) {
  const Services services = Services::FromEnvironment();
  const CliRunner runner{.program = kCli, .prefix = {VELTRIM_FIXTURES_DIR "/run-wine.sh", services.state.string()},
                         .onlyItsStderr = false, .cupsState = services.state, .queuePrefix = "wcli_"};
  CheckCliRow(GetParam(), runner, ScratchFolder(services, std::string("wcli_") + GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Wine, WindowsCliTable, ::testing::ValuesIn(CliRows()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
