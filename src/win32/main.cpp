// Veltrim.exe: the desktop printer test utility.
#include <windows.h>

#include "app/application.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
  return veltrim::RunApplication(instance, showState);
}
