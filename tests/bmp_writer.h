#pragma once
// Small BMP files made by the tests, so that every sprite's size and colours are known.
#include <string>
#include <vector>

#include "platform/platform.h"

struct TestImage {
  int width = 0, height = 0;
  std::vector<platform::Colour> pixels;  // row by row from the top

  TestImage(int w, int h, platform::Colour fill);
  void Set(int x, int y, platform::Colour colour);
};

// Writes an uncompressed 24-bit bottom-up BMP.
void WriteBmp(const std::string& path, const TestImage& image);
