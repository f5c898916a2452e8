#pragma once
// Black&White item 0, "Info text": 26 lines telling when, where, from which
// computer and by whom the page was printed, and the printer's main
// capabilities.

#include "core/page/page_context.hpp"

namespace veltrim {

inline constexpr int kInfoLines = 26;
inline constexpr const char* kMakerAddress = "www.qorvel.com";

void DrawInfoBlock(PageContext& page);

}  // namespace veltrim
