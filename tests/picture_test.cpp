// What the player sees: transparent colours, clipping, the status line and what covers what.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/game_fixture.h"

namespace {

using platform::testing::BackBuffer;
using platform::testing::Picture;

class PictureTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    WithoutMonsters();
    FireCooldown = 1000;
  }
};

TEST_F(PictureTest, ThePlayerStandsAtOneTwoWithMagentaLeftOutAndBlackKept) {
  RunPasses(1);
  const Picture picture = BackBuffer();
  const Found player = FindColour(picture, PlayerColour);
  EXPECT_EQ(player.left, 1);
  EXPECT_EQ(player.top, 2);
  EXPECT_EQ(player.right, 8);
  EXPECT_EQ(player.bottom, 7);
  EXPECT_EQ(player.count, 8 * 6 - 2);
  EXPECT_EQ(picture.At(1, 2), Navy);   // the magenta corner
  EXPECT_EQ(picture.At(2, 2), Black);  // black stays
}

TEST_F(PictureTest, MonstersLeaveOutMagentaAndShotsLeaveOutBlack) {
  AddMonster(300, 300, 0, 0, 0);
  AddShot(495, 400);  // drawn at 500 after its move
  RunPasses(1);
  const Picture picture = BackBuffer();
  EXPECT_EQ(picture.At(300, 300), Navy);
  EXPECT_EQ(picture.At(301, 300), Black);
  EXPECT_EQ(picture.At(302, 300), MonsterColour);
  EXPECT_EQ(picture.At(500, 400), Navy);     // black is the shot's transparent colour
  EXPECT_EQ(picture.At(501, 400), Magenta);  // and magenta is just a colour to it
  EXPECT_EQ(picture.At(502, 400), ShotColour);
  EXPECT_EQ(FindColour(picture, ShotColour).count, 4 * 2 - 2);
}

struct ClipCase {
  const char* name;
  std::int32_t x, y;
  int left, top, right, bottom;  // the player's colour on the screen, or right < 0 for none
};

TEST_F(PictureTest, ThePlayerIsClippedAtEveryEdgeAndVanishesWhollyOffTheScreen) {
  // The player image is 8 × 6 with its top row's first two pixels magenta and black.
  const ClipCase cases[] = {
      {"over the left edge", -5, 100, 0, 100, 2, 105},
      {"over the right edge", 796, 100, 796, 100, 799, 105},
      {"over the top edge", 100, -4, 100, 0, 107, 1},
      {"over the bottom edge", 100, 597, 100, 597, 107, 599},
      {"at x = 800", 800, 100, 0, 0, -1, 0},
      {"at y = 600", 100, 600, 0, 0, -1, 0},
      {"at x = -8", -8, 100, 0, 0, -1, 0},
      {"at y = -6", 100, -6, 0, 0, -1, 0},
      {"far beyond", 2147483646, -2147483647 - 1, 0, 0, -1, 0},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlayerX = c.x;
    PlayerY = c.y;
    RunPasses(1);
    const Found player = FindColour(BackBuffer(), PlayerColour);
    if (c.right < 0) {
      EXPECT_EQ(player.count, 0);
      continue;
    }
    EXPECT_EQ(player.left, c.left);
    EXPECT_EQ(player.top, c.top);
    EXPECT_EQ(player.right, c.right);
    EXPECT_EQ(player.bottom, c.bottom);
  }
}

TEST_F(PictureTest, AMissingPlayerSpriteDrawsNothing) {
  sprites.Remove("Dude.bmp");
  Restart();
  WithoutMonsters();
  RunPasses(3, {SDL_SCANCODE_RIGHT});
  EXPECT_EQ(PlayerX, 13);  // the player still moves, unseen
  const Picture picture = BackBuffer();
  EXPECT_EQ(FindColour(picture, PlayerColour).count, 0);
  EXPECT_EQ(FindColour(picture, Black).count, 0);
}

