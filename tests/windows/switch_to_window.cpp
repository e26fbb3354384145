// Brings the window with the given title back to the front, restored if it was minimised, the
// way the task switcher does on Alt+Tab. Under Wine without a window manager nothing else can
// bring a minimised game back. Exit code 1: no such window.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  HWND window = FindWindowW(nullptr, argv[1]);
  if (!window) return 1;
  SwitchToThisWindow(window, TRUE);
  return 0;
}
