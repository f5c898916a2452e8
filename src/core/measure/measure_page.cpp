#include "core/measure/measure_page.hpp"

#include <algorithm>
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

std::string Millimetres(double width, double height) {
  return FloatToText(std::round(width * 10) / 10, 5) + " x " + FloatToText(std::round(height * 10) / 10, 5) + " mm";
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
      "Paper: " + Millimetres(paperW, paperH),
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

std::string MeasurePageRefusal(Surface& dc) {
  const PaperToDevice paper(dc);
  if (!(paper.dotsPerMmX > 0 && paper.dotsPerMmY > 0)) return "The printer does not state its resolution.";
  // The sheet must hold each mark with the clear ring around it; the bands
  // lie beside the marks (kTargetBands), so they need no room of their own.
  double needX = 0, needY = 0;
  for (const TargetMark& mark : kTargetMarks) {
    needX = std::max(needX, mark.xMm + kMarkClearRadiusMm);
    needY = std::max(needY, mark.yMm + kMarkClearRadiusMm);
  }
  const double widthMm = paper.paperWidth / paper.dotsPerMmX, heightMm = paper.paperHeight / paper.dotsPerMmY;
  if (widthMm < needX || heightMm < needY)
    return "The paper (" + Millimetres(widthMm, heightMm) + ") is smaller than the measurement target, which needs " +
           Millimetres(needX, needY) + ": print it on A4 or Letter, portrait.";
  // The printable area must hold each mark's disc.
  const double radius = kMarkDiameterMm / 2;
  const int pageWidth = dc.GetDeviceCaps(DeviceCap::HorzRes), pageHeight = dc.GetDeviceCaps(DeviceCap::VertRes);
  for (const TargetMark& mark : kTargetMarks)
    if (paper.EdgeX(mark.xMm - radius) < 0 || paper.EdgeY(mark.yMm - radius) < 0 ||
        paper.EdgeX(mark.xMm + radius) > pageWidth || paper.EdgeY(mark.yMm + radius) > pageHeight)
      return "The printer's margins cover marks of the measurement target: choose a printer or paper with smaller "
             "margins.";
  return {};
}

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
