#pragma once
// Printing through the Windows spooler: the print device over a printer DC,
// the print dialog with its hook (the GUI), a printer chosen by name (the
// CLI), and the printer list.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim {

// The system's text for a GetLastError code (FormatMessageA), without its
// line end; ERROR_INVALID_PRINTER_NAME marks a printer not known.
FailureReason SpoolerFailure(DWORD code);

// A printer DC owned for one job; the spooler's results are passed back
// as they come.
class GdiPrintDevice final : public PrintDevice {
 public:
  explicit GdiPrintDevice(win::OwnedDc dc) noexcept : dc_(std::move(dc)), surface_(dc_.Get()) {}

  HDC Dc() const noexcept { return dc_.Get(); }

  Surface& Page() override { return surface_; }
  int StartDocA(const char* documentName) override;
  int StartPage() override;
  int EndPage() override;
  int EndDoc() override;
  int SpoolerJobId() const override { return lastJobId_; }
  FailureReason LastFailure() const override { return failure_; }

 private:
  // `result` of a spooler call; GetLastError noted when it failed.
  int Noted(int result);

  win::OwnedDc dc_;
  GdiSurface surface_;
  int lastJobId_ = 0;  // StartDoc's answer: the print job's id
  FailureReason failure_;
};

// The printer name and port that PrintDlgHook copied when the user pressed
// OK.
struct HookedPrinter {
  std::string name;
  std::string port;
};

// The print dialog's hook: hides the copies and collate controls when the
// dialog opens and, on OK, copies the chosen printer's name (combo box 1139)
// and port (static 1101) into the HookedPrinter that PRINTDLGA's lCustData
// points to (none when it is 0). Always returns 0 so the dialog goes on with
// its own handling.
UINT_PTR CALLBACK PrintDlgHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the print dialog answered, every handle owned: the DC is deleted
// first, then the device names, then the device mode.
struct PrintDialogResult {
  bool accepted = false;
  win::OwnedGlobal devMode;
  win::OwnedGlobal devNames;
  win::OwnedDc dc;
  HookedPrinter printer;  // as PrintDlgHook copied it
};

// The standard print dialog with PrintDlgHook, owned by `owner`, asking for
// a DC and showing neither page numbers, selection nor print-to-file.
PrintDialogResult RunPrintDialog(HWND owner, HINSTANCE instance);

// The port a printer prints to; empty when the spooler does not say.
std::string PrinterPort(HANDLE printer);

// The standard print dialog with PrintDlgHook; the DC it returns becomes the
// choice's device.
class PrintDialogTarget final : public PrintTarget {
 public:
  PrintDialogTarget(HWND owner, HINSTANCE instance) noexcept : owner_(owner), instance_(instance) {}
  PrintChoice Choose() override;

 private:
  HWND owner_;
  HINSTANCE instance_;
};

// A printer named by the user. A name the spooler does not know is a
// declined choice, as a cancelled dialog would be.
class NamedPrinterTarget final : public PrintTarget {
 public:
  explicit NamedPrinterTarget(std::string name) : name_(std::move(name)) {}
  PrintChoice Choose() override;
  FailureReason LastFailure() const override { return failure_; }

 private:
  std::string name_;
  FailureReason failure_;
};

struct PrinterEntry {
  std::string name;
  std::string port;
  friend bool operator==(const PrinterEntry&, const PrinterEntry&) = default;
};

// Local and connected printers, in the spooler's order.
std::vector<PrinterEntry> ListPrinters();

// Empty when the system has no default printer.
std::string DefaultPrinterName();

}  // namespace veltrim
