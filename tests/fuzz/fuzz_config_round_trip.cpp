// Any seven 32-bit values, written as the calibration wizard writes config.qrv and read back as the program reads it
// at start-up, come back the same. Every input goes through the text; one in 64 also through a real file (replaced
// beside itself, then read), which costs a hundred times more and would keep the run far from a million inputs.
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/app/config_file.hpp"
#include "fuzz_check.hpp"

namespace {

// A folder of this run's own, removed when the run ends.
struct Folder {
  Folder() { std::filesystem::create_directories(path); }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("veltrim-fuzz-" + std::to_string(getpid()));
};

const std::string& ConfigPath() {
  static const Folder folder;
  static const std::string path = (folder.path / "config.qrv").string();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  veltrim::CalibrationValues written{};
  std::memcpy(written.data(), data, std::min(size, sizeof written));
  const std::string text = veltrim::CalibrationText(written);
  veltrim::CalibrationValues parsed{-5, -5, -5, -5, -5, -5, -5};
  Check(veltrim::ParseCalibration(text, parsed) == veltrim::kCalibrationValues);
  Check(parsed == written);
  static std::uint64_t runs = 0;
  if (runs++ % 64 != 0) return 0;
  Check(veltrim::WriteConfigFile(ConfigPath(), written));
  Check(std::filesystem::file_size(ConfigPath()) == text.size());
  veltrim::CalibrationValues read{-5, -5, -5, -5, -5, -5, -5};
  Check(veltrim::ReadConfigFile(ConfigPath(), read));
  Check(read == written);
  return 0;
}
