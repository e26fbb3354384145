#pragma once
// Writes straight RGBA pictures as PNG files with nothing but the standard library: the image
// data goes into the zlib stream as stored (uncompressed) blocks, which every PNG reader takes.
// Icons are a few kilobytes, so compression would buy nothing worth a dependency.
#include <cstdint>
#include <string>
#include <vector>

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;  // r, g, b, a per pixel, row by row from the top
};

// The PNG file's bytes for the image.
std::string EncodePng(const RgbaImage& image);
