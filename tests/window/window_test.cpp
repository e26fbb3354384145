// The shooter a player starts, in a real X server: its window, its first pictures, keys.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/window/running_game.h"

namespace {

using namespace window_harness;
using namespace std::chrono_literals;

TEST(WindowTest, TheWindowCoversTheScreenAndShowsNavyAndThePlayer) {
  VirtualDisplay display;
  GameFolder folder;
  RunningGame game(display, folder);
  EXPECT_EQ(display.WindowArea(game.Window()), (Rect{0, 0, 800, 600}));
  std::cout << "start " << game.StartTime().count() << " ms\n";
  game.WaitFrames(10);
  const ScreenPicture picture = display.Capture();
  EXPECT_EQ(picture.BoundsOf(PlayerColour), (Rect{1, 2, 13, 12}));
  display.HoldKeys({"Escape"}, 200ms);
  const auto ending = game.WaitForExit(2s);
  ASSERT_TRUE(ending);
  EXPECT_EQ(*ending, Ending{.exitCode = 0});
}

}  // namespace
