#pragma once
// Every sprite is read here. A sprite file is untrusted input: it is read whole, only if it is
// a regular file of sane size, its header is checked against the file's real length, and only
// then does SDL turn the bytes into an image.
#include <SDL.h>

#include <cstdint>
#include <span>

namespace platform {

// The image in a Windows BMP file, or null when the file cannot be read as one.
SDL_Surface* ReadBmpFile(const char* path);

// The image that these bytes of a BMP file hold, or null.
SDL_Surface* DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace platform
