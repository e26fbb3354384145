#pragma once
// The game's window on the machine: the display, sprites, keyboard, text and random numbers.
// The game calls nothing else of the platform; every operation here does exactly what the game
// relies on and reports nothing, since the game tests no result.
#include <cstdint>

namespace platform {

// r + 256·g + 65536·b, each channel 0..255.
using Colour = std::int32_t;
// PC keyboard scan code set 1; the extended (E0-prefixed) keys at 128 plus their code.
using KeyCode = std::int32_t;

void StartSpriteService();
void StartKeyboardService();

// Shows the program's full-screen window at width × height (the picture is scaled up whole where
// the display has no such mode), cursor hidden, both buffers black. Later drawing goes to the
// back buffer.
void OpenDisplay(int width, int height, int bitsPerPixel, const char* title);

// Reads a Windows BMP into sprite `number`. A file that is missing or unreadable leaves the
// number empty: it draws nothing and collides with nothing. Names use '\' as the separator.
void LoadSprite(int number, const char* path);
// Pixels of exactly this colour are left out when the sprite is drawn (black until set).
void SetTransparentColour(int number, Colour colour);

// Handles pending window events, then presents the back buffer at the next vertical blank.
// Without the input focus it presents nothing and returns at once.
void Flip();

void TakeKeyboardSnapshot();
// True when the key was down in the current snapshot.
bool KeyDown(KeyCode key);

void ClearBackBuffer(Colour colour);

// Text is drawn only between BeginDrawing and EndDrawing, sprites only outside.
void BeginDrawing();
void EndDrawing();
void SetTransparentTextBackground();
void DrawText(int x, int y, const char* text, Colour colour);

// A number as text, kept in the value itself so that formatting needs no allocation.
struct DecimalText {
  char digits[12];  // "-2147483648" and its terminator
  const char* c_str() const { return digits; }
};
DecimalText Decimal(std::int32_t value);

// Draws the sprite with its top-left corner at (x, y), clipped to the screen.
void DrawSprite(int number, std::int32_t x, std::int32_t y);

// True when the two sprites' whole rectangles overlap; rectangles that only touch do not.
// An empty sprite overlaps nothing.
bool SpritesOverlap(int a, std::int32_t xa, std::int32_t ya, int b, std::int32_t xb, std::int32_t yb);

// A uniformly distributed integer from 0 to n inclusive; the generator is seeded from the clock
// at its first use.
std::int32_t RandomValue(std::int32_t n);

// Frees the sprites and gives the desktop back: its display mode, the mouse cursor, the keyboard.
void CloseDown();

}  // namespace platform
