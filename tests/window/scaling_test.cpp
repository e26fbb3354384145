// Screens with and without an 800 × 600 mode, with and without a window manager: the whole
// picture shows, scaled as far as the screen allows with its aspect kept, centred, and the rest
// of the screen black.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "tests/window/window_fixture.h"

namespace window_harness {
namespace {

struct Screen {
  int width, height;
  bool windowManager;
};

void PrintTo(const Screen& screen, std::ostream* out) {
  *out << screen.width << "x" << screen.height
       << (screen.windowManager ? " with a window manager" : " without a window manager");
}

std::string NameOf(const ::testing::TestParamInfo<Screen>& info) {
  return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) +
         (info.param.windowManager ? "WithWindowManager" : "WithoutWindowManager");
}

// Where the 800 × 600 picture belongs on the screen.
Rect ExpectedPicture(const Screen& screen) {
  const double scale = std::min(screen.width / 800.0, screen.height / 600.0);
  const int width = static_cast<int>(std::lround(800 * scale));
  const int height = static_cast<int>(std::lround(600 * scale));
  const int left = (screen.width - width) / 2;
  const int top = (screen.height - height) / 2;
  return Rect{left, top, left + width, top + height};
}

class ScalingTest : public WindowTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(ScalingTest, TheWholePictureShowsScaledCentredWithBlackBars) {
  const Screen screen = GetParam();
  StartGame({.width = screen.width, .height = screen.height,
             .windowManager = screen.windowManager});
  game->WaitFrames(10);
  const ScreenPicture& picture = Look();
  // Navy fills the picture's whole first row, so its bounds are the picture's.
  const Rect shown = picture.BoundsOf(NavyColour);
  const Rect expected = ExpectedPicture(screen);
  Report("picture_left", shown.left);
  Report("picture_top", shown.top);
  Report("picture_width", shown.Width());
  Report("picture_height", shown.Height());
  EXPECT_EQ(shown, expected) << "shown " << Describe(shown) << ", expected " << Describe(expected);
  EXPECT_LE(std::abs(shown.Width() * 600 - shown.Height() * 800), 800) << "aspect not kept";
  EXPECT_TRUE(picture.AllOf(BlackColour, Rect{0, 0, screen.width, screen.height}, shown))
      << "the bars are not black";

  // The player, 12 × 10 at (1, 2), scaled with the picture.
  const double scale = shown.Width() / 800.0;
  const Rect player = PlayerArea(picture);
  EXPECT_NEAR(player.left, shown.left + 1 * scale, 1.0) << Describe(player);
  EXPECT_NEAR(player.top, shown.top + 2 * scale, 1.0) << Describe(player);
  EXPECT_NEAR(player.Width(), 12 * scale, 1.0) << Describe(player);
  EXPECT_NEAR(player.Height(), 10 * scale, 1.0) << Describe(player);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScalingTest,
                         ::testing::Values(Screen{800, 600, false}, Screen{800, 600, true},
                                           Screen{1280, 720, false}, Screen{1280, 720, true},
                                           Screen{1024, 768, false}, Screen{1024, 768, true},
                                           Screen{1280, 1024, false}),
                         NameOf);

}  // namespace
}  // namespace window_harness
