#include "tools/icon/png_file.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

std::uint32_t Crc32(const std::string& bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::string& bytes) {
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutLittleEndian16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

// A chunk: length, type, data, and the CRC of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string typed = type + data;
  out += typed;
  PutBigEndian(out, Crc32(typed));
}

// A zlib stream of stored deflate blocks, each at most 65535 bytes long.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - offset, 65535);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    PutLittleEndian16(out, static_cast<std::uint16_t>(length));
    PutLittleEndian16(out, static_cast<std::uint16_t>(~length));
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

}  // namespace

std::string EncodePng(const RgbaImage& image) {
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(image.width));
  PutBigEndian(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace

  // Every scan line starts with its filter type, 0: the bytes as they are.
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
  std::string raw;
  for (int y = 0; y < image.height; ++y) {
    raw.push_back('\0');
    raw.append(reinterpret_cast<const char*>(image.pixels.data()) + y * rowBytes, rowBytes);
  }

  std::string png = "\x89PNG\r\n\x1a\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", "");
  return png;
}
