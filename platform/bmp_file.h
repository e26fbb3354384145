#pragma once
#include <SDL.h>

namespace platform {

// The image in a Windows BMP file, or null when the file cannot be read as one.
SDL_Surface* ReadBmpFile(const char* path);

}  // namespace platform
