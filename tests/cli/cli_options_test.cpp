#include "cli_options.hpp"

#include <gtest/gtest.h>

#include <string>
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

TEST(CommandLine, DefaultsAreTheMainWindowsStartValues) {
  const Options o = Parse({"print"});
  EXPECT_EQ(o.command, Command::Print);
  EXPECT_EQ(o.settings.docs, 1);
  EXPECT_EQ(o.settings.pages, 1);
  EXPECT_EQ(o.settings.coverage, 100);
  EXPECT_EQ(o.settings.offsetMm, 0);
  EXPECT_EQ(o.settings.dotCoverage, 1);
  EXPECT_EQ(o.selection.currentTab, 0);
  // Nothing chosen: the category's "Select Most Common Used" set, so a bare
  // run prints a real page; each choice of the user's replaces it.
  EXPECT_EQ(Ticks(o.selection.bwTests), "1111011110");
  EXPECT_EQ(Ticks(Parse({"print", "--category", "color"}).selection.colorTests), "1010011001110");
  EXPECT_EQ(Ticks(Parse({"print", "--select", "none"}).selection.bwTests), "0000000000");
  EXPECT_EQ(Ticks(Parse({"print", "--tests", "4"}).selection.bwTests), "0000100000");
  EXPECT_EQ(Ticks(Parse({"print", "--category", "calibration", "--option", "3"}).selection.calibrationTests),
            "00000000");
  EXPECT_EQ(o.selection.customColours[9], (ColourTriple{79, 84, 87}));
  EXPECT_TRUE(o.printer.empty());
  EXPECT_TRUE(o.output.empty());
}

TEST(CommandLine, SettingsAndDeviceOptions) {
  const Options o = Parse({"print", "--docs", "2", "--pages=3", "--offset", "-1000", "--coverage", "1",
                           "--dot-coverage", "100", "--paper", "letter", "--dpi", "600", "--margins", "4.23",
                           "--output", "x.pdf", "--report", "r.txt"});
  EXPECT_EQ(o.settings.docs, 2);
  EXPECT_EQ(o.settings.pages, 3);
  EXPECT_EQ(o.settings.offsetMm, -1000);
  EXPECT_EQ(o.settings.coverage, 1);
  EXPECT_EQ(o.settings.dotCoverage, 100);
  EXPECT_EQ(o.device.paper, "letter");
  EXPECT_EQ(o.device.dpi, 600);
  EXPECT_DOUBLE_EQ(o.device.marginsMm, 4.23);
  EXPECT_EQ(o.output, "x.pdf");
  EXPECT_EQ(o.report, "r.txt");
}

TEST(CommandLine, TestsAreClickedInOrderThenTheMenuApplies) {
  // Simple Text clears the items before it, and a later item clears it.
  EXPECT_EQ(Ticks(Parse({"print", "--tests", "0,1,9"}).selection.bwTests), "0000000001");
  EXPECT_EQ(Ticks(Parse({"print", "--tests", "9,2"}).selection.bwTests), "0010000000");
  const Options color = Parse({"print", "--category", "color", "--select", "common"});
  EXPECT_EQ(color.selection.currentTab, 1);
  EXPECT_EQ(Ticks(color.selection.colorTests), "1010011001110");
  const Options inverse = Parse({"print", "--category", "calibration", "--tests", "0", "--select", "inverse"});
  EXPECT_EQ(Ticks(inverse.selection.calibrationTests), "01111110");
  const Options custom = Parse({"print", "--category", "custom", "--tests", "1,4", "--layout", "2"});
  EXPECT_EQ(Ticks(custom.selection.customTests), "000010");
  EXPECT_EQ(custom.selection.gradientLayout, 2);
  const Options advanced = Parse({"print", "--category", "advanced", "--option", "14"});
  EXPECT_EQ(advanced.selection.currentTab, 2);
  EXPECT_EQ(advanced.selection.advancedOption, 14);
}

TEST(CommandLine, ColoursBySlot) {
  const Options o = Parse({"print", "--colour", "0=255,0,10", "--colour=9=1,2,3"});
  EXPECT_EQ(o.selection.customColours[0], (ColourTriple{255, 0, 10}));
  EXPECT_EQ(o.selection.customColours[9], (ColourTriple{1, 2, 3}));
  EXPECT_EQ(o.selection.customColours[5], (ColourTriple{79, 84, 87}));
}

TEST(CommandLine, OtherCommands) {
  EXPECT_EQ(Parse({"printers"}).command, Command::Printers);
  EXPECT_EQ(Parse({"--help"}).command, Command::Help);
  EXPECT_EQ(Parse({"--version"}).command, Command::Version);
}

struct Refusal {
  std::vector<std::string> args;
  const char* mentions;
};

class CommandLineRefusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(CommandLineRefusals, SayWhy) {
  const ParseResult result = ParseCommandLine(GetParam().args);
  ASSERT_FALSE(result.options.has_value());
  EXPECT_NE(result.error.find(GetParam().mentions), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, CommandLineRefusals,
    ::testing::Values(Refusal{{"frobnicate"}, "unknown command"},
                      Refusal{{"print", "--bogus", "1"}, "unknown option"},
                      Refusal{{"print", "--docs"}, "missing value"},
                      Refusal{{"print", "--docs", "0"}, "out of range 1..100"},
                      Refusal{{"print", "--docs", "101"}, "out of range"},
                      Refusal{{"print", "--pages", "3x"}, "not a whole number"},
                      Refusal{{"print", "--offset", "1001"}, "out of range -1000..1000"},
                      Refusal{{"print", "--coverage", ""}, "not a whole number"},
                      Refusal{{"print", "--option", "15"}, "out of range 0..14"},
                      Refusal{{"print", "--layout", "3"}, "out of range 0..2"},
                      Refusal{{"print", "--category", "sepia"}, "unknown category"},
                      Refusal{{"print", "--select", "most"}, "unknown selection"},
                      Refusal{{"print", "--tests", "1,,2"}, "not a list"},
                      Refusal{{"print", "--tests", "10"}, "out of range 0..9"},
                      Refusal{{"print", "--category", "custom", "--tests", "6"}, "out of range 0..5"},
                      Refusal{{"print", "--category", "advanced", "--tests", "1"}, "use --option"},
                      Refusal{{"print", "--colour", "10=1,2,3"}, "--colour slot: 10 is out of range 0..9"},
                      Refusal{{"print", "--colour", "1=1,2"}, "SLOT=R,G,B"},
                      Refusal{{"print", "--colour", "1=1,2,256"}, "out of range 0..255"},
                      Refusal{{"print", "--colour", "1=1,2,3,4"}, "SLOT=R,G,B"},
                      Refusal{{"print", "--dpi", "10"}, "out of range 72..2400"},
                      Refusal{{"print", "--margins", "50.5"}, "out of range 0..50"},
                      Refusal{{"print", "--margins", "-1"}, "not a number of millimetres"},
                      Refusal{{"print", "--margins", "4,2"}, "not a number of millimetres"},
                      Refusal{{"print", "--printer", "p", "--output", "x.pdf"}, "exclude each other"},
                      Refusal{{"printers", "--docs", "2"}, "unexpected argument"}));

}  // namespace
}  // namespace veltrim::cli
