// Random values: a Mersenne Twister seeded from the clock when the first value is drawn.
#include <chrono>
#include <functional>
#include <random>

#include "platform/platform.h"
#include "platform/testing.h"

namespace platform {
namespace {

std::function<std::int32_t(std::int32_t)> scriptedSource;

std::mt19937& Generator() {
  static std::mt19937 generator(
      static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return generator;
}

}  // namespace

std::int32_t RandomValue(std::int32_t n) {
  if (scriptedSource) return scriptedSource(n);
  if (n <= 0) return 0;
  return std::uniform_int_distribution<std::int32_t>(0, n)(Generator());
}

namespace testing {

void SetRandomSource(std::function<std::int32_t(std::int32_t n)> source) {
  scriptedSource = std::move(source);
}

}  // namespace testing
}  // namespace platform
