#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "app/control_images.hpp"

namespace veltrim {
namespace {

struct ImageCase {
  const char* what;
  int id;
  bool pressed;
  int expected;
};

TEST(ControlImages, ButtonsPreferPressedThenPointerOverThenTheCurrentTab) {
  auto state = std::make_unique<AppState>();
  state->selection.currentTab = 2;
  state->hoverFlags[1172 - 1165] = 1;  // START PRINTING
  state->hoverFlags[1169 - 1165] = 1;  // tab 3
  state->hoverFlags[1168 - 1165] = 1;  // the current tab, pointer over it
  const ImageCase cases[] = {
      {"close, idle", 1165, false, 4500},
      {"close, pressed", 1165, true, 4502},
      {"print, pointer over", 1172, false, 4522},
      {"print, pressed beats pointer over", 1172, true, 4523},
      {"tab 0, idle", 1166, false, 4503},
      {"tab 3, pointer over", 1169, false, 4513},
      {"current tab, pointer over wins", 1168, false, 4510},
      {"tab 4, pressed", 1170, true, 4517},
      {"large preview of tab 4", 1179, false, 4547},
      {"colour button, idle", 1245, false, 4667},
      {"colour button, pressed", 1245, true, 4666},
      {"number box has no image", 1180, false, 0},
      {"image static is not drawn here", 1190, false, 0},
      {"unknown control", 4242, false, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ImageFor(c.id, c.pressed, *state), c.expected) << c.what;

  state->hoverFlags[1168 - 1165] = 0;
  EXPECT_EQ(ImageFor(1168, false, *state), 4511) << "the current tab looks held down";
}

TEST(ControlImages, ItemsShowTheirTickAndPressingDoesNotChangeIt) {
  auto state = std::make_unique<AppState>();
  TestSelection& s = state->selection;
  s.bwTests[9] = 1;
  s.colorTests[0] = 1;
  s.calibrationTests[7] = 1;
  s.customTests[5] = 1;
  s.advancedOption = 14;
  s.gradientLayout = 2;
  const ImageCase cases[] = {
      {"B&W item 0 unticked", 1191, true, 4551},
      {"B&W item 9 ticked", 1200, false, 4568},
      {"Color item 0 ticked", 1201, false, 4570},
      {"Color item 12 unticked", 1213, false, 4595},
      {"Advanced option 0 not chosen", 1214, false, 4597},
      {"Advanced option 14 chosen", 1228, false, 4624},
      {"Calibration item 7 ticked", 1236, false, 4640},
      {"Calibration BLACK unticked", 1229, false, 4627},
      {"Custom item 5 ticked", 1242, false, 4652},
      {"Custom item 0 unticked", 1237, false, 4643},
      {"layout 2 chosen", 1274, false, 4658},
      {"layout 0 not chosen", 1272, true, 4655},
  };
  for (const auto& c : cases) EXPECT_EQ(ImageFor(c.id, c.pressed, *state), c.expected) << c.what;
}

TEST(ControlImages, StartUpLoadsEveryImageOnceInBlocks) {
  const std::vector<int> ids = StartUpBitmaps();
  ASSERT_EQ(ids.size(), 190u);
  EXPECT_EQ(ids.front(), 4500);
  EXPECT_EQ(ids[168], 4668);
  EXPECT_EQ(ids[169], 4400);
  EXPECT_EQ(ids.back(), 4420);
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
}

}  // namespace
}  // namespace veltrim
