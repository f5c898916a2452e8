#pragma once
// A fresh directory under the temporary one, the current directory while it lives (so short relative paths stay
// inside it), removed with its files at the end.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "file_text.hpp"

namespace veltrim::test {

class ScratchDir {
 public:
  ScratchDir() { std::filesystem::create_directories(dir_); std::filesystem::current_path(dir_); }
  ~ScratchDir() { std::filesystem::current_path(previous_); std::filesystem::remove_all(dir_); }
  const std::filesystem::path& Path() const { return dir_; }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  // `bytes` as the file `name` in the directory; answers its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    Put(Path(name), bytes);
    return Path(name);
  }

 private:
  const std::filesystem::path previous_ = std::filesystem::current_path();
  const std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() / ("veltrim_" + std::to_string(std::random_device()()));
};

}  // namespace veltrim::test
