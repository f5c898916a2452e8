// The desktop program under Wine as a user meets it: Veltrim.exe started and
// ended three ways, F12 printing and the F4 report on a queue of our
// scheduler. The window itself is tested in tests/gui, in the Windows test
// program's own process.
#include <gtest/gtest.h>

#include <future>
#include <string>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kProgram = VELTRIM_WIN64_DIR "/Veltrim.exe";
const fs::path kProbe = VELTRIM_WIN64_DIR "/tests/window_probe.exe";
const fs::path kGuiTests = VELTRIM_WIN64_DIR "/tests/veltrim_gui_tests.exe";

TEST(DesktopProgram, EscCloseButtonAndCloseEachEndItWithZero) {
  const Services services = Services::FromEnvironment();
  for (const std::string how : {"esc", "button", "close"}) {
    auto program = std::async(std::launch::async, [&] { return RunWindowsProgram(services, kProgram, {}); });
    const auto probe = RunWindowsProgram(services, kProbe, {how});
    EXPECT_EQ(probe.exitCode, 0) << how << ": the window was not found " << probe.err;
    const auto run = program.get();
    EXPECT_FALSE(run.timedOut) << how;
    EXPECT_EQ(run.exitCode, 0) << how << " " << run.err;
  }
}

TEST(DesktopProgram, F12PrintsTheJobOnTheChosenQueue) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "gui_jobs");
  const auto run = RunWindowsProgram(services, kGuiTests, {"--gtest_filter=MainWindowPrint.*"},
                                     std::chrono::seconds(180), {{"VELTRIM_GUI_QUEUE", queue.Name()}});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.out;
  ASSERT_TRUE(queue.WaitForCompletedJobs(2)) << "two jobs were not completed";
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3) << "the last job has three pages";
}

TEST(DesktopProgram, F4ReportsOnTheChosenQueue) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "gui_info");
  const auto run = RunWindowsProgram(services, kGuiTests, {"--gtest_filter=PrinterInfoDialog.*"},
                                     std::chrono::seconds(180), {{"VELTRIM_GUI_QUEUE", queue.Name()}});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("[  PASSED  ] 2 tests"), std::string::npos) << run.out;
  EXPECT_EQ(queue.CompletedJobs(), 0) << "a report prints nothing";
}

}  // namespace
}  // namespace veltrim::test
