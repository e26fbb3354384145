#include "tests/window/running_game.h"

#include <stdexcept>
#include <thread>

namespace window_harness {

using namespace std::chrono_literals;

std::filesystem::path BuiltShooter() { return SHOOTER_BINARY; }

RunningGame::RunningGame(VirtualDisplay& display, const std::filesystem::path& workingFolder,
                         const std::filesystem::path& binary)
    : process_(std::make_unique<ChildProcess>(
          ChildProcess::Options{.command = {binary.string()},
                                .workingFolder = workingFolder,
                                .environment = {"DISPLAY=" + display.Name()}})) {
  // The window is looked up only after the first picture: SDL may make it anew for OpenGL.
  const auto started = std::chrono::steady_clock::now();
  const auto deadline = started + 10s;
  while (display.Capture().Count(NavyColour) == 0) {
    if (!process_->Running()) throw std::runtime_error("the game ended before its first picture");
    if (std::chrono::steady_clock::now() > deadline)
      throw std::runtime_error("the game's first picture did not show");
    std::this_thread::sleep_for(5ms);
  }
  startTime_ = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  const auto window = display.FindWindow("Vollbild", 2s);
  if (!window) throw std::runtime_error("the game's window has no title Vollbild");
  window_ = *window;
}

void RunningGame::WaitFrames(int frames) const {
  std::this_thread::sleep_for(frames * 1000ms / 60);
}

}  // namespace window_harness
