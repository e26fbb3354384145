// The entry routine and the frame loop: start values, the end of the game, presenting, focus.
#include <SDL.h>
#include <gtest/gtest.h>

#include "tests/game_fixture.h"

namespace {

// Puts an event in SDL's queue, where the next flip finds it as it would a window's.
void Send(Uint32 type, Uint8 windowEvent = 0) {
  SDL_Event event{};
  event.type = type;
  event.window.event = windowEvent;
  ASSERT_EQ(SDL_PushEvent(&event), 1);
}

using platform::testing::BackBuffer;
using platform::testing::FrontBuffer;
using platform::testing::PresentedFrames;

TEST_F(GameTest, StartsWithItsStartValuesAndBlackBuffers) {
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(PlayerX, 1);
  EXPECT_EQ(PlayerY, 2);
  EXPECT_EQ(MonstersToSpawn, 6);
  EXPECT_EQ(FireCooldown, 5);
  EXPECT_EQ(Ammo, 50);
  EXPECT_TRUE(Monsters.empty());
  EXPECT_TRUE(Shots.empty());
  EXPECT_EQ(PresentedFrames(), 0);
  EXPECT_EQ(FindColour(FrontBuffer(), Black).count, 800 * 600);
  EXPECT_EQ(FindColour(BackBuffer(), Black).count, 800 * 600);
}

TEST_F(GameTest, EachFlipPresentsThePictureOfThePassBefore) {
  RunPasses(3, {SDL_SCANCODE_RIGHT});
  const auto drawnInPassThree = BackBuffer();
  RunPasses(1);
  EXPECT_EQ(PresentedFrames(), 4);
  EXPECT_EQ(FrontBuffer().pixels, drawnInPassThree.pixels);
}

TEST_F(GameTest, SpaceHeldFromTheStartFiresEvery15PassesAndTheFiftiethShotEndsTheGame) {
  std::vector<int> firingPasses;
  platform::testing::Picture lastPresentable;
  int pass = 0;
  bool running = true;
  platform::testing::HoldKeys({SDL_SCANCODE_SPACE});
  while (running) {
    const std::int32_t ammoBefore = Ammo;
    running = RunPass();
    ++pass;
    if (Ammo != ammoBefore) firingPasses.push_back(pass);
    if (running) lastPresentable = BackBuffer();
  }
  ASSERT_EQ(firingPasses.size(), 50u);
  for (std::size_t shot = 0; shot < firingPasses.size(); ++shot)
    EXPECT_EQ(firingPasses[shot], 6 + 15 * static_cast<int>(shot));
  EXPECT_EQ(pass, 741);
  EXPECT_EQ(Ammo, 0);
  // The picture showing "Ammo:" 0 is never presented: the last one shown is from pass 740.
  EXPECT_EQ(PresentedFrames(), 741);
  EXPECT_EQ(FrontBuffer().pixels, lastPresentable.pixels);
}

TEST_F(GameTest, EscapeEndsTheGameInThePassThatSeesIt) {
  EXPECT_EQ(RunPasses(10), 10);
  EXPECT_EQ(RunPasses(10, {SDL_SCANCODE_ESCAPE}), 1);
}

TEST_F(GameTest, EscapeWinsOverMovementInTheSamePass) {
  // The end test uses the snapshot that moved the player.
  EXPECT_EQ(RunPasses(5, {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_RIGHT}), 1);
  EXPECT_EQ(PlayerX, 5);
}

TEST_F(GameTest, WithoutTheFocusKeysReadReleasedNothingIsPresentedAndTheGameGoesOn) {
  RunPasses(1);
  const int presented = PresentedFrames();
  Send(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST);
  WithoutMonsters();
  AddMonster(100, 100, 2, 1, 0);
  RunPasses(10, {SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN, SDL_SCANCODE_SPACE});
  EXPECT_EQ(PresentedFrames(), presented);
  EXPECT_EQ(PlayerX, 1);
  EXPECT_EQ(PlayerY, 2);
  EXPECT_EQ(Ammo, 50);
  ASSERT_EQ(Monsters.size(), 1u);
  EXPECT_EQ(Monsters.front().X, 120);
  EXPECT_EQ(Monsters.front().Y, 110);

  Send(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_GAINED);
  RunPasses(1, {SDL_SCANCODE_RIGHT});
  EXPECT_EQ(PlayerX, 5);
  // The picture left from before the focus went is never shown: the first one presented is
  // the one drawn after it came back.
  EXPECT_EQ(PresentedFrames(), presented);
  const auto drawnBack = BackBuffer();
  RunPasses(1);
  EXPECT_EQ(PresentedFrames(), presented + 1);
  EXPECT_EQ(platform::testing::FrontBuffer().pixels, drawnBack.pixels);
  EXPECT_EQ(FindColour(drawnBack, PlayerColour).left, 5);
}

TEST_F(GameTest, WithoutTheFocusNothingIsDrawnNotEvenTheBackground) {
  RunPasses(1);
  const platform::testing::Picture lastDrawn = BackBuffer();
  Send(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST);
  WithoutMonsters();
  AddMonster(300, 300, 0, 0, 0);
  AddShot(495, 400);
  PlayerX = 200;
  RunPasses(3);
  EXPECT_EQ(BackBuffer().pixels, lastDrawn.pixels);
}

TEST_F(GameTest, RequestsToCloseTheWindowAndMouseClicksAreIgnored) {
  Send(SDL_QUIT);
  Send(SDL_MOUSEBUTTONDOWN);
  Send(SDL_MOUSEBUTTONUP);
  EXPECT_EQ(RunPasses(5), 5);
}

TEST_F(GameTest, SpritesAreMadeAgainWhenTheRenderersDeviceWasLost) {
  Send(SDL_RENDER_DEVICE_RESET);
  RunPasses(1);
  EXPECT_EQ(FindColour(BackBuffer(), PlayerColour).count, 8 * 6 - 2);
  EXPECT_GT(FindColour(BackBuffer(), Magenta).count, 0);  // and the font
}

TEST(GameRun, EscapeHeldFromTheStartRunsOnePassAndShowsOnlyTheBlackPicture) {
  SpriteFolder sprites;
  platform::testing::UseOffscreenDisplay();
  platform::testing::HoldKeys({SDL_SCANCODE_ESCAPE});
  int draws = 0;
  platform::testing::SetRandomSource([&draws](std::int32_t n) {
    ++draws;
    return n;
  });
  EXPECT_EQ(RunGame(), 0);
  platform::testing::SetRandomSource({});
  EXPECT_EQ(draws, 4);  // one monster arrived: exactly one pass ran
  EXPECT_EQ(PresentedFrames(), 1);
  EXPECT_EQ(FindColour(FrontBuffer(), Black).count, 800 * 600);
}

TEST_F(GameTest, WithEverySpriteMissingOnlyTheBackgroundAndStatusLineShow) {
  for (const char* name : {"Dude.bmp", "monster1.bmp", "blaster.bmp"}) sprites.Remove(name);
  Restart();
  RunPasses(30, {SDL_SCANCODE_SPACE});
  const auto picture = BackBuffer();
  const Found text = FindColour(picture, Magenta);
  const Found navy = FindColour(picture, Navy);
  EXPECT_EQ(text.count + navy.count, 800 * 600);
  EXPECT_GT(text.count, 0);
  EXPECT_LT(text.right, 200);
  EXPECT_LT(text.bottom, 20);
  EXPECT_EQ(RunPasses(1, {SDL_SCANCODE_ESCAPE}), 1);
}

}  // namespace
