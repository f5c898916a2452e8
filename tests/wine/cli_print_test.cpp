// veltrim-cli.exe under Wine: jobs through the Windows spooler to our
// scheduler with the exact sequence of spooler results as the report, the
// spooler's printers and device facts, and pages drawn through GDI into
// PNG, PDF and PostScript files on a simulated printer, the data files
// beside the program included.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "raster.hpp"
#include "services.hpp"
#include "test_picture.hpp"

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
  const auto run = RunWindowsProgram(services, kCli, {"print", "--printer", queue.Name(), "--docs", "2", "--pages", "3"});
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

// The printer list, and the report of the printer DC and its DEVMODE with
// the same facts as JSON: the generic PostScript queue at 300 dpi Letter.
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
  struct Query {
    std::vector<std::string> args;
    std::vector<std::string> parts;
  };
  const Query queries[] = {
      {{"info", "--printer", queue.Name()},
       {"\r\nPort Used: CUPS:wcli_info\r\n", "\r\n  Width of the Physical Page [device units]: 2550\r\n",
        "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x0001FF1F\r\n", "\r\n  Print Quality: 300 DPI\r\n",
        "\r\n  Document's Collation Mode: disabled"}},
      {{"info", "--printer", queue.Name(), "--json"},
       {"\"physicalWidth\":2550,", "\"fields\":130847,", "\"paperSize\":1,", "\"ttOption\":3,", "\"collate\":0}"}},
  };
  for (const Query& query : queries) {
    const auto run = RunWindowsProgram(services, kCli, query.args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    for (const std::string& part : query.parts) EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
  }
}

struct FileCase {
  const char* name;
  std::vector<std::string> args;  // FOLDER/ is the scratch folder
  int exitCode;
  std::function<void(const fs::path& folder, const ProcessResult& run)> check;
};

void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

RasterImage OnlyPage(const fs::path& document, const fs::path& folder, std::size_t count, std::size_t index) {
  const auto pages = RenderPages(document, 100, folder / "pages");
  EXPECT_EQ(pages.size(), count);
  return RasterImage::LoadPng(pages.at(index));
}

const std::string kNoBitmap =
    "Application ERROR: Could not load bitmap file, probably because the file is missing ! Reinstalling this "
    "application could solve this problem.";

