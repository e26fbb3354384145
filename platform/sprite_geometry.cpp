#include "platform/sprite_geometry.h"

#include <algorithm>

namespace platform {

std::optional<ClippedCopy> ClipToScreen(std::int32_t x, std::int32_t y, int width, int height,
                                        int screenWidth, int screenHeight) {
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, screenWidth);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, screenHeight);
  if (left >= right || top >= bottom) return std::nullopt;
  // Every value below lies within the image or the screen, so it fits an int.
  const int w = static_cast<int>(right - left);
  const int h = static_cast<int>(bottom - top);
  return ClippedCopy{
      {static_cast<int>(left - x), static_cast<int>(top - y), w, h},
      {static_cast<int>(left), static_cast<int>(top), w, h},
  };
}

bool RectanglesOverlap(std::int32_t xa, std::int32_t ya, int wa, int ha, std::int32_t xb,
                       std::int32_t yb, int wb, int hb) {
  const std::int64_t xa64 = xa, ya64 = ya, xb64 = xb, yb64 = yb;
  return xb64 < xa64 + wa && xa64 < xb64 + wb && ya64 < yb64 + hb && yb64 < ya64 + ha;
}

}  // namespace platform
