#include <windows.h>

#include <algorithm>

#include "cli/program_file.hpp"

namespace veltrim::cli {

std::string RunningProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, std::min<DWORD>(length, MAX_PATH));
}

}  // namespace veltrim::cli
