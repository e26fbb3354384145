// The real generator behind RandomValue: 0 to n inclusive, n + 1 values, evenly.
#include <gtest/gtest.h>

#include <map>

#include "platform/platform.h"
#include "platform/testing.h"

namespace {

TEST(RandomValue, GivesEveryValueFromZeroToNInclusiveAndNothingElse) {
  platform::testing::SetRandomSource({});
  std::map<std::int32_t, int> seen;
  constexpr int Draws = 8000;
  for (int i = 0; i < Draws; ++i) ++seen[platform::RandomValue(3)];
  ASSERT_EQ(seen.size(), 4u);
  for (const auto& [value, count] : seen) {
    EXPECT_GE(value, 0);
    EXPECT_LE(value, 3);
    // About 2000 each; 1700..2300 is more than ten standard deviations wide.
    EXPECT_GT(count, 1700) << value;
    EXPECT_LT(count, 2300) << value;
  }
}

TEST(RandomValue, ReachesBothEndsOfTheScreensRange) {
  platform::testing::SetRandomSource({});
  bool zero = false, edge = false;
  for (int i = 0; i < 100000 && !(zero && edge); ++i) {
    const std::int32_t value = platform::RandomValue(800);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 800);
    zero |= value == 0;
    edge |= value == 800;
  }
  EXPECT_TRUE(zero);
  EXPECT_TRUE(edge) << "800 is one of the 801 values";
}

}  // namespace
