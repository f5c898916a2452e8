#include "cli/cli_preview.hpp"

#include "cli/cli_image.hpp"
#include "cli/program_file.hpp"
#include "core/support/program_paths.hpp"

namespace veltrim::cli {

ObjectHandle PicturesBesideProgram::Load(Surface& surface, int id) {
  const std::string path = PathBesideProgram(programPath_, "preview-" + std::to_string(id) + ".bmp");
  return surface.LoadBitmapFile(path.c_str());
}

bool WritePreviewPng(const TestSelection& selection, int offsetMm, const std::string& output,
                     std::string& error) {
  PicturesBesideProgram pictures(RunningProgramPath());
  bool known = false;
  const auto draw = [&](const PixelCanvas& canvas) { known = DrawPreview(canvas, selection, offsetMm, pictures); };
  if (!WriteDrawnPng(kPreviewWidth, kPreviewHeight, output, draw, error)) return false;
  if (!known) error = "no such category";
  return known;
}

}  // namespace veltrim::cli
