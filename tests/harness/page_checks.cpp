#include "page_checks.hpp"

#include <algorithm>

#include "test_picture.hpp"

namespace veltrim::test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// Grey or primary levels as 0xRRGGBB.
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r << 16 | g << 8 | b; }

}  // namespace

int ColourPageLayout::GreyRowTop() const { return y0 + 4 * (3 * u + 5) + u; }

std::vector<ColourProbe> ColourPageLayout::Probes() const {
  const int band = 3 * u + 5;  // three rows and the gap below them
  const int mid = u / 2;
  const int cmyBars = y0, rgbBars = y0 + band, cmyRows = y0 + 2 * band, rgbRows = y0 + 3 * band;
  const int blackBar = y0 + 4 * band, greyRow = GreyRowTop(), squares = greyRow + u + 5;
  const int step = width / 512, greyStep = width / 256;
  const auto box = [](int index, int boxWidth) { return index * boxWidth + boxWidth / 2; };
  const auto cell = [&](int left, int c, int r) { return std::pair{left + c * u + mid, squares + r * u + mid}; };

  std::vector<ColourProbe> probes = {
      {"cyan bar, left end", 3, cmyBars + mid, 0x00FFFF}, {"cyan bar, right end", width - 4, cmyBars + mid, 0x00FFFF},
      {"magenta bar", width / 2, cmyBars + u + mid, 0xFF00FF},
      {"yellow bar", width / 2, cmyBars + 2 * u + mid, 0xFFFF00},
      {"gap below the bars", width / 2, cmyBars + 3 * u + 2, kWhite}, {"red bar", width / 2, rgbBars + mid, 0xFF0000},
      {"green bar", width / 2, rgbBars + u + mid, 0x00FF00}, {"blue bar", width / 2, rgbBars + 2 * u + mid, 0x0000FF},
      {"black to cyan, step 64", box(64, step), cmyRows + mid, Rgb(0, 64, 64)},
      {"cyan to white, step 128", box(384, step), cmyRows + mid, Rgb(128, 255, 255)},
      {"black to magenta, step 64", box(64, step), cmyRows + u + mid, Rgb(64, 0, 64)},
      {"magenta to white, step 128", box(384, step), cmyRows + u + mid, Rgb(255, 128, 255)},
      {"black to yellow, step 64", box(64, step), cmyRows + 2 * u + mid, Rgb(64, 64, 0)},
      {"yellow to white, step 128", box(384, step), cmyRows + 2 * u + mid, Rgb(255, 255, 128)},
      {"past the gradient row's end", (512 * step + width) / 2, cmyRows + mid, kWhite},
      {"black to red, step 128", box(128, step), rgbRows + mid, Rgb(128, 0, 0)},
      {"red to white, step 128", box(384, step), rgbRows + mid, Rgb(255, 128, 128)},
      {"black to green, step 128", box(128, step), rgbRows + u + mid, Rgb(0, 128, 0)},
      {"green to white, step 128", box(384, step), rgbRows + u + mid, Rgb(128, 255, 128)},
      {"black to blue, step 128", box(128, step), rgbRows + 2 * u + mid, Rgb(0, 0, 128)},
      {"blue to white, step 128", box(384, step), rgbRows + 2 * u + mid, Rgb(128, 128, 255)},
      {"black bar", width / 2, blackBar + mid, 0x000000},
      {"grey 64", box(64, greyStep), greyRow + mid, Rgb(64, 64, 64)},
      {"grey 200", box(200, greyStep), greyRow + mid, Rgb(200, 200, 200)},
      {"past the grey row's end", (256 * greyStep + width) / 2, greyRow + mid, kWhite},
      {"between the squares", width / 2, squares + 3 * u + mid, kWhite},
      {"below the squares", width / 2, squares + 7 * u + 20, kWhite},
  };
  // The left square (cyan, magenta and yellow bands and their mixes), and the right one flush with the right
  // edge (red, green, blue).
  struct Cell {
    int square;  // 0 left, 1 right
    const char* what;
    int c, r;
    std::uint32_t rgb;
  };
  for (const Cell& c : {Cell{0, "cyan band", 0, 2, 0x00FFFF}, {0, "cyan down", 2, 0, 0x00FFFF},
                        {0, "cyan x magenta", 3, 2, 0x0000FF}, {0, "cyan x yellow", 4, 2, 0x00FF00},
                        {0, "magenta x cyan", 2, 3, 0x0000FF}, {0, "magenta x yellow", 4, 3, 0xFF0000},
                        {0, "yellow x magenta", 3, 4, 0xFF0000}, {0, "yellow band", 6, 4, 0xFFFF00},
                        {0, "magenta down", 3, 6, 0xFF00FF}, {0, "corner", 0, 0, kWhite},
                        {1, "red down", 2, 0, 0xFF0000}, {1, "red x green", 3, 2, 0xFFFF00},
                        {1, "red x blue", 4, 2, 0xFF00FF}, {1, "green x red", 2, 3, 0xFFFF00},
                        {1, "green band", 0, 3, 0x00FF00}, {1, "green x blue", 4, 3, 0x00FFFF},
                        {1, "blue band", 6, 4, 0x0000FF}, {1, "corner", 6, 6, kWhite}}) {
    const auto [x, y] = cell(c.square * (width - 7 * u), c.c, c.r);
    probes.push_back({std::string(c.square ? "RGB square: " : "CMY square: ") + c.what, x, y, c.rgb});
  }
  return probes;
}

