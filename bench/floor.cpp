// The floor: the least an SDL2 program does to show the game's kind of picture every frame. A
// full-screen 800 × 600 window, a renderer with vsync, and per frame a clear, nine sprite copies
// and fourteen glyph copies out of textures made once, then a present. The game is measured
// against it (bench/compare.sh), so it draws no less than the game does and nothing more.
// Escape or a quit request (SIGINT, SIGTERM) ends it.
#include <SDL.h>

#include <cstdio>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kSprites = 9;   // player, six monsters, two shots
constexpr int kGlyphs = 14;   // "Punkte:", two digits, "Ammo:", two digits (spaces aside)
constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 13;
constexpr int kGlyphAdvance = 7;

// A texture of one colour with a see-through border, blended like the game's sprites.
SDL_Texture* MakeTexture(SDL_Renderer* renderer, int width, int height, Uint32 argb) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return nullptr;
  SDL_FillRect(surface, nullptr, 0x00000000);
  const SDL_Rect inside{1, 1, width - 2, height - 2};
  SDL_FillRect(surface, &inside, argb);
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
  SDL_FreeSurface(surface);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  return texture;
}

bool EscapeOrQuit() {
  SDL_Event event;
  bool stop = false;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_QUIT) stop = true;
    if (event.type == SDL_KEYDOWN && event.key.keysym.scancode == SDL_SCANCODE_ESCAPE)
      stop = true;
  }
  return stop;
}

}  // namespace

int main(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "floor: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        kWidth, kHeight, SDL_WINDOW_FULLSCREEN);
  SDL_Renderer* renderer =
      SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer) {
    std::fprintf(stderr, "floor: %s\n", SDL_GetError());
    return 1;
  }
  SDL_ShowCursor(SDL_DISABLE);

  SDL_Texture* sprite = MakeTexture(renderer, 32, 32, 0xFFE08020);
  SDL_Texture* glyphs = MakeTexture(renderer, kGlyphWidth * 95, kGlyphHeight, 0xFFFFFFFF);
  SDL_SetTextureColorMod(glyphs, 255, 0, 255);

  int frame = 0;
  while (!EscapeOrQuit()) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 128, 255);
    SDL_RenderClear(renderer);
    for (int i = 0; i < kSprites; ++i) {
      // Moving, so that nothing can be skipped as unchanged.
      const SDL_Rect where{(frame + 80 * i) % kWidth, (frame + 60 * i) % kHeight, 32, 32};
      SDL_RenderCopy(renderer, sprite, nullptr, &where);
    }
    for (int i = 0; i < kGlyphs; ++i) {
      const SDL_Rect source{(i * 5 % 95) * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight};
      const SDL_Rect where{1 + i * kGlyphAdvance, 1, kGlyphWidth, kGlyphHeight};
      SDL_RenderCopy(renderer, glyphs, &source, &where);
    }
    SDL_RenderPresent(renderer);
    ++frame;
  }

  SDL_DestroyTexture(glyphs);
  SDL_DestroyTexture(sprite);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
