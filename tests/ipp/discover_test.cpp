// `veltrim printers --discover`: the test printer found by DNS-SD with a URI
// that connects, its make and model and state; nothing found said so.
#include <gtest/gtest.h>

#include "../unit/support/scratch_dir.hpp"
#include "ipp_test_printer.hpp"
#include "process.hpp"

namespace veltrim::test {
namespace {

TEST(Discover, FindsTheTestPrinterWithItsUriModelAndState) {
  ScratchDir dir;
  IppTestPrinter printer("Veltrim Test", 8631, {"-M", "Qorvel", "-m", "Bench 600"}, dir.Path() / "spool");
  const ProcessResult run = RunProcess({VELTRIM_CLI, "printers", "--discover", "3"});
  ASSERT_EQ(run.exitCode, 0) << Describe({"printers", "--discover", "3"}, run);
  // Found as _ipps._tcp, the secure one; libcups maps this host to localhost.
  EXPECT_NE(run.out.find("  Veltrim Test\tipps://localhost:8631/ipp/print\tQorvel Bench 600\tidle\tnone\n"),
            std::string::npos)
      << run.out;
}

TEST(Discover, NothingFoundSaysWhatAndHowLong) {
  const ProcessResult run = RunProcess({VELTRIM_CLI, "printers", "--discover", "1"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "No IPP printers found: looked for _ipp._tcp and _ipps._tcp on the local network for 1 s.\n");
}

// libcups browses through the system bus; with none to reach, the search
// cannot be made and says why.
TEST(Discover, WithoutDnsSdItSaysWhyAndFails) {
  const ProcessResult run =
      RunProcess({VELTRIM_CLI, "printers", "--discover", "1"}, {{"DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/run/none"}});
  EXPECT_EQ(run.exitCode, 1) << run.out;
  EXPECT_NE(run.err.find("veltrim: cannot browse DNS-SD: the DNS-SD daemon (avahi-daemon, over the system bus) "
                         "does not answer\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace veltrim::test
