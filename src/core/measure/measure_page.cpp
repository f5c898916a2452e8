#include "core/measure/measure_page.hpp"

#include <cmath>
#include <string>

#include "core/measure/target_layout.hpp"
#include "core/page/host_facts.hpp"
#include "core/patterns/shared/solid_fill.hpp"
#include "core/platform/scoped_object.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr double kMmPerInch = 25.4;

// Paper millimetres to device units. The page's own pixels-per-millimetre are
// whole quotients, too coarse for a target: this uses the resolution itself,
// and the printable area's offset on the sheet, so that a place on the paper
// lands where the table says whatever the printer's margins.
struct PaperToDevice {
  double dotsPerMmX = 0;
  double dotsPerMmY = 0;
  int offsetX = 0;
  int offsetY = 0;
  int paperWidth = 0;  // the sheet, in device units
  int paperHeight = 0;

  explicit PaperToDevice(Surface& dc)
      : dotsPerMmX(dc.GetDeviceCaps(DeviceCap::LogPixelsX) / kMmPerInch),
        dotsPerMmY(dc.GetDeviceCaps(DeviceCap::LogPixelsY) / kMmPerInch),
        offsetX(dc.GetDeviceCaps(DeviceCap::PhysicalOffsetX)),
        offsetY(dc.GetDeviceCaps(DeviceCap::PhysicalOffsetY)),
        paperWidth(dc.GetDeviceCaps(DeviceCap::PhysicalWidth)),
        paperHeight(dc.GetDeviceCaps(DeviceCap::PhysicalHeight)) {}

  // The edge between two device pixels nearest to a place on the paper.
  int EdgeX(double mm) const { return static_cast<int>(std::lround(mm * dotsPerMmX)) - offsetX; }
  int EdgeY(double mm) const { return static_cast<int>(std::lround(mm * dotsPerMmY)) - offsetY; }
  // The same, `mm` inside the sheet's right or bottom edge.
  int FarEdgeX(double mm) const { return paperWidth - static_cast<int>(std::lround(mm * dotsPerMmX)) - offsetX; }
  int FarEdgeY(double mm) const { return paperHeight - static_cast<int>(std::lround(mm * dotsPerMmY)) - offsetY; }
  // The pixel whose centre is nearest to a place on the paper.
  int PixelX(double mm) const { return static_cast<int>(std::floor(mm * dotsPerMmX)) - offsetX; }
  int PixelY(double mm) const { return static_cast<int>(std::floor(mm * dotsPerMmY)) - offsetY; }
};

void DrawMarks(Surface& dc, const PaperToDevice& paper) {
  const int rx = static_cast<int>(std::lround(kMarkDiameterMm / 2 * paper.dotsPerMmX));
  const int ry = static_cast<int>(std::lround(kMarkDiameterMm / 2 * paper.dotsPerMmY));
  for (const TargetMark& mark : kTargetMarks) {
    // The disc spans the centre pixel and rx, ry pixels either side of it.
    const int x = paper.PixelX(mark.xMm);
    const int y = paper.PixelY(mark.yMm);
    dc.Ellipse(x - rx, y - ry, x + rx + 1, y + ry + 1);
  }
}

// Each band runs from its depth inside the paper out past the printable
// area, which clips it where the printer stops.
void DrawBands(Surface& dc, const PaperToDevice& paper, int pageWidth, int pageHeight) {
  for (const TargetBand& band : kTargetBands) {
    const int alongX0 = paper.EdgeX(band.fromMm), alongX1 = paper.EdgeX(band.toMm);
    const int alongY0 = paper.EdgeY(band.fromMm), alongY1 = paper.EdgeY(band.toMm);
    switch (band.side) {
      case PaperSide::Top: dc.Rectangle(alongX0, 0, alongX1, paper.EdgeY(kBandDepthMm)); break;
      case PaperSide::Left: dc.Rectangle(0, alongY0, paper.EdgeX(kBandDepthMm), alongY1); break;
      case PaperSide::Bottom: dc.Rectangle(alongX0, paper.FarEdgeY(kBandDepthMm), alongX1, pageHeight); break;
      case PaperSide::Right: dc.Rectangle(paper.FarEdgeX(kBandDepthMm), alongY0, pageWidth, alongY1); break;
    }
  }
}

std::string Two(int value) {
  std::string text = IntToText(value);
  if (value < 10) text.insert(text.begin(), '0');
  return text;
}

void DrawLegend(PageContext& page, const PaperToDevice& paper) {
  Surface& dc = page.dc;
  LogFont font;
  font.lfHeight = -static_cast<int>(std::lround(kLegendTextMm * paper.dotsPerMmY));
  font.lfWeight = 400;
  const ScopedObject selected = ScopedFont(dc, font);
  const double paperW = paper.dotsPerMmX > 0 ? paper.paperWidth / paper.dotsPerMmX : 0;
  const double paperH = paper.dotsPerMmY > 0 ? paper.paperHeight / paper.dotsPerMmY : 0;
  const LocalTime now = page.host.ReadHostFacts().time;
  const std::string lines[] = {
      kTargetTitle,
      "Paper: " + FloatToText(std::round(paperW * 10) / 10, 5) + " x " + FloatToText(std::round(paperH * 10) / 10, 5) + " mm",
      "Resolution: " + IntToText(dc.GetDeviceCaps(DeviceCap::LogPixelsX)) + " x " +
          IntToText(dc.GetDeviceCaps(DeviceCap::LogPixelsY)) + " dpi",
      "Date: " + IntToText(now.year) + "-" + Two(now.month) + "-" + Two(now.day),
      kScanAdvice,
      kMeasureAdvice,
  };
  const int x = paper.EdgeX(kLegendLeftMm);
  double y = kLegendTopMm;
  for (const std::string& line : lines) {
    dc.TextOutA(x, paper.EdgeY(y), line);
    y += kLegendPitchMm;
  }
}

}  // namespace

void DrawMeasurePage(PageContext& page) {
  Surface& dc = page.dc;
  const PaperToDevice paper(dc);
  {
    const SolidFill ink(dc, kBlack);
    DrawMarks(dc, paper);
    DrawBands(dc, paper, page.geometry.pageWidth, page.geometry.pageHeight);
  }
  DrawLegend(page, paper);
}

}  // namespace veltrim
