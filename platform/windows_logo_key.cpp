// The Windows logo keys. A low-level keyboard hook sees every key before any window does, in
// every program; it swallows the two logo keys when the game's window is the foreground window
// and passes everything else on untouched. Windows calls the hook on the thread that set it,
// from inside that thread's message pump, which the flip runs every pass (in the background
// too), so the hook never holds up other programs' keys.
#include "platform/windows_logo_key.h"

#include <SDL_syswm.h>
#include <windows.h>

namespace platform {
namespace {

HHOOK hook = nullptr;
HWND gameWindow = nullptr;

LRESULT CALLBACK SwallowLogoKeysInFront(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION) {
    const DWORD key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode;
    if ((key == VK_LWIN || key == VK_RWIN) && GetForegroundWindow() == gameWindow) return 1;
  }
  return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

void HoldWindowsLogoKeys(SDL_Window* window) {
  ReleaseWindowsLogoKeys();
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WINDOWS)
    return;
  gameWindow = info.info.win.window;
  hook = SetWindowsHookExW(WH_KEYBOARD_LL, SwallowLogoKeysInFront, GetModuleHandleW(nullptr), 0);
}

void ReleaseWindowsLogoKeys() {
  if (hook) UnhookWindowsHookEx(hook);
  hook = nullptr;
  gameWindow = nullptr;
}

}  // namespace platform
