#pragma once
// DrawText for every surface that has no DrawText of its own: the text is
// laid out in the rectangle line by line with the surface's own text
// measurements and drawn with TextOutA.
//
// Honoured formats: kDtWordBreak (break between words when the next word
// would pass the right edge; CR LF and LF break lines), kDtEditControl (a
// word longer than a line is broken inside the word -- without it the word
// is drawn whole past the right edge, as Windows does -- and a last line
// that would only partly show is not drawn), kDtSingleLine, kDtNoPrefix
// (without it "&x" draws "x" and "&&" draws "&"), kDtNoClip, kDtCalcRect
// (measure only: the rectangle's bottom and right are set to fit the text,
// as Windows does for single and multiple lines), kDtLeft, kDtCenter,
// kDtRight; kDtVCenter and kDtBottom with kDtSingleLine. The line height is
// tmHeight. draw_text.cpp gives the exact rules.
// Returns the height of the text drawn (0 on failure).

#include <cstdint>
#include <string_view>

#include "core/platform/surface.hpp"

namespace veltrim {

int DrawTextByWords(Surface& surface, std::string_view text, Rect& rect, std::uint32_t format);

}  // namespace veltrim
