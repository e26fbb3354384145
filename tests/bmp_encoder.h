#pragma once
// BMP files of every kind a paint program may save, encoded by the tests themselves: palette
// images of 1, 4 and 8 bits with their colour table, RLE8 and RLE4 runs, 16 and 32 bits with
// the default layout or with masks of their own, 24 bits, rows stored from the bottom or the
// top, and the old 12-byte core header or the larger V4 and V5 headers.
#include <string>
#include <vector>

#include "tests/bmp_writer.h"

struct BmpKind {
  enum Compression { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3 };
  const char* name;
  int bitsPerPixel;  // 1, 4, 8, 16, 24 or 32
  Compression compression = Rgb;
  bool topDown = false;
  int headerBytes = 40;  // 12 (core), 40, 108 (V4) or 124 (V5)
};

// One of each kind the game reads.
const std::vector<BmpKind>& EveryBmpKind();

// The colours that every kind holds exactly, even 16 bits' five bits a channel: each channel
// is 0 or 255. Palette kinds take as many as their depth allows.
const std::vector<platform::Colour>& ExactColours();

// An 8 × 4 image in those colours: a run of three at the start of each row, then five colours
// that change with every pixel (an odd stretch, which RLE pads), so that a flipped row order, a
// lost run or a misplaced nibble shows.
TestImage PatternFor(const BmpKind& kind);

// The whole file. Palette kinds need an image of at most 2^bitsPerPixel colours.
std::string EncodeBmp(const TestImage& image, const BmpKind& kind);

void WriteBytes(const std::string& path, const std::string& bytes);
