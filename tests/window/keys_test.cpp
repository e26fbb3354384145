// Keys as a player presses them: the arrows move the player at the display's pace, and Space
// held fires shots from the player's side until the last one leaves and the game ends.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST_F(WindowTest, RightAndDownHeldForOneSecondMoveByKTimesFourThreeAtTheDisplaysRate) {
  StartGame();
  ASSERT_EQ(PlayerArea(Look()), (Rect{1, 2, 13, 12}));
  display->HoldKeys({"Right", "Down"}, 1000ms);
  game->WaitFrames(5);  // the last steps reach the screen
  const Rect player = PlayerArea(Look());
  const int across = player.left - 1;
  const int down = player.top - 2;
  ASSERT_EQ(across % 4, 0) << Describe(player);
  const int k = across / 4;
  EXPECT_EQ(down, 3 * k) << Describe(player);
  Report("passes_moved_in_one_second", k);
  // 60 passes at 60 Hz, give or take the time the key events take to arrive.
  EXPECT_GE(k, 50);
  EXPECT_LE(k, 70);
}

TEST_F(WindowTest, SpaceHeldFiresShotsAtThePlayersHeightThatMoveRightUntilTheGameEnds) {
  StartGame();
  const auto firstPicture = Clock::now();
  display->PressKeys({"space"});
  // The first shot leaves in pass 6 at (31, 12) and flies 5 pixels a pass.
  const auto shotShows = [](const ScreenPicture& picture) {
    return picture.Count(ShotColour) > 0;
  };
  const auto first = LookUntil(shotShows, 2s);
  ASSERT_TRUE(first) << "no shot within 2 s";
  const Rect firstShots = first->BoundsOf(ShotColour);
  EXPECT_EQ(firstShots.top, 12) << Describe(firstShots);
  EXPECT_EQ(firstShots.bottom, 15) << Describe(firstShots);
  game->WaitFrames(10);
  const Rect later = Look().BoundsOf(ShotColour);
  EXPECT_EQ(later.top, 12) << Describe(later);
  EXPECT_GT(later.right, firstShots.right) << "shots do not move right";

  const auto ending = game->WaitForExit(20s);
  const auto elapsed = std::chrono::duration<double>(Clock::now() - firstPicture).count();
  display->ReleaseKeys({"space"});
  ASSERT_TRUE(ending) << "still running 20 s after Space was pressed";
  EXPECT_EQ(*ending, Ending{.exitCode = 0}) << Describe(*ending);
  // 741 passes: about 12.4 s at 60 Hz. Far less would be a loop that races, about twice one
  // that waits two refreshes a pass.
  Report("space_run_seconds", elapsed);
  Report("passes_per_second", 741 / elapsed);
  EXPECT_GT(elapsed, 10.5);
  EXPECT_LT(elapsed, 15.0);
}

}  // namespace
}  // namespace window_harness
