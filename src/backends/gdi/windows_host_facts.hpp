#pragma once
// The local time and the computer's and user's names from Windows, for the
// information block of the printed page.

#include <span>

#include "core/page/host_facts.hpp"

namespace veltrim {

// The names are read into `buffer` (its whole size offered to each call)
// and copied out; a name the system cannot give is left empty rather than
// showing what the buffer held before.
HostFacts ReadWindowsHostFacts(std::span<char> buffer);

}  // namespace veltrim
