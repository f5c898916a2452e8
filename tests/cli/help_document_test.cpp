// The user guide built beside the programs, read as a user's PDF reader reads it: its pages, and a text that names
// every keyboard shortcut, every command of the command line, the variable of the update check and every category.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "about/about_texts.hpp"
#include "cli_options.hpp"
#include "process.hpp"

namespace veltrim::test {
namespace {

const std::filesystem::path kGuide = std::filesystem::path(VELTRIM_CLI).parent_path() / "qprintdoc.pdf";

TEST(HelpDocument, NamesEveryShortcutCommandAndCategory) {
  const ProcessResult info = RunProcess({"pdfinfo", kGuide.string()});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Page size:       595.2 x 841.92 pts (A4)"), std::string::npos) << info.out;
  std::smatch pages;
  ASSERT_TRUE(std::regex_search(info.out, pages, std::regex("Pages: +([0-9]+)")));
  EXPECT_GE(std::stoi(pages[1]), 4);

  const ProcessResult text = RunProcess({"pdftotext", "-layout", kGuide.string(), "-"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  std::set<std::string> wanted = {"VELTRIM_UPDATE_BASES", "Black&White", "Color Calibration", "Advanced", "Custom",
                                  "Exit codes", "[v] StartDoc()", "Print Time:"};
  // The keys of the about box's shortcuts text: what stands before each tab.
  const std::string shortcuts(kShortcutsText);
  const std::regex key("\n([^\t\r\n]+)\t");
  for (auto it = std::sregex_iterator(shortcuts.begin(), shortcuts.end(), key); it != std::sregex_iterator(); ++it)
    wanted.insert((*it)[1]);
  // The commands of the command line's usage text.
  const std::string usage(cli::kUsage);
  const std::regex command("veltrim ([a-z]+)");
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), command); it != std::sregex_iterator(); ++it)
    wanted.insert("veltrim " + (*it)[1].str());
  EXPECT_GE(wanted.size(), 8u + 6u + 5u);
  for (const std::string& word : wanted) EXPECT_NE(text.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace veltrim::test
