#pragma once
// Advanced option 14, Full Page Text Only: one long run of characters
// written four times over the whole page, each time in another face, size
// and grey (lighter and larger first), and the title last on a white box.

#include <string>
#include <string_view>

#include "core/page/page_context.hpp"

namespace veltrim {

// The 94 characters of the sample line: letters, digits and punctuation,
// no blank.
extern const std::string_view kSampleLine;

// `text` with a blank after the character at index n, then after the one
// at 2n, ... counting the blanks already put in, so the first line piece
// holds n + 1 characters and every later one n - 1. Lines of fewer than
// two characters would never end the breaking; n is taken as at least 2.
std::string BreakIntoLines(std::string_view text, int n);

void DrawFullPageTextOnly(PageContext& page);

}  // namespace veltrim
