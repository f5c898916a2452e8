#include "colour_page.hpp"

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
  struct Cell {
    const char* what;
    int c, r;
    std::uint32_t rgb;
  };
  // The left square: cyan, magenta and yellow bands and their mixes.
  for (const Cell& c : {Cell{"cyan band", 0, 2, 0x00FFFF}, Cell{"cyan down", 2, 0, 0x00FFFF},
                        Cell{"cyan x magenta", 3, 2, 0x0000FF}, Cell{"cyan x yellow", 4, 2, 0x00FF00},
                        Cell{"magenta x cyan", 2, 3, 0x0000FF}, Cell{"magenta x yellow", 4, 3, 0xFF0000},
                        Cell{"yellow x magenta", 3, 4, 0xFF0000}, Cell{"yellow band", 6, 4, 0xFFFF00},
                        Cell{"magenta down", 3, 6, 0xFF00FF}, Cell{"corner", 0, 0, kWhite}}) {
    const auto [x, y] = cell(0, c.c, c.r);
    probes.push_back({std::string("CMY square: ") + c.what, x, y, c.rgb});
  }
  // The right square, flush with the right edge: red, green, blue.
  for (const Cell& c : {Cell{"red down", 2, 0, 0xFF0000}, Cell{"red x green", 3, 2, 0xFFFF00},
                        Cell{"red x blue", 4, 2, 0xFF00FF}, Cell{"green x red", 2, 3, 0xFFFF00},
                        Cell{"green band", 0, 3, 0x00FF00}, Cell{"green x blue", 4, 3, 0x00FFFF},
                        Cell{"blue band", 6, 4, 0x0000FF}, Cell{"corner", 6, 6, kWhite}}) {
    const auto [x, y] = cell(width - 7 * u, c.c, c.r);
    probes.push_back({std::string("RGB square: ") + c.what, x, y, c.rgb});
  }
  return probes;
}

}  // namespace veltrim::test
