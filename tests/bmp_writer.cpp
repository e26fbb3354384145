#include "tests/bmp_writer.h"

#include <cstdint>
#include <fstream>

TestImage::TestImage(int w, int h, platform::Colour fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

void TestImage::Set(int x, int y, platform::Colour colour) {
  pixels[static_cast<std::size_t>(y) * width + x] = colour;
}

namespace {
void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
}  // namespace

void WriteBmp(const std::string& path, const TestImage& image) {
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowSize * image.height;
  std::string out;
  out += "BM";
  Put(out, 54 + pixelBytes, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);
  Put(out, 40, 4);
  Put(out, image.width, 4);
  Put(out, image.height, 4);
  Put(out, 1, 2);
  Put(out, 24, 2);
  Put(out, 0, 4);
  Put(out, pixelBytes, 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const platform::Colour c = image.pixels[static_cast<std::size_t>(y) * image.width + x];
      out.push_back(static_cast<char>((c >> 16) & 0xFF));  // blue, green, red
      out.push_back(static_cast<char>((c >> 8) & 0xFF));
      out.push_back(static_cast<char>(c & 0xFF));
    }
    out.append(rowSize - image.width * 3, '\0');
  }
  std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}
