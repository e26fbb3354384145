// Writes the fuzzer's seeds into the folder named on the command line: one small file of every
// kind of BMP the game reads, and the broken files that the unit tests refuse, so that the
// fuzzer starts on both sides of every check.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/bad_sprite_files.h"
#include "tests/bmp_encoder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  int written = 0;
  for (const BmpKind& kind : EveryBmpKind())
    WriteBytes((folder / ("good-" + std::to_string(written++) + ".bmp")).string(),
               EncodeBmp(PatternFor(kind), kind));
  for (const BadBmp& bad : BadBmps())
    WriteBytes((folder / ("bad-" + std::to_string(written++) + ".bmp")).string(), bad.bytes);
  std::printf("%d seeds in %s\n", written, argv[1]);
  return 0;
}
