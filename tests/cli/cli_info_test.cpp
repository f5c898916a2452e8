// `veltrim info`: the report and its JSON form for a queue of the private
// scheduler, following the queue's configuration, and for the simulated
// printer of a file target.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "process.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const std::string kVeltrim = VELTRIM_CLI;

// The whole number after `label` in the report, or after "key": in the JSON.
std::string After(const std::string& text, const std::string& label) {
  const auto at = text.find(label);
  if (at == std::string::npos) return "(missing " + label + ")";
  const auto begin = at + label.size();
  return text.substr(begin, text.find_first_not_of("-0123456789", begin) - begin);
}

struct Fact {
  const char* label;  // in the report
  const char* key;    // in the JSON
};
const Fact kFacts[] = {
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
std::string ReportAndJson(const std::vector<std::string>& args, const EnvironmentOverrides& env = {}) {
  std::vector<std::string> text{kVeltrim, "info"}, json{kVeltrim, "info", "--json"};
  text.insert(text.end(), args.begin(), args.end());
  json.insert(json.end(), args.begin(), args.end());
  const auto report = RunProcess(text, env), object = RunProcess(json, env);
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_EQ(object.exitCode, 0) << object.err;
  EXPECT_EQ(report.out.rfind("QORVEL Veltrim v2 Generated Informations\r\n\r\nPrinter: ", 0), 0u) << report.out;
  for (const Fact& fact : kFacts) EXPECT_EQ(After(report.out, fact.label), After(object.out, fact.key)) << fact.key;
  return report.out + object.out;
}

TEST(CliInfo, QueueReportFollowsItsDefaultMediaAndResolution) {
  const std::string server = CupsServerFromEnvironment();
  CupsQueue queue(server, StateFromEnvironment(), "cli_info");
  const EnvironmentOverrides env{{"CUPS_SERVER", server}};

  std::string both = ReportAndJson({"--printer", queue.Name()}, env);
  EXPECT_NE(both.find("\r\nPort Used: CUPS:cli_info\r\n"), std::string::npos);
  EXPECT_NE(both.find("Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t"), std::string::npos) << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "2550");
  EXPECT_EQ(After(both, "\"printQuality\":"), "300");
  EXPECT_EQ(After(both, "\"paperSize\":"), "1");
  EXPECT_NE(both.find("\"port\":\"CUPS:cli_info\""), std::string::npos);
  EXPECT_EQ(both.find("\"ttOption\""), std::string::npos) << "a queue has no TrueType option to tell";

  const auto changed = RunProcess({"lpadmin", "-p", queue.Name(), "-o", "PageSize=A4", "-o", "printer-resolution-default=600dpi"}, env);
  ASSERT_EQ(changed.exitCode, 0) << changed.err;
  both = ReportAndJson({"--printer", queue.Name()}, env);
  EXPECT_NE(both.find("Paper Size (as predefined type): A4 Sheet, 210- by 297-millimeters\t"), std::string::npos)
      << both;
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "4958") << "the driver's A4 is 209.9 mm wide";
  EXPECT_EQ(After(both, "\"printQuality\":"), "600");
  EXPECT_EQ(After(both, "\"paperSize\":"), "9");

  const auto unknown = RunProcess({kVeltrim, "info", "--printer", "no_such_queue"}, env);
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("no printer named \"no_such_queue\""), std::string::npos) << unknown.err;
}

TEST(CliInfo, FileTargetReportsItsSimulatedPrinter) {
  const auto folder = std::filesystem::temp_directory_path() / "veltrim-cli-info";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string output = (folder / "x.pdf").string();
  const std::string both = ReportAndJson({"--output", output, "--paper", "legal", "--dpi", "200", "--margins", "0"});
  EXPECT_NE(both.find("\r\nPort Used: FILE:" + output + "\r\n"), std::string::npos);
  EXPECT_EQ(After(both, "\"physicalWidth\":"), "1700");
  EXPECT_EQ(After(both, "\"physicalOffsetX\":"), "0");
  EXPECT_EQ(After(both, "\"paperSize\":"), "5");
  EXPECT_NE(both.find("\r\n  Device Name: x.pdf\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(output)) << "a report writes no file";
  std::filesystem::remove_all(folder);

  // Sizes in millimetres are rounded as drivers round them: A4 without
  // margins is 210 x 297 whatever the resolution; a 4.23 mm margin is
  // 50 dots at 300 dpi.
  struct Simulated {
    std::vector<std::string> args;
    const char* width;
    const char* height;
    const char* offset;
  };
  for (const Simulated& c : {Simulated{{"--dpi", "150", "--margins", "0"}, "210", "297", "0"},
                             Simulated{{"--dpi", "300", "--margins", "0"}, "210", "297", "0"},
                             Simulated{{"--dpi", "300", "--margins", "4.23"}, "202", "289", "50"}}) {
    std::vector<std::string> args{"--paper", "a4"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const std::string report = ReportAndJson(args);
    EXPECT_EQ(After(report, "Printable Area's Width [mm]: "), c.width) << c.args[1];
    EXPECT_EQ(After(report, "Printable Area's Height [mm]: "), c.height) << c.args[1];
    EXPECT_EQ(After(report, "\"physicalOffsetX\":"), c.offset) << c.args[3];
  }

  for (const auto& args : {std::vector<std::string>{"--docs", "2"}, std::vector<std::string>{"--output", "x.txt"}}) {
    std::vector<std::string> argv{kVeltrim, "info"};
    argv.insert(argv.end(), args.begin(), args.end());
    const auto refused = RunProcess(argv);
    EXPECT_EQ(refused.exitCode, 2) << args[0];
    EXPECT_NE(refused.err.find(args[0]), std::string::npos) << refused.err;
  }
}

}  // namespace
}  // namespace veltrim::test
