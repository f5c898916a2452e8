// veltrim-cli.exe under Wine: jobs through the Windows spooler to our scheduler with the exact sequence of spooler
// results as the report, the spooler's printers and device facts, and pages drawn through GDI into PNG, PDF and
// PostScript files on a simulated printer, the data files beside the program included.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

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

TEST(WindowsCli, TwoJobsOfThreePagesThroughTheSpoolerAndAnUnknownPrinter) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_jobs");
  const auto run =
      RunWindowsProgram(services, kCli, {"print", "--printer", queue.Name(), "--docs", "2", "--pages", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string expected =
      "QORVEL Veltrim v2\r\n-------------------\r\n[v] PrintDlg()\r\n[v] pd.hDC\r\n" +
      Repeat("[v] StartDoc()\r\n" + Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 3) + "[v] EndDoc()\r\n", 2) +
      "\r\nPrint Time: ";
  EXPECT_EQ(run.out.substr(0, expected.size()), expected);
  EXPECT_TRUE(run.out.ends_with(" seconds.")) << run.out;
  ASSERT_TRUE(queue.WaitForCompletedJobs(2)) << "two jobs were not completed";
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3) << "the last job has three pages";

  const auto unknown = RunWindowsProgram(services, kCli, {"print", "--printer", "no_such_queue"});
  EXPECT_EQ(unknown.exitCode, 1) << unknown.err;
  EXPECT_EQ(unknown.out.substr(0, unknown.out.find("\r\nPrint Time: ")),
            "QORVEL Veltrim v2\r\n-------------------\r\n[x] PrintDlg()\r\n");
}

// The printer list, and the report of the printer DC and its DEVMODE with the same facts as JSON: the generic
// PostScript queue at 300 dpi Letter.
TEST(WindowsCli, PrintersAndInfoFromTheSpooler) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_info");
  const auto printers = RunWindowsProgram(services, kCli, {"printers"});
  ASSERT_EQ(printers.exitCode, 0) << printers.err;
  EXPECT_NE(printers.out.find(" wcli_info\tCUPS:wcli_info\n"), std::string::npos) << printers.out;
  // One printer is marked as the default, and it is one of the listed.
  const std::size_t star = printers.out.find("* ");
  ASSERT_NE(star, std::string::npos) << printers.out;
  EXPECT_TRUE(star == 0 || printers.out[star - 1] == '\n') << printers.out;
  EXPECT_EQ(printers.out.find("* ", star + 1), std::string::npos) << printers.out;
  struct Query { std::vector<std::string> args; std::vector<std::string> parts; };
  const Query queries[] = {
      {{"info", "--printer", queue.Name()},
       // The report's lines, field by field, are checked in tests/gui/chosen_queue_test.cpp.
       {"\r\nPort Used: CUPS:wcli_info\r\n", "\r\n  Width of the Physical Page [device units]: 2550\r\n",
        "\r\n  Document's Collation Mode: disabled"}},
      {{"info", "--printer", queue.Name(), "--json"},
       {"\"physicalWidth\":2550,", "\"fields\":130847,", "\"paperSize\":1,", "\"ttOption\":3,", "\"collate\":0}"}},
  };
  for (const Query& query : queries) {
    const auto run = RunWindowsProgram(services, kCli, query.args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    for (const std::string& part : query.parts)
      EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
  }
}

// A box of a rendered page that holds something dark, or nothing; a right or bottom of 0 is the page's edge.
struct Box { int left, top, right, bottom; bool dark; const char* what; };

struct FileCase {
  const char* name;
  std::vector<std::string> args;  // FOLDER/ is the scratch folder; COPY runs a copy without the data files
  int exitCode;
  const char* page;   // the page file to read, or the document to render at 100 dpi
  int pages, index;   // how many pages the document has, and which is read
  int width, height;  // 0: any size
  std::vector<Box> boxes;
  std::function<void(const fs::path& folder, const RasterImage& page, const ProcessResult& run)> check;
};

void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

const std::string kNoBitmap =
    "Application ERROR: Could not load bitmap file, probably because the file is missing ! Reinstalling this "
    "application could solve this problem.";

