#pragma once
// The title line shared by the Color and Color Calibration pages and some
// full-page options, followed by the printer's name when there is one.

#include "core/page/page_context.hpp"

namespace veltrim {

inline constexpr const char* kTitleVersion2 = "QORVEL Veltrim version 2 / Printer: ";
inline constexpr const char* kTitleProgramVersion2 = "QORVEL Veltrim Program - version 2 / Printer: ";
inline constexpr const char* kTitleV2 = "QORVEL Veltrim v2 / Printer: ";

void DrawTitleLine(PageContext& page, const char* title, int y);

}  // namespace veltrim
