#include "core/app/main_commands.hpp"

#include <algorithm>
#include <iterator>

#include "core/app/main_window_layout.hpp"
#include "core/app/tab_switch.hpp"

namespace veltrim {

Command ClassifyCommand(int id, int notificationCode) {
  if (notificationCode != 0 && notificationCode != 1) return {};
  switch (id) {
    case IDCMD_QUIT:
    case 1165: return {CommandKind::Quit};
    case IDCMD_ABOUT:
    case 1175: return {CommandKind::About};
    case IDCMD_NEXT_TAB: return {CommandKind::NextTab};
    case IDCMD_PREVIOUS_TAB: return {CommandKind::PreviousTab};
    case 1171: return {CommandKind::Preview};
    case IDCMD_START_PRINTING: return {CommandKind::Print};
    case IDCMD_PRINTER_INFO: return {CommandKind::PrinterInfo};
    case IDCMD_HELP: return {CommandKind::Help};
    case kSelectionMenuButton: return {CommandKind::SelectionMenu};
    case kAdvancedPreviewCommand:
    case kCalibrationCurvesCommand:
    case kCustomPreviewCommand: return {CommandKind::LargePreview, -1, id};
    default: break;
  }
  if (id >= TabCommand(0) && id < TabCommand(kTabCount)) {
    return {CommandKind::SwitchTab, -1, id - TabCommand(0)};
  }
  for (const int tab : {0, 1, 3}) {
    const IdRange items = TabItemIds(tab);
    if (items.Contains(id)) return {CommandKind::TestItem, tab, id - items.first};
  }
  if (const IdRange options = TabItemIds(2); options.Contains(id)) {
    return {CommandKind::AdvancedOption, -1, id - options.first};
  }
  if (const IdRange custom = TabItemIds(4); custom.Contains(id)) {
    return {CommandKind::CustomItem, -1, id - custom.first};
  }
  if (id >= kFirstLayoutOption && id < kFirstLayoutOption + kGradientLayouts)
    return {CommandKind::LayoutOption, -1, id - kFirstLayoutOption};
  if (const auto slot = ColourSlotOfButton(id)) return {CommandKind::ColourButton, -1, *slot};
  if (id >= static_cast<int>(SelectCommand::All) && id <= static_cast<int>(SelectCommand::MostCommon)) {
    return {CommandKind::SelectMenu, -1, id};
  }
  return {};
}

std::optional<int> ColourSlotOfButton(int id) {
  const auto it = std::find(std::begin(kColourButtons), std::end(kColourButtons), id);
  if (it == std::end(kColourButtons)) return std::nullopt;
  return static_cast<int>(it - std::begin(kColourButtons));
}

LargePreview DecideLargePreview(int command, const TestSelection& selection) {
  switch (command) {
    case kAdvancedPreviewCommand:
      if (selection.advancedOption == kCmykGradientOption) return {1};
      return {0, kAdvancedPreviewRefusal};
    case kCalibrationCurvesCommand:
      return {selection.calibrationTests[kSaturationLightnessItem] ? 3 : 2};
    case kCustomPreviewCommand:
      if (selection.customTests[kCustomGradientItem]) return {4};
      if (selection.customTests[kCustomFourSidedItem]) return {5};
      return {0, kCustomPreviewRefusal};
    default:
      return {};
  }
}

}  // namespace veltrim
