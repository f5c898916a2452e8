// A Windows program for the harness: runs the gdi backend's print dialog target for real and tells what it chose, one
// "key value" line each.
//
//   gdi_target_probe.exe QUEUE ok|cancel
//       PrintDialogTarget; a second thread waits for the dialog, reports its controls, picks QUEUE in the printer
//       list and presses OK or Cancel. A device it gives runs one empty page, and "job StartDoc StartPage EndPage
//       EndDoc" tells the spooler's results.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "backends/gdi/gdi_print.hpp"
#include "dialog_driver.hpp"

int main(int argc, char** argv) {
  using namespace veltrim;
  if (argc != 3) {
    std::fprintf(stderr, "usage: gdi_target_probe QUEUE ok|cancel\n");
    return 2;
  }
  const std::string queue = argv[1];
  const int button = std::strcmp(argv[2], "ok") == 0 ? IDOK : IDCANCEL;
  // What the driving thread saw, printed once the dialog is gone.
  std::string seen = "dialog 0\n";
  std::thread driver([thread = ::GetCurrentThreadId(), &queue, button, &seen] {
    const HWND dialog = test::WaitForDialog(thread, test::kPrinterList, std::chrono::seconds(20));
    if (!dialog) return;
    seen = "dialog 1\n";
    for (const int id : {1154, 9999, 1092, 1073, 1086, 1041, 1139, 1101}) {
      const HWND control = ::GetDlgItem(dialog, id);
      seen += "control " + std::to_string(id) + " exists " + (control ? "1" : "0") + " visible " +
              (control && ::IsWindowVisible(control) ? "1" : "0") + "\n";
    }
    seen += "selected " + std::to_string(test::PickPrinter(dialog, queue.c_str())) + "\n";
    test::PressDialogButton(dialog, button);
  });
  PrintDialogTarget target(nullptr, ::GetModuleHandleA(nullptr));
  PrintChoice choice = target.Choose();
  driver.join();
  std::printf("%saccepted %d\ndevice %d\nname %s\nport %s\n", seen.c_str(), choice.accepted ? 1 : 0,
              choice.device ? 1 : 0, choice.printerName.c_str(), choice.printerPort.c_str());
  if (!choice.device) return 0;
  PrintDevice& device = *choice.device;
  const int startDoc = device.StartDocA("gdi target probe");
  const int startPage = startDoc > 0 ? device.StartPage() : 0;
  const int endPage = startPage > 0 ? device.EndPage() : 0;
  const int endDoc = startDoc > 0 ? device.EndDoc() : 0;
  std::printf("job %d %d %d %d\n", startDoc, startPage, endPage, endDoc);
  return startDoc > 0 && startPage > 0 && endPage > 0 && endDoc > 0 ? 0 : 1;
}
