#pragma once
// Bitmapped Image page: the picture file beside the program stretched over
// the whole printable area, with the title line written over its top.

#include "core/page/page_context.hpp"

namespace veltrim {

// The picture's size; a larger bitmap gives its top-left part of this size.
inline constexpr int kPictureWidth = 1240;
inline constexpr int kPictureHeight = 1754;

inline constexpr const char* kBitmapLoadFailedText =
    "Could not load bitmap file, probably because the file is missing ! Reinstalling this application could solve "
    "this problem.";
inline constexpr const char* kBitmapCopyFailedText = "Could not create duplicate drawing surface !";

void DrawBitmappedImagePage(PageContext& page);

}  // namespace veltrim
