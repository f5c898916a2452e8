#include "platform/page_files.hpp"

#include <cctype>
#include <string>

namespace veltrim {
namespace {

std::string LowerExtension(const std::filesystem::path& output) {
  std::string extension = output.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

std::optional<FileFormat> FileFormatOf(const std::filesystem::path& output) {
  const std::string extension = LowerExtension(output);
  if (extension == ".pdf") return FileFormat::Pdf;
  if (extension == ".ps") return FileFormat::PostScript;
  if (extension == ".png") return FileFormat::Png;
  return std::nullopt;
}

std::filesystem::path PngPagePath(const std::filesystem::path& output, int page) {
  std::string base = output.string();
  if (LowerExtension(output) == ".png") base.resize(base.size() - 4);
  return base + "-" + std::to_string(page) + ".png";
}

}  // namespace veltrim
