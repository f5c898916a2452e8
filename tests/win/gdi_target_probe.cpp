// A Windows program for the harness: runs the gdi backend's print targets
// for real and tells what they chose, one "key value" line each.
//
//   gdi_target_probe.exe dialog QUEUE ok|cancel
//       PrintDialogTarget; a second thread waits for the dialog, reports its
//       controls, picks QUEUE in the printer list and presses OK or Cancel.
//   gdi_target_probe.exe named NAME
//       NamedPrinterTarget; when it gives a device, prints the test page
//       with a bitmap file as well.
//   gdi_target_probe.exe printers
//       ListPrinters and DefaultPrinterName.
//
// A device is used for one page: a red box (200,300)-(800,700), a blue
// ellipse (1000,300)-(1600,900), a green line 40 wide along y = 1000 from
// x = 200 to 1600, and in the named mode a 2 x 2 bitmap file (red, green /
// blue, yellow) stretched to (200,1200)-(600,1600). It prints "caps
// LOGPIXELSX LOGPIXELSY PHYSICALOFFSETX PHYSICALOFFSETY" and "job StartDoc
// StartPage EndPage EndDoc" with the spooler's results.
#include <windows.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "dialog_driver.hpp"
#include "gdi_print.hpp"
#include "platform/scoped_object.hpp"
#include "test_bitmap.hpp"

namespace {

using namespace veltrim;

constexpr std::array<int, 8> kReportedControls{1154, 9999, 1092, 1073, 1086, 1041, 1139, 1101};

void Line(const char* key, const std::string& value) { std::printf("%s %s\n", key, value.c_str()); }

// What the driving thread saw; printed by the main thread afterwards.
struct DialogReport {
  bool found = false;
  std::vector<std::string> controls;
  long selected = -1;
  std::string portShown;
};

std::string WindowText(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Waits for the print dialog of `thread`, reports its controls, picks the
// queue and closes the dialog with `button`.
std::thread DriveDialog(DWORD thread, std::string queue, int button, DialogReport& report) {
  return std::thread([thread, queue = std::move(queue), button, &report] {
    const HWND dialog = test::WaitForDialog(thread, test::kPrinterList, std::chrono::seconds(20));
    if (!dialog) return;
    report.found = true;
    for (const int id : kReportedControls) {
      const HWND control = ::GetDlgItem(dialog, id);
      report.controls.push_back(std::to_string(id) + " exists " + (control ? "1" : "0") + " visible " +
                                (control && ::IsWindowVisible(control) ? "1" : "0"));
    }
    report.selected = test::PickPrinter(dialog, queue.c_str());
    report.portShown = WindowText(::GetDlgItem(dialog, 1101));
    test::PressDialogButton(dialog, button);
  });
}

void PrintReport(const DialogReport& report) {
  Line("dialog", report.found ? "1" : "0");
  for (const std::string& control : report.controls) Line("control", control);
  Line("selected", std::to_string(report.selected));
  Line("shown-port", report.portShown);
}

int PrintTestPage(PrintDevice& device, const char* bitmapFile) {
  Surface& page = device.Page();
  std::printf("caps %d %d %d %d\n", page.GetDeviceCaps(DeviceCap::LogPixelsX),
              page.GetDeviceCaps(DeviceCap::LogPixelsY), page.GetDeviceCaps(DeviceCap::PhysicalOffsetX),
              page.GetDeviceCaps(DeviceCap::PhysicalOffsetY));
  const int startDoc = device.StartDocA("gdi target probe");
  const int startPage = startDoc > 0 ? device.StartPage() : 0;
  if (startPage > 0) {
    {
      const ScopedSelection noPen(page, page.GetStockObject(StockObject::NullPen));
      {
        const auto red = ScopedBrush(page, Rgb(255, 0, 0));
        page.Rectangle(200, 300, 800, 700);
      }
      const auto blue = ScopedBrush(page, Rgb(0, 0, 255));
      page.Ellipse(1000, 300, 1600, 900);
    }
    {
      const auto green = ScopedPen(page, PenStyle::Solid, 40, Rgb(0, 255, 0));
      page.MoveToEx(200, 1000, nullptr);
      page.LineTo(1600, 1000);
    }
    if (bitmapFile && *bitmapFile) {
      const ObjectHandle bitmap = page.LoadBitmapFile(bitmapFile);
      Line("bitmap", bitmap ? "1" : "0");
      if (bitmap) {
        Line("stretch", page.StretchBlt(200, 1200, 400, 400, bitmap, 0, 0, 2, 2) ? "1" : "0");
        page.DeleteObject(bitmap);
      }
    }
  }
  const int endPage = startPage > 0 ? device.EndPage() : 0;
  const int endDoc = startDoc > 0 ? device.EndDoc() : 0;
  std::printf("job %d %d %d %d\n", startDoc, startPage, endPage, endDoc);
  return startDoc > 0 && startPage > 0 && endPage > 0 && endDoc > 0 ? 0 : 1;
}

int PrintChoiceAndPage(PrintChoice& choice, const char* bitmapFile) {
  Line("accepted", choice.accepted ? "1" : "0");
  Line("device", choice.device ? "1" : "0");
  Line("name", choice.printerName);
  Line("port", choice.printerPort);
  std::fflush(stdout);
  if (!choice.device) return 0;
  return PrintTestPage(*choice.device, bitmapFile);
}

int RunDialog(const std::string& queue, bool accept) {
  DialogReport report;
  std::thread driver = DriveDialog(::GetCurrentThreadId(), queue, accept ? IDOK : IDCANCEL, report);
  PrintDialogTarget target(nullptr, ::GetModuleHandleA(nullptr));
  PrintChoice choice = target.Choose();
  driver.join();
  PrintReport(report);
  return PrintChoiceAndPage(choice, nullptr);
}

// Writes the 2 x 2 picture beside the other temporary files; empty on failure.
std::string WritePicture() {
  char folder[MAX_PATH];
  if (::GetTempPathA(MAX_PATH, folder) == 0) return {};
  const std::string file = std::string(folder) + "gdi_target_probe_" + std::to_string(::GetCurrentProcessId()) + ".bmp";
  constexpr std::array<std::uint32_t, 4> picture{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
  return test::WriteBmp24(file, 2, 2, picture) ? file : std::string();
}

int RunNamed(const char* name) {
  PrintChoice choice = NamedPrinterTarget(name).Choose();
  const std::string picture = WritePicture();
  const int result = PrintChoiceAndPage(choice, picture.c_str());
  if (!picture.empty()) ::DeleteFileA(picture.c_str());
  return result;
}

int RunPrinters() {
  for (const PrinterEntry& printer : ListPrinters())
    std::printf("printer %s %s\n", printer.name.c_str(), printer.port.c_str());
  Line("default", DefaultPrinterName());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  int result = 2;
  if (mode == "dialog" && argc == 4) {
    result = RunDialog(argv[2], std::strcmp(argv[3], "ok") == 0);
  } else if (mode == "named" && argc == 3) {
    result = RunNamed(argv[2]);
  } else if (mode == "printers" && argc == 2) {
    result = RunPrinters();
  } else {
    std::fprintf(stderr, "usage: gdi_target_probe dialog QUEUE ok|cancel | named NAME | printers\n");
  }
  std::fflush(stdout);
  return result;
}
