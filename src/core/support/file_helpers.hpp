#pragma once
// Whole-file access with 8-bit paths. Both routines refuse paths shorter than
// 4 characters and report success as 1, failure as 0. Files are handled as raw
// bytes (no line-end translation).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>

namespace veltrim {

inline constexpr const char* kInvalidPathText =
    "#ERROR: invalid file path (less than 4 characters)!";
inline constexpr const char* kFileMissingText = "#ERROR: this file does not exist!";

struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A file open for reading raw bytes, closed with the object.
class FileReader {
 public:
  explicit FileReader(const char* path);
  explicit operator bool() const { return file_ != nullptr; }
  // Size in bytes, or nullopt when it is unknown or the file is a directory;
  // reading then goes on from the start.
  std::optional<std::int64_t> Size();
  // Reads on to fill `into`; the count read, short at the end of the file or
  // on an error.
  std::size_t Read(std::span<char> into);
  // Goes to `offset` bytes from the start; false when it cannot.
  bool Seek(std::int64_t offset);

 private:
  FileHandle file_;
};

// Size in bytes of the file at `path`, or nullopt when it cannot be opened
// for reading (missing, a directory, no access) or its size is unknown.
std::optional<std::int64_t> QueryFileSize(const char* path);

// Reads the whole file at `path` into `block`; no NUL is added. Returns 1 and
// sets `bytesRead` when the whole file was read, else 0 with `bytesRead` 0.
// A path that is null or shorter than 4 characters puts kInvalidPathText into
// the block, a file that cannot be opened puts kFileMissingText (each with its
// NUL, cut to fit a smaller block). A file larger than the block is not read
// at all: the result is 0 and the block is untouched.
int LoadWholeFile(const char* path, std::span<char> block, std::int32_t& bytesRead);

// Writes `length` bytes of `text` to `path`: the characters of the text,
// followed by zero bytes when `length` is longer than the text. `length` -1
// means the length of the text; a value below -1 is taken as its absolute
// value. A null text counts as empty.
// mode 1 replaces the file: the bytes go to a new file beside it, which then
// takes its place in one step, so a failed write leaves the old file whole
// and never a half-written one. mode 0 appends to it (creating it when
// missing); appending never rewrites the existing contents.
// Returns 1 on success, 0 when the path is shorter than 4 characters, the mode
// is neither 0 nor 1 (nothing is touched in either case), or the file cannot
// be opened or written.
int WriteTextFile(const char* path, const char* text, std::int32_t length, int mode);

}  // namespace veltrim
