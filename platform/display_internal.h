#pragma once
// What the platform's services share behind the game's back: the renderer that every picture
// goes through, the screen's size and focus, and the textures kept on the renderer.
#include <SDL.h>

#include "platform/platform.h"
#include "platform/sprite_geometry.h"

namespace platform {

constexpr SDL_Color ToSdlColour(Colour colour) {
  return {static_cast<Uint8>(colour & 0xFF), static_cast<Uint8>((colour >> 8) & 0xFF),
          static_cast<Uint8>((colour >> 16) & 0xFF), 255};
}

constexpr SDL_Rect ToSdlRect(const PixelRect& rect) { return {rect.x, rect.y, rect.w, rect.h}; }

SDL_Renderer* CurrentRenderer();  // null while no display is open
int ScreenWidth();
int ScreenHeight();
bool DisplayHasFocus();

// Textures belong to the renderer: they are built when the display opens, and again whenever
// the renderer has to be made anew because its device was lost.
void BuildSpriteTextures();
void FreeSpriteTextures();
void FreeSprites();
void BuildFontTexture();
void FreeFontTexture();

}  // namespace platform
