#pragma once
// Windows only: the Windows logo keys, kept from the system while the game is in front.
#include <SDL.h>

namespace platform {

// From now on the logo keys do nothing while `window` is the foreground window, so that the
// Start menu cannot pull the player out of the game. Every other key, Alt+Tab among them, and
// every key while another program is in front, go their usual way.
void HoldWindowsLogoKeys(SDL_Window* window);
// Gives the logo keys back to the system.
void ReleaseWindowsLogoKeys();

}  // namespace platform
