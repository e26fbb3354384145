// Field offsets are those of the Windows file header (14 bytes) followed by either the old
// 12-byte core header, whose sizes are 16 bits and which knows no compression, or one of the
// info headers of 40 bytes and more, which all begin alike.
#include "platform/bmp_header.h"

namespace platform {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kMaskBytes = 12;  // red, green and blue masks after a 40-byte header

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

std::uint32_t Read(std::span<const std::uint8_t> file, std::size_t offset, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | file[offset + i];
  return value;
}

struct Header {
  std::uint32_t headerBytes = 0;
  std::int64_t width = 0, height = 0;  // height < 0: rows stored from the top
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t coloursUsed = 0;
};

bool KnownHeaderSize(std::uint32_t bytes) {
  // Core, info, the V2 and V3 info headers with masks, V4 and V5. 64 is OS/2's second header,
  // whose compression numbers mean other things.
  for (std::uint32_t known : {12u, 40u, 52u, 56u, 108u, 124u})
    if (bytes == known) return true;
  return false;
}

bool SupportedDepth(std::uint32_t bits) {
  for (std::uint32_t supported : {1u, 4u, 8u, 16u, 24u, 32u})
    if (bits == supported) return true;
  return false;
}

bool SupportedCompression(const Header& h) {
  const bool topDown = h.height < 0;
  switch (h.compression) {
    case kRgb: return true;
    case kRle8: return h.bitsPerPixel == 8 && !topDown;  // compressed rows run bottom-up only
    case kRle4: return h.bitsPerPixel == 4 && !topDown;
    case kBitfields: return h.bitsPerPixel == 16 || h.bitsPerPixel == 32;
    default: return false;
  }
}

Header ReadHeader(std::span<const std::uint8_t> file, std::uint32_t headerBytes) {
  constexpr std::size_t at = kFileHeaderBytes;
  Header h;
  h.headerBytes = headerBytes;
  if (headerBytes == kCoreHeaderBytes) {
    h.width = Read(file, at + 4, 2);
    h.height = Read(file, at + 6, 2);
    h.bitsPerPixel = Read(file, at + 10, 2);
    return h;
  }
  h.width = static_cast<std::int32_t>(Read(file, at + 4, 4));
  h.height = static_cast<std::int32_t>(Read(file, at + 8, 4));
  h.bitsPerPixel = Read(file, at + 14, 2);
  h.compression = Read(file, at + 16, 4);
  h.coloursUsed = Read(file, at + 32, 4);
  return h;
}

// Bytes between the headers and the pixels that the reader takes as masks and palette.
std::uint64_t TableBytes(const Header& h) {
  std::uint64_t bytes = 0;
  if (h.compression == kBitfields && h.headerBytes == kInfoHeaderBytes) bytes += kMaskBytes;
  if (h.bitsPerPixel <= 8) {
    const std::uint64_t entries = h.coloursUsed ? h.coloursUsed : 1u << h.bitsPerPixel;
    bytes += entries * (h.headerBytes == kCoreHeaderBytes ? 3 : 4);
  }
  return bytes;
}

}  // namespace

bool BmpHeaderIsSafe(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderBytes + 4 || file.size() > kMaxBmpFileBytes) return false;
  if (file[0] != 'B' || file[1] != 'M') return false;
  const std::uint32_t claimedFileBytes = Read(file, 2, 4);  // 0 from some writers
  const std::uint64_t pixelOffset = Read(file, 10, 4);
  const std::uint32_t headerBytes = Read(file, kFileHeaderBytes, 4);
  if (claimedFileBytes > file.size() || !KnownHeaderSize(headerBytes) ||
      kFileHeaderBytes + headerBytes > file.size())
    return false;

  const Header h = ReadHeader(file, headerBytes);
  const std::int64_t rows = h.height < 0 ? -h.height : h.height;
  if (h.width < 1 || h.width > kMaxBmpSide || rows < 1 || rows > kMaxBmpSide) return false;
  if (!SupportedDepth(h.bitsPerPixel) || !SupportedCompression(h)) return false;
  if (h.bitsPerPixel <= 8 && h.coloursUsed > (1u << h.bitsPerPixel)) return false;

  const std::uint64_t tableEnd = kFileHeaderBytes + headerBytes + TableBytes(h);
  if (tableEnd > pixelOffset || pixelOffset >= file.size()) return false;
  if (h.compression == kRle8 || h.compression == kRle4) return true;  // runs end where they say
  // Each row is padded to whole 32-bit words.
  const std::uint64_t rowBytes =
      (static_cast<std::uint64_t>(h.width) * h.bitsPerPixel + 31) / 32 * 4;
  return rowBytes * rows <= file.size() - pixelOffset;
}

}  // namespace platform
