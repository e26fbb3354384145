// libFuzzer over the sprite reader: from the bytes of a file to an image or nothing, then on
// through the conversion that the sprite service gives every image it is handed. Besides
// crashes, leaks and undefined behaviour, an image larger than the sprite limit is a finding.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/bmp_file.h"
#include "platform/bmp_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SDL_Surface* image = platform::DecodeBmp({data, size});
  if (image && (image->w > platform::kMaxBmpSide || image->h > platform::kMaxBmpSide))
    std::abort();
  if (image) SDL_FreeSurface(SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_RGB888, 0));
  SDL_FreeSurface(image);
  return 0;
}
