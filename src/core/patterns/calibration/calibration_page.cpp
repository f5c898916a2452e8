#include "core/patterns/calibration/calibration_page.hpp"

#include <string>

#include "core/page/title_line.hpp"
#include "core/patterns/shared/float_steps.hpp"
#include "core/patterns/shared/percent_ruler.hpp"
#include "core/patterns/shared/solid_fill.hpp"

namespace veltrim {
namespace {

using RampColour = ColorRef (*)(int step);

struct Ink {
  ColorRef pure;
  RampColour fromBlack;
  RampColour toWhite;  // none for BLACK, whose one ramp already ends in white
  int pitchMm;         // from this strip's top to the next one's
};

constexpr Ink kInks[kCalibrationInks] = {
    {Rgb(0, 0, 0), [](int i) { return Rgb(i, i, i); }, nullptr, 25},
    {Rgb(0, 255, 255), [](int i) { return Rgb(0, i, i); }, [](int i) { return Rgb(i, 255, 255); }, 41},
    {Rgb(255, 0, 255), [](int i) { return Rgb(i, 0, i); }, [](int i) { return Rgb(255, i, 255); }, 41},
    {Rgb(255, 255, 0), [](int i) { return Rgb(i, i, 0); }, [](int i) { return Rgb(255, 255, i); }, 41},
    {Rgb(255, 0, 0), [](int i) { return Rgb(i, 0, 0); }, [](int i) { return Rgb(255, i, i); }, 41},
    {Rgb(0, 255, 0), [](int i) { return Rgb(0, i, 0); }, [](int i) { return Rgb(i, 255, i); }, 41},
    {Rgb(0, 0, 255), [](int i) { return Rgb(0, 0, i); }, [](int i) { return Rgb(i, i, 255); }, 41},
};

constexpr int kBandMm = 8;
constexpr int kRampSteps = 256;

// Vertical distances are in horizontal millimetres, the cells' widths and
// row steps in vertical ones, as the page has always been laid out.
struct StripLayout {
  float width;  // the page's
  float mmX;
  float cell;      // 0.4 mm: a cell's width and the row step
  float cellHigh;  // a row's height
};

// A 50 % checkerboard band in the selected pen and brush. `shifted` is the
// phase of the next row, carried from band to band through the strip.
void DrawCheckerboard(Surface& dc, const StripLayout& s, int top, bool& shifted) {
  StepAlong(0, s.cell, [&](float r) { return r < kBandMm * s.mmX; }, [&](float r) {
    const int y0 = top + static_cast<int>(r), y1 = top + static_cast<int>(r + s.cellHigh);
    StepAlong(shifted ? s.cell : 0.0f, 2 * s.cell, [&](float x) { return x < s.width; },
              [&](float x) { dc.Rectangle(static_cast<int>(x), y0, static_cast<int>(x + s.cell), y1); });
    shifted = !shifted;
  });
}

void DrawRamp(Surface& dc, const StripLayout& s, float top, RampColour colourOf) {
  const float step = s.width * 0.00390625f;
  const int y0 = static_cast<int>(top), y1 = static_cast<int>(top + kBandMm * s.mmX);
  float x = 0;
  for (int i = 0; i < kRampSteps; ++i, x += step) {
    const int left = static_cast<int>(x);
    FillCell(dc, colourOf(i), left, y0, static_cast<int>(static_cast<float>(left) + step), y1);
  }
}

// Checkerboards at 0, 16 (and 32) mm, ramps between them.
void DrawStrip(Surface& dc, const StripLayout& s, const Ink& ink, int top) {
  const auto at = [&](int mm) { return static_cast<float>(top) + static_cast<float>(mm) * s.mmX; };
  const SolidFill checkerFill(dc, ink.pure);
  bool shifted = false;
  DrawCheckerboard(dc, s, static_cast<int>(at(0)), shifted);
  DrawRamp(dc, s, at(8), ink.fromBlack);
  DrawCheckerboard(dc, s, static_cast<int>(at(16)), shifted);
  if (!ink.toWhite) return;
  DrawRamp(dc, s, at(24), ink.toWhite);
  DrawCheckerboard(dc, s, static_cast<int>(at(32)), shifted);
}

}  // namespace

void DrawCalibrationPage(PageContext& page) {
  const PageGeometry& g = page.geometry;
  Surface& dc = page.dc;
  const float width = static_cast<float>(g.pageWidth);

  page.dc.TextOutA(0, g.offsetY, std::string(kTitleVersion2) + page.printerName + "    ");

  const int top = g.offsetY + g.lineHeight;
  const RulerEdge ruler{false, top, 0, width, 5 * g.pxPerMmX};
  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, static_cast<int>(0.2f * g.pxPerMmY), Rgb(0, 0, 0));
    DrawTicks(dc, ruler, 100, width, static_cast<int>(3 * g.pxPerMmX));
    DrawTicks(dc, ruler, 20, width, static_cast<int>(5 * g.pxPerMmX));
  }
  {
    const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, static_cast<int>(0.4f * g.pxPerMmY), Rgb(0, 0, 0));
    DrawLabelledTicks(dc, ruler, width, static_cast<int>(8 * g.pxPerMmX));
  }

  const StripLayout layout{width, g.pxPerMmX, 0.4f * g.pxPerMmY, 0.4f * g.pxPerMmX};
  int stripTop = static_cast<int>(static_cast<float>(top) + 10 * g.pxPerMmX);
  for (int ink = 0; ink < kCalibrationInks; ++ink) {
    if (page.selection.calibrationTests[ink] != 1) continue;
    DrawStrip(dc, layout, kInks[ink], stripTop);
    stripTop = static_cast<int>(static_cast<float>(stripTop) + static_cast<float>(kInks[ink].pitchMm) * g.pxPerMmX);
  }
}

}  // namespace veltrim
