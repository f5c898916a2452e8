#pragma once
// Owners of Win32 handles: each closes its handle exactly once with the
// call that matches how it was obtained. Move-only, so a handle can be
// handed on but never closed twice.

#include <windows.h>
#include <winspool.h>

#include <string>
#include <utility>

namespace veltrim::win {

template <typename Handle, typename Closer>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { Reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

  // Gives the handle up without closing it.
  [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, nullptr); }

  // Closes the current handle (if any) and takes `handle`.
  void Reset(Handle handle = nullptr) noexcept {
    const Handle old = std::exchange(handle_, handle);
    if (old) Closer{}(old);
  }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectCloser {
  void operator()(HGDIOBJ object) const noexcept { ::DeleteObject(object); }
};
// A DC made with CreateDCA or CreateCompatibleDC.
struct CreatedDcCloser {
  void operator()(HDC dc) const noexcept { ::DeleteDC(dc); }
};
struct PrinterCloser {
  void operator()(HANDLE printer) const noexcept { ::ClosePrinter(printer); }
};
struct GlobalCloser {
  void operator()(HGLOBAL memory) const noexcept { ::GlobalFree(memory); }
};
struct MenuCloser {
  void operator()(HMENU menu) const noexcept { ::DestroyMenu(menu); }
};
struct WindowCloser {
  void operator()(HWND window) const noexcept { ::DestroyWindow(window); }
};

template <typename Handle = HGDIOBJ>
using OwnedGdiObject = UniqueHandle<Handle, GdiObjectCloser>;
using OwnedPen = OwnedGdiObject<HPEN>;
using OwnedBrush = OwnedGdiObject<HBRUSH>;
using OwnedFont = OwnedGdiObject<HFONT>;
using OwnedBitmap = OwnedGdiObject<HBITMAP>;
using OwnedDc = UniqueHandle<HDC, CreatedDcCloser>;
using OwnedPrinter = UniqueHandle<HANDLE, PrinterCloser>;

// A printer opened by name; empty, with GetLastError telling why, when the
// spooler does not know it. An empty name would open the print server rather
// than a printer, so it opens nothing.
inline OwnedPrinter OpenNamedPrinter(std::string name) {
  HANDLE opened = nullptr;
  if (name.empty()) {
    ::SetLastError(ERROR_INVALID_PRINTER_NAME);
    return OwnedPrinter();
  }
  if (!::OpenPrinterA(name.data(), &opened, nullptr)) return OwnedPrinter();
  return OwnedPrinter(opened);
}
using OwnedGlobal = UniqueHandle<HGLOBAL, GlobalCloser>;
using OwnedMenu = UniqueHandle<HMENU, MenuCloser>;
using OwnedWindow = UniqueHandle<HWND, WindowCloser>;

// A window's DC from GetDC, handed back with ReleaseDC to the same window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
  // Takes a DC that GetDC already gave for `window`.
  WindowDc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  WindowDc(WindowDc&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      if (dc_) ::ReleaseDC(window_, dc_);
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and selects the replaced one back when it
// goes. Owns neither.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), replaced_(::SelectObject(dc, object)) {
    if (replaced_ == HGDI_ERROR) replaced_ = nullptr;
  }
  ~SelectGuard() {
    if (replaced_) ::SelectObject(dc_, replaced_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

  // False when the selection failed (nothing to restore then).
  explicit operator bool() const noexcept { return replaced_ != nullptr; }

 private:
  HDC dc_;
  HGDIOBJ replaced_;
};

}  // namespace veltrim::win
