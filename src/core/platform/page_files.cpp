#include "core/platform/page_files.hpp"

#include <cctype>
#include <string>

namespace veltrim {
namespace {

// The extension from the name's last dot, lower case; none for a name that
// only starts with a dot.
std::string LowerExtension(const std::string& output) {
  const std::string name = FileNameOf(output);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0 || name == "..") return {};
  std::string extension = name.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<FileFormat> FileFormatOf(const std::string& output) {
  const std::string extension = LowerExtension(output);
  if (extension == ".pdf") return FileFormat::Pdf;
  if (extension == ".ps") return FileFormat::PostScript;
  if (extension == ".png") return FileFormat::Png;
  return std::nullopt;
}

std::string PngPagePath(const std::string& output, int page) {
  std::string base = output;
  if (LowerExtension(output) == ".png") base.resize(base.size() - 4);
  return base + "-" + std::to_string(page) + ".png";
}

}  // namespace veltrim
