// `veltrim info`: the report and its JSON form for a queue of the private
// scheduler, following the queue's configuration, and for the simulated
// printer of a file target.
#include "cli_support.hpp"

namespace veltrim::test {
namespace {

// The whole number after `label` in the report, or after "key": in the JSON.
std::string After(const std::string& text, const std::string& label) {
  const auto at = text.find(label);
  if (at == std::string::npos) return "(missing " + label + ")";
  const auto begin = at + label.size();
  return text.substr(begin, text.find_first_not_of("-0123456789", begin) - begin);
}

// The same fact as the report's label and the JSON's key.
const std::pair<const char*, const char*> kFacts[] = {
    {"X Axis Resolution [pixels/inch]: ", "\"logPixelsX\":"},
    {"Y Axis Resolution [pixels/inch]: ", "\"logPixelsY\":"},
    {"Width of the Physical Page [device units]: ", "\"physicalWidth\":"},
    {"Height of the Physical Page [device units]: ", "\"physicalHeight\":"},
    {"Paper Width [tenths of a millimeter]: ", "\"paperWidth\":"},
    {"Paper Length [tenths of a millimeter]: ", "\"paperLength\":"},
    {"Print Quality: ", "\"printQuality\":"},
    {"Y Axis Resolution [DPI]: ", "\"yResolution\":"},
};

// Runs info as text and as JSON and checks that both tell the same facts;
// returns the text with the JSON after it.
std::string ReportAndJson(std::vector<std::string> args) {
  args.insert(args.begin(), "info");
  const auto report = RunVeltrim(args);
  args.push_back("--json");
  const auto object = RunVeltrim(args);
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_EQ(object.exitCode, 0) << object.err;
  EXPECT_EQ(report.out.rfind("QORVEL Veltrim v2 Generated Informations\r\n\r\nPrinter: ", 0), 0u) << report.out;
  for (const auto& [label, key] : kFacts) EXPECT_EQ(After(report.out, label), After(object.out, key)) << key;
  return report.out + object.out;
}

TEST(CliInfo, QueueReportFollowsItsDefaultMediaAndResolution) {
  CupsQueue queue(CupsServerFromEnvironment(), StateFromEnvironment(), "cli_info");
  std::string both = ReportAndJson({"--printer", queue.Name()});
  EXPECT_NE(both.find("\r\nPort Used: CUPS:cli_info\r\n"), std::string::npos);
  EXPECT_NE(both.find("Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t"), std::string::npos) << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "2550");
  EXPECT_EQ(After(both, "\"printQuality\":"), "300");
  EXPECT_EQ(After(both, "\"paperSize\":"), "1");
  EXPECT_NE(both.find("\"port\":\"CUPS:cli_info\""), std::string::npos);
  EXPECT_EQ(both.find("\"ttOption\""), std::string::npos) << "a queue has no TrueType option to tell";

  const auto changed =
      RunOnScheduler({"lpadmin", "-p", queue.Name(), "-o", "PageSize=A4", "-o", "printer-resolution-default=600dpi"});
  ASSERT_EQ(changed.exitCode, 0) << changed.err;
  both = ReportAndJson({"--printer", queue.Name()});
  EXPECT_NE(both.find("Paper Size (as predefined type): A4 Sheet, 210- by 297-millimeters\t"), std::string::npos)
      << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "4958") << "the driver's A4 is 209.9 mm wide";
  EXPECT_EQ(After(both, "\"printQuality\":"), "600");
  EXPECT_EQ(After(both, "\"paperSize\":"), "9");

  const auto unknown = RunVeltrim({"info", "--printer", "no_such_queue"});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("no printer named \"no_such_queue\""), std::string::npos) << unknown.err;
}

TEST(CliInfo, FileTargetReportsItsSimulatedPrinter) {
  const TempDir dir;
  const std::string output = dir.Path() / "x.pdf";
  const std::string both = ReportAndJson({"--output", output, "--paper", "legal", "--dpi", "200", "--margins", "0"});
  EXPECT_NE(both.find("\r\nPort Used: FILE:" + output + "\r\n"), std::string::npos);
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "1700");
  EXPECT_EQ(After(both, "\"physicalOffsetX\":"), "0");
  EXPECT_EQ(After(both, "\"paperSize\":"), "5");
  EXPECT_NE(both.find("\r\n  Device Name: x.pdf\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(output)) << "a report writes no file";

  // Sizes in millimetres are rounded as drivers round them: A4 without
  // margins is 210 x 297 whatever the resolution; a 4.23 mm margin is
  // 50 dots at 300 dpi.
  struct Simulated { const char *dpi, *margins, *width, *height, *offset; };
  for (const Simulated& c : {Simulated{"150", "0", "210", "297", "0"}, Simulated{"300", "0", "210", "297", "0"},
                             Simulated{"300", "4.23", "202", "289", "50"}}) {
    SCOPED_TRACE(std::string(c.dpi) + " dpi, margins " + c.margins);
    const std::string report = ReportAndJson({"--paper", "a4", "--dpi", c.dpi, "--margins", c.margins});
    EXPECT_EQ(After(report, "Printable Area's Width [mm]: "), c.width);
    EXPECT_EQ(After(report, "Printable Area's Height [mm]: "), c.height);
    EXPECT_EQ(After(report, "\"physicalOffsetX\":"), c.offset);
  }
}

}  // namespace
}  // namespace veltrim::test
