// What only the Linux program on CUPS shows: the scheduler's printer list, queues that will not take jobs, jobs
// followed to their end by --wait, a lost scheduler, `veltrim info` on a queue and a file target (and the supplies
// read from a queue's answer), and the user guide. Runs both CLIs share are the command line's table
// (cli_table_test.cpp).
#include <cups/cups.h>

#include <optional>
#include <regex>
#include <set>

#include "backends/cups/cups_print.hpp"
#include "backends/cups/cups_printer_status.hpp"
#include "cli/cli_options.hpp"
#include "cli_support.hpp"
#include "core/about/about_texts.hpp"

namespace veltrim::test {
namespace {

using CliRun = CliTest;

// The scheduler's queues, each with its port.
TEST_F(CliRun, PrintersListsTheSchedulersQueues) {
  CupsQueue queue(StateFromEnvironment(), "cli_listed");
  const auto list = RunVeltrim({"printers"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_NE(list.out.find(queue.Name() + "\tCUPS:" + queue.Name()), std::string::npos) << list.out;
}

// A queue that refuses jobs or is stopped: every document is a failed StartDoc and no job completes. The report
// keeps its bytes on stdout; stderr says why, one line a failure. (An unknown printer and an unwritable file: the
// command line's table.)
TEST_F(CliRun, JobsThatCannotStartAreFailedCalls) {
  const auto Twice = [](const std::string& line) { return line + line; };
  for (const auto& [command, why] :
       {std::pair<std::string, std::string>{"cupsreject", "is not accepting jobs (cupsaccept opens it)"},
        {"cupsdisable", "is stopped (cupsenable starts it)"}}) {
    CupsQueue queue(StateFromEnvironment(), "unwilling_" + command);
    ASSERT_EQ(RunOnScheduler({command, queue.Name()}).exitCode, 0);
    const std::vector<std::string> args{"print", "--docs", "2", "--pages", "2", "--printer", queue.Name()};
    const auto run = RunVeltrim(args);
    SCOPED_TRACE(Describe(args, run));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Twice("[x] StartDoc()\r\n"));
    EXPECT_EQ(run.err, Twice("veltrim: " + queue.Name() + ": the queue " + why + "\n"));
    EXPECT_EQ(queue.CompletedJobs(), 0);
  }
}

// print --wait: each job the run handed over followed to its end in a section after the report's own bytes, exit
// status 1 for any job that did not complete, also as JSON; veltrim jobs lists what has not ended. (States and their
// words: tests/unit JobFollow.)
TEST_F(CliRun, WaitFollowsEachJobAndJobsListsTheHeld) {
  CupsQueue queue(StateFromEnvironment(), "wait_file");
  const auto plain = RunVeltrim({"print", "--printer", queue.Name(), "--docs", "2"});
  const auto waited = RunVeltrim({"print", "--printer", queue.Name(), "--docs", "2", "--wait", "30"});
  EXPECT_EQ(waited.exitCode, 0) << waited.out << waited.err;
  const std::string marker = "\r\nJobs after the spooler:\r\n";
  const auto section = waited.out.find(marker);
  ASSERT_NE(section, std::string::npos) << waited.out;
  EXPECT_EQ(WithoutTime(waited.out.substr(0, section)), WithoutTime(plain.out)) << "the report's bytes";
  EXPECT_TRUE(std::regex_match(waited.out.substr(section + marker.size()),
                               std::regex("Document 1: job [0-9]+ completed [^\r]*\r\nDocument 2: job [0-9]+ completed "
                                          "[^\r]*\r\n")))
      << waited.out;

  CupsQueue held(StateFromEnvironment(), "wait_listed", {"-o", "job-hold-until-default=indefinite"});
  const auto json = RunVeltrim({"print", "--printer", held.Name(), "--wait=1", "--json"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_TRUE(json.out.starts_with("{\"report\":\"QORVEL Veltrim v2\\u000d\\u000a")) << json.out;
  EXPECT_NE(json.out.find(",\"jobs\":[{\"document\":1,\"job\":"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"state\":\"held\",\"reason\":\"job-hold-until-specified\""), std::string::npos) << json.out;
  const auto listed = RunVeltrim({"jobs", "--printer", held.Name()});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  const std::regex heldLine("[0-9]+ held QORVEL Veltrim v2 \\(job-hold-until-specified\\)\n");
  EXPECT_TRUE(std::regex_match(listed.out, heldLine)) << listed.out;
  RunOnScheduler({"cancel", "-a", held.Name()});
  EXPECT_EQ(RunVeltrim({"jobs", "--printer", held.Name()}).out, "");
  const auto file = RunVeltrim({"print", "--output", folder_ / "x.pdf", "--wait"});
  EXPECT_EQ(file.exitCode, 0) << "a file target hands no job over, and none failed: " << file.out << file.err;
}

// A scheduler of the test's own, so that it can be stopped mid-job.
class LostScheduler : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto started = RunProcess({kCupsFixture, "start", state_.Path().string()});
    ASSERT_EQ(started.exitCode, 0) << started.err;
    server_ = CupsServerOf(state_.Path());
    cupsSetServer(server_.c_str());
    queue_.emplace(state_.Path(), "lost");
  }
  void TearDown() override {
    StopScheduler();
    queue_.reset();
  }
  void StopScheduler() { RunProcess({kCupsFixture, "stop", state_.Path().string()}); }

  const std::string kCupsFixture = VELTRIM_FIXTURES_DIR "/cups.sh";
  const ScratchDir state_;
  std::string server_;
  std::optional<CupsQueue> queue_;
};

// Once the scheduler is gone, a chosen printer's document cannot start, and one already started is not reported as
// printed; the failures name the scheduler, and so do the command line's print, info and jobs.
TEST_F(LostScheduler, JobsFailOnceItStops) {
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

// A queue's report follows its default media and resolution; a file target's names the file and writes none.
TEST(CliInfo, QueueReportFollowsItsDefaultsAndAFileTargetWritesNothing) {
  CupsQueue queue(StateFromEnvironment(), "cli_info");
  std::string both = ReportAndJson({"--printer", queue.Name()});
  EXPECT_NE(both.find("\r\nPort Used: CUPS:cli_info\r\n"), std::string::npos);
  EXPECT_NE(both.find("Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t"), std::string::npos) << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "2550");
  EXPECT_EQ(both.find("\"ttOption\""), std::string::npos) << "a queue has no TrueType option to tell";
  EXPECT_NE(both.find("\r\n  Printer State: idle\r\n  State Reasons: none\r\n"), std::string::npos) << both;
  EXPECT_NE(both.find(",\"state\":\"idle\",\"stateReasons\":[],\"supplies\":["), std::string::npos) << both;
  const auto changed =
      RunOnScheduler({"lpadmin", "-p", queue.Name(), "-o", "PageSize=A4", "-o", "printer-resolution-default=600dpi"});
  ASSERT_EQ(changed.exitCode, 0) << changed.err;
  both = ReportAndJson({"--printer", queue.Name()});
  EXPECT_NE(both.find("Paper Size (as predefined type): A4 Sheet, 210- by 297-millimeters\t"), std::string::npos)
      << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "4958") << "the driver's A4 is 209.9 mm wide";
  EXPECT_EQ(After(both, "\"printQuality\":"), "600");
  EXPECT_EQ(After(both, "\"paperSize\":"), "9");

  const ScratchDir dir;
  const std::string output = dir.Path() / "x.pdf";
  both = ReportAndJson({"--output", output, "--paper", "legal", "--dpi", "200", "--margins", "0"});
  EXPECT_NE(both.find("\r\nPort Used: FILE:" + output + "\r\n"), std::string::npos) << both;
  EXPECT_NE(both.find("\r\n  Device Name: x.pdf\r\n"), std::string::npos) << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "1700");
  EXPECT_EQ(After(both, "\"paperSize\":"), "5");
  EXPECT_EQ(both.find("STATE"), std::string::npos) << "a simulated printer has no state to tell";
  EXPECT_FALSE(fs::exists(output)) << "a report writes no file";
}

// A queue's supplies come from its marker-* lists; a printer's printer-supply,
// when it has one, wins over them.
TEST(CliInfo, SuppliesFromMarkersUnlessThePrinterDescribesThem) {
  const OwnedIpp answer(ippNew());
  ipp_t* a = answer.get();
  const char* names[] = {"Black", "Cyan"};
  const char* colours[] = {"#000000", "#00FFFF"};
  const int levels[] = {40, -3};
  ippAddInteger(a, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_STOPPED);
  ippAddString(a, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "printer-state-reasons", nullptr, "paused");
  ippAddStrings(a, IPP_TAG_PRINTER, IPP_TAG_NAME, "marker-names", 2, nullptr, names);
  ippAddStrings(a, IPP_TAG_PRINTER, IPP_TAG_NAME, "marker-colors", 2, nullptr, colours);
  ippAddIntegers(a, IPP_TAG_PRINTER, IPP_TAG_INTEGER, "marker-levels", 2, levels);
  PrinterStatus status = StatusOfAnswer(a);
  EXPECT_EQ(status.state, "stopped");
  EXPECT_EQ(status.reasons, std::vector<std::string>{"paused"});
  EXPECT_EQ(status.supplies,
            (std::vector<Supply>{{"Black", "", "#000000", 40}, {"Cyan", "", "#00FFFF", std::nullopt}}));

  const char supply[] = "type=ink;unit=percent;level=10;colorantname=magenta;";
  ippAddOctetString(a, IPP_TAG_PRINTER, "printer-supply", supply, sizeof supply - 1);
  status = StatusOfAnswer(a);
  EXPECT_EQ(status.supplies, (std::vector<Supply>{{"", "ink", "magenta", 10}}));
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
