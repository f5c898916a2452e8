#pragma once
// Text as a JSON string.

#include <string>
#include <string_view>

namespace veltrim {

// `text` as a JSON string. Names come from the printer and the user: every
// control character and every byte that is not ASCII is escaped, so the
// text stays valid JSON whatever its encoding.
std::string JsonQuoted(std::string_view text);

}  // namespace veltrim
