// The only core file that sees <windows.h>: the C runtime's rename does not
// replace an existing file on Windows, and std::filesystem widens an 8-bit
// path byte for byte rather than through the ANSI code page, so it would
// name another file in any folder whose name is not ASCII. MoveFileExA takes
// the same ANSI path fopen took.
#include "support/file_replace.hpp"

#include <windows.h>

namespace veltrim {

bool MoveIntoPlace(const char* from, const char* to) {
  return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace veltrim
