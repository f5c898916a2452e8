// The real `veltrim` program: its report, exit status and files.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli_support.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The page count of pdfinfo's answer, -1 when it names none.
int PdfPages(const std::string& pdfinfo) {
  const auto at = pdfinfo.find("\nPages:");
  return at == std::string::npos ? -1 : std::atoi(pdfinfo.c_str() + at + 7);
}

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

const std::string& kHeader = kReportHeader;
const std::string kTwoByThree =
    kHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n" +
    Repeat("[v] StartDoc()\r\n" + Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 3) + "[v] EndDoc()\r\n", 2);

using CliRun = CliTest<>;

TEST_F(CliRun, PdfOfTwoDocumentsOfThreePages) {
  const fs::path pdf = folder_ / "x.pdf", report = folder_ / "report.txt";
  const auto run = RunProcess({kVeltrim, "print", "--output", pdf.string(), "--docs", "2", "--pages", "3",
                               "--report", report.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(WithoutTime(run.out), kTwoByThree);
  EXPECT_NE(run.out.find("\r\nPrint Time: "), std::string::npos);
  EXPECT_EQ(run.out.substr(run.out.size() - 9), " seconds.");
  EXPECT_EQ(ReadFile(report), run.out) << "the report file holds the report byte for byte";

  const auto info = RunProcess({"pdfinfo", pdf.string()});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_EQ(PdfPages(info.out), 6) << info.out;
}

// The README's main job, bare: a PDF in the current folder whose page shows
// the most common Black&White patterns; "--select none" leaves it blank.
TEST_F(CliRun, DefaultJobGoesToAPdfInTheCurrentFolder) {
  for (const bool blank : {false, true}) {
    const auto run = RunProcess({"sh", "-c", "cd '" + folder_.string() + "' && exec '" + kVeltrim + "' print" +
                                                 (blank ? " --select none" : "")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTime(run.out), kHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n[v] StartDoc()\r\n"
                                              "[v] StartPage()\r\n[v] EndPage()\r\n[v] EndDoc()\r\n");
    const auto pages = RenderPages(folder_ / "veltrim-job.pdf", 20, folder_ / (blank ? "blank" : "bare"));
    ASSERT_EQ(pages.size(), 1u);
    const RasterImage page = RasterImage::LoadPng(pages[0]);
    EXPECT_EQ(AnyDark(page, 0, 0, page.Width(), page.Height()), !blank) << (blank ? "--select none" : "bare");
  }
}

TEST_F(CliRun, PngPerPage) {
  const auto run = RunProcess({kVeltrim, "print", "--output", (folder_ / "p.png").string(), "--pages", "2",
                               "--paper", "a5", "--dpi", "100"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* page : {"p-1.png", "p-2.png"}) {
    const RasterImage image = RasterImage::LoadPng(folder_ / page);
    // A5 at 100 dpi: 148 x 210 mm.
    EXPECT_NEAR(image.Width(), 148 * 100 / 25.4, 2) << page;
    EXPECT_NEAR(image.Height(), 210 * 100 / 25.4, 2) << page;
  }
  EXPECT_FALSE(fs::exists(folder_ / "p-3.png"));
}

TEST_F(CliRun, UnwritableOutputIsAFailedStartDoc) {
  const auto run = RunProcess({kVeltrim, "print", "--output", (folder_ / "missing" / "x.pdf").string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(WithoutTime(run.out), kHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n[x] StartDoc()\r\n");
}

TEST_F(CliRun, UsageErrorsExitTwoWithAMessage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{kVeltrim, "print", "--docs", "0"}, {kVeltrim, "print", "--paper", "b9"},
        {kVeltrim, "print", "--frobnicate"}, {kVeltrim, "scan"}}) {
    const auto run = RunProcess(args);
    EXPECT_EQ(run.exitCode, 2) << Describe(args, run);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find("veltrim: "), std::string::npos) << run.err;
  }
}

TEST_F(CliRun, HelpAndVersion) {
  const auto help = RunProcess({kVeltrim, "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--dot-coverage"), std::string::npos);
  const auto version = RunProcess({kVeltrim, "--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "veltrim " VELTRIM_VERSION "\n");
}

// Jobs through the private scheduler.
class CliCups : public CliRun {};

TEST_F(CliCups, TwoJobsOfThreePagesReachTheQueue) {
  const std::string server = CupsServerFromEnvironment();
  CupsQueue queue(server, StateFromEnvironment(), "cli_two_jobs");
  const auto run = RunProcess({kVeltrim, "print", "--printer", queue.Name(), "--docs", "2", "--pages", "3"},
                              {{"CUPS_SERVER", server}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(WithoutTime(run.out), kTwoByThree);
  ASSERT_TRUE(queue.WaitForCompletedJobs(2));
  EXPECT_EQ(queue.CompletedJobs(), 2);
  // The file device keeps the last job: three pages of PostScript.
  const std::string postscript = ReadFile(queue.OutputFile());
  int pages = 0;
  for (std::size_t at = postscript.find("\n%%Page: "); at != std::string::npos;
       at = postscript.find("\n%%Page: ", at + 1))
    ++pages;
  EXPECT_EQ(pages, 3);

  const auto list = RunProcess({kVeltrim, "printers"}, {{"CUPS_SERVER", server}});
  EXPECT_EQ(list.exitCode, 0) << list.err;
  EXPECT_NE(list.out.find(queue.Name() + "\tCUPS:" + queue.Name()), std::string::npos) << list.out;
}

TEST_F(CliCups, UnknownPrinterIsARefusedDialog) {
  const auto run = RunProcess({kVeltrim, "print", "--printer", "no_such_queue"},
                              {{"CUPS_SERVER", CupsServerFromEnvironment()}});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(WithoutTime(run.out), kHeader + "[x] PrintDlg()\r\n");
}

}  // namespace
}  // namespace veltrim::test
