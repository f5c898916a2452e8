// Print devices of the cairo backend (geometry, paper names, whole jobs into files, calls that fail) and the raster
// documents that keep pages as pixels, read back with the PNG decoder, pdfinfo and Ghostscript.
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/raster_files.hpp"
#include "core/platform/scoped_object.hpp"
#include "render_support.hpp"

namespace veltrim::test {
namespace {

// Marks page `n` of a job with a black square at x = 20 n, so pages can be told apart after rendering, and a bar
// reaching into the left margin.
void MarkPage(Surface& s, int n) {
  ScopedSelection brush(s, s.GetStockObject(StockObject::BlackBrush));
  s.Rectangle(20 * n, 0, 20 * n + 10, 10);
  s.Rectangle(-30, 30, 10, 40);
}

// Runs `documents` x `pages` on the device, every call expected to succeed.
void RunJob(CairoPrintDevice& device, int documents, int pages) {
  int page = 0;
  for (int d = 0; d < documents; ++d) {
    ASSERT_EQ(device.StartDocA("job"), d + 1);
    for (int p = 0; p < pages; ++p) {
      ASSERT_EQ(device.StartPage(), 1);
      MarkPage(device.Page(), ++page);
      ASSERT_EQ(device.EndPage(), 1);
    }
    ASSERT_EQ(device.EndDoc(), 1);
  }
  ASSERT_EQ(device.FinishJob(), 1);
}

TEST(CairoDevice, A4At600DpiWithFiveMillimetreMarginsAnswersAsAPrinter) {
  const auto caps = MakeDeviceCaps(SimulatedDevice{*PaperByName("a4"), 600, {5, 5, 5, 5}});
  ASSERT_TRUE(caps);
  ScratchDir dir;
  // Read before any document, as the print job does right after the choice.
  CairoPrintDevice device(FileFormat::Pdf, dir.Path() / "caps.pdf", *caps);
  Surface& s = device.Page();
  // 210 x 297 mm at 600 dpi are 4960.6 x 7015.7 dots; 5 mm are 118.1.
  const std::pair<DeviceCap, int> expected[] = {
      {DeviceCap::PhysicalWidth, 4961},    {DeviceCap::PhysicalHeight, 7016},  {DeviceCap::PhysicalOffsetX, 118},
      {DeviceCap::PhysicalOffsetY, 118},   {DeviceCap::HorzRes, 4725},         {DeviceCap::VertRes, 6780},
      {DeviceCap::HorzSize, 200},          {DeviceCap::VertSize, 287},         {DeviceCap::LogPixelsX, 600},
      {DeviceCap::LogPixelsY, 600},        {DeviceCap::Technology, kDtRasPrinter}, {DeviceCap::BitsPixel, 24},
      {DeviceCap::Planes, 1},              {DeviceCap::NumColors, -1},         {DeviceCap::ClipCaps, 1},
      {DeviceCap::AspectX, 600},           {DeviceCap::AspectY, 600},          {DeviceCap::AspectXY, 849},
      {DeviceCap::DesktopHorzRes, 4725},   {DeviceCap::DesktopVertRes, 6780},  {DeviceCap::VRefresh, 0},
      {static_cast<DeviceCap>(1000), 0},
  };
  for (const auto& [index, value] : expected)
    EXPECT_EQ(s.GetDeviceCaps(index), value) << "index " << static_cast<int>(index);
  // The default font: a monospaced 12-point face.
  TextMetrics tm;
  ASSERT_TRUE(s.GetTextMetricsA(tm));
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 100);
  EXPECT_EQ(device.Canvas().FontFaceName(s.GetStockObject(StockObject::DeviceDefaultFont)), "Liberation Mono Regular");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "caps.pdf")) << "no file before StartDoc";
}

