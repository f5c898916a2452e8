#include "backends/gdi/gdi_print.hpp"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace veltrim {
namespace {

// Copies, collate and their labels: the job's repetition comes from its own
// document and page counts, never from the driver.
constexpr std::array<int, 6> kHiddenControls{1154, 9999, 1092, 1073, 1086, 1041};
constexpr int kPrinterCombo = 1139;
constexpr int kPortText = 1101;

constexpr DWORD kPrintDialogFlags =
    PD_DISABLEPRINTTOFILE | PD_ENABLEPRINTHOOK | PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
static_assert(kPrintDialogFlags == 0x8110C);
static_assert(kSpError == SP_ERROR);

#if !defined(_WIN64)
// The 32-bit records are packed; on x64 the same records are larger.
static_assert(sizeof(PRINTDLGA) == 66);
static_assert(sizeof(DOCINFOA) == 20);
#endif

// The selected entry of a combo box, measured before it is copied.
std::string SelectedComboText(HWND dialog, int id) {
  const LRESULT index = ::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
  if (index < 0) return {};
  const LRESULT length = ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                               reinterpret_cast<LPARAM>(text.data()));
  if (copied < 0) return {};
  text.resize(std::min(static_cast<std::size_t>(copied), static_cast<std::size_t>(length)));
  return text;
}

std::string WindowText(HWND window) {
  if (!window) return {};
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return text;
}

// Runs a spooler query that reports the size it needs, with a buffer of
// `Info` records so the returned structures are properly aligned. Asks again
// if the answer grew in between.
template <typename Info, typename Query>
std::vector<Info> SpoolerQuery(Query query) {
  std::vector<Info> buffer;
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(Info));
    DWORD needed = 0;
    if (query(reinterpret_cast<BYTE*>(buffer.data()), size, &needed)) return buffer;
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= size) break;
    buffer.resize((needed + sizeof(Info) - 1) / sizeof(Info));
  }
  return {};
}

}  // namespace

FailureReason SpoolerFailure(DWORD code) {
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<char*>(&text), 0, nullptr);
  const std::unique_ptr<char, decltype(&::LocalFree)> owned(text, &::LocalFree);
  std::string message(text ? text : "", text ? length : 0);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  if (message.empty()) message = "error " + std::to_string(code);
  return {std::move(message), code == ERROR_INVALID_PRINTER_NAME};
}

int GdiPrintDevice::Noted(int result) {
  if (result <= 0) failure_ = SpoolerFailure(::GetLastError());
  return result;
}

int GdiPrintDevice::StartDocA(const char* documentName) {
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = documentName;
  doc.lpszOutput = nullptr;
  doc.lpszDatatype = nullptr;
  doc.fwType = 0;
  const int result = Noted(::StartDocA(dc_.Get(), &doc));
  lastJobId_ = result > 0 ? result : 0;
  return result;
}

int GdiPrintDevice::StartPage() { return Noted(::StartPage(dc_.Get())); }

int GdiPrintDevice::EndPage() { return Noted(::EndPage(dc_.Get())); }

int GdiPrintDevice::EndDoc() { return Noted(::EndDoc(dc_.Get())); }

UINT_PTR CALLBACK PrintDlgHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      // The hook's target stays with the dialog until it is destroyed.
      if (const auto* request = reinterpret_cast<const PRINTDLGA*>(lParam))
        ::SetWindowLongPtrA(dialog, GWLP_USERDATA, request->lCustData);
      for (const int id : kHiddenControls) {
        if (const HWND control = ::GetDlgItem(dialog, id)) ::ShowWindow(control, SW_HIDE);
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        if (auto* printer = reinterpret_cast<HookedPrinter*>(::GetWindowLongPtrA(dialog, GWLP_USERDATA))) {
          printer->name = SelectedComboText(dialog, kPrinterCombo);
          printer->port = WindowText(::GetDlgItem(dialog, kPortText));
        }
      }
      break;
    case WM_DESTROY:
      ::SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return 0;
}

PrintDialogResult RunPrintDialog(HWND owner, HINSTANCE instance) {
  PRINTDLGA dialog{};
  // sizeof, not a number: 66 bytes in the packed 32-bit layout, more on x64.
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = nullptr;
  dialog.hDevNames = nullptr;
  dialog.Flags = kPrintDialogFlags;
  dialog.nCopies = 1;
  dialog.hInstance = instance;
  dialog.lpfnPrintHook = PrintDlgHook;

  PrintDialogResult result;
  dialog.lCustData = reinterpret_cast<LPARAM>(&result.printer);
  result.accepted = ::PrintDlgA(&dialog) != FALSE;
  result.devMode.Reset(dialog.hDevMode);
  result.devNames.Reset(dialog.hDevNames);
  result.dc.Reset(dialog.hDC);
  return result;
}

std::string PrinterPort(HANDLE printer) {
  const auto info = SpoolerQuery<PRINTER_INFO_2A>(
      [&](BYTE* buffer, DWORD size, DWORD* needed) { return ::GetPrinterA(printer, 2, buffer, size, needed); });
  if (info.empty() || !info.front().pPortName) return {};
  return info.front().pPortName;
}

PrintChoice PrintDialogTarget::Choose() {
  // Only the DC is used; the dialog's memory blocks go back at once.
  PrintDialogResult dialog = RunPrintDialog(owner_, instance_);
  PrintChoice choice;
  choice.accepted = dialog.accepted;
  if (dialog.dc) choice.device = std::make_unique<GdiPrintDevice>(std::move(dialog.dc));
  choice.printerName = std::move(dialog.printer.name);
  choice.printerPort = std::move(dialog.printer.port);
  return choice;
}

PrintChoice NamedPrinterTarget::Choose() {
  PrintChoice choice;
  // Opening the printer also loads the spooler, which is what brings the
  // system's queues into this process's printer list.
  const win::OwnedPrinter printer = win::OpenNamedPrinter(name_);
  if (!printer) {
    failure_ = SpoolerFailure(::GetLastError());
    return choice;
  }

  choice.accepted = true;
  choice.printerName = name_;
  choice.printerPort = PrinterPort(printer.Get());
  if (const HDC dc = ::CreateDCA(nullptr, name_.c_str(), nullptr, nullptr))
    choice.device = std::make_unique<GdiPrintDevice>(win::OwnedDc(dc));
  else
    failure_ = SpoolerFailure(::GetLastError());
  return choice;
}

std::vector<PrinterEntry> ListPrinters() {
  DWORD count = 0;
  const auto infos = SpoolerQuery<PRINTER_INFO_2A>([&](BYTE* buffer, DWORD size, DWORD* needed) {
    return ::EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, buffer, size, needed, &count);
  });
  std::vector<PrinterEntry> printers;
  for (DWORD i = 0; i < count && i < infos.size(); ++i) {
    const PRINTER_INFO_2A& info = infos[i];
    printers.push_back({info.pPrinterName ? info.pPrinterName : "", info.pPortName ? info.pPortName : ""});
  }
  return printers;
}

std::string DefaultPrinterName() {
  DWORD size = 0;
  ::GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return {};
  std::string name(size, '\0');
  if (!::GetDefaultPrinterA(name.data(), &size)) return {};
  name.resize(strnlen(name.c_str(), name.size()));
  return name;
}

}  // namespace veltrim
