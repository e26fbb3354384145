#include "platform/flip_pacing.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;
using platform::FlipPacer;

namespace {

constexpr auto Period = 16ms;
constexpr auto Work = 1ms;  // the game's own share of a frame

// Plays `frames` flips against a driver whose present takes `presentTakes`, and answers the
// time at which each present began.
std::vector<FlipPacer::Clock::duration> PresentTimes(FlipPacer& pacer,
                                                     FlipPacer::Clock::duration presentTakes,
                                                     int frames,
                                                     FlipPacer::Clock::duration oversleep = 0ms) {
  std::vector<FlipPacer::Clock::duration> times;
  FlipPacer::Clock::time_point now{};
  for (int i = 0; i < frames; ++i) {
    now += Work;
    times.push_back(now.time_since_epoch());
    const auto began = now;
    now += presentTakes;
    const auto wait = pacer.WaitAfterPresent(began, now);
    if (wait > 0ms) now += wait + oversleep;
  }
  return times;
}

TEST(FlipPacing, PresentsThatDoNotWaitAreSpacedOnePeriodApart) {
  FlipPacer pacer(Period);
  const auto times = PresentTimes(pacer, 0ms, 100);
  EXPECT_GE(times[1] - times[0], Period);
  for (std::size_t i = 2; i < times.size(); ++i) EXPECT_EQ(times[i] - times[i - 1], Period);
}

TEST(FlipPacing, OversleepingDoesNotAccumulate) {
  FlipPacer pacer(Period);
  // Each sleep overshoots by 2 ms, as sleeps do; frame k still starts near k periods.
  const auto times = PresentTimes(pacer, 0ms, 600, 2ms);
  const auto drift = times.back() - times[1] - (times.size() - 2) * Period;
  EXPECT_LE(drift, 3ms);
  EXPECT_GE(drift, 0ms);
}

TEST(FlipPacing, PresentsThatWaitForTheBlankAreNotDelayedFurther) {
  FlipPacer pacer(Period);
  // A vsync driver that blocks until the blank, 15 ms after the game's work.
  const auto times = PresentTimes(pacer, Period - Work, 50);
  for (std::size_t i = 1; i < times.size(); ++i) EXPECT_EQ(times[i] - times[i - 1], Period);
}

TEST(FlipPacing, AfterAStallTheScheduleStartsAfreshInsteadOfRacing) {
  FlipPacer pacer(Period);
  FlipPacer::Clock::time_point now{};
  pacer.WaitAfterPresent(now, now);
  now += 500ms;  // e.g. a time without the focus
  EXPECT_EQ(pacer.WaitAfterPresent(now, now), Period);
  now += Period + Work;
  EXPECT_EQ(pacer.WaitAfterPresent(now, now), Period - Work);
}

}  // namespace
