#include "cli_conformance.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "file_text.hpp"
#include "raster.hpp"
#include "report_text.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const std::string kNoBitmap =
    "Application ERROR: Could not load bitmap file, probably because the file is missing ! Reinstalling this "
    "application could solve this problem.\n";

// A refusal of the command line: exit status 2, nothing on stdout, nothing written, stderr saying why.
CliRow Refused(const char* name, std::vector<std::string> args, std::string why) {
  return {.name = name, .args = std::move(args), .exitCode = 2, .err = {std::move(why)}};
}

std::string Substituted(std::string text, const std::filesystem::path& folder) {
  for (auto at = text.find("FOLDER/"); at != std::string::npos; at = text.find("FOLDER/", at))
    text.replace(at, 7, folder.string() + "/");
  return text;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

const std::vector<CliRow>& CliRows() {
  static const std::vector<CliRow> rows = {
      // The report, also into a file byte for byte; six pages of the default selection; A4 at 100 dpi keeps its
      // 5 mm (20-dot) margin white.
      {.name = "pdf_2_docs_of_3",
       .args = {"print", "--output", "FOLDER/x.pdf", "--docs", "2", "--pages", "3", "--dpi", "100", "--report",
                "FOLDER/r.txt"},
       .out = kPrinterChosen + Documents(2, 3), .output = CliOutput::Pdf, .file = "x.pdf", .pages = 6,
       .width = 827, .height = 1169, .boxes = {{20, 20, 0, 0, true}, {0, 0, 0, 19, false}}},
      // No printer and no file: veltrim-job.pdf in the current folder.
      {.name = "default_pdf", .args = {"print"}, .out = kPrinterChosen + Documents(1, 1), .output = CliOutput::Pdf,
       .file = "veltrim-job.pdf", .pages = 1, .renderDpi = 50, .boxes = {{0, 0, 0, 0, true}}},
      // 8.5 x 11 inches at 100 dpi; nothing chosen but the title line at the top of the printable area.
      {.name = "ps_letter",
       .args = {"print", "--output", "FOLDER/job.ps", "--category", "color", "--select", "none", "--pages", "2",
                "--paper", "letter", "--dpi", "100"},
       .out = kPrinterChosen + Documents(1, 2), .output = CliOutput::PostScript, .file = "job.ps", .pages = 2,
       .width = 850, .height = 1100, .boxes = {{20, 20, 400, 40, true}, {0, 45, 0, 0, false}}},
      // A5 at 100 dpi is 583 x 827 dots with 5 mm (20-dot) margins, 3 dots a vertical millimetre: 10 mm of offset
      // put the title line 30 dots below the margin. One file a page.
      {.name = "png_a5_offset",
       .args = {"print", "--output", "FOLDER/p.png", "--category", "color", "--select", "none", "--paper", "a5",
                "--dpi", "100", "--pages", "2", "--offset", "10"},
       .out = kPrinterChosen + Documents(1, 2), .output = CliOutput::PngPages, .file = "p.png", .pages = 2,
       .width = 583, .height = 827,
       .boxes = {{0, 0, 0, 50, false}, {20, 50, 300, 70, true}, {0, 72, 0, 0, false}}},
      // The picture beside the program, 1240 x 1754, stretched over A5 without margins (583 x 827): the middles of
      // its first chart patch (130, 788), dark skin, and of its cyan patch (1110, 1044).
      {.name = "png_picture",
       .args = {"print", "--output", "FOLDER/p.png", "--category", "color", "--tests", "12", "--paper", "a5",
                "--dpi", "100", "--margins", "0"},
       .out = kPrinterChosen + Documents(1, 1), .output = CliOutput::PngPages, .file = "p.png", .pages = 1,
       .width = 583, .height = 827, .probes = {{61, 371, 0x735244}, {521, 492, 0x0885A1}}},
      // Without its data files each page says so and stays blank, and the job goes on.
      {.name = "without_data_files",
       .args = {"print", "--output", "FOLDER/p.png", "--category", "color", "--tests", "12", "--dpi", "72",
                "--pages", "2"},
       .out = kPrinterChosen + Documents(1, 2), .err = {kNoBitmap, kNoBitmap}, .copyOfTheProgram = true,
       .output = CliOutput::PngPages, .file = "p.png", .pages = 2, .boxes = {{0, 0, 0, 0, false}}},
      // The report keeps its bytes; stderr gives the C library's reason.
      {.name = "unwritable_output", .args = {"print", "--output", "FOLDER/missing/x.pdf"}, .exitCode = 1,
       .out = kPrinterChosen + "[x] StartDoc()\r\n",
       .err = {"veltrim: FOLDER/missing/x.pdf: No such file or directory\n"}},
      // stderr names the printer, gives the spooler's reason and points to the printer list.
      {.name = "unknown_printer", .args = {"print", "--printer", "no_such_queue"}, .exitCode = 1,
       .out = kReportHeader + "[x] PrintDlg()\r\n",
       .err = {"veltrim: no_such_queue: ", ". Run \"veltrim printers\" to list the printers.\n"}},
      // Two jobs, the queue's file keeping the last; 50 % red is (255, 127, 127) through the spooler: Letter at
      // 75 dpi, its margin 50 units of 300 dpi (12 pixels).
      {.name = "queue_2_docs_of_3_red",
       .args = {"print", "--printer", "QUEUE", "--docs", "2", "--pages", "3", "--category", "advanced", "--option",
                "9", "--coverage", "50"},
       .out = kPrinterChosen + Documents(2, 3), .output = CliOutput::Queue, .pages = 3, .jobs = 2, .renderDpi = 75,
       .probes = {{318, 412, 0xFF7F7F, 10}, {4, 4, kWhite, 10}}},
      // The preview's bars 8.047 pixels high: rows 0-7, 8-15, 16-23, then nothing.
      {.name = "preview", .args = {"preview", "--output", "FOLDER/p.png", "--category", "color", "--tests", "0"},
       .output = CliOutput::Png, .file = "p.png", .width = 167, .height = 239,
       .probes = {{83, 3, kCyan}, {83, 11, kMagenta}, {83, 19, kYellow}, {83, 100, kWhite}}},
      // Corners cyan, magenta, black, yellow blended row by row: row 50 from (0, 128, 128) to (255, 127, 128).
      {.name = "plot", .args = {"plot", "--output", "FOLDER/p.png", "--kind", "1", "--size", "200x100"},
       .output = CliOutput::Png, .file = "p.png", .width = 200, .height = 100,
       .probes = {{0, 0, kCyan}, {100, 50, 0x7F8080}}},
      {.name = "version", .args = {"--version"}, .out = "veltrim " VELTRIM_VERSION "\n"},
      {.name = "help", .args = {"--help"}, .out = "--dot-coverage", .outInPart = true},
      Refused("unknown_file_kind", {"print", "--output", "FOLDER/x.tiff"}, "must end in .pdf, .ps or .png"),
      Refused("unknown_paper", {"print", "--paper", "b9"}, "unknown paper \"b9\""),
      // The measurement target only where the paper and the printable area hold all its marks; nothing written.
      Refused("target_on_a5", {"print", "--measure-page", "--paper", "a5", "--output", "FOLDER/t.pdf"},
              "veltrim: The paper (148 x 210 mm) is smaller than the measurement target, which needs 185 x 263 mm: "
              "print it on A4 or Letter, portrait.\n"),
      Refused("target_in_margins", {"print", "--measure-page", "--margins", "30", "--output", "FOLDER/t.pdf"},
              "veltrim: The printer's margins cover marks of the measurement target: choose a printer or paper with "
              "smaller margins.\n"),
  };
  return rows;
}

ProcessResult RunInFolder(std::vector<std::string> argv, const std::filesystem::path& folder,
                          const EnvironmentOverrides& env) {
  argv.insert(argv.begin(), {"sh", "-c", "cd \"$1\" && shift && exec \"$@\"", "sh", folder.string()});
  return RunProcess(argv, env);
}

std::filesystem::path CopyOfTheProgram(const std::filesystem::path& program, const std::filesystem::path& folder) {
  const std::filesystem::path copy = folder / "bin" / program.filename();
  std::filesystem::create_directories(copy.parent_path());
  std::filesystem::copy_file(program, copy);
  return copy;
}

void CheckCliRow(const CliRow& row, const CliRunner& runner, const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  const fs::path program = row.copyOfTheProgram ? CopyOfTheProgram(runner.program, folder) : runner.program;
  std::optional<CupsQueue> queue;
  if (row.output == CliOutput::Queue) queue.emplace(runner.cupsState, runner.queuePrefix + row.name);
  std::vector<std::string> args;
  for (const std::string& arg : row.args) args.push_back(arg == "QUEUE" ? queue->Name() : Substituted(arg, folder));

  std::vector<std::string> argv = runner.prefix;
  argv.push_back(program.string());
  argv.insert(argv.end(), args.begin(), args.end());
  const ProcessResult run = RunInFolder(argv, folder, {{"CUPS_SERVER", CupsServerOf(runner.cupsState)}});
  SCOPED_TRACE(Describe(args, run));
  ASSERT_EQ(run.exitCode, row.exitCode);
  if (row.outInPart) {
    EXPECT_NE(run.out.find(row.out), std::string::npos);
  } else if (row.out.starts_with(kReportHeader)) {
    EXPECT_EQ(WithoutTime(run.out), row.out);
    EXPECT_TRUE(EndsWithPrintTime(run.out));
  } else {
    EXPECT_EQ(run.out, row.out);
  }
  std::string err = run.err;
  std::erase(err, '\r');
  if (row.err.empty() && runner.onlyItsStderr) {
    EXPECT_EQ(err, "");
  }
  for (const std::string& part : row.err)
    EXPECT_EQ(Occurrences(err, Substituted(part, folder)), static_cast<std::size_t>(std::count(row.err.begin(), row.err.end(), part)))
        << part;
  for (std::size_t i = 0; i + 1 < row.args.size(); ++i)
    if (row.args[i] == "--report") {
      EXPECT_EQ(FileText(args[i + 1]), run.out) << "the report file";
    }

  std::optional<RasterImage> page;
  switch (row.output) {
    case CliOutput::None:
      EXPECT_TRUE(fs::is_empty(folder)) << "nothing is written";
      return;
    case CliOutput::Png:
      page = RasterImage::LoadPng(folder / row.file);
      break;
    case CliOutput::PngPages: {
      const std::string stem = fs::path(row.file).stem().string();
      EXPECT_FALSE(fs::exists(folder / (stem + "-" + std::to_string(row.pages + 1) + ".png"))) << "one file a page";
      page = RasterImage::LoadPng(folder / (stem + "-" + std::to_string(row.pages) + ".png"));
      break;
    }
    case CliOutput::Pdf:
    case CliOutput::PostScript:
    case CliOutput::Queue: {
      fs::path document = folder / row.file;
      if (queue) {
        ASSERT_EQ(queue->CompletedJobs(row.jobs), row.jobs) << "the jobs did not complete";
        document = queue->OutputFile();
      }
      EXPECT_EQ(row.output == CliOutput::Pdf ? PdfPages(document) : PostScriptPages(document), row.pages);
      const auto pages = RenderPages(document, row.renderDpi, folder / "pages");
      ASSERT_EQ(pages.size(), static_cast<std::size_t>(row.pages));
      page = RasterImage::LoadPng(pages.back());
      break;
    }
  }
  if (row.width != 0) {
    EXPECT_EQ(std::pair(page->Width(), page->Height()), std::pair(row.width, row.height));
  }
  for (const PixelProbe& p : row.probes) {
    const std::uint32_t actual = page->Pixel(p.x, p.y);
    EXPECT_TRUE(ColourNear(actual, p.rgb, p.tolerance))
        << "at " << p.x << ", " << p.y << ": " << ColourText(actual) << ", expected " << ColourText(p.rgb);
  }
  for (const InkBox& b : row.boxes)
    EXPECT_EQ(AnyDark(*page, b.left, b.top, b.right ? b.right : page->Width(), b.bottom ? b.bottom : page->Height()),
              b.inked)
        << "box " << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom;
}

}  // namespace veltrim::test
