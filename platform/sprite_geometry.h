#pragma once
// Rectangle arithmetic for drawing and hit-testing sprites. Positions may be any 32-bit value,
// so all sums are taken in 64 bits: a sprite near INT32_MAX neither wraps nor overflows here.
#include <cstdint>
#include <optional>

namespace platform {

struct PixelRect {
  int x, y, w, h;
};

struct ClippedCopy {
  PixelRect source;       // part of the image that shows
  PixelRect destination;  // where it lands on the screen, same size
};

// The visible part of a width × height image drawn with its top-left corner at (x, y) on a
// screen of screenWidth × screenHeight; nothing when no pixel of it is on the screen.
std::optional<ClippedCopy> ClipToScreen(std::int32_t x, std::int32_t y, int width, int height,
                                        int screenWidth, int screenHeight);

// True exactly when xb < xa + wa and xa < xb + wb and ya < yb + hb and yb < ya + ha:
// rectangles that only touch along an edge do not overlap.
bool RectanglesOverlap(std::int32_t xa, std::int32_t ya, int wa, int ha, std::int32_t xb,
                       std::int32_t yb, int wb, int hb);

}  // namespace platform
