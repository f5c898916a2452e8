// Veltrim.exe: the desktop printer test utility.
#include <windows.h>

#include "win32/app/application.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
  return veltrim::RunApplication(instance, showState);
}
