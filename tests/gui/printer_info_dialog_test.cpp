// F4 on the main window opens the printer information dialog: the print
// dialog answered on the queue the wine test names in VELTRIM_GUI_QUEUE, and
// the report of that queue (the generic PostScript driver at 300 dpi Letter)
// in the text box. Esc and Close end the dialog with their own results; a
// cancelled print dialog ends it before it shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "dialog_driver.hpp"
#include "main_window_driver.hpp"
#include "printer_info/printer_info_dialog.hpp"

namespace veltrim::test {
namespace {

const char* Queue() { return std::getenv("VELTRIM_GUI_QUEUE"); }

struct Shown {
  std::string text;
  HFONT font = nullptr;
  DWORD selectionStart = 1;
  DWORD selectionEnd = 2;
};

// Answers the print dialog with `queue` (or cancels it), then reads the
// report dialog and ends it with `how`: a key sent to the text box, or a
// command. Runs on a second thread while the dialog's loop runs.
class Answer {
 public:
  Answer(const char* queue, UINT key, int command)
      : thread_([this, owner = ::GetCurrentThreadId(), queue, key, command] { Run(owner, queue, key, command); }) {}
  ~Answer() {
    if (thread_.joinable()) thread_.join();
  }
  void Join() { thread_.join(); }

  long picked = -2;
  bool reportShown = false;
  Shown shown;

 private:
  void Run(DWORD owner, const char* queue, UINT key, int command) {
    const HWND print = WaitForDialog(owner, kPrinterList, std::chrono::seconds(30));
    if (!print) return;
    picked = queue ? PickPrinter(print, queue) : -1;
    PressDialogButton(print, picked >= 0 ? IDOK : IDCANCEL);
    if (picked < 0) return;
    // The print dialog goes before the report dialog opens.
    for (int i = 0; i < 1500 && ::IsWindow(print) && ::IsWindowVisible(print); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const HWND info = WaitForDialog(owner, kPrinterInfoText, std::chrono::seconds(30));
    if (!info) return;
    reportShown = true;
    const HWND box = ::GetDlgItem(info, kPrinterInfoText);
    const int length = ::GetWindowTextLengthA(box);
    shown.text.assign(static_cast<std::size_t>(length) + 1, '\0');
    shown.text.resize(static_cast<std::size_t>(::GetWindowTextA(box, shown.text.data(), length + 1)));
    shown.font = reinterpret_cast<HFONT>(::SendMessageA(box, WM_GETFONT, 0, 0));
    // The dialog's own messages settle first (its loop has just started).
    for (int i = 0; i < 100; ++i) {
      ::SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&shown.selectionStart),
                     reinterpret_cast<LPARAM>(&shown.selectionEnd));
      if (shown.selectionStart == shown.selectionEnd) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (key != 0) {
      ::PostMessageA(box, WM_KEYDOWN, key, 1);
      ::PostMessageA(box, WM_KEYUP, key, 0xC0000001);
    } else {
      PressDialogButton(info, command);
    }
  }

  std::thread thread_;
};

INT_PTR OpenDialog(HWND owner) {
  return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPrinterInfoDialog), owner,
                           PrinterInfoProc, 0);
}

TEST(PrinterInfoDialog, F4ShowsTheChosenQueuesReport) {
  ASSERT_NE(Queue(), nullptr) << "VELTRIM_GUI_QUEUE names the queue to report on";
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  Answer answer(Queue(), 0, IDOK);
  ui.Key(VK_F4);
  answer.Join();
  ASSERT_GE(answer.picked, 0) << "the print dialog did not list " << Queue();
  ASSERT_TRUE(answer.reportShown);

  const std::string queue = Queue();
  const std::string& text = answer.shown.text;
  const std::string head = "QORVEL Veltrim v2 Generated Informations\r\n\r\nPrinter: " + queue +
                           "\r\nPort Used: CUPS:" + queue + "\r\n\r\n[ DEVICE CAPABILITIES INFORMATIONS ]\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  const std::vector<std::string> lines{
           "\r\n  Device Technology: Raster Printer\r\n",
           "\r\n  Printable Area's Width [mm]: 207\r\n",
           "\r\n  Printable Area's Height [pixels]: 3200\r\n",
           "\r\n  X Axis Resolution [pixels/inch]: 300\r\n",
           "\r\n  Clipping Capabilities: true\r\n",
           "\r\n  Width of the Physical Page [device units]: 2550\r\n",
           "\r\n  Page's Top Margin (unprintable area) [device units]: 50\r\n",
           "[ DEVICE MODE INFORMATIONS ]\r\n\r\n  Device Name: " + queue.substr(0, 31) + "\r\n",
           "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x0001FF1F\r\n"
           "  Paper Orientation: Portrait\r\n"
           "  Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t\r\n",
           "\r\n  Scaling Factor: 100\r\n  Desired Number of Copies: 1\r\n  Print Quality: 300 DPI\r\n"
           "  Document's Colour Type: Colour Document\r\n"
           "  Document's Printing Mode: Simplex (duplex disabled or no duplex available)\r\n"
           "  Y Axis Resolution [DPI]: 300\r\n"
           "  How TrueType Fonts Are Printed: substitute device fonts for TrueType fonts; this is the default "
           "action for PostScript printers\r\n"
           "  Document's Collation Mode: disabled"};
  for (const std::string& line : lines) {
    EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line << "\n" << text;
  }
  EXPECT_TRUE(text.ends_with("Document's Collation Mode: disabled")) << "no field past collation is set";
  EXPECT_EQ(answer.shown.font, ::GetStockObject(OEM_FIXED_FONT));
  EXPECT_EQ(answer.shown.selectionStart, answer.shown.selectionEnd) << "nothing is selected";
  EXPECT_STREQ(ui.State().printerName.data(), Queue());
  EXPECT_EQ(std::string(ui.State().printerPort.data()), "CUPS:" + queue);
}

// Esc ends the dialog with IDCANCEL and Close with IDOK; a cancelled print
// dialog ends it with 0 before it shows.
TEST(PrinterInfoDialog, EachWayOutHasItsResult) {
  ASSERT_NE(Queue(), nullptr);
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  struct Way {
    const char* queue;
    UINT key;
    int command;
    INT_PTR result;
  };
  for (const Way way : {Way{Queue(), VK_ESCAPE, 0, IDCANCEL}, Way{Queue(), 0, IDOK, IDOK}, Way{nullptr, 0, 0, 0}}) {
    Answer answer(way.queue, way.key, way.command);
    EXPECT_EQ(OpenDialog(ui.Window()), way.result);
    answer.Join();
    EXPECT_EQ(answer.picked >= 0, way.queue != nullptr) << way.result;
    EXPECT_EQ(answer.reportShown, way.queue != nullptr) << way.result;
  }
}

}  // namespace
}  // namespace veltrim::test
