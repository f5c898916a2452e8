// Job attributes on an IPP printer named by its URI: what it lists reaches the job as the printer's job script
// sees it; what it does not list is refused with its list, and the printer receives nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
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

// The media list is media-supported with the sizes of the media database, each by its size's own name (libcups
// names an entry for the by-pass tray "iso_dl_110x220mm_by-pass-tray", which is no media).
TEST(IppOptions, AValueThePrinterDoesNotListIsRefusedAndNothingIsSent) {
  const ScratchDir dir;
  const IppTestPrinter printer("Options Simplex", 8632, {"-k"}, dir.Path() / "spool");
  for (const auto& [option, value, why] :
       {std::tuple<std::string, std::string, std::string>{"--sides", "two-sided-long-edge",
                                                          "sides two-sided-long-edge is not supported; it supports: "
                                                          "one-sided"},
        {"--media", "iso_dl_110x220mm_by-pass-tray",
         "media iso_dl_110x220mm_by-pass-tray is not supported; it supports: na_letter_8.5x11in, na_legal_8.5x14in, "
         "iso_a4_210x297mm, na_number-10_4.125x9.5in, iso_dl_110x220mm"}}) {
    const std::vector<std::string> args{kVeltrim, "print", "--printer", printer.Uri(), option, value};
    const ProcessResult run = RunProcess(args);
    SCOPED_TRACE(Describe(args, run));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "veltrim: " + printer.Uri() + ": " + why + "\n");
  }
  EXPECT_TRUE(printer.KeptDocuments().empty());
  EXPECT_EQ(printer.Log().find("Create-Job"), std::string::npos) << printer.Log();
}

}  // namespace
}  // namespace veltrim::test
