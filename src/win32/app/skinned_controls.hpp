#pragma once
// What the skinned windows (the main window and the about box) do alike: owner-
// drawn image buttons painted from a bitmap, pointer-over polling of a run of
// buttons, redrawing a control at once, and moving the window by its background.

#include <windows.h>

#include <cstdint>
#include <span>

namespace veltrim {

// Held down: the item is being drawn for a selection and is selected.
bool ItemPressed(const DRAWITEMSTRUCT& item);

// Copies `image` onto the item's whole rectangle; nothing when it is null.
void PaintItemImage(const DRAWITEMSTRUCT& item, HBITMAP image);

// RedrawWindow with invalidate, erase and update-now.
void RedrawControl(HWND window, int id);

// One pointer-over poll of the buttons firstId, firstId + 1, ... of `window`:
// updates `flags` and redraws the buttons whose state changed.
void PollHover(HWND window, int firstId, std::span<std::uint8_t> flags);

// Starts moving `window` as if its caption had been pressed.
void DragWindow(HWND window);

}  // namespace veltrim
