#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/platform.h"

namespace {

TEST(DecimalText, DigitsWithASignAndNothingElse) {
  const struct {
    std::int32_t value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {7, "7"},
      {50, "50"},
      {-1, "-1"},
      {1000000, "1000000"},
      {std::numeric_limits<std::int32_t>::max(), "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::string(platform::Decimal(c.value).c_str()), c.text) << c.value;
}

}  // namespace
