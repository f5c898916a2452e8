// veltrim-cli.exe under Wine: jobs through the Windows spooler to our scheduler with the exact report, the
// spooler's printers and device facts, pages through the spooler rendered back by Ghostscript, pages drawn through
// GDI into files on a simulated printer, and previews and plots with the very pixels of the Linux program.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "page_checks.hpp"
#include "raster.hpp"
#include "report_text.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

// Wine's spooler hands each job to the scheduler at EndDoc and keeps no record of it: GetJob knows no job of the
// run, EnumJobs lists none, even of a queue that holds them. --wait says it cannot tell how the jobs ended, and does
// not call them completed.
TEST(WindowsCli, WaitTellsWhenTheSpoolerKeepsNoRecordOfTheJobs) {
  const Services services = Services::FromEnvironment();
  CupsQueue held(services, "wcli_held", {"-o", "job-hold-until-default=indefinite"});
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

TEST(WindowsCli, TwoJobsOfThreePagesThroughTheSpoolerAndAnUnknownPrinter) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_jobs");
  const auto run =
      RunWindowsProgram(services, kCli, {"print", "--printer", queue.Name(), "--docs", "2", "--pages", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(2, 3));
  EXPECT_TRUE(EndsWithPrintTime(run.out)) << run.out;
  ASSERT_TRUE(queue.WaitForCompletedJobs(2)) << "two jobs were not completed";
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3) << "the last job has three pages";

  // The report as ever; stderr names the printer, gives the spooler's reason in the system's words and points to
  // the printer list.
  const auto unknown = RunWindowsProgram(services, kCli, {"print", "--printer", "no_such_queue"});
  EXPECT_EQ(unknown.exitCode, 1) << unknown.err;
  EXPECT_EQ(WithoutTime(unknown.out), kReportHeader + "[x] PrintDlg()\r\n");
  const auto line = unknown.err.find("veltrim: no_such_queue: ");
  ASSERT_NE(line, std::string::npos) << unknown.err;
  const std::string told = unknown.err.substr(line, unknown.err.find('\n', line) + 1 - line);
  EXPECT_TRUE(told.ends_with(". Run \"veltrim printers\" to list the printers.\r\n")) << told;
  EXPECT_GT(told.size(), std::string("veltrim: no_such_queue: . Run \"veltrim printers\" to list the printers.\r\n").size())
      << "the spooler's reason is missing";
}

// The printer list, and the report of the printer DC and its DEVMODE with the same facts as JSON: the generic
// PostScript queue at 300 dpi Letter. The report's lines, field by field, are checked in
// tests/gui/main_window_test.cpp.
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

// The generic PostScript queue at 300 dpi: a printable area of 2450 x 3200 units, 207 x 270 mm (11 units a
// millimetre, 118 a vertical centimetre), starting 50 units into the sheet.
constexpr int kDpi = 300, kOffset = 50;

// The rendered page and its device point (x, y).
struct Page {
  const RasterImage& image;
  int renderDpi;
  std::uint32_t At(int x, int y) const {
    return image.Pixel((x + kOffset) * renderDpi / kDpi, (y + kOffset) * renderDpi / kDpi);
  }
  void Expect(const std::vector<ColourProbe>& probes, int tolerance) const {
    EXPECT_EQ(MissedProbes(image, probes, kOffset, renderDpi, kDpi, tolerance), "");
  }
};

bool Dark(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) < 80 && ((rgb >> 8) & 0xFF) < 80 && (rgb & 0xFF) < 80; }

struct PrintCase {
  const char* name;
  std::vector<std::string> args;
  int renderDpi;
  std::function<void(const Page&)> check;
};

void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.name; }

