#pragma once
// The main window's layout as data: the window itself, its octagonal outline,
// the kinds of child control with their window classes and styles, every
// control in creation (= keyboard tab) order with its place, size, start-up
// visibility, tabs, role and bitmaps, and the settings applied while the
// window initialises. The Win32 front end creates the window from this.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/app/number_boxes.hpp"
#include "core/job/test_selection.hpp"
#include "core/platform/resource_ids.h"

namespace veltrim {

// ---------------------------------------------------------------------------
// The window

// Controls the rules name: the selection menu's button and the first of the
// Custom tab's three layout options.
inline constexpr int kSelectionMenuButton = 1176;
inline constexpr int kFirstLayoutOption = 1272;
inline constexpr int kMainWindowWidth = 789;
inline constexpr int kMainWindowHeight = 397;
// Only the task bar shows it: the window has no caption.
inline constexpr std::string_view kMainWindowTitle = "QORVEL Veltrim - v.2";

struct WindowPoint {
  int x = 0;
  int y = 0;
};

// The outline: the client rectangle with each corner cut by 10 pixels,
// filled with the winding rule.
inline constexpr std::array<WindowPoint, 8> kWindowRegion{{
    {10, 0}, {779, 0}, {789, 10}, {789, 387}, {779, 397}, {10, 397}, {0, 387}, {0, 10}}};

// ---------------------------------------------------------------------------
// Window styles, with the platform's values (named here because the core
// never sees the platform headers).

inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsTabStop = 0x00010000;
inline constexpr std::uint32_t kWsVScroll = 0x00200000;
inline constexpr std::uint32_t kBsOwnerDraw = 0x0B;
inline constexpr std::uint32_t kEsCenter = 0x1;
inline constexpr std::uint32_t kEsMultiline = 0x4;
inline constexpr std::uint32_t kEsAutoHScroll = 0x80;
inline constexpr std::uint32_t kEsOemConvert = 0x400;
inline constexpr std::uint32_t kEsReadOnly = 0x800;
inline constexpr std::uint32_t kEsNumber = 0x2000;
inline constexpr std::uint32_t kEsDisableNoScroll = 0x2000;  // same bit as ES_NUMBER, another class
inline constexpr std::uint32_t kSsLeft = 0x0;
inline constexpr std::uint32_t kSsBitmap = 0xE;
inline constexpr std::uint32_t kUdsSetBuddyInt = 0x2;
inline constexpr std::uint32_t kUdsAlignRight = 0x4;
inline constexpr std::uint32_t kUdsAutoBuddy = 0x10;
inline constexpr std::uint32_t kUdsArrowKeys = 0x20;
inline constexpr std::uint32_t kUdsHotTrack = 0x100;

enum class ControlKind { ImageButton, NumberBox, Spin, ReportBox, ImageStatic, SwatchStatic };

struct ControlClass {
  std::string_view name;  // window class
  std::uint32_t style;    // without WS_VISIBLE
  bool visibleByStyle;    // false: shown by ShowWindow right after creation
};

constexpr ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::ImageButton:
      return {"BUTTON", kWsChild | kWsTabStop | kBsOwnerDraw, true};
    case ControlKind::NumberBox:
      return {"EDIT", kWsChild | kWsTabStop | kEsNumber | kEsAutoHScroll | kEsCenter, true};
    case ControlKind::Spin:
      return {"msctls_updown32",
              kWsChild | kUdsSetBuddyInt | kUdsAlignRight | kUdsAutoBuddy | kUdsArrowKeys | kUdsHotTrack, true};
    case ControlKind::ReportBox:
      return {"RichEdit",
              kWsChild | kWsVScroll | kWsTabStop | kEsMultiline | kEsReadOnly | kEsOemConvert | kEsDisableNoScroll,
              false};
    case ControlKind::ImageStatic:
      return {"STATIC", kWsChild | kSsBitmap, true};
    case ControlKind::SwatchStatic:
      return {"STATIC", kWsChild | kSsLeft, true};
  }
  return {};
}

// ---------------------------------------------------------------------------
// The controls

