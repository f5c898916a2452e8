#pragma once
// The build-time art of the Windows program: every bitmap the main window
// and the about box show, described as data (recipes) and drawn through Surface.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "core/job/test_selection.hpp"
#include "core/platform/device_caps.hpp"
#include "core/platform/surface.hpp"

namespace veltrim::art {

enum class Kind {
  Background,    // the main window's skin, with the number-box labels
  AboutBackground,  // the about box's skin, with the frame of its text box
  CloseButton,   // a cross
  Tab,           // a tab button
  Command,       // a command button with a text label
  ActionButton,  // a command button without a pointer-over look
  MenuButton,    // opens the selection menu: a down arrow
  Banner,        // the heading of a tab's list
  CheckItem,     // a test item with a tick box
  RadioItem,     // an option of a one-of-many choice
  Label,         // a text on the window's background; '\n' splits it into rows of equal height
  ColourButton,  // "..." next to a colour swatch
  Separator,     // a thin line across a tab's list
};

enum class State {
  Plain,      // kinds with one look
  Normal,
  Hover,      // the pointer is over it
  Pressed,
  Current,    // the tab on show
  Ticked,     // check items: ticked; radio items: chosen
  Unticked,   // check items: not ticked; radio items: not chosen
};

struct Recipe {
  int id = 0;
  int width = 0;
  int height = 0;
  Kind kind = Kind::Label;
  std::string_view label;
  State state = State::Plain;
  int labelPixels = 0;  // the label's size, shared by its group; 0: its own
};

// Every bitmap, in ascending id order.
const std::vector<Recipe>& Recipes();

// The largest size at which the recipe's label fits its control (0 for a
// control without a one-line label).
int FittedLabelPixels(Surface& surface, const Recipe& recipe);

// Draws one recipe on a surface of exactly its size, at 96 dpi.
void Draw(Surface& surface, const Recipe& recipe);

// The application icon at one square size.
void DrawIcon(Surface& surface, int size);

// The photograph-like test picture of the Bitmapped Image page, on a
// surface of kTestPictureWidth x kTestPictureHeight (test_picture.hpp).
void DrawTestPicture(Surface& surface);

// Pixels of a drawn picture: rows top-down, 0x00RRGGBB a pixel.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Drawn with a CairoSurface on an image page of exactly the size.
Picture RenderRecipe(const Recipe& recipe);
Picture RenderIcon(int size);
Picture RenderTestPicture();

// `draw` on an image page of the device's printable area, one unit a pixel.
Picture RenderOn(const DeviceCaps& caps, const std::function<void(Surface&)>& draw);

// The main window's preview pictures, ids 20 to 37 in ascending order: the
// real pages drawn at full size, the part each shows averaged down to its
// size.
struct PreviewPicture {
  int id = 0;
  Picture picture;
};
std::vector<PreviewPicture> DrawPreviewPictures();

// A whole page of `selection` as the real patterns print it, averaged down
// to width x height.
Picture DrawnPagePicture(Tab tab, const std::vector<int>& items, int option, int width, int height);

// 24-bit Windows bitmap file.
bool WriteBmp(const std::filesystem::path& file, const Picture& picture);
// An icon file holding every picture (square, at most 256 a side) as a
// 32-bit image with an all-opaque mask.
bool WriteIco(const std::filesystem::path& file, const std::vector<Picture>& pictures);

}  // namespace veltrim::art
