#include "tests/window/game_folder.h"

#include <cstdlib>
#include <stdexcept>

namespace window_harness {

namespace {
TestImage Block(int width, int height, platform::Colour fill, platform::Colour first,
                platform::Colour second) {
  TestImage image(width, height, fill);
  image.Set(0, 0, first);
  image.Set(1, 0, second);
  return image;
}
}  // namespace

TestImage PlayerImage() { return Block(12, 10, PlayerColour, MagentaColour, BlackColour); }
TestImage MonsterImage() { return Block(16, 16, MonsterColour, MagentaColour, BlackColour); }
TestImage ShotImage() { return Block(6, 3, ShotColour, BlackColour, MagentaColour); }

GameFolder::GameFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "shooter-window-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  std::filesystem::create_directory(root_ / "Data");
  WriteSprite("Dude.bmp", PlayerImage());
  WriteSprite("monster1.bmp", MonsterImage());
  WriteSprite("blaster.bmp", ShotImage());
}

GameFolder::~GameFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void GameFolder::WriteSprite(const std::string& fileName, const TestImage& image) {
  WriteBmp((root_ / "Data" / fileName).string(), image);
}

void GameFolder::RemoveData() { std::filesystem::remove_all(root_ / "Data"); }

}  // namespace window_harness
