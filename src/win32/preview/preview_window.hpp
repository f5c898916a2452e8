#pragma once
// The main window's preview area (control 1189): cleared, drawn by the
// core's DrawPreview from the selection and the offset box, then copied to
// the control in one block transfer.

#include <windows.h>

#include "app/desktop_state.hpp"

namespace veltrim {

inline constexpr const char* kUnknownTabText = "Oups. Internal error ... You should not see this !";

void RefreshPreview(HWND window, DesktopState& state);

}  // namespace veltrim
