#pragma once
// `veltrim preview`: the main window's preview of a selection drawn into a
// PNG of the preview area's size, with the pictures that lie beside the
// program (preview-20.bmp ... preview-37.bmp, the same the desktop program
// carries as resources).

#include <string>

#include "core/preview/preview_renderer.hpp"

namespace veltrim::cli {

inline constexpr int kPreviewWidth = 167;
inline constexpr int kPreviewHeight = 239;

// The pictures as files beside the program.
class PicturesBesideProgram final : public PreviewPictures {
 public:
  explicit PicturesBesideProgram(std::string programPath) : programPath_(std::move(programPath)) {}
  ObjectHandle Load(Surface& surface, int id) override;

 private:
  std::string programPath_;
};

// Draws the preview on a white canvas of the preview's size into `output`.
// False, with a message in `error`, when the image cannot be made or
// written; an unknown tab leaves the canvas white and says so in `error`.
bool WritePreviewPng(const TestSelection& selection, int offsetMm, const std::string& output,
                     std::string& error);

}  // namespace veltrim::cli
