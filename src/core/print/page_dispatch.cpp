#include "core/print/page_dispatch.hpp"

#include <string>

#include "core/page/title_line.hpp"
#include "core/patterns/advanced/colour_bands.hpp"
#include "core/patterns/advanced/full_page_fills.hpp"
#include "core/patterns/advanced/full_page_text.hpp"
#include "core/patterns/advanced/printing_margins.hpp"
#include "core/patterns/black_white/bw_shapes.hpp"
#include "core/patterns/black_white/info_block.hpp"
#include "core/patterns/black_white/simple_text_page.hpp"
#include "core/patterns/calibration/calibration_page.hpp"
#include "core/patterns/calibration/saturation_lightness_page.hpp"
#include "core/patterns/colour/bitmapped_image_page.hpp"
#include "core/patterns/colour/colour_patterns.hpp"
#include "core/patterns/custom/custom_patterns.hpp"
#include "core/patterns/shared/four_sided_gradient.hpp"
#include "core/patterns/shared/line_blocks.hpp"

namespace veltrim {
namespace {

// The pattern of an item index; null while a pattern is not built yet, so
// its page stays blank rather than showing something it is not. Patterns
// join these tables as they are built.
using Pattern = void (*)(PageContext&);

constexpr Pattern kBwPatterns[kBwItems] = {
    DrawInfoBlock,  // 0
    DrawLines,  // 1
    DrawEllipses,  // 2
    DrawSmallBlackRectangle,  // 3
    DrawLargeBlackRectangle,  // 4
    DrawGrayscaleRectangles,  // 5
    DrawChords,  // 6
    DrawBezierCurves,  // 7
    DrawBlackThicknessLines,  // 8
    DrawSimpleTextPage,  // 9
};
constexpr Pattern kColorPatterns[kColorItems] = {
    DrawCmyBars,  // 0
    DrawRgbBars,  // 1
    DrawCmyGradients,  // 2
    DrawRgbGradients,  // 3
    DrawBlackBar,  // 4
    DrawBlackGradient,  // 5
    DrawCmyCrossover,  // 6
    DrawRgbCrossover,  // 7
    DrawThinInclinedLines,  // 8
    DrawCyanThicknessLines,  // 9
    DrawMagentaThicknessLines,  // 10
    DrawYellowThicknessLines,  // 11
    DrawBitmappedImagePage,  // 12
};
constexpr Pattern kAdvancedPatterns[kAdvancedOptions] = {
    DrawRepetitiveBarsOf<3>,
    DrawRepetitiveBarsOf<4>,
    DrawVerticalStripesOf<3>,
    DrawVerticalStripesOf<4>,
    DrawPagePrintingMargins,
    DrawFullPageFillOf<FullPageFill::Cyan>,
    DrawFullPageFillOf<FullPageFill::Magenta>,
    DrawFullPageFillOf<FullPageFill::Yellow>,
    DrawFullPageFillOf<FullPageFill::Black>,
    DrawFullPageFillOf<FullPageFill::Red>,
    DrawFullPageFillOf<FullPageFill::Green>,
    DrawFullPageFillOf<FullPageFill::Blue>,
    DrawFullPageFillOf<FullPageFill::White>,
    DrawCmykFourSidedGradient,
    DrawFullPageTextOnly,
};
constexpr Pattern kCustomPatterns[kCustomItems] = {
    DrawFullPageCustomColor,      // 0
    DrawCustomGradient,           // 1
    DrawXOnWholePaper,            // 2
    DrawMillimetricPaper,         // 3
    DrawCustomFourSidedGradient,  // 4
    DrawColorCoverage,            // 5
};
constexpr Pattern kCalibrationPage = DrawCalibrationPage;  // the calibration strips of every ticked colour
constexpr Pattern kGraphPage = DrawSaturationLightnessPage; // the saturation - lightness graph, alone

void Draw(Pattern pattern, PageContext& page) {
  if (pattern) pattern(page);
}

// The stacked items of a category in their page order (the stand-alone
// item is handled before).
constexpr int kBwOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr int kColorOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

void DrawStacked(PageContext& page, std::span<const std::uint8_t> flags, std::span<const int> order,
                 const Pattern* patterns) {
  for (const int item : order)
    if (flags[item] == 1) Draw(patterns[item], page);
}

void DrawBlackWhite(PageContext& page) {
  const auto& flags = page.selection.bwTests;
  if (flags[9] == 1) return Draw(kBwPatterns[9], page);
  page.geometry.cursorY = page.geometry.offsetY;
  DrawStacked(page, flags, kBwOrder, kBwPatterns);
}

void DrawColor(PageContext& page) {
  const auto& flags = page.selection.colorTests;
  if (flags[12] == 1) return Draw(kColorPatterns[12], page);
  DrawTitleLine(page, kTitleProgramVersion2, page.geometry.offsetY);
  page.geometry.cursorY = page.geometry.offsetY + page.geometry.lineHeight;
  DrawStacked(page, flags, kColorOrder, kColorPatterns);
}

void DrawCalibration(PageContext& page) {
  if (page.selection.calibrationTests[7] == 1) return Draw(kGraphPage, page);
  Draw(kCalibrationPage, page);
}

void DrawCustom(PageContext& page) {
  for (int item = 0; item < kCustomItems; ++item)
    if (page.selection.customTests[item] == 1) return Draw(kCustomPatterns[item], page);
}

}  // namespace

void DrawPage(PageContext& page) {
  page.geometry.offsetY = OffsetInDeviceUnits(page.job.offsetMm, page.geometry.pxPerMmX);
  page.geometry.cursorY = page.geometry.offsetY;
  switch (page.selection.currentTab) {
    case Tab::BlackWhite: return DrawBlackWhite(page);
    case Tab::Color: return DrawColor(page);
    case Tab::Advanced: {
      const int option = page.selection.advancedOption;
      if (option >= 0 && option < kAdvancedOptions) Draw(kAdvancedPatterns[option], page);
      return;
    }
    case Tab::Calibration: return DrawCalibration(page);
    case Tab::Custom: return DrawCustom(page);
    default: return;  // no category: the page is spooled blank
  }
}

}  // namespace veltrim
