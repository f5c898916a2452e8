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
    case kCustomPreviewCommand: return {CommandKind::LargePreview, Tab::None, id};
    default: break;
  }
  if (id >= TabCommand(Tab::BlackWhite) && id <= TabCommand(Tab::Custom)) {
    return {CommandKind::SwitchTab, static_cast<Tab>(id - TabCommand(Tab::BlackWhite))};
  }
  for (const Tab tab : {Tab::BlackWhite, Tab::Color, Tab::Calibration}) {
    const IdRange items = TabItemIds(tab);
    if (items.Contains(id)) return {CommandKind::TestItem, tab, id - items.first};
  }
  if (const IdRange options = TabItemIds(Tab::Advanced); options.Contains(id)) {
    return {CommandKind::AdvancedOption, Tab::None, id - options.first};
  }
  if (const IdRange custom = TabItemIds(Tab::Custom); custom.Contains(id)) {
    return {CommandKind::CustomItem, Tab::None, id - custom.first};
  }
  if (id >= kFirstLayoutOption && id < kFirstLayoutOption + kGradientLayouts)
    return {CommandKind::LayoutOption, Tab::None, id - kFirstLayoutOption};
  if (const auto slot = ColourSlotOfButton(id)) return {CommandKind::ColourButton, Tab::None, *slot};
  if (id >= static_cast<int>(SelectCommand::All) && id <= static_cast<int>(SelectCommand::MostCommon)) {
    return {CommandKind::SelectMenu, Tab::None, id};
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
