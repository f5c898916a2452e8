#include "win32/app/application.hpp"

#include <commctrl.h>

#include <algorithm>

#include "core/app/config_file.hpp"
#include "core/app/control_images.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/support/program_paths.hpp"
#include "win32/main_window/main_window.hpp"

namespace veltrim {
namespace {

void OnInit(DesktopState& state) {
  const LOGBRUSH white{BS_SOLID, RGB(255, 255, 255), 0};
  state.whiteBrush.Reset(::CreateBrushIndirect(&white));
  for (const int id : StartUpBitmaps())
    state.bitmaps.emplace_back(id, win::OwnedBitmap(::LoadBitmapA(state.instance, MAKEINTRESOURCEA(id))));
  state.aboutHoverFlags.fill(0);
  ReadConfigFile(ConfigPath(ProgramPath(state.instance)), state.calibration);
}

}  // namespace

std::string ProgramPath(HINSTANCE instance) {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(instance, path, MAX_PATH);
  return std::string(path, std::min<DWORD>(length, MAX_PATH));
}

HBITMAP DesktopState::Bitmap(int id) const {
  const auto it = std::find_if(bitmaps.begin(), bitmaps.end(), [id](const auto& entry) { return entry.first == id; });
  return it == bitmaps.end() ? nullptr : it->second.Get();
}

Application::Application()
    : state_(std::make_unique<DesktopState>()), mainWindow_(std::make_unique<MainWindowDialog>(*state_)) {}

Application::~Application() {
  mainWindow_.reset();  // before the record it reaches
  FreeRichEditLibraries();
}

std::unique_ptr<Application> Application::Start(HINSTANCE instance, int showState) {
  const INITCOMMONCONTROLSEX controls{8, 0x53F};
  ::InitCommonControlsEx(&controls);
  std::unique_ptr<Application> app(new Application());  // private constructor
  DesktopState& state = app->State();
  state.instance = instance;

  app->richEdit1_ = ::LoadLibraryA("riched32.dll");
  app->richEdit2_ = ::LoadLibraryA("riched20.dll");
  OnInit(state);

  const HWND window = app->mainWindow_->Create();
  if (window == nullptr) {
    ::MessageBoxA(nullptr, "Failed to create the main window => function 'CreateWindow()' returned NULL !!!!\n",
                  "OnInit ERROR", MB_ICONHAND);
    return nullptr;
  }
  ::ShowWindow(window, showState);
  ::UpdateWindow(window);
  state.mainWindow = window;

  app->accelerators_ = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(kAcceleratorTable));
  state.appIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(kAppIcon));
  ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state.appIcon));

  state.textBuffer.fill(0);
  state.printerName.fill(0);
  state.printerPort.fill(0);
  state.sharedText.Clear();
  state.selection.customColours.fill(ColourTriple{79, 84, 87});
  return app;
}

void Application::Dispatch(MSG& message) {
  const HWND window = state_->mainWindow;
  if (accelerators_ && ::TranslateAcceleratorA(window, accelerators_, &message)) return;
  if (::IsDialogMessageA(window, &message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

int Application::Run() {
  MSG message{};
  while (::GetMessageA(&message, nullptr, 0, 0) >= 1) Dispatch(message);
  FreeRichEditLibraries();
  return static_cast<int>(message.wParam);
}

bool Application::PumpPending() {
  MSG message{};
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    Dispatch(message);
  }
  return true;
}

void Application::FreeRichEditLibraries() {
  if (richEdit1_) ::FreeLibrary(std::exchange(richEdit1_, nullptr));
  if (richEdit2_) ::FreeLibrary(std::exchange(richEdit2_, nullptr));
}

void Cleanup(DesktopState& state) {
  state.swatches[kPreviewCanvas].Release();
  for (int slot = 8; slot >= 0; --slot) state.swatches[SwatchCanvas(slot)].Release();
  state.swatches[SwatchCanvas(9)].Release();
  state.textBuffer.fill(0);
  state.printerName.fill(0);
  state.printerPort.fill(0);
  for (auto& entry : state.bitmaps) entry.second.Reset();
  state.whiteBrush.Reset();
}

int RunApplication(HINSTANCE instance, int showState) {
  const std::unique_ptr<Application> app = Application::Start(instance, showState);
  return app ? app->Run() : 0;
}

}  // namespace veltrim
