#include "cli_preview.hpp"

#include "app/program_paths.hpp"

namespace veltrim::cli {

ObjectHandle PicturesBesideProgram::Load(Surface& surface, int id) {
  const std::string path = PathBesideProgram(programPath_, "preview-" + std::to_string(id) + ".bmp");
  return surface.LoadBitmapFile(path.c_str());
}

}  // namespace veltrim::cli
