#include "core/support/file_replace.hpp"

#include <cstdio>

namespace veltrim {

// POSIX rename replaces an existing file atomically.
bool MoveIntoPlace(const char* from, const char* to) { return std::rename(from, to) == 0; }

}  // namespace veltrim
