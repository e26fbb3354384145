#pragma once
// Pacing for drivers whose "vsync" present does not wait (virtual displays, some VMs and
// compositors). A present that took a good part of a refresh period waited for the vertical
// blank itself, and then nothing more is done; one that came back at once is followed by a sleep
// up to the next tick of a fixed schedule. Ticks follow from the first one by whole periods, so
// oversleeping one frame does not push back the next: the game keeps the display's rate, never
// faster and never at half of it.
#include <chrono>

namespace platform {

class FlipPacer {
 public:
  using Clock = std::chrono::steady_clock;

  explicit FlipPacer(Clock::duration period) : period_(period) {}

  // How long to wait after a present that began at `began` and returned at `ended`.
  Clock::duration WaitAfterPresent(Clock::time_point began, Clock::time_point ended);

 private:
  Clock::duration period_;
  Clock::time_point tick_{};  // when the last wait ended, or should have
  bool scheduled_ = false;
};

}  // namespace platform
