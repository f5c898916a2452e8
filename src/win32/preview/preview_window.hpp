#pragma once
// The main window's preview area (control 1189): cleared, drawn by the
// core's DrawPreview from the selection and the offset box, then copied to
// the control in one block transfer.

#include <windows.h>

#include "core/preview/preview_renderer.hpp"
#include "win32/app/desktop_state.hpp"

namespace veltrim {

inline constexpr const char* kUnknownTabText = "Oups. Internal error ... You should not see this !";

// The pictures are the module's bitmap resources, loaded when drawn.
class ResourcePictures final : public PreviewPictures {
 public:
  explicit ResourcePictures(HINSTANCE instance) : instance_(instance) {}
  ObjectHandle Load(Surface& surface, int id) override;

 private:
  HINSTANCE instance_;
};

void RefreshPreview(HWND window, DesktopState& state);

}  // namespace veltrim
