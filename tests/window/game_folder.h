#pragma once
// Where a window test starts the game: a fresh folder of its own with the sprites it wrote into
// Data/, removed afterwards. The test sprites are blocks in colours found nowhere else in the
// game's picture, with a few pixels in the transparent colours.
#include <filesystem>
#include <string>

#include "tests/bmp_writer.h"

namespace window_harness {

constexpr platform::Colour Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr platform::Colour NavyColour = Rgb(0, 0, 128);
constexpr platform::Colour MagentaColour = Rgb(255, 0, 255);
constexpr platform::Colour BlackColour = Rgb(0, 0, 0);
constexpr platform::Colour PlayerColour = Rgb(40, 220, 60);
constexpr platform::Colour MonsterColour = Rgb(230, 120, 10);
constexpr platform::Colour ShotColour = Rgb(250, 250, 100);

// 12 × 10 player: magenta at (0, 0), black at (1, 0). 16 × 16 monster: magenta at (0, 0),
// black at (1, 0). 6 × 3 shot: black at (0, 0) (its transparent colour), magenta at (1, 0).
TestImage PlayerImage();
TestImage MonsterImage();
TestImage ShotImage();

class GameFolder {
 public:
  GameFolder();  // with Data/ holding the three test sprites
  ~GameFolder();
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const std::filesystem::path& Path() const { return root_; }
  void WriteSprite(const std::string& fileName, const TestImage& image);  // e.g. "Dude.bmp"
  void RemoveData();  // the whole Data/ folder

 private:
  std::filesystem::path root_;
};

}  // namespace window_harness
