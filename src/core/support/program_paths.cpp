#include "core/support/program_paths.hpp"

namespace veltrim {

namespace {

// Position of the last '\' or '/', or npos.
std::size_t LastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

}  // namespace

std::string PathBesideProgram(std::string_view programPath, std::string_view fileName) {
  const std::size_t cut = LastSeparator(programPath);
  std::string_view directory;
  if (cut != std::string_view::npos && (programPath[cut] == '/' || cut >= 2)) {
    directory = programPath.substr(0, cut + 1);
  } else {
    directory = programPath.substr(0, 3);
  }
  std::string path(directory);
  path += fileName;
  return path;
}

std::string ConfigPath(std::string_view programPath) { return PathBesideProgram(programPath, kConfigFileName); }

std::string HelpDocumentPath(std::string_view programPath) {
  const std::size_t cut = LastSeparator(programPath);
  std::string path(cut == std::string_view::npos ? std::string_view{} : programPath.substr(0, cut + 1));
  path += kHelpDocumentName;
  return path;
}

}  // namespace veltrim