using TabMask = unsigned;
constexpr TabMask TabBit(Tab tab) { return 1u << TabIndex(tab); }
inline constexpr TabMask kAllTabs = (1u << kTabCount) - 1;

// How a control's bitmaps (a run of consecutive resource ids) are used.
enum class ImageUse {
  None,          // number boxes, spins, report box, swatches
  ThreeState,    // normal, pointer-over, pressed (a tab button: current tab)
  Toggle,        // ticked / chosen, unticked / not chosen
  ColourButton,  // pressed, normal; shared by the ten colour buttons
  Single,        // an image static's one image
  PerTab,        // the banner: one image per tab, the first at start-up
};

struct MainControl {
  int id;
  ControlKind kind;
  int x;
  int y;
  int width;
  int height;
  bool shown;  // visible right after initialisation
  TabMask tabs;
  std::string_view role;
  ImageUse images = ImageUse::None;
  int firstBitmap = 0;

  constexpr bool OnTab(Tab tab) const { return IsTab(tab) && (tabs & TabBit(tab)) != 0; }
  constexpr int BitmapCount() const {
    switch (images) {
      case ImageUse::None: return 0;
      case ImageUse::Single: return 1;
      case ImageUse::Toggle:
      case ImageUse::ColourButton: return 2;
      case ImageUse::ThreeState: return 3;
      case ImageUse::PerTab: return kTabCount;
    }
    return 0;
  }
};

// The style a control is created with.
constexpr std::uint32_t CreationStyle(const MainControl& control) {
  const ControlClass c = ClassOf(control.kind);
  return c.style | (control.shown && c.visibleByStyle ? kWsVisible : 0u);
}

namespace layout_detail {
using K = ControlKind;
using I = ImageUse;
inline constexpr TabMask kAll = kAllTabs;
constexpr TabMask T(Tab tab) { return TabBit(tab); }
}  // namespace layout_detail

