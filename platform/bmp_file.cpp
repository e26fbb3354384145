#include "platform/bmp_file.h"

namespace platform {

SDL_Surface* ReadBmpFile(const char* path) { return SDL_LoadBMP(path); }

}  // namespace platform