// Draws text alone on the cleared back buffer and answers where its pixels are.
Found TextAlone(int x, const char* text) {
  platform::ClearBackBuffer(Navy);
  platform::BeginDrawing();
  platform::SetTransparentTextBackground();
  platform::DrawText(x, 1, text, Magenta);
  platform::EndDrawing();
  const Picture picture = BackBuffer();
  EXPECT_EQ(FindColour(picture, Magenta).count + FindColour(picture, Navy).count, 800 * 600)
      << "text is drawn in its colour alone, with no box behind it";
  return FindColour(picture, Magenta);
}

TEST_F(PictureTest, TheLabelsEndBeforeTheirNumbersBegin) {
  const Found punkte = TextAlone(1, "Punkte:");
  EXPECT_GE(punkte.left, 1);
  EXPECT_LT(punkte.right, 50);
  EXPECT_GE(punkte.top, 1);
  const Found ammo = TextAlone(100, "Ammo:");
  EXPECT_GE(ammo.left, 100);
  EXPECT_LT(ammo.right, 150);
  const Found widest = TextAlone(50, "-2147483648");
  EXPECT_GE(widest.left, 50);
}

TEST_F(PictureTest, TheStatusLineShowsScoreAndAmmoAfterTheirLabels) {
  PlayerX = 400;  // out of the way
  Score = 12;
  Ammo = 38;
  RunPasses(1);
  const Picture statusLine = BackBuffer();

  platform::ClearBackBuffer(Navy);
  platform::DrawSprite(SpritePlayer, PlayerX, PlayerY);
  platform::BeginDrawing();
  platform::DrawText(1, 1, "Punkte:", Magenta);
  platform::DrawText(50, 1, "12", Magenta);
  platform::DrawText(100, 1, "Ammo:", Magenta);
  platform::DrawText(150, 1, "38", Magenta);
  platform::EndDrawing();
  const Picture expected = BackBuffer();
  EXPECT_EQ(statusLine.pixels, expected.pixels);
  // And the numbers really are drawn: "12" and "38" differ from "0" and "50".
  Score = 0;
  Ammo = 50;
  RunPasses(1);
  EXPECT_NE(BackBuffer().pixels, statusLine.pixels);
}

TEST_F(PictureTest, FromBottomToTopBackgroundMonstersShotsStatusLinePlayer) {
  // Where the first "P" of the status line has a lit pixel, stack everything else.
  const Found letter = TextAlone(1, "P");
  ASSERT_GT(letter.count, 0);
  const Picture alone = BackBuffer();
  int px = -1, py = -1;
  for (int y = letter.top; y <= letter.bottom && px < 0; ++y)
    for (int x = letter.left; x <= letter.right && px < 0; ++x)
      if (alone.At(x, y) == Magenta) px = x, py = y;

  // Two still monsters one pixel apart: where the second's black pixel lies on the first's
  // body, black shows only if the later monster is drawn over the earlier one.
  AddMonster(300, 300, 0, 0, 0);
  AddMonster(301, 300, 0, 0, 0);
  // Two shots likewise: the later one's magenta pixel lies on the earlier one's body.
  AddShot(395, 300);
  AddShot(396, 300);
  // A shot over the monsters, one under the status line's pixel.
  AddShot(298, 302);
  AddShot(px - 2 - 5, py);
  // The player stands over the status line's second letter.
  PlayerX = 8;
  PlayerY = 1;
  RunPasses(1);
  const Picture picture = BackBuffer();
  EXPECT_EQ(picture.At(302, 300), Black) << "later monster over earlier";
  EXPECT_EQ(picture.At(402, 300), Magenta) << "later shot over earlier";
  EXPECT_EQ(picture.At(305, 302), ShotColour) << "shots over monsters";
  EXPECT_EQ(picture.At(305, 303), ShotColour);
  EXPECT_EQ(picture.At(px, py), Magenta) << "status line over shots";
  const Found player = FindColour(picture, PlayerColour);
  EXPECT_EQ(player.count, 8 * 6 - 2) << "the player over the status line";
  EXPECT_EQ(picture.At(305, 305), MonsterColour) << "monsters over the background";
}

}  // namespace
