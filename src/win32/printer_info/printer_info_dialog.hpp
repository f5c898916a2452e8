#pragma once
// The "Printer Informations ..." dialog (template 137): the user picks a
// printer in the print dialog and reads its capabilities and device mode in
// one read-only text box. Close ends it with 1, Esc or the close box with 2;
// a cancelled print dialog ends it at once with 0, before it is shown.

#include <windows.h>

#include "core/app/app_state.hpp"

namespace veltrim {

inline constexpr int kPrinterInfoDialog = 137;
inline constexpr int kPrinterInfoText = 1053;

// Runs the dialog from `instance`'s template over `owner`; the printer
// chosen becomes `state`'s printer name and port. The dialog's end code.
INT_PTR ShowPrinterInfo(HWND owner, HINSTANCE instance, AppState& state);

}  // namespace veltrim
