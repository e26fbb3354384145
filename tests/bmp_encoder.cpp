#include "tests/bmp_encoder.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>

#include "game/types.h"

namespace {

using platform::Colour;

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int Red(Colour c) { return c & 0xFF; }
int Green(Colour c) { return (c >> 8) & 0xFF; }
int Blue(Colour c) { return (c >> 16) & 0xFF; }

std::vector<Colour> PaletteOf(const TestImage& image, int bitsPerPixel) {
  std::vector<Colour> palette;
  for (Colour c : image.pixels)
    if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
  if (palette.size() > (1u << bitsPerPixel)) throw std::invalid_argument("too many colours");
  return palette;
}

// Rows in file order: from the bottom unless stored top-down.
std::vector<int> RowOrder(const TestImage& image, bool topDown) {
  std::vector<int> rows;
  for (int i = 0; i < image.height; ++i) rows.push_back(topDown ? i : image.height - 1 - i);
  return rows;
}

std::vector<int> Indices(const TestImage& image, const std::vector<Colour>& palette, int y) {
  std::vector<int> row;
  for (int x = 0; x < image.width; ++x) {
    const Colour c = image.pixels[static_cast<std::size_t>(y) * image.width + x];
    row.push_back(static_cast<int>(std::find(palette.begin(), palette.end(), c) - palette.begin()));
  }
  return row;
}

// One row of palette indices, packed and padded to whole 32-bit words.
void PutPackedRow(std::string& out, const std::vector<int>& row, int bitsPerPixel) {
  const std::size_t start = out.size();
  int byte = 0, used = 0;
  for (int index : row) {
    byte = (byte << bitsPerPixel) | index;
    used += bitsPerPixel;
    if (used == 8) {
      out.push_back(static_cast<char>(byte));
      byte = used = 0;
    }
  }
  if (used) out.push_back(static_cast<char>(byte << (8 - used)));
  while ((out.size() - start) % 4) out.push_back('\0');
}

// Nibbles or bytes as RLE4 and RLE8 store them: pairs packed high nibble first.
void PutIndices(std::string& out, const int* indices, int count, int bitsPerPixel) {
  for (int i = 0; i < count; i += (bitsPerPixel == 4 ? 2 : 1)) {
    if (bitsPerPixel == 8) {
      out.push_back(static_cast<char>(indices[i]));
    } else {
      const int low = i + 1 < count ? indices[i + 1] : 0;
      out.push_back(static_cast<char>(indices[i] << 4 | low));
    }
  }
}

// A row as runs of one index, and stretches of three or more differing pixels in absolute
// mode, each padded to an even number of bytes.
void PutRleRow(std::string& out, const std::vector<int>& row, int bitsPerPixel) {
  const int width = static_cast<int>(row.size());
  auto runAt = [&](int x) {
    int n = 1;
    while (x + n < width && n < 255 && row[x + n] == row[x]) ++n;
    return n;
  };
  for (int x = 0; x < width;) {
    int literal = 0;
    while (x + literal < width && literal < 255 && runAt(x + literal) == 1) ++literal;
    if (literal >= 3) {
      const std::size_t start = out.size();
      out.push_back('\0');
      out.push_back(static_cast<char>(literal));
      PutIndices(out, &row[x], literal, bitsPerPixel);
      if ((out.size() - start) % 2) out.push_back('\0');
      x += literal;
      continue;
    }
    const int run = runAt(x);
    out.push_back(static_cast<char>(run));
    out.push_back(static_cast<char>(bitsPerPixel == 4 ? row[x] << 4 | row[x] : row[x]));
    x += run;
  }
}

std::string Pixels(const TestImage& image, const BmpKind& kind,
                   const std::vector<Colour>& palette) {
  std::string out;
  const std::vector<int> rows = RowOrder(image, kind.topDown);
  if (kind.compression == BmpKind::Rle8 || kind.compression == BmpKind::Rle4) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      PutRleRow(out, Indices(image, palette, rows[i]), kind.bitsPerPixel);
      out += i + 1 < rows.size() ? std::string("\0\0", 2) : std::string("\0\1", 2);
    }
    return out;
  }
  for (int y : rows) {
    if (kind.bitsPerPixel <= 8) {
      PutPackedRow(out, Indices(image, palette, y), kind.bitsPerPixel);
      continue;
    }
    const std::size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Colour c = image.pixels[static_cast<std::size_t>(y) * image.width + x];
      switch (kind.bitsPerPixel) {
        case 16:
          if (kind.compression == BmpKind::Bitfields)  // 5-6-5
            Put(out, (Red(c) >> 3) << 11 | (Green(c) >> 2) << 5 | Blue(c) >> 3, 2);
          else  // 5-5-5
            Put(out, (Red(c) >> 3) << 10 | (Green(c) >> 3) << 5 | Blue(c) >> 3, 2);
          break;
        case 24:
          Put(out, Blue(c) | Green(c) << 8 | Red(c) << 16, 3);
          break;
        default:  // 32: the masks below put red lowest; without them blue is lowest
          if (kind.compression == BmpKind::Bitfields)
            Put(out, static_cast<std::uint32_t>(c), 4);
          else
            Put(out, Blue(c) | Green(c) << 8 | Red(c) << 16, 4);
      }
    }
    while ((out.size() - start) % 4) out.push_back('\0');
  }
  return out;
}

