#include "main_window_driver.hpp"

#include "bitmap_pixels.hpp"
#include "win_handles.hpp"

namespace veltrim::test {

MainWindowDriver::MainWindowDriver() : app_(Application::Start(::GetModuleHandleA(nullptr), SW_SHOWNORMAL)) {
  if (app_) {
    window_ = app_->MainWindow();
    app_->PumpPending();
  }
}

MainWindowDriver::~MainWindowDriver() {
  if (app_ && ::IsWindow(window_)) EndWith(WM_CLOSE, 0, 0);
}

void MainWindowDriver::Key(UINT virtualKey) {
  ::PostMessageA(window_, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageA(window_, WM_KEYUP, virtualKey, 0xC0000001);
  app_->PumpPending();
}

int MainWindowDriver::EndWith(UINT message, WPARAM wParam, LPARAM lParam,
                              const std::function<void()>& beforeDestroy) {
  ::PostMessageA(window_, message, wParam, lParam);
  const int result = app_->Run();
  if (beforeDestroy) beforeDestroy();
  ::DestroyWindow(window_);
  // Destroying posts another quit message, which must not end the next test's loop; what the controls posted while
  // going is handled.
  MSG pending{};
  while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE))
    if (pending.message != WM_QUIT) ::DispatchMessageA(&pending);
  window_ = nullptr;
  return result;
}

bool MainWindowDriver::Shows(HWND control, HBITMAP bitmap) {
  BITMAP size{};
  if (!bitmap || !::GetObjectA(bitmap, sizeof size, &size)) return false;
  const win::WindowDc screen(control);
  const win::OwnedDc memory(::CreateCompatibleDC(screen.Get()));
  const win::OwnedBitmap copy(::CreateCompatibleBitmap(screen.Get(), size.bmWidth, size.bmHeight));
  {
    const win::SelectGuard selection(memory.Get(), copy.Get());
    ::BitBlt(memory.Get(), 0, 0, size.bmWidth, size.bmHeight, screen.Get(), 0, 0, SRCCOPY);
  }
  const auto shown = BitmapPixels(screen.Get(), copy.Get(), size.bmWidth, size.bmHeight);
  const auto expected = BitmapPixels(screen.Get(), bitmap, size.bmWidth, size.bmHeight);
  return !shown.empty() && shown == expected;
}

}  // namespace veltrim::test
