#pragma once
// Reads a whole file that anyone may have replaced, without ever blocking: a FIFO would stop
// start-up until someone writes to it, and a device such as /dev/zero never ends. The file is
// opened without waiting and then refused unless it is a regular file of at most maxBytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

std::optional<std::vector<std::uint8_t>> ReadRegularFile(const char* path, std::size_t maxBytes);

}  // namespace platform
