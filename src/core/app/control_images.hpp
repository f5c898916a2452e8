#pragma once
// Which image an owner-drawn control of the main window shows, from the
// press state, the pointer-over flags and the selection; and the bitmaps the
// program loads once at start-up.

#include <vector>

#include "core/app/app_state.hpp"

namespace veltrim {

// The bitmap resource id control `controlId` shows, or 0 when it is not an
// owner-drawn control. `pressed` is the button being held down.
int ImageFor(int controlId, bool pressed, const AppState& state);

// Every bitmap resource loaded at start-up, in load order: the main
// window's images 4500..4668, then the about box's 4400..4420.
std::vector<int> StartUpBitmaps();

}  // namespace veltrim
