// The installed game started the way a desktop's menu starts it: the program its entry's Exec
// names, in the folder its Path names, on a real X server. Only there does it find its sprites.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/install/installed_game.h"
#include "tests/window/running_game.h"

namespace {

using namespace window_harness;
using namespace std::chrono_literals;

TEST(InstalledWindowTest, StartedAsItsMenuEntrySaysItDrawsTheInstalledPlayerAndEndsOnEscape) {
  InstalledGame installed;
  auto entry = ReadDesktopEntry(installed.DesktopEntry());
  const std::filesystem::path program = ExecProgram(entry["Exec"]);
  const std::filesystem::path folder = entry["Path"];
  ASSERT_EQ(program, installed.Prefix() / "bin/shooter") << "Exec=" << entry["Exec"];
  const RgbaPicture player = ReadBmp(installed.Prefix() / "share/shooter/Data/Dude.bmp");

  VirtualDisplay display;
  RunningGame game(display, folder, program);
  game.WaitFrames(10);
  const ScreenPicture picture = display.Capture();

  // The player starts at (1, 2); every pixel but its see-through magenta shows as in the file.
  int shown = 0, missing = 0;
  for (int y = 0; y < player.height; ++y) {
    for (int x = 0; x < player.width; ++x) {
      const std::uint8_t* p = player.At(x, y);
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) continue;
      const Colour expected = p[0] + 256 * p[1] + 65536 * p[2];
      ++(picture.At(1 + x, 2 + y) == expected ? shown : missing);
    }
  }
  EXPECT_GT(shown, 0);
  EXPECT_EQ(missing, 0) << "of the player sprite's " << shown + missing << " opaque pixels";
  if (missing) picture.WritePpm(testing::TempDir() + "installed_game.ppm");

  display.HoldKeys({"Escape"}, 200ms);
  const auto ending = game.WaitForExit(2s);
  ASSERT_TRUE(ending) << "still running after Escape";
  EXPECT_EQ(*ending, Ending{.exitCode = 0}) << Describe(*ending);
}

}  // namespace
