// Sprites. Each number holds the image as it was read, converted once to 32-bit RGB with no
// alpha of its own (only the transparent colour is ever left out) and that colour as SDL's
// colour key, and a texture made from it in which those pixels are fully transparent. The image
// is kept so that the texture can be made again after the renderer's device was lost. Drawing
// clips to the screen itself, so that any 32-bit position is safe, and copies only the visible
// part.
#include <SDL.h>

#include <array>
#include <string>

#include "platform/bmp_file.h"
#include "platform/display_internal.h"
#include "platform/platform.h"
#include "platform/sprite_geometry.h"
#include "platform/stop_signals.h"

namespace platform {
namespace {

struct Sprite {
  SDL_Surface* image = nullptr;  // null: the number is empty
  SDL_Texture* texture = nullptr;
};

std::array<Sprite, 16> sprites;

Sprite* SpriteAt(int number) {
  if (number < 0 || number >= static_cast<int>(sprites.size())) return nullptr;
  return &sprites[number];
}

const Sprite* LoadedSprite(int number) {
  const Sprite* sprite = SpriteAt(number);
  return sprite && sprite->image ? sprite : nullptr;
}

// The names are written with the Windows separator; elsewhere they mean the same folders.
std::string NativePath(const char* path) {
  std::string native = path;
#ifndef _WIN32
  for (char& c : native)
    if (c == '\\') c = '/';
#endif
  return native;
}

void BuildTexture(Sprite& sprite) {
  SDL_DestroyTexture(sprite.texture);
  sprite.texture = nullptr;
  if (!sprite.image || !CurrentRenderer()) return;
  sprite.texture = SDL_CreateTextureFromSurface(CurrentRenderer(), sprite.image);
  SDL_SetTextureBlendMode(sprite.texture, SDL_BLENDMODE_BLEND);
}

void SetColourKey(SDL_Surface* image, Colour colour) {
  const SDL_Color c = ToSdlColour(colour);
  SDL_SetColorKey(image, SDL_TRUE, SDL_MapRGB(image->format, c.r, c.g, c.b));
}

}  // namespace

void StartSpriteService() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  CatchStopSignals();
  SDL_Init(SDL_INIT_VIDEO);
}

void LoadSprite(int number, const char* path) {
  Sprite* sprite = SpriteAt(number);
  if (!sprite) return;
  SDL_DestroyTexture(sprite->texture);
  SDL_FreeSurface(sprite->image);
  *sprite = Sprite{};
  SDL_Surface* read = ReadBmpFile(NativePath(path).c_str());
  if (!read) return;
  sprite->image = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(read);
  if (!sprite->image) return;
  SetColourKey(sprite->image, 0);  // black until told otherwise
  BuildTexture(*sprite);
}

void SetTransparentColour(int number, Colour colour) {
  Sprite* sprite = SpriteAt(number);
  if (!sprite || !sprite->image) return;
  SetColourKey(sprite->image, colour);
  BuildTexture(*sprite);
}

void DrawSprite(int number, std::int32_t x, std::int32_t y) {
  const Sprite* sprite = LoadedSprite(number);
  if (!sprite || !sprite->texture || !DisplayHasFocus()) return;  // see ClearBackBuffer
  const auto copy =
      ClipToScreen(x, y, sprite->image->w, sprite->image->h, ScreenWidth(), ScreenHeight());
  if (!copy) return;
  const SDL_Rect source = ToSdlRect(copy->source);
  const SDL_Rect destination = ToSdlRect(copy->destination);
  SDL_RenderCopy(CurrentRenderer(), sprite->texture, &source, &destination);
}

bool SpritesOverlap(int a, std::int32_t xa, std::int32_t ya, int b, std::int32_t xb,
                    std::int32_t yb) {
  const Sprite* first = LoadedSprite(a);
  const Sprite* second = LoadedSprite(b);
  if (!first || !second) return false;
  return RectanglesOverlap(xa, ya, first->image->w, first->image->h, xb, yb, second->image->w,
                           second->image->h);
}

void BuildSpriteTextures() {
  for (Sprite& sprite : sprites) BuildTexture(sprite);
}

void FreeSpriteTextures() {
  for (Sprite& sprite : sprites) {
    SDL_DestroyTexture(sprite.texture);
    sprite.texture = nullptr;
  }
}

void FreeSprites() {
  FreeSpriteTextures();
  for (Sprite& sprite : sprites) {
    SDL_FreeSurface(sprite.image);
    sprite.image = nullptr;
  }
}

}  // namespace platform
