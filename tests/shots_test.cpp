// Shots in flight and their hits on monsters. The fixture's monster is 10 × 10, its shot 4 × 2;
// monsters are placed one step short of where the hit test meets them, since they move first.
#include <gtest/gtest.h>

#include "tests/game_fixture.h"

namespace {

using platform::testing::BackBuffer;

class ShotTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    WithoutMonsters();
    FireCooldown = 1000;  // no shots but the test's own
  }
  // A monster that stands still, so that where it is drawn is where it is tested.
  void StillMonsterAt(std::int32_t x, std::int32_t y) { AddMonster(x, y, 0, 0, 0); }
  // A shot that, after its move in the next pass, is at (x, y).
  void ShotArrivingAt(std::int32_t x, std::int32_t y) { AddShot(x - 5, y); }
};

TEST_F(ShotTest, AShotFliesFivePixelsRightPerPassAndLeavesPastTheRightEdge) {
  ShotArrivingAt(790, 300);
  RunPasses(1);
  ASSERT_EQ(Shots.size(), 1u);
  EXPECT_EQ(Shots.front().X, 790);
  RunPasses(2);
  ASSERT_EQ(Shots.size(), 1u);
  EXPECT_EQ(Shots.front().X, 800);  // at the edge it stays
  RunPasses(1);
  EXPECT_TRUE(Shots.empty());  // at 805 it is gone
}

TEST_F(ShotTest, AShotAtTheRightEdgeIsStillTested) {
  StillMonsterAt(795, 300);
  ShotArrivingAt(800, 305);
  RunPasses(1);
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(Score, 1);
  EXPECT_EQ(Monsters.front().Hit, 1);
}

TEST_F(ShotTest, AShotRemovedAtTheEdgeIsNotTested) {
  // At 805 the shot would still overlap a monster reaching to 810, but it leaves first.
  StillMonsterAt(800, 300);
  ShotArrivingAt(805, 300);
  RunPasses(1);
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(Score, 0);
}

TEST_F(ShotTest, AHitMonsterIsDrawnOnceMoreOneStepOnAndThenLeaves) {
  AddMonster(398, 299, 2, 1, 0);  // tested at (400, 300) in the first pass
  ShotArrivingAt(402, 305);
  RunPasses(1);
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(Score, 1);
  ASSERT_EQ(Monsters.size(), 1u);
  EXPECT_EQ(Monsters.front().Hit, 1);

  RunPasses(1);
  EXPECT_TRUE(Monsters.empty());
  EXPECT_EQ(MonstersToSpawn, 1);
  const Found drawn = FindColour(BackBuffer(), MonsterColour);
  EXPECT_EQ(drawn.left, 400);
  EXPECT_EQ(drawn.top, 300);
  EXPECT_EQ(drawn.right, 409);
  EXPECT_EQ(drawn.bottom, 309);

  MonstersToSpawn = 0;
  RunPasses(1);
  EXPECT_EQ(FindColour(BackBuffer(), MonsterColour).count, 0);
}

TEST_F(ShotTest, TwoShotsOnOneMonsterBothScore) {
  StillMonsterAt(400, 300);
  ShotArrivingAt(402, 302);
  ShotArrivingAt(405, 305);
  RunPasses(1);
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(Score, 2);
  RunPasses(1);
  EXPECT_TRUE(Monsters.empty());
}

TEST_F(ShotTest, AShotOverTwoMonstersMarksOnlyTheFirstInListOrder) {
  StillMonsterAt(405, 300);  // first in the list
  StillMonsterAt(400, 300);
  ShotArrivingAt(406, 305);
  RunPasses(1);
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(Score, 1);
  EXPECT_EQ(Monsters.front().Hit, 1);
  EXPECT_EQ(Monsters.back().Hit, 0);
}

TEST_F(ShotTest, OnlyTheShotsThatOverlapAreSpent) {
  StillMonsterAt(400, 300);
  ShotArrivingAt(100, 100);
  ShotArrivingAt(402, 302);
  ShotArrivingAt(200, 200);
  RunPasses(1);
  ASSERT_EQ(Shots.size(), 2u);
  EXPECT_EQ(Shots.front().X, 100);  // the others fly on in their order
  EXPECT_EQ(Shots.back().X, 200);
  EXPECT_EQ(Score, 1);
}

struct EdgeCase {
  const char* name;
  std::int32_t shotX, shotY;
  bool hits;
};

TEST_F(ShotTest, RectanglesThatOnlyTouchDoNotHit) {
  // The monster covers 400..409 × 300..309; the shot is 4 × 2.
  const EdgeCase cases[] = {
      {"shot's right edge on the monster's left edge", 396, 305, false},
      {"one pixel in from the left", 397, 305, true},
      {"shot's left edge on the monster's right edge", 410, 305, false},
      {"one pixel in from the right", 409, 305, true},
      {"shot's bottom on the monster's top", 403, 298, false},
      {"one row in from above", 403, 299, true},
      {"shot's top on the monster's bottom", 403, 310, false},
      {"one row in from below", 403, 309, true},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    WithoutMonsters();
    Shots.clear();
    Score = 0;
    StillMonsterAt(400, 300);
    ShotArrivingAt(c.shotX, c.shotY);
    RunPasses(1);
    EXPECT_EQ(Score, c.hits ? 1 : 0);
    EXPECT_EQ(Shots.empty(), c.hits);
  }
}

TEST_F(ShotTest, TheFiftiethShotStillScoresInTheLastPass) {
  Ammo = 1;
  FireCooldown = 0;
  // The shot leaves at (31, 12) and is tested at (36, 12).
  StillMonsterAt(35, 10);
  EXPECT_EQ(RunPasses(5, {SDL_SCANCODE_SPACE}), 1);
  EXPECT_EQ(Ammo, 0);
  EXPECT_EQ(Score, 1);
}

TEST_F(ShotTest, WithoutAMonsterOrShotSpriteNothingEverHits) {
  for (const char* missing : {"monster1.bmp", "blaster.bmp"}) {
    SCOPED_TRACE(missing);
    SpriteFolder folder;
    folder.Remove(missing);
    Restart();
    WithoutMonsters();
    StillMonsterAt(400, 300);
    ShotArrivingAt(402, 302);
    RunPasses(1);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Shots.size(), 1u);
    EXPECT_EQ(Monsters.front().Hit, 0);
  }
}

}  // namespace
