#include "core/support/format_message.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "core/support/number_text.hpp"

namespace veltrim {

std::int32_t FormatArg::AsInt() const noexcept {
  switch (kind_) {
    case Kind::Int:
      return int_;
    case Kind::Float: {
      if (std::isnan(float_)) {
        return 0;
      }
      const double clamped = std::clamp(std::trunc(float_), double{INT32_MIN}, double{INT32_MAX});
      return static_cast<std::int32_t>(clamped);
    }
    case Kind::Text:
    case Kind::None:
      break;
  }
  return 0;
}

double FormatArg::AsDouble() const noexcept {
  switch (kind_) {
    case Kind::Int:
      return int_;
    case Kind::Float:
      return float_;
    case Kind::Text:
    case Kind::None:
      break;
  }
  return 0.0;
}

const char* FormatArg::AsText() const noexcept { return kind_ == Kind::Text ? text_ : nullptr; }

std::size_t EstimateFormatSize(const char* format) {
  if (format == nullptr) {
    return 0;
  }
  std::size_t estimate = std::strlen(format);
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '?' || p[1] < '?' || p[1] > 's') {
      continue;
    }
    ++p;  // the placeholder letter is not examined again
    switch (*p) {
      case '?':
      case 'c':
        estimate += 1;
        break;
      case 'B':
      case 'b':
        estimate += 4;
        break;
      case 'D':
        estimate += 10;
        break;
      case 'W':
        estimate += 6;
        break;
      case 'd':
        estimate += 25;
        break;
      case 'f':
      case 'n':
        estimate += 15;
        break;
      case 's':
        estimate += 10240;
        break;
      default:
        break;
    }
  }
  return estimate;
}

namespace {

// Output buffer that starts at the estimate plus the two closing NULs and
// grows (doubling) only when a long text argument does not fit.
class Output {
 public:
  explicit Output(std::size_t estimate)
      : capacity_(estimate + 2), data_(std::make_unique_for_overwrite<char[]>(capacity_)) {}

  void Put(std::string_view text) {
    Reserve(text.size());
    if (!text.empty()) {
      std::memcpy(data_.get() + length_, text.data(), text.size());
    }
    length_ += text.size();
  }
  void Put(char c) {
    Reserve(1);
    data_[length_++] = c;
  }

  TextBlock Finish() && {
    Reserve(0);
    data_[length_] = '\0';
    data_[length_ + 1] = '\0';
    return TextBlock(std::move(data_), length_);
  }

 private:
  // Keeps room for `more` characters plus the two closing NULs.
  void Reserve(std::size_t more) {
    const std::size_t needed = length_ + more + 2;
    if (needed <= capacity_) {
      return;
    }
    const std::size_t grown = std::max(needed, capacity_ * 2);
    auto block = std::make_unique_for_overwrite<char[]>(grown);
    std::memcpy(block.get(), data_.get(), length_);
    data_ = std::move(block);
    capacity_ = grown;
  }

  std::size_t capacity_;
  std::unique_ptr<char[]> data_;
  std::size_t length_ = 0;
};

std::string PaddedHex(std::uint32_t value, std::size_t width) {
  std::string digits = IntToText(static_cast<std::int32_t>(value), 16);
  for (char& c : digits) {
    if (c >= 'a' && c <= 'f') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  if (digits.size() < width) {
    digits.insert(0, width - digits.size(), '0');
  }
  return "0x" + digits;
}

}  // namespace

TextBlock FormatMessageTextArgs(const char* format, std::span<const FormatArg> args) {
  Output out(EstimateFormatSize(format));
  if (format == nullptr) {
    return std::move(out).Finish();
  }
  std::size_t nextArg = 0;
  const auto take = [&]() -> FormatArg {
    return nextArg < args.size() ? args[nextArg++] : FormatArg();
  };

  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '?') {
      out.Put(*p);
      continue;
    }
    ++p;
    switch (*p) {
      case '\0':
        --p;  // a trailing "?" is dropped; let the loop see the end
        break;
      case '?':
        out.Put('?');
        break;
      case 's':
        if (const char* text = take().AsText()) {
          out.Put(std::string_view(text));
        }
        break;
      case 'n':
        out.Put(IntToText(take().AsInt(), 10));
        break;
      case 'd':
      case 'f':
        out.Put(FloatToText(take().AsDouble(), 8));
        break;
      case 'c':
        out.Put(static_cast<char>(take().AsInt() & 0xFF));
        break;
      case 'B':
        out.Put(take().AsInt() == 1 ? "TRUE" : "FALSE");
        break;
      case 'b':
        out.Put(take().AsInt() != 0 ? "true" : "false");
        break;
      case 'D':
        out.Put(PaddedHex(static_cast<std::uint32_t>(take().AsInt()), 8));
        break;
      case 'W':
        out.Put(PaddedHex(static_cast<std::uint32_t>(take().AsInt()) & 0xFFFFu, 4));
        break;
      default:
        out.Put(*p);
        break;
    }
  }
  return std::move(out).Finish();
}

}  // namespace veltrim
