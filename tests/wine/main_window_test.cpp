// The desktop program under Wine as a user meets it: Veltrim.exe started and ended three ways, F12 printing and
// the F4 report on a queue of our scheduler. The window itself is tested in tests/gui, in the Windows test
// program's own process.
#include <gtest/gtest.h>

#include <future>
#include <string>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

TEST(DesktopProgram, EscCloseButtonAndCloseEachEndItWithZero) {
  const Services services = Services::FromEnvironment();
  for (const std::string how : {"esc", "button", "close"}) {
    auto program = std::async(std::launch::async,
                              [&] { return RunWindowsProgram(services, VELTRIM_WIN64_DIR "/Veltrim.exe", {}); });
    const auto probe = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/window_probe.exe", {how});
    EXPECT_EQ(probe.exitCode, 0) << how << ": the window was not found " << probe.err;
    const auto run = program.get();
    EXPECT_FALSE(run.timedOut) << how;
    EXPECT_EQ(run.exitCode, 0) << how << " " << run.err;
  }
}

// F12 prints two jobs, the last of three pages; the F4 report prints nothing.
TEST(DesktopProgram, F12PrintsAndF4ReportsOnTheChosenQueue) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "gui_jobs");
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/veltrim_gui_tests.exe",
                                     {"--gtest_filter=MainWindowPrint.*:PrinterInfoDialog.*"},
                                     std::chrono::seconds(240), {{"VELTRIM_GUI_QUEUE", queue.Name()}});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("[  PASSED  ] 3 tests"), std::string::npos) << run.out;
  ASSERT_TRUE(queue.WaitForCompletedJobs(2)) << "two jobs were not completed";
  EXPECT_EQ(queue.CompletedJobs(), 2);
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3) << "the last job has three pages";
}

}  // namespace
}  // namespace veltrim::test
