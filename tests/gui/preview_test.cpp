// The preview area as the screen shows it after each command that asks for a preview, compared pixel for pixel
// with the core's drawing of the same selection on a GDI memory surface of the canvas's size.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "app/main_window_layout.hpp"
#include "main_window_driver.hpp"
#include "preview_pixels.hpp"

namespace veltrim::test {
namespace {

struct Case {
  const char* name;
  int offset;
  std::vector<int> commands;  // each one previews
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class PreviewArea : public ::testing::TestWithParam<Case> {};

TEST_P(PreviewArea, ShowsWhatTheCoreDrawsAfterEachCommand) {
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.SetText(1186, std::to_string(GetParam().offset));
  int drawnAt = -1;
  for (const int command : GetParam().commands) {
    ui.Command(command);
    ui.Pump();
    const auto shown = OnScreen(ui.Control(kPreviewControl));
    const auto expected = Expected(ui.State(), GetParam().offset);
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(shown == expected) << "after command " << command;
    if (!Uniform(shown)) drawnAt = command;
  }
  EXPECT_NE(drawnAt, -1) << "the preview stayed blank";
}

// Choosing a colour changes the slot, not the preview: a selection changed behind the window's back stays unseen
// after the colour dialog. Cancelled, the dialog keeps the slot's colour and its swatch.
TEST(PreviewArea, ChoosingAColourDoesNotPreview) {
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.Command(1170);
  ui.Command(1237);  // Full Page Custom Color
  ui.Pump();
  const auto before = Expected(ui.State(), 0);
  ASSERT_TRUE(OnScreen(ui.Control(kPreviewControl)) == before);
  ui.State().selection.customTests.fill(0);
  // The colour dialog is the one with a Cancel button; the main window has none.
  std::thread cancel([thread = ::GetCurrentThreadId()] { AnswerDialog(thread, IDCANCEL, IDCANCEL); });
  ui.Command(1247);  // slot 8's colour button
  cancel.join();
  EXPECT_EQ(ui.State().selection.customColours[8], (ColourTriple{79, 84, 87}));
  EXPECT_EQ(::GetPixel(ui.State().swatches[SwatchCanvas(8)].MemoryDc(), 5, 5), RGB(79, 84, 87));
  const auto pump = [&] { ui.Pump(); };
  EXPECT_TRUE(ShowsSoon(pump, ui.Control(kPreviewControl), [&](const auto& shown) { return shown == before; }));
  ui.Command(1171);  // Generate preview shows the changed selection: nothing
  ui.Pump();
  EXPECT_TRUE(Uniform(OnScreen(ui.Control(kPreviewControl))));
}

// A tab the program does not know: the message box, then the canvas still presented, cleared.
TEST(PreviewArea, UnknownTabSaysSoAndStillPresents) {
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.Command(1167);
  ui.Command(1201);  // something on screen to be cleared
  ui.State().selection.currentTab = 7;
  std::string caption, text;
  std::thread answer([&, thread = ::GetCurrentThreadId()] {
    AnswerDialog(thread, 0xFFFF, IDOK, [&](HWND box) {
      caption = WindowText(box);
      text = WindowText(::GetDlgItem(box, 0xFFFF));
    });
  });
  ui.Command(1171);
  answer.join();
  EXPECT_EQ(caption, "Application ERROR");
  EXPECT_EQ(text, "Oups. Internal error ... You should not see this !");
  const CanvasColour background = ui.State().swatches[kPreviewCanvas].Background();
  const std::uint32_t rgb = (std::uint32_t{background.red} << 16) | (background.green << 8) | background.blue;
  const auto pump = [&] { ui.Pump(); };
  EXPECT_TRUE(ShowsSoon(pump, ui.Control(kPreviewControl), [&](const auto& shown) { return Uniform(shown, rgb); }));
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, PreviewArea,
    ::testing::Values(Case{"BlackWhiteItems", 0, {1166, 1191, 1192, 1193, 1194, 1195, 1196, 1197, 1198, 1199}},
                      Case{"BlackWhiteMostCommonOffset", 10, {1166, 5003, 1171}},
                      Case{"BlackWhiteSimpleText", 0, {1166, 1192, 1200}}, Case{"ColourAll", 0, {1167, 5000}},
                      Case{"ColourCrossoversOffset", 25, {1167, 1207, 1208, 1201, 1171}},
                      Case{"ColourBitmappedImage", 0, {1167, 1202, 1213}},
                      Case{"AdvancedOptions", 0, {1168, 1215, 1216, 1218, 1227, 1228}},
                      Case{"AdvancedIgnoresTheOffset", 40, {1168, 1216, 1171}},
                      Case{"CalibrationInks", 0, {1169, 5000}},
                      Case{"CalibrationOffsetAndGraph", 10, {1169, 1229, 1230, 1236}},
                      Case{"CustomItems", 0, {1170, 1237, 1239, 1240, 1241, 1242}},
                      Case{"CustomGradientLayoutsOffset", 10, {1170, 1238, 1273, 1274, 1272}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
