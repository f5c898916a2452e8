#pragma once
// The about box: a modal, skinned dialog from template 15 with the credits,
// licence, history and shortcuts texts and the three internet actions.

#include <windows.h>

namespace veltrim {

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace veltrim
