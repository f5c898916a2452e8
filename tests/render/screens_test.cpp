// The desktop program's screens made off-screen: the art tool's preview pictures and labels, the calibration wizard
// read back at its pixels with the values its clicks record, and the about box's credits against the source files.
#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "art.hpp"
#include "core/about/about_texts.hpp"
#include "core/app/config_file.hpp"
#include "core/colour_tools/calibration_wizard.hpp"
#include "file_text.hpp"
#include "module_facts.hpp"
#include "render_support.hpp"

namespace veltrim::test {
namespace {

// Each picture at the size the preview places it with, showing its page's inks.
TEST(PreviewPictures, SizesAndInks) {
  struct Expected {
    int width, height;
    std::vector<std::uint32_t> inks;  // colours some pixel must be near
  };
  constexpr std::uint32_t kC = 0x00FFFF, kM = 0xFF00FF, kY = 0xFFFF00, kK = 0x000000, kR = 0xFF0000,
                          kG = 0x00FF00, kB = 0x0000FF;
  const std::map<int, Expected> expected = {
      {20, {167, 239, {}}},           {21, {167, 239, {kC, kM, kY, kK}}}, {22, {167, 239, {kK}}},
      {23, {167, 239, {kC, kM, kY}}}, {24, {167, 239, {kK}}},             {25, {167, 23, {kC, kM, kY}}},
      {26, {167, 23, {kR, kG, kB}}},  {27, {167, 7, {kK}}},               {28, {167, 10, {}}},
      {29, {167, 32, {kC}}},          {30, {167, 31, {kM}}},              {31, {167, 32, {kY}}},
      {32, {167, 18, {kK}}},          {33, {167, 31, {kR}}},              {34, {167, 31, {kG}}},
      {35, {167, 31, {kB}}},          {36, {60, 60, {kC, kM, kY}}},       {37, {60, 60, {kR, kG, kB}}}};
  const auto pictures = art::DrawPreviewPictures();
  ASSERT_EQ(pictures.size(), expected.size());
  for (const art::PreviewPicture& preview : pictures) {
    SCOPED_TRACE(preview.id);
    ASSERT_TRUE(expected.contains(preview.id));
    const Expected& e = expected.at(preview.id);
    const auto& pixels = preview.picture.pixels;
    EXPECT_EQ(preview.picture.width, e.width);
    EXPECT_EQ(preview.picture.height, e.height);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(e.width) * e.height);
    EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p != 0xFFFFFF; })) << "blank";
    for (const std::uint32_t ink : e.inks)
      EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [ink](std::uint32_t p) { return ColourNear(p, ink, 40); }))
          << std::hex << ink;
  }
}

// An 800 x 500 picture at the screen's 96 dpi.
DeviceCaps Screen() { return *MakeDeviceCaps({{800 * 25.4 / 96, 500 * 25.4 / 96}, 96, {0, 0, 0, 0}}); }

// The labels of one group are drawn at one size, the size the widest of them fits: the capitals of every Color
// Calibration item stand equally tall, on buttons of 49 to 68 pixels (and of 13 to 18 high).
TEST(ArtLabels, OneGroupOneSize) {
  // The rows holding light pixels right of `left`: the label's ink, the tick box left out.
  const auto inkHeight = [](const art::Recipe& recipe, int left) {
    const art::Picture picture = art::RenderRecipe(recipe);
    int top = picture.height, bottom = -1;
    for (int y = 0; y < picture.height; ++y)
      for (int x = left; x < picture.width; ++x)
        if (((picture.pixels[static_cast<std::size_t>(y) * picture.width + x] >> 8) & 0xFF) > 0x80) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    return bottom - top + 1;
  };
  std::vector<int> heights;
  for (const art::Recipe& recipe : art::Recipes())
    if (recipe.id >= 4626 && recipe.id < 4640 && recipe.state == art::State::Unticked)
      heights.push_back(inkHeight(recipe, 3 + std::clamp(recipe.height - 6, 7, 11) + 5));
  ASSERT_EQ(heights.size(), 7u);
  EXPECT_GT(heights.front(), 4);
  EXPECT_EQ(std::count(heights.begin(), heights.end(), heights.front()), 7) << ::testing::PrintToString(heights);
}