// In creation order, which is also the keyboard tab order. The role of a
// test item is its label.
inline constexpr auto kMainControls = [] {
  using namespace layout_detail;
  return std::array<MainControl, 110>{{
      {1165, K::ImageButton, 758, 5, 20, 20, true, kAll, "close (quit)", I::ThreeState, 4500},
      {1166, K::ImageButton, 193, 34, 115, 38, true, kAll, "tab 0, label Black&White", I::ThreeState, 4503},
      {1167, K::ImageButton, 308, 34, 118, 38, true, kAll, "tab 1, label Color", I::ThreeState, 4506},
      {1168, K::ImageButton, 425, 34, 117, 38, true, kAll, "tab 2, label Advanced", I::ThreeState, 4509},
      {1169, K::ImageButton, 543, 34, 118, 38, true, kAll, "tab 3, label Color Calibration", I::ThreeState, 4512},
      {1170, K::ImageButton, 661, 34, 117, 38, true, kAll, "tab 4, label Custom", I::ThreeState, 4515},
      {1171, K::ImageButton, 609, 91, 155, 38, true, kAll, "command: Generate preview", I::ThreeState, 4518},
      {1172, K::ImageButton, 609, 129, 155, 40, true, kAll, "command: START PRINTING", I::ThreeState, 4521},
      {1173, K::ImageButton, 609, 169, 155, 40, true, kAll, "command: Get Printer Info", I::ThreeState, 4524},
      {1174, K::ImageButton, 609, 301, 155, 41, true, kAll, "command: HELP", I::ThreeState, 4527},
      {1175, K::ImageButton, 609, 342, 155, 39, true, kAll, "command: About", I::ThreeState, 4530},
      {kSelectionMenuButton, K::ImageButton, 370, 301, 20, 21, true, T(Tab::BlackWhite) | T(Tab::Color) | T(Tab::Calibration), "opens the selection menu", I::ThreeState, 4533},
      {1177, K::ImageButton, 223, 289, 165, 29, false, T(Tab::Advanced), "Show Large Preview Window", I::ThreeState, 4541},
      {1178, K::ImageButton, 44, 278, 164, 28, false, T(Tab::Calibration), "Plot Color Calibration Curves", I::ThreeState, 4544},
      {1179, K::ImageButton, 337, 222, 51, 74, false, T(Tab::Custom), "Show Large Preview Window (upright)", I::ThreeState, 4547},
      {1180, K::NumberBox, 33, 366, 54, 16, true, kAll, "No of docs"},
      {1181, K::Spin, 33, 366, 10, 16, true, kAll, "spin of 1180"},
      {1182, K::NumberBox, 113, 366, 55, 16, true, kAll, "Pages/doc"},
      {1183, K::Spin, 113, 366, 10, 16, true, kAll, "spin of 1182"},
      {1184, K::NumberBox, 186, 366, 71, 16, true, kAll, "Coverage (%)"},
      {1185, K::Spin, 186, 366, 10, 16, true, kAll, "spin of 1184"},
      {1186, K::NumberBox, 277, 366, 102, 16, true, kAll, "Y Paper offset (mm)"},
      {1187, K::Spin, 277, 366, 10, 16, true, kAll, "spin of 1186"},
      {1188, K::ReportBox, 415, 337, 172, 49, true, kAll, "PrintReport text"},
      {1189, K::SwatchStatic, 415, 85, 167, 239, true, kAll, "preview area"},
      {1190, K::ImageStatic, 21, 98, 370, 26, true, kAll, "tab banner", I::PerTab, 4536},
      // Tab 0: Black&White.
      {1191, K::ImageButton, 21, 131, 370, 16, true, T(Tab::BlackWhite), "Info text", I::Toggle, 4550},
      {1192, K::ImageButton, 21, 147, 370, 17, true, T(Tab::BlackWhite), "Lines", I::Toggle, 4552},
      {1193, K::ImageButton, 21, 164, 370, 18, true, T(Tab::BlackWhite), "Ellipses", I::Toggle, 4554},
      {1194, K::ImageButton, 21, 182, 370, 17, true, T(Tab::BlackWhite), "Small Black Rectangle", I::Toggle, 4556},
      {1195, K::ImageButton, 21, 199, 370, 17, true, T(Tab::BlackWhite), "Large Black Rectangle", I::Toggle, 4558},
      {1196, K::ImageButton, 21, 216, 370, 17, true, T(Tab::BlackWhite), "Grayscale Rectangles", I::Toggle, 4560},
      {1197, K::ImageButton, 21, 233, 370, 18, true, T(Tab::BlackWhite), "Chords", I::Toggle, 4562},
      {1198, K::ImageButton, 21, 251, 370, 17, true, T(Tab::BlackWhite), "Bezier Curves", I::Toggle, 4564},
      {1199, K::ImageButton, 21, 268, 370, 17, true, T(Tab::BlackWhite), "Multiple Thickness Lines - Black", I::Toggle, 4566},
      {1200, K::ImageButton, 21, 285, 370, 18, true, T(Tab::BlackWhite), "Simple Text Full Page (5% coverage)", I::Toggle, 4568},
      // Tab 1: Color.
      {1201, K::ImageButton, 23, 130, 199, 18, false, T(Tab::Color), "Cyan-Magenta-Yellow Bars", I::Toggle, 4570},
      {1202, K::ImageButton, 23, 148, 199, 17, false, T(Tab::Color), "Red-Green-Blue Bars", I::Toggle, 4572},
      {1203, K::ImageButton, 23, 165, 199, 17, false, T(Tab::Color), "Cyan-Magenta-Yellow Gradients", I::Toggle, 4574},
      {1204, K::ImageButton, 23, 182, 199, 17, false, T(Tab::Color), "Red-Green-Blue Gradients", I::Toggle, 4576},
      {1205, K::ImageButton, 23, 199, 199, 18, false, T(Tab::Color), "Black Bar", I::Toggle, 4578},
      {1206, K::ImageButton, 23, 217, 199, 17, false, T(Tab::Color), "Black Gradient", I::Toggle, 4580},
      {1207, K::ImageButton, 23, 234, 199, 18, false, T(Tab::Color), "Cyan-Magenta-Yellow Crossover", I::Toggle, 4582},
      {1208, K::ImageButton, 23, 252, 199, 17, false, T(Tab::Color), "Red-Green-Bluer Crossover", I::Toggle, 4584},
      {1209, K::ImageButton, 23, 269, 199, 17, false, T(Tab::Color), "Thin Inclined Lines", I::Toggle, 4586},
      {1210, K::ImageButton, 222, 199, 136, 35, false, T(Tab::Color), "Multiple Thickness Lines - CYAN", I::Toggle, 4588},
      {1211, K::ImageButton, 222, 234, 136, 35, false, T(Tab::Color), "Multiple Thickness Lines - MAGENTA", I::Toggle, 4590},
      {1212, K::ImageButton, 222, 269, 136, 35, false, T(Tab::Color), "Multiple Thickness Lines - YELLOW", I::Toggle, 4592},
      {1213, K::ImageButton, 23, 286, 199, 18, false, T(Tab::Color), "Bitmapped Image", I::Toggle, 4594},
      // Tab 2: Advanced.
      {1214, K::ImageButton, 24, 131, 318, 17, false, T(Tab::Advanced), "Repetitive Cyan-Magenta-Yellow (Horizontal)", I::Toggle, 4596},
      {1215, K::ImageButton, 24, 148, 318, 17, false, T(Tab::Advanced), "Repetitive Cyan-Magenta-Yellow-Black (Horizontal)", I::Toggle, 4598},
      {1216, K::ImageButton, 24, 165, 318, 17, false, T(Tab::Advanced), "Full Page Cyan-Magenta-Yellow (Vertical)", I::Toggle, 4600},
      {1217, K::ImageButton, 24, 182, 318, 18, false, T(Tab::Advanced), "Full Page Cyan-Magenta-Yellow-Black (Vertical)", I::Toggle, 4602},
      {1218, K::ImageButton, 24, 200, 202, 17, false, T(Tab::Advanced), "Page Printing Margins", I::Toggle, 4604},
      // Options 5 to 13 stand in two columns, created the left one first.
      {1219, K::ImageButton, 24, 218, 133, 17, false, T(Tab::Advanced), "Full Page CYAN", I::Toggle, 4606},
      {1221, K::ImageButton, 24, 234, 133, 18, false, T(Tab::Advanced), "Full Page YELLOW", I::Toggle, 4610},
      {1223, K::ImageButton, 24, 252, 133, 17, false, T(Tab::Advanced), "Full Page RED", I::Toggle, 4614},
      {1225, K::ImageButton, 24, 269, 133, 17, false, T(Tab::Advanced), "Full Page BLUE", I::Toggle, 4618},
      {1227, K::ImageButton, 24, 286, 133, 17, false, T(Tab::Advanced), "CMYK 4 Sided Gradient", I::Toggle, 4622},
      {1220, K::ImageButton, 226, 217, 116, 17, false, T(Tab::Advanced), "Full Page MAGENTA", I::Toggle, 4608},
      {1222, K::ImageButton, 226, 234, 116, 18, false, T(Tab::Advanced), "Full Page BLACK", I::Toggle, 4612},
      {1224, K::ImageButton, 226, 252, 116, 17, false, T(Tab::Advanced), "Full Page GREEN", I::Toggle, 4616},
      {1226, K::ImageButton, 226, 269, 116, 17, false, T(Tab::Advanced), "Full Page WHITE", I::Toggle, 4620},
      {1228, K::ImageButton, 24, 303, 133, 18, false, T(Tab::Advanced), "Full Page Text Only", I::Toggle, 4624},
      // Tab 3: Color Calibration.
      {1229, K::ImageButton, 30, 140, 49, 17, false, T(Tab::Calibration), "BLACK", I::Toggle, 4626},
      {1230, K::ImageButton, 108, 140, 68, 17, false, T(Tab::Calibration), "CYAN", I::Toggle, 4628},
      {1231, K::ImageButton, 108, 157, 68, 18, false, T(Tab::Calibration), "MAGENTA", I::Toggle, 4630},
      {1232, K::ImageButton, 108, 175, 68, 13, false, T(Tab::Calibration), "YELLOW", I::Toggle, 4632},
      {1233, K::ImageButton, 217, 140, 51, 17, false, T(Tab::Calibration), "RED", I::Toggle, 4634},
      {1234, K::ImageButton, 217, 157, 51, 18, false, T(Tab::Calibration), "GREEN", I::Toggle, 4636},
      {1235, K::ImageButton, 217, 175, 51, 13, false, T(Tab::Calibration), "BLUE", I::Toggle, 4638},
      {1236, K::ImageButton, 30, 218, 265, 18, false, T(Tab::Calibration), "Saturation - Lightness Graph Color Finding Method", I::Toggle, 4640},
      {1271, K::ImageStatic, 29, 201, 354, 2, false, T(Tab::Calibration), "separator line", I::Single, 4668},
      {1243, K::ImageStatic, 30, 246, 78, 15, false, T(Tab::Calibration), "label Center Color", I::Single, 4660},
      {1244, K::SwatchStatic, 111, 246, 145, 15, false, T(Tab::Calibration), "swatch of colour slot 9"},
      {1245, K::ImageButton, 255, 244, 29, 19, false, T(Tab::Calibration), "colour button of slot 9", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      // Tab 4: Custom.
      {1237, K::ImageButton, 24, 130, 134, 17, false, T(Tab::Custom), "Full Page Custom Color:", I::Toggle, 4642},
      {1238, K::ImageButton, 24, 147, 134, 17, false, T(Tab::Custom), "Custom Gradient:", I::Toggle, 4644},
      {1239, K::ImageButton, 24, 206, 139, 16, false, T(Tab::Custom), "Draw X on Whole Paper", I::Toggle, 4646},
      {1240, K::ImageButton, 24, 222, 194, 19, false, T(Tab::Custom), "Make Millimetric Paper With Color:", I::Toggle, 4648},
      {1241, K::ImageButton, 24, 241, 171, 17, false, T(Tab::Custom), "Custom 4 Sided Gradient:", I::Toggle, 4650},
      {1242, K::ImageButton, 24, 296, 96, 22, false, T(Tab::Custom), "Color Coverage:", I::Toggle, 4652},
      {1246, K::SwatchStatic, 158, 130, 144, 17, false, T(Tab::Custom), "swatch of colour slot 8"},
      {1247, K::ImageButton, 302, 130, 29, 19, false, T(Tab::Custom), "colour button of slot 8", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1248, K::ImageStatic, 53, 164, 29, 20, false, T(Tab::Custom), "label Left:", I::Single, 4663},
      {1249, K::SwatchStatic, 82, 165, 72, 16, false, T(Tab::Custom), "swatch of colour slot 7"},
      {1250, K::ImageButton, 154, 164, 29, 19, false, T(Tab::Custom), "colour button of slot 7", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1251, K::ImageStatic, 195, 164, 36, 20, false, T(Tab::Custom), "label Right:", I::Single, 4665},
      {1252, K::SwatchStatic, 231, 165, 72, 16, false, T(Tab::Custom), "swatch of colour slot 6"},
      {1253, K::ImageButton, 302, 164, 29, 19, false, T(Tab::Custom), "colour button of slot 6", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1272, K::ImageButton, 39, 184, 81, 22, false, T(Tab::Custom), "Single Bar", I::Toggle, 4654},
      {1273, K::ImageButton, 120, 184, 111, 22, false, T(Tab::Custom), "Full Page Vertical", I::Toggle, 4656},
      {1274, K::ImageButton, 231, 184, 117, 22, false, T(Tab::Custom), "Full Page Orizontal", I::Toggle, 4658},
      {1254, K::SwatchStatic, 218, 222, 84, 17, false, T(Tab::Custom), "swatch of colour slot 5"},
      {1255, K::ImageButton, 303, 222, 29, 19, false, T(Tab::Custom), "colour button of slot 5", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1256, K::ImageStatic, 53, 258, 16, 38, false, T(Tab::Custom), "label 1: / 3:", I::Single, 4661},
      {1257, K::SwatchStatic, 69, 260, 85, 16, false, T(Tab::Custom), "swatch of colour slot 4 (corner 1)"},
      {1259, K::SwatchStatic, 69, 278, 85, 16, false, T(Tab::Custom), "swatch of colour slot 2 (corner 3)"},
      {1258, K::ImageButton, 154, 258, 29, 19, false, T(Tab::Custom), "colour button of slot 4", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1260, K::ImageButton, 154, 277, 29, 19, false, T(Tab::Custom), "colour button of slot 2", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1261, K::ImageStatic, 195, 258, 17, 38, false, T(Tab::Custom), "label 2: / 4:", I::Single, 4662},
      {1262, K::SwatchStatic, 212, 260, 90, 16, false, T(Tab::Custom), "swatch of colour slot 3 (corner 2)"},
      {1264, K::SwatchStatic, 212, 278, 90, 16, false, T(Tab::Custom), "swatch of colour slot 1 (corner 4)"},
      {1263, K::ImageButton, 303, 258, 29, 19, false, T(Tab::Custom), "colour button of slot 3", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1265, K::ImageButton, 303, 277, 29, 19, false, T(Tab::Custom), "colour button of slot 1", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1266, K::SwatchStatic, 127, 299, 84, 16, false, T(Tab::Custom), "swatch of colour slot 0"},
      {1267, K::ImageButton, 212, 298, 29, 19, false, T(Tab::Custom), "colour button of slot 0", I::ColourButton, IDB_COLOUR_BUTTON_PRESSED},
      {1268, K::NumberBox, 247, 300, 85, 16, false, T(Tab::Custom), "coverage percent of Custom item 5"},
      {1269, K::Spin, 247, 298, 10, 16, false, T(Tab::Custom), "spin of 1268"},
      {1270, K::ImageStatic, 332, 296, 16, 22, false, T(Tab::Custom), "label %", I::Single, 4664},
  }};
}();

// The control with this id, or nullptr.
const MainControl* FindControl(int id);

// ---------------------------------------------------------------------------
// Images

// What an image control is showing. A tab button on the current tab shows its
// Pressed image; an option that is chosen shows its Ticked image.
enum class ImageState { Normal, PointerOver, Pressed, Ticked, Unticked };

// The bitmap resource id a control shows in `state`, or 0 when it has no
// image for that state (or no images at all). The banner's Normal image is
// the one it starts with; BannerBitmap(tab) gives the others.
int BitmapFor(int controlId, ImageState state);

// ---------------------------------------------------------------------------
// Settings applied while the window initialises

// Stock object OEM_FIXED_FONT: the report box's and the number boxes' font.
inline constexpr int kStockOemFixedFont = 10;
inline constexpr int kReportBoxControl = 1188;
inline constexpr int kPreviewControl = 1189;
inline constexpr std::uint32_t kReportBoxBackground = 0xFFFFFF;
inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL, for the report box
// Every edit control is drawn black on white.
inline constexpr std::uint32_t kEditBackground = 0xFFFFFF;
inline constexpr std::uint32_t kEditText = 0x000000;

// Each spin counts in base 10 over its box's range (kNumberBoxes) from the
// box's start value.
inline constexpr int kSpinBase = 10;

// The UDM_SETRANGE argument: the upper limit in the low word, the lower
// limit in the high word, each as a 16-bit value.
constexpr std::uint32_t SpinRangeParam(const NumberBox& box) {
  return (static_cast<std::uint32_t>(box.Range().upper) & 0xFFFFu) |
         (static_cast<std::uint32_t>(box.Range().lower) & 0xFFFFu) << 16;
}

// The colour slots whose swatch canvases are attached, in this order
// (kColourSwatches names their statics); the preview canvas comes first.
inline constexpr std::array<int, kColourSlots> kSwatchAttachSlots{9, 0, 7, 6, 8, 4, 3, 2, 1, 5};

}  // namespace veltrim