TEST(CairoDevice, SimulatedDevicesRefuseImpossibleGeometry) {
  struct Bad { SimulatedDevice device; const char* why; };
  for (const Bad& b : {Bad{{{210, 297}, 0, {5, 5, 5, 5}}, "resolution"},
                       {{{210, 297}, 600, {-1, 5, 5, 5}}, "negative"},
                       {{{210, 297}, 600, {106, 5, 105, 5}}, "no printable area"}}) {
    std::string error;
    EXPECT_FALSE(MakeDeviceCaps(b.device, &error));
    EXPECT_NE(error.find(b.why), std::string::npos) << error;
  }
  // Millimetres are rounded as drivers round them: A4 without margins is 210 x 297 whatever the resolution; a
  // 4.23 mm margin is 50 dots at 300 dpi.
  for (const auto& [dpi, margin, width, height, offset] :
       {std::tuple{150, 0.0, 210, 297, 0}, {300, 4.23, 202, 289, 50}}) {
    const auto a4 = MakeDeviceCaps(SimulatedDevice{*PaperByName("a4"), dpi, {margin, margin, margin, margin}});
    ASSERT_TRUE(a4);
    EXPECT_EQ(std::tuple(DeviceCapValue(*a4, DeviceCap::HorzSize), DeviceCapValue(*a4, DeviceCap::VertSize),
                         a4->offsetX),
              std::tuple(width, height, offset))
        << dpi;
  }
}

TEST(CairoDevice, PaperNames) {
  struct Named { const char* name; double width, height; };
  const Named good[] = {{"A4", 210, 297},        {"a3", 297, 420},          {"a5", 148, 210}, {"letter", 215.9, 279.4},
                        {"Legal", 215.9, 355.6}, {"100.5x50mm", 100.5, 50}, {"10x5000MM", 10, 5000}};
  for (const Named& paper : good) {
    const auto size = PaperByName(paper.name);
    ASSERT_TRUE(size) << paper.name;
    EXPECT_DOUBLE_EQ(size->widthMm, paper.width) << paper.name;
    EXPECT_DOUBLE_EQ(size->heightMm, paper.height) << paper.name;
  }
  for (const char* name : {"", "a6", "210x297", "210x0mm", "-210x297mm", "210x297cm", "9x297mm", "5001x297mm",
                           "1e3x297mm", "a4 "}) {
    std::string error;
    EXPECT_FALSE(PaperByName(name, &error)) << "\"" << name << "\"";
    EXPECT_NE(error.find("use a4, a3, a5, letter, legal or WIDTHxHEIGHTmm"), std::string::npos) << error;
  }
}

// Two documents of two pages in each kind of file, read back at the device's own 100 dpi: the whole sheet a page,
// device units on the printable area and clipped to it, each page its own mark; PNG pages are numbered files beside
// the name asked for. In a folder that does not exist, StartDoc fails, saying why, and no later call succeeds.
TEST(CairoDevice, JobsOfEveryKindHoldEveryPageInOrder) {
  const auto caps = *MakeDeviceCaps(SimulatedDevice{{100, 80}, 100, {10, 10, 10, 10}});
  const int o = caps.offsetX;
  ASSERT_EQ(o, 39);  // 10 mm at 100 dpi
  for (const auto& [format, name] : {std::pair{FileFormat::Pdf, "job.pdf"}, std::pair{FileFormat::PostScript, "job.ps"},
                                     std::pair{FileFormat::Png, "job.png"}}) {
    SCOPED_TRACE(name);
    ScratchDir dir;
    {
      CairoPrintDevice device(format, dir.Path() / name, caps);
      RunJob(device, 2, 2);
      CairoPrintDevice nowhere(format, dir.Path() / "missing" / name, caps);
      EXPECT_EQ(nowhere.StartDocA("doc"), kSpError);
      EXPECT_EQ(nowhere.LastFailure().text, "No such file or directory");
      EXPECT_TRUE(nowhere.StartPage() <= 0 && nowhere.EndPage() <= 0 && nowhere.EndDoc() <= 0);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
    std::vector<std::filesystem::path> pages;
    if (format == FileFormat::Png) {
      EXPECT_FALSE(std::filesystem::exists(dir.Path() / name));
      for (int n = 1; std::filesystem::exists(dir.Path() / ("job-" + std::to_string(n) + ".png")); ++n)
        pages.push_back(dir.Path() / ("job-" + std::to_string(n) + ".png"));
    } else {
      pages = RenderPages(dir.Path() / name, 100, dir.Path() / "png");
    }
    ASSERT_EQ(pages.size(), 4u);
    for (int n = 1; n <= 4; ++n) {
      SCOPED_TRACE("page " + std::to_string(n));
      const RasterImage image = RasterImage::LoadPng(pages[n - 1]);
      EXPECT_EQ(image.Width(), caps.physicalWidth);
      EXPECT_EQ(image.Height(), caps.physicalHeight);
      EXPECT_EQ(image.Pixel(o + 20 * n + 5, o + 5), kBlack);
      EXPECT_EQ(image.Pixel(o + 20 * (n + 1) + 5, o + 5), kWhite);
      EXPECT_EQ(image.Pixel(o + 5, o + 35), kBlack);
      EXPECT_EQ(image.Pixel(o - 5, o + 35), kWhite) << "drawn in the margin";
    }
  }
}

// A page of `width` x `height` whose left half is `left` and right half `right` (0xRRGGBB), stored in the byte
// order asked for, rows padded to 4.
struct Pixels {
  Pixels(int width, int height, std::uint32_t left, std::uint32_t right, bool bgr)
      : stride((width * 3 + 3) & ~3), bytes(static_cast<std::size_t>(stride) * height, 0xCC) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const std::uint32_t rgb = x < width / 2 ? left : right;
        std::uint8_t* p = &bytes[static_cast<std::size_t>(y) * stride + x * 3];
        p[bgr ? 2 : 0] = static_cast<std::uint8_t>(rgb >> 16);
        p[1] = static_cast<std::uint8_t>(rgb >> 8);
        p[bgr ? 0 : 2] = static_cast<std::uint8_t>(rgb);
      }
    page = RasterPage{bytes.data(), width, height, stride, bgr};
  }
  int stride;
  std::vector<std::uint8_t> bytes;
  RasterPage page;
};

