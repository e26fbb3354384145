// Sprite files as the game meets them in Data/: every kind of BMP draws with its own colours,
// and whatever else stands there leaves the sprite empty while the game plays on and ends.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/bad_sprite_files.h"
#include "tests/bmp_encoder.h"
#include "tests/game_fixture.h"

namespace {

using platform::testing::BackBuffer;
using platform::testing::Picture;

// Equal but for one step in a channel: SDL's converter from 5-6-5 pixels makes a full green 254.
bool Near(Colour a, Colour b) {
  for (int shift : {0, 8, 16})
    if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 1) return false;
  return true;
}

class SpriteLoadingTest : public GameTest {
 protected:
  // Starts the game with these bytes in place of all three sprite files.
  void RestartWithEverySprite(const std::string& bytes) {
    for (const char* name : {"Dude.bmp", "monster1.bmp", "blaster.bmp"})
      WriteBytes((sprites.DataPath() / name).string(), bytes);
    Restart();
  }
  void RestartWithEverySprite(const OddFile& odd) {
    for (const char* name : {"Dude.bmp", "monster1.bmp", "blaster.bmp"}) {
      sprites.Remove(name);
      odd.make(sprites.DataPath() / name);
    }
    Restart();
  }

  // Plays a while with every key that draws something, then checks that only the background
  // and the status line were drawn and that Escape still ends the game.
  void ExpectTheGameRunsWithEmptySprites() {
    ScriptRandom({0, 0, 300, 300});  // one monster in the middle of the screen
    EXPECT_EQ(RunPasses(40, {SDL_SCANCODE_SPACE, SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN}), 40);
    const Picture picture = BackBuffer();
    EXPECT_EQ(FindColour(picture, Navy).count + FindColour(picture, Magenta).count, 800 * 600);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(Ammo, 47);  // shots left in passes 6, 21 and 36
    EXPECT_EQ(RunPasses(1, {SDL_SCANCODE_ESCAPE}), 1);
  }
};

TEST_F(SpriteLoadingTest, EveryKindOfBmpDrawsWithItsOwnColours) {
  for (const BmpKind& kind : EveryBmpKind()) {
    SCOPED_TRACE(kind.name);
    const TestImage image = PatternFor(kind);
    sprites.Remove("Dude.bmp");
    WriteBytes((sprites.DataPath() / "Dude.bmp").string(), EncodeBmp(image, kind));
    Restart();
    WithoutMonsters();
    PlayerX = 300;
    PlayerY = 200;
    RunPasses(1);
    const Picture picture = BackBuffer();
    int wrong = 0;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x)
        wrong += !Near(picture.At(300 + x, 200 + y), image.pixels[y * image.width + x]);
    EXPECT_EQ(wrong, 0);
    // Nothing beyond the image's own size.
    EXPECT_EQ(picture.At(299, 200), Navy);
    EXPECT_EQ(picture.At(300 + image.width, 200 + image.height - 1), Navy);
    EXPECT_EQ(picture.At(300 + image.width - 1, 200 + image.height), Navy);
  }
}

TEST_F(SpriteLoadingTest, TheGameRunsAndEndsWithEveryBrokenFileInData) {
  for (const BadBmp& bad : BadBmps()) {
    SCOPED_TRACE(bad.name);
    RestartWithEverySprite(bad.bytes);
    ExpectTheGameRunsWithEmptySprites();
  }
}

TEST_F(SpriteLoadingTest, TheGameRunsAndEndsWithWhatIsNoFileInData) {
  for (const OddFile& odd : OddFiles()) {
    SCOPED_TRACE(odd.name);
    RestartWithEverySprite(odd);
    ExpectTheGameRunsWithEmptySprites();
  }
}

TEST(SpriteLoadingRun, WithBrokenFilesTheWholeGameEndsWithCodeZeroOnEscape) {
  SpriteFolder sprites;
  const std::string bad = BadBmps().front().bytes;
  for (const char* name : {"Dude.bmp", "monster1.bmp", "blaster.bmp"})
    WriteBytes((sprites.DataPath() / name).string(), bad);
  platform::testing::UseOffscreenDisplay();
  platform::testing::HoldKeys({SDL_SCANCODE_ESCAPE});
  EXPECT_EQ(RunGame(), 0);
}

}  // namespace
