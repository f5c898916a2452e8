#pragma once
// The line blocks of the Black&White and Color pages: the Bezier band, the
// line-weight combs and the thin inclined lines.

#include "core/page/page_context.hpp"

namespace veltrim {

void DrawBezierCurves(PageContext& page);       // Black&White item 7
void DrawBlackThicknessLines(PageContext& page);  // Black&White item 8, the last of its page
void DrawThinInclinedLines(PageContext& page);  // Color item 8
void DrawCyanThicknessLines(PageContext& page);     // Color item 9
void DrawMagentaThicknessLines(PageContext& page);  // Color item 10
void DrawYellowThicknessLines(PageContext& page);   // Color item 11, the last of its page

}  // namespace veltrim
