#pragma once
// The one step of a replacing write that differs by platform: a finished
// file takes the place of another in one step. Paths are 8-bit, in the
// encoding the C library's fopen takes (the ANSI code page on Windows), so
// the file written is the file moved.

namespace veltrim {

// Puts the file `from` in the place of `to`, replacing `to` when it exists.
// False when it cannot (then `from` is still there and `to` untouched).
bool MoveIntoPlace(const char* from, const char* to);

}  // namespace veltrim
