// The main window's preview pictures (ids 20 to 37): the real pages drawn
// through Surface on a full-size page of 208 x 297 mm at 10 dots a
// millimetre, the part a picture shows cut out and averaged down to the
// picture's size.
#include <algorithm>
#include <functional>

#include "art.hpp"
#include "backends/cairo/cairo_surface.hpp"
#include "core/page/page_context.hpp"
#include "core/patterns/shared/filled_boxes.hpp"
#include "core/print/page_dispatch.hpp"

namespace veltrim::art {
namespace {

constexpr int kPageWidth = 2080, kPageHeight = 2970;  // 208 x 297 mm at 254 dpi

// What the pages ask of a front end; no data file is read.
class ArtHost final : public PrintHost {
 public:
  double ClockMilliseconds() override { return 0; }
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
  HostFacts ReadHostFacts() override { return {}; }
  std::string ProgramFilePath() override { return {}; }
};

struct Box {
  int left, top, right, bottom;
};

Picture DrawnPage(const TestSelection& selection) {
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = 254;
  caps.physicalWidth = caps.horzRes = kPageWidth;
  caps.physicalHeight = caps.vertRes = kPageHeight;
  return RenderOn(caps, [&selection](Surface& dc) {
    FillBox(dc, 0xFFFFFF, Rect{0, 0, kPageWidth, kPageHeight});  // the paper
    ArtHost host;
    PageGeometry geometry = ReadPageGeometry(dc);
    const std::string printer;
    const JobSettings defaults;  // the main window's start values
    PageContext page{dc, geometry, selection, defaults, printer, host};
    DrawPage(page);
  });
}

// The smallest box holding every pixel that is not white, below row `from`.
Box InkBox(const Picture& page, int from = 0) {
  Box box{page.width, page.height, 0, 0};
  for (int y = from; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x)
      if (page.pixels[static_cast<std::size_t>(y) * page.width + x] != 0xFFFFFF) {
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
      }
  return box.right > box.left ? box : Box{0, from, page.width, page.height};
}

// `box` of `page` averaged down (or stretched) to width x height.
Picture Scaled(const Picture& page, Box box, int width, int height) {
  Picture out{width, height, {}};
  out.pixels.reserve(static_cast<std::size_t>(width) * height);
  const double sx = static_cast<double>(box.right - box.left) / width;
  const double sy = static_cast<double>(box.bottom - box.top) / height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int x0 = box.left + static_cast<int>(x * sx), y0 = box.top + static_cast<int>(y * sy);
      const int x1 = std::max(x0 + 1, box.left + static_cast<int>((x + 1) * sx));
      const int y1 = std::max(y0 + 1, box.top + static_cast<int>((y + 1) * sy));
      std::uint64_t sum[3] = {0, 0, 0}, n = 0;
      for (int v = y0; v < y1; ++v)
        for (int u = x0; u < x1; ++u, ++n) {
          const std::uint32_t p = page.pixels[static_cast<std::size_t>(v) * page.width + u];
          for (int c = 0; c < 3; ++c) sum[c] += (p >> (16 - 8 * c)) & 0xFF;
        }
      out.pixels.push_back(static_cast<std::uint32_t>(((sum[0] / n) << 16) | ((sum[1] / n) << 8) | (sum[2] / n)));
    }
  return out;
}

TestSelection Ticked(Tab tab, std::initializer_list<int> items, int option = 0) {
  TestSelection selection;
  selection.currentTab = tab;
  selection.advancedOption = option;
  if (tab == Tab::Custom) {
    for (const int item : items) selection.customTests[static_cast<std::size_t>(item)] = 1;
    // The four corners the user starts with would all be one grey: show the inks.
    selection.customColours[4] = {0, 255, 255};
    selection.customColours[3] = {255, 0, 255};
    selection.customColours[2] = {255, 255, 0};
    selection.customColours[1] = {0, 0, 0};
  } else {
    for (const int item : items) selection.FlagsOf(tab)[static_cast<std::size_t>(item)] = 1;
  }
  return selection;
}

}  // namespace

Picture DrawnPagePicture(Tab tab, const std::vector<int>& items, int option, int width, int height) {
  TestSelection selection = Ticked(tab, {}, option);
  for (const int item : items) {
    if (tab == Tab::Custom) selection.customTests[static_cast<std::size_t>(item)] = 1;
    else selection.FlagsOf(tab)[static_cast<std::size_t>(item)] = 1;
  }
  return Scaled(DrawnPage(selection), {0, 0, kPageWidth, kPageHeight}, width, height);
}

std::vector<PreviewPicture> DrawPreviewPictures() {
  std::vector<PreviewPicture> pictures;
  const auto whole = [&](int id, const TestSelection& selection) {
    pictures.push_back({id, Scaled(DrawnPage(selection), {0, 0, kPageWidth, kPageHeight}, 167, 239)});
  };
  const auto block = [&](int id, const TestSelection& selection, int width, int height, int from = 0) {
    const Picture page = DrawnPage(selection);
    pictures.push_back({id, Scaled(page, InkBox(page, from), width, height)});
  };
  const Picture picture = RenderTestPicture();
  pictures.push_back({20, Scaled(picture, {0, 0, picture.width, picture.height}, 167, 239)});
  whole(21, Ticked(Tab::Advanced, {}, 13));
  whole(22, Ticked(Tab::Advanced, {}, 14));
  whole(23, Ticked(Tab::Custom, {4}));
  whole(24, Ticked(Tab::Calibration, {7}));
  // Color blocks without the title line above them: from the first ink
  // below it.
  const int belowTitle = InkBox(DrawnPage(Ticked(Tab::Color, {}))).bottom;
  block(25, Ticked(Tab::Color, {2}), 167, 23, belowTitle);
  block(26, Ticked(Tab::Color, {3}), 167, 23, belowTitle);
  block(27, Ticked(Tab::Color, {5}), 167, 7, belowTitle);
  block(36, Ticked(Tab::Color, {6}), 60, 60, belowTitle);
  block(37, Ticked(Tab::Color, {7}), 60, 60, belowTitle);
  // The calibration page: its title and ruler alone, then each strip below them.
  const Picture heading = DrawnPage(Ticked(Tab::Calibration, {}));
  const Box headingBox = InkBox(heading);
  pictures.push_back({28, Scaled(heading, headingBox, 167, 10)});
  struct Strip {
    int id, ink, height;
  };
  for (const Strip& strip : {Strip{32, 0, 18}, Strip{29, 1, 32}, Strip{30, 2, 31}, Strip{31, 3, 32},
                             Strip{33, 4, 31}, Strip{34, 5, 31}, Strip{35, 6, 31}})
    block(strip.id, Ticked(Tab::Calibration, {strip.ink}), 167, strip.height, headingBox.bottom + 1);
  std::sort(pictures.begin(), pictures.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
  return pictures;
}

}  // namespace veltrim::art
