// Printing straight to an IPP printer, without a queue: one job a document, in PDF when the printer takes it, else
// in PWG or Apple raster at a resolution it lists, laid out on its default paper and margins (Letter, 6.35 mm); and the
// failures of a printer that does not answer or a URI that names none.
#include <cups/raster.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "../unit/support/scratch_dir.hpp"
#include "ipp_test_printer.hpp"
#include "process.hpp"
#include "raster.hpp"
#include "report_text.hpp"

namespace veltrim::test {
namespace {

namespace fs = std::filesystem;

// A black page over the whole printable area: Advanced option 8 at 100 % coverage.
ProcessResult PrintBlackPages(const std::string& printer, const std::string& documents) {
  return RunProcess({VELTRIM_CLI, "print", "--printer", printer, "--category", "advanced", "--option", "8",
                     "--coverage", "100", "--docs", documents});
}

// The documents the printer kept of type `extension` (with -c it also keeps its command's output).
std::vector<fs::path> Kept(const IppTestPrinter& printer, const std::string& extension) {
  std::vector<fs::path> documents;
  for (const fs::path& file : printer.KeptDocuments())
    if (file.extension() == extension) documents.push_back(file);
  return documents;
}

class IppPrint : public ::testing::Test {
 protected:
  ScratchDir dir_;
};

// Two documents are two PDF jobs; the page is Letter, inked inside the 6.35 mm margins and blank in them.
TEST_F(IppPrint, PdfPrinterGetsAPdfJobADocument) {
  IppTestPrinter printer("Veltrim PDF", 8631, {"-k", "-f", "application/pdf,image/pwg-raster", "-c", "/bin/true"},
                         dir_.Path() / "spool");
  const auto run = PrintBlackPages(printer.Uri(), "2");
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err << printer.Log();
  EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(2, 1));
  const auto pdfs = Kept(printer, ".pdf");
  ASSERT_EQ(pdfs.size(), 2u) << printer.Log();

  const auto pages = RenderPages(pdfs[0], 72, dir_.Path() / "pages");
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);
  ASSERT_EQ(page.Width(), 612);  // 8.5 x 11 in at 72 dpi
  ASSERT_EQ(page.Height(), 792);
  // 3 mm is 8.5 points, in the margin; 10 mm is 28.3 points, inside it.
  for (const auto& [x, y, inked] : {std::tuple{306, 396, true}, {8, 396, false}, {28, 396, true}, {306, 8, false},
                                    {306, 28, true}, {603, 396, false}, {306, 783, false}})
    EXPECT_EQ(AnyDark(page, x, y, x + 1, y + 1), inked) << x << "," << y;
}

// A printer without PDF gets raster through libcups at its default 600 dpi, greyscale, sheet Letter: PWG raster,
// or Apple raster when it takes only that.
TEST_F(IppPrint, RasterOnlyPrintersGetRaster) {
  for (const auto& [formats, extension] : {std::pair<std::vector<std::string>, std::string>{{}, ".pwg"},
                                           {{"-f", "image/urf"}, ".urf"}}) {
    SCOPED_TRACE(extension);
    std::vector<std::string> options{"-k", "-c", "/bin/true"};
    options.insert(options.end(), formats.begin(), formats.end());
    IppTestPrinter printer("Veltrim Raster", 8631, options, dir_.Path() / ("spool" + extension));
    const auto run = PrintBlackPages(printer.Uri(), "1");
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err << printer.Log();
    const auto kept = Kept(printer, extension);
    ASSERT_EQ(kept.size(), 1u) << printer.Log();

    const int fd = open(kept[0].c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    cups_raster_t* raster = cupsRasterOpen(fd, CUPS_RASTER_READ);
    ASSERT_NE(raster, nullptr);
    cups_page_header2_t header{};
    ASSERT_TRUE(cupsRasterReadHeader2(raster, &header));
    EXPECT_EQ(header.HWResolution[0], 600u);
    EXPECT_EQ(header.HWResolution[1], 600u);
    EXPECT_EQ(header.cupsWidth, 5100u);  // 8.5 x 11 in at 600 dpi
    EXPECT_EQ(header.cupsHeight, 6600u);
    EXPECT_EQ(header.cupsColorSpace, CUPS_CSPACE_SW);
    ASSERT_EQ(header.cupsBitsPerPixel, 8u);
    std::vector<unsigned char> row(header.cupsBytesPerLine), middle, top;
    for (unsigned y = 0; y < header.cupsHeight; ++y) {
      ASSERT_EQ(cupsRasterReadPixels(raster, row.data(), header.cupsBytesPerLine), header.cupsBytesPerLine);
      if (y == 71) top = row;  // 3 mm down, in the margin
      if (y == 3300) middle = row;
    }
    EXPECT_FALSE(cupsRasterReadHeader2(raster, &header)) << "one page";
    cupsRasterClose(raster);
    close(fd);
    // sgray: 0 is black. 3 mm is 71 dots, 10 mm 236, the 6.35 mm margin 150.
    EXPECT_EQ(top[2550], 255);
    EXPECT_EQ(middle[71], 255);
    EXPECT_EQ(middle[236], 0);
    EXPECT_EQ(middle[2550], 0);
    EXPECT_EQ(middle[5100 - 71], 255);
  }
}

// Nothing listening, and a server without that printer: no printer chosen, one line on stderr, exit 1.
TEST_F(IppPrint, PrintersThatAreNotThereFail) {
  IppTestPrinter printer("Veltrim Here", 8631, {}, dir_.Path() / "spool");
  for (const auto& [uri, why] :
       {std::pair<std::string, std::string>{"ipp://localhost:8632/ipp/print", "the printer does not answer"},
        {"ipp://localhost:8631/ipp/none", "no IPP printer answers there (printer-uri ipp://localhost:8631/ipp/none"}}) {
    const auto run = RunProcess({VELTRIM_CLI, "print", "--printer", uri});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(WithoutTime(run.out), kReportHeader + "[x] PrintDlg()\r\n");
    EXPECT_TRUE(run.err.starts_with("veltrim: " + uri + ": " + why)) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace veltrim::test
