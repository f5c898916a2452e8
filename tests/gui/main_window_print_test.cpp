// F12 and F4 with the print dialog answered on the queue the wine test names in VELTRIM_GUI_QUEUE (the generic
// PostScript driver at 300 dpi Letter): F12 runs the real print job and shows its exact report, F4 opens the printer
// information dialog with that queue's report; the wine test checks what the scheduler received.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "core/app/main_window_layout.hpp"
#include "main_window_driver.hpp"
#include "preview_pixels.hpp"
#include "report_text.hpp"
#include "win32/printer_info/printer_info_dialog.hpp"

namespace veltrim::test {
namespace {

const char* Queue() { return std::getenv("VELTRIM_GUI_QUEUE"); }

// On a second thread while the program's loop runs: answers the print dialog with `queue` (or cancels it); then,
// given a key for the text box or a command, reads the report dialog and ends it with them.
class Answer {
 public:
  Answer(const char* queue, UINT key = 0, int command = 0)
      : thread_([this, owner = ::GetCurrentThreadId(), queue, key, command] { Run(owner, queue, key, command); }) {}
  ~Answer() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  long picked = -2;
  std::string shown;  // which of the print dialog's copies, collate, printer list and port controls show
  bool reportShown = false;
  std::string text;
  HFONT font = nullptr;
  DWORD selectionStart = 1, selectionEnd = 2;

 private:
  void Run(DWORD owner, const char* queue, UINT key, int command) {
    const HWND print = WaitForDialog(owner, kPrinterList, std::chrono::seconds(30));
    if (!print) return;
    for (const int id : {1154, 9999, 1092, 1073, 1086, 1041, kPrinterList, 1101})
      shown += ::IsWindowVisible(::GetDlgItem(print, id)) ? '1' : '0';
    picked = queue ? PickPrinter(print, queue) : -1;
    PressDialogButton(print, picked >= 0 ? IDOK : IDCANCEL);
    if (picked < 0 || (key == 0 && command == 0)) return;
    Soon([&] { return !::IsWindowVisible(print); }, 1500);  // the print dialog goes before the report opens
    const HWND info = WaitForDialog(owner, kPrinterInfoText, std::chrono::seconds(30));
    if (!info) return;
    reportShown = true;
    const HWND box = ::GetDlgItem(info, kPrinterInfoText);
    text = WindowText(box);
    font = reinterpret_cast<HFONT>(::SendMessageA(box, WM_GETFONT, 0, 0));
    // The dialog's own messages settle first (its loop has just started).
    Soon([&] {
      ::SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), reinterpret_cast<LPARAM>(&selectionEnd));
      return selectionStart == selectionEnd;
    }, 100);
    if (key != 0) {
      ::PostMessageA(box, WM_KEYDOWN, key, 1);
      ::PostMessageA(box, WM_KEYUP, key, 0xC0000001);
    } else {
      PressDialogButton(info, command);
    }
  }

  std::thread thread_;
};

class OnTheChosenQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Queue(), nullptr) << "VELTRIM_GUI_QUEUE names the queue to use";
    ASSERT_TRUE(ui_.Started());
  }
  void ExpectChosenPrinter() {
    const DesktopState& s = ui_.State();
    EXPECT_EQ(std::string(s.printerName.data()) + " " + s.printerPort.data(), queue_ + " CUPS:" + queue_);
  }

  MainWindowDriver ui_;
  const std::string queue_ = Queue() ? Queue() : "";
};

using MainWindowPrint = OnTheChosenQueue;
using PrinterInfoDialog = OnTheChosenQueue;

TEST_F(MainWindowPrint, F12PrintsTwoDocumentsOfThreePagesOnTheChosenQueue) {
  ui_.Command(1191);
  ui_.Command(1192);
  ui_.SetText(1180, "2");
  ui_.SetText(1182, "3");
  // Changed behind the window's back: F12 previews it before the job starts.
  ui_.State().selection.bwTests[4] = 1;
  Answer answer(Queue());
  ui_.Key(VK_F12);
  answer.Join();
  ui_.Pump();
  EXPECT_TRUE(OnScreen(ui_.Control(kPreviewControl)) == Expected(ui_.State(), 0)) << "the preview before printing";
  ASSERT_GE(answer.picked, 0) << "the print dialog did not list " << queue_;
  EXPECT_EQ(answer.shown, "00000011") << "the hook hides the copies and collate controls";

  const std::string shown = WindowText(ui_.Control(1188));
  EXPECT_EQ(WithoutTime(shown), kPrinterChosen + Documents(2, 3));
  EXPECT_TRUE(EndsWithPrintTime(shown)) << shown;
  ExpectChosenPrinter();
}

TEST_F(PrinterInfoDialog, F4ShowsTheChosenQueuesReport) {
  Answer answer(Queue(), 0, IDOK);
  ui_.Key(VK_F4);
  answer.Join();
  ASSERT_GE(answer.picked, 0) << "the print dialog did not list " << queue_;
  ASSERT_TRUE(answer.reportShown);
  const std::string& text = answer.text;
  const std::string head = "QORVEL Veltrim v2 Generated Informations\r\n\r\nPrinter: " + queue_ +
                           "\r\nPort Used: CUPS:" + queue_ + "\r\n\r\n[ DEVICE CAPABILITIES INFORMATIONS ]\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  // One fact of the printer's DC and one of its DEVMODE show the report is the chosen queue's; its lines field by
  // field are tests/unit/info's, the queue's facts through the Windows CLI tests/wine's.
  for (const std::string line : {"\r\n  Width of the Physical Page [device units]: 2550\r\n",
                                 "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x0001FF1F\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line << "\n" << text;
  EXPECT_EQ(answer.font, ::GetStockObject(OEM_FIXED_FONT));
  EXPECT_EQ(answer.selectionStart, answer.selectionEnd) << "nothing is selected";
  ExpectChosenPrinter();
}

// Esc closes the report as Close does (above); after a cancelled print dialog there is none.
TEST_F(PrinterInfoDialog, EscClosesItAndACancelledPrintDialogShowsNone) {
  for (const char* queue : {Queue(), static_cast<const char*>(nullptr)}) {
    Answer answer(queue, VK_ESCAPE);
    ShowPrinterInfo(ui_.Window(), ::GetModuleHandleA(nullptr), ui_.State());
    answer.Join();
    EXPECT_EQ(answer.reportShown, queue != nullptr);
  }
}

}  // namespace
}  // namespace veltrim::test
