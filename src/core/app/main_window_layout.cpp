#include "core/app/main_window_layout.hpp"

#include <algorithm>

namespace veltrim {

const MainControl* FindControl(int id) {
  const auto it = std::find_if(kMainControls.begin(), kMainControls.end(),
                               [id](const MainControl& c) { return c.id == id; });
  return it == kMainControls.end() ? nullptr : &*it;
}

int BitmapFor(int controlId, ImageState state) {
  const MainControl* control = FindControl(controlId);
  if (control == nullptr) return 0;
  const int first = control->firstBitmap;
  switch (control->images) {
    case ImageUse::None:
      return 0;
    case ImageUse::ThreeState:
      switch (state) {
        case ImageState::Normal: return first;
        case ImageState::PointerOver: return first + 1;
        case ImageState::Pressed: return first + 2;
        default: return 0;
      }
    case ImageUse::Toggle:
      switch (state) {
        case ImageState::Ticked: return first;
        case ImageState::Unticked: return first + 1;
        default: return 0;
      }
    case ImageUse::ColourButton:
      switch (state) {
        case ImageState::Pressed: return first;
        case ImageState::Normal: return first + 1;
        default: return 0;
      }
    case ImageUse::Single:
    case ImageUse::PerTab:
      return state == ImageState::Normal ? first : 0;
  }
  return 0;
}

}  // namespace veltrim
