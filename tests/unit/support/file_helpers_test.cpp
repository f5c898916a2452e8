#include "support/file_helpers.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "scratch_dir.hpp"

namespace veltrim {
namespace {

using test::ScratchDir;

TEST(FileHelpers, ShortMissingOrUnreadablePathsAreRefused) {
  const ScratchDir dir;
  std::array<char, 128> block{};
  std::int32_t read = -1;
  for (const char* path : {static_cast<const char*>(nullptr), "", "abc"}) {
    EXPECT_EQ(LoadWholeFile(path, block, read), 0);
    EXPECT_EQ(std::pair(std::string(block.data()), read), std::pair(std::string(kInvalidPathText), 0));
  }
  EXPECT_STREQ(kInvalidPathText, "#ERROR: invalid file path (less than 4 characters)!");
  block.fill('Z');  // the error text is cut to a tiny block, NUL included
  EXPECT_EQ(LoadWholeFile("abc", std::span<char>(block.data(), 10), read), 0);
  EXPECT_EQ(std::string(block.data(), 11), std::string("#ERROR: i\0Z", 11));
  for (const std::string& path : {dir.Path("missing.txt"), dir.Path("")}) {  // a missing file, a directory
    EXPECT_EQ(LoadWholeFile(path.c_str(), block, read), 0);
    EXPECT_EQ(QueryFileSize(path.c_str()), std::nullopt);
  }
  EXPECT_STREQ(block.data(), "#ERROR: this file does not exist!");

  ScratchDir::Put(dir.Path("keep.txt"), "kept");
  for (const int mode : {0, 1}) {
    for (const char* path : {"abc", static_cast<const char*>(nullptr), "no_such_dir/file.txt"})
      EXPECT_EQ(WriteTextFile(path, "x", -1, mode), 0) << (path ? path : "(null)") << " mode " << mode;
  }
  EXPECT_EQ(WriteTextFile(dir.Path("keep.txt").c_str(), "x", -1, 2), 0);
  EXPECT_EQ(ScratchDir::Contents(dir.Path("keep.txt")), "kept");
  EXPECT_EQ(ScratchDir::Contents(dir.Path("abc")), "") << "nothing written";
  EXPECT_EQ(WriteTextFile("abcd", "x", -1, 1), 1) << "four characters are enough";
}

TEST(FileHelpers, WriteResolvesTheLengthAppendsAfterTheOldBytesAndLoadReadsThemBack) {
  const ScratchDir dir;
  struct Case { const char* text; std::int32_t length; int mode; std::string bytes; };
  const Case cases[] = {
      {"10/20/", -1, 1, "10/20/"}, {"10/20/", -5, 1, "10/20"}, {"10/20/", 2, 1, "10"},
      {"ab", 5, 1, std::string("ab\0\0\0", 5)},  // padded with zero bytes
      {nullptr, 2, 1, std::string(2, '\0')}, {"old", 0, 1, ""},
      {"b", -1, 0, "previous contents" "b"}, {"z", 2, 0, std::string("previous contents" "z\0", 19)},
  };
  const std::string path = dir.Path("out.bin");
  std::array<char, 128> block{};
  std::int32_t read = -1;
  for (const Case& c : cases) {
    ScratchDir::Put(path, "previous contents");
    ASSERT_EQ(WriteTextFile(path.c_str(), c.text, c.length, c.mode), 1);
    EXPECT_EQ(QueryFileSize(path.c_str()), static_cast<std::int64_t>(c.bytes.size()));
    block.fill('Z');
    ASSERT_EQ(LoadWholeFile(path.c_str(), block, read), 1);
    EXPECT_EQ(std::string(block.data(), c.bytes.size() + 1), c.bytes + "Z") << "no NUL added";
    EXPECT_EQ(read, static_cast<std::int32_t>(c.bytes.size()));
  }
  ScratchDir::Put(path, std::string(100, 'L'));  // larger than the block: not read at all
  block.fill('Z');
  EXPECT_EQ(LoadWholeFile(path.c_str(), std::span<char>(block.data(), 99), read), 0);
  EXPECT_EQ(std::pair(std::string(block.data(), block.size()), read), std::pair(std::string(block.size(), 'Z'), 0));
  EXPECT_EQ(LoadWholeFile(path.c_str(), std::span<char>(block.data(), 100), read), 1);
  EXPECT_EQ(read, 100);
}

TEST(FileHelpers, AReplacingWriteThatFailsLeavesTheOldFileWholeAndNoTemporaryFile) {
  const ScratchDir dir;
  const std::string path = dir.Path("config.qrv"), folder = dir.Path("folder.qrv");
  const auto names = [&] {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path(""))) found.insert(entry.path().filename().string());
    return found;
  };
  ScratchDir::Put(path, "10/20/30/40/50/60/70/");
#ifndef _WIN32
  // A file size limit stops the write part way, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int result = WriteTextFile(path.c_str(), "150/-1/-1/-1/-1/-1/-1/", -1, 1);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(ScratchDir::Contents(path), "10/20/30/40/50/60/70/");
#endif
  std::filesystem::create_directory(folder);  // written whole, but nothing can replace a folder
  EXPECT_EQ(WriteTextFile(folder.c_str(), "x", -1, 1), 0);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(names(), (std::set<std::string>{"config.qrv", "folder.qrv"})) << "no temporary file is left";
  ASSERT_EQ(WriteTextFile(path.c_str(), "1/", -1, 1), 1);
  EXPECT_EQ(ScratchDir::Contents(path), "1/");
  EXPECT_EQ(names(), (std::set<std::string>{"config.qrv", "folder.qrv"}));
}

}  // namespace
}  // namespace veltrim
