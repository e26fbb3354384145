// The sanitizer build's game in a real window: started, played with keys held, ended with
// Escape. LeakSanitizer checks at its exit and turns any leak into a non-zero exit code, so
// exit code 0 means no leak but those lsan.supp names, none of them ours.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

using namespace std::chrono_literals;

TEST_F(WindowTest, APlayedGameEndsWithCodeZeroAndLeaksNothing) {
  display = std::make_unique<VirtualDisplay>();
  game = std::make_unique<RunningGame>(*display, folder, LEAK_CHECKED_SHOOTER);
  display->HoldKeys({"Right", "Down", "space"}, 1500ms);
  display->HoldKeys({"Left", "Up"}, 500ms);
  ASSERT_GT(Look().Count(ShotColour), 0) << "no shot was fired";
  display->PressKeys({"Escape"});
  const auto ending = game->WaitForExit(30s);
  display->ReleaseKeys({"Escape"});
  ASSERT_TRUE(ending) << "still running 30 s after Escape";
  EXPECT_EQ(*ending, Ending{.exitCode = 0}) << Describe(*ending) << " (see the leak report above)";
}

}  // namespace
}  // namespace window_harness
