#include "support/file_helpers.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace veltrim {
namespace {

namespace fs = std::filesystem;

// Each test works in a fresh temporary directory, which is also the current
// directory so that short relative paths stay inside it.
class FileHelpers : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("veltrim_files_" + std::to_string(std::random_device()()));
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  std::string PathOf(const char* name) const { return (dir_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  fs::path dir_;
  const fs::path previous_ = fs::current_path();
  std::array<char, 128> block_{};
  std::int32_t read_ = -1;
};

TEST_F(FileHelpers, ShortPathsAreRefused) {
  for (const char* path : {static_cast<const char*>(nullptr), "", "abc"}) {
    EXPECT_EQ(LoadWholeFile(path, block_, read_), 0);
    EXPECT_STREQ(block_.data(), "#ERROR: invalid file path (less than 4 characters)!");
    EXPECT_EQ(read_, 0);
  }
  // The error text is cut to a tiny block, NUL included, and never overruns it.
  block_.fill('Z');
  EXPECT_EQ(LoadWholeFile("abc", std::span<char>(block_.data(), 10), read_), 0);
  EXPECT_EQ(std::string(block_.data(), 11), std::string("#ERROR: i\0Z", 11));
}

TEST_F(FileHelpers, RefusedOrFailedWritesReturnZeroAndTouchNothing) {
  Put(PathOf("keep.txt"), "kept");
  for (const int mode : {0, 1}) {
    EXPECT_EQ(WriteTextFile("abc", "x", -1, mode), 0);
    EXPECT_EQ(WriteTextFile(nullptr, "x", -1, mode), 0);
    EXPECT_EQ(WriteTextFile(PathOf("no_such_dir/file.txt").c_str(), "x", -1, mode), 0);
  }
  EXPECT_FALSE(fs::exists(dir_ / "abc"));
  EXPECT_EQ(WriteTextFile("abcd", "x", -1, 1), 1);  // four characters are enough
  EXPECT_EQ(WriteTextFile(PathOf("keep.txt").c_str(), "x", -1, 2), 0);
  EXPECT_EQ(Contents(PathOf("keep.txt")), "kept");
}

TEST_F(FileHelpers, MissingFileOrDirectoryIsNotLoaded) {
  EXPECT_EQ(LoadWholeFile(PathOf("missing.txt").c_str(), block_, read_), 0);
  EXPECT_STREQ(block_.data(), "#ERROR: this file does not exist!");
  EXPECT_EQ(QueryFileSize(PathOf("missing.txt").c_str()), std::nullopt);
  EXPECT_EQ(LoadWholeFile(dir_.string().c_str(), block_, read_), 0);
  EXPECT_EQ(QueryFileSize(dir_.string().c_str()), std::nullopt);
}

TEST_F(FileHelpers, WriteResolvesTheLengthThenLoadReadsTheBytesBack) {
  struct Case { const char* text; std::int32_t length; std::string bytes; };
  const Case cases[] = {
      {"10/20/", -1, "10/20/"}, {"10/20/", -5, "10/20"}, {"10/20/", 2, "10"},
      {"ab", 5, std::string("ab\0\0\0", 5)},  // padded with zero bytes
      {nullptr, 2, std::string(2, '\0')}, {"old", 0, ""},
  };
  const std::string path = PathOf("out.bin");
  for (const Case& c : cases) {
    Put(path, "previous contents");
    ASSERT_EQ(WriteTextFile(path.c_str(), c.text, c.length, 1), 1);
    EXPECT_EQ(QueryFileSize(path.c_str()), static_cast<std::int64_t>(c.bytes.size()));
    block_.fill('Z');
    ASSERT_EQ(LoadWholeFile(path.c_str(), block_, read_), 1);
    ASSERT_EQ(read_, static_cast<std::int32_t>(c.bytes.size()));
    EXPECT_EQ(std::string(block_.data(), c.bytes.size() + 1), c.bytes + "Z");  // no NUL added
  }
}

TEST_F(FileHelpers, AppendKeepsTheOldBytesFirst) {
  const std::string path = PathOf("append.txt");
  Put(path, "a");
  ASSERT_EQ(WriteTextFile(path.c_str(), "b", -1, 0), 1);
  EXPECT_EQ(Contents(path), "ab");
  Put(path, std::string("x\0y", 3));
  ASSERT_EQ(WriteTextFile(path.c_str(), "z", 2, 0), 1);
  EXPECT_EQ(Contents(path), std::string("x\0yz\0", 5));
}

TEST_F(FileHelpers, FileLargerThanTheBlockIsNotRead) {
  const std::string path = PathOf("large.bin");
  Put(path, std::string(100, 'L'));
  block_.fill('Z');
  EXPECT_EQ(LoadWholeFile(path.c_str(), std::span<char>(block_.data(), 99), read_), 0);
  EXPECT_EQ(read_, 0);
  EXPECT_EQ(std::string(block_.data(), block_.size()), std::string(block_.size(), 'Z'));
  EXPECT_EQ(LoadWholeFile(path.c_str(), std::span<char>(block_.data(), 100), read_), 1);
  EXPECT_EQ(read_, 100);
}

}  // namespace
}  // namespace veltrim
