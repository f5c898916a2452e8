#pragma once
// DynString: the growable NUL-terminated 8-bit text every report and message
// is built in.
//
// The block grows in quanta of 32768 bytes and never shrinks, so a long run of
// small appends copies the text at most once per 32 KB. Appends carry the old
// characters into a new block; an assign does not (they are being replaced).
// A text that would make the block exceed the largest 32-bit capacity throws
// std::length_error and leaves the string unchanged.
//
// Copying is disabled: the block is 32 KB at least and an accidental copy is
// never wanted. A moved-from DynString is empty with no block; it can be
// assigned or appended to again.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace veltrim {

class DynString {
 public:
  static constexpr std::int32_t kGrowthQuantum = 32768;
  // Largest multiple of the quantum that fits a 32-bit signed capacity.
  static constexpr std::int32_t kMaxCapacity =
      (INT32_MAX / kGrowthQuantum) * kGrowthQuantum;

  DynString();  // a zeroed block of kGrowthQuantum bytes, length 0
  ~DynString() = default;
  DynString(const DynString&) = delete;
  DynString& operator=(const DynString&) = delete;
  DynString(DynString&& other) noexcept;
  DynString& operator=(DynString&& other) noexcept;

  // `text` may point into this string's own block.
  DynString& Assign(const char* text);  // null counts as empty
  DynString& Assign(std::string_view text);
  DynString& Append(const char* text);  // null counts as empty
  DynString& Append(std::string_view text);
  DynString& AppendNumber(std::int32_t value);  // decimal text
  void Clear();

  const char* Data() const noexcept;  // never null; NUL-terminated
  std::int32_t Length() const noexcept { return length_; }
  std::int32_t Capacity() const noexcept { return capacity_; }
  std::string_view View() const noexcept { return {Data(), static_cast<std::size_t>(length_)}; }

  // How many times the block has been replaced by a larger one since
  // construction (the initial block is not counted).
  std::int64_t Reallocations() const noexcept { return reallocations_; }

  // Block size the growth rule chooses for `needed` bytes (characters + NUL):
  // the smallest multiple of kGrowthQuantum not below it. Throws
  // std::length_error when that exceeds kMaxCapacity.
  static std::int32_t CapacityFor(std::int64_t needed);

 private:
  void Replace(std::string_view text, bool keepOld);

  std::unique_ptr<char[]> data_;
  std::int32_t length_ = 0;
  std::int32_t capacity_ = 0;
  std::int64_t reallocations_ = 0;
};

// Copies `src` and its NUL into `dest`; a null or empty source writes just the
// NUL. `dest` must be large enough (a null `dest` is ignored).
void CopyOut(char* dest, const char* src);

// Bounded form: copies as much of `src` as fits and always ends with a NUL
// when `dest` is not empty. Returns the number of characters copied.
std::size_t CopyOut(std::span<char> dest, std::string_view src);

}  // namespace veltrim
