#pragma once
// One virtual display, one game folder and the game started there, per test; when a test fails
// the last picture it looked at is kept as window-failed-<test>.ppm in the build folder.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "tests/window/running_game.h"

namespace window_harness {

class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Starts the display with these options, and the game on it.
  void StartGame(VirtualDisplay::Options options = {});
  // The screen now, remembered for a failure.
  const ScreenPicture& Look();
  // The first picture for which `wanted` holds, remembered; empty after `timeout`.
  std::optional<ScreenPicture> LookUntil(const std::function<bool(const ScreenPicture&)>& wanted,
                                         std::chrono::milliseconds timeout);

  // A measured number, kept in the test's XML result and printed for the log.
  void Report(const std::string& name, double value);

  std::unique_ptr<VirtualDisplay> display;
  GameFolder folder;
  std::unique_ptr<RunningGame> game;

 private:
  ScreenPicture last_;
};

// Where the status line of a fresh game ("Punkte:" 0, "Ammo:" 50, all at y = 1) lights a pixel
// in the game's own coordinates, and the band that holds it.
bool FreshStatusLineLit(int x, int y);
constexpr Rect StatusBand{0, 0, 200, 16};

// The player sprite's place: the bounding box of its colour.
inline Rect PlayerArea(const ScreenPicture& picture) { return picture.BoundsOf(PlayerColour); }

}  // namespace window_harness