const PrintCase kPrintCases[] = {
    // The default font is about 100 units high, so the 26 information lines alone would push the shapes off the
    // sheet: the page goes 170 mm up and the top lines fall off instead.
    {"bw_items_0_to_8", {"--category", "bw", "--tests", "0,1,2,3,4,5,6,7,8", "--offset", "-170"}, kDpi,
     [](const Page& page) {
       const BwPageReading reading = ReadBwPage(page.image, {2450, 3200, 11, 118, 237, 474, kOffset, kOffset});
       EXPECT_TRUE(reading.faults.empty()) << ::testing::PrintToString(reading.faults);
       EXPECT_GT(reading.linesTop, 0) << "the information lines come first";
     }},
    {"colour_items_0_to_11", {"--category", "color", "--tests", "0,1,2,3,4,5,6,7,8,9,10,11"}, kDpi,
     [](const Page& page) {
       ColourPageLayout layout{2450, 118, -1};  // the blocks start below the title line
       for (int y = 0; y < 300 && layout.y0 < 0; ++y)
         if (ColourNear(page.At(1225, y), 0x00FFFF, 8)) layout.y0 = y;
       ASSERT_GT(layout.y0, 10) << "no cyan bar below the title line";
       page.Expect(layout.Probes(), 8);
       const int x = 200 * 9 + 4, top = layout.GreyRowTop();
       for (int y = top - 4; y < top + 4; ++y)
         EXPECT_FALSE(ColourNear(page.At(x, y), 0xFFFFFF, 30)) << "white line between the black bar and the grey row";
     }},
    // The square is 2450 a side in cells of 2450 / 255 = 9 units; the caption starts 10 mm (110 units) below it.
    {"cmyk_square", {"--category", "advanced", "--option", "13"}, 75,
     [](const Page& page) {
       page.Expect({{"", 4, 4, 0x00FFFF}, {"", 2445, 4, 0xFF00FF}, {"", 4, 2445, 0x000000}, {"", 2445, 2445, 0xFFFF00},
                    {"", 1225, 1225, 0x808080}, {"", 1225, 2510, 0xFFFFFF}}, 10);
     }},
    // 50 % red is (255, 127, 127) to the edges of the printable area.
    {"red_half", {"--category", "advanced", "--option", "9", "--coverage", "50"}, 75,
     [](const Page& page) {
       page.Expect({{"", 8, 8, 0xFF7F7F}, {"", 1225, 1600, 0xFF7F7F}, {"", 2440, 3190, 0xFF7F7F},
                    {"", -30, -30, 0xFFFFFF}}, 10);
     }},
    // The chart spans 110..2450 both ways around its centre at 1280; the readout starts at 2450 + 110. Right of the
    // centre the saturation is held at 100, left of it it falls.
    {"graph_red_centre", {"--category", "calibration", "--tests", "7", "--colour", "9=255,0,0"}, 75,
     [](const Page& page) {
       page.Expect({{"centre colour", 1268, 1268, 0xFE0000}}, 16);
       EXPECT_PRED3(ColourNear, page.At(2400, 1200), page.At(1400, 1200), 16);
       EXPECT_FALSE(ColourNear(page.At(130, 1200), page.At(1200, 1200), 40));
       page.Expect({{"left: saturation 50", 130, 1200, 0xC04242}}, 20);
       page.Expect({{"top: lightness 100", 2430, 130, 0xFFFFFF}}, 24);
       EXPECT_TRUE(Dark(page.At(130, 2430))) << "bottom: lightness 0";
       int readout = 0;
       for (int y = 2560; y < 2700; y += 4)
         for (int x = 110; x < 2450; x += 4) readout += Dark(page.At(x, y)) ? 1 : 0;
       EXPECT_GT(readout, 50) << "the centre colour's readout below the chart";
     }},
    // The picture beside the program stretched over the whole printable area through a bitmap copy onto the
    // printer's DC.
    {"picture_page", {"--category", "color", "--tests", "12"}, 75,
     [](const Page& page) { page.Expect(ChartProbes(2450, 3200), 10); }},
};

class PagesThroughTheSpooler : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PagesThroughTheSpooler, WhereTheGeometryPutsThem) {
  const PrintCase& c = GetParam();
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, std::string("wpage_") + c.name);
  std::vector<std::string> args = {"print", "--printer", queue.Name()};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const auto run = RunWindowsProgram(services, kCli, args);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  const auto pages = RenderPages(queue.OutputFile(), c.renderDpi, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage image = RasterImage::LoadPng(pages[0]);
  c.check(Page{image, c.renderDpi});
}

INSTANTIATE_TEST_SUITE_P(Pages, PagesThroughTheSpooler, ::testing::ValuesIn(kPrintCases),
                         [](const auto& param) { return std::string(param.param.name); });

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
  std::function<void(const fs::path& folder, const ProcessResult& run)> check;
};

void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

const std::string kNoBitmap =
    "Application ERROR: Could not load bitmap file, probably because the file is missing ! Reinstalling this "
    "application could solve this problem.";

