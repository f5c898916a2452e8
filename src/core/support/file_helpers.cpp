#include "core/support/file_helpers.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "core/support/dyn_string.hpp"
#include "core/support/file_replace.hpp"

namespace veltrim {

namespace {

bool PathTooShort(const char* path) { return path == nullptr || std::strlen(path) < 4; }

bool WriteZeros(std::FILE* file, std::int64_t count) {
  static constexpr std::array<char, 4096> zeros{};
  while (count > 0) {
    const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(count, zeros.size()));
    if (std::fwrite(zeros.data(), 1, chunk, file) != chunk) {
      return false;
    }
    count -= static_cast<std::int64_t>(chunk);
  }
  return true;
}

// A name beside `path` that another writer of the same file does not pick.
std::string TemporaryBeside(const char* path) { return std::string(path) + "." + std::to_string(std::random_device()()) + ".tmp"; }

}  // namespace

FileReader::FileReader(const char* path) : file_(path != nullptr ? std::fopen(path, "rb") : nullptr) {}

// Some platforms open a directory for reading; the first read then fails,
// which is how it is told apart from an empty file.
std::optional<std::int64_t> FileReader::Size() {
  if (!file_ || (std::fgetc(file_.get()) == EOF && std::ferror(file_.get()))) {
    return std::nullopt;
  }
  if (std::fseek(file_.get(), 0, SEEK_END) != 0) {
    return std::nullopt;
  }
  const long size = std::ftell(file_.get());
  if (size < 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(size);
}

std::size_t FileReader::Read(std::span<char> into) {
  return file_ && !into.empty() ? std::fread(into.data(), 1, into.size(), file_.get()) : 0;
}

bool FileReader::Seek(std::int64_t offset) {
  return file_ && offset >= 0 && offset <= std::numeric_limits<long>::max() &&
         std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) == 0;
}

std::optional<std::int64_t> QueryFileSize(const char* path) {
  FileReader file(path);
  return file.Size();
}

int LoadWholeFile(const char* path, std::span<char> block, std::int32_t& bytesRead) {
  bytesRead = 0;
  if (PathTooShort(path)) {
    CopyOut(block, kInvalidPathText);
    return 0;
  }
  FileReader file(path);
  if (!file) {
    CopyOut(block, kFileMissingText);
    return 0;
  }
  const std::optional<std::int64_t> size = file.Size();
  if (!size || *size > static_cast<std::int64_t>(block.size()) ||
      *size > std::numeric_limits<std::int32_t>::max()) {
    return 0;
  }
  const auto wanted = static_cast<std::size_t>(*size);
  if (wanted > 0 && file.Read(block.first(wanted)) != wanted) {
    return 0;
  }
  bytesRead = static_cast<std::int32_t>(wanted);
  return 1;
}

int WriteTextFile(const char* path, const char* text, std::int32_t length, int mode) {
  if (PathTooShort(path) || (mode != 0 && mode != 1)) {
    return 0;
  }
  const std::string_view source = text ? std::string_view(text) : std::string_view();
  // 64 bits so that the absolute value of INT32_MIN is representable.
  std::int64_t count = length;
  if (count == -1) {
    count = static_cast<std::int64_t>(source.size());
  } else if (count < -1) {
    count = -count;
  }

  // Append mode opens the existing file for appending, so its old contents
  // are never rewritten and cannot be lost by a failed write. Replacing
  // writes a temporary file beside the old one and only then puts it in its
  // place, so a failed write leaves the old file whole and never a half one.
  const std::string temporary = mode == 1 ? TemporaryBeside(path) : std::string();
  const char* target = mode == 1 ? temporary.c_str() : path;
  FileHandle file(std::fopen(target, mode == 1 ? "wb" : "ab"));
  if (!file) {
    return 0;
  }
  const std::size_t fromText = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(source.size()), count));
  bool ok = fromText == 0 || std::fwrite(source.data(), 1, fromText, file.get()) == fromText;
  ok = ok && WriteZeros(file.get(), count - static_cast<std::int64_t>(fromText));
  // Buffered bytes reach the file on close; a failure there is a failed write.
  ok = (std::fclose(file.release()) == 0) && ok;
  if (mode == 1) {
    ok = ok && MoveIntoPlace(temporary.c_str(), path);
    if (!ok) std::remove(temporary.c_str());
  }
  return ok ? 1 : 0;
}

}  // namespace veltrim
