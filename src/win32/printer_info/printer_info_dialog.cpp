#include "win32/printer_info/printer_info_dialog.hpp"

#include "backends/gdi/gdi_device_mode.hpp"
#include "backends/gdi/gdi_print.hpp"
#include "backends/gdi/gdi_surface.hpp"
#include "core/info/printer_info_report.hpp"
#include "win32/app/desktop_state.hpp"
#include "win32/main_window/dialog_print_host.hpp"

namespace veltrim {
namespace {

// Runs the print dialog and fills the text box. Every handle the print
// dialog returned is released before this returns.
void ShowReport(HWND dialog) {
  DesktopState* state = CurrentDesktop();
  const HINSTANCE instance = state ? state->instance : ::GetModuleHandleA(nullptr);
  PrintDialogResult chosen = RunPrintDialog(dialog, instance);
  if (!chosen.accepted) {
    ::EndDialog(dialog, 0);
    return;
  }
  if (!chosen.dc) return;  // nothing to report on: the box stays empty
  if (state) {
    CopyToWorkBuffer(chosen.printer.name, state->printerName);
    CopyToWorkBuffer(chosen.printer.port, state->printerPort);
  }
  GdiSurface printer(chosen.dc.Get());
  PrinterInfo info{chosen.printer.name, chosen.printer.port, ReadPrinterCapabilities(printer),
                   ReadDeviceMode(chosen.devMode.Get())};
  DynString report;
  BuildPrinterInfoReport(report, info);
  ::SendDlgItemMessageA(dialog, kPrinterInfoText, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(report.Data()));
}

}  // namespace

INT_PTR CALLBACK PrinterInfoProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      ShowReport(dialog);
      ::SendDlgItemMessageA(dialog, kPrinterInfoText, WM_SETFONT,
                            reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)), TRUE);
      // Posted: after WM_INITDIALOG the dialog manager focuses the text box
      // and selects all of it; this arrives after that, so nothing stays
      // selected.
      ::PostMessageA(::GetDlgItem(dialog, kPrinterInfoText), EM_SETSEL, static_cast<WPARAM>(-1), 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(dialog, LOWORD(wParam));
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace veltrim
