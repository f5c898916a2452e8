#pragma once
// Scoped drawing objects: created and selected on construction, the replaced
// object selected back and the own one deleted on destruction, so a drawing
// step leaves the surface as it found it on every path.

#include <optional>
#include <utility>

#include "core/platform/surface.hpp"

namespace veltrim {

// Selects `object` and puts the replaced one back when it goes; owns nothing.
class ScopedSelection {
 public:
  ScopedSelection(Surface& surface, ObjectHandle object) : surface_(&surface), replaced_(surface.SelectObject(object)) {}
  ~ScopedSelection() {
    if (surface_ && replaced_) surface_->SelectObject(replaced_);
  }
  ScopedSelection(ScopedSelection&& other) noexcept
      : surface_(std::exchange(other.surface_, nullptr)), replaced_(other.replaced_) {}
  ScopedSelection& operator=(ScopedSelection&&) = delete;
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

 private:
  Surface* surface_;
  ObjectHandle replaced_;
};

// Owns an object the step created: selected while it lives, deselected and
// deleted after.
class ScopedObject {
 public:
  ScopedObject(Surface& surface, ObjectHandle created)
      : surface_(&surface), object_(created), selection_(std::in_place, surface, created) {}
  ~ScopedObject() {
    selection_.reset();
    if (surface_ && object_) surface_->DeleteObject(object_);
  }
  ScopedObject(ScopedObject&& other) noexcept
      : surface_(std::exchange(other.surface_, nullptr)),
        object_(std::exchange(other.object_, ObjectHandle{})),
        selection_(std::move(other.selection_)) {}
  ScopedObject& operator=(ScopedObject&&) = delete;
  ScopedObject(const ScopedObject&) = delete;
  ScopedObject& operator=(const ScopedObject&) = delete;

  ObjectHandle Get() const { return object_; }

 private:
  Surface* surface_;
  ObjectHandle object_;
  std::optional<ScopedSelection> selection_;
};

inline ScopedObject ScopedPen(Surface& surface, PenStyle style, int width, ColorRef colour) {
  return {surface, surface.CreatePen(style, width, colour)};
}

inline ScopedObject ScopedBrush(Surface& surface, ColorRef colour) {
  return {surface, surface.CreateBrushIndirect(LogBrush{kBsSolid, colour, 0})};
}

inline ScopedObject ScopedFont(Surface& surface, const LogFont& font) {
  return {surface, surface.CreateFontIndirectA(font)};
}

}  // namespace veltrim
