#pragma once
// What a main-window command means, decided without a window: the command
// id (and its notification code) mapped to an action, the colour buttons'
// slots and the large-preview choice.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/job/test_selection.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

enum class CommandKind {
  Ignored,        // unknown id, or a notification other than click/accelerator
  Quit,           // 10 (Esc), 1165 (close button)
  About,          // 17 (Alt+"/", Alt+"?"), 1175
  SwitchTab,      // 1166..1170; the tab
  NextTab,        // 1163 (F6)
  PreviousTab,    // 1164 (F5)
  Preview,        // 1171
  Print,          // 1172 (also F12)
  PrinterInfo,    // 1173 (also F4)
  Help,           // 1174 (also Alt+"h")
  SelectionMenu,  // 1176
  LargePreview,   // 1177, 1178, 1179; index = the command id
  TestItem,       // items of tabs 0, 1, 3; tab and index of the item
  AdvancedOption, // 1214..1228; index = option
  CustomItem,     // 1237..1242; index = item
  LayoutOption,   // 1272..1274; index = layout
  ColourButton,   // index = colour slot 0..9
  SelectMenu,     // 5000..5003; index = the SelectCommand id
};

struct Command {
  CommandKind kind = CommandKind::Ignored;
  Tab tab = Tab::None;  // SwitchTab and TestItem only
  int index = 0;  // see CommandKind
  friend bool operator==(const Command&, const Command&) = default;
};

// Only notification codes 0 (menu, click) and 1 (accelerator) are acted on.
Command ClassifyCommand(int id, int notificationCode);

// The colour button and swatch static of each colour slot.
inline constexpr int kColourButtons[kColourSlots] = {1267, 1265, 1260, 1263, 1258,
                                                     1255, 1253, 1250, 1247, 1245};
inline constexpr int kColourSwatches[kColourSlots] = {1266, 1264, 1259, 1262, 1257,
                                                      1254, 1252, 1249, 1246, 1244};
std::optional<int> ColourSlotOfButton(int id);

// The large-preview buttons: which kind of picture the colour-plot dialog is
// to show, or the refusal told to the user instead (kind 0).
inline constexpr int kAdvancedPreviewCommand = 1177;
inline constexpr int kCalibrationCurvesCommand = 1178;
inline constexpr int kCustomPreviewCommand = 1179;
inline constexpr int kCmykGradientOption = 13;
inline constexpr int kCustomGradientItem = 1;
inline constexpr int kCustomFourSidedItem = 4;
inline constexpr int kSaturationLightnessItem = 7;

inline constexpr std::string_view kRefusalCaption = "No, no, no";
inline constexpr std::string_view kAdvancedPreviewRefusal =
    "Previewing cannot be requested in this tab for something else than \"CMYK 4 Sided Gradient\" option !";
inline constexpr std::string_view kCustomPreviewRefusal =
    "Previewing cannot be requested in this tab for something else than \"Custom Gradient\" or \"Custom 4 Sided Gradient\" options !";

struct LargePreview {
  int kind = 0;                // 1..5, or 0 when refused
  std::string_view refusal{};  // the message shown when refused
};

// For commands 1177..1179; any other id gives kind 0 with no message.
LargePreview DecideLargePreview(int command, const TestSelection& selection);

}  // namespace veltrim
