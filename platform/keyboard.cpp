// The keyboard. A snapshot copies SDL's key state (which SDL keeps from the window's events)
// once per pass, and key tests answer from the copy through the scan-code table. SDL reads the
// keyboard only through the game's own window, so other programs keep it; without the focus
// every key reads as released.
#include <SDL.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/display_internal.h"
#include "platform/key_table.h"
#include "platform/platform.h"
#include "platform/testing.h"

namespace platform {
namespace {

std::array<Uint8, SDL_NUM_SCANCODES> snapshot{};
bool keysFromTest = false;
std::array<Uint8, SDL_NUM_SCANCODES> keysHeldByTest{};

}  // namespace

void StartKeyboardService() { snapshot.fill(0); }

void TakeKeyboardSnapshot() {
  if (!DisplayHasFocus()) {
    snapshot.fill(0);
    return;
  }
  if (keysFromTest) {
    snapshot = keysHeldByTest;
    return;
  }
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  snapshot.fill(0);
  std::copy_n(state, std::min<int>(count, SDL_NUM_SCANCODES), snapshot.begin());
}

bool KeyDown(KeyCode key) {
  const SDL_Scancode scancode = ScancodeOf(key);
  return scancode != SDL_SCANCODE_UNKNOWN && snapshot[scancode] != 0;
}

namespace testing {

void HoldKeys(const std::vector<SDL_Scancode>& keys) {
  keysFromTest = true;
  keysHeldByTest.fill(0);
  for (SDL_Scancode key : keys) keysHeldByTest[key] = 1;
}

void HoldKeys(std::initializer_list<SDL_Scancode> keys) { HoldKeys(std::vector(keys)); }

}  // namespace testing
}  // namespace platform
