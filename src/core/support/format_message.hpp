#pragma once
// FormatMessageText: builds a new text from a format with "?"-placeholders.
//
//   ??  a single "?"                    ?s  a text (null gives nothing)
//   ?n  an integer in decimal           ?d, ?f  a floating-point value, 8 digits
//   ?c  one character (low 8 bits)      ?B  "TRUE" if exactly 1, else "FALSE"
//   ?b  "true" if not 0, else "false"   ?D  "0x" + 8 upper-case hex digits
//   ?W  "0x" + 4 upper-case hex digits of the low 16 bits
// Any other character after "?" is copied and the "?" dropped; a "?" ending
// the format is dropped. A null format counts as empty.
//
// Arguments are FormatArg values, taken in order, one per placeholder that
// consumes one:
// - a missing argument (more placeholders than arguments) counts as 0 for the
//   number placeholders and as a null text for "?s";
// - an integer where a floating-point value is expected is widened, a
//   floating-point value where an integer is expected is truncated toward zero
//   (saturating; NaN gives 0);
// - a text where a number is expected counts as 0, a number where a text is
//   expected gives nothing.
// FormatArg holds the pointer of a text, not a copy: std::string is not
// accepted, pass .c_str() of a string that outlives the call.
//
// The result block is sized from EstimateFormatSize plus the two closing NULs
// and grows when a "?s" text is longer than its share of the estimate.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace veltrim {

class FormatArg {
 public:
  enum class Kind { None, Int, Float, Text };

  constexpr FormatArg() noexcept = default;  // a missing argument
  // Integers keep their low 32 bits, so an unsigned 0xFFFFFFFF reads as -1.
  template <std::integral T>
  constexpr FormatArg(T value) noexcept  // NOLINT(google-explicit-constructor)
      : kind_(Kind::Int),
        int_(static_cast<std::int32_t>(static_cast<std::uint32_t>(value))) {}
  template <std::floating_point T>
  constexpr FormatArg(T value) noexcept  // NOLINT(google-explicit-constructor)
      : kind_(Kind::Float), float_(static_cast<double>(value)) {}
  constexpr FormatArg(const char* text) noexcept  // NOLINT(google-explicit-constructor)
      : kind_(Kind::Text), text_(text) {}
  constexpr FormatArg(std::nullptr_t) noexcept  // NOLINT(google-explicit-constructor)
      : kind_(Kind::Text) {}

  constexpr Kind GetKind() const noexcept { return kind_; }
  std::int32_t AsInt() const noexcept;
  double AsDouble() const noexcept;
  const char* AsText() const noexcept;  // null unless a text was given

 private:
  Kind kind_ = Kind::None;
  std::int32_t int_ = 0;
  double float_ = 0.0;
  const char* text_ = nullptr;
};

// Owner of a formatted text: Length() characters followed by two NUL bytes.
class TextBlock {
 public:
  TextBlock(std::unique_ptr<char[]> data, std::size_t length) noexcept
      : data_(std::move(data)), length_(length) {}
  TextBlock(TextBlock&&) noexcept = default;
  TextBlock& operator=(TextBlock&&) noexcept = default;
  TextBlock(const TextBlock&) = delete;
  TextBlock& operator=(const TextBlock&) = delete;

  const char* Data() const noexcept { return data_.get(); }
  std::size_t Length() const noexcept { return length_; }
  std::string_view View() const noexcept { return {data_.get(), length_}; }

 private:
  std::unique_ptr<char[]> data_;
  std::size_t length_ = 0;
};

// The size the result block starts from: the format's length plus a fixed
// allowance per placeholder (10240 for "?s").
std::size_t EstimateFormatSize(const char* format);

TextBlock FormatMessageTextArgs(const char* format, std::span<const FormatArg> args);

template <typename... Args>
TextBlock FormatMessageText(const char* format, Args&&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return FormatMessageTextArgs(format, {});
  } else {
    const FormatArg packed[] = {FormatArg(std::forward<Args>(args))...};
    return FormatMessageTextArgs(format, packed);
  }
}

}  // namespace veltrim
