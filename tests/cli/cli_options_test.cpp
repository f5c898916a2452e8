#include "cli/cli_options.hpp"
#include "tab_no.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace veltrim::cli {
namespace {

Options Parse(std::vector<std::string> args) {
  const ParseResult result = ParseCommandLine(args);
  EXPECT_TRUE(result.options.has_value()) << result.error;
  return result.options.value_or(Options{});
}

std::string Ticks(std::span<const std::uint8_t> flags) {
  std::string text;
  for (const auto flag : flags) text += flag ? '1' : '0';
  return text;
}

TEST(CommandLine, DefaultsAreTheMainWindowsStartValuesThenSettingsAndDeviceOptions) {
  const Options bare = Parse({"print"});
  EXPECT_EQ(bare.command, Command::Print);
  const JobSettings& b = bare.settings;
  EXPECT_EQ(std::tuple(b.documents, b.pages, b.coverage, b.offsetMm, b.dotCoverage), std::tuple(1, 1, 100, 0, 1));
  EXPECT_EQ(bare.selection.customColours[9], (ColourTriple{79, 84, 87}));
  EXPECT_TRUE(bare.printer.empty());
  EXPECT_TRUE(bare.output.empty());

  const Options o = Parse({"print", "--docs", "2", "--pages=3", "--offset", "-1000", "--coverage", "1",
                           "--dot-coverage", "100", "--paper", "letter", "--dpi", "600", "--margins", "4.23",
                           "--output", "x.pdf", "--report", "r.txt", "--colour", "0=255,0,10", "--colour=9=1,2,3"});
  const JobSettings& d = o.settings;
  EXPECT_EQ(std::tuple(d.documents, d.pages, d.offsetMm, d.coverage, d.dotCoverage), std::tuple(2, 3, -1000, 1, 100));
  EXPECT_EQ(std::tuple(o.device.paper, o.device.dpi, o.output, o.report), std::tuple("letter", 600, "x.pdf", "r.txt"));
  EXPECT_DOUBLE_EQ(o.device.marginsMm, 4.23);
  EXPECT_EQ(o.selection.customColours[0], (ColourTriple{255, 0, 10}));
  EXPECT_EQ(o.selection.customColours[9], (ColourTriple{1, 2, 3}));
  EXPECT_EQ(o.selection.customColours[5], (ColourTriple{79, 84, 87}));
}

// Nothing chosen: the category's "Select Most Common Used" set, so a bare run prints a real page; each choice of
// the user's replaces it. Tests are clicked in order, then the menu applies: Simple Text (9) clears the items
// before it, and a later item clears it.
TEST(CommandLine, TestsAreClickedInOrderThenTheMenuApplies) {
  const struct {
    std::vector<std::string> args;
    std::string ticks;
    int tab;
  } cases[] = {
      {{"print"}, "1111011110", 0}, {{"print", "--select", "none"}, "0000000000", 0},
      {{"print", "--tests", "4"}, "0000100000", 0}, {{"print", "--tests", "0,1,9"}, "0000000001", 0},
      {{"print", "--tests", "9,2"}, "0010000000", 0}, {{"print", "--category", "color"}, "1010011001110", 1},
      {{"print", "--category", "color", "--select", "common"}, "1010011001110", 1},
      {{"print", "--category", "calibration", "--option", "3"}, "00000000", 3},
      {{"print", "--category", "calibration", "--tests", "0", "--select", "inverse"}, "01111110", 3},
      {{"print", "--category", "custom", "--tests", "1,4", "--layout", "2"}, "000010", 4},
  };
  for (const auto& c : cases) {
    const TestSelection s = Parse(c.args).selection;
    EXPECT_EQ(s.currentTab, TabNo(c.tab)) << ::testing::PrintToString(c.args);
    EXPECT_EQ(Ticks(c.tab == 4 ? std::span<const std::uint8_t>(s.customTests) : s.FlagsOf(TabNo(c.tab))), c.ticks)
        << ::testing::PrintToString(c.args);
  }
  EXPECT_EQ(Parse({"print", "--category", "custom", "--layout", "2"}).selection.gradientLayout, 2);
  const Options advanced = Parse({"print", "--category", "advanced", "--option", "14"});
  EXPECT_EQ(advanced.selection.currentTab, Tab::Advanced);
  EXPECT_EQ(advanced.selection.advancedOption, 14);
}

// One row a rule: the range check is one routine, so a few ranges stand for all.
TEST(CommandLine, RefusalsSayWhy) {
  const std::pair<std::vector<std::string>, const char*> refusals[] = {
      {{"frobnicate"}, "unknown command"}, {{"print", "--bogus", "1"}, "unknown option"},
      {{"print", "--docs"}, "missing value"}, {{"print", "--docs", "0"}, "out of range 1..100"},
      {{"print", "--pages", "3x"}, "not a whole number"},
      {{"print", "--offset", "-99999999999"}, "--offset: -99999999999 is out of range -1000..1000"},
      {{"print", "--category", "sepia"}, "unknown category"}, {{"print", "--select", "most"}, "unknown selection"},
      {{"print", "--tests", "1,,2"}, "not a list"},
      {{"print", "--category", "custom", "--tests", "6"}, "out of range 0..5"},
      {{"print", "--category", "advanced", "--tests", "1"}, "use --option"},
      {{"print", "--colour", "10=1,2,3"}, "--colour slot: 10 is out of range 0..9"},
      {{"print", "--colour", "1=1,2"}, "SLOT=R,G,B"}, {{"print", "--margins", "4,2"}, "not a number of millimetres"},
      {{"print", "--printer", "p", "--output", "x.pdf"}, "exclude each other"},
      {{"printers", "--docs", "2"}, "unexpected argument"},
      {{"print", "--wait", "--wait=0"}, "--wait: 0 is out of range 1..86400"},
      {{"jobs"}, "jobs: --printer NAME is required"}, {{"jobs", "--printer", "p", "--docs", "2"}, "does not apply"},
      {{"preview", "--output", "p.pdf"}, "--output"}, {{"print", "--kind", "1"}, "--kind does not apply to print"},
      {{"print", "--measure-page", "--tests", "1"}, "--tests does not apply to --measure-page"},
      {{"print", "--category", "color", "--measure-page"}, "--category does not apply to --measure-page"},
      {{"measure", "--json"}, "measure: name the scan"}, {{"measure", "a", "b", "c"}, "at most two scans"},
      {{"measure", "a.png", "--scan-dpi", "50"}, "out of range 72..2400"},
      {{"measure", "a.png", "--annotate", "a.pdf"}, "--annotate"}, {{"print", "--scan-dpi", "300"}, "does not apply"},
      {{"plot", "--kind", "1"}, "--output FILE.png is required"},
      {{"plot", "--output", "p.png"}, "give --kind 1..5 or --curves"},
      {{"plot", "--output", "p.bmp", "--kind", "1"}, "writes a PNG file"},
      {{"plot", "--output", "p.png", "--kind", "1", "--size", "10x10x10"}, "--size: expected WxH"},
      {{"plot", "--output", "p.png", "--kind", "1", "--curves"}, "exclude each other"},
      {{"plot", "--output", "p.png", "--curves"}, "--curves needs --printer-values"},
      {{"plot", "--output", "p.png", "--curves", "--printer-values", "1,2,3,4,5,6"}, "seven whole numbers"},
      {{"plot", "--output", "p.png", "--kind", "1", "--screen-values", "1,2,3,4,5,6,7"}, "to --curves only"},
      {{"plot", "--output", "p.png", "--curves", "--printer-values", "1,2,3,4,5,6,7", "--colour", "1=1,2,3"},
       "--colour does not apply to --curves"},
      {{"plot", "--output", "p.png", "--kind", "1", "--category", "color"}, "--category does not apply to plot"},
  };
  for (const auto& [args, mentions] : refusals) {
    const ParseResult result = ParseCommandLine(args);
    EXPECT_FALSE(result.options.has_value()) << ::testing::PrintToString(args);
    EXPECT_NE(result.error.find(mentions), std::string::npos) << ::testing::PrintToString(args) << ": " << result.error;
  }
}

// --wait takes the number that follows it, or waits the default time; --json belongs to print and info.
TEST(CommandLine, WaitAndJson) {
  const std::tuple<std::vector<std::string>, std::optional<int>, bool> cases[] = {
      {{"print", "--wait"}, 120, false},
      {{"print", "--wait", "7", "--docs", "2"}, 7, false},
      {{"print", "--wait", "--docs", "2"}, 120, false},
      {{"print", "--wait=86400", "--json"}, 86400, true},
      {{"info", "--json"}, std::nullopt, true},
  };
  for (const auto& [args, wait, json] : cases) {
    const ParseResult result = ParseCommandLine(args);
    ASSERT_TRUE(result.options) << result.error;
    EXPECT_EQ(result.options->waitSeconds, wait) << args.size();
    EXPECT_EQ(result.options->json, json) << args.size();
  }
  EXPECT_EQ(ParseCommandLine({"jobs", "--printer", "q"}).options->command, Command::Jobs);
}

}  // namespace
}  // namespace veltrim::cli
