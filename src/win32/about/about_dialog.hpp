#pragma once
// The about box: a modal, skinned dialog from template 15 with the credits,
// licence, history and shortcuts texts and the three internet actions.

#include <windows.h>

#include "win32/app/desktop_state.hpp"

namespace veltrim {

// Runs the about box over `owner`; its buttons' images and pointer-over
// flags are `state`'s.
void ShowAboutBox(HWND owner, DesktopState& state);

}  // namespace veltrim
