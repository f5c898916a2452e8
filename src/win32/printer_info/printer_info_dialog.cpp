#include "win32/printer_info/printer_info_dialog.hpp"

#include "backends/gdi/gdi_device_mode.hpp"
#include "backends/gdi/gdi_print.hpp"
#include "backends/gdi/gdi_surface.hpp"
#include "core/info/printer_info_report.hpp"
#include "win32/app/dialog_base.hpp"
#include "win32/main_window/dialog_print_host.hpp"

namespace veltrim {
namespace {

class PrinterInfoDialog final : public DialogBase<PrinterInfoDialog> {
 public:
  PrinterInfoDialog(HINSTANCE instance, AppState& state) : instance_(instance), state_(state) {}
  INT_PTR Run(HWND owner) { return RunModal(instance_, kPrinterInfoDialog, owner); }

 private:
  friend class DialogBase<PrinterInfoDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void ShowReport();

  HINSTANCE instance_;
  AppState& state_;
};

INT_PTR PrinterInfoDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(Window(), LOWORD(wParam));
      return FALSE;
    default:
      return FALSE;
  }
}

void PrinterInfoDialog::OnInitDialog() {
  const HWND dialog = Window();
  ShowReport();
  ::SendDlgItemMessageA(dialog, kPrinterInfoText, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)),
                        TRUE);
  // Posted: after WM_INITDIALOG the dialog manager focuses the text box
  // and selects all of it; this arrives after that, so nothing stays
  // selected.
  ::PostMessageA(::GetDlgItem(dialog, kPrinterInfoText), EM_SETSEL, static_cast<WPARAM>(-1), 0);
}

// Runs the print dialog and fills the text box. Every handle the print
// dialog returned is released before this returns.
void PrinterInfoDialog::ShowReport() {
  const HWND dialog = Window();
  PrintDialogResult chosen = RunPrintDialog(dialog, instance_);
  if (!chosen.accepted) {
    ::EndDialog(dialog, 0);
    return;
  }
  if (!chosen.dc) return;  // nothing to report on: the box stays empty
  CopyToWorkBuffer(chosen.printer.name, state_.printerName);
  CopyToWorkBuffer(chosen.printer.port, state_.printerPort);
  GdiSurface printer(chosen.dc.Get());
  PrinterInfo info{chosen.printer.name, chosen.printer.port, ReadPrinterCapabilities(printer),
                   ReadDeviceMode(chosen.devMode.Get())};
  DynString report;
  BuildPrinterInfoReport(report, info);
  ::SendDlgItemMessageA(dialog, kPrinterInfoText, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(report.Data()));
}

}  // namespace

INT_PTR ShowPrinterInfo(HWND owner, HINSTANCE instance, AppState& state) {
  return PrinterInfoDialog(instance, state).Run(owner);
}

}  // namespace veltrim
