#pragma once
// Simple Text Full Page (5% coverage): the text file beside the program,
// word-wrapped over the whole printable area in Times New Roman.

#include <cstddef>

#include "core/page/page_context.hpp"

namespace veltrim {

// The largest text file the page prints; a larger one is refused with the
// load message rather than cut.
inline constexpr std::size_t kSimpleTextBufferBytes = 24576;

inline constexpr const char* kTextLoadFailedText =
    "Could not load text file ! Reinstalling this application might fix this problem.";
inline constexpr const char* kTextCorruptText =
    "Text file is corrupt ! Reinstalling this application might fix this problem.";

void DrawSimpleTextPage(PageContext& page);

}  // namespace veltrim
