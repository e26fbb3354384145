// The input focus: while another window has it the game's keys read as released and the game
// goes on by itself; when it comes back the arrows move the player again.
#include <gtest/gtest.h>

#include <thread>

#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

using namespace std::chrono_literals;

class FocusTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FocusTest, KeysReadReleasedWithoutFocusAndMoveThePlayerAgainWhenItComesBack) {
  StartGame({.windowManager = GetParam()});
  const XWindow other = display->OpenOtherWindow(Rect{740, 560, 800, 600});
  display->GiveFocusTo(game->Window());
  game->WaitFrames(5);
  std::cout << "focus " << display->FocusedWindow() << " game " << game->Window() << " other " << other << "\n";

  // Right held across the loss of focus, and let go while another window has it: a game that
  // missed the release would walk on for ever.
  display->PressKeys({"Right"});
  game->WaitFrames(20);
  const Rect beforeLoss = PlayerArea(Look());
  EXPECT_GT(beforeLoss.left, 1) << "Right does not move the player";
  display->GiveFocusTo(other);
  std::cout << "focus " << display->FocusedWindow() << "\n";
  game->WaitFrames(20);
  display->ReleaseKeys({"Right"});
  game->WaitFrames(40);
  display->GiveFocusTo(game->Window());
  std::cout << "focus " << display->FocusedWindow() << "\n";
  game->WaitFrames(10);
  const Rect back = PlayerArea(Look());
  const auto pixels = Look().pixels;
  game->WaitFrames(20);
  std::cout << "changes " << (Look().pixels != pixels) << "\n";
  const Rect later = PlayerArea(Look());
  std::cout << Describe(beforeLoss) << " " << Describe(back) << " " << Describe(later) << "\n";
  EXPECT_EQ(back, later) << "the player walks on after the focus came back";
  EXPECT_LE(back.left - beforeLoss.left, 4 * 5) << "the player moved without the focus";

  display->HoldKeys({"Down"}, 500ms);
  game->WaitFrames(5);
  const Rect moved = PlayerArea(Look());
  EXPECT_EQ(moved.left, later.left);
  EXPECT_GE(moved.top - later.top, 3 * 20) << "Down does not move the player after the focus came back";
}

INSTANTIATE_TEST_SUITE_P(WindowManager, FocusTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "With" : "Without"; });

}  // namespace
}  // namespace window_harness