const FileCase kFileCases[] = {
    // A5 at 100 dpi is 583 x 827 dots with 5 mm (20-dot) margins; 543 dots over 137 mm are 3 a millimetre, so 10
    // mm of offset put the title line 30 dots below the margin, at 50.
    {"png_a5_offset",
     {"--output", "FOLDER/p.png", "--category", "color", "--select", "none", "--paper", "a5", "--dpi", "100",
      "--pages", "2", "--offset", "10"},
     0, "p-2.png", 0, 0, 583, 827,
     {{0, 0, 0, 50, false, "nothing above the title line, margins white"}, {20, 50, 300, 70, true, "the title line"},
      {0, 72, 0, 0, false, "the rest of the page is blank"}},
     {}},
    {"pdf_six_pages",
     {"--output", "FOLDER/job.pdf", "--category", "color", "--select", "none", "--docs", "2", "--pages", "3",
      "--dpi", "100"},
     0, "job.pdf", 6, 5, 0, 0,
     {{20, 20, 400, 40, true, "the title line at the top of the printable area"},
      {0, 45, 0, 0, false, "nothing else on the page"}},
     [](const fs::path& folder, const ProcessResult&) {
       const auto info = RunProcess({"pdfinfo", (folder / "job.pdf").string()});
       EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out << info.err;
     }},
    {"postscript_letter",
     {"--output", "FOLDER/job.ps", "--category", "color", "--select", "none", "--pages", "2", "--paper", "letter",
      "--dpi", "100"},
     0, "job.ps", 2, 0, 850, 1100,  // 8.5 x 11 inches
     {{20, 20, 400, 40, true, "the title line"}, {0, 45, 0, 0, false, "nothing else on the page"}}, {}},
    // The report keeps its bytes; stderr gives the C library's reason.
    {"unwritable_output", {"--output", "FOLDER/missing/x.pdf"}, 1, nullptr, 0, 0, 0, 0, {},
     [](const fs::path& folder, const ProcessResult& run) {
       EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + "[x] StartDoc()\r\n");
       const std::string line = "veltrim: " + (folder / "missing" / "x.pdf").string() + ": No such file or directory\r\n";
       EXPECT_NE(run.err.find(line), std::string::npos) << run.err;
     }},
    {"unknown_file_kind", {"--output", "FOLDER/x.tiff"}, 2, nullptr, 0, 0, 0, 0, {},
     [](const fs::path&, const ProcessResult& run) {
       EXPECT_NE(run.err.find("must end in .pdf, .ps or .png"), std::string::npos) << run.err;
     }},
    // 5 mm margins at 100 dpi are 20 dots; the 50 mm offset does not apply.
    {"text_file", {"--output", "FOLDER/p.png", "--category", "bw", "--tests", "9", "--dpi", "100", "--offset", "50"},
     0, "p-1.png", 0, 0, 0, 0,
     {{20, 20, 400, 34, true, "the first line at the top of the printable area"},
      {0, 0, 0, 19, false, "nothing in the top margin"}},
     [](const fs::path&, const ProcessResult& run) { EXPECT_EQ(run.err, ""); }},
    // A copy of the program without its data files: each page says so on stderr (a text stream, and Wine may add
    // lines of its own) and stays blank, and the job goes on.
    {"without_data_files",
     {"COPY", "--output", "FOLDER/p.png", "--category", "color", "--tests", "12", "--dpi", "72", "--pages", "2"}, 0,
     "p-2.png", 0, 0, 0, 0, {{0, 0, 0, 0, false, "the page is blank"}},
     [](const fs::path&, const ProcessResult& run) {
       EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(1, 2));
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
  if (c.check) c.check(folder, run);
}

INSTANTIATE_TEST_SUITE_P(Files, WindowsCliFiles, ::testing::ValuesIn(kFileCases),
                         [](const auto& param) { return std::string(param.param.name); });

// The pictures drawn by GDI on a memory DC hold the very pixels the Linux program draws with Cairo, the preview's
// pictures beside each program included. (Wine flattens the plot's curves into coarser segments than Cairo, so
// they are not compared.)
TEST(WindowsCliPreview, SamePixelsAsTheLinuxProgram) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_preview");
  const std::vector<std::vector<std::string>> commands = {
      {"preview", "--category", "color", "--tests", "0,1,2,4,6,7", "--offset", "10"},
      {"preview", "--category", "color", "--tests", "12"},
      {"preview", "--category", "advanced", "--option", "2"},
      {"preview", "--category", "calibration", "--tests", "0,1,2,3", "--offset", "-5"},
      {"preview", "--category", "custom", "--tests", "4"},
      {"preview", "--category", "custom", "--tests", "5", "--colour", "0=200,10,90"},
      {"plot", "--kind", "1"},
      {"plot", "--kind", "3", "--size", "300x200", "--colour", "9=200,100,50"},
      {"plot", "--kind", "4", "--layout", "1", "--colour", "7=255,0,0", "--colour", "6=0,0,255"},
      {"plot", "--kind", "4", "--size", "300x200", "--colour", "7=0,255,0"},
      {"plot", "--kind", "5", "--size", "200x100", "--colour", "4=200,0,0", "--colour", "1=0,0,200"},
  };
  int index = 0;
  for (const auto& command : commands) {
    SCOPED_TRACE(::testing::PrintToString(command));
    const fs::path windows = folder / ("w" + std::to_string(index) + ".png");
    const fs::path linux = folder / ("l" + std::to_string(index++) + ".png");
    std::vector<std::string> args = command;
    args.insert(args.begin() + 1, {"--output", windows.string()});
    const auto run = RunWindowsProgram(services, kCli, args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    args = command;
    args.insert(args.begin(), VELTRIM_CLI);
    args.insert(args.begin() + 2, {"--output", linux.string()});
    ASSERT_EQ(RunProcess(args).exitCode, 0);
    const RasterImage shown = RasterImage::LoadPng(windows), expected = RasterImage::LoadPng(linux);
    ASSERT_EQ(std::pair(shown.Width(), shown.Height()), std::pair(expected.Width(), expected.Height()));
    int differ = 0;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x) differ += shown.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(differ, 0);
  }
}

}  // namespace
}  // namespace veltrim::test