void PutMasks(std::string& out, int bitsPerPixel) {
  if (bitsPerPixel == 16) {
    Put(out, 0xF800, 4);
    Put(out, 0x07E0, 4);
    Put(out, 0x001F, 4);
  } else {
    Put(out, 0x000000FF, 4);
    Put(out, 0x0000FF00, 4);
    Put(out, 0x00FF0000, 4);
  }
}

}  // namespace

const std::vector<BmpKind>& EveryBmpKind() {
  static const std::vector<BmpKind> kinds = {
      {"1 bit", 1},
      {"1 bit, top-down", 1, BmpKind::Rgb, true},
      {"4 bits", 4},
      {"4 bits, RLE4", 4, BmpKind::Rle4},
      {"8 bits", 8},
      {"8 bits, top-down", 8, BmpKind::Rgb, true},
      {"8 bits, RLE8", 8, BmpKind::Rle8},
      {"8 bits, core header", 8, BmpKind::Rgb, false, 12},
      {"16 bits, 5-5-5", 16},
      {"16 bits, 5-6-5 masks", 16, BmpKind::Bitfields},
      {"24 bits", 24},
      {"24 bits, top-down", 24, BmpKind::Rgb, true},
      {"24 bits, core header", 24, BmpKind::Rgb, false, 12},
      {"32 bits", 32},
      {"32 bits, top-down", 32, BmpKind::Rgb, true},
      {"32 bits, masks in a V4 header", 32, BmpKind::Bitfields, false, 108},
      {"32 bits, masks in a V5 header, top-down", 32, BmpKind::Bitfields, true, 124},
  };
  return kinds;
}

const std::vector<Colour>& ExactColours() {
  static const std::vector<Colour> colours = {
      MakeColour(255, 255, 255), MakeColour(0, 0, 0),     MakeColour(255, 0, 0),
      MakeColour(0, 255, 0),     MakeColour(0, 0, 255),   MakeColour(255, 255, 0),
      MakeColour(0, 255, 255),
  };
  return colours;
}

TestImage PatternFor(const BmpKind& kind) {
  const auto& colours = ExactColours();
  const int n = kind.bitsPerPixel == 1 ? 2 : static_cast<int>(colours.size());
  TestImage image(8, 4, colours[0]);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) image.Set(x, y, colours[x < 3 ? y % n : (3 * x + y) % n]);
  return image;
}

std::string EncodeBmp(const TestImage& image, const BmpKind& kind) {
  const bool core = kind.headerBytes == 12;
  std::vector<Colour> palette;
  if (kind.bitsPerPixel <= 8) palette = PaletteOf(image, kind.bitsPerPixel);
  // The core header has no count of colours: its table is always full.
  const std::size_t entries = core ? std::size_t{1} << kind.bitsPerPixel : palette.size();
  const bool masksAfterHeader = kind.compression == BmpKind::Bitfields && kind.headerBytes == 40;

  std::string info;
  Put(info, kind.headerBytes, 4);
  const int height = kind.topDown ? -image.height : image.height;
  if (core) {
    Put(info, image.width, 2);
    Put(info, image.height, 2);
    Put(info, 1, 2);
    Put(info, kind.bitsPerPixel, 2);
  } else {
    Put(info, image.width, 4);
    Put(info, static_cast<std::uint32_t>(height), 4);
    Put(info, 1, 2);
    Put(info, kind.bitsPerPixel, 2);
    Put(info, kind.compression, 4);
    Put(info, 0, 4);  // image size: may be left 0 for uncompressed images
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, static_cast<std::uint32_t>(entries), 4);
    Put(info, 0, 4);
    if (kind.headerBytes >= 52) {
      if (kind.compression == BmpKind::Bitfields)
        PutMasks(info, kind.bitsPerPixel);
      else
        info.append(12, '\0');
      Put(info, 0, 4);           // alpha mask
      Put(info, 0x73524742, 4);  // colour space "sRGB"
    }
    info.resize(kind.headerBytes, '\0');
  }
  if (masksAfterHeader) PutMasks(info, kind.bitsPerPixel);
  for (std::size_t i = 0; i < entries; ++i) {
    const Colour c = i < palette.size() ? palette[i] : 0;
    Put(info, Blue(c) | Green(c) << 8 | Red(c) << 16, core ? 3 : 4);
  }

  const std::string pixels = Pixels(image, kind, palette);
  std::string out = "BM";
  Put(out, static_cast<std::uint32_t>(14 + info.size() + pixels.size()), 4);
  Put(out, 0, 4);
  Put(out, static_cast<std::uint32_t>(14 + info.size()), 4);
  return out + info + pixels;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
