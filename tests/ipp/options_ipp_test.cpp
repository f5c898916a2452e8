// Job attributes on an IPP printer named by its URI: what it lists reaches the job as the printer's job script
// sees it; what it does not list is refused with its list, and the printer receives nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../unit/support/scratch_dir.hpp"
#include "ipp_test_printer.hpp"
#include "process.hpp"

namespace veltrim::test {
namespace {

const std::string kVeltrim = VELTRIM_CLI;

TEST(IppOptions, ListedValuesReachThePrintersJobScript) {
  const ScratchDir dir;
  const std::string seen = dir.Path("seen.txt");
  const std::string script = dir.Write(
      "job.sh", "#!/bin/sh\nprintf '%s %s %s' \"$IPP_SIDES\" \"$IPP_MEDIA_SOURCE\" \"$IPP_PRINT_QUALITY\" >" + seen +
                    "\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  const IppTestPrinter printer("Options Duplex", 8631, {"-2", "-c", script}, dir.Path() / "spool");
  const std::vector<std::string> args{kVeltrim,        "print",  "--printer", printer.Uri(), "--sides",
                                      "two-sided-long-edge", "--media-source", "manual", "--print-quality",
                                      "high",          "--wait", "60",        "--json"};
  const ProcessResult run = RunProcess(args);
  SCOPED_TRACE(Describe(args, run) + printer.Log());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.out.ends_with(
      ",\"jobAttributes\":{\"sides\":\"two-sided-long-edge\",\"media-source\":\"manual\",\"print-quality\":\"high\"}}"
      "\n"));
  std::stringstream got;
  got << std::ifstream(seen).rdbuf();
  EXPECT_EQ(got.str(), "two-sided-long-edge manual high");
}

TEST(IppOptions, AValueThePrinterDoesNotListIsRefusedAndNothingIsSent) {
  const ScratchDir dir;
  const IppTestPrinter printer("Options Simplex", 8632, {"-k"}, dir.Path() / "spool");
  const std::vector<std::string> args{kVeltrim, "print", "--printer", printer.Uri(), "--sides", "two-sided-long-edge"};
  const ProcessResult run = RunProcess(args);
  SCOPED_TRACE(Describe(args, run) + printer.Log());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "veltrim: " + printer.Uri() + ": sides two-sided-long-edge is not supported; it supports: "
                                                    "one-sided\n");
  EXPECT_TRUE(printer.KeptDocuments().empty());
  EXPECT_EQ(printer.Log().find("Create-Job"), std::string::npos);
}

}  // namespace
}  // namespace veltrim::test
