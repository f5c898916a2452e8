#pragma once
// The main window: a modeless dialog from template 997 whose procedure
// builds the skinned face, paints the image buttons and canvases, and turns
// commands, the pointer-over timer and dragging into calls on the core.

#include <windows.h>

#include "core/app/tab_switch.hpp"
#include "win32/app/desktop_state.hpp"
#include "win32/app/skinned_controls.hpp"

namespace veltrim {

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Pieces of the procedure, one file each.
void InitMainWindow(HWND window, DesktopState& state);
void OnMainCommand(HWND window, DesktopState& state, int id, int notificationCode);

// Cleanup, then the quit message.
void QuitProgram(DesktopState& state);

// RedrawControl (app/skinned_controls.hpp) for each id of the range.
void RedrawControls(HWND window, IdRange ids);

}  // namespace veltrim
