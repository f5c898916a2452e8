#pragma once
// The main window: a modeless dialog from template 997 whose procedure
// builds the skinned face, paints the image buttons and canvases, and turns
// commands, the pointer-over timer and dragging into calls on the core.

#include <windows.h>

#include "core/app/tab_switch.hpp"
#include "win32/app/desktop_state.hpp"
#include "win32/app/dialog_base.hpp"
#include "win32/app/skinned_controls.hpp"

namespace veltrim {

// The main window of the program's record `state`, which outlives it. When
// this object goes first (the program's end, after the message loop), the
// window stays, answering nothing more, until the process ends it, as the
// rich-edit libraries its report box came from may already be gone.
class MainWindowDialog final : public DialogBase<MainWindowDialog> {
 public:
  explicit MainWindowDialog(DesktopState& state) noexcept : state_(state) {}
  ~MainWindowDialog() { Detach(); }

  // Creates the window from template 997; null when it cannot be created.
  HWND Create();

 private:
  friend class DialogBase<MainWindowDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item);
  INT_PTR OnCtlColorEdit(HDC dc);
  INT_PTR OnCtlColorStatic(HDC dc, HWND control);

  DesktopState& state_;
};

// Pieces of the procedure, one file each.
void InitMainWindow(HWND window, DesktopState& state);
void OnMainCommand(HWND window, DesktopState& state, int id, int notificationCode);

// Cleanup, then the quit message.
void QuitProgram(DesktopState& state);

// RedrawControl (app/skinned_controls.hpp) for each id of the range.
void RedrawControls(HWND window, IdRange ids);

}  // namespace veltrim