const FileCase kFileCases[] = {
    // A5 at 100 dpi is 583 x 827 dots with 5 mm (20-dot) margins; 543 dots
    // over 137 mm are 3 a millimetre, so 10 mm of offset put the title line
    // 30 dots below the margin, at 50.
    {"png_a5_offset",
     {"--output", "FOLDER/p.png", "--category", "color", "--select", "none", "--paper", "a5", "--dpi", "100", "--pages", "2", "--offset", "10"},
     0,
     [](const fs::path& folder, const ProcessResult&) {
       EXPECT_FALSE(fs::exists(folder / "p-3.png"));
       const RasterImage page = RasterImage::LoadPng(folder / "p-2.png");
       ASSERT_EQ(page.Width(), 583);
       ASSERT_EQ(page.Height(), 827);
       EXPECT_FALSE(AnyDark(page, 0, 0, 583, 50)) << "nothing above the title line, margins white";
       EXPECT_TRUE(AnyDark(page, 20, 50, 300, 70)) << "the title line";
       EXPECT_FALSE(AnyDark(page, 0, 72, 583, 827)) << "the rest of the page is blank";
     }},
    {"pdf_six_pages",
     {"--output", "FOLDER/job.pdf", "--category", "color", "--select", "none", "--docs", "2", "--pages", "3", "--dpi", "100"},
     0,
     [](const fs::path& folder, const ProcessResult&) {
       const auto info = RunProcess({"pdfinfo", (folder / "job.pdf").string()});
       EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out << info.err;
       const RasterImage last = OnlyPage(folder / "job.pdf", folder, 6, 5);
       EXPECT_TRUE(AnyDark(last, 20, 20, 400, 40)) << "the title line at the top of the printable area";
       EXPECT_FALSE(AnyDark(last, 0, 45, last.Width(), last.Height())) << "nothing else on the page";
     }},
    {"postscript_letter",
     {"--output", "FOLDER/job.ps", "--category", "color", "--select", "none", "--pages", "2", "--paper", "letter", "--dpi", "100"},
     0,
     [](const fs::path& folder, const ProcessResult&) {
       const RasterImage first = OnlyPage(folder / "job.ps", folder, 2, 0);
       EXPECT_EQ(first.Width(), 850);  // 8.5 x 11 inches
       EXPECT_EQ(first.Height(), 1100);
       EXPECT_TRUE(AnyDark(first, 20, 20, 400, 40)) << "the title line";
       EXPECT_FALSE(AnyDark(first, 0, 45, first.Width(), first.Height()));
     }},
    {"unknown_file_kind",
     {"--output", "FOLDER/x.tiff"},
     2,
     [](const fs::path&, const ProcessResult& run) {
       EXPECT_NE(run.err.find("must end in .pdf, .ps or .png"), std::string::npos) << run.err;
     }},
    // 150 dpi on A4 without margins: the printable area is the picture's own
    // 1240 x 1754, so each picture pixel is one page pixel.
    {"picture_file",
     {"--output", "FOLDER/p.png", "--category", "color", "--tests", "12", "--dpi", "150", "--margins", "0"},
     0,
     [](const fs::path& folder, const ProcessResult& run) {
       EXPECT_EQ(run.err, "");
       const RasterImage page = RasterImage::LoadPng(folder / "p-1.png");
       ASSERT_EQ(page.Width(), art::kTestPictureWidth);
       ASSERT_EQ(page.Height(), art::kTestPictureHeight);
       for (int i = 0; i < static_cast<int>(art::kChartPatches.size()); ++i) {
         const auto& patch = art::kChartPatches[static_cast<std::size_t>(i)];
         const art::PatchBox box = art::ChartPatchBox(i);
         const std::uint32_t actual = page.Pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2);
         EXPECT_TRUE(ColourNear(actual, (patch.red << 16) | (patch.green << 8) | patch.blue, 2))
             << patch.name << ": " << ColourText(actual);
       }
     }},
    // 5 mm margins at 100 dpi are 20 dots; the 50 mm offset does not apply.
    {"text_file",
     {"--output", "FOLDER/p.png", "--category", "bw", "--tests", "9", "--dpi", "100", "--offset", "50"},
     0,
     [](const fs::path& folder, const ProcessResult& run) {
       EXPECT_EQ(run.err, "");
       const RasterImage page = RasterImage::LoadPng(folder / "p-1.png");
       EXPECT_TRUE(AnyDark(page, 20, 20, 400, 34)) << "the first line at the top of the printable area";
       EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), 19)) << "nothing in the top margin";
     }},
    // A copy of the program without its data files: each page says so on
    // stderr (a text stream, and Wine may add lines of its own) and stays
    // blank, and the job goes on.
    {"without_data_files",
     {"COPY", "--output", "FOLDER/p.png", "--category", "color", "--tests", "12", "--dpi", "72", "--pages", "2"},
     0,
     [](const fs::path& folder, const ProcessResult& run) {
       EXPECT_NE(run.out.find(Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 2)), std::string::npos) << run.out;
       std::size_t count = 0;
       for (std::size_t at = run.err.find(kNoBitmap); at != std::string::npos; at = run.err.find(kNoBitmap, at + 1))
         ++count;
       EXPECT_EQ(count, 2u) << run.err;
       const RasterImage page = RasterImage::LoadPng(folder / "p-2.png");
       EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), page.Height())) << "the page is blank";
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
  c.check(folder, run);
}

INSTANTIATE_TEST_SUITE_P(Files, WindowsCliFiles, ::testing::ValuesIn(kFileCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
