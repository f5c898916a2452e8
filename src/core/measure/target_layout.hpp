#pragma once
// The measurement target's geometry: the one table the page is drawn from and
// the scan is measured against. Places are millimetres from the paper's
// top-left corner, x right, y down. The layout fits both A4 and US Letter.

#include <array>

namespace veltrim {

struct TargetMark {
  double xMm = 0;  // the disc's centre
  double yMm = 0;
};

inline constexpr double kMarkDiameterMm = 6;
// Nothing else is printed within this distance of a mark's centre, so that a
// blurred scan never joins a mark with its neighbours.
inline constexpr double kMarkClearRadiusMm = 7;

// Irregular on purpose: no shift or small turn of the layout lands more than
// two marks on other marks, so the marks need no code of their own.
inline constexpr std::array<TargetMark, 10> kTargetMarks = {{
    {35, 40}, {105, 34}, {172, 44},
    {30, 112}, {178, 118},
    {32, 196}, {176, 188},
    {40, 250}, {112, 256}, {170, 246},
}};

// The layout's centre: offsets and scales are of the printed image about it.
inline constexpr TargetMark kTargetCentre = {105, 148.4};

enum class PaperSide { Left, Top, Right, Bottom };

// A solid black strip from kBandDepthMm inside the paper's edge out to the
// edge of what the printer can print: where its ink stops is the margin.
// `fromMm`..`toMm` runs along the side (x for top and bottom, y for left and
// right), measured from the top-left corner.
struct TargetBand {
  PaperSide side = PaperSide::Left;
  double fromMm = 0;
  double toMm = 0;
};

inline constexpr double kBandDepthMm = 20;

inline constexpr std::array<TargetBand, 8> kTargetBands = {{
    {PaperSide::Top, 55, 75}, {PaperSide::Top, 135, 155},
    {PaperSide::Bottom, 55, 75}, {PaperSide::Bottom, 135, 155},
    {PaperSide::Left, 70, 90}, {PaperSide::Left, 150, 170},
    {PaperSide::Right, 70, 90}, {PaperSide::Right, 150, 170},
}};

// The legend: lines of text from this top-left corner, one pitch apart.
inline constexpr double kLegendLeftMm = 45;
inline constexpr double kLegendTopMm = 60;
inline constexpr double kLegendTextMm = 3;
inline constexpr double kLegendPitchMm = 5;

inline constexpr const char* kTargetTitle = "QORVEL Veltrim v2 - measurement target";
inline constexpr const char* kScanAdvice = "Scan at 300 or 600 dpi, 100 %, with a dark sheet behind the page.";
inline constexpr const char* kMeasureAdvice = "Then run: veltrim measure SCAN";

}  // namespace veltrim
