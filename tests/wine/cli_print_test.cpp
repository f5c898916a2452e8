// veltrim-cli.exe under Wine: the job goes through the Windows spooler to
// our scheduler, and its report is the exact sequence of spooler results.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
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

// The report of the printer DC and its DEVMODE, and the same facts as JSON:
// the generic PostScript queue at 300 dpi Letter.
TEST(WindowsCli, InfoReportsTheSpoolersDeviceAndDeviceMode) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_info");
  const auto text = RunWindowsProgram(services, kCli, {"info", "--printer", queue.Name()});
  ASSERT_EQ(text.exitCode, 0) << text.out << text.err;
  for (const std::string line :
       {"\r\nPort Used: CUPS:wcli_info\r\n", "\r\n  Width of the Physical Page [device units]: 2550\r\n",
        "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x0001FF1F\r\n",
        "\r\n  Print Quality: 300 DPI\r\n", "\r\n  Document's Collation Mode: disabled"})
    EXPECT_NE(text.out.find(line), std::string::npos) << line << "\n" << text.out;

  const auto json = RunWindowsProgram(services, kCli, {"info", "--printer", queue.Name(), "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  for (const std::string part : {"\"physicalWidth\":2550,", "\"fields\":130847,", "\"paperSize\":1,",
                                 "\"ttOption\":3,", "\"collate\":0}"})
    EXPECT_NE(json.out.find(part), std::string::npos) << part << "\n" << json.out;
}

TEST(WindowsCli, PngPagesOnASimulatedPrinter) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_png");
  const auto run = RunWindowsProgram(services, kCli,
                                     {"print", "--output", (folder / "p.png").string(), "--category", "color", "--select", "none",
                                      "--paper", "a5", "--dpi", "100", "--pages", "2", "--offset", "10"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(fs::exists(folder / "p-2.png"));
  EXPECT_FALSE(fs::exists(folder / "p-3.png"));
  const RasterImage page = RasterImage::LoadPng(folder / "p-1.png");
  // A5 at 100 dpi is 583 x 827 dots; 5 mm margins are 20 dots.
  ASSERT_EQ(page.Width(), 583);
  ASSERT_EQ(page.Height(), 827);
  // The printable area is 543 dots and 137 mm wide: 3 dots a millimetre, so
  // 10 mm of offset put the title line 30 dots below the margin, at 50.
  EXPECT_FALSE(AnyDark(page, 0, 0, 583, 50)) << "nothing above the title line, margins white";
  EXPECT_TRUE(AnyDark(page, 20, 50, 300, 70)) << "the title line";
  EXPECT_FALSE(AnyDark(page, 0, 72, 583, 827)) << "the rest of the page is blank";
}

TEST(WindowsCli, PdfOfPageImages) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_pdf");
  const fs::path pdf = folder / "job.pdf";
  const auto run = RunWindowsProgram(services, kCli,
                                     {"print", "--output", pdf.string(), "--category", "color", "--select", "none", "--docs", "2",
                                      "--pages", "3", "--dpi", "100"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const auto info = RunProcess({"pdfinfo", pdf.string()});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_TRUE(info.err.empty()) << info.err;
  EXPECT_NE(info.out.find("Pages:           6\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out;
  const auto pages = RenderPages(pdf, 100, folder / "pages");
  ASSERT_EQ(pages.size(), 6u);
  const RasterImage last = RasterImage::LoadPng(pages[5]);
  EXPECT_TRUE(AnyDark(last, 20, 20, 400, 40)) << "the title line at the top of the printable area";
  EXPECT_FALSE(AnyDark(last, 0, 45, last.Width(), last.Height())) << "nothing else on the page";
}

TEST(WindowsCli, PostScriptOfPageImages) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_ps");
  const fs::path ps = folder / "job.ps";
  const auto run = RunWindowsProgram(services, kCli,
                                     {"print", "--output", ps.string(), "--category", "color", "--select", "none", "--pages", "2",
                                      "--paper", "letter", "--dpi", "100"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const auto pages = RenderPages(ps, 100, folder / "pages");
  ASSERT_EQ(pages.size(), 2u);
  const RasterImage first = RasterImage::LoadPng(pages[0]);
  EXPECT_EQ(first.Width(), 850);  // 8.5 x 11 inches
  EXPECT_EQ(first.Height(), 1100);
  EXPECT_TRUE(AnyDark(first, 20, 20, 400, 40)) << "the title line";
  EXPECT_FALSE(AnyDark(first, 0, 45, first.Width(), first.Height()));
}

TEST(WindowsCli, UnknownFileKindsAreRefusedWithAMessage) {
  const Services services = Services::FromEnvironment();
  const auto run = RunWindowsProgram(services, kCli, {"print", "--output", "x.tiff"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("must end in .pdf, .ps or .png"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace veltrim::test
