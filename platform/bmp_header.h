#pragma once
// What a sprite file must look like before SDL's BMP reader may see it. SDL trusts the header:
// it allocates whatever size the header claims and reads the palette and pixels from wherever
// it points, so a 100-byte file claiming 60000 × 60000 pixels takes gigabytes and half a
// minute. This check reads the header alone, allocates nothing, and lets through only what the
// file can back: a known header, a sane size, a supported depth and compression, and a palette
// and pixels that lie inside the file.
#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

// The largest sprite, on either side, and the largest file that can hold one.
constexpr std::int32_t kMaxBmpSide = 4096;
constexpr std::size_t kMaxBmpFileBytes = std::size_t{kMaxBmpSide} * kMaxBmpSide * 4 + 64 * 1024;

bool BmpHeaderIsSafe(std::span<const std::uint8_t> file);

}  // namespace platform
