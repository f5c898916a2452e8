#pragma once
// What the recording surface's source files share and nothing outside the
// backend sees: how arguments are written into records and object names.

#include <cstdint>
#include <string>
#include <string_view>

#include "backends/recording/recording_surface.hpp"

namespace veltrim::recording_detail {

inline std::int64_t H(ObjectHandle handle) { return static_cast<std::int64_t>(handle.value); }
inline std::int64_t B(bool value) { return value ? 1 : 0; }
inline std::int64_t C(ColorRef colour) { return static_cast<std::int64_t>(colour); }

// A colour as 0x00BBGGRR in hex (eight digits when it does not fit in six).
std::string HexColour(std::int64_t value);
// Text in double quotes, with escapes for quotes, backslashes and control bytes.
std::string Quoted(std::string_view text);
// The kind's word in object names and problems: "pen", "brush", "font", "bitmap".
const char* KindName(ObjectKind kind);

}  // namespace veltrim::recording_detail
