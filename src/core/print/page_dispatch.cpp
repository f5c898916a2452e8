#include "print/page_dispatch.hpp"

#include <string>

#include "patterns/bitmapped_image_page.hpp"
#include "patterns/simple_text_page.hpp"
#include "print/print_engine.hpp"

namespace veltrim {
namespace {

// The pattern of an item index; null while a pattern is not built yet, so
// its page stays blank rather than showing something it is not. Patterns
// join these tables as they are built.
using Pattern = void (*)(PageContext&);

constexpr Pattern kBwPatterns[kBwItems] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    DrawSimpleTextPage,  // 9, alone
};
constexpr Pattern kColorPatterns[kColorItems] = {
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    DrawBitmappedImagePage,  // 12, alone
};
constexpr Pattern kAdvancedPatterns[kAdvancedOptions] = {};
constexpr Pattern kCustomPatterns[kCustomItems] = {};
constexpr Pattern kCalibrationPage = nullptr;  // the calibration strips of every ticked colour
constexpr Pattern kGraphPage = nullptr;        // the saturation - lightness graph, alone

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

void DrawTitleLine(PageContext& page, const char* title, int y) {
  const std::string line = std::string(title) + page.printerName;
  page.dc.TextOutA(0, y, line);
}

void DrawPage(PageContext& page) {
  page.geometry.offsetY = OffsetInDeviceUnits(page.geometry.offsetMm, page.geometry.pxPerMmX);
  page.geometry.cursorY = page.geometry.offsetY;
  switch (page.selection.currentTab) {
    case 0: return DrawBlackWhite(page);
    case 1: return DrawColor(page);
    case 2: {
      const int option = page.selection.advancedOption;
      if (option >= 0 && option < kAdvancedOptions) Draw(kAdvancedPatterns[option], page);
      return;
    }
    case 3: return DrawCalibration(page);
    case 4: return DrawCustom(page);
    default: return;  // no category: the page is spooled blank
  }
}

}  // namespace veltrim
