// The input focus: while another window has it the game's keys read as released and the game
// goes on by itself, without piling up pictures nobody sees; when the focus comes back the
// game shows again and the arrows move the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

using namespace std::chrono_literals;

// The game's resident memory in kB, from /proc.
long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// How many whole monsters (16 × 16 patches) of `now` stand where one of `before` would be after
// the same number of passes n for all of them, at their own steps of 1 to 4 across and 1 to 3
// down a pass: the monsters that drifted on from `before` for at most 80 passes. Monsters that
// arrived at random places meanwhile almost never line up like that.
int MonstersDriftedOn(const ScreenPicture& before, const ScreenPicture& now) {
  const auto whole = [](const ScreenPicture& picture) {
    std::vector<Rect> monsters;
    for (const Rect& patch : picture.Patches(MonsterColour))
      if (patch.Width() == 16 && patch.Height() == 16) monsters.push_back(patch);
    return monsters;
  };
  const std::vector<Rect> earlier = whole(before), later = whole(now);
  const auto step = [](int distance, int passes, int fastest) {
    return distance % passes == 0 && distance / passes >= 1 && distance / passes <= fastest;
  };
  int most = 0;
  for (int passes = 1; passes <= 80; ++passes) {
    int drifted = 0;
    for (const Rect& monster : later)
      for (const Rect& old : earlier)
        if (step(monster.left - old.left, passes, 4) && step(monster.top - old.top, passes, 3)) {
          ++drifted;
          break;
        }
    most = std::max(most, drifted);
  }
  return most;
}

class FocusTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FocusTest, KeysReadReleasedWithoutFocusAndMoveThePlayerAgainWhenItComesBack) {
  StartGame({.windowManager = GetParam()});
  const XWindow other = display->OpenOtherWindow(Rect{740, 560, 800, 600});
  display->GiveFocusTo(game->Window());
  game->WaitFrames(10);

  // Right held across the loss of the focus and let go while the other window has it: a game
  // that missed the release would walk on for ever.
  display->PressKeys({"Right"});
  game->WaitFrames(15);
  const ScreenPicture shortlyBefore = Look();
  game->WaitFrames(5);
  const ScreenPicture beforeLoss = Look();
  ASSERT_GE(MonstersDriftedOn(shortlyBefore, beforeLoss), 2) << "monsters are not found";
  const Rect playerBefore = PlayerArea(beforeLoss);
  ASSERT_GT(playerBefore.left, 1) << "Right does not move the player";
  display->GiveFocusTo(other);
  game->WaitFrames(10);
  display->ReleaseKeys({"Right"});
  const long memoryBefore = ResidentKilobytes(game->Process().Pid());
  game->WaitFrames(60);
  const long memoryGrowth = ResidentKilobytes(game->Process().Pid()) - memoryBefore;
  Report("memory_growth_kb_in_a_second_without_focus", static_cast<double>(memoryGrowth));
  EXPECT_LT(memoryGrowth, 10 * 1024) << "the game piles up memory while it has no focus";

  // What the screen shows without the focus: the last picture, or the desktop when the window
  // manager minimised the game.
  const ScreenPicture away = Look();
  display->GiveFocusTo(game->Window());
  const auto shown = LookUntil(
      [&](const ScreenPicture& p) { return p.pixels != away.pixels && !PlayerArea(p).Empty(); },
      3s);
  ASSERT_TRUE(shown) << "the game does not show again when the focus comes back";
  game->WaitFrames(5);  // the first picture back may be the one drawn as the focus went
  const ScreenPicture back = Look();
  const Rect playerBack = PlayerArea(back);
  EXPECT_LE(playerBack.left - playerBefore.left, 4 * 15) << "the player moved without the focus";
  // Frozen without the focus, the monsters would have drifted on from where they were by a few
  // passes; going on, they have left the screen many times and come back at random places.
  EXPECT_LE(MonstersDriftedOn(beforeLoss, back), 1) << "the monsters did not go on";

  game->WaitFrames(20);
  const Rect playerLater = PlayerArea(Look());
  EXPECT_EQ(playerLater, playerBack) << "the player walks on after the focus came back";
  display->HoldKeys({"Down"}, 500ms);
  game->WaitFrames(5);
  const Rect moved = PlayerArea(Look());
  EXPECT_EQ(moved.left, playerLater.left) << Describe(moved);
  EXPECT_GE(moved.top - playerLater.top, 3 * 20) << "Down does not move the player again";
}

INSTANTIATE_TEST_SUITE_P(WindowManager, FocusTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "With" : "Without"; });

}  // namespace
}  // namespace window_harness
