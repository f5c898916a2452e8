#pragma once
// The step `preview` and `plot` share: a white image, the command's drawing
// on it through a Surface, the image written as a PNG. Cairo on an image
// surface on Linux, GDI on a memory DC holding a DIB section on Windows.

#include <functional>
#include <string>

#include "core/platform/pixel_canvas.hpp"

namespace veltrim::cli {

using DrawOnCanvas = std::function<void(const PixelCanvas&)>;

// Calls `draw` with a canvas `width` x `height` pixels, white all over, one
// unit a pixel, then writes it into `output`. False, with a message in
// `error`, when the image cannot be made or written.
bool WriteDrawnPng(int width, int height, const std::string& output, const DrawOnCanvas& draw,
                   std::string& error);

// The message for an image the platform would not make.
inline std::string CannotMakeImage(int width, int height) {
  return "cannot make an image of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

}  // namespace veltrim::cli
