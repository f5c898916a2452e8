// The only core file that sees <windows.h>: the C runtime's rename does not
// replace an existing file on Windows, and std::filesystem widens an 8-bit
// path byte for byte rather than through the ANSI code page, so it would
// name another file in any folder whose name is not ASCII. MoveFileExA takes
// the same ANSI path fopen took.
#include "core/support/file_replace.hpp"

#include <windows.h>

namespace veltrim {

bool MoveIntoPlace(const char* from, const char* to) {
  // Windows will not replace a read-only file, but Wine does: a file the user
  // made read-only stays as it is on both.
  const DWORD attributes = ::GetFileAttributesA(to);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace veltrim
