// A temporary folder of a test's own, removed afterwards unless VELTRIM_KEEP_RENDERS is set (then its path is
// printed, to look at what was drawn).
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace veltrim::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "veltrim-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    if (std::getenv("VELTRIM_KEEP_RENDERS") == nullptr) std::filesystem::remove_all(path_, ignored);
    else std::printf("kept %s\n", path_.c_str());
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace veltrim::test
