#include "tests/game_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>

namespace fs = std::filesystem;

TestImage PlayerImage() {
  TestImage image(8, 6, PlayerColour);
  image.Set(0, 0, Magenta);
  image.Set(1, 0, Black);
  return image;
}

TestImage MonsterImage() {
  TestImage image(10, 10, MonsterColour);
  image.Set(0, 0, Magenta);
  image.Set(1, 0, Black);
  return image;
}

TestImage ShotImage() {
  TestImage image(4, 2, ShotColour);
  image.Set(0, 0, Black);
  image.Set(1, 0, Magenta);
  return image;
}

SpriteFolder::SpriteFolder() : previous_(fs::current_path()) {
  static std::atomic<int> counter{0};
  root_ = fs::temp_directory_path() /
          ("shooter-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::create_directories(root_ / "Data");
  Write("Dude.bmp", PlayerImage());
  Write("monster1.bmp", MonsterImage());
  Write("blaster.bmp", ShotImage());
  fs::current_path(root_);
}

SpriteFolder::~SpriteFolder() {
  fs::current_path(previous_);
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void SpriteFolder::Write(const char* name, const TestImage& image) {
  WriteBmp((root_ / "Data" / name).string(), image);
}

void SpriteFolder::Remove(const char* name) { fs::remove(root_ / "Data" / name); }

void GameTest::SetUp() {
  platform::testing::UseOffscreenDisplay();
  platform::testing::HoldKeys({});
  platform::testing::SetRandomSource([this](std::int32_t n) {
    randomRangesAsked.push_back(n);
    if (scriptedValues_.empty()) return n;
    const std::int32_t value = scriptedValues_.front();
    scriptedValues_.pop_front();
    return value;
  });
  StartUp();
  started = true;
}

void GameTest::TearDown() {
  if (started) ShutDown();
  platform::testing::SetRandomSource({});
}

void GameTest::Restart() {
  if (started) ShutDown();
  StartUp();
  started = true;
}

void GameTest::WithoutMonsters() {
  Monsters.clear();
  MonstersToSpawn = 0;
}

int GameTest::RunPasses(int count, std::initializer_list<SDL_Scancode> keys) {
  platform::testing::HoldKeys(keys);
  for (int pass = 1; pass <= count; ++pass)
    if (!RunPass()) return pass;
  return count;
}

void GameTest::ScriptRandom(std::vector<std::int32_t> values) {
  scriptedValues_.assign(values.begin(), values.end());
  randomRangesAsked.clear();
}

Found FindColour(const platform::testing::Picture& picture, Colour colour) {
  Found found{picture.width, picture.height, -1, -1, 0};
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (picture.At(x, y) == colour) {
        found.left = std::min(found.left, x);
        found.top = std::min(found.top, y);
        found.right = std::max(found.right, x);
        found.bottom = std::max(found.bottom, y);
        ++found.count;
      }
  if (found.count == 0) return Found{};
  return found;
}