// Half-inch pages of 50 x 40 dots as a PNG file, and two each in a PDF and a PostScript file, rendered back at
// 100 dpi to 50 x 40 pixels again: the first page in BGR order, as GDI holds pixels, the second in RGB. (A folder
// that does not exist: the command line's table, under Wine.)
TEST(RasterFiles, EveryKindHoldsItsPagesInEitherByteOrder) {
  ScratchDir dir;
  const Pixels pages[] = {{50, 40, kRed, kBlue, true}, {50, 40, kGreen, kYellow, false}};  // rows padded to 152
  const std::pair<std::uint32_t, std::uint32_t> halves[] = {{kRed, kBlue}, {kGreen, kYellow}};
  ASSERT_TRUE(WritePngFile(dir.Path() / "page.png", pages[0].page));
  EXPECT_EQ(MakeRasterDocumentWriter(FileFormat::Png, dir.Path() / "x.png", 100, 100), nullptr);
  for (const FileFormat format : {FileFormat::Png, FileFormat::Pdf, FileFormat::PostScript}) {
    std::vector<std::filesystem::path> files{dir.Path() / "page.png"};
    if (format != FileFormat::Png) {
      const auto file = dir.Path() / (format == FileFormat::Pdf ? "job.pdf" : "job.ps");
      auto writer = MakeRasterDocumentWriter(format, file, 36, 28.8);
      ASSERT_TRUE(writer && writer->Ok());
      ASSERT_TRUE(writer->AddPage(pages[0].page) && writer->AddPage(pages[1].page) && writer->Finish());
      EXPECT_FALSE(writer->AddPage(pages[0].page)) << "no pages after the end";
      files = RenderPages(file, 100, dir.Path() / file.extension().string().substr(1));
      ASSERT_EQ(files.size(), 2u) << file;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
      const RasterImage image = RasterImage::LoadPng(files[i]);
      EXPECT_EQ(std::pair(image.Width(), image.Height()), std::pair(50, 40)) << files[i];
      EXPECT_PRED3(ColourNear, image.Pixel(5, 3), halves[i].first, 8) << files[i];
      EXPECT_PRED3(ColourNear, image.Pixel(45, 36), halves[i].second, 8) << files[i];
    }
  }
}

}  // namespace
}  // namespace veltrim::test
