#include "platform/key_table.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include <set>

using platform::ScancodeOf;

namespace {

struct KeyCase {
  platform::KeyCode code;
  SDL_Scancode scancode;
};

TEST(KeyTable, TheGamesKeysHaveTheirPcScanCodes) {
  const KeyCase cases[] = {
      {1, SDL_SCANCODE_ESCAPE}, {57, SDL_SCANCODE_SPACE}, {200, SDL_SCANCODE_UP},
      {203, SDL_SCANCODE_LEFT}, {205, SDL_SCANCODE_RIGHT}, {208, SDL_SCANCODE_DOWN},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(ScancodeOf(c.code), c.scancode) << c.code;
}

TEST(KeyTable, ExtendedKeysAreApartFromTheirKeypadTwins) {
  // The keypad's 8 and the Up arrow send the same second byte; only E0 tells them apart.
  const KeyCase cases[] = {
      {72, SDL_SCANCODE_KP_8},     {128 + 72, SDL_SCANCODE_UP},
      {28, SDL_SCANCODE_RETURN},   {128 + 28, SDL_SCANCODE_KP_ENTER},
      {29, SDL_SCANCODE_LCTRL},    {128 + 29, SDL_SCANCODE_RCTRL},
      {83, SDL_SCANCODE_KP_PERIOD}, {128 + 83, SDL_SCANCODE_DELETE},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(ScancodeOf(c.code), c.scancode) << c.code;
}

TEST(KeyTable, CoversAFullKeyboardWithoutSharingAScancode) {
  std::set<SDL_Scancode> seen;
  int mapped = 0;
  for (platform::KeyCode code = 0; code < 256; ++code) {
    const SDL_Scancode scancode = ScancodeOf(code);
    if (scancode == SDL_SCANCODE_UNKNOWN) continue;
    ++mapped;
    EXPECT_TRUE(seen.insert(scancode).second) << "code " << code << " repeats a scancode";
  }
  // The 104 keys of a US keyboard and the extra key beside the left Shift of European ones.
  EXPECT_EQ(mapped, 105);
  for (SDL_Scancode letter = SDL_SCANCODE_A; letter <= SDL_SCANCODE_Z;
       letter = static_cast<SDL_Scancode>(letter + 1))
    EXPECT_TRUE(seen.count(letter)) << SDL_GetScancodeName(letter);
  for (SDL_Scancode f = SDL_SCANCODE_F1; f <= SDL_SCANCODE_F12; f = static_cast<SDL_Scancode>(f + 1))
    EXPECT_TRUE(seen.count(f)) << SDL_GetScancodeName(f);
}

TEST(KeyTable, NumbersOutsideTheTableNameNoKey) {
  for (platform::KeyCode code : {-1, 0, 84, 256, 100000})
    EXPECT_EQ(ScancodeOf(code), SDL_SCANCODE_UNKNOWN) << code;
}

}  // namespace