TEST(CalibrationWizard, StartsOnGreenThenShowsEachInkAndRecordsEveryClick) {
  PngPage picture(Screen());
  Surface& dc = picture.S();
  CalibrationWizard wizard;
  wizard.Start(dc, 800, 500);
  EXPECT_EQ(dc.GetPixel(400, 250), Rgb(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(360, 250), Rgb(0, 200, 0)) << "the square's outline";
  EXPECT_FALSE(wizard.Click(dc, 300, 250, 800)) << "beside the square";
  EXPECT_FALSE(wizard.Click(dc, 360, 250, 800)) << "on its outline";
  EXPECT_EQ(wizard.Step(), 0);

  struct Ink {
    ColorRef dot;
    ColorRef strip128;  // gradient strip 128, at x = 400
  };
  const Ink inks[] = {{Rgb(0, 255, 255), Rgb(128, 255, 255)}, {Rgb(255, 0, 255), Rgb(255, 128, 255)},
                      {Rgb(255, 255, 0), Rgb(255, 255, 128)}, {Rgb(0, 0, 0), Rgb(128, 128, 128)},
                      {Rgb(255, 0, 0), Rgb(255, 128, 128)},   {Rgb(0, 255, 0), Rgb(128, 255, 128)},
                      {Rgb(0, 0, 255), Rgb(128, 128, 255)}};
  const int clickAt[] = {400, 0, 200, 600, 799, 100, 700};
  const CalibrationValues recorded{150, 100, 125, 175, 199, 112, 187};
  ASSERT_TRUE(wizard.Click(dc, 400, 250, 800));
  for (int step = 0; step < 7; ++step) {
    SCOPED_TRACE(step);
    const Ink& ink = inks[step];
    // Checkerboard dots in both bands, every other row starting one pixel in; strip 0 is the full ink.
    for (const auto& [x, y, colour] : {std::tuple{0, 140, ink.dot}, {1, 141, ink.dot}, {1, 140, Rgb(255, 255, 255)},
                                       {799, 379, ink.dot}, {400, 220, ink.strip128}, {400, 299, ink.strip128},
                                       {0, 250, ink.dot}, {400, 120, Rgb(255, 255, 255)}})
      EXPECT_EQ(dc.GetPixel(x, y), colour) << x << ", " << y;
    ASSERT_TRUE(wizard.Click(dc, clickAt[step], 10, 800)) << "the height is not checked";
    EXPECT_EQ(wizard.Values()[step], recorded[step]);
  }
  EXPECT_EQ(wizard.Step(), 8);
  EXPECT_EQ(dc.GetPixel(0, 140), Rgb(255, 255, 255)) << "the closing text's white";
  EXPECT_EQ(dc.GetPixel(400, 250), Rgb(255, 255, 255));
  EXPECT_FALSE(wizard.Click(dc, 400, 250, 800)) << "after the seventh ink";
  EXPECT_EQ(wizard.Values(), recorded);
}

TEST(CalibrationWizard, AcceptWritesTheValuesMeasuredAndMinusOneForTheRest) {
  PngPage picture(Screen());
  const std::string path = (picture.Dir() / "config.qrv").string();
  CalibrationWizard wizard;
  wizard.Start(picture.S(), 800, 500);
  ASSERT_TRUE(wizard.Click(picture.S(), 400, 250, 800));  // the green square
  ASSERT_TRUE(wizard.Click(picture.S(), 400, 480, 800));  // cyan, in the middle
  const CalibrationWizard::Accepted accepted = wizard.Accept(path);
  EXPECT_TRUE(accepted.saved);
  EXPECT_EQ(accepted.values, (CalibrationValues{150, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(FileText(path), "150/-1/-1/-1/-1/-1/-1/");
  CalibrationValues read{};
  ASSERT_TRUE(ReadConfigFile(path, read));
  EXPECT_EQ(read, accepted.values);
}

TEST(Credits, DefinitionsAreCountedAsAReaderCountsThem) {
  // source, functions, classes
  const std::tuple<const char*, int, int> cases[] = {
      {"class A {\n public:\n  A() = default;\n  int Get() const { return 1; }\n  void Set(int);\n};\n", 1, 1},
      {"template <class T> T Max(T a, T b) { if (a > b) { return a; } return b; }\n", 1, 0},
      {"// void Commented() {}\nconst char* s = \"void F() {\";\n/* class X { */\n#define M(x) { x }\n", 0, 0},
      {"char c = '{';\nint n = 1'000;\nvoid F() { auto g = [] { struct L {}; }; }\n", 1, 0},
      {"const char* r = R\"x(void F() { })\" )x\";\nvoid G() {}\n", 1, 0},
  };
  for (const auto& [source, functions, classes] : cases) {
    const auto found = credits::CountDefinitions(source);
    EXPECT_EQ(std::tuple(found.functions, found.classes), std::tuple(functions, classes)) << source;
  }
  EXPECT_EQ(credits::CountLines(""), 0);
  EXPECT_EQ(credits::CountLines("a\nb\n"), 2);
  EXPECT_EQ(credits::CountLines("a\nb"), 2);
}

std::string ReadSource(const std::string& path) { return FileText(std::string(VELTRIM_SOURCE_ROOT) + "/" + path); }

// The table the build generated holds what the module files hold now: their lines (the counts of definitions come
// from the counter checked above).
TEST(Credits, ModuleLinesTellTheTruthAboutTheFiles) {
  const char* folders[] = {"support", "support", "support", "support", "support", "app", "platform", "about"};
  ASSERT_EQ(CreditModules().size(), std::size(folders));
  for (std::size_t i = 0; i < std::size(folders); ++i) {
    const ModuleFacts& module = CreditModules()[i];
    const std::string stem = std::string(module.files.substr(0, module.files.find('.')));
    const std::string header = ReadSource("src/core/" + std::string(folders[i]) + "/" + stem + ".hpp");
    const std::string source = ReadSource("src/core/" + std::string(folders[i]) + "/" + stem + ".cpp");
    ASSERT_FALSE(header.empty() || source.empty()) << stem;
    EXPECT_EQ(module.lines, std::count(header.begin(), header.end(), '\n') + std::count(source.begin(), source.end(), '\n'))
        << stem;
    EXPECT_LE(std::string(module.created.substr(6)) + std::string(module.created.substr(3, 2)),
              std::string(module.updated.substr(6)) + std::string(module.updated.substr(3, 2)))
        << stem;
  }
}

}  // namespace
}  // namespace veltrim::test
