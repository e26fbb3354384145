// The monsters: arrival, drift, leaving the screen, and the count kept at six.
#include <gtest/gtest.h>

#include <random>

#include "tests/game_fixture.h"

namespace {

using platform::testing::BackBuffer;

TEST_F(GameTest, SixMonstersArriveOnePerPassFromFourDrawsInTheirOrder) {
  // Per monster: stepY − 1, stepX − 1, y, x.
  ScriptRandom({0, 0, 10, 20,  //
                1, 2, 30, 40,  //
                2, 3, 50, 60,  //
                0, 1, 70, 80,  //
                1, 0, 90, 100,  //
                2, 1, 110, 120});
  for (int pass = 1; pass <= 6; ++pass) {
    RunPasses(1);
    EXPECT_EQ(Monsters.size(), static_cast<std::size_t>(pass));
    EXPECT_EQ(MonstersToSpawn, 6 - pass);
  }
  const std::vector<std::int32_t> ranges{2, 3, 600, 800};
  for (int monster = 0; monster < 6; ++monster)
    EXPECT_EQ(std::vector<std::int32_t>(randomRangesAsked.begin() + 4 * monster,
                                        randomRangesAsked.begin() + 4 * monster + 4),
              ranges);
  EXPECT_EQ(randomRangesAsked.size(), 24u);  // nothing more is drawn once all six are in

  struct Expected {
    std::int32_t x, y, stepX, stepY;
  };
  // Each has moved once per pass since its arrival, its own pass included.
  const Expected expected[] = {
      {20 + 6 * 1, 10 + 6 * 1, 1, 1}, {40 + 5 * 3, 30 + 5 * 2, 3, 2},
      {60 + 4 * 4, 50 + 4 * 3, 4, 3}, {80 + 3 * 2, 70 + 3 * 1, 2, 1},
      {100 + 2 * 1, 90 + 2 * 2, 1, 2}, {120 + 1 * 2, 110 + 1 * 3, 2, 3},
  };
  auto monster = Monsters.begin();
  for (const Expected& e : expected) {
    EXPECT_EQ(monster->X, e.x);
    EXPECT_EQ(monster->Y, e.y);
    EXPECT_EQ(monster->StepX, e.stepX);
    EXPECT_EQ(monster->StepY, e.stepY);
    EXPECT_EQ(monster->Hit, 0);
    ++monster;
  }
}

TEST_F(GameTest, AMonsterArrivingAtTheRightEdgeIsNeverSeenAndIsReplacedInTheNextPass) {
  WithoutMonsters();
  MonstersToSpawn = 1;
  ScriptRandom({0, 0, 100, 800, 0, 0, 200, 300});
  RunPasses(1);
  EXPECT_TRUE(Monsters.empty());
  EXPECT_EQ(MonstersToSpawn, 1);
  EXPECT_EQ(FindColour(BackBuffer(), MonsterColour).count, 0);
  RunPasses(1);
  ASSERT_EQ(Monsters.size(), 1u);
  EXPECT_EQ(Monsters.front().X, 301);
  EXPECT_EQ(Monsters.front().Y, 201);
}

TEST_F(GameTest, AMonsterAtTheOriginWithUnitStepsLives601Passes) {
  WithoutMonsters();
  AddMonster(0, 0, 1, 1, 0);
  RunPasses(600);
  ASSERT_EQ(Monsters.size(), 1u);
  EXPECT_EQ(Monsters.front().Y, 600);  // at the edge, not yet past it
  RunPasses(1);
  EXPECT_TRUE(Monsters.empty());
  EXPECT_EQ(MonstersToSpawn, 1);
}

struct LeaveCase {
  const char* name;
  std::int32_t x, y, stepX, stepY;
  bool stays;
};

TEST_F(GameTest, AMonsterLeavesOnceItsMoveTakesItOutOfTheScreen) {
  const LeaveCase cases[] = {
      {"to x = 800", 798, 100, 2, 1, true},   {"to x = 801", 799, 100, 2, 1, false},
      {"to y = 600", 100, 597, 1, 3, true},   {"to y = 601", 100, 598, 1, 3, false},
      {"from x < 0", -5, 100, 1, 1, false},   {"from y < 0", 100, -5, 1, 1, false},
      {"to the origin", -1, -1, 1, 1, true},
  };
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    WithoutMonsters();
    AddMonster(c.x, c.y, c.stepX, c.stepY, 0);
    RunPasses(1);
    EXPECT_EQ(Monsters.size(), c.stays ? 1u : 0u);
    EXPECT_EQ(MonstersToSpawn, c.stays ? 0 : 1);
  }
}

TEST_F(GameTest, AlwaysSixMonstersOwedOrShownAndNeverMoreHitsThanShots) {
  std::mt19937 generator(12345);
  ScriptRandom({});
  platform::testing::SetRandomSource([&generator](std::int32_t n) {
    return std::uniform_int_distribution<std::int32_t>(0, n)(generator);
  });
  const SDL_Scancode keys[] = {SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT, SDL_SCANCODE_UP,
                               SDL_SCANCODE_DOWN, SDL_SCANCODE_SPACE};
  int passes = 0;
  int games = 0;
  std::int32_t bestScore = 0;
  while (passes < 20000) {
    std::vector<SDL_Scancode> held;
    for (SDL_Scancode key : keys)
      if (generator() % 2) held.push_back(key);
    platform::testing::HoldKeys(held);
    const bool running = RunPass();
    ++passes;
    ASSERT_EQ(MonstersToSpawn + static_cast<std::int32_t>(Monsters.size()), 6) << "pass " << passes;
    ASSERT_LE(Score, 50 - Ammo) << "pass " << passes;
    bestScore = std::max(bestScore, Score);
    if (!running) {
      ++games;
      Restart();
    }
  }
  EXPECT_GT(games, 5);
  EXPECT_GT(bestScore, 0);  // the run did see hits, so the bound was really tested
}

}  // namespace
