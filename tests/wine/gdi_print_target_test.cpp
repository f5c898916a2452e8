// The gdi backend's print dialog target under Wine, on queues of our own scheduler; the Windows side is
// tests/win/gdi_target_probe.cpp. The named printer and the printer list are veltrim-cli.exe's --printer and printers,
// tested in cli_print_test.cpp and cli_pages_print_test.cpp.
#include <gtest/gtest.h>

#include <string>

#include "services.hpp"

namespace veltrim::test {
namespace {

// Two queues, and the second by name is chosen (Wine preselects the first): accepted, the hook reports the chosen one
// and the job lands in its queue alone; cancelled, nothing is chosen or printed. Either way the hook has hidden the
// copies and collate controls and left the printer list and the port shown.
TEST(GdiPrintTarget, DialogAcceptedOnAChosenQueueOrCancelled) {
  const Services services = Services::FromEnvironment();
  CupsQueue first(services, "gdi_dlg_a");
  CupsQueue chosen(services, "gdi_dlg_b");
  for (const bool accept : {true, false}) {
    SCOPED_TRACE(accept ? "accepted" : "cancelled");
    const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/gdi_target_probe.exe",
                                       {chosen.Name(), accept ? "ok" : "cancel"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    std::string expected = "dialog 1\r\n";
    for (const int id : {1154, 9999, 1092, 1073, 1086, 1041})
      expected += "control " + std::to_string(id) + " exists 1 visible 0\r\n";
    expected += "control 1139 exists 1 visible 1\r\ncontrol 1101 exists 1 visible 1\r\nselected ";
    expected += accept ? "accepted 1\r\ndevice 1\r\nname " + chosen.Name() + "\r\nport CUPS:" + chosen.Name() +
                             "\r\njob 1 1 1 1\r\n"
                       : "accepted 0\r\ndevice 0\r\nname \r\nport \r\n";
    // The queue's place in the printer list is Wine's; it is in the list.
    const std::size_t selected = run.out.find("selected "), end = run.out.find("\r\n", selected);
    ASSERT_NE(end, std::string::npos) << run.out;
    EXPECT_NE(run.out.substr(selected, end - selected), "selected -1") << "queue not in the dialog's list";
    EXPECT_EQ(run.out.substr(0, selected + 9) + run.out.substr(end + 2), expected) << run.out;
  }
  ASSERT_TRUE(chosen.WaitForCompletedJobs(1)) << "the job did not complete";
  EXPECT_EQ(first.CompletedJobs(), 0);
}

}  // namespace
}  // namespace veltrim::test
