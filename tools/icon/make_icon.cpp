// Makes the game's menu icon from the player sprite, at build time, so that the icon can never
// fall out of step with the sprite:
//
//     make_icon Data/Dude.bmp 64 shooter.png
//
// The sprite is scaled up by whole pixels (nearest neighbour, to keep its pixel-art look) to the
// icon size, which must be a whole multiple of the square sprite's size. Magenta, the colour the
// game leaves out when it draws the player, becomes fully transparent.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tools/icon/png_file.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "make_icon: %s\n", message.c_str());
  return 1;
}

RgbaImage ScaledIcon(const SDL_Surface* sprite, int scale) {
  RgbaImage icon;
  icon.width = sprite->w * scale;
  icon.height = sprite->h * scale;
  icon.pixels.reserve(static_cast<std::size_t>(icon.width) * icon.height * 4);
  for (int y = 0; y < icon.height; ++y) {
    const auto* row = static_cast<const Uint8*>(sprite->pixels) + (y / scale) * sprite->pitch;
    for (int x = 0; x < icon.width; ++x) {
      const Uint8* rgba = row + (x / scale) * 4;
      const bool transparent = rgba[0] == 255 && rgba[1] == 0 && rgba[2] == 255;
      if (transparent)
        icon.pixels.insert(icon.pixels.end(), {0, 0, 0, 0});
      else
        icon.pixels.insert(icon.pixels.end(), {rgba[0], rgba[1], rgba[2], 255});
    }
  }
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: make_icon <sprite.bmp> <icon size> <icon.png>");
  const int size = std::atoi(argv[2]);

  SDL_Surface* read = SDL_LoadBMP(argv[1]);
  if (!read) return Fail(std::string(argv[1]) + ": " + SDL_GetError());
  // RGBA32 keeps the bytes in r, g, b, a order whatever the machine's byte order.
  SDL_Surface* sprite = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(read);
  if (!sprite) return Fail(std::string(argv[1]) + ": " + SDL_GetError());

  const bool fits = sprite->w == sprite->h && size > 0 && size % sprite->w == 0;
  if (!fits) {
    const std::string message = std::string(argv[1]) + " is " + std::to_string(sprite->w) + "x" +
                                std::to_string(sprite->h) + ", which does not scale to a square " +
                                argv[2] + " icon by whole pixels";
    SDL_FreeSurface(sprite);
    return Fail(message);
  }
  const std::string png = EncodePng(ScaledIcon(sprite, size / sprite->w));
  SDL_FreeSurface(sprite);

  std::ofstream out(argv[3], std::ios::binary);
  out.write(png.data(), static_cast<std::streamsize>(png.size()));
  if (!out.flush()) return Fail(std::string("cannot write ") + argv[3]);
  return 0;
}
