#include "tests/window/screen_picture.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <utility>

namespace window_harness {

std::string Describe(const Rect& rect) {
  return std::to_string(rect.Width()) + "x" + std::to_string(rect.Height()) + " at (" +
         std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")";
}

Rect ScreenPicture::Clip(Rect area) const {
  if (area.Empty()) return Rect{0, 0, width, height};
  return Rect{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width),
              std::min(area.bottom, height)};
}

Rect ScreenPicture::BoundsOf(Colour colour, Rect area) const {
  area = Clip(area);
  Rect found{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (At(x, y) == colour) {
        found.left = std::min(found.left, x);
        found.top = std::min(found.top, y);
        found.right = std::max(found.right, x + 1);
        found.bottom = std::max(found.bottom, y + 1);
      }
  return found.right < 0 ? Rect{} : found;
}

int ScreenPicture::Count(Colour colour, Rect area) const {
  area = Clip(area);
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour;
  return count;
}

bool ScreenPicture::AllOf(Colour colour, Rect area, Rect except) const {
  area = Clip(area);
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const bool excepted =
          x >= except.left && x < except.right && y >= except.top && y < except.bottom;
      if (!excepted && At(x, y) != colour) return false;
    }
  return true;
}

int ScreenPicture::CountOther(const std::vector<Colour>& allowed, Rect area) const {
  area = Clip(area);
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      count += std::find(allowed.begin(), allowed.end(), At(x, y)) == allowed.end();
  return count;
}

std::vector<Rect> ScreenPicture::Patches(Colour colour) const {
  std::vector<Rect> patches;
  std::vector<bool> seen(pixels.size(), false);
  std::vector<std::pair<int, int>> pending;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (seen[static_cast<std::size_t>(y) * width + x] || At(x, y) != colour) continue;
      Rect patch{x, y, x + 1, y + 1};
      pending.assign(1, {x, y});
      seen[static_cast<std::size_t>(y) * width + x] = true;
      while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        patch = Rect{std::min(patch.left, px), std::min(patch.top, py),
                     std::max(patch.right, px + 1), std::max(patch.bottom, py + 1)};
        for (const auto& [nx, ny] : {std::pair{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}}) {
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          const std::size_t index = static_cast<std::size_t>(ny) * width + nx;
          if (seen[index] || At(nx, ny) != colour) continue;
          seen[index] = true;
          pending.push_back({nx, ny});
        }
      }
      patches.push_back(patch);
    }
  return patches;
}

void ScreenPicture::WritePpm(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << width << " " << height << "\n255\n";
  for (const Colour c : pixels) {
    const char rgb[3] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                         static_cast<char>((c >> 16) & 0xFF)};
    out.write(rgb, 3);
  }
}

}  // namespace window_harness
