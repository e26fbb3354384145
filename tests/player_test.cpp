// The player: movement by the arrows and firing with Space.
#include <gtest/gtest.h>

#include <limits>

#include "tests/game_fixture.h"

namespace {

struct MoveCase {
  const char* name;
  std::initializer_list<SDL_Scancode> keys;
  int dx, dy;
};

TEST_F(GameTest, ArrowsMoveThePlayerFourAcrossAndThreeUpOrDownPerPass) {
  const MoveCase cases[] = {
      {"nothing", {}, 0, 0},
      {"right", {SDL_SCANCODE_RIGHT}, 4, 0},
      {"left", {SDL_SCANCODE_LEFT}, -4, 0},
      {"down", {SDL_SCANCODE_DOWN}, 0, 3},
      {"up", {SDL_SCANCODE_UP}, 0, -3},
      {"right and down", {SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN}, 4, 3},
      {"left and up", {SDL_SCANCODE_LEFT, SDL_SCANCODE_UP}, -4, -3},
      {"left and right cancel", {SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT}, 0, 0},
      {"all four", {SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT, SDL_SCANCODE_UP, SDL_SCANCODE_DOWN},
       0, 0},
      {"the keypad's arrows are other keys", {SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_2}, 0, 0},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlayerX = 100;
    PlayerY = 100;
    RunPasses(10, c.keys);
    EXPECT_EQ(PlayerX, 100 + 10 * c.dx);
    EXPECT_EQ(PlayerY, 100 + 10 * c.dy);
  }
}

TEST_F(GameTest, ThePlayerMayLeaveTheScreenAndComeBack) {
  RunPasses(5, {SDL_SCANCODE_LEFT, SDL_SCANCODE_UP});
  EXPECT_EQ(PlayerX, -19);
  EXPECT_EQ(PlayerY, -13);
  RunPasses(5, {SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN});
  EXPECT_EQ(PlayerX, 1);
  EXPECT_EQ(PlayerY, 2);
}

TEST_F(GameTest, PositionsWrapAroundAtTheLimitsOfA32BitInteger) {
  constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
  PlayerX = Max - 1;
  PlayerY = Min + 1;
  RunPasses(1, {SDL_SCANCODE_RIGHT, SDL_SCANCODE_UP});
  EXPECT_EQ(PlayerX, Min + 2);
  EXPECT_EQ(PlayerY, Max - 1);
  RunPasses(1, {SDL_SCANCODE_LEFT, SDL_SCANCODE_DOWN});
  EXPECT_EQ(PlayerX, Max - 1);
  EXPECT_EQ(PlayerY, Min + 1);
}

TEST_F(GameTest, TheFirstShotLeaves30RightAnd10BelowThePlayerInTheSixthPass) {
  RunPasses(5, {SDL_SCANCODE_SPACE});
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(FireCooldown, 0);
  RunPasses(1, {SDL_SCANCODE_SPACE});
  ASSERT_EQ(Shots.size(), 1u);
  // Fired at (31, 12) and flown 5 to the right in the same pass.
  EXPECT_EQ(Shots.front().X, 36);
  EXPECT_EQ(Shots.front().Y, 12);
  EXPECT_EQ(Ammo, 49);
  EXPECT_EQ(FireCooldown, 14);
}

TEST_F(GameTest, AShotLeavesFromWhereThePlayerMovedInThatPass) {
  FireCooldown = 0;
  RunPasses(1, {SDL_SCANCODE_SPACE, SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN});
  ASSERT_EQ(Shots.size(), 1u);
  EXPECT_EQ(Shots.front().X, 5 + 30 + 5);
  EXPECT_EQ(Shots.front().Y, 5 + 10);
}

TEST_F(GameTest, SpaceTappedDuringTheCooldownIsForgotten) {
  RunPasses(6, {SDL_SCANCODE_SPACE});  // the first shot, cooldown 14
  ASSERT_EQ(Shots.size(), 1u);
  RunPasses(3);
  RunPasses(1, {SDL_SCANCODE_SPACE});  // tapped while the cooldown is still 11
  RunPasses(20);
  EXPECT_EQ(Ammo, 49);
  EXPECT_EQ(FireCooldown, 0);
  // Pressed again once the gun is cool, it fires in that very pass.
  RunPasses(1, {SDL_SCANCODE_SPACE});
  EXPECT_EQ(Ammo, 48);
}

}  // namespace
