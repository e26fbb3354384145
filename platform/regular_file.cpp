#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace platform {
namespace {

#ifdef _WIN32
// Windows has no FIFOs to wait on; devices are still refused by their type.
constexpr int kOpenFlags = O_RDONLY | O_BINARY;
#else
// O_NONBLOCK lets a FIFO open at once (it is then refused); O_NOCTTY keeps a terminal device
// from becoming ours.
constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
#endif

class OpenFile {
 public:
  explicit OpenFile(const char* path) : fd_(open(path, kOpenFlags)) {}
  ~OpenFile() {
    if (fd_ >= 0) close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadRegularFile(const char* path, std::size_t maxBytes) {
  const OpenFile file(path);
  if (file.fd() < 0) return std::nullopt;
  struct stat status {};
  if (fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
      static_cast<std::uint64_t>(status.st_size) > maxBytes)
    return std::nullopt;
  // The size is only a hint, since the file may grow while it is read; the limit holds anyway.
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  std::uint8_t chunk[64 * 1024];
  for (;;) {
    const auto got = read(file.fd(), chunk, sizeof chunk);
    if (got < 0) return std::nullopt;
    if (got == 0) return bytes;
    if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) return std::nullopt;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
}

}  // namespace platform
