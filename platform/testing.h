#pragma once
// Hooks for the tests, which drive the real game pass by pass: an in-memory display drawn by
// SDL's software renderer, keys and random values given by the test, and the pictures read back.
#include <SDL_scancode.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/platform.h"

namespace platform::testing {

// From now on OpenDisplay draws into memory instead of a window; no display is needed.
void UseOffscreenDisplay();

// The keys that every following snapshot sees held, until the next call.
void HoldKeys(std::initializer_list<SDL_Scancode> keys);
void HoldKeys(const std::vector<SDL_Scancode>& keys);

// Replaces the generator behind RandomValue; an empty function brings the generator back.
void SetRandomSource(std::function<std::int32_t(std::int32_t n)> source);

// A picture read back as Colour values, row by row.
struct Picture {
  int width = 0, height = 0;
  std::vector<Colour> pixels;
  Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
Picture BackBuffer();   // what has been drawn since the last flip
Picture FrontBuffer();  // what the last flip presented; stays readable after CloseDown
int PresentedFrames();  // flips that presented a picture since the display opened

}  // namespace platform::testing
