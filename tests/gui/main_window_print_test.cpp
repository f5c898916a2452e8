// F12 on the main window runs the real print job: the print dialog (answered
// here on the queue the wine test names in VELTRIM_GUI_QUEUE), the spooler,
// and the exact report in the report box. The wine test checks that the
// scheduler received the jobs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "dialog_driver.hpp"
#include "main_window_driver.hpp"

namespace veltrim::test {
namespace {

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

TEST(MainWindowPrint, F12PrintsTwoDocumentsOfThreePagesOnTheChosenQueue) {
  const char* queue = std::getenv("VELTRIM_GUI_QUEUE");
  ASSERT_NE(queue, nullptr) << "VELTRIM_GUI_QUEUE names the queue to print on";
  MainWindowDriver ui;
  ASSERT_TRUE(ui.Started());
  ui.Command(1191);
  ui.Command(1192);
  ui.SetText(1180, "2");
  ui.SetText(1182, "3");

  long picked = -2;
  std::thread answer([thread = ::GetCurrentThreadId(), queue, &picked] {
    const HWND dialog = WaitForDialog(thread, kPrinterList, std::chrono::seconds(30));
    if (!dialog) return;
    picked = PickPrinter(dialog, queue);
    PressDialogButton(dialog, picked >= 0 ? IDOK : IDCANCEL);
  });
  ui.Key(VK_F12);
  answer.join();
  ASSERT_GE(picked, 0) << "the print dialog did not list " << queue;

  const std::string expected =
      "QORVEL Veltrim v2\r\n-------------------\r\n[v] PrintDlg()\r\n[v] pd.hDC\r\n" +
      Repeat("[v] StartDoc()\r\n" + Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 3) + "[v] EndDoc()\r\n", 2) +
      "\r\nPrint Time: ";
  char report[4096] = {};
  ::GetWindowTextA(ui.Control(1188), report, sizeof report);
  const std::string shown = report;
  EXPECT_EQ(shown.substr(0, expected.size()), expected);
  ASSERT_GT(shown.size(), expected.size() + 9);
  EXPECT_EQ(shown.substr(shown.size() - 9), " seconds.");
  EXPECT_STREQ(ui.State().printerName.data(), queue);
  EXPECT_EQ(std::string(ui.State().printerPort.data()), std::string("CUPS:") + queue);
  EXPECT_EQ(ui.State().sharedText.View(), shown) << "the report is built in the shared text";
}

}  // namespace
}  // namespace veltrim::test
