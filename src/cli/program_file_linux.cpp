#include <filesystem>
#include <system_error>

#include "cli/program_file.hpp"

namespace veltrim::cli {

std::string RunningProgramPath() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

}  // namespace veltrim::cli
