#pragma once
// A picture read back from the X server, as the game's Colour values (r + 256·g + 65536·b),
// and the few questions the window tests ask of it.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace window_harness {

using platform::Colour;

// A rectangle in screen pixels; right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect&) const = default;
};

struct ScreenPicture {
  int width = 0, height = 0;
  std::vector<Colour> pixels;  // row by row from the top

  Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // The bounding box of the pixels of exactly this colour within `area` (the whole picture
  // when empty), and how many there are.
  Rect BoundsOf(Colour colour, Rect area = {}) const;
  int Count(Colour colour, Rect area = {}) const;
  // True when every pixel of `area` outside `except` has this colour.
  bool AllOf(Colour colour, Rect area, Rect except = {}) const;
  // Pixels of `area` whose colour is none of `allowed`.
  int CountOther(const std::vector<Colour>& allowed, Rect area = {}) const;
  // The bounding boxes of the connected patches of this colour, e.g. one per sprite on the
  // screen while sprites do not touch.
  std::vector<Rect> Patches(Colour colour) const;
  // A binary PPM, for looking at a failure.
  void WritePpm(const std::filesystem::path& path) const;

 private:
  Rect Clip(Rect area) const;
};

std::string Describe(const Rect& rect);

}  // namespace window_harness
