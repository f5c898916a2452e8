#include "core/about/about_layout.hpp"

namespace veltrim {

const AboutControl* FindAboutControl(int id) {
  for (const AboutControl& control : kAboutControls)
    if (control.id == id) return &control;
  return nullptr;
}

int AboutImageFor(int id, bool pressed, const AboutHoverFlags& hover) {
  const AboutControl* control = FindAboutControl(id);
  if (control == nullptr || control->images == 0) return 0;
  if (pressed) return control->firstBitmap + control->images - 1;
  const int flag = id - kAboutClose;
  if (flag < kAboutHoverButtons && hover[flag] != 0) return control->firstBitmap + 1;
  return control->firstBitmap;
}

}  // namespace veltrim
