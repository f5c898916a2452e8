#include "app/config_file.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "../support/scratch_dir.hpp"
#include "app/program_paths.hpp"

namespace veltrim {
namespace {

// Not zero, so that "left unchanged" and "set to 0" are told apart.
constexpr CalibrationValues kUntouched{-9, -9, -9, -9, -9, -9, -9};

TEST(ParseCalibration, SetsTheFieldsPresentAndLeavesTheRest) {
  struct Case { std::string text; CalibrationValues expected; int set; };
  const Case cases[] = {
      {"10/20/30/40/50/60/70/", {10, 20, 30, 40, 50, 60, 70}, 7},
      {"10/20/30/40/50/60/70", {10, 20, 30, 40, 50, 60, -9}, 6},  // no final slash
      {"1/2/3/4/5/6/7/8/9/", {1, 2, 3, 4, 5, 6, 7}, 7},           // fields after the seventh ignored
      {" 5/-3/", {5, -3, -9, -9, -9, -9, -9}, 2},
      {"", kUntouched, 0},
      {"12345", kUntouched, 0},
      {"//abc/7x/+8/", {0, 0, 0, 7, 8, -9, -9}, 5},  // no digits gives 0
      {"99999999999/-99999999999/", {INT_MAX, INT_MIN, -9, -9, -9, -9, -9}, 2},
      {std::string("4\0" "2/6/", 6), {4, 6, -9, -9, -9, -9, -9}, 2},
      // Far longer than any work area; a read past the text is caught by the sanitizers.
      {std::string(100000, '7') + "/-" + std::string(100000, '1') + "/3/", {INT_MAX, INT_MIN, 3, -9, -9, -9, -9}, 3},
  };
  for (const Case& c : cases) {
    CalibrationValues values = kUntouched;
    EXPECT_EQ(ParseCalibration(c.text, values), c.set) << c.text.substr(0, 30);
    EXPECT_EQ(values, c.expected) << c.text.substr(0, 30);
  }
}

TEST(ProgramPaths, CutAfterTheLastSeparator) {
  struct Case { const char *program, *config, *help; };
  const Case cases[] = {
      {"C:\\Program Files\\Veltrim\\Veltrim.exe", "C:\\Program Files\\Veltrim\\config.qrv",
       "C:\\Program Files\\Veltrim\\qprintdoc.pdf"},
      {"C:\\Veltrim.exe", "C:\\config.qrv", "C:\\qprintdoc.pdf"},
      // A backslash before the third character, or none: the drive rule.
      {"\\Veltrim.exe", "\\Veconfig.qrv", "\\qprintdoc.pdf"},
      {"C:Veltrim.exe", "C:Vconfig.qrv", "qprintdoc.pdf"},
      {"ab", "abconfig.qrv", "qprintdoc.pdf"},
      // POSIX paths from the Linux CLI, and forward slashes on Windows.
      {"/usr/lib/veltrim/veltrim", "/usr/lib/veltrim/config.qrv", "/usr/lib/veltrim/qprintdoc.pdf"},
      {"/veltrim", "/config.qrv", "/qprintdoc.pdf"},
      {"./veltrim", "./config.qrv", "./qprintdoc.pdf"},
      {"C:/Tools\\Veltrim.exe", "C:/Tools\\config.qrv", "C:/Tools\\qprintdoc.pdf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ConfigPath(c.program), c.config) << c.program;
    EXPECT_EQ(HelpDocumentPath(c.program), c.help) << c.program;
  }
  EXPECT_EQ(PathBesideProgram("D:\\V\\v.exe", kTextDataFileName), "D:\\V\\fperc.qrv");
  EXPECT_EQ(PathBesideProgram("D:\\V\\v.exe", kBitmapDataFileName), "D:\\V\\myimg.qrv");
}

TEST(ConfigFile, WrittenWholeAndReadBackOrLeftAlone) {
  const test::ScratchDir dir;
  const std::string path = ConfigPath(dir.Path("Veltrim.exe"));
  CalibrationValues values = kUntouched;
  EXPECT_FALSE(ReadConfigFile(path, values)) << "no file";
  EXPECT_EQ(values, kUntouched);
  test::ScratchDir::Put(path, "");
  EXPECT_TRUE(ReadConfigFile(path, values));
  EXPECT_EQ(values, kUntouched) << "an empty file sets nothing";
  test::ScratchDir::Put(path, "10/20/30/40/50/60/70");
  ASSERT_TRUE(ReadConfigFile(path, values));
  EXPECT_EQ(values, (CalibrationValues{10, 20, 30, 40, 50, 60, -9}));

  const CalibrationValues written{12, -7, 0, 255, INT_MIN, 3, INT_MAX};  // decimal, each closed by "/"
  ASSERT_TRUE(WriteConfigFile(path, written));
  EXPECT_EQ(test::ScratchDir::Contents(dir.Path("config.qrv")), "12/-7/0/255/-2147483648/3/2147483647/");
  EXPECT_EQ(CalibrationText(written), "12/-7/0/255/-2147483648/3/2147483647/");
  ASSERT_TRUE(ReadConfigFile(path, values));
  EXPECT_EQ(values, written);
  ASSERT_TRUE(WriteConfigFile(path, {1, 2, 3, 4, 5, 6, 7}));  // shorter text, whole file replaced
  EXPECT_EQ(test::ScratchDir::Contents(path), "1/2/3/4/5/6/7/");
}

}  // namespace
}  // namespace veltrim
