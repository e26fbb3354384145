// What `cmake --install` lays out, read back as a desktop and a player would find it: the menu
// entry, the icons and the sprites.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/install/installed_game.h"

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class InstalledFilesTest : public ::testing::Test {
 protected:
  InstalledGame installed;
};

TEST_F(InstalledFilesTest, DesktopEntryPassesDesktopFileValidate) {
  const std::string command = "desktop-file-validate '" + installed.DesktopEntry().string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(InstalledFilesTest, DesktopEntryStartsTheInstalledProgramInTheFolderHoldingTheSprites) {
  auto entry = ReadDesktopEntry(installed.DesktopEntry());
  EXPECT_EQ(entry["Type"], "Application");
  EXPECT_EQ(entry["Categories"], "Game;ArcadeGame;");
  EXPECT_EQ(entry["Icon"], "shooter");
  EXPECT_EQ(fs::path(ExecProgram(entry["Exec"])), installed.Prefix() / "bin/shooter");
  ASSERT_EQ(fs::path(entry["Path"]), installed.Prefix() / "share/shooter");
  for (const char* sprite : {"Dude.bmp", "monster1.bmp", "blaster.bmp"}) {
    SCOPED_TRACE(sprite);
    const fs::path installedSprite = fs::path(entry["Path"]) / "Data" / sprite;
    ASSERT_TRUE(fs::exists(installedSprite));
    EXPECT_EQ(Contents(installedSprite), Contents(fs::path(SHOOTER_SOURCE_FOLDER) / "Data" / sprite));
  }
}

// Each icon is the player sprite grown by whole pixels, with the magenta the game leaves out
// made transparent and every other pixel opaque in the sprite's colour.
TEST_F(InstalledFilesTest, IconsAreThePlayerSpriteScaledUpWithMagentaTransparent) {
  const RgbaPicture sprite = ReadBmp(installed.Prefix() / "share/shooter/Data/Dude.bmp");
  for (int size : {32, 64, 128}) {
    SCOPED_TRACE(size);
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    const RgbaPicture icon =
        ReadPng(installed.Prefix() / "share/icons/hicolor" / folder / "apps/shooter.png");
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    int wrong = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const std::uint8_t* s = sprite.At(x * sprite.width / size, y * sprite.height / size);
        const std::uint8_t* i = icon.At(x, y);
        const bool magenta = s[0] == 255 && s[1] == 0 && s[2] == 255;
        const bool right = magenta ? i[3] == 0
                                   : i[0] == s[0] && i[1] == s[1] && i[2] == s[2] && i[3] == 255;
        if (!right && ++wrong <= 5)
          ADD_FAILURE() << "icon pixel (" << x << ", " << y << ") is rgba(" << int(i[0]) << ", "
                        << int(i[1]) << ", " << int(i[2]) << ", " << int(i[3])
                        << "), sprite pixel rgb(" << int(s[0]) << ", " << int(s[1]) << ", "
                        << int(s[2]) << ")";
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
