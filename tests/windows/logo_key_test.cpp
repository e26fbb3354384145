// The Windows logo keys under real Win32 windows (Wine in Xvfb, from windows.sh --test). Keys go
// in through SendInput, the way the system feeds a keyboard's keys, and come out as the SDL key
// events of whichever window is in front: a swallowed key never arrives anywhere.
#include <SDL.h>
#include <SDL_syswm.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "platform/windows_logo_key.h"

namespace {

struct Key {
  WORD virtualKey;
  WORD scanCode;
  bool extended;
  SDL_Scancode arrivesAs;
};

constexpr Key kLeftLogo{VK_LWIN, 0x5B, true, SDL_SCANCODE_LGUI};
constexpr Key kRightLogo{VK_RWIN, 0x5C, true, SDL_SCANCODE_RGUI};
constexpr Key kLetterA{'A', 0x1E, false, SDL_SCANCODE_A};
constexpr Key kLeftAlt{VK_LMENU, 0x38, false, SDL_SCANCODE_LALT};
constexpr Key kTab{VK_TAB, 0x0F, false, SDL_SCANCODE_TAB};

constexpr Uint32 kSettleMilliseconds = 200;

HWND HandleOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  return SDL_GetWindowWMInfo(window, &info) ? info.info.win.window : nullptr;
}

INPUT KeyInput(const Key& key, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key.virtualKey;
  input.ki.wScan = key.scanCode;
  input.ki.dwFlags = (key.extended ? KEYEVENTF_EXTENDEDKEY : 0) | (release ? KEYEVENTF_KEYUP : 0);
  return input;
}

// The two windows are made once for all the tests: under Wine without a window manager each
// window takes two seconds to go away, as Wine waits for a manager that is not there.
class WindowsLogoKeyTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    game = SDL_CreateWindow("game", 0, 0, 200, 200, 0);
    other = SDL_CreateWindow("other", 300, 0, 200, 200, 0);
  }

  static void TearDownTestSuite() {
    if (game) SDL_DestroyWindow(game);
    if (other) SDL_DestroyWindow(other);
    SDL_Quit();
  }

  void SetUp() override {
    ASSERT_NE(game, nullptr) << SDL_GetError();
    ASSERT_NE(other, nullptr) << SDL_GetError();
  }

  void TearDown() override { platform::ReleaseWindowsLogoKeys(); }

  // The scan codes of the key-down events that arrive while the message pump runs for a while.
  static std::vector<SDL_Scancode> KeysArriving() {
    std::vector<SDL_Scancode> arrived;
    const Uint32 start = SDL_GetTicks();
    while (SDL_GetTicks() - start < kSettleMilliseconds) {
      SDL_Event event;
      while (SDL_PollEvent(&event))
        if (event.type == SDL_KEYDOWN) arrived.push_back(event.key.keysym.scancode);
      SDL_Delay(5);
    }
    return arrived;
  }

  static void BringToFront(SDL_Window* window) {
    SwitchToThisWindow(HandleOf(window), TRUE);
    KeysArriving();
    ASSERT_EQ(GetForegroundWindow(), HandleOf(window));
  }

  // Presses the keys one after the other, holding each, then lets them go in reverse order.
  static std::vector<SDL_Scancode> Press(std::initializer_list<Key> keys) {
    std::vector<INPUT> inputs;
    for (const Key& key : keys) inputs.push_back(KeyInput(key, false));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
      inputs.push_back(KeyInput(*key, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return KeysArriving();
  }

  static inline SDL_Window* game = nullptr;
  static inline SDL_Window* other = nullptr;
};

using Scancodes = std::vector<SDL_Scancode>;

TEST_F(WindowsLogoKeyTest, LogoKeysDoNothingWhileTheGameIsInFront) {
  platform::HoldWindowsLogoKeys(game);
  BringToFront(game);
  for (const Key& logo : {kLeftLogo, kRightLogo}) {
    EXPECT_EQ(Press({logo}), Scancodes{}) << "logo key " << logo.virtualKey;
    EXPECT_EQ(Press({kLetterA}), Scancodes{kLetterA.arrivesAs}) << "after logo key " << logo.virtualKey;
  }
}

TEST_F(WindowsLogoKeyTest, AltTabAndOtherKeysStillPassWhileTheGameIsInFront) {
  platform::HoldWindowsLogoKeys(game);
  BringToFront(game);
  EXPECT_EQ(Press({kLeftAlt, kTab}), (Scancodes{kLeftAlt.arrivesAs, kTab.arrivesAs}));
  EXPECT_EQ(Press({kLetterA}), Scancodes{kLetterA.arrivesAs});
}

TEST_F(WindowsLogoKeyTest, LogoKeysPassWhileAnotherWindowIsInFront) {
  platform::HoldWindowsLogoKeys(game);
  BringToFront(other);
  EXPECT_EQ(Press({kLeftLogo}), Scancodes{kLeftLogo.arrivesAs});
  EXPECT_EQ(Press({kRightLogo}), Scancodes{kRightLogo.arrivesAs});
}

TEST_F(WindowsLogoKeyTest, LogoKeysComeBackOnceReleased) {
  platform::HoldWindowsLogoKeys(game);
  platform::ReleaseWindowsLogoKeys();
  BringToFront(game);
  EXPECT_EQ(Press({kLeftLogo}), Scancodes{kLeftLogo.arrivesAs});
}

}  // namespace
