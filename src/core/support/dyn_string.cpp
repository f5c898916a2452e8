#include "core/support/dyn_string.hpp"

#include <cstring>
#include <stdexcept>
#include <utility>

#include "core/support/number_text.hpp"

namespace veltrim {

DynString::DynString()
    : data_(std::make_unique<char[]>(kGrowthQuantum)),  // value-initialised: all zero
      capacity_(kGrowthQuantum) {}

DynString::DynString(DynString&& other) noexcept
    : data_(std::move(other.data_)),
      length_(std::exchange(other.length_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      reallocations_(std::exchange(other.reallocations_, 0)) {}

DynString& DynString::operator=(DynString&& other) noexcept {
  if (this != &other) {
    data_ = std::move(other.data_);
    length_ = std::exchange(other.length_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    reallocations_ = std::exchange(other.reallocations_, 0);
  }
  return *this;
}

std::int32_t DynString::CapacityFor(std::int64_t needed) {
  if (needed > kMaxCapacity) {
    throw std::length_error("DynString: text longer than the largest block");
  }
  if (needed <= 0) {
    return 0;
  }
  const std::int64_t quanta = (needed + kGrowthQuantum - 1) / kGrowthQuantum;
  return static_cast<std::int32_t>(quanta * kGrowthQuantum);
}

void DynString::Replace(std::string_view text, bool keepOld) {
  const std::int64_t kept = keepOld ? length_ : 0;
  const std::int64_t finalLength = kept + static_cast<std::int64_t>(
      std::min<std::size_t>(text.size(), std::size_t{INT32_MAX} + 1));
  const std::int64_t needed = finalLength + 1;
  if (needed > capacity_) {
    const std::int32_t newCapacity = CapacityFor(needed);  // may throw; nothing changed yet
    auto block = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(newCapacity));
    if (kept > 0) {
      std::memcpy(block.get(), data_.get(), static_cast<std::size_t>(kept));
    }
    // `text` may live in the old block, which stays alive until the swap.
    if (!text.empty()) {
      std::memcpy(block.get() + kept, text.data(), text.size());
    }
    data_ = std::move(block);
    capacity_ = newCapacity;
    ++reallocations_;
  } else if (!text.empty()) {
    std::memmove(data_.get() + kept, text.data(), text.size());
  }
  length_ = static_cast<std::int32_t>(finalLength);
  if (data_) {
    data_[static_cast<std::size_t>(length_)] = '\0';
  }
}

DynString& DynString::Assign(const char* text) {
  return Assign(text ? std::string_view(text) : std::string_view());
}

DynString& DynString::Assign(std::string_view text) {
  Replace(text, false);
  return *this;
}

DynString& DynString::Append(const char* text) {
  return Append(text ? std::string_view(text) : std::string_view());
}

DynString& DynString::Append(std::string_view text) {
  Replace(text, true);
  return *this;
}

DynString& DynString::AppendNumber(std::int32_t value) {
  return Append(std::string_view(IntToText(value, 10)));
}

void DynString::Clear() { Assign(std::string_view()); }

const char* DynString::Data() const noexcept { return data_ ? data_.get() : ""; }

void CopyOut(char* dest, const char* src) {
  if (dest == nullptr) {
    return;
  }
  const std::size_t n = src ? std::strlen(src) : 0;
  if (n > 0) {
    std::memcpy(dest, src, n);
  }
  dest[n] = '\0';
}

std::size_t CopyOut(std::span<char> dest, std::string_view src) {
  if (dest.empty()) {
    return 0;
  }
  const std::size_t n = std::min(src.size(), dest.size() - 1);
  if (n > 0) {
    std::memcpy(dest.data(), src.data(), n);
  }
  dest[n] = '\0';
  return n;
}

}  // namespace veltrim
