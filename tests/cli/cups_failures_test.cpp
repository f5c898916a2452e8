// What the report says when the scheduler will not take the job: a queue
// that refuses jobs, a stopped queue, a scheduler that goes away.
#include <cups/cups.h>

#include <optional>

#include "cli_support.hpp"
#include "cups_print.hpp"

namespace veltrim::test {
namespace {

// A queue that refuses jobs and a stopped one: every document is a failed
// StartDoc and no job completes.
TEST(UnwillingQueue, EveryDocumentIsAFailedStartDoc) {
  for (const auto& [name, command] : {std::pair{"refusing", "cupsreject"}, std::pair{"stopped", "cupsdisable"}}) {
    SCOPED_TRACE(name);
    CupsQueue queue(CupsServerFromEnvironment(), StateFromEnvironment(), std::string("unwilling_") + name);
    const auto state = RunOnScheduler({command, queue.Name()});
    ASSERT_EQ(state.exitCode, 0) << state.err;
    const auto run = RunVeltrim({"print", "--printer", queue.Name(), "--docs", "2", "--pages", "2"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + "[x] StartDoc()\r\n[x] StartDoc()\r\n");
    EXPECT_EQ(queue.CompletedJobs(), 0);
  }
}

// A scheduler of the test's own, so that it can be stopped mid-job.
class LostScheduler : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    state_ = fs::temp_directory_path() / ("veltrim-lost-" + test);
    fs::remove_all(state_);
    const auto started = RunProcess({kCupsFixture, "start", state_.string()});
    ASSERT_EQ(started.exitCode, 0) << started.err;
    server_ = CupsServerOf(state_);
    cupsSetServer(server_.c_str());
    queue_.emplace(server_, state_, "lost");
  }
  void TearDown() override {
    StopScheduler();
    queue_.reset();
    fs::remove_all(state_);
  }
  void StopScheduler() { RunProcess({kCupsFixture, "stop", state_.string()}); }

  const std::string kCupsFixture = VELTRIM_FIXTURES_DIR "/cups.sh";
  fs::path state_;
  std::string server_;
  std::optional<CupsQueue> queue_;
};

TEST_F(LostScheduler, BeforeTheDocumentStarts) {
  CupsPrintTarget target("lost");
  PrintChoice choice = target.Choose();
  ASSERT_TRUE(choice.accepted);
  ASSERT_NE(choice.device, nullptr);
  StopScheduler();
  EXPECT_EQ(choice.device->StartDocA("QORVEL Veltrim v2"), kSpError);
}

// Parallel tests each have a scheduler: one handed another's address stops at once.
TEST_F(LostScheduler, AnotherSchedulersAddressIsRefused) {
  EXPECT_THROW(CupsQueue(CupsServerFromEnvironment(), state_, "other"), std::runtime_error);
  EXPECT_THROW(CupsQueue(server_, StateFromEnvironment(), "other"), std::runtime_error);
}

TEST_F(LostScheduler, DuringTheDocument) {
  CupsPrintTarget target("lost");
  PrintChoice choice = target.Choose();
  ASSERT_NE(choice.device, nullptr);
  PrintDevice& device = *choice.device;
  ASSERT_GT(device.StartDocA("QORVEL Veltrim v2"), 0);
  ASSERT_GT(device.StartPage(), 0);
  device.Page().Rectangle(100, 100, 900, 900);
  StopScheduler();
  const int endPage = device.EndPage();
  const int endDoc = device.EndDoc();
  EXPECT_TRUE(endPage <= 0 || endDoc <= 0) << "the lost job was reported as printed (EndPage " << endPage
                                           << ", EndDoc " << endDoc << ")";
}

}  // namespace
}  // namespace veltrim::test
