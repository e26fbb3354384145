// Text in the game's own bitmap font. The glyphs are drawn once, white on transparent, into a
// single texture strip; a string is then one tinted copy per character, so the status line
// costs a handful of copies and no allocation.
#include <SDL.h>

#include <cstdint>

#include "platform/display_internal.h"
#include "platform/font_glyphs.h"
#include "platform/platform.h"
#include "platform/sprite_geometry.h"

namespace platform {
namespace {

SDL_Texture* fontTexture = nullptr;

SDL_Surface* DrawGlyphStrip() {
  SDL_Surface* strip = SDL_CreateRGBSurfaceWithFormat(0, GlyphCount * GlyphColumns, GlyphRows,
                                                      32, SDL_PIXELFORMAT_ARGB8888);
  if (!strip) return nullptr;
  SDL_FillRect(strip, nullptr, 0x00000000);
  for (int glyph = 0; glyph < GlyphCount; ++glyph) {
    for (int row = 0; row < GlyphRows; ++row) {
      auto* pixels = reinterpret_cast<Uint32*>(static_cast<Uint8*>(strip->pixels) +
                                               row * strip->pitch);
      for (int column = 0; column < GlyphColumns; ++column)
        if (GlyphPictures[glyph][row][column] == '#')
          pixels[glyph * GlyphColumns + column] = 0xFFFFFFFF;
    }
  }
  return strip;
}

}  // namespace

void BuildFontTexture() {
  FreeFontTexture();
  if (!CurrentRenderer()) return;
  SDL_Surface* strip = DrawGlyphStrip();
  if (!strip) return;
  fontTexture = SDL_CreateTextureFromSurface(CurrentRenderer(), strip);
  SDL_FreeSurface(strip);
  SDL_SetTextureBlendMode(fontTexture, SDL_BLENDMODE_BLEND);
}

void FreeFontTexture() {
  SDL_DestroyTexture(fontTexture);
  fontTexture = nullptr;
}

// The renderer needs no lock around text, and text always shows its glyphs alone; the bracket
// and the background setting are kept because the game's frame is written in their terms.
void BeginDrawing() {}
void EndDrawing() {}
void SetTransparentTextBackground() {}

void DrawText(int x, int y, const char* text, Colour colour) {
  if (!fontTexture || !text || !DisplayHasFocus()) return;  // see ClearBackBuffer
  const SDL_Color c = ToSdlColour(colour);
  SDL_SetTextureColorMod(fontTexture, c.r, c.g, c.b);
  std::int64_t left = x;
  for (const char* c = text; *c; ++c, left += GlyphAdvance) {
    if (*c < FirstGlyph || *c > LastGlyph || *c == ' ') continue;
    if (left >= ScreenWidth()) break;
    const auto copy = ClipToScreen(static_cast<std::int32_t>(left), y, GlyphColumns, GlyphRows,
                                   ScreenWidth(), ScreenHeight());
    if (!copy) continue;
    const int glyph = *c - FirstGlyph;
    SDL_Rect source = ToSdlRect(copy->source);
    source.x += glyph * GlyphColumns;  // the glyph's place in the strip
    const SDL_Rect destination = ToSdlRect(copy->destination);
    SDL_RenderCopy(CurrentRenderer(), fontTexture, &source, &destination);
  }
}

DecimalText Decimal(std::int32_t value) {
  DecimalText text{};
  char reversed[11];
  int count = 0;
  // In 64 bits the magnitude of INT32_MIN is representable too.
  std::int64_t magnitude = value < 0 ? -std::int64_t{value} : value;
  do {
    reversed[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  int length = 0;
  if (value < 0) text.digits[length++] = '-';
  while (count > 0) text.digits[length++] = reversed[--count];
  text.digits[length] = '\0';
  return text;
}

}  // namespace platform
