// The real `veltrim` program: its report, exit status and files, and jobs
// through the private scheduler.
#include <fstream>
#include <sstream>

#include "cli_support.hpp"

namespace veltrim::test {
namespace {

std::string ReadFile(const fs::path& file) {
  std::ostringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

using CliRun = CliTest<>;

// Two documents of three pages into a PDF and into a queue, whose file
// device keeps the last job.
TEST_F(CliRun, TwoDocumentsOfThreePagesToAFileAndToAQueue) {
  const fs::path pdf = folder_ / "x.pdf", report = folder_ / "report.txt";
  const auto run = RunVeltrim({"print", "--output", pdf, "--docs", "2", "--pages", "3", "--report", report});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(2, 3));
  EXPECT_NE(run.out.find("\r\nPrint Time: "), std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 9), " seconds.");
  EXPECT_EQ(ReadFile(report), run.out) << "the report file holds the report byte for byte";
  EXPECT_EQ(PdfPages(pdf), 6);

  CupsQueue queue(CupsServerFromEnvironment(), StateFromEnvironment(), "cli_two_jobs");
  const auto queued = RunVeltrim({"print", "--printer", queue.Name(), "--docs", "2", "--pages", "3"});
  ASSERT_EQ(queued.exitCode, 0) << queued.err;
  EXPECT_EQ(WithoutTime(queued.out), kPrinterChosen + Documents(2, 3));
  ASSERT_TRUE(queue.WaitForCompletedJobs(2));
  EXPECT_EQ(queue.CompletedJobs(), 2);
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3);
  const auto list = RunVeltrim({"printers"});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_NE(list.out.find(queue.Name() + "\tCUPS:" + queue.Name()), std::string::npos) << list.out;
}

// The README's main job, bare: a PDF in the current folder whose page shows
// the most common Black&White patterns; "--select none" leaves it blank.
TEST_F(CliRun, DefaultJobGoesToAPdfInTheCurrentFolder) {
  for (const bool blank : {false, true}) {
    const auto run = InFolder(kVeltrim, blank ? std::vector<std::string>{"print", "--select", "none"}
                                              : std::vector<std::string>{"print"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(1, 1));
    const auto pages = RenderPages(folder_ / "veltrim-job.pdf", 20, folder_ / (blank ? "blank" : "bare"));
    ASSERT_EQ(pages.size(), 1u);
    const RasterImage page = RasterImage::LoadPng(pages[0]);
    EXPECT_EQ(AnyDark(page, 0, 0, page.Width(), page.Height()), !blank) << (blank ? "--select none" : "bare");
  }
}

// What the report and the exit status say when the job cannot start.
TEST_F(CliRun, UnwritableOutputAndUnknownPrinterAreFailedCalls) {
  const auto unwritable = RunVeltrim({"print", "--output", folder_ / "missing" / "x.pdf"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(WithoutTime(unwritable.out), kPrinterChosen + "[x] StartDoc()\r\n");
  const auto unknown = RunVeltrim({"print", "--printer", "no_such_queue"});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(WithoutTime(unknown.out), kReportHeader + "[x] PrintDlg()\r\n");
}

// Usage errors of every command exit 2 with a message naming them, and
// write nothing: info takes no job options, preview no job or printer,
// plot only its picture's.
TEST_F(CliRun, UsageErrorsExitTwoWithAMessageHelpAndVersionZero) {
  const std::pair<std::vector<std::string>, const char*> refused[] = {
      {{"print", "--docs", "0"}, "veltrim: "},     {{"print", "--paper", "b9"}, "veltrim: "},
      {{"print", "--frobnicate"}, "veltrim: "},    {{"scan"}, "veltrim: "},
      {{"info", "--docs", "2"}, "--docs"},         {{"info", "--output", "x.txt"}, "--output"},
      {{"preview", "--docs", "2"}, "veltrim: "},   {{"preview", "--output", "p.pdf"}, "veltrim: "},
      {{"preview", "--printer", "q"}, "veltrim: "},
      {{"plot", "--kind", "1"}, "--output FILE.png is required"},
      {{"plot", "--output", "p.bmp", "--kind", "1"}, "writes a PNG file"},
      {{"plot", "--output", "p.png"}, "give --kind 1..5 or --curves"},
      {{"plot", "--output", "p.png", "--kind", "6"}, "--kind: 6 is out of range 1..5"},
      {{"plot", "--output", "p.png", "--kind", "1", "--size", "0x10"}, "width: 0 is out of range 1..4096"},
      {{"plot", "--output", "p.png", "--kind", "1", "--size", "10x4097"}, "height: 4097 is out of range"},
      {{"plot", "--output", "p.png", "--kind", "1", "--size", "10x10x10"}, "--size: expected WxH"},
      {{"plot", "--output", "p.png", "--kind", "1", "--curves"}, "exclude each other"},
      {{"plot", "--output", "p.png", "--curves"}, "--curves needs --printer-values"},
      {{"plot", "--output", "p.png", "--curves", "--printer-values", "1,2,3,4,5,6"}, "seven whole numbers"},
      {{"plot", "--output", "p.png", "--curves", "--printer-values=1,2,3,4,5,6,7", "--screen-values",
        "1,2,3,4,5,6,7,8"}, "--screen-values: expected seven"},
      {{"plot", "--output", "p.png", "--kind", "1", "--screen-values", "1,2,3,4,5,6,7"}, "to --curves only"},
      {{"plot", "--output", "p.png", "--curves", "--printer-values", "1,2,3,4,5,6,7", "--colour", "1=1,2,3"},
       "--colour does not apply to --curves"},
      {{"plot", "--output", "p.png", "--kind", "1", "--category", "color"}, "--category does not apply to plot"},
      {{"print", "--kind", "1"}, "--kind does not apply to print"},   {{"preview", "--curves"}, "unknown option"},
  };
  for (const auto& [args, mentions] : refused) {
    const auto run = InFolder(kVeltrim, args);
    EXPECT_EQ(run.exitCode, 2) << Describe(args, run);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(mentions), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_empty(folder_));
  const auto help = RunVeltrim({"--help"}), version = RunVeltrim({"--version"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--dot-coverage"), std::string::npos);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "veltrim " VELTRIM_VERSION "\n");
}

}  // namespace
}  // namespace veltrim::test
