#pragma once
// The shooter a player starts: the built binary (or another, e.g. an installed one), run in a
// game folder on a virtual display, and its window once it shows.
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

#include "tests/window/child_process.h"
#include "tests/window/game_folder.h"
#include "tests/window/virtual_display.h"

namespace window_harness {

// The binary this build made.
std::filesystem::path BuiltShooter();

class RunningGame {
 public:
  // Starts the game and waits up to 10 s for its first navy picture to reach the screen, then
  // finds its window "Vollbild"; throws when either does not show.
  RunningGame(VirtualDisplay& display, const GameFolder& folder,
              const std::filesystem::path& binary = BuiltShooter())
      : RunningGame(display, folder.Path(), binary) {}
  // The same in any folder, e.g. where an installed game's menu entry starts it.
  RunningGame(VirtualDisplay& display, const std::filesystem::path& workingFolder,
              const std::filesystem::path& binary);

  ChildProcess& Process() { return *process_; }
  XWindow Window() const { return window_; }
  // How long after its start the game's first picture showed.
  std::chrono::milliseconds StartTime() const { return startTime_; }
  // Waits for the game's next pictures to reach the screen (at 60 Hz).
  void WaitFrames(int frames) const;
  std::optional<Ending> WaitForExit(std::chrono::milliseconds timeout) {
    return process_->WaitForExit(timeout);
  }

 private:
  std::unique_ptr<ChildProcess> process_;
  XWindow window_ = 0;
  std::chrono::milliseconds startTime_{};
};

}  // namespace window_harness
