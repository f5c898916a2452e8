#include "win32/app/skinned_controls.hpp"

#include <vector>

#include "backends/gdi/win_handles.hpp"
#include "core/app/pointer_over.hpp"

namespace veltrim {

bool ItemPressed(const DRAWITEMSTRUCT& item) {
  return (item.itemAction & ODA_SELECT) != 0 && (item.itemState & ODS_SELECTED) != 0;
}

void PaintItemImage(const DRAWITEMSTRUCT& item, HBITMAP image) {
  if (image == nullptr) return;
  const win::OwnedDc memory(::CreateCompatibleDC(item.hDC));
  if (!memory) return;
  const win::SelectGuard selection(memory.Get(), image);
  ::BitBlt(item.hDC, 0, 0, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top, memory.Get(),
           0, 0, SRCCOPY);
}

void RedrawControl(HWND window, int id) {
  ::RedrawWindow(::GetDlgItem(window, id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void PollHover(HWND window, int firstId, std::span<std::uint8_t> flags) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  std::vector<HoverButton> buttons(flags.size());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const HWND button = ::GetDlgItem(window, firstId + static_cast<int>(i));
    buttons[i].visible = button != nullptr && ::IsWindowVisible(button);
    RECT rect{};
    if (buttons[i].visible && ::GetWindowRect(button, &rect))
      buttons[i].rect = {rect.left, rect.top, rect.right, rect.bottom};
  }
  for (const int id : UpdateHover(buttons, {cursor.x, cursor.y}, flags, firstId)) RedrawControl(window, id);
}

void DragWindow(HWND window) { ::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

}  // namespace veltrim
