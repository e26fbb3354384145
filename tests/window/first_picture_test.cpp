// What the player sees first: the window over the whole screen, navy, the status line in its
// four places and the player at (1, 2); and with no sprites, only navy and the status line.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

using namespace std::chrono_literals;

// Every pixel of the status band outside `except` is magenta exactly where the fresh status
// line lights one; how many pixels are wrong.
int StatusLineMistakes(const ScreenPicture& picture, Rect except) {
  int mistakes = 0;
  for (int y = StatusBand.top; y < StatusBand.bottom; ++y)
    for (int x = StatusBand.left; x < StatusBand.right; ++x) {
      if (x >= except.left && x < except.right && y >= except.top && y < except.bottom) continue;
      mistakes += FreshStatusLineLit(x, y) != (picture.At(x, y) == MagentaColour);
    }
  return mistakes;
}

void EndWithEscape(VirtualDisplay& display, RunningGame& game) {
  display.HoldKeys({"Escape"}, 100ms);
  const auto ending = game.WaitForExit(2s);
  ASSERT_TRUE(ending) << "still running 2 s after Escape";
  EXPECT_EQ(*ending, Ending{.exitCode = 0}) << Describe(*ending);
}

TEST_F(WindowTest, TheFirstPictureShowsNavyTheStatusLineAndThePlayerAtOneTwo) {
  StartGame();
  const ScreenPicture& picture = Look();
  Report("start_to_first_picture_ms", static_cast<double>(game->StartTime().count()));
  EXPECT_EQ(display->WindowArea(game->Window()), (Rect{0, 0, 800, 600}));

  const Rect player = PlayerArea(picture);
  EXPECT_EQ(player, (Rect{1, 2, 13, 12})) << Describe(player);
  EXPECT_EQ(picture.At(1, 2), NavyColour) << "the player's magenta corner is left out";
  EXPECT_EQ(picture.At(2, 2), BlackColour) << "the player's black pixel is kept";
  EXPECT_EQ(StatusLineMistakes(picture, player), 0);
  EXPECT_EQ(picture.Count(MagentaColour), picture.Count(MagentaColour, StatusBand))
      << "magenta outside the status line";
  // Monsters arrive from the first pass on; nothing but them, the player, the status line and
  // navy is on the screen, and navy is most of it.
  EXPECT_EQ(picture.CountOther({NavyColour, MagentaColour, BlackColour, PlayerColour,
                                MonsterColour}),
            0);
  EXPECT_GT(picture.Count(NavyColour), 800 * 600 * 9 / 10);
  EndWithEscape(*display, *game);
}

TEST_F(WindowTest, WithoutDataOnlyNavyAndTheStatusLineShowAndEscapeStillEnds) {
  folder.RemoveData();
  StartGame();
  game->WaitFrames(30);  // monsters would have arrived by now
  const ScreenPicture& picture = Look();
  EXPECT_EQ(StatusLineMistakes(picture, Rect{}), 0);
  EXPECT_EQ(picture.Count(MagentaColour), picture.Count(MagentaColour, StatusBand));
  EXPECT_EQ(picture.CountOther({NavyColour, MagentaColour}), 0);
  EndWithEscape(*display, *game);
}

TEST_F(WindowTest, EscapeHeldEndsTheGameWithinAFewFrames) {
  StartGame();
  game->WaitFrames(10);
  display->PressKeys({"Escape"});
  const auto pressed = std::chrono::steady_clock::now();
  const auto ending = game->WaitForExit(2s);
  const auto took = std::chrono::steady_clock::now() - pressed;
  display->ReleaseKeys({"Escape"});
  ASSERT_TRUE(ending) << "still running 2 s after Escape";
  EXPECT_EQ(*ending, Ending{.exitCode = 0}) << Describe(*ending);
  EXPECT_LT(took, 300ms);
  Report("escape_to_exit_ms", std::chrono::duration<double, std::milli>(took).count());
}

}  // namespace
}  // namespace window_harness