BwPageReading ReadBwPage(const RasterImage& page, const BwPageDevice& d) {
  BwPageReading reading;
  auto at = [&](int x, int y) {
    return page.Pixel(std::clamp(d.imageX + x, 0, page.Width() - 1), std::clamp(d.imageY + y, 0, page.Height() - 1));
  };
  auto dark = [&](int x, int y) { return (at(x, y) & 0x808080) == 0; };
  // A hairline may fall on a neighbouring row or column.
  auto darkNear = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (dark(x + dx, y + dy)) return true;
    return false;
  };
  auto expect = [&](bool ok, int x, int y, const char* what) {
    if (!ok)
      reading.faults.push_back(std::string(what) + ": device (" + std::to_string(x) + ", " + std::to_string(y) +
                               ") is " + ColourText(at(x, y)));
  };
  auto expectDark = [&](int x, int y, const char* what) { expect(darkNear(x, y), x, y, what); };
  auto expectColour = [&](int x, int y, std::uint32_t rgb, const char* what) {
    expect(ColourNear(at(x, y), rgb, 12), x, y, what);
  };
  auto expectWhite = [&](int x, int y, const char* what) { expectColour(x, y, 0xFFFFFF, what); };

  // The first row dark across the whole width (no text line is): the Lines block's first rule.
  const int w = d.width, p = d.mm, dm = d.cm2;
  for (int y = 0; y < d.height && reading.linesTop < 0; ++y) {
    bool all = true;
    for (int j = 1; j < 20 && all; ++j) all = dark(w * j / 20, y);
    if (all) reading.linesTop = y;
  }
  const int y0 = reading.linesTop;
  if (y0 < 0) {
    reading.faults.push_back("no full-width rule of the Lines block");
    return reading;
  }
  expectDark(w / 2, y0 + 16, "fourth rule");
  expectWhite(w / 2, y0 + 12, "between the third and fourth rules");
  const int combMiddle = y0 + 17 + d.cm1 / 2;
  expectDark(33, combMiddle, "comb stroke at 33");
  expectWhite(29, combMiddle, "comb gap 26-33");

  const int e = y0 + 17 + d.cm1 + 4, eMid = e + dm / 2;
  expectDark(dm / 2, e, "top of the circle");
  expectWhite(3 * dm - 2, eMid, "the wide outline under the filled ellipse");
  expectDark(dm * 5 / 2, eMid, "left of the fan");

  const int s = e + dm + 4;
  expect(dark(w / 2, s + p), w / 2, s + p, "small black band");
  expectWhite(w / 2, s + 2 * p + 2, "below the small band");

  const int g = s + 2 * p + 4;
  expectWhite(w / 2, g + dm / 8, "inside the frame, above the band");
  expect(dark(w / 2, g + dm / 2), w / 2, g + dm / 2, "large black band");
  expectWhite(5, g + dm / 2, "between the frame and the band");

  const int t1 = g + dm + 4 + p, b1 = t1 + 10 * p, b2 = b1 + 10 * p;
  const std::uint32_t greys[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5};
  for (int i = 0; i < 8; ++i)
    expectColour(w / 8 + (i % 4) * (w / 4), i < 4 ? (t1 + b1) / 2 : (b1 + b2) / 2, greys[i], "grey box");

  const int c = b1 + 11 * p;
  expectDark(d.cm4, c + d.cm4 / 2, "the chord through the centre of its ellipse");

  // The Bezier band stays within cm4 below its top: white down to the round caps of the widest comb strokes.
  const int bz = c + d.cm4 - 5 * p + 4, top = bz + d.cm4 + 4 + 3 * p;
  const int widestCap = (w / (4 * p) + 1) / 2 + 2;
  bool white = true;
  for (int y = bz + d.cm4 + 3; y < top - widestCap && white; ++y)
    for (int x = 0; x < w && white; x += 7) {
      white = ColourNear(at(x, y), 0xFFFFFF, 12);
      expect(white, x, y, "between the Bezier band and the comb");
    }

  // The comb: a stroke every 4 mm, stroke i being i + 1 units wide.
  for (const int i : {10, 20}) {
    const int x = 4 * p * i, next = 4 * p * (i + 1), middle = top + 12 * p;
    expect(dark(x, middle), x, middle, "comb stroke");
    expectWhite((x + (i + 1) / 2 + next - (i + 2) / 2) / 2, middle, "gap between comb strokes");
  }
  return reading;
}

std::vector<ColourProbe> ChartProbes(int width, int height) {
  std::vector<ColourProbe> probes;
  for (int i = 0; i < static_cast<int>(art::kChartPatches.size()); ++i) {
    const auto& patch = art::kChartPatches[static_cast<std::size_t>(i)];
    const art::PatchBox box = art::ChartPatchBox(i);
    probes.push_back({patch.name, (box.left + box.right) / 2 * width / art::kTestPictureWidth,
                      (box.top + box.bottom) / 2 * height / art::kTestPictureHeight,
                      (std::uint32_t{patch.red} << 16) | (patch.green << 8) | patch.blue});
  }
  return probes;
}

}  // namespace veltrim::test
