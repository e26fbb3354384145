#pragma once
// The game's shared types, constants and helpers.
#include <cstdint>

#include "platform/platform.h"

using Colour = platform::Colour;    // r + 256·g + 65536·b
using KeyCode = platform::KeyCode;  // PC scan code set 1, extended keys at 128 + code

constexpr Colour MakeColour(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr Colour Navy = MakeColour(0, 0, 128);
constexpr Colour Magenta = MakeColour(255, 0, 255);

constexpr KeyCode KeyEscape = 1;
constexpr KeyCode KeySpace = 57;
constexpr KeyCode KeyArrowUp = 200;
constexpr KeyCode KeyArrowLeft = 203;
constexpr KeyCode KeyArrowRight = 205;
constexpr KeyCode KeyArrowDown = 208;

constexpr int SpritePlayer = 0;
constexpr int SpriteMonster = 1;
constexpr int SpriteShot = 2;

// The screen's size, which also bounds where monsters and shots may be.
constexpr std::int32_t ScreenWidth = 800;
constexpr std::int32_t ScreenHeight = 600;

struct Monster {
  std::int32_t X = 0, Y = 0;  // top-left corner of the sprite on the screen
  std::int32_t StepX = 0, StepY = 0;  // movement per pass
  std::int32_t Hit = 0;  // 1 once a shot has met it
};

struct Shot {
  std::int32_t X = 0, Y = 0;  // top-left corner of the sprite on the screen
};

// a + b as 32-bit two's-complement hardware adds: positions are unbounded, so a player who
// holds an arrow long enough wraps around instead of overflowing.
constexpr std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