const FileCase kFileCases[] = {
    // A5 at 100 dpi is 583 x 827 dots with 5 mm (20-dot) margins; 543 dots over 137 mm are 3 a millimetre, so 10 mm
    // of offset put the title line 30 dots below the margin, at 50.
    {"png_a5_offset",
     {"--output", "FOLDER/p.png", "--category", "color", "--select", "none", "--paper", "a5", "--dpi", "100",
      "--pages", "2", "--offset", "10"},
     0, "p-2.png", 0, 0, 583, 827,
     {{0, 0, 0, 50, false, "nothing above the title line, margins white"}, {20, 50, 300, 70, true, "the title line"},
      {0, 72, 0, 0, false, "the rest of the page is blank"}},
     {}},
    {"pdf_six_pages",
     {"--output", "FOLDER/job.pdf", "--category", "color", "--select", "none", "--docs", "2", "--pages", "3", "--dpi",
      "100"},
     0, "job.pdf", 6, 5, 0, 0,
     {{20, 20, 400, 40, true, "the title line at the top of the printable area"},
      {0, 45, 0, 0, false, "nothing else on the page"}},
     [](const fs::path& folder, const RasterImage&, const ProcessResult&) {
       const auto info = RunProcess({"pdfinfo", (folder / "job.pdf").string()});
       EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out << info.err;
     }},
    {"postscript_letter",
     {"--output", "FOLDER/job.ps", "--category", "color", "--select", "none", "--pages", "2", "--paper", "letter",
      "--dpi", "100"},
     0, "job.ps", 2, 0, 850, 1100,  // 8.5 x 11 inches
     {{20, 20, 400, 40, true, "the title line"}, {0, 45, 0, 0, false, "nothing else on the page"}},
     {}},
    {"unknown_file_kind", {"--output", "FOLDER/x.tiff"}, 2, nullptr, 0, 0, 0, 0, {},
     [](const fs::path&, const RasterImage&, const ProcessResult& run) {
       EXPECT_NE(run.err.find("must end in .pdf, .ps or .png"), std::string::npos) << run.err;
     }},
    // 5 mm margins at 100 dpi are 20 dots; the 50 mm offset does not apply.
    {"text_file", {"--output", "FOLDER/p.png", "--category", "bw", "--tests", "9", "--dpi", "100", "--offset", "50"},
     0, "p-1.png", 0, 0, 0, 0,
     {{20, 20, 400, 34, true, "the first line at the top of the printable area"},
      {0, 0, 0, 19, false, "nothing in the top margin"}},
     [](const fs::path&, const RasterImage&, const ProcessResult& run) { EXPECT_EQ(run.err, ""); }},
    // A copy of the program without its data files: each page says so on stderr (a text stream, and Wine may add
    // lines of its own) and stays blank, and the job goes on.
    {"without_data_files",
     {"COPY", "--output", "FOLDER/p.png", "--category", "color", "--tests", "12", "--dpi", "72", "--pages", "2"},
     0, "p-2.png", 0, 0, 0, 0, {{0, 0, 0, 0, false, "the page is blank"}},
     [](const fs::path&, const RasterImage&, const ProcessResult& run) {
       EXPECT_NE(run.out.find(Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 2)), std::string::npos) << run.out;
       std::size_t count = 0;
       for (std::size_t at = run.err.find(kNoBitmap); at != std::string::npos; at = run.err.find(kNoBitmap, at + 1))
         ++count;
       EXPECT_EQ(count, 2u) << run.err;
     }},
};

class WindowsCliFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(WindowsCliFiles, PagesOnASimulatedPrinter) {
  const FileCase& c = GetParam();
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, std::string("wcli_") + c.name);
  fs::path program = kCli;
  std::vector<std::string> args{"print"};
  for (const std::string& arg : c.args) {
    if (arg == "COPY") {
      program = folder / "bin" / "veltrim-cli.exe";
      fs::create_directories(program.parent_path());
      fs::copy_file(kCli, program);
    } else {
      args.push_back(arg.starts_with("FOLDER/") ? (folder / arg.substr(7)).string() : arg);
    }
  }
  const auto run = RunWindowsProgram(services, program, args);
  ASSERT_EQ(run.exitCode, c.exitCode) << run.out << run.err;
  RasterImage page;
  if (c.page && c.pages == 0) {
    EXPECT_FALSE(fs::exists(folder / "p-3.png")) << "one file a page";
    page = RasterImage::LoadPng(folder / c.page);
  } else if (c.page) {
    const auto pages = RenderPages(folder / c.page, 100, folder / "pages");
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(c.pages));
    page = RasterImage::LoadPng(pages.at(static_cast<std::size_t>(c.index)));
  }
  if (c.width != 0) {
    EXPECT_EQ(std::pair(page.Width(), page.Height()), std::pair(c.width, c.height));
  }
  for (const Box& b : c.boxes) {
    const int right = b.right ? b.right : page.Width(), bottom = b.bottom ? b.bottom : page.Height();
    EXPECT_EQ(AnyDark(page, b.left, b.top, right, bottom), b.dark) << b.what;
  }
  if (c.check) c.check(folder, page, run);
}

INSTANTIATE_TEST_SUITE_P(Files, WindowsCliFiles, ::testing::ValuesIn(kFileCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
