#include "app/config_file.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>

namespace veltrim {
namespace {

namespace fs = std::filesystem;

constexpr CalibrationValues kUntouched{-9, -9, -9, -9, -9, -9, -9};

struct ParseCase {
  const char* name;
  std::string text;
  CalibrationValues expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }

class ParseRules : public ::testing::TestWithParam<ParseCase> {};

// Each case starts from values that are not zero, so "left unchanged" and
// "set to 0" are told apart.
TEST_P(ParseRules, SetsTheFieldsPresent) {
  const ParseCase& c = GetParam();
  CalibrationValues values = kUntouched;
  ParseCalibration(c.text, values);
  EXPECT_EQ(values, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRules,
    ::testing::Values(
        ParseCase{"SevenFields", "10/20/30/40/50/60/70/", {10, 20, 30, 40, 50, 60, 70}},
        ParseCase{"NoFinalSlash", "10/20/30/40/50/60/70", {10, 20, 30, 40, 50, 60, -9}},
        ParseCase{"ExtraFieldsIgnored", "1/2/3/4/5/6/7/8/9/", {1, 2, 3, 4, 5, 6, 7}},
        ParseCase{"BlankAndNegative", " 5/-3/", {5, -3, -9, -9, -9, -9, -9}},
        ParseCase{"Empty", "", kUntouched},
        ParseCase{"NoSlashAtAll", "12345", kUntouched},
        ParseCase{"FieldsWithoutDigits", "//abc/7x/+8/", {0, 0, 0, 7, 8, -9, -9}},
        ParseCase{"Saturates", "99999999999/-99999999999/", {INT_MAX, INT_MIN, -9, -9, -9, -9, -9}},
        ParseCase{"NulInsideAField", std::string("4\0" "2/6/", 6), {4, 6, -9, -9, -9, -9, -9}}));

TEST(ParseCalibration, HugeFieldSaturatesAndStaysInsideTheText) {
  // Far longer than any work area; the text is a separate allocation so a
  // read past its end is caught by the sanitizers.
  const std::string text = std::string(100000, '7') + "/-" + std::string(100000, '1') + "/3/";
  CalibrationValues values = kUntouched;
  EXPECT_EQ(ParseCalibration(text, values), 3);
  EXPECT_EQ(values, (CalibrationValues{INT_MAX, INT_MIN, 3, -9, -9, -9, -9}));
}

TEST(CalibrationText, WritesSevenFieldsWithSigns) {
  EXPECT_EQ(CalibrationText({10, 20, 30, 40, 50, 60, 70}), "10/20/30/40/50/60/70/");
  EXPECT_EQ(CalibrationText({-1, 0, -255, 255, INT_MIN, INT_MAX, 7}),
            "-1/0/-255/255/-2147483648/2147483647/7/");
}

struct PathCase {
  const char* program;
  const char* config;
  const char* help;
};

TEST(ProgramPaths, CutAfterTheLastSeparator) {
  const PathCase cases[] = {
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
  for (const PathCase& c : cases) {
    EXPECT_EQ(ConfigPath(c.program), c.config) << c.program;
    EXPECT_EQ(HelpDocumentPath(c.program), c.help) << c.program;
  }
}

class ConfigFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrim_config_" + std::to_string(std::random_device()()));
    fs::create_directories(dir_);
    path_ = ConfigPath((dir_ / "Veltrim.exe").string());
  }
  void TearDown() override { fs::remove_all(dir_); }
  void Put(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(ConfigFile, LivesBesideTheProgram) {
  EXPECT_EQ(fs::path(path_), dir_ / "config.qrv");
}

TEST_F(ConfigFile, WriteThenReadRoundTrips) {
  const CalibrationValues written{12, -7, 0, 255, -1000, 3, 2147483647};
  ASSERT_TRUE(WriteConfigFile(path_, written));
  EXPECT_EQ(Contents(), "12/-7/0/255/-1000/3/2147483647/");

  CalibrationValues read{};
  ASSERT_TRUE(ReadConfigFile(path_, read));
  EXPECT_EQ(read, written);

  // A rewrite replaces the whole file, even with shorter text.
  ASSERT_TRUE(WriteConfigFile(path_, {1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(Contents(), "1/2/3/4/5/6/7/");
}

TEST_F(ConfigFile, MissingOrEmptyFileLeavesTheValues) {
  CalibrationValues values = kUntouched;
  EXPECT_FALSE(ReadConfigFile(path_, values));
  EXPECT_EQ(values, kUntouched);

  Put("");
  EXPECT_TRUE(ReadConfigFile(path_, values));
  EXPECT_EQ(values, kUntouched);
}

TEST_F(ConfigFile, ShortFileSetsOnlyItsFields) {
  Put("10/20/30/40/50/60/70");
  CalibrationValues values = kUntouched;
  ASSERT_TRUE(ReadConfigFile(path_, values));
  EXPECT_EQ(values, (CalibrationValues{10, 20, 30, 40, 50, 60, -9}));
}

TEST_F(ConfigFile, HugeFieldInAFileSaturates) {
  Put(std::string(100000, '9') + "/5/");
  CalibrationValues values = kUntouched;
  ASSERT_TRUE(ReadConfigFile(path_, values));
  EXPECT_EQ(values, (CalibrationValues{INT_MAX, 5, -9, -9, -9, -9, -9}));
}

}  // namespace
}  // namespace veltrim
