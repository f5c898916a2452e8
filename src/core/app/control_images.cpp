#include "core/app/control_images.hpp"

#include <optional>

#include "core/app/main_commands.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/app/pointer_over.hpp"
#include "core/app/tab_switch.hpp"
#include "core/platform/resource_ids.h"

namespace veltrim {
namespace {

constexpr int kFirstAdvancedOption = 1214;

bool PointerOver(int id, const AppState& state) {
  const int index = id - kFirstHoverButton;
  return index >= 0 && index < kHoverButtons && state.hoverFlags[index] != 0;
}

ImageState Tick(bool on) { return on ? ImageState::Ticked : ImageState::Unticked; }

// The tick state of a test item of tab 0, 1, 3 or 4, or nothing for another id.
std::optional<ImageState> ItemState(int id, const TestSelection& selection) {
  for (const Tab tab : {Tab::BlackWhite, Tab::Color, Tab::Calibration}) {
    const IdRange items = TabItemIds(tab);
    if (items.Contains(id)) return Tick(selection.FlagsOf(tab)[id - items.first] != 0);
  }
  const IdRange custom = TabItemIds(Tab::Custom);
  if (custom.Contains(id)) return Tick(selection.customTests[id - custom.first] != 0);
  if (TabItemIds(Tab::Advanced).Contains(id)) return Tick(id - kFirstAdvancedOption == selection.advancedOption);
  if (id >= kFirstLayoutOption && id < kFirstLayoutOption + kGradientLayouts)
    return Tick(id - kFirstLayoutOption == selection.gradientLayout);
  return std::nullopt;
}

}  // namespace

int ImageFor(int controlId, bool pressed, const AppState& state) {
  const MainControl* control = FindControl(controlId);
  if (control == nullptr || control->kind != ControlKind::ImageButton) return 0;

  if (control->images == ImageUse::ColourButton)
    return BitmapFor(controlId, pressed ? ImageState::Pressed : ImageState::Normal);
  if (const auto item = ItemState(controlId, state.selection)) return BitmapFor(controlId, *item);

  // Close, tab, command, menu and large-preview buttons.
  ImageState image = ImageState::Normal;
  if (pressed)
    image = ImageState::Pressed;
  else if (PointerOver(controlId, state))
    image = ImageState::PointerOver;
  else if (controlId == TabCommand(state.selection.currentTab))
    image = ImageState::Pressed;  // the current tab looks held down
  return BitmapFor(controlId, image);
}

std::vector<int> StartUpBitmaps() {
  constexpr int kFirstMain = IDB_FIRST_BITMAP, kLastMain = IDB_LAST_BITMAP, kFirstAbout = 4400, kLastAbout = 4420;
  std::vector<int> ids;
  for (int id = kFirstMain; id <= kLastMain; ++id) ids.push_back(id);
  for (int id = kFirstAbout; id <= kLastAbout; ++id) ids.push_back(id);
  return ids;
}

}  // namespace veltrim
