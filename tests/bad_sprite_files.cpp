#include "tests/bad_sprite_files.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdint>
#include <random>

#include "tests/bmp_encoder.h"

namespace fs = std::filesystem;

namespace {

// Offsets of the fields that the cases below spoil.
constexpr std::size_t kFileSize = 2, kPixelOffset = 10, kHeaderSize = 14, kWidth = 18,
                      kHeight = 22, kBitsPerPixel = 28, kCompression = 30, kColoursUsed = 46;

std::string With(std::string bytes, std::size_t offset, std::uint32_t value, int size = 4) {
  std::string field;
  for (int i = 0; i < size; ++i) field.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return bytes.replace(offset, field.size(), field);
}

// A good 24-bit file of 5 × 3 pixels: 54 bytes of headers, then 3 rows of 16 bytes.
std::string Good24() { return EncodeBmp(TestImage(5, 3, 0x336699), {"24 bits", 24}); }
std::string Good8() { return EncodeBmp(TestImage(5, 3, 0x336699), {"8 bits", 8}); }

std::string Truncated(std::size_t length) { return Good24().substr(0, length); }

std::string RandomAfterBm(unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes = "BM";
  for (int i = 0; i < 200; ++i) bytes.push_back(static_cast<char>(generator()));
  return bytes;
}

// The signature and header chunk of an 8 × 6 true-colour PNG.
std::string Png() {
  static const char bytes[] = "\x89PNG\r\n\x1a\n" "\0\0\0\x0dIHDR" "\0\0\0\x08" "\0\0\0\x06"
                              "\x08\x02\0\0\0" "\x71\x67\x48\xac";
  return std::string(bytes, sizeof bytes - 1);
}

}  // namespace

std::vector<BadBmp> BadBmps() {
  const std::string good = Good24();
  const std::uint32_t size = static_cast<std::uint32_t>(good.size());
  return {
      {"empty", ""},
      {"magic alone", "BM"},
      {"truncated in the file header", Truncated(9)},
      {"truncated in the info header", Truncated(30)},
      {"headers alone", Truncated(54)},
      {"truncated in the pixels", Truncated(good.size() - 1)},
      {"truncated in the pixels, file size left 0", With(Truncated(good.size() - 1), kFileSize, 0)},
      {"file size larger than the file", With(good, kFileSize, size + 1)},
      {"pixel offset past the end", With(good, kPixelOffset, size + 100)},
      {"pixel offset at the end", With(good, kPixelOffset, size)},
      {"pixel offset inside the headers", With(good, kPixelOffset, 20)},
      {"pixel offset far beyond", With(good, kPixelOffset, 0xFFFFFFFF)},
      {"60000 x 60000 in 100 bytes",
       With(With(Truncated(54), kWidth, 60000), kHeight, 60000) + std::string(46, '\0')},
      {"4097 pixels wide", EncodeBmp(TestImage(4097, 1, 0x336699), {"24 bits", 24})},
      {"4097 pixels high", EncodeBmp(TestImage(1, 4097, 0x336699), {"24 bits", 24})},
      {"zero width", With(good, kWidth, 0)},
      {"negative width", With(good, kWidth, static_cast<std::uint32_t>(-5))},
      {"zero height", With(good, kHeight, 0)},
      {"height INT32_MIN", With(good, kHeight, 0x80000000)},
      {"0 bits per pixel", With(good, kBitsPerPixel, 0, 2)},
      {"2 bits per pixel", With(good, kBitsPerPixel, 2, 2)},
      {"12 bits per pixel", With(good, kBitsPerPixel, 12, 2)},
      {"64 bits per pixel", With(good, kBitsPerPixel, 64, 2)},
      {"JPEG compression", With(good, kCompression, 4)},
      {"PNG compression", With(good, kCompression, 5)},
      {"unknown compression", With(good, kCompression, 0x12345678)},
      {"RLE8 at 24 bits", With(good, kCompression, 1)},
      {"RLE4 at 8 bits", With(Good8(), kCompression, 2)},
      {"RLE8 stored top-down",
       With(EncodeBmp(TestImage(5, 3, 0x336699), {"RLE8", 8, BmpKind::Rle8}), kHeight,
            static_cast<std::uint32_t>(-3))},
      {"masks at 24 bits", With(good, kCompression, 3)},
      {"more palette colours than the depth holds", With(Good8(), kColoursUsed, 257)},
      {"palette running into the pixels", With(Good8(), kPixelOffset, 54 + 2)},
      {"OS/2 header of 64 bytes", With(good, kHeaderSize, 64)},
      {"header of 20 bytes", With(good, kHeaderSize, 20)},
      {"header larger than the file", With(good, kHeaderSize, 0xFFFFFFF0)},
      {"random bytes after BM, 1", RandomAfterBm(1)},
      {"random bytes after BM, 2", RandomAfterBm(2)},
      {"random bytes after BM, 3", RandomAfterBm(3)},
      {"a PNG", Png()},
      {"BM in lower case", "bm" + good.substr(2)},
  };
}

const std::vector<OddFile>& OddFiles() {
  static const std::vector<OddFile> files = {
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
#ifndef _WIN32  // Windows has neither FIFOs nor these devices, and links need privileges there
      {"a FIFO no one writes to", [](const fs::path& p) { mkfifo(p.c_str(), 0600); }},
      {"/dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
      {"/dev/null", [](const fs::path& p) { fs::create_symlink("/dev/null", p); }},
      {"a link to itself", [](const fs::path& p) { fs::create_symlink(p.filename(), p); }},
      {"a link to nowhere", [](const fs::path& p) { fs::create_symlink("no-such-file.bmp", p); }},
#endif
  };
  return files;
}
