#include "platform/sprite_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using platform::ClipToScreen;
using platform::RectanglesOverlap;

namespace {

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

struct ClipCase {
  const char* name;
  std::int32_t x, y;
  bool visible;
  platform::PixelRect source, destination;
};

// A 10 × 8 image on the 800 × 600 screen.
const ClipCase kClipCases[] = {
    {"inside", 5, 7, true, {0, 0, 10, 8}, {5, 7, 10, 8}},
    {"at the origin", 0, 0, true, {0, 0, 10, 8}, {0, 0, 10, 8}},
    {"over the left edge", -3, 0, true, {3, 0, 7, 8}, {0, 0, 7, 8}},
    {"over the top edge", 0, -5, true, {0, 5, 10, 3}, {0, 0, 10, 3}},
    {"over the right edge", 795, 0, true, {0, 0, 5, 8}, {795, 0, 5, 8}},
    {"over the bottom edge", 0, 597, true, {0, 0, 10, 3}, {0, 597, 10, 3}},
    {"last visible column", 799, 599, true, {0, 0, 1, 1}, {799, 599, 1, 1}},
    {"first visible column from the left", -9, -7, true, {9, 7, 1, 1}, {0, 0, 1, 1}},
    {"x = 800", 800, 0, false, {}, {}},
    {"y = 600", 0, 600, false, {}, {}},
    {"x = -width", -10, 0, false, {}, {}},
    {"y = -height", 0, -8, false, {}, {}},
    {"INT32_MIN", Min, Min, false, {}, {}},
    {"INT32_MAX", Max, Max, false, {}, {}},
    {"INT32_MAX - 1 across, on screen down", Max - 1, 10, false, {}, {}},
    {"INT32_MIN across", Min, 10, false, {}, {}},
};

TEST(SpriteClipping, ShowsExactlyTheVisiblePart) {
  for (const ClipCase& c : kClipCases) {
    SCOPED_TRACE(c.name);
    const auto copy = ClipToScreen(c.x, c.y, 10, 8, 800, 600);
    ASSERT_EQ(copy.has_value(), c.visible);
    if (!copy) continue;
    EXPECT_EQ(copy->source.x, c.source.x);
    EXPECT_EQ(copy->source.y, c.source.y);
    EXPECT_EQ(copy->source.w, c.source.w);
    EXPECT_EQ(copy->source.h, c.source.h);
    EXPECT_EQ(copy->destination.x, c.destination.x);
    EXPECT_EQ(copy->destination.y, c.destination.y);
    EXPECT_EQ(copy->destination.w, c.destination.w);
    EXPECT_EQ(copy->destination.h, c.destination.h);
  }
}

TEST(SpriteClipping, ImageLargerThanTheScreenIsCutOnAllSides) {
  const auto copy = ClipToScreen(-100, -50, 1000, 700, 800, 600);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->source.x, 100);
  EXPECT_EQ(copy->source.y, 50);
  EXPECT_EQ(copy->destination.w, 800);
  EXPECT_EQ(copy->destination.h, 600);
}

struct OverlapCase {
  const char* name;
  std::int32_t xa, ya, xb, yb;
  bool overlap;
};

// a is 10 × 10, b is 4 × 2.
const OverlapCase kOverlapCases[] = {
    {"b inside a", 0, 0, 3, 3, true},
    {"b's right edge meets a's left edge", 10, 0, 6, 0, false},
    {"b one pixel into a from the left", 10, 0, 7, 0, true},
    {"b's left edge meets a's right edge", 0, 0, 10, 0, false},
    {"b one pixel into a from the right", 0, 0, 9, 0, true},
    {"b's bottom meets a's top", 0, 10, 0, 8, false},
    {"b one row into a from above", 0, 10, 0, 9, true},
    {"b's top meets a's bottom", 0, 0, 0, 10, false},
    {"corners touch", 0, 0, 10, 10, false},
    {"off the screen alike", -500, 900, -497, 905, true},
    {"a near INT32_MAX, b at INT32_MIN", Max - 5, 0, Min, 0, false},
    {"both near INT32_MAX", Max - 5, Max - 5, Max - 2, Max - 1, true},
};

TEST(SpriteOverlap, FollowsTheStrictInequalities) {
  for (const OverlapCase& c : kOverlapCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RectanglesOverlap(c.xa, c.ya, 10, 10, c.xb, c.yb, 4, 2), c.overlap);
    // The test is symmetric in its two rectangles.
    EXPECT_EQ(RectanglesOverlap(c.xb, c.yb, 4, 2, c.xa, c.ya, 10, 10), c.overlap);
  }
}

}  // namespace
