#pragma once
// Drives the real game pass by pass: sprites of the test's own making in a folder of its own,
// an in-memory display, keys held by the test and random values scripted by it.
#include <gtest/gtest.h>

#include <SDL_scancode.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "game/frame_loop.h"
#include "game/globals.h"
#include "game/routines.h"
#include "platform/testing.h"
#include "tests/bmp_writer.h"

// The fixture's sprites: plain blocks in colours found nowhere else, with a few pixels in the
// transparent colours to show whether they are left out.
constexpr Colour PlayerColour = MakeColour(40, 220, 60);
constexpr Colour MonsterColour = MakeColour(230, 120, 10);
constexpr Colour ShotColour = MakeColour(250, 250, 100);
constexpr Colour Black = MakeColour(0, 0, 0);

TestImage PlayerImage();   // 8 × 6: magenta at (0, 0), black at (1, 0)
TestImage MonsterImage();  // 10 × 10: magenta at (0, 0), black at (1, 0)
TestImage ShotImage();     // 4 × 2: black at (0, 0), magenta at (1, 0)

// A fresh folder holding Data/ with the three sprites, made the current directory while it
// lives. The working directory is restored and the folder removed afterwards.
class SpriteFolder {
 public:
  SpriteFolder();
  ~SpriteFolder();
  void Write(const char* name, const TestImage& image);  // name as in "Dude.bmp"
  void Remove(const char* name);
  std::filesystem::path DataPath() const { return root_ / "Data"; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path root_;
};

class GameTest : public ::testing::Test {
 protected:
  // Off-screen monsters by default: every random draw answers its largest value, so monsters
  // arrive at (800, 600) and leave in their first pass, out of the picture.
  void SetUp() override;
  void TearDown() override;

  // Starts the game again, e.g. after changing the sprites.
  void Restart();
  // A game with no monsters owed and none on the screen.
  void WithoutMonsters();

  // Runs up to `count` passes with `keys` held; answers how many ran before the game ended.
  int RunPasses(int count, std::initializer_list<SDL_Scancode> keys = {});

  // The next random draws answer these values in turn; the ranges asked for are recorded.
  void ScriptRandom(std::vector<std::int32_t> values);
  std::vector<std::int32_t> randomRangesAsked;

  SpriteFolder sprites;
  bool started = false;

 private:
  std::deque<std::int32_t> scriptedValues_;
};

// Where a colour appears in a picture: the bounding box of its pixels, or empty.
struct Found {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
  int count = 0;
};
Found FindColour(const platform::testing::Picture& picture, Colour colour);
