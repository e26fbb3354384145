#pragma once
// Sprite files that must leave their sprite empty: broken or hostile BMPs, other formats, and
// things in Data/ that are not regular files at all.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct BadBmp {
  const char* name;
  std::string bytes;
};
std::vector<BadBmp> BadBmps();

// Not a file one can read a picture from; made at the given path, which does not exist yet.
struct OddFile {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
};
const std::vector<OddFile>& OddFiles();
