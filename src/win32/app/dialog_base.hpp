#pragma once
// The one window-procedure pattern of the program's dialogs. The object that
// owns a dialog hands its address as the creation parameter; the static
// trampoline keeps it in GWLP_USERDATA from WM_INITDIALOG and passes every
// message to the object's HandleMessage, which forwards to small handlers.
// The slot is cleared at WM_NCDESTROY, so no message reaches an object after
// its window is gone. Messages before WM_INITDIALOG (WM_SETFONT) are left to
// the dialog manager.

#include <windows.h>

namespace veltrim {

// Derived provides `INT_PTR HandleMessage(UINT message, WPARAM wParam,
// LPARAM lParam)`, answering as a dialog procedure does.
template <class Derived>
class DialogBase {
 public:
  HWND Window() const noexcept { return window_; }

 protected:
  DialogBase() = default;
  ~DialogBase() = default;
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;

  // Runs the modal dialog of template `templateId`; DialogBoxParamA's result.
  INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner) {
    return ::DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, &Trampoline, Self());
  }

  // Creates the modeless dialog of template `templateId`; null on failure.
  HWND CreateModeless(HINSTANCE instance, int templateId, HWND owner) {
    return ::CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, &Trampoline, Self());
  }

  // Stops messages reaching this object; the window, if still there, goes
  // on with the dialog manager's own handling only. For an owner that may
  // go before its window does.
  void Detach() noexcept {
    if (window_ == nullptr) return;
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
  }

 private:
  LPARAM Self() { return reinterpret_cast<LPARAM>(static_cast<Derived*>(this)); }

  static INT_PTR CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      auto* self = reinterpret_cast<Derived*>(lParam);
      ::SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      self->window_ = window;
      return self->HandleMessage(message, wParam, lParam);
    }
    auto* self = reinterpret_cast<Derived*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return FALSE;
    const INT_PTR answer = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
    }
    return answer;
  }

  HWND window_ = nullptr;
};

}  // namespace veltrim
