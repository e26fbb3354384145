#include "platform/flip_pacing.h"

namespace platform {

FlipPacer::Clock::duration FlipPacer::WaitAfterPresent(Clock::time_point began,
                                                       Clock::time_point ended) {
  if (ended - began >= period_ / 4) {
    // The driver waited for the vertical blank: it sets the pace, and should it ever stop
    // waiting, the schedule goes on from this blank.
    tick_ = ended;
    scheduled_ = true;
    return Clock::duration::zero();
  }
  Clock::time_point target = tick_ + period_;
  // First frame, or more than a whole period behind (a stall, a time without the focus): start
  // the schedule afresh from this present instead of racing to catch up.
  if (!scheduled_ || ended - target > period_) target = ended + period_;
  tick_ = target;
  scheduled_ = true;
  return target > ended ? target - ended : Clock::duration::zero();
}

}  // namespace platform
