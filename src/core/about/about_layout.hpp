#pragma once
// The about box as data: its template and size, every control in creation
// order with its place, size and images, and which image an image button
// shows. The Win32 front end builds the box from this.

#include <array>
#include <cstdint>
#include <span>

#include "core/platform/resource_ids.h"

namespace veltrim {

inline constexpr int kAboutWidth = 501;
inline constexpr int kAboutHeight = 341;
inline constexpr int kAboutTimerId = 14;
inline constexpr int kAboutTimerPeriodMs = 50;

inline constexpr int kAboutClose = 4000;
inline constexpr int kAboutLicence = 4001;
inline constexpr int kAboutHistory = 4002;
inline constexpr int kAboutShortcuts = 4003;
inline constexpr int kAboutCredits = 4004;
inline constexpr int kAboutWebsite = 4005;
inline constexpr int kAboutMail = 4006;
inline constexpr int kAboutUpdates = 4007;
inline constexpr int kAboutTextBox = 4008;

// Buttons 4000..4004 have a pointer-over image; flag i is button 4000 + i.
inline constexpr int kAboutHoverButtons = 5;
using AboutHoverFlags = std::array<std::uint8_t, kAboutHoverButtons>;

struct AboutControl {
  int id;
  int x;
  int y;
  int width;
  int height;
  int firstBitmap;  // 0: the text box
  int images;       // 3: normal, pointer-over, pressed; 2: normal, pressed
};

inline constexpr std::array<AboutControl, 9> kAboutControls{{
    {kAboutClose, 463, 4, 22, 21, 4400, 3},
    {kAboutLicence, 33, 103, 43, 16, 4403, 3},
    {kAboutHistory, 76, 103, 45, 16, 4406, 3},
    {kAboutShortcuts, 121, 103, 54, 16, 4409, 3},
    {kAboutCredits, 175, 103, 46, 16, 4412, 3},
    {kAboutWebsite, 436, 276, 41, 15, 4415, 2},
    {kAboutMail, 436, 291, 41, 16, 4417, 2},
    {kAboutUpdates, 436, 307, 41, 17, 4419, 2},
    {kAboutTextBox, 21, 134, 369, 186, 0, 0},
}};

// The control of `id`, or null.
const AboutControl* FindAboutControl(int id);

// The bitmap an image button shows: pressed, its last image; the pointer
// over it (4000..4004 only), its second; else its first. 0 for other ids.
int AboutImageFor(int id, bool pressed, const AboutHoverFlags& hover);

}  // namespace veltrim
