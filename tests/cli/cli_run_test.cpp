// What only the Linux program on CUPS shows: the scheduler's printer list, queues that will not take jobs, jobs
// followed to their end by --wait, a lost scheduler, `veltrim info` on a queue and a file target, and the user
// guide. Runs both CLIs share are the command line's table (cli_table_test.cpp).
#include <cups/cups.h>

#include <chrono>
#include <future>
#include <optional>
#include <regex>
#include <set>
#include <thread>

#include "backends/cups/cups_print.hpp"
#include "cli/cli_options.hpp"
#include "cli_support.hpp"
#include "core/about/about_texts.hpp"

namespace veltrim::test {
namespace {

using CliRun = CliTest<>;

// The scheduler's queues, each with its port.
TEST_F(CliRun, PrintersListsTheSchedulersQueues) {
  CupsQueue queue(CupsServerFromEnvironment(), StateFromEnvironment(), "cli_listed");
  const auto list = RunVeltrim({"printers"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_NE(list.out.find(queue.Name() + "\tCUPS:" + queue.Name()), std::string::npos) << list.out;
}

// What the scheduler will not take: an unknown printer to report on or to list the jobs of, in the scheduler's
// words, and a queue that refuses jobs or is stopped, where every document is a failed StartDoc and no job
// completes. The report keeps its bytes on stdout; stderr says why, one line a failure. (An unknown printer to
// print on and an unwritable file: the command line's table.)
TEST_F(CliRun, JobsThatCannotStartAreFailedCalls) {
  const std::string unknown =
      "veltrim: no_such_queue: The printer or class does not exist. Run \"veltrim printers\" to list the printers.\n";
  const auto Twice = [](const std::string& line) { return line + line; };
  const std::string twice = kPrinterChosen + Twice("[x] StartDoc()\r\n");
  struct Case {
    const char* queueCommand;  // a queue of that name is made and this run on it; its name ends the arguments
    std::vector<std::string> args;
    std::string out, err;
  };
  const Case cases[] = {
      {nullptr, {"info", "--printer", "no_such_queue"}, "", unknown},
      {nullptr, {"jobs", "--printer", "no_such_queue"}, "", unknown},
      {"cupsreject", {"print", "--docs", "2", "--pages", "2", "--printer"}, twice,
       Twice("veltrim: unwilling_cupsreject: the queue is not accepting jobs (cupsaccept opens it)\n")},
      {"cupsdisable", {"print", "--docs", "2", "--pages", "2", "--printer"}, twice,
       Twice("veltrim: unwilling_cupsdisable: the queue is stopped (cupsenable starts it)\n")},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    std::optional<CupsQueue> queue;
    if (c.queueCommand) {
      queue.emplace(CupsServerFromEnvironment(), StateFromEnvironment(), std::string("unwilling_") + c.queueCommand);
      const auto state = RunOnScheduler({c.queueCommand, queue->Name()});
      ASSERT_EQ(state.exitCode, 0) << state.err;
      args.push_back(queue->Name());
    }
    const auto run = RunVeltrim(args);
    SCOPED_TRACE(Describe(args, run));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(WithoutTime(run.out), c.out);
    EXPECT_EQ(run.err, c.err);
    if (queue) {
      EXPECT_EQ(queue->CompletedJobs(), 0);
    }
  }
}

// print --wait: each job the run handed over followed to its end in a section after the report's own bytes, exit
// status 1 for any job that did not complete; --json; veltrim jobs.
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

TEST_F(CliRun, WaitAsJsonAndTheListOfJobsNotFinished) {
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
  const auto file = RunVeltrim({"print", "--output", folder_ / "x.pdf", "--wait"});
  EXPECT_EQ(file.exitCode, 0) << file.err;
  EXPECT_TRUE(file.out.ends_with("\r\nJobs after the spooler:\r\nNo job was handed to a spooler.\r\n")) << file.out;
}

// A scheduler of the test's own, so that it can be stopped mid-job.
class LostScheduler : public ::testing::Test {
 protected:
  void SetUp() override {
    state_ = fs::temp_directory_path() /
             ("veltrim-lost-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(state_);
    const auto started = RunProcess({kCupsFixture, "start", state_.string()});
    ASSERT_EQ(started.exitCode, 0) << started.err;
    server_ = CupsServerOf(state_);
    cupsSetServer(server_.c_str());
    queue_.emplace(server_, state_, "lost");
  }
  void TearDown() override {
    StopScheduler();
    queue_.reset();
    fs::remove_all(state_);
  }
  void StopScheduler() { RunProcess({kCupsFixture, "stop", state_.string()}); }

  const std::string kCupsFixture = VELTRIM_FIXTURES_DIR "/cups.sh";
  fs::path state_;
  std::string server_;
  std::optional<CupsQueue> queue_;
};

// Parallel tests each have a scheduler: one handed another's address stops at once. Once the scheduler is gone,
// a chosen printer's document cannot start, and one already started is not reported as printed; the failures name
// the scheduler, and so do the command line's print, info and jobs.
TEST_F(LostScheduler, OthersAddressesAreRefusedAndJobsFailOnceItStops) {
  EXPECT_THROW(CupsQueue(CupsServerFromEnvironment(), state_, "other"), std::runtime_error);
  EXPECT_THROW(CupsQueue(server_, StateFromEnvironment(), "other"), std::runtime_error);
  PrintChoice before = CupsPrintTarget("lost").Choose(), during = CupsPrintTarget("lost").Choose();
  ASSERT_TRUE(before.accepted);
  ASSERT_TRUE(before.device && during.device);
  PrintDevice& device = *during.device;
  ASSERT_GT(device.StartDocA("QORVEL Veltrim v2"), 0);
  ASSERT_GT(device.StartPage(), 0);
  device.Page().Rectangle(100, 100, 900, 900);
  StopScheduler();
  const std::string gone = "the print scheduler at " + server_ + " does not answer";
  EXPECT_EQ(before.device->StartDocA("QORVEL Veltrim v2"), kSpError);
  EXPECT_EQ(before.device->LastFailure().text, gone);
  const int endPage = device.EndPage();
  const int endDoc = device.EndDoc();
  EXPECT_TRUE(endPage <= 0 || endDoc <= 0) << "the lost job was reported as printed (EndPage " << endPage
                                           << ", EndDoc " << endDoc << ")";
  EXPECT_NE(device.LastFailure().text, "") << "the lost job's failure has a reason";
  for (const auto& [command, out] : {std::pair<std::string, std::string>{"print", kReportHeader + "[x] PrintDlg()\r\n"},
                                     {"info", ""}, {"jobs", ""}}) {
    const auto run = RunProcess({kVeltrim, command, "--printer", "lost"}, {{"CUPS_SERVER", server_}});
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_EQ(WithoutTime(run.out), out) << command;
    EXPECT_EQ(run.err, "veltrim: lost: " + gone + "\n") << command;
  }
}

// The whole number after `label` in the report, or after "key": in the JSON.
std::string After(const std::string& text, const std::string& label) {
  const auto at = text.find(label);
  if (at == std::string::npos) return "(missing " + label + ")";
  const auto begin = at + label.size();
  return text.substr(begin, text.find_first_not_of("-0123456789", begin) - begin);
}

// Runs info as text and as JSON, which must tell the same facts; the text with the JSON after it.
std::string ReportAndJson(std::vector<std::string> args) {
  const std::pair<const char*, const char*> facts[] = {
      {"X Axis Resolution [pixels/inch]: ", "\"logPixelsX\":"},
      {"Y Axis Resolution [pixels/inch]: ", "\"logPixelsY\":"},
      {"Width of the Physical Page [device units]: ", "\"physicalWidth\":"},
      {"Height of the Physical Page [device units]: ", "\"physicalHeight\":"},
      {"Paper Width [tenths of a millimeter]: ", "\"paperWidth\":"},
      {"Paper Length [tenths of a millimeter]: ", "\"paperLength\":"},
      {"Print Quality: ", "\"printQuality\":"}, {"Y Axis Resolution [DPI]: ", "\"yResolution\":"}};
  args.insert(args.begin(), "info");
  const auto report = RunVeltrim(args);
  args.push_back("--json");
  const auto object = RunVeltrim(args);
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_EQ(object.exitCode, 0) << object.err;
  EXPECT_EQ(report.out.rfind("QORVEL Veltrim v2 Generated Informations\r\n\r\nPrinter: ", 0), 0u) << report.out;
  for (const auto& [label, key] : facts) EXPECT_EQ(After(report.out, label), After(object.out, key)) << key;
  return report.out + object.out;
}

TEST(CliInfo, QueueReportFollowsItsDefaultMediaAndResolution) {
  CupsQueue queue(CupsServerFromEnvironment(), StateFromEnvironment(), "cli_info");
  std::string both = ReportAndJson({"--printer", queue.Name()});
  EXPECT_NE(both.find("\r\nPort Used: CUPS:cli_info\r\n"), std::string::npos);
  EXPECT_NE(both.find("Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t"), std::string::npos) << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "2550");
  EXPECT_EQ(After(both, "\"printQuality\":"), "300");
  EXPECT_EQ(After(both, "\"paperSize\":"), "1");
  EXPECT_NE(both.find("\"port\":\"CUPS:cli_info\""), std::string::npos);
  EXPECT_EQ(both.find("\"ttOption\""), std::string::npos) << "a queue has no TrueType option to tell";

  const auto changed =
      RunOnScheduler({"lpadmin", "-p", queue.Name(), "-o", "PageSize=A4", "-o", "printer-resolution-default=600dpi"});
  ASSERT_EQ(changed.exitCode, 0) << changed.err;
  both = ReportAndJson({"--printer", queue.Name()});
  EXPECT_NE(both.find("Paper Size (as predefined type): A4 Sheet, 210- by 297-millimeters\t"), std::string::npos)
      << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "4958") << "the driver's A4 is 209.9 mm wide";
  EXPECT_EQ(After(both, "\"printQuality\":"), "600");
  EXPECT_EQ(After(both, "\"paperSize\":"), "9");
}

// Sizes in millimetres are rounded as drivers round them: A4 without margins is 210 x 297 whatever the
// resolution; a 4.23 mm margin is 50 dots at 300 dpi.
TEST(CliInfo, FileTargetReportsItsSimulatedPrinter) {
  const TempDir dir;
  const std::string output = dir.Path() / "x.pdf";
  const std::string both = ReportAndJson({"--output", output, "--paper", "legal", "--dpi", "200", "--margins", "0"});
  EXPECT_NE(both.find("\r\nPort Used: FILE:" + output + "\r\n"), std::string::npos);
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "1700");
  EXPECT_EQ(After(both, "\"physicalOffsetX\":"), "0");
  EXPECT_EQ(After(both, "\"paperSize\":"), "5");
  EXPECT_NE(both.find("\r\n  Device Name: x.pdf\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(output)) << "a report writes no file";
  struct Simulated { const char *dpi, *margins, *width, *height, *offset; };
  for (const Simulated& c : {Simulated{"150", "0", "210", "297", "0"}, Simulated{"300", "0", "210", "297", "0"},
                             Simulated{"300", "4.23", "202", "289", "50"}}) {
    SCOPED_TRACE(std::string(c.dpi) + " dpi, margins " + c.margins);
    const std::string report = ReportAndJson({"--paper", "a4", "--dpi", c.dpi, "--margins", c.margins});
    EXPECT_EQ(After(report, "Printable Area's Width [mm]: "), c.width);
    EXPECT_EQ(After(report, "Printable Area's Height [mm]: "), c.height);
    EXPECT_EQ(After(report, "\"physicalOffsetX\":"), c.offset);
  }
}

// The user guide built beside the programs, read as a user's PDF reader reads it: A4 pages, and a text that names
// every keyboard shortcut, every command of the command line, the variable of the update check and every category.
TEST(HelpDocument, NamesEveryShortcutCommandAndCategory) {
  const std::string guide = (fs::path(kVeltrim).parent_path() / "qprintdoc.pdf").string();
  const ProcessResult info = RunProcess({"pdfinfo", guide});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Page size:       595.2 x 841.92 pts (A4)"), std::string::npos) << info.out;
  std::smatch pages;
  ASSERT_TRUE(std::regex_search(info.out, pages, std::regex("Pages: +([0-9]+)")));
  EXPECT_GE(std::stoi(pages[1]), 4);

  const ProcessResult text = RunProcess({"pdftotext", "-layout", guide, "-"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  std::set<std::string> wanted = {"VELTRIM_UPDATE_BASES", "Black&White", "Color Calibration", "Advanced", "Custom",
                                  "Exit codes", "[v] StartDoc()", "Print Time:"};
  // The keys of the about box's shortcuts text (what stands before each tab) and the commands of the usage text.
  const std::string shortcuts(kShortcutsText), usage(cli::kUsage);
  const std::regex key("\n([^\t\r\n]+)\t"), command("veltrim ([a-z]+)");
  for (auto it = std::sregex_iterator(shortcuts.begin(), shortcuts.end(), key); it != std::sregex_iterator(); ++it)
    wanted.insert((*it)[1]);
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), command); it != std::sregex_iterator(); ++it)
    wanted.insert("veltrim " + (*it)[1].str());
  EXPECT_GE(wanted.size(), 8u + 6u + 5u);
  for (const std::string& word : wanted) EXPECT_NE(text.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace veltrim::test
