#include "platform/bmp_file.h"

#include "platform/bmp_header.h"
#include "platform/regular_file.h"

namespace platform {

SDL_Surface* ReadBmpFile(const char* path) {
  const auto file = ReadRegularFile(path, kMaxBmpFileBytes);
  return file ? DecodeBmp(*file) : nullptr;
}

SDL_Surface* DecodeBmp(std::span<const std::uint8_t> file) {
  if (!BmpHeaderIsSafe(file)) return nullptr;
  // The size fits an int: the header check has bounded it.
  return SDL_LoadBMP_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
}

}  // namespace platform
