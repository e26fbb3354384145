#pragma once
// The game as `cmake --install` lays it out, in a fresh temporary prefix removed afterwards. The
// prefix has a space in its name, as "~/My Games" would, so that the menu entry has to quote.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

class InstalledGame {
 public:
  InstalledGame();  // installs this build; throws when that fails
  ~InstalledGame();
  InstalledGame(const InstalledGame&) = delete;
  InstalledGame& operator=(const InstalledGame&) = delete;

  const std::filesystem::path& Prefix() const { return prefix_; }
  std::filesystem::path DesktopEntry() const { return prefix_ / "share/applications/shooter.desktop"; }

 private:
  std::filesystem::path root_;
  std::filesystem::path prefix_;
};

// The keys of a desktop entry's [Desktop Entry] group, with the string escapes (\s \n \t \r \\)
// undone.
std::map<std::string, std::string> ReadDesktopEntry(const std::filesystem::path& path);

// The program an Exec value starts: its first word, with the command line's quoting undone.
std::string ExecProgram(const std::string& exec);

// An image file's pixels as straight 8-bit RGBA, row by row from the top.
struct RgbaPicture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
  const std::uint8_t* At(int x, int y) const {
    return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  }
};
RgbaPicture ReadBmp(const std::filesystem::path& path);  // through SDL, as the game reads it
RgbaPicture ReadPng(const std::filesystem::path& path);  // through ImageMagick, as a desktop would
