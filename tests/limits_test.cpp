// Positions at the limits of a 32-bit integer. Nothing bounds where the player goes, and shots
// and monsters start from or move by what the player and the random source give them, so any
// int32 position must move by wrapping and draw correctly or not at all, free of undefined
// behaviour (the sanitizer build stops at the first).
#include <gtest/gtest.h>

#include <limits>

#include "platform/bmp_header.h"
#include "platform/sprite_geometry.h"
#include "tests/game_fixture.h"

namespace {

using platform::testing::BackBuffer;
using platform::testing::Picture;

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

class LimitsTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    WithoutMonsters();
  }
};

TEST_F(LimitsTest, AShotFiredNearTheLimitWrapsAroundAndFliesOn) {
  PlayerX = Max - 10;
  PlayerY = Max - 5;
  FireCooldown = 0;
  RunPasses(1, {SDL_SCANCODE_SPACE});
  ASSERT_EQ(Shots.size(), 1u);
  // Fired at (Max - 10 + 30, Max - 5 + 10), wrapped, then flown 5 on: still left of the screen.
  EXPECT_EQ(Shots.front().X, Min + 19 + 5);
  EXPECT_EQ(Shots.front().Y, Min + 4);
  RunPasses(1);
  ASSERT_EQ(Shots.size(), 1u);
  EXPECT_EQ(Shots.front().X, Min + 29);
}

TEST_F(LimitsTest, AShotFlyingPastTheLimitWrapsAndStaysInFlight) {
  FireCooldown = 1000;
  AddShot(Max - 2, 300);
  RunPasses(1);
  ASSERT_EQ(Shots.size(), 1u);
  EXPECT_EQ(Shots.front().X, Min + 2);
}

TEST_F(LimitsTest, AMonsterDriftingPastTheLimitWrapsAndLeaves) {
  AddMonster(Max - 1, Max - 1, 4, 3, 0);
  RunPasses(1);
  EXPECT_TRUE(Monsters.empty());
  EXPECT_EQ(MonstersToSpawn, 1);
}

TEST_F(LimitsTest, SpritesAtTheLimitsDrawNothing) {
  struct Place {
    const char* name;
    std::int32_t x, y;
  };
  const Place places[] = {
      {"INT32_MIN, INT32_MIN", Min, Min},    {"INT32_MAX, INT32_MAX", Max, Max},
      {"INT32_MAX - 1 across", Max - 1, 300}, {"INT32_MAX - 1 down", 300, Max - 1},
      {"INT32_MIN across", Min, 300},         {"INT32_MIN down", 300, Min},
      {"INT32_MIN + 1 across", Min + 1, 300}, {"one short of the screen from INT32_MIN", -10, Min},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    platform::ClearBackBuffer(Navy);
    for (int sprite : {SpritePlayer, SpriteMonster, SpriteShot})
      platform::DrawSprite(sprite, p.x, p.y);
    const Picture picture = BackBuffer();
    EXPECT_EQ(FindColour(picture, Navy).count, 800 * 600);
  }
}

TEST(SpritesAtTheSizeLimit, TheLargestSpriteClipsAndOverlapsWithoutWrapping) {
  constexpr int Side = platform::kMaxBmpSide;
  // Sums like INT32_MAX - 1 + 4096 overflow 32 bits: the sanitizer build reports any taken there.
  EXPECT_FALSE(platform::ClipToScreen(Max - 1, 0, Side, Side, 800, 600));
  EXPECT_FALSE(platform::ClipToScreen(0, Max - 1, Side, Side, 800, 600));
  EXPECT_FALSE(platform::ClipToScreen(Min, Min, Side, Side, 800, 600));
  EXPECT_FALSE(platform::RectanglesOverlap(Max - 1, 0, Side, Side, Min, 0, Side, Side));
  EXPECT_TRUE(platform::RectanglesOverlap(Max - Side, 0, Side, Side, Max - 1, 0, Side, Side));
  // One column and one row of it show from the top-left corner.
  const auto corner = platform::ClipToScreen(1 - Side, 1 - Side, Side, Side, 800, 600);
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->source.x, Side - 1);
  EXPECT_EQ(corner->source.y, Side - 1);
  EXPECT_EQ(corner->destination.w, 1);
  EXPECT_EQ(corner->destination.h, 1);
}

}  // namespace
