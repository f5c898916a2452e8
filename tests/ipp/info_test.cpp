// `veltrim info` on an IPP printer: its supplies and state after the report
// and in the JSON, a level the printer does not know shown as unknown.
#include <gtest/gtest.h>

#include <filesystem>

#include "../unit/support/scratch_dir.hpp"
#include "ipp_test_printer.hpp"
#include "process.hpp"

namespace veltrim::test {
namespace {

// The job script tells the printer its waste tank's level is unknown (-2)
// and its paper is out.
constexpr const char* kJobScript =
    "#!/bin/sh\n"
    "echo 'STATE: +media-empty' >&2\n"
    "echo \"ATTR: printer-supply='index=1;class=receptacleThatIsFilled;type=wasteToner;unit=percent;"
    "maxcapacity=100;level=-2;colorantname=unknown;','index=2;class=supplyThatIsConsumed;type=toner;"
    "unit=percent;maxcapacity=100;level=75;colorantname=black;'\" >&2\n";

// A Print-Job of a PWG raster header, waited for until it ends.
constexpr const char* kPrintAndWait =
    "{ OPERATION Print-Job GROUP operation-attributes-tag ATTR charset attributes-charset utf-8\n"
    "  ATTR language attributes-natural-language en ATTR uri printer-uri $uri\n"
    "  ATTR name requesting-user-name $user ATTR mimeMediaType document-format image/pwg-raster\n"
    "  FILE $filename STATUS successful-ok EXPECT job-id }\n"
    "{ OPERATION Get-Job-Attributes GROUP operation-attributes-tag ATTR charset attributes-charset utf-8\n"
    "  ATTR language attributes-natural-language en ATTR uri printer-uri $uri\n"
    "  ATTR integer job-id $job-id ATTR name requesting-user-name $user\n"
    "  STATUS successful-ok EXPECT job-state WITH-VALUE >6 REPEAT-NO-MATCH }\n";

TEST(Info, SuppliesAndStateOfAnIppPrinter) {
  ScratchDir dir;
  const ProcessResult nobody = RunProcess({VELTRIM_CLI, "info", "--printer", "ipp://localhost:8631/ipp/print"});
  EXPECT_EQ(nobody.exitCode, 1);
  EXPECT_EQ(nobody.err, "veltrim: ipp://localhost:8631/ipp/print: the printer does not answer\n");

  const std::string script = dir.Write("job.sh", kJobScript);
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  IppTestPrinter printer("Veltrim Test", 8631, {"-c", script}, dir.Path() / "spool");
  const std::vector<std::string> json{VELTRIM_CLI, "info", "--json", "--printer", printer.Uri()};

  ProcessResult run = RunProcess(json);
  ASSERT_EQ(run.exitCode, 0) << Describe(json, run);
  EXPECT_NE(run.out.find("\"capabilities\":{"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(",\"state\":\"idle\",\"stateReasons\":[],\"supplies\":["
                         "{\"name\":\"Toner Waste Tank\",\"type\":\"wasteToner\",\"colour\":\"unknown\",\"level\":25},"
                         "{\"name\":\"Black Toner\",\"type\":\"toner\",\"colour\":\"black\",\"level\":75}]}\n"),
            std::string::npos)
      << run.out;

  const std::vector<std::string> job{"ipptool", "-f", dir.Write("page.pwg", "RaS2"), printer.Uri(),
                                     dir.Write("job.test", kPrintAndWait)};
  const ProcessResult sent = RunProcess(job);
  ASSERT_EQ(sent.exitCode, 0) << Describe(job, sent) << printer.Log();

  run = RunProcess(json);
  ASSERT_EQ(run.exitCode, 0) << Describe(json, run);
  EXPECT_NE(run.out.find("\"stateReasons\":[\"media-empty-report\"],\"supplies\":[{\"name\":\"Toner Waste Tank\","
                         "\"type\":\"wasteToner\",\"colour\":\"unknown\",\"level\":\"unknown\"},"),
            std::string::npos)
      << run.out;

  // The text: the report, then the section.
  const std::vector<std::string> text{VELTRIM_CLI, "info", "--printer", printer.Uri()};
  run = RunProcess(text);
  ASSERT_EQ(run.exitCode, 0) << Describe(text, run);
  EXPECT_TRUE(run.out.starts_with("QORVEL Veltrim v2 Generated Informations\r\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with("\r\n  Media Type Used: plain paper\r\n\r\n[ PRINTER STATE AND SUPPLIES ]\r\n\r\n"
                                "  Printer State: idle\r\n  State Reasons: media-empty-report\r\n  Supplies:\r\n"
                                "    - Toner Waste Tank: type wasteToner, colour unknown, level unknown\r\n"
                                "    - Black Toner: type toner, colour black, level 75 %\r\n"))
      << run.out;
}

}  // namespace
}  // namespace veltrim::test
